#include "platform/x11/X11KeyTable.h"

#include <xkbcommon/xkbcommon.h>

#include <cstring>
#include <string>
#include <string_view>

#include "common/PortugueseKeyboard.h"
#include "common/Text.h"
#include "common/VirtualKeys.h"

namespace vorelio::x11 {
namespace {

struct NamedSymbol {
  uint32_t keysym;
  uint8_t virtualKey;
};
constexpr NamedSymbol kNamedSymbols[] = {
    {XKB_KEY_BackSpace, 0x08},  {XKB_KEY_Tab, 0x09},         {XKB_KEY_ISO_Left_Tab, 0x09},
    {XKB_KEY_Return, 0x0D},     {XKB_KEY_KP_Enter, 0x0D},    {XKB_KEY_Shift_L, vk::kShift},
    {XKB_KEY_Shift_R, vk::kShift}, {XKB_KEY_Control_L, vk::kControl},
    {XKB_KEY_Control_R, vk::kControl}, {XKB_KEY_Alt_L, vk::kMenu}, {XKB_KEY_Alt_R, vk::kMenu},
    {XKB_KEY_Meta_L, vk::kMenu},  {XKB_KEY_ISO_Level3_Shift, vk::kMenu},
    {XKB_KEY_Pause, 0x13},      {XKB_KEY_Caps_Lock, vk::kCapital}, {XKB_KEY_Escape, 0x1B},
    {XKB_KEY_space, 0x20},      {XKB_KEY_Prior, 0x21},       {XKB_KEY_Next, 0x22},
    {XKB_KEY_End, 0x23},        {XKB_KEY_Home, 0x24},        {XKB_KEY_Left, 0x25},
    {XKB_KEY_Up, 0x26},         {XKB_KEY_Right, 0x27},       {XKB_KEY_Down, 0x28},
    {XKB_KEY_Print, 0x2C},      {XKB_KEY_Insert, 0x2D},      {XKB_KEY_Delete, 0x2E},
    {XKB_KEY_Super_L, 0x5B},    {XKB_KEY_Super_R, 0x5C},     {XKB_KEY_Menu, 0x5D},
    {XKB_KEY_KP_Multiply, 0x6A}, {XKB_KEY_KP_Add, 0x6B},     {XKB_KEY_KP_Separator, 0x6C},
    {XKB_KEY_KP_Subtract, 0x6D}, {XKB_KEY_KP_Decimal, 0x6E}, {XKB_KEY_KP_Delete, 0x6E},
    {XKB_KEY_KP_Divide, 0x6F},  {XKB_KEY_Num_Lock, 0x90},    {XKB_KEY_Scroll_Lock, 0x91},
};

// What the keypad keys do without Num Lock.
constexpr NamedSymbol kKeypadNavigation[] = {
    {XKB_KEY_KP_Home, 0x24},   {XKB_KEY_KP_Up, 0x26},     {XKB_KEY_KP_Prior, 0x21},
    {XKB_KEY_KP_Left, 0x25},   {XKB_KEY_KP_Begin, 0x0C},  {XKB_KEY_KP_Right, 0x27},
    {XKB_KEY_KP_End, 0x23},    {XKB_KEY_KP_Down, 0x28},   {XKB_KEY_KP_Next, 0x22},
    {XKB_KEY_KP_Insert, 0x2D}, {XKB_KEY_KP_Delete, 0x2E},
};

uint8_t KeypadNavigationKey(uint32_t keysym) {
  for (const NamedSymbol& named : kKeypadNavigation) {
    if (named.keysym == keysym) return named.virtualKey;
  }
  return 0;
}

// The punctuation keys by their place, with the codes of the Portuguese
// layout on Windows.
struct PlacedKey {
  const char* name;
  uint8_t virtualKey;
};
constexpr PlacedKey kPlacedKeys[] = {
    {"TLDE", vk::kBackslash},  {"AE11", vk::kApostrophe},    {"AE12", vk::kGuillemets},
    {"AD11", vk::kPlus},       {"AD12", vk::kAcuteGrave},    {"AC10", vk::kCedilla},
    {"AC11", vk::kOrdinals},   {"BKSL", vk::kTildeCircumflex}, {"LSGT", vk::kLessGreater},
    {"AB08", vk::kComma},      {"AB09", vk::kPeriod},        {"AB10", vk::kMinus},
};

uint32_t SymbolAt(xkb_keymap* keymap, Keycode keycode, xkb_level_index_t level) {
  const xkb_keysym_t* symbols = nullptr;
  const int count = xkb_keymap_key_get_syms_by_level(keymap, keycode, 0, level, &symbols);
  return count >= 1 ? symbols[0] : XKB_KEY_NoSymbol;
}

uint8_t VirtualKeyOfKey(xkb_keymap* keymap, Keycode keycode) {
  // The keypad digits show their digit on the Num Lock level.
  const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap, keycode, 0);
  for (xkb_level_index_t level = 0; level < levels; ++level) {
    const uint32_t symbol = SymbolAt(keymap, keycode, level);
    if (symbol >= XKB_KEY_KP_0 && symbol <= XKB_KEY_KP_9) return 0x60 + (symbol - XKB_KEY_KP_0);
  }
  const uint32_t symbol = SymbolAt(keymap, keycode, 0);
  if (symbol >= XKB_KEY_a && symbol <= XKB_KEY_z) return 'A' + (symbol - XKB_KEY_a);
  if (symbol >= XKB_KEY_A && symbol <= XKB_KEY_Z) return 'A' + (symbol - XKB_KEY_A);
  if (symbol >= XKB_KEY_0 && symbol <= XKB_KEY_9) return '0' + (symbol - XKB_KEY_0);
  if (const uint8_t named = VirtualKeyOfNamedSymbol(symbol); named != 0) return named;
  const char* name = xkb_keymap_key_get_name(keymap, keycode);
  if (name == nullptr) return 0;
  for (const PlacedKey& placed : kPlacedKeys) {
    if (std::strcmp(placed.name, name) == 0) return placed.virtualKey;
  }
  return 0;
}

uint32_t DeadSymbolOf(char character) {
  switch (static_cast<unsigned char>(character)) {
    case 0xB4: return XKB_KEY_dead_acute;
    case '`': return XKB_KEY_dead_grave;
    case '^': return XKB_KEY_dead_circumflex;
    case '~': return XKB_KEY_dead_tilde;
    case 0xA8: return XKB_KEY_dead_diaeresis;
    default: return XKB_KEY_NoSymbol;
  }
}

// Control characters type their key; carriage return types nothing, so
// that a "\r\n" line end is one Return.
uint8_t VirtualKeyOfControlCharacter(char character) {
  switch (character) {
    case '\b': return 0x08;
    case '\t': return 0x09;
    case '\n': return 0x0D;
    case 0x1B: return 0x1B;
    default: return 0;
  }
}

// The modifier masks of Shift and of AltGr (the level-three modifier).
struct LevelModifiers {
  explicit LevelModifiers(xkb_keymap* keymap)
      : shift(MaskOf(keymap, XKB_MOD_NAME_SHIFT)),
        altGr(MaskOf(keymap, "Mod5") | MaskOf(keymap, "LevelThree")) {}
  static xkb_mod_mask_t MaskOf(xkb_keymap* keymap, const char* name) {
    const xkb_mod_index_t index = xkb_keymap_mod_get_index(keymap, name);
    return index == XKB_MOD_INVALID ? 0 : (xkb_mod_mask_t{1} << index);
  }
  xkb_mod_mask_t shift;
  xkb_mod_mask_t altGr;
};

// The Windows-1252 byte a symbol types, or -1.
int Cp1252ByteOfSymbol(uint32_t symbol) {
  char buffer[8] = {};
  const int length = xkb_keysym_to_utf8(symbol, buffer, sizeof buffer);
  if (length <= 1) return -1;
  const std::string converted =
      Utf8ToCp1252(std::string_view(buffer, static_cast<std::size_t>(length - 1)), 0);
  return converted.size() == 1 ? static_cast<unsigned char>(converted[0]) : -1;
}

// Keeps the cheapest candidate; the first one found wins a tie.
void Offer(std::optional<CharacterKey>& best, const CharacterKey& candidate) {
  // AltGr is Ctrl+Alt to the callers: two presses.
  const auto cost = [](const CharacterKey& key) { return int{key.shift} + 2 * int{key.altGr}; };
  if (!best || cost(candidate) < cost(*best)) best = candidate;
}

}  // namespace

