// KeyActionRunner: carries out what an on-screen key does when its output
// is an action rather than text: opening another keyboard, starting a
// program, playing a key sequence into the target, or running one of the
// program's commands. Each action is logged, with what selected the key and
// where the key is, before it acts. Text and pictogram outputs are the
// suggestion protocol's, not this class's.
//
// Commands ("[name argument]", names in keyboards/ProgramCommands.h):
//   Limpar-Area-Trabalho       the internal editor's text (when there is one
//                              and it holds any) goes to the message
//                              history, the editor is cleared when it is the
//                              target; a prediction cycle
//   Alterar-Perfil-Utilizador  loads and applies the profile named by the
//                              argument; nothing more without one
//   Apagar-Palavra / -Frase    the target's erasing command; a prediction cycle
//   Mostrar-Predições-Seguintes  the next page of suggestions
//   Sintetizar-Fala-Palavra / -Frase / -Area-Trabalho  speaks the current
//                              word / sentence / the target's whole text,
//                              logging what it speaks; nothing when empty.
//                              What is spoken is counted in the metrics (a
//                              word, a pictogram, a sentence, a whole
//                              message), and a whole message spoken is learnt
//   Sair-Aplicação             closes the main window
//   Sintetizar-Descrição-Tecla speaks the key's description
//   Enviar-Mensagem-Editor_Externo  types the internal editor's text into
//                              the application in front (nothing without an
//                              internal editor), counted as the program's keys
//   Trocar-Modo-Logging        logging on (REGISTAR_EVENTOS set to 1, the
//                              period started, the command's keys shown
//                              pressed) or off (the period ended, the option
//                              set to 0, the keys released); the title
//                              refreshed either way
// A command line that names no command does nothing and is not logged.
// Nothing here throws on bad outputs; a program that cannot be started is
// ignored.
#pragma once

#include <string_view>

#include "app/CommandHost.h"
#include "app/KeyActionHandler.h"
#include "keyboards/KeyOutput.h"
#include "keyboards/OnScreenKeyIdentifier.h"
#include "logging/EventWords.h"

namespace vorelio {

class CKeyboard;
class ProgramLauncher;

class KeyActionRunner final : public KeyActionHandler {
 public:
  // Everything passed must outlive the runner. `keyboard` is the keystroke
  // synthesizer that writes into the target.
  KeyActionRunner(CommandHost& host, CKeyboard& keyboard, ProgramLauncher& launcher);

  // Carries out `output` of the key `key`, selected as `trigger` says, when
  // it is a keyboard link, a program, a key sequence or a command: true.
  // False, doing nothing, for text and pictogram outputs.
  //   keyboard link  logs ON_SCREEN_KEYBOARD_CALL, opens the keyboard
  //   program        logs PROGRAM_EXECUTION, starts it
  //   key sequence   logs KEY_SEQUENCE_EXECUTION, adds its key presses to
  //                  the synthesized keys, then plays it; an empty one
  //                  plays nothing
  //   command        RunCommand
  bool Run(const KeyOutput& output, KeyTrigger trigger, const COnScreenKeyIdentifier& key) override;

  // Runs a command line (what stands between a key's brackets) as above.
  void RunCommand(std::string_view commandLine, KeyTrigger trigger,
                  const COnScreenKeyIdentifier& key);

  // Switches logging as "Trocar-Modo-Logging" does, without logging a key's
  // action: for the menu's switch too.
  void ToggleLogging();

 private:
  void Record(KeyTrigger trigger, KeyAction action, std::string_view detail,
              const KeyPlace& place);

  CommandHost& host_;
  CKeyboard& keyboard_;
  ProgramLauncher& launcher_;
};

}  // namespace vorelio
