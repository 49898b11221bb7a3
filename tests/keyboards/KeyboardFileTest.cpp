// The keyboard file: its reading rules, its writer, the value encoding,
// bad input, and a randomized round trip.
#include "keyboards/KeyboardFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <utility>

namespace vorelio {
namespace {

using Keys = std::vector<COnScreenKeyData>;

COnScreenKeyData Key(std::string type, std::string label = {}, std::string description = {},
                     std::string output = {}, int32_t active = 1,
                     int32_t background = kGroupDefaultColour, int32_t text = kGroupDefaultColour) {
  return {std::move(type), std::move(label), {}, std::move(description), std::move(output),
          active, background, text};
}

// The keys of the only group of the only line.
Keys OnlyGroupKeys(const KeyboardFileContents& contents) {
  if (contents.lines.size() != 1 || contents.lines[0].groups.size() != 1) return {};
  return contents.lines[0].groups[0].keys;
}

TEST(KeyboardFileTest, TheFourKeyFormsAreTriedLongestFirst) {
  const KeyboardFileContents contents = ReadKeyboardFile(
      "LINHA L\nGRUPO G\n"
      "TECLA TECLA_NORMAL a A letra;;;a 0 255 65280\n"   // 8 words
      "TECLA TECLA_NORMAL b B b 1\n"                     // 6 words
      "TECLA TECLA_NORMAL c C c\n"                       // 5 words
      "TECLA TECLA_VAZIA\n"                              // 2 words
      "TECLA TECLA_NORMAL d D d 0 255\n"                 // 7 words: the 6-word form
      "TECLA TECLA_NORMAL e E\n"                         // 4 words: the 2-word form
      "TECLA TECLA_NORMAL f F f 1 -1 128 extra words\n"  // more than 8: the rest ignored
      "TECLA\n");                                        // 1 word: ignored
  EXPECT_EQ(OnlyGroupKeys(contents),
            (Keys{Key("TECLA_NORMAL", "a", "A", "letra a", 0, 255, 65280),
                  Key("TECLA_NORMAL", "b", "B", "b", 1), Key("TECLA_NORMAL", "c", "C", "c"),
                  Key("TECLA_VAZIA"), Key("TECLA_NORMAL", "d", "D", "d", 0),
                  Key("TECLA_NORMAL"), Key("TECLA_NORMAL", "f", "F", "f", 1, -1, 128)}));
}

TEST(KeyboardFileTest, BadNumbersEndTheRecordWhereTheyStand) {
  EXPECT_EQ(ReadKeyboardFile("// a comment\n\n   //LINHA Indented\r\n\t\n//TECLA TECLA_VAZIA\n"),
            KeyboardFileContents{});
  const KeyboardFileContents contents = ReadKeyboardFile(
      "ALTURA_TECLAS alta\nALTURA_TECLAS_IMAGENS 99999999999\n"  // ignored: heights stay 0
      "LINHA L\nGRUPO G\n"
      "TECLA TECLA_NORMAL a A a 1 vermelho 0\n"          // bad colour: 6-word form
      "TECLA TECLA_NORMAL b B b sim 1 2\n"               // bad active flag: 5-word form
      "TECLA TECLA_NORMAL c C c 1 4294967295 0\n"        // out of range: 6-word form
      "TECLA TECLA_NORMAL d D d 1 12px 0\n");            // "%d" reads the digits, then stops
  EXPECT_EQ(contents.keyHeight, 0);
  EXPECT_EQ(contents.pictogramKeyHeight, 0);
  EXPECT_EQ(OnlyGroupKeys(contents),
            (Keys{Key("TECLA_NORMAL", "a", "A", "a", 1), Key("TECLA_NORMAL", "b", "B", "b"),
                  Key("TECLA_NORMAL", "c", "C", "c", 1), Key("TECLA_NORMAL", "d", "D", "d", 1)}));
}

TEST(KeyboardFileTest, RecordsWithNowhereToGoAreNotAddedButStayKeyRecords) {
  const std::string file =
      "TECLA TECLA_VAZIA\n"         // before any line
      "GRUPO Solto\n"               // before any line
      "LINHA Primeira\n"
      "TECLA TECLA_PREDICAO\n"      // a line but no group yet
      "GRUPO G\nTECLA TECLA_NORMAL x X x\n"
      "LINHA Segunda\n"
      "TECLA TECLA_IMAGEM\n"        // the group index returned to none
      "LINHA\n"                     // no name: not a record
      "GRUPO H\nTECLA TECLA_VAZIA\n";
  const KeyboardFileContents contents = ReadKeyboardFile(file);
  ASSERT_EQ(contents.lines.size(), 2u);
  EXPECT_EQ(contents.lines[0].name, "Primeira");
  ASSERT_EQ(contents.lines[0].groups.size(), 1u);
  EXPECT_EQ(contents.lines[0].groups[0].keys, Keys{Key("TECLA_NORMAL", "x", "X", "x")});
  ASSERT_EQ(contents.lines[1].groups.size(), 1u);
  EXPECT_EQ(contents.lines[1].groups[0].name, "H");
  EXPECT_EQ(contents.lines[1].groups[0].keys, Keys{Key("TECLA_VAZIA")});
  const Keys everyKey{Key("TECLA_VAZIA"), Key("TECLA_PREDICAO"), Key("TECLA_NORMAL", "x", "X", "x"),
                      Key("TECLA_IMAGEM"), Key("TECLA_VAZIA")};
  EXPECT_EQ(ReadKeyRecords(file), everyKey);
  Keys sameReading;
  EXPECT_EQ(ReadKeyboardFile(file, &sameReading), contents);
  EXPECT_EQ(sameReading, everyKey);
}

// {stored, read}: a lone ";" stays, other runs of ";" are blanks.
TEST(KeyboardFileTest, SpaceDecodingAndTheSingleSemicolon) {
  const std::pair<const char*, const char*> decoded[] = {
      {"duas;;;palavras", "duas palavras"}, {"a;b", "a b"}, {";", ";"}, {";;;", " "},
      {";;;;", "  "}, {"p\xe3o;;;doce", "p\xe3o doce"}};  // Windows-1252 untouched
  for (const auto& [stored, read] : decoded) EXPECT_EQ(DecodeKeyboardValue(stored), read) << stored;

  // Names, labels, descriptions, outputs and the description are decoded;
  // the type word is not.
  const KeyboardFileContents contents = ReadKeyboardFile(
      "DESCRICAO Teclado;;;simples\nLINHA Linha;;;um\nGRUPO G;1\n"
      "TECLA TECLA;;;X ; ponto;e;virgula ;\n"
      "TECLA TECLA_NORMAL a;;;b c;d e\n");
  EXPECT_EQ(contents.description, "Teclado simples");
  EXPECT_EQ(contents.lines[0].name, "Linha um");
  EXPECT_EQ(contents.lines[0].groups[0].name, "G 1");
  EXPECT_EQ(OnlyGroupKeys(contents), (Keys{Key("TECLA;;;X", ";", "ponto e virgula", ";"),
                                           Key("TECLA_NORMAL", "a b", "c d", "e")}));
}

// {value, stored}: "a;b" reads back as "a b" either way; an empty field
// would shift the others.
TEST(KeyboardFileTest, EncodingWritesWhatTheReaderWillSee) {
  const std::pair<const char*, const char*> encoded[] = {
      {"duas palavras", "duas;;;palavras"}, {";", ";"}, {"a;b", "a;;;b"}, {"tab\there", "tab;;;here"},
      {"linha\nnova", "linha;;;nova"}, {"", ";;;"}, {" ", ";;;"}};
  for (const auto& [value, stored] : encoded) EXPECT_EQ(EncodeKeyboardValue(value), stored) << value;

  // Heights and description: the last record that reads wins.
  const KeyboardFileContents contents = ReadKeyboardFile(
      "ALTURA_TECLAS 40\nALTURA_TECLAS 50 px\nALTURA_TECLAS_IMAGENS 90\n"
      "DESCRICAO primeira\nDESCRICAO segunda\nDESCRICAO\n");
  EXPECT_EQ(std::tuple(contents.keyHeight, contents.pictogramKeyHeight, contents.description),
            std::tuple(50, 90, "segunda"));
}

TEST(KeyboardFileTest, PictogramLabelsSplitIntoReferenceAndCaption) {
  const KeyboardFileContents contents = ReadKeyboardFile(
      "LINHA L\nGRUPO G\n"
      "TECLA TECLA_IMAGEM CAT_IMG_Comida\\p\xe3o.bmp:p\xe3o;;;quente P P.bmp 1 -1 -1\n"
      "TECLA TECLA_NORMAL horas:;;;10 h h\n");
  const Keys keys = OnlyGroupKeys(contents);
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].label, "CAT_IMG_Comida\\p\xe3o.bmp");
  EXPECT_EQ(keys[0].caption, "p\xe3o quente");
  EXPECT_EQ(keys[0].output, "P.bmp");  // outputs are not split
  EXPECT_EQ(keys[1].label, "horas: 10");  // names no pictogram: stays as written
  EXPECT_EQ(keys[1].caption, "");
}

