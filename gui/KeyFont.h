// The font of key labels and suggestions: a face (Windows-1252, such as
// "Arial") at a size in points.
#pragma once

#include <QFont>

#include <string_view>

namespace vorelio {

// Sizes below 1 point are drawn at 1 point. An empty or unknown face falls
// back to what the system's font configuration offers for it.
QFont KeyFont(std::string_view face, int points);

}  // namespace vorelio
