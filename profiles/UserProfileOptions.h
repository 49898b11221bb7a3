// The 99 options of a user profile as typed fields. The options prediction
// reads are the PredictionOptions this record derives from; the others are
// below. Their keys, types and file order live in one table
// (UserProfileOptionTable.h), with the defaults of the options below; a
// default-constructed record holds every default. Strings are Windows-1252.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "prediction/PredictionOptions.h"

namespace vorelio {

// The value of NOME_SINTETIZADOR_FALA that stands for no voice: nothing is
// spoken.
inline constexpr std::string_view kNoVoiceName = "Nenhum";

struct UserProfileOptions : PredictionOptions {
  UserProfileOptions();  // the defaults of the key table

  // Main window.
  int32_t windowX = 0;                          // POSICAO_INICIAL_JANELA_X
  int32_t windowY = 0;                          // POSICAO_INICIAL_JANELA_Y
  int32_t windowWidth = 0;                      // LARGURA_JANELA
  int32_t windowHeight = 0;                     // ALTURA_JANELA
  int32_t startMinimized = 0;                   // INICIAR_JANELA_MINIMIZADA
  int32_t startMaximized = 0;                   // INICIAR_JANELA_MAXIMIZADA
  int32_t centreWindow = 0;                     // CENTRAR_JANELA
  int32_t moveWindowAwayFromCaret = 0;          // REPOSICIONAR_JANELA
  int32_t followTextCursor = 0;                 // PERSEGUIR_CURSOR_TEXTO
  int32_t showWindowBars = 0;                   // MOSTRAR_BARRAS_JANELA
  // Prediction, besides the PredictionOptions.
  int32_t suggestionFontSize = 0;               // TAMANHO_LETRAS_PALAVRAS_PREDITAS
  int32_t suggestionsInCapitals = 0;            // PALAVRAS_PREDITAS_EM_MAIUSCULAS
  int32_t predictionDelayMs = 0;                // TEMPO_DE_PREDICAO
  int32_t wordGenderCoefficient = 0;            // COEFICIENTE_GENERO_PALAVRA
  int32_t wordNumberCoefficient = 0;            // COEFICIENTE_NUMERO_PALAVRA
  int32_t completionKeys = 0;                   // TECLAS_COMPLETAR (virtual-key code)
  int32_t maxPictogramsPerSentence = 0;         // NUMERO_MAXIMO_IMAGENS_FRASES_PREDITAS
  std::string abbreviationExpansionKey;         // TECLA_EXPANSAO_ABREVIATURAS (key name)
  // Speech and the animated character.
  int32_t agentActive = 0;                      // AGENTE_ACTIVO
  std::string agentName;                        // NOME_AGENTE
  std::string voiceName;                        // NOME_SINTETIZADOR_FALA ("Nenhum": none)
  int32_t speakBeforeCompletion = 0;            // OUVIR_ANTES_COMPLETAR
  int32_t speakOnMouseOver = 0;                 // OUVIR_COM_RATO_SOBRE
  std::string speakWordKey;                     // TECLA_SINTESE_PALAVRA
  std::string speakSentenceKey;                 // TECLA_SINTESE_FRASE
  int32_t speakAfterCompletion = 0;             // OUVIR_DEPOIS_COMPLETAR
  int32_t speakLetters = 0;                     // OUVIR_LETRAS
  int32_t speakWords = 0;                       // OUVIR_PALAVRAS
  int32_t speakSentences = 0;                   // OUVIR_FRASES
  int32_t showBeforeCompletion = 0;             // VER_ANTES_COMPLETAR
  // On-screen keyboard.
  std::string keyboardName;                     // NOME_TECLADO (file: name + ".tec")
  int32_t keyTextColour = 0;                    // COR_LETRAS (0x00BBGGRR)
  int32_t keyBackgroundColour = 0;              // COR_FUNDO
  std::string fontFace;                         // TIPO_LETRA
  int32_t stretchLinesToWidth = 0;              // AJUSTAR_COMPRIMENTO_LINHAS
  int32_t stretchLinesToHeight = 0;             // AJUSTAR_ALTURA_LINHAS
  int32_t keyHeight = 0;                        // ALTURA_TECLAS
  int32_t pictogramKeyHeight = 0;               // ALTURA_TECLAS_IMAGENS
  int32_t sentenceSuggestionKeyHeight = 0;      // ALTURA_TECLAS_PREDICAO_FRASES
  int32_t messageEditorHeight = 0;              // ALTURA_EDITOR_MENSAGENS
  std::string backgroundImage;                  // IMAGEM_FUNDO
  int32_t internalMessageEditor = 0;            // PROCESSADOR_TEXTO_INTERNO
  int32_t labelSuggestedPictograms = 0;         // COLOCAR_ETIQUETA_FRASES_TRADUZIDAS_SIMBOLOS
  int32_t pictogramsWriteText = 0;              // SAIDA_TEXTO_FRASES_TRADUZIDAS_SIMBOLOS
  // Scanning.
  std::string scanningMethod;                   // METODO_VARRIMENTO ("Nenhum": none)
  std::string switch1Key;                       // TECLA_MANIPULO1
  std::string switch2Key;                       // TECLA_MANIPULO2
  int32_t scanStepMs = 0;                       // VELOCIDADE_VARRIMENTO
  int32_t switchLatencyMs = 0;                  // LATENCIA_INTERRUPTORES_VARRIMENTO
  int32_t scanBeep = 0;                         // PISTA_SONORA_BEEP_VARRIMENTO
  int32_t scanSpeech = 0;                       // PISTA_SINTETIZADA_VARRIMENTO
  int32_t maxScanCycles = 0;                    // NUMERO_MAXIMO_CICLOS_VARRIMENTO
  // Time intervals "hh:mm-hh:mm;..." of each weekday.
  std::string sundayIntervals;                  // INTERVALOS_TEMPO_DOMINGO
  std::string mondayIntervals;                  // INTERVALOS_TEMPO_SEGUNDA_FEIRA
  std::string tuesdayIntervals;                 // INTERVALOS_TEMPO_TERCA_FEIRA
  std::string wednesdayIntervals;               // INTERVALOS_TEMPO_QUARTA_FEIRA
  std::string thursdayIntervals;                // INTERVALOS_TEMPO_QUINTA_FEIRA
  std::string fridayIntervals;                  // INTERVALOS_TEMPO_SEXTA_FEIRA
  std::string saturdayIntervals;                // INTERVALOS_TEMPO_SABADO
  // Event log.
  int32_t logEvents = 0;                        // REGISTAR_EVENTOS
  int32_t loggingStartSignals = 0;              // SOM_INICIAL_REGISTO_EVENTOS
  int32_t inactivityLimitSeconds = 0;           // TEMPO_INACTIVIDADE_COMUNICACAO
  int32_t logControlEvents = 0;                 // REGISTA_EVENTOS_CONTROLO
  // Context adaptation.
  int32_t locationAdaptation = 0;               // ADAPTACAO_LOCAL_FISICO
  int32_t timeAdaptation = 0;                   // ADAPTACAO_TEMPO
  int32_t placeRadiusMetres = 0;                // RAIO_LOCAL_FISICO (a 32-bit long)
  double placeLatitude = 0;                     // LATITUDE_LOCAL_FISICO
  double placeLongitude = 0;                    // LONGITUDE_LOCAL_FISICO
  std::string bluetoothTags;                    // IDENTIFICADOR_ETIQUETA_BLUETOOTH
  // Window layout and look.
  int32_t fitEditorWidthToKeyboard = 0;         // AJUSTA_COMPRIMENTO_EDITOR_MENSAGENS
  int32_t centreWindowElements = 0;             // CENTRA_ELEMENTOS_JANELA
  int32_t lineSpacing = 0;                      // ESPACO_ENTRE_LINHAS
  int32_t groupSpacing = 0;                     // ESPACO_ENTRE_GRUPOS
  int32_t keySpacing = 0;                       // ESPACO_ENTRE_TECLAS
  int32_t keepDictionaryInMemory = 0;           // MANTER_DICIONARIO_MEMORIA
  int32_t keyFill = 0;                          // TIPO_PREENCHIMENTO_TECLA (0 solid, 1 gradient)
  int32_t keyGradientAngle = 0;                 // ANGULO_DEGRADE_TECLA
  int32_t keyBackgroundColour2 = 0;             // COR_FUNDO2
  int32_t windowFill = 0;                       // TIPO_PREENCHIMENTO_JANELA
  int32_t windowGradientAngle = 0;              // ANGULO_DEGRADE_JANELA
  int32_t windowBackgroundColour = 0;           // COR_FUNDO_JANELA
  int32_t windowBackgroundColour2 = 0;          // COR_FUNDO_JANELA2
  int32_t suggestionKeyBackgroundColour = 0;    // COR_FUNDO_TECLAS_PREDICAO
  int32_t keySounds = 0;                        // SOM_TECLAS
  int32_t lockMenu = 0;                         // BLOQUEAR_MENU

  bool operator==(const UserProfileOptions&) const = default;
};

}  // namespace vorelio
