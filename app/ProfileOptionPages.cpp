#include "app/ProfileOptionPages.h"

#include <algorithm>
#include <array>
#include <utility>

#include "app/ChoiceLists.h"
#include "keyboards/KeySet.h"
#include "keyboards/ProgramKeys.h"
#include "keyboards/ScanMethod.h"

namespace vorelio {

namespace {

using F = ProfileOptionField;
using E = OptionEditor;

constexpr F Switch(std::string_view key, std::string_view label) {
  return {key, label, E::kSwitch};
}
constexpr F Number(std::string_view key, std::string_view label, int32_t minimum,
                   int32_t maximum) {
  return {key, label, E::kNumber, minimum, maximum};
}
constexpr F Real(std::string_view key, std::string_view label, int32_t minimum,
                 int32_t maximum) {
  return {key, label, E::kReal, minimum, maximum};
}
constexpr F Edit(std::string_view key, std::string_view label, OptionEditor editor) {
  return {key, label, editor};
}

// Pixel sizes and spaces of the window's parts.
constexpr int32_t kMostPixels = 10000;

constexpr std::array kWindow = {
    Number("POSICAO_INICIAL_JANELA_X", "Posi\xE7\xE3o inicial da janela, \xE0 esquerda (pixels):",
           -kMostPixels, kMostPixels),
    Number("POSICAO_INICIAL_JANELA_Y", "Posi\xE7\xE3o inicial da janela, no topo (pixels):",
           -kMostPixels, kMostPixels),
    Number("LARGURA_JANELA", "Largura da janela (pixels):", 1, kMostPixels),
    Number("ALTURA_JANELA", "Altura da janela (pixels):", 1, kMostPixels),
    Switch("INICIAR_JANELA_MINIMIZADA", "Iniciar com a janela minimizada"),
    Switch("INICIAR_JANELA_MAXIMIZADA", "Iniciar com a janela maximizada"),
    Switch("CENTRAR_JANELA", "Centrar a janela no ecr\xE3"),
    Switch("REPOSICIONAR_JANELA", "Afastar a janela do cursor de texto"),
    Switch("PERSEGUIR_CURSOR_TEXTO", "Acompanhar o cursor de texto"),
    Switch("MOSTRAR_BARRAS_JANELA", "Mostrar o menu e as barras de ferramentas e de estado"),
    Switch("CENTRA_ELEMENTOS_JANELA", "Centrar o teclado e o editor na janela"),
    Switch("BLOQUEAR_MENU", "Bloquear o menu"),
    Edit("IMAGEM_FUNDO", "Imagem de fundo (ficheiro):", E::kText),
    Edit("TIPO_PREENCHIMENTO_JANELA", "Preenchimento do fundo:", E::kFill),
    Number("ANGULO_DEGRADE_JANELA", "\xC2ngulo do degrad\xE9 (graus):", 0, 360),
    Edit("COR_FUNDO_JANELA", "Cor de fundo 1:", E::kColour),
    Edit("COR_FUNDO_JANELA2", "Cor de fundo 2:", E::kColour),
};

constexpr std::array kPrediction = {
    Number("NUMERO_MAXIMO_PALAVRAS_PREDITAS", "N\xFAmero m\xE1ximo de palavras sugeridas:", 0, 10),
    Number("NUMERO_MAXIMO_LETRAS_PALAVRAS_PREDITAS", "N\xFAmero m\xE1ximo de letras de cada palavra:",
           1, 50),
    Number("NUMERO_MAXIMO_FRASES_PREDITAS", "N\xFAmero m\xE1ximo de frases sugeridas:", 0, 10),
    Number("NUMERO_MAXIMO_LETRAS_FRASES_PREDITAS", "N\xFAmero m\xE1ximo de letras de cada frase:", 1,
           200),
    Number("TAMANHO_LETRAS_PALAVRAS_PREDITAS", "Tamanho das letras das sugest\xF5" "es:", 1, 200),
    Switch("PALAVRAS_PREDITAS_EM_MAIUSCULAS", "Mostrar as sugest\xF5" "es em mai\xFAsculas"),
    Number("TEMPO_DE_PREDICAO", "Tempo at\xE9 nova predi\xE7\xE3o (milissegundos):", 200, 2000),
    Edit("TECLAS_COMPLETAR", "Teclas que escolhem as sugest\xF5" "es:", E::kCompletionKeys),
    Edit("TECLA_EXPANSAO_ABREVIATURAS", "Tecla que expande as abreviaturas:", E::kKeyName),
    Switch("ADAPTACAO_UTILIZADOR", "Aprender o vocabul\xE1rio do utilizador"),
    Switch("MANTER_DICIONARIO_MEMORIA",
           "Manter o dicion\xE1rio em mem\xF3ria enquanto outro perfil est\xE1 activo"),
    Edit("LETRAS_NAO_PRETENDIDAS", "Letras n\xE3o pretendidas:", E::kText),
    Edit("SEQUENCIAS_LETRAS_NAO_PRETENDIDAS", "Sequ\xEAncias de letras n\xE3o pretendidas:", E::kText),
};

// Weights in percent.
constexpr int32_t kMostPercent = 1000;

constexpr std::array kCoefficients = {
    Number("COEFICIENTE_FREQUENCIA_PALAVRA", "Frequ\xEAncia da palavra, dicion\xE1rio geral (%):", 0,
           kMostPercent),
    Number("COEFICIENTE_FREQUENCIA_PAR_PALAVRAS",
           "Frequ\xEAncia ap\xF3s a palavra anterior, dicion\xE1rio geral (%):", 0, kMostPercent),
    Number("COEFICIENTE_CLASSE_PALAVRA", "Classe gramatical da palavra anterior (%):", 0,
           kMostPercent),
    Number("COEFICIENTE_GENERO_PALAVRA", "G\xE9nero da palavra anterior (%):", 0, kMostPercent),
    Number("COEFICIENTE_NUMERO_PALAVRA", "N\xFAmero da palavra anterior (%):", 0, kMostPercent),
    Number("COEFICIENTE_FREQUENCIA_PALAVRA_UTILIZADOR",
           "Frequ\xEAncia da palavra, dicion\xE1rio do utilizador (%):", 0, kMostPercent),
    Number("COEFICIENTE_FREQUENCIA_PAR_PALAVRAS_UTILIZADOR",
           "Frequ\xEAncia ap\xF3s a palavra anterior, dicion\xE1rio do utilizador (%):", 0, kMostPercent),
};

constexpr std::array kPictograms = {
    Number("NUMERO_MAXIMO_IMAGENS_PREDITAS", "N\xFAmero m\xE1ximo de pictogramas sugeridos:",
           INT32_MIN, INT32_MAX),
    Number("NUMERO_MAXIMO_FRASES_IMAGENS_PREDITAS",
           "N\xFAmero m\xE1ximo de frases de pictogramas sugeridas:", INT32_MIN, INT32_MAX),
    Number("NUMERO_MAXIMO_IMAGENS_FRASES_PREDITAS", "N\xFAmero m\xE1ximo de pictogramas em cada frase:",
           1, 50),
    Switch("COLOCAR_ETIQUETA_FRASES_TRADUZIDAS_SIMBOLOS",
           "Mostrar as palavras nos pictogramas sugeridos"),
    Switch("SAIDA_TEXTO_FRASES_TRADUZIDAS_SIMBOLOS",
           "Os pictogramas escolhidos escrevem tamb\xE9m o seu texto"),
};

constexpr std::array kKeyboard = {
    Edit("NOME_TECLADO", "Teclado:", E::kKeyboard),
    Edit("TIPO_LETRA", "Tipo de letra:", E::kFontFace),
    Edit("COR_LETRAS", "Cor das letras:", E::kColour),
    Edit("COR_FUNDO", "Cor de fundo 1:", E::kColour),
    Edit("COR_FUNDO2", "Cor de fundo 2:", E::kColour),
    Edit("TIPO_PREENCHIMENTO_TECLA", "Preenchimento das teclas:", E::kFill),
    Number("ANGULO_DEGRADE_TECLA", "\xC2ngulo do degrad\xE9 (graus):", 0, 360),
    Edit("COR_FUNDO_TECLAS_PREDICAO", "Cor de fundo das teclas de sugest\xE3o:", E::kColour),
    Switch("AJUSTAR_COMPRIMENTO_LINHAS", "Ajustar as linhas de teclas \xE0 largura da janela"),
    Switch("AJUSTAR_ALTURA_LINHAS", "Ajustar as linhas de teclas \xE0 altura da janela"),
    Number("ALTURA_TECLAS", "Altura das teclas (pixels):", 1, kMostPixels),
    Number("ALTURA_TECLAS_IMAGENS", "Altura das teclas com pictogramas (pixels):", 1,
           kMostPixels),
    Number("ALTURA_TECLAS_PREDICAO_FRASES", "Altura das teclas de frases sugeridas (pixels):", 1,
           kMostPixels),
    Number("ESPACO_ENTRE_LINHAS", "Espa\xE7o entre linhas (pixels):", 0, kMostPixels),
    Number("ESPACO_ENTRE_GRUPOS", "Espa\xE7o entre grupos (pixels):", 0, kMostPixels),
    Number("ESPACO_ENTRE_TECLAS", "Espa\xE7o entre teclas (pixels):", 0, kMostPixels),
    Switch("SOM_TECLAS", "Som das teclas"),
};

constexpr std::array kMessageEditor = {
    Switch("PROCESSADOR_TEXTO_INTERNO",
           "Escrever no editor de mensagens (em vez da aplica\xE7\xE3o activa)"),
    Number("ALTURA_EDITOR_MENSAGENS", "Altura do editor de mensagens (pixels):", 1, kMostPixels),
    Switch("AJUSTA_COMPRIMENTO_EDITOR_MENSAGENS", "Ajustar a largura do editor \xE0 do teclado"),
};

constexpr std::array kSpeech = {
    Edit("NOME_SINTETIZADOR_FALA", "Sintetizador de fala:", E::kVoice),
    Switch("OUVIR_LETRAS", "Ouvir cada letra escrita"),
    Switch("OUVIR_PALAVRAS", "Ouvir cada palavra escrita"),
    Switch("OUVIR_FRASES", "Ouvir cada frase escrita"),
    Switch("OUVIR_ANTES_COMPLETAR", "Ouvir o texto da tecla \xE0 primeira selec\xE7\xE3o"),
    Switch("OUVIR_DEPOIS_COMPLETAR", "Ouvir o texto da tecla depois da selec\xE7\xE3o"),
    Switch("VER_ANTES_COMPLETAR", "Ver o texto da tecla antes de completar"),
    Number("OUVIR_COM_RATO_SOBRE", "Ouvir a tecla sob o ponteiro do rato (0 a 10):", 0, 10),
    Edit("TECLA_SINTESE_PALAVRA", "Tecla que diz a palavra:", E::kKeyName),
    Edit("TECLA_SINTESE_FRASE", "Tecla que diz a frase:", E::kKeyName),
};

constexpr std::array kAgent = {
    Switch("AGENTE_ACTIVO", "Personagem animada activa"),
    Edit("NOME_AGENTE", "Nome da personagem:", E::kText),
};

constexpr std::array kScanning = {
    Edit("METODO_VARRIMENTO", "M\xE9todo de varrimento:", E::kScanMethod),
    Edit("TECLA_MANIPULO1", "Tecla do man\xEDpulo 1:", E::kKeyName),
    Edit("TECLA_MANIPULO2", "Tecla do man\xEDpulo 2:", E::kKeyName),
    Number("VELOCIDADE_VARRIMENTO", "Tempo de cada passo (milissegundos):", 100, 60000),
    Number("LATENCIA_INTERRUPTORES_VARRIMENTO", "Lat\xEAncia dos man\xEDpulos (milissegundos):", 0,
           10000),
    Number("NUMERO_MAXIMO_CICLOS_VARRIMENTO", "N\xFAmero m\xE1ximo de ciclos:", 1, 100),
    Switch("PISTA_SONORA_BEEP_VARRIMENTO", "Pista sonora em cada passo"),
    Switch("PISTA_SINTETIZADA_VARRIMENTO", "Dizer a descri\xE7\xE3o em cada passo"),
};

constexpr std::array kEventLog = {
    Switch("REGISTAR_EVENTOS", "Registar os eventos"),
    Switch("SOM_INICIAL_REGISTO_EVENTOS", "Dar os sinais de in\xED" "cio do registo"),
    Switch("REGISTA_EVENTOS_CONTROLO", "Registar tamb\xE9m os eventos de controlo"),
    Number("TEMPO_INACTIVIDADE_COMUNICACAO", "Limite de inactividade (segundos):", 1, 3600),
};

constexpr std::array kTimeContext = {
    Switch("ADAPTACAO_TEMPO", "Participar na adapta\xE7\xE3o ao contexto temporal"),
    Edit("INTERVALOS_TEMPO_DOMINGO", "Domingo:", E::kTimeIntervals),
    Edit("INTERVALOS_TEMPO_SEGUNDA_FEIRA", "Segunda-feira:", E::kTimeIntervals),
    Edit("INTERVALOS_TEMPO_TERCA_FEIRA", "Ter\xE7" "a-feira:", E::kTimeIntervals),
    Edit("INTERVALOS_TEMPO_QUARTA_FEIRA", "Quarta-feira:", E::kTimeIntervals),
    Edit("INTERVALOS_TEMPO_QUINTA_FEIRA", "Quinta-feira:", E::kTimeIntervals),
    Edit("INTERVALOS_TEMPO_SEXTA_FEIRA", "Sexta-feira:", E::kTimeIntervals),
    Edit("INTERVALOS_TEMPO_SABADO", "S\xE1" "bado:", E::kTimeIntervals),
};

constexpr std::array kPlaceContext = {
    Switch("ADAPTACAO_LOCAL_FISICO", "Participar na adapta\xE7\xE3o ao local f\xEDsico"),
    Real("LATITUDE_LOCAL_FISICO", "Latitude (graus):", -90, 90),
    Real("LONGITUDE_LOCAL_FISICO", "Longitude (graus):", -180, 180),
    Number("RAIO_LOCAL_FISICO", "Raio (metros):", 0, 1000000),
    Edit("IDENTIFICADOR_ETIQUETA_BLUETOOTH", "Etiquetas bluetooth (separadas por espa\xE7os):",
         E::kText),
};

constexpr std::array<ProfileOptionPage, 12> kPages = {{
    {"Janela", 150, kWindow},
    {"Predi\xE7\xE3o", 151, kPrediction},
    {"Coeficientes da Predi\xE7\xE3o", 152, kCoefficients},
    {"Pictogramas", 153, kPictograms},
    {"Teclado de Ecr\xE3", 154, kKeyboard},
    {"Editor de Mensagens", 155, kMessageEditor},
    {kSpeechPageTitle, 156, kSpeech},
    {"Personagem Animada", 157, kAgent},
    {"Varrimento", 158, kScanning},
    {"Registo de Eventos", 159, kEventLog},
    {"Adapta\xE7\xE3o ao Contexto Temporal", 160, kTimeContext},
    {"Adapta\xE7\xE3o ao Contexto F\xEDsico e Interlocutores", 161, kPlaceContext},
}};

constexpr std::array<NamedValue, 3> kCompletionKeyChoices = {{
    {0, "Nenhumas"},
    {112, "F1 a F10"},
    {48, "0 a 9"},
}};

constexpr std::array<NamedValue, 2> kFillChoices = {{
    {0, "S\xF3lido"},
    {1, "Degrad\xE9"},
}};

// Two digits from `text` at `pos`, at most `maximum`.
bool ReadTwoDigits(std::string_view text, std::size_t pos, int maximum) {
  if (pos + 2 > text.size()) return false;
  const char tens = text[pos];
  const char units = text[pos + 1];
  if (tens < '0' || tens > '9' || units < '0' || units > '9') return false;
  return (tens - '0') * 10 + (units - '0') <= maximum;
}

// "hh:mm" at `pos`.
bool ReadClockTime(std::string_view text, std::size_t pos) {
  return ReadTwoDigits(text, pos, 23) && pos + 2 < text.size() && text[pos + 2] == ':' &&
         ReadTwoDigits(text, pos + 3, 59);
}

}  // namespace

std::span<const ProfileOptionPage> ProfileOptionPages() { return kPages; }

NumberRange OfferedRange(const ProfileOptionField& field, const UserProfileOptionKey& option,
                         int32_t current) {
  NumberRange range{std::max(field.minimum, option.minimum),
                    std::min(field.maximum, option.maximum)};
  if (range.minimum > range.maximum) range = {option.minimum, option.maximum};
  range.minimum = std::min(range.minimum, current);
  range.maximum = std::max(range.maximum, current);
  return range;
}

std::span<const NamedValue> NamedValuesOf(OptionEditor editor) {
  switch (editor) {
    case E::kCompletionKeys: return kCompletionKeyChoices;
    case E::kFill: return kFillChoices;
    default: return {};
  }
}

std::vector<std::string> WordChoicesOf(OptionEditor editor, const ProfileOptionChoices& choices,
                                       const std::string& current) {
  std::vector<std::string> words;
  switch (editor) {
    case E::kVoice:
      words = choices.voices;
      words.emplace_back(kNoVoiceName);
      break;
    case E::kKeyboard: words = choices.keyboards; break;
    case E::kScanMethod:
      for (int method = 0; method < kScanMethodCount; ++method)
        words.emplace_back(WordOf(static_cast<ScanMethod>(method)));
      break;
    case E::kKeyName: {
      CKeySet keys;
      FillProgramKeySet(keys);
      words = keys.FreeNames();
      break;
    }
    default: return {};
  }
  return WithCurrentValue(std::move(words), current);
}

bool IsTimeIntervalList(std::string_view text) {
  constexpr std::size_t kIntervalLength = 11;  // "hh:mm-hh:mm"
  for (std::size_t pos = 0; pos < text.size(); pos += kIntervalLength + 1) {
    if (!ReadClockTime(text, pos) || pos + 5 >= text.size() || text[pos + 5] != '-' ||
        !ReadClockTime(text, pos + 6))
      return false;
    const std::size_t after = pos + kIntervalLength;
    if (after < text.size() && (text[after] != ';' || after + 1 == text.size())) return false;
  }
  return true;
}

}  // namespace vorelio
