// Writing with a pictogram: a pictogram key of the on-screen keyboard or a
// pictogram suggestion was selected. The pictogram stands for words (a
// key's description, a suggestion's name); it replaces what of them was
// already typed: the word being typed when it stands for one word, the
// sentence before the caret when that is the beginning of its words,
// otherwise the word being typed.
//
// In the program's message editor the pictogram itself joins the text, with
// its words and an alternative text, and the words are learnt as any key's
// output. Other targets cannot hold pictures: with the profile's
// SAIDA_TEXTO_FRASES_TRADUZIDAS_SIMBOLOS they get the words typed, followed
// by a space; without it nothing is written there, and nothing is erased.
#pragma once

#include <string>

#include "app/ControllerHost.h"
#include "app/PictogramPictureMaker.h"

namespace vorelio {

struct PictogramToWrite {
  std::string words;            // what the pictogram stands for
  std::string reference;        // its picture or row of pictures
  std::string caption;          // shown above the picture; may be empty
  std::string alternativeText;  // how the editor's text reads without pictures
  bool compound = false;        // a row of pictograms
};

class PictogramWriter {
 public:
  // `host` must outlive the writer.
  explicit PictogramWriter(ControllerHost& host) : host_(host) {}
  // Null: the editor gets no pictures (see PictogramPictureMaker).
  void SetPictureMaker(PictogramPictureMaker* maker) { pictures_ = maker; }

  // Nothing without a current target. Counts the pictogram written and
  // runs a prediction cycle whenever something was written.
  void Write(const PictogramToWrite& pictogram);

 private:
  void EraseTypedPart(CWordProcessor& target, const std::string& words);
  void EraseCurrentWord(CWordProcessor& target);

  ControllerHost& host_;
  PictogramPictureMaker* pictures_ = nullptr;
};

}  // namespace vorelio
