// The writing metrics of a logging period: counters of the user's effort
// and of the help the program gave, and the writing clock. The controller
// feeds them at the events their names state; they count only while a
// logging period runs, and keep their values after it ends so that the
// metrics dialog can still show them. MetricsReport.h turns them into lines.
//
// Counts are signed 32-bit, held at their maximum instead of overflowing.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "logging/WritingClock.h"

namespace vorelio {

// What the simple counters count, one each.
enum class WritingEvent {
  kOnScreenKeyPressed, kClick, kSwitch1Activated, kSwitch2Activated,
  kCharacterWritten, kCharacterOrPictogramDeleted, kWordWritten, kSentenceWritten,
  kSinglePictogramSelected, kCompoundPictogramSelected, kSinglePictogramWritten,
  kCompoundPictogramWritten,
  kKeyboardChangedThroughMenu, kKeyboardChangedThroughKeyboard, kContextAdaptation,
  kCooperativeListReceived, kCooperativeWordHint, kCooperativeSentenceHint,
  kCooperativeSinglePictogramHint, kCooperativeMultiplePictogramHint,
  kAbbreviationExpanded, kPrediction, kNextPredictionsRequest,
  kWordSpoken, kSentenceSpoken, kPictogramSpoken,
  kCount
};

// What a completion wrote, and what it was chosen from: the list of
// suggestions, or a single or compound pictogram standing for it.
enum class CompletedText { kWord, kWordSequence, kSentence };
enum class CompletionSource { kSuggestionList, kSinglePictogram, kCompoundPictogram };
enum class PictogramKind { kSingle, kCompound };

struct CompletionTally {
  int32_t count = 0;
  int32_t positionSum = 0;   // positions in the suggestion list, from 0
  int32_t characterSum = 0;  // characters typed before the completion
};

struct SelectionTally {
  int32_t count = 0;
  int32_t positionSum = 0;
};

struct WritingCounters {
  std::array<int32_t, static_cast<std::size_t>(WritingEvent::kCount)> events{};
  int32_t allKeys = 0;     // physical keys reported down
  int32_t userKeys = 0;    // of them, pressed by the user
  int32_t systemKeys = 0;  // of them, injected by the program itself
  // By what was completed and from what; read them through Completions().
  std::array<CompletionTally, 3 * 3> completions{};
  std::array<SelectionTally, 2> predictedPictograms{};  // by PictogramKind
  int32_t totalWordsSpoken = 0;      // words of the whole messages spoken
  int32_t totalSentencesSpoken = 0;  // sentences of the whole messages spoken
  int32_t messagesSpoken = 0;        // whole messages spoken at once

  int32_t Of(WritingEvent event) const { return events[static_cast<std::size_t>(event)]; }
  const CompletionTally& Completions(CompletedText text, CompletionSource source) const;
  const SelectionTally& PredictedPictograms(PictogramKind kind) const;
};

class WritingMetrics {
 public:
  explicit WritingMetrics(ClockService& clock);

  // A logging period starts: every counter 0, the clock started and paused
  // at once, counting on.
  void Begin();
  // The period ended: counting stops, the values stay.
  void Finish() { counting_ = false; }
  bool Counting() const { return counting_; }

  void Count(WritingEvent event);
  // A physical key reported down, injected by the program or not.
  void KeyPressed(bool injectedByProgram);
  // A suggestion completed the text: its position in the list (page x page
  // size + key) and the characters typed of it before.
  void Completed(CompletedText text, CompletionSource source, int32_t listPosition,
                 int32_t charactersTyped);
  // A predicted pictogram chosen at `listPosition` of its list.
  void PredictedPictogramSelected(PictogramKind kind, int32_t listPosition);
  // The whole text of the message area spoken at once.
  void MessageSpoken(std::string_view text);

  const WritingCounters& Counters() const { return counters_; }
  // The clock runs whether or not a period is being logged: the controller
  // tells it of every input event and timer tick.
  WritingClock& Clock() { return clock_; }

 private:
  WritingCounters counters_;
  WritingClock clock_;
  bool counting_ = false;
};

}  // namespace vorelio
