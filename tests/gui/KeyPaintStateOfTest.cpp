// What the drawing of a key of the model depends on, taken from the key,
// its keyboard and the presentation.
#include "gui/KeyPaintStateOf.h"

#include <gtest/gtest.h>

#include "tests/gui/GuiTestSupport.h"
#include "tests/keyboards/KeyboardTestSupport.h"
#include "keyboards/OnScreenKeyboardLayout.h"

namespace vorelio::testing {
namespace {

constexpr COnScreenKeyIdentifier kSymbolKey{0, 0, 0};
constexpr COnScreenKeyIdentifier kLinkKey{0, 0, 1};
constexpr COnScreenKeyIdentifier kPictogramKey{0, 0, 2};
constexpr COnScreenKeyIdentifier kSuggestionKey{0, 0, 3};
constexpr COnScreenKeyIdentifier kUnknownKey{0, 0, 4};

constexpr char kKeyboard[] =
    "ALTURA_TECLAS_IMAGENS 64\n"
    "LINHA linha\n"
    "GRUPO grupo\n"
    "TECLA TECLA_NORMAL <Nenhum> nova;;;linha Enter 1 -1 -1\n"
    "TECLA TECLA_NORMAL Frases teclado;;;de;;;frases Frases.TEC 1 255 -1\n"
    "TECLA TECLA_IMAGEM CAT_IMG_Comida\\pao.bmp:pao;;;fresco pao CAT_IMG_Comida\\pao.bmp 1 -1 -1\n"
    "TECLA TECLA_PREDICAO\n"
    "TECLA TECLA_DESCONHECIDA\n";

class KeyPaintStateOfTest : public ::testing::Test {
 protected:
  KeyPaintStateOfTest() {
    KeyboardEnvironment environment;
    environment.pictures = &pictures_;
    environment.presentation.keyBackgroundColour = kBlue;
    environment.presentation.keyTextColour = kWhite;
    environment.presentation.suggestionKeyBackgroundColour = kGreen;
    environment.presentation.keyBackgroundColour2 = kRed;
    environment.presentation.keyGradientAngle = 30;
    environment.presentation.fontFace = "Verdana";
    environment.presentation.fontSize = 16;
    environment.presentation.keyHeight = 40;
    environment.presentation.pictogramKeyHeight = 50;
    keyboard_ = std::make_unique<COnScreenKeyboard>(environment);
    keyboard_->LoadContents(kKeyboard);
    LayOutOnScreenKeyboard(*keyboard_, FixedFont());
  }

  KeyPaintState StateOf(const COnScreenKeyIdentifier& position) {
    return KeyPaintStateOf(*keyboard_->Key(position), PictogramHeightOf(*keyboard_));
  }

  FakePictureLoader pictures_;
  std::unique_ptr<COnScreenKeyboard> keyboard_;
};

TEST_F(KeyPaintStateOfTest, SymbolKeyShowsItsSymbolInTheProfileColours) {
  const KeyPaintState state = StateOf(kSymbolKey);
  const KeyRect& rect = keyboard_->Key(kSymbolKey)->Rect();
  EXPECT_EQ(state.width, rect.width);
  EXPECT_EQ(state.height, rect.height);
  EXPECT_GT(state.width, 0);
  EXPECT_EQ(state.type, KeyType::kNormal);
  EXPECT_TRUE(state.active);
  EXPECT_EQ(state.symbol, KeySymbol::kEnter);
  EXPECT_FALSE(state.opensKeyboard);
  EXPECT_EQ(state.backgroundColour, kBlue);
  EXPECT_EQ(state.textColour, kWhite);
  EXPECT_EQ(state.highlightBackgroundColour, kWhite);  // the colours swapped
  EXPECT_EQ(state.highlightTextColour, kBlue);
  EXPECT_EQ(state.suggestionBackgroundColour, kGreen);
  EXPECT_FALSE(state.gradientFill);
  EXPECT_EQ(state.fontFace, "Verdana");
  EXPECT_EQ(state.fontSize, 16);
  EXPECT_EQ(state.pictogramHeight, 64);  // the keyboard's own, not the profile's 50
  EXPECT_FALSE(state.hovered || state.highlighted || state.editMode || state.marker);
}

TEST_F(KeyPaintStateOfTest, LinkKeyCarriesTheTriangleAndItsOwnColour) {
  const KeyPaintState state = StateOf(kLinkKey);
  EXPECT_TRUE(state.opensKeyboard);  // ".TEC" in capitals too
  EXPECT_FALSE(state.symbol);
  EXPECT_EQ(state.label, "Frases");
  EXPECT_EQ(state.backgroundColour, 255);
  EXPECT_EQ(state.highlightTextColour, 255);
  EXPECT_FALSE(StateOf(kSymbolKey).opensKeyboard);
}

TEST_F(KeyPaintStateOfTest, PictogramKeyShowsItsPictureWithItsCaption) {
  const KeyPaintState state = StateOf(kPictogramKey);
  EXPECT_EQ(state.type, KeyType::kPictogram);
  EXPECT_EQ(state.caption, "pao fresco");
  ASSERT_NE(state.picture, nullptr);
  EXPECT_EQ(state.picture, keyboard_->Key(kPictogramKey)->Picture());
  EXPECT_FALSE(state.opensKeyboard);  // its output writes the pictogram
  EXPECT_FALSE(state.symbol);
}

TEST_F(KeyPaintStateOfTest, SuggestionKeyShowsItsSuggestionAndItsState) {
  CColorButton& key = *keyboard_->Key(kSuggestionKey);
  key.SetSuggestion("casa");
  key.SetHighlighted(true);
  key.SetMarker(true);
  KeyPaintState state = StateOf(kSuggestionKey);
  EXPECT_EQ(state.type, KeyType::kWordSuggestion);
  EXPECT_EQ(state.suggestion, "casa");
  EXPECT_TRUE(state.highlighted);
  EXPECT_TRUE(state.marker);
  EXPECT_FALSE(state.editMode);
  keyboard_->SetEditMode(true);
  EXPECT_TRUE(StateOf(kSuggestionKey).editMode);
  EXPECT_TRUE(StateOf(kSymbolKey).editMode);

  // A type word the program does not know is drawn as an empty place.
  EXPECT_EQ(StateOf(kUnknownKey).type, KeyType::kEmpty);
}

TEST_F(KeyPaintStateOfTest, FillAndPictogramHeightFollowThePresentation) {
  KeyboardPresentation presentation = keyboard_->Environment().presentation;
  presentation.keyFill = 1;
  keyboard_->SetPresentation(presentation);
  keyboard_->SetKeyHeights(0, 0);
  const KeyPaintState state = StateOf(kSymbolKey);
  EXPECT_TRUE(state.gradientFill);
  EXPECT_EQ(state.gradientAngle, 30);
  EXPECT_EQ(state.backgroundColour2, kRed);
  EXPECT_EQ(state.pictogramHeight, 50);  // the keyboard sets none now
}

}  // namespace
}  // namespace vorelio::testing
