// The physical keys the profile gives a role: the two scanning switches
// (TECLA_MANIPULO1, TECLA_MANIPULO2), the ten prediction keys (the code
// TECLAS_COMPLETAR and the nine after it, one per prediction key of the
// on-screen keyboard; none while TECLAS_COMPLETAR is 0), the abbreviation
// key (TECLA_EXPANSAO_ABREVIATURAS) and the keys that speak the word and the
// sentence (TECLA_SINTESE_PALAVRA, TECLA_SINTESE_FRASE). Options name the
// keys by the key names of the keystroke synthesizer's table; the hook
// library swallows them in the target application.
#pragma once

#include <optional>

#include "keyboards/KeySet.h"
#include "keyboards/RoleKey.h"
#include "profiles/UserProfileOptions.h"

namespace vorelio {

inline constexpr int kPredictionKeyCount = 10;

class RoleKeys {
 public:
  // Gives up the keys registered before, then takes the options' keys in
  // this order, each marked in use in `keys` and added to `registry`:
  // switch 1, switch 2, the prediction keys, the abbreviation key, the
  // word speech key, the sentence speech key. A name the key set does not
  // know leaves its role without a key.
  void Register(const UserProfileOptions& options, CKeySet& keys, SpecialKeyRegistry& registry);

  SwitchKey Switch(int virtualKey) const { return RecogniseSwitch(virtualKey, switch1_, switch2_); }
  // The place (0-9) of a prediction key among the prediction keys.
  std::optional<int> PredictionKeyPlace(int virtualKey) const;
  bool IsAbbreviationKey(int virtualKey) const { return abbreviation_.Matches(virtualKey); }
  bool IsSpeakWordKey(int virtualKey) const { return speakWord_.Matches(virtualKey); }
  bool IsSpeakSentenceKey(int virtualKey) const { return speakSentence_.Matches(virtualKey); }

 private:
  CRoleKey switch1_;
  CRoleKey switch2_;
  std::optional<int> firstPredictionKey_;
  CRoleKey abbreviation_;
  CRoleKey speakWord_;
  CRoleKey speakSentence_;
};

}  // namespace vorelio
