// The program as a person meets it, on its own Xvfb (1280x800, Portuguese
// keymap), over the shipped data:
//
//   start     from the process start to the main window shown, ready for
//             use (the start profile loaded and applied): a user's first
//             start (which fills the data folder) and later starts;
//   key       from a key typed with XTEST to the new suggestions painted on
//             the display, beyond the prediction delay: the time the key
//             takes to reach the controller (logged as the user's key), plus
//             the time from the prediction cycle (which the 100 ms timer
//             starts once TEMPO_DE_PREDICAO has passed; here the benchmark
//             starts it itself) to the keyboard's repaint flushed to the
//             display. Typed into another X11 application in front, and
//             into the program's own message editor.
//
// predarin-bench-program [--keys N] [--starts N] [--out FILE]
// Prints "name value unit" lines and writes them to FILE (default
// bench/results/program.txt).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "gui/QtMessageBox.h"
#include "gui/program/ProgramProbe.h"
#include "gui/program/ProgramSession.h"
#include "logging/Log.h"
#include "output/Keyboard.h"
#include "output/x11/X11KeystrokeSink.h"
#include "tests/program/ProgramProcess.h"
#include "tests/x11/RecordingWindow.h"
#include "tests/x11/XvfbServer.h"

namespace {

using Clock = std::chrono::steady_clock;
using vorelio::testing::ProgramFolders;

constexpr std::string_view kText =
    "hoje quero comer sopa de legumes e depois vou passear com a minha irma ";

// A new private folder ending in "/", removed when the benchmark ends.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorelio-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern + "/";
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t index =
      std::min(values.size() - 1, static_cast<std::size_t>(fraction * values.size()));
  return values[index];
}

struct Figures {
  std::vector<std::string> lines;
  void Add(const std::string& name, double value, const char* unit) {
    char line[256];
    std::snprintf(line, sizeof line, "%s %.3f %s", name.c_str(), value, unit);
    lines.emplace_back(line);
    std::printf("%s\n", line);
    std::fflush(stdout);
  }
  void AddSeries(const std::string& name, const std::vector<double>& values) {
    Add(name + "_count", static_cast<double>(values.size()), "count");
    Add(name + "_median", Percentile(values, 0.5), "ms");
    Add(name + "_p99", Percentile(values, 0.99), "ms");
    Add(name + "_max", Percentile(values, 1.0), "ms");
  }
};

// Start-up: the program as a process, timed to its main window shown.
void MeasureStarts(const char* display, int starts, Figures& figures) {
  ScratchFolder root;
  ProgramFolders folders(root.Path(), VORELIO_DATA_DIR);
  folders.SetProfileOptions({{"NOME_SINTETIZADOR_FALA", "Nenhum"}});
  std::vector<double> later;
  for (int i = 0; i <= starts; ++i) {
    const Clock::time_point start = Clock::now();
    const pid_t pid = vorelio::testing::SpawnProgram(VORELIO_PROGRAM, folders.Environment(display));
    const auto window = vorelio::testing::WaitForMainWindow(display, 20000, 1);
    const double ms = Ms(Clock::now() - start);
    kill(pid, SIGTERM);
    vorelio::testing::ReapProgram(pid, 10000);
    if (window == 0) {
      std::fprintf(stderr, "the main window did not show\n");
      continue;
    }
    if (i == 0) {
      figures.Add("start_first_to_window", ms, "ms");
    } else {
      later.push_back(ms);
    }
  }
  figures.AddSeries("start_later_to_window", later);
}

// Notes when the controller logged a key of the user.
class KeyWatch final : public vorelio::EventLogViewer {
 public:
  void AddLine(std::string_view line) override {
    // "KEY_DOWN_H KEY": the key reached the output target.
    if (!seen && line.find(" KEY ") != std::string_view::npos) {
      seen = true;
      at = Clock::now();
    }
  }
  bool seen = false;
  Clock::time_point at;
};

struct KeyFigures {
  std::vector<double> toController;
  std::vector<double> cycleToPaint;
  std::vector<double> total;
  int unpainted = 0;
};

