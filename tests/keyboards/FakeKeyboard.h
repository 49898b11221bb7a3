// A keyboard of fixed shape for the scanning tests: key counts per group,
// keys that can be made inactive, names built from positions ("linha 1",
// "grupo 1.0", "tecla 1.0.1"), and a log of the highlight switched on and
// off ("L1+ L1- G1.0+ K1.0.1-").
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "keyboards/KeyboardScanner.h"
#include "keyboards/KeyboardShape.h"

namespace vorelio::testing {

class FakeKeyboard : public KeyboardShape, public ScanHighlighter, public ScanCueWords {
 public:
  // keyCounts[line][group]: how many keys the group has.
  explicit FakeKeyboard(std::vector<std::vector<int>> keyCounts) : keyCounts_(std::move(keyCounts)) {}

  void MakeInactive(const COnScreenKeyIdentifier& key) { inactive_.insert(key.Text()); }

  // The highlight changes since the last call.
  std::string TakeLog() { return std::exchange(log_, {}); }

  int LineCount() const override { return static_cast<int>(keyCounts_.size()); }
  int GroupCount(int line) const override {
    return line >= 0 && line < LineCount() ? static_cast<int>(keyCounts_[line].size()) : 0;
  }
  int KeyCount(int line, int group) const override {
    return group >= 0 && group < GroupCount(line) ? keyCounts_[line][group] : 0;
  }
  bool KeyIsActive(const COnScreenKeyIdentifier& key) const override {
    return key.key >= 0 && key.key < KeyCount(key.line, key.group) &&
           inactive_.count(key.Text()) == 0;
  }

  void HighlightLine(int line, bool on) override {
    Write("L" + std::to_string(line), on);
  }
  void HighlightGroup(int line, int group, bool on) override {
    Write("G" + COnScreenKeyIdentifier{line, group, 0}.GroupText(), on);
  }
  void HighlightKey(const COnScreenKeyIdentifier& key, bool on) override {
    Write("K" + key.Text(), on);
  }

  std::string LineName(int line) const override { return "linha " + std::to_string(line); }
  std::string GroupName(int line, int group) const override {
    return "grupo " + COnScreenKeyIdentifier{line, group, 0}.GroupText();
  }
  std::string KeyDescription(const COnScreenKeyIdentifier& key) const override {
    return "tecla " + key.Text();
  }

 private:
  void Write(const std::string& element, bool on) {
    if (!log_.empty()) log_ += ' ';
    log_ += element + (on ? "+" : "-");
  }

  std::vector<std::vector<int>> keyCounts_;
  std::set<std::string> inactive_;
  std::string log_;
};

}  // namespace vorelio::testing
