#include "gui/dialogs/ColourButton.h"

#include <QColorDialog>
#include <QPixmap>

#include "gui/QtText.h"

namespace vorelio {

namespace {
constexpr int kSwatchWidth = 64;
constexpr int kSwatchHeight = 16;
}  // namespace

ColourButton::ColourButton(int32_t colorref, QWidget* parent)
    : QPushButton(parent), colorref_(colorref) {
  SetColour(colorref);
  connect(this, &QPushButton::clicked, this, [this] { Choose(); });
}

void ColourButton::SetColour(int32_t colorref) {
  colorref_ = colorref;
  QPixmap swatch(kSwatchWidth, kSwatchHeight);
  swatch.fill(ToQColor(colorref));
  setIcon(QIcon(swatch));
  setIconSize(swatch.size());
  const QColor colour = ToQColor(colorref);
  setToolTip(QStringLiteral("%1, %2, %3").arg(colour.red()).arg(colour.green()).arg(colour.blue()));
}

void ColourButton::Choose() {
  const QColor chosen = QColorDialog::getColor(ToQColor(colorref_), this, QStringLiteral("Escolha uma cor"));
  if (chosen.isValid()) SetColour(ToColorref(chosen));
}

}  // namespace vorelio
