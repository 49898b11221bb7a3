#include "tools/dictionary-builder/AffixExpander.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "common/Text.h"

namespace vorelio::builder {
namespace {

std::string W(const char* utf8) { return Utf8ToCp1252(utf8); }

// A miniature of the European Portuguese affix file: plural and feminine
// suffixes with conditions and strips, a verb suffix that makes a noun, and
// prefixes that may or may not join a suffix form.
const char* const kRules =
    "SET UTF-8\n"
    "TRY aeio\n"
    "REP 1\nREP ss ç\n"
    "\n"
    "PFX S Y 2\n"
    "PFX S   0     des     [^h]   PFSEM=not+\n"
    "PFX S   h     des     h      PFSEM=not+\n"
    "\n"
    "PFX E N 1\n"
    "PFX E   0     pré-    .      PFSEM=pre+\n"
    "\n"
    "SFX p Y 3\n"
    "SFX p   0     s       [^ã][^lsmrnzx]  +N=p\n"
    "SFX p   ão    ões     ão     +N=p\n"
    "SFX p   l     is      [au]l  +N=p\n"
    "\n"
    "SFX c Y 1\n"
    "SFX c   r     ção     [ae]r  +CAT=nc,G=f,N=s,FSEM=cao\n"
    "\n"
    "SFX X Y 2\n"
    "SFX X   ar    o       [^-]ar +P=1,N=s,T=p\n"
    "SFX X   r     mos     ar     +P=1,N=p,T=p\n"
    "\n"
    "SFX b Y 1\n"
    "SFX b   0     zzz\n";  // malformed: no condition

std::map<std::string, std::set<AffixRules::Derivation>> Expand(const AffixRules& rules,
                                                                const char* stem,
                                                                const char* flags) {
  std::map<std::string, std::set<AffixRules::Derivation>> forms;
  rules.Expand(W(stem), flags, [&](const std::string& form, AffixRules::Derivation how) {
    forms[Cp1252ToUtf8(form)].insert(how);
  });
  return forms;
}

std::set<std::string> Forms(const std::map<std::string, std::set<AffixRules::Derivation>>& map) {
  std::set<std::string> forms;
  for (const auto& [form, how] : map) forms.insert(form);
  return forms;
}

TEST(AffixRulesTest, SuffixesFollowTheirConditionsAndStrips) {
  const AffixRules rules = AffixRules::Parse(W(kRules));
  EXPECT_EQ(rules.RuleCount(), 9u);  // the malformed rule is left out
  EXPECT_EQ(Forms(Expand(rules, "casa", "p")), (std::set<std::string>{"casa", "casas"}));
  EXPECT_EQ(Forms(Expand(rules, "limão", "p")), (std::set<std::string>{"limão", "limões"}));
  EXPECT_EQ(Forms(Expand(rules, "anel", "p")), (std::set<std::string>{"anel"}));  // [au]l only
  EXPECT_EQ(Forms(Expand(rules, "canal", "p")), (std::set<std::string>{"canal", "canais"}));
  EXPECT_EQ(Forms(Expand(rules, "lápis", "p")), (std::set<std::string>{"lápis"}));
  // A flag the rules do not define and the malformed set add nothing.
  EXPECT_EQ(Forms(Expand(rules, "casa", "qb")), (std::set<std::string>{"casa"}));
}

TEST(AffixRulesTest, PrefixesJoinSuffixFormsOnlyWhenBothSetsAllowIt) {
  const AffixRules rules = AffixRules::Parse(W(kRules));
  EXPECT_EQ(Forms(Expand(rules, "arrumar", "XS")),
            (std::set<std::string>{"arrumar", "arrumo", "arrumamos", "desarrumar",
                                   "desarrumo", "desarrumamos"}));
  EXPECT_EQ(Forms(Expand(rules, "habitar", "S")), (std::set<std::string>{"habitar", "desabitar"}));
  // "E" does not combine: "pré-aviso" but no "pré-avisos".
  EXPECT_EQ(Forms(Expand(rules, "aviso", "pE")),
            (std::set<std::string>{"aviso", "avisos", "pré-aviso"}));
}

TEST(AffixRulesTest, DerivationsNameTheRuleAndItsCategory) {
  const AffixRules rules = AffixRules::Parse(W(kRules));
  const auto forms = Expand(rules, "arrumar", "XcS");
  EXPECT_EQ(forms.at("arrumar"), std::set<AffixRules::Derivation>{0});
  const AffixRules::Derivation noun = *forms.at("arrumação").begin();
  const AffixRules::Derivation verb = *forms.at("arrumo").begin();
  EXPECT_NE(noun, verb);
  EXPECT_EQ(rules.CategoryOf(noun), "nc");
  EXPECT_EQ(rules.CategoryOf(verb), "");
  EXPECT_EQ(rules.CategoryOf(0), "");
  // The same rule gives the same number on another stem; a prefixed
  // suffix form keeps the suffix rule's category.
  EXPECT_EQ(*Expand(rules, "falar", "X").at("falo").begin(), verb);
  const AffixRules::Derivation prefixed = *forms.at("desarrumação").begin();
  EXPECT_NE(prefixed, noun);
  EXPECT_EQ(rules.CategoryOf(prefixed), "nc");
}

TEST(StemListTest, ReadsStemsFlagsAndCategories) {
  const std::vector<StemEntry> stems = ReadStemList(W(
      "5\n"
      "abafar/XYPLDn\t[CAT=v,T=inf,TR=t]\n"
      "abaixo\t[CAT=adv,SUBCAT=lugar]\n"
      "às\t[$ao$CAT=cp,Prep=a,Art=o$G=f,N=p]\n"
      "toilette/ORIG=fra\t[CAT=nc,G=f,N=s]\n"
      "Lisboa\t[CAT=np,G=f,N=s]\n"
      "\n"));
  ASSERT_EQ(stems.size(), 5u);
  EXPECT_EQ(stems[0].stem, "abafar");
  EXPECT_EQ(stems[0].flags, "XYPLDn");
  EXPECT_EQ(stems[0].category, "v");
  EXPECT_EQ(stems[1].category, "adv");  // not the SUBCAT
  EXPECT_EQ(stems[2].stem, W("às"));
  EXPECT_EQ(stems[2].category, "cp");
  EXPECT_NE(stems[2].morphology.find("Art=o"), std::string::npos);
  EXPECT_EQ(stems[3].flags, "");  // a note, not flags
  EXPECT_EQ(stems[4].stem, "Lisboa");
  EXPECT_EQ(stems[4].category, "np");
}

}  // namespace
}  // namespace vorelio::builder
