// The names Windows gives physical keys (GetKeyNameTextA on a US-English
// keyboard: "A", "Space", "Num 5", "Page Up"...), from which the event log
// forms its "KEY_DOWN_" events, so that logs read the same on both systems.
#pragma once

#include <cstdint>
#include <string>

#include "common/KeyMessageFlags.h"  // kExtendedKeyFlag

namespace vorelio {

// The name of the key of a virtual-key code with the key message flags:
// the editing and arrow keys without the extended flag are the keypad's
// ("Num 7" for Home), Enter, Ctrl and Alt with it the keypad's or the
// right-hand ones. Letter and digit keys name their character ("A", "5");
// the punctuation keys of the Portuguese layout the character they type
// without Shift ("+", "\xE7"). Codes without a name give "".
std::string WindowsKeyName(int virtualKey, std::intptr_t keyFlags);
// The same for the key a code usually comes from: dedicated editing and
// arrow keys, the main Enter and the left Ctrl and Alt.
std::string WindowsKeyName(int virtualKey);

// The event log's name of a key down: "KEY_DOWN_" and the key name
// upper-cased with blanks as "_" ("KEY_DOWN_NUM_5", "KEY_DOWN_PAGE_UP").
std::string KeyDownEventName(int virtualKey, std::intptr_t keyFlags);

}  // namespace vorelio
