#include "tools/replay/ReplayScript.h"

#include <charconv>
#include <optional>

#include "common/Scanner.h"
#include "common/Text.h"

namespace vorelio {

namespace {

// The longest wait a step may ask for: a day of ticks.
constexpr int kLongestWaitMs = 24 * 60 * 60 * 1000;

std::optional<int> Number(std::string_view word, int lowest, int highest) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  if (value < lowest || value > highest) return std::nullopt;
  return value;
}

// "L.G.K", each index 0-255 so that the position can travel in a message.
std::optional<COnScreenKeyIdentifier> KeyPosition(std::string_view word) {
  int parts[3];
  for (int i = 0; i < 3; ++i) {
    const std::size_t dot = i < 2 ? word.find('.') : word.size();
    if (dot == std::string_view::npos) return std::nullopt;
    const std::optional<int> index = Number(word.substr(0, dot), 0, 255);
    if (!index) return std::nullopt;
    parts[i] = *index;
    word.remove_prefix(i < 2 ? dot + 1 : dot);
  }
  return COnScreenKeyIdentifier{parts[0], parts[1], parts[2]};
}

std::string_view WithoutLeadingBlanks(std::string_view text) {
  while (!text.empty() && IsScanSpace(text.front())) text.remove_prefix(1);
  return text;
}

// Reads one line into `step`; the error when it is not a step.
std::string ReadStep(std::string_view line, ReplayStep& step) {
  LineScanner words(line);
  std::string_view command;
  words.String(command);
  // What follows the command and one blank, to the end of the line, blanks
  // kept: the text of "type".
  std::string_view rest = line.substr(static_cast<std::size_t>(command.data() - line.data()) +
                                      command.size());
  if (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
  std::string_view first, second;
  const bool hasFirst = words.String(first);
  const bool hasSecond = words.String(second);
  const bool more = !words.AtEnd();

  if (command == "app" || command == "key") {
    if (!hasFirst || hasSecond) return std::string("'") + std::string(command) + "' takes one name";
    step.action = command == "app" ? ReplayAction::kApplication : ReplayAction::kKey;
    step.text = first;
    return {};
  }
  if (command == "type") {
    if (rest.empty()) return "'type' needs a text";
    step.action = ReplayAction::kType;
    step.text = rest;
    return {};
  }
  if (command == "click") {
    const std::optional<COnScreenKeyIdentifier> key = hasFirst ? KeyPosition(first) : std::nullopt;
    if (!key || more) return "'click' takes a key as L.G.K and, optionally, right or middle";
    step.action = ReplayAction::kClick;
    step.key = *key;
    if (!hasSecond) return {};
    if (second == "right") {
      step.button = MouseButton::kRight;
    } else if (second == "middle") {
      step.button = MouseButton::kMiddle;
    } else {
      return "'click' takes right or middle after the key, not '" + std::string(second) + "'";
    }
    return {};
  }
  if (command == "word" || command == "sentence") {
    const std::optional<int> n = hasFirst && !hasSecond ? Number(first, 1, 100) : std::nullopt;
    if (!n) return std::string("'") + std::string(command) + "' takes a number from 1 to 100";
    step.action = command == "word" ? ReplayAction::kWordSuggestion : ReplayAction::kSentenceSuggestion;
    step.number = *n;
    return {};
  }
  if (command == "switch") {
    const std::optional<int> s = hasFirst ? Number(first, 1, 2) : std::nullopt;
    if (!s || !hasSecond || more || (second != "down" && second != "up" && second != "press"))
      return "'switch' takes 1 or 2 and down, up or press";
    step.action = second == "down" ? ReplayAction::kSwitchDown
                  : second == "up" ? ReplayAction::kSwitchUp
                                   : ReplayAction::kSwitchPress;
    step.number = *s;
    return {};
  }
  if (command == "wait") {
    const std::optional<int> ms = hasFirst && !hasSecond ? Number(first, 0, kLongestWaitMs) : std::nullopt;
    if (!ms) return "'wait' takes milliseconds, from 0 to " + std::to_string(kLongestWaitMs);
    step.action = ReplayAction::kWait;
    step.number = *ms;
    return {};
  }
  if (command == "show") {
    if (hasFirst) return "'show' takes nothing";
    step.action = ReplayAction::kShow;
    return {};
  }
  return "unknown step '" + std::string(command) + "'";
}

}  // namespace

ReplayScript ParseReplayScript(std::string_view script) {
  const std::string text = UserTextToCp1252(script);
  ReplayScript result;
  int number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view content = WithoutLeadingBlanks(line);
    if (content.empty() || content.front() == '#') continue;
    ReplayStep step;
    step.line = number;
    const std::string error = ReadStep(content, step);
    if (!error.empty()) {
      return {{}, "line " + std::to_string(number) + ": " + error};
    }
    result.steps.push_back(std::move(step));
  }
  return result;
}

}  // namespace vorelio
