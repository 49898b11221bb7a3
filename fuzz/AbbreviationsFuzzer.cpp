// libFuzzer target for the ".abr" reader of the abbreviation set.
//
// The input is read as file contents. Every pair read must be one the file
// can hold: an abbreviation of one or more non-blank bytes, an expansion
// that is not empty, does not begin with white space and holds no line feed
// or NUL. Writing the set and reading the text back must give the same
// pairs, except an expansion that ends with a carriage return, which the
// reader takes for a CRLF line end (Set refuses it for that reason). A
// violation aborts, so libFuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "common/Scanner.h"
#include "prediction/AbbreviationExpansionSet.h"

namespace {

using vorelio::CAbbreviationExpansionSet;

void Fail(const char* what) {
  std::fprintf(stderr, "abbreviations: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  CAbbreviationExpansionSet set;
  set.ReadFrom(input);
  if (set.Modified()) Fail("reading marked the set modified");

  CAbbreviationExpansionSet writable;
  std::map<std::string, std::string> expected;
  for (const auto& [abbreviation, expansion] : set) {
    if (abbreviation.empty() || expansion.empty()) Fail("empty part");
    for (const char c : abbreviation)
      if (vorelio::IsScanSpace(c)) Fail("white space in an abbreviation");
    if (vorelio::IsScanSpace(expansion.front())) Fail("expansion begins with white space");
    if (expansion.find_first_of(std::string_view("\n\0", 2)) != std::string::npos)
      Fail("line feed or NUL in an expansion");
    if (set.Expansion(abbreviation) == nullptr || *set.Expansion(abbreviation) != expansion)
      Fail("lookup disagrees with iteration");
    const bool representable = expansion.back() != '\r';
    if (writable.Set(abbreviation, expansion) != representable) Fail("Set disagrees with the file");
    if (representable) expected[abbreviation] = expansion;
  }

  CAbbreviationExpansionSet back;
  back.ReadFrom(writable.Text());
  const std::map<std::string, std::string> read(back.begin(), back.end());
  if (read != expected) Fail("the written text reads back differently");
  return 0;
}
