// The option dialogs' identifiers in the configurator records, and the
// scope that records a dialog's opening and closing there. (The pages of the
// profile options dialog carry their own identifiers, from 150 up, in
// ProfileOptionPages.cpp.)
#pragma once

#include "logging/UserRecord.h"

namespace vorelio {

enum class ConfiguratorDialog : int {
  kProfileOptions = 140,   // "Opções do Perfil"
  kSystemOptions = 141,    // "Opções Gerais"
  kSystemPassword = 142,   // "Bloquear Alterações ao Sistema"
  kSpeechExceptions = 143, // "Excepções do Sintetizador de Fala"
};

// Records the opening of a dialog when made and its closing when destroyed;
// records nothing without a configurator record (null). The record must
// outlive the scope.
class RecordedDialog {
 public:
  RecordedDialog(CUserRecord* records, int dialogId) : records_(records), dialogId_(dialogId) {
    if (records_ != nullptr) records_->RecordDialogOpen(dialogId_);
  }
  RecordedDialog(CUserRecord* records, ConfiguratorDialog dialog)
      : RecordedDialog(records, static_cast<int>(dialog)) {}
  ~RecordedDialog() {
    if (records_ != nullptr) records_->RecordDialogClose(dialogId_);
  }
  RecordedDialog(const RecordedDialog&) = delete;
  RecordedDialog& operator=(const RecordedDialog&) = delete;

 private:
  CUserRecord* records_;
  int dialogId_;
};

}  // namespace vorelio
