// The whole build on a miniature corpora folder.
#include "tools/dictionary-builder/DictionaryBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TestSupport.h"
#include "common/Text.h"

namespace vorelio::builder {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::string& contents) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << contents;
}

std::string Document(int number, const std::string& word) {
  return "# newdoc_id = CP" + std::to_string(number) + "\n# text = A " + word +
         " partiu.\n# sent_id = CP" + std::to_string(number) +
         "-1\n1\tA\to\tDET\t_\t_\t2\tdet\t_\t_\n2\t" + word + "\t" + word +
         "\tNOUN\t_\t_\t3\tnsubj\t_\t_\n3\tpartiu\tpartir\tVERB\t_\t_\t0\troot\t_\tSpaceAfter=No\n"
         "4\t.\t.\tPUNCT\t_\t_\t3\tpunct\t_\t_\n\n";
}

std::string Story(const std::string& word) {
  return "# Título\n\n##\nA " + word + " partiu. A " + word + " voltou!\n\n* License: CC-BY\n";
}

class DictionaryBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path root = corpora_.Path();
    // Ten documents: the 10th is held out, and only it has "lebre".
    std::string treebank;
    for (int i = 1; i <= 9; ++i) treebank += Document(i, i % 2 ? "acção" : "gata");
    treebank += Document(10, "lebre");
    WriteFile(root / "ud-bosque-cp/pt_bosque-cp-train-dev.conllu", treebank);
    WriteFile(root / "frequencywords/pt/pt_50k.txt",
              "a 1000\npartiu 50\nacção 30\ncharlie 40\nsr. 20\ngarota 30\nmerda 10\n"
              "voltou 5\n");
    WriteFile(root / "frequencywords/pt_br/pt_br_50k.txt", "a 1000\ngarota 900\n");
    WriteFile(root / "wportuguese/portuguese",
              "Faro\na\nação\ngarota\ngata\ngatas\nlebre\nlebres\nmerda\npartiu\nraposa\n"
              "voltou\nzebra\nzebras\n");
    WriteFile(root / "languagetool-pt/pt_45_90.tsv", "Antiga\tNova\r\nacção\tação\r\n");
    WriteFile(root / "languagetool-pt/pt_br.txt", "");
    WriteFile(root / "languagetool-pt/offensive_utf.out", "merda\n");
    // Five stories: the 5th (in name order) is held out, and only it has "raposa".
    for (const char* name : {"01_a.md", "02_b.md", "03_c.md", "04_d.md"}) {
      WriteFile(root / "asp-stories-pt/stories" / name, Story("zebra"));
    }
    WriteFile(root / "asp-stories-pt/stories/05_e.md", Story("raposa"));
    WriteFile(root / "MAPPING.tsv", "gallery\tname\nAnimais\tgata\nLugares\tcasa de banho\n");
    // Stems with their categories and the plural rule: "gatas", "zebras",
    // "lebres" are forms of attested or held-out stems; "Faro" is a name of
    // the spelling list.
    WriteFile(root / "hunspell/pt_PT.aff",
              "SET UTF-8\n\nSFX p Y 1\nSFX p   0   s   [^s]   +N=p\n");
    WriteFile(root / "hunspell/pt_PT.dic",
              "5\ngata/p\t[CAT=nc,G=f,N=s]\nzebra/p\t[CAT=nc,G=f,N=s]\n"
              "lebre/p\t[CAT=nc,G=f,N=s]\nraposa/p\t[CAT=nc,G=f,N=s]\n"
              "partir\t[CAT=v,T=inf]\n");
  }

  BuildOptions Options(const std::string& out) const {
    BuildOptions options;
    options.corporaFolder = corpora_.Path();
    options.outputFolder = out;
    options.heldOutFolder = out + "held";
    options.pictogramMapping = corpora_.Path() + "MAPPING.tsv";
    options.hunspellFolder = corpora_.Path() + "hunspell";
    return options;
  }

  testing::TempFolder corpora_;
  testing::TempFolder output_;
};

