// The desktop compositor's frame rendering, looked up at run time.
#include "platform/Compositor.h"

#include "platform/LazyLibrary.h"

namespace ventro {

namespace {

// The attribute and its values, as the compositor's interface numbers them
// (DWMWA_NCRENDERING_POLICY; DWMNCRP_USEWINDOWSTYLE and DWMNCRP_DISABLED).
// https://learn.microsoft.com/windows/win32/api/dwmapi/ne-dwmapi-dwmwindowattribute
constexpr DWORD NcRenderingPolicy = 2;
constexpr DWORD PolicyUseWindowStyle = 0;
constexpr DWORD PolicyDisabled = 1;

using SetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

LazyLibrary& DwmApi()
{
    static LazyLibrary library(L"dwmapi.dll");
    return library;
}

} // namespace

bool SetCompositorFrame(HWND wnd, bool compositorDraws)
{
    if (!wnd)
        return false;
    auto set = DwmApi().Entry<SetAttributeFn>("DwmSetWindowAttribute");
    if (!set)
        return false;
    const DWORD policy = compositorDraws ? PolicyUseWindowStyle : PolicyDisabled;
    return SUCCEEDED(set(wnd, NcRenderingPolicy, &policy, sizeof policy));
}

} // namespace ventro
