// The Portuguese (Portugal) keyboard layout, as a table: which key types a
// Windows-1252 character and with which modifier, and how accented letters
// decompose into a dead key and a base letter. Keystroke synthesis and the
// word prediction simulator's keystroke counting both read it.
//
// Keys are named by their Windows virtual-key codes, the identities that
// options and logs use. The layout:
//   \ |   1 !   2 " @   3 # £   4 $ §   5 % €   6 &   7 / {   8 ( [   9 ) ]
//   0 = }   ' ?   « »
//   q..p (e: AltGr €)   + * ¨(dead, AltGr)   ´ `(dead acute / dead grave)
//   a..l   ç Ç   º ª   ~ ^(dead tilde / dead circumflex)
//   < >   z..m   , ;   . :   - _
// Third-level characters (AltGr) are reported with `altGr` set: keystroke
// synthesis presses AltGr for them, while a person's keystroke count
// (common/TypistKeyboard.h) counts only Shift.
#pragma once

#include <cstdint>
#include <optional>

#include "common/VirtualKeys.h"

namespace vorelio {

// Windows virtual-key codes of the punctuation keys of this layout (the
// others are in common/VirtualKeys.h).
namespace vk {
inline constexpr uint8_t kAcuteGrave = 0xBA;     // VK_OEM_1: ´ `
inline constexpr uint8_t kPlus = 0xBB;           // VK_OEM_PLUS: + * ¨
inline constexpr uint8_t kComma = 0xBC;          // VK_OEM_COMMA: , ;
inline constexpr uint8_t kMinus = 0xBD;          // VK_OEM_MINUS: - _
inline constexpr uint8_t kPeriod = 0xBE;         // VK_OEM_PERIOD: . :
inline constexpr uint8_t kTildeCircumflex = 0xBF;  // VK_OEM_2: ~ ^
inline constexpr uint8_t kCedilla = 0xC0;        // VK_OEM_3: ç Ç
inline constexpr uint8_t kApostrophe = 0xDB;     // VK_OEM_4: ' ?
inline constexpr uint8_t kBackslash = 0xDC;      // VK_OEM_5: \ |
inline constexpr uint8_t kGuillemets = 0xDD;     // VK_OEM_6: « »
inline constexpr uint8_t kOrdinals = 0xDE;       // VK_OEM_7: º ª
inline constexpr uint8_t kLessGreater = 0xE2;    // VK_OEM_102: < >
}  // namespace vk

// One key press that types a character, with its modifiers.
struct KeyPress {
  uint8_t virtualKey = 0;
  bool shift = false;
  bool altGr = false;
  bool operator==(const KeyPress&) const = default;
};

// The key that types `c` directly, or nothing when no single key does
// (accented letters, which need a dead key first, and characters the layout
// lacks). The dead-key characters themselves (´ ` ~ ^ ¨) answer with their
// dead key.
std::optional<KeyPress> PortugueseKeyFor(char c);
// The same in VkKeyScanA's form: low byte the virtual-key code, 0x100 Shift,
// AltGr as Ctrl+Alt (0x600); -1 for a character with no key.
int16_t PortugueseKeyScan(char c);

// An accented letter typed as a dead key followed by a base letter.
struct DeadKeyDecomposition {
  char deadKey;     // the character the dead key produces alone: ´ ` ^ ~ ¨
  char baseLetter;  // A E I O U (N Y) or a e i o u (n y), in the letter's case
};
// The grave (À È Ì Ò Ù), acute (Á É Í Ó Ú), circumflex (Â Ê Î Ô Û) and
// tilde (Ã Õ) letters in both cases, the ones keystroke synthesis types
// through a dead key; nothing for any other character (Ç and ç have their
// own key).
std::optional<DeadKeyDecomposition> DecomposeAccentedLetter(char c);
// Every letter of Windows-1252 a person types on this layout with a dead
// key: those above, and in both cases the diaeresis letters Ä Ë Ï Ö Ü Ÿ
// (dead ¨), Ñ (tilde) and Ý (acute).
std::optional<DeadKeyDecomposition> DecomposeAnyAccentedLetter(char c);

// A-Z and the accented capitals À Á Â Ã Ç È É Ê Ì Í Î Ò Ó Ô Õ Ù Ú Û.
bool IsUpperCaseLetter(char c);
// a-z, A-Z and those accented letters in either case (ç included).
bool IsLetter(char c);

}  // namespace vorelio
