#include "prediction/UserVocabularyEditor.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "prediction/AdaptationCommands.h"

namespace vorelio {
namespace {

using testing::TempFolder;

class UserVocabularyEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Write("geral.pal", "casa 10\ncarro 5\n");
    folder.Write("geral.par", "casa carro 2\n");
    folder.Write("geral.frs", "bom dia. 3\n");
    folder.Write("geral.paf", "");
    folder.Write("ana.pal", "casa 4\n");
    folder.Write("ana.par", "");
    folder.Write("ana.frs", "ol\xE1. 2\n");
    folder.Write("ana.paf", "");
    dictionary.LoadDictionary(folder.Path(), "ana", true);
    messages.messages.clear();
  }

  int32_t UserFrequency(std::string_view word) const {
    const CDictionaryWord entry = dictionary.FindWord(word);
    return entry.IsNone() ? -1 : entry->userFrequency;
  }

  TempFolder folder;
  RecordingMessageBox messages;
  CDictionary dictionary{testing::DiskFiles(), messages};
};

TEST_F(UserVocabularyEditorTest, BeginSavesWhatWasLearnedAndIsRefusedWhileLocked) {
  dictionary.AddUserWord("carro", 1);
  CUserVocabularyEditor editor(dictionary, VocabularyKind::kWords, messages);
  EXPECT_FALSE(editor.Begin(false));
  EXPECT_EQ(messages.messages, std::vector<std::string>{std::string(kSystemChangesLockedMessage)});
  EXPECT_EQ(folder.Read("ana.pal"), "casa 4\n");
  ASSERT_TRUE(editor.Begin(true));
  EXPECT_EQ(folder.Read("ana.pal"), "carro 1\ncasa 4\n");
  EXPECT_FALSE(dictionary.File(DictionaryFile::kUserWords).modified);
  const std::vector<UserVocabularyEntry> listed = {{"carro", 1}, {"casa", 4}};
  EXPECT_EQ(editor.Entries(), listed);
}

TEST_F(UserVocabularyEditorTest, AddingAWordTrimsLowerCasesAndRefuses) {
  CUserVocabularyEditor editor(dictionary, VocabularyKind::kWords, messages);
  ASSERT_TRUE(editor.Begin(true));
  EXPECT_EQ(editor.Add("   "), AddEntryResult::kEmpty);
  EXPECT_EQ(editor.Add(" guarda chuva "), AddEntryResult::kHasSpace);
  EXPECT_EQ(editor.Add("CASA"), AddEntryResult::kAlreadyListed);
  EXPECT_EQ(editor.Add(" Carro "), AddEntryResult::kAdded);    // general word, no user frequency
  EXPECT_EQ(editor.Add("\xC1gua"), AddEntryResult::kAdded);     // "Água": a new word
  const std::vector<std::string> expected = {
      "Palavra vazia!",
      "N\xE3o s\xE3o permitidos espa\xE7os na palavra. Utilize um travess\xE3o.",
      "J\xE1 existe essa palavra."};
  EXPECT_EQ(messages.messages, expected);
  EXPECT_EQ(UserFrequency("carro"), 1);
  EXPECT_EQ(UserFrequency("\xE1gua"), 1);
  EXPECT_TRUE(editor.SetFrequency("casa", 9));
  EXPECT_FALSE(editor.SetFrequency("nada", 9));
}

// Cancelling is checked by the menu command tests.
TEST_F(UserVocabularyEditorTest, OkSavesAndReloads) {
  CUserVocabularyEditor editor(dictionary, VocabularyKind::kWords, messages);
  ASSERT_TRUE(editor.Begin(true));
  editor.Add("mesa");
  editor.SetFrequency("casa", 0);
  ASSERT_TRUE(editor.Finish(true));
  EXPECT_EQ(folder.Read("ana.pal"), "mesa 1\n");
  EXPECT_EQ(UserFrequency("mesa"), 1);
  EXPECT_EQ(UserFrequency("casa"), 0);
  EXPECT_EQ(dictionary.SuccessorFrequency("casa", "carro"), 2);  // general pairs reloaded
  EXPECT_EQ(dictionary.File(DictionaryFile::kUserWords).path, folder.File("ana.pal"));
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(UserVocabularyEditorTest, SentencesUseTheirOwnMessagesAndFiles) {
  CUserVocabularyEditor editor(dictionary, VocabularyKind::kSentences, messages);
  ASSERT_TRUE(editor.Begin(true));
  EXPECT_EQ(editor.Add(" "), AddEntryResult::kEmpty);
  EXPECT_EQ(editor.Add("OL\xC1."), AddEntryResult::kAlreadyListed);
  EXPECT_EQ(editor.Add("Bom  dia."), AddEntryResult::kAdded);  // general, now the user's too
  EXPECT_EQ(editor.Add("At\xE9 logo!"), AddEntryResult::kAdded);
  const std::vector<std::string> expected = {"Frase vazia!", "J\xE1 existe essa frase."};
  EXPECT_EQ(messages.messages, expected);
  ASSERT_TRUE(editor.Finish(true));
  EXPECT_EQ(folder.Read("ana.frs"), "at\xE9|logo! 1\nbom|dia. 1\nol\xE1. 2\n");
  const std::vector<UserVocabularyEntry> listed = {
      {"at\xE9 logo!", 1}, {"bom dia.", 1}, {"ol\xE1.", 2}};
  EXPECT_EQ(editor.Entries(), listed);
}

TEST_F(UserVocabularyEditorTest, NothingIsReloadedOverWhatCouldNotBeSaved) {
  dictionary.AddUserWord("aprendida", 1);
  // The user file's folder disappears: the save fails.
  const std::string lost = folder.File("sumiu/ana.pal");
  dictionary.Load(DictionaryFile::kUserWords, lost);
  dictionary.AddUserWord("aprendida", 0);
  CUserVocabularyEditor editor(dictionary, VocabularyKind::kWords, messages);
  ASSERT_TRUE(editor.Begin(true));
  EXPECT_FALSE(editor.Finish(false));
  EXPECT_EQ(UserFrequency("aprendida"), 1);
  EXPECT_TRUE(dictionary.File(DictionaryFile::kUserWords).modified);
}

}  // namespace
}  // namespace vorelio
