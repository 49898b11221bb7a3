// Loading and laying out on-screen keyboards, with the key font measured by
// Qt on its offscreen platform and pictograms loaded from the data folder:
// a keyboard at full capacity (20 lines of 10 groups of 200 keys) and each
// shipped keyboard. Then how many keys a scanning tick repaints. Prints
// "name value unit" lines and writes them to bench/results/keyboard.txt.
// Nothing here asserts a time.
//
// predarin-bench-keyboard [--data DIR] [--repetitions N] [--out FILE]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/NativePath.h"
#include "gui/OffscreenGui.h"
#include "keyboards/KeyboardFolder.h"
#include "keyboards/KeySymbol.h"
#include "keyboards/OnScreenKeyboard.h"
#include "keyboards/OnScreenKeyboardLayout.h"
#include "platform/PosixFileSystem.h"
#include "profiles/UserProfileOptions.h"

namespace {

using namespace vorelio;
using Clock = std::chrono::steady_clock;

// A full keyboard: mostly text keys of 1-12 letters, every 20th a symbol
// key, every 50th a pictogram key with a caption, every 100th a word
// suggestion key.
std::string FullCapacityKeyboard(const std::vector<std::string>& pictograms) {
  std::mt19937 random(7);
  std::string file = "ALTURA_TECLAS 50\nALTURA_TECLAS_IMAGENS 64\nDESCRICAO Cheio\n";
  int n = 0;
  for (int line = 0; line < 20; ++line) {
    file += "\nLINHA linha" + std::to_string(line) + "\n";
    for (int group = 0; group < 10; ++group) {
      file += "GRUPO grupo" + std::to_string(group) + "\n";
      for (int key = 0; key < 200; ++key, ++n) {
        if (n % 100 == 0) {
          file += "TECLA TECLA_PREDICAO\n";
        } else if (n % 50 == 0) {
          const std::string& reference = pictograms[static_cast<std::size_t>(n / 50) % pictograms.size()];
          file += "TECLA TECLA_IMAGEM " + reference + ":legenda figura " + reference + " 1 -1 -1\n";
        } else if (n % 20 == 0) {
          const auto symbol = static_cast<KeySymbol>(n / 20 % kKeySymbolCount);
          file += "TECLA TECLA_NORMAL <Nenhum> s\xedmbolo " + std::string(OutputOf(symbol)) + " 1 -1 -1\n";
        } else {
          std::string word(1 + random() % 12, 'a');
          for (char& c : word) c = static_cast<char>('a' + random() % 26);
          file += "TECLA TECLA_NORMAL " + word + " d " + word + " 1 -1 -1\n";
        }
      }
    }
  }
  return file;
}

std::vector<std::string> PictogramReferences(FileSystem& files, const std::string& data) {
  std::vector<std::string> references;
  for (const char* gallery : {"CAT_IMG_Comida", "CAT_IMG_Pessoas", "CAT_IMG_Tempo"}) {
    for (const std::string& name : files.ListFolder(InFolder(data, gallery)).value_or(std::vector<std::string>{})) {
      references.push_back(std::string(gallery) + "\\" + name);
    }
  }
  std::sort(references.begin(), references.end());
  if (references.empty()) references.push_back("CAT_IMG_Nenhuma\\nada.bmp");
  return references;
}

struct Timing {
  double firstMs = 0;  // with a new picture loader: every pictogram decoded
  double medianMs = 0;  // of the later loads, the pictograms already decoded
  double parseMs = 0;   // median of reading and building alone
  int keys = 0;
  int width = 0;
  int height = 0;
};

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

double Since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Load(COnScreenKeyboard& keyboard, FileSystem& files, const std::string& path,
          const std::string& contents) {
  if (path.empty()) {
    keyboard.LoadContents(contents);
  } else {
    keyboard.Load(files, path);
  }
}

// Reading, building and laying out, `repetitions` times plus once with a
// new picture loader.
Timing TimeLoadAndLayout(FileSystem& files, const std::string& path, const std::string& contents,
                         const KeyboardPresentation& presentation, int repetitions) {
  const std::unique_ptr<KeyPictureLoader> pictures = MakeKeyPictureLoader(files);
  std::vector<double> times;
  std::vector<double> parseTimes;
  Timing timing;
  for (int i = 0; i <= repetitions; ++i) {
    Clock::time_point start = Clock::now();
    {
      COnScreenKeyboard bare(KeyboardEnvironment{0, nullptr, nullptr, presentation});
      Load(bare, files, path, contents);
    }
    if (i > 0) parseTimes.push_back(Since(start));
    start = Clock::now();
    COnScreenKeyboard keyboard(KeyboardEnvironment{0, pictures.get(), nullptr, presentation});
    Load(keyboard, files, path, contents);
    const std::unique_ptr<KeyFontMetrics> font =
        MeasureKeyFont(presentation.fontFace, presentation.fontSize);
    const KeyboardLayout layout = LayOutOnScreenKeyboard(keyboard, *font);
    if (i == 0) {
      timing.firstMs = Since(start);
    } else {
      times.push_back(Since(start));
    }
    timing.width = layout.width;
    timing.height = layout.height;
    timing.keys = 0;
    keyboard.ForEachKey([&timing](CColorButton&) { ++timing.keys; });
  }
  timing.medianMs = Median(times);
  timing.parseMs = Median(parseTimes);
  return timing;
}

// Counts the keys repainted.
class RepaintCounter final : public KeyRepaintListener {
 public:
  void KeyChanged(const CColorButton&) override { ++count; }
  int count = 0;
};

}  // namespace

