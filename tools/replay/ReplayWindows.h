// The program's windows as a simulated session stands them in. The window
// in front is the simulated desktop's focused application (the program's
// own window never is: it has none here); the main window stays where it is
// put and lays the keyboard out with a fixed font, so that keys have the
// places the event log gives them; the previews shown and the beeps are
// kept for the report.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Beeper.h"
#include "app/ForegroundWatch.h"
#include "app/MainWindow.h"
#include "app/PredarinView.h"
#include "app/PreviewWindow.h"
#include "keyboards/KeyFontMetrics.h"
#include "keyboards/OnScreenKeyboardLayout.h"
#include "testsupport/SimDesktop.h"

namespace vorelio {

class DesktopForeground final : public ForegroundWatch {
 public:
  explicit DesktopForeground(const sim::SimDesktop& desktop) : desktop_(desktop) {}
  ForegroundWindow Foreground() override {
    const WindowHandle window = desktop_.Foreground();
    return {window, false, window == 0 ? std::string() : desktop_.Application(window).title};
  }

 private:
  const sim::SimDesktop& desktop_;
};

// About Arial at 12 points: 8 pixels a character, 16 a line.
class FixedKeyFont final : public KeyFontMetrics {
 public:
  int TextWidth(std::string_view label) const override {
    return AverageCharWidth() * static_cast<int>(label.size());
  }
  int AverageCharWidth() const override { return 8; }
  int LineHeight() const override { return 16; }
};

// A 640 x 480 desktop (the simulated applications' rows) with the window at
// its top right and the keyboard at the window's top left.
class StillMainWindow final : public MainWindow {
 public:
  // The controller whose keyboard LayOut lays out; none before this.
  void LaysOut(CPredarinView& view) { view_ = &view; }

  void UnlockMenu() override {}
  void LayOut() override {
    if (view_ != nullptr) LayOutOnScreenKeyboard(view_->Keyboard(), FixedKeyFont());
  }
  ScreenRect Frame() override { return frame_; }
  ScreenRect Desktop() override { return {0, 0, 640, 480}; }
  void MoveTo(ScreenPoint topLeft) override {
    frame_ = {topLeft.x, topLeft.y, topLeft.x + kWidth, topLeft.y + kHeight};
  }
  ScreenPoint KeyboardOrigin() override { return {frame_.left, frame_.top}; }
  void SetTitle(std::string_view title) override { titles.emplace_back(title); }
  // A replay writes into its simulated applications only: the program's
  // window is never in front.
  CWordProcessor* RenewMessageEditor(bool) override { return nullptr; }
  void Close() override { closeAsked = true; }

  std::vector<std::string> titles;  // the titles set, until taken
  bool closeAsked = false;          // the program asked to end

 private:
  static constexpr int32_t kWidth = 300;
  static constexpr int32_t kHeight = 200;
  CPredarinView* view_ = nullptr;
  ScreenRect frame_{640 - kWidth, 0, 640, kHeight};
};

class KeptPreview final : public PreviewWindow {
 public:
  void Show(std::string_view text, std::optional<ScreenPoint>) override {
    shown.emplace_back(text);
    visible_ = true;
  }
  void Hide() override { visible_ = false; }
  bool IsVisible() const override { return visible_; }
  std::vector<std::string> shown;  // the texts shown, until taken

 private:
  bool visible_ = false;
};

class CountingBeeper final : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;  // until taken
};

}  // namespace vorelio
