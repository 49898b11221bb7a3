#include "profiles/SystemOptions.h"

#include <array>

#include "platform/AtomicFile.h"
#include "common/Scanner.h"
#include "common/Text.h"
#include "profiles/OptionValueEncoding.h"

namespace vorelio {

namespace {

constexpr std::string_view kSystemPassword = "$TolvameX4$";
constexpr std::string_view kWrongPassword = "Senha incorrecta!";
constexpr std::string_view kEncodedSpace = ";;;";

enum class Kind { kInteger, kWord, kEncodedWord, kNameList };

struct SystemKey {
  std::string_view key;
  Kind kind;
  int32_t CSystemOptions::*integer = nullptr;
  std::string CSystemOptions::*text = nullptr;
};

}  // namespace

// The keys in file order. A member of the class so the table reaches the
// private fields.
struct SystemOptionKeys {
  using S = CSystemOptions;
  static constexpr std::array<SystemKey, 10> kKeys = {{
      {"ADAPTACAO_CONTEXTO", Kind::kInteger, &S::contextAdaptation_},
      {"MODO_PROCURA_ETIQUETAS_BLUETOOTH", Kind::kWord, nullptr, &S::bluetoothSearchMode_},
      {"PORTA_GPS", Kind::kWord, nullptr, &S::gpsPort_},
      {"ALTERACOES_SISTEMA", Kind::kInteger, &S::systemChangesAllowed_},
      {"PAPEL_COMUNICACAO_COOPERATIVA", Kind::kInteger, &S::cooperationRole_},
      {"NOME_SERVIDOR_COMUNICACAO_COOPERATIVA", Kind::kEncodedWord, nullptr,
       &S::cooperationServer_},
      {"PERFIL_UTILIZADOR_ARRANQUE", Kind::kEncodedWord, nullptr, &S::startProfile_},
      {"LIMPAR_SUGESTOES_APOS_SELECCAO", Kind::kInteger, &S::clearSuggestions_},
      {"ADAPTAR_APENAS_COM_PERFIL_GENERICO_ATIVO", Kind::kInteger, &S::adaptOnlyOutsideContext_},
      {"LISTA_PRIORIDADES_ADAPTACAO_CONTEXTO", Kind::kNameList},
  }};
};

void CSystemOptions::Load(FileSystem& files, const std::string& dataFolder,
                          CUserRecord* record) {
  files_ = &files;
  path_ = dataFolder + std::string(kSystemOptionsFileName);
  userRecord_ = record;
  if (const std::optional<std::string> contents = files.ReadFile(path_)) ReadFrom(*contents);
  changed_ = false;
}

void CSystemOptions::ReadFrom(std::string_view contents) {
  LineReader lines(contents);
  std::string_view line;
  while (lines.Next(line)) {
    LineScanner scanner(line);
    std::string_view key;
    if (!scanner.String(key)) continue;
    for (const SystemKey& entry : SystemOptionKeys::kKeys) {
      if (entry.key != key) continue;
      if (entry.kind == Kind::kInteger) {
        int32_t value = 0;
        if (!scanner.Int(value)) value = 0;
        this->*entry.integer = value;
      } else {
        std::string_view word;
        if (!scanner.String(word)) word = {};
        // The two encoded values are read back as written: ";;;" is a space.
        if (entry.kind == Kind::kWord) this->*entry.text = std::string(word);
        else if (entry.kind == Kind::kEncodedWord) this->*entry.text = DecodeSpaces(word);
        else priorityList_ = Split(word, ";");
      }
      break;
    }
  }
  changed_ = false;
}

std::string CSystemOptions::Contents() const {
  std::string contents;
  for (const SystemKey& entry : SystemOptionKeys::kKeys) {
    contents.append(entry.key).append(" ");
    switch (entry.kind) {
      case Kind::kInteger: contents += std::to_string(this->*entry.integer); break;
      case Kind::kWord: contents += FirstWord(this->*entry.text); break;
      case Kind::kEncodedWord: contents += EncodeSpaces(this->*entry.text); break;
      case Kind::kNameList:
        for (std::size_t i = 0; i < priorityList_.size(); ++i) {
          if (i > 0) contents += kEncodedSpace;
          contents += FirstWord(priorityList_[i]);
        }
        break;
    }
    contents += '\n';
  }
  return contents;
}

bool CSystemOptions::Save() {
  if (!changed_ || path_.empty()) return true;
  if (!WriteFileAtomically(*files_, path_, Contents())) return false;
  changed_ = false;
  return true;
}

void CSystemOptions::SetStartProfile(std::string name) {
  startProfile_ = std::move(name);
  changed_ = true;
}
void CSystemOptions::SetContextAdaptation(bool on) {
  contextAdaptation_ = on ? 1 : 0;
  changed_ = true;
}
void CSystemOptions::SetBluetoothSearchMode(std::string mode) {
  bluetoothSearchMode_ = std::move(mode);
  changed_ = true;
}
void CSystemOptions::SetGpsPort(std::string port) {
  gpsPort_ = std::move(port);
  changed_ = true;
}
void CSystemOptions::SetCooperationRole(int32_t role) {
  cooperationRole_ = role;
  changed_ = true;
}
void CSystemOptions::SetCooperationServer(std::string computer) {
  cooperationServer_ = std::move(computer);
  changed_ = true;
}
void CSystemOptions::SetClearSuggestionsAfterSelection(bool on) {
  clearSuggestions_ = on ? 1 : 0;
  changed_ = true;
}
void CSystemOptions::SetSystemChangesAllowed(bool allowed) {
  systemChangesAllowed_ = allowed ? 1 : 0;
  changed_ = true;
}
void CSystemOptions::SetAdaptOnlyWhenProfileLeavesContext(bool on) {
  adaptOnlyOutsideContext_ = on ? 1 : 0;
  changed_ = true;
}
void CSystemOptions::SetPriorityList(std::vector<std::string> names) {
  priorityList_ = std::move(names);
  changed_ = true;
}

bool CSystemOptions::Unlock(std::string_view enteredPassword, MessageBoxService& messages) {
  if (!CheckSystemPassword(enteredPassword, messages)) return false;
  SetSystemChangesAllowed(true);
  return true;
}

bool CheckSystemPassword(std::string_view entered, MessageBoxService& messages) {
  if (entered == kSystemPassword) return true;
  messages.ShowMessage(kWrongPassword);
  return false;
}

}  // namespace vorelio
