// What the drawing of a key of the model depends on, taken from the key,
// its keyboard and the presentation.
#include "gui/KeyPaintStateOf.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "keyboards/OnScreenKeyboardLayout.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/keyboards/KeyboardTestSupport.h"

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

TEST_F(KeyPaintStateOfTest, SymbolAndLinkKeysInTheirColours) {
  const KeyPaintState symbol = StateOf(kSymbolKey);
  const KeyRect& rect = keyboard_->Key(kSymbolKey)->Rect();
  EXPECT_EQ(QSize(symbol.width, symbol.height), QSize(rect.width, rect.height));
  EXPECT_GT(symbol.width, 0);
  EXPECT_EQ(symbol.symbol, KeySymbol::kEnter);
  EXPECT_FALSE(symbol.opensKeyboard);
  // The profile's colours, swapped when lit; the suggestion colour and font.
  EXPECT_EQ(std::tuple(symbol.backgroundColour, symbol.textColour,
                       symbol.highlightBackgroundColour, symbol.highlightTextColour,
                       symbol.suggestionBackgroundColour),
            std::tuple(kBlue, kWhite, kWhite, kBlue, kGreen));
  EXPECT_EQ(std::pair(symbol.fontFace, symbol.fontSize), std::pair(std::string("Verdana"), 16));
  EXPECT_EQ(symbol.pictogramHeight, 64);  // the keyboard's own, not the profile's 50
  EXPECT_FALSE(symbol.hovered || symbol.highlighted || symbol.editMode || symbol.marker);

  const KeyPaintState link = StateOf(kLinkKey);
  EXPECT_TRUE(link.opensKeyboard);  // ".TEC" in capitals too
  EXPECT_FALSE(link.symbol);
  EXPECT_EQ(link.label, "Frases");
  EXPECT_EQ(std::pair(link.backgroundColour, link.highlightTextColour), std::pair(255, 255));
}

TEST_F(KeyPaintStateOfTest, PictogramAndSuggestionKeysShowWhatTheyHold) {
  const KeyPaintState pictogram = StateOf(kPictogramKey);
  EXPECT_EQ(pictogram.caption, "pao fresco");
  ASSERT_NE(pictogram.picture, nullptr);
  EXPECT_EQ(pictogram.picture, keyboard_->Key(kPictogramKey)->Picture());
  EXPECT_FALSE(pictogram.opensKeyboard);  // its output writes the pictogram

  CColorButton& key = *keyboard_->Key(kSuggestionKey);
  key.SetSuggestion("casa");
  key.SetHighlighted(true);
  key.SetMarker(true);
  const KeyPaintState suggestion = StateOf(kSuggestionKey);
  EXPECT_EQ(suggestion.suggestion, "casa");
  EXPECT_TRUE(suggestion.highlighted && suggestion.marker);
  EXPECT_FALSE(suggestion.editMode);
  keyboard_->SetEditMode(true);
  EXPECT_TRUE(StateOf(kSuggestionKey).editMode);

  // A type word the program does not know is drawn as an empty place.
  EXPECT_EQ(StateOf(kUnknownKey).type, KeyType::kEmpty);
}

TEST_F(KeyPaintStateOfTest, FillAndPictogramHeightFollowThePresentation) {
  KeyboardPresentation presentation = keyboard_->Environment().presentation;
  presentation.keyFill = 1;
  keyboard_->SetPresentation(presentation);
  keyboard_->SetKeyHeights(0, 0);
  const KeyPaintState state = StateOf(kSymbolKey);
  EXPECT_EQ(std::tuple(state.gradientFill, state.gradientAngle, state.backgroundColour2),
            std::tuple(true, 30, kRed));
  EXPECT_EQ(state.pictogramHeight, 50);  // the keyboard sets none now
}

}  // namespace
}  // namespace vorelio::testing