TEST_F(DictionaryBuilderTest, BuildsFilteredRespelledFilesWithoutTheHeldOutText) {
  std::string error;
  const auto summary = BuildDictionary(Options(output_.Path()), error);
  ASSERT_TRUE(summary) << error;

  const std::string words = Cp1252ToUtf8(output_.Read("geral.pal"));
  EXPECT_EQ(words,
            // Frequencies: the subtitle count, plus 200 per treebank and 400
            // per story occurrence; words of the small corpora only get
            // 30 + 10 per treebank and 20 per story occurrence, at most 90.
            // "acção" counts for "ação"; "charlie", "sr.", "garota" (Brazil)
            // and "merda" are gone; the pictogram takes its word's numbers.
            // The spelling list's other forms follow with estimates below
            // 30: a stem itself ("lebre", and the name "faro") comes before
            // a plural, which no attested form is. Every word but "___" has
            // a class: the treebank's, the stem's category ("zebra", "lebre")
            // or the class of its ending ("voltou", "faro", "banho").
            "[casa|de|banho] 100 NOUN\n"
            "[gata] 70 NOUN\n"
            "___ 500\n"
            "a 6000 DET\n"
            "ação 1030 NOUN\n"
            "faro 4 NOUN\n"
            "gata 70 NOUN\n"
            "gatas 2 NOUN\n"
            "lebre 4 NOUN\n"
            "lebres 2 NOUN\n"
            "partiu 3450 VERB\n"
            "raposa 4 NOUN\n"
            "voltou 1605 VERB\n"
            "zebra 90 NOUN\n"
            "zebras 2 NOUN\n");
  const std::string pairs = Cp1252ToUtf8(output_.Read("geral.par"));
  // Raw pair counts weigh 20 per treebank and 40 per story occurrence (a:
  // ação 100, gata 80, zebra 320) and are scaled so that each first word's
  // pairs add up to its frequency: a ação = 100 / 500 x 6000 = 1200.
  // "partiu a" joins the story's two sentences. The rest are successors by
  // class: after a noun came "partiu" 340 times in 500 and "voltou" 160;
  // "ação" has one distinct successor in 5 occurrences, so 1/6 of its pairs
  // go to "voltou" (its own "partiu" is not added again); "voltou" has no
  // pairs of its own and takes what follows a verb, "a".
  EXPECT_EQ(pairs,
            "___ a 500\n"
            "a ação 1200\n"
            "a gata 960\n"
            "a zebra 3840\n"
            "ação partiu 968\n"
            "ação voltou 62\n"
            "gata partiu 65\n"
            "gata voltou 5\n"
            "partiu a 3450\n"
            "voltou a 1605\n"
            "zebra partiu 45\n"
            "zebra voltou 45\n");
  EXPECT_EQ(output_.Read("geral.cg"), "DET 9\nNOUN 9\nVERB 9\n");
  EXPECT_EQ(output_.Read("geral.pcg"), "DET NOUN 9\nNOUN VERB 9\n");
  const std::string sentences = Cp1252ToUtf8(output_.Read("geral.frs"));
  EXPECT_NE(sentences.find("___ 17\n"), std::string::npos);  // 9 documents, 4 stories x 2
  EXPECT_NE(sentences.find("a|ação|partiu. 5\n"), std::string::npos);
  const std::string sentencePairs = Cp1252ToUtf8(output_.Read("geral.paf"));
  EXPECT_NE(sentencePairs.find("a|zebra|partiu. a|zebra|voltou! 8\n"), std::string::npos);
  EXPECT_NE(sentencePairs.find("___ a|zebra|partiu. 8\n"), std::string::npos);

  // The held-out words are in the table as forms of the spelling list, but
  // nothing of the held-out text is counted.
  for (const std::string& file : {pairs, sentences, sentencePairs}) {
    EXPECT_EQ(file.find("lebre"), std::string::npos);
    EXPECT_EQ(file.find("raposa"), std::string::npos);
  }
  EXPECT_EQ(output_.Read("held/heldout-news.txt"), "A lebre partiu.\n");
  EXPECT_EQ(output_.Read("held/heldout-stories.txt"),
            "Título\nA raposa partiu. A raposa voltou!\n");
  EXPECT_EQ(summary->heldOutNewsWords, 3u);
  EXPECT_EQ(summary->heldOutStoryWords, 7u);
  EXPECT_EQ(summary->words, 15u);  // "___" and both pictograms included
  EXPECT_EQ(summary->estimatedWords, 6u);
  EXPECT_EQ(summary->wordsWithoutClass, 0u);
  EXPECT_EQ(summary->pictograms, 2u);
}

