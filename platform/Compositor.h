// The desktop compositor's own frame rendering for a window. A window that
// paints its own frame switches it off; without it (an old platform, or a
// compositor that is not there) nothing happens.
#pragma once
#include <windows.h>

namespace ventro {

// Switches the compositor's non-client rendering of `wnd` off (own frame) or
// back to what the window's style asks for. True when the compositor took it.
bool SetCompositorFrame(HWND wnd, bool compositorDraws);

} // namespace ventro
