#include "profiles/ProfileName.h"

#include <algorithm>

#include "common/Text.h"
#include "prediction/Dictionary.h"
#include "profiles/SystemOptions.h"

namespace vorelio {

namespace {

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

constexpr std::string_view kEmptyName = "Introduza um nome para o novo perfil de utilizador.";
constexpr std::string_view kSpaceInName =
    "N\xE3o s\xE3o permitidos espa\xE7os no nome do perfil de utilizador. Utilize um "
    "travess\xE3o para separar as palavras que constituem o nome.";
constexpr std::string_view kUnsafeName =
    "O nome do perfil de utilizador n\xE3o pode conter barras (/ ou \\), dois pontos "
    "seguidos (..) nem caracteres de controlo.";
constexpr std::string_view kReservedName =
    "Esse nome est\xE1 reservado para os ficheiros do programa. Escolha outro nome para o "
    "perfil de utilizador.";
constexpr std::string_view kNameExists = "J\xE1 existe um perfil de utilizador com esse nome.";

// A path separator, ".." or a control character would let a name reach
// files outside the data folder or break the files that list it.
bool ReachesOtherFiles(std::string_view name) {
  return name.find("..") != std::string_view::npos ||
         std::any_of(name.begin(), name.end(),
                     [](char c) { return c == '/' || c == '\\' || IsControl(c); });
}

// The names whose files the installation owns (compared lower-cased).
constexpr std::string_view kReservedNames[] = {kTemplateProfileName, kSystemOptionsFileName,
                                               kGeneralDictionaryName, kProfileListName};

}  // namespace

bool IsReservedProfileName(std::string_view name) {
  if (name.starts_with('.')) return true;
  const std::string lower = ToLower(name);
  return std::find(std::begin(kReservedNames), std::end(kReservedNames), lower) !=
         std::end(kReservedNames);
}

bool IsSafeProfileName(std::string_view name) {
  return !name.empty() && !ReachesOtherFiles(name) && name.find(' ') == std::string_view::npos &&
         !IsReservedProfileName(name);
}

std::optional<std::string> ValidateNewProfileName(std::string_view entered,
                                                  const std::vector<std::string>& existingNames,
                                                  MessageBoxService& messages) {
  const std::string_view name = Trim(entered);
  if (name.empty()) {
    messages.ShowMessage(kEmptyName);
    return std::nullopt;
  }
  if (name.find(' ') != std::string_view::npos) {
    messages.ShowMessage(kSpaceInName);
    return std::nullopt;
  }
  if (ReachesOtherFiles(name)) {
    messages.ShowMessage(kUnsafeName);
    return std::nullopt;
  }
  if (IsReservedProfileName(name)) {
    messages.ShowMessage(kReservedName);
    return std::nullopt;
  }
  const std::string lower = ToLower(name);
  if (std::any_of(existingNames.begin(), existingNames.end(),
                  [&lower](const std::string& existing) { return ToLower(existing) == lower; })) {
    messages.ShowMessage(kNameExists);
    return std::nullopt;
  }
  return std::string(name);
}

}  // namespace vorelio
