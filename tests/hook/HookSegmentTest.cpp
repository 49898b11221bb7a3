#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "HookFixture.h"
#include "hook/HookSegment.h"

namespace vorelio::testing {
namespace {

// A segment name of this test alone, removed afterwards; the library goes
// back to a private segment so no other test touches the named one.
class NamedSegment {
 public:
  NamedSegment()
      : name_(hook::DefaultSegmentName() + "-test-" + std::to_string(::getpid()) + "-" +
              std::to_string(counter_++)) {}
  ~NamedSegment() {
    ::shm_unlink(name_.c_str());
    hook::UsePrivateSegment();
  }
  const std::string& Name() const { return name_; }
  mode_t Mode() const {
    const int descriptor = ::shm_open(name_.c_str(), O_RDONLY, 0);
    struct stat status {};
    if (descriptor < 0 || ::fstat(descriptor, &status) != 0) return 07777;
    ::close(descriptor);
    return status.st_mode & 07777;
  }
  // Creates it first, as someone else might, with the given mode.
  void Precreate(mode_t mode) const {
    const int descriptor = ::shm_open(name_.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(::fchmod(descriptor, mode), 0);
    ASSERT_EQ(::ftruncate(descriptor, sizeof(hook::HookSegment)), 0);
    ::close(descriptor);
  }

 private:
  static inline int counter_ = 0;
  std::string name_;
};

TEST(HookSegmentTest, TheDefaultNameCarriesTheUser) {
  EXPECT_EQ(hook::DefaultSegmentName(), "/vorelio-hookpredarin-" + std::to_string(::geteuid()));
}

TEST(HookSegmentTest, OnlyOurOwnSegmentClosedToEveryoneElseIsTrusted) {
  EXPECT_TRUE(hook::SegmentIsTrusted(1000, S_IFREG | 0600, 1000));
  EXPECT_TRUE(hook::SegmentIsTrusted(1000, S_IFREG | 0400, 1000));
  EXPECT_FALSE(hook::SegmentIsTrusted(1001, S_IFREG | 0600, 1000));  // another user's
  EXPECT_FALSE(hook::SegmentIsTrusted(1000, S_IFREG | 0640, 1000));
  EXPECT_FALSE(hook::SegmentIsTrusted(1000, S_IFREG | 0602, 1000));
}

TEST_F(HookTest, ANewNamedSegmentIsCreatedForTheUserAloneAtItsInitialValues) {
  NamedSegment segment;
  hook::UseNamedSegment(segment.Name());
  EXPECT_EQ(IsSpecialKey(0), 1);  // maps it: entry 0 free, the others hold 0
  EXPECT_EQ(segment.Mode(), 0600u);
  EXPECT_EQ(GetCapsLock(), 0);
  ASSERT_EQ(InitializeHook(AppThread(), destination), 1);
  AddSpecialKey(VK_F5);
  // Another mapping of the same name (another process) sees the same table.
  hook::UseNamedSegment(segment.Name());
  EXPECT_EQ(IsSpecialKey(VK_F5), 1);
}

TEST_F(HookTest, ASegmentOthersMayWriteIsRefusedAndNothingIsReported) {
  NamedSegment segment;
  segment.Precreate(0666);
  hook::UseNamedSegment(segment.Name());
  EXPECT_EQ(InitializeHook(AppThread(), destination), 0);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0], "HookPredarin:Problema a instalar o hook para o teclado");
  EXPECT_FALSE(desktop.HookInstalled(hook::HookKind::kKeyboard, AppThread()));
  AddSpecialKey(VK_F5);
  EXPECT_EQ(IsSpecialKey(VK_F5), 0);
  desktop.Focus(app);
  EXPECT_EQ(desktop.CallHookProcedure(hook::HookKind::kKeyboard, hook::HC_ACTION, VK_F5, 1), 0);
  EXPECT_EQ(Reports(), "");
}

}  // namespace
}  // namespace vorelio::testing
