// A hidden window whose messages go to a handler: the receiving end for posted
// hand-overs from other threads and tray notifications.
#pragma once
#include <windows.h>

#include <functional>

#include "platform/CustomWindow.h"

namespace ventro {

class MessageWindow : public TCustomWindow {
public:
    // Returns true when it handled the message and `result` holds the answer;
    // false lets the platform's default procedure answer.
    using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    // A top-level window hears broadcasts (such as the taskbar's re-creation
    // message); a message-only one hears only what is sent or posted to it,
    // and costs the platform far less to make.
    enum class Reach { Broadcasts, MessagesOnly };

    explicit MessageWindow(Handler handler, Reach reach = Reach::Broadcasts);

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Handler m_handler;
    Reach m_reach;
};

} // namespace ventro
