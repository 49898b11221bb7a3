// A button that shows a colour and lets the person choose another in the
// colour dialog.
#pragma once

#include <QPushButton>

#include <cstdint>

namespace vorelio {

class ColourButton final : public QPushButton {
 public:
  // `colorref` is a COLORREF (0x00BBGGRR); its top byte is kept until the
  // person chooses another colour.
  ColourButton(int32_t colorref, QWidget* parent);

  int32_t Colour() const { return colorref_; }
  // Shows `colorref` as the button's colour.
  void SetColour(int32_t colorref);

 private:
  void Choose();

  int32_t colorref_;
};

}  // namespace vorelio
