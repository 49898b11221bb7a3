// CColorButton: one key of an on-screen keyboard, as the model sees it: its
// stored fields, the picture its label names, the rectangle the layout gave
// it, the suggestion shown on it, its state, and what it reports when the
// view passes it the pointer's events. The view draws it and owns the
// timers; the key tells the view how long to wait.
//
// Notifications go to the environment's notification window, from active
// keys only (active flag 1), with the key's packed position:
//   WM_KEY_PRESSED            position, button (0 left, 1 right, 2 middle)
//   WM_HOOK_LEFT_BUTTON_DOWN  position, packed pointer position
//   WM_KEY_DOUBLE_CLICK       position, 0
//   WM_HOOK_MOUSE_MOVE        packed pointer position, 0
//   WM_KEY_HOVER              position, 0
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/MouseButton.h"
#include "keyboards/KeyRect.h"
#include "keyboards/KeyType.h"
#include "keyboards/KeyboardEnvironment.h"
#include "keyboards/OnScreenKeyData.h"
#include "keyboards/OnScreenKeyIdentifier.h"

namespace vorelio {


// A point on the screen.
struct PointerPosition {
  int x = 0;
  int y = 0;
};
// As window messages carry a point: (y & 0xFFFF) << 16 | (x & 0xFFFF).
std::uintptr_t PackPointerPosition(PointerPosition point);

// The first hover notification comes after the pointer rested this long
// (the system's default hover time); the next ones after the repeat time.
inline constexpr int kDefaultHoverTimeMs = 400;
inline constexpr int kHoverRepeatMs = 4000;

class CColorButton {
 public:
  // Takes the fields; a colour of -1 takes the group's default (the
  // presentation's key colour). A label naming pictograms loads them. The
  // environment must outlive the key.
  CColorButton(const KeyboardEnvironment& environment, COnScreenKeyIdentifier position,
               const COnScreenKeyData& data, bool editMode);
  CColorButton(const CColorButton&) = delete;
  CColorButton& operator=(const CColorButton&) = delete;

  // The stored fields, a colour equal to the group's default as -1.
  COnScreenKeyData Data() const;
  // Takes new fields (the key dialog's OK); true when any differs, and the
  // key then reloads its picture and repaints.
  bool SetData(const COnScreenKeyData& data);

  const std::string& TypeWord() const { return fields_.type; }
  // Nothing for a type word the program does not know.
  std::optional<KeyType> Type() const { return KeyTypeFromWord(fields_.type); }
  const std::string& Label() const { return fields_.label; }
  const std::string& Caption() const { return fields_.caption; }
  const std::string& Description() const { return fields_.description; }
  const std::string& Output() const { return fields_.output; }
  int32_t ActiveFlag() const { return fields_.active; }
  bool IsActive() const { return fields_.active == 1; }
  int32_t BackgroundColour() const { return fields_.backgroundColour; }
  int32_t TextColour() const { return fields_.textColour; }
  // The key's colours swapped.
  int32_t HighlightBackgroundColour() const { return fields_.textColour; }
  int32_t HighlightTextColour() const { return fields_.backgroundColour; }
  const KeyboardPresentation& Presentation() const { return environment_->presentation; }

  // Null when the label (for pictogram suggestion keys, the suggestion)
  // names no pictogram or none could be loaded.
  const std::shared_ptr<const KeyPicture>& Picture() const { return picture_; }

  // Where the layout put the key; set by the layout, not repainted.
  const KeyRect& Rect() const { return rect_; }
  void SetRect(const KeyRect& rect) { rect_ = rect; }

  // What a suggestion key shows, set at run time; a pictogram suggestion
  // (a reference or row) loads its picture.
  const std::string& Suggestion() const { return suggestion_; }
  void SetSuggestion(std::string suggestion);

  const COnScreenKeyIdentifier& Position() const { return position_; }
  void SetPosition(const COnScreenKeyIdentifier& position) { position_ = position; }

  // State flags; each change repaints the key.
  bool IsHovered() const { return hovered_; }
  bool IsHighlighted() const { return highlighted_; }
  bool IsInEditMode() const { return editMode_; }
  bool HasMarker() const { return marker_; }
  void SetHighlighted(bool on);
  void SetEditMode(bool on);
  void SetMarker(bool on);
  int HoverCount() const { return hoverCount_; }

  // A mouse button went down on the key. An active key posts WM_KEY_PRESSED
  // (outside edit mode: editing a keyboard must not type) and, for the left
  // button, WM_HOOK_LEFT_BUTTON_DOWN. True when the view is to give the
  // press feedback (key sound, press mark): a left press that was posted.
  bool Press(MouseButton button, PointerPosition pointer);
  void DoubleClick();
  // The pointer moved over the key (the first move makes it hovered). The
  // result is how long the pointer must now rest before the view calls
  // PointerRested: the view restarts its one-shot timer with it; nothing
  // when no more hover notifications are wanted.
  std::optional<int> PointerMoved(PointerPosition pointer);
  // The pointer rested: while the hover count is below the profile's
  // limit, count one and post WM_KEY_HOVER. The result as for PointerMoved.
  std::optional<int> PointerRested();
  // The pointer left: not hovered, and the count starts again at 0, so the
  // key speaks again the next time the pointer rests on it.
  void PointerLeft();

  // The presentation changed from `old`: colours that were the old group
  // defaults take the new ones, pictures reload from a new data folder.
  void PresentationChanged(const KeyboardPresentation& old);

 private:
  int32_t ResolveColour(int32_t colour, int32_t groupDefault) const;
  bool ShowsPictogramSuggestion() const;
  void LoadPicture();
  void Post(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) const;
  void Repaint() const;
  void SetFlag(bool& flag, bool on);

  const KeyboardEnvironment* environment_;
  COnScreenKeyIdentifier position_;
  COnScreenKeyData fields_;  // colours resolved
  std::shared_ptr<const KeyPicture> picture_;
  KeyRect rect_;
  std::string suggestion_;
  bool hovered_ = false;
  bool highlighted_ = false;
  bool editMode_ = false;
  bool marker_ = false;
  int hoverCount_ = 0;
  std::optional<int> hoverWaitMs_;  // until the next hover notification
};

}  // namespace vorelio
