#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/InstanceLock.h"

namespace vorelio {
namespace {

// flock locks belong to the open file, so two lock objects of one process
// stand for two copies of the program.
TEST(FlockInstanceLock, ASecondCopyIsRefusedUntilTheFirstEnds) {
  testing::TempFolder runtime;
  ::chmod(runtime.Path().c_str(), 0700);
  auto first = std::make_unique<FlockInstanceLock>(runtime.Path());
  EXPECT_EQ(first->TryAcquire(), InstanceLockOutcome::kAcquired);
  EXPECT_EQ(first->TryAcquire(), InstanceLockOutcome::kAcquired);
  FlockInstanceLock second(runtime.Path());
  EXPECT_EQ(second.TryAcquire(), InstanceLockOutcome::kHeldElsewhere);
  EXPECT_EQ(second.TryAcquire(), InstanceLockOutcome::kHeldElsewhere);
  EXPECT_TRUE(runtime.Exists("VorelioV3Mutex.lock"));
  struct stat status {};
  ASSERT_EQ(::stat(runtime.File("VorelioV3Mutex.lock").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0600u);

  first.reset();  // the first copy ends
  EXPECT_EQ(second.TryAcquire(), InstanceLockOutcome::kAcquired);
}

TEST(FlockInstanceLock, FoldersAndFilesOthersCouldPlantAreRefused) {
  testing::TempFolder shared;
  ::chmod(shared.Path().c_str(), 01777);  // like /tmp
  FlockInstanceLock inShared(shared.Path());
  EXPECT_EQ(inShared.TryAcquire(), InstanceLockOutcome::kUnavailable);
  EXPECT_NE(inShared.Problem().find("pasta privada"), std::string::npos);

  testing::TempFolder runtime;
  ::chmod(runtime.Path().c_str(), 0700);
  runtime.Write("elsewhere", "");
  std::filesystem::create_symlink(runtime.File("elsewhere"), runtime.File("VorelioV3Mutex.lock"));
  FlockInstanceLock throughLink(runtime.Path());
  EXPECT_EQ(throughLink.TryAcquire(), InstanceLockOutcome::kUnavailable);

  FlockInstanceLock relative("tmp");
  EXPECT_EQ(relative.TryAcquire(), InstanceLockOutcome::kUnavailable);
}

}  // namespace
}  // namespace vorelio
