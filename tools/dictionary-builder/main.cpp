// predarin-build-dictionary: builds the general dictionary files from the
// public corpora.
//
//   predarin-build-dictionary --corpora DIR --out DIR [--heldout DIR]
//                             [--pictograms MAPPING.tsv]

#include <cstdio>
#include <string>
#include <string_view>

#include "tools/dictionary-builder/DictionaryBuilder.h"

namespace {

void PrintUsage() {
  std::fprintf(stderr,
               "usage: predarin-build-dictionary --corpora DIR --out DIR [--heldout DIR]"
               " [--pictograms MAPPING.tsv]\n");
}

}  // namespace

int main(int argc, char** argv) {
  vorelio::builder::BuildOptions options;
  options.heldOutFolder = "bench/texts";
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (i + 1 >= argc) {
      PrintUsage();
      return 2;
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
    } else {
      PrintUsage();
      return 2;
    }
  }
  if (options.corporaFolder.empty() || options.outputFolder.empty()) {
    PrintUsage();
    return 2;
  }

  std::string error;
  const auto summary = vorelio::builder::BuildDictionary(options, error);
  if (!summary) {
    std::fprintf(stderr, "predarin-build-dictionary: %s\n", error.c_str());
    return 1;
  }
  std::printf("words %zu (pictograms %zu)\n", summary->words, summary->pictograms);
  std::printf("word pairs %zu\n", summary->pairs);
  std::printf("classes %zu\n", summary->classes);
  std::printf("class pairs %zu\n", summary->classPairs);
  std::printf("sentences %zu\n", summary->sentences);
  std::printf("sentence pairs %zu\n", summary->sentencePairs);
  std::printf("held out: %zu news documents (%zu words), %zu stories (%zu words)\n",
              summary->heldOutDocuments, summary->heldOutNewsWords, summary->heldOutStories,
              summary->heldOutStoryWords);
  return 0;
}
