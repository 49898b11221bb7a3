// A small dictionary for the predictor tests, written as files into a
// temporary folder and loaded through the dictionary's own loaders.
#pragma once

#include <cstdio>
#include <string>

#include "TestSupport.h"
#include "platform/MessageBox.h"
#include "prediction/Dictionary.h"

namespace vorelio::testing {

// File contents, in the file formats (a blank inside an entry is "|").
struct DictionaryFiles {
  std::string words;              // geral.pal
  std::string pairs;              // geral.par
  std::string classes;            // geral.cg
  std::string classPairs;         // geral.pcg
  std::string userWords;          // p.pal
  std::string userPairs;          // p.par
  std::string sentences;          // geral.frs
  std::string sentencePairs;      // geral.paf
  std::string userSentences;      // p.frs
  std::string userSentencePairs;  // p.paf
};

// A word file of `count` words "w000000", "w000001"... with one frequency.
inline std::string NumberedWords(int count, int frequency = 1) {
  std::string words;
  char line[32];
  for (int i = 0; i < count; ++i) {
    std::snprintf(line, sizeof line, "w%06d %d\n", i, frequency);
    words += line;
  }
  return words;
}

class TestDictionary {
 public:
  explicit TestDictionary(const DictionaryFiles& files) : dictionary_(testing::DiskFiles(), messages_) {
    folder_.Write("geral.pal", files.words);
    folder_.Write("geral.par", files.pairs);
    folder_.Write("geral.cg", files.classes);
    folder_.Write("geral.pcg", files.classPairs);
    folder_.Write("p.pal", files.userWords);
    folder_.Write("p.par", files.userPairs);
    folder_.Write("geral.frs", files.sentences);
    folder_.Write("geral.paf", files.sentencePairs);
    folder_.Write("p.frs", files.userSentences);
    folder_.Write("p.paf", files.userSentencePairs);
    dictionary_.LoadDictionary(folder_.Path(), "p", false);
  }

  const CDictionary& operator*() const { return dictionary_; }
  const CDictionary* operator->() const { return &dictionary_; }
  const RecordingMessageBox& Messages() const { return messages_; }

 private:
  TempFolder folder_;
  RecordingMessageBox messages_;
  CDictionary dictionary_;
};

}  // namespace vorelio::testing
