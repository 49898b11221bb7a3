// The file-system seam: the same contract from the real file system and the
// one in memory, and the crash-safe save over both.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "TestSupport.h"
#include "platform/AtomicFile.h"
#include "platform/sim/FaultyFileSystem.h"
#include "platform/sim/MemoryFileSystem.h"

namespace vorelio {
namespace {

// A folder to work in and the files there, on disk or in memory.
class Workplace {
 public:
  virtual ~Workplace() = default;
  virtual FileSystem& Files() = 0;
  virtual std::string Folder() = 0;  // ends in "/"
  virtual void MakeLink(const std::string& name, const std::string& target) = 0;
  virtual void SetPermissions(const std::string& name, uint32_t permissions) = 0;
  std::string Path(const std::string& name) { return Folder() + name; }
  std::string Read(const std::string& name) { return Files().ReadFile(Path(name)).value_or("?"); }
  std::vector<std::string> Names() {
    auto names = Files().ListFolder(Folder()).value_or(std::vector<std::string>{});
    std::sort(names.begin(), names.end());
    return names;
  }
};

class DiskWorkplace final : public Workplace {
 public:
  FileSystem& Files() override { return testing::DiskFiles(); }
  std::string Folder() override { return folder_.Path(); }
  void MakeLink(const std::string& name, const std::string& target) override {
    std::filesystem::create_symlink(target, folder_.File(name));
  }
  void SetPermissions(const std::string& name, uint32_t permissions) override {
    ::chmod(folder_.File(name).c_str(), permissions);
  }

 private:
  testing::TempFolder folder_;
};

class MemoryWorkplace final : public Workplace {
 public:
  MemoryWorkplace() { files_.AddFolder("/data"); }
  FileSystem& Files() override { return files_; }
  std::string Folder() override { return "/data/"; }
  void MakeLink(const std::string& name, const std::string& target) override {
    files_.AddLink(Path(name), target);
  }
  void SetPermissions(const std::string& name, uint32_t permissions) override {
    files_.SetPermissions(Path(name), permissions);
  }

 private:
  MemoryFileSystem files_;
};

class FileSystemContract : public ::testing::TestWithParam<bool> {
 protected:
  FileSystemContract() {
    if (GetParam()) place_ = std::make_unique<MemoryWorkplace>();
    else place_ = std::make_unique<DiskWorkplace>();
  }
  Workplace& place() { return *place_; }
  FileSystem& files() { return place_->Files(); }
  bool Save(const std::string& name, std::string_view contents) {
    return WriteFileAtomically(files(), place_->Path(name), contents);
  }
  uint32_t Permissions(const std::string& name) {
    return files().Status(place_->Path(name)).value_or(FileStatus{}).permissions;
  }

