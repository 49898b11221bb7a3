#include "logging/UserRecord.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "tests/logging/LoggingFixtures.h"

namespace vorelio {
namespace {

using testing::SundayAt;
using testing::TempFolder;

class UserRecordTest : public ::testing::Test {
 protected:
  std::string Records() const { return folder.Read("Registos Configurador.xml"); }

  TempFolder folder;
  RecordingMessageBox messages;
  ManualClock clock{SundayAt(17)};
  CUserRecord records{testing::DiskFiles(), messages, clock};
};

TEST_F(UserRecordTest, RecordsAreAppendedAndReachTheFileAtOnce) {
  ASSERT_TRUE(records.Open(folder.Path()));
  EXPECT_EQ(records.Path(), folder.File("Registos Configurador.xml"));
  records.RecordMenuCommand(32771);  // a command that is then refused is still recorded
  records.RecordDialogOpen(130);
  clock.Set(SundayAt(59));
  records.RecordFeedback(3, "Dif\xED" "cil: <bot\xE3o> & cor");
  records.RecordDialogClose(130);
  EXPECT_EQ(Records(),
            "<CONFIGURATOR_RECORDS>\n"
            "<MENU>\n<ID>32771</ID>\n<SELECTION_TIME>2026:12:06:00:27:17</SELECTION_TIME>\n"
            "</MENU>\n"
            "<DIALOG>\n<ID>130</ID>\n<OPEN_TIME>2026:12:06:00:27:17</OPEN_TIME>\n"
            "<USER_FEEDBACK>\n<FEEDBACK_TIME>2026:12:06:00:27:59</FEEDBACK_TIME>\n"
            "<USER_DIFFICULTY>3</USER_DIFFICULTY>\n"
            "<USER_SUGGESTION>Dif\xED" "cil: <bot\xE3o> & cor</USER_SUGGESTION>\n"
            "</USER_FEEDBACK>\n"
            "<CLOSE_TIME>2026:12:06:00:27:59</CLOSE_TIME>\n</DIALOG>\n");
  EXPECT_TRUE(messages.messages.empty());

  // Opening again appends to what is there.
  CUserRecord again(testing::DiskFiles(), messages, clock);
  ASSERT_TRUE(again.Open(folder.Path()));
  again.RecordMenuCommand(1);
  EXPECT_EQ(Records().find("<CONFIGURATOR_RECORDS>"), 0u);
  EXPECT_EQ(Records().rfind("<CONFIGURATOR_RECORDS>"), 0u);
  EXPECT_NE(Records().find("<ID>1</ID>"), std::string::npos);
}

TEST_F(UserRecordTest, NothingIsWrittenWhileNoFileIsOpen) {
  records.RecordMenuCommand(1);
  ASSERT_TRUE(records.Open(folder.Path()));
  records.Close();
  EXPECT_TRUE(records.Path().empty());
  records.RecordMenuCommand(2);
  EXPECT_EQ(Records(), "<CONFIGURATOR_RECORDS>\n");
}

TEST_F(UserRecordTest, FolderThatCannotHoldTheFileIsReported) {
  EXPECT_FALSE(records.Open(folder.File("sumiu/")));
  const std::vector<std::string> expected = {
      "Erro na abertura do ficheiro com registos do configurador.",
      "Erro na abertura do ficheiro de registos do configurador!"};
  EXPECT_EQ(messages.messages, expected);
  EXPECT_TRUE(records.Path().empty());
  EXPECT_FALSE(records.IsOpen());
}

TEST_F(UserRecordTest, ClearAsksThenLeavesOnlyTheFirstLine) {
  ASSERT_TRUE(records.Open(folder.Path()));
  records.RecordMenuCommand(7);
  EXPECT_FALSE(records.Clear());  // answered No
  EXPECT_NE(Records().find("<MENU>"), std::string::npos);

  messages.answers.push_back(true);
  EXPECT_TRUE(records.Clear());
  EXPECT_EQ(Records(), "<CONFIGURATOR_RECORDS>\n");
  EXPECT_EQ(messages.questions,
            std::vector<std::string>(2, "Quer mesmo apagar os registos do configurador?"));
  EXPECT_EQ(messages.messages,
            std::vector<std::string>{"Os registos do configurador foram apagados com sucesso."});
  records.RecordMenuCommand(8);  // still open for appending
  EXPECT_NE(Records().find("<ID>8</ID>"), std::string::npos);
}

TEST_F(UserRecordTest, CopyIsCompleteAndNeverOverwritesACopy) {
  ASSERT_TRUE(records.Open(folder.Path()));
  records.RecordMenuCommand(5);
  std::filesystem::create_directory(folder.File("copias"));
  const std::string copyName = "copias/Sun Dec 06 00-27-17 2026 Registos Configurador.xml";

  ASSERT_TRUE(records.CopyTo(folder.File("copias")));
  EXPECT_EQ(folder.Read(copyName), Records() + "</CONFIGURATOR_RECORDS>\n");
  EXPECT_EQ(messages.messages,
            std::vector<std::string>{"Os registos do configurador foram copiados com sucesso."});
  EXPECT_EQ(Records().find("</CONFIGURATOR_RECORDS>"), std::string::npos);

  // The same second, the same folder: refused, the first copy intact.
  const std::string first = folder.Read(copyName);
  records.RecordMenuCommand(6);
  EXPECT_FALSE(records.CopyTo(folder.File("copias/")));
  EXPECT_EQ(messages.messages.back(),
            "N\xE3o foi poss\xEDvel copiar os registos do configurador para a localiza\xE7\xE3o "
            "indicada. Provavelmente existe uma c\xF3pia anterior desse ficheiro nessa "
            "localiza\xE7\xE3o. Remova esse ficheiro ou indique outra localiza\xE7\xE3o.");
  EXPECT_EQ(folder.Read(copyName), first);

  EXPECT_FALSE(records.CopyTo(folder.File("nao-existe")));
  EXPECT_EQ(messages.messages.size(), 3u);
}

}  // namespace
}  // namespace vorelio
