#include "logging/EventLogging.h"

#include "common/NativePath.h"
#include "logging/MetricsReport.h"

namespace vorelio {

EventLogging::EventLogging(FileSystem& files, ClockService& clock, MessageBoxService& messages,
                           KeystrokeCost qwertyCost, LoggingStartSignal* startSignal)
    : files_(files),
      clock_(clock),
      messages_(messages),
      qwertyCost_(qwertyCost),
      startSignal_(startSignal),
      metrics_(clock) {}

EventLogging::~EventLogging() { End(std::nullopt); }

void EventLogging::Start(const LoggingSettings& settings, const std::string& dataFolder,
                         const std::string& profileName) {
  metrics_.Clock().SetInactivityLimit(settings.inactivityLimitSeconds);
  logControlEvents_ = settings.logControlEvents != 0;
  if (settings.logEvents == 0) return;
  End(std::nullopt);
  context_.clear();
  finalText_.clear();
  if (settings.startSignal == 1 && startSignal_ != nullptr) startSignal_->GiveOnce();
  metrics_.Begin();
  log_ = std::make_unique<CLog>(files_, clock_, messages_, InFolder(dataFolder, profileName));
}

void EventLogging::End(const std::optional<std::string>& editorText) {
  if (!log_) return;
  log_->EndBody(MetricsLines(editorText));
  for (const std::string& line : FinalTextLogLines(FinalTextPieces(editorText)))
    log_->WriteLine(line);
  finalText_.clear();
  log_.reset();
  metrics_.Finish();
}

void EventLogging::Record(const LogEvent& event) {
  if (log_) log_->WriteEvent(event, page_, context_);
}

void EventLogging::RecordControl(const LogEvent& event) {
  if (logControlEvents_) Record(event);
}

std::vector<std::string> EventLogging::MetricsLines(
    const std::optional<std::string>& editorText) {
  const std::vector<std::string> pieces = FinalTextPieces(editorText);
  std::optional<int32_t> qwerty;
  if (editorText) qwerty = QwertyKeystrokes(pieces, qwertyCost_);
  WritingClock& clock = metrics_.Clock();
  return vorelio::MetricsLines(metrics_.Counters(),
                               {clock.TotalSeconds(), clock.EffectiveSeconds()},
                               MeasureFinalText(pieces), qwerty);
}

std::vector<std::string> EventLogging::FinalTextPieces(
    const std::optional<std::string>& editorText) const {
  std::vector<std::string> pieces = finalText_;
  if (editorText) pieces.push_back(*editorText);
  return pieces;
}

}  // namespace vorelio
