#include "common/Scanner.h"

#include <limits>

namespace vorelio {

bool IsScanSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\0';
}

namespace {

// Reads "[+-]digits" at text[pos]; advances pos past what was read.
bool ReadInt(std::string_view text, std::size_t& pos, int32_t& out) {
  std::size_t i = pos;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t firstDigit = i;
  int64_t value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) return false;
    ++i;
  }
  if (i == firstDigit) return false;
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return false;
  out = static_cast<int32_t>(value);
  pos = i;
  return true;
}

}  // namespace

void LineScanner::SkipSpace() {
  while (pos_ < text_.size() && IsScanSpace(text_[pos_])) ++pos_;
}

bool LineScanner::String(std::string_view& out) {
  SkipSpace();
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !IsScanSpace(text_[pos_])) ++pos_;
  if (pos_ == start) return false;
  out = text_.substr(start, pos_ - start);
  return true;
}

bool LineScanner::Int(int32_t& out) {
  SkipSpace();
  return ReadInt(text_, pos_, out);
}

bool LineScanner::AtEnd() {
  SkipSpace();
  return pos_ >= text_.size();
}

bool LineReader::Next(std::string_view& line) {
  if (pos_ >= contents_.size()) return false;
  const std::size_t end = contents_.find('\n', pos_);
  if (end == std::string_view::npos) {
    line = contents_.substr(pos_);
    pos_ = contents_.size();
  } else {
    line = contents_.substr(pos_, end - pos_);
    pos_ = end + 1;
  }
  return true;
}

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

bool TokenReader::Next(std::string_view& token) {
  while (pos_ < contents_.size() && IsScanSpace(contents_[pos_])) ++pos_;
  const std::size_t start = pos_;
  while (pos_ < contents_.size() && !IsScanSpace(contents_[pos_])) ++pos_;
  if (pos_ == start) return false;
  token = contents_.substr(start, pos_ - start);
  return true;
}

void TokenReader::SkipLine() {
  const std::size_t end = contents_.find('\n', pos_);
  pos_ = end == std::string_view::npos ? contents_.size() : end + 1;
}

bool ParseInt32(std::string_view token, int32_t& out) {
  std::size_t pos = 0;
  int32_t value = 0;
  if (!ReadInt(token, pos, value) || pos != token.size()) return false;
  out = value;
  return true;
}

namespace {
int32_t Clamp32(int64_t sum) {
  if (sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(sum);
}
}  // namespace

int32_t SaturatingAdd(int32_t a, int32_t b) { return Clamp32(int64_t{a} + int64_t{b}); }

int32_t SaturatingReplace(int32_t total, int32_t removed, int32_t added) {
  return Clamp32(int64_t{total} - int64_t{removed} + int64_t{added});
}

}  // namespace vorelio
