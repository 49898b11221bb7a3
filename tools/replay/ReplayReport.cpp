#include "tools/replay/ReplayReport.h"

#include <cstdio>

#include "common/Text.h"
#include "keyboards/KeyType.h"

namespace vorelio {

namespace {

struct SuggestionKeyKind {
  KeyType type;
  const char* label;
};
constexpr SuggestionKeyKind kSuggestionKinds[] = {
    {KeyType::kWordSuggestion, "words"},
    {KeyType::kSentenceSuggestion, "sentences"},
    {KeyType::kPictogramSuggestion, "pictograms"},
    {KeyType::kPictogramSentenceSuggestion, "pictogram sentences"},
};

// The text in double quotes with "|" at the caret, in UTF-8.
std::string WithCaret(const std::string& text, std::size_t caret) {
  std::string shown;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == caret) shown += '|';
    if (i == text.size()) break;
    const char c = text[i];
    if (c == '\n') {
      shown += "\\n";
    } else if (c == '\t') {
      shown += "\\t";
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(c));
      shown += code;
    } else {
      shown += c;
    }
  }
  std::string quoted = "\"";
  quoted += Cp1252ToUtf8(shown);
  return quoted + "\"";
}

std::string ApplicationLine(const sim::SimApplication& application) {
  return Cp1252ToUtf8(application.name) + ": " + WithCaret(application.text, application.caret);
}

const char* ButtonWord(MouseButton button) {
  switch (button) {
    case MouseButton::kRight:
      return " right";
    case MouseButton::kMiddle:
      return " middle";
    case MouseButton::kLeft:
      break;
  }
  return "";
}

}  // namespace

std::string SuggestionDelay(const UserProfileOptions& options) {
  // The countdown reaches the delay on a tick of the 100 ms timer and fires
  // on the next.
  const int64_t reached = RoundUpToTick(options.predictionDelayMs);
  return std::to_string(reached) + "-" + std::to_string(reached + kTimerPeriodMs) +
         " ms (TEMPO_DE_PREDICAO " + std::to_string(options.predictionDelayMs) + ")";
}

std::string StepText(const ReplayStep& step) {
  const std::string number = std::to_string(step.number);
  switch (step.action) {
    case ReplayAction::kApplication:
      return "app " + Cp1252ToUtf8(step.text);
    case ReplayAction::kType:
      return "type " + Cp1252ToUtf8(step.text);
    case ReplayAction::kKey:
      return "key " + Cp1252ToUtf8(step.text);
    case ReplayAction::kClick:
      return "click " + step.key.Text() + ButtonWord(step.button);
    case ReplayAction::kWordSuggestion:
      return "word " + number;
    case ReplayAction::kSentenceSuggestion:
      return "sentence " + number;
    case ReplayAction::kSwitchDown:
      return "switch " + number + " down";
    case ReplayAction::kSwitchUp:
      return "switch " + number + " up";
    case ReplayAction::kSwitchPress:
      return "switch " + number + " press";
    case ReplayAction::kWait:
      return "wait " + number;
    case ReplayAction::kShow:
      break;
  }
  return "show";
}

void ReplayReport::Opening(const std::string& dataFolder, const std::string& profile,
                           const UserProfileOptions& options, int keyIntervalMs) {
  out_ << "replay of profile " << Cp1252ToUtf8(profile) << " (keyboard "
       << Cp1252ToUtf8(options.keyboardName) << ") on a copy of " << Cp1252ToUtf8(dataFolder)
       << "\n"
       << "time: " << keyIntervalMs << " ms after each typed character, key, click and switch;"
       << " suggestions " << SuggestionDelay(options) << " after the last key; event logging on\n";
}

void ReplayReport::Step(const ReplayStep& step) {
  out_ << "line " << step.line << ": " << StepText(step) << "\n";
}

void ReplayReport::Note(const std::string& text) {
  out_ << "  note: " << Cp1252ToUtf8(text) << "\n";
}

ReplayReport::Screen ReplayReport::Look(SimulatedProgram& program) const {
  Screen screen;
  const sim::SimApplication* front = program.Foreground();
  screen.text = front == nullptr ? "no application in front" : ApplicationLine(*front);
  COnScreenKeyboard& keyboard = program.View().Keyboard();
  for (const SuggestionKeyKind& kind : kSuggestionKinds) {
    const std::vector<COnScreenKeyIdentifier>& keys = keyboard.SuggestionKeys(kind.type);
    if (keys.empty()) continue;
    std::string line = std::string(kind.label) + ":";
    bool any = false;
    for (std::size_t i = 0; i < keys.size(); ++i) {
      const std::string& suggestion = keyboard.Key(keys[i])->Suggestion();
      if (suggestion.empty()) continue;
      line += (any ? " | " : " ") + std::to_string(i + 1) + " " + Cp1252ToUtf8(suggestion);
      any = true;
    }
    screen.suggestions.push_back(any ? line : line + " -");
  }
  return screen;
}

void ReplayReport::Changes(SimulatedProgram& program, bool everything) {
  Screen screen = Look(program);
  if (everything || screen.text != last_.text) out_ << "  " << screen.text << "\n";
  for (std::size_t i = 0; i < screen.suggestions.size(); ++i) {
    const bool changed =
        i >= last_.suggestions.size() || screen.suggestions[i] != last_.suggestions[i];
    if (everything || changed) out_ << "  " << screen.suggestions[i] << "\n";
  }
  last_ = std::move(screen);

  const ProgramHappenings happenings = program.TakeHappenings();
  for (const std::string& text : happenings.spoken)
    out_ << "  spoken: " << Cp1252ToUtf8(text) << "\n";
  for (const std::string& text : happenings.messages)
    out_ << "  message: " << Cp1252ToUtf8(text) << "\n";
  for (const std::string& text : happenings.previews)
    out_ << "  preview: " << Cp1252ToUtf8(text) << "\n";
  for (const std::string& title : happenings.titles)
    out_ << "  title: " << Cp1252ToUtf8(title) << "\n";
  for (const std::string& path : happenings.programs)
    out_ << "  program (not started in a replay): " << Cp1252ToUtf8(path) << "\n";
  if (happenings.closeAsked) out_ << "  the program asks to close\n";
  if (happenings.beeps > 0) out_ << "  beeps: " << happenings.beeps << "\n";
}

void ReplayReport::Closing(SimulatedProgram& program) {
  out_ << "end\n";
  for (const sim::SimApplication* application : program.Applications()) {
    out_ << "  " << ApplicationLine(*application) << "\n";
  }
  for (const auto& [name, contents] : program.EventLogs()) {
    out_ << "event log " << Cp1252ToUtf8(name) << "\n";
    std::size_t start = 0;
    while (start < contents.size()) {
      std::size_t end = contents.find('\n', start);
      if (end == std::string::npos) end = contents.size();
      std::string_view line(contents.data() + start, end - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      out_ << "  " << Cp1252ToUtf8(line) << "\n";
      start = end + 1;
    }
  }
}

}  // namespace vorelio