TEST(KeyboardFileTest, WriterOrderAndForms) {
  KeyboardFileContents contents;
  contents.keyHeight = 45;
  contents.pictogramKeyHeight = 0;  // not written
  contents.description = "O meu teclado";
  COnScreenKeyData pictogram = Key("TECLA_IMAGEM", "CAT_IMG_A\\gato.bmp", "um gato", "gato", 1, -1, 255);
  pictogram.caption = "o gato";
  contents.lines = {
      {"Linha 1",
       {{"G1",
         {Key("TECLA_NORMAL", "a", "letra a", "a", 1, -1, -1), pictogram,
          Key("TECLA_PREDICAO", "ignored", "ignored", "ignored", 0, 1, 2), Key("TECLA_VAZIA")}},
        {"G2", {}}}},
      {"", {}}};
  EXPECT_EQ(WriteKeyboardFile(contents),
            "ALTURA_TECLAS 45\n"
            "DESCRICAO O;;;meu;;;teclado\n"
            "\n"
            "LINHA Linha;;;1\n"
            "GRUPO G1\n"
            "TECLA TECLA_NORMAL a letra;;;a a 1 -1 -1\n"
            "TECLA TECLA_IMAGEM CAT_IMG_A\\gato.bmp:o;;;gato um;;;gato gato 1 -1 255\n"
            "TECLA TECLA_PREDICAO\n"
            "TECLA TECLA_VAZIA\n"
            "GRUPO G2\n"
            "\n"
            "LINHA ;;;\n");
  EXPECT_EQ(WriteKeyboardFile({}), "");
}

