// The keyboard: loading and saving through the file system, capacities,
// lookups, modified flags, suggestion-key lists and the state of its keys.
#include "keyboards/OnScreenKeyboard.h"

#include <gtest/gtest.h>

#include "keyboards/KeyboardTestSupport.h"
#include "platform/AtomicFile.h"
#include "platform/sim/FaultyFileSystem.h"
#include "platform/sim/MemoryFileSystem.h"

namespace vorelio {
namespace {

using Positions = std::vector<COnScreenKeyIdentifier>;
using testing::OfType;
using testing::RepaintRecorder;
using testing::TextKey;

constexpr char kPath[] = "/dados/Simples.tec";
constexpr char kSimple[] =
    "ALTURA_TECLAS 40\n"
    "DESCRICAO Teclado;;;simples\n"
    "\n"
    "LINHA Letras\n"
    "GRUPO Vogais\n"
    "TECLA TECLA_NORMAL a letra;;;a a 1 -1 -1\n"
    "TECLA TECLA_NORMAL \xe3 a;;;til \xe3 0 255 -1\n"
    "GRUPO Vazio\n"
    "\n"
    "LINHA Predi\xe7\xf5" "es\n"
    "GRUPO P\n"
    "TECLA TECLA_PREDICAO\n"
    "TECLA TECLA_VAZIA\n";

class OnScreenKeyboardTest : public ::testing::Test {
 protected:
  OnScreenKeyboardTest() : keyboard_(Environment()) { files_.AddFile(kPath, kSimple); }

  static KeyboardEnvironment Environment() {
    KeyboardEnvironment environment;
    environment.presentation.keyBackgroundColour = 0xFFFFFF;
    environment.presentation.keyTextColour = 0x000000;
    return environment;
  }

