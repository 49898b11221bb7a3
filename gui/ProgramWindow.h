// The program's main window: the on-screen keyboard and, when the profile
// writes into it, the message editor, on the profile's background, under
// the Portuguese menu bar. It implements what the controller asks of its
// main window and passes the window's own events on; the controller and the
// models decide everything.
//
// Focus: with the message editor the window is an ordinary one (the user
// clicks into the editor, and the editor is the target while the window is
// in front); without it the window never takes the focus, so that a click
// on a key leaves the focus, and the text, in the application in front.
#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

#include "app/MainWindow.h"
#include "output/WordProcessor.h"

namespace vorelio {

class CPredarinView;
class KeySoundPlayer;
class OnScreenKeyboardWidget;
class QtMainMenu;
class QtPreviewWindow;
class WindowBackground;

// The message editor as the window holds it: the widget it shows and the
// target the controller writes through (which works on that widget).
struct MessageEditorParts {
  QWidget* widget = nullptr;  // handed to the window, which parents it
  std::unique_ptr<CWordProcessor> target;
};
using MessageEditorFactory = std::function<MessageEditorParts()>;

class ProgramWindow final : public QMainWindow, public MainWindow {
 public:
  // `preview` takes the profile's style at each layout; `makeEditor` makes
  // a message editor when a profile wants one. Both outlive the window.
  ProgramWindow(QtPreviewWindow& preview, MessageEditorFactory makeEditor);
  ~ProgramWindow() override;

  // Shows the controller's keyboard (with the key sound, null: none) and
  // passes the window's own keys to the controller, which must outlive the
  // window's use of it: Detach before it goes. (The message editor stays
  // until RenewMessageEditor(false) or the window's end: the controller
  // reads its text as it ends.)
  void Attach(CPredarinView& view, KeySoundPlayer* sounds);
  void Detach();
  // Shows the window as the current profile's start options say.
  void ShowAtStart();

  // The menu bar's builder, unlocked by UnlockMenu (null: none); and what
  // runs after each layout, when the profile may have changed.
  void SetMenu(QtMainMenu* menu) { menu_ = menu; }
  void SetLayoutListener(std::function<void()> listener) { laidOut_ = std::move(listener); }

  QWidget* KeyboardWidget() const;
  QWidget* EditorWidget() const { return editor_.widget; }

  // MainWindow
  void UnlockMenu() override;
  void LayOut() override;
  ScreenRect Frame() override;
  ScreenRect Desktop() override;
  void MoveTo(ScreenPoint topLeft) override;
  ScreenPoint KeyboardOrigin() override;
  void SetTitle(std::string_view title) override;
  CWordProcessor* RenewMessageEditor(bool wanted) override;
  void Close() override;

 private:
  // Keys typed while the window has the focus outside the editor.
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

  bool KeyIsOwn(const QKeyEvent& event) const;
  void FollowFocusRule(bool takesFocus);
  void FitToContents();

  QtPreviewWindow& preview_;
  MessageEditorFactory makeEditor_;
  CPredarinView* view_ = nullptr;
  WindowBackground* background_;
  OnScreenKeyboardWidget* keyboard_ = nullptr;
  MessageEditorParts editor_;
  QtMainMenu* menu_ = nullptr;
  std::function<void()> laidOut_;
  bool takesFocus_ = true;
};

}  // namespace vorelio
