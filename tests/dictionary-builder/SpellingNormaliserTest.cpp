#include "tools/dictionary-builder/SpellingNormaliser.h"

#include <gtest/gtest.h>

#include "common/Text.h"

namespace vorelio::builder {
namespace {

std::string W(const char* utf8) { return Utf8ToCp1252(utf8); }

class SpellingNormaliserTest : public ::testing::Test {
 protected:
  SpellingNormaliserTest()
      : valid_({W("ação"), W("ações"), W("objetivo"), W("objetivos"), W("objetiva"), W("ótimo"),
                W("ótimas"), W("ato"), W("atual"), W("ator"), W("acre"), W("facto"), W("chave"),
                W("para"), W("acabar"), W("infraestrutura"), W("contrassenso"),
                W("coprodução"), W("reimplementação"), W("comesse"), W("microondas")}),
        normaliser_(ReadSpellingPairs(Utf8ToCp1252("Ortografia Antiga\tOrtografia Nova\r\n") +
                                      "acção\tação\r\n"
                                      "objectivo\tobjetivo\r\n"
                                      "óptimo\tótimo\r\n"
                                      "acto\tato\r\n"
                                      "Abril\tabril\r\n"
                                      "acupunctura\tacupuntura, acupunctura\r\n"),
                    valid_) {}

  std::set<std::string> valid_;
  SpellingNormaliser normaliser_;
};

TEST_F(SpellingNormaliserTest, RewritesListedOldFormsAndTheirInflections) {
  EXPECT_EQ(normaliser_.Normalise(W("acção")), W("ação"));
  EXPECT_EQ(normaliser_.Normalise(W("acções")), W("ações"));
  EXPECT_EQ(normaliser_.Normalise(W("objectivos")), W("objetivos"));
  EXPECT_EQ(normaliser_.Normalise(W("objectiva")), W("objetiva"));
  EXPECT_EQ(normaliser_.Normalise(W("óptimas")), W("ótimas"));
  EXPECT_EQ(normaliser_.Normalise(W("actual")), W("atual"));
  // Two admitted forms: the first one is taken.
  EXPECT_EQ(normaliser_.Normalise(W("acupunctura")), W("acupuntura"));
}

TEST_F(SpellingNormaliserTest, LeavesCurrentAndUnrelatedWordsAlone) {
  for (const char* word : {"ação", "objetivos", "acre", "facto", "acabar", "abril", "casa"}) {
    EXPECT_EQ(normaliser_.Normalise(W(word)), W(word)) << word;
  }
  // A stem change whose result is not a valid word is not applied.
  EXPECT_EQ(normaliser_.Normalise(W("actxyz")), W("actxyz"));
}

TEST_F(SpellingNormaliserTest, RewritesEachPartOfAHyphenatedWord) {
  EXPECT_EQ(normaliser_.Normalise(W("acções-chave")), W("ações-chave"));
  EXPECT_EQ(normaliser_.Normalise(W("a-acção-")), W("a-ação-"));
}

TEST_F(SpellingNormaliserTest, JoinsThePrefixesTheAgreementJoins) {
  EXPECT_EQ(normaliser_.Normalise(W("infra-estrutura")), W("infraestrutura"));
  EXPECT_EQ(normaliser_.Normalise(W("contra-senso")), W("contrassenso"));
  EXPECT_EQ(normaliser_.Normalise(W("co-produção")), W("coprodução"));
  EXPECT_EQ(normaliser_.Normalise(W("re-implementação")), W("reimplementação"));
  // Only known prefixes, only into a listed word: "come-se" is no
  // "comesse", and "micro-ondas" keeps its hyphen before the same vowel.
  EXPECT_EQ(normaliser_.Normalise(W("come-se")), W("come-se"));
  EXPECT_EQ(normaliser_.Normalise(W("micro-ondas")), W("micro-ondas"));
  EXPECT_EQ(normaliser_.Normalise(W("anti-inflamatório")), W("anti-inflamatório"));
  EXPECT_EQ(normaliser_.Normalise(W("infra-")), W("infra-"));
}

TEST(AgreementAccentPairsTest, RemovesTheDroppedAccents) {
  const std::set<std::string> valid = {"para", "veem", "voo"};
  const SpellingNormaliser normaliser(AgreementAccentPairs(), valid);
  EXPECT_EQ(normaliser.Normalise(W("pára")), "para");
  EXPECT_EQ(normaliser.Normalise(W("vêem")), "veem");
  EXPECT_EQ(normaliser.Normalise(W("vôo")), "voo");
}

}  // namespace
}  // namespace vorelio::builder
