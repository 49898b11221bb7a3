// The keyboard file (NAME.tec): one record per text line, fields separated
// by blanks, Windows-1252 bytes passed through unchanged.
//
// Reading, line by line (a line or a word of any length is read whole, so
// a long row of pictograms comes back as it was written):
//   - leading blanks are skipped; a line starting "//" is a comment;
//   - "LINHA name" starts a line of keys, "GRUPO name" a group in it;
//   - "TECLA type label description output active background text": the
//     forms of 8, 6, 5 and 2 words are tried in that order, by how many of
//     the fields read (a non-numeric or out-of-range number ends the
//     reading there, "%d" style, so a key with a bad colour takes the
//     6-word form). The 6-word form takes the group's colours, the 5-word
//     form also active 1, the 2-word form also empty texts;
//   - "ALTURA_TECLAS n", "ALTURA_TECLAS_IMAGENS n" (decimal; otherwise the
//     line is ignored) and "DESCRICAO word";
//   - a GRUPO before any LINHA, or a TECLA with no group since the last
//     LINHA, has nowhere to go and is not added; any other line is ignored.
// Names, texts and the description are decoded (DecodeKeyboardValue); the
// type word is not. A label naming pictograms is split into its reference
// and caption (PictogramLabel.h).
//
// Writing: "ALTURA_TECLAS n" and "ALTURA_TECLAS_IMAGENS n" when above 0,
// "DESCRICAO text" when not empty; then per line an empty line and
// "LINHA name", per group "GRUPO name", per key "TECLA" with the 8 fields
// for TECLA_NORMAL and TECLA_IMAGEM keys (the label with its caption) and
// the type alone for every other type. Reading what was written and writing
// it again gives the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "keyboards/OnScreenKeyData.h"

namespace vorelio {

struct KeyboardFileContents {
  int32_t keyHeight = 0;           // pixels; 0 (or less): the profile's applies
  int32_t pictogramKeyHeight = 0;  // pixels; 0 (or less): the profile's applies
  std::string description;
  std::vector<COnScreenKeyLineData> lines;  // all of them: capacities are the keyboard's

  bool operator==(const KeyboardFileContents&) const = default;
};

// Reads file contents; never fails (unreadable lines are ignored). With
// `keyRecords`, also gives what ReadKeyRecords would, from the same pass.
KeyboardFileContents ReadKeyboardFile(std::string_view contents,
                                      std::vector<COnScreenKeyData>* keyRecords = nullptr);
// Every TECLA record of the file in file order, with the same rules,
// wherever it stands (also those that have no group to go to).
std::vector<COnScreenKeyData> ReadKeyRecords(std::string_view contents);
// The file for `keyboard`. Key types must be single words.
std::string WriteKeyboardFile(const KeyboardFileContents& keyboard);

// A value as one word of the file: each blank becomes ";;;". A value
// longer than one character cannot keep a ";" (the reader turns it into a
// blank), so it is written as the blank it will read back as; and an empty
// value, which would shift the fields after it, is written as one blank.
std::string EncodeKeyboardValue(std::string_view value);
// A word of the file as a value: each ";;;" becomes a blank, then, when the
// result is longer than one character, each remaining ";" too. A lone ";"
// stays.
std::string DecodeKeyboardValue(std::string_view word);

}  // namespace vorelio
