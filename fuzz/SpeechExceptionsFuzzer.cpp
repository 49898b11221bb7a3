// libFuzzer target for the reader of a voice's exceptions file.
//
// The input is read as file contents. Every exception read must be one the
// file can hold: a text that is not empty, and neither part holding ":", a
// line feed or a NUL. Writing the set and reading the text back must give
// the same exceptions, except a replacement that ends with a carriage
// return, which the reader takes for a CRLF line end (Set refuses it for
// that reason). A violation aborts, so libFuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "speech/SpeechExceptionSet.h"

namespace {

using vorelio::SpeechExceptionSet;

void Fail(const char* what) {
  std::fprintf(stderr, "speech exceptions: %s\n", what);
  std::abort();
}

bool HoldsLineBreakOrSeparator(std::string_view part) {
  return part.find_first_of(std::string_view(":\n\0", 3)) != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  SpeechExceptionSet set;
  set.ReadFrom(input);

  SpeechExceptionSet writable;
  std::map<std::string, std::string> expected;
  for (const auto& [text, replacement] : set) {
    if (text.empty()) Fail("empty text");
    if (HoldsLineBreakOrSeparator(text) || HoldsLineBreakOrSeparator(replacement))
      Fail("a separator, line feed or NUL in an exception");
    if (set.Replacement(text) == nullptr || *set.Replacement(text) != replacement)
      Fail("lookup disagrees with iteration");
    const bool representable = replacement.empty() || replacement.back() != '\r';
    if (writable.Set(text, replacement) != representable) Fail("Set disagrees with the file");
    if (representable) expected[text] = replacement;
  }

  SpeechExceptionSet back;
  back.ReadFrom(writable.Text());
  const std::map<std::string, std::string> read(back.begin(), back.end());
  if (read != expected) Fail("the written text reads back differently");
  return 0;
}
