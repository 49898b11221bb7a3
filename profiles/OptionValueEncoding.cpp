#include "profiles/OptionValueEncoding.h"

#include "common/Scanner.h"

namespace vorelio {

namespace {
constexpr std::string_view kEncodedSpace = ";;;";
}

std::string EncodeSpaces(std::string_view value) {
  std::string encoded;
  encoded.reserve(value.size());
  for (const char c : value) {
    if (IsScanSpace(c)) encoded += kEncodedSpace;
    else encoded += c;
  }
  return encoded;
}

std::string DecodeSpaces(std::string_view encoded) {
  std::string value;
  value.reserve(encoded.size());
  for (std::size_t i = 0; i < encoded.size();) {
    if (encoded.substr(i, kEncodedSpace.size()) == kEncodedSpace) {
      value += ' ';
      i += kEncodedSpace.size();
    } else {
      value += encoded[i++];
    }
  }
  return value;
}

std::string_view FirstWord(std::string_view value) {
  LineScanner scanner(value);
  std::string_view word;
  return scanner.String(word) ? word : std::string_view{};
}

}  // namespace vorelio
