// Rewriting of words in the spelling before the 1990 Orthographic Agreement
// into the current European Portuguese spelling ("acção" -> "ação").
//
// Built from a list of old -> new pairs of base forms and a list of valid
// current words. A word that is valid as it stands is never touched. Other
// words take the new form of an exact pair, or, for inflected forms that the
// pairs do not list ("acções", "objectivos"), the pair's change applied at the
// same place of the word, kept only when the result is a valid word. Every
// part of a hyphenated word is rewritten on its own ("acções-chave"), and a
// prefix the Agreement joins loses its hyphen ("infra-estrutura").
// All text is lower-case Windows-1252.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorelio::builder {

class SpellingNormaliser {
 public:
  // `pairs`: (old, new) base forms; a new side "x, y" (two admitted forms)
  // counts as its first form. `validWords` must outlive the normaliser.
  SpellingNormaliser(const std::vector<std::pair<std::string, std::string>>& pairs,
                     const std::set<std::string>& validWords);

  // The word in the current spelling; the word itself when nothing applies.
  std::string Normalise(const std::string& word) const;

  std::size_t PairCount() const { return exact_.size(); }

 private:
  std::string NormalisePart(const std::string& part) const;
  std::string JoinPrefix(const std::string& word) const;

  struct StemChange {
    std::size_t oldLength = 0;  // characters of the word that the change replaces
    std::string replacement;
  };

  const std::set<std::string>& validWords_;
  std::map<std::string, std::string> exact_;
  // Keyed by the old form up to and including one character after the
  // change ("acç" for acção -> ação, "object" for objectivo -> objetivo).
  std::map<std::string, StemChange> stems_;
};

// Accents that the 1990 Agreement removed from a few short words ("pára" ->
// "para", "vêem" -> "veem", "vôo" -> "voo"), which the pair list does not
// hold; lower-case Windows-1252.
std::vector<std::pair<std::string, std::string>> AgreementAccentPairs();

// Parses the tab-separated pair list (a header line, then "old<TAB>new",
// CRLF or LF), UTF-8, into lower-case Windows-1252 pairs.
std::vector<std::pair<std::string, std::string>> ReadSpellingPairs(std::string_view contents);

}  // namespace vorelio::builder
