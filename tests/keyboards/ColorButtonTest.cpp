// One key: what it posts to the controller, hover repetition, colours,
// pictures and repaints.
#include "keyboards/ColorButton.h"

#include <gtest/gtest.h>

#include "keyboards/KeyboardTestSupport.h"

namespace vorelio {
namespace {

using testing::FakePictureLoader;
using testing::OfType;
using testing::RecordingWindow;
using testing::RepaintRecorder;
using testing::TextKey;

constexpr COnScreenKeyIdentifier kPosition{2, 1, 5};
const std::string kPacked = std::to_string(2 * 65536 + 1 * 256 + 5);

std::string PackedPointer(int x, int y) { return std::to_string((y << 16) | x); }

class ColorButtonTest : public ::testing::Test {
 protected:
  ColorButtonTest() : loop_(clock_) {
    environment_.notificationWindow = loop_.CreateWindow(window_);
    environment_.pictures = &pictures_;
    environment_.repaint = &repaints_;
    environment_.presentation.keyBackgroundColour = 0xFFFFFF;
    environment_.presentation.keyTextColour = 0x000000;
    environment_.presentation.hoverLimit = 2;
    environment_.presentation.dataFolder = "/dados/";
  }

  std::unique_ptr<CColorButton> MakeKey(COnScreenKeyData data = TextKey("a"), bool editMode = false) {
    auto key = std::make_unique<CColorButton>(environment_, kPosition, data, editMode);
    repaints_.Take();
    return key;
  }
  // What the controller's window received since the last call.
  std::string Posted() {
    loop_.DispatchPending();
    return std::exchange(window_.log, {});
  }

