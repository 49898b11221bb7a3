#include "keyboards/KeyboardFolder.h"

#include <algorithm>

#include "common/NativePath.h"
#include "common/Scanner.h"
#include "common/Text.h"
#include "keyboards/FileExtension.h"
#include "platform/AtomicFile.h"

namespace vorelio {

namespace {

constexpr std::string_view kEmptyNameMessage = "Introduza um nome para o novo teclado.";
constexpr std::string_view kBlankInNameMessage =
    "N\xe3o s\xe3o permitidos espa\xe7os no nome do teclado. Utilize um travess\xe3o para separar "
    "as palavras que constituem o nome.";
constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";
constexpr std::string_view kForbiddenCharacterMessage =
    "O nome do teclado n\xe3o pode conter nenhum dos caracteres \\ / : * ? \" < > |";
constexpr std::string_view kNameTakenMessage = "J\xe1 existe um teclado com esse nome.";

bool SameIgnoringCase(std::string_view a, std::string_view b) { return ToLower(a) == ToLower(b); }

}  // namespace

bool IsKeyboardFileName(std::string_view fileName) {
  return HasExtension(fileName, kKeyboardExtension);
}

std::string KeyboardNameOf(std::string_view fileName) {
  if (IsKeyboardFileName(fileName)) fileName.remove_suffix(kKeyboardExtension.size());
  return std::string(fileName);
}

std::string KeyboardFileNameOf(std::string_view name) {
  std::string fileName(name);
  if (!IsKeyboardFileName(name)) fileName += kKeyboardExtension;
  return fileName;
}

std::vector<std::string> ListKeyboards(FileSystem& files, const std::string& folder) {
  std::vector<std::string> names;
  for (const std::string& entry : files.ListFolder(folder).value_or(std::vector<std::string>{})) {
    if (!IsKeyboardFileName(entry)) continue;
    const std::optional<FileStatus> status = files.Status(InFolder(folder, entry));
    if (status && status->type != FileStatus::Type::kFolder) names.push_back(KeyboardNameOf(entry));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string lowerA = ToLower(a), lowerB = ToLower(b);
    return lowerA != lowerB ? lowerA < lowerB : a < b;
  });
  return names;
}

std::string KeyboardPath(FileSystem& files, const std::string& folder, std::string_view name) {
  const std::string fileName = KeyboardFileNameOf(name);
  const std::string exact = InFolder(folder, fileName);
  if (PathExists(files, exact)) return exact;
  for (const std::string& entry : files.ListFolder(folder).value_or(std::vector<std::string>{})) {
    if (SameIgnoringCase(entry, fileName)) return InFolder(folder, entry);
  }
  return exact;
}

std::string NewKeyboardNameProblem(std::string_view name, const std::vector<std::string>& existing) {
  const std::string bareName = KeyboardNameOf(name);
  if (bareName.empty()) return std::string(kEmptyNameMessage);
  if (std::any_of(name.begin(), name.end(), IsScanSpace)) return std::string(kBlankInNameMessage);
  if (name.find_first_of(kForbiddenCharacters) != std::string_view::npos)
    return std::string(kForbiddenCharacterMessage);
  for (const std::string& other : existing) {
    if (SameIgnoringCase(KeyboardNameOf(other), bareName)) return std::string(kNameTakenMessage);
  }
  return {};
}

}  // namespace vorelio
