#include "tools/dictionary-builder/VocabularyFilter.h"

#include <gtest/gtest.h>

#include "common/Text.h"

namespace vorelio::builder {
namespace {

std::string W(const char* utf8) { return Utf8ToCp1252(utf8); }

std::set<std::string> Set(std::initializer_list<const char*> words) {
  std::set<std::string> out;
  for (const char* word : words) out.insert(W(word));
  return out;
}

// European counts on a total of 1,000,000, Brazilian on 2,000,000: a word
// with the same count in both lists is twice as frequent in Portugal.
VocabularyFilter MakeFilter() {
  VarietyCounts counts;
  counts.europeanTotal = 1000000;
  counts.brazilianTotal = 2000000;
  counts.europeanFloor = 10;
  counts.european = {{W("você"), 60000}, {"garota", 100}, {"casa", 5000}, {"legal", 300},
                     {"rapariga", 900}, {"chamando", 40}};
  counts.brazilian = {{W("você"), 900000}, {"garota", 3000}, {"casa", 9000}, {"legal", 6000},
                      {"rapariga", 60}, {"oxente", 400}, {"chamando", 5000}, {"pondo", 900},
                      {"vendo", 900}, {"fundo", 9000}, {"escutando", 900}};
  return VocabularyFilter(
      Set({"casa", "você", "garota", "legal", "rapariga", "oxente", "guarda", "chuva", "disse",
           "dizer", "fazer", "fazemos", "dar", "coxa", "merda", "a", "o", "sr", "económico",
           "chamar", "pôr", "ver", "fundo", "escutar", "km", "botar"}),
      Set({"maria", "lisboa", "tv", "psd", "sms", "bbc"}), Set({"merda", "coxa", "puta"}), Set({"econômico", "time", "botando"}),
      Set({"económico"}), counts);
}

TEST(VocabularyFilterTest, JunkIsNotWellFormed) {
  for (const char* junk : {"sr.", "1ah08", "sr", "dra", "b", "x", "-se", "guarda-", "n--ão",
                           "d'água", "mp3", ""}) {
    EXPECT_FALSE(VocabularyFilter::IsWellFormed(W(junk))) << junk;
  }
  for (const char* word : {"a", "é", "à", "casa", "guarda-chuva", "disse-lhe", "ação"}) {
    EXPECT_TRUE(VocabularyFilter::IsWellFormed(W(word))) << word;
  }
}

TEST(VocabularyFilterTest, AcronymsOfTheSpellingListAreAdmittedWithoutVowels) {
  const VocabularyFilter filter = MakeFilter();
  for (const char* acronym : {"tv", "psd", "sms"}) {
    EXPECT_FALSE(VocabularyFilter::IsWellFormed(acronym)) << acronym;
    EXPECT_TRUE(filter.IsListedAcronym(acronym)) << acronym;
    EXPECT_TRUE(filter.IsAdmissible(acronym)) << acronym;
  }
  // A name with vowels is no acronym (IsWellFormed takes it); interjections,
  // lower-case abbreviations and unlisted letter strings stay out.
  EXPECT_FALSE(filter.IsListedAcronym("bbc-tv"));
  EXPECT_FALSE(filter.IsListedAcronym("lisboa"));
  for (const char* junk : {"hmm", "sr", "km", "x", "pfff", "psd1"}) {
    EXPECT_FALSE(filter.IsAdmissible(junk)) << junk;
  }
}

TEST(VocabularyFilterTest, OffensiveWordsAndPartsAreCaughtButNeutralMeaningsKept) {
  const VocabularyFilter filter = MakeFilter();
  EXPECT_TRUE(filter.IsOffensive("merda"));
  EXPECT_TRUE(filter.IsOffensive("puta-que-pariu"));
  EXPECT_FALSE(filter.IsOffensive("coxa"));  // thigh
  EXPECT_FALSE(filter.IsOffensive("casa"));
  // European slurs the list lacks are caught all the same.
  EXPECT_TRUE(filter.IsOffensive(W("cabrão")));
  EXPECT_TRUE(filter.IsOffensive("paneleiros"));
}

TEST(VocabularyFilterTest, SpellingIsCheckedPartByPartWithClitics) {
  const VocabularyFilter filter = MakeFilter();
  EXPECT_TRUE(filter.IsValidSpelling("casa", false));
  EXPECT_TRUE(filter.IsValidSpelling("guarda-chuva", false));
  EXPECT_TRUE(filter.IsValidSpelling("disse-lhe", false));
  EXPECT_TRUE(filter.IsValidSpelling(W("fazê-lo"), false));
  EXPECT_TRUE(filter.IsValidSpelling("fazemo-lo", false));
  EXPECT_TRUE(filter.IsValidSpelling(W("dá-lo"), false));
  EXPECT_TRUE(filter.IsValidSpelling("ok", false));
  EXPECT_FALSE(filter.IsValidSpelling("casa-casa", false));
  EXPECT_FALSE(filter.IsValidSpelling("charlie", true));
  EXPECT_FALSE(filter.IsValidSpelling("lhe-disse", false));
  // Names count only when asked for (words attested in written text).
  EXPECT_FALSE(filter.IsValidSpelling("lisboa", false));
  EXPECT_TRUE(filter.IsValidSpelling("lisboa", true));
}

TEST(VocabularyFilterTest, BrazilianOnlyFormsGoCommonEuropeanWordsStay) {
  const VocabularyFilter filter = MakeFilter();
  EXPECT_TRUE(filter.IsBrazilianOnly("garota"));  // 15 times more frequent in Brazil
  EXPECT_TRUE(filter.IsBrazilianOnly("legal"));
  EXPECT_TRUE(filter.IsBrazilianOnly("oxente"));  // not in the European list at all
  EXPECT_TRUE(filter.IsBrazilianOnly(W("econômico")));
  EXPECT_TRUE(filter.IsBrazilianOnly("time"));
  // 7.5 times more frequent in Brazil, but common in Portugal as well.
  EXPECT_FALSE(filter.IsBrazilianOnly(W("você")));
  EXPECT_FALSE(filter.IsBrazilianOnly("casa"));
  EXPECT_FALSE(filter.IsBrazilianOnly("rapariga"));
  EXPECT_FALSE(filter.IsBrazilianOnly(W("económico")));
}

TEST(VocabularyFilterTest, GerundsAreSparedTheRatioTestOnly) {
  const VocabularyFilter filter = MakeFilter();
  // Far more frequent in Brazil, where they stand for "a chamar", but
  // European grammar all the same.
  for (const char* gerund : {"chamando", "pondo", "vendo", "escutando"}) {
    EXPECT_TRUE(filter.IsGerund(gerund)) << gerund;
    EXPECT_FALSE(filter.IsBrazilianOnly(gerund)) << gerund;
  }
  // "fundo" ends alike but "fur" is no verb: the ratio test applies.
  EXPECT_FALSE(filter.IsGerund("fundo"));
  EXPECT_TRUE(filter.IsBrazilianOnly("fundo"));
  EXPECT_FALSE(filter.IsGerund("ndo"));
  // A gerund of the Brazil/Portugal pair list still goes.
  EXPECT_TRUE(filter.IsGerund("botando"));
  EXPECT_TRUE(filter.IsBrazilianOnly("botando"));
}

TEST(VocabularyFilterTest, ListFilesAreReadIntoLowerCaseWindows1252) {
  const WordListFiles lists = ReadSpellingList("casa\nLisboa\n\xc3\xa1gua\r\n");
  EXPECT_EQ(lists.lowerCase, Set({"casa", "água"}));
  EXPECT_EQ(lists.names, Set({"lisboa"}));
  std::set<std::string> brazilian, european;
  ReadVarietyPairs("Amaz\xc3\xb4nia=Amaz\xc3\xb3nia\nbad line\n", brazilian, european);
  EXPECT_EQ(brazilian, Set({"amazônia"}));
  EXPECT_EQ(european, Set({"amazónia"}));
}

}  // namespace
}  // namespace vorelio::builder
