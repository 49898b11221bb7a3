// Expanding the abbreviation before the caret into its text, with the
// expansion key (TECLA_EXPANSAO_ABREVIATURAS) or an on-screen key whose
// output is that key's name. The word being typed is looked up, exactly as
// typed, in the profile's abbreviations. With OUVIR_ANTES_COMPLETAR and
// VER_ANTES_COMPLETAR the first press speaks and shows the expansion and
// the next one expands (BeforeCompletion, whatever key was pressed).
// Expanding erases the abbreviation and types the expansion and a space
// into the target, counts an expanded abbreviation and runs a prediction
// cycle. Every step is logged with the trigger; nothing happens without a
// current target.
#pragma once

#include "app/BeforeCompletion.h"
#include "app/ControllerHost.h"
#include "app/KeyActivation.h"

namespace vorelio {

class AbbreviationExpander {
 public:
  // `host` must outlive the expander.
  explicit AbbreviationExpander(ControllerHost& host) : host_(host) {}

  void Expand(const KeyActivation& trigger);

 private:
  ControllerHost& host_;
  BeforeCompletion memory_;
};

}  // namespace vorelio
