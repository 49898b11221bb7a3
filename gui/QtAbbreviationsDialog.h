// The abbreviations dialog: lists the profile's abbreviations with their
// expansions, adds or replaces one and removes the one selected, working
// directly on the set (the menu saves it when the dialog closes).
#pragma once

#include <QDialog>

#include "platform/MessageBox.h"
#include "prediction/AbbreviationExpansionSet.h"

class QLineEdit;
class QTableWidget;

namespace vorelio {

// Shown when the set refuses a pair its file could not give back.
inline constexpr std::string_view kAbbreviationRefusedMessage =
    "A abreviatura deve ser uma palavra sem espa\xE7os e a expans\xE3o um texto de uma s\xF3 "
    "linha que n\xE3o comece por um espa\xE7o.";

class QtAbbreviationsDialog final : public QDialog {
 public:
  QtAbbreviationsDialog(QWidget* parent, CAbbreviationExpansionSet& abbreviations,
                        MessageBoxService& messages);

  // "Adicionar": the two fields as a pair, replacing the abbreviation's
  // expansion; a pair the set refuses is told.
  void AddTyped();
  // "Remover": the selected abbreviation.
  void RemoveSelected();

  QTableWidget& Table() { return *table_; }
  QLineEdit& AbbreviationField() { return *abbreviation_; }
  QLineEdit& ExpansionField() { return *expansion_; }

 private:
  void Refill();

  CAbbreviationExpansionSet& abbreviations_;
  MessageBoxService& messages_;
  QTableWidget* table_;
  QLineEdit* abbreviation_;
  QLineEdit* expansion_;
};

}  // namespace vorelio
