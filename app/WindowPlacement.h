// Where the main window goes when it follows the target's caret, on the
// controller's window-follow tick while another application is in front.
// Both keep the window's size.
#pragma once

#include "output/DesktopQueries.h"

namespace vorelio {

struct UserProfileOptions;

// REPOSICIONAR_JANELA: the desktop is cut into quadrants at its middles,
// tested in the order top-left, bottom-left, top-right, bottom-right, and the
// window goes to the corner opposite the caret's quadrant. With the animated
// character shown the window keeps clear of it: 100 pixels from the left
// edge and 50 from the top where it goes to those edges.
ScreenPoint PlaceAwayFromCaret(ScreenPoint caret, const ScreenRect& desktop,
                               const ScreenRect& frame, bool characterShown);

// PERSEGUIR_CURSOR_TEXTO: the window's top-left corner 100 pixels right of
// the caret, at its height, moved back onto the desktop as far as it would
// leave it.
ScreenPoint PlaceNextToCaret(ScreenPoint caret, const ScreenRect& desktop, const ScreenRect& frame);

// How the main window first shows for a profile.
enum class WindowShowState { kNormal, kMinimized, kMaximized };

struct StartWindowPlacement {
  WindowShowState state = WindowShowState::kNormal;
  ScreenRect frame;       // where the window's frame goes when shown normally
  bool showBars = true;   // the menu bar (MOSTRAR_BARRAS_JANELA)
};

// The start options of a profile on `desktop` (the work area), for a window
// whose contents need `contentWidth` x `contentHeight` (the keyboard and
// the message editor, with the frame). INICIAR_JANELA_MINIMIZADA wins over
// INICIAR_JANELA_MAXIMIZADA. The frame takes POSICAO_INICIAL_JANELA_X/Y
// and LARGURA_JANELA/ALTURA_JANELA, or the middle of the desktop with
// CENTRAR_JANELA; it is never smaller than the contents (the stored size of
// a profile made for a smaller keyboard would hide keys) nor, as far as the
// desktop allows, outside the desktop (a position kept from a larger or a
// second screen would show nothing).
StartWindowPlacement PlaceWindowAtStart(const UserProfileOptions& options,
                                        const ScreenRect& desktop, int32_t contentWidth,
                                        int32_t contentHeight);

}  // namespace vorelio
