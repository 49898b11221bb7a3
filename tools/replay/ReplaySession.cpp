#include "tools/replay/ReplaySession.h"

#include <algorithm>

#include "common/PortugueseKeyboard.h"
#include "keyboards/KeyType.h"

namespace vorelio {

namespace {

bool CanBeTyped(char c) {
  return DecomposeAccentedLetter(c).has_value() || PortugueseKeyFor(c).has_value();
}

std::string Joined(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  return joined;
}

}  // namespace

std::string ReplaySession::Run(const ReplayScript& script) {
  for (const ReplayStep& step : script.steps) {
    report_.Step(step);
    const std::string error = Perform(step);
    if (!error.empty()) return "line " + std::to_string(step.line) + ": " + error;
    report_.Changes(program_, step.action == ReplayAction::kShow);
  }
  return {};
}

std::string ReplaySession::Perform(const ReplayStep& step) {
  switch (step.action) {
    case ReplayAction::kApplication:
      return Application(step);
    case ReplayAction::kType:
      return Type(step);
    case ReplayAction::kKey:
      return Key(step);
    case ReplayAction::kClick:
      return Click(step);
    case ReplayAction::kWordSuggestion:
    case ReplayAction::kSentenceSuggestion:
      return Suggestion(step);
    case ReplayAction::kSwitchDown:
    case ReplayAction::kSwitchUp:
    case ReplayAction::kSwitchPress:
      return Switch(step);
    case ReplayAction::kWait:
      program_.PassTime(step.number);
      return {};
    case ReplayAction::kShow:
      break;
  }
  return {};
}

std::string ReplaySession::Application(const ReplayStep& step) {
  if (program_.FocusApplication(step.text)) return {};
  return "the program did not take " + step.text + " as the application it writes in";
}

std::string ReplaySession::NeedsApplicationInFront() const {
  if (program_.Foreground() != nullptr) return {};
  return "no application is in front to take the keys: begin with 'app NAME'";
}

std::string ReplaySession::Type(const ReplayStep& step) {
  if (std::string error = NeedsApplicationInFront(); !error.empty()) return error;
  const auto untypable = std::find_if_not(step.text.begin(), step.text.end(), CanBeTyped);
  if (untypable != step.text.end()) {
    std::string error = "'";
    error += *untypable;
    return error + "' cannot be typed on the Portuguese keyboard";
  }
  for (const char c : step.text) {
    program_.Desktop().TypeText(std::string_view(&c, 1));
    program_.Pump();
    program_.PassTime(kReplayKeyIntervalMs);
  }
  return {};
}

std::string ReplaySession::Key(const ReplayStep& step) {
  if (std::string error = NeedsApplicationInFront(); !error.empty()) return error;
  const CKeyboard& keystrokes = program_.View().Keystrokes();
  const std::optional<int> code = keystrokes.GetKeyCode(step.text);
  if (!code) {
    return "'" + step.text + "' is not one of the program's key names (" +
           Joined(keystrokes.Keys().AllNames()) + ")";
  }
  program_.Desktop().TapKey(static_cast<uint8_t>(*code));
  program_.Pump();
  program_.PassTime(kReplayKeyIntervalMs);
  return {};
}

// Through the keyboard model's key, as the keyboard widget passes a mouse
// press: an active key posts its press to the controller.
void ReplaySession::Press(const COnScreenKeyIdentifier& key, MouseButton button) {
  program_.View().Keyboard().Key(key)->Press(button, {});
  program_.Pump();
  program_.PassTime(kReplayKeyIntervalMs);
}

std::string ReplaySession::Click(const ReplayStep& step) {
  CPredarinView& view = program_.View();
  if (view.Keyboard().Key(step.key) == nullptr) {
    return "the keyboard " + view.Options().keyboardName + " has no key " + step.key.Text();
  }
  if (!view.Keyboard().KeyIsActive(step.key))
    report_.Note("the key is inactive: a click does nothing");
  Press(step.key, step.button);
  return {};
}

std::string ReplaySession::Suggestion(const ReplayStep& step) {
  const bool words = step.action == ReplayAction::kWordSuggestion;
  const char* kind = words ? "word" : "sentence";
  CPredarinView& view = program_.View();
  const std::vector<COnScreenKeyIdentifier>& keys = view.Keyboard().SuggestionKeys(
      words ? KeyType::kWordSuggestion : KeyType::kSentenceSuggestion);
  const std::string& keyboard = view.Options().keyboardName;
  if (keys.empty()) return "the keyboard " + keyboard + " has no " + kind + " suggestion keys";
  if (static_cast<std::size_t>(step.number) > keys.size()) {
    return "the keyboard " + keyboard + " has " + std::to_string(keys.size()) + " " + kind +
           " suggestion keys, not " + std::to_string(step.number);
  }
  const COnScreenKeyIdentifier& key = keys[static_cast<std::size_t>(step.number) - 1];
  if (view.Keyboard().Key(key)->Suggestion().empty()) {
    return std::string(kind) + " suggestion key " + std::to_string(step.number) +
           " is empty: suggestions come " + SuggestionDelay(view.Options()) +
           " after the last key; 'wait' for them";
  }
  Press(key, MouseButton::kLeft);
  return {};
}

std::string ReplaySession::Switch(const ReplayStep& step) {
  if (std::string error = NeedsApplicationInFront(); !error.empty()) return error;
  CPredarinView& view = program_.View();
  const std::string& name =
      step.number == 1 ? view.Options().switch1Key : view.Options().switch2Key;
  const std::optional<int> code = view.Keystrokes().GetKeyCode(name);
  if (!code) {
    return "the profile gives switch " + std::to_string(step.number) + " no key of the program ('" +
           name + "')";
  }
  const auto key = static_cast<uint8_t>(*code);
  sim::SimDesktop& desktop = program_.Desktop();
  if (step.action != ReplayAction::kSwitchUp) {
    desktop.PressKey(key);
    program_.Pump();
  }
  if (step.action == ReplayAction::kSwitchPress) {
    // Scanning takes a switch event at the first tick after it has stood
    // for the latency (counted in whole ticks from the next one).
    program_.PassTime(RoundUpToTick(view.Options().switchLatencyMs) + kTimerPeriodMs);
  }
  if (step.action != ReplayAction::kSwitchDown) {
    desktop.ReleaseKey(key);
    program_.Pump();
  }
  program_.PassTime(kReplayKeyIntervalMs);
  return {};
}

}  // namespace vorelio
