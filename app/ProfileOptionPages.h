// The pages of the profile options dialog: every option of the key table,
// once, on the page where a person looks for it, with its Portuguese label
// and the kind of editor that changes it. The dialog builds its widgets
// from this table and writes the values back through the key table, which
// alone holds the options' types, defaults and bounds.
#pragma once

#include <climits>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/OptionDialogs.h"
#include "profiles/UserProfileOptionTable.h"

namespace vorelio {

// How one option is edited.
enum class OptionEditor {
  kSwitch,          // a check box: 1 on, 0 off
  kNumber,          // a whole number in the offered range (OfferedRange)
  kReal,            // a real number in the offered range, six decimals
  kColour,          // a colour (COLORREF) chosen with a colour button
  kFontFace,        // a font family, typed or chosen
  kVoice,           // one of the voices, or "Nenhum"
  kKeyboard,        // one of the keyboards of the data folder
  kScanMethod,      // one of the scanning methods
  kKeyName,         // a key name free to be given a role
  kCompletionKeys,  // none, F1 to F10, or 0 to 9 (virtual-key code of the first)
  kFill,            // solid or gradient
  kText,            // free text (blanks only in the options that encode them)
  kTimeIntervals,   // "hh:mm-hh:mm" intervals separated by ";"
};

struct ProfileOptionField {
  std::string_view key;    // a key of the key table
  std::string_view label;  // Windows-1252
  OptionEditor editor;
  // For kNumber and kReal: what the page offers. The option's own bounds
  // always apply as well.
  int32_t minimum = INT32_MIN;
  int32_t maximum = INT32_MAX;
};

struct ProfileOptionPage {
  std::string_view title;  // Windows-1252
  int dialogId;            // the page's identifier in the configurator records
  std::span<const ProfileOptionField> fields;
};

// The pages in the order the dialog lists them.
std::span<const ProfileOptionPage> ProfileOptionPages();
// The page of the speech options, which also has the exceptions button.
inline constexpr std::string_view kSpeechPageTitle = "S\xEDntese de Fala";

struct NumberRange {
  int32_t minimum;
  int32_t maximum;
};
// The range a number editor offers: the page's range within the option's
// bounds, widened to hold `current` so that a stored value is shown as it is
// (and kept unless the person changes it).
NumberRange OfferedRange(const ProfileOptionField& field, const UserProfileOptionKey& option,
                         int32_t current);

// A value of an integer option offered by name in a list.
struct NamedValue {
  int32_t value;
  std::string_view label;  // Windows-1252
};
// The values of a kCompletionKeys or kFill editor; empty for other editors.
std::span<const NamedValue> NamedValuesOf(OptionEditor editor);

// The words a kVoice, kKeyboard, kScanMethod or kKeyName editor offers, in
// order, with `current` first when it is none of them (so that opening and
// closing the dialog never loses what the profile holds). Empty for other
// editors.
std::vector<std::string> WordChoicesOf(OptionEditor editor, const ProfileOptionChoices& choices,
                                       const std::string& current);

// True when `text` is a list of time intervals as the weekday options hold
// them: empty, or "hh:mm-hh:mm" items (hours 00 to 23, minutes 00 to 59)
// joined by ";".
bool IsTimeIntervalList(std::string_view text);

}  // namespace vorelio
