// The option keys that the prediction tool accepts with --set, by the names
// they have in a profile's options file.
#pragma once

#include <string>
#include <string_view>

#include "prediction/PredictionOptions.h"

namespace vorelio {

// Sets the option named `key` from `value` (Windows-1252). Returns an empty
// string on success, otherwise a message saying what is wrong.
std::string SetPredictionOption(PredictionOptions& options, std::string_view key,
                                std::string_view value);

}  // namespace vorelio