// Types the text `keys` characters long into what has the focus, timing
// each key as the header says.
KeyFigures TypeAndTime(vorelio::ProgramProbe& probe, vorelio::ProgramSession& session,
                       const char* display, int keys) {
  KeyFigures figures;
  KeyWatch watch;
  vorelio::CLog* log = session.View().Logging().Log();
  if (log == nullptr) return figures;
  log->AttachViewer(&watch);
  vorelio::X11KeystrokeSink sink(display);
  vorelio::CKeyboard keyboard(sink);
  for (int i = 0; i < keys; ++i) {
    const char c = kText[i % kText.size()];
    watch.seen = false;
    const Clock::time_point typed = Clock::now();
    keyboard.TypeCharacter(c);
    if (!probe.RunUntil([&] { return watch.seen; }, 1000)) continue;
    const int paints = probe.Paints();
    const Clock::time_point cycle = Clock::now();
    session.View().RunPredictionCycle();
    if (probe.RunUntil([&] { return probe.Paints() > paints; }, 200)) {
      figures.toController.push_back(Ms(watch.at - typed));
      figures.cycleToPaint.push_back(Ms(probe.LastPaint() - cycle));
      figures.total.push_back(Ms(watch.at - typed) + Ms(probe.LastPaint() - cycle));
    } else {
      ++figures.unpainted;  // the same suggestions as before: nothing to paint
    }
    probe.RunUntil([] { return false; }, 20);  // the key's release and the rest settle
  }
  log->AttachViewer(nullptr);
  return figures;
}

void Report(const std::string& name, const KeyFigures& keys, Figures& figures) {
  figures.AddSeries(name + "_key_to_controller", keys.toController);
  figures.AddSeries(name + "_cycle_to_painted", keys.cycleToPaint);
  figures.AddSeries(name + "_key_to_painted_beyond_delay", keys.total);
  figures.Add(name + "_keys_without_repaint", keys.unpainted, "count");
}

}  // namespace

int main(int argc, char** argv) {
  int keys = 300;
  int starts = 10;
  std::string out = std::string(VORELIO_BENCH_RESULTS_DIR) + "/program.txt";
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--keys") == 0) keys = std::max(1, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--starts") == 0) starts = std::max(1, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--out") == 0) out = argv[i + 1];
  }
  vorelio::testing::XvfbServer server("1280x800x24");
  if (!server.IsRunning()) {
    std::fprintf(stderr, "Xvfb could not start\n");
    return 1;
  }
  const char* display = server.Name();
  Figures figures;
  MeasureStarts(display, starts, figures);

  // The program in this process, on a data folder of its own, logging (the
  // benchmark's clock on the controller) and with a prediction delay that
  // never runs out (the benchmark starts the cycles).
  ScratchFolder root;
  ProgramFolders folders(root.Path(), VORELIO_DATA_DIR);
  folders.SetProfileOptions({{"NOME_SINTETIZADOR_FALA", "Nenhum"},
                             {"REGISTAR_EVENTOS", "1"},
                             {"TEMPO_DE_PREDICAO", "600000"}});
  for (const std::string& variable : folders.Environment(display)) {
    const std::size_t equals = variable.find('=');
    setenv(variable.substr(0, equals).c_str(), variable.substr(equals + 1).c_str(), 1);
  }
  std::filesystem::create_directories(folders.DataFolder());
  std::filesystem::copy(folders.Installation(), folders.DataFolder(),
                        std::filesystem::copy_options::recursive);
  vorelio::ProgramProbe probe(display);
  vorelio::QtMessageBox messages;
  vorelio::ProgramSession session(folders.DataFolder() + "/", messages);
  session.Start();
  probe.WatchPaints(session.Window());

  {
    // Another application in front, its events read on a thread of its own.
    vorelio::testing::RecordingWindow application(display);
    application.Focus();
    std::atomic<bool> stop{false};
    std::thread reader([&] {
      while (!stop) application.Pump(20);
    });
    probe.RunUntil([] { return false; }, 1000);  // it becomes the target
    Report("application", TypeAndTime(probe, session, display, keys), figures);
    stop = true;
    reader.join();
  }
  if (probe.FocusEditor(session.Window())) {
    probe.RunUntil([] { return false; }, 1000);
    Report("editor", TypeAndTime(probe, session, display, keys), figures);
  } else {
    std::fprintf(stderr, "no message editor: its keys were not timed\n");
  }

  std::ofstream file(out);
  for (const std::string& line : figures.lines) file << line << "\n";
  return file ? 0 : 1;
}
