// The readers of the treebank, the stories and the frequency list, and the
// cutting of text into words and sentences.
#include <gtest/gtest.h>

#include "common/Text.h"
#include "tools/dictionary-builder/ConlluReader.h"
#include "tools/dictionary-builder/FrequencyListReader.h"
#include "tools/dictionary-builder/StoryReader.h"
#include "tools/dictionary-builder/WordTokenizer.h"

namespace vorelio::builder {
namespace {

std::string W(const char* utf8) { return Utf8ToCp1252(utf8); }

constexpr const char* kTreebank =
    "# newdoc_id = CP1\n"
    "# text = Disse-lhe da casa.\n"
    "# sent_id = CP1-1\n"
    "1-2\tDisse-lhe\t_\t_\t_\t_\t_\t_\t_\t_\n"
    "1\tDisse\tdizer\tVERB\t_\t_\t0\troot\t_\t_\n"
    "2\tlhe\tele\tPRON\t_\t_\t1\tiobj\t_\t_\n"
    "3-4\tda\t_\t_\t_\t_\t_\t_\t_\t_\n"
    "3\tde\tde\tADP\t_\t_\t5\tcase\t_\t_\n"
    "4\ta\to\tDET\t_\t_\t5\tdet\t_\t_\n"
    "4.1\tx\tx\tX\t_\t_\t_\t_\t_\t_\n"
    "5\tcasa\tcasa\tNOUN\t_\t_\t1\tobl\t_\tSpaceAfter=No\n"
    "6\t.\t.\tPUNCT\t_\t_\t1\tpunct\t_\t_\n"
    "\n"
    "# text = Sim\n"
    "1\tSim\tsim\tADV\t_\t_\t0\troot\t_\t_\n"
    "\n"
    "# newdoc_id = CP2\n"
    "# text = Olá\r\n"
    "1\tOlá\tolá\tINTJ\t_\t_\t0\troot\t_\t_\r\n";

TEST(ConlluReaderTest, GivesSurfaceWordsWithJoinedClasses) {
  const auto documents = ReadConllu(kTreebank);
  ASSERT_EQ(documents.size(), 2u);
  EXPECT_EQ(documents[0].id, "CP1");
  ASSERT_EQ(documents[0].sentences.size(), 2u);
  const TreebankSentence& first = documents[0].sentences[0];
  EXPECT_EQ(first.text, "Disse-lhe da casa.");
  EXPECT_EQ(first.id, "CP1-1");
  ASSERT_EQ(first.tokens.size(), 4u);
  EXPECT_EQ(first.tokens[0].surface, "Disse-lhe");
  EXPECT_EQ(first.tokens[0].wordClass, "VERB+PRON");
  EXPECT_EQ(first.tokens[1].surface, "da");
  EXPECT_EQ(first.tokens[1].wordClass, "ADP+DET");
  EXPECT_EQ(first.tokens[2].surface, "casa");
  EXPECT_FALSE(first.tokens[2].spaceAfter);
  EXPECT_TRUE(first.tokens[1].spaceAfter);
  EXPECT_TRUE(IsPunctuationClass(first.tokens[3].wordClass));
  EXPECT_EQ(documents[1].sentences.at(0).text, "Olá");
  EXPECT_EQ(documents[1].sentences.at(0).tokens.at(0).wordClass, "INTJ");
}

TEST(StoryReaderTest, ParagraphsWithoutPagesMetadataOrRepeats) {
  const Story story = ReadStory(
      "# O baloiço\n\n##\nUm dia, eu\ne a minha irmã.\n\nOlá!\n\n##\nOlá!\n\n"
      "##\n* License: [CC-BY]\n* Text: Alguém\n");
  EXPECT_EQ(story.title, "O baloiço");
  EXPECT_EQ(story.paragraphs, (std::vector<std::string>{"Um dia, eu e a minha irmã.", "Olá!"}));
}

TEST(FrequencyListReaderTest, SkipsMalformedLines) {
  const auto entries = ReadFrequencyList("que 7796660\r\nnão 6184188\nbad\nx -3\ny 4z\n a 1\n");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].word, "não");
  EXPECT_EQ(entries[1].count, 6184188);
}

TEST(WordTokenizerTest, KeepsCliticsAndCompoundsWhole) {
  EXPECT_EQ(SplitWords(W("«Disse-lhe», dir-te-ia: o guarda-chuva; d'água -- fim -")),
            (std::vector<std::string>{"disse-lhe", "dir-te-ia", "o", "guarda-chuva",
                                      W("d'água"), "fim"}));
  EXPECT_EQ(SplitWords(W("ÁGUA e Ação")), (std::vector<std::string>{W("água"), "e", W("ação")}));
}

TEST(WordTokenizerTest, CutsSentencesAfterTerminatorsAndGluedQuotes) {
  EXPECT_EQ(SplitSentences(W("Subiu ao alto.\"Ui!\", gritou ela. E depois? Nada... Fim")),
            (std::vector<std::string>{W("Subiu ao alto."), W("\"Ui!\", gritou ela."),
                                      "E depois?", "Nada...", "Fim"}));
  EXPECT_EQ(SplitSentences("Custa 3.5 euros."), (std::vector<std::string>{"Custa 3.5 euros."}));
  EXPECT_EQ(SplitSentences(W("«Vem cá!» Ele veio.")),
            (std::vector<std::string>{W("«Vem cá!»"), "Ele veio."}));
}

TEST(WordTokenizerTest, RewriteWordsKeepsEverythingBetweenWords) {
  EXPECT_EQ(RewriteWords(W("A acção, já!"),
                         [](const std::string& word) { return "<" + word + ">"; }),
            W("<A> <acção>, <já>!"));
}

}  // namespace
}  // namespace vorelio::builder
