// The options files shipped in data/ are in the form the program writes and
// serve a new user well.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "profiles/UserProfileProperties.h"

namespace vorelio {
namespace {

TEST(ShippedProfileOptions, TemplateAndGenericProfileAreCompleteAndLearn) {
  for (const char* name : {"base.cfg", "generico.cfg"}) {
    const std::string path = std::string(VORELIO_DATA_DIR) + "/" + name;
    const std::optional<std::string> contents = testing::DiskFiles().ReadFile(path);
    ASSERT_TRUE(contents) << path;
    CUserProfileProperties properties;
    properties.ReadFrom(*contents);
    EXPECT_EQ(properties.Contents(), *contents) << name << " is not in the written form";
    EXPECT_EQ(properties.options.userAdaptation, 1) << name;
    EXPECT_EQ(properties.options.voiceName, "Portuguese (Portugal)") << name;
    EXPECT_EQ(properties.options.internalMessageEditor, 1) << name;
    EXPECT_EQ(properties.options.keyboardName, "QwertySimples") << name;
    // Keys apart, so that the window's background tells one from the next.
    EXPECT_GT(properties.options.keySpacing, 0) << name;
    EXPECT_GT(properties.options.lineSpacing, 0) << name;
  }
}

}  // namespace
}  // namespace vorelio
