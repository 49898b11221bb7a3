// predarin-simulate: the word prediction simulator on the command line.
// Replays a text as if a user wrote it with the profile's word prediction
// and prints the figures of each run under the simulator's labels.
//
//   predarin-simulate --data DIR [--profile NAME] [--type 1|2|3] [--results]
//                     [--set KEY=VALUE]... [--jobs N] TEXT
//
// The profile's options are read from DIR/NAME.cfg (a missing file leaves
// the defaults), then --set overrides any of them by its file key. Type 1 is
// one run with those options; types 2 and 3 vary the adaptation and the five
// coefficients (6 and 255 runs) and spread the runs over --jobs threads
// (default 2), each with its own copy of the dictionary: every run starts
// from the same dictionary, so the figures equal those of a sequential run.
// The profile's options file is never written. --results writes the results
// file "NAME <start time>.sim" into DIR. TEXT may be UTF-8 or Windows-1252.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ProgressBar.h"
#include "common/NativePath.h"
#include "common/Scanner.h"
#include "common/Text.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "prediction/Dictionary.h"
#include "prediction/SimulationResultsFile.h"
#include "prediction/SimulationRunner.h"
#include "prediction/SimulationSchedule.h"
#include "tools/support/ToolProfile.h"

namespace vorelio {
namespace {

struct Arguments {
  std::string dataFolder;
  std::string profile = "generico";
  int type = 1;
  bool results = false;
  unsigned jobs = 2;
  std::vector<std::string> settings;  // KEY=VALUE, Windows-1252
  std::string textPath;
};

void PrintUsage() {
  std::fputs(
      "usage: predarin-simulate --data DIR [--profile NAME] [--type 1|2|3] [--results]\n"
      "                         [--set KEY=VALUE]... [--jobs N] TEXT\n",
      stderr);
}

bool ParseArguments(int argc, char** argv, Arguments& a) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    const bool hasValue = i + 1 < argc;
    if (flag == "--results") {
      a.results = true;
    } else if (flag == "--help" || flag == "-h") {
      PrintUsage();
      std::exit(0);
    } else if (hasValue && TakeProfileArgument(flag, argv[i + 1], a.dataFolder, a.profile,
                                               a.settings)) {
      ++i;
    } else if (hasValue && flag == "--type") {
      int32_t type = 0;
      if (!ParseInt32(argv[++i], type) || type < 1 || type > 3) {
        std::fprintf(stderr, "--type takes 1, 2 or 3, not: %s\n", argv[i]);
        return false;
      }
      a.type = type;
    } else if (hasValue && flag == "--jobs") {
      int32_t jobs = 0;
      if (!ParseInt32(argv[++i], jobs) || jobs < 1 || jobs > 64) {
        std::fprintf(stderr, "--jobs takes 1 to 64, not: %s\n", argv[i]);
        return false;
      }
      a.jobs = static_cast<unsigned>(jobs);
    } else if (!flag.starts_with("--") && a.textPath.empty()) {
      a.textPath = ProgramPath(argv[i]);
    } else {
      std::fprintf(stderr, "unknown or incomplete argument: %s\n", argv[i]);
      PrintUsage();
      return false;
    }
  }
  if (a.dataFolder.empty() || a.textPath.empty()) {
    PrintUsage();
    return false;
  }
  return true;
}

void PrintRun(std::size_t run, std::size_t runs, const PredictionOptions& o,
              const SimulationRunResult& result) {
  std::printf("# %zu/%zu ADAPTACAO_UTILIZADOR=%d COEFICIENTE_FREQUENCIA_PALAVRA=%d "
              "COEFICIENTE_FREQUENCIA_PAR_PALAVRAS=%d COEFICIENTE_CLASSE_PALAVRA=%d "
              "COEFICIENTE_FREQUENCIA_PALAVRA_UTILIZADOR=%d "
              "COEFICIENTE_FREQUENCIA_PAR_PALAVRAS_UTILIZADOR=%d\n",
              run + 1, runs, o.userAdaptation, o.wordFrequencyCoefficient, o.wordPairCoefficient,
              o.wordClassCoefficient, o.userWordFrequencyCoefficient, o.userWordPairCoefficient);
  for (const auto& [label, value] : LabelledFigures(result.figures))
    std::printf("%s: %s\n", Cp1252ToUtf8(label).c_str(), value.c_str());
  std::fflush(stdout);
}

int Run(int argc, char** argv) {
  Arguments arguments;
  if (!ParseArguments(argc, argv, arguments)) return 2;
  ToolProfile profile;
  if (!LoadToolProfile(arguments.dataFolder, arguments.profile, arguments.settings, profile))
    return 2;
  arguments.dataFolder = profile.dataFolder;
  const PredictionOptions options = profile.properties.options;

  const auto text = ReadSimulationText(profile.files, arguments.textPath);
  if (!text) {
    std::fprintf(stderr, "cannot read the text: %s\n", Cp1252ToUtf8(arguments.textPath).c_str());
    return 1;
  }
  if (text->empty()) {
    std::fprintf(stderr, "the text holds no word: %s\n", Cp1252ToUtf8(arguments.textPath).c_str());
    return 1;
  }

  StderrMessageBox messages;
  const auto load = [&] {
    auto dictionary = std::make_unique<CDictionary>(profile.files, messages);
    dictionary->LoadDictionary(arguments.dataFolder, arguments.profile, options.LearnsFromUser());
    return dictionary;
  };
  const std::unique_ptr<CDictionary> dictionary = load();

  SimulationResultsFile resultsFile;
  bool resultsWritten = false;
  if (arguments.results) {
    SystemClock clock;
    resultsWritten =
        resultsFile.Create(profile.files, arguments.dataFolder, arguments.profile, clock, messages);
  }

  const std::vector<PredictionOptions> runs =
      SimulationRuns(static_cast<SimulationType>(arguments.type), options);
  int64_t words = 0;
  for (const SimulationLine& line : *text) words += static_cast<int64_t>(line.size());
  int failures = 0;
  {
    ProgressBar progress(words * static_cast<int64_t>(runs.size()));
    SimulationCallbacks callbacks;
    callbacks.wordSimulated = [&] { progress.Advance(); };
    callbacks.runFinished = [&](std::size_t run, const SimulationRunResult& result) {
      if (result.start != SimulationStart::kStarted) {
        ++failures;
        return;
      }
      if (resultsWritten) resultsWritten = resultsFile.Append(result.figures);
      PrintRun(run, runs.size(), runs[run], result);
    };
    if (runs.size() > 1)
      RunSimulationsInParallel(*dictionary, load, runs, *text, arguments.jobs, callbacks);
    else
      RunSimulations(*dictionary, runs, *text, callbacks);
  }
  if (failures > 0) {
    std::fprintf(stderr, "%d run(s) did not start: the user files could not be saved\n", failures);
    return 1;
  }
  if (!arguments.results) return 0;
  const std::string resultsPath = Cp1252ToUtf8(resultsFile.Path());
  if (!resultsWritten) {
    std::fprintf(stderr, "the results could not be written: %s\n", resultsPath.c_str());
    return 1;
  }
  std::fprintf(stderr, "results: %s\n", resultsPath.c_str());
  return 0;
}

}  // namespace
}  // namespace vorelio

int main(int argc, char** argv) { return vorelio::Run(argc, argv); }
