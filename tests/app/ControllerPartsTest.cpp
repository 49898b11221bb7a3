// The controller's small parts on their own: countdowns, the before-
// completion protocol, the sentence snapshot, window placement and the
// pictogram galleries.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "app/BeforeCompletion.h"
#include "app/Countdown.h"
#include "app/PictogramFinder.h"
#include "app/SentenceSnapshot.h"
#include "app/WindowPlacement.h"
#include "profiles/UserProfileOptions.h"

namespace vorelio {
namespace {

// The tick on which a countdown started at 0 fires.
int FiringTick(int32_t threshold) {
  Countdown countdown;
  countdown.Start();
  for (int tick = 1; tick <= 100; ++tick) {
    if (countdown.Tick(threshold)) return tick;
  }
  return -1;
}

TEST(CountdownTest, FiresOnTheTickItsThresholdIsReached) {
  EXPECT_EQ(FiringTick(300), 4);
  EXPECT_EQ(FiringTick(500), 6);
  EXPECT_EQ(FiringTick(0), 1);
  EXPECT_EQ(FiringTick(-200), 1);
  EXPECT_EQ(FiringTick(250), 4);  // rounded up to 300
  EXPECT_EQ(FiringTick(301), 5);
  Countdown stopped;
  EXPECT_FALSE(stopped.Tick(0));
}

TEST(BeforeCompletionTest, SpeaksAndShowsFirstAndCompletesOnTheSameKeyAndText) {
  BeforeCompletion protocol;
  auto steps = protocol.Decide("casa", false, true, true);
  EXPECT_TRUE(steps.speakBefore && steps.show && !steps.complete);
  steps = protocol.Decide("casa", true, true, true);
  EXPECT_TRUE(!steps.speakBefore && !steps.show && steps.complete);
  // Another text on the same key starts over; so does the same text on
  // another key.
  protocol.Forget();
  EXPECT_TRUE(protocol.Decide("casa", true, true, false).speakBefore);
  EXPECT_TRUE(protocol.Decide("cama", true, true, false).speakBefore);
  EXPECT_TRUE(protocol.Decide("cama", false, true, false).speakBefore);
  EXPECT_TRUE(protocol.Decide("cama", true, true, false).complete);
  // Nothing to show: spoken first, then completed.
  protocol.Forget();
  EXPECT_FALSE(protocol.Decide("[p\xE3o]", false, true, true, false).complete);
  EXPECT_TRUE(protocol.Decide("[p\xE3o]", true, true, true, false).complete);
  EXPECT_TRUE(protocol.Decide("x", false, false, false).complete);
}

TEST(SentenceSnapshotTest, KeepsTheLastSentencePieceBeforeTheCaret) {
  SentenceSnapshot snapshot;
  snapshot.Refresh("Ol\xE1. Tudo bem? Sim, e tu ", "");
  EXPECT_EQ(snapshot.Current(), "Sim, e tu");
  snapshot.Refresh("", "\tTudo bem?");
  EXPECT_EQ(snapshot.Current(), "Tudo bem");
  EXPECT_EQ(snapshot.Previous(), "Sim, e tu");
  snapshot.Refresh("...", "");  // no piece: empty, the previous one kept
  EXPECT_EQ(snapshot.Current(), "");
  EXPECT_EQ(snapshot.Previous(), "Sim, e tu");
  snapshot.Refresh("Sim. ", "");  // a new sentence not begun yet
  EXPECT_EQ(snapshot.Current(), "");
  // Only the last 500 characters are read.
  snapshot.Refresh("a" + std::string(600, 'b'), "");
  EXPECT_EQ(snapshot.Current(), std::string(500, 'b'));
}

TEST(WindowPlacementTest, TheWindowGoesToTheCornerOppositeTheCaret) {
  const ScreenRect desktop{0, 0, 1000, 800};
  const ScreenRect frame{10, 10, 310, 210};
  EXPECT_EQ(PlaceAwayFromCaret({100, 100}, desktop, frame, false), (ScreenPoint{700, 600}));
  EXPECT_EQ(PlaceAwayFromCaret({100, 700}, desktop, frame, false), (ScreenPoint{700, 0}));
  EXPECT_EQ(PlaceAwayFromCaret({900, 100}, desktop, frame, false), (ScreenPoint{0, 600}));
  EXPECT_EQ(PlaceAwayFromCaret({900, 700}, desktop, frame, false), (ScreenPoint{0, 0}));
  // The animated character keeps the left and top edges free.
  EXPECT_EQ(PlaceAwayFromCaret({100, 700}, desktop, frame, true), (ScreenPoint{700, 50}));
  EXPECT_EQ(PlaceAwayFromCaret({900, 700}, desktop, frame, true), (ScreenPoint{100, 50}));
  // Next to the caret, kept on the desktop.
  EXPECT_EQ(PlaceNextToCaret({100, 300}, desktop, frame), (ScreenPoint{200, 300}));
  EXPECT_EQ(PlaceNextToCaret({900, 750}, desktop, frame), (ScreenPoint{700, 600}));
}

TEST(WindowPlacementTest, StartPlacementFollowsTheProfileAndKeepsTheWindowUsable) {
  const ScreenRect desktop{0, 0, 1000, 800};
  UserProfileOptions options;  // the defaults: 100 x 100 at (0, 0), bars shown
  StartWindowPlacement placement = PlaceWindowAtStart(options, desktop, 600, 400);
  EXPECT_EQ(placement.state, WindowShowState::kNormal);
  EXPECT_TRUE(placement.showBars);
  // Never smaller than the keyboard and the editor.
  EXPECT_EQ(placement.frame, (ScreenRect{0, 0, 600, 400}));
  options.windowX = 300;
  options.windowY = 100;
  options.windowWidth = 650;
  options.windowHeight = 300;
  EXPECT_EQ(PlaceWindowAtStart(options, desktop, 600, 400).frame, (ScreenRect{300, 100, 950, 500}));
  // A position from a larger screen is brought back onto this one.
  options.windowX = 3000;
  options.windowY = -50;
  EXPECT_EQ(PlaceWindowAtStart(options, desktop, 600, 400).frame, (ScreenRect{350, 0, 1000, 400}));
  options.centreWindow = 1;
  EXPECT_EQ(PlaceWindowAtStart(options, desktop, 600, 400).frame, (ScreenRect{175, 200, 825, 600}));
  // Minimized wins over maximized.
  options.startMaximized = 1;
  EXPECT_EQ(PlaceWindowAtStart(options, desktop, 600, 400).state, WindowShowState::kMaximized);
  options.startMinimized = 1;
  options.showWindowBars = 0;
  placement = PlaceWindowAtStart(options, desktop, 600, 400);
  EXPECT_EQ(placement.state, WindowShowState::kMinimized);
  EXPECT_FALSE(placement.showBars);
  // Larger than the desktop: the top-left corner stays on it.
  EXPECT_EQ(PlaceWindowAtStart(options, desktop, 1200, 900).frame, (ScreenRect{0, 0, 1200, 900}));
}

TEST(PictogramFinderTest, FindsPictogramsInTheGalleriesWhateverTheirCase) {
  testing::TempFolder folder;
  std::filesystem::create_directories(folder.File("CAT_IMG_Comida"));
  std::filesystem::create_directories(folder.File("CAT_IMG_Pessoas"));
  std::filesystem::create_directories(folder.File("Outros"));
  folder.Write("CAT_IMG_Comida/p\xC3\xA3o.bmp", "");
  folder.Write("CAT_IMG_Comida/Leite.BMP", "");
  folder.Write("CAT_IMG_Comida/nota.txt", "");
  folder.Write("CAT_IMG_Pessoas/eu.bmp", "");
  folder.Write("CAT_IMG_Pessoas/leite.bmp", "");
  folder.Write("Outros/tu.bmp", "");
  PictogramFinder finder(testing::DiskFiles());
  finder.SetDataFolder(folder.Path());
  EXPECT_EQ(finder.ReferenceOf("[p\xE3o]"), "CAT_IMG_Comida\\p\xE3o.bmp");
  EXPECT_EQ(finder.ReferenceOf("P\xC3O"), "CAT_IMG_Comida\\p\xE3o.bmp");
  EXPECT_EQ(finder.ReferenceOf("[leite]"), "CAT_IMG_Comida\\Leite.BMP");  // first gallery
  EXPECT_EQ(finder.ReferenceOf("[tu]"), "");                              // not a gallery
  EXPECT_EQ(finder.ReferenceOf("[nota]"), "");
  EXPECT_EQ(finder.RowOf("[eu] quero [p\xE3o] [tu]"),
            "CAT_IMG_Pessoas\\eu.bmp:CAT_IMG_Comida\\p\xE3o.bmp");
  finder.SetDataFolder(folder.File("Outros/"));
  EXPECT_EQ(finder.ReferenceOf("[eu]"), "");
}

}  // namespace
}  // namespace vorelio
