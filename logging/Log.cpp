#include "logging/Log.h"

#include "logging/EventCatalogue.h"
#include "logging/MilliTime.h"

namespace vorelio {
namespace {

constexpr std::string_view kHeader =
    "TIME Time when the event occurred\n"
    "OUTPUT Text output caused by the event\n"
    "EVENT The event\n"
    "TYPE Type of the element or operation connected to the event\n"
    "ELEMENT Screen element where the event occurred\n"
    "CENTER Screen coordinates of the element center where the event occurred\n"
    "PAGE Communication board where the event occurred\n"
    "CONTEXT Message content before de event\n"
    "$$$ End Header\n"
    "\n";
constexpr std::string_view kEndBody = "$$$ End Body";
constexpr std::string_view kExtension = ".log";
// The START_LOGGING line's fields that do not apply.
constexpr std::string_view kBareDash = "-";
// Logs of one profile started within one second; far more than can happen.
constexpr int kMaximumLogsPerSecond = 1000;

void AppendEscaped(std::string& line, std::string_view text) {
  for (const char c : text) {
    if (c == '\n') {
      line += "\\n";
    } else if (c == '\r') {
      line += "\\r";
    } else {
      line += c;
    }
  }
}

void AppendQuoted(std::string& line, std::string_view text) {
  line += " \"";
  AppendEscaped(line, text);
  line += '"';
}

// A field that does not apply is " -": with its separating space, two
// spaces and a minus sign.
void AppendField(std::string& line, std::string_view text) {
  line += ' ';
  if (text.empty()) {
    line += " -";
  } else {
    AppendEscaped(line, text);
  }
}

}  // namespace

CLog::CLog(FileSystem& files, ClockService& clock, MessageBoxService& messages,
           const std::string& basePath)
    : files_(files), clock_(clock), messages_(messages) {
  if (!Create(basePath)) {
    messages_.ShowMessage(kLogOpenError);
    return;
  }
  line_ = kHeader;
  if (!WriteFormedLine()) return;
  LogEvent start = StartOfLogging();
  start.element = start.center = kBareDash;
  WriteEvent(start, kBareDash, kBareDash);
}

CLog::~CLog() = default;

bool CLog::Create(const std::string& basePath) {
  const std::string stem = basePath + " " + CMilliTime(clock_).FileNameFormWithoutColons();
  for (int number = 1; number <= kMaximumLogsPerSecond; ++number) {
    std::string path = stem;
    if (number > 1) path += " (" + std::to_string(number) + ")";
    path += kExtension;
    CreateOutcome outcome = CreateOutcome::kFailed;
    file_ = files_.CreateNewFile(path, nullptr, &outcome);
    if (file_) {
      path_ = std::move(path);
      return true;
    }
    if (outcome != CreateOutcome::kExists) return false;
  }
  return false;
}

void CLog::WriteEvent(const LogEvent& event, std::string_view page, std::string_view context) {
  if (!file_) return;
  line_ = TimeOfDayForm(clock_.Now());
  AppendQuoted(line_, event.output);
  AppendField(line_, event.event);
  AppendField(line_, event.type);
  AppendField(line_, event.element);
  AppendField(line_, event.center);
  AppendField(line_, page);
  AppendQuoted(line_, context);
  line_ += '\n';
  if (WriteFormedLine() && viewer_ != nullptr)
    viewer_->AddLine(std::string_view(line_).substr(0, line_.size() - 1));
}

void CLog::WriteLine(std::string_view text) {
  if (!file_) return;
  line_.assign(text);
  line_ += '\n';
  WriteFormedLine();
}

void CLog::EndBody(const std::vector<std::string>& lines) {
  WriteLine(kEndBody);
  WriteLine({});
  for (const std::string& line : lines) WriteLine(line);
  if (file_) file_->Sync();
}

bool CLog::AttachViewer(EventLogViewer* viewer) {
  if (!file_) return false;
  viewer_ = viewer;
  return true;
}

bool CLog::WriteFormedLine() {
  if (file_->Append(line_)) return true;
  file_.reset();
  viewer_ = nullptr;
  messages_.ShowMessage(kLogWriteError);
  return false;
}

}  // namespace vorelio
