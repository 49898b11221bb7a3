#include "gui/WindowBackground.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "common/NativePath.h"
#include "gui/Gradient.h"
#include "gui/QtText.h"
#include "profiles/UserProfileOptions.h"

namespace vorelio {
namespace {

// The picture as the option names it (a path of the program, perhaps
// written on Windows), else under that name in the data folder; a null
// image when neither reads.
QImage LoadBackgroundPicture(const std::string& name, const std::string& dataFolder) {
  if (name.empty()) return {};
  QImage picture(QString::fromStdString(NativePath(name)));
  if (picture.isNull()) picture.load(QString::fromStdString(NativePath(InFolder(dataFolder, name))));
  return picture;
}

}  // namespace

WindowBackground::WindowBackground(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void WindowBackground::ApplyOptions(const UserProfileOptions& options,
                                    const std::string& dataFolder) {
  gradient_ = options.windowFill != 0;
  gradientAngle_ = options.windowGradientAngle;
  colour_ = ToQColor(options.windowBackgroundColour);
  colour2_ = ToQColor(options.windowBackgroundColour2);
  picture_ = LoadBackgroundPicture(options.backgroundImage, dataFolder);
  centred_ = options.centreWindowElements != 0;
  editorFitsKeyboard_ = options.fitEditorWidthToKeyboard != 0;
  editorHeight_ = std::max(1, options.messageEditorHeight);
  PlaceElements();
  update();
}

QSize WindowBackground::ContentSize() const {
  QSize keyboard = keyboard_ ? keyboard_->size() : QSize(0, 0);
  if (!editor_) return keyboard;
  return {std::max(keyboard.width(), editor_->minimumWidth()), keyboard.height() + editorHeight_};
}

void WindowBackground::PlaceElements() {
  const int keyboardWidth = keyboard_ ? keyboard_->width() : 0;
  const auto left = [this](int width) { return centred_ ? std::max(0, (this->width() - width) / 2) : 0; };
  int top = 0;
  if (editor_) {
    const int editorWidth = editorFitsKeyboard_ && keyboardWidth > 0 ? keyboardWidth : width();
    editor_->setGeometry(left(editorWidth), 0, editorWidth, editorHeight_);
    top = editorHeight_;
  }
  if (keyboard_) {
    const int contentHeight = top + keyboard_->height();
    const int shift = centred_ ? std::max(0, (height() - contentHeight) / 2) : 0;
    if (editor_) editor_->move(editor_->x(), shift);
    keyboard_->move(left(keyboardWidth), top + shift);
  }
}

void WindowBackground::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (!picture_.isNull()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_);
    return;
  }
  if (gradient_) {
    painter.fillRect(event->rect(), GradientAcross(rect(), gradientAngle_, colour_, colour2_));
  } else {
    painter.fillRect(event->rect(), colour_);
  }
}

void WindowBackground::resizeEvent(QResizeEvent*) { PlaceElements(); }

}  // namespace vorelio
