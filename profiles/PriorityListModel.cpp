#include "profiles/PriorityListModel.h"

#include <algorithm>
#include <utility>

namespace vorelio {

namespace {
constexpr std::string_view kAlreadyListed =
    "Esse perfil de utilizador j\xE1 se encontra na lista! ";
constexpr std::string_view kEmptyList = "Lista vazia!";
constexpr std::string_view kNoSelection = "Seleccione primeiro um perfil de utilizador.";
}  // namespace

void PriorityListModel::Select(int32_t index) {
  selection_ = index >= 0 && index < static_cast<int32_t>(names_.size()) ? index : -1;
}

bool PriorityListModel::Add(std::string_view chosenName, MessageBoxService& messages) {
  if (chosenName.empty()) return false;
  if (std::find(names_.begin(), names_.end(), chosenName) != names_.end()) {
    messages.ShowMessage(kAlreadyListed);
    return false;
  }
  names_.emplace_back(chosenName);
  return true;
}

bool PriorityListModel::HasSelection(MessageBoxService& messages) const {
  if (names_.empty()) {
    messages.ShowMessage(kEmptyList);
    return false;
  }
  if (selection_ < 0) {
    messages.ShowMessage(kNoSelection);
    return false;
  }
  return true;
}

bool PriorityListModel::Remove(MessageBoxService& messages) {
  if (!HasSelection(messages)) return false;
  const std::string& name = names_[static_cast<std::size_t>(selection_)];
  if (!messages.AskYesNo("Quer mesmo retirar o perfil " + name + " " + "da lista?")) return false;
  names_.erase(names_.begin() + selection_);
  Select(std::max(selection_ - 1, 0));
  return true;
}

bool PriorityListModel::MoveUp(MessageBoxService& messages) {
  if (!HasSelection(messages) || selection_ == 0) return false;
  std::swap(names_[static_cast<std::size_t>(selection_)],
            names_[static_cast<std::size_t>(selection_ - 1)]);
  --selection_;
  return true;
}

bool PriorityListModel::MoveDown(MessageBoxService& messages) {
  if (!HasSelection(messages) || selection_ + 1 >= static_cast<int32_t>(names_.size()))
    return false;
  std::swap(names_[static_cast<std::size_t>(selection_)],
            names_[static_cast<std::size_t>(selection_ + 1)]);
  ++selection_;
  return true;
}

}  // namespace vorelio
