#include "keyboards/KeyOutput.h"

#include "common/Text.h"
#include "keyboards/FileExtension.h"
#include "keyboards/KeySet.h"
#include "keyboards/KeyboardFolder.h"
#include "keyboards/PictogramLabel.h"
#include "keyboards/ProgramKeys.h"

namespace vorelio {

namespace {

constexpr std::string_view kProgramExtensions[] = {".exe", ".com"};

bool IsEnclosed(std::string_view text, char open, char close) {
  return text.size() >= 2 && text.front() == open && text.back() == close;
}

bool IsProgramKeyName(std::string_view name) {
  static const CKeySet keys = [] {
    CKeySet table;
    FillProgramKeySet(table);
    return table;
  }();
  return keys.CodeOf(name).has_value();
}

}  // namespace

KeyOutput ClassifyKeyOutput(std::string_view output) {
  const std::string_view trimmed = Trim(output);
  if (IsKeyboardFileName(trimmed)) return {KeyOutputKind::kKeyboard, KeyboardNameOf(trimmed)};
  if (IsEnclosed(trimmed, '{', '}'))
    return {KeyOutputKind::kKeySequence, std::string(trimmed.substr(1, trimmed.size() - 2))};
  if (IsEnclosed(trimmed, '[', ']'))
    return {KeyOutputKind::kCommand, std::string(trimmed.substr(1, trimmed.size() - 2))};
  for (const std::string_view extension : kProgramExtensions) {
    if (HasExtension(trimmed, extension)) return {KeyOutputKind::kProgram, std::string(trimmed)};
  }
  if (const auto pictogram = SplitPictogramLabel(trimmed))
    return {KeyOutputKind::kPictogram, pictogram->reference};
  return {KeyOutputKind::kText, std::string(output), IsProgramKeyName(trimmed)};
}

std::string StoredTextOutput(std::string_view output, std::string_view label) {
  if (!output.empty()) return std::string(output);
  if (!label.empty()) return std::string(label);
  return "?";
}

}  // namespace vorelio
