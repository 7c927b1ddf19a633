// A window-procedure chain of our own: procedures stacked on a window's
// procedure, each calling the one below through CallNextInChain, with the
// window's own procedure at the bottom. It takes the place of the common
// controls library's subclass functions, whose library is slow to load and
// would be needed by every window of ours from the program's first moment.
#pragma once
#include <windows.h>

namespace ventro {

// A link's procedure: the window message plus the link's identifier and data.
using ChainProc = LRESULT(CALLBACK*)(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);

// Puts (proc, id) on top of `wnd`'s chain, or, when it is already in the
// chain, only gives it `data`. False for a window of another thread or one
// whose procedure cannot be replaced.
bool AddToChain(HWND wnd, ChainProc proc, UINT_PTR id, DWORD_PTR data);

// Takes (proc, id) out of `wnd`'s chain; a message of the window that is
// running now passes it by. With the last link gone the window gets its own
// procedure back, unless someone replaced ours in the meantime. False when
// the link was not there.
bool RemoveFromChain(HWND wnd, ChainProc proc, UINT_PTR id);

// The link below the running one for this message, or the window's own
// procedure. Only meaningful inside a link's procedure for `wnd`.
LRESULT CallNextInChain(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);

// The number of links on `wnd` (for tests: 0 once the chain has left).
size_t ChainLength(HWND wnd);

} // namespace ventro