uint32_t ScanCodeOf(Keycode keycode) {
  if (keycode < 8) return 0;
  const uint32_t input = keycode - 8;
  if (input < 0x59) return input;
  struct Extended {
    uint32_t input;
    uint32_t scan;
  };
  // Keypad Enter, right Ctrl, keypad /, Print, right Alt, the navigation
  // block and the Windows keys.
  constexpr Extended kExtended[] = {
      {96, 0x1C}, {97, 0x1D}, {98, 0x35}, {99, 0x37}, {100, 0x38}, {102, 0x47},
      {103, 0x48}, {104, 0x49}, {105, 0x4B}, {106, 0x4D}, {107, 0x4F}, {108, 0x50},
      {109, 0x51}, {110, 0x52}, {111, 0x53}, {125, 0x5B}, {126, 0x5C}, {127, 0x5D},
  };
  for (const Extended& key : kExtended) {
    if (key.input == input) return 0x100 | key.scan;
  }
  return 0;
}

uint8_t VirtualKeyOfNamedSymbol(uint32_t keysym) {
  if (keysym >= XKB_KEY_F1 && keysym <= XKB_KEY_F24) return 0x70 + (keysym - XKB_KEY_F1);
  for (const NamedSymbol& named : kNamedSymbols) {
    if (named.keysym == keysym) return named.virtualKey;
  }
  return 0;
}

