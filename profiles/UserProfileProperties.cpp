#include "profiles/UserProfileProperties.h"

#include <array>

#include "common/FileIo.h"
#include "common/Scanner.h"
#include "profiles/UserProfileOptionTable.h"

namespace vorelio {

CUserProfileProperties::CUserProfileProperties() = default;

void CUserProfileProperties::Read(const std::string& path) {
  optionsFilePath_ = path;
  if (const std::optional<std::string> contents = ReadWholeFile(path)) ReadFrom(*contents);
}

void CUserProfileProperties::ReadFrom(std::string_view contents) {
  LineReader lines(contents);
  std::string_view line;
  while (lines.Next(line)) {
    LineScanner scanner(line);
    std::string_view key;
    if (!scanner.String(key)) continue;  // a blank line
    const UserProfileOptionKey* option = FindUserProfileOptionKey(key);
    if (option == nullptr) continue;
    const std::size_t valueStart = static_cast<std::size_t>(key.data() - line.data()) + key.size();
    ReadOptionValue(options, *option, line.substr(valueStart));
    if (option->text == &UserProfileOptions::keyboardName) keyboardInUse_ = options.keyboardName;
  }
}

std::string CUserProfileProperties::Contents() const {
  std::string contents;
  for (const UserProfileOptionKey& option : UserProfileOptionKeys()) {
    contents += option.key;
    contents += ' ';
    contents += FormatOptionValue(options, option);
    contents += '\n';
  }
  return contents;
}

bool CUserProfileProperties::Write(const std::string& path) const {
  return WriteFileAtomically(path, Contents());
}

std::string CUserProfileProperties::TimeIntervals(int weekday) const {
  static constexpr std::array kWeekdays = {
      &UserProfileOptions::sundayIntervals,   &UserProfileOptions::mondayIntervals,
      &UserProfileOptions::tuesdayIntervals,  &UserProfileOptions::wednesdayIntervals,
      &UserProfileOptions::thursdayIntervals, &UserProfileOptions::fridayIntervals,
      &UserProfileOptions::saturdayIntervals};
  if (weekday < 1 || weekday > static_cast<int>(kWeekdays.size())) return {};
  return options.*kWeekdays[static_cast<std::size_t>(weekday - 1)];
}

PredictionOptions CUserProfileProperties::ToPredictionOptions() const {
  PredictionOptions prediction;
  prediction.wordFrequencyCoefficient = options.wordFrequencyCoefficient;
  prediction.wordPairCoefficient = options.wordPairCoefficient;
  prediction.wordClassCoefficient = options.wordClassCoefficient;
  prediction.userWordFrequencyCoefficient = options.userWordFrequencyCoefficient;
  prediction.userWordPairCoefficient = options.userWordPairCoefficient;
  prediction.unwantedLetters = options.unwantedLetters;
  prediction.unwantedSequences = options.unwantedSequences;
  prediction.maxWordSuggestions = options.maxWordSuggestions;
  prediction.maxWordLetters = options.maxWordLetters;
  prediction.maxSentenceSuggestions = options.maxSentenceSuggestions;
  prediction.maxSentenceLetters = options.maxSentenceLetters;
  prediction.maxPictogramSuggestions = options.maxPictogramSuggestions;
  prediction.maxPictogramSentenceSuggestions = options.maxPictogramSentenceSuggestions;
  prediction.userAdaptation = options.userAdaptation;
  return prediction;
}

void CUserProfileProperties::ApplyPredictionOptions(const PredictionOptions& prediction) {
  options.wordFrequencyCoefficient = prediction.wordFrequencyCoefficient;
  options.wordPairCoefficient = prediction.wordPairCoefficient;
  options.wordClassCoefficient = prediction.wordClassCoefficient;
  options.userWordFrequencyCoefficient = prediction.userWordFrequencyCoefficient;
  options.userWordPairCoefficient = prediction.userWordPairCoefficient;
  options.unwantedLetters = prediction.unwantedLetters;
  options.unwantedSequences = prediction.unwantedSequences;
  options.maxWordSuggestions = prediction.maxWordSuggestions;
  options.maxWordLetters = prediction.maxWordLetters;
  options.maxSentenceSuggestions = prediction.maxSentenceSuggestions;
  options.maxSentenceLetters = prediction.maxSentenceLetters;
  options.maxPictogramSuggestions = prediction.maxPictogramSuggestions;
  options.maxPictogramSentenceSuggestions = prediction.maxPictogramSentenceSuggestions;
  options.userAdaptation = prediction.userAdaptation;
}

bool CUserProfileProperties::SetOption(std::string_view key, std::string_view value) {
  const UserProfileOptionKey* option = FindUserProfileOptionKey(key);
  return option != nullptr && ParseOptionValue(options, *option, value);
}

std::string CUserProfileProperties::GetOption(std::string_view key) const {
  const UserProfileOptionKey* option = FindUserProfileOptionKey(key);
  return option == nullptr ? std::string() : FormatOptionValue(options, *option);
}

}  // namespace vorelio
