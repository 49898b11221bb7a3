// predarin-bench-controller: the controller, CPredarinView, on the
// simulated desktop over the shipped data (the replay's SimulatedProgram,
// on a temporary copy of the data folder):
//
//  (a) the prediction cycle, the word and sentence requests and the
//      refilling of the suggestion keys, timed at every character of a
//      held-out text typed into an application: after a letter the context
//      is a prefix of a real word (its first letter, or more), after a space
//      the start of the next word. Each line of the text is a new message (the application's
//      text starts again). Median, 99th percentile and maximum.
//  (b) keystrokes with logging on, each one key down and up into the
//      application, 150 ms apart, with a pause of the prediction delay after
//      every word so that its prediction cycle runs: resident memory
//      (/proc/self/statm) before and every 10,000 keys, the time they took,
//      and whether the event log is complete (a KEY_DOWN line and a CHAR
//      line for every key).
//
//   predarin-bench-controller [--data DIR] [--text FILE] [--contexts N]
//                             [--keys N] [--out FILE]
//
// Figures go to standard output as "name value unit" lines and to --out
// (by default bench/results/controller.txt). Nothing here asserts a time.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "common/NativePath.h"
#include "common/PortugueseKeyboard.h"
#include "common/Scanner.h"
#include "common/Text.h"
#include "platform/PosixFileSystem.h"
#include "tools/replay/SimulatedProgram.h"

namespace vorelio {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kKeyIntervalMs = 150;
constexpr int kMemorySampleKeys = 10000;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Resident memory of this process in MB.
double ResidentMb() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1e6;
}

struct Spread {
  double median = 0, p99 = 0, max = 0;
};
Spread SpreadOf(std::vector<double> times) {
  if (times.empty()) return {};
  std::sort(times.begin(), times.end());
  const std::size_t p99 = std::min(times.size() - 1, times.size() * 99 / 100);
  return {times[times.size() / 2], times[p99], times.back()};
}

