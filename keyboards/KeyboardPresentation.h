// What a profile hands down to its on-screen keyboard: the look of the keys,
// the sizes and gaps of the layout, and the scanning settings. Strings are
// Windows-1252; colours are 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <string>

namespace vorelio {

struct UserProfileOptions;

struct KeyboardPresentation {
  // Keys.
  int32_t keyBackgroundColour = 0;            // the group default of new keys
  int32_t keyTextColour = 0;                  // the group default of new keys
  int32_t suggestionKeyBackgroundColour = 0;
  int32_t keyFill = 0;                        // 0 solid, 1 gradient
  int32_t keyGradientAngle = 0;               // degrees
  int32_t keyBackgroundColour2 = 0;           // the gradient's second colour
  std::string fontFace;
  int32_t fontSize = 0;                       // points
  bool keySounds = false;                     // "SomTecla.wav" on a press
  int32_t hoverLimit = 0;                     // spoken repetitions on hover
  std::string dataFolder;                     // pictogram galleries, key sound
  // Layout.
  int32_t keyHeight = 0;                      // unless the keyboard file sets it
  int32_t pictogramKeyHeight = 0;             // unless the keyboard file sets it
  int32_t sentenceSuggestionKeyHeight = 0;    // 0: from the text
  int32_t keyGap = 0;
  int32_t groupGap = 0;
  int32_t lineGap = 0;
  bool stretchLength = false;
  bool stretchHeight = false;
  int32_t wordSuggestionChars = 0;            // characters a word key is sized for
  int32_t sentenceSuggestionChars = 0;        // characters a sentence key is sized for
  int32_t pictogramsPerSentence = 0;
  // Scanning.
  std::string scanningMethod;                 // "Nenhum", "Regular", "Passo-a-Passo", "Inverso"
  int32_t scanStepMs = 0;
  int32_t switchLatencyMs = 0;
  int32_t maxScanCycles = 0;

  bool operator==(const KeyboardPresentation&) const = default;
};

// The presentation of a profile's options; suggestion keys are sized for
// three characters more than the longest suggestion they show.
KeyboardPresentation PresentationOf(const UserProfileOptions& options, std::string dataFolder);

}  // namespace vorelio
