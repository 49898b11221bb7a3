// What the speech options page ("Síntese de Fala") and its exceptions
// dialog ("Excepções do Sintetizador de Fala") do, without the widgets: the
// list of voices to choose from, and the editing of one voice's exceptions
// with the dialog's messages. The dialog's widgets show Lines(), the
// selection and the field "Substituir por:", and call the operations below
// for "Nova", a click on a line, an edit of the field, "Apagar" and "Ouvir".
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"
#include "speech/SpeechSynthesizer.h"

namespace vorelio {

// The choices of the page's voice list: every installed voice, then
// "Nenhum".
std::vector<std::string> VoiceChoices(SpeechEngine& engine);

class SpeechExceptionsEditor {
 public:
  // The page's button "Configurar Excepções na Síntese de Fala...": the
  // editor of the exceptions of `chosenVoice`, on a synthesizer of its own
  // that speaks with that voice. Null, after telling the user that no voice
  // is selected, while "Nenhum" is chosen or when the voice cannot be
  // selected (not installed, or the engine fails). Everything given must
  // outlive the editor.
  static std::unique_ptr<SpeechExceptionsEditor> Open(SpeechEngine& engine, FileSystem& files,
                                                      std::string dataFolder,
                                                      MessageBoxService& messages,
                                                      std::string_view chosenVoice);

  // One "text:replacement" line per exception, in the order of the texts.
  std::vector<std::string> Lines() const;
  // The selected line, if any.
  std::optional<std::size_t> Selection() const { return selection_; }
  // The field "Substituir por:": the selected exception's replacement.
  const std::string& ReplacementField() const { return replacementField_; }

  // "Nova": adds `text` (the field "Texto:") with an empty replacement,
  // selects it and saves. Refuses an empty text ("Texto vazio!"), a text
  // the file cannot hold, and a text already listed, which is selected
  // instead ("Já existe essa excepção!"). False when nothing was added.
  bool Add(std::string_view text);
  // A click on line `line` (ignored past the end): selects it and shows its
  // replacement.
  void Select(std::size_t line);
  // The field was edited: with a line selected, its replacement becomes
  // `replacement` and the file is saved. Refuses a replacement the file
  // cannot hold, saying so. False when nothing changed.
  bool EditReplacement(std::string_view replacement);
  // "Apagar": with an empty list or no selection says so; otherwise asks
  // "Quer mesmo apagar esta excepção?" and on Yes removes the selected
  // exception and saves. True when one was removed.
  bool DeleteSelected();
  // "Ouvir": speaks the field's replacement through the editor's voice.
  void Listen();

 private:
  SpeechExceptionsEditor(std::unique_ptr<CSpeechSynthesizer> synthesizer,
                         MessageBoxService& messages);
  // Saves the exceptions after a change, telling the user when they could
  // not be written (the change stays on the list).
  void Save(const SpeechExceptionSet& exceptions);
  // Selects the line of `text`.
  void SelectText(std::string_view text);

  std::unique_ptr<CSpeechSynthesizer> synthesizer_;
  MessageBoxService& messages_;
  std::optional<std::size_t> selection_;
  std::string replacementField_;
};

}  // namespace vorelio
