// The one window base: every window class of ours (forms, hidden message
// windows, popups, hints) registers its class from creation parameters, finds
// its object through the class's own procedure (stored at WM_NCCREATE) and
// handles messages in a virtual window procedure. Takeovers installed through
// it stay on the window across re-creation and see its very first messages.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Component.h"
#include "platform/Subclass.h"

namespace ventro {

struct TCreateParams {
    std::wstring ClassName;
    UINT ClassStyle = CS_DBLCLKS;
    DWORD Style = WS_POPUP;
    DWORD ExStyle = 0;
    // The owner of a top-level window, the parent of a child window.
    HWND Parent = nullptr;
    HCURSOR Cursor = nullptr;      // null: the arrow
    HBRUSH Background = nullptr;   // null: the window paints its own background
    HICON Icon = nullptr;          // class icon (taskbar, Alt+Tab) when not null
    std::wstring Caption;
    int X = CW_USEDEFAULT;
    int Y = CW_USEDEFAULT;
    int Width = CW_USEDEFAULT;
    int Height = CW_USEDEFAULT;
    int Id = 0;                    // child windows: the control identifier
};

// Class styles the popup menus and hints ask for.
// https://learn.microsoft.com/windows/win32/winmsg/window-class-styles
constexpr UINT ClassStyleSaveBits = CS_SAVEBITS;       // 0x800
constexpr UINT ClassStyleDropShadow = CS_DROPSHADOW;   // 0x20000

class TCustomWindow : public TComponent {
public:
    explicit TCustomWindow(TComponent* owner);
    ~TCustomWindow() override;

    HWND Handle() const { return m_wnd; }
    bool HandleAllocated() const { return m_wnd != nullptr; }
    // Creates the window when it has none yet; returns it.
    HWND HandleNeeded();
    void DestroyHandle();
    // Destroys the window and creates it again from the creation parameters,
    // keeping the object, its text, position, visibility, child windows and takeovers.
    void RecreateWnd();

    // A takeover of this window's messages: installed now (when the window
    // exists) and again on every re-creation, before WM_NCCREATE, so that it
    // sees the whole life of each window. Gone with the token.
    TSubclass TakeOver(SubclassHandler handler);

    // The object of one of our windows; null for any other window.
    static TCustomWindow* FromHandle(HWND wnd);

    // Deletes this window's object after the message being handled returns.
    void Release();

protected:
    virtual void CreateParams(TCreateParams& params);
    // Called once the window exists (after WM_CREATE) and before it is destroyed.
    virtual void HandleCreated() { }
    virtual void HandleDestroying() { }
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The platform's default handling.
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
    // Creates the window now; the derived constructor calls it when the window
    // must exist at once (virtual CreateParams dispatches from there).
    void CreateHandle();

private:
    static LRESULT CALLBACK StaticWndProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    static const wchar_t* RegisterClassFor(const TCreateParams& params);
    bool AttachTakeovers(HWND wnd);

    HWND m_wnd = nullptr;
    TCreateParams m_recreateState;
    bool m_recreating = false;
    std::vector<std::weak_ptr<SubclassEntry>> m_takeovers;
};

} // namespace ventro
