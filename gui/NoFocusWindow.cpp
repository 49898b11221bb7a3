#include "gui/NoFocusWindow.h"

#include <QWidget>

namespace vorelio {

void KeepFocusAway(QWidget& window) {
  window.setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  window.setAttribute(Qt::WA_ShowWithoutActivating);
  window.setFocusPolicy(Qt::NoFocus);
  for (QWidget* child : window.findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);
}

}  // namespace vorelio
