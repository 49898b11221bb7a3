#include "app/KeyActivation.h"

#include <utility>

#include "logging/EventCatalogue.h"

namespace vorelio {

KeyActivation KeyActivation::PhysicalKey(std::string keyDownEvent, std::optional<KeyPlace> key) {
  return KeyActivation(std::move(keyDownEvent), std::nullopt, std::move(key));
}

KeyActivation KeyActivation::OnScreenKey(KeyTrigger trigger, KeyPlace key) {
  return KeyActivation({}, trigger, std::move(key));
}

LogEvent KeyActivation::Event(KeyAction action, std::string_view detail) const {
  if (trigger_) return OnScreenKeyAction(*trigger_, action, detail, *place_);
  return place_ ? KeyDownAction(keyDownEvent_, action, detail, *place_)
                : KeyDownAction(keyDownEvent_, action, detail);
}

}  // namespace vorelio
