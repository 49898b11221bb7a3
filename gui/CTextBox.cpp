#include "gui/CTextBox.h"

#include <QCursor>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>
#include <optional>

#include "common/KeyMessageFlags.h"
#include "common/Text.h"
#include "gui/QtMouseButtons.h"
#include "gui/QtText.h"
#include "gui/QtVirtualKeys.h"
#include "platform/FileSystem.h"

namespace vorelio {
namespace {

const QString kPictogramPrefix = QStringLiteral("pictogram:");

ScreenPoint ScreenPointOf(QPoint point) { return {point.x(), point.y()}; }

// 0x00BBGGRR pixels, rows from the top, as a Qt image; null when the pixels
// do not fill the picture.
QImage ImageOf(const PictogramPicture& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height) {
    return {};
  }
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const uint32_t pixel = picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
      image.setPixel(x, y, qRgb(pixel & 0xFF, (pixel >> 8) & 0xFF, (pixel >> 16) & 0xFF));
    }
  }
  return image;
}

}  // namespace

CTextBox::CTextBox(FileSystem& files, QWidget* parent) : QTextEdit(parent), files_(files) {
  setAcceptRichText(false);  // pasted text comes without the sender's formats
  viewport()->setMouseTracking(true);
}

// Each pictogram is one object character, and every other position one
// character of the text: a character outside the Basic Multilingual Plane
// takes two positions and reads as two "?".
std::string CTextBox::Text() const {
  QString plain = document()->toPlainText();
  for (QChar& character : plain) {
    if (character == QChar::ObjectReplacementCharacter) {
      character = QChar(static_cast<unsigned char>(kPictogramCharacter));
    } else if (character.isSurrogate()) {
      character = QLatin1Char('?');
    }
  }
  return FromQString(plain);
}

int CTextBox::Length() const { return document()->characterCount() - 1; }

TextSelection CTextBox::Selection() const {
  const QTextCursor cursor = textCursor();
  return {cursor.selectionStart(), cursor.selectionEnd()};
}

void CTextBox::Select(int start, int end) {
  const int length = Length();
  QTextCursor cursor(document());
  cursor.setPosition(std::clamp(std::min(start, end), 0, length));
  cursor.setPosition(std::clamp(std::max(start, end), 0, length), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

void CTextBox::ReplaceSelection(std::string_view text) {
  QTextCursor cursor = textCursor();
  cursor.insertText(ToQString(text));
  setTextCursor(cursor);
}

void CTextBox::ClearSelection() {
  QTextCursor cursor = textCursor();
  cursor.removeSelectedText();
  setTextCursor(cursor);
}

bool CTextBox::InsertImage(int position, const QImage& image, int id) {
  if (image.isNull()) return false;
  const QString name = kPictogramPrefix + QString::number(id);
  document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
  QTextImageFormat format;
  format.setName(name);
  format.setWidth(image.width());
  format.setHeight(image.height());
  QTextCursor cursor(document());
  cursor.setPosition(std::clamp(position, 0, Length()));
  cursor.insertImage(format);
  setTextCursor(cursor);
  ensureCursorVisible();
  return true;
}

bool CTextBox::InsertPicture(int position, const PictogramPicture& picture, int id) {
  return InsertImage(position, ImageOf(picture), id);
}

bool CTextBox::InsertPictureFile(int position, std::string_view path, int id) {
  const std::optional<std::string> bytes = files_.ReadFile(std::string(path));
  if (!bytes) return false;
  QImage image;
  image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()));
  return InsertImage(position, image, id);
}

std::vector<PictogramAt> CTextBox::Pictograms() const {
  std::vector<PictogramAt> pictograms;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextFragment part = fragment.fragment();
      if (!part.charFormat().isImageFormat()) continue;
      const QString name = part.charFormat().toImageFormat().name();
      if (!name.startsWith(kPictogramPrefix)) continue;
      const int id = name.mid(kPictogramPrefix.size()).toInt();
      // Copies of one pictogram side by side share a fragment.
      const QString text = part.text();
      for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QChar::ObjectReplacementCharacter) pictograms.push_back({part.position() + i, id});
      }
    }
  }
  return pictograms;
}

void CTextBox::MergeIntoAllText(const QTextCharFormat& format) {
  QTextCursor all(document());
  all.select(QTextCursor::Document);
  all.mergeCharFormat(format);
  // What is typed next, at the caret or into an empty box, too.
  mergeCurrentCharFormat(format);
}

