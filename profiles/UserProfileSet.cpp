#include "profiles/UserProfileSet.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "platform/AtomicFile.h"
#include "common/Scanner.h"
#include "profiles/ProfileName.h"

namespace vorelio {

namespace {

constexpr std::array<std::string_view, 5> kUserFileExtensions = {".pal", ".par", ".abr",
                                                                   ".frs", ".paf"};

constexpr std::string_view kNotAvailablePrefix = "O perfil de utilizador ";
constexpr std::string_view kNotAvailableSuffix =
    " n\xE3o est\xE1 dispon\xEDvel! Ser\xE1 carregado o perfil de utilizador gen\xE9rico.";
constexpr std::string_view kCannotRemoveGeneric =
    "N\xE3o \xE9 poss\xEDvel apagar o perfil de utilizador gen\xE9rico.";
constexpr std::string_view kCannotRemoveCurrent =
    "Este perfil de utilizador encontra-se activo e por isso n\xE3o pode ser removido.";
constexpr std::string_view kLogsDeleted = "Registos eliminados com sucessos.";
constexpr std::string_view kLogsNotDeleted = "N\xE3o foi poss\xEDvel eliminar parte dos registos.";
constexpr std::string_view kLogsCopied = "Registos copiados com sucessos.";
constexpr std::string_view kLogsNotCopied = "N\xE3o foi poss\xEDvel copiar parte dos registos.";

std::string Concat(std::string_view a, std::string_view b, std::string_view c = {}) {
  std::string text;
  text.reserve(a.size() + b.size() + c.size());
  text.append(a).append(b).append(c);
  return text;
}

// The blank-separated words of "utils" in file order (none when missing).
std::vector<std::string> ListedNames(FileSystem& files, const std::string& path) {
  std::vector<std::string> names;
  const std::optional<std::string> contents = files.ReadFile(path);
  if (!contents) return names;
  TokenReader words(*contents);
  std::string_view word;
  while (words.Next(word)) names.emplace_back(word);
  return names;
}

std::string JoinLines(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text.append(name).append("\n");
  return text;
}

// A log of the profile: NAME.log or NAME + " " + anything + ".log". Profile
// names hold no spaces, so the space ends the name exactly.
bool IsLogOf(std::string_view fileName, std::string_view profileName) {
  constexpr std::string_view kLog = ".log";
  if (!fileName.starts_with(profileName) || !fileName.ends_with(kLog)) return false;
  const std::string_view rest = fileName.substr(profileName.size());
  return rest == kLog || (rest.size() > kLog.size() && rest.front() == ' ');
}

}  // namespace

std::vector<std::string> ProfileNamesOf(FileSystem& files, const std::string& dataFolder) {
  std::vector<std::string> names{std::string(kGenericProfileName)};
  for (std::string& name : ListedNames(files, Concat(dataFolder, kProfileListName))) {
    if (IsSafeProfileName(name) && std::find(names.begin(), names.end(), name) == names.end())
      names.push_back(std::move(name));
  }
  return names;
}

CUserProfileSet::CUserProfileSet(std::string dataFolder, FileSystem& files,
                                 MessageBoxService& messages)
    : dataFolder_(std::move(dataFolder)), files_(files), messages_(messages) {}

CUserProfileSet::~CUserProfileSet() { Close(); }

std::unique_ptr<CUserProfile> CUserProfileSet::ReadProfile(const std::string& name) const {
  auto profile = std::make_unique<CUserProfile>(files_, messages_);
  profile->Properties().SetName(name);
  profile->Properties().SetDataFolder(dataFolder_);
  profile->ReadOptions(Concat(dataFolder_, name, ".cfg"));
  return profile;
}

void CUserProfileSet::ReleaseDictionary(CUserProfile& profile) {
  if (!profile.ReleaseDictionary())
    messages_.ShowMessage(Concat("N\xE3o foi poss\xEDvel guardar o vocabul\xE1rio do perfil de "
                                 "utilizador ",
                                 profile.Name(), "."));
}

void CUserProfileSet::SaveOptions(const CUserProfile& profile) {
  if (!profile.Save())
    messages_.ShowMessage(Concat("N\xE3o foi poss\xEDvel guardar as op\xE7\xF5" "es do perfil de "
                                 "utilizador ",
                                 profile.Name(), "."));
}

void CUserProfileSet::Load() {
  Close();
  for (const std::string& name : ProfileNamesOf(files_, dataFolder_))
    profiles_.push_back(ReadProfile(name));
  for (const auto& profile : profiles_)
    if (profile->KeepsDictionaryInMemory()) profile->LoadDictionary();
}

int32_t CUserProfileSet::Load(std::string_view openName) {
  Load();
  return Open(openName);
}

int32_t CUserProfileSet::Open(std::string_view name) {
  if (profiles_.empty()) Load();
  int32_t index = Find(name);
  if (index < 0) {
    messages_.ShowMessage(Concat(kNotAvailablePrefix, name, kNotAvailableSuffix));
    index = 0;
  }
  if (current_ >= 0) {
    CUserProfile& previous = *profiles_[static_cast<std::size_t>(current_)];
    SaveOptions(previous);
    if (!previous.KeepsDictionaryInMemory()) ReleaseDictionary(previous);
  }
  current_ = index;
  CUserProfile& profile = *profiles_[static_cast<std::size_t>(index)];
  // Loads also a kept dictionary that is not in memory yet: a profile
  // created from a template that keeps it, or one whose copied options do.
  profile.LoadDictionary();
  currentDictionary_ = &profile.Dictionary();
  return index;
}

int32_t CUserProfileSet::Find(std::string_view name) const {
  for (std::size_t i = 0; i < profiles_.size(); ++i)
    if (profiles_[i]->Name() == name) return static_cast<int32_t>(i);
  return -1;
}

std::vector<std::string> CUserProfileSet::Names() const {
  std::vector<std::string> names;
  names.reserve(profiles_.size());
  for (const auto& profile : profiles_) names.push_back(profile->Name());
  if (names.empty()) names.emplace_back(kGenericProfileName);
  return names;
}

int32_t CUserProfileSet::Create(std::string_view entered) {
  if (profiles_.empty()) Load();
  const std::optional<std::string> name = ValidateNewProfileName(entered, Names(), messages_);
  if (!name) return -1;
  bool written = true;
  for (const std::string_view extension : kUserFileExtensions)
    written = WriteFileAtomically(files_, Concat(dataFolder_, *name, extension), "") && written;
  const std::string templateOptions =
      files_.ReadFile(Concat(dataFolder_, kTemplateProfileName, ".cfg")).value_or(std::string());
  written = written &&
            WriteFileAtomically(files_, Concat(dataFolder_, *name, ".cfg"), templateOptions);
  // The list is written last, so it never names a profile without files.
  const std::string listPath = Concat(dataFolder_, kProfileListName);
  std::string list = files_.ReadFile(listPath).value_or(std::string());
  if (!list.empty() && list.back() != '\n') list += '\n';  // never glue onto the last name
  list.append(*name).append("\n");
  written = written && WriteFileAtomically(files_, listPath, list);
  if (!written) {
    messages_.ShowMessage(
        Concat("N\xE3o foi poss\xEDvel criar o perfil de utilizador ", *name, "."));
    return -1;
  }
  profiles_.push_back(ReadProfile(*name));
  return Open(*name);
}

bool CUserProfileSet::Remove(std::string_view chosenName) {
  if (chosenName.empty()) return false;
  if (chosenName == kGenericProfileName) {
    messages_.ShowMessage(kCannotRemoveGeneric);
    return false;
  }
  const int32_t index = Find(chosenName);
  if (index < 0) return false;
  if (!messages_.AskYesNo(Concat("Quer mesmo remover o perfil ", chosenName, "?"))) return false;
  if (index == current_) {
    messages_.ShowMessage(kCannotRemoveCurrent);
    return false;
  }
  const std::string listPath = Concat(dataFolder_, kProfileListName);
  std::vector<std::string> listed = ListedNames(files_, listPath);
  std::erase(listed, chosenName);
  if (!WriteFileAtomically(files_, listPath, JoinLines(listed))) {
    messages_.ShowMessage(
        Concat("N\xE3o foi poss\xEDvel remover o perfil de utilizador ", chosenName, "."));
    return false;
  }
  ReleaseDictionary(*profiles_[static_cast<std::size_t>(index)]);
  profiles_.erase(profiles_.begin() + index);
  if (index < current_) --current_;
  return true;
}

bool CUserProfileSet::CopyOptions(std::string_view chosenName) {
  const int32_t source = Find(chosenName);
  if (chosenName.empty() || source < 0 || current_ < 0) return false;
  CUserProfile& current = *profiles_[static_cast<std::size_t>(current_)];
  const std::string name = current.Name();
  const std::string path = current.Properties().OptionsFilePath();
  current = *profiles_[static_cast<std::size_t>(source)];
  current.Properties().SetName(name);
  current.Properties().SetOptionsFilePath(path);
  Open(name);
  return true;
}

void CUserProfileSet::Close() {
  for (const auto& profile : profiles_) ReleaseDictionary(*profile);
  if (current_ >= 0) SaveOptions(*profiles_[static_cast<std::size_t>(current_)]);
  profiles_.clear();
  current_ = -1;
  currentDictionary_ = nullptr;
}

std::vector<std::string> CUserProfileSet::LogFileNames(std::string_view profileName) const {
  std::vector<std::string> names;
  for (std::string& fileName : files_.ListFolder(dataFolder_).value_or(std::vector<std::string>{})) {
    if (!IsLogOf(fileName, profileName)) continue;
    const std::optional<FileStatus> status = files_.Status(dataFolder_ + fileName);
    if (status && status->type == FileStatus::Type::kRegular) names.push_back(std::move(fileName));
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool CUserProfileSet::DeleteLogs(std::string_view chosenName) {
  if (chosenName.empty()) return false;
  bool all = IsSafeProfileName(chosenName);
  if (all) {
    for (const std::string& fileName : LogFileNames(chosenName))
      all = files_.Remove(dataFolder_ + fileName) && all;
  }
  messages_.ShowMessage(all ? kLogsDeleted : kLogsNotDeleted);
  return all;
}

bool CUserProfileSet::CopyLogs(std::string_view chosenName, const std::string& destinationFolder) {
  if (chosenName.empty()) return false;
  bool all = IsSafeProfileName(chosenName) && !destinationFolder.empty();
  if (all) {
    std::string folder = destinationFolder;
    if (folder.back() != '/' && folder.back() != '\\') folder += '/';
    for (const std::string& fileName : LogFileNames(chosenName)) {
      const std::optional<std::string> contents = files_.ReadFile(dataFolder_ + fileName);
      all = contents && WriteNewFile(files_, folder + fileName, *contents) && all;
    }
  }
  messages_.ShowMessage(all ? kLogsCopied : kLogsNotCopied);
  return all;
}

std::string CUserProfileSet::ProfileKeyboard(std::string_view name, bool withExtension) const {
  if (!IsSafeProfileName(name)) return {};
  CUserProfileProperties properties;
  properties.Read(files_, Concat(dataFolder_, name, ".cfg"));
  std::string keyboard = properties.options.keyboardName;
  constexpr std::string_view kExtension = ".tec";
  const bool hasExtension = keyboard.ends_with(kExtension);
  if (withExtension && !hasExtension) keyboard += kExtension;
  if (!withExtension && hasExtension) keyboard.resize(keyboard.size() - kExtension.size());
  return keyboard;
}

CUserProfile& CUserProfileSet::Profile(int32_t index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("profile index");
  return *profiles_[static_cast<std::size_t>(index)];
}

const CUserProfile& CUserProfileSet::Profile(int32_t index) const {
  if (index < 0 || index >= Count()) throw std::out_of_range("profile index");
  return *profiles_[static_cast<std::size_t>(index)];
}

CUserProfile* CUserProfileSet::Current() {
  return current_ < 0 ? nullptr : profiles_[static_cast<std::size_t>(current_)].get();
}

}  // namespace vorelio
