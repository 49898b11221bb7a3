// predarin-render-keyboard run as a user runs it: pictures of the shipped
// keyboards, highlights, and the messages for what cannot be drawn.
#include <QImage>

#include <filesystem>

#include "common/NativePath.h"
#include "gui/KeyboardPainter.h"
#include "gui/QtKeyFontMetrics.h"
#include "gui/QtKeyPictureLoader.h"
#include "keyboards/KeyboardPresentation.h"
#include "keyboards/OnScreenKeyboard.h"
#include "keyboards/OnScreenKeyboardLayout.h"
#include "profiles/UserProfileOptions.h"
#include "tests/TestSupport.h"
#include "tests/gui/GuiTestSupport.h"

namespace vorelio::testing {
namespace {

const std::string kData = VORELIO_DATA_DIR;

ToolRun Render(const std::string& arguments) { return RunTool(VORELIO_RENDER_TOOL, arguments); }

std::string Shipped(const std::string& name) { return kData + "/" + name + ".tec"; }

// The layout the program gives a shipped keyboard with a new profile's options.
KeyboardLayout LayoutOf(const std::string& name) {
  QtKeyPictureLoader pictures(DiskFiles());
  KeyboardEnvironment environment;
  environment.pictures = &pictures;
  environment.presentation = PresentationOf(UserProfileOptions{}, kData);
  COnScreenKeyboard keyboard(environment);
  keyboard.Load(DiskFiles(), Shipped(name));
  return LayOutOnScreenKeyboard(keyboard, QtKeyFontMetrics(environment.presentation.fontFace,
                                                           environment.presentation.fontSize));
}

QImage Read(const std::string& path) {
  return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

class RenderKeyboardToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(VORELIO_RENDER_TOOL)) GTEST_SKIP() << "the tool is not built";
  }
  TempFolder out_;
};

TEST_F(RenderKeyboardToolTest, DrawsAShippedKeyboardAtItsOwnSizeOrTheGivenOne) {
  for (const std::string name : {"QwertySimples", "Pictogramas"}) {
    SCOPED_TRACE(name);
    const ToolRun run = Render(Shipped(name) + " " + out_.File(name + ".png"));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const KeyboardLayout layout = LayoutOf(name);
    const QImage picture = Read(out_.File(name + ".png"));
    EXPECT_EQ(picture.size(), QSize(layout.width, layout.height));
    // The first key is a suggestion key, in a new profile's colour for them.
    EXPECT_EQ(picture.pixel(1, 1), Rgb(UserProfileOptions{}.suggestionKeyBackgroundColour));
  }

  // Options changed from the new profile's: gaps between the lines show
  // the window background.
  const ToolRun gaps = Render("--set ESPACO_ENTRE_LINHAS=4 --set COR_FUNDO_JANELA=255 " +
                              Shipped("QwertySimples") + " " + out_.File("gaps.png"));
  ASSERT_EQ(gaps.exitCode, 0) << gaps.output;
  const QImage spaced = Read(out_.File("gaps.png"));
  const KeyboardLayout layout = LayoutOf("QwertySimples");
  EXPECT_EQ(spaced.size(), QSize(layout.width, layout.height + 4 * (layout.lines.size() + 1)));
  EXPECT_EQ(spaced.pixel(1, 1), Rgb(255));

  const ToolRun run = Render("--size 2000x900 " + Shipped("QwertySimples") + " " +
                             out_.File("grande.png"));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const QImage large = Read(out_.File("grande.png"));
  EXPECT_EQ(large.size(), QSize(2000, 900));
  EXPECT_EQ(large.pixel(1999, 899), Rgb(UserProfileOptions{}.windowBackgroundColour));
}

TEST_F(RenderKeyboardToolTest, HighlightLightsTheLineGroupOrKeyAlone) {
  ASSERT_EQ(Render(Shipped("QwertySimples") + " " + out_.File("plain.png")).exitCode, 0);
  const QImage plain = Read(out_.File("plain.png"));
  const KeyboardLayout layout = LayoutOf("QwertySimples");
  const QRect line = ToQRect(layout.lines[2].rect);
  const QRect group = ToQRect(layout.lines[2].groups[1].rect);
  const QRect key = ToQRect(layout.lines[2].groups[1].keys[3]);

  for (const auto& [place, rect] : {std::pair{"2", line}, {"2.1", group}, {"2.1.3", key}}) {
    SCOPED_TRACE(place);
    const ToolRun run = Render(std::string("--highlight ") + place + " " +
                               Shipped("QwertySimples") + " " + out_.File("lit.png"));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(BoundsOfDifference(plain, Read(out_.File("lit.png"))), rect);
  }
}

TEST_F(RenderKeyboardToolTest, SaysWhyItCannotDraw) {
  const std::string keyboard = Shipped("QwertySimples");
  const std::string png = out_.File("out.png");
  struct Case {
    std::string arguments;
    std::string message;
  };
  const std::string noLines = out_.Write("vazio.tec", "// nada\n\n// ainda nada\n");
  const Case cases[] = {
      {out_.File("falta.tec") + " " + png, "cannot read the keyboard file"},
      {out_.Path() + " " + png, "cannot read the keyboard file"},
      {noLines + " " + png, "has no lines"},
      {"--highlight 2.x " + keyboard + " " + png, "--highlight takes"},
      {"--highlight 1.0.0.0 " + keyboard + " " + png, "--highlight takes"},
      {"--highlight -1 " + keyboard + " " + png, "--highlight takes"},
      {"--highlight 19 " + keyboard + " " + png, "no such line"},
      {"--highlight 2.7 " + keyboard + " " + png, "no such group"},
      {"--highlight 2.1.9 " + keyboard + " " + png, "no such key"},
      {"--size 0x10 " + keyboard + " " + png, "--size takes"},
      {"--size 640 " + keyboard + " " + png, "--size takes"},
      {"--size 640x480x2 " + keyboard + " " + png, "--size takes"},
      {"--data " + out_.File("nada") + " " + keyboard + " " + png, "data folder not found"},
      {"--set ESPACO_ENTRE_TECLAS=largo " + keyboard + " " + png, "not a valid value"},
      {"--set COR_DAS_TECLAS=3 " + keyboard + " " + png, "unknown option key"},
      {keyboard, "give the keyboard file and the picture"},
      {keyboard + " " + out_.File("falta/out.png"), "cannot write the picture"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const ToolRun run = Render(c.arguments);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    EXPECT_FALSE(out_.Exists("out.png"));
  }
}

}  // namespace
}  // namespace vorelio::testing
