#include "speech/SpeechExceptionSet.h"

#include <algorithm>

#include "common/NativePath.h"
#include "common/Scanner.h"
#include "common/Text.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"

namespace vorelio {

namespace {

constexpr char kSeparator = ':';

bool HoldsLineBreakOrSeparator(std::string_view part) {
  return part.find_first_of(std::string_view(":\n\0", 3)) != std::string_view::npos;
}

}  // namespace

std::string SpeechExceptionsPath(std::string_view dataFolder, std::string_view voiceName) {
  std::string name(voiceName);
  std::replace(name.begin(), name.end(), '/', '_');
  std::replace(name.begin(), name.end(), '\\', '_');
  return InFolder(dataFolder, name + std::string(kSpeechExceptionsSuffix));
}

bool SpeechExceptionSet::CanHold(std::string_view text, std::string_view replacement) {
  return !text.empty() && !HoldsLineBreakOrSeparator(text) &&
         !HoldsLineBreakOrSeparator(replacement) &&
         (replacement.empty() || replacement.back() != '\r');
}

void SpeechExceptionSet::ReadFrom(std::string_view contents) {
  LineReader lines(contents);
  std::string_view line;
  while (lines.Next(line)) {
    line = WithoutCarriageReturn(line.substr(0, line.find('\0')));
    // The line end is read with the line: after a final ":" it makes a
    // piece of its own, the empty replacement.
    const std::vector<std::string> pieces = Split(line, std::string_view(&kSeparator, 1));
    const bool endsWithSeparator = !line.empty() && line.back() == kSeparator;
    if (pieces.size() == 2 && !endsWithSeparator) {
      entries_.insert_or_assign(pieces[0], pieces[1]);
    } else if (pieces.size() == 1 && endsWithSeparator) {
      entries_.insert_or_assign(pieces[0], std::string());
    }
  }
}

std::string SpeechExceptionSet::Text() const {
  std::string text;
  for (const auto& [original, replacement] : entries_) {
    text += original;
    text += kSeparator;
    text += replacement;
    text += '\n';
  }
  return text;
}

void SpeechExceptionSet::Load(FileSystem& files, const std::string& path) {
  entries_.clear();
  if (const std::optional<std::string> contents = files.ReadFile(path)) {
    ReadFrom(*contents);
  } else if (!PathExists(files, path)) {
    if (const auto created = files.OpenForAppend(path)) created->Close();
  }
}

bool SpeechExceptionSet::Save(FileSystem& files, const std::string& path) const {
  return WriteFileAtomically(files, path, Text());
}

bool SpeechExceptionSet::Set(std::string_view text, std::string_view replacement) {
  if (!CanHold(text, replacement)) return false;
  entries_.insert_or_assign(std::string(text), std::string(replacement));
  return true;
}

bool SpeechExceptionSet::Remove(std::string_view text) {
  const auto entry = entries_.find(text);
  if (entry == entries_.end()) return false;
  entries_.erase(entry);
  return true;
}

const std::string* SpeechExceptionSet::Replacement(std::string_view text) const {
  const auto entry = entries_.find(text);
  return entry == entries_.end() ? nullptr : &entry->second;
}

}  // namespace vorelio
