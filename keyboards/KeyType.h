// The seven kinds of on-screen key: the word a keyboard file stores for each
// and the name the key dialog shows, in the dialog's order.
#pragma once

#include <optional>
#include <string_view>

namespace vorelio {

enum class KeyType {
  kNormal,                       // a text label, or a symbol
  kPictogram,                    // a pictogram with an optional caption
  kEmpty,                        // a blank, inert place in the layout
  kWordSuggestion,               // filled with a word suggestion at run time
  kSentenceSuggestion,           // a sentence or word-sequence suggestion
  kPictogramSuggestion,          // a pictogram suggestion
  kPictogramSentenceSuggestion,  // a sentence of pictograms
};
inline constexpr int kKeyTypeCount = 7;

// The type of a file word such as "TECLA_NORMAL" (exact, case-sensitive);
// nothing for any other word.
std::optional<KeyType> KeyTypeFromWord(std::string_view word);
// "TECLA_NORMAL", "TECLA_IMAGEM", ... as the file stores them.
std::string_view WordOf(KeyType type);
// "Normal", "Pictograma", "Vazia", "Predição de Palavra", ... (Windows-1252).
std::string_view ShownNameOf(KeyType type);

// The four types the suggestion lists fill; their keys keep no label,
// description, output or colours in the file.
bool IsSuggestionType(KeyType type);

}  // namespace vorelio
