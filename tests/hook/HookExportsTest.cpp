// libHookPredarin.so exports its nine functions and the seam that chooses
// the desktop, and nothing else a program could bind to by accident: the
// dynamic symbol table of the built library, as nm reads it.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

std::set<std::string> ExportedNames(const std::string& library, int& status) {
  const std::string command = "nm -D --defined-only --demangle --format=just-symbols '" +
                              library + "' 2>/dev/null";
  std::set<std::string> names;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    status = -1;
    return names;
  }
  char line[1024];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    std::string name(line);
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
    if (!name.empty()) names.insert(name);
  }
  status = ::pclose(pipe);
  return names;
}

TEST(HookExports, TheLibraryExportsItsNineFunctionsAndTheSeamOnly) {
  int status = 0;
  const std::set<std::string> names = ExportedNames(VORELIO_HOOK_LIBRARY, status);
  ASSERT_EQ(status, 0) << "nm could not read " << VORELIO_HOOK_LIBRARY;
  std::set<std::string> expected = {
      "InitializeHook",   "TerminateHook",   "AddSpecialKey",
      "DeleteSpecialKey", "IsSpecialKey",    "ClearSpecialKeys",
      "AddMouseButtons",  "DeleteMouseButtons", "GetCapsLock",
      "vorelio::hook::UseHookSystem(vorelio::hook::HookSystem*, vorelio::hook::StateSegment)",
  };
  if (VORELIO_HOOK_X11_BACKEND) {
    expected.insert(
        "vorelio::hook::CreateX11HookSystem(char const*, vorelio::MessageBoxService&)");
  }
  EXPECT_EQ(names, expected);
}

}  // namespace
