// COnScreenKeyboard: an on-screen keyboard as the model sees it: lines (at
// most 20) of groups (at most 10 per line) of keys (at most 200 per group),
// loaded from and saved to its keyboard file, with the lists of suggestion
// keys and the state scanning and editing set on its keys. The view draws
// it and passes the keys their events; scanning and layout walk it.
//
// Records past a capacity are not added (nor what they hold); Dropped()
// counts them for the last load, so the program can tell the user.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "keyboards/KeyboardFile.h"
#include "keyboards/KeyboardScanner.h"
#include "keyboards/KeyboardShape.h"
#include "keyboards/OnScreenKeyLine.h"
#include "platform/FileSystem.h"

namespace vorelio {

// Records of the last load that went past a capacity, counting those held
// by a dropped line or group.
struct DroppedRecords {
  int lines = 0;
  int groups = 0;
  int keys = 0;
  bool operator==(const DroppedRecords&) const = default;
};

class COnScreenKeyboard final : public KeyboardShape,
                                public ScanHighlighter,
                                public ScanCueWords {
 public:
  static constexpr int kCapacity = 20;

  explicit COnScreenKeyboard(KeyboardEnvironment environment);
  COnScreenKeyboard(const COnScreenKeyboard&) = delete;
  COnScreenKeyboard& operator=(const COnScreenKeyboard&) = delete;

  const KeyboardEnvironment& Environment() const { return *environment_; }
  // Scanning walks this keyboard; loading another file stops it, editing
  // suspends it. Whoever owns the keyboard drives its tick
  // (KeyboardScanTimer).
  KeyboardScanner& Scanner() { return scanner_; }
  const KeyboardScanner& Scanner() const { return scanner_; }
  // Keys following the group defaults take the new colours; the scanner
  // takes the new scanning settings.
  void SetPresentation(KeyboardPresentation presentation);
  void SetRepaintListener(KeyRepaintListener* listener) { environment_->repaint = listener; }

  // Replaces the keyboard by the file's (an empty path does nothing). A
  // file that cannot be read leaves the keyboard empty, with no path.
  // Clears the modified flags and fills the suggestion-key lists.
  void Load(FileSystem& files, const std::string& path);
  // The same from contents, keeping no path.
  void LoadContents(std::string_view contents);
  // Writes the file whole through a temporary file, clearing the modified
  // flags; false, with the file as it was, when it cannot (or no path).
  bool Save(FileSystem& files);
  // Saves to `path`, which becomes the keyboard's path once saved.
  bool SaveAs(FileSystem& files, const std::string& path);
  std::string Contents() const;  // the file's text
  const std::string& Path() const { return path_; }
  const DroppedRecords& Dropped() const { return dropped_; }
  // Every TECLA record of the file, as loaded or saved last, in file order.
  const std::vector<COnScreenKeyData>& KeyRecords() const { return keyRecords_; }

  const std::string& Description() const { return description_; }
  int32_t KeyHeight() const { return keyHeight_; }  // 0: the profile's
  int32_t PictogramKeyHeight() const { return pictogramKeyHeight_; }
  void SetDescription(std::string description);
  void SetKeyHeights(int32_t keyHeight, int32_t pictogramKeyHeight);

  // The keyboard's own flag or any line's or group's.
  bool IsModified() const;

  // Appending; each returns the new index, or -1 when the place does not
  // exist or is full. Adding marks the keyboard (a line or group) or the
  // group (a key) modified. A key's type must be one word.
  int AddLine(std::string name);
  int AddGroup(int line, std::string name);
  int AddKey(int line, int group, const COnScreenKeyData& data);
  // Gives the key new fields; true, marking its group modified, when any
  // changed.
  bool ChangeKey(const COnScreenKeyIdentifier& key, const COnScreenKeyData& data);

  // Null when the place does not exist.
  COnScreenKeyLine* Line(int line);
  const COnScreenKeyLine* Line(int line) const;
  COnScreenKeyGroup* Group(int line, int group);
  const COnScreenKeyGroup* Group(int line, int group) const;
  CColorButton* Key(const COnScreenKeyIdentifier& key);
  const CColorButton* Key(const COnScreenKeyIdentifier& key) const;

  int LineCount() const override { return static_cast<int>(lines_.size()); }
  int GroupCount(int line) const override;
  int KeyCount(int line, int group) const override;
  bool KeyIsActive(const COnScreenKeyIdentifier& key) const override;
  // The type word and the output of a key; empty when it does not exist.
  std::string TypeOfKey(const COnScreenKeyIdentifier& key) const;
  std::string OutputOfKey(const COnScreenKeyIdentifier& key) const;

  // Marks every key of the line, group or key (when it exists).
  void SetLineHighlighted(int line, bool on);
  void SetGroupHighlighted(int line, int group, bool on);
  void SetKeyHighlighted(const COnScreenKeyIdentifier& key, bool on);
  void SetLineMarker(int line, bool on);
  void SetGroupMarker(int line, int group, bool on);
  void SetKeyMarker(const COnScreenKeyIdentifier& key, bool on);

  // What scanning lights, and the words of its cues.
  void HighlightLine(int line, bool on) override { SetLineHighlighted(line, on); }
  void HighlightGroup(int line, int group, bool on) override { SetGroupHighlighted(line, group, on); }
  void HighlightKey(const COnScreenKeyIdentifier& key, bool on) override { SetKeyHighlighted(key, on); }
  std::string LineName(int line) const override;
  std::string GroupName(int line, int group) const override;
  std::string KeyDescription(const COnScreenKeyIdentifier& key) const override;
  // Every key, and the keys added later; scanning is suspended meanwhile.
  void SetEditMode(bool on);
  bool IsInEditMode() const { return editMode_; }

  // The keys of one suggestion type, in line, group and key order: the
  // n-th suggestion of that kind goes to the n-th. Empty for other types.
  const std::vector<COnScreenKeyIdentifier>& SuggestionKeys(KeyType type) const;
  // The keys of all four suggestion types, in keyboard order: the i-th
  // physical prediction key addresses the i-th.
  const std::vector<COnScreenKeyIdentifier>& AllSuggestionKeys() const { return allSuggestionKeys_; }

  template <typename F>
  void ForEachKey(F&& f) {
    for (const auto& line : lines_) line->ForEachKey(f);
  }

 private:
  void Clear();
  void Build(KeyboardFileContents contents);
  bool SaveTo(FileSystem& files, const std::string& path);
  void ClearModified();
  int PlaceKey(int line, int group, const COnScreenKeyData& data);
  void RebuildSuggestionKeys();
  using KeyFlagSetter = void (CColorButton::*)(bool on);
  void SetOnLine(int line, KeyFlagSetter set, bool on);
  void SetOnGroup(int line, int group, KeyFlagSetter set, bool on);

  std::unique_ptr<KeyboardEnvironment> environment_;  // keys keep its address
  std::string path_;
  std::string description_;
  int32_t keyHeight_ = 0;
  int32_t pictogramKeyHeight_ = 0;
  std::vector<std::unique_ptr<COnScreenKeyLine>> lines_;
  std::array<std::vector<COnScreenKeyIdentifier>, 4> suggestionKeys_;
  std::vector<COnScreenKeyIdentifier> allSuggestionKeys_;
  std::vector<COnScreenKeyData> keyRecords_;
  DroppedRecords dropped_;
  bool modified_ = false;
  bool editMode_ = false;
  KeyboardScanner scanner_;  // last: it refers to the members above
};

// What to tell the user when the keyboard file held more than the keyboard
// can show (Portuguese, Windows-1252); empty when nothing was dropped.
std::string DroppedRecordsMessage(std::string_view keyboardName, const DroppedRecords& dropped);

}  // namespace vorelio