void CTextBox::SetFontFace(std::string_view face) {
  QFont font = document()->defaultFont();
  font.setFamily(ToQString(face));
  document()->setDefaultFont(font);
  QTextCharFormat format;
  format.setFontFamilies({ToQString(face)});
  MergeIntoAllText(format);
}

void CTextBox::SetFontSize(int points) {
  if (points <= 0) return;
  QFont font = document()->defaultFont();
  font.setPointSize(points);
  document()->setDefaultFont(font);
  QTextCharFormat format;
  format.setFontPointSize(points);
  MergeIntoAllText(format);
}

void CTextBox::SetSize(int32_t width, int32_t height) {
  resize(std::max(0, width), std::max(0, height));
}

void CTextBox::Move(int32_t x, int32_t y) { move(x, y); }

DesktopWindow CTextBox::Window() const {
  return static_cast<DesktopWindow>(window()->internalWinId());
}

ScreenPoint CTextBox::CaretPosition() const {
  return ScreenPointOf(viewport()->mapToGlobal(cursorRect().topLeft()));
}

ScreenRect CTextBox::ScreenArea() const {
  const QPoint topLeft = mapToGlobal(QPoint(0, 0));
  return {topLeft.x(), topLeft.y(), topLeft.x() + width(), topLeft.y() + height()};
}

ScreenPoint CTextBox::PointerPosition() const { return ScreenPointOf(QCursor::pos()); }

void CTextBox::MovePointer(ScreenPoint point) { QCursor::setPos(point.x, point.y); }

void CTextBox::LearnCapsLock(const QKeyEvent& event) {
  if (event.key() == Qt::Key_CapsLock) {
    capsLock_ = !capsLock_;
    return;
  }
  const QString text = event.text();
  if (text.size() != 1 || !text[0].isLetter() || text[0].isUpper() == text[0].isLower()) return;
  // A letter the other way round from Shift was typed with Caps Lock on.
  const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
  capsLock_ = text[0].isUpper() != shift;
}

void CTextBox::keyPressEvent(QKeyEvent* event) {
  const uint8_t virtualKey = VirtualKeyOf(*event);
  const std::intptr_t flags = KeyFlagsOf(*event, false);
  if (listener_ != nullptr && virtualKey != 0) listener_->KeyDown(virtualKey, flags);
  if (virtualKey != 0 && specialKeys_.Holds(virtualKey)) {
    event->accept();
    return;
  }
  LearnCapsLock(*event);
  QTextEdit::keyPressEvent(event);
  if (listener_ == nullptr) return;
  for (const char character : FromQString(event->text())) listener_->CharacterTyped(character, flags);
}

void CTextBox::keyReleaseEvent(QKeyEvent* event) {
  const uint8_t virtualKey = VirtualKeyOf(*event);
  if (listener_ != nullptr && virtualKey != 0) {
    listener_->KeyUp(virtualKey, KeyFlagsOf(*event, true));
  }
  if (virtualKey != 0 && specialKeys_.Holds(virtualKey)) {
    event->accept();
    return;
  }
  QTextEdit::keyReleaseEvent(event);
}

void CTextBox::inputMethodEvent(QInputMethodEvent* event) {
  QTextEdit::inputMethodEvent(event);
  if (listener_ == nullptr) return;
  const std::intptr_t flags = KeyMessageFlags({});
  for (const char character : FromQString(event->commitString())) {
    listener_->CharacterTyped(character, flags);
  }
}

bool CTextBox::ReportButton(QMouseEvent& event, bool down) {
  const std::optional<MouseButton> button = MouseButtonOf(event.button());
  if (listener_ != nullptr && button) {
    listener_->MouseButtonChanged(*button, down, ScreenPointOf(event.globalPosition().toPoint()));
  }
  if (!clicksSwallowed_) return false;
  event.accept();
  return true;
}

void CTextBox::mousePressEvent(QMouseEvent* event) {
  if (!ReportButton(*event, true)) QTextEdit::mousePressEvent(event);
}

void CTextBox::mouseReleaseEvent(QMouseEvent* event) {
  if (!ReportButton(*event, false)) QTextEdit::mouseReleaseEvent(event);
}

// A double click is a second press as far as the listener is concerned.
void CTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!ReportButton(*event, true)) QTextEdit::mouseDoubleClickEvent(event);
}

void CTextBox::mouseMoveEvent(QMouseEvent* event) {
  if (listener_ != nullptr) listener_->MouseMoved(ScreenPointOf(event->globalPosition().toPoint()));
  QTextEdit::mouseMoveEvent(event);
}

}  // namespace vorelio
