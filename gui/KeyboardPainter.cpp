#include "gui/KeyboardPainter.h"

#include "gui/KeyPaintStateOf.h"
#include "gui/KeyPainter.h"

namespace vorelio {

QRect ToQRect(const KeyRect& rect) { return QRect(rect.x, rect.y, rect.width, rect.height); }

void PaintKeyboard(QPainter& painter, const COnScreenKeyboard& keyboard, const QRegion& region,
                   const std::optional<COnScreenKeyIdentifier>& pressed) {
  const int pictogramHeight = PictogramHeightOf(keyboard);
  for (int line = 0; line < keyboard.LineCount(); ++line) {
    for (int group = 0; group < keyboard.GroupCount(line); ++group) {
      for (int index = 0; index < keyboard.KeyCount(line, group); ++index) {
        const COnScreenKeyIdentifier position{line, group, index};
        const CColorButton& key = *keyboard.Key(position);
        const QRect rect = ToQRect(key.Rect());
        if (!region.intersects(rect)) continue;
        const KeyPaintState state = KeyPaintStateOf(key, pictogramHeight);
        painter.save();
        painter.translate(rect.topLeft());
        PaintKey(painter, state);
        if (pressed == position) PaintPressFeedback(painter, state);
        painter.restore();
      }
    }
  }
}

}  // namespace vorelio
