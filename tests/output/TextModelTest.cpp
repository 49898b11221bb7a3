#include "output/TextModel.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/Text.h"

namespace vorelio {
namespace {

constexpr int kBackspace = 8, kPageUp = 33, kHome = 36, kLeft = 37,
              kUp = 38, kRight = 39, kDown = 40, kInsert = 45, kDelete = 46;

// Types every character and counts the word and sentence ends.
struct Ends {
  int words = 0;
  int sentences = 0;
};
Ends Type(TextModel& model, std::string_view text) {
  Ends ends;
  for (char c : text) {
    const TypedCharacterEffect effect = model.CharacterTyped(c);
    ends.words += effect.wordEnded;
    ends.sentences += effect.sentenceEnded;
  }
  return ends;
}

TEST(TextModelTest, CaretKeysEditTheTextAroundTheCaret) {
  TextModel model;
  Type(model, "ola");
  model.KeyDown(kLeft, false);
  model.KeyDown(kLeft, false);
  Type(model, "x");
  EXPECT_EQ(model.Text(), "oxla");
  EXPECT_EQ(model.Caret(), 2);
  model.KeyDown(kBackspace, false);
  model.CharacterTyped('\b');  // the character that follows the key: not inserted
  EXPECT_EQ(model.Text(), "ola");
  EXPECT_EQ(model.Caret(), 1);
  model.KeyDown(kDelete, false);
  EXPECT_EQ(model.Text(), "oa");
  EXPECT_EQ(model.Caret(), 1);
  model.KeyDown(kRight, false);
  model.KeyDown(kRight, false);  // already at the end
  EXPECT_EQ(model.Caret(), 2);
  model.KeyDown(kDelete, false);  // nothing after the caret
  EXPECT_EQ(model.Text(), "oa");
  model.KeyDown(kLeft, false);
  model.KeyDown(kLeft, false);
  model.KeyDown(kLeft, false);  // already at the start
  model.KeyDown(kBackspace, false);  // nothing before the caret
  EXPECT_EQ(model.Text(), "oa");
  EXPECT_EQ(model.Caret(), 0);
  model.KeyDown(kInsert, false);
  model.KeyDown('A', false);
  EXPECT_EQ(model.Text(), "oa");
}

TEST(TextModelTest, VerticalAndPageMovesForgetTheTextUnlessTheKeyIsTheProgramsOwn) {
  for (int key : {kUp, kDown}) {
    TextModel model("casa", 4);
    model.KeyDown(key, true);
    EXPECT_EQ(model.Text(), "") << key;
    EXPECT_EQ(model.Caret(), 0);
  }
  for (int key : {kPageUp, kHome}) {
    TextModel model("casa", 4);
    model.KeyDown(key, true);  // swallowed: the application never saw it
    EXPECT_EQ(model.Text(), "casa") << key;
    model.KeyDown(key, false);
    EXPECT_EQ(model.Text(), "") << key;
  }
}

TEST(TextModelTest, AWordEndsOnceAndEveryTerminatorEndsASentence) {
  TextModel model;
  Ends ends = Type(model, "fim.");
  EXPECT_EQ(ends.words, 1);
  EXPECT_EQ(ends.sentences, 1);
  ends = Type(model, ".");
  EXPECT_EQ(ends.words, 0);
  EXPECT_EQ(ends.sentences, 1);
  ends = Type(model, " ola, tudo bem?! ");  // ola at ",", tudo at " ", bem at "?"
  EXPECT_EQ(ends.words, 3);
  EXPECT_EQ(ends.sentences, 2);
  // A separator after Backspace ends no word; the Backspace itself is no separator.
  model = TextModel();
  ends = Type(model, "cas\b ");
  EXPECT_EQ(ends.words, 0);
  ends = Type(model, "a\b");
  EXPECT_EQ(ends.words, 0);
  // The previous character outlives a reset: the word typed before it ends.
  Type(model, "casa");
  model.Reset();
  EXPECT_EQ(Type(model, " ").words, 1);
}

// The prefix and last words before the caret are checked against a plain
// reading in RandomTypingAgreesWithAPlainReading; these are the parts after it.
TEST(TextModelTest, WordQueriesAroundTheCaret) {
  TextModel inside("a casa verde, sim", 9);  // caret between "ve" and "rde"
  EXPECT_EQ(inside.CurrentWordPrefix(), "ve");
  EXPECT_EQ(inside.CurrentWordSuffix(), "rde");
  EXPECT_EQ(inside.CurrentWord(), "verde");

  TextModel beforeWord("a casa", 2);  // the caret at the start of "casa"
  EXPECT_EQ(beforeWord.CurrentWordPrefix(), "");
  EXPECT_EQ(beforeWord.CurrentWordSuffix(), "casa");

  // The last words reach back into the last sentence, not further.
  TextModel nextSentence("Um dois. Tres quatro. Cinco", 27);
  EXPECT_EQ(nextSentence.LastWord(), "quatro");
  EXPECT_EQ(nextSentence.WordBeforeLast(), "Tres");
}

TEST(TextModelTest, SentenceQueriesAroundTheCaret) {
  const std::string text = "Ola. Tudo bem? Eu vou a casa.";
  TextModel atEnd(text, static_cast<int>(text.size()));
  EXPECT_EQ(atEnd.SentenceBeforeLast(), " Tudo bem?");

  TextModel inside(text, 21);  // "Eu vou| a casa."
  EXPECT_EQ(inside.SentenceAfterCaret(), " a casa.");
  EXPECT_EQ(inside.CurrentSentence(), " Eu vou a casa.");
  EXPECT_EQ(inside.SentenceBeforeLast(), "Ola.");

  TextModel first(text, 2);
  EXPECT_EQ(first.SentenceAfterCaret(), "a.");
  EXPECT_EQ(first.SentenceBeforeLast(), "");
}

TEST(TextModelTest, MissingPartIsTheLowerCasedRestAfterTheCommonPrefix) {
  EXPECT_EQ(MissingPart("Lisboa", "lis"), "boa");
  EXPECT_EQ(MissingPart("casa", "xyz"), "casa");
  EXPECT_EQ(MissingPart("casa", "cavalo"), "sa");
  EXPECT_EQ(MissingPart("casa", "casa"), "");
  EXPECT_EQ(MissingPart("casa", "casas"), "");
  EXPECT_EQ(MissingPart("\xC1GUA", "\xE1"), "gua");  // "ÁGUA" after "á"
  EXPECT_EQ(MissingPart("Bom", ""), "bom");
}

TEST(TextModelTest, CompletionsTypeOnlyWhatIsMissing) {
  EXPECT_EQ(TextModel("casa ve", 7).WordCompletion("verde"), "rde");
  EXPECT_EQ(TextModel("casa Ve", 7).WordCompletion("Verde"), "rde");
  EXPECT_EQ(TextModel("casa ", 5).WordCompletion("Verde"), "Verde");
  // The sentence typed so far loses its leading blanks only: a trailing
  // space already typed is not typed again.
  EXPECT_EQ(TextModel("Sim. ola ", 9).SentenceCompletion("ola tudo bem"), "tudo bem");
  EXPECT_EQ(TextModel("Sim.  ola tu", 12).SentenceCompletion("ola tudo bem"), "do bem");
  EXPECT_EQ(TextModel("Sim. ", 5).SentenceCompletion("Ola tudo bem"), "Ola tudo bem");
}

TEST(TextModelTest, PreviewsShowTheAddedPartAsCapsLockWillTypeIt) {
  const TextModel model("Sim. ola ve", 11);
  EXPECT_EQ(model.WordPreview("verde", false), "verde");
  EXPECT_EQ(model.WordPreview("verde", true), "veRDE");
  EXPECT_EQ(model.SentencePreview("ola verde", false), "ola verde");
  EXPECT_EQ(model.SentencePreview("ola verde", true), "ola veRDE");
  EXPECT_EQ(TextModel().WordPreview("Casa", true), "cASA");
}

// The last words and sentences by a plain forward reading of the text.
struct Reference {
  std::string before;  // text before the caret
  std::string SentenceBeforeCaret() const {
    const std::size_t last = before.find_last_of(kTerminators);
    return last == std::string::npos ? before : before.substr(last + 1);
  }
  std::string LastSentence() const {
    std::vector<std::string> sentences;  // each with its terminator
    std::string current;
    for (char c : before) {
      current += c;
      if (IsTerminator(c)) sentences.push_back(std::exchange(current, {}));
    }
    return sentences.empty() ? "" : sentences.back();
  }
  std::string Word(int back) const {  // 0: the last completed word
    const std::string recent = LastSentence() + SentenceBeforeCaret();
    std::vector<std::string> words = Split(recent, kSeparators);
    if (!recent.empty() && !IsSeparator(recent.back()) && !words.empty()) words.pop_back();
    const int index = static_cast<int>(words.size()) - 1 - back;
    return index < 0 ? "" : words[index];
  }
};

TEST(TextModelTest, RandomTypingAgreesWithAPlainReading) {
  std::mt19937 random(20240611);
  const std::string alphabet = "ab .?,\t\b";
  const int keys[] = {kLeft, kRight, kBackspace, kDelete};
  for (int round = 0; round < 300; ++round) {
    TextModel model;
    std::string text;
    int caret = 0;
    for (int step = 0; step < 40; ++step) {
      if (random() % 4 == 0) {
        const int key = keys[random() % 4];
        model.KeyDown(key, false);
        const int length = static_cast<int>(text.size());
        if (key == kLeft && caret > 0) --caret;
        if (key == kRight && caret < length) ++caret;
        if (key == kBackspace && caret > 0) text.erase(--caret, 1);
        if (key == kDelete && caret < length) text.erase(caret, 1);
      } else {
        const char c = alphabet[random() % alphabet.size()];
        model.CharacterTyped(c);
        if (c != '\b') text.insert(text.begin() + caret++, c);
      }
      ASSERT_EQ(model.Text(), text);
      ASSERT_EQ(model.Caret(), caret);
      const Reference reference{text.substr(0, caret)};
      ASSERT_EQ(model.SentenceBeforeCaret(), reference.SentenceBeforeCaret()) << text;
      ASSERT_EQ(model.LastSentence(), reference.LastSentence()) << text;
      ASSERT_EQ(model.LastWord(), reference.Word(0)) << text << " caret " << caret;
      ASSERT_EQ(model.WordBeforeLast(), reference.Word(1)) << text << " caret " << caret;
      const std::string sentence = reference.SentenceBeforeCaret();
      const std::vector<std::string> words = Split(sentence, kSeparators);
      const bool inWord = !sentence.empty() && !IsSeparator(sentence.back());
      ASSERT_EQ(model.CurrentWordPrefix(), inWord ? words.back() : "") << text;
    }
  }
}

TEST(TextModelTest, TheLastWordsOfAVeryLongSentenceAreStillFound) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "w" + std::to_string(i) + " ";
  text += "fi";
  const TextModel model(text, static_cast<int>(text.size()));
  EXPECT_EQ(model.LastWord(), "w299");
  EXPECT_EQ(model.WordBeforeLast(), "w298");
  EXPECT_EQ(model.CurrentWordPrefix(), "fi");
}

}  // namespace
}  // namespace vorelio
