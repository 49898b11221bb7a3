// How the action of a key was set off, which the event log writes as the
// EVENT of the action's line: a physical key ("KEY_DOWN_F1"), a click on an
// on-screen key ("LEFT_MOUSE_DOWN_KEY") or a scanning selection (the switch
// action that selects under the scanning method: "SWITCH1_DOWN"...). The
// action itself (what the key did) is the TYPE, followed by its detail.
// When an on-screen key is concerned the trigger carries its place, which
// the line writes as ELEMENT and CENTER.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "logging/EventWords.h"
#include "logging/LogEvent.h"

namespace vorelio {

class KeyTrigger {
 public:
  // A physical key, by its "KEY_DOWN_" event name (KeyDownEventName), and
  // the on-screen key it acted on, if any (a physical prediction key).
  static KeyTrigger PhysicalKey(std::string keyDownEvent, std::optional<KeyPlace> key = {});
  // A left click on the on-screen key at `key`.
  static KeyTrigger MouseClick(KeyPlace key);
  // A scanning selection of the on-screen key at `key`.
  static KeyTrigger Scanning(SwitchCause cause, KeyPlace key);

  // The log line of `action` (its TYPE followed by `detail`) set off this way.
  LogEvent Event(KeyAction action, std::string_view detail) const;
  // The EVENT word alone ("LEFT_MOUSE_DOWN_KEY", "SWITCH1_DOWN", "KEY_DOWN_F1").
  std::string Word() const;
  const std::optional<KeyPlace>& Place() const { return place_; }

 private:
  enum class Kind { kPhysicalKey, kMouseClick, kScanning };
  KeyTrigger(Kind kind, std::string keyDownEvent, SwitchCause cause, std::optional<KeyPlace> place)
      : kind_(kind),
        keyDownEvent_(std::move(keyDownEvent)),
        cause_(cause),
        place_(std::move(place)) {}

  Kind kind_;
  std::string keyDownEvent_;
  SwitchCause cause_;
  std::optional<KeyPlace> place_;
};

}  // namespace vorelio
