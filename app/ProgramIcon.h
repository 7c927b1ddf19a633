// The program's icon for the application window (taskbar entry, Alt+Tab)
// and, through the application, for the tray icon.
#pragma once
#include "platform/Application.h"
#include "platform/Handles.h"

namespace ventro {

struct ProgramIcons {
    IconHandle Big;    // the system's large icon size
    IconHandle Small;  // 16 x 16
};

ProgramIcons LoadProgramIcons();
// Hands the icons to the application; they must outlive its windows.
void ApplyProgramIcons(TApplication& app, const ProgramIcons& icons);

} // namespace ventro
