// The option settings of each run of the three simulation types, as the
// simulator dialog offers them:
//  1. one run with the options as they are;
//  2. six runs that bring the factors in one by one: (adaptation; word,
//     pair, class, user word, user pair) = (0;0,0,0,0,0) (0;100,0,0,0,0)
//     (0;100,100,0,0,0) (0;100,100,100,0,0) (1;100,100,0,100,0)
//     (1;100,100,0,100,100);
//  3. five sweeps of 51 runs with v = 0, 2, ..., 100: (0;v,0,0,0,0)
//     (0;50,v,0,0,0) (0;50,50,v,0,0) (1;50,50,0,v,0) (1;50,50,0,50,v).
// Every other option of each run is the one given.
#pragma once

#include <vector>

#include "prediction/PredictionOptions.h"

namespace vorelio {

enum class SimulationType {
  kCurrentValues = 1,    // "Escrita do Texto Utilizando os Valores Actuais..."
  kAutomaticFactors = 2, // "Escrita Repetida do Texto com a Introdução Automática..."
  kGradualFactors = 3,   // "Escrita Repetida do Texto com a Introdução Gradual..."
};

std::vector<PredictionOptions> SimulationRuns(SimulationType type,
                                              const PredictionOptions& current);

}  // namespace vorelio
