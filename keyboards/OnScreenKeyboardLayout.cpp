#include "keyboards/OnScreenKeyboardLayout.h"

#include "keyboards/PictogramLabel.h"

namespace vorelio {

namespace {

KeyLayoutInput LayoutInputOf(const CColorButton& key) {
  KeyLayoutInput input;
  // A type word the program does not know is laid out as an empty place.
  input.type = key.Type().value_or(KeyType::kEmpty);
  input.label = key.Label();
  input.output = key.Output();
  if (key.Picture()) {
    input.picture = PictureSize{key.Picture()->Width(), key.Picture()->Height()};
  } else {
    input.pictogramNotLoaded = NamesPictogram(key.Label());
  }
  return input;
}

bool Contains(const KeyRect& rect, int x, int y) {
  return x >= rect.x && x < rect.x + rect.width && y >= rect.y && y < rect.y + rect.height;
}

}  // namespace

KeyboardLayout LayOutOnScreenKeyboard(COnScreenKeyboard& keyboard, const KeyFontMetrics& font) {
  KeyboardLayoutInput input;
  input.keyHeight = keyboard.KeyHeight();
  input.pictogramKeyHeight = keyboard.PictogramKeyHeight();
  input.lines.resize(static_cast<std::size_t>(keyboard.LineCount()));
  for (int line = 0; line < keyboard.LineCount(); ++line) {
    auto& groups = input.lines[static_cast<std::size_t>(line)].groups;
    groups.resize(static_cast<std::size_t>(keyboard.GroupCount(line)));
    for (int group = 0; group < keyboard.GroupCount(line); ++group) {
      for (int key = 0; key < keyboard.KeyCount(line, group); ++key) {
        groups[static_cast<std::size_t>(group)].keys.push_back(
            LayoutInputOf(*keyboard.Key({line, group, key})));
      }
    }
  }
  KeyboardLayout layout =
      LayOutKeyboard(input, keyboard.Environment().presentation, font);
  for (int line = 0; line < keyboard.LineCount(); ++line) {
    const LineLayout& lineLayout = layout.lines[static_cast<std::size_t>(line)];
    for (int group = 0; group < keyboard.GroupCount(line); ++group) {
      const GroupLayout& groupLayout = lineLayout.groups[static_cast<std::size_t>(group)];
      for (int key = 0; key < keyboard.KeyCount(line, group); ++key) {
        keyboard.Key({line, group, key})->SetRect(groupLayout.keys[static_cast<std::size_t>(key)]);
      }
    }
  }
  return layout;
}

std::optional<COnScreenKeyIdentifier> KeyAt(const KeyboardLayout& layout, int x, int y) {
  for (std::size_t line = 0; line < layout.lines.size(); ++line) {
    const LineLayout& lineLayout = layout.lines[line];
    if (!Contains(lineLayout.rect, x, y)) continue;
    for (std::size_t group = 0; group < lineLayout.groups.size(); ++group) {
      const GroupLayout& groupLayout = lineLayout.groups[group];
      for (std::size_t key = 0; key < groupLayout.keys.size(); ++key) {
        if (Contains(groupLayout.keys[key], x, y)) {
          return COnScreenKeyIdentifier{static_cast<int>(line), static_cast<int>(group),
                                        static_cast<int>(key)};
        }
      }
    }
  }
  return std::nullopt;
}

}  // namespace vorelio