int main(int argc, char** argv) {
  std::string data = ProgramPath(VORELIO_DATA_DIR);
  std::string out = VORELIO_BENCH_RESULTS_DIR "/keyboard.txt";
  int repetitions = 15;
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (!std::strcmp(argv[i], "--data") && hasValue) {
      data = ProgramPath(argv[++i]);
    } else if (!std::strcmp(argv[i], "--repetitions") && hasValue) {
      repetitions = std::max(1, std::atoi(argv[++i]));
    } else if (!std::strcmp(argv[i], "--out") && hasValue) {
      out = argv[++i];
    } else {
      std::fprintf(stderr, "usage: predarin-bench-keyboard [--data DIR] [--repetitions N] [--out FILE]\n");
      return 2;
    }
  }

  OffscreenGui gui;
  PosixFileSystem files;
  const KeyboardPresentation presentation = PresentationOf(UserProfileOptions{}, data);
  std::vector<std::string> lines;
  auto report = [&lines](const std::string& line) {
    std::printf("%s\n", line.c_str());
    lines.push_back(line);
  };
  char buffer[256];

  const std::string full = FullCapacityKeyboard(PictogramReferences(files, data));
  auto reportTiming = [&](const std::string& name, const Timing& timing) {
    std::snprintf(buffer, sizeof buffer,
                  "load_and_layout_first[%s] %.2f ms (keys %d, %dx%d px, pictograms decoded)",
                  name.c_str(), timing.firstMs, timing.keys, timing.width, timing.height);
    report(buffer);
    std::snprintf(buffer, sizeof buffer,
                  "load_and_layout_median[%s] %.2f ms (pictograms already decoded)", name.c_str(),
                  timing.medianMs);
    report(buffer);
    std::snprintf(buffer, sizeof buffer, "read_and_build_median[%s] %.2f ms (no pictures, no layout)",
                  name.c_str(), timing.parseMs);
    report(buffer);
  };
  reportTiming("full-capacity", TimeLoadAndLayout(files, "", full, presentation, repetitions));
  for (const std::string& name : ListKeyboards(files, data)) {
    reportTiming(name, TimeLoadAndLayout(files, KeyboardPath(files, data, name), "", presentation,
                                         repetitions));
  }

  // Scanning the default keyboard line by line: how many keys each tick
  // repaints when the highlight stays and when it moves.
  KeyboardPresentation scanning = presentation;
  scanning.scanningMethod = "Regular";
  scanning.switchLatencyMs = 0;
  scanning.scanStepMs = 300;
  scanning.maxScanCycles = 0;
  RepaintCounter repaints;
  const std::unique_ptr<KeyPictureLoader> pictures = MakeKeyPictureLoader(files);
  COnScreenKeyboard keyboard(KeyboardEnvironment{0, pictures.get(), &repaints, scanning});
  keyboard.Load(files, KeyboardPath(files, data, UserProfileOptions{}.keyboardName));
  keyboard.Scanner().SwitchDown(1);
  keyboard.Scanner().Tick();
  int stillTicks = 0, stillRepaints = 0, steps = 0, stepRepaints = 0;
  for (int tick = 0; tick < 300; ++tick) {
    const COnScreenKeyIdentifier before = keyboard.Scanner().Highlighted();
    repaints.count = 0;
    keyboard.Scanner().Tick();
    if (keyboard.Scanner().Highlighted() == before) {
      ++stillTicks;
      stillRepaints += repaints.count;
    } else {
      ++steps;
      stepRepaints += repaints.count;
    }
  }
  std::snprintf(buffer, sizeof buffer, "scan_tick_repaints_without_change %d keys (over %d ticks)",
                stillRepaints, stillTicks);
  report(buffer);
  std::snprintf(buffer, sizeof buffer,
                "scan_step_repaints_mean %.1f keys (over %d steps; the keys of the line left and "
                "of the line lit)",
                steps ? static_cast<double>(stepRepaints) / steps : 0.0, steps);
  report(buffer);

  std::ofstream file(out);
  for (const std::string& line : lines) file << line << "\n";
  return 0;
}
