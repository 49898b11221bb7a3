#include "gui/CTextBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <QTextCursor>

#include <string>

#include "GuiTestSupport.h"
#include "gui/QtVirtualKeys.h"
#include "keyboards/WindowsKeyNames.h"
#include "output/InternalWordProcessor.h"
#include "platform/sim/MemoryFileSystem.h"

namespace vorelio {
namespace {

// Everything the box reports, as "; "-separated text.
class RecordingListener final : public MessageTextBoxListener {
 public:
  void KeyDown(int virtualKey, std::intptr_t flags) override {
    Log("down " + std::to_string(virtualKey) + Extended(flags));
  }
  void KeyUp(int virtualKey, std::intptr_t flags) override {
    Log("up " + std::to_string(virtualKey) + (flags < 0 ? "" : " NOT RELEASED"));
  }
  void CharacterTyped(char character, std::intptr_t) override { characters += character; }
  void MouseButtonChanged(MouseButton button, bool down, ScreenPoint point) override {
    Log(std::string(button == MouseButton::kLeft ? "left" : "other") + (down ? " down " : " up ") +
        std::to_string(point.x) + "," + std::to_string(point.y));
  }
  void MouseMoved(ScreenPoint point) override {
    Log("move " + std::to_string(point.x) + "," + std::to_string(point.y));
  }
  static std::string Extended(std::intptr_t flags) {
    return (flags & kExtendedKeyFlag) != 0 ? " extended" : "";
  }
  void Log(const std::string& entry) { log += (log.empty() ? "" : "; ") + entry; }

  std::string log;
  std::string characters;
};

PictogramPicture RedPicture() { return {2, 2, {0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF}}; }

class CTextBoxTest : public ::testing::Test {
 protected:
  CTextBoxTest() : box(files) {
    box.SetListener(&listener);
    box.resize(300, 100);
  }

  MemoryFileSystem files;
  CTextBox box;
  RecordingListener listener;
};

TEST_F(CTextBoxTest, TypedKeysReachTheListenerAsWindowsCodesAndCharacters) {
  QTest::keyClicks(&box, "Ol, 5");
  EXPECT_EQ(listener.characters, "Ol, 5");
  EXPECT_EQ(listener.log,
            "down 79; up 79; down 76; up 76; down 188; up 188; down 32; up 32; down 53; up 53");
  EXPECT_EQ(box.Text(), "Ol, 5");
  listener.log.clear();
  QTest::keyClick(&box, Qt::Key_Left);
  QTest::keyClick(&box, Qt::Key_Backspace);
  EXPECT_EQ(listener.log, "down 37 extended; up 37; down 8; up 8");
  EXPECT_EQ(box.Text(), "Ol,5");
  EXPECT_EQ(listener.characters.back(), '\b');
}

TEST_F(CTextBoxTest, ComposedLettersAreReportedAsTyped) {
  QKeyEvent deadKey(QEvent::KeyPress, Qt::Key_Dead_Acute, Qt::NoModifier);
  QApplication::sendEvent(&box, &deadKey);
  QInputMethodEvent composed;
  composed.setCommitString(QString::fromUtf8("\xC3\xA9"));  // é
  QApplication::sendEvent(&box, &composed);
  EXPECT_EQ(listener.log, "down 186");
  EXPECT_EQ(listener.characters, "\xE9");
  EXPECT_EQ(box.Text(), "\xE9");
}

TEST_F(CTextBoxTest, QtKeysMapToTheKeysOfThePortugueseLayout) {
  const auto code = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QKeyEvent event(QEvent::KeyPress, key, modifiers);
    return static_cast<int>(VirtualKeyOf(event));
  };
  EXPECT_EQ(code(Qt::Key_Ccedilla), 0xC0);
  EXPECT_EQ(code(Qt::Key_Question, Qt::ShiftModifier), 0xDB);
  EXPECT_EQ(code(Qt::Key_Dead_Tilde), 0xBF);
  EXPECT_EQ(code(Qt::Key_Eacute), 'E');
  EXPECT_EQ(code(Qt::Key_F5), 0x74);
  EXPECT_EQ(code(Qt::Key_5, Qt::KeypadModifier), 0x65);
  EXPECT_EQ(code(Qt::Key_Home, Qt::KeypadModifier), 0x24);
  EXPECT_EQ(code(Qt::Key_unknown), 0);

