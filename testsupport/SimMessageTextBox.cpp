#include "testsupport/SimMessageTextBox.h"

#include <algorithm>
#include <utility>

#include "common/KeyMessageFlags.h"
#include "common/VirtualKeys.h"

namespace vorelio::sim {
namespace {

constexpr std::intptr_t kDownFlags = KeyMessageFlags({});
constexpr std::intptr_t kUpFlags = KeyMessageFlags({.released = true});

}  // namespace

void SimMessageTextBox::SetText(std::string text, int caret) {
  text_ = std::move(text);
  pictograms_.clear();
  const int at = std::clamp(caret, 0, Length());
  selection_ = {at, at};
}

void SimMessageTextBox::AddPictureFile(std::string path, PictogramPicture picture) {
  pictureFiles_[std::move(path)] = std::move(picture);
}

void SimMessageTextBox::Click(vorelio::MouseButton button, ScreenPoint point) {
  pointer_ = point;
  if (listener_ != nullptr) listener_->MouseButtonChanged(button, true, point);
  // An unswallowed click puts the caret where it fell.
  if (!clicksSwallowed_ && button == vorelio::MouseButton::kLeft) {
    const int at = std::clamp((point.x - place_.x) / 10, 0, Length());
    selection_ = {at, at};
  }
  if (listener_ != nullptr) listener_->MouseButtonChanged(button, false, point);
}

void SimMessageTextBox::MoveMouse(ScreenPoint point) {
  pointer_ = point;
  if (listener_ != nullptr) listener_->MouseMoved(point);
}

const PictogramPicture* SimMessageTextBox::PictureAt(int position) const {
  const auto found = pictograms_.find(position);
  return found == pictograms_.end() ? nullptr : &found->second.picture;
}

void SimMessageTextBox::Select(int start, int end) {
  selection_ = {std::clamp(std::min(start, end), 0, Length()),
                std::clamp(std::max(start, end), 0, Length())};
}

void SimMessageTextBox::ReplaceSelection(std::string_view text) {
  Erase(selection_.start, selection_.end);
  Insert(selection_.start, text);
}

void SimMessageTextBox::ClearSelection() { Erase(selection_.start, selection_.end); }

bool SimMessageTextBox::InsertPicture(int position, const PictogramPicture& picture, int id) {
  if (picture.width <= 0 || picture.height <= 0) return false;
  const int at = std::clamp(position, 0, Length());
  Insert(at, std::string_view(&kPictogramCharacter, 1));
  pictograms_[at] = Pictogram{id, picture};
  selection_ = {at + 1, at + 1};
  return true;
}

bool SimMessageTextBox::InsertPictureFile(int position, std::string_view path, int id) {
  const auto found = pictureFiles_.find(std::string(path));
  return found != pictureFiles_.end() && InsertPicture(position, found->second, id);
}

std::vector<PictogramAt> SimMessageTextBox::Pictograms() const {
  std::vector<PictogramAt> pictograms;
  for (const auto& [position, pictogram] : pictograms_) {
    pictograms.push_back({position, pictogram.id});
  }
  return pictograms;
}

void SimMessageTextBox::SetSize(int32_t width, int32_t height) {
  width_ = width;
  height_ = height;
}

ScreenPoint SimMessageTextBox::CaretPosition() const {
  return {place_.x + 10 * selection_.end, place_.y};
}

ScreenRect SimMessageTextBox::ScreenArea() const {
  return {place_.x, place_.y, place_.x + width_, place_.y + height_};
}

void SimMessageTextBox::Erase(int start, int end) {
  if (start >= end) return;
  text_.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
  std::map<int, Pictogram> kept;
  for (auto& [position, pictogram] : pictograms_) {
    if (position < start) kept.emplace(position, std::move(pictogram));
    if (position >= end) kept.emplace(position - (end - start), std::move(pictogram));
  }
  pictograms_ = std::move(kept);
  selection_ = {start, start};
}

void SimMessageTextBox::Insert(int position, std::string_view text) {
  text_.insert(static_cast<std::size_t>(position), text);
  const int length = static_cast<int>(text.size());
  std::map<int, Pictogram> moved;
  for (auto& [at, pictogram] : pictograms_) {
    moved.emplace(at >= position ? at + length : at, std::move(pictogram));
  }
  pictograms_ = std::move(moved);
  selection_ = {position + length, position + length};
}

void SimMessageTextBox::SendKeyEvent(uint8_t virtualKey, bool down) {
  if (virtualKey == vk::kShift) modifiers_.shift = down;
  if (virtualKey == vk::kControl) modifiers_.ctrl = down;
  if (virtualKey == vk::kMenu) modifiers_.alt = down;
  if (listener_ != nullptr) {
    if (down) listener_->KeyDown(virtualKey, kDownFlags);
    if (!down) listener_->KeyUp(virtualKey, kUpFlags);
  }
  if (!down || specialKeys_.Holds(virtualKey)) return;
  if (virtualKey == vk::kCapital) modifiers_.capsLock = !modifiers_.capsLock;
  EditKey(virtualKey);
  const ProducedCharacters produced = layout_.KeyDown(virtualKey, modifiers_);
  for (int i = 0; i < produced.count; ++i) TypeCharacter(produced.characters[i], kDownFlags);
}

void SimMessageTextBox::EditKey(uint8_t virtualKey) {
  const int caret = selection_.end;
  switch (virtualKey) {
    case vk::kLeft: Select(caret - 1, caret - 1); break;
    case vk::kRight: Select(caret + 1, caret + 1); break;
    case vk::kHome: Select(0, 0); break;
    case vk::kEnd: Select(Length(), Length()); break;
    case vk::kDelete:
      if (selection_.start == selection_.end) Select(caret, caret + 1);
      ClearSelection();
      break;
    default: break;
  }
}

void SimMessageTextBox::TypeCharacter(char character, std::intptr_t flags) {
  if (character == '\b') {
    if (selection_.start == selection_.end) Select(selection_.end - 1, selection_.end);
    ClearSelection();
  } else if (character == '\r') {
    ReplaceSelection("\n");
  } else if (static_cast<unsigned char>(character) >= 0x20 || character == '\t') {
    ReplaceSelection(std::string_view(&character, 1));
  }
  if (listener_ != nullptr) listener_->CharacterTyped(character, flags);
}

}  // namespace vorelio::sim
