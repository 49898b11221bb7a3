#include "prediction/AbbreviationExpansionSet.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "TestSupport.h"
#include "prediction/Dictionary.h"

namespace vorelio {
namespace {

using testing::TempFolder;

std::map<std::string, std::string> AsMap(const CAbbreviationExpansionSet& set) {
  return {set.begin(), set.end()};
}

TEST(AbbreviationExpansionSetTest, ReadsWordThenTheRestOfTheLineAsItStands) {
  using namespace std::string_literals;
  const std::string longExpansion(300, 'x');
  CAbbreviationExpansionSet set;
  set.ReadFrom(
      "end Rua  das Flores,   12  \n"  // inner and trailing blanks kept
      "sozinha\n"                       // no expansion: skipped
      "vazia   \n"                      // only blanks after it: skipped
      "\n"
      "   tab\t\tcom tabula\xE7\xE3o\r\n"  // CRLF: only the CR goes
      "end outra morada\n"             // a later line replaces
      "Obg obrigado\n"
      "nul abc\0def\n"s +             // a NUL ends the line
      "longa " + longExpansion +       // read whole
      "\nultima sem fim de linha");
  const std::map<std::string, std::string> expected = {
      {"end", "outra morada"},
      {"tab", "com tabula\xE7\xE3o"},
      {"Obg", "obrigado"},
      {"nul", "abc"},
      {"longa", longExpansion},
      {"ultima", "sem fim de linha"}};
  EXPECT_EQ(AsMap(set), expected);
  EXPECT_FALSE(set.Modified());
  EXPECT_EQ(set.Expansion("obg"), nullptr);  // lookup is case-sensitive

  CAbbreviationExpansionSet spaces;
  spaces.ReadFrom("m Rua  das Flores,   12  \n");
  ASSERT_NE(spaces.Expansion("m"), nullptr);
  EXPECT_EQ(*spaces.Expansion("m"), "Rua  das Flores,   12  ");
}

TEST(AbbreviationExpansionSetTest, SetRefusesWhatTheFileCouldNotGiveBack) {
  CAbbreviationExpansionSet set;
  EXPECT_FALSE(set.Set("", "x"));
  EXPECT_FALSE(set.Set("a b", "x"));
  EXPECT_FALSE(set.Set("ab", ""));
  EXPECT_FALSE(set.Set("ab", " x"));
  EXPECT_FALSE(set.Set("ab", "linha\noutra"));
  EXPECT_FALSE(set.Set("ab", "x\r"));
  EXPECT_FALSE(set.Modified());
  EXPECT_EQ(set.Size(), 0u);
  EXPECT_TRUE(set.Set("ab", "x\ry"));  // a carriage return inside the line comes back
  EXPECT_EQ(set.Text(), "ab x\ry\n");
}

TEST(AbbreviationExpansionSetTest, SavesOnlyWhenModifiedSortedAndAtomically) {
  TempFolder folder;
  const std::string path = folder.Write("ana.abr", "zz fim\naa  dois espa\xE7os\n");
  CAbbreviationExpansionSet set;
  set.Load(testing::DiskFiles(), path);
  EXPECT_EQ(set.Path(), path);

  // Unchanged: no write at all (the odd spacing of the file survives).
  folder.Write("ana.abr", "sentinela\n");
  EXPECT_TRUE(set.Save());
  EXPECT_EQ(folder.Read("ana.abr"), "sentinela\n");

  ASSERT_TRUE(set.Set("mm", "meio"));
  set.Remove("zz");
  set.Remove("nenhuma");
  EXPECT_TRUE(set.Modified());
  ASSERT_TRUE(set.Save());
  EXPECT_FALSE(set.Modified());
  EXPECT_EQ(folder.Read("ana.abr"), "aa dois espa\xE7os\nmm meio\n");

  CAbbreviationExpansionSet back;
  back.Load(testing::DiskFiles(), path);
  EXPECT_EQ(AsMap(back), AsMap(set));
}

TEST(AbbreviationExpansionSetTest, AMissingFileWritesNothingAndAFailedSaveKeepsTheChanges) {
  TempFolder folder;
  CAbbreviationExpansionSet missing;
  missing.Load(testing::DiskFiles(), folder.File("ana.abr"));
  EXPECT_EQ(missing.Size(), 0u);
  EXPECT_TRUE(missing.Save());
  EXPECT_FALSE(folder.Exists("ana.abr"));

  CAbbreviationExpansionSet set;
  set.Load(testing::DiskFiles(), folder.File("falta/ana.abr"));  // a folder that does not exist
  ASSERT_TRUE(set.Set("a", "b"));
  EXPECT_FALSE(set.Save());
  EXPECT_TRUE(set.Modified());

  CAbbreviationExpansionSet neverLoaded;
  ASSERT_TRUE(neverLoaded.Set("a", "b"));
  EXPECT_FALSE(neverLoaded.Save());
  EXPECT_TRUE(neverLoaded.Modified());
}

TEST(AbbreviationExpansionSetTest, LoadingAnotherFileFirstSavesTheEdits) {
  TempFolder folder;
  folder.Write("ana.abr", "a um\n");
  folder.Write("rui.abr", "r rui\n");
  CAbbreviationExpansionSet set;
  set.Load(testing::DiskFiles(), folder.File("ana.abr"));
  ASSERT_TRUE(set.Set("b", "dois"));
  set.Load(testing::DiskFiles(), folder.File("rui.abr"));
  EXPECT_EQ(folder.Read("ana.abr"), "a um\nb dois\n");
  EXPECT_EQ(set.Size(), 1u);
}

// Random sets written and read back give the same pairs.
TEST(AbbreviationExpansionSetTest, RandomSetsSurviveTheFile) {
  TempFolder folder;
  std::mt19937 random(7);
  const std::string alphabet = "abcAB \t\r|\xE3\xE7\xC1.-";
  const auto randomText = [&](std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    return text;
  };
  for (int round = 0; round < 50; ++round) {
    const std::string path = folder.File("r" + std::to_string(round) + ".abr");
    CAbbreviationExpansionSet set;
    set.Load(testing::DiskFiles(), path);
    std::map<std::string, std::string> reference;
    for (int i = 0; i < 20; ++i) {
      const std::string abbreviation = randomText(1 + random() % 4);
      const std::string expansion = randomText(1 + random() % 30);
      const bool fits = abbreviation.find_first_of(" \t\r") == std::string::npos &&
                        expansion.find_first_of(" \t\r") != 0 && expansion.back() != '\r';
      EXPECT_EQ(set.Set(abbreviation, expansion), fits);
      if (fits) reference[abbreviation] = expansion;
      if (random() % 5 == 0 && !reference.empty()) {
        const std::string gone = reference.begin()->first;
        set.Remove(gone);
        reference.erase(gone);
      }
    }
    ASSERT_TRUE(set.Save());
    CAbbreviationExpansionSet back;
    back.Load(testing::DiskFiles(), path);
    EXPECT_EQ(AsMap(back), reference);
  }
}

class DictionaryAbbreviationsTest : public ::testing::Test {
 protected:
  TempFolder folder;
  RecordingMessageBox messages;
};

TEST_F(DictionaryAbbreviationsTest, LoadedWithTheDictionaryAndSavedWhenItGoes) {
  folder.Write("ana.abr", "obg obrigado\n");
  {
    CDictionary dictionary(testing::DiskFiles(), messages);
    dictionary.LoadDictionary(folder.Path(), "ana", true);
    ASSERT_NE(dictionary.Abbreviations().Expansion("obg"), nullptr);
    ASSERT_TRUE(dictionary.Abbreviations().Set("bd", "bom dia"));
  }
  EXPECT_EQ(folder.Read("ana.abr"), "bd bom dia\nobg obrigado\n");
}

TEST_F(DictionaryAbbreviationsTest, UnloadedOrReleasedDictionaryNeverEmptiesTheFile) {
  folder.Write("ana.abr", "obg obrigado\n");
  { CDictionary neverLoaded(testing::DiskFiles(), messages); }
  {
    CDictionary dictionary(testing::DiskFiles(), messages);
    dictionary.LoadDictionary(folder.Path(), "ana", true);
    ASSERT_TRUE(dictionary.Abbreviations().Set("bd", "bom dia"));
    dictionary.ReleaseDictionary();  // saves the edit...
    EXPECT_EQ(dictionary.Abbreviations().Size(), 0u);
    folder.Write("ana.abr", "obg obrigado\n");
  }  // ...and the released dictionary writes nothing more
  EXPECT_EQ(folder.Read("ana.abr"), "obg obrigado\n");
}

TEST_F(DictionaryAbbreviationsTest, MissingFileIsSilent) {
  CDictionary dictionary(testing::DiskFiles(), messages);
  dictionary.LoadDictionary(folder.Path(), "ana", true);
  for (const std::string& message : messages.messages)
    EXPECT_EQ(message.find("abr"), std::string::npos);
  EXPECT_EQ(dictionary.Abbreviations().Size(), 0u);
  EXPECT_EQ(dictionary.Abbreviations().Path(), folder.File("ana.abr"));
}

}  // namespace
}  // namespace vorelio
