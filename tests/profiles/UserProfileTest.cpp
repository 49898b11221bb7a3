#include "profiles/UserProfile.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace vorelio {
namespace {

using testing::TempFolder;

TEST(UserProfile, OnlyALoadedProfileIsWrittenBack) {
  TempFolder folder;
  RecordingMessageBox messages;
  CUserProfile fresh(testing::DiskFiles(), messages);
  EXPECT_FALSE(fresh.IsLoaded());
  fresh.Properties().SetOptionsFilePath(folder.File("ana.cfg"));
  EXPECT_TRUE(fresh.Save());
  EXPECT_FALSE(folder.Exists("ana.cfg"));  // defaults never overwrite an unread file

  folder.Write("ana.cfg", "COR_FUNDO 255\n");
  CUserProfile read(testing::DiskFiles(), messages);
  read.ReadOptions(folder.File("ana.cfg"));
  EXPECT_TRUE(read.IsLoaded());
  read.Properties().options.keyHeight = 60;
  EXPECT_TRUE(read.Save());
  EXPECT_NE(folder.Read("ana.cfg").find("\nCOR_FUNDO 255\n"), std::string::npos);
  EXPECT_NE(folder.Read("ana.cfg").find("\nALTURA_TECLAS 60\n"), std::string::npos);
}

TEST(UserProfile, CopiesTakeTheOptionsButNeverTheVocabulary) {
  TempFolder folder;
  RecordingMessageBox messages;
  CUserProfile source(testing::DiskFiles(), messages);
  source.Properties().SetName("rui");
  source.Properties().options.fontFace = "Times New Roman";
  source.Dictionary().AddUserWord("gato", 1);

  const CUserProfile copy(source);
  EXPECT_TRUE(copy.IsLoaded());
  EXPECT_EQ(copy.Properties(), source.Properties());
  EXPECT_EQ(copy.Dictionary().WordCount(), 0);

  CUserProfile target(testing::DiskFiles(), messages);
  target.Dictionary().AddUserWord("rato", 1);
  target = source;
  EXPECT_TRUE(target.IsLoaded());
  EXPECT_EQ(target.Properties().options.fontFace, "Times New Roman");
  // Its own learning stays, unsaved words included.
  EXPECT_FALSE(target.Dictionary().FindWord("rato").IsNone());
  EXPECT_TRUE(target.Dictionary().FindWord("gato").IsNone());
}

}  // namespace
}  // namespace vorelio
