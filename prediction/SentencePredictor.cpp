#include "prediction/SentencePredictor.h"

namespace vorelio {

CSentencePredictor::CSentencePredictor() { singlePrefix_.reserve(256); }

void CSentencePredictor::PredictSentences(const CDictionary& dictionary,
                                          const PredictionOptions& /*options*/,
                                          std::string_view previousSentence,
                                          std::vector<std::string>& prefixes) {
  Predict(dictionary, previousSentence, prefixes);
}

void CSentencePredictor::PredictSentences(const CDictionary& dictionary,
                                          const PredictionOptions& /*options*/,
                                          std::string_view previousSentence,
                                          std::string_view prefix) {
  singlePrefix_.assign(prefix);
  Predict(dictionary, previousSentence, std::span<const std::string>(&singlePrefix_, 1));
}

int32_t CSentencePredictor::BestPredictions(int32_t n,
                                            std::span<CDictionarySentenceScore> out) {
  return collector_.Best(n, out);
}

void CSentencePredictor::Predict(const CDictionary& dictionary,
                                 std::string_view previousSentence,
                                 std::span<const std::string> prefixes) {
  const std::vector<CSentence>& table = dictionary.Sentences();
  collector_.Start(std::span<const CSentence>(table.data(), table.size()));

  const bool hasPrevious = !previousSentence.empty();
  auto fetchSuccessors = [&](CDictionaryNextSentenceSet& records) {
    dictionary.SuccessorRecordsOfSentence(previousSentence, records);
  };
  collector_.Gather(hasPrevious, prefixes, fetchSuccessors,
                    [&](std::string_view prefix, int32_t& first, int32_t& last) {
                      dictionary.SentencePrefixRange(prefix, first, last);
                    });
  if (collector_.Candidates().Count() == 0) return;

  const double generalTotal = dictionary.GeneralSentenceTotal();
  const double userTotal = dictionary.UserSentenceTotal();
  collector_.CopyToRanked([&](const CSentence& sentence) {
    return Quotient(sentence.generalFrequency, generalTotal) +
           Quotient(sentence.userFrequency, userTotal);
  });

  if (!hasPrevious) return;
  const CDictionarySentence previous = dictionary.FindSentence(previousSentence);
  if (previous.IsNone()) return;
  const double pairTotal = dictionary.GeneralSentencePairTotal();
  const double userPairTotal = dictionary.UserSentencePairTotal();
  const double generalRatio = Quotient(previous->generalFrequency, generalTotal);
  const double userRatio = Quotient(previous->userFrequency, userTotal);
  collector_.AddPairTerms(previous.Get(), fetchSuccessors, [&](int32_t general, int32_t user) {
    return Quotient(Quotient(general, pairTotal), generalRatio) +
           Quotient(Quotient(user, userPairTotal), userRatio);
  });
}

}  // namespace vorelio
