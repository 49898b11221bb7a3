// Which output target the controller gives the foreground window, chosen
// 500 ms after a focus change from what the desktop reports about it.
#pragma once

#include <string>
#include <string_view>

#include "output/DesktopQueries.h"

namespace vorelio {

// What the desktop reports about the foreground window. The title is
// Windows-1252 (converted where it was read).
struct ForegroundWindow {
  DesktopWindow window = 0;  // 0: no window is in front
  bool ownThread = false;    // a window of the program's own user-interface thread
  std::string title;
};

enum class TargetKind {
  kNone,            // no target until the next focus change
  kInternalEditor,  // the program's own message editor
  kGeneric,         // CGenericWordProcessor attached to the window
};

struct TargetChoice {
  TargetKind kind = TargetKind::kNone;
  // The name logged with "WORD_PROCESSOR_CHANGE".
  std::string logName;
};

// The program's own window gets the internal editor when one exists, else
// no target. Any other window gets the generic target, logged by its title
// with spaces as "_"; no window in front gets none.
TargetChoice ChooseTarget(const ForegroundWindow& foreground, bool internalEditorExists);

// True when the first "Word" of the title (of its first 1000 characters) is
// at its very end, as in "Documento1 - Word": the window of Microsoft Word.
bool IsWordWindowTitle(std::string_view title);

}  // namespace vorelio
