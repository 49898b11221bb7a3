// CSpeechSynthesizer: the voice that speaks for the program, and the text
// exceptions of that voice. The controller owns one for the current
// profile; the exceptions editor owns another while it is open.
//
// Texts are Windows-1252. Every call comes from one thread (the user
// interface's); speech itself plays asynchronously inside the engine.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "speech/SpeechEngine.h"
#include "speech/SpeechExceptionSet.h"

namespace vorelio {

class FileSystem;

class CSpeechSynthesizer {
 public:
  // `engine` and `files` must outlive the synthesizer. Exceptions files lie
  // in `dataFolder`. No voice object until SelectVoice.
  CSpeechSynthesizer(SpeechEngine& engine, FileSystem& files, std::string dataFolder);

  // The descriptions of every installed voice, in the engine's order.
  std::vector<std::string> ListVoices() const;

  // Makes a new voice object (false, and no voice object, when the engine
  // cannot). For the first installed voice whose description is exactly
  // `name`, it speaks with that voice: a single space is spoken (cutting off
  // the voice before), the name is kept and the exceptions are loaded from
  // the name's file. When no voice has that description the object speaks
  // with the engine's default voice, the name and the exceptions stay as
  // they were, and the result is false.
  bool SelectVoice(const std::string& name);
  // Speaks `text`, or its replacement when the whole text (exactly,
  // case-sensitive) is an exception, cutting off anything still being said.
  // Returns at once: true when the voice object took the text, false
  // without a voice object or when the engine refused it.
  bool Speak(std::string_view text);
  // Destroys the voice object, which cuts off its speech, and forgets the
  // name and the exceptions, which belonged to that voice.
  void Release();

  // Adds or replaces one exception and saves the file. False, nothing
  // changed, for a pair the file cannot hold (SpeechExceptionSet::CanHold);
  // false, with the change kept, when there is no selected voice to save
  // for or the file could not be written.
  bool SetException(std::string_view text, std::string_view replacement);
  // Replaces every exception and saves the file; false, with the
  // exceptions replaced all the same, when there is no selected voice or
  // the file could not be written.
  bool SetExceptions(SpeechExceptionSet exceptions);

  // The profile's NOME_SINTETIZADOR_FALA for the controller: releases the
  // voice, then selects `voiceOption`, or selects no voice (an empty name,
  // which matches none) and stops speaking texts when it is "Nenhum".
  // Returns what SelectVoice returned.
  bool UseProfileVoice(std::string_view voiceOption);
  // Speaks for the controller: a text that is not empty is spoken unless
  // the profile's voice is "Nenhum". Returns the text when the voice took
  // it, and an empty string when nothing is spoken.
  std::string SpeakText(std::string_view text);

  bool HasVoice() const { return voice_ != nullptr; }
  // The selected voice's description; empty until one is selected.
  const std::string& VoiceName() const { return voiceName_; }
  const SpeechExceptionSet& Exceptions() const { return exceptions_; }
  // The file the exceptions are saved to; empty with no selected voice.
  std::string ExceptionsPath() const;

 private:
  bool SaveExceptions();

  SpeechEngine& engine_;
  FileSystem& files_;
  const std::string dataFolder_;
  std::unique_ptr<SpeechVoice> voice_;
  std::string voiceName_;
  SpeechExceptionSet exceptions_;
  bool speaksTexts_ = true;  // false while the profile's voice is "Nenhum"
};

}  // namespace vorelio
