// predarin-bench-simulator: how long the word prediction simulator takes
// over a text with a real dictionary: one run (type 1, learning on) and the
// 255 runs of type 3 spread over worker threads, each with its own copy of
// the dictionary.
//
//   predarin-bench-simulator [--data DIR] [--profile NAME] [--jobs N]
//                            [--out FILE] TEXT
//
// Figures go to standard output as "name value unit" lines and to --out
// (by default bench/results/simulator.txt). Nothing here asserts a time.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/Scanner.h"
#include "platform/MessageBox.h"
#include "platform/PosixFileSystem.h"
#include "prediction/Dictionary.h"
#include "prediction/SimulationRunner.h"
#include "prediction/SimulationSchedule.h"

namespace vorelio {
namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int Run(int argc, char** argv) {
  std::string data = VORELIO_DATA_DIR "/";
  std::string profile = "generico";
  std::string out = VORELIO_BENCH_RESULTS_DIR "/simulator.txt";
  std::string textPath;
  int32_t jobs = 2;
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    if (flag == "--data" && i + 1 < argc) data = std::string(argv[++i]) + "/";
    else if (flag == "--profile" && i + 1 < argc) profile = argv[++i];
    else if (flag == "--out" && i + 1 < argc) out = argv[++i];
    else if (flag == "--jobs" && i + 1 < argc && ParseInt32(argv[++i], jobs) && jobs > 0) continue;
    else if (!flag.starts_with("--")) textPath = argv[i];
    else {
      std::fprintf(stderr, "usage: predarin-bench-simulator [--data DIR] [--profile NAME] "
                           "[--jobs N] [--out FILE] TEXT\n");
      return 2;
    }
  }
  PosixFileSystem files;
  const auto text = ReadSimulationText(files, textPath);
  if (!text || text->empty()) {
    std::fprintf(stderr, "no words in %s\n", textPath.c_str());
    return 1;
  }
  RecordingMessageBox messages;
  const auto load = [&] {
    auto dictionary = std::make_unique<CDictionary>(files, messages);
    dictionary->LoadDictionary(data, profile, true);
    return dictionary;
  };
  const auto dictionary = load();

  std::vector<std::string> lines;
  const auto report = [&](const std::string& line) {
    std::printf("%s\n", line.c_str());
    lines.push_back(line);
  };
  int64_t words = 0;
  for (const SimulationLine& line : *text) words += static_cast<int64_t>(line.size());
  report("# text " + textPath + ", " + std::to_string(words) + " words, data " + data);

  PredictionOptions learning;
  learning.userAdaptation = 1;
  auto start = std::chrono::steady_clock::now();
  const auto one = RunSimulations(*dictionary, SimulationRuns(SimulationType::kCurrentValues, learning), *text);
  report("type1_learning_time " + std::to_string(SecondsSince(start)) + " s");
  report("type1_learning_characters_saved " + std::to_string(one[0].figures.charactersSavedPercent) + " %");

  const auto runs = SimulationRuns(SimulationType::kGradualFactors, learning);
  start = std::chrono::steady_clock::now();
  RunSimulationsInParallel(*dictionary, load, runs, *text, static_cast<unsigned>(jobs));
  report("type3_time " + std::to_string(SecondsSince(start)) + " s (" + std::to_string(jobs) +
         " workers, 255 runs)");

  std::ofstream file(out);
  for (const std::string& line : lines) file << line << '\n';
  return 0;
}

}  // namespace
}  // namespace vorelio

int main(int argc, char** argv) { return vorelio::Run(argc, argv); }
