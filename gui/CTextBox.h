// CTextBox: the rich-text box of the program's message editor, a QTextEdit
// implementing the editor's seam (output/MessageTextBox.h).
//
// Pictograms are images of the document, one character position each
// (QChar::ObjectReplacementCharacter), named "pictogram:<number>" so that
// each keeps the number it was inserted with.
//
// Keys are reported to the listener with their Windows codes before the
// box handles them (gui/QtVirtualKeys.h); a key of the special-key table is
// then dropped, so it never changes the text. The characters a key typed are
// reported after the box took them, in Windows-1252, as are the letters an
// input method composed (a dead key and a vowel). Clicks and moves of the
// pointer over the text are reported at their global points; while clicks
// are swallowed the box ignores them after reporting. The box never takes
// the focus on its own: only a click of the user's (or the program, by
// calling setFocus) gives it the focus.
#pragma once

#include <QTextEdit>

#include <string>

#include "output/MessageTextBox.h"

class QImage;

namespace vorelio {

class FileSystem;

class CTextBox final : public QTextEdit, public MessageTextBox {
 public:
  // Picture files are read through `files`, which must outlive the box.
  explicit CTextBox(FileSystem& files, QWidget* parent = nullptr);

  void SetListener(MessageTextBoxListener* listener) override { listener_ = listener; }
  std::string Text() const override;
  int Length() const override;
  TextSelection Selection() const override;
  void Select(int start, int end) override;
  void ReplaceSelection(std::string_view text) override;
  void ClearSelection() override;
  bool InsertPicture(int position, const PictogramPicture& picture, int id) override;
  bool InsertPictureFile(int position, std::string_view path, int id) override;
  std::vector<PictogramAt> Pictograms() const override;
  void SetFontFace(std::string_view face) override;
  void SetFontSize(int points) override;
  void SetSize(int32_t width, int32_t height) override;
  int32_t Width() const override { return width(); }
  int32_t Height() const override { return height(); }
  void Move(int32_t x, int32_t y) override;
  // The top-level window's id once it exists (the box makes none).
  DesktopWindow Window() const override;
  ScreenPoint CaretPosition() const override;
  ScreenRect ScreenArea() const override;
  ScreenPoint PointerPosition() const override;
  void MovePointer(ScreenPoint point) override;
  // Learnt from the letters typed (a capital without Shift) and the Caps
  // Lock key; off until then.
  bool CapsLockOn() const override { return capsLock_; }
  ReservedKeyTable& SpecialKeys() override { return specialKeys_; }
  void SetClicksSwallowed(bool swallowed) override { clicksSwallowed_ = swallowed; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  // Letters composed from a dead key arrive here on Linux.
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  bool InsertImage(int position, const QImage& image, int id);
  void MergeIntoAllText(const QTextCharFormat& format);
  // Reports the button; true when the box is to ignore the click.
  bool ReportButton(QMouseEvent& event, bool down);
  void LearnCapsLock(const QKeyEvent& event);

  FileSystem& files_;
  MessageTextBoxListener* listener_ = nullptr;
  ReservedKeyTable specialKeys_;
  bool clicksSwallowed_ = false;
  bool capsLock_ = false;
};

}  // namespace vorelio
