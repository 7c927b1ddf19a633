// The dialer's entry: the application, the main window, a hidden settings
// window, and the message loop until the main window closes; the loop's end
// destroys the windows and their components in order.
#include <windows.h>

#include "app/MainWindow.h"
#include "app/ProgramIcon.h"
#include "app/SettingsWindow.h"
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
    app.CreateForm<TForm2>();
    app.Run();
    return 0;
}
