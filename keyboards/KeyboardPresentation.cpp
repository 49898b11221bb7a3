#include "keyboards/KeyboardPresentation.h"

#include <utility>

#include "profiles/UserProfileOptions.h"

namespace vorelio {

namespace {
// Room beside the longest suggestion on a suggestion key.
constexpr int32_t kSuggestionCharsMargin = 3;
}  // namespace

KeyboardPresentation PresentationOf(const UserProfileOptions& options, std::string dataFolder) {
  KeyboardPresentation p;
  p.keyBackgroundColour = options.keyBackgroundColour;
  p.keyTextColour = options.keyTextColour;
  p.suggestionKeyBackgroundColour = options.suggestionKeyBackgroundColour;
  p.keyFill = options.keyFill;
  p.keyGradientAngle = options.keyGradientAngle;
  p.keyBackgroundColour2 = options.keyBackgroundColour2;
  p.fontFace = options.fontFace;
  p.fontSize = options.suggestionFontSize;
  p.keySounds = options.keySounds != 0;
  p.hoverLimit = options.speakOnMouseOver;
  p.dataFolder = std::move(dataFolder);
  p.keyHeight = options.keyHeight;
  p.pictogramKeyHeight = options.pictogramKeyHeight;
  p.sentenceSuggestionKeyHeight = options.sentenceSuggestionKeyHeight;
  p.keyGap = options.keySpacing;
  p.groupGap = options.groupSpacing;
  p.lineGap = options.lineSpacing;
  p.stretchLength = options.stretchLinesToWidth != 0;
  p.stretchHeight = options.stretchLinesToHeight != 0;
  p.wordSuggestionChars = options.maxWordLetters + kSuggestionCharsMargin;
  p.sentenceSuggestionChars = options.maxSentenceLetters + kSuggestionCharsMargin;
  p.pictogramsPerSentence = options.maxPictogramsPerSentence;
  p.scanningMethod = options.scanningMethod;
  p.scanStepMs = options.scanStepMs;
  p.switchLatencyMs = options.switchLatencyMs;
  p.maxScanCycles = options.maxScanCycles;
  return p;
}

}  // namespace vorelio
