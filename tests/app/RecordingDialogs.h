// Dialogs that answer for the person as a test queued, and remember what
// they were asked.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/OptionDialogs.h"
#include "app/ProgramDialogs.h"
#include "app/SimulationSession.h"
#include "profiles/SystemOptions.h"

namespace vorelio::testing {

class RecordingViewer final : public EventLogViewer {
 public:
  void AddLine(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

// Takes every answer from its queue; an empty queue answers as Cancel.
class RecordingProgramDialogs final : public ProgramDialogs {
 public:
  std::string ChooseProfile(const std::vector<std::string>& names) override {
    offeredProfiles = names;
    asked.push_back("profile");
    return Take(profiles).value_or("");
  }
  std::optional<std::string> AskNewProfileName(const NewProfileNameCheck& check) override {
    asked.push_back("new profile");
    while (!typedNames.empty()) {
      const std::string typed = Take(typedNames).value();
      if (std::optional<std::string> accepted = check(typed)) return accepted;
    }
    return std::nullopt;
  }
  std::optional<std::string> ChooseKeyboard(std::string_view title,
                                            const std::vector<std::string>& names) override {
    asked.emplace_back(title);
    offeredKeyboards = names;
    return Take(keyboards);
  }
  std::optional<std::string> ChooseTextFile(std::string_view title) override {
    asked.emplace_back(title);
    return Take(files);
  }
  std::optional<std::string> ChooseFolder(std::string_view title) override {
    asked.emplace_back(title);
    return Take(folders);
  }
  void ShowText(std::string_view title, const std::vector<std::string>& lines) override {
    asked.emplace_back(title);
    shownText = lines;
  }
  void BeginWait(std::string_view text) override {
    ++waits;
    waiting = true;
    if (!text.empty()) notices.emplace_back(text);
  }
  void EndWait() override { waiting = false; }
  EventViewerOpening OpenEventViewer() override {
    asked.push_back("viewer");
    return viewerOpening;
  }
  EventLogViewer& EventViewer() override { return viewer; }
  std::optional<ConfiguratorFeedback> AskFeedback() override {
    asked.push_back("feedback");
    return Take(feedback);
  }
  bool EditUserVocabulary(CUserVocabularyEditor& editor, VocabularyKind kind) override {
    asked.push_back(kind == VocabularyKind::kWords ? "words" : "sentences");
    for (const std::string& entry : vocabularyToAdd) editor.Add(entry);
    return vocabularyAccepted;
  }
  void EditAbbreviations(CAbbreviationExpansionSet& abbreviations) override {
    asked.push_back("abbreviations");
    for (const auto& [abbreviation, expansion] : abbreviationsToSet) {
      abbreviations.Set(abbreviation, expansion);
    }
  }
  void ShowSimulator(SimulationSession& session) override {
    asked.push_back("simulator");
    if (simulation) session.Run(*simulation, *simulationProgress);
  }

  std::vector<std::string> asked;
  std::deque<std::string> profiles;
  std::deque<std::string> typedNames;
  std::deque<std::string> keyboards;
  std::deque<std::string> files;
  std::deque<std::string> folders;
  std::deque<ConfiguratorFeedback> feedback;
  std::vector<std::string> vocabularyToAdd;
  bool vocabularyAccepted = true;
  std::vector<std::pair<std::string, std::string>> abbreviationsToSet;
  std::optional<SimulationRequest> simulation;
  SimulationProgress* simulationProgress = nullptr;
  EventViewerOpening viewerOpening = EventViewerOpening::kOpened;
  RecordingViewer viewer;
  std::vector<std::string> offeredProfiles;
  std::vector<std::string> offeredKeyboards;
  std::vector<std::string> shownText;
  std::vector<std::string> notices;
  int waits = 0;
  bool waiting = false;

 private:
  template <typename T>
  static std::optional<T> Take(std::deque<T>& queue) {
    if (queue.empty()) return std::nullopt;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
  }
};

class RecordingOptionDialogs final : public OptionDialogs {
 public:
  bool EditProfileOptions(std::string_view profileName, UserProfileOptions& options,
                          const ProfileOptionChoices& choices) override {
    asked.push_back("profile options " + std::string(profileName));
    offeredKeyboards = choices.keyboards;
    if (!profileOptionsAccepted) return false;
    options.predictionDelayMs = newPredictionDelay;
    return true;
  }
  bool EditSystemOptions(CSystemOptions& options,
                         const std::vector<std::string>& profileNames) override {
    asked.push_back("system options");
    lockSwitchWhenOpened = options.SystemChangesAllowed();
    offeredProfiles = profileNames;
    return false;
  }
  std::optional<std::string> AskSystemPassword() override {
    asked.push_back("password");
    return password;
  }

  std::vector<std::string> asked;
  bool profileOptionsAccepted = true;
  int32_t newPredictionDelay = 700;
  std::optional<std::string> password;
  bool lockSwitchWhenOpened = false;
  std::vector<std::string> offeredProfiles;
  std::vector<std::string> offeredKeyboards;
};

}  // namespace vorelio::testing
