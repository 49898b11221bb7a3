#include "logging/UserRecord.h"

#include <cstdio>
#include <optional>

#include "logging/MilliTime.h"
#include "platform/AtomicFile.h"

namespace vorelio {
namespace {

constexpr std::string_view kFirstLine = "<CONFIGURATOR_RECORDS>\n";
constexpr std::string_view kEndTag = "</CONFIGURATOR_RECORDS>\n";

constexpr std::string_view kCreateError =
    "Erro na abertura do ficheiro com registos do configurador.";
constexpr std::string_view kOpenError = "Erro na abertura do ficheiro de registos do configurador!";
constexpr std::string_view kClearQuestion = "Quer mesmo apagar os registos do configurador?";
constexpr std::string_view kCleared = "Os registos do configurador foram apagados com sucesso.";
constexpr std::string_view kClearError = "Erro ao apagar os registos do configurador.";
constexpr std::string_view kCopyError =
    "N\xE3o foi poss\xEDvel copiar os registos do configurador para a localiza\xE7\xE3o "
    "indicada. Provavelmente existe uma c\xF3pia anterior desse ficheiro nessa "
    "localiza\xE7\xE3o. Remova esse ficheiro ou indique outra localiza\xE7\xE3o.";
constexpr std::string_view kCopyEndError =
    "N\xE3o foi poss\xEDvel concluir a c\xF3pia do ficheiro com os registos do configurador:";
constexpr std::string_view kCopied = "Os registos do configurador foram copiados com sucesso.";

}  // namespace

CUserRecord::CUserRecord(FileSystem& files, MessageBoxService& messages, ClockService& clock)
    : files_(files), messages_(messages), clock_(clock) {}

CUserRecord::~CUserRecord() = default;

bool CUserRecord::Open(const std::string& dataFolder, std::string_view name) {
  Close();
  path_ = dataFolder + std::string(name) + ".xml";
  if (!PathExists(files_, path_) && !WriteFileAtomically(files_, path_, kFirstLine))
    messages_.ShowMessage(kCreateError);
  if (OpenForAppending()) return true;
  messages_.ShowMessage(kOpenError);
  path_.clear();
  return false;
}

bool CUserRecord::OpenForAppending() {
  file_ = files_.OpenForAppend(path_);
  return file_ != nullptr;
}

void CUserRecord::RecordMenuCommand(int commandId) {
  Write("<MENU>\n<ID>" + std::to_string(commandId) + "</ID>\n<SELECTION_TIME>" + TimeStamp() +
        "</SELECTION_TIME>\n</MENU>\n");
}

void CUserRecord::RecordDialogOpen(int dialogId) {
  Write("<DIALOG>\n<ID>" + std::to_string(dialogId) + "</ID>\n<OPEN_TIME>" + TimeStamp() +
        "</OPEN_TIME>\n");
}

void CUserRecord::RecordDialogClose(int /*dialogId*/) {
  Write("<CLOSE_TIME>" + TimeStamp() + "</CLOSE_TIME>\n</DIALOG>\n");
}

void CUserRecord::RecordFeedback(int difficulty, std::string_view suggestion) {
  Write("<USER_FEEDBACK>\n<FEEDBACK_TIME>" + TimeStamp() + "</FEEDBACK_TIME>\n<USER_DIFFICULTY>" +
        std::to_string(difficulty) + "</USER_DIFFICULTY>\n<USER_SUGGESTION>" +
        std::string(suggestion) + "</USER_SUGGESTION>\n</USER_FEEDBACK>\n");
}

bool CUserRecord::Clear() {
  if (!messages_.AskYesNo(kClearQuestion)) return false;
  file_.reset();
  if (path_.empty() || !WriteFileAtomically(files_, path_, kFirstLine)) {
    if (!path_.empty()) OpenForAppending();  // keep recording into the old file
    messages_.ShowMessage(kClearError);
    return false;
  }
  OpenForAppending();
  messages_.ShowMessage(kCleared);
  return true;
}

bool CUserRecord::CopyTo(const std::string& folder) {
  std::string target = folder;
  if (!target.empty() && target.back() != '/' && target.back() != '\\') target += '/';
  target += CMilliTime(clock_).FileNameFormWithoutColons() + " " + FileNameOf(path_);
  const auto contents = path_.empty() ? std::nullopt : files_.ReadFile(path_);
  if (!contents || !WriteNewFile(files_, target, *contents)) {
    messages_.ShowMessage(kCopyError);
    return false;
  }
  const std::unique_ptr<WritableFile> copy = files_.OpenForAppend(target);
  if (!copy || !copy->Append(kEndTag) || !copy->Sync() || !copy->Close()) {
    messages_.ShowMessage(kCopyEndError);
    return false;
  }
  messages_.ShowMessage(kCopied);
  return true;
}

void CUserRecord::Close() {
  file_.reset();
  path_.clear();
}

void CUserRecord::Write(std::string_view record) {
  if (!file_) return;
  // Unbuffered: each record reaches the file at once.
  file_->Append(record);
}

std::string CUserRecord::TimeStamp() {
  const LocalTime now = clock_.Now();
  char text[64];
  std::snprintf(text, sizeof text, "%04d:%02d:%02d:%02d:%02d:%02d", now.year, now.month, now.day,
                now.hour, now.minute, now.second);
  return text;
}

}  // namespace vorelio
