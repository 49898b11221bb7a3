#include "common/Text.h"

#include <gtest/gtest.h>

#include "common/NativePath.h"
#include "common/Scanner.h"

namespace vorelio {
namespace {

TEST(TextTest, LowerCasingCoversTheAccentedCapitals) {
  // "ÁGUA ÇÃO ÉÍÓÚ ÑŒŠŽŸ ×" in Windows-1252.
  EXPECT_EQ(ToLower("\xC1GUA \xC7\xC3O \xC9\xCD\xD3\xDA \xD1\x8C\x8A\x8E\x9F \xD7"),
            "\xE1gua \xE7\xE3o \xE9\xED\xF3\xFA \xF1\x9C\x9A\x9E\xFF \xD7");
  EXPECT_EQ(ToUpper("\xE1gua \xE7\xE3o \xDF"), "\xC1GUA \xC7\xC3O \xDF");
  EXPECT_EQ(ToLower("[Casa] 123 ___"), "[casa] 123 ___");
}

TEST(TextTest, LetterCaseClassesFollowTheCaseConversions) {
  int capitals = 0, small = 0;
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    EXPECT_FALSE(IsUpperCaseCp1252(c) && IsLowerCaseCp1252(c)) << b;
    capitals += IsUpperCaseCp1252(c);
    small += IsLowerCaseCp1252(c);
  }
  EXPECT_EQ(capitals, 26 + 30 + 4);   // A-Z, À..Þ but ×, Š Œ Ž Ÿ
  EXPECT_EQ(small, 26 + 30 + 4 + 1);  // a-z, à..þ but ÷, š œ ž ÿ, ß
  for (const char c : std::string_view("\xDC\xD1\xDE\x8A\x9F\xC7")) EXPECT_TRUE(IsUpperCaseCp1252(c)) << c;
  for (const char c : std::string_view("\xDF\xFF\x9A\xFC\xE7")) EXPECT_TRUE(IsLowerCaseCp1252(c)) << c;
  for (const char c : std::string_view("\xD7\xF7\xAA\xBA\xB5""1_")) {
    EXPECT_FALSE(IsUpperCaseCp1252(c)) << c;
    EXPECT_FALSE(IsLowerCaseCp1252(c)) << c;
  }
}

TEST(TextTest, Utf8ConversionRoundTripsEveryWindows1252Byte) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(Utf8ToCp1252(utf8), all);
  EXPECT_EQ(Cp1252ToUtf8("a\xE7\xE3o \x80"), "a\xC3\xA7\xC3\xA3o \xE2\x82\xAC");
}

TEST(TextTest, Utf8WithoutAWindows1252CharacterIsReplacedNotFatal) {
  // "ă", a zero-width space and a lone continuation byte.
  EXPECT_EQ(Utf8ToCp1252("x\xC4\x83y\xE2\x80\x8Bz\x80"), "x?y?z?");
  EXPECT_EQ(Utf8ToCp1252("x\xC4\x83y", 0), "xy");
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));  // overlong form
}

TEST(TextTest, UserTextIsTakenAsUtf8OnlyWhenItIsUtf8) {
  EXPECT_EQ(UserTextToCp1252("a\xC3\xA7\xC3\xA3o"), "a\xE7\xE3o");  // UTF-8 "ação"
  EXPECT_EQ(UserTextToCp1252("a\xE7\xE3o"), "a\xE7\xE3o");          // already 1252
  EXPECT_EQ(UserTextToCp1252("plain"), "plain");
}

TEST(TextTest, SplitDropsEmptyPiecesAndStopsAt256) {
  EXPECT_EQ(Split("  bom, dia!\xABol\xE1\xBB ", kSeparators),
            (std::vector<std::string>{"bom", "dia", "ol\xE1"}));
  EXPECT_TRUE(Split(",,, ", kSeparators).empty());
  std::string many;
  for (int i = 0; i < 300; ++i) many += "x ";
  EXPECT_EQ(Split(many, " ").size(), kMaxSplitPieces);
}

TEST(TextTest, SentenceNormalisation) {
  EXPECT_EQ(NormalizeSentence(" \t Bom   DIA\r\n senhor"), "bom dia senhor");
  EXPECT_EQ(NormalizeSentence("Ol\xC1  \n"), "ol\xE1 ");  // one trailing space kept
  EXPECT_EQ(NormalizeSentence("   "), "");
  EXPECT_EQ(Trim("  a b \n"), "a b");
}

