// Hidden handler windows.
#include "platform/MessageWindow.h"

namespace ventro {

MessageWindow::MessageWindow(Handler handler)
    : TCustomWindow(nullptr)
    , m_handler(std::move(handler))
{
    CreateHandle();
}

void MessageWindow::CreateParams(TCreateParams& params)
{
    // A real (hidden) top-level window rather than a message-only one, so that
    // broadcasts such as the taskbar's re-creation message reach it.
    params.ClassName = L"VentroMessageWindow";
    params.ClassStyle = 0;
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOOLWINDOW;
    params.X = params.Y = params.Width = params.Height = 0;
}

LRESULT MessageWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (m_handler && m_handler(message, wParam, lParam, result))
        return result;
    return DefaultHandler(message, wParam, lParam);
}

} // namespace ventro
