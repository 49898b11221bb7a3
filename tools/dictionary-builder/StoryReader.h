// Reading of a story in the storybook Markdown form:
//   "# Title", "##" page breaks, paragraphs separated by blank lines, and a
//   closing list of metadata ("* License: ...", "* Text: ...").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorelio::builder {

struct Story {
  std::string title;                    // without "# "; may be empty
  std::vector<std::string> paragraphs;  // in order, lines of one paragraph joined by a space
};

// Paragraphs are the text between blank lines or page breaks; the metadata
// list and everything after it is left out. A paragraph identical to an
// earlier one of the same story (an extraction artefact) is kept only once.
// Text stays as read (UTF-8).
Story ReadStory(std::string_view contents);

}  // namespace vorelio::builder
