// What a window that hosts standard and graphic controls (a form) asks of
// them, without knowing their classes: the messages its children send their
// parent, the graphic controls painted on it and under the pointer, a font
// change passed down, and the focus. The controls implement it; the form
// includes only this, so that every include points down.
#pragma once
#include <windows.h>

namespace ventro {

class TComponent;
class TWinControl;

namespace ControlHost {

// A WM_COMMAND or WM_CTLCOLOR* message reaching a parent: passed to the control that sent it.
bool RouteParentMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
// A mouse message of the parent's client area, passed to the graphic control under the cursor.
bool RouteGraphicMouse(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
bool AnyGraphicOn(HWND parent);
void PaintGraphics(HWND parent, HDC dc, const RECT& update);
// The font of `parent` changed: the controls of `owner` on it that show their parent's font follow.
void ParentFontChanged(TComponent& owner, HWND parent);
HWND WindowOf(const TWinControl& control);

} // namespace ControlHost
} // namespace ventro