TEST_F(DictionaryBuilderTest, UnattestedFormsFillTheTableOnlyUpToItsLimit) {
  BuildOptions options = Options(output_.Path());
  options.wordLimit = 11;  // the 9 attested entries and the 2 best estimates
  std::string error;
  const auto summary = BuildDictionary(options, error);
  ASSERT_TRUE(summary) << error;
  EXPECT_EQ(summary->words, 11u);
  EXPECT_EQ(summary->estimatedWords, 2u);
  const std::string words = output_.Read("geral.pal");
  EXPECT_NE(words.find("\nfaro 4 "), std::string::npos);
  EXPECT_NE(words.find("\nlebre 4 "), std::string::npos);
  EXPECT_EQ(words.find("raposa"), std::string::npos);
  EXPECT_EQ(words.find("gatas"), std::string::npos);

  options.wordLimit = 3;  // attested words are never dropped for the limit
  ASSERT_TRUE(BuildDictionary(options, error)) << error;
  EXPECT_NE(output_.Read("geral.pal").find("zebra 90"), std::string::npos);
}

TEST_F(DictionaryBuilderTest, AttestedVerbFormsGetThePronounsTheirEndingTakes) {
  // "partiu-se" is attested; "voltou" is a verb form ending otherwise and
  // "sentiu" one ending alike but never seen with a pronoun.
  const fs::path root = corpora_.Path();
  WriteFile(root / "frequencywords/pt/pt_50k.txt",
            "a 1000\npartiu 50\nvoltou 5\npartiu-se 10\nsentiu 400\n");
  WriteFile(root / "wportuguese/portuguese",
            "a\ngata\nlebre\npartiu\nraposa\nse\nsentiu\nvoltou\nzebra\n");
  std::string error;
  ASSERT_TRUE(BuildDictionary(Options(output_.Path()), error)) << error;
  const std::string words = Cp1252ToUtf8(output_.Read("geral.pal"));
  EXPECT_NE(words.find("\npartiu-se 10 "), std::string::npos) << words;
  // "partiu" (3,450 with the corpora) is followed by "-se" 10 times: 400
  // of "sentiu" expect 400 x 10 / 3,850 = 1.04, an estimate of 3.
  EXPECT_NE(words.find("\nsentiu-se 3 "), std::string::npos) << words;
  EXPECT_EQ(words.find("voltou-se"), std::string::npos) << words;
  EXPECT_EQ(words.find("sentiu-lhe"), std::string::npos) << words;
}

TEST_F(DictionaryBuilderTest, ClassesOfHeldOutWordsAreMeasured) {
  std::string error;
  const auto summary = BuildDictionary(Options(output_.Path()), error);
  ASSERT_TRUE(summary) << error;
  // The held-out document "A lebre partiu.": "a" DET and "partiu" VERB as
  // trained, "lebre" (never tagged in training) NOUN from its stem.
  EXPECT_EQ(summary->heldOutTaggedWords, 3u);
  EXPECT_EQ(summary->heldOutClassesRight, 3u);
  EXPECT_EQ(summary->heldOutUntaggedWords, 1u);
  EXPECT_EQ(summary->heldOutInferredRight, 1u);
}

TEST_F(DictionaryBuilderTest, CoverageCountsRespelledWordsWithLetters) {
  std::string error;
  ASSERT_TRUE(BuildDictionary(Options(output_.Path()), error)) << error;
  const std::string text = output_.Path() + "text.txt";
  WriteFile(text, "A acção partiu 3 vezes, 12h30!\nA raposa e o lobo.\n");
  const auto coverage =
      MeasureCoverage(Options(output_.Path()), output_.Path() + "geral.pal", {text}, error);
  ASSERT_TRUE(coverage) << error;
  ASSERT_EQ(coverage->size(), 1u);
  // Words: a, acção (-> ação), partiu, vezes, 12h30, a, raposa, e, o, lobo;
  // "3" has no letter. Found: a, ação, partiu, a, raposa.
  EXPECT_EQ(coverage->front().words, 10u);
  EXPECT_EQ(coverage->front().found, 5u);
  EXPECT_FALSE(MeasureCoverage(Options(output_.Path()), output_.Path() + "geral.pal",
                               {output_.Path() + "missing.txt"}, error));
  EXPECT_NE(error.find("missing.txt"), std::string::npos);
}

