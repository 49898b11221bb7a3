#include "prediction/WordClasses.h"

#include <functional>

#include "common/Scanner.h"

namespace vorelio {

namespace {

// Class files hold lines of up to 79 characters; a longer line is skipped
// whole rather than split into a bogus second line.
constexpr std::size_t kClassLineLimit = 79;

bool LineTooLong(std::string_view line) {
  return WithoutCarriageReturn(line).size() > kClassLineLimit;
}

}  // namespace

void CWordClassSet::Clear() {
  classes_.clear();
  total_ = 0;
}

bool CWordClassSet::Load(FileSystem& files, const std::string& path) {
  Clear();
  const auto contents = files.ReadFile(path);
  if (!contents) return false;
  LineReader lines(*contents);
  std::string_view line;
  while (static_cast<int>(classes_.size()) < kCapacity && lines.Next(line)) {
    CWordClass slot;
    LineScanner scan(line);
    std::string_view name;
    int32_t frequency = 0;
    if (!LineTooLong(line) && scan.String(name) && scan.Int(frequency)) {
      slot.name = std::string(name);
      slot.frequency = frequency;
      total_ = SaturatingAdd(total_, frequency);
    }
    classes_.push_back(std::move(slot));
  }
  return true;
}

int32_t CWordClassSet::Frequency(std::string_view name) const {
  for (const CWordClass& wordClass : classes_)
    if (!wordClass.name.empty() && wordClass.name == name) return wordClass.frequency;
  return 0;
}

std::size_t CWordClassPairSet::PairHash::operator()(const CWordClassPair& pair) const {
  const std::hash<std::string> hash;
  return hash(pair.first) + hash(pair.second);
}

void CWordClassPairSet::Clear() {
  pairs_.clear();
  count_ = 0;
  total_ = 0;
}

bool CWordClassPairSet::Load(FileSystem& files, const std::string& path) {
  Clear();
  const auto contents = files.ReadFile(path);
  if (!contents) return false;
  LineReader lines(*contents);
  std::string_view line;
  while (lines.Next(line)) {
    ++count_;
    LineScanner scan(line);
    std::string_view first, second;
    int32_t frequency = 0;
    if (LineTooLong(line) || !scan.String(first) || !scan.String(second) || !scan.Int(frequency))
      continue;
    pairs_[CWordClassPair{std::string(first), std::string(second)}] = frequency;
    total_ = SaturatingAdd(total_, frequency);
  }
  return true;
}

int32_t CWordClassPairSet::Frequency(std::string_view first, std::string_view second) const {
  if (pairs_.empty()) return 0;
  const auto found = pairs_.find(CWordClassPair{std::string(first), std::string(second)});
  return found == pairs_.end() ? 0 : found->second;
}

}  // namespace vorelio
