// Where the hook library keeps the user's state: a file of the user's alone
// in the runtime folder, which no other local user can take, read or
// redirect. Each test has a runtime folder and a home of its own.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "HookFixture.h"
#include "hook/HookSystem.h"

namespace vorelio::testing {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kAnotherUser = 4242;
constexpr const char* kLink = "\xE9 uma liga\xE7\xE3o simb\xF3lica";

// Sets an environment variable for one test and puts it back afterwards.
class ScopedVariable {
 public:
  explicit ScopedVariable(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) saved_ = value;
  }
  ~ScopedVariable() {
    if (saved_) {
      ::setenv(name_, saved_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  void Set(const std::string& value) const { ::setenv(name_, value.c_str(), 1); }
  void Unset() const { ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

class UsersSegmentTest : public HookTest {
 protected:
  UsersSegmentTest() {
    std::string pattern = (fs::temp_directory_path() / "vorelio-segment-XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
    runtime_ = root_ + "/run";
    home_ = root_ + "/home";
    ::mkdir(runtime_.c_str(), 0700);
    ::mkdir(home_.c_str(), 0700);
    runtimeVariable_.Set(runtime_);
    cacheVariable_.Unset();
    homeVariable_.Set(home_);
  }
  ~UsersSegmentTest() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  // The library maps the user's segment again, from the environment as it
  // is now: another process of the user.
  void MapUsersSegment() { hook::UseHookSystem(&desktop, hook::StateSegment::kUsers); }
  std::string SegmentPath() const { return runtime_ + "/vorelio-hookpredarin"; }
  void CreateSegmentFile(mode_t mode) const {
    std::ofstream(SegmentPath()) << std::string(256, '\0');
    ASSERT_EQ(::chmod(SegmentPath().c_str(), mode), 0);
  }
  // False when this user may not give files away (not root).
  static bool GiveToAnotherUser(const std::string& path) {
    return ::lchown(path.c_str(), kAnotherUser, static_cast<gid_t>(-1)) == 0;
  }
  static struct stat Status(const std::string& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status;
  }
  static mode_t ModeOf(const std::string& path) { return Status(path).st_mode & 07777; }
  // The one message shown, which must name the path and the reason.
  void ExpectOneRefusal(const std::string& path, const std::string& reason) {
    ASSERT_EQ(messages.messages.size(), 1u);
    const std::string& message = messages.messages[0];
    EXPECT_EQ(message.rfind("HookPredarin:", 0), 0u) << message;
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_NE(message.find(reason), std::string::npos) << message;
    messages.messages.clear();
  }

  ScopedVariable runtimeVariable_{"XDG_RUNTIME_DIR"};
  ScopedVariable cacheVariable_{"XDG_CACHE_HOME"};
  ScopedVariable homeVariable_{"HOME"};
  std::string root_;
  std::string runtime_;
  std::string home_;
};

TEST_F(UsersSegmentTest, TheStateIsAFileOfTheUserAloneInTheRuntimeFolder) {
  MapUsersSegment();
  ASSERT_EQ(InitializeHook(AppThread(), destination), 1);
  AddSpecialKey(VK_F5);
  const struct stat status = Status(SegmentPath());
  EXPECT_TRUE(S_ISREG(status.st_mode));
  EXPECT_EQ(status.st_mode & 07777, 0600u);
  EXPECT_EQ(status.st_uid, ::geteuid());
  EXPECT_EQ(ModeOf(runtime_), 0700u);  // the folder is left as it was
  // Another process of the user sees the same table.
  MapUsersSegment();
  EXPECT_EQ(IsSpecialKey(VK_F5), 1);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(UsersSegmentTest, WhatACrashedRunLeftSwallowedIsClearedWhenTheNextOneStarts) {
  MapUsersSegment();
  ASSERT_EQ(InitializeHook(AppThread(), destination), 1);
  AddSpecialKey(VK_F5);
  AddSpecialKey('A');
  AddMouseButtons();
  // The program ends without TerminateHook; the next run maps the file.
  MapUsersSegment();
  EXPECT_EQ(IsSpecialKey(VK_F5), 1);
  ASSERT_EQ(InitializeHook(AppThread(), destination), 1);
  EXPECT_EQ(IsSpecialKey(VK_F5), 0);
  EXPECT_EQ(IsSpecialKey('A'), 0);
  desktop.Focus(app);
  desktop.ClearLog();
  desktop.Click(app, 0);
  desktop.TapKey(VK_F5);
  desktop.TypeText("a");
  EXPECT_EQ(desktop.Log(),
            "app1 left down 5,50; app1 left up 5,50; app1 key down F5; app1 key up F5; "
            "app1 key down A; app1 char a; app1 key up A");
  EXPECT_EQ(desktop.Application(app).text, "a");
}

TEST_F(UsersSegmentTest, AFileOfTheUserWithAnotherModeIsMade0600Again) {
  for (const mode_t mode : {0666, 0644, 0640, 0400, 0}) {
    CreateSegmentFile(mode);
    MapUsersSegment();
    EXPECT_EQ(InitializeHook(AppThread(), destination), 1) << std::oct << mode;
    EXPECT_EQ(ModeOf(SegmentPath()), 0600u) << std::oct << mode;
    TerminateHook();
    ::unlink(SegmentPath().c_str());
  }
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(UsersSegmentTest, AFileOfAnotherUserIsRefusedNamedAndLeftAlone) {
  CreateSegmentFile(0644);
  if (!GiveToAnotherUser(SegmentPath())) GTEST_SKIP() << "files cannot be given away here";
  MapUsersSegment();
  EXPECT_EQ(InitializeHook(AppThread(), destination), 0);
  ExpectOneRefusal(SegmentPath(), "pertence a outro utilizador (uid 4242, modo 0644)");
  EXPECT_FALSE(desktop.HookInstalled(hook::HookKind::kKeyboard, AppThread()));
  // Nothing is swallowed or reported while the state is refused.
  AddSpecialKey(VK_F5);
  EXPECT_EQ(IsSpecialKey(VK_F5), 0);
  EXPECT_EQ(Status(SegmentPath()).st_uid, kAnotherUser);
  EXPECT_EQ(ModeOf(SegmentPath()), 0644u);
}

TEST_F(UsersSegmentTest, ASymbolicLinkAtTheNameIsRefusedAndNothingIsWrittenThroughIt) {
  const std::string target = root_ + "/elsewhere";
  std::ofstream(target) << "not the hook's";
  for (const bool dangling : {false, true}) {
    if (dangling) ::unlink(target.c_str());
    ASSERT_EQ(::symlink(target.c_str(), SegmentPath().c_str()), 0);
    MapUsersSegment();
    EXPECT_EQ(InitializeHook(AppThread(), destination), 0);
    ExpectOneRefusal(SegmentPath(), kLink);
    EXPECT_TRUE(S_ISLNK(Status(SegmentPath()).st_mode));
    ::unlink(SegmentPath().c_str());
  }
  EXPECT_FALSE(fs::exists(target));  // the dangling link created nothing
}

TEST_F(UsersSegmentTest, ARuntimeFolderThatIsNotAPrivateFolderOfTheUserIsRefused) {
  const std::string open = root_ + "/open";
  ::mkdir(open.c_str(), 0700);
  ::chmod(open.c_str(), 0755);
  const std::string link = root_ + "/link";
  ::symlink(runtime_.c_str(), link.c_str());
  const std::string file = root_ + "/file";
  std::ofstream(file) << "";
  const struct {
    std::string folder;
    std::string reason;
  } cases[] = {
      {open, "outros utilizadores podem usar a pasta (uid " + std::to_string(::geteuid()) +
                 ", modo 0755)"},
      {link, kLink},
      {file, "n\xE3o \xE9 uma pasta"},
      {root_ + "/missing", "a pasta n\xE3o existe"},
      {"run", "n\xE3o \xE9 um caminho absoluto"},
  };
  for (const auto& c : cases) {
    runtimeVariable_.Set(c.folder);
    MapUsersSegment();
    EXPECT_EQ(InitializeHook(AppThread(), destination), 0) << c.folder;
    ExpectOneRefusal(c.folder, c.reason);
  }
  EXPECT_EQ(ModeOf(open), 0755u);  // not ours to repair
  EXPECT_FALSE(fs::exists(open + "/vorelio-hookpredarin"));
  EXPECT_FALSE(fs::exists(SegmentPath()));  // nothing through the link
}

TEST_F(UsersSegmentTest, ARuntimeFolderOfAnotherUserIsRefused) {
  if (!GiveToAnotherUser(runtime_)) GTEST_SKIP() << "files cannot be given away here";
  MapUsersSegment();
  EXPECT_EQ(InitializeHook(AppThread(), destination), 0);
  ExpectOneRefusal(runtime_, "a pasta pertence a outro utilizador (uid 4242, modo 0700)");
  EXPECT_FALSE(fs::exists(SegmentPath()));
}

TEST_F(UsersSegmentTest, WithoutARuntimeFolderAFolderOfTheUserAloneInTheCacheIsUsed) {
  runtimeVariable_.Unset();
  MapUsersSegment();
  ASSERT_EQ(InitializeHook(AppThread(), destination), 1);
  const std::string fallback = home_ + "/.cache/vorelio-runtime";
  EXPECT_EQ(ModeOf(home_ + "/.cache"), 0700u);
  EXPECT_EQ(ModeOf(fallback), 0700u);
  EXPECT_EQ(ModeOf(fallback + "/vorelio-hookpredarin"), 0600u);
  TerminateHook();

  // XDG_CACHE_HOME, when set, is the cache folder; a wrong mode of the
  // user's own folder there is repaired.
  const std::string cache = root_ + "/cache";
  ::mkdir(cache.c_str(), 0755);
  ::mkdir((cache + "/vorelio-runtime").c_str(), 0777);
  ::chmod((cache + "/vorelio-runtime").c_str(), 0777);
  cacheVariable_.Set(cache);
  MapUsersSegment();
  ASSERT_EQ(InitializeHook(AppThread(), destination), 1);
  EXPECT_EQ(ModeOf(cache + "/vorelio-runtime"), 0700u);
  EXPECT_TRUE(fs::exists(cache + "/vorelio-runtime/vorelio-hookpredarin"));
  TerminateHook();
  EXPECT_TRUE(messages.messages.empty());

  cacheVariable_.Unset();
  homeVariable_.Unset();
  MapUsersSegment();
  EXPECT_EQ(InitializeHook(AppThread(), destination), 0);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_NE(messages.messages[0].find("Sem XDG_RUNTIME_DIR nem HOME"), std::string::npos);
}

TEST_F(UsersSegmentTest, AFallbackFolderSomeoneElseMadeIsRefused) {
  runtimeVariable_.Unset();
  const std::string fallback = home_ + "/.cache/vorelio-runtime";
  ::mkdir((home_ + "/.cache").c_str(), 0700);
  ::mkdir(fallback.c_str(), 0700);
  if (!GiveToAnotherUser(fallback)) GTEST_SKIP() << "files cannot be given away here";
  MapUsersSegment();
  EXPECT_EQ(InitializeHook(AppThread(), destination), 0);
  ExpectOneRefusal(fallback, "a pasta pertence a outro utilizador (uid 4242, modo 0700)");
}

}  // namespace
}  // namespace vorelio::testing
