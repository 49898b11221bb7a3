// Building of the general dictionary ("geral.*") from the public corpora.
//
// The corpora folder holds ud-bosque-cp/ (newspaper treebank), frequencywords/
// (European and Brazilian subtitle frequencies), wportuguese/ (the European
// spelling list), languagetool-pt/ (spelling pairs, Brazil/Portugal pairs,
// offensive words) and asp-stories-pt/stories/ (children's stories).
// Word frequencies come mainly from the European subtitle list, classes and
// class pairs from the treebank, word pairs, sentences and sentence pairs
// from the treebank and the stories. A fixed part of the treebank and of the
// stories is held out: it contributes nothing to the dictionary and is
// written as plain text for measurements. Same input, same bytes out.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vorelio::builder {

struct BuildOptions {
  std::string corporaFolder;
  std::string outputFolder;
  std::string heldOutFolder;  // empty: held-out text is not written
  // Optional pictogram mapping (tab-separated, name in the 2nd column, one
  // header line); each name becomes a "[name]" entry.
  std::string pictogramMapping;
};

struct BuildSummary {
  std::size_t words = 0;  // entries of geral.pal, "___" and pictograms included
  std::size_t pictograms = 0;
  std::size_t pairs = 0;
  std::size_t classes = 0;
  std::size_t classPairs = 0;
  std::size_t sentences = 0;  // "___" included
  std::size_t sentencePairs = 0;
  std::size_t heldOutNewsWords = 0;
  std::size_t heldOutStoryWords = 0;
  std::size_t heldOutDocuments = 0;
  std::size_t heldOutStories = 0;
};

// Reads the corpora, writes the six files into the output folder (created
// if needed) and the held-out texts into the held-out folder. Returns
// nothing and sets `error` (naming the file) when a source cannot be read or
// a file cannot be written.
std::optional<BuildSummary> BuildDictionary(const BuildOptions& options, std::string& error);

}  // namespace vorelio::builder