TEST_F(DictionaryBuilderTest, ConversationsAndRunningTextAddPairsAndSentencesButNotTheHeldOutPart) {
  const fs::path project = fs::path(corpora_.Path()) / "project";
  // Five conversations in the first file: the 5th is held out.
  WriteFile(project / "conversation/a.txt",
            "# conversa — written for Vorelio, CC BY-SA 4.0\n\n"
            "Bom dia!\nBom dia, avó.\n\n"
            "Tenho fome.\nQueres sopa?\n\n"
            "Bom dia!\n\n"
            "Olá! Quero uma videochamada.\n\n"
            "Obrigado.\n");
  WriteFile(project / "conversation/b.txt", "Tenho fome.\n");
  // Running text: the 5th document of the installation guide is held out;
  // the other file is used whole.
  WriteFile(project / "debian/debian-installation-guide.txt",
            "A zebra partiu.\n\nA gata partiu.\n\nA zebra voltou.\n\nA gata voltou.\n\n"
            "A raposa voltou.\n");
  WriteFile(project / "debian/outro.txt", "A lebre voltou. A gata partiu.\n");
  BuildOptions options = Options(output_.Path());
  options.projectCorporaFolder = project.string();
  std::string error;
  const auto summary = BuildDictionary(options, error);
  ASSERT_TRUE(summary) << error;
  EXPECT_EQ(summary->conversations, 6u);
  EXPECT_EQ(summary->heldOutConversations, 1u);
  EXPECT_EQ(summary->runningTextDocuments, 6u);
  EXPECT_EQ(summary->heldOutFormalDocuments, 1u);
  EXPECT_EQ(output_.Read("held/heldout-conversation.txt"), "Obrigado.\n");
  EXPECT_EQ(output_.Read("held/heldout-formal.txt"), "A raposa voltou.\n");

  const std::string words = Cp1252ToUtf8(output_.Read("geral.pal"));
  const std::string pairs = Cp1252ToUtf8(output_.Read("geral.par"));
  const std::string sentences = Cp1252ToUtf8(output_.Read("geral.frs"));
  const std::string sentencePairs = Cp1252ToUtf8(output_.Read("geral.paf"));
  // The phrase set's words stand without the spelling list; its sentences
  // weigh 20 each, chained through a conversation, the first after "___".
  EXPECT_NE(words.find("\nvideochamada "), std::string::npos);
  EXPECT_NE(sentences.find("\nbom|dia! 40\n"), std::string::npos);
  EXPECT_NE(sentences.find("\ntenho|fome. 40\n"), std::string::npos);
  EXPECT_NE(sentencePairs.find("___ tenho|fome. 40\n"), std::string::npos);
  EXPECT_NE(sentencePairs.find("tenho|fome. queres|sopa? 20\n"), std::string::npos);
  EXPECT_NE(sentencePairs.find("olá! quero|uma|videochamada. 20\n"), std::string::npos);
  // Word pairs of a message run across its sentences.
  EXPECT_NE(pairs.find("\nolá quero "), std::string::npos);
  EXPECT_NE(pairs.find("\nbom dia "), std::string::npos);
  // Running text gives words and pairs, across sentences too, but no
  // sentences.
  EXPECT_NE(pairs.find("\nlebre voltou "), std::string::npos);
  EXPECT_NE(pairs.find("\nvoltou a "), std::string::npos);
  EXPECT_EQ(sentences.find("lebre"), std::string::npos);
  // Nothing of the held-out parts.
  for (const std::string& file : {words, pairs, sentences, sentencePairs}) {
    EXPECT_EQ(file.find("obrigado"), std::string::npos);
  }
  EXPECT_EQ(pairs.find("raposa"), std::string::npos);

  fs::remove_all(project / "debian");
  EXPECT_FALSE(BuildDictionary(options, error));
  EXPECT_NE(error.find("debian"), std::string::npos);
}

TEST_F(DictionaryBuilderTest, SameInputGivesTheSameBytes) {
  testing::TempFolder second;
  std::string error;
  ASSERT_TRUE(BuildDictionary(Options(output_.Path()), error)) << error;
  ASSERT_TRUE(BuildDictionary(Options(second.Path()), error)) << error;
  for (const char* name : {"geral.pal", "geral.par", "geral.cg", "geral.pcg", "geral.frs",
                           "geral.paf", "held/heldout-news.txt"}) {
    EXPECT_EQ(output_.Read(name), second.Read(name)) << name;
  }
}

TEST_F(DictionaryBuilderTest, AMissingSourceIsAnErrorNamingIt) {
  fs::remove(fs::path(corpora_.Path()) / "wportuguese/portuguese");
  std::string error;
  EXPECT_FALSE(BuildDictionary(Options(output_.Path()), error));
  EXPECT_NE(error.find("wportuguese"), std::string::npos);
}

}  // namespace
}  // namespace vorelio::builder
