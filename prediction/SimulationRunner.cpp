#include "prediction/SimulationRunner.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <thread>

namespace vorelio {

namespace {

// Serialises the callbacks and hands finished runs on in run order.
class CallbackGate {
 public:
  CallbackGate(const SimulationCallbacks& callbacks, std::size_t runs)
      : callbacks_(callbacks), finished_(runs) {}

  void WordSimulated() {
    if (!callbacks_.wordSimulated) return;
    std::lock_guard lock(mutex_);
    callbacks_.wordSimulated();
  }

  void RunFinished(std::size_t run, const SimulationRunResult& result) {
    std::lock_guard lock(mutex_);
    finished_[run] = result;
    while (nextToReport_ < finished_.size() && finished_[nextToReport_]) {
      if (callbacks_.runFinished) callbacks_.runFinished(nextToReport_, *finished_[nextToReport_]);
      ++nextToReport_;
    }
  }

 private:
  const SimulationCallbacks& callbacks_;
  std::mutex mutex_;
  std::vector<std::optional<SimulationRunResult>> finished_;
  std::size_t nextToReport_ = 0;
};

SimulationRunResult RunOne(CWordPredictionSimulator& simulator, CDictionary& dictionary,
                           const PredictionOptions& options,
                           const std::vector<SimulationLine>& text, CallbackGate& gate) {
  SimulationRunResult result;
  result.start = simulator.Start(dictionary, options, text);
  if (result.start != SimulationStart::kStarted) return result;
  while (simulator.Step()) gate.WordSimulated();
  result.figures = simulator.Figures();
  simulator.End();
  return result;
}

}  // namespace

std::vector<SimulationRunResult> RunSimulations(CDictionary& dictionary,
                                                std::span<const PredictionOptions> runs,
                                                const std::vector<SimulationLine>& text,
                                                const SimulationCallbacks& callbacks) {
  CallbackGate gate(callbacks, runs.size());
  CWordPredictionSimulator simulator;
  std::vector<SimulationRunResult> results(runs.size());
  for (std::size_t i = 0; i < runs.size(); ++i) {
    results[i] = RunOne(simulator, dictionary, runs[i], text, gate);
    gate.RunFinished(i, results[i]);
  }
  return results;
}

std::vector<SimulationRunResult> RunSimulationsInParallel(
    CDictionary& main, const DictionaryLoader& loadCopy, std::span<const PredictionOptions> runs,
    const std::vector<SimulationLine>& text, unsigned workers,
    const SimulationCallbacks& callbacks) {
  workers = std::clamp<unsigned>(workers, 1, static_cast<unsigned>(std::max<std::size_t>(runs.size(), 1)));
  // Copies load from the files, so the files must hold what `main` holds;
  // when they cannot, only `main` itself gives the right figures.
  if (workers == 1 || !SaveUserFilesForSimulation(main))
    return RunSimulations(main, runs, text, callbacks);

  CallbackGate gate(callbacks, runs.size());
  std::vector<SimulationRunResult> results(runs.size());
  std::atomic<std::size_t> nextRun{0};
  std::vector<std::thread> threads;
  for (unsigned w = 0; w < workers; ++w) {
    threads.emplace_back([&] {
      const std::unique_ptr<CDictionary> dictionary = loadCopy();
      CWordPredictionSimulator simulator;
      for (std::size_t i = nextRun++; i < runs.size(); i = nextRun++) {
        results[i] = RunOne(simulator, *dictionary, runs[i], text, gate);
        gate.RunFinished(i, results[i]);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  return results;
}

}  // namespace vorelio
