#include "gui/QtBeeper.h"

#include <QApplication>

namespace vorelio {

void QtBeeper::Beep() { QApplication::beep(); }

}  // namespace vorelio
