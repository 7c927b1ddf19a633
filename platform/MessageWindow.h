// A hidden top-level window whose messages go to a handler: the receiving end
// for posted hand-overs from other threads and tray notifications.
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

    explicit MessageWindow(Handler handler);

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Handler m_handler;
};

} // namespace ventro
