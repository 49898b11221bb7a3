// Runs a list of simulator settings over one text (Start, Steps, End per
// run), one after the other over one dictionary, or spread over worker
// threads that each own a copy of the dictionary.
//
// Every run starts from the same dictionary state (End restores what a run
// learned), so the figures of a run do not depend on the runs before it and
// the parallel form gives exactly the sequential figures.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "prediction/Dictionary.h"
#include "prediction/PredictionOptions.h"
#include "prediction/SimulationFigures.h"
#include "prediction/SimulationText.h"
#include "prediction/WordPredictionSimulator.h"

namespace vorelio {

struct SimulationRunResult {
  SimulationStart start = SimulationStart::kTextEmpty;  // kStarted when it ran
  SimulationFigures figures;
};

struct SimulationCallbacks {
  // After every simulated word of any run; calls are serialised.
  std::function<void()> wordSimulated;
  // After each run, in run order (run i only after runs 0..i-1); serialised.
  std::function<void(std::size_t run, const SimulationRunResult&)> runFinished;
};

// Each run in order over `dictionary`.
std::vector<SimulationRunResult> RunSimulations(CDictionary& dictionary,
                                                std::span<const PredictionOptions> runs,
                                                const std::vector<SimulationLine>& text,
                                                const SimulationCallbacks& callbacks = {});

// Makes a worker's own dictionary, loaded from the same files as the main
// one. Called on the worker's thread.
using DictionaryLoader = std::function<std::unique_ptr<CDictionary>()>;

// The runs spread over `workers` threads (at least 1). First saves the main
// dictionary's user files as a run with learning would (so the copies load
// what the main dictionary holds); `main` itself is not simulated on.
std::vector<SimulationRunResult> RunSimulationsInParallel(
    CDictionary& main, const DictionaryLoader& loadCopy, std::span<const PredictionOptions> runs,
    const std::vector<SimulationLine>& text, unsigned workers,
    const SimulationCallbacks& callbacks = {});

}  // namespace vorelio
