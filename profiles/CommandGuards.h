// The guards that menu commands check before they change anything. Each
// shows its message and returns false when the command must not run.
#pragma once

#include "platform/MessageBox.h"

namespace vorelio {

class CSystemOptions;

// False, with the lock message, while system changes are locked.
bool SystemChangesAllowed(const CSystemOptions& system, MessageBoxService& messages);
// False, asking to finish first, while an on-screen keyboard is edited.
bool KeyboardNotBeingEdited(bool keyboardBeingEdited, MessageBoxService& messages);

}  // namespace vorelio
