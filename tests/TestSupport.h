// Helpers shared by the tests: the real file system, a temporary folder of
// the test's own, small file utilities, and runs of the command-line tools.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/PosixFileSystem.h"

namespace vorelio::testing {

// The real file system, for tests that work in a TempFolder.
inline FileSystem& DiskFiles() {
  static PosixFileSystem files;
  return files;
}

// A fresh folder under the system's temporary folder, removed with
// everything in it when the object goes away. Path() ends in "/".
class TempFolder {
 public:
  TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vorelio-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern + "/";
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(std::string_view name) const { return path_ + std::string(name); }

  // Writes the bytes as they are (Windows-1252 text, CRLF, NUL... all kept).
  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::string path = File(name);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  std::string Read(std::string_view name) const {
    std::ifstream in(File(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  bool Exists(std::string_view name) const { return std::filesystem::exists(File(name)); }

 private:
  std::string path_;
};

// What a run of a command-line tool printed (standard output and error
// together) and its exit code (-1 when it could not be run).
struct ToolRun {
  int exitCode = -1;
  std::string output;
};

// The tool as the build made it; tests that run it skip when it is absent.
inline std::string PredictToolPath() {
  return std::string(VORELIO_TOOLS_DIR) + "/predarin-predict";
}
inline bool PredictToolBuilt() { return std::filesystem::exists(PredictToolPath()); }

// Runs `tool` with `arguments`, as a shell would split them.
inline ToolRun RunTool(const std::string& tool, const std::string& arguments) {
  const std::string command = tool + " " + arguments + " 2>&1";
  ToolRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) run.output += buffer;
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

inline ToolRun RunPredictTool(const std::string& arguments) {
  return RunTool(PredictToolPath(), arguments);
}

}  // namespace vorelio::testing
