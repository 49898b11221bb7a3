#include "tools/dictionary-builder/WordClassInference.h"

#include <gtest/gtest.h>

#include "common/Text.h"

namespace vorelio::builder {
namespace {

std::string W(const char* utf8) { return Utf8ToCp1252(utf8); }

TEST(ClassOfCategoryTest, StemListCategoriesTakeTheTreebankNames) {
  EXPECT_EQ(ClassOfCategory("nc", "", "casa"), "NOUN");
  EXPECT_EQ(ClassOfCategory("np", "", "lisboa"), "PROPN");
  EXPECT_EQ(ClassOfCategory("a_nc", "", "trabalhador"), "ADJ");
  EXPECT_EQ(ClassOfCategory("v", "", "comer"), "VERB");
  EXPECT_EQ(ClassOfCategory("ppes", "", "ele"), "PRON");
  EXPECT_EQ(ClassOfCategory("con", "", "mas"), "CCONJ");
  EXPECT_EQ(ClassOfCategory("con", "", W("porém")), "CCONJ");
  EXPECT_EQ(ClassOfCategory("con", "", "embora"), "SCONJ");
  EXPECT_EQ(ClassOfCategory("cp", "[CAT=cp,Prep=a,Art=o,G=m,N=s]", "ao"), "ADP+DET");
  EXPECT_EQ(ClassOfCategory("cp", "[CAT=cp,Prep=com,Ppes=migo,G=_,N=s]", "comigo"), "ADP+PRON");
  EXPECT_EQ(ClassOfCategory("punct", "", ","), "");
  EXPECT_EQ(ClassOfCategory("pref", "", "afro"), "");
  EXPECT_EQ(ClassOfCategory("", "", "x"), "");
}

class SuffixClassModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* noun : {"canção", "nação", "razão", "mão", "livro"}) model_.Add(W(noun), "NOUN");
    for (const char* verb : {"cantar", "falar", "comer", "fizeram", "cantaram", "falou"}) {
      model_.Add(W(verb), "VERB");
    }
    model_.Add("bonito", "ADJ");
    model_.Add("lindo", "ADJ");
    model_.Add("cantou", "VERB");
    model_.Add("ou", "CCONJ");  // a word counts only its endings shorter than itself
  }
  SuffixClassModel model_;
};

TEST_F(SuffixClassModelTest, TheLongestKnownEndingDecides) {
  EXPECT_EQ(model_.Infer(W("emoção")), "NOUN");   // "ação"
  EXPECT_EQ(model_.Infer("dançaram"), "VERB");    // "aram"
  EXPECT_EQ(model_.Infer("sorriu"), "VERB");      // only "u": falou, cantou
  EXPECT_EQ(model_.Infer("partir"), "VERB");      // "r"
  // "ito" is ADJ only, while "o" alone would be more often NOUN or ADJ.
  EXPECT_EQ(model_.Infer("esquisito"), "ADJ");
  EXPECT_EQ(model_.Infer("zzz"), "");
}

TEST_F(SuffixClassModelTest, AllowedClassesNarrowTheChoice) {
  // "ndo" and "do" are ADJ only (lindo); "o" is NOUN five times (canção,
  // nação, razão, mão, livro) and ADJ twice.
  EXPECT_EQ(model_.Infer("cantando", {"NOUN", "VERB"}), "NOUN");
  EXPECT_EQ(model_.Infer("cantando", {"ADJ", "NOUN"}), "ADJ");
  EXPECT_EQ(model_.Infer("cantando", {"PRON"}), "");
}

TEST(ClassInferenceTest, StemCategoriesThenEndingsThenTheFallback) {
  const std::string rules =
      "SFX X Y 1\nSFX X   ar   o   ar   +P=1,N=s,T=p\n"
      "SFX c Y 1\nSFX c   r   ção   [ae]r   +CAT=nc,G=f,N=s\n";
  const std::string stems = W(
      "4\ncantar/Xc\t[CAT=v,T=inf]\ncanto\t[CAT=nc,G=m,N=s]\nlindo\t[CAT=adj]\n"
      "ao\t[CAT=cp,Prep=a,Art=o,G=m,N=s]\n");
  const StemAnalyses analyses(W(rules.c_str()), stems,
                              {"cantar", "canto", W("cantação"), "lindo", "ao", "zumbido"});
  EXPECT_EQ(analyses.StemsOf("canto").size(), 2u);  // "cantar" and "canto"
  EXPECT_TRUE(analyses.StemsOf("cantas").empty());  // not wanted, not given
  SuffixClassModel suffixes;
  suffixes.Add("falo", "VERB");
  suffixes.Add("livro", "NOUN");
  suffixes.Add("vinho", "NOUN");
  const ClassInference inference(analyses, std::move(suffixes), "PROPN");
  EXPECT_EQ(inference.ClassOf("cantar"), "VERB");
  EXPECT_EQ(inference.ClassOf(W("cantação")), "NOUN");  // the rule's category
  EXPECT_EQ(inference.ClassOf("canto"), "NOUN");        // noun or verb: "-o" words are nouns
  EXPECT_EQ(inference.ClassOf("lindo"), "ADJ");
  EXPECT_EQ(inference.ClassOf("ao"), "ADP+DET");
  EXPECT_EQ(inference.ClassOf("zumbido"), "NOUN");  // no stem: its ending
  EXPECT_EQ(inference.ClassOf("xyz"), "PROPN");     // nothing known
}

}  // namespace
}  // namespace vorelio::builder
