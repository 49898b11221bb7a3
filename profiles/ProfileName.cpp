#include "profiles/ProfileName.h"

#include <algorithm>

#include "common/Text.h"


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
constexpr std::string_view kNameExists = "J\xE1 existe um perfil de utilizador com esse nome.";

}  // namespace

bool IsSafeProfileName(std::string_view name) {
  if (name.empty() || name.find("..") != std::string_view::npos) return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return c == '/' || c == '\\' || c == ' ' || IsControl(c);
  });
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
  if (!IsSafeProfileName(name)) {
    messages.ShowMessage(kUnsafeName);
    return std::nullopt;
  }
  if (std::find(existingNames.begin(), existingNames.end(), name) != existingNames.end()) {
    messages.ShowMessage(kNameExists);
    return std::nullopt;
  }
  return std::string(name);
}

}  // namespace vorelio
