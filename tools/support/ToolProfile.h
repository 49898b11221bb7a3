// What every command-line tool does before its own work: check the data
// folder and the profile name, read the profile's options file and apply
// the --set KEY=VALUE changes of the command line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/PosixFileSystem.h"
#include "profiles/UserProfileProperties.h"

namespace vorelio {

struct ToolProfile {
  PosixFileSystem files;   // the tools work on the real files
  std::string dataFolder;  // program path, ending in "/"
  std::string name;
  CUserProfileProperties properties;
};

// Takes the arguments every tool shares: "--data DIR", "--profile NAME" and
// "--set KEY=VALUE" (UTF-8 from the command line, kept as program text).
// False, taking nothing, for any other flag.
bool TakeProfileArgument(std::string_view flag, const char* value, std::string& dataFolder,
                         std::string& profile, std::vector<std::string>& settings);

// `dataFolder` and `name` as given on the command line (program paths,
// Windows-1252), `settings` the KEY=VALUE texts. Returns false after saying
// on standard error what is wrong: a data folder that is not a folder, a
// profile that is not one of the folder's profiles ("generico" and those
// listed in "utils"), an unknown key or a value not of its key's type. A
// missing options file keeps the defaults of a new profile; the file is
// never written.
bool LoadToolProfile(const std::string& dataFolder, const std::string& name,
                     const std::vector<std::string>& settings, ToolProfile& out);

// Applies the KEY=VALUE `settings` (program text) to `properties` in order.
// Returns false after saying on standard error what is wrong: a setting
// without "=", an unknown key or a value not of its key's type.
bool ApplyToolSettings(const std::vector<std::string>& settings,
                       CUserProfileProperties& properties);

}  // namespace vorelio