 private:
  std::unique_ptr<Workplace> place_;
};

TEST_P(FileSystemContract, NewFilesAreExclusiveAndAppendsFollowRenames) {
  CreateOutcome outcome = CreateOutcome::kFailed;
  auto file = files().CreateNewFile(place().Path("a"), nullptr, &outcome);
  ASSERT_TRUE(file);
  EXPECT_EQ(outcome, CreateOutcome::kCreated);
  EXPECT_FALSE(files().CreateNewFile(place().Path("a"), nullptr, &outcome));
  EXPECT_EQ(outcome, CreateOutcome::kExists);
  EXPECT_FALSE(files().CreateNewFile(place().Path("none/a"), nullptr, &outcome));
  EXPECT_EQ(outcome, CreateOutcome::kFailed);

  ASSERT_TRUE(file->Append("um "));
  ASSERT_TRUE(files().Rename(place().Path("a"), place().Path("b")));
  ASSERT_TRUE(file->Append("dois"));  // an open file follows its file
  ASSERT_TRUE(file->Sync());
  ASSERT_TRUE(file->Close());
  EXPECT_EQ(place().Read("b"), "um dois");
  EXPECT_EQ(place().Names(), (std::vector<std::string>{"b"}));

  auto log = files().OpenForAppend(place().Path("b"));
  ASSERT_TRUE(log && log->Append("!") && log->Close());
  EXPECT_EQ(place().Read("b"), "um dois!");
  EXPECT_TRUE(files().Remove(place().Path("b")));
  EXPECT_FALSE(files().Remove(place().Path("b")));
  EXPECT_FALSE(files().ReadFile(place().Path("b")));
  EXPECT_FALSE(files().ReadFile(place().Folder()));  // a folder is no file
}

TEST_P(FileSystemContract, FoldersAreMadeOnceAndPrivate) {
  EXPECT_EQ(files().CreateFolder(place().Path("Tessaral")), CreateOutcome::kCreated);
  EXPECT_EQ(files().Status(place().Path("Tessaral"))->type, FileStatus::Type::kFolder);
  EXPECT_EQ(Permissions("Tessaral") & 077, 0u);
  EXPECT_EQ(files().CreateFolder(place().Path("Tessaral")), CreateOutcome::kExists);
  ASSERT_TRUE(Save("ficheiro", "x"));
  EXPECT_EQ(files().CreateFolder(place().Path("ficheiro")), CreateOutcome::kExists);
  EXPECT_EQ(files().CreateFolder(place().Path("nenhuma/pasta")), CreateOutcome::kFailed);
  EXPECT_TRUE(Save("Tessaral/dentro", "y"));
}

TEST_P(FileSystemContract, SavesReplaceTheWholeFileAndLeaveNoTemporary) {
  ASSERT_TRUE(Save("palavras.pal", "velho\n"));
  ASSERT_TRUE(Save("palavras.pal", "novo\n"));
  EXPECT_EQ(place().Read("palavras.pal"), "novo\n");
  EXPECT_EQ(place().Names(), (std::vector<std::string>{"palavras.pal"}));
  EXPECT_FALSE(Save("pasta-inexistente/x.pal", "x"));
  EXPECT_FALSE(Save("", "x"));
  EXPECT_FALSE(WriteFileAtomically(files(), place().Folder(), "x"));  // a folder is never replaced
}

TEST_P(FileSystemContract, SavesKeepPermissionsAndWriteThroughLinks) {
  ASSERT_TRUE(Save("ana.cfg", "a\n"));
  place().SetPermissions("ana.cfg", 0600);
  ASSERT_TRUE(Save("ana.cfg", "b\n"));
  EXPECT_EQ(Permissions("ana.cfg"), 0600u);

  ASSERT_TRUE(Save("real.pal", "antes\n"));
  place().MakeLink("ligada.pal", "real.pal");
  ASSERT_TRUE(Save("ligada.pal", "depois\n"));
  EXPECT_EQ(files().Status(place().Path("ligada.pal"))->type, FileStatus::Type::kSymbolicLink);
  EXPECT_EQ(place().Read("real.pal"), "depois\n");

  place().MakeLink("pendente.pal", "criada.pal");  // a link to a file not there yet
  ASSERT_TRUE(Save("pendente.pal", "x\n"));
  EXPECT_EQ(place().Read("criada.pal"), "x\n");

  place().MakeLink("ciclo1", "ciclo2");
  place().MakeLink("ciclo2", "ciclo1");
  EXPECT_FALSE(Save("ciclo1", "x"));
}

TEST_P(FileSystemContract, ReadOnlyFilesAreNeverReplaced) {
  // Even for the administrator, who may write anything: the user marked it.
  ASSERT_TRUE(Save("configsis", "ALTERACOES_SISTEMA 0\n"));
  place().SetPermissions("configsis", 0444);
  EXPECT_FALSE(files().MayWrite(place().Path("configsis")));
  EXPECT_FALSE(Save("configsis", "ALTERACOES_SISTEMA 1\n"));
  EXPECT_EQ(place().Read("configsis"), "ALTERACOES_SISTEMA 0\n");
  EXPECT_EQ(place().Names(), (std::vector<std::string>{"configsis"}));
  place().SetPermissions("configsis", 0644);  // so the folder can be cleaned up
}

TEST_P(FileSystemContract, TemporariesLeftByACrashAreRemovedAtTheNextSave) {
  for (const char* name : {"ana.pal.tmp", "ana.pal.tmp-Ab3xY9", "ana.pal.tmpx",
                           "ana.pal.tmp-toolong", "rui.pal.tmp-Ab3xY9"})
    files().CreateNewFile(place().Path(name), nullptr);
  ASSERT_TRUE(Save("ana.pal", "x\n"));
  EXPECT_EQ(place().Names(), (std::vector<std::string>{"ana.pal", "ana.pal.tmp-toolong",
                                                       "ana.pal.tmpx", "rui.pal.tmp-Ab3xY9"}));
}

INSTANTIATE_TEST_SUITE_P(DiskAndMemory, FileSystemContract, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Memory" : "Disk"; });

TEST(FileSystemOnDisk, ProgramPathsAreWindows1252AndFileNamesUtf8) {
  testing::TempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(testing::DiskFiles(), folder.Path() + "p\xE3o.txt", "x"));
  EXPECT_TRUE(folder.Exists("p\xC3\xA3o.txt"));
  EXPECT_EQ(testing::DiskFiles().ListFolder(folder.Path()),
            (std::optional<std::vector<std::string>>{{"p\xE3o.txt"}}));
}

TEST(FileSystemOnDisk, NewFilesFollowTheUmaskAndSavesTheOldMode) {
  testing::TempFolder folder;
  const mode_t previous = ::umask(027);
  ASSERT_TRUE(WriteFileAtomically(testing::DiskFiles(), folder.File("novo"), "x"));
  ::umask(previous);
  EXPECT_EQ(testing::DiskFiles().Status(folder.File("novo"))->permissions, 0640u);
}

// Every failure of a save leaves the old file and no temporary behind.
TEST(FaultyFileSystem, AFailedSaveKeepsTheOldFile) {
  for (const FileOperation failing : {FileOperation::kOpen, FileOperation::kWrite,
                                      FileOperation::kDiskFull, FileOperation::kSync,
                                      FileOperation::kRename}) {
    MemoryFileSystem memory;
    memory.AddFile("/data/ana.pal", "casa 3\n");
    FaultyFileSystem files(memory);
    files.FailNext(failing);
    EXPECT_FALSE(WriteFileAtomically(files, "/data/ana.pal", "casa 4\nsol 1\n"));
    EXPECT_EQ(files.Failures(), 1);
    EXPECT_EQ(memory.Paths(), (std::vector<std::string>{"/data/", "/data/ana.pal"}));
    EXPECT_EQ(memory.ReadFile("/data/ana.pal"), "casa 3\n");
    // The next save, with nothing failing, goes through.
    EXPECT_TRUE(WriteFileAtomically(files, "/data/ana.pal", "casa 4\n"));
    EXPECT_EQ(memory.ReadFile("/data/ana.pal"), "casa 4\n");
  }
}

TEST(FaultyFileSystem, FailsOnlyTheChosenCallOnTheChosenPath) {
  MemoryFileSystem memory;
  memory.AddFolder("/data");
  FaultyFileSystem files(memory);
  files.FailNext(FileOperation::kRename, 1, "rui");
  EXPECT_TRUE(WriteFileAtomically(files, "/data/ana.pal", "a"));
  EXPECT_TRUE(WriteFileAtomically(files, "/data/rui.pal", "r"));   // skipped
  EXPECT_FALSE(WriteFileAtomically(files, "/data/rui.pal", "r2"));  // fails
  EXPECT_TRUE(WriteFileAtomically(files, "/data/rui.pal", "r3"));   // once only
  EXPECT_EQ(files.Failures(), 1);
}

TEST(WriteNewFile, NeverOverwritesAndLeavesNoPartialCopy) {
  MemoryFileSystem memory;
  memory.AddFile("/copias/r.xml", "antiga");
  FaultyFileSystem files(memory);
  EXPECT_FALSE(WriteNewFile(files, "/copias/r.xml", "nova"));
  EXPECT_EQ(memory.ReadFile("/copias/r.xml"), "antiga");
  files.FailNext(FileOperation::kDiskFull);
  EXPECT_FALSE(WriteNewFile(files, "/copias/s.xml", "registos"));
  EXPECT_FALSE(memory.Status("/copias/s.xml"));
  EXPECT_TRUE(WriteNewFile(files, "/copias/s.xml", "registos"));
  EXPECT_EQ(memory.ReadFile("/copias/s.xml"), "registos");
}

}  // namespace
}  // namespace vorelio
