#include "gui/KeySymbolPainter.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace vorelio {

namespace {

// Each symbol is drawn in a box one unit tall and `aspect` units wide, with
// y growing downwards.
constexpr double kStroke = 0.09;

struct Pen {
  QPainter& painter;
  QColor colour;

  void Fill(const QPainterPath& path) { painter.fillPath(path, colour); }
  void Fill(const QPolygonF& polygon) {
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    Fill(path);
  }
  void Stroke(const QPainterPath& path) { painter.strokePath(path, StrokePen()); }
  void Stroke(const QPolygonF& polyline, bool closed) {
    QPainterPath path;
    path.addPolygon(polyline);
    if (closed) path.closeSubpath();
    Stroke(path);
  }
  void Line(QPointF from, QPointF to) { Stroke(QPolygonF({from, to}), false); }
  QPen StrokePen() const {
    return QPen(colour, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  }
};

// A filled arrow pointing up in the unit square; turned for the others.
void Arrow(Pen& pen, double degrees) {
  pen.painter.save();
  pen.painter.translate(0.5, 0.5);
  pen.painter.rotate(degrees);
  pen.painter.translate(-0.5, -0.5);
  pen.Fill(QPolygonF({{0.5, 0.0}, {0.95, 0.5}, {0.65, 0.5}, {0.65, 1.0}, {0.35, 1.0},
                      {0.35, 0.5}, {0.05, 0.5}}));
  pen.painter.restore();
}

// The outlined arrow of Shift and Caps Lock, its stem ending at `stemEnd`.
void HollowArrow(Pen& pen, double stemEnd) {
  pen.Stroke(QPolygonF({{0.4, 0.05}, {0.78, 0.48}, {0.58, 0.48}, {0.58, stemEnd},
                        {0.22, stemEnd}, {0.22, 0.48}, {0.02, 0.48}}),
             true);
}

// A loudspeaker sending one wave, in the left unit of the box.
void Speaker(Pen& pen) {
  pen.Fill(QPolygonF({{0.0, 0.35}, {0.18, 0.35}, {0.45, 0.1}, {0.45, 0.9}, {0.18, 0.65},
                      {0.0, 0.65}}));
  QPainterPath wave;
  wave.arcMoveTo(QRectF(0.25, 0.2, 0.6, 0.6), 45);
  wave.arcTo(QRectF(0.25, 0.2, 0.6, 0.6), 45, -90);
  pen.Stroke(wave);
}

// A sheet of text at `left`, `width` wide, with `lines` lines on it.
void Sheet(Pen& pen, double left, double width, int lines) {
  pen.Stroke(QPolygonF({{left, 0.08}, {left + width, 0.08}, {left + width, 0.92}, {left, 0.92}}),
             true);
  for (int line = 0; line < lines; ++line) {
    const double y = 0.3 + line * 0.2;
    pen.Line({left + 0.15, y}, {left + width - 0.15, y});
  }
}

double AspectOf(KeySymbol symbol) {
  switch (symbol) {
    case KeySymbol::kShift:
    case KeySymbol::kCapsLock:
      return 0.8;
    case KeySymbol::kEnter:
    case KeySymbol::kBackspace:
    case KeySymbol::kTab:
      return 1.6;
    case KeySymbol::kSpace:
      return 6.0;
    case KeySymbol::kSpeakWord:
    case KeySymbol::kSpeakSentence:
    case KeySymbol::kSpeakWorkArea:
      return 1.5;
    case KeySymbol::kSendToExternalEditor:
      return 2.0;
    case KeySymbol::kClearWorkArea:
    case KeySymbol::kShowNextSuggestions:
      return 1.2;
    default:
      return 1.0;
  }
}

void Draw(Pen& pen, KeySymbol symbol) {
  switch (symbol) {
    case KeySymbol::kShift:
      HollowArrow(pen, 0.95);
      return;
    case KeySymbol::kCapsLock:
      HollowArrow(pen, 0.7);
      pen.Fill(QPolygonF({{0.22, 0.82}, {0.58, 0.82}, {0.58, 0.98}, {0.22, 0.98}}));
      return;
    case KeySymbol::kUp:
      Arrow(pen, 0);
      return;
    case KeySymbol::kRight:
      Arrow(pen, 90);
      return;
    case KeySymbol::kDown:
      Arrow(pen, 180);
      return;
    case KeySymbol::kLeft:
      Arrow(pen, 270);
      return;
    case KeySymbol::kEnter:  // a line down and to the left, ending in an arrowhead
      pen.Stroke(QPolygonF({{1.5, 0.05}, {1.5, 0.65}, {0.3, 0.65}}), false);
      pen.Fill(QPolygonF({{0.0, 0.65}, {0.4, 0.3}, {0.4, 1.0}}));
      return;
    case KeySymbol::kBackspace:  // a tag pointing left with a cross in it
      pen.Stroke(QPolygonF({{0.05, 0.5}, {0.5, 0.08}, {1.55, 0.08}, {1.55, 0.92}, {0.5, 0.92}}),
                 true);
      pen.Line({0.8, 0.3}, {1.2, 0.7});
      pen.Line({0.8, 0.7}, {1.2, 0.3});
      return;
    case KeySymbol::kTab:  // an arrow right against a bar
      pen.Line({0.05, 0.5}, {1.1, 0.5});
      pen.Fill(QPolygonF({{1.42, 0.5}, {1.0, 0.18}, {1.0, 0.82}}));
      pen.Line({1.52, 0.1}, {1.52, 0.9});
      return;
    case KeySymbol::kSpace:  // an open bracket lying down
      pen.Stroke(QPolygonF({{0.05, 0.3}, {0.05, 0.7}, {5.95, 0.7}, {5.95, 0.3}}), false);
      return;
    case KeySymbol::kSpeakWord:  // the speaker and one word
      Speaker(pen);
      pen.Fill(QPolygonF({{0.95, 0.42}, {1.45, 0.42}, {1.45, 0.58}, {0.95, 0.58}}));
      return;
    case KeySymbol::kSpeakSentence: {  // the speaker and a line ending in a full stop
      Speaker(pen);
      pen.Line({0.95, 0.35}, {1.45, 0.35});
      pen.Line({0.95, 0.65}, {1.25, 0.65});
      QPainterPath stop;
      stop.addEllipse(QPointF(1.42, 0.65), 0.06, 0.06);
      pen.Fill(stop);
      return;
    }
    case KeySymbol::kSpeakWorkArea:  // the speaker and a sheet of text
      Speaker(pen);
      Sheet(pen, 0.9, 0.58, 3);
      return;
    case KeySymbol::kSendToExternalEditor:  // an arrow into a sheet of text
      pen.Line({0.05, 0.5}, {0.75, 0.5});
      pen.Fill(QPolygonF({{1.05, 0.5}, {0.7, 0.22}, {0.7, 0.78}}));
      Sheet(pen, 1.2, 0.75, 3);
      return;
    case KeySymbol::kQuit: {  // the power sign
      QPainterPath ring;
      const QRectF circle(0.08, 0.14, 0.84, 0.84);
      ring.arcMoveTo(circle, 120);  // open at the top, between 60 and 120 degrees
      ring.arcTo(circle, 120, 300);
      pen.Stroke(ring);
      pen.Line({0.5, 0.04}, {0.5, 0.52});
      return;
    }
    case KeySymbol::kToggleLogging: {  // a recording sign: a ring round a dot
      QPainterPath ring;
      ring.addEllipse(QPointF(0.5, 0.5), 0.44, 0.44);
      pen.Stroke(ring);
      QPainterPath dot;
      dot.addEllipse(QPointF(0.5, 0.5), 0.22, 0.22);
      pen.Fill(dot);
      return;
    }
    case KeySymbol::kClearWorkArea:  // a sheet crossed out
      pen.Stroke(QPolygonF({{0.05, 0.08}, {1.15, 0.08}, {1.15, 0.92}, {0.05, 0.92}}), true);
      pen.Line({0.35, 0.25}, {0.85, 0.75});
      pen.Line({0.35, 0.75}, {0.85, 0.25});
      return;
    case KeySymbol::kShowNextSuggestions:  // two triangles pointing on
      pen.Fill(QPolygonF({{0.0, 0.1}, {0.6, 0.5}, {0.0, 0.9}}));
      pen.Fill(QPolygonF({{0.6, 0.1}, {1.2, 0.5}, {0.6, 0.9}}));
      return;
  }
}

}  // namespace

void PaintKeySymbol(QPainter& painter, KeySymbol symbol, const QRectF& area, const QColor& colour) {
  const double room = area.width() < area.height() ? area.width() : area.height();
  const QRectF inner = area.adjusted(room / 5, room / 5, -room / 5, -room / 5);
  if (inner.width() <= 0 || inner.height() <= 0) return;
  const double aspect = AspectOf(symbol);
  const double scale = std::min(inner.width() / aspect, inner.height());
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(inner.center().x() - aspect * scale / 2, inner.center().y() - scale / 2);
  painter.scale(scale, scale);
  Pen pen{painter, colour};
  Draw(pen, symbol);
  painter.restore();
}

}  // namespace vorelio
