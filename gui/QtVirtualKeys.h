// Qt's keys as the program knows keys: Windows virtual-key codes and the
// flags of a Windows key message, for the widgets that report their own
// keys as the hook library reports a foreign application's.
#pragma once

#include <cstdint>

class QKeyEvent;

namespace vorelio {

// The code of the key of the event; 0 for a key with none. Letters and
// digits are their capital and digit; the named keys (Enter, the arrows,
// F1-F24, the modifiers...) their Windows codes; the keypad, with Num Lock
// on, VK_NUMPAD0-9 and its operators; the punctuation and dead keys the
// code of the key that types them on the Portuguese layout; an accented
// letter (typed after a dead key) the key of its base letter.
uint8_t VirtualKeyOf(const QKeyEvent& event);

// The key-message flags: repeat count 1, bit 24 for the extended keys (the
// dedicated editing and arrow keys, keypad Enter and "/", AltGr and the
// Windows keys), bit 29 while Alt is held, bit 30 when the key was already
// down (always for a release), bit 31 for a release. The scan code byte is
// 0: Qt gives no Windows scan code.
std::intptr_t KeyFlagsOf(const QKeyEvent& event, bool released);

}  // namespace vorelio
