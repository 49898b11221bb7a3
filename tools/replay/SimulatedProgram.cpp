#include "tools/replay/SimulatedProgram.h"

#include <algorithm>
#include <utility>

#include "common/NativePath.h"
#include "platform/Clock.h"

namespace vorelio {

namespace {

// How long FocusApplication waits for the controller to take the
// application as its target: four times the 500 ms it takes.
constexpr int64_t kLongestTargetWaitMs = 2000;

}  // namespace

std::unique_ptr<SimulatedProgram> SimulatedProgram::Start(const std::string& dataFolder,
                                                          const std::string& profile,
                                                          CUserProfileProperties properties,
                                                          std::string& error) {
  std::unique_ptr<DataFolderCopy> copy = DataFolderCopy::Make(dataFolder, error);
  if (!copy) return nullptr;
  PosixFileSystem files;
  properties.SetOption("REGISTAR_EVENTOS", "1");
  if (!properties.Write(files, copy->Path() + profile + ".cfg")) {
    error = "cannot write the options of " + profile + " into the copy of the data folder";
    return nullptr;
  }
  std::unique_ptr<SimulatedProgram> program(
      new SimulatedProgram(std::move(copy), properties.options.voiceName));
  program->view_->OpenProfile(profile);
  program->Pump();
  return program;
}

SimulatedProgram::SimulatedProgram(std::unique_ptr<DataFolderCopy> copy, const std::string& voice)
    : copy_(std::move(copy)),
      clock_(loopClock_, SystemClock().Now()),
      speechEngine_({voice}),
      voice_(voice) {
  view_ = std::make_unique<CPredarinView>(
      PredarinServices{loop_, files_, messages_, clock_, copy_->Path(), speechEngine_, desktop_,
                       desktop_, hooks_, foreground_, mainWindow_, preview_, beeper_,
                       launcher_});
  mainWindow_.LaysOut(*view_);
  // The platform tells the controller of every focus change.
  desktop_.OnFocusChanged([this](WindowHandle) {
    if (view_) view_->FocusChanged();
  });
}

SimulatedProgram::~SimulatedProgram() { Close(); }

void SimulatedProgram::Pump() {
  loop_.DispatchPending();
  // Nobody reads the desktop's own log here; a long session must not keep it.
  desktop_.ClearLog();
}

void SimulatedProgram::PassTime(int64_t ms) {
  while (ms > 0) {
    const int64_t step = std::min<int64_t>(ms, kTimerPeriodMs);
    loopClock_.Advance(step);
    Pump();
    ms -= step;
  }
}

bool SimulatedProgram::FocusApplication(std::string_view name) {
  const auto known = std::find_if(applications_.begin(), applications_.end(), [&](WindowHandle w) {
    return desktop_.Application(w).name == name;
  });
  WindowHandle window = 0;
  if (known != applications_.end()) {
    window = *known;
  } else {
    window = desktop_.AddApplication(std::string(name), "/usr/bin/" + std::string(name),
                                     std::string(name));
    applications_.push_back(window);
  }
  desktop_.Focus(window);
  Pump();
  for (int64_t waited = 0;; waited += kTimerPeriodMs) {
    CWordProcessor* target = view_->Target();
    if (target != nullptr && target->GetTargetWindow() == window) return true;
    if (waited >= kLongestTargetWaitMs) return false;
    PassTime(kTimerPeriodMs);
  }
}

const sim::SimApplication* SimulatedProgram::Foreground() const {
  const WindowHandle window = desktop_.Foreground();
  return window == 0 ? nullptr : &desktop_.Application(window);
}

std::vector<const sim::SimApplication*> SimulatedProgram::Applications() const {
  std::vector<const sim::SimApplication*> applications;
  for (const WindowHandle window : applications_)
    applications.push_back(&desktop_.Application(window));
  return applications;
}

ProgramHappenings SimulatedProgram::TakeHappenings() {
  ProgramHappenings happenings;
  for (; messagesTaken_ < messages_.messages.size(); ++messagesTaken_) {
    happenings.messages.push_back(messages_.messages[messagesTaken_]);
  }
  for (; questionsTaken_ < messages_.questions.size(); ++questionsTaken_) {
    happenings.messages.push_back(messages_.questions[questionsTaken_] + " (No)");
  }
  const std::vector<std::string>& spoken = speechEngine_.Spoken();
  for (; spokenTaken_ < spoken.size(); ++spokenTaken_) {
    // Each line is "<voice>: <text>"; a voice says a blank when chosen.
    const std::string text = spoken[spokenTaken_].substr(voice_.size() + 2);
    if (text != " ") happenings.spoken.push_back(text);
  }
  happenings.previews = std::move(preview_.shown);
  preview_.shown.clear();
  happenings.titles = std::move(mainWindow_.titles);
  mainWindow_.titles.clear();
  happenings.programs = std::move(launcher_.launched);
  launcher_.launched.clear();
  happenings.closeAsked = std::exchange(mainWindow_.closeAsked, false);
  happenings.beeps = beeper_.beeps;
  beeper_.beeps = 0;
  return happenings;
}

void SimulatedProgram::Close() {
  if (!view_) return;
  view_.reset();
  Pump();
}

std::vector<std::pair<std::string, std::string>> SimulatedProgram::EventLogs() {
  std::vector<std::pair<std::string, std::string>> logs;
  for (const std::string& name :
       files_.ListFolder(DataFolder()).value_or(std::vector<std::string>{})) {
    if (name.size() < 4 || name.compare(name.size() - 4, 4, ".log") != 0) continue;
    logs.emplace_back(name, files_.ReadFile(DataFolder() + name).value_or(std::string()));
  }
  std::sort(logs.begin(), logs.end());
  return logs;
}

}  // namespace vorelio
