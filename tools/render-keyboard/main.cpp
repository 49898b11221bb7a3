// predarin-render-keyboard: draws an on-screen keyboard file into a PNG
// picture as the program shows it with a new profile's options, without a
// screen (on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise).
//
//   predarin-render-keyboard [--data DIR] [--size WxH] [--highlight L[.G[.K]]]
//                            [--set KEY=VALUE]... KEYBOARD.tec OUT.png
//
// DIR is the data folder the pictograms come from (the build tree's data/
// by default). The picture is the keyboard's own size unless --size gives
// one; the window background colour fills what the keys leave. --highlight
// lights a line, a group or a key (indices from 0) as scanning does. Each
// --set changes one option of the new profile by its options-file key
// (ESPACO_ENTRE_TECLAS=2...), as for the other tools.
//
// Exit 0 when the picture is written; 2 for a bad command line; 1 when the
// keyboard cannot be read or drawn or the picture cannot be written.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/NativePath.h"
#include "common/Text.h"
#include "gui/OffscreenGui.h"
#include "keyboards/KeyboardPresentation.h"
#include "keyboards/OnScreenKeyboard.h"
#include "keyboards/OnScreenKeyboardLayout.h"
#include "platform/AtomicFile.h"
#include "platform/PosixFileSystem.h"
#include "profiles/UserProfileProperties.h"
#include "tools/support/ToolProfile.h"

namespace vorelio {
namespace {

constexpr int kMaxSide = 10000;  // pixels: larger pictures are surely a typing slip

struct Arguments {
  std::string dataFolder = ProgramPath(VORELIO_DATA_DIR);
  std::string size;       // "WxH" as given; empty: the keyboard's own
  std::string highlight;  // "L", "L.G" or "L.G.K" as given; empty: none
  std::vector<std::string> settings;  // KEY=VALUE, Windows-1252, in order
  std::string keyboardPath;
  std::string outputPath;
};

void PrintUsage() {
  std::fputs(
      "usage: predarin-render-keyboard [--data DIR] [--size WxH] [--highlight L[.G[.K]]]\n"
      "                                [--set KEY=VALUE]... KEYBOARD.tec OUT.png\n",
      stderr);
}

// Program texts (Windows-1252) in a message on standard error.
void Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", Cp1252ToUtf8(message).c_str());
}

bool ParseArguments(int argc, char** argv, Arguments& arguments) {
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    const bool hasValue = i + 1 < argc;
    if (flag == "--help" || flag == "-h") {
      PrintUsage();
      std::exit(0);
    } else if (hasValue && flag == "--data") {
      arguments.dataFolder = ProgramPath(argv[++i]);
    } else if (hasValue && flag == "--size") {
      arguments.size = argv[++i];
    } else if (hasValue && flag == "--highlight") {
      arguments.highlight = argv[++i];
    } else if (hasValue && flag == "--set") {
      arguments.settings.push_back(UserTextToCp1252(argv[++i]));
    } else if (flag.starts_with("--")) {
      std::fprintf(stderr, "unknown or incomplete argument: %s\n", argv[i]);
      PrintUsage();
      return false;
    } else {
      paths.push_back(ProgramPath(flag));
    }
  }
  if (paths.size() != 2) {
    std::fputs("give the keyboard file and the picture to write\n", stderr);
    PrintUsage();
    return false;
  }
  arguments.keyboardPath = paths[0];
  arguments.outputPath = paths[1];
  return true;
}

// Whole decimal numbers separated by `separator`, each 0 to `max`; nothing
// when the text is anything else.
std::optional<std::vector<int>> NumbersOf(std::string_view text, char separator, int max) {
  std::vector<int> numbers;
  while (true) {
    const std::size_t end = std::min(text.find(separator), text.size());
    const std::string_view part = text.substr(0, end);
    int number = 0;
    const auto [rest, error] = std::from_chars(part.data(), part.data() + part.size(), number);
    if (part.empty() || part.front() == '-' || error != std::errc() ||
        rest != part.data() + part.size() || number > max) {
      return std::nullopt;
    }
    numbers.push_back(number);
    if (end == text.size()) return numbers;
    text.remove_prefix(end + 1);
  }
}

// The picture's size from "WxH"; nothing (after saying why) when it is not one.
struct PictureSize {
  int width = 0;
  int height = 0;
};