  MemoryFileSystem files_;
  COnScreenKeyboard keyboard_;
};

TEST_F(OnScreenKeyboardTest, LoadingBuildsTheKeyboardAndClearsTheModifiedFlag) {
  keyboard_.Load(files_, kPath);
  EXPECT_EQ(keyboard_.Path(), kPath);
  EXPECT_EQ(keyboard_.Description(), "Teclado simples");
  ASSERT_EQ(keyboard_.LineCount(), 2);
  EXPECT_EQ(keyboard_.GroupCount(0), 2);
  EXPECT_EQ(keyboard_.KeyCount(0, 0), 2);
  EXPECT_EQ(keyboard_.KeyCount(0, 1), 0);
  EXPECT_FALSE(keyboard_.IsModified());

  EXPECT_EQ(keyboard_.TypeOfKey({0, 0, 1}), "TECLA_NORMAL");
  EXPECT_EQ(keyboard_.OutputOfKey({0, 0, 1}), "\xe3");
  EXPECT_EQ(keyboard_.Key({0, 0, 1})->BackgroundColour(), 255);
  EXPECT_TRUE(keyboard_.KeyIsActive({0, 0, 0}));
  EXPECT_FALSE(keyboard_.KeyIsActive({0, 0, 1}));
  EXPECT_EQ(keyboard_.TypeOfKey({1, 0, 1}), "TECLA_VAZIA");

  // Places that do not exist.
  for (const COnScreenKeyIdentifier missing :
       {COnScreenKeyIdentifier{0, 0, 2}, {0, 2, 0}, {2, 0, 0}, {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}}) {
    EXPECT_EQ(keyboard_.TypeOfKey(missing), "") << missing.Text();
    EXPECT_EQ(keyboard_.OutputOfKey(missing), "");
    EXPECT_FALSE(keyboard_.KeyIsActive(missing));
    EXPECT_EQ(keyboard_.Key(missing), nullptr);
  }
  EXPECT_EQ(keyboard_.GroupCount(5), 0);
  EXPECT_EQ(keyboard_.KeyCount(0, 7), 0);
}

TEST_F(OnScreenKeyboardTest, EmptyPathDoesNothingAndAnUnreadableFileEmptiesTheKeyboard) {
  keyboard_.Load(files_, kPath);
  keyboard_.Load(files_, "");
  EXPECT_EQ(keyboard_.LineCount(), 2);
  EXPECT_EQ(keyboard_.Path(), kPath);

  keyboard_.Load(files_, "/dados/NaoExiste.tec");
  EXPECT_EQ(keyboard_.LineCount(), 0);
  EXPECT_EQ(keyboard_.Path(), "");
  EXPECT_EQ(keyboard_.Description(), "");
  EXPECT_TRUE(keyboard_.SuggestionKeys(KeyType::kWordSuggestion).empty());
  EXPECT_TRUE(keyboard_.KeyRecords().empty());
  EXPECT_FALSE(keyboard_.Save(files_));  // no path to save to
}

TEST_F(OnScreenKeyboardTest, RecordsPastTheCapacitiesAreDroppedAndCounted) {
  // Line 0: 12 groups, its first with 250 keys, the others with one each;
  // then 24 more lines of one group of one key: 25 lines in all.
  std::string file = "LINHA L0\n";
  for (int group = 0; group < 12; ++group) {
    file += "GRUPO G" + std::to_string(group) + "\n";
    for (int key = 0; key < (group == 0 ? 250 : 1); ++key)
      file += "TECLA TECLA_NORMAL k" + std::to_string(key) + " d o\n";
  }
  for (int line = 1; line < 25; ++line)
    file += "LINHA L" + std::to_string(line) + "\nGRUPO G\nTECLA TECLA_VAZIA\n";
  keyboard_.LoadContents(file);

  EXPECT_EQ(keyboard_.LineCount(), 20);
  EXPECT_EQ(keyboard_.GroupCount(0), 10);
  EXPECT_EQ(keyboard_.KeyCount(0, 0), 200);
  EXPECT_EQ(keyboard_.Key({0, 0, 199})->Label(), "k199");
  EXPECT_EQ(keyboard_.Dropped(), (DroppedRecords{5, 5 + 2, 5 + 2 + 50}));
  EXPECT_EQ(keyboard_.KeyRecords().size(), 250u + 11u + 24u);  // every TECLA record
  EXPECT_FALSE(keyboard_.IsModified());

  const std::string message = DroppedRecordsMessage("Grande", keyboard_.Dropped());
  EXPECT_NE(message.find("O teclado Grande"), std::string::npos);
  EXPECT_NE(message.find("5 linhas, 7 grupos e 57 teclas"), std::string::npos);
  EXPECT_EQ(DroppedRecordsMessage("Simples", {}), "");

  // Adding past a capacity, or to a place that does not exist, adds nothing.
  EXPECT_EQ(keyboard_.AddLine("L20"), -1);
  EXPECT_EQ(keyboard_.AddGroup(0, "G10"), -1);
  EXPECT_EQ(keyboard_.AddGroup(20, "G"), -1);
  for (const auto& [line, group] : {std::pair{0, 0}, {1, 1}, {-1, 0}})
    EXPECT_EQ(keyboard_.AddKey(line, group, TextKey("x")), -1) << line << "." << group;
  EXPECT_FALSE(keyboard_.IsModified());
}

TEST_F(OnScreenKeyboardTest, SuggestionKeyListsFollowKeyboardOrderPerType) {
  keyboard_.LoadContents(
      "LINHA A\nGRUPO A0\nTECLA TECLA_PREDICAO_FRASE\nTECLA TECLA_PREDICAO\n"
      "GRUPO A1\nTECLA TECLA_NORMAL x x x\nTECLA TECLA_PREDICAO_IMAGEM\n"
      "LINHA B\nGRUPO B0\nTECLA TECLA_PREDICAO\nTECLA TECLA_PREDICAO_FRASE_IMAGENS\n"
      "TECLA TECLA_PREDICAO_FRASE\n");
  EXPECT_EQ(keyboard_.SuggestionKeys(KeyType::kWordSuggestion), (Positions{{0, 0, 1}, {1, 0, 0}}));
  EXPECT_EQ(keyboard_.SuggestionKeys(KeyType::kSentenceSuggestion), (Positions{{0, 0, 0}, {1, 0, 2}}));
  EXPECT_EQ(keyboard_.SuggestionKeys(KeyType::kPictogramSuggestion), (Positions{{0, 1, 1}}));
  EXPECT_EQ(keyboard_.SuggestionKeys(KeyType::kPictogramSentenceSuggestion), (Positions{{1, 0, 1}}));
  EXPECT_EQ(keyboard_.AllSuggestionKeys(),
            (Positions{{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {1, 0, 0}, {1, 0, 1}, {1, 0, 2}}));

  // Keys added or retyped later take their place in keyboard order.
  EXPECT_EQ(keyboard_.AddKey(0, 1, OfType("TECLA_PREDICAO")), 2);
  EXPECT_TRUE(keyboard_.ChangeKey({1, 0, 0}, TextKey("y")));
  EXPECT_EQ(keyboard_.SuggestionKeys(KeyType::kWordSuggestion), (Positions{{0, 0, 1}, {0, 1, 2}}));
}

TEST_F(OnScreenKeyboardTest, ModifiedFlagsAreSetByChangesAndClearedBySaving) {
  keyboard_.Load(files_, kPath);
  EXPECT_EQ(keyboard_.AddLine("Nova"), 2);
  EXPECT_TRUE(keyboard_.IsModified());
  ASSERT_TRUE(keyboard_.Save(files_));
  EXPECT_FALSE(keyboard_.IsModified());

  EXPECT_EQ(keyboard_.AddGroup(2, "G"), 0);
  EXPECT_TRUE(keyboard_.Line(2)->IsModified());
  ASSERT_TRUE(keyboard_.Save(files_));
  EXPECT_FALSE(keyboard_.Line(2)->IsModified());

  EXPECT_EQ(keyboard_.AddKey(2, 0, TextKey("z")), 0);
  EXPECT_TRUE(keyboard_.Group(2, 0)->IsModified());
  ASSERT_TRUE(keyboard_.Save(files_));

  EXPECT_FALSE(keyboard_.ChangeKey({2, 0, 0}, TextKey("z")));  // the same fields
  EXPECT_FALSE(keyboard_.ChangeKey({2, 0, 1}, TextKey("z")));  // no such key
  keyboard_.SetDescription("Teclado simples");
  keyboard_.SetKeyHeights(40, 0);
  EXPECT_FALSE(keyboard_.IsModified());
  COnScreenKeyData caption = TextKey("z");
  caption.caption = "legenda";
  EXPECT_TRUE(keyboard_.ChangeKey({2, 0, 0}, caption));
  EXPECT_TRUE(keyboard_.IsModified());

  // A key's type must be one word, or it could not be written.
  EXPECT_EQ(keyboard_.AddKey(2, 0, OfType("TECLA NORMAL")), -1);
  EXPECT_EQ(keyboard_.AddKey(2, 0, OfType("")), -1);
  EXPECT_FALSE(keyboard_.ChangeKey({2, 0, 0}, OfType("")));
}

TEST_F(OnScreenKeyboardTest, SavingWritesTheRecordsInOrderAndReadsBackTheSame) {
  keyboard_.Load(files_, kPath);
  keyboard_.Key({1, 0, 0})->SetSuggestion("palavra");  // run-time only, never saved
  const std::string expected = kSimple;  // the file is already in the writer's form
  EXPECT_EQ(keyboard_.Contents(), expected);
  ASSERT_TRUE(keyboard_.SaveAs(files_, "/dados/Copia.tec"));
  EXPECT_EQ(keyboard_.Path(), "/dados/Copia.tec");
  EXPECT_EQ(files_.ReadFile("/dados/Copia.tec"), expected);

  COnScreenKeyboard reloaded(Environment());
  reloaded.Load(files_, "/dados/Copia.tec");
  EXPECT_EQ(reloaded.Contents(), expected);
  EXPECT_EQ(reloaded.KeyRecords().size(), 4u);
}

// The key's own colour rules are its own test's; here the keyboard passes
// the profile on to every key, and the file follows.
TEST_F(OnScreenKeyboardTest, DefaultColoursFollowTheProfile) {
  keyboard_.LoadContents(
      "LINHA L\nGRUPO G\nTECLA TECLA_NORMAL a a a 1 -1 -1\nTECLA TECLA_NORMAL b b b 1 16777215 0\n"
      "TECLA TECLA_NORMAL c c c 1 255 65280\n");
  KeyboardPresentation presentation = keyboard_.Environment().presentation;
  presentation.keyBackgroundColour = 0x123456;
  keyboard_.SetPresentation(presentation);
  EXPECT_EQ(keyboard_.Key({0, 0, 1})->BackgroundColour(), 0x123456);
  // Colours equal to the defaults are written as -1, so the file follows too.
  EXPECT_EQ(keyboard_.Contents(),
            "\nLINHA L\nGRUPO G\nTECLA TECLA_NORMAL a a a 1 -1 -1\n"
            "TECLA TECLA_NORMAL b b b 1 -1 -1\nTECLA TECLA_NORMAL c c c 1 255 65280\n");
}

TEST_F(OnScreenKeyboardTest, AFailedSaveKeepsTheOldFileAndTheModifiedFlag) {
  FaultyFileSystem faulty(files_);
  keyboard_.Load(faulty, kPath);
  keyboard_.AddLine("Nova");
  for (const FileOperation failure :
       {FileOperation::kOpen, FileOperation::kDiskFull, FileOperation::kSync, FileOperation::kRename}) {
    faulty.FailNext(failure);
    EXPECT_FALSE(keyboard_.Save(faulty));
    EXPECT_EQ(files_.ReadFile(kPath), kSimple);
    EXPECT_TRUE(keyboard_.IsModified());
  }
  faulty.FailNext(FileOperation::kRename);
  EXPECT_FALSE(keyboard_.SaveAs(faulty, "/dados/Outro.tec"));
  EXPECT_EQ(keyboard_.Path(), kPath);  // still the file it came from
  EXPECT_FALSE(PathExists(files_, "/dados/Outro.tec"));
  EXPECT_EQ(files_.Paths(), (std::vector<std::string>{"/dados/", kPath}));  // no temporary left

  files_.SetPermissions(kPath, 0444);  // the user made it read-only
  EXPECT_FALSE(keyboard_.Save(files_));
  EXPECT_EQ(files_.ReadFile(kPath), kSimple);
}

TEST_F(OnScreenKeyboardTest, HighlightsMarkersAndEditModeReachTheirKeysAndRepaintThem) {
  RepaintRecorder repaints;
  keyboard_.SetRepaintListener(&repaints);
  keyboard_.Load(files_, kPath);
  keyboard_.SetLineHighlighted(0, true);
  EXPECT_EQ(repaints.Take(), "0.0.0 0.0.1");
  keyboard_.SetLineHighlighted(0, false);
  keyboard_.SetGroupHighlighted(1, 0, true);
  keyboard_.SetKeyHighlighted({1, 0, 1}, false);
  EXPECT_EQ(repaints.Take(), "0.0.0 0.0.1 1.0.0 1.0.1 1.0.1");
  keyboard_.SetGroupMarker(0, 0, true);
  keyboard_.SetKeyMarker({0, 0, 0}, false);
  keyboard_.SetLineMarker(1, true);
  EXPECT_EQ(repaints.Take(), "0.0.0 0.0.1 0.0.0 1.0.0 1.0.1");
  EXPECT_TRUE(keyboard_.Key({0, 0, 1})->HasMarker());

  // Places that do not exist change nothing.
  keyboard_.SetLineHighlighted(9, true);
  keyboard_.SetGroupHighlighted(0, 9, true);
  keyboard_.SetGroupMarker(0, -1, true);
  keyboard_.SetKeyMarker({0, 1, 0}, true);
  EXPECT_EQ(repaints.Take(), "");

  keyboard_.SetEditMode(true);
  EXPECT_EQ(repaints.Take(), "0.0.0 0.0.1 1.0.0 1.0.1");
  keyboard_.AddKey(0, 1, TextKey("novo"));
  EXPECT_TRUE(keyboard_.Key({0, 1, 0})->IsInEditMode());
}

}  // namespace
}  // namespace vorelio
