#include "profiles/UserProfileProperties.h"

#include <array>

#include "platform/AtomicFile.h"
#include "common/Scanner.h"
#include "profiles/UserProfileOptionTable.h"

namespace vorelio {

CUserProfileProperties::CUserProfileProperties() = default;

void CUserProfileProperties::Read(FileSystem& files, const std::string& path) {
  optionsFilePath_ = path;
  if (const std::optional<std::string> contents = files.ReadFile(path)) ReadFrom(*contents);
}

void CUserProfileProperties::ReadFrom(std::string_view contents) {
  LineReader lines(contents);
  std::string_view line;
  while (lines.Next(line)) {
    LineScanner scanner(line);
    std::string_view key;
    if (!scanner.String(key)) continue;  // a blank line
    const UserProfileOptionKey* option = FindUserProfileOptionKey(key);
    if (option == nullptr) continue;
    const std::size_t valueStart = static_cast<std::size_t>(key.data() - line.data()) + key.size();
    ReadOptionValue(options, *option, line.substr(valueStart));
    if (option->text == &UserProfileOptions::keyboardName) keyboardInUse_ = options.keyboardName;
  }
}

std::string CUserProfileProperties::Contents() const {
  std::string contents;
  for (const UserProfileOptionKey& option : UserProfileOptionKeys()) {
    contents += option.key;
    contents += ' ';
    contents += FormatOptionValue(options, option);
    contents += '\n';
  }
  return contents;
}

bool CUserProfileProperties::Write(FileSystem& files, const std::string& path) const {
  return WriteFileAtomically(files, path, Contents());
}

std::string CUserProfileProperties::TimeIntervals(int weekday) const {
  static constexpr std::array kWeekdays = {
      &UserProfileOptions::sundayIntervals,   &UserProfileOptions::mondayIntervals,
      &UserProfileOptions::tuesdayIntervals,  &UserProfileOptions::wednesdayIntervals,
      &UserProfileOptions::thursdayIntervals, &UserProfileOptions::fridayIntervals,
      &UserProfileOptions::saturdayIntervals};
  if (weekday < 1 || weekday > static_cast<int>(kWeekdays.size())) return {};
  return options.*kWeekdays[static_cast<std::size_t>(weekday - 1)];
}

bool CUserProfileProperties::SetOption(std::string_view key, std::string_view value) {
  const UserProfileOptionKey* option = FindUserProfileOptionKey(key);
  return option != nullptr && ParseOptionValue(options, *option, value);
}

std::string CUserProfileProperties::GetOption(std::string_view key) const {
  const UserProfileOptionKey* option = FindUserProfileOptionKey(key);
  return option == nullptr ? std::string() : FormatOptionValue(options, *option);
}

}  // namespace vorelio
