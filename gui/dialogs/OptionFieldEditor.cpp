#include "gui/dialogs/OptionFieldEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>

#include <algorithm>
#include <memory>
#include <vector>

#include "gui/QtText.h"
#include "gui/dialogs/ColourButton.h"

namespace vorelio {

namespace {

using E = OptionEditor;

constexpr int kRealDecimals = 6;  // as the options file keeps them
constexpr int kFontNameLength = 20;
constexpr int kTextFieldWidth = 280;
constexpr std::string_view kIntervalsExample = "Por exemplo: 08:30-12:00;14:00-17:30";

OptionFieldEditor Switch(int32_t current, QWidget* parent) {
  auto* box = new QCheckBox(parent);
  box->setChecked(current != 0);
  return {box, [box] { return std::string(box->isChecked() ? "1" : "0"); }};
}

OptionFieldEditor Number(NumberRange range, int32_t current, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setRange(range.minimum, range.maximum);
  spin->setValue(current);
  return {spin, [spin] { return std::to_string(spin->value()); }};
}

OptionFieldEditor Real(NumberRange range, double current, QWidget* parent) {
  auto* spin = new QDoubleSpinBox(parent);
  spin->setDecimals(kRealDecimals);
  spin->setRange(std::min<double>(range.minimum, current), std::max<double>(range.maximum, current));
  spin->setValue(current);
  return {spin, [spin] { return QString::number(spin->value(), 'f', kRealDecimals).toStdString(); }};
}

OptionFieldEditor Colour(int32_t current, QWidget* parent) {
  auto* button = new ColourButton(current, parent);
  return {button, [button] { return std::to_string(button->Colour()); }};
}

// A list of words; the value is the chosen word as stored.
OptionFieldEditor Words(std::vector<std::string> words, const std::string& current,
                        QWidget* parent) {
  auto* combo = new QComboBox(parent);
  for (const std::string& word : words) combo->addItem(ToQString(word));
  const auto found = std::find(words.begin(), words.end(), current);
  combo->setCurrentIndex(static_cast<int>(found - words.begin()));
  auto shared = std::make_shared<const std::vector<std::string>>(std::move(words));
  return {combo, [combo, shared] {
            const int index = combo->currentIndex();
            return index < 0 ? std::string() : (*shared)[static_cast<std::size_t>(index)];
          }};
}

// Integer values offered by name; a stored value without a name is offered
// as its number.
OptionFieldEditor NamedValues(std::span<const NamedValue> named, int32_t current,
                              QWidget* parent) {
  auto* combo = new QComboBox(parent);
  std::vector<int32_t> values;
  for (const NamedValue& entry : named) {
    combo->addItem(ToQString(entry.label));
    values.push_back(entry.value);
  }
  if (std::find(values.begin(), values.end(), current) == values.end()) {
    combo->insertItem(0, QString::number(current));
    values.insert(values.begin(), current);
  }
  combo->setCurrentIndex(
      static_cast<int>(std::find(values.begin(), values.end(), current) - values.begin()));
  return {combo, [combo, values] {
            return std::to_string(values[static_cast<std::size_t>(combo->currentIndex())]);
          }};
}

OptionFieldEditor FontFace(const std::string& current, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  combo->addItems(QFontDatabase::families());
  // Wide enough for most names, not for the longest one installed.
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(kFontNameLength);
  combo->setEditText(ToQString(current));
  return {combo, [combo] { return FromQString(combo->currentText()); }};
}

OptionFieldEditor Text(const std::string& current, bool blanksAllowed, QWidget* parent) {
  auto* edit = new QLineEdit(ToQString(current), parent);
  edit->setMinimumWidth(kTextFieldWidth);
  if (!blanksAllowed)
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("\\S*"), edit));
  return {edit, [edit] { return FromQString(edit->text()); }};
}

}  // namespace

OptionFieldEditor MakeOptionFieldEditor(const ProfileOptionField& field,
                                        const UserProfileOptionKey& option,
                                        const UserProfileOptions& options,
                                        const ProfileOptionChoices& choices, QWidget* parent) {
  const int32_t number = option.integer != nullptr ? options.*option.integer : 0;
  const std::string text = option.text != nullptr ? options.*option.text : std::string();
  OptionFieldEditor editor;
  switch (field.editor) {
    case E::kSwitch: editor = Switch(number, parent); break;
    case E::kNumber: editor = Number(OfferedRange(field, option, number), number, parent); break;
    case E::kReal:  // the key table bounds integers only
      editor = Real({field.minimum, field.maximum}, options.*option.real, parent);
      break;
    case E::kColour: editor = Colour(number, parent); break;
    case E::kFontFace: editor = FontFace(text, parent); break;
    case E::kVoice:
    case E::kKeyboard:
    case E::kScanMethod:
    case E::kKeyName:
      editor = Words(WordChoicesOf(field.editor, choices, text), text, parent);
      break;
    case E::kCompletionKeys:
    case E::kFill: editor = NamedValues(NamedValuesOf(field.editor), number, parent); break;
    case E::kText:
      editor = Text(text, option.type == OptionType::kEncodedText, parent);
      break;
    case E::kTimeIntervals: {
      editor = Text(text, false, parent);
      editor.widget->setToolTip(ToQString(kIntervalsExample));
      break;
    }
  }
  editor.widget->setObjectName(QString::fromLatin1(field.key.data(),
                                                   static_cast<qsizetype>(field.key.size())));
  return editor;
}

}  // namespace vorelio
