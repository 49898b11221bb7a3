#include "keyboards/OnScreenKeyboard.h"

#include <algorithm>
#include <utility>

#include "common/Scanner.h"
#include "platform/AtomicFile.h"

namespace vorelio {

namespace {

// In the order the suggestion lists fill them.
constexpr std::array<KeyType, 4> kSuggestionTypes = {
    KeyType::kWordSuggestion, KeyType::kSentenceSuggestion, KeyType::kPictogramSuggestion,
    KeyType::kPictogramSentenceSuggestion};

int SuggestionListOf(std::optional<KeyType> type) {
  const auto* found = std::find(kSuggestionTypes.begin(), kSuggestionTypes.end(), type);
  return found == kSuggestionTypes.end() ? -1 : static_cast<int>(found - kSuggestionTypes.begin());
}

bool IsOneWord(std::string_view word) {
  return !word.empty() && std::none_of(word.begin(), word.end(), IsScanSpace);
}

int KeyCountOf(const std::vector<COnScreenKeyGroupData>& groups) {
  int keys = 0;
  for (const COnScreenKeyGroupData& group : groups) keys += static_cast<int>(group.keys.size());
  return keys;
}

}  // namespace

COnScreenKeyboard::COnScreenKeyboard(KeyboardEnvironment environment)
    : environment_(std::make_unique<KeyboardEnvironment>(std::move(environment))),
      scanner_(*this, *this, environment_->notificationWindow, environment_->presentation) {}

void COnScreenKeyboard::SetPresentation(KeyboardPresentation presentation) {
  const KeyboardPresentation old = std::exchange(environment_->presentation, std::move(presentation));
  ForEachKey([&old](CColorButton& key) { key.PresentationChanged(old); });
  scanner_.SetOptions(environment_->presentation);
}

void COnScreenKeyboard::Load(FileSystem& files, const std::string& path) {
  if (path.empty()) return;
  const std::optional<std::string> contents = files.ReadFile(path);
  if (!contents) {
    Clear();
    return;
  }
  LoadContents(*contents);
  path_ = path;
}

void COnScreenKeyboard::LoadContents(std::string_view contents) {
  Clear();
  std::vector<COnScreenKeyData> keyRecords;
  Build(ReadKeyboardFile(contents, &keyRecords));
  keyRecords_ = std::move(keyRecords);
}

void COnScreenKeyboard::Clear() {
  scanner_.Reset();
  lines_.clear();
  path_.clear();
  description_.clear();
  keyHeight_ = 0;
  pictogramKeyHeight_ = 0;
  for (auto& list : suggestionKeys_) list.clear();
  allSuggestionKeys_.clear();
  keyRecords_.clear();
  dropped_ = {};
  modified_ = false;
}

void COnScreenKeyboard::Build(KeyboardFileContents contents) {
  description_ = std::move(contents.description);
  keyHeight_ = contents.keyHeight;
  pictogramKeyHeight_ = contents.pictogramKeyHeight;
  for (COnScreenKeyLineData& lineData : contents.lines) {
    const int line = AddLine(std::move(lineData.name));
    if (line < 0) {
      ++dropped_.lines;
      dropped_.groups += static_cast<int>(lineData.groups.size());
      dropped_.keys += KeyCountOf(lineData.groups);
      continue;
    }
    for (COnScreenKeyGroupData& groupData : lineData.groups) {
      const int group = AddGroup(line, std::move(groupData.name));
      if (group < 0) {
        ++dropped_.groups;
        dropped_.keys += static_cast<int>(groupData.keys.size());
        continue;
      }
      for (const COnScreenKeyData& key : groupData.keys) {
        if (PlaceKey(line, group, key) < 0) ++dropped_.keys;
      }
    }
  }
  ClearModified();
  RebuildSuggestionKeys();
}

bool COnScreenKeyboard::Save(FileSystem& files) { return !path_.empty() && SaveTo(files, path_); }

bool COnScreenKeyboard::SaveAs(FileSystem& files, const std::string& path) {
  if (!SaveTo(files, path)) return false;
  path_ = path;
  return true;
}

bool COnScreenKeyboard::SaveTo(FileSystem& files, const std::string& path) {
  const std::string contents = Contents();
  if (!WriteFileAtomically(files, path, contents)) return false;
  ClearModified();
  keyRecords_ = ReadKeyRecords(contents);
  return true;
}

std::string COnScreenKeyboard::Contents() const {
  KeyboardFileContents contents{keyHeight_, pictogramKeyHeight_, description_, {}};
  contents.lines.reserve(lines_.size());
  for (const auto& line : lines_) contents.lines.push_back(line->Data());
  return WriteKeyboardFile(contents);
}

void COnScreenKeyboard::SetDescription(std::string description) {
  if (description == description_) return;
  description_ = std::move(description);
  modified_ = true;
}

void COnScreenKeyboard::SetKeyHeights(int32_t keyHeight, int32_t pictogramKeyHeight) {
  if (keyHeight == keyHeight_ && pictogramKeyHeight == pictogramKeyHeight_) return;
  keyHeight_ = keyHeight;
  pictogramKeyHeight_ = pictogramKeyHeight;
  modified_ = true;
}

bool COnScreenKeyboard::IsModified() const {
  return modified_ || std::any_of(lines_.begin(), lines_.end(),
                                  [](const auto& line) { return line->IsModified(); });
}

void COnScreenKeyboard::ClearModified() {
  modified_ = false;
  for (const auto& line : lines_) line->ClearModified();
}

int COnScreenKeyboard::AddLine(std::string name) {
  if (LineCount() >= kCapacity) return -1;
  const int index = LineCount();
  lines_.push_back(std::make_unique<COnScreenKeyLine>(*environment_, index, std::move(name)));
  modified_ = true;
  return index;
}

int COnScreenKeyboard::AddGroup(int line, std::string name) {
  COnScreenKeyLine* keyLine = Line(line);
  const int index = keyLine == nullptr ? -1 : keyLine->AddGroup(std::move(name));
  if (index >= 0) modified_ = true;
  return index;
}

int COnScreenKeyboard::AddKey(int line, int group, const COnScreenKeyData& data) {
  const int index = PlaceKey(line, group, data);
  if (index >= 0 && SuggestionListOf(KeyTypeFromWord(data.type)) >= 0) RebuildSuggestionKeys();
  return index;
}

int COnScreenKeyboard::PlaceKey(int line, int group, const COnScreenKeyData& data) {
  COnScreenKeyGroup* keyGroup = Group(line, group);
  if (keyGroup == nullptr || !IsOneWord(data.type)) return -1;
  return keyGroup->AddKey(data, editMode_);
}

bool COnScreenKeyboard::ChangeKey(const COnScreenKeyIdentifier& key, const COnScreenKeyData& data) {
  CColorButton* button = Key(key);
  if (button == nullptr || !IsOneWord(data.type)) return false;
  const std::string oldType = button->TypeWord();
  if (!button->SetData(data)) return false;
  Group(key.line, key.group)->MarkModified();
  if (oldType != data.type) RebuildSuggestionKeys();
  return true;
}

const COnScreenKeyLine* COnScreenKeyboard::Line(int line) const {
  return line >= 0 && line < LineCount() ? lines_[static_cast<std::size_t>(line)].get() : nullptr;
}

COnScreenKeyLine* COnScreenKeyboard::Line(int line) {
  return const_cast<COnScreenKeyLine*>(std::as_const(*this).Line(line));
}

const COnScreenKeyGroup* COnScreenKeyboard::Group(int line, int group) const {
  const COnScreenKeyLine* keyLine = Line(line);
  return keyLine == nullptr ? nullptr : keyLine->Group(group);
}

COnScreenKeyGroup* COnScreenKeyboard::Group(int line, int group) {
  return const_cast<COnScreenKeyGroup*>(std::as_const(*this).Group(line, group));
}

const CColorButton* COnScreenKeyboard::Key(const COnScreenKeyIdentifier& key) const {
  const COnScreenKeyGroup* group = Group(key.line, key.group);
  return group == nullptr ? nullptr : group->Keys().Key(key.key);
}

CColorButton* COnScreenKeyboard::Key(const COnScreenKeyIdentifier& key) {
  return const_cast<CColorButton*>(std::as_const(*this).Key(key));
}

int COnScreenKeyboard::GroupCount(int line) const {
  const COnScreenKeyLine* keyLine = Line(line);
  return keyLine == nullptr ? 0 : keyLine->GroupCount();
}

int COnScreenKeyboard::KeyCount(int line, int group) const {
  const COnScreenKeyGroup* keyGroup = Group(line, group);
  return keyGroup == nullptr ? 0 : keyGroup->Keys().Count();
}

bool COnScreenKeyboard::KeyIsActive(const COnScreenKeyIdentifier& key) const {
  const CColorButton* button = Key(key);
  return button != nullptr && button->IsActive();
}

std::string COnScreenKeyboard::TypeOfKey(const COnScreenKeyIdentifier& key) const {
  const CColorButton* button = Key(key);
  return button == nullptr ? std::string() : button->TypeWord();
}

std::string COnScreenKeyboard::OutputOfKey(const COnScreenKeyIdentifier& key) const {
  const CColorButton* button = Key(key);
  return button == nullptr ? std::string() : button->Output();
}

void COnScreenKeyboard::SetOnLine(int line, KeyFlagSetter set, bool on) {
  if (COnScreenKeyLine* keyLine = Line(line))
    keyLine->ForEachKey([set, on](CColorButton& key) { (key.*set)(on); });
}

void COnScreenKeyboard::SetOnGroup(int line, int group, KeyFlagSetter set, bool on) {
  if (COnScreenKeyGroup* keyGroup = Group(line, group))
    keyGroup->ForEachKey([set, on](CColorButton& key) { (key.*set)(on); });
}

void COnScreenKeyboard::SetLineHighlighted(int line, bool on) {
  SetOnLine(line, &CColorButton::SetHighlighted, on);
}

void COnScreenKeyboard::SetGroupHighlighted(int line, int group, bool on) {
  SetOnGroup(line, group, &CColorButton::SetHighlighted, on);
}

void COnScreenKeyboard::SetKeyHighlighted(const COnScreenKeyIdentifier& key, bool on) {
  if (CColorButton* button = Key(key)) button->SetHighlighted(on);
}

void COnScreenKeyboard::SetLineMarker(int line, bool on) {
  SetOnLine(line, &CColorButton::SetMarker, on);
}

void COnScreenKeyboard::SetGroupMarker(int line, int group, bool on) {
  SetOnGroup(line, group, &CColorButton::SetMarker, on);
}

void COnScreenKeyboard::SetKeyMarker(const COnScreenKeyIdentifier& key, bool on) {
  if (CColorButton* button = Key(key)) button->SetMarker(on);
}

void COnScreenKeyboard::SetEditMode(bool on) {
  editMode_ = on;
  scanner_.SetSuspended(on);
  ForEachKey([on](CColorButton& key) { key.SetEditMode(on); });
}

std::string COnScreenKeyboard::LineName(int line) const {
  const COnScreenKeyLine* found = Line(line);
  return found ? found->Name() : std::string();
}

std::string COnScreenKeyboard::GroupName(int line, int group) const {
  const COnScreenKeyGroup* found = Group(line, group);
  return found ? found->Name() : std::string();
}

std::string COnScreenKeyboard::KeyDescription(const COnScreenKeyIdentifier& key) const {
  const CColorButton* found = Key(key);
  return found ? found->Description() : std::string();
}

const std::vector<COnScreenKeyIdentifier>& COnScreenKeyboard::SuggestionKeys(KeyType type) const {
  static const std::vector<COnScreenKeyIdentifier> kNone;
  const int list = SuggestionListOf(type);
  return list < 0 ? kNone : suggestionKeys_[static_cast<std::size_t>(list)];
}

void COnScreenKeyboard::RebuildSuggestionKeys() {
  for (auto& list : suggestionKeys_) list.clear();
  allSuggestionKeys_.clear();
  ForEachKey([this](CColorButton& key) {
    const int list = SuggestionListOf(key.Type());
    if (list < 0) return;
    suggestionKeys_[static_cast<std::size_t>(list)].push_back(key.Position());
    allSuggestionKeys_.push_back(key.Position());
  });
}

namespace {

std::string Counted(int count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

std::string DroppedRecordsMessage(std::string_view keyboardName, const DroppedRecords& dropped) {
  if (dropped == DroppedRecords{}) return {};
  return "O teclado " + std::string(keyboardName) +
         " tem mais do que \xe9 poss\xedvel mostrar (no m\xe1ximo " +
         std::to_string(COnScreenKeyboard::kCapacity) + " linhas, " +
         std::to_string(COnScreenKeyLine::kCapacity) + " grupos por linha e " +
         std::to_string(CColorButtonSet::kCapacity) + " teclas por grupo). Ficaram de fora " +
         Counted(dropped.lines, "linha", "linhas") + ", " +
         Counted(dropped.groups, "grupo", "grupos") + " e " +
         Counted(dropped.keys, "tecla", "teclas") +
         ". Se gravar este teclado, essa parte do ficheiro ser\xe1 perdida.";
}

}  // namespace vorelio
