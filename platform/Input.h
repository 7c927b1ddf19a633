// The shift state as the platform reports it: from the keyboard now, or from
// the key flags a mouse message carries.
#pragma once
#include <windows.h>

#include "platform/Events.h"

namespace ventro {

// Shift, Ctrl and Alt as the keys are down now.
TShiftState KeyboardShiftState();
// The MK_* flags of a mouse message's WParam, with Alt from the keyboard.
TShiftState MouseShiftState(WPARAM keyFlags);

} // namespace ventro
