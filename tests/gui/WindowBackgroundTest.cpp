// The main window's client area: where the message editor and the keyboard
// go, and what is painted behind them.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "gui/WindowBackground.h"
#include "profiles/UserProfileOptions.h"

namespace vorelio {
namespace {

struct Area {
  WindowBackground background;
  QWidget* keyboard = new QWidget(&background);
  QWidget* editor = new QWidget(&background);
  Area() {
    keyboard->setFixedSize(400, 300);
    background.SetKeyboard(keyboard);
    background.SetEditor(editor);
  }
};

TEST(WindowBackgroundTest, TheEditorSitsAboveTheKeyboardAsWideAsItOrAsTheWindow) {
  Area area;
  area.background.resize(600, 500);
  UserProfileOptions options;
  options.messageEditorHeight = 80;
  options.fitEditorWidthToKeyboard = 1;
  options.centreWindowElements = 0;
  area.background.ApplyOptions(options, "/nowhere/");
  EXPECT_EQ(area.editor->geometry(), QRect(0, 0, 400, 80));
  EXPECT_EQ(area.keyboard->pos(), QPoint(0, 80));
  EXPECT_EQ(area.background.ContentSize(), QSize(400, 380));

  options.fitEditorWidthToKeyboard = 0;
  area.background.ApplyOptions(options, "/nowhere/");
  EXPECT_EQ(area.editor->geometry(), QRect(0, 0, 600, 80));

  // Centred both ways, the editor still right above the keyboard.
  options.fitEditorWidthToKeyboard = 1;
  options.centreWindowElements = 1;
  area.background.ApplyOptions(options, "/nowhere/");
  EXPECT_EQ(area.editor->geometry(), QRect(100, 60, 400, 80));
  EXPECT_EQ(area.keyboard->pos(), QPoint(100, 140));

  // Without an editor the keyboard takes the top.
  area.background.SetEditor(nullptr);
  options.centreWindowElements = 0;
  area.background.ApplyOptions(options, "/nowhere/");
  EXPECT_EQ(area.keyboard->pos(), QPoint(0, 0));
  EXPECT_EQ(area.background.ContentSize(), QSize(400, 300));
}

TEST(WindowBackgroundTest, PaintsTheSolidColourOrTheGradientBetweenTheTwoColours) {
  WindowBackground background;
  background.resize(200, 100);
  UserProfileOptions options;
  options.windowBackgroundColour = 0x0000FF;   // red
  options.windowBackgroundColour2 = 0xFF0000;  // blue
  options.windowFill = 0;
  background.ApplyOptions(options, "/nowhere/");
  QImage picture = background.grab().toImage();
  EXPECT_EQ(picture.pixelColor(5, 5), QColor(255, 0, 0));
  EXPECT_EQ(picture.pixelColor(195, 95), QColor(255, 0, 0));

  options.windowFill = 1;
  options.windowGradientAngle = 0;  // from the left edge to the right
  background.ApplyOptions(options, "/nowhere/");
  picture = background.grab().toImage();
  EXPECT_GT(picture.pixelColor(1, 50).red(), 240);
  EXPECT_GT(picture.pixelColor(198, 50).blue(), 240);
  EXPECT_LT(picture.pixelColor(198, 50).red(), 15);
}

TEST(WindowBackgroundTest, AMissingBackgroundPictureLeavesTheColours) {
  WindowBackground background;
  background.resize(50, 50);
  UserProfileOptions options;
  options.windowFill = 0;
  options.windowBackgroundColour = 0x00FF00;
  options.backgroundImage = "C:\\Imagens\\fundo.bmp";
  background.ApplyOptions(options, "/nowhere/");
  EXPECT_EQ(background.grab().toImage().pixelColor(25, 25), QColor(0, 255, 0));
}

}  // namespace
}  // namespace vorelio
