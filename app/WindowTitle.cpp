#include "app/WindowTitle.h"

namespace vorelio {

std::string MainWindowTitle(std::string_view profileName, std::string_view keyboardName,
                            bool logging) {
  std::string title = "Vorelio V3.0: ";
  title.append(profileName).append(" (").append(keyboardName).append(")");
  title.append(logging ? " (Logging Ligado)" : " (Logging Desligado)");
  return title;
}

}  // namespace vorelio
