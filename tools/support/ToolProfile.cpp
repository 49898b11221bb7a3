#include "tools/support/ToolProfile.h"

#include <algorithm>
#include <cstdio>

#include "common/NativePath.h"
#include "common/Text.h"
#include "profiles/ProfileName.h"
#include "profiles/UserProfileOptionTable.h"
#include "profiles/UserProfileSet.h"

namespace vorelio {

bool TakeProfileArgument(std::string_view flag, const char* value, std::string& dataFolder,
                         std::string& profile, std::vector<std::string>& settings) {
  if (flag == "--data") dataFolder = ProgramPath(value);
  else if (flag == "--profile") profile = UserTextToCp1252(value);
  else if (flag == "--set") settings.push_back(UserTextToCp1252(value));
  else return false;
  return true;
}

bool LoadToolProfile(const std::string& dataFolder, const std::string& name,
                     const std::vector<std::string>& settings, ToolProfile& out) {
  out.dataFolder = dataFolder.empty() || dataFolder.back() == '/' ? dataFolder : dataFolder + '/';
  const std::optional<FileStatus> folder =
      dataFolder.empty() ? std::nullopt : out.files.Status(out.dataFolder);
  if (!folder || folder->type != FileStatus::Type::kFolder) {
    std::fprintf(stderr, "data folder not found: %s\n", Cp1252ToUtf8(dataFolder).c_str());
    return false;
  }
  const std::vector<std::string> profiles = ProfileNamesOf(out.files, out.dataFolder);
  if (std::find(profiles.begin(), profiles.end(), name) == profiles.end()) {
    std::string known;
    for (const std::string& profile : profiles) known += (known.empty() ? "" : ", ") + profile;
    std::fprintf(stderr, "no profile %s in %s (its profiles: %s)\n", Cp1252ToUtf8(name).c_str(),
                 Cp1252ToUtf8(dataFolder).c_str(), Cp1252ToUtf8(known).c_str());
    return false;
  }
  out.name = name;
  out.properties.Read(out.files, out.dataFolder + name + ".cfg");
  return ApplyToolSettings(settings, out.properties);
}

bool ApplyToolSettings(const std::vector<std::string>& settings,
                       CUserProfileProperties& properties) {
  for (const std::string& setting : settings) {
    const std::size_t equals = setting.find('=');
    if (equals == std::string::npos) {
      std::fprintf(stderr, "--set takes KEY=VALUE, not: %s\n", Cp1252ToUtf8(setting).c_str());
      return false;
    }
    const std::string key = setting.substr(0, equals);
    if (FindUserProfileOptionKey(key) == nullptr) {
      std::fprintf(stderr, "--set: unknown option key: %s\n", Cp1252ToUtf8(key).c_str());
      return false;
    }
    if (!properties.SetOption(key, setting.substr(equals + 1))) {
      std::fprintf(stderr, "--set: not a valid value for %s\n", Cp1252ToUtf8(setting).c_str());
      return false;
    }
  }
  return true;
}

}  // namespace vorelio
