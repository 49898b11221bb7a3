#include "speech/SpeechExceptionsEditor.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "profiles/UserProfileOptions.h"

namespace vorelio {

namespace {

constexpr std::string_view kNoVoiceSelected =
    "N\xe3o se encontra selecionado um sintetizador de fala!";
constexpr std::string_view kEmptyText = "Texto vazio!";
constexpr std::string_view kAlreadyThere = "J\xe1 existe essa excep\xe7\xe3o!";
constexpr std::string_view kBadText =
    "O texto de uma excep\xe7\xe3o n\xe3o pode conter \":\" nem mudan\xe7"
    "as de linha.";
constexpr std::string_view kBadReplacement =
    "A substitui\xe7\xe3o n\xe3o pode conter \":\" nem mudan\xe7"
    "as de linha.";
constexpr std::string_view kEmptyList =
    "Lista de excep\xe7\xf5"
    "es vazia!";
constexpr std::string_view kNothingSelected =
    "Seleccione primeiro uma excep\xe7\xe3o de s\xedntese de fala.";
constexpr std::string_view kConfirmDelete = "Quer mesmo apagar esta excep\xe7\xe3o?";

}  // namespace

std::vector<std::string> VoiceChoices(SpeechEngine& engine) {
  std::vector<std::string> choices = engine.VoiceDescriptions();
  choices.emplace_back(kNoVoiceName);
  return choices;
}

std::unique_ptr<SpeechExceptionsEditor> SpeechExceptionsEditor::Open(SpeechEngine& engine,
                                                                     FileSystem& files,
                                                                     std::string dataFolder,
                                                                     MessageBoxService& messages,
                                                                     std::string_view chosenVoice) {
  auto synthesizer = std::make_unique<CSpeechSynthesizer>(engine, files, std::move(dataFolder));
  if (chosenVoice == kNoVoiceName || !synthesizer->SelectVoice(std::string(chosenVoice))) {
    messages.ShowMessage(kNoVoiceSelected);
    return nullptr;
  }
  return std::unique_ptr<SpeechExceptionsEditor>(
      new SpeechExceptionsEditor(std::move(synthesizer), messages));
}

SpeechExceptionsEditor::SpeechExceptionsEditor(std::unique_ptr<CSpeechSynthesizer> synthesizer,
                                               MessageBoxService& messages)
    : synthesizer_(std::move(synthesizer)), messages_(messages) {}

std::vector<std::string> SpeechExceptionsEditor::Lines() const {
  std::vector<std::string> lines;
  for (const auto& [text, replacement] : synthesizer_->Exceptions())
    lines.push_back(text + ":" + replacement);
  return lines;
}

bool SpeechExceptionsEditor::Add(std::string_view text) {
  if (text.empty()) {
    messages_.ShowMessage(kEmptyText);
    return false;
  }
  if (synthesizer_->Exceptions().Replacement(text) != nullptr) {
    SelectText(text);
    messages_.ShowMessage(kAlreadyThere);
    return false;
  }
  SpeechExceptionSet exceptions = synthesizer_->Exceptions();
  if (!exceptions.Set(text, "")) {
    messages_.ShowMessage(kBadText);
    return false;
  }
  Save(exceptions);
  SelectText(text);
  return true;
}

void SpeechExceptionsEditor::Select(std::size_t line) {
  const SpeechExceptionSet& exceptions = synthesizer_->Exceptions();
  if (line >= exceptions.Size()) return;
  selection_ = line;
  replacementField_ = std::next(exceptions.begin(), static_cast<std::ptrdiff_t>(line))->second;
}

bool SpeechExceptionsEditor::EditReplacement(std::string_view replacement) {
  if (!selection_) return false;
  SpeechExceptionSet exceptions = synthesizer_->Exceptions();
  const std::string text =
      std::next(exceptions.begin(), static_cast<std::ptrdiff_t>(*selection_))->first;
  if (!exceptions.Set(text, replacement)) {
    messages_.ShowMessage(kBadReplacement);
    return false;
  }
  Save(exceptions);
  replacementField_ = replacement;
  return true;
}

bool SpeechExceptionsEditor::DeleteSelected() {
  const SpeechExceptionSet& current = synthesizer_->Exceptions();
  if (current.Empty()) {
    messages_.ShowMessage(kEmptyList);
    return false;
  }
  if (!selection_) {
    messages_.ShowMessage(kNothingSelected);
    return false;
  }
  if (!messages_.AskYesNo(kConfirmDelete)) return false;
  SpeechExceptionSet exceptions = current;
  exceptions.Remove(std::next(current.begin(), static_cast<std::ptrdiff_t>(*selection_))->first);
  Save(exceptions);
  selection_.reset();
  replacementField_.clear();
  return true;
}

void SpeechExceptionsEditor::Listen() { synthesizer_->Speak(replacementField_); }

void SpeechExceptionsEditor::Save(const SpeechExceptionSet& exceptions) {
  if (!synthesizer_->SetExceptions(exceptions)) {
    messages_.ShowMessage(
        "N\xe3o foi poss\xedvel guardar as excep\xe7\xf5"
        "es em \"" +
        synthesizer_->ExceptionsPath() + "\".");
  }
}

void SpeechExceptionsEditor::SelectText(std::string_view text) {
  const SpeechExceptionSet& exceptions = synthesizer_->Exceptions();
  const auto entry = std::find_if(exceptions.begin(), exceptions.end(),
                                  [&](const auto& pair) { return pair.first == text; });
  if (entry == exceptions.end()) return;
  Select(static_cast<std::size_t>(std::distance(exceptions.begin(), entry)));
}

}  // namespace vorelio
