// Hidden handler windows.
#include "platform/MessageWindow.h"

#include "platform/Application.h"

namespace ventro {

static const wchar_t* RegisterMessageWindowClass()
{
    static const wchar_t* name = [] {
        WNDCLASSW wc {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VentroMessageWindow";
        RegisterClassW(&wc);
        return L"VentroMessageWindow";
    }();
    return name;
}

MessageWindow::MessageWindow(Handler handler)
    : m_handler(std::move(handler))
{
    // A real (hidden) top-level window rather than a message-only one, so that
    // broadcasts such as the taskbar's re-creation message reach it.
    m_wnd = CreateWindowExW(WS_EX_TOOLWINDOW, RegisterMessageWindowClass(), L"", WS_POPUP, 0, 0, 0, 0,
        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (m_wnd) {
        SetWindowLongPtrW(m_wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowLongPtrW(m_wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageWindow::WindowProc));
    }
}

MessageWindow::~MessageWindow()
{
    if (m_wnd) {
        SetWindowLongPtrW(m_wnd, GWLP_USERDATA, 0);
        DestroyWindow(m_wnd);
    }
}

LRESULT CALLBACK MessageWindow::WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (self && self->m_handler) {
        LRESULT result = 0;
        try {
            if (self->m_handler(message, wParam, lParam, result))
                return result;
        } catch (...) {
            // Nothing may cross the window procedure: the error goes to the standard report.
            Application().HandleCurrentException();
            return 0;
        }
    }
    return DefWindowProcW(wnd, message, wParam, lParam);
}

} // namespace ventro