TEST(KeyboardFileTest, LongLinesAndWordsAreReadWhole) {
  // A row of 50 pictograms is far longer than 511 bytes, and its line far
  // longer than 1000: both come back whole, and the tail of the line is
  // never read as a record of its own.
  std::string row;
  for (int n = 0; n < 50; ++n) row += (n > 0 ? ":" : "") + std::string("CAT_IMG_Acoes\\acao") + std::to_string(n) + ".bmp";
  const std::string description(3000, 'd');
  const std::string file = "LINHA L\nGRUPO G\nTECLA TECLA_IMAGEM " + row + " " + description +
                           "_TECLA_TECLA_VAZIA x 1 -1 -1\n";
  const Keys keys = OnlyGroupKeys(ReadKeyboardFile(file));
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0].label, row);
  EXPECT_EQ(keys[0].description, description + "_TECLA_TECLA_VAZIA");
}

TEST(KeyboardFileTest, BinaryNoiseNeverBreaksTheReader) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  const std::string_view words[] = {"LINHA x\n", "GRUPO y\n", "TECLA TECLA_NORMAL a b c 1 2 3\n",
                                    "TECLA TECLA_VAZIA\n", ";;;", "//", "\r\n",
                                    std::string_view("\0", 1)};
  for (int round = 0; round < 300; ++round) {
    std::string noise;
    const int pieces = byte(random);
    for (int n = 0; n < pieces; ++n) {
      if (byte(random) < 64) noise += words[static_cast<std::size_t>(byte(random)) % std::size(words)];
      else noise += static_cast<char>(byte(random));
    }
    const KeyboardFileContents first = ReadKeyboardFile(noise);
    const std::string written = WriteKeyboardFile(first);
    EXPECT_EQ(WriteKeyboardFile(ReadKeyboardFile(written)), written) << "round " << round;
  }
}

// Random keyboards within what the format can hold: a caption goes with a
// label that names pictograms and names none itself.
class RandomKeyboards {
 public:
  explicit RandomKeyboards(unsigned seed) : random_(seed) {}

