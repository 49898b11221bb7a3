#include "prediction/AbbreviationExpansionSet.h"

#include <algorithm>

#include "platform/AtomicFile.h"
#include "common/Scanner.h"

namespace vorelio {

void CAbbreviationExpansionSet::Load(FileSystem& files, const std::string& path) {
  if (modified_) Save();  // never drop edits that were not written yet
  entries_.clear();
  files_ = &files;
  path_ = path;
  modified_ = false;
  if (const auto contents = files.ReadFile(path)) ReadFrom(*contents);
}

void CAbbreviationExpansionSet::ReadFrom(std::string_view contents) {
  LineReader lines(contents);
  std::string_view line;
  while (lines.Next(line)) {
    line = WithoutCarriageReturn(line.substr(0, line.find('\0')));
    const auto wordStart = std::find_if_not(line.begin(), line.end(), IsScanSpace);
    const auto wordEnd = std::find_if(wordStart, line.end(), IsScanSpace);
    const auto expansionStart = std::find_if_not(wordEnd, line.end(), IsScanSpace);
    if (wordStart == wordEnd || expansionStart == line.end()) continue;
    entries_.insert_or_assign(std::string(wordStart, wordEnd),
                              std::string(expansionStart, line.end()));
  }
}

bool CAbbreviationExpansionSet::Save() {
  if (!modified_) return true;
  if (path_.empty() || files_ == nullptr || !WriteFileAtomically(*files_, path_, Text()))
    return false;
  modified_ = false;
  return true;
}

std::string CAbbreviationExpansionSet::Text() const {
  std::string text;
  for (const auto& [abbreviation, expansion] : entries_) {
    text += abbreviation;
    text += ' ';
    text += expansion;
    text += '\n';
  }
  return text;
}

bool CAbbreviationExpansionSet::Set(std::string_view abbreviation, std::string_view expansion) {
  const auto endsLine = [](char c) { return c == '\n' || c == '\0'; };
  if (abbreviation.empty() || std::any_of(abbreviation.begin(), abbreviation.end(), IsScanSpace))
    return false;
  if (expansion.empty() || IsScanSpace(expansion.front()) || expansion.back() == '\r' ||
      std::any_of(expansion.begin(), expansion.end(), endsLine))
    return false;
  entries_.insert_or_assign(std::string(abbreviation), std::string(expansion));
  modified_ = true;
  return true;
}

void CAbbreviationExpansionSet::Remove(std::string_view abbreviation) {
  if (const auto entry = entries_.find(abbreviation); entry != entries_.end())
    entries_.erase(entry);
  modified_ = true;
}

const std::string* CAbbreviationExpansionSet::Expansion(std::string_view abbreviation) const {
  const auto entry = entries_.find(abbreviation);
  return entry == entries_.end() ? nullptr : &entry->second;
}

void CAbbreviationExpansionSet::Clear() {
  entries_.clear();
  path_.clear();
  modified_ = false;
}

}  // namespace vorelio
