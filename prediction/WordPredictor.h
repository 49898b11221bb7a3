// CWordPredictor: the words most likely to complete the letters typed so
// far, or to follow the previous word when nothing has been typed.
//
// A prediction gathers candidates from the dictionary, scores each with a
// weighted sum of five statistics and leaves them in the ranked set; Best
// predictions then returns the best N in descending score. Candidates are
// handles into the dictionary's word table, valid until it next changes.
//
// Gathering, with P the previous word and L the prefix list (L is "all
// empty" when it has no elements or only empty strings):
//   P empty, L all empty        -> no candidates;
//   P given, L all empty        -> the successors of P, in successor order;
//   some element of L non-empty -> for each element in order: the words with
//                                  that prefix (table order), or, for an empty
//                                  element, the successors of P (nothing when
//                                  P is empty).
// Contributions are concatenated without removing duplicates; a word equal
// to a prefix is never a candidate. The candidate set holds 100000 entries;
// gathering stops silently when it is full.
//
// Scoring, with f_g, f_u the word frequencies, F_g, F_u, Q_g, Q_u the word
// and pair totals, C, D the class and class-pair totals, K_* the option
// coefficients and q(a, b) = a / b, or 0 when b is 0:
//   every candidate:           q(K_word * f_g(w), F_g) + q(K_user_word * f_u(w), F_u)
//   w a successor of P:        K_pair * q(q(g, Q_g), r_g) + K_user_pair * q(q(u, Q_u), r_u)
//                              with r_g = q(f_g(P), F_g), r_u = q(f_u(P), F_u)
//   P an entry with a class,   K_class * q(q(e, D), r_c) with r_c = q(h, C) != 0,
//   r_c != 0:                  h the frequency of P's class and e that of the
//                              class pair (P's class, w's class), 0 if w has none.
// Products are taken in double precision, so large counts cannot overflow.
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

class CWordPredictor {
 public:
  // Allocates the candidate and ranked sets (100000 each) and the successor
  // records (10000) once; predictions reuse them.
  CWordPredictor();

  // The controller's form. Lower-cases the previous word and every element
  // of `prefixes` (in place), then gathers and scores.
  void PredictWords(const CDictionary& dictionary, const PredictionOptions& options,
                    std::string_view previousWord, std::vector<std::string>& prefixes);
  // The single-prefix form: an empty prefix asks for the successors of the
  // previous word, otherwise the words with the prefix (the previous word
  // then only adds its pair and class terms).
  void PredictWords(const CDictionary& dictionary, const PredictionOptions& options,
                    std::string_view previousWord, std::string_view prefix);

  // Copies at most n candidates of the last prediction into `out`, best
  // first; among equal scores the later-gathered candidate comes first, and
  // at the cut a candidate equal in score to the last kept one does not
  // displace it. Returns how many; 0 when n <= 0. n is cut to out.size().
  int32_t BestPredictions(int32_t n, std::span<CDictionaryWordScore> out);

  // The last prediction's candidates in gathering order (score 0), and the
  // same candidates with their scores.
  const CDictionaryWordScoreSet& Candidates() const { return collector_.Candidates(); }
  const CDictionaryWordScoreSet& Ranked() const { return collector_.Ranked(); }

 private:
  void Predict(const CDictionary& dictionary, const PredictionOptions& options,
               std::span<const std::string> prefixes);
  void Gather(const CDictionary& dictionary, std::span<const std::string> prefixes);
  void AddPairPass(const CDictionary& dictionary, const PredictionOptions& options,
                   const CWord& previous);
  void AddClassPass(const CDictionary& dictionary, const PredictionOptions& options,
                    const CWord& previous);

  CandidateCollector<CWord> collector_;
  std::string previous_;
  std::string singlePrefix_;
  // Class term per CWord::classId, valid for the request whose stamp it holds.
  std::vector<double> classTerms_;
  std::vector<uint32_t> classStamps_;
  uint32_t stamp_ = 0;
};

}  // namespace vorelio
