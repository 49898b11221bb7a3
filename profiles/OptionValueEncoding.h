// How string values sit on one line of the options files ("key value"):
// the ";;;" stand-in for a space, and the single word a plain value is.
#pragma once

#include <string>
#include <string_view>

namespace vorelio {

// The value with every space written as ";;;". Other blanks (tab, line
// ends, NUL) would break the line or the word, so they are written as ";;;"
// too and read back as spaces.
std::string EncodeSpaces(std::string_view value);
// The value with every ";;;" read as one space, scanning left to right.
std::string DecodeSpaces(std::string_view encoded);
// What a reader takes from a plain value: its first blank-delimited word
// (empty when there is none). Writers write this, so a value never spills
// over into a second word or a second line.
std::string_view FirstWord(std::string_view value);

}  // namespace vorelio
