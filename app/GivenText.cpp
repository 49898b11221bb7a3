#include "app/GivenText.h"

#include "prediction/AdaptationCommands.h"

namespace vorelio {

std::string UnreadableTextFileMessage(std::string_view path) {
  return "N\xE3o foi poss\xEDvel ler o ficheiro " + std::string(path) + ".";
}

std::string ClipboardTextTooLongMessage() {
  return "O texto da \xE1rea de transfer\xEAncia \xE9 demasiado longo: s\xF3 s\xE3o aceites textos "
         "com menos de " +
         std::to_string(kClipboardTextLimit) + " caracteres.";
}

std::optional<std::string> AcceptedClipboardText(ClipboardService& clipboard,
                                                 MessageBoxService& messages) {
  std::optional<std::string> text = clipboard.Text();
  if (!text) {
    messages.ShowMessage(kClipboardHasNoTextMessage);
    return std::nullopt;
  }
  if (text->size() >= kClipboardTextLimit) {
    messages.ShowMessage(ClipboardTextTooLongMessage());
    return std::nullopt;
  }
  return text;
}

}  // namespace vorelio