X11KeyTable::X11KeyTable(xkb_keymap* keymap) {
  const Keycode last = xkb_keymap_max_keycode(keymap);
  for (Keycode keycode = xkb_keymap_min_keycode(keymap); keycode <= last && keycode < kKeycodes;
       ++keycode) {
    const uint8_t virtualKey = VirtualKeyOfKey(keymap, keycode);
    virtualKeys_[keycode] = virtualKey;
    if (virtualKey != 0 && keycodes_[virtualKey] == 0) keycodes_[virtualKey] = keycode;
    // A keypad key moves without Num Lock: its first level says how.
    withoutNumLock_[keycode] = KeypadNavigationKey(SymbolAt(keymap, keycode, 0));
    if (SymbolAt(keymap, keycode, 0) == XKB_KEY_ISO_Level3_Shift) {
      const char* name = xkb_keymap_key_get_name(keymap, keycode);
      const bool rightAlt = name != nullptr && std::strcmp(name, "RALT") == 0;
      if (altGrKeycode_ == 0 || rightAlt) altGrKeycode_ = keycode;
    }
  }

  FindCharacterKeys(keymap);
}

void X11KeyTable::FindCharacterKeys(xkb_keymap* keymap) {
  const LevelModifiers modifiers(keymap);
  std::array<std::optional<CharacterKey>, 256> deadKeys{};
  const Keycode last = xkb_keymap_max_keycode(keymap);
  for (Keycode keycode = xkb_keymap_min_keycode(keymap); keycode <= last; ++keycode) {
    const uint8_t virtualKey = VirtualKeyOf(keycode);
    // Keypad keys type digits only with Num Lock; the main keys come first.
    if (virtualKey == 0 || (virtualKey >= 0x60 && virtualKey <= 0x6F)) continue;
    const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap, keycode, 0);
    for (xkb_level_index_t level = 0; level < levels; ++level) {
      const uint32_t symbol = SymbolAt(keymap, keycode, level);
      int deadByte = -1;
      for (const char dead : {'\xB4', '`', '^', '~', '\xA8'}) {
        if (DeadSymbolOf(dead) == symbol) deadByte = static_cast<unsigned char>(dead);
      }
      const int byte = deadByte >= 0 ? deadByte : Cp1252ByteOfSymbol(symbol);
      if (byte < 0x20 || byte == 0x7F) continue;  // control characters: below
      xkb_mod_mask_t masks[8];
      const std::size_t count =
          xkb_keymap_key_get_mods_for_level(keymap, keycode, 0, level, masks, 8);
      for (std::size_t i = 0; i < count; ++i) {
        if ((masks[i] & ~(modifiers.shift | modifiers.altGr)) != 0) continue;  // Lock...
        const CharacterKey candidate{keycode, virtualKey, (masks[i] & modifiers.shift) != 0,
                                     (masks[i] & modifiers.altGr) != 0};
        Offer(deadByte >= 0 ? deadKeys[byte] : characterKeys_[byte], candidate);
        if (candidate.altGr && keycode < kKeycodes) altGrKeys_[keycode] = true;
      }
    }
  }
  // A dead key is preferred for its own character.
  for (int byte = 0; byte < 256; ++byte) {
    if (deadKeys[byte]) characterKeys_[byte] = deadKeys[byte];
  }
  for (int byte = 1; byte < 0x20; ++byte) {
    const uint8_t virtualKey = VirtualKeyOfControlCharacter(static_cast<char>(byte));
    if (virtualKey != 0 && keycodes_[virtualKey] != 0) {
      characterKeys_[byte] = CharacterKey{keycodes_[virtualKey], virtualKey, false, false};
    }
  }
}

uint8_t X11KeyTable::VirtualKeyOf(Keycode keycode) const {
  return keycode < kKeycodes ? virtualKeys_[keycode] : 0;
}

uint8_t X11KeyTable::VirtualKeyOf(Keycode keycode, bool numLockOn) const {
  if (keycode >= kKeycodes) return 0;
  return !numLockOn && withoutNumLock_[keycode] != 0 ? withoutNumLock_[keycode]
                                                     : virtualKeys_[keycode];
}

Keycode X11KeyTable::KeycodeOf(uint8_t virtualKey) const { return keycodes_[virtualKey]; }

std::optional<CharacterKey> X11KeyTable::KeyFor(char character) const {
  return characterKeys_[static_cast<unsigned char>(character)];
}

}  // namespace vorelio::x11
