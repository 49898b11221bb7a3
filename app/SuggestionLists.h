// The suggestion lists of the last prediction cycle (words, sentences and
// word sequences, pictograms, pictogram sentences) and the pages of them
// that the on-screen keyboard's suggestion keys show. The n-th key of a
// suggestion type shows the suggestion at page x page size + n of its list,
// where the page size is the number of keys of that type; a key past the
// end of its list is empty.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/PictogramFinder.h"
#include "keyboards/KeyType.h"
#include "keyboards/OnScreenKeyboard.h"
#include "prediction/PredictionOptions.h"
#include "prediction/Suggestions.h"

namespace vorelio {

// The lists, in the order of the keyboard's suggestion key types.
enum class SuggestionKind { kWord, kSentence, kPictogram, kPictogramSentence };
inline constexpr int kSuggestionKindCount = 4;

// The kind a suggestion key type shows; nothing for the other key types.
std::optional<SuggestionKind> SuggestionKindOf(KeyType type);

struct Suggestion {
  SuggestionKind kind = SuggestionKind::kWord;
  // As predicted: a word, a sentence, "[pão]", "[bom] [dia]".
  std::string text;
  // Where it stands in its list (page x page size + the key's place), from 0.
  int32_t listPosition = 0;
};

class CSuggestionLists {
 public:
  // `pictograms` (which turns pictogram words into the references keys
  // show) must outlive the lists.
  explicit CSuggestionLists(PictogramFinder& pictograms) : pictograms_(pictograms) {}

  // The keyboard whose suggestion keys show the lists (null: none; it must
  // outlive its use here). Its keys show the first page of each list.
  void ShowOn(COnScreenKeyboard* keyboard);
  // The lists of a new prediction cycle, each cut to the profile's count
  // (NUMERO_MAXIMO_PALAVRAS_PREDITAS and the others), shown from their
  // first page. With `capitals` (PALAVRAS_PREDITAS_EM_MAIUSCULAS) the word
  // and sentence keys show their suggestions in capitals.
  void Replace(const WordSuggestions& words, const SentenceSuggestions& sentences,
               const PredictionOptions& limits, bool capitals);
  // Empties every list and every suggestion key.
  void Clear();
  // Shows the next page of each list; after its last page a list starts
  // again at its first.
  void NextPages();

  // The suggestion the key shows; nothing when the key is not a suggestion
  // key of the keyboard or its place is past the end of its list.
  std::optional<Suggestion> On(const COnScreenKeyIdentifier& key) const;

  const std::vector<std::string>& List(SuggestionKind kind) const;
  int Page(SuggestionKind kind) const { return pages_[Index(kind)]; }

 private:
  static std::size_t Index(SuggestionKind kind) { return static_cast<std::size_t>(kind); }
  const std::vector<COnScreenKeyIdentifier>& KeysOf(SuggestionKind kind) const;
  // What a key of the kind shows for a suggestion.
  std::string Shown(SuggestionKind kind, const std::string& text) const;
  void Label(SuggestionKind kind);
  void LabelAll();

  PictogramFinder& pictograms_;
  COnScreenKeyboard* keyboard_ = nullptr;
  std::array<std::vector<std::string>, kSuggestionKindCount> lists_;
  std::array<int, kSuggestionKindCount> pages_{};
  bool capitals_ = false;
};

}  // namespace vorelio
