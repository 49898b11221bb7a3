// The preview window on the screen: a borderless window above the others,
// never activated, showing one text in the profile's font and colours just
// below the caret (or at the top of the screen when the caret is not
// known), sized to the text.
#pragma once

#include <QWidget>

#include <cstdint>
#include <string_view>

#include "app/PreviewWindow.h"

namespace vorelio {

class QtPreviewWindow final : public QWidget, public PreviewWindow {
 public:
  QtPreviewWindow();

  // The profile's TIPO_LETRA (Windows-1252), TAMANHO_LETRAS_PALAVRAS_PREDITAS,
  // COR_LETRAS and COR_FUNDO (0x00BBGGRR).
  void SetStyle(std::string_view fontFace, int points, int32_t textColour,
                int32_t backgroundColour);

  void Show(std::string_view text, std::optional<ScreenPoint> caret) override;
  void Hide() override;
  bool IsVisible() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor textColour_;
  QColor backgroundColour_;
};

}  // namespace vorelio