std::optional<PictureSize> ParseSize(const std::string& text) {
  const std::optional<std::vector<int>> sides = NumbersOf(text, 'x', kMaxSide);
  if (!sides || sides->size() != 2 || (*sides)[0] < 1 || (*sides)[1] < 1) {
    std::fprintf(stderr, "--size takes WIDTHxHEIGHT in pixels, each 1 to %d, not: %s\n", kMaxSide,
                 text.c_str());
    return std::nullopt;
  }
  return PictureSize{(*sides)[0], (*sides)[1]};
}

// Lights the line, group or key that "L", "L.G" or "L.G.K" names; false
// (after saying why) when the text is none of these or the keyboard has no
// such place.
bool Highlight(COnScreenKeyboard& keyboard, const std::string& text) {
  const std::optional<std::vector<int>> place = NumbersOf(text, '.', 255);
  if (!place || place->size() > 3) {
    std::fprintf(stderr, "--highlight takes LINE, LINE.GROUP or LINE.GROUP.KEY, not: %s\n",
                 text.c_str());
    return false;
  }
  const std::vector<int>& at = *place;
  if (at.size() == 1 && keyboard.Line(at[0]) != nullptr) {
    keyboard.SetLineHighlighted(at[0], true);
  } else if (at.size() == 2 && keyboard.Group(at[0], at[1]) != nullptr) {
    keyboard.SetGroupHighlighted(at[0], at[1], true);
  } else if (at.size() == 3 && keyboard.Key({at[0], at[1], at[2]}) != nullptr) {
    keyboard.SetKeyHighlighted({at[0], at[1], at[2]}, true);
  } else {
    static constexpr const char* kPlaces[] = {"line", "group", "key"};
    std::fprintf(stderr, "--highlight %s: the keyboard has no such %s\n", text.c_str(),
                 kPlaces[at.size() - 1]);
    return false;
  }
  return true;
}

int Run(int argc, char** argv) {
  Arguments arguments;
  if (!ParseArguments(argc, argv, arguments)) return 2;
  std::optional<PictureSize> size;
  if (!arguments.size.empty() && !(size = ParseSize(arguments.size))) return 2;
  CUserProfileProperties profile;  // a new profile's options
  if (!ApplyToolSettings(arguments.settings, profile)) return 2;
  const UserProfileOptions& options = profile.options;

  PosixFileSystem files;
  const std::optional<FileStatus> folder = files.Status(arguments.dataFolder);
  if (!folder || folder->type != FileStatus::Type::kFolder) {
    Fail("data folder not found: " + arguments.dataFolder);
    return 2;
  }
  const std::optional<std::string> contents = files.ReadFile(arguments.keyboardPath);
  if (!contents) {
    Fail("cannot read the keyboard file: " + arguments.keyboardPath);
    return 1;
  }

  OffscreenGui gui;
  const std::unique_ptr<KeyPictureLoader> pictures = MakeKeyPictureLoader(files);
  KeyboardEnvironment environment;
  environment.pictures = pictures.get();
  environment.presentation = PresentationOf(options, arguments.dataFolder);
  COnScreenKeyboard keyboard(environment);
  keyboard.LoadContents(*contents);
  if (keyboard.LineCount() == 0) {
    Fail("the keyboard file has no lines: " + arguments.keyboardPath);
    return 1;
  }
  const std::string dropped = DroppedRecordsMessage(FileNameOf(arguments.keyboardPath),
                                                    keyboard.Dropped());
  if (!dropped.empty()) Fail(dropped);
  if (!arguments.highlight.empty() && !Highlight(keyboard, arguments.highlight)) return 2;

  const KeyboardPresentation& presentation = keyboard.Environment().presentation;
  const KeyboardLayout layout = LayOutOnScreenKeyboard(
      keyboard, *MeasureKeyFont(presentation.fontFace, presentation.fontSize));
  if (!size) size = PictureSize{layout.width, layout.height};
  if (size->width < 1 || size->height < 1) {
    Fail("the keyboard has no keys to draw: " + arguments.keyboardPath);
    return 1;
  }
  const std::optional<std::string> png =
      KeyboardPng(keyboard, size->width, size->height, options.windowBackgroundColour);
  if (!png || !WriteFileAtomically(files, arguments.outputPath, *png)) {
    Fail("cannot write the picture: " + arguments.outputPath);
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace vorelio

int main(int argc, char** argv) { return vorelio::Run(argc, argv); }
