// The key names the program knows: the names options use for role keys
// and that key sequences and named keys of the on-screen keyboards use.
#pragma once

#include "keyboards/KeySet.h"

namespace vorelio {

// Clears `keys` and fills it with the program's table (name, code, in use,
// character):
//   BkSp 8, Enter 13, Space 32                       in use
//   Tab 9                                            free
//   CapsLock 20, Esquerda 37, Direita 39, Cima 38, Baixo 40, Alt 18,
//   Ctrl 17, Shift 16                                in use
//   Home 36, End 35, Pgup 33, Pgdown 34, Ins 45, Del 46   free
//   F1-F10 112-121 in use; F11 122, F12 123 free; Num0-Num9 96-105 free
//   "0"-"9" 48-57 and "a"-"z" 65-90                  in use, character
void FillProgramKeySet(CKeySet& keys);

}  // namespace vorelio
