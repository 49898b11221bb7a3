#include "tools/dictionary-builder/StoryReader.h"

#include "common/Scanner.h"

#include <algorithm>

#include "common/Text.h"

namespace vorelio::builder {
namespace {

bool IsMetadataLine(std::string_view line) {
  return line.substr(0, 2) == "* " && line.find(':') != std::string_view::npos;
}

}  // namespace

Story ReadStory(std::string_view contents) {
  Story story;
  std::string paragraph;
  auto finishParagraph = [&] {
    const std::string text(Trim(paragraph));
    if (!text.empty() &&
        std::find(story.paragraphs.begin(), story.paragraphs.end(), text) ==
            story.paragraphs.end()) {
      story.paragraphs.push_back(text);
    }
    paragraph.clear();
  };

  LineReader lines(contents);
  std::string_view rawLine;
  while (lines.Next(rawLine)) {
    const std::string_view line = WithoutCarriageReturn(rawLine);
    const std::string_view trimmed = Trim(line);

    if (trimmed.empty() || trimmed.substr(0, 2) == "##") {
      finishParagraph();
    } else if (trimmed.substr(0, 2) == "# " && story.title.empty() &&
               story.paragraphs.empty() && paragraph.empty()) {
      story.title = std::string(Trim(trimmed.substr(2)));
    } else if (IsMetadataLine(trimmed)) {
      break;
    } else {
      if (!paragraph.empty()) paragraph += ' ';
      paragraph += trimmed;
    }
  }
  finishParagraph();
  return story;
}

}  // namespace vorelio::builder
