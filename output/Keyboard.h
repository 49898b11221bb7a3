// CKeyboard: turns text, key names and key sequences into synthesized key
// presses for the application in front, written through a KeystrokeSink,
// and counts the presses it will produce so that the controller can tell
// its own keys from the user's when the hook library reports them back.
//
// Characters are Windows-1252. The layout is whatever the sink's KeyScan
// answers for; accented letters are always typed as a dead key followed by
// the base letter (the grave, acute, circumflex and tilde letters of
// common/PortugueseKeyboard.h). Characters with no key are skipped silently
// and count 0; nothing here fails or throws.
//
// Called from the user-interface thread only. The sink must outlive the
// keyboard.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "keyboards/KeySet.h"
#include "output/KeystrokeSink.h"

namespace vorelio {

class CKeyboard {
 public:
  // Fills the key set with the program's key names (keyboards/ProgramKeys.h).
  explicit CKeyboard(KeystrokeSink& sink);

  // TypeCharacter for each character in order.
  void TypeText(std::string_view text);
  // An accented letter: its dead key, then its base letter. A line feed:
  // one Enter without modifiers; a carriage return: nothing (so "\r\n" is
  // one line break). Any other character: Shift, Ctrl, Alt as KeyScan asks,
  // then the key down and up, then the modifiers up in the order Alt, Ctrl,
  // Shift. No key for the character: nothing.
  void TypeCharacter(char c);
  // `count` times Backspace down and up; nothing for count <= 0.
  void SendBackspaces(int count);

  // Key down of a key name, after leading and trailing blanks are removed:
  // the name's code in the key set, else the key (without modifiers) of the
  // name's first character. An empty name or a first character without a
  // key: nothing.
  void PressNamedKey(std::string_view name);
  // The key up matching PressNamedKey.
  void ReleaseNamedKey(std::string_view name);
  // A name of the key set (as given, blanks included): its key down and up.
  // Any other name: TypeText of the name itself.
  void TapNamedKey(std::string_view name);
  // Chords separated by blanks or braces (" {}"), key names inside a chord
  // by "+" (empty names are dropped). Each chord presses its keys in order
  // and releases them in reverse: "Ctrl+Alt+Del" is Ctrl, Alt, Del down, then
  // Del, Alt, Ctrl up. At most 256 chords of at most 256 keys are played;
  // the rest of an over-long sequence is ignored (and not counted).
  void TypeKeySequence(std::string_view sequence);

  // Swaps the 17 accented letters À Á Â Ã È É Ê Ì Í Î Ò Ó Ô Õ Ù Ú Û with
  // their small forms and back, and the case of a-z and A-Z; every other
  // character (Ç and ç included) stays.
  static void InvertCase(std::string& text);

  // A name of the key set counts 1 (what TapNamedKey presses); any other
  // text, the sum of CountCharacterKeystrokes.
  int32_t CountTextKeystrokes(std::string_view text);
  // The key downs TypeText sends for `text`, whether or not it is a key name.
  int32_t CountTypedKeystrokes(std::string_view text);
  // The key downs TypeCharacter sends: 1 for the key plus 1 per modifier, a
  // dead-key letter the sum of its two parts, line feed 1, carriage return
  // and characters without a key 0.
  int32_t CountCharacterKeystrokes(char c);
  // The key downs TypeKeySequence sends: one per key name that resolves to
  // a key (see PressNamedKey).
  int32_t CountSequenceKeystrokes(std::string_view sequence);
  // The presses a person needs to type `text` on a Portuguese keyboard,
  // with Caps Lock for runs of capitals and a fixed cost per character:
  // "Ola" costs 4, "OLA a" 7. Independent of the sink's layout.
  static int32_t KeystrokeCost(std::string_view text);

  // The code of a key name of the key set (exact, case-sensitive match).
  std::optional<int> GetKeyCode(std::string_view name) const;
  // A-Z and À Á Â Ã Ç È É Ê Ì Í Î Ò Ó Ô Õ Ù Ú Û.
  static bool IsUpperCaseLetter(char c);
  // a-z, A-Z and those accented letters in either case.
  static bool IsLetter(char c);

  const CKeySet& Keys() const { return keys_; }
  // The controller marks the keys it gives a role (CRoleKey) and refills
  // the table when a profile is applied.
  CKeySet& Keys() { return keys_; }

 private:
  // The key a name stands for in PressNamedKey and ReleaseNamedKey.
  std::optional<uint8_t> NamedKeyCode(std::string_view name);
  void SendPlainCharacter(char c);
  int32_t CountPlainCharacter(char c);
  void Tap(uint8_t virtualKey);

  KeystrokeSink& sink_;
  CKeySet keys_;
};

}  // namespace vorelio
