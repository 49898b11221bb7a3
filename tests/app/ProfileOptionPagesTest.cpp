#include "app/ProfileOptionPages.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/ChoiceLists.h"
#include "app/RecordedDialog.h"

namespace vorelio {
namespace {

using E = OptionEditor;

TEST(ProfileOptionPagesTest, EveryOptionIsOnExactlyOnePage) {
  std::map<std::string_view, int> seen;
  for (const ProfileOptionPage& page : ProfileOptionPages())
    for (const ProfileOptionField& field : page.fields) ++seen[field.key];
  for (const UserProfileOptionKey& option : UserProfileOptionKeys())
    EXPECT_EQ(seen[option.key], 1) << option.key;
  EXPECT_EQ(seen.size(), kUserProfileOptionCount) << "a page names a key the table lacks";
}

// An editor reads and writes its option through the field pointer of the
// option's type: a mismatch would follow a null pointer.
TEST(ProfileOptionPagesTest, EachEditorSuitsItsOptionsType) {
  for (const ProfileOptionPage& page : ProfileOptionPages()) {
    EXPECT_FALSE(page.fields.empty()) << page.title;
    for (const ProfileOptionField& field : page.fields) {
      const UserProfileOptionKey* option = FindUserProfileOptionKey(field.key);
      ASSERT_NE(option, nullptr) << field.key;
      EXPECT_FALSE(field.label.empty()) << field.key;
      switch (field.editor) {
        case E::kSwitch:
        case E::kNumber:
        case E::kColour:
        case E::kCompletionKeys:
        case E::kFill: EXPECT_EQ(option->type, OptionType::kInteger) << field.key; break;
        case E::kReal: EXPECT_EQ(option->type, OptionType::kReal) << field.key; break;
        default: EXPECT_NE(option->text, nullptr) << field.key;
      }
      if (field.editor == E::kNumber || field.editor == E::kReal) {
        EXPECT_LE(field.minimum, field.maximum) << field.key;
        // What a page offers lies within what the options file may hold.
        EXPECT_LE(std::max(field.minimum, option->minimum),
                  std::min(field.maximum, option->maximum))
            << field.key;
      }
    }
  }
}

TEST(ProfileOptionPagesTest, PagesHaveTheirOwnRecordIdentifiers) {
  std::set<int> ids = {static_cast<int>(ConfiguratorDialog::kProfileOptions),
                       static_cast<int>(ConfiguratorDialog::kSystemOptions),
                       static_cast<int>(ConfiguratorDialog::kSystemPassword),
                       static_cast<int>(ConfiguratorDialog::kSpeechExceptions)};
  for (const ProfileOptionPage& page : ProfileOptionPages())
    EXPECT_TRUE(ids.insert(page.dialogId).second) << page.title;
  int speechPages = 0;
  for (const ProfileOptionPage& page : ProfileOptionPages())
    speechPages += page.title == kSpeechPageTitle;
  EXPECT_EQ(speechPages, 1);
}

TEST(ProfileOptionPagesTest, OfferedRangeKeepsThePagesRangeWithinTheBoundsAndShowsTheStoredValue) {
  const UserProfileOptionKey& words = *FindUserProfileOptionKey("NUMERO_MAXIMO_PALAVRAS_PREDITAS");
  ASSERT_EQ(words.maximum, kMaximumSuggestions);
  const ProfileOptionField page{words.key, "x", E::kNumber, -5, 10};
  // The page's 10 within the table's 0 to 100.
  EXPECT_EQ(OfferedRange(page, words, 4).minimum, 0);
  EXPECT_EQ(OfferedRange(page, words, 4).maximum, 10);
  // A file that holds 50 shows 50.
  EXPECT_EQ(OfferedRange(page, words, 50).maximum, 50);
  // A page without a range offers the table's bounds.
  const ProfileOptionField open{words.key, "x", E::kNumber};
  EXPECT_EQ(OfferedRange(open, words, 4).maximum, kMaximumSuggestions);
  // Disjoint ranges: the table's bounds win.
  const ProfileOptionField beyond{words.key, "x", E::kNumber, 200, 300};
  EXPECT_EQ(OfferedRange(beyond, words, 4).minimum, 0);
  EXPECT_EQ(OfferedRange(beyond, words, 4).maximum, kMaximumSuggestions);
}

TEST(ProfileOptionPagesTest, WordChoicesOfferTheListsAndKeepAStoredValue) {
  const ProfileOptionChoices choices{{"Voz A", "Voz B"}, {"Casa", "QwertySimples"}, "/d/"};
  EXPECT_EQ(WordChoicesOf(E::kVoice, choices, "Voz B"),
            (std::vector<std::string>{"Voz A", "Voz B", "Nenhum"}));
  // A voice no longer installed stays what the profile holds.
  EXPECT_EQ(WordChoicesOf(E::kVoice, choices, "Antiga"),
            (std::vector<std::string>{"Antiga", "Voz A", "Voz B", "Nenhum"}));
  EXPECT_EQ(WordChoicesOf(E::kKeyboard, choices, "Casa"),
            (std::vector<std::string>{"Casa", "QwertySimples"}));
  EXPECT_EQ(WordChoicesOf(E::kScanMethod, choices, "Nenhum"),
            (std::vector<std::string>{"Nenhum", "Regular", "Passo-a-Passo", "Inverso"}));
  const std::vector<std::string> keys = WordChoicesOf(E::kKeyName, choices, "Tab");
  for (const char* name : {"Tab", "F11", "F12", "Num5"})
    EXPECT_NE(std::find(keys.begin(), keys.end(), name), keys.end()) << name;
  // Keys that write cannot become role keys.
  EXPECT_EQ(std::find(keys.begin(), keys.end(), "a"), keys.end());
  EXPECT_EQ(keys.front(), "Tab") << "no stored value was added";
  EXPECT_TRUE(WordChoicesOf(E::kNumber, choices, "x").empty());
}

TEST(ProfileOptionPagesTest, TimeIntervalLists) {
  for (const char* good : {"", "08:30-12:00", "08:30-12:00;14:00-17:30", "00:00-23:59"})
    EXPECT_TRUE(IsTimeIntervalList(good)) << good;
  for (const char* bad : {"8:30-12:00", "08:30-12:00;", ";08:30-12:00", "24:00-25:00",
                          "08:60-09:00", "08:30 12:00", "08:30-12:00;14:00", "08:30-12:000",
                          "ab:cd-ef:gh", "08:30-12:00,14:00-17:30"})
    EXPECT_FALSE(IsTimeIntervalList(bad)) << bad;
}

// A stored value the list lacks is offered first rather than lost.
TEST(ChoiceListsTest, AStoredValueIsKeptAmongTheChoices) {
  const std::vector<std::string> ports = GpsPortChoices();
  EXPECT_EQ(WithCurrentValue(ports, "com7"), ports);
  EXPECT_EQ(WithCurrentValue({"a", "b"}, "/dev/ttyUSB0"),
            (std::vector<std::string>{"/dev/ttyUSB0", "a", "b"}));
}

}  // namespace
}  // namespace vorelio
