// The speak-before and show-before protocol of a selection: with the
// profile's OUVIR_ANTES_COMPLETAR the first selection of a text only speaks
// it, with VER_ANTES_COMPLETAR it only shows it in the preview window, and
// the next selection of the same text on the same key completes it. Any
// other text or key in between starts over. With both options the first
// selection speaks and shows, the second completes.
#pragma once

#include <string>
#include <string_view>

namespace vorelio {

// What one selection does, in this order.
struct SelectionSteps {
  bool speakBefore = false;  // speak the text, without completing it now
  bool show = false;         // show the text in the preview window, and stop
  bool complete = false;     // write the text
};

class BeforeCompletion {
 public:
  // Decides for `text` selected again on the same key as the previous
  // selection (`sameKey`), or not, and remembers what is spoken and shown.
  // `canShow` is false for selections that have nothing to show
  // (pictograms): they are spoken before, never shown.
  SelectionSteps Decide(std::string_view text, bool sameKey, bool speakBeforeOption,
                        bool showBeforeOption, bool canShow = true);
  // The text was written: what was spoken and shown is forgotten.
  void Forget();

  const std::string& Heard() const { return heard_; }
  const std::string& Shown() const { return shown_; }

 private:
  std::string heard_;
  std::string shown_;
};

}  // namespace vorelio
