// Hidden handler windows.
#include "platform/MessageWindow.h"

namespace ventro {

MessageWindow::MessageWindow(Handler handler, Reach reach)
    : TCustomWindow(nullptr)
    , m_handler(std::move(handler))
    , m_reach(reach)
{
    CreateHandle();
}

void MessageWindow::CreateParams(TCreateParams& params)
{
    params.ClassName = L"VentroMessageWindow";
    params.ClassStyle = 0;
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOOLWINDOW;
    if (m_reach == Reach::MessagesOnly)
        params.Parent = HWND_MESSAGE;
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
