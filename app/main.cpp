// The dialer's entry: the application, the main window, and the message loop
// until the main window closes; the loop's end destroys the windows and their
// components in order. The settings window is made when the Settings button
// asks for it (a fresh one each time), so none is made here.
#include <windows.h>

#include "app/MainWindow.h"
#include "app/ProgramIcon.h"
#include "platform/Application.h"

using namespace ventro;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    TApplication& app = Application();
    app.Initialize();
    app.SetTitle(L"VentroADSL拨号器");
    ProgramIcons icons = LoadProgramIcons();
    ApplyProgramIcons(app, icons);
    app.CreateForm<TForm1>();
    app.Run();
    return 0;
}
