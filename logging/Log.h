// CLog: the event log of one logging period, a Windows-1252 text file in
// the data folder. It holds nine header lines and an empty line, then one
// line per event from the START_LOGGING line on; when logging ends,
// "$$$ End Body", an empty line, the writing metrics and the final text.
//
// An event line is the time of day ("00:27:17.042"), then, each after one
// space: OUTPUT in double quotes, EVENT, TYPE, ELEMENT, CENTER, PAGE and
// CONTEXT in double quotes. A field that does not apply is written " -", so
// it shows as two spaces and "-" (only the START_LOGGING line has a bare
// "-"). Fields are written as they stand ("%" too), except that a line feed
// or carriage return in them is written as "\n" or "\r" (a backslash and a
// letter): each event stays on one line.
//
// A log is evidence: every line goes to the file as one write as soon as it
// is formed, so that a crash of the program loses nothing written; the end
// of the body is also flushed to the disk. A write that fails (a full disk)
// is reported once (kLogWriteError) and the log writes nothing more, so the
// file ends where the failure was rather than holding a gap.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "logging/LogEvent.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

namespace vorelio {

inline constexpr std::string_view kLogOpenError = "Erro na abertura do ficheiro de logging!";
inline constexpr std::string_view kLogWriteError =
    "Erro na escrita do ficheiro de logging! Os eventos seguintes n\xE3o ser\xE3o registados.";

// The live event viewer: a window that lists the event lines as they are
// written. Implemented by the GUI.
class EventLogViewer {
 public:
  virtual ~EventLogViewer() = default;
  // An event line was written (without its line feed).
  virtual void AddLine(std::string_view line) = 0;
};

class CLog {
 public:
  // Creates the log of a period that starts now: `basePath` (the data
  // folder and the profile name), one space, the file-name form of now with
  // ":" as "-", and ".log" ("generico Sun Dec 06 00-27-17 2026.log"). An
  // existing log is never replaced: a period started in the same second as
  // an earlier one goes to "... 2026 (2).log", the next free number. Writes
  // the header and the START_LOGGING line.
  // A file that cannot be created is reported (kLogOpenError); the log then
  // has no file and writes nothing. `files`, `clock` and `messages` must
  // outlive the log.
  CLog(FileSystem& files, ClockService& clock, MessageBoxService& messages,
       const std::string& basePath);
  ~CLog();  // closes the file
  CLog(const CLog&) = delete;
  CLog& operator=(const CLog&) = delete;

  bool HasFile() const { return file_ != nullptr; }
  // The log's file; empty when it could not be created.
  const std::string& Path() const { return path_; }

  // Writes one event line, stamped now, and shows it in the viewer. `page`
  // is the on-screen keyboard in use, `context` the message text before the
  // event. Nothing without a file.
  void WriteEvent(const LogEvent& event, std::string_view page, std::string_view context);
  // Writes `text` and a line feed.
  void WriteLine(std::string_view text);
  // Writes "$$$ End Body", an empty line and each of `lines`, then flushes
  // the file to the disk.
  void EndBody(const std::vector<std::string>& lines);

  // Event lines written from now on go to `viewer` too (null: to none).
  // Without a file nothing is attached and the answer is false.
  bool AttachViewer(EventLogViewer* viewer);

 private:
  bool Create(const std::string& basePath);
  // Writes `line_` (which ends in a line feed); false when it failed. The
  // first failure is reported and closes the file: a log with a gap would
  // mislead.
  bool WriteFormedLine();

  FileSystem& files_;
  ClockService& clock_;
  MessageBoxService& messages_;
  std::string path_;
  std::unique_ptr<WritableFile> file_;
  EventLogViewer* viewer_ = nullptr;
  std::string line_;  // the line being formed, its storage reused
};

}  // namespace vorelio
