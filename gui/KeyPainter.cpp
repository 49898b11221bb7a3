#include "gui/KeyPainter.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "gui/Gradient.h"
#include "gui/KeyFont.h"
#include "gui/KeySymbolPainter.h"
#include "gui/PictogramThumbnail.h"
#include "gui/QtKeyPicture.h"
#include "gui/QtText.h"
#include "keyboards/KeyLabelForm.h"
#include "keyboards/KeyMargins.h"

namespace vorelio {

namespace {

constexpr int kEditModeFontPoints = 8;
constexpr int kCaptionGap = 8;           // kept below a caption's line, half of it above
constexpr int kPressFeedbackAlpha = 70;  // of 255
constexpr int kMarkerInset = 4;

bool Lit(const KeyPaintState& key) { return key.active && (key.hovered || key.highlighted); }

// The colour of the triangle and the marker: what the background is not.
QColor AccentColour(const KeyPaintState& key) {
  return ToQColor(Lit(key) ? key.backgroundColour : key.highlightBackgroundColour);
}

void PaintBackground(QPainter& painter, const KeyPaintState& key, const QRect& rect) {
  if (Lit(key)) {
    painter.fillRect(rect, ToQColor(key.highlightBackgroundColour));
    return;
  }
  const QColor colour =
      ToQColor(IsSuggestionType(key.type) ? key.suggestionBackgroundColour : key.backgroundColour);
  if (key.gradientFill) {
    painter.fillRect(rect, GradientAcross(rect, key.gradientAngle, colour,
                                          ToQColor(key.backgroundColour2)));
  } else {
    painter.fillRect(rect, colour);
  }
}

// Wrapped text from the top-left corner, inset by the text margin (and kept
// off the right edge by it too).
void PaintWrapped(QPainter& painter, const QRect& rect, const QString& text) {
  painter.drawText(rect.adjusted(kKeyTextMargin, kKeyTextMargin, -kKeyTextMargin, 0),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

void PaintLabel(QPainter& painter, const QRect& rect, const std::string& label) {
  if (label.empty()) return;
  if (KeyLabelFormOf(label) == KeyLabelForm::kOneLineCentred) {
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, ToQString(label));
  } else {
    PaintWrapped(painter, rect, ToQString(label));
  }
}

void PaintPictogram(QPainter& painter, const KeyPaintState& key, const QRect& rect) {
  const QImage* image = ImageOf(key.picture.get());
  if (image == nullptr) return;
  QRect room = rect;
  if (!key.caption.empty()) {
    QFont font = KeyFont(key.fontFace, key.fontSize);
    font.setPixelSize(std::max(key.pictogramHeight / 8, 1));
    painter.setFont(font);
    const int lineHeight = QFontMetrics(font).height();
    painter.drawText(QRect(rect.x(), rect.y() + kCaptionGap / 2, rect.width(), lineHeight),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     ToQString(key.caption));
    room.setTop(rect.top() + lineHeight + kCaptionGap);
  }
  const QRect place = FittedPictureRect(image->size(), room, kKeyPictureMargin);
  if (place.isEmpty()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(place, *image);
}

void PaintSuggestion(QPainter& painter, const KeyPaintState& key, const QRect& rect) {
  if (key.editMode) {
    painter.setFont(KeyFont(key.fontFace, kEditModeFontPoints));
    PaintWrapped(painter, rect, ToQString("[" + std::string(ShownNameOf(key.type)) + "]"));
    return;
  }
  switch (key.type) {
    case KeyType::kWordSuggestion:
      painter.drawText(rect.adjusted(kKeyTextMargin, 0, 0, 0),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       ToQString(key.suggestion));
      return;
    case KeyType::kSentenceSuggestion:
      PaintWrapped(painter, rect, ToQString(key.suggestion));
      return;
    default:
      PaintPictogram(painter, key, rect);
      return;
  }
}

void PaintLinkTriangle(QPainter& painter, const KeyPaintState& key) {
  const int h = key.height;
  const QPolygon triangle({QPoint(6, h - 16), QPoint(6, h - 6), QPoint(16, h - 11)});
  painter.setPen(AccentColour(key));
  painter.setBrush(AccentColour(key));
  painter.drawPolygon(triangle);
}

void PaintMarker(QPainter& painter, const KeyPaintState& key) {
  const double width = key.fontSize / 4.0;
  const QRectF bar(key.width - kMarkerInset - width, kMarkerInset, width,
                   key.height - 2 * kMarkerInset);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(bar, AccentColour(key));
}

}  // namespace

void PaintKey(QPainter& painter, const KeyPaintState& key) {
  const QRect rect(0, 0, key.width, key.height);
  if (rect.isEmpty()) return;
  painter.save();
  painter.setClipRect(rect, Qt::IntersectClip);
  PaintBackground(painter, key, rect);
  if (key.active) {
    painter.setPen(ToQColor(Lit(key) ? key.highlightTextColour : key.textColour));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(KeyFont(key.fontFace, key.fontSize));
    if (key.type == KeyType::kNormal) {
      if (key.symbol) {
        PaintKeySymbol(painter, *key.symbol, rect, painter.pen().color());
      } else {
        PaintLabel(painter, rect, key.label);
      }
    } else if (key.type == KeyType::kPictogram) {
      PaintPictogram(painter, key, rect);
    } else if (IsSuggestionType(key.type)) {
      PaintSuggestion(painter, key, rect);
    }
    if (key.opensKeyboard) PaintLinkTriangle(painter, key);
    if (key.marker) PaintMarker(painter, key);
  }
  painter.restore();
}

void PaintPressFeedback(QPainter& painter, const KeyPaintState& key) {
  const double diameter = std::min(key.width, key.height) * 4.0 / 5.0;
  if (diameter <= 0) return;
  QColor colour = ToQColor(Lit(key) ? key.backgroundColour : key.highlightBackgroundColour);
  colour.setAlpha(kPressFeedbackAlpha);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour, 1));
  painter.setBrush(colour);
  painter.drawEllipse(QPointF(key.width / 2.0, key.height / 2.0), diameter / 2, diameter / 2);
  painter.restore();
}

}  // namespace vorelio
