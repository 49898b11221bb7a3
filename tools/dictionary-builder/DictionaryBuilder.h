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
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vorelio::builder {

struct BuildOptions {
  std::string corporaFolder;
  std::string outputFolder;
  std::string heldOutFolder;  // empty: held-out text is not written
  // Optional pictogram mapping (tab-separated, name in the 2nd column, one
  // header line); each name becomes a "[name]" entry.
  std::string pictogramMapping;
  // The folder of the European Portuguese stem list and affix rules
  // (pt_PT.dic, pt_PT.aff): categories and stems of the spelling list's forms.
  std::string hunspellFolder = "/usr/share/hunspell";
  // The corpora gathered or written for this project (corpora/ of the
  // repository): conversation/*.txt, the everyday phrase set, and
  // debian/*.txt, running text of Debian's Portuguese documentation. Empty:
  // neither is read.
  std::string projectCorporaFolder;
  // The most entries geral.pal may hold: spelling-list forms no corpus
  // attests fill it up to here, leaving the rest of the program's 250,000
  // word slots to the words each user teaches it.
  std::size_t wordLimit = 200000;
};

struct BuildSummary {
  std::size_t words = 0;  // entries of geral.pal, "___" and pictograms included
  std::size_t pictograms = 0;
  std::size_t pairs = 0;
  std::size_t backoffPairs = 0;  // of `pairs`: successors by class (BackoffSuccessors.h)
  std::size_t classes = 0;
  std::size_t classPairs = 0;
  std::size_t sentences = 0;  // "___" included
  std::size_t sentencePairs = 0;
  std::size_t heldOutNewsWords = 0;
  std::size_t heldOutStoryWords = 0;
  std::size_t heldOutDocuments = 0;
  std::size_t heldOutStories = 0;
  std::size_t conversations = 0;  // read, held-out ones included
  std::size_t heldOutConversations = 0;
  std::size_t heldOutConversationWords = 0;
  std::size_t runningTextDocuments = 0;  // read, held-out ones included
  std::size_t heldOutFormalDocuments = 0;
  std::size_t heldOutFormalWords = 0;
  std::size_t estimatedWords = 0;     // spelling-list forms no corpus attests
  std::size_t wordsWithoutClass = 0;  // "___" not counted
  // Held-out treebank words (tokens): all, those whose dictionary class is
  // their tag, those the training part never tags, and those of them whose
  // inferred class is their tag.
  std::size_t heldOutTaggedWords = 0;
  std::size_t heldOutClassesRight = 0;
  std::size_t heldOutUntaggedWords = 0;
  std::size_t heldOutInferredRight = 0;
};

// Reads the corpora, writes the six files into the output folder (created
// if needed) and the held-out texts into the held-out folder. Returns
// nothing and sets `error` (naming the file) when a source cannot be read or
// a file cannot be written.
std::optional<BuildSummary> BuildDictionary(const BuildOptions& options, std::string& error);

// Share of the letter-bearing words of a text that a dictionary holds.
struct TextCoverage {
  std::string path;
  std::size_t words = 0;  // lower-cased, in the current spelling
  std::size_t found = 0;
  std::map<std::string, std::size_t> missing;  // lower-cased, with their counts
};

// Reads the words of `wordFile` (a geral.pal) and measures each text
// (UTF-8 or Windows-1252) against them, respelling its words as the build
// does (spelling list and pairs of the corpora folder). Returns nothing and
// sets `error` when a file cannot be read.
std::optional<std::vector<TextCoverage>> MeasureCoverage(const BuildOptions& options,
                                                         const std::string& wordFile,
                                                         const std::vector<std::string>& texts,
                                                         std::string& error);

}  // namespace vorelio::builder
