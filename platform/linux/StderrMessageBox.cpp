#include <cstdio>

#include "common/Text.h"
#include "platform/MessageBox.h"

namespace vorelio {

void WriteLineToStandardError(std::string_view text) {
  const std::string utf8 = Cp1252ToUtf8(text);
  std::fprintf(stderr, "%s\n", utf8.c_str());
}

void StderrMessageBox::ShowMessage(std::string_view text) { WriteLineToStandardError(text); }

bool StderrMessageBox::AskYesNo(std::string_view question) {
  const std::string utf8 = Cp1252ToUtf8(question);
  std::fprintf(stderr, "%s (Não)\n", utf8.c_str());
  return false;
}

}  // namespace vorelio