TEST(TextTest, PictogramWordsAndMixedTexts) {
  EXPECT_TRUE(IsPictogramWord("[casa]"));
  EXPECT_TRUE(IsPictogramWord("[casa de banho]"));
  EXPECT_FALSE(IsPictogramWord("[casa"));
  EXPECT_FALSE(IsPictogramWord("[a]b]"));
  EXPECT_FALSE(IsPictogramWord("casa"));

  const auto parts = SplitWordsAndPictograms("eu [casa de banho], ir [[x] [y");
  ASSERT_EQ(parts.size(), 6u);
  EXPECT_EQ(parts[0].text, "eu");
  EXPECT_EQ(parts[1].text, "[casa de banho]");
  EXPECT_TRUE(parts[1].isPictogram);
  EXPECT_EQ(parts[2].text, "ir");
  EXPECT_EQ(parts[3].text, "[");  // "[[x]": the first bracket opens no pictogram
  EXPECT_FALSE(parts[3].isPictogram);
  EXPECT_EQ(parts[4].text, "[x]");
  EXPECT_EQ(parts[5].text, "[y");
  EXPECT_FALSE(parts[5].isPictogram);
  EXPECT_TRUE(HoldsPictogram("ir [casa]"));
  EXPECT_FALSE(HoldsPictogram("ir [cas"));
  EXPECT_EQ(PictogramComparisonKey("[bom  dia] [casa]"), "bom dia casa");
}

TEST(ScannerTest, ConversionsBehaveLikeTheCLibrary) {
  LineScanner scan("  casa\t-12 9x");
  std::string_view word;
  int32_t number = 0;
  ASSERT_TRUE(scan.String(word));
  EXPECT_EQ(word, "casa");
  ASSERT_TRUE(scan.Int(number));
  EXPECT_EQ(number, -12);
  ASSERT_TRUE(scan.Int(number));  // "9x": the digits are taken, "x" is left
  EXPECT_EQ(number, 9);
  ASSERT_TRUE(scan.String(word));
  EXPECT_EQ(word, "x");
  EXPECT_FALSE(scan.String(word));

  EXPECT_FALSE(LineScanner("abc").Int(number));
  EXPECT_FALSE(LineScanner("2147483648").Int(number));
  ASSERT_TRUE(LineScanner("-2147483648").Int(number));
  EXPECT_EQ(number, INT32_MIN);
  EXPECT_FALSE(ParseInt32("12a", number));
  EXPECT_EQ(SaturatingAdd(INT32_MAX, 1), INT32_MAX);
  EXPECT_EQ(SaturatingReplace(0, INT32_MIN, 0), INT32_MAX);
}

TEST(TextTest, ShapesOfTextTellSentencesFromWordsAndPunctuation) {
  EXPECT_EQ(ShapeOfText("bom dia."), TextShape::kSentence);
  EXPECT_EQ(ShapeOfText("Ol\xE1!"), TextShape::kSentence);
  EXPECT_EQ(ShapeOfText("bom dia"), TextShape::kWordSequence);
  EXPECT_EQ(ShapeOfText(" bom, "), TextShape::kSingleWord);
  EXPECT_EQ(ShapeOfText("?!"), TextShape::kPunctuation);
  EXPECT_EQ(ShapeOfText(". "), TextShape::kNone);  // a terminator among other separators
  EXPECT_EQ(ShapeOfText(", "), TextShape::kNone);
  EXPECT_EQ(ShapeOfText(""), TextShape::kNone);
}

TEST(NativePathTest, ProgramPathsBecomeUtf8WithSlashes) {
  EXPECT_EQ(NativePath("CAT_IMG_A\xE7\xF5" "es\\p\xE3o.bmp"),
            "CAT_IMG_A\xC3\xA7\xC3\xB5" "es/p\xC3\xA3o.bmp");
  EXPECT_EQ(ProgramPath("p\xC3\xA3o.txt"), "p\xE3o.txt");
}

TEST(NativePathTest, InFolderPutsOneSeparatorBetween) {
  EXPECT_EQ(InFolder("/dados", "SomTecla.wav"), "/dados/SomTecla.wav");
  EXPECT_EQ(InFolder("/dados/", "SomTecla.wav"), "/dados/SomTecla.wav");
  EXPECT_EQ(InFolder("C:\\dados\\", "a.bmp"), "C:\\dados\\a.bmp");
  EXPECT_EQ(InFolder("", "a.bmp"), "a.bmp");
}

}  // namespace
}  // namespace vorelio
