// CSystemOptions: the options of the installation rather than of a user,
// kept in the file "configsis" of the data folder, and the lock on system
// changes.
//
// "configsis" holds ten "KEY value" lines in a fixed order. The file is
// written only when an option changed since it was read, so options never
// changed are never written (a read-only file causes no error).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

namespace vorelio {

class CUserRecord;  // the configurator record (logging)

// The system options file of the data folder.
inline constexpr std::string_view kSystemOptionsFileName = "configsis";

class CSystemOptions {
 public:
  // The defaults of a fresh installation; not changed.
  CSystemOptions() = default;

  // Reads dataFolder + "configsis" through `files` (a missing file keeps
  // every value), remembers `files` for Save, and keeps the record pointer (not owned; may be null). Clears the changed
  // flag.
  void Load(FileSystem& files, const std::string& dataFolder, CUserRecord* record);
  // Reads file contents: per line, a known integer key takes the number
  // after it ("%d", 0 when none), a known string key the word after it
  // (empty when none), the priority list its word split at runs of ";"
  // (empty names dropped, at most 256). Unknown keys and blank lines are
  // ignored, a repeated key takes its last value, a line of any length is
  // read whole. Clears the changed flag.
  void ReadFrom(std::string_view contents);
  // The ten lines, in file order.
  std::string Contents() const;
  // Writes the file through a temporary file and a rename when an option
  // changed (and Load gave the folder), then clears the flag. False only
  // when a write failed; the flag then stays set.
  bool Save();
  bool Changed() const { return changed_; }

  // Every setter sets the changed flag.
  const std::string& StartProfile() const { return startProfile_; }
  void SetStartProfile(std::string name);
  bool ContextAdaptation() const { return contextAdaptation_ != 0; }
  void SetContextAdaptation(bool on);
  const std::string& BluetoothSearchMode() const { return bluetoothSearchMode_; }
  void SetBluetoothSearchMode(std::string mode);
  const std::string& GpsPort() const { return gpsPort_; }
  void SetGpsPort(std::string port);
  // 0 client, 1 server.
  int32_t CooperationRole() const { return cooperationRole_; }
  void SetCooperationRole(int32_t role);
  const std::string& CooperationServer() const { return cooperationServer_; }
  void SetCooperationServer(std::string computer);
  bool ClearSuggestionsAfterSelection() const { return clearSuggestions_ != 0; }
  void SetClearSuggestionsAfterSelection(bool on);
  // ALTERACOES_SISTEMA: true while changes are allowed (not locked).
  bool SystemChangesAllowed() const { return systemChangesAllowed_ != 0; }
  void SetSystemChangesAllowed(bool allowed);
  bool AdaptOnlyWhenProfileLeavesContext() const { return adaptOnlyOutsideContext_ != 0; }
  void SetAdaptOnlyWhenProfileLeavesContext(bool on);
  // Profile names, highest priority first.
  std::vector<std::string> PriorityList() const { return priorityList_; }
  void SetPriorityList(std::vector<std::string> names);

  CUserRecord* UserRecord() const { return userRecord_; }

  // The password dialog's answer: the right password unlocks system changes
  // and returns true; anything else shows "Senha incorrecta!" and changes
  // nothing.
  bool Unlock(std::string_view enteredPassword, MessageBoxService& messages);

 private:
  friend struct SystemOptionKeys;  // the table of keys in SystemOptions.cpp

  FileSystem* files_ = nullptr;
  std::string path_;
  CUserRecord* userRecord_ = nullptr;
  bool changed_ = false;

  std::string startProfile_ = "generico";            // PERFIL_UTILIZADOR_ARRANQUE
  int32_t contextAdaptation_ = 0;                    // ADAPTACAO_CONTEXTO
  std::string bluetoothSearchMode_;                  // MODO_PROCURA_ETIQUETAS_BLUETOOTH
  std::string gpsPort_ = "com1";                     // PORTA_GPS
  int32_t cooperationRole_ = 0;                      // PAPEL_COMUNICACAO_COOPERATIVA
  std::string cooperationServer_;                    // NOME_SERVIDOR_COMUNICACAO_COOPERATIVA
  int32_t clearSuggestions_ = 1;                     // LIMPAR_SUGESTOES_APOS_SELECCAO
  int32_t systemChangesAllowed_ = 1;                 // ALTERACOES_SISTEMA
  int32_t adaptOnlyOutsideContext_ = 0;              // ADAPTAR_APENAS_COM_PERFIL_GENERICO_ATIVO
  std::vector<std::string> priorityList_;            // LISTA_PRIORIDADES_ADAPTACAO_CONTEXTO
};

// True when `entered` is the system password (exact, case-sensitive);
// otherwise shows "Senha incorrecta!" and returns false. For the dialog's
// lock switch, which changes only after the right password.
bool CheckSystemPassword(std::string_view entered, MessageBoxService& messages);

}  // namespace vorelio
