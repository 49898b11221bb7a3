#include "profiles/CommandGuards.h"

#include "common/SystemLockMessage.h"
#include "profiles/SystemOptions.h"

namespace vorelio {

bool SystemChangesAllowed(const CSystemOptions& system, MessageBoxService& messages) {
  if (system.SystemChangesAllowed()) return true;
  messages.ShowMessage(kSystemChangesLockedMessage);
  return false;
}

bool KeyboardNotBeingEdited(bool keyboardBeingEdited, MessageBoxService& messages) {
  if (!keyboardBeingEdited) return true;
  messages.ShowMessage(
      "Por favor termine a edi\xE7\xE3o do teclado de ecr\xE3 antes de realizar esta "
      "opera\xE7\xE3o.");
  return false;
}

}  // namespace vorelio
