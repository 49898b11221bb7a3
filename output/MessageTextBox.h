// The rich-text box of the program's message editor, as the editor
// (CInternalWordProcessor) sees it: text that mixes typed characters and
// pictures, a selection, a font, a place on the screen and the events of the
// user's keys and mouse in it. The GUI implements it with a rich-text widget
// (gui/CTextBox.h); tests use a simulated box that needs no screen.
//
// Text is Windows-1252. Each embedded pictogram is one character position,
// read as kPictogramCharacter; positions count from 0 and run to Length().
// Pictograms carry a number chosen by whoever inserts them, so that what
// belongs to a pictogram stays with it when text around it, or the
// pictogram itself, is deleted.
//
// Called on the user-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/MouseButton.h"
#include "output/DesktopQueries.h"
#include "output/ReservedKeyTable.h"
#include "output/WordProcessor.h"

namespace vorelio {

// How a pictogram reads in Text(): the ASCII "substitute" control character.
// No key types it and it is neither a letter nor a separator, so it is never
// mistaken for typed text; the editor decides how a pictogram counts in its
// word and sentence queries.
inline constexpr char kPictogramCharacter = '\x1A';

// The selection from `start` to `end` (start <= end); the caret is at its
// end. An empty selection is just the caret.
struct TextSelection {
  int start = 0;
  int end = 0;
  friend bool operator==(const TextSelection&, const TextSelection&) = default;
};

// A pictogram of the text: its position and the number it was inserted with.
struct PictogramAt {
  int position = 0;
  int id = 0;
  friend bool operator==(const PictogramAt&, const PictogramAt&) = default;
};

// The box's own events, delivered on the user-interface thread. Key flags
// are those of a Windows key message (bit 24 extended key, bit 29 Alt held,
// bit 30 the key was already down, bit 31 released). Screen points are
// global.
class MessageTextBoxListener {
 public:
  virtual ~MessageTextBoxListener() = default;
  // Before the box handles the key; a key of the special-key table goes no
  // further.
  virtual void KeyDown(int virtualKey, std::intptr_t keyFlags) = 0;
  virtual void KeyUp(int virtualKey, std::intptr_t keyFlags) = 0;
  // A character the user typed into the text (Backspace as '\b', Enter as
  // '\r'), after the box took it.
  virtual void CharacterTyped(char character, std::intptr_t keyFlags) = 0;
  virtual void MouseButtonChanged(MouseButton button, bool down, ScreenPoint point) = 0;
  virtual void MouseMoved(ScreenPoint point) = 0;
};

class MessageTextBox {
 public:
  virtual ~MessageTextBox() = default;

  // Null: no one listens. The listener must outlive the box or be replaced.
  virtual void SetListener(MessageTextBoxListener* listener) = 0;

  // The text, each pictogram read as kPictogramCharacter.
  virtual std::string Text() const = 0;
  virtual int Length() const = 0;
  virtual TextSelection Selection() const = 0;
  // Selects from `start` to `end`, both cut to 0..Length(); the caret goes
  // to `end`.
  virtual void Select(int start, int end) = 0;
  // Replaces the selection with `text` (as typed; no pictograms); the caret
  // goes after it.
  virtual void ReplaceSelection(std::string_view text) = 0;
  // Deletes the selected text and pictograms; nothing when the selection is
  // empty.
  virtual void ClearSelection() = 0;

  // Embeds the picture at `position` (cut to 0..Length()) with the number
  // `id`; the caret goes just after it and is scrolled into view. False,
  // and nothing inserted, when the picture is empty.
  virtual bool InsertPicture(int position, const PictogramPicture& picture, int id) = 0;
  // The same with the picture read from an image file (a program path);
  // false, and nothing inserted, when the file cannot be read as a picture.
  virtual bool InsertPictureFile(int position, std::string_view path, int id) = 0;
  // The pictograms of the text, by position.
  virtual std::vector<PictogramAt> Pictograms() const = 0;

  // The font of all the text (and of what is typed next); the selection is
  // kept.
  virtual void SetFontFace(std::string_view face) = 0;
  virtual void SetFontSize(int points) = 0;

  // The editor's size and its place within its parent window, in pixels.
  virtual void SetSize(int32_t width, int32_t height) = 0;
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  virtual void Move(int32_t x, int32_t y) = 0;

  // The box's window on the desktop; 0 while it has none.
  virtual DesktopWindow Window() const = 0;
  // The top-left corner of the caret on the screen.
  virtual ScreenPoint CaretPosition() const = 0;
  // The box's area on the screen, and the mouse pointer.
  virtual ScreenRect ScreenArea() const = 0;
  virtual ScreenPoint PointerPosition() const = 0;
  virtual void MovePointer(ScreenPoint point) = 0;
  // Caps Lock as the box last saw it.
  virtual bool CapsLockOn() const = 0;

  // Keys reported but kept from the text.
  virtual ReservedKeyTable& SpecialKeys() = 0;
  // While set, mouse clicks are reported and then ignored by the box.
  virtual void SetClicksSwallowed(bool swallowed) = 0;
};

}  // namespace vorelio
