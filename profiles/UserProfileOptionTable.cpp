#include "profiles/UserProfileOptionTable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "common/Scanner.h"
#include "common/Text.h"
#include "profiles/OptionValueEncoding.h"

namespace vorelio {

namespace {

using O = UserProfileOptions;
using P = PredictionOptions;

constexpr UserProfileOptionKey Integer(std::string_view key, int32_t O::*field,
                                       int32_t defaultValue) {
  return {.key = key, .type = OptionType::kInteger, .integer = field,
          .integerDefault = defaultValue, .textDefault = {}};
}
// The options of PredictionOptions keep the defaults written there.
constexpr UserProfileOptionKey Predicted(std::string_view key, int32_t P::*field) {
  return {.key = key, .type = OptionType::kInteger, .integer = field, .hasDefault = false,
          .textDefault = {}};
}
constexpr UserProfileOptionKey PredictedText(std::string_view key, std::string P::*field) {
  return {.key = key, .type = OptionType::kEncodedText, .text = field, .hasDefault = false,
          .textDefault = {}};
}
// A count of suggestions: more than the engine ranks cannot be shown, and a
// huge one must not size memory.
constexpr UserProfileOptionKey SuggestionCount(std::string_view key, int32_t P::*field) {
  UserProfileOptionKey option = Predicted(key, field);
  option.minimum = 0;
  option.maximum = kMaximumSuggestions;
  return option;
}

constexpr UserProfileOptionKey Real(std::string_view key, double O::*field) {
  return {.key = key, .type = OptionType::kReal, .real = field, .realDefault = 0.0,
          .textDefault = {}};
}
constexpr UserProfileOptionKey Word(std::string_view key, std::string O::*field,
                                    std::string_view defaultValue) {
  return {.key = key, .type = OptionType::kWord, .text = field, .textDefault = defaultValue};
}
constexpr UserProfileOptionKey Encoded(std::string_view key, std::string O::*field,
                                       std::string_view defaultValue) {
  return {.key = key, .type = OptionType::kEncodedText, .text = field,
          .textDefault = defaultValue};
}

constexpr std::array<UserProfileOptionKey, kUserProfileOptionCount> kKeys = {{
    Integer("POSICAO_INICIAL_JANELA_X", &O::windowX, 0),
    Integer("POSICAO_INICIAL_JANELA_Y", &O::windowY, 0),
    Integer("LARGURA_JANELA", &O::windowWidth, 100),
    Integer("ALTURA_JANELA", &O::windowHeight, 100),
    Integer("INICIAR_JANELA_MINIMIZADA", &O::startMinimized, 0),
    Integer("INICIAR_JANELA_MAXIMIZADA", &O::startMaximized, 0),
    Integer("CENTRAR_JANELA", &O::centreWindow, 0),
    Integer("REPOSICIONAR_JANELA", &O::moveWindowAwayFromCaret, 0),
    Integer("PERSEGUIR_CURSOR_TEXTO", &O::followTextCursor, 0),
    Integer("MOSTRAR_BARRAS_JANELA", &O::showWindowBars, 1),
    SuggestionCount("NUMERO_MAXIMO_PALAVRAS_PREDITAS", &P::maxWordSuggestions),
    Integer("TAMANHO_LETRAS_PALAVRAS_PREDITAS", &O::suggestionFontSize, 10),
    Integer("PALAVRAS_PREDITAS_EM_MAIUSCULAS", &O::suggestionsInCapitals, 0),
    Integer("TEMPO_DE_PREDICAO", &O::predictionDelayMs, 1000),
    Predicted("COEFICIENTE_FREQUENCIA_PALAVRA", &P::wordFrequencyCoefficient),
    Predicted("COEFICIENTE_FREQUENCIA_PAR_PALAVRAS", &P::wordPairCoefficient),
    Predicted("COEFICIENTE_CLASSE_PALAVRA", &P::wordClassCoefficient),
    Integer("COEFICIENTE_GENERO_PALAVRA", &O::wordGenderCoefficient, 0),
    Integer("COEFICIENTE_NUMERO_PALAVRA", &O::wordNumberCoefficient, 0),
    Predicted("COEFICIENTE_FREQUENCIA_PALAVRA_UTILIZADOR", &P::userWordFrequencyCoefficient),
    Predicted("COEFICIENTE_FREQUENCIA_PAR_PALAVRAS_UTILIZADOR", &P::userWordPairCoefficient),
    PredictedText("LETRAS_NAO_PRETENDIDAS", &P::unwantedLetters),
    PredictedText("SEQUENCIAS_LETRAS_NAO_PRETENDIDAS", &P::unwantedSequences),
    Integer("TECLAS_COMPLETAR", &O::completionKeys, 0),
    Predicted("ADAPTACAO_UTILIZADOR", &P::userAdaptation),
    Predicted("NUMERO_MAXIMO_LETRAS_PALAVRAS_PREDITAS", &P::maxWordLetters),
    SuggestionCount("NUMERO_MAXIMO_FRASES_PREDITAS", &P::maxSentenceSuggestions),
    Predicted("NUMERO_MAXIMO_LETRAS_FRASES_PREDITAS", &P::maxSentenceLetters),
    SuggestionCount("NUMERO_MAXIMO_IMAGENS_PREDITAS", &P::maxPictogramSuggestions),
    SuggestionCount("NUMERO_MAXIMO_FRASES_IMAGENS_PREDITAS", &P::maxPictogramSentenceSuggestions),
    Integer("NUMERO_MAXIMO_IMAGENS_FRASES_PREDITAS", &O::maxPictogramsPerSentence, 6),
    Word("TECLA_EXPANSAO_ABREVIATURAS", &O::abbreviationExpansionKey, "Tab"),
    Integer("AGENTE_ACTIVO", &O::agentActive, 0),
    Word("NOME_AGENTE", &O::agentName, "Vorelio"),
    Encoded("NOME_SINTETIZADOR_FALA", &O::voiceName, kNoVoiceName),
    Integer("OUVIR_ANTES_COMPLETAR", &O::speakBeforeCompletion, 0),
    Integer("OUVIR_COM_RATO_SOBRE", &O::speakOnMouseOver, 0),
    Word("TECLA_SINTESE_PALAVRA", &O::speakWordKey, "F11"),
    Word("TECLA_SINTESE_FRASE", &O::speakSentenceKey, "F12"),
    Integer("OUVIR_DEPOIS_COMPLETAR", &O::speakAfterCompletion, 0),
    Integer("OUVIR_LETRAS", &O::speakLetters, 0),
    Integer("OUVIR_PALAVRAS", &O::speakWords, 0),
    Integer("OUVIR_FRASES", &O::speakSentences, 0),
    Integer("VER_ANTES_COMPLETAR", &O::showBeforeCompletion, 0),
    Word("NOME_TECLADO", &O::keyboardName, "QwertySimples"),
    Integer("COR_LETRAS", &O::keyTextColour, 8388608),
    Integer("COR_FUNDO", &O::keyBackgroundColour, 65535),
    Encoded("TIPO_LETRA", &O::fontFace, "Arial"),
    Integer("AJUSTAR_COMPRIMENTO_LINHAS", &O::stretchLinesToWidth, 1),
    Integer("AJUSTAR_ALTURA_LINHAS", &O::stretchLinesToHeight, 0),
    Integer("ALTURA_TECLAS", &O::keyHeight, 50),
    Integer("ALTURA_TECLAS_IMAGENS", &O::pictogramKeyHeight, 50),
    Integer("ALTURA_TECLAS_PREDICAO_FRASES", &O::sentenceSuggestionKeyHeight, 100),
    Integer("ALTURA_EDITOR_MENSAGENS", &O::messageEditorHeight, 80),
    Encoded("IMAGEM_FUNDO", &O::backgroundImage, ""),
    Integer("PROCESSADOR_TEXTO_INTERNO", &O::internalMessageEditor, 1),
    Integer("COLOCAR_ETIQUETA_FRASES_TRADUZIDAS_SIMBOLOS", &O::labelSuggestedPictograms, 1),
    Integer("SAIDA_TEXTO_FRASES_TRADUZIDAS_SIMBOLOS", &O::pictogramsWriteText, 0),
    Word("METODO_VARRIMENTO", &O::scanningMethod, "Nenhum"),
    Word("TECLA_MANIPULO1", &O::switch1Key, "Num5"),
    Word("TECLA_MANIPULO2", &O::switch2Key, "Num5"),
    Integer("VELOCIDADE_VARRIMENTO", &O::scanStepMs, 3000),
    Integer("LATENCIA_INTERRUPTORES_VARRIMENTO", &O::switchLatencyMs, 100),
    Integer("PISTA_SONORA_BEEP_VARRIMENTO", &O::scanBeep, 0),
    Integer("PISTA_SINTETIZADA_VARRIMENTO", &O::scanSpeech, 0),
    Integer("NUMERO_MAXIMO_CICLOS_VARRIMENTO", &O::maxScanCycles, 3),
    Word("INTERVALOS_TEMPO_DOMINGO", &O::sundayIntervals, ""),
    Word("INTERVALOS_TEMPO_SEGUNDA_FEIRA", &O::mondayIntervals, ""),
    Word("INTERVALOS_TEMPO_TERCA_FEIRA", &O::tuesdayIntervals, ""),
    Word("INTERVALOS_TEMPO_QUARTA_FEIRA", &O::wednesdayIntervals, ""),
    Word("INTERVALOS_TEMPO_QUINTA_FEIRA", &O::thursdayIntervals, ""),
    Word("INTERVALOS_TEMPO_SEXTA_FEIRA", &O::fridayIntervals, ""),
    Word("INTERVALOS_TEMPO_SABADO", &O::saturdayIntervals, ""),
    Integer("REGISTAR_EVENTOS", &O::logEvents, 0),
    Integer("SOM_INICIAL_REGISTO_EVENTOS", &O::loggingStartSignals, 0),
    Integer("TEMPO_INACTIVIDADE_COMUNICACAO", &O::inactivityLimitSeconds, 20),
    Integer("REGISTA_EVENTOS_CONTROLO", &O::logControlEvents, 0),
    Integer("ADAPTACAO_LOCAL_FISICO", &O::locationAdaptation, 1),
    Integer("ADAPTACAO_TEMPO", &O::timeAdaptation, 1),
    Integer("RAIO_LOCAL_FISICO", &O::placeRadiusMetres, 0),
    Real("LATITUDE_LOCAL_FISICO", &O::placeLatitude),
    Real("LONGITUDE_LOCAL_FISICO", &O::placeLongitude),
    Encoded("IDENTIFICADOR_ETIQUETA_BLUETOOTH", &O::bluetoothTags, ""),
    Integer("AJUSTA_COMPRIMENTO_EDITOR_MENSAGENS", &O::fitEditorWidthToKeyboard, 1),
    Integer("CENTRA_ELEMENTOS_JANELA", &O::centreWindowElements, 0),
    Integer("ESPACO_ENTRE_LINHAS", &O::lineSpacing, 0),
    Integer("ESPACO_ENTRE_GRUPOS", &O::groupSpacing, 0),
    Integer("ESPACO_ENTRE_TECLAS", &O::keySpacing, 0),
    Integer("MANTER_DICIONARIO_MEMORIA", &O::keepDictionaryInMemory, 0),
    Integer("TIPO_PREENCHIMENTO_TECLA", &O::keyFill, 0),
    Integer("ANGULO_DEGRADE_TECLA", &O::keyGradientAngle, 0),
    Integer("COR_FUNDO2", &O::keyBackgroundColour2, 6579300),
    Integer("TIPO_PREENCHIMENTO_JANELA", &O::windowFill, 1),
    Integer("ANGULO_DEGRADE_JANELA", &O::windowGradientAngle, 45),
    Integer("COR_FUNDO_JANELA", &O::windowBackgroundColour, 0),
    Integer("COR_FUNDO_JANELA2", &O::windowBackgroundColour2, 5263440),
    Integer("COR_FUNDO_TECLAS_PREDICAO", &O::suggestionKeyBackgroundColour, 65535),
    Integer("SOM_TECLAS", &O::keySounds, 0),
    Integer("BLOQUEAR_MENU", &O::lockMenu, 0),
}};

// Reads a real as "%lf" does: blanks, then the longest number at the start
// of the text. Independent of the C locale, so a decimal comma never
// appears. Infinities and NaN are not numbers a place can have: false.
bool ReadLeadingReal(std::string_view text, double& out) {
  std::size_t pos = 0;
  while (pos < text.size() && IsScanSpace(text[pos])) ++pos;
  if (pos < text.size() && text[pos] == '+') ++pos;
  double value = 0;
  const char* first = text.data() + pos;
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
  if (error != std::errc{} || !std::isfinite(value)) return false;
  out = value;
  return true;
}

std::string FormatReal(double value) {
  char buffer[400];  // room for the widest double in fixed notation
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  if (error != std::errc{}) return "0.000000";
  return std::string(buffer, end);
}

}  // namespace

UserProfileOptions::UserProfileOptions() {
  for (const UserProfileOptionKey& option : kKeys) {
    if (!option.hasDefault) continue;
    switch (option.type) {
      case OptionType::kInteger: this->*option.integer = option.integerDefault; break;
      case OptionType::kReal: this->*option.real = option.realDefault; break;
      case OptionType::kWord:
      case OptionType::kEncodedText: this->*option.text = std::string(option.textDefault); break;
    }
  }
}

std::span<const UserProfileOptionKey> UserProfileOptionKeys() { return kKeys; }

const UserProfileOptionKey* FindUserProfileOptionKey(std::string_view key) {
  for (const UserProfileOptionKey& option : kKeys)
    if (option.key == key) return &option;
  return nullptr;
}

std::string FormatOptionValue(const UserProfileOptions& options,
                              const UserProfileOptionKey& option) {
  switch (option.type) {
    case OptionType::kInteger: return std::to_string(options.*option.integer);
    case OptionType::kReal: return FormatReal(options.*option.real);
    case OptionType::kWord: return std::string(FirstWord(options.*option.text));
    case OptionType::kEncodedText: return EncodeSpaces(options.*option.text);
  }
  return {};
}

void ReadOptionValue(UserProfileOptions& options, const UserProfileOptionKey& option,
                     std::string_view textAfterKey) {
  switch (option.type) {
    case OptionType::kInteger: {
      int32_t value = 0;
      LineScanner scanner(textAfterKey);
      if (!scanner.Int(value)) value = 0;
      options.*option.integer = std::clamp(value, option.minimum, option.maximum);
      break;
    }
    case OptionType::kReal: {
      double value = 0;
      if (!ReadLeadingReal(textAfterKey, value)) value = 0;
      options.*option.real = value;
      break;
    }
    case OptionType::kWord:
      options.*option.text = std::string(FirstWord(textAfterKey));
      break;
    case OptionType::kEncodedText:
      options.*option.text = DecodeSpaces(FirstWord(textAfterKey));
      break;
  }
}

bool ParseOptionValue(UserProfileOptions& options, const UserProfileOptionKey& option,
                      std::string_view value) {
  switch (option.type) {
    case OptionType::kInteger: {
      int32_t number = 0;
      if (!ParseInt32(Trim(value), number)) return false;
      options.*option.integer = std::clamp(number, option.minimum, option.maximum);
      return true;
    }
    case OptionType::kReal: {
      const std::string_view text = Trim(value);
      std::string_view unsigned_ = text;
      if (!unsigned_.empty() && unsigned_.front() == '+') unsigned_.remove_prefix(1);
      double number = 0;
      const auto [end, error] =
          std::from_chars(unsigned_.data(), unsigned_.data() + unsigned_.size(), number);
      if (text.empty() || error != std::errc{} || end != unsigned_.data() + unsigned_.size() ||
          !std::isfinite(number))
        return false;
      options.*option.real = number;
      return true;
    }
    case OptionType::kWord:
      for (const char c : value)
        if (IsScanSpace(c)) return false;
      options.*option.text = std::string(value);
      return true;
    case OptionType::kEncodedText:
      options.*option.text = DecodeSpaces(value);
      return true;
  }
  return false;
}

}  // namespace vorelio
