// A hidden top-level window whose messages go to a handler: the receiving end
// for timers, posted hand-overs from other threads and tray notifications.
#pragma once
#include <windows.h>

#include <functional>

namespace ventro {

class MessageWindow {
public:
    // Returns true when it handled the message and `result` holds the answer;
    // false lets the platform's default procedure answer.
    using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    explicit MessageWindow(Handler handler);
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;
    ~MessageWindow();

    HWND Handle() const { return m_wnd; }

private:
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);

    Handler m_handler;
    HWND m_wnd = nullptr;
};

} // namespace ventro
