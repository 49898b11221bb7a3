// Draws the picture of a pictogram for the program's message editor. The
// GUI implements it with the key font; until it is plugged in, pictograms
// reach the editor's text as their words only.
//
// The picture, for an editor of height h (ALTURA_EDITOR_MENSAGENS): a
// caption band of height h / 8 + 8 on top when there is a caption (none
// otherwise), filled white, with the caption centred on one line in the key
// font, from the key font size down by half a point until it fits the band
// with 4 pixels to spare (or until it would go below 0.2 points); below it
// the picture, scaled with its proportions kept to the height
// h - band - 20.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "output/WordProcessor.h"

namespace vorelio {

class PictogramPictureMaker {
 public:
  virtual ~PictogramPictureMaker() = default;
  // `reference` names the picture or row of pictures ("CAT_IMG_Comida\pão.bmp",
  // several joined by ":"); nothing when none of them can be loaded.
  virtual std::optional<PictogramPicture> Make(std::string_view reference, std::string_view caption,
                                               int32_t editorHeight) = 0;
};

}  // namespace vorelio