  const QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
  const QKeyEvent keypadHome(QEvent::KeyPress, Qt::Key_Home, Qt::KeypadModifier);
  EXPECT_NE(KeyFlagsOf(home, false) & kExtendedKeyFlag, 0);
  EXPECT_EQ(KeyFlagsOf(keypadHome, false) & kExtendedKeyFlag, 0);
  EXPECT_EQ(KeyFlagsOf(home, true) & 0xC0000000, 0xC0000000);
}

TEST_F(CTextBoxTest, ASpecialKeyIsReportedButNeverChangesTheText) {
  QTest::keyClicks(&box, "ab");
  box.SpecialKeys().Add('X');
  box.SpecialKeys().Add(0x71);
  listener.log.clear();
  listener.characters.clear();
  QTest::keyClick(&box, Qt::Key_X);
  QTest::keyClick(&box, Qt::Key_F2);
  EXPECT_EQ(box.Text(), "ab");
  EXPECT_EQ(listener.log, "down 88; up 88; down 113; up 113");
  EXPECT_EQ(listener.characters, "");
  box.SpecialKeys().Delete('X');
  QTest::keyClick(&box, Qt::Key_X);
  EXPECT_EQ(box.Text(), "abx");
}

TEST_F(CTextBoxTest, APictureIsOnePositionAndSurvivesInTheWholeText) {
  CInternalWordProcessor editor(box);
  QTest::keyClicks(&box, "eu");
  ASSERT_TRUE(editor.AddPictogram(RedPicture(), "bom dia", "BOM-DIA"));
  QTest::keyClicks(&box, " amigo");
  EXPECT_EQ(box.Text(), "eu\x1A amigo");
  EXPECT_EQ(box.Length(), 9);
  ASSERT_EQ(box.Pictograms().size(), 1u);
  EXPECT_EQ(box.Pictograms()[0].position, 2);
  EXPECT_EQ(editor.GetTextWithPictogramWords(), "eu bom dia amigo");

  // Deleting it with the keys leaves a later pictogram its own words.
  ASSERT_TRUE(editor.AddPictogram(RedPicture(), "obrigado", ""));
  box.Select(3, 3);
  QTest::keyClick(&box, Qt::Key_Backspace);
  EXPECT_EQ(editor.GetTextWithPictogramWords(), "eu amigo obrigado");
}

TEST_F(CTextBoxTest, PictureFilesAreReadThroughTheFileSystem) {
  files.AddFile("/galeria/pao.bmp", testing::BitmapBytes(testing::Quarters(8, 6)));
  files.AddFile("/galeria/estragado.bmp", "not a picture");
  EXPECT_FALSE(box.InsertPictureFile(0, "/galeria/estragado.bmp", 1));
  EXPECT_FALSE(box.InsertPictureFile(0, "/galeria/nada.bmp", 2));
  EXPECT_EQ(box.Length(), 0);
  EXPECT_TRUE(box.InsertPictureFile(0, "/galeria/pao.bmp", 3));
  EXPECT_EQ(box.Pictograms(), (std::vector<PictogramAt>{{0, 3}}));
  EXPECT_EQ(box.Selection(), (TextSelection{1, 1}));
  EXPECT_FALSE(box.InsertPicture(0, PictogramPicture{2, 2, {0}}, 4));  // too few pixels
}

TEST_F(CTextBoxTest, FontSizeAndFaceApplyToAllTextKeepingTheSelection) {
  QTest::keyClicks(&box, "abc");
  ASSERT_TRUE(box.InsertPicture(3, RedPicture(), 1));
  box.Select(1, 2);
  box.SetFontSize(20);
  box.SetFontFace("DejaVu Serif");
  EXPECT_EQ(box.Selection(), (TextSelection{1, 2}));
  for (int position = 0; position < 3; ++position) {
    QTextCursor cursor(box.document());
    cursor.setPosition(position + 1);  // the format of the character before
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 20) << position;
    EXPECT_TRUE(cursor.charFormat().fontFamilies().toStringList().contains("DejaVu Serif"));
  }
  box.Select(4, 4);
  QTest::keyClicks(&box, "d");
  QTextCursor typed(box.document());
  typed.setPosition(5);
  EXPECT_EQ(typed.charFormat().fontPointSize(), 20);
  EXPECT_EQ(box.Pictograms().size(), 1u);
}

TEST_F(CTextBoxTest, ClicksAreReportedAndIgnoredWhileSwallowed) {
  box.show();
  QTest::keyClicks(&box, "abcdef");
  const QPoint start = box.viewport()->rect().topLeft() + QPoint(2, 5);
  const QPoint global = box.viewport()->mapToGlobal(start);
  listener.log.clear();
  box.SetClicksSwallowed(true);
  QTest::mouseClick(box.viewport(), Qt::LeftButton, Qt::NoModifier, start);
  const std::string point = std::to_string(global.x()) + "," + std::to_string(global.y());
  EXPECT_EQ(listener.log, "left down " + point + "; left up " + point);
  EXPECT_EQ(box.Selection(), (TextSelection{6, 6}));
  box.SetClicksSwallowed(false);
  QTest::mouseClick(box.viewport(), Qt::LeftButton, Qt::NoModifier, start);
  EXPECT_EQ(box.Selection(), (TextSelection{0, 0}));
}

}  // namespace
}  // namespace vorelio
