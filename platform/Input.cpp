// Shift states from the platform.
#include "platform/Input.h"

namespace ventro {

TShiftState KeyboardShiftState()
{
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0)
        shift += TShift::ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        shift += TShift::ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        shift += TShift::ssAlt;
    return shift;
}

TShiftState MouseShiftState(WPARAM keyFlags)
{
    TShiftState shift;
    if (keyFlags & MK_SHIFT)
        shift += TShift::ssShift;
    if (keyFlags & MK_CONTROL)
        shift += TShift::ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        shift += TShift::ssAlt;
    if (keyFlags & MK_LBUTTON)
        shift += TShift::ssLeft;
    if (keyFlags & MK_RBUTTON)
        shift += TShift::ssRight;
    if (keyFlags & MK_MBUTTON)
        shift += TShift::ssMiddle;
    return shift;
}

} // namespace ventro
