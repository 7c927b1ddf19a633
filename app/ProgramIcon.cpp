// The program's icon from the executable's resources.
#include "app/ProgramIcon.h"

#include "app/Resources.h"

namespace ventro {

ProgramIcons LoadProgramIcons()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    ProgramIcons icons;
    icons.Big.Reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_MAINICON), IMAGE_ICON,
        GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
    icons.Small.Reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_MAINICON), IMAGE_ICON, 16, 16, 0)));
    return icons;
}

void ApplyProgramIcons(TApplication& app, const ProgramIcons& icons)
{
    app.SetIcon(icons.Big.Get(), icons.Small.Get());
}

} // namespace ventro
