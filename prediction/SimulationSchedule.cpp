#include "prediction/SimulationSchedule.h"

#include <array>
#include <cstdint>

namespace vorelio {

namespace {

// Adaptation, then the coefficients in the dialog's order: word, pair,
// class, user word, user pair.
using Factors = std::array<int32_t, 6>;

PredictionOptions With(const PredictionOptions& current, const Factors& f) {
  PredictionOptions options = current;
  options.userAdaptation = f[0];
  options.wordFrequencyCoefficient = f[1];
  options.wordPairCoefficient = f[2];
  options.wordClassCoefficient = f[3];
  options.userWordFrequencyCoefficient = f[4];
  options.userWordPairCoefficient = f[5];
  return options;
}

}  // namespace

std::vector<PredictionOptions> SimulationRuns(SimulationType type,
                                              const PredictionOptions& current) {
  std::vector<PredictionOptions> runs;
  switch (type) {
    case SimulationType::kCurrentValues:
      runs.push_back(current);
      break;
    case SimulationType::kAutomaticFactors:
      for (const Factors& f : {Factors{0, 0, 0, 0, 0, 0}, Factors{0, 100, 0, 0, 0, 0},
                               Factors{0, 100, 100, 0, 0, 0}, Factors{0, 100, 100, 100, 0, 0},
                               Factors{1, 100, 100, 0, 100, 0}, Factors{1, 100, 100, 0, 100, 100}})
        runs.push_back(With(current, f));
      break;
    case SimulationType::kGradualFactors:
      for (int sweep = 0; sweep < 5; ++sweep) {
        for (int32_t v = 0; v <= 100; v += 2) {
          const std::array<Factors, 5> sweeps = {Factors{0, v, 0, 0, 0, 0},
                                                 Factors{0, 50, v, 0, 0, 0},
                                                 Factors{0, 50, 50, v, 0, 0},
                                                 Factors{1, 50, 50, 0, v, 0},
                                                 Factors{1, 50, 50, 0, 50, v}};
          runs.push_back(With(current, sweeps[sweep]));
        }
      }
      break;
  }
  return runs;
}

}  // namespace vorelio
