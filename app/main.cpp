// The dialer's entry: the application, the main window, a hidden settings
// window, and the message loop until the main window closes.
#include <windows.h>

#include "app/Resources.h"
#include "app/MainWindow.h"
#include "app/SettingsWindow.h"
#include "platform/Application.h"
#include "platform/Handles.h"

using namespace ventro;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // Every line of this loop's errors ends in the standard error report, never
    // in a crash dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    TApplication& app = Application();
    app.Initialize();
    app.SetTitle(L"VentroADSL拨号器");
    // The application's icon is the one the tray icon shows.
    IconHandle icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAINICON), IMAGE_ICON, 16, 16, 0)));
    app.SetIcon(icon.Get());
    app.CreateForm<TForm1>();
    app.CreateForm<TForm2>();
    app.Run();
    return 0;
}
