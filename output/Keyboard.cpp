#include "output/Keyboard.h"

#include <vector>

#include "common/PortugueseKeyboard.h"
#include "common/Scanner.h"
#include "common/Text.h"
#include "common/VirtualKeys.h"
#include "keyboards/ProgramKeys.h"

namespace vorelio {

namespace {


// The modifiers of a KeyScan result, in the order they go down.
struct Modifier {
  int scanBit;
  uint8_t virtualKey;
};
constexpr Modifier kModifiers[] = {
    {kScanShift, vk::kShift}, {kScanCtrl, vk::kControl}, {kScanAlt, vk::kMenu}};

constexpr std::string_view kChordSeparators = " {}";
constexpr std::string_view kKeySeparator = "+";

// What one character costs a person on the Portuguese keyboard, capitals'
// Shift and Caps Lock aside: characters typed with one key, with two (Shift
// or AltGr, or a dead key and its letter or space) and with three.
constexpr std::string_view kOneKeyCharacters = " \n'+,-.\\\xAB\xBA\xC7\xE7";
constexpr std::string_view kTwoKeyCharacters =
    "!\"#$%&()*/:;=?@[]_{|}~\x80\xA3\xA7\xAA\xB4\xBB"
    "\xC1\xC3\xC9\xCD\xD3\xD5\xDA\xE1\xE3\xE9\xED\xF3\xF5\xFA";
constexpr std::string_view kThreeKeyCharacters =
    "^`\xC0\xC2\xC8\xCA\xCC\xCE\xD2\xD4\xD9\xDB\xE0\xE2\xE8\xEA\xEC\xEE\xF2\xF4\xF9\xFB";

int32_t CharacterCost(char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return 1;
  if (kOneKeyCharacters.find(c) != std::string_view::npos) return 1;
  if (kTwoKeyCharacters.find(c) != std::string_view::npos) return 2;
  if (kThreeKeyCharacters.find(c) != std::string_view::npos) return 3;
  return 0;
}

// Whether the first letter after position `i` is a capital.
bool NextLetterIsCapital(std::string_view text, std::size_t i) {
  for (std::size_t j = i + 1; j < text.size(); ++j)
    if (IsLetter(text[j])) return IsUpperCaseLetter(text[j]);
  return false;
}

}  // namespace

CKeyboard::CKeyboard(KeystrokeSink& sink) : sink_(sink) { FillProgramKeySet(keys_); }

void CKeyboard::TypeText(std::string_view text) {
  for (const char c : text) TypeCharacter(c);
}

void CKeyboard::TypeCharacter(char c) {
  if (const auto parts = DecomposeAccentedLetter(c)) {
    SendPlainCharacter(parts->deadKey);
    SendPlainCharacter(parts->baseLetter);
    return;
  }
  SendPlainCharacter(c);
}

void CKeyboard::SendPlainCharacter(char c) {
  // A line break is one plain Enter: KeyScan may answer Ctrl+Enter for a
  // line feed and Enter for a carriage return, which would type two breaks
  // (or a page break) for one "\r\n".
  if (c == '\r') return;
  if (c == '\n') {
    Tap(vk::kReturn);
    return;
  }
  const KeyScanResult scan = sink_.KeyScan(c);
  if (scan == kNoKey) return;
  for (const Modifier& modifier : kModifiers)
    if (scan & modifier.scanBit) sink_.SendKeyEvent(modifier.virtualKey, true);
  Tap(static_cast<uint8_t>(scan & 0xFF));
  for (auto modifier = std::rbegin(kModifiers); modifier != std::rend(kModifiers); ++modifier)
    if (scan & modifier->scanBit) sink_.SendKeyEvent(modifier->virtualKey, false);
}

void CKeyboard::Tap(uint8_t virtualKey) {
  sink_.SendKeyEvent(virtualKey, true);
  sink_.SendKeyEvent(virtualKey, false);
}

void CKeyboard::SendBackspaces(int count) {
  for (int i = 0; i < count; ++i) Tap(vk::kBack);
}

std::optional<uint8_t> CKeyboard::NamedKeyCode(std::string_view name) {
  name = Trim(name);
  if (name.empty()) return std::nullopt;
  if (const auto code = keys_.CodeOf(name)) return static_cast<uint8_t>(*code);
  const KeyScanResult scan = sink_.KeyScan(name.front());
  if (scan == kNoKey) return std::nullopt;
  return static_cast<uint8_t>(scan & 0xFF);
}

void CKeyboard::PressNamedKey(std::string_view name) {
  if (const auto code = NamedKeyCode(name)) sink_.SendKeyEvent(*code, true);
}

void CKeyboard::ReleaseNamedKey(std::string_view name) {
  if (const auto code = NamedKeyCode(name)) sink_.SendKeyEvent(*code, false);
}

void CKeyboard::TapNamedKey(std::string_view name) {
  if (const auto code = keys_.CodeOf(name)) {
    Tap(static_cast<uint8_t>(*code));
    return;
  }
  TypeText(name);
}

void CKeyboard::TypeKeySequence(std::string_view sequence) {
  for (const std::string& chord : Split(sequence, kChordSeparators)) {
    const std::vector<std::string> names = Split(chord, kKeySeparator);
    for (const std::string& name : names) PressNamedKey(name);
    for (auto name = names.rbegin(); name != names.rend(); ++name) ReleaseNamedKey(*name);
  }
}

void CKeyboard::InvertCase(std::string& text) {
  for (char& c : text) {
    if (DecomposeAccentedLetter(c))
      c = IsUpperCaseLetter(c) ? ToLowerCp1252(c) : ToUpperCp1252(c);
    else if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
    else if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
}

int32_t CKeyboard::CountTextKeystrokes(std::string_view text) {
  if (keys_.CodeOf(text)) return 1;
  return CountTypedKeystrokes(text);
}

int32_t CKeyboard::CountTypedKeystrokes(std::string_view text) {
  int32_t count = 0;
  for (const char c : text) count = SaturatingAdd(count, CountCharacterKeystrokes(c));
  return count;
}

int32_t CKeyboard::CountCharacterKeystrokes(char c) {
  if (const auto parts = DecomposeAccentedLetter(c))
    return CountPlainCharacter(parts->deadKey) + CountPlainCharacter(parts->baseLetter);
  return CountPlainCharacter(c);
}

int32_t CKeyboard::CountPlainCharacter(char c) {
  if (c == '\r') return 0;
  if (c == '\n') return 1;
  const KeyScanResult scan = sink_.KeyScan(c);
  if (scan == kNoKey) return 0;
  int32_t count = 1;
  for (const Modifier& modifier : kModifiers)
    if (scan & modifier.scanBit) ++count;
  return count;
}

int32_t CKeyboard::CountSequenceKeystrokes(std::string_view sequence) {
  int32_t count = 0;
  for (const std::string& chord : Split(sequence, kChordSeparators))
    for (const std::string& name : Split(chord, kKeySeparator))
      if (NamedKeyCode(name)) ++count;
  return count;
}

int32_t CKeyboard::KeystrokeCost(std::string_view text) {
  // Unlike the word prediction simulator's count, Caps Lock looks past
  // blanks and symbols to the next letter, and only a small letter ends it.
  bool capsLock = false;
  int32_t cost = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (capsLock) {
      if (IsLetter(c) && !IsUpperCaseLetter(c)) {
        capsLock = false;
        ++cost;
      }
    } else if (IsUpperCaseLetter(c)) {
      capsLock = NextLetterIsCapital(text, i);
      ++cost;  // Caps Lock on, or Shift for this capital alone
    }
    cost = SaturatingAdd(cost, CharacterCost(c));
  }
  return cost;
}

std::optional<int> CKeyboard::GetKeyCode(std::string_view name) const { return keys_.CodeOf(name); }

bool CKeyboard::IsUpperCaseLetter(char c) { return vorelio::IsUpperCaseLetter(c); }

bool CKeyboard::IsLetter(char c) { return vorelio::IsLetter(c); }

}  // namespace vorelio