class Report {
 public:
  void Line(const char* format, ...) __attribute__((format(printf, 2, 3))) {
    char buffer[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    std::printf("%s\n", buffer);
    lines_.emplace_back(buffer);
  }
  void Write(const std::string& path) const {
    std::ofstream out(path);
    for (const std::string& line : lines_) out << line << "\n";
  }

 private:
  std::vector<std::string> lines_;
};

std::unique_ptr<SimulatedProgram> StartProgram(const std::string& data) {
  CUserProfileProperties properties;
  PosixFileSystem files;
  properties.Read(files, data + "generico.cfg");
  std::string error;
  std::unique_ptr<SimulatedProgram> program =
      SimulatedProgram::Start(data, "generico", properties, error);
  if (!program || !program->FocusApplication("editor")) {
    std::fprintf(stderr, "cannot start the controller on %s: %s\n", data.c_str(), error.c_str());
    return nullptr;
  }
  return program;
}

// (a) A prediction cycle at every letter and space of the text's lines.
void TimePredictionCycles(const std::string& data, const std::vector<std::string>& lines,
                          int contexts, Report& report) {
  std::unique_ptr<SimulatedProgram> program = StartProgram(data);
  if (!program) return;
  sim::SimDesktop& desktop = program->Desktop();
  const WindowHandle editor = desktop.Foreground();
  // After a space, after a word's first letter, after a later letter.
  std::vector<double> wordStarts, firstLetters, laterLetters, all;
  std::size_t withWords = 0;  // cycles that found word suggestions
  for (std::size_t n = 0; static_cast<int>(all.size()) < contexts; ++n) {
    // A new message: the application's text and the target's start again.
    desktop.SetText(editor, "", 0);
    desktop.Click(editor, 0);
    program->Pump();
    char previous = ' ';
    for (const char c : lines[n % lines.size()]) {
      desktop.TypeText(std::string_view(&c, 1));
      program->Pump();
      const bool letter = IsLetter(c);
      const bool afterLetter = IsLetter(previous);
      previous = c;
      if (!letter && c != ' ') continue;
      const Clock::time_point start = Clock::now();
      program->View().RunPredictionCycle();
      const double ms = MsSince(start);
      (!letter ? wordStarts : afterLetter ? laterLetters : firstLetters).push_back(ms);
      all.push_back(ms);
      if (!program->View().Suggestions().List(SuggestionKind::kWord).empty()) ++withWords;
    }
  }
  const auto print = [&report](const char* name, const std::vector<double>& times) {
    const Spread spread = SpreadOf(times);
    report.Line("cycle_median[%s] %.3f ms", name, spread.median);
    report.Line("cycle_p99[%s] %.3f ms", name, spread.p99);
    report.Line("cycle_max[%s] %.3f ms", name, spread.max);
    report.Line("cycle_count[%s] %zu cycles", name, times.size());
  };
  print("all", all);
  print("word_start", wordStarts);
  print("first_letter", firstLetters);
  print("later_letter", laterLetters);
  report.Line("cycles_with_word_suggestions %zu cycles (of %zu)", withWords, all.size());
}

// The key that types `c` without a modifier: small letters (accents
// dropped), digits, space, comma, full stop, minus; Enter for a line end.
std::optional<uint8_t> PlainKeyFor(char c) {
  if (c == '\n') return vk::kReturn;
  c = ToLowerCp1252(c);
  if (const auto parts = DecomposeAccentedLetter(c)) c = parts->baseLetter;
  const std::optional<KeyPress> press = PortugueseKeyFor(c);
  if (!press || press->shift || press->altGr) return std::nullopt;
  return press->virtualKey;
}

std::size_t CountLinesWith(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// (b) `keys` keystrokes with logging on.
void TimeLoggedKeystrokes(const std::string& data, const std::string& text, int keys,
                          Report& report) {
  std::unique_ptr<SimulatedProgram> program = StartProgram(data);
  if (!program) return;
  sim::SimDesktop& desktop = program->Desktop();
  // The countdown fires on the tick after it reaches the delay.
  const int32_t pauseMs = program->View().Options().predictionDelayMs + kTimerPeriodMs;
  const int64_t cyclesBefore = program->View().PredictionCycles();
  report.Line("rss_before_keys %.1f MB", ResidentMb());
  const Clock::time_point start = Clock::now();
  int typed = 0;
  for (std::size_t i = 0; typed < keys; i = (i + 1) % text.size()) {
    const std::optional<uint8_t> key = PlainKeyFor(text[i]);
    if (!key) continue;
    desktop.TapKey(*key);
    program->Pump();
    program->PassTime(*key == vk::kSpace ? pauseMs : kKeyIntervalMs);
    if (++typed % kMemorySampleKeys == 0) {
      report.Line("rss_after_keys[%d] %.1f MB", typed, ResidentMb());
    }
  }
  const double seconds = MsSince(start) / 1000;
  report.Line("keystrokes %d keys", typed);
  report.Line("keystrokes_time %.2f s (%.0f keys/s, %.1f h simulated)", seconds, typed / seconds,
              static_cast<double>(program->Elapsed()) / 3.6e6);
  report.Line("keystrokes_prediction_cycles %lld cycles",
              static_cast<long long>(program->View().PredictionCycles() - cyclesBefore));
  const Clock::time_point closing = Clock::now();
  program->Close();
  report.Line("close_time %.2f s (the log's end, the vocabulary saved)", MsSince(closing) / 1000);
  const auto logs = program->EventLogs();
  const std::string log = logs.size() == 1 ? logs.front().second : std::string();
  report.Line("log_files %zu files", logs.size());
  report.Line("log_size %.1f MB", static_cast<double>(log.size()) / 1e6);
  report.Line("log_key_lines %zu lines (of %d keys)", CountLinesWith(log, " KEY_DOWN_"), typed);
  report.Line("log_char_lines %zu lines (of %d keys)", CountLinesWith(log, " CHAR  -  - "), typed);
  report.Line("log_ends_with_metrics %s",
              log.find("$$$ End Body") != std::string::npos ? "yes" : "no");
}

// The non-empty lines of the text.
std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return UserTextToCp1252(
      std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

int Run(int argc, char** argv) {
  std::string data = ProgramPath(VORELIO_DATA_DIR) + "/";
  std::string textPath = VORELIO_BENCH_TEXTS_DIR "/heldout-stories.txt";
  std::string out = VORELIO_BENCH_RESULTS_DIR "/controller.txt";
  int32_t contexts = 5000;
  int32_t keys = 100000;
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    const bool hasValue = i + 1 < argc;
    if (flag == "--data" && hasValue) {
      data = ProgramPath(argv[++i]) + "/";
    } else if (flag == "--text" && hasValue) {
      textPath = argv[++i];
    } else if (flag == "--out" && hasValue) {
      out = argv[++i];
    } else if (flag == "--contexts" && hasValue && ParseInt32(argv[++i], contexts) &&
               contexts > 0) {
    } else if (flag == "--keys" && hasValue && ParseInt32(argv[++i], keys) && keys > 0) {
    } else {
      std::fprintf(stderr,
                   "usage: predarin-bench-controller [--data DIR] [--text FILE] [--contexts N]\n"
                   "                                 [--keys N] [--out FILE]\n");
      return 2;
    }
  }
  const std::string text = ReadText(textPath);
  const std::vector<std::string> lines = LinesOf(text);
  if (lines.empty()) {
    std::fprintf(stderr, "no text in %s\n", textPath.c_str());
    return 1;
  }
  Report report;
  report.Line("rss_at_start %.1f MB", ResidentMb());
  TimePredictionCycles(data, lines, contexts, report);
  TimeLoggedKeystrokes(data, text, keys, report);
  report.Write(out);
  return 0;
}

}  // namespace
}  // namespace vorelio

int main(int argc, char** argv) { return vorelio::Run(argc, argv); }
