// predarin-replay: a scripted session through the program's controller on
// the simulated desktop. Runs the steps of SCRIPT (ReplayScript.h; "-" reads
// standard input) and prints, in UTF-8, each step and what it changed: the
// text of the application in front with its caret, the suggestions on the
// keys, what was spoken or shown; at the end every application's text and
// the event log the controller wrote (ReplayReport.h).
//
//   predarin-replay --data DIR [--profile NAME] [--set KEY=VALUE]... SCRIPT
//
// The session runs on a temporary copy of DIR, removed at the end, so a
// replay never changes the user's files (what the profile learns is
// forgotten with the copy). Options come from DIR/NAME.cfg, each --set
// changing one as for the other tools; event logging is on whatever the
// profile says. Exit 2 for a bad command line, a missing data folder or
// profile, or a script that cannot be read or is not a script ("line N:
// ..."); 1 when a step cannot be carried out (its line and why; the
// session up to it is still reported) or the copy cannot be made; 0
// otherwise.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/Text.h"
#include "tools/replay/ReplayReport.h"
#include "tools/replay/ReplayScript.h"
#include "tools/replay/ReplaySession.h"
#include "tools/replay/SimulatedProgram.h"
#include "tools/support/ToolProfile.h"

namespace vorelio {
namespace {

struct Arguments {
  std::string dataFolder;
  std::string profile = "generico";
  std::vector<std::string> settings;  // KEY=VALUE, Windows-1252
  std::string script;                 // a path as given, or "-"
};

void PrintUsage() {
  std::fputs(
      "usage: predarin-replay --data DIR [--profile NAME] [--set KEY=VALUE]... SCRIPT\n"
      "  runs SCRIPT (\"-\": standard input) on a temporary copy of DIR, which is\n"
      "  removed at the end: the data folder itself never changes\n",
      stderr);
}

bool ParseArguments(int argc, char** argv, Arguments& arguments) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    const bool hasValue = i + 1 < argc;
    if (flag == "--help" || flag == "-h") {
      PrintUsage();
      std::exit(0);
    } else if (hasValue && TakeProfileArgument(flag, argv[i + 1], arguments.dataFolder,
                                               arguments.profile, arguments.settings)) {
      ++i;
    } else if (arguments.script.empty() && (flag == "-" || !flag.starts_with("--"))) {
      arguments.script = flag;
    } else {
      std::fprintf(stderr, "unknown or incomplete argument: %s\n", argv[i]);
      PrintUsage();
      return false;
    }
  }
  if (arguments.dataFolder.empty() || arguments.script.empty()) {
    std::fputs(arguments.dataFolder.empty() ? "--data DIR is required\n" : "SCRIPT is required\n",
               stderr);
    PrintUsage();
    return false;
  }
  return true;
}

// The script's bytes; false when the file cannot be read.
bool ReadScript(const std::string& path, std::string& text) {
  if (path == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    return !std::cin.bad();
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

int Run(int argc, char** argv) {
  Arguments arguments;
  if (!ParseArguments(argc, argv, arguments)) return 2;
  ToolProfile profile;
  if (!LoadToolProfile(arguments.dataFolder, arguments.profile, arguments.settings, profile))
    return 2;
  std::string text;
  if (!ReadScript(arguments.script, text)) {
    std::fprintf(stderr, "cannot read the script %s\n", arguments.script.c_str());
    return 2;
  }
  const ReplayScript script = ParseReplayScript(text);
  if (!script.error.empty()) {
    std::fprintf(stderr, "%s\n", Cp1252ToUtf8(script.error).c_str());
    return 2;
  }

  std::string error;
  std::unique_ptr<SimulatedProgram> program =
      SimulatedProgram::Start(profile.dataFolder, profile.name, profile.properties, error);
  if (!program) {
    std::fprintf(stderr, "%s\n", Cp1252ToUtf8(error).c_str());
    return 1;
  }
  ReplayReport report(std::cout);
  report.Opening(profile.dataFolder, profile.name, program->View().Options(), kReplayKeyIntervalMs);
  ReplaySession session(*program, report);
  error = session.Run(script);
  if (!error.empty()) {
    std::cout.flush();
    std::fprintf(stderr, "%s\n", Cp1252ToUtf8(error).c_str());
  }
  program->Close();
  report.Closing(*program);
  return error.empty() ? 0 : 1;
}

}  // namespace
}  // namespace vorelio

int main(int argc, char** argv) { return vorelio::Run(argc, argv); }
