// The one-line-or-wrapped rule of key labels.
#include <gtest/gtest.h>

#include "keyboards/KeyLabelForm.h"

namespace vorelio {
namespace {

// Up to two words that are no sentence take one line; three words or a
// sentence wrap.
TEST(KeyLabelFormTest, UpToTwoWordsThatAreNoSentenceTakeOneLineTheRestWrap) {
  for (const char* label : {"a", "Bom dia", "  Bom   dia  ", "sim/n\xe3o", "(ol\xe1)", "?", "...",
                            "\xabn\xe3o\xbb", "um\tdois", ""})
    EXPECT_EQ(KeyLabelFormOf(label), KeyLabelForm::kOneLineCentred) << label;
  for (const char* label : {"Bom dia Ana", "um,dois,tr\xeas", "Ol\xe1!", "Sim.", "Vens?",
                            "eu\nquero\r\nagua", "\xabmais um\xbb pouco"})
    EXPECT_EQ(KeyLabelFormOf(label), KeyLabelForm::kWrapped) << label;
}

TEST(KeyLabelFormTest, EveryWordSeparatorSplitsWords) {
  // Three words joined by each separator in turn: all wrap.
  for (char separator : std::string_view(" ,:)(;/\xab\xbb\"\n\r\t")) {
    const std::string label = std::string("a") + separator + "b" + separator + "c";
    EXPECT_EQ(KeyLabelFormOf(label), KeyLabelForm::kWrapped) << int(separator);
  }
  // Letters, digits and accented letters do not: one word.
  EXPECT_EQ(KeyLabelFormOf("a-b_c'd\xe7\xe3o123"), KeyLabelForm::kOneLineCentred);
}

}  // namespace
}  // namespace vorelio
