// predarin-build-dictionary: builds the general dictionary files from the
// public corpora, or measures how much of a text a built dictionary holds.
//
//   predarin-build-dictionary --corpora DIR --out DIR [--heldout DIR]
//                             [--pictograms MAPPING.tsv] [--hunspell DIR]
//                             [--project-corpora DIR]
//   predarin-build-dictionary --corpora DIR --out DIR --coverage TEXT...

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "common/Text.h"
#include "tools/dictionary-builder/DictionaryBuilder.h"

namespace {

void PrintUsage() {
  std::fprintf(stderr,
               "usage: predarin-build-dictionary --corpora DIR --out DIR [--heldout DIR]"
               " [--pictograms MAPPING.tsv] [--hunspell DIR]\n"
               "                                 [--project-corpora DIR]\n"
               "       predarin-build-dictionary --corpora DIR --out DIR --coverage TEXT...\n");
}

double Percent(std::size_t part, std::size_t whole) {
  return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

// The words a text has that the dictionary lacks, most frequent first.
void PrintMostMissed(const vorelio::builder::TextCoverage& text) {
  std::vector<std::pair<std::size_t, std::string>> words;
  for (const auto& [word, count] : text.missing) words.emplace_back(count, word);
  std::stable_sort(words.begin(), words.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::printf("  most missed:");
  for (std::size_t i = 0; i < words.size() && i < 40; ++i) {
    std::printf(" %s", vorelio::Cp1252ToUtf8(words[i].second).c_str());
    if (words[i].first > 1) std::printf(" (%zu)", words[i].first);
  }
  std::printf("\n");
}

int ReportCoverage(const vorelio::builder::BuildOptions& options,
                   const std::vector<std::string>& texts) {
  std::string error;
  const auto coverage = vorelio::builder::MeasureCoverage(
      options, options.outputFolder + "/geral.pal", texts, error);
  if (!coverage) {
    std::fprintf(stderr, "predarin-build-dictionary: %s\n", error.c_str());
    return 1;
  }
  for (const auto& text : *coverage) {
    std::printf("%s: %zu of %zu words (%.2f%%)\n", text.path.c_str(), text.found, text.words,
                Percent(text.found, text.words));
    PrintMostMissed(text);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  vorelio::builder::BuildOptions options;
  options.heldOutFolder = "bench/texts";
  std::vector<std::string> coverageTexts;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (i + 1 >= argc) {
      PrintUsage();
      return 2;
    }
    if (argument == "--coverage") {
      while (i + 1 < argc) coverageTexts.emplace_back(argv[++i]);
      break;
    }
    const std::string value = argv[++i];
    if (argument == "--corpora") {
      options.corporaFolder = value;
    } else if (argument == "--out") {
      options.outputFolder = value;
    } else if (argument == "--heldout") {
      options.heldOutFolder = value;
    } else if (argument == "--pictograms") {
      options.pictogramMapping = value;
    } else if (argument == "--project-corpora") {
      options.projectCorporaFolder = value;
    } else if (argument == "--hunspell") {
      options.hunspellFolder = value;
    } else {
      PrintUsage();
      return 2;
    }
  }
  if (options.corporaFolder.empty() || options.outputFolder.empty()) {
    PrintUsage();
    return 2;
  }
  if (!coverageTexts.empty()) return ReportCoverage(options, coverageTexts);

  std::string error;
  const auto summary = vorelio::builder::BuildDictionary(options, error);
  if (!summary) {
    std::fprintf(stderr, "predarin-build-dictionary: %s\n", error.c_str());
    return 1;
  }
  std::printf("words %zu (pictograms %zu, spelling-list forms with estimated frequency %zu)\n",
              summary->words, summary->pictograms, summary->estimatedWords);
  std::printf("words without class %zu\n", summary->wordsWithoutClass);
  std::printf("word pairs %zu (by class %zu)\n", summary->pairs, summary->backoffPairs);
  std::printf("classes %zu\n", summary->classes);
  std::printf("class pairs %zu\n", summary->classPairs);
  std::printf("sentences %zu\n", summary->sentences);
  std::printf("sentence pairs %zu\n", summary->sentencePairs);
  std::printf("held out: %zu news documents (%zu words), %zu stories (%zu words)\n",
              summary->heldOutDocuments, summary->heldOutNewsWords, summary->heldOutStories,
              summary->heldOutStoryWords);
  std::printf("conversations %zu, held out %zu (%zu words)\n", summary->conversations,
              summary->heldOutConversations, summary->heldOutConversationWords);
  std::printf("running-text documents %zu, formal ones held out %zu (%zu words)\n",
              summary->runningTextDocuments, summary->heldOutFormalDocuments,
              summary->heldOutFormalWords);
  std::printf("classes of held-out treebank words: %zu of %zu right (%.2f%%); inferred for"
              " words the training part does not tag: %zu of %zu right (%.2f%%)\n",
              summary->heldOutClassesRight, summary->heldOutTaggedWords,
              Percent(summary->heldOutClassesRight, summary->heldOutTaggedWords),
              summary->heldOutInferredRight, summary->heldOutUntaggedWords,
              Percent(summary->heldOutInferredRight, summary->heldOutUntaggedWords));
  return 0;
}
