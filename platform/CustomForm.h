// What the application needs of a form, so that it can list, show, close and
// activate forms without depending on the form class itself.
#pragma once
#include "platform/CustomWindow.h"

namespace ventro {

class TCustomForm : public TCustomWindow {
public:
    using TCustomWindow::TCustomWindow;

    virtual void Show() = 0;
    virtual void Close() = 0;
    bool Visible() const { return Handle() && IsWindowVisible(Handle()); }
};

} // namespace ventro