  ManualLoopClock clock_;
  MessageLoop loop_;
  RecordingWindow window_;
  FakePictureLoader pictures_;
  RepaintRecorder repaints_;
  KeyboardEnvironment environment_;
};

TEST_F(ColorButtonTest, PressesPostThePackedPositionAndTheButton) {
  auto key = MakeKey();
  const PointerPosition pointer{10, 20};
  EXPECT_TRUE(key->Press(MouseButton::kLeft, pointer));  // the view gives the press feedback
  EXPECT_EQ(Posted(), "pressed " + kPacked + " 0; left-down " + kPacked + " " + PackedPointer(10, 20));
  EXPECT_FALSE(key->Press(MouseButton::kRight, pointer));
  EXPECT_FALSE(key->Press(MouseButton::kMiddle, pointer));
  EXPECT_EQ(Posted(), "pressed " + kPacked + " 1; pressed " + kPacked + " 2");
  key->DoubleClick();
  EXPECT_EQ(Posted(), "double " + kPacked + " 0");
  EXPECT_EQ(PackPointerPosition({-1, 3}), (3u << 16) | 0xFFFFu);  // as the hook packs points
}

TEST_F(ColorButtonTest, InEditModeAPressSelectsButDoesNotType) {
  auto key = MakeKey(TextKey("a"), /*editMode=*/true);
  EXPECT_FALSE(key->Press(MouseButton::kLeft, {1, 2}));
  EXPECT_FALSE(key->Press(MouseButton::kRight, {1, 2}));
  EXPECT_EQ(Posted(), "left-down " + kPacked + " " + PackedPointer(1, 2));
  key->SetEditMode(false);
  key->Press(MouseButton::kRight, {1, 2});
  EXPECT_EQ(Posted(), "pressed " + kPacked + " 1");
}

TEST_F(ColorButtonTest, InactiveKeysPostNothing) {
  for (const int32_t flag : {0, 2, -1}) {
    auto key = MakeKey(TextKey("a", flag));
    EXPECT_FALSE(key->IsActive());
    EXPECT_FALSE(key->Press(MouseButton::kLeft, {1, 1}));
    key->Press(MouseButton::kRight, {1, 1});
    key->DoubleClick();
    key->PointerMoved({1, 1});
    key->PointerRested();
    EXPECT_EQ(Posted(), "") << "active flag " << flag;
    EXPECT_TRUE(key->IsHovered());  // it is still drawn hovered
  }
}

TEST_F(ColorButtonTest, HoverSpeaksAfterTheHoverTimeThenEveryFourSecondsUpToTheLimit) {
  auto key = MakeKey();
  EXPECT_EQ(key->PointerRested(), std::nullopt);  // a stale timer before the pointer came
  EXPECT_EQ(key->PointerMoved({5, 6}), kDefaultHoverTimeMs);
  EXPECT_TRUE(key->IsHovered());
  EXPECT_EQ(repaints_.Take(), "2.1.5");
  EXPECT_EQ(key->PointerMoved({6, 6}), kDefaultHoverTimeMs);  // moving restarts the wait
  EXPECT_EQ(repaints_.Take(), "");
  EXPECT_EQ(Posted(), "move " + PackedPointer(5, 6) + " 0; move " + PackedPointer(6, 6) + " 0");

  EXPECT_EQ(key->PointerRested(), kHoverRepeatMs);
  EXPECT_EQ(key->PointerRested(), std::nullopt);  // the limit of 2 is reached
  EXPECT_EQ(key->HoverCount(), 2);
  EXPECT_EQ(Posted(), "hover " + kPacked + " 0; hover " + kPacked + " 0");
  EXPECT_EQ(key->PointerMoved({6, 7}), std::nullopt);
  Posted();

  // Leaving and coming back lets the key speak again.
  key->PointerLeft();
  EXPECT_FALSE(key->IsHovered());
  EXPECT_EQ(key->PointerRested(), std::nullopt);
  EXPECT_EQ(key->PointerMoved({1, 1}), kDefaultHoverTimeMs);
  EXPECT_EQ(key->PointerRested(), kHoverRepeatMs);
  EXPECT_EQ(Posted(), "move " + PackedPointer(1, 1) + " 0; hover " + kPacked + " 0");

  // A limit of 0: the moves are posted, but the key never speaks.
  environment_.presentation.hoverLimit = 0;
  key = MakeKey();
  EXPECT_EQ(key->PointerMoved({1, 1}), std::nullopt);
  EXPECT_EQ(key->PointerRested(), std::nullopt);
  EXPECT_EQ(Posted(), "move " + PackedPointer(1, 1) + " 0");
}

TEST_F(ColorButtonTest, DefaultColoursFollowTheGroupAndHighlightSwapsThem) {
  COnScreenKeyData data = TextKey("a");
  auto key = MakeKey(data);
  EXPECT_EQ(key->BackgroundColour(), 0xFFFFFF);
  EXPECT_EQ(key->TextColour(), 0x000000);
  EXPECT_EQ(key->HighlightBackgroundColour(), 0x000000);
  EXPECT_EQ(key->HighlightTextColour(), 0xFFFFFF);

  // A colour that equals the group default is stored as the default.
  data.backgroundColour = 0x0000FF;
  data.textColour = 0x000000;
  EXPECT_TRUE(key->SetData(data));
  EXPECT_EQ(key->HighlightBackgroundColour(), 0x000000);
  EXPECT_EQ(key->HighlightTextColour(), 0x0000FF);  // follows the new colour
  EXPECT_EQ(key->Data().backgroundColour, 0x0000FF);
  EXPECT_EQ(key->Data().textColour, kGroupDefaultColour);

  const KeyboardPresentation old = environment_.presentation;
  environment_.presentation.keyBackgroundColour = 0x00FF00;
  environment_.presentation.keyTextColour = 0x333333;
  key->PresentationChanged(old);
  EXPECT_EQ(key->BackgroundColour(), 0x0000FF);  // its own colour stays
  EXPECT_EQ(key->TextColour(), 0x333333);        // the default follows the profile
}

TEST_F(ColorButtonTest, ALabelNamingPictogramsLoadsThemFromTheDataFolder) {
  COnScreenKeyData data = TextKey("a");
  data.type = "TECLA_IMAGEM";
  data.label = "CAT_IMG_A\\sol.bmp:CAT_IMG_A\\missing.bmp:CAT_IMG_A\\lua.bmp";
  data.caption = "sol e lua";
  auto key = MakeKey(data);
  ASSERT_NE(key->Picture(), nullptr);
  EXPECT_EQ(key->Picture()->Width(), 60);
  EXPECT_EQ(pictures_.calls,
            std::vector<std::string>{"/dados/|CAT_IMG_A\\sol.bmp;CAT_IMG_A\\missing.bmp;CAT_IMG_A\\lua.bmp;"});

  data.label = "CAT_IMG_A\\missing.bmp";
  EXPECT_TRUE(key->SetData(data));
  EXPECT_EQ(key->Picture(), nullptr);  // nothing loaded: no picture
  EXPECT_EQ(repaints_.Take(), "2.1.5");
  EXPECT_FALSE(key->SetData(data));    // nothing changed: nothing done
  EXPECT_EQ(repaints_.Take(), "");
  EXPECT_EQ(pictures_.calls.size(), 2u);

  MakeKey(TextKey("a"));  // a text label loads nothing
  EXPECT_EQ(pictures_.calls.size(), 2u);

  environment_.pictures = nullptr;  // no loader: no pictures, no failure
  data.label = "CAT_IMG_A\\sol.bmp";
  EXPECT_EQ(MakeKey(data)->Picture(), nullptr);
}

TEST_F(ColorButtonTest, PictogramSuggestionsLoadTheirPictureWordSuggestionsDoNot) {
  auto pictogramKey = MakeKey(OfType("TECLA_PREDICAO_FRASE_IMAGENS"));
  pictogramKey->SetSuggestion("CAT_IMG_A\\eu.bmp:CAT_IMG_A\\comer.bmp");
  ASSERT_NE(pictogramKey->Picture(), nullptr);
  EXPECT_EQ(pictogramKey->Picture()->Width(), 60);
  EXPECT_EQ(repaints_.Take(), "2.1.5");
  pictogramKey->SetSuggestion("");
  EXPECT_EQ(pictogramKey->Picture(), nullptr);

  pictures_.calls.clear();
  MakeKey(OfType("TECLA_PREDICAO"))->SetSuggestion("casa.bmp");
  EXPECT_TRUE(pictures_.calls.empty());
}

TEST_F(ColorButtonTest, StateFlagsRepaintOnlyWhenTheyChange) {
  auto key = MakeKey();
  key->SetHighlighted(true);
  key->SetHighlighted(true);
  key->SetMarker(true);
  key->SetEditMode(false);
  key->SetRect({1, 2, 3, 4});  // the layout's business: no repaint
  EXPECT_EQ(repaints_.Take(), "2.1.5 2.1.5");
}

}  // namespace
}  // namespace vorelio
