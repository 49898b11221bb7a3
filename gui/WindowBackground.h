// The main window's client area: paints the profile's window background
// (TIPO_PREENCHIMENTO_JANELA solid or gradient at ANGULO_DEGRADE_JANELA
// from COR_FUNDO_JANELA to COR_FUNDO_JANELA2, or the picture IMAGEM_FUNDO
// stretched over it) and places its two elements: the message editor, when
// there is one, above the on-screen keyboard, both at the left or, with
// CENTRA_ELEMENTOS_JANELA, centred. The editor is ALTURA_EDITOR_MENSAGENS
// high and as wide as the keyboard (AJUSTA_COMPRIMENTO_EDITOR_MENSAGENS) or
// as the window.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <string>

namespace vorelio {

struct UserProfileOptions;

class WindowBackground final : public QWidget {
 public:
  explicit WindowBackground(QWidget* parent = nullptr);

  // The keyboard's widget and the editor's (null: none); children of this.
  void SetKeyboard(QWidget* keyboard) { keyboard_ = keyboard; }
  void SetEditor(QWidget* editor) { editor_ = editor; }

  // Takes the profile's background and placement options; the picture is
  // looked for as given and then in `dataFolder`. Places the elements.
  void ApplyOptions(const UserProfileOptions& options, const std::string& dataFolder);
  // The room the elements need: the wider of the two, the heights summed.
  QSize ContentSize() const;
  // Places the elements again (after the keyboard's size changed).
  void PlaceElements();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPointer<QWidget> keyboard_;
  QPointer<QWidget> editor_;
  bool gradient_ = true;
  double gradientAngle_ = 45;
  QColor colour_;
  QColor colour2_;
  QImage picture_;
  bool centred_ = false;
  bool editorFitsKeyboard_ = true;
  int editorHeight_ = 80;
};

}  // namespace vorelio
