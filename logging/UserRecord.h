// CUserRecord: the configurator records, how the person who configures the
// program (therapist, teacher, researcher) uses its menus and dialogs.
//
// One XML-like Windows-1252 text file in the data folder, "Registos
// Configurador.xml", shared by all profiles. It starts with the line
// "<CONFIGURATOR_RECORDS>" and then holds the records in the order they
// happened; the live file never receives the end tag, only its copies do.
// Each record is flushed as soon as it is written, so a crash loses nothing
// already recorded. Every write is skipped while no file is open. Failures
// are reported through the message box service and otherwise absorbed.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

namespace vorelio {

inline constexpr std::string_view kConfiguratorRecordsName = "Registos Configurador";

class CUserRecord {
 public:
  // The records are read and written through `files`.
  CUserRecord(FileSystem& files, MessageBoxService& messages, ClockService& clock);
  ~CUserRecord();
  CUserRecord(const CUserRecord&) = delete;
  CUserRecord& operator=(const CUserRecord&) = delete;

  // Closes any open file, then opens `dataFolder` + `name` + ".xml" for
  // appending, first creating it with only the first line when it does not
  // exist. Reports a file that cannot be created ("Erro na abertura do
  // ficheiro com registos do configurador.") or opened ("Erro na abertura do
  // ficheiro de registos do configurador!", the path then stays empty).
  // True when the file is open.
  bool Open(const std::string& dataFolder, std::string_view name = kConfiguratorRecordsName);

  // A menu command was chosen; written whether or not the command proceeds.
  void RecordMenuCommand(int commandId);
  // A dialog opened: the start of its record. A feedback record written
  // before it closes stands inside it.
  void RecordDialogOpen(int dialogId);
  // The dialog closed: the end of its record.
  void RecordDialogClose(int dialogId);
  // The configurator's appraisal of a dialog; the suggestion is written as
  // typed ("<" and "&" included, not escaped).
  void RecordFeedback(int difficulty, std::string_view suggestion);

  // Asks whether to erase the records. On Yes the file is created anew with
  // only its first line and kept open for appending; the outcome is
  // reported. False on No or when the file cannot be recreated.
  bool Clear();
  // Copies the records into `folder` as the current time's file-name form
  // (":" as "-"), one space and the records file's own name, then appends
  // the end tag to the copy so that it is a complete document. Never
  // overwrites an existing file: that, or a failed write, is reported
  // ("N\xE3o foi poss\xEDvel copiar...") and leaves no partial copy; a copy
  // whose end tag cannot be appended stays and is reported ("N\xE3o foi
  // poss\xEDvel concluir..."). True when the copy is complete and confirmed.
  bool CopyTo(const std::string& folder);

  // Closes the file and empties the path.
  void Close();

  bool IsOpen() const { return file_ != nullptr; }
  const std::string& Path() const { return path_; }

 private:
  bool OpenForAppending();
  void Write(std::string_view record);
  std::string TimeStamp();

  FileSystem& files_;
  MessageBoxService& messages_;
  ClockService& clock_;
  std::string path_;
  std::unique_ptr<WritableFile> file_;
};

}  // namespace vorelio
