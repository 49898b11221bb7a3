#include "common/PortugueseKeyboard.h"

#include <array>
#include <string_view>

namespace vorelio {

namespace {

struct KeyEntry {
  char character;
  KeyPress press;
};

constexpr KeyPress Plain(uint8_t key) { return {key, false, false}; }
constexpr KeyPress Shifted(uint8_t key) { return {key, true, false}; }
constexpr KeyPress ThirdLevel(uint8_t key) { return {key, false, true}; }

// Every character of the layout that is not a letter or a digit.
constexpr KeyEntry kSymbolKeys[] = {
    {' ', Plain(vk::kSpace)},           {'\n', Plain(vk::kReturn)},
    {'\t', Plain(vk::kTab)},            {'\\', Plain(vk::kBackslash)},
    {'|', Shifted(vk::kBackslash)},     {'!', Shifted('1')},
    {'"', Shifted('2')},                {'@', ThirdLevel('2')},
    {'#', Shifted('3')},                {'\xA3', ThirdLevel('3')},  // £
    {'$', Shifted('4')},                {'\xA7', ThirdLevel('4')},  // §
    {'%', Shifted('5')},                {'\x80', ThirdLevel('5')},  // €
    {'&', Shifted('6')},                {'/', Shifted('7')},
    {'{', ThirdLevel('7')},             {'(', Shifted('8')},
    {'[', ThirdLevel('8')},             {')', Shifted('9')},
    {']', ThirdLevel('9')},             {'=', Shifted('0')},
    {'}', ThirdLevel('0')},             {'\'', Plain(vk::kApostrophe)},
    {'?', Shifted(vk::kApostrophe)},    {'\xAB', Plain(vk::kGuillemets)},  // «
    {'\xBB', Shifted(vk::kGuillemets)},  // »
    {'+', Plain(vk::kPlus)},            {'*', Shifted(vk::kPlus)},
    {'\xA8', ThirdLevel(vk::kPlus)},    // ¨ (dead)
    {'\xB4', Plain(vk::kAcuteGrave)},   // ´ (dead)
    {'`', Shifted(vk::kAcuteGrave)},    // (dead)
    {'\xE7', Plain(vk::kCedilla)},      // ç
    {'\xC7', Shifted(vk::kCedilla)},    // Ç
    {'\xBA', Plain(vk::kOrdinals)},     // º
    {'\xAA', Shifted(vk::kOrdinals)},   // ª
    {'~', Plain(vk::kTildeCircumflex)},  // (dead)
    {'^', Shifted(vk::kTildeCircumflex)},  // (dead)
    {'<', Plain(vk::kLessGreater)},     {'>', Shifted(vk::kLessGreater)},
    {',', Plain(vk::kComma)},           {';', Shifted(vk::kComma)},
    {'.', Plain(vk::kPeriod)},          {':', Shifted(vk::kPeriod)},
    {'-', Plain(vk::kMinus)},
};
constexpr KeyEntry kUnderscore = {'_', Shifted(vk::kMinus)};

// Accented letters in Windows-1252, by accent, in the order A E I O U.
constexpr std::string_view kGraveCapitals = "\xC0\xC8\xCC\xD2\xD9";
constexpr std::string_view kAcuteCapitals = "\xC1\xC9\xCD\xD3\xDA";
constexpr std::string_view kCircumflexCapitals = "\xC2\xCA\xCE\xD4\xDB";
constexpr std::string_view kGraveSmall = "\xE0\xE8\xEC\xF2\xF9";
constexpr std::string_view kAcuteSmall = "\xE1\xE9\xED\xF3\xFA";
constexpr std::string_view kCircumflexSmall = "\xE2\xEA\xEE\xF4\xFB";
constexpr std::string_view kVowelCapitals = "AEIOU";
constexpr std::string_view kVowelSmall = "aeiou";

constexpr std::string_view kAccentedCapitals =
    "\xC0\xC1\xC2\xC3\xC7\xC8\xC9\xCA\xCC\xCD\xCE\xD2\xD3\xD4\xD5\xD9\xDA\xDB";
constexpr std::string_view kAccentedSmall =
    "\xE0\xE1\xE2\xE3\xE7\xE8\xE9\xEA\xEC\xED\xEE\xF2\xF3\xF4\xF5\xF9\xFA\xFB";

}  // namespace

std::optional<KeyPress> PortugueseKeyFor(char c) {
  if (c >= 'a' && c <= 'z') return Plain(static_cast<uint8_t>(c - 'a' + 'A'));
  if (c >= 'A' && c <= 'Z') return Shifted(static_cast<uint8_t>(c));
  if (c >= '1' && c <= '9') return Plain(static_cast<uint8_t>(c));
  if (c == '0') return Plain('0');
  if (c == kUnderscore.character) return kUnderscore.press;
  for (const KeyEntry& entry : kSymbolKeys)
    if (entry.character == c) return entry.press;
  return std::nullopt;
}

namespace {

struct Accent {
  std::string_view letters;
  std::string_view bases;
  char deadKey;
};

// The letters keystroke synthesis types through a dead key.
constexpr std::array<Accent, 8> kSynthesizedAccents = {{
    {kGraveCapitals, kVowelCapitals, '`'},
    {kAcuteCapitals, kVowelCapitals, '\xB4'},
    {kCircumflexCapitals, kVowelCapitals, '^'},
    {"\xC3\xD5", "AO", '~'},
    {kGraveSmall, kVowelSmall, '`'},
    {kAcuteSmall, kVowelSmall, '\xB4'},
    {kCircumflexSmall, kVowelSmall, '^'},
    {"\xE3\xF5", "ao", '~'},
}};

// The other letters of Windows-1252 that the layout's dead keys type.
constexpr std::array<Accent, 6> kOtherAccents = {{
    {"\xC4\xCB\xCF\xD6\xDC\x9F", "AEIOUY", '\xA8'},  // Ä Ë Ï Ö Ü Ÿ
    {"\xE4\xEB\xEF\xF6\xFC\xFF", "aeiouy", '\xA8'},  // ä ë ï ö ü ÿ
    {"\xD1", "N", '~'},
    {"\xF1", "n", '~'},
    {"\xDD", "Y", '\xB4'},
    {"\xFD", "y", '\xB4'},
}};

template <std::size_t N>
std::optional<DeadKeyDecomposition> Decompose(const std::array<Accent, N>& accents, char c) {
  for (const Accent& accent : accents) {
    const std::size_t index = accent.letters.find(c);
    if (index != std::string_view::npos)
      return DeadKeyDecomposition{accent.deadKey, accent.bases[index]};
  }
  return std::nullopt;
}

}  // namespace

std::optional<DeadKeyDecomposition> DecomposeAccentedLetter(char c) {
  return Decompose(kSynthesizedAccents, c);
}

std::optional<DeadKeyDecomposition> DecomposeAnyAccentedLetter(char c) {
  if (const auto parts = Decompose(kSynthesizedAccents, c)) return parts;
  return Decompose(kOtherAccents, c);
}

bool IsUpperCaseLetter(char c) {
  return (c >= 'A' && c <= 'Z') || kAccentedCapitals.find(c) != std::string_view::npos;
}

bool IsLetter(char c) {
  return IsUpperCaseLetter(c) || (c >= 'a' && c <= 'z') ||
         kAccentedSmall.find(c) != std::string_view::npos;
}

int16_t PortugueseKeyScan(char c) {
  const std::optional<KeyPress> press = PortugueseKeyFor(c);
  if (!press) return -1;
  int scan = press->virtualKey;
  if (press->shift) scan |= 0x100;
  if (press->altGr) scan |= 0x200 | 0x400;
  return static_cast<int16_t>(scan);
}

}  // namespace vorelio
