// CSentencePredictor: the sentences of the dictionary that begin with what
// has been written of the current sentence, or, at the start of a sentence,
// those that have followed the previous one.
//
// Gathering follows the word predictor's rules (see WordPredictor.h) on the
// sentence table: the dictionary normalises every prefix and the previous
// sentence (white-space runs collapsed, leading white space removed, lower
// case), so callers pass the texts as typed. A sentence equal to a prefix is
// never a candidate; duplicates are kept; the candidate set holds 100000.
//
// Scoring uses no option; with q(a, b) = a / b, or 0 when b is 0:
//   every candidate:      q(f_g(s), F_g) + q(f_u(s), F_u)
//   s a successor of S:   q(q(g, Q_g), r_g) + q(q(u, Q_u), r_u)
//                         with r_g = q(f_g(S), F_g), r_u = q(f_u(S), F_u),
// where F_*, Q_* are the sentence and sentence pair totals. There is no
// class term. Ranking is the word predictor's, with the same tie rules.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "prediction/Dictionary.h"
#include "prediction/PredictionOptions.h"
#include "prediction/PredictorCore.h"

namespace vorelio {

class CSentencePredictor {
 public:
  // Allocates the candidate and ranked sets (100000 each) and the successor
  // records (10000) once; predictions reuse them.
  CSentencePredictor();

  // The controller's form. `options` is accepted for symmetry with the word
  // predictor; no option enters the score. `prefixes` is not modified.
  void PredictSentences(const CDictionary& dictionary, const PredictionOptions& options,
                        std::string_view previousSentence, std::vector<std::string>& prefixes);
  // The single-prefix form.
  void PredictSentences(const CDictionary& dictionary, const PredictionOptions& options,
                        std::string_view previousSentence, std::string_view prefix);

  // As CWordPredictor::BestPredictions.
  int32_t BestPredictions(int32_t n, std::span<CDictionarySentenceScore> out);

  const CDictionarySentenceScoreSet& Candidates() const { return collector_.Candidates(); }
  const CDictionarySentenceScoreSet& Ranked() const { return collector_.Ranked(); }

 private:
  void Predict(const CDictionary& dictionary, std::string_view previousSentence,
               std::span<const std::string> prefixes);

  CandidateCollector<CSentence> collector_;
  std::string singlePrefix_;
};

}  // namespace vorelio
