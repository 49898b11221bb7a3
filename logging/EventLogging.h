// EventLogging: the controller's side of the event log, for the whole run
// of the program. It holds at most one CLog (none while logging is off),
// the writing metrics, the page and context written on every event line,
// and the final text lines of the period.
//
// Start and End follow the profile: logging starts when a profile becomes
// current or logging is switched on, and ends when the profile stops being
// current, logging is switched off, or the program ends. Everything runs on
// the user-interface thread.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "logging/FinalText.h"
#include "logging/Log.h"
#include "logging/LoggingStartSignal.h"
#include "logging/WritingMetrics.h"

namespace vorelio {

// The options of the current profile that logging follows.
struct LoggingSettings {
  int32_t logEvents = 0;               // REGISTAR_EVENTOS: logging unless 0
  int32_t startSignal = 0;             // SOM_INICIAL_REGISTO_EVENTOS: the signal when 1
  int32_t inactivityLimitSeconds = 0;  // TEMPO_INACTIVIDADE_COMUNICACAO
  int32_t logControlEvents = 0;        // REGISTA_EVENTOS_CONTROLO: raw events unless 0
};

class EventLogging {
 public:
  // `qwertyCost` counts the key presses of a text on a physical keyboard
  // (CKeyboard::KeystrokeCost). Without `startSignal` no signal is given.
  // Everything passed must outlive this object.
  EventLogging(FileSystem& files, ClockService& clock, MessageBoxService& messages,
               KeystrokeCost qwertyCost, LoggingStartSignal* startSignal = nullptr);
  // Ends a period still open, as at program end (without an editor text).
  ~EventLogging();
  EventLogging(const EventLogging&) = delete;
  EventLogging& operator=(const EventLogging&) = delete;

  // Takes the profile's settings (the inactivity limit and the control
  // events apply whether or not it logs). Unless REGISTAR_EVENTOS is 0:
  // ends a period still open (call End first to have the editor's text in
  // it), empties the context and the final text lines, gives the start
  // signal if the profile asks for it, starts the metrics and creates the
  // log of `profileName` in `dataFolder` (CLog tells a file it cannot
  // create). Logging is then on, with or without a file.
  void Start(const LoggingSettings& settings, const std::string& dataFolder,
             const std::string& profileName);
  // When logging is on: ends the body with the metrics lines, writes the
  // final text lines, closes the log and stops the metrics. `editorText`
  // is the internal message editor's whole text, nothing when there is no
  // editor.
  void End(const std::optional<std::string>& editorText);
  bool IsOn() const { return log_ != nullptr; }

  // Writes an event, with the current page and context (nothing while off).
  void Record(const LogEvent& event);
  // The same for a raw input report, written only when the profile logs
  // control events.
  void RecordControl(const LogEvent& event);

  // The on-screen keyboard in use, written as PAGE.
  void SetPage(std::string keyboardName) { page_ = std::move(keyboardName); }
  // The message text as the controller last recorded it, written as CONTEXT.
  void SetContext(std::string messageText) { context_ = std::move(messageText); }
  const std::string& Context() const { return context_; }
  // A line of the final text, kept until the period ends.
  void AddFinalTextLine(std::string line) { finalText_.push_back(std::move(line)); }

  // The metrics block now, for the log or the metrics dialog (which works
  // with logging off too).
  std::vector<std::string> MetricsLines(const std::optional<std::string>& editorText);
  WritingMetrics& Metrics() { return metrics_; }
  // The open log, for the live viewer; null while logging is off.
  CLog* Log() { return log_.get(); }

 private:
  std::vector<std::string> FinalTextPieces(const std::optional<std::string>& editorText) const;

  FileSystem& files_;
  ClockService& clock_;
  MessageBoxService& messages_;
  const KeystrokeCost qwertyCost_;
  LoggingStartSignal* const startSignal_;
  WritingMetrics metrics_;
  std::unique_ptr<CLog> log_;
  bool logControlEvents_ = false;
  std::string page_;
  std::string context_;
  std::vector<std::string> finalText_;
};

}  // namespace vorelio
