// Everything that one on-screen key's drawing depends on, as a plain value
// that the keyboard widget fills from its key model. Strings are
// Windows-1252; colours are COLORREF (0x00BBGGRR).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "keyboards/KeyPicture.h"
#include "keyboards/KeySymbol.h"
#include "keyboards/KeyType.h"

namespace vorelio {

struct KeyPaintState {
  int width = 0;   // pixels
  int height = 0;  // pixels
  KeyType type = KeyType::kNormal;
  bool active = true;  // an inactive key shows its background alone

  std::string label;                  // the text of a text key
  std::optional<KeySymbol> symbol;    // drawn instead of the label when set
  std::string caption;                // shown above a pictogram
  std::shared_ptr<const KeyPicture> picture;  // a pictogram key's or suggestion's; may be null
  std::string suggestion;             // what a word or sentence suggestion key shows
  bool opensKeyboard = false;         // its output names another keyboard: the link triangle

  int32_t backgroundColour = 0xFFFFFF;
  int32_t textColour = 0;
  int32_t highlightBackgroundColour = 0;         // the text colour, as keys are made
  int32_t highlightTextColour = 0xFFFFFF;        // the background colour, as keys are made
  int32_t suggestionBackgroundColour = 0xFFFFFF;  // of the four suggestion types
  bool gradientFill = false;                     // else solid
  int32_t gradientAngle = 0;                     // degrees, clockwise from the right
  int32_t backgroundColour2 = 0xFFFFFF;          // where the gradient ends

  std::string fontFace = "Arial";
  int fontSize = 12;          // points
  int pictogramHeight = 0;    // the layout's pictogram height: captions are an eighth of it

  bool hovered = false;
  bool highlighted = false;   // by scanning
  bool editMode = false;      // the keyboard is being edited
  bool marker = false;        // the bar at the right edge
};

}  // namespace vorelio
