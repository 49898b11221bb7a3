#include "app/KeyTrigger.h"

#include <utility>

#include "logging/EventCatalogue.h"

namespace vorelio {

KeyTrigger KeyTrigger::PhysicalKey(std::string keyDownEvent, std::optional<KeyPlace> key) {
  return KeyTrigger(Kind::kPhysicalKey, std::move(keyDownEvent), SwitchCause::kSwitch1Down,
                    std::move(key));
}

KeyTrigger KeyTrigger::MouseClick(KeyPlace key) {
  return KeyTrigger(Kind::kMouseClick, {}, SwitchCause::kSwitch1Down, std::move(key));
}

KeyTrigger KeyTrigger::Scanning(SwitchCause cause, KeyPlace key) {
  return KeyTrigger(Kind::kScanning, {}, cause, std::move(key));
}

LogEvent KeyTrigger::Event(KeyAction action, std::string_view detail) const {
  switch (kind_) {
    case Kind::kMouseClick:
      return OnScreenKeyClick(action, detail, *place_);
    case Kind::kScanning:
      return ScanningKeySelected(cause_, action, detail, *place_);
    case Kind::kPhysicalKey:
      break;
  }
  return place_ ? KeyDownAction(keyDownEvent_, action, detail, *place_)
                : KeyDownAction(keyDownEvent_, action, detail);
}

std::string KeyTrigger::Word() const {
  // Any action will do: the EVENT does not depend on it.
  return Event(KeyAction::kTextKeySelection, {}).event;
}

}  // namespace vorelio
