#include "prediction/WordPredictor.h"

#include <algorithm>

#include "common/Text.h"

namespace vorelio {

CWordPredictor::CWordPredictor() {
  previous_.reserve(64);
  singlePrefix_.reserve(64);
}

void CWordPredictor::PredictWords(const CDictionary& dictionary,
                                  const PredictionOptions& options,
                                  std::string_view previousWord,
                                  std::vector<std::string>& prefixes) {
  previous_.assign(previousWord);
  ToLowerInPlace(previous_);
  for (std::string& prefix : prefixes) ToLowerInPlace(prefix);
  Predict(dictionary, options, prefixes);
}

void CWordPredictor::PredictWords(const CDictionary& dictionary,
                                  const PredictionOptions& options,
                                  std::string_view previousWord, std::string_view prefix) {
  previous_.assign(previousWord);
  ToLowerInPlace(previous_);
  singlePrefix_.assign(prefix);
  ToLowerInPlace(singlePrefix_);
  // With one prefix the list rules reduce to the single-prefix ones: both
  // empty gives nothing, an empty prefix the successors, any other prefix
  // the words that begin with it.
  Predict(dictionary, options, std::span<const std::string>(&singlePrefix_, 1));
}

int32_t CWordPredictor::BestPredictions(int32_t n, std::span<CDictionaryWordScore> out) {
  return collector_.Best(n, out);
}

void CWordPredictor::Predict(const CDictionary& dictionary, const PredictionOptions& options,
                             std::span<const std::string> prefixes) {
  const std::vector<CWord>& table = dictionary.Words();
  collector_.Start(std::span<const CWord>(table.data(), table.size()));
  Gather(dictionary, prefixes);
  if (collector_.Candidates().Count() == 0) return;

  const double generalTotal = dictionary.GeneralWordTotal();
  const double userTotal = dictionary.UserWordTotal();
  const double kWord = options.wordFrequencyCoefficient;
  const double kUserWord = options.userWordFrequencyCoefficient;
  collector_.CopyToRanked([&](const CWord& word) {
    return Quotient(kWord * word.generalFrequency, generalTotal) +
           Quotient(kUserWord * word.userFrequency, userTotal);
  });
  // A previous word that is not an entry has no successors and no class.
  if (previous_.empty()) return;
  const CDictionaryWord previous = dictionary.FindWord(previous_);
  if (previous.IsNone()) return;
  AddPairPass(dictionary, options, previous.Get());
  AddClassPass(dictionary, options, previous.Get());
}

void CWordPredictor::Gather(const CDictionary& dictionary,
                            std::span<const std::string> prefixes) {
  collector_.Gather(
      !previous_.empty(), prefixes,
      [&](CDictionaryNextWordSet& records) {
        dictionary.SuccessorRecordsOfWord(previous_, records);
      },
      [&](std::string_view prefix, int32_t& first, int32_t& last) {
        dictionary.WordPrefixRange(prefix, first, last);
      });
}

void CWordPredictor::AddPairPass(const CDictionary& dictionary, const PredictionOptions& options,
                                 const CWord& previous) {
  const double pairTotal = dictionary.GeneralPairTotal();
  const double userPairTotal = dictionary.UserPairTotal();
  const double generalRatio = Quotient(previous.generalFrequency, dictionary.GeneralWordTotal());
  const double userRatio = Quotient(previous.userFrequency, dictionary.UserWordTotal());
  const double kPair = options.wordPairCoefficient;
  const double kUserPair = options.userWordPairCoefficient;
  collector_.AddPairTerms(
      previous,
      [&](CDictionaryNextWordSet& records) {
        dictionary.SuccessorRecordsOfWord(previous_, records);
      },
      [&](int32_t general, int32_t user) {
        const double generalPart = Quotient(Quotient(general, pairTotal), generalRatio);
        const double userPart = Quotient(Quotient(user, userPairTotal), userRatio);
        return kPair * generalPart + kUserPair * userPart;
      });
}

void CWordPredictor::AddClassPass(const CDictionary& dictionary, const PredictionOptions& options,
                                  const CWord& previous) {
  if (previous.wordClass.empty()) return;
  const std::string& previousClass = previous.wordClass;
  const double classRatio = Quotient(dictionary.ClassFrequency(previousClass),
                                     dictionary.Classes().Total());
  if (classRatio == 0.0) return;
  const double pairTotal = dictionary.ClassPairs().Total();
  const double kClass = options.wordClassCoefficient;
  auto term = [&](int32_t pairFrequency) {
    return kClass * Quotient(Quotient(pairFrequency, pairTotal), classRatio);
  };

  // The term depends only on w's class: it is worked out once per distinct
  // class in a request.
  const std::vector<std::string>& names = dictionary.WordClassNames();
  if (classTerms_.size() < names.size()) {
    classTerms_.resize(names.size());
    classStamps_.resize(names.size(), 0);
  }
  if (++stamp_ == 0) {  // the stamp wrapped: forget every memo
    std::fill(classStamps_.begin(), classStamps_.end(), 0);
    stamp_ = 1;
  }
  const double noClassTerm = term(0);
  for (CDictionaryWordScore& candidate : collector_.Ranked()) {
    const CWord& word = candidate.entry.Get();
    const int32_t id = word.classId;
    if (word.wordClass.empty()) {
      candidate.score += noClassTerm;
    } else if (id >= 0 && static_cast<std::size_t>(id) < names.size()) {
      const auto slot = static_cast<std::size_t>(id);
      if (classStamps_[slot] != stamp_) {
        classTerms_[slot] = term(dictionary.ClassPairFrequency(previousClass, names[slot]));
        classStamps_[slot] = stamp_;
      }
      candidate.score += classTerms_[slot];
    } else {
      candidate.score += term(dictionary.ClassPairFrequency(previousClass, word.wordClass));
    }
  }
}

}  // namespace vorelio
