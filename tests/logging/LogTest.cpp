#include "logging/Log.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "logging/EventCatalogue.h"
#include "platform/sim/FaultyFileSystem.h"
#include "platform/sim/MemoryFileSystem.h"
#include "tests/logging/LoggingFixtures.h"

namespace vorelio {
namespace {

using testing::LinesOf;
using testing::SundayAt;

constexpr std::size_t kHeaderAndStartLines = 11;

class ListingViewer final : public EventLogViewer {
 public:
  void AddLine(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

class LogTest : public ::testing::Test {
 protected:
  LogTest() { memory.AddFolder("/dados"); }

  std::vector<std::string> LinesIn(const std::string& path) {
    return LinesOf(memory.ReadFile(path).value_or(""));
  }

  MemoryFileSystem memory;
  ManualClock clock{SundayAt(17)};
  RecordingMessageBox messages;
};

TEST_F(LogTest, NamedAfterTheProfileAndTheStartAndNeverReplaced) {
  CLog first(memory, clock, messages, "/dados/generico");
  EXPECT_EQ(first.Path(), "/dados/generico Sun Dec 06 00-27-17 2026.log");
  first.WriteEvent(NewWord("primeiro"), "QwertySimples", "");

  // Logging restarted within the same second keeps the first log whole.
  CLog second(memory, clock, messages, "/dados/generico");
  CLog third(memory, clock, messages, "/dados/generico");
  EXPECT_EQ(second.Path(), "/dados/generico Sun Dec 06 00-27-17 2026 (2).log");
  EXPECT_EQ(third.Path(), "/dados/generico Sun Dec 06 00-27-17 2026 (3).log");
  EXPECT_EQ(LinesIn(first.Path()).size(), kHeaderAndStartLines + 1);
  EXPECT_EQ(LinesIn(second.Path()).size(), kHeaderAndStartLines);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(LogTest, AFolderThatCannotBeWrittenIsReportedAndNothingIsWritten) {
  FaultyFileSystem faulty(memory);
  faulty.FailNext(FileOperation::kOpen);
  testing::TempFolder disk;
  for (const auto& [files, base] :
       {std::pair<FileSystem*, std::string>{&memory, "/falta/perfil"},
        {&faulty, "/dados/perfil"},
        {&testing::DiskFiles(), disk.File("falta/perfil")}}) {
    messages.messages.clear();
    CLog log(*files, clock, messages, base);
    EXPECT_FALSE(log.HasFile()) << base;
    EXPECT_EQ(log.Path(), "");
    EXPECT_EQ(messages.messages, std::vector<std::string>{std::string(kLogOpenError)});
    ListingViewer viewer;
    EXPECT_FALSE(log.AttachViewer(&viewer));
    log.WriteEvent(NewWord("casa"), "QwertySimples", "");
    log.WriteLine("linha");
    log.EndBody({"Tempo_Total_Escrita 0"});
    EXPECT_TRUE(viewer.lines.empty());
    EXPECT_EQ(messages.messages.size(), 1u);
  }
  EXPECT_EQ(memory.Paths(), std::vector<std::string>{"/dados/"});
}

TEST_F(LogTest, EveryLineIsInTheFileAsSoonAsItIsWritten) {
  testing::TempFolder folder;
  CLog log(testing::DiskFiles(), clock, messages, folder.File("generico"));
  ASSERT_TRUE(log.HasFile());
  const std::string name = "generico Sun Dec 06 00-27-17 2026.log";
  EXPECT_EQ(LinesOf(folder.Read(name)).size(), kHeaderAndStartLines);
  log.WriteEvent(CharacterTyped('a'), "QwertySimples", "");
  EXPECT_EQ(LinesOf(folder.Read(name)).back(),
            "00:27:17.000 \"a\" CHAR_a CHAR  -  - QwertySimples \"\"");
  log.EndBody({"Tempo_Total_Escrita 0"});
  EXPECT_EQ(LinesOf(folder.Read(name)).back(), "Tempo_Total_Escrita 0");
}

TEST_F(LogTest, AFailedWriteKeepsTheLinesBeforeItAndStopsTheLog) {
  for (const FileOperation failure : {FileOperation::kWrite, FileOperation::kDiskFull}) {
    MemoryFileSystem files;
    files.AddFolder("/dados");
    FaultyFileSystem faulty(files);
    messages.messages.clear();
    CLog log(faulty, clock, messages, "/dados/generico");
    ListingViewer viewer;
    ASSERT_TRUE(log.AttachViewer(&viewer));
    faulty.FailNext(failure, 1);  // the header and START_LOGGING are written; one more
    log.WriteEvent(NewWord("um"), "P", "");
    log.WriteEvent(NewWord("dois"), "P", "");
    log.WriteEvent(NewWord("tres"), "P", "");
    log.EndBody({"Tempo_Total_Escrita 0"});

    const std::vector<std::string> lines = LinesOf(files.ReadFile(log.Path()).value());
    ASSERT_GE(lines.size(), kHeaderAndStartLines + 1);
    EXPECT_EQ(lines[kHeaderAndStartLines], "00:27:17.000 \"\" NEW_WORD WORD_um  -  - P \"\"");
    // Half a line at most follows (a full disk), nothing after it.
    EXPECT_LE(lines.size(), kHeaderAndStartLines + 2);
    EXPECT_FALSE(log.HasFile());
    EXPECT_EQ(messages.messages, std::vector<std::string>{std::string(kLogWriteError)});
    EXPECT_EQ(viewer.lines, std::vector<std::string>{lines[kHeaderAndStartLines]});
  }
}

TEST_F(LogTest, TheViewerSeesEachEventLineUntilDetached) {
  CLog log(memory, clock, messages, "/dados/generico");
  ListingViewer viewer;
  ASSERT_TRUE(log.AttachViewer(&viewer));
  log.WriteEvent(NewWord("casa"), "QwertySimples", "a casa");
  log.WriteLine("Tempo_Total_Escrita 0");
  ASSERT_TRUE(log.AttachViewer(nullptr));
  log.WriteEvent(NewWord("sol"), "QwertySimples", "a casa");
  EXPECT_EQ(viewer.lines,
            std::vector<std::string>{
                "00:27:17.000 \"\" NEW_WORD WORD_casa  -  - QwertySimples \"a casa\""});
}

}  // namespace
}  // namespace vorelio
