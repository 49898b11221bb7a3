// A message editor's text box without a screen, for tests: the text with its
// pictograms, the selection, the font, size and place as plain values, and
// the user's "hands" (clicks, mouse moves) as calls.
//
// It is also a KeystrokeSink on the Portuguese layout with dead keys
// (SimKeyboardLayout), so a CKeyboard writing into it types as into the
// real box: each key down is reported to the listener first; a key of the
// special-key table stops there; otherwise Backspace, Delete, Left, Right,
// Home and End edit and move, Caps Lock toggles, and the characters the key produces join the
// text at the caret (Enter as a line feed) and are reported as typed.
//
// Picture files are whatever the test declares readable (AddPictureFile).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "output/KeystrokeSink.h"
#include "output/MessageTextBox.h"
#include "testsupport/SimKeyboardLayout.h"

namespace vorelio::sim {

class SimMessageTextBox final : public MessageTextBox, public KeystrokeSink {
 public:
  // The text and the caret (cut to the text) without any event.
  void SetText(std::string text, int caret);
  // A file InsertPictureFile can read, holding `picture`.
  void AddPictureFile(std::string path, PictogramPicture picture);
  void Click(vorelio::MouseButton button, ScreenPoint point);
  void MoveMouse(ScreenPoint point);
  void SetCapsLock(bool on) { modifiers_.capsLock = on; }

  const std::string& FontFace() const { return fontFace_; }
  int FontSize() const { return fontSize_; }
  ScreenPoint Place() const { return place_; }
  bool ClicksSwallowed() const { return clicksSwallowed_; }
  // The picture of the pictogram at `position`; null when there is none.
  const PictogramPicture* PictureAt(int position) const;

  void SetListener(MessageTextBoxListener* listener) override { listener_ = listener; }
  std::string Text() const override { return text_; }
  int Length() const override { return static_cast<int>(text_.size()); }
  TextSelection Selection() const override { return selection_; }
  void Select(int start, int end) override;
  void ReplaceSelection(std::string_view text) override;
  void ClearSelection() override;
  bool InsertPicture(int position, const PictogramPicture& picture, int id) override;
  bool InsertPictureFile(int position, std::string_view path, int id) override;
  std::vector<PictogramAt> Pictograms() const override;
  void SetFontFace(std::string_view face) override { fontFace_ = face; }
  void SetFontSize(int points) override { fontSize_ = points; }
  void SetSize(int32_t width, int32_t height) override;
  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  void Move(int32_t x, int32_t y) override { place_ = {x, y}; }
  DesktopWindow Window() const override { return kWindow; }
  // 10 pixels per character from the box's place.
  ScreenPoint CaretPosition() const override;
  ScreenRect ScreenArea() const override;
  ScreenPoint PointerPosition() const override { return pointer_; }
  void MovePointer(ScreenPoint point) override { pointer_ = point; }
  bool CapsLockOn() const override { return modifiers_.capsLock; }
  ReservedKeyTable& SpecialKeys() override { return specialKeys_; }
  void SetClicksSwallowed(bool swallowed) override { clicksSwallowed_ = swallowed; }

  void SendKeyEvent(uint8_t virtualKey, bool down) override;
  KeyScanResult KeyScan(char character) override { return SimKeyboardLayout::KeyScan(character); }

  static constexpr DesktopWindow kWindow = 0x5000001;

 private:
  struct Pictogram {
    int id = 0;
    PictogramPicture picture;
  };
  // Removes the characters [start, end) and the pictograms among them.
  void Erase(int start, int end);
  void Insert(int position, std::string_view text);
  void EditKey(uint8_t virtualKey);
  void TypeCharacter(char character, std::intptr_t flags);

  std::string text_;
  TextSelection selection_;
  std::map<int, Pictogram> pictograms_;  // by position
  std::map<std::string, PictogramPicture> pictureFiles_;
  MessageTextBoxListener* listener_ = nullptr;
  SimKeyboardLayout layout_;
  KeyModifiers modifiers_;
  ReservedKeyTable specialKeys_;
  bool clicksSwallowed_ = false;
  std::string fontFace_;
  int fontSize_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  ScreenPoint place_;
  ScreenPoint pointer_;
};

}  // namespace vorelio::sim
