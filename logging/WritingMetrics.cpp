#include "logging/WritingMetrics.h"

#include "common/Scanner.h"
#include "logging/FinalText.h"

namespace vorelio {
namespace {

constexpr std::size_t kSourceCount = 3;

std::size_t CompletionIndex(CompletedText text, CompletionSource source) {
  return static_cast<std::size_t>(text) * kSourceCount + static_cast<std::size_t>(source);
}

void Increment(int32_t& counter) { counter = SaturatingAdd(counter, 1); }

}  // namespace

const CompletionTally& WritingCounters::Completions(CompletedText text,
                                                    CompletionSource source) const {
  return completions.at(CompletionIndex(text, source));
}

const SelectionTally& WritingCounters::PredictedPictograms(PictogramKind kind) const {
  return predictedPictograms.at(static_cast<std::size_t>(kind));
}

WritingMetrics::WritingMetrics(ClockService& clock) : clock_(clock) {}

void WritingMetrics::Begin() {
  counters_ = {};
  clock_.Start();
  clock_.Pause();
  counting_ = true;
}

void WritingMetrics::Count(WritingEvent event) {
  if (counting_) Increment(counters_.events.at(static_cast<std::size_t>(event)));
}

void WritingMetrics::KeyPressed(bool injectedByProgram) {
  if (!counting_) return;
  Increment(counters_.allKeys);
  Increment(injectedByProgram ? counters_.systemKeys : counters_.userKeys);
}

void WritingMetrics::Completed(CompletedText text, CompletionSource source, int32_t listPosition,
                               int32_t charactersTyped) {
  if (!counting_) return;
  CompletionTally& tally = counters_.completions.at(CompletionIndex(text, source));
  Increment(tally.count);
  tally.positionSum = SaturatingAdd(tally.positionSum, listPosition);
  tally.characterSum = SaturatingAdd(tally.characterSum, charactersTyped);
}

void WritingMetrics::PredictedPictogramSelected(PictogramKind kind, int32_t listPosition) {
  if (!counting_) return;
  SelectionTally& tally = counters_.predictedPictograms.at(static_cast<std::size_t>(kind));
  Increment(tally.count);
  tally.positionSum = SaturatingAdd(tally.positionSum, listPosition);
}

void WritingMetrics::MessageSpoken(std::string_view text) {
  if (!counting_) return;
  Increment(counters_.messagesSpoken);
  counters_.totalWordsSpoken = SaturatingAdd(counters_.totalWordsSpoken, CountWords(text));
  counters_.totalSentencesSpoken =
      SaturatingAdd(counters_.totalSentencesSpoken, CountSentenceParts(text));
}

}  // namespace vorelio
