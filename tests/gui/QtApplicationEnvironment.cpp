// One QApplication for the GUI tests, made only when tests run (listing
// them needs no platform). CTest runs them on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace {

class QtApplication final : public ::testing::Environment {
 public:
  void SetUp() override { application_ = std::make_unique<QApplication>(argc_, argv_); }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[10] = "gui_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

// gtest owns the environment.
[[maybe_unused]] ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace
