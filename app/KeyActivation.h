// How the action of a key was set off, which the event log writes as the
// EVENT of the action's line: a physical key ("KEY_DOWN_F1"), or an
// on-screen key clicked or selected by scanning (KeyTrigger:
// "LEFT_MOUSE_DOWN_KEY", "SWITCH1_DOWN"...). The action itself (what the key
// did) is the TYPE, followed by its detail. When an on-screen key is
// concerned its place is written as ELEMENT and CENTER.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "logging/EventWords.h"
#include "logging/LogEvent.h"

namespace vorelio {

class KeyActivation {
 public:
  // A physical key, by its "KEY_DOWN_" event name (KeyDownEventName), and
  // the on-screen key it acted on, if any (a physical prediction key).
  static KeyActivation PhysicalKey(std::string keyDownEvent, std::optional<KeyPlace> key = {});
  // The on-screen key at `key`, clicked or selected by scanning.
  static KeyActivation OnScreenKey(KeyTrigger trigger, KeyPlace key);

  // The log line of `action` (its TYPE followed by `detail`) set off this way.
  LogEvent Event(KeyAction action, std::string_view detail) const;

 private:
  KeyActivation(std::string keyDownEvent, std::optional<KeyTrigger> trigger,
                std::optional<KeyPlace> place)
      : keyDownEvent_(std::move(keyDownEvent)), trigger_(trigger), place_(std::move(place)) {}

  std::string keyDownEvent_;           // a physical key's
  std::optional<KeyTrigger> trigger_;  // an on-screen key's
  std::optional<KeyPlace> place_;
};

}  // namespace vorelio
