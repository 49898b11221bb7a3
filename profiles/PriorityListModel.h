// The priority list of the general options dialog as a model: the names
// and the selected entry, with the four buttons' operations and their
// messages. The dialog draws it and passes the chosen profile name in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"

namespace vorelio {

class PriorityListModel {
 public:
  explicit PriorityListModel(std::vector<std::string> names = {}) : names_(std::move(names)) {}

  const std::vector<std::string>& Names() const { return names_; }
  // The selected index, -1 for none.
  int32_t Selection() const { return selection_; }
  // Out-of-range indices select nothing.
  void Select(int32_t index);

  // "Adicionar...": appends the profile chosen in the selection dialog
  // (empty: cancelled, nothing happens). A name already listed is refused
  // with its message. True when added.
  bool Add(std::string_view chosenName, MessageBoxService& messages);
  // "Remover": refuses an empty list or no selection with their messages;
  // asks before removing the selected name; then selects the entry before
  // it (or the first). True when removed.
  bool Remove(MessageBoxService& messages);
  // "Cima" / "Baixo": the same refusals; moves the selected name one place
  // and keeps it selected (nothing at the top or bottom). True when moved.
  bool MoveUp(MessageBoxService& messages);
  bool MoveDown(MessageBoxService& messages);

 private:
  bool HasSelection(MessageBoxService& messages) const;

  std::vector<std::string> names_;
  int32_t selection_ = -1;
};

}  // namespace vorelio
