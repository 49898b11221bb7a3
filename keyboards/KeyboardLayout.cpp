#include "keyboards/KeyboardLayout.h"

#include <algorithm>

#include "keyboards/KeySymbol.h"

namespace vorelio {

namespace {

constexpr int kMinimumStretchedWidth = 250;
constexpr int kMaximumSentenceKeyWidth = 400;

struct Sizes {
  int key;        // h
  int pictogram;  // p
  const KeyboardPresentation& presentation;
  const KeyFontMetrics& font;
};

struct Size {
  int width = 0;
  int height = 0;
};

bool HasPicture(const KeyLayoutInput& key) {
  return key.picture && key.picture->width > 0 && key.picture->height > 0;
}

// A suggestion key sized for `chars` average characters of the key font.
int SuggestionTextWidth(int chars, const Sizes& sizes) {
  return sizes.font.AverageCharWidth() * chars + 2 * kKeyTextMargin;
}

Size NaturalSize(const KeyLayoutInput& key, const Sizes& sizes) {
  const int h = sizes.key;
  const int p = sizes.pictogram;
  const KeyboardPresentation& presentation = sizes.presentation;
  const int pictureKeyHeight = p + 2 * kKeyPictureMargin;
  switch (key.type) {
    case KeyType::kNormal: {
      const std::optional<KeySymbol> symbol = SymbolOfOutput(key.output);
      const int width = symbol ? SymbolKeyWidth(*symbol, h)
                               : sizes.font.TextWidth(key.label) + 2 * kKeyTextMargin;
      return {width, key.pictogramNotLoaded ? 2 * kKeyTextMargin : h};
    }
    case KeyType::kPictogram:
      if (!HasPicture(key)) return {2 * kKeyPictureMargin, 2 * kKeyPictureMargin};
      // The picture keeps its proportions at the pictogram height.
      return {p * key.picture->width / key.picture->height, pictureKeyHeight};
    case KeyType::kEmpty:
      return {(p + h) / 6, (p + h) / 6};
    case KeyType::kWordSuggestion:
      return {SuggestionTextWidth(presentation.wordSuggestionChars, sizes), h};
    case KeyType::kSentenceSuggestion: {
      const int textWidth = SuggestionTextWidth(presentation.sentenceSuggestionChars, sizes);
      const int width = std::min(kMaximumSentenceKeyWidth, textWidth);
      if (presentation.sentenceSuggestionKeyHeight > 0) {
        return {width, presentation.sentenceSuggestionKeyHeight};
      }
      // As many text lines as the width needs, plus one.
      const int lines = width > 0 ? textWidth / width + 1 : 1;
      return {width, sizes.font.LineHeight() * lines};
    }
    case KeyType::kPictogramSuggestion:
      return {p, pictureKeyHeight};
    case KeyType::kPictogramSentenceSuggestion:
      return {presentation.pictogramsPerSentence * p + 2 * kKeyTextMargin, pictureKeyHeight};
  }
  return {};
}

bool Stretches(const KeyLayoutInput& key) { return key.type != KeyType::kEmpty; }

// Calls `apply(rect)` for every key of the line that stretches.
template <typename Apply>
void ForStretchingKeys(LineLayout& line, const LineLayoutInput& input, Apply apply) {
  for (std::size_t g = 0; g < line.groups.size(); ++g) {
    for (std::size_t k = 0; k < line.groups[g].keys.size(); ++k) {
      if (Stretches(input.groups[g].keys[k])) apply(line.groups[g].keys[k]);
    }
  }
}

// Places the keys of each group and the groups of the line left to right
// from x = 0, all at y = 0, and sizes the groups and the line around them:
// a group as wide as its keys and the gaps between them and as tall as its
// tallest key; the line likewise over its groups.
void PackLine(LineLayout& line, int keyGap, int groupGap) {
  int x = 0;
  line.rect = {};
  for (std::size_t g = 0; g < line.groups.size(); ++g) {
    GroupLayout& group = line.groups[g];
    if (g > 0) x += groupGap;
    group.rect = {x, 0, 0, 0};
    for (std::size_t k = 0; k < group.keys.size(); ++k) {
      KeyRect& key = group.keys[k];
      if (k > 0) x += keyGap;
      key.x = x;
      key.y = 0;
      x += key.width;
      group.rect.height = std::max(group.rect.height, key.height);
    }
    group.rect.width = x - group.rect.x;
    line.rect.height = std::max(line.rect.height, group.rect.height);
  }
  line.rect.width = x;
}

void MoveDown(LineLayout& line, int y) {
  line.rect.y = y;
  for (GroupLayout& group : line.groups) {
    group.rect.y = y;
    for (KeyRect& key : group.keys) key.y = y;
  }
}

}  // namespace

int EffectiveKeyHeight(int keyboardValue, int profileValue) {
  return keyboardValue > 0 ? keyboardValue : profileValue;
}

KeyboardLayout LayOutKeyboard(const KeyboardLayoutInput& keyboard,
                              const KeyboardPresentation& presentation,
                              const KeyFontMetrics& font) {
  const Sizes sizes{EffectiveKeyHeight(keyboard.keyHeight, presentation.keyHeight),
                    EffectiveKeyHeight(keyboard.pictogramKeyHeight, presentation.pictogramKeyHeight),
                    presentation, font};
  const auto packAll = [&](KeyboardLayout& layout) {
    for (LineLayout& line : layout.lines) PackLine(line, presentation.keyGap, presentation.groupGap);
  };
  const auto widest = [](const KeyboardLayout& layout) {
    int width = 0;
    for (const LineLayout& line : layout.lines) width = std::max(width, line.rect.width);
    return width;
  };

  // Natural sizes, then every key but the empty ones as tall as its line.
  KeyboardLayout layout;
  for (const LineLayoutInput& lineInput : keyboard.lines) {
    LineLayout& line = layout.lines.emplace_back();
    for (const GroupLayoutInput& groupInput : lineInput.groups) {
      GroupLayout& group = line.groups.emplace_back();
      for (const KeyLayoutInput& key : groupInput.keys) {
        const Size size = NaturalSize(key, sizes);
        group.keys.push_back({0, 0, size.width, size.height});
      }
    }
  }
  packAll(layout);
  for (std::size_t l = 0; l < layout.lines.size(); ++l) {
    const int height = layout.lines[l].rect.height;
    ForStretchingKeys(layout.lines[l], keyboard.lines[l], [&](KeyRect& key) { key.height = height; });
  }
  packAll(layout);  // a group grows with its keys, which are not cut off

  // Every line as long as the longest, and at least 250: the extra width is
  // shared among the keys that stretch, the remainder going to the first.
  const int stretchedWidth = std::max(widest(layout), kMinimumStretchedWidth);
  if (presentation.stretchLength) {
    for (std::size_t l = 0; l < layout.lines.size(); ++l) {
      LineLayout& line = layout.lines[l];
      int stretching = 0;
      ForStretchingKeys(line, keyboard.lines[l], [&](KeyRect&) { ++stretching; });
      if (stretching == 0) continue;
      const int extra = stretchedWidth - line.rect.width;
      int remainder = extra % stretching;
      ForStretchingKeys(line, keyboard.lines[l], [&](KeyRect& key) {
        key.width += extra / stretching + remainder;
        remainder = 0;
      });
    }
    packAll(layout);
  }

  if (presentation.stretchHeight) {
    int tallest = 0;
    for (const LineLayout& line : layout.lines) tallest = std::max(tallest, line.rect.height);
    for (std::size_t l = 0; l < layout.lines.size(); ++l) {
      ForStretchingKeys(layout.lines[l], keyboard.lines[l],
                        [&](KeyRect& key) { key.height = tallest; });
    }
    packAll(layout);
  }

  // Lines top to bottom with a gap above, between and below them.
  const int lineGap = presentation.lineGap;
  int y = lineGap;
  for (LineLayout& line : layout.lines) {
    MoveDown(line, y);
    y += line.rect.height + lineGap;
  }
  layout.height = y;
  // A keyboard whose lines cannot stretch is still given the stretched width.
  layout.width = presentation.stretchLength ? stretchedWidth : widest(layout);
  return layout;
}

}  // namespace vorelio
