#include "logging/MetricsReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>

#include "tests/logging/LoggingFixtures.h"

namespace vorelio {
namespace {

// The line of `name` in `lines`, or "" when there is none.
std::string LineOf(const std::vector<std::string>& lines, std::string_view name) {
  const std::string prefix = std::string(name) + " ";
  const auto line = std::find_if(lines.begin(), lines.end(),
                                 [&](const std::string& l) { return l.starts_with(prefix); });
  return line == lines.end() ? std::string() : *line;
}

class MetricsReportTest : public ::testing::Test {
 protected:
  MetricsReportTest() { metrics.Begin(); }
  std::vector<std::string> Lines(std::optional<int32_t> qwerty) {
    return MetricsLines(metrics.Counters(), {}, {}, qwerty);
  }

  ManualClock clock{testing::SundayAt(17)};
  WritingMetrics metrics{clock};
};

TEST_F(MetricsReportTest, TheKeyboardComparisonNeedsTheEditorAndAKeystroke) {
  EXPECT_EQ(Lines(std::nullopt).size(), 68u);
  EXPECT_EQ(LineOf(Lines(std::nullopt), "Numero_Teclas_Texto_Teclado_Qwerty"), "");

  const std::vector<std::string> none = Lines(0);
  EXPECT_EQ(none.size(), 72u);
  EXPECT_EQ(none[7], "Numero_Teclas_Texto_Teclado_Qwerty 0");
  EXPECT_EQ(none[8], "Teclas_Poupadas_Comparacao_Escrita_Teclado_Qwerty -");
  EXPECT_EQ(none[9], "Teclas_Ecra_Poupadas_Comparacao_Escrita_Teclado_Qwerty -");
  EXPECT_EQ(none[10], "Activacoes_Manipulo_Poupadas_Comparacao_Escrita_Teclado_Qwerty -");

  // More presses than the text needs: a negative saving.
  for (int key = 0; key < 12; ++key) metrics.KeyPressed(false);
  metrics.Count(WritingEvent::kSwitch2Activated);
  const std::vector<std::string> some = Lines(8);
  EXPECT_EQ(some[8], "Teclas_Poupadas_Comparacao_Escrita_Teclado_Qwerty -50.000000");
  EXPECT_EQ(some[9], "Teclas_Ecra_Poupadas_Comparacao_Escrita_Teclado_Qwerty 100.000000");
  EXPECT_EQ(some[10], "Activacoes_Manipulo_Poupadas_Comparacao_Escrita_Teclado_Qwerty 87.500000");
}

TEST_F(MetricsReportTest, MeansOfTheCompletionsAndPredictedPictograms) {
  using enum CompletionSource;
  metrics.Completed(CompletedText::kSentence, kCompoundPictogram, 1, 10);
  metrics.Completed(CompletedText::kSentence, kCompoundPictogram, 4, 3);
  metrics.Completed(CompletedText::kSentence, kCompoundPictogram, 0, 0);
  metrics.PredictedPictogramSelected(PictogramKind::kCompound, 7);
  const std::vector<std::string> lines = Lines(std::nullopt);
  EXPECT_EQ(LineOf(lines, "Numero_Frases_Completadas_A_Partir_Simbolos_Compostos"),
            "Numero_Frases_Completadas_A_Partir_Simbolos_Compostos 3");
  EXPECT_EQ(LineOf(lines, "Posicao_Media_Simbolos_Compostos_Com_Frase_Lista"),
            "Posicao_Media_Simbolos_Compostos_Com_Frase_Lista 1.666667");
  EXPECT_EQ(
      LineOf(lines, "Numero_Medio_Caracteres_Completar_Frases_A_Partir_Simbolos_Compostos"),
      "Numero_Medio_Caracteres_Completar_Frases_A_Partir_Simbolos_Compostos 4.333333");
  EXPECT_EQ(LineOf(lines, "Posicao_Media_Frases_Lista"), "Posicao_Media_Frases_Lista -");
  EXPECT_EQ(LineOf(lines, "Posicao_Media_Simbolos_Compostos_Lista"),
            "Posicao_Media_Simbolos_Compostos_Lista 7.000000");
  EXPECT_EQ(LineOf(lines, "Posicao_Media_Simbolos_Simples_Lista"),
            "Posicao_Media_Simbolos_Simples_Lista -");
}

TEST_F(MetricsReportTest, DecimalsAreWrittenWithAPointInAnyLocale) {
  metrics.Completed(CompletedText::kWord, CompletionSource::kSuggestionList, 1, 1);
  metrics.Completed(CompletedText::kWord, CompletionSource::kSuggestionList, 2, 2);
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  for (const char* locale : {"pt_PT.UTF-8", "de_DE.UTF-8", "C.UTF-8"})
    if (std::setlocale(LC_NUMERIC, locale) != nullptr) break;
  const std::vector<std::string> lines = Lines(std::nullopt);
  std::setlocale(LC_NUMERIC, before.c_str());
  EXPECT_EQ(LineOf(lines, "Posicao_Media_Palavras_Lista"), "Posicao_Media_Palavras_Lista 1.500000");
}

TEST_F(MetricsReportTest, CountsStopAtTheirLimitInsteadOfTurningNegative) {
  metrics.Completed(CompletedText::kWord, CompletionSource::kSuggestionList, INT32_MAX, 0);
  metrics.Completed(CompletedText::kWord, CompletionSource::kSuggestionList, 5, 0);
  EXPECT_EQ(metrics.Counters().Completions(CompletedText::kWord, CompletionSource::kSuggestionList)
                .positionSum,
            INT32_MAX);
}

}  // namespace
}  // namespace vorelio
