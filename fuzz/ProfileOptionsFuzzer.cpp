// libFuzzer target for the readers of the option files.
//
// The first byte chooses what the rest of the input is read as:
//   even  a profile options file (CUserProfileProperties::ReadFrom)
//   odd   the system options file "configsis" (CSystemOptions::ReadFrom)
//
// Reading never fails, so the check is that what was read survives its
// own file: the contents written after a read, read again, write the same
// bytes, and hold one line per option. A violation aborts, so libFuzzer
// keeps the input.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "profiles/SystemOptions.h"
#include "profiles/UserProfileOptionTable.h"
#include "profiles/UserProfileProperties.h"

namespace {

void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "violated: %s\n", what);
  std::abort();
}

std::size_t LineCount(const std::string& contents) {
  return static_cast<std::size_t>(std::count(contents.begin(), contents.end(), '\n'));
}

void FuzzProfileOptions(std::string_view input) {
  vorelio::CUserProfileProperties first;
  first.ReadFrom(input);
  const std::string written = first.Contents();
  Check(LineCount(written) == vorelio::kUserProfileOptionCount, "one line per option");
  vorelio::CUserProfileProperties second;
  second.ReadFrom(written);
  Check(second.Contents() == written, "options written, read and written again are the same");
  Check(second.KeyboardInUse() == second.options.keyboardName, "keyboard in use follows the file");
  for (int weekday = 0; weekday <= 8; ++weekday) (void)second.TimeIntervals(weekday);
}

void FuzzSystemOptions(std::string_view input) {
  vorelio::CSystemOptions first;
  first.ReadFrom(input);
  Check(!first.Changed(), "reading clears the changed flag");
  Check(first.PriorityList().size() <= 256, "at most 256 priority names");
  for (const std::string& name : first.PriorityList())
    Check(!name.empty() && name.find(';') == std::string::npos, "priority names are whole");
  const std::string written = first.Contents();
  Check(LineCount(written) == 10, "ten lines");
  vorelio::CSystemOptions second;
  second.ReadFrom(written);
  Check(second.Contents() == written, "system options written, read and written again agree");
  Check(second.PriorityList() == first.PriorityList(), "the priority list survives");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] % 2 == 0) FuzzProfileOptions(input);
  else FuzzSystemOptions(input);
  return 0;
}
