// A borderless window of one line of text, centred on the screen and shown
// without taking the focus: the splash while the program starts ("Vorelio
// a iniciar... Por favor aguarde.") and the waiting window while a profile
// loads ("A carregar perfil... Por favor aguarde.").
#pragma once

#include <QWidget>

#include <cstdint>
#include <string_view>

namespace vorelio {

struct NoticeLook {
  std::string_view fontFace = "Tahoma";  // Windows-1252
  int points = 20;
  int32_t textColour = -1;        // 0x00BBGGRR; -1: the system's
  int32_t backgroundColour = -1;  // 0x00BBGGRR; -1: the system's
  int belowCentre = 0;            // pixels below the screen's centre
};

class TextNoticeWindow final : public QWidget {
 public:
  // `text` is Windows-1252. Shown at once, painted before this returns.
  explicit TextNoticeWindow(std::string_view text, const NoticeLook& look = {});

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace vorelio
