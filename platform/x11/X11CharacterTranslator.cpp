#include "platform/x11/X11CharacterTranslator.h"

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <string_view>

#include "common/Text.h"

namespace vorelio::x11 {
namespace {

const char* UserLocale() {
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

}  // namespace

X11CharacterTranslator::X11CharacterTranslator() {
  xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
  if (context == nullptr) return;
  composeTable_ =
      xkb_compose_table_new_from_locale(context, UserLocale(), XKB_COMPOSE_COMPILE_NO_FLAGS);
  if (composeTable_ == nullptr) {
    composeTable_ =
        xkb_compose_table_new_from_locale(context, "en_US.UTF-8", XKB_COMPOSE_COMPILE_NO_FLAGS);
  }
  if (composeTable_ != nullptr) {
    compose_ = xkb_compose_state_new(composeTable_, XKB_COMPOSE_STATE_NO_FLAGS);
  }
  xkb_context_unref(context);
}

X11CharacterTranslator::~X11CharacterTranslator() {
  xkb_compose_state_unref(compose_);
  xkb_compose_table_unref(composeTable_);
  xkb_state_unref(state_);
  xkb_keymap_unref(keymap_);
}

void X11CharacterTranslator::SetKeymap(xkb_keymap* keymap, uint32_t lockedModifiers,
                                       uint32_t lockedGroup) {
  xkb_state_unref(state_);
  xkb_keymap_unref(keymap_);
  keymap_ = keymap != nullptr ? xkb_keymap_ref(keymap) : nullptr;
  state_ = keymap_ != nullptr ? xkb_state_new(keymap_) : nullptr;
  if (state_ != nullptr) {
    xkb_state_update_mask(state_, 0, 0, lockedModifiers, 0, 0, lockedGroup);
    for (std::size_t keycode = 0; keycode < pressed_.size(); ++keycode)
      if (pressed_[keycode]) xkb_state_update_key(state_, static_cast<xkb_keycode_t>(keycode), XKB_KEY_DOWN);
  }
  if (compose_ != nullptr) xkb_compose_state_reset(compose_);
}

void X11CharacterTranslator::KeyEvent(Keycode keycode, bool down, bool typesCharacters,
                                      std::string& characters) {
  if (state_ == nullptr) return;
  if (down && typesCharacters) {
    const xkb_keysym_t symbol = xkb_state_key_get_one_sym(state_, keycode);
    xkb_compose_feed_result fed = XKB_COMPOSE_FEED_IGNORED;
    if (compose_ != nullptr) fed = xkb_compose_state_feed(compose_, symbol);
    const xkb_compose_status status =
        compose_ != nullptr ? xkb_compose_state_get_status(compose_) : XKB_COMPOSE_NOTHING;
    if (fed == XKB_COMPOSE_FEED_ACCEPTED && status == XKB_COMPOSE_COMPOSED) {
      char utf8[16] = {};
      xkb_compose_state_get_utf8(compose_, utf8, sizeof utf8);
      AppendUtf8(utf8, characters);
      xkb_compose_state_reset(compose_);
    } else if (fed == XKB_COMPOSE_FEED_ACCEPTED && status == XKB_COMPOSE_CANCELLED) {
      xkb_compose_state_reset(compose_);
    } else if (status != XKB_COMPOSE_COMPOSING && symbol != XKB_KEY_Delete &&
               symbol != XKB_KEY_KP_Delete) {
      const bool alt = xkb_state_mod_name_is_active(state_, XKB_MOD_NAME_ALT,
                                                    XKB_STATE_MODS_EFFECTIVE) > 0;
      const bool ctrl = xkb_state_mod_name_is_active(state_, XKB_MOD_NAME_CTRL,
                                                     XKB_STATE_MODS_EFFECTIVE) > 0;
      if (!alt || ctrl) {
        char utf8[16] = {};
        xkb_state_key_get_utf8(state_, keycode, utf8, sizeof utf8);
        AppendUtf8(utf8, characters);
      }
    }
  }
  if (keycode < pressed_.size()) pressed_[keycode] = down;
  xkb_state_update_key(state_, keycode, down ? XKB_KEY_DOWN : XKB_KEY_UP);
}

bool X11CharacterTranslator::CapsLockOn() const {
  return state_ != nullptr &&
         xkb_state_mod_name_is_active(state_, XKB_MOD_NAME_CAPS, XKB_STATE_MODS_LOCKED) > 0;
}

bool X11CharacterTranslator::NumLockOn() const {
  return state_ != nullptr && xkb_state_led_name_is_active(state_, XKB_LED_NAME_NUM) > 0;
}

void X11CharacterTranslator::AppendUtf8(const char* utf8, std::string& characters) const {
  const std::string_view text(utf8);
  if (text.empty()) return;
  characters += Utf8ToCp1252(text, 0);
}

}  // namespace vorelio::x11
