#include "gui/ProgramWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include "app/PredarinView.h"
#include "app/WindowPlacement.h"
#include "gui/OnScreenKeyboardWidget.h"
#include "gui/QtMainMenu.h"
#include "gui/QtPreviewWindow.h"
#include "gui/QtText.h"
#include "gui/QtVirtualKeys.h"
#include "gui/WindowBackground.h"

namespace vorelio {
namespace {

ScreenRect ToScreenRect(const QRect& rect) {
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace

ProgramWindow::ProgramWindow(QtPreviewWindow& preview, MessageEditorFactory makeEditor)
    : preview_(preview), makeEditor_(std::move(makeEditor)), background_(new WindowBackground) {
  setCentralWidget(background_);
  setWindowIcon(QIcon::fromTheme(QStringLiteral("vorelio")));
}

ProgramWindow::~ProgramWindow() {
  Detach();
  RenewMessageEditor(false);
}

void ProgramWindow::Attach(CPredarinView& view, KeySoundPlayer* sounds) {
  Detach();
  view_ = &view;
  keyboard_ = new OnScreenKeyboardWidget(view.Keyboard(), sounds, background_);
  background_->SetKeyboard(keyboard_);
}

void ProgramWindow::Detach() {
  delete keyboard_;
  keyboard_ = nullptr;
  view_ = nullptr;
}

QWidget* ProgramWindow::KeyboardWidget() const { return keyboard_; }

void ProgramWindow::ShowAtStart() {
  if (view_ == nullptr) return;
  LayOut();
  const ScreenRect desktop = Desktop();
  const QSize frameExtra = frameGeometry().size() - geometry().size();
  const QSize content = sizeHint();
  const StartWindowPlacement placement = PlaceWindowAtStart(
      view_->Options(), desktop, content.width() + frameExtra.width(),
      content.height() + frameExtra.height());
  move(placement.frame.left, placement.frame.top);
  resize(placement.frame.right - placement.frame.left - frameExtra.width(),
         placement.frame.bottom - placement.frame.top - frameExtra.height());
  switch (placement.state) {
    case WindowShowState::kMinimized: showMinimized(); break;
    case WindowShowState::kMaximized: showMaximized(); break;
    case WindowShowState::kNormal: show(); break;
  }
}

void ProgramWindow::UnlockMenu() {
  if (menu_ != nullptr) menu_->Unlock();
}

void ProgramWindow::LayOut() {
  if (view_ == nullptr || keyboard_ == nullptr) return;
  const UserProfileOptions& options = view_->Options();
  keyboard_->Relayout();
  background_->ApplyOptions(options, view_->Profiles().DataFolder());
  preview_.SetStyle(options.fontFace, options.suggestionFontSize, options.keyTextColour,
                    options.keyBackgroundColour);
  FollowFocusRule(editor_.widget != nullptr);
  // The menu bar follows the profile (MOSTRAR_BARRAS_JANELA, BLOQUEAR_MENU).
  if (laidOut_) laidOut_();
  FitToContents();
}

void ProgramWindow::FitToContents() {
  const QSize content = background_->ContentSize();
  background_->setMinimumSize(content);
  if (!isMaximized() && !isMinimized()) {
    resize(size().expandedTo(sizeHint()));
  }
  background_->PlaceElements();
  background_->update();
}

void ProgramWindow::FollowFocusRule(bool takesFocus) {
  if (takesFocus == takesFocus_) return;
  takesFocus_ = takesFocus;
  const bool wasVisible = isVisible();
  // Changing a window flag hides the window; it is shown again in place.
  setWindowFlag(Qt::WindowDoesNotAcceptFocus, !takesFocus);
  setAttribute(Qt::WA_ShowWithoutActivating, !takesFocus);
  if (wasVisible) show();
}

bool ProgramWindow::KeyIsOwn(const QKeyEvent& event) const {
  // A key the editor let through reaches the window too: the editor has
  // relayed it already.
  if (editor_.widget != nullptr && editor_.widget->hasFocus()) return false;
  return view_ != nullptr && VirtualKeyOf(event) != 0;
}

void ProgramWindow::keyPressEvent(QKeyEvent* event) {
  if (KeyIsOwn(*event)) view_->OwnKeyDown(VirtualKeyOf(*event), KeyFlagsOf(*event, false));
  QMainWindow::keyPressEvent(event);
}

void ProgramWindow::keyReleaseEvent(QKeyEvent* event) {
  if (KeyIsOwn(*event)) view_->OwnKeyUp(VirtualKeyOf(*event));
  QMainWindow::keyReleaseEvent(event);
}

ScreenRect ProgramWindow::Frame() { return ToScreenRect(frameGeometry()); }

ScreenRect ProgramWindow::Desktop() {
  const QScreen* current = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  return current != nullptr ? ToScreenRect(current->availableGeometry()) : ScreenRect{};
}

void ProgramWindow::MoveTo(ScreenPoint topLeft) { move(topLeft.x, topLeft.y); }

ScreenPoint ProgramWindow::KeyboardOrigin() {
  if (keyboard_ == nullptr) return {};
  const QPoint origin = keyboard_->mapToGlobal(QPoint(0, 0));
  return {origin.x(), origin.y()};
}

void ProgramWindow::SetTitle(std::string_view title) { setWindowTitle(ToQString(title)); }

CWordProcessor* ProgramWindow::RenewMessageEditor(bool wanted) {
  editor_.target.reset();
  delete editor_.widget;
  editor_ = {};
  background_->SetEditor(nullptr);
  if (wanted && makeEditor_) {
    editor_ = makeEditor_();
    if (editor_.widget != nullptr) {
      editor_.widget->setParent(background_);
      background_->SetEditor(editor_.widget);
      editor_.widget->show();
      editor_.widget->setFocus();
    }
  }
  return editor_.target.get();
}

void ProgramWindow::Close() {
  // After the event being handled: the controller is destroyed with the window's end.
  QTimer::singleShot(0, this, &QWidget::close);
}

}  // namespace vorelio
