// The widget that edits one profile option on its page, made from the
// option's row of the page table and of the key table. Each widget is named
// after its option's key (QObject::objectName), so that a page can be
// searched by key.
#pragma once

#include <QWidget>

#include <functional>
#include <string>

#include "app/ProfileOptionPages.h"

namespace vorelio {

struct OptionFieldEditor {
  QWidget* widget = nullptr;  // owned by its Qt parent
  // The widget's value as ParseOptionValue reads it for the option.
  std::function<std::string()> value;
};

// The editor of `field`, showing the option's value in `options`. The
// lists come from `choices`; a stored value that is none of a list's
// entries is offered too.
OptionFieldEditor MakeOptionFieldEditor(const ProfileOptionField& field,
                                        const UserProfileOptionKey& option,
                                        const UserProfileOptions& options,
                                        const ProfileOptionChoices& choices, QWidget* parent);

}  // namespace vorelio
