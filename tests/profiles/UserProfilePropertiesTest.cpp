#include "profiles/UserProfileProperties.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <random>
#include <string>

#include "TestSupport.h"
#include "common/Scanner.h"
#include "profiles/UserProfileOptionTable.h"

namespace vorelio {
namespace {

using testing::TempFolder;

CUserProfileProperties ReadContents(std::string_view contents) {
  CUserProfileProperties properties;
  properties.ReadFrom(contents);
  return properties;
}

std::vector<std::string> Lines(std::string_view contents) {
  std::vector<std::string> lines;
  LineReader reader(contents);
  std::string_view line;
  while (reader.Next(line)) lines.emplace_back(line);
  return lines;
}

TEST(UserProfileOptionsFile, WritesEveryKeyInTableOrderWithItsFormat) {
  CUserProfileProperties properties;
  properties.options.fontFace = "Times New Roman";
  properties.options.placeLatitude = 38.7223;
  properties.options.placeLongitude = -9.1393;
  properties.options.keyboardName = "";
  const std::vector<std::string> lines = Lines(properties.Contents());
  ASSERT_EQ(lines.size(), 99u);
  EXPECT_EQ(lines[0], "POSICAO_INICIAL_JANELA_X 0");
  EXPECT_EQ(lines[13], "TEMPO_DE_PREDICAO 1000");
  EXPECT_EQ(lines[21], "LETRAS_NAO_PRETENDIDAS ");
  EXPECT_EQ(lines[34], "NOME_SINTETIZADOR_FALA Nenhum");
  EXPECT_EQ(lines[44], "NOME_TECLADO ");
  EXPECT_EQ(lines[47], "TIPO_LETRA Times;;;New;;;Roman");
  EXPECT_EQ(lines[79], "RAIO_LOCAL_FISICO 0");
  EXPECT_EQ(lines[80], "LATITUDE_LOCAL_FISICO 38.722300");
  EXPECT_EQ(lines[81], "LONGITUDE_LOCAL_FISICO -9.139300");
  EXPECT_EQ(lines[98], "BLOQUEAR_MENU 0");
}

TEST(UserProfileOptionsFile, ReadsSubsetsAndForgivesMalformedLines) {
  // Only COR_FUNDO: every other option keeps its default.
  CUserProfileProperties red = ReadContents("COR_FUNDO 255\n");
  UserProfileOptions expected;
  expected.keyBackgroundColour = 255;
  EXPECT_EQ(red.options, expected);

  // Encoded spaces, an empty keyboard name, a letter for a number, a blank
  // line, an unknown key, a repeated key, CRLF line ends, a key alone.
  const CUserProfileProperties read = ReadContents(
      "TIPO_LETRA Times;;;New;;;Roman\r\n"
      "NOME_TECLADO\r\n"
      "\r\n"
      "ALTURA_TECLAS x12\r\n"
      "CHAVE_DESCONHECIDA 7\r\n"
      "TEMPO_DE_PREDICAO 500\r\n"
      "TEMPO_DE_PREDICAO 700 ms\r\n"
      "LARGURA_JANELA -40abc\r\n"
      "LATITUDE_LOCAL_FISICO 1.5e1xyz\r\n"
      "LONGITUDE_LOCAL_FISICO nan\r\n"
      "RAIO_LOCAL_FISICO 99999999999\r\n"
      "  SEQUENCIAS_LETRAS_NAO_PRETENDIDAS   ph;;;kw   ignored\r\n");
  EXPECT_EQ(read.options.fontFace, "Times New Roman");
  EXPECT_EQ(read.options.keyboardName, "");
  EXPECT_EQ(read.KeyboardInUse(), "");
  EXPECT_EQ(read.options.keyHeight, 0);
  EXPECT_EQ(read.options.predictionDelayMs, 700);
  EXPECT_EQ(read.options.windowWidth, -40);
  EXPECT_EQ(read.options.placeLatitude, 15.0);
  EXPECT_EQ(read.options.placeLongitude, 0.0);
  EXPECT_EQ(read.options.placeRadiusMetres, 0);  // does not fit in 32 bits
  EXPECT_EQ(read.options.unwantedSequences, "ph kw");
  EXPECT_EQ(read.options.windowHeight, 100);
  // Writing gives the encoded line back.
  EXPECT_NE(read.Contents().find("\nTIPO_LETRA Times;;;New;;;Roman\n"), std::string::npos);
}

TEST(UserProfileOptionsFile, ReadsALineLongerThanTheUsualLimitWhole) {
  const std::string tags(600, 'A');
  const CUserProfileProperties read = ReadContents(
      "IDENTIFICADOR_ETIQUETA_BLUETOOTH " + tags + ";;;B\nCOR_FUNDO 1\n");
  EXPECT_EQ(read.options.bluetoothTags, tags + " B");
  EXPECT_EQ(read.options.keyBackgroundColour, 1);
}

TEST(UserProfileOptionsFile, ValuesNeverBreakTheirLine) {
  CUserProfileProperties properties;
  properties.options.fontFace = "Arial\nCOR_FUNDO 1";  // a line end inside an encoded value
  properties.options.keyboardName = "Teclado Grande";  // a blank in a single-word value
  const CUserProfileProperties read = ReadContents(properties.Contents());
  EXPECT_EQ(read.options.fontFace, "Arial COR_FUNDO 1");
  EXPECT_EQ(read.options.keyBackgroundColour, 65535);
  EXPECT_EQ(read.options.keyboardName, "Teclado");
}

// Every option set to a random value of its type survives a write and a
// read; reals to six decimals.
TEST(UserProfileOptionsFile, RandomRoundTripThroughTheFile) {
  TempFolder folder;
  std::mt19937 random(20261206);
  const std::string letters = "abcXYZ\xE7\xE3;-_.:0123456789 ";
  for (int round = 0; round < 20; ++round) {
    CUserProfileProperties written;
    for (const UserProfileOptionKey& option : UserProfileOptionKeys()) {
      switch (option.type) {
        case OptionType::kInteger:
          written.options.*option.integer =
              std::clamp(static_cast<int32_t>(random()), option.minimum, option.maximum);
          break;
        case OptionType::kReal:
          written.options.*option.real =
              std::uniform_real_distribution<double>(-180, 180)(random);
          break;
        case OptionType::kWord:
        case OptionType::kEncodedText: {
          std::string text;
          for (int n = static_cast<int>(random() % 12); n > 0; --n)
            text += letters[random() % letters.size()];
          if (option.type == OptionType::kWord) std::erase(text, ' ');
          // A ";" beside an encoded space can't be told apart from it: the
          // format cannot carry that, so encoded texts get no ";".
          else std::erase(text, ';');
          written.options.*option.text = text;
          break;
        }
      }
    }
    ASSERT_TRUE(written.Write(testing::DiskFiles(), folder.File("p.cfg")));
    CUserProfileProperties read;
    read.Read(testing::DiskFiles(), folder.File("p.cfg"));
    for (const UserProfileOptionKey& option : UserProfileOptionKeys()) {
      if (option.type == OptionType::kReal)
        EXPECT_NEAR(read.options.*option.real, written.options.*option.real, 5e-7) << option.key;
      else
        EXPECT_EQ(read.GetOption(option.key), written.GetOption(option.key)) << option.key;
    }
    EXPECT_EQ(read.OptionsFilePath(), folder.File("p.cfg"));
    EXPECT_EQ(read.KeyboardInUse(), written.options.keyboardName);
  }
}

TEST(UserProfileOptionsFile, AMissingFileKeepsTheDefaultsAndRemembersThePath) {
  TempFolder folder;
  CUserProfileProperties properties;
  properties.Read(testing::DiskFiles(), folder.File("nenhum.cfg"));
  EXPECT_EQ(properties.options, UserProfileOptions());
  EXPECT_EQ(properties.OptionsFilePath(), folder.File("nenhum.cfg"));
  EXPECT_FALSE(properties.Write(testing::DiskFiles(), folder.File("pasta-inexistente/p.cfg")));
}

TEST(UserProfileProperties, TimeIntervalsByWeekday) {
  const CUserProfileProperties read = ReadContents(
      "INTERVALOS_TEMPO_DOMINGO 08:30-12:00;14:00-17:30\nINTERVALOS_TEMPO_SABADO 10:00-11:00\n");
  EXPECT_EQ(read.TimeIntervals(1), "08:30-12:00;14:00-17:30");
  EXPECT_EQ(read.TimeIntervals(7), "10:00-11:00");
  EXPECT_EQ(read.TimeIntervals(2) + read.TimeIntervals(0) + read.TimeIntervals(8), "");
}

TEST(UserProfileProperties, OptionsByKeyAreStrictAndUseTheFileForm) {
  CUserProfileProperties properties;
  EXPECT_TRUE(properties.SetOption("TIPO_LETRA", "Times;;;New;;;Roman"));
  EXPECT_EQ(properties.options.fontFace, "Times New Roman");
  EXPECT_EQ(properties.GetOption("TIPO_LETRA"), "Times;;;New;;;Roman");
  EXPECT_TRUE(properties.SetOption("LETRAS_NAO_PRETENDIDAS", "k w"));
  EXPECT_EQ(properties.options.unwantedLetters, "k w");
  EXPECT_TRUE(properties.SetOption("LATITUDE_LOCAL_FISICO", "+41.15"));
  EXPECT_EQ(properties.GetOption("LATITUDE_LOCAL_FISICO"), "41.150000");
  EXPECT_TRUE(properties.SetOption("ADAPTACAO_UTILIZADOR", "1"));
  EXPECT_EQ(properties.options.userAdaptation, 1);

  EXPECT_FALSE(properties.SetOption("ADAPTACAO_UTILIZADOR", "sim"));
  EXPECT_FALSE(properties.SetOption("ALTURA_TECLAS", "12px"));
  EXPECT_FALSE(properties.SetOption("LONGITUDE_LOCAL_FISICO", "inf"));
  EXPECT_FALSE(properties.SetOption("NOME_TECLADO", "Teclado Grande"));
  EXPECT_FALSE(properties.SetOption("CHAVE_DESCONHECIDA", "1"));
  EXPECT_EQ(properties.options.userAdaptation, 1);
  EXPECT_EQ(properties.options.keyboardName, "QwertySimples");
  EXPECT_EQ(properties.GetOption("CHAVE_DESCONHECIDA"), "");
}

TEST(UserProfileProperties, PredictionReadsTheProfilesOwnOptions) {
  CUserProfileProperties properties;
  properties.ReadFrom(
      "COEFICIENTE_FREQUENCIA_PALAVRA 70\nCOEFICIENTE_CLASSE_PALAVRA 20\n"
      "LETRAS_NAO_PRETENDIDAS k;;;w\nNUMERO_MAXIMO_FRASES_PREDITAS 2\nADAPTACAO_UTILIZADOR 1\n");
  const PredictionOptions& prediction = properties.options;
  EXPECT_EQ(prediction.wordFrequencyCoefficient, 70);
  EXPECT_EQ(prediction.wordClassCoefficient, 20);
  EXPECT_EQ(prediction.unwantedLetters, "k w");
  EXPECT_EQ(prediction.maxSentenceSuggestions, 2);
  EXPECT_TRUE(prediction.LearnsFromUser());
  EXPECT_EQ(properties.GetOption("NUMERO_MAXIMO_FRASES_PREDITAS"), "2");
  // Learning is on at 1 only.
  for (const char* value : {"0", "2", "-1", "x"}) {
    properties.ReadFrom(std::string("ADAPTACAO_UTILIZADOR ") + value + "\n");
    EXPECT_FALSE(properties.options.LearnsFromUser()) << value;
  }
}

// A count that sizes the lists is held to what the engine can give, so a
// stray number cannot make the program allocate gigabytes.
TEST(UserProfileProperties, SuggestionCountsAreHeldToWhatTheEngineRanks) {
  CUserProfileProperties properties;
  properties.ReadFrom(
      "NUMERO_MAXIMO_PALAVRAS_PREDITAS 2147483647\nNUMERO_MAXIMO_FRASES_PREDITAS -5\n"
      "NUMERO_MAXIMO_IMAGENS_PREDITAS 1000000000\nNUMERO_MAXIMO_FRASES_IMAGENS_PREDITAS 7\n");
  EXPECT_EQ(properties.options.maxWordSuggestions, kMaximumSuggestions);
  EXPECT_EQ(properties.options.maxSentenceSuggestions, 0);
  EXPECT_EQ(properties.options.maxPictogramSuggestions, kMaximumSuggestions);
  EXPECT_EQ(properties.options.maxPictogramSentenceSuggestions, 7);
  EXPECT_TRUE(properties.SetOption("NUMERO_MAXIMO_PALAVRAS_PREDITAS", "1000000000"));
  EXPECT_EQ(properties.options.maxWordSuggestions, kMaximumSuggestions);
  EXPECT_TRUE(properties.SetOption("NUMERO_MAXIMO_PALAVRAS_PREDITAS", "6"));
  EXPECT_EQ(properties.options.maxWordSuggestions, 6);
  EXPECT_EQ(UsableSuggestionCount(INT32_MAX), kMaximumSuggestions);
  EXPECT_EQ(UsableSuggestionCount(-1), 0);
}

}  // namespace
}  // namespace vorelio
