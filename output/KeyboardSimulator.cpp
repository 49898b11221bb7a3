#include "output/KeyboardSimulator.h"

namespace vorelio {

namespace {

std::string KeyName(const TypistPress& press) {
  switch (press.kind) {
    case TypistPress::Kind::kCapsLock:
      return "CapsLock";
    case TypistPress::Kind::kShift:
      return "Shift";
    case TypistPress::Kind::kKey:
      break;
  }
  switch (press.character) {
    case ' ':
      return "Space";
    case '\n':
      return "Enter";
    case '\t':
      return "Tab";
    default:
      return std::string(1, press.character);
  }
}

}  // namespace

int32_t CKeyboardSimulator::AppendKeyNames(std::string_view text, std::vector<std::string>& names,
                                           char next) {
  const std::size_t before = names.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char following = i + 1 < text.size() ? text[i + 1] : next;
    for (const TypistPress& press : typist_.Type(text[i], following))
      names.push_back(KeyName(press));
  }
  return static_cast<int32_t>(names.size() - before);
}

}  // namespace vorelio
