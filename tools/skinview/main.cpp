// skinview's entry: reads the command line, shows the preview window with the
// skin it names (or our stored skin, carried as a resource) and runs the
// message loop until the window closes.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "platform/Application.h"
#include "platform/Text.h"
#include "tools/skinview/SkinViewForm.h"

using namespace ventro;

namespace {

constexpr int StoredSkinResource = 101;

std::vector<uint8_t> StoredSkinBytes()
{
    HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(StoredSkinResource), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL data = info ? LoadResource(nullptr, info) : nullptr;
    if (!data)
        return {};
    const auto* bytes = static_cast<const uint8_t*>(LockResource(data));
    return std::vector<uint8_t>(bytes, bytes + SizeofResource(nullptr, info));
}

std::vector<std::wstring> Arguments()
{
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < count; ++i)
        args.emplace_back(argv[i]);
    LocalFree(argv);
    return args;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    TApplication& app = Application();
    app.Initialize();
    app.SetTitle(L"skinview");
    const skinview::ViewOptions options = skinview::ParseCommandLine(Arguments());
    if (!options.Error.empty()) {
        ShowMessageBox(nullptr, options.Error + L"\n\nskinview [--alpha-animation] [--alpha N] [SKIN.skn | --watch DEFINITION.ini]", L"skinview",
            MB_OK | MB_ICONERROR);
        return 2;
    }
    app.CreateForm<TSkinViewForm>(options, StoredSkinBytes());
    app.Run();
    return 0;
}