  KeyboardFileContents Next() {
    KeyboardFileContents contents;
    contents.keyHeight = Number(-5, 80);
    contents.pictogramKeyHeight = Number(-5, 160);
    contents.description = Chance(2) ? Text() : "";
    const int lines = Number(0, 6);
    for (int l = 0; l < lines; ++l) {
      COnScreenKeyLineData& line = contents.lines.emplace_back(COnScreenKeyLineData{Text(), {}});
      const int groups = Number(0, 4);
      for (int g = 0; g < groups; ++g) {
        COnScreenKeyGroupData& group = line.groups.emplace_back(COnScreenKeyGroupData{Text(), {}});
        const int keys = Number(0, 8);
        for (int k = 0; k < keys; ++k) group.keys.push_back(RandomKey());
      }
    }
    return contents;
  }

 private:
  int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(int oneIn) { return Number(1, oneIn) == 1; }

  // Any text; in a pictogram reference, no ":" (it would split the reference).
  std::string Text(bool colons = true) {
    static constexpr std::string_view kAlphabet = "ab \t;:.\xe7\xe3\xc1{}[]/\\-x";
    std::string text;
    const int length = Number(0, 12);
    for (int n = 0; n < length; ++n) {
      const char c = kAlphabet[static_cast<std::size_t>(Number(0, static_cast<int>(kAlphabet.size()) - 1))];
      text += c == ':' && !colons ? '_' : c;
    }
    return text;
  }

  std::string Reference() {
    std::string reference;
    const int parts = Number(1, 3);
    for (int n = 0; n < parts; ++n)
      reference += (n > 0 ? ":" : "") + std::string("CAT_IMG_G\\") + Text(false) + (Chance(2) ? ".bmp" : ".BMP");
    return reference;
  }

  std::string Caption() {
    std::string caption = Text();
    for (char& c : caption) {
      if (c == '.') c = ',';  // no part of a caption may end in ".bmp"
    }
    return caption;
  }

  COnScreenKeyData RandomKey() {
    static constexpr std::string_view kTypes[] = {
        "TECLA_NORMAL", "TECLA_IMAGEM", "TECLA_VAZIA", "TECLA_PREDICAO", "TECLA_PREDICAO_FRASE",
        "TECLA_PREDICAO_IMAGEM", "TECLA_PREDICAO_FRASE_IMAGENS", "TECLA_DESCONHECIDA"};
    COnScreenKeyData key;
    key.type = kTypes[static_cast<std::size_t>(Number(0, static_cast<int>(std::size(kTypes)) - 1))];
    if (Chance(2)) {
      key.label = Reference();
      key.caption = Caption();
    } else {
      key.label = Caption();
    }
    key.description = Text();
    key.output = Chance(3) ? Reference() : Text();
    key.active = Number(-2, 2);
    key.backgroundColour = Chance(2) ? kGroupDefaultColour : Number(0, 0xFFFFFF);
    key.textColour = Chance(2) ? kGroupDefaultColour : Number(-100, 0xFFFFFF);
    return key;
  }

  std::mt19937 random_;
};

TEST(KeyboardFileTest, RandomKeyboardsWrittenReadAndWrittenAgainGiveTheSameBytes) {
  RandomKeyboards keyboards(7);
  for (int round = 0; round < 2000; ++round) {
    const KeyboardFileContents original = keyboards.Next();
    const std::string written = WriteKeyboardFile(original);
    const KeyboardFileContents read = ReadKeyboardFile(written);
    ASSERT_EQ(WriteKeyboardFile(read), written) << "round " << round << "\n" << written;
    // What a keyboard holds survives, within the format's limits.
    ASSERT_EQ(read.lines.size(), original.lines.size());
    EXPECT_EQ(read.keyHeight, std::max(0, original.keyHeight));
    for (std::size_t l = 0; l < read.lines.size(); ++l) {
      ASSERT_EQ(read.lines[l].groups.size(), original.lines[l].groups.size());
      for (std::size_t g = 0; g < read.lines[l].groups.size(); ++g) {
        const Keys& before = original.lines[l].groups[g].keys;
        const Keys& after = read.lines[l].groups[g].keys;
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t k = 0; k < after.size(); ++k) {
          EXPECT_EQ(after[k].type, before[k].type);
          if (before[k].type != "TECLA_NORMAL" && before[k].type != "TECLA_IMAGEM") continue;
          EXPECT_EQ(after[k].active, before[k].active);
          EXPECT_EQ(after[k].backgroundColour, before[k].backgroundColour);
          EXPECT_EQ(after[k].textColour, before[k].textColour);
        }
      }
    }
  }
}

}  // namespace
}  // namespace vorelio
