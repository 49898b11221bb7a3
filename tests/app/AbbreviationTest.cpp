// Expanding abbreviations with the expansion key (Tab in the fixture's
// profile) and with the on-screen key whose output names it.
#include "ControllerFixture.h"

namespace vorelio::testing {
namespace {

using Texts = std::vector<std::string>;

TEST_F(ControllerTest, WithBothPreviewsTheFirstPressSpeaksAndShowsTheSecondExpands) {
  Start({{"OUVIR_ANTES_COMPLETAR", "1"}, {"VER_ANTES_COMPLETAR", "1"}});
  Type("mrd");
  TapKey(kTab);
  EXPECT_EQ(Spoken(), Texts{"Rua das Flores"});
  EXPECT_EQ(preview.shown, Texts{"Rua das Flores"});
  EXPECT_EQ(ApplicationText(), "mrd");  // Tab itself is swallowed
  // The second press hides the preview (any key but the keypad does) and
  // expands: three Backspaces and the expansion's keys are the program's.
  view->HandleMessage(WM_HOOK_KEY_DOWN, kTab, 0);
  EXPECT_FALSE(preview.visible);
  EXPECT_EQ(view->SynthesizedKeyCount(),
            3 + view->Keystrokes().CountTypedKeystrokes("Rua das Flores "));
  Pump();
  EXPECT_EQ(ApplicationText(), "Rua das Flores ");
  EXPECT_EQ(view->SynthesizedKeyCount(), 0);
  EXPECT_EQ(Counters().Of(WritingEvent::kAbbreviationExpanded), 1);
  EXPECT_EQ(LogLinesWith("KEY_DOWN_TAB ABBREVIATION_SELECTION_Rua_das_Flores").size(), 1u);
  EXPECT_EQ(LogLinesWith("KEY_DOWN_TAB SHOW_ABBREVIATION_EXPANSION_BEFORE_EXPANSION").size(), 1u);
  EXPECT_EQ(LogLinesWith("KEY_DOWN_TAB SYNTHESIZE_ABBREVIATION_EXPANSION_BEFORE_EXPANSION").size(),
            1u);
}

TEST_F(ControllerTest, ShowingBeforeExpansionAloneNeedsTwoPresses) {
  Start({{"VER_ANTES_COMPLETAR", "1"}});
  Type("mrd");
  TapKey(kTab);
  EXPECT_EQ(preview.shown, Texts{"Rua das Flores"});
  EXPECT_EQ(Spoken(), Texts{});
  EXPECT_EQ(ApplicationText(), "mrd");
  TapKey(kTab);
  EXPECT_EQ(ApplicationText(), "Rua das Flores ");
}

// Without previews the on-screen expansion key expands at once.
TEST_F(ControllerTest, AbbreviationsAreFoundOnlyAsTypedAndTheOnScreenKeyExpandsAtOnce) {
  Start();
  Type("MRD");
  TapKey(kTab);
  EXPECT_EQ(ApplicationText(), "MRD");
  EXPECT_EQ(LogLinesWith("KEY_DOWN_TAB ABBREVIATION_NOT_FOUND_MRD").size(), 1u);
  EXPECT_EQ(Counters().Of(WritingEvent::kAbbreviationExpanded), 0);
  Type(" mrd");
  Click(kExpandKey);
  EXPECT_EQ(ApplicationText(), "MRD Rua das Flores ");
  EXPECT_EQ(LogLinesWith("LEFT_MOUSE_DOWN_KEY ABBREVIATION_SELECTION_Rua_das_Flores 1.0.2").size(),
            1u);
}

}  // namespace
}  // namespace vorelio::testing
