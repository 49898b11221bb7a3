// Pictogram references in key labels and outputs. A reference names a
// bitmap relative to the data folder ("CAT_IMG_Comida\pão.bmp"); several
// joined by ":" name a row of pictograms shown side by side. A pictogram
// key's label may add a caption after its reference(s), also after a ":".
//
// The extension ".bmp" is recognised in any case, both when telling
// whether a label names pictograms and when splitting it, so that
// "X.BMP:caption" gives the reference "X.BMP" and the caption "caption".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorelio {

inline constexpr char kPictogramSeparator = ':';
// A row shows at most this many pictograms; later ones are not loaded.
inline constexpr std::size_t kMaxPictogramsInRow = 50;

// True when some ":"-separated part of the text ends in ".bmp".
bool NamesPictogram(std::string_view text);

struct PictogramLabel {
  std::string reference;  // the parts ending in ".bmp", joined by ":"
  std::string caption;    // the other parts, joined by ":" ("" when none)

  bool operator==(const PictogramLabel&) const = default;
};

// Splits a label that names pictograms into its reference(s) and caption;
// nothing for a label that names none (it is plain text). A caption that
// holds ":" itself is kept whole.
std::optional<PictogramLabel> SplitPictogramLabel(std::string_view label);
// The label as the file stores it: the reference, and ":" and the caption
// when there is one.
std::string ComposePictogramLabel(std::string_view reference, std::string_view caption);

// The pictograms the text names (its parts ending in ".bmp"), in order, at
// most kMaxPictogramsInRow; empty when it names none.
std::vector<std::string> PictogramReferences(std::string_view text);

}  // namespace vorelio
