#include "logging/UserRecord.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "common/FileIo.h"
#include "logging/MilliTime.h"

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

bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Creates `path` holding `contents`; fails if the file already exists.
bool CreateNewFile(const std::string& path, std::string_view contents) {
  const int descriptor = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (descriptor < 0) return false;
  const bool written = WriteAll(descriptor, contents) && ::fsync(descriptor) == 0;
  const bool closed = ::close(descriptor) == 0;
  if (written && closed) return true;
  std::remove(NativePath(path).c_str());
  return false;
}

bool AppendToFile(const std::string& path, std::string_view bytes) {
  const int descriptor = ::open(NativePath(path).c_str(), O_WRONLY | O_APPEND);
  if (descriptor < 0) return false;
  const bool written = WriteAll(descriptor, bytes) && ::fsync(descriptor) == 0;
  return ::close(descriptor) == 0 && written;
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

CUserRecord::CUserRecord(MessageBoxService& messages, ClockService& clock)
    : messages_(messages), clock_(clock) {}

CUserRecord::~CUserRecord() = default;

bool CUserRecord::Open(const std::string& dataFolder, std::string_view name) {
  Close();
  path_ = dataFolder + std::string(name) + ".xml";
  std::error_code error;
  if (!std::filesystem::exists(NativePath(path_), error) &&
      !WriteFileAtomically(path_, kFirstLine))
    messages_.ShowMessage(kCreateError);
  if (OpenForAppending()) return true;
  messages_.ShowMessage(kOpenError);
  path_.clear();
  return false;
}

bool CUserRecord::OpenForAppending() {
  file_.reset(std::fopen(NativePath(path_).c_str(), "ab"));
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
  if (path_.empty() || !WriteFileAtomically(path_, kFirstLine)) {
    if (!path_.empty()) OpenForAppending();  // keep recording into the old file
    messages_.ShowMessage(kClearError);
    return false;
  }
  OpenForAppending();
  messages_.ShowMessage(kCleared);
  return true;
}

bool CUserRecord::CopyTo(const std::string& folder) {
  if (file_) std::fflush(file_.get());
  std::string target = folder;
  if (!target.empty() && target.back() != '/' && target.back() != '\\') target += '/';
  target += CMilliTime(clock_).FileNameFormWithoutColons() + " " + FileNameOf(path_);
  const auto contents = path_.empty() ? std::nullopt : ReadWholeFile(path_);
  if (!contents || !CreateNewFile(target, *contents)) {
    messages_.ShowMessage(kCopyError);
    return false;
  }
  if (!AppendToFile(target, kEndTag)) {
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
  std::fwrite(record.data(), 1, record.size(), file_.get());
  std::fflush(file_.get());
}

std::string CUserRecord::TimeStamp() {
  const LocalTime now = clock_.Now();
  char text[64];
  std::snprintf(text, sizeof text, "%04d:%02d:%02d:%02d:%02d:%02d", now.year, now.month, now.day,
                now.hour, now.minute, now.second);
  return text;
}

}  // namespace vorelio
