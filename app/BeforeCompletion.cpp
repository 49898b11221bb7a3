#include "app/BeforeCompletion.h"

namespace vorelio {

SelectionSteps BeforeCompletion::Decide(std::string_view text, bool sameKey, bool speakBeforeOption,
                                        bool showBeforeOption, bool canShow) {
  SelectionSteps steps;
  if (speakBeforeOption && !(sameKey && text == heard_)) {
    steps.speakBefore = true;
    heard_ = text;
  }
  if (showBeforeOption && canShow && !(sameKey && text == shown_)) {
    steps.show = true;
    shown_ = text;
    return steps;
  }
  steps.complete = !steps.speakBefore;
  return steps;
}

void BeforeCompletion::Forget() {
  heard_.clear();
  shown_.clear();
}

}  // namespace vorelio
