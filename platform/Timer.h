// A timer component: raises OnTimer every Interval milliseconds while enabled.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/Component.h"
#include "platform/MessageWindow.h"

namespace ventro {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return m_enabled; }
    // Starts counting when it goes from disabled to enabled.
    void SetEnabled(bool enabled);
    uint32_t Interval() const { return m_interval; }
    // A new interval restarts the count; the same interval leaves it alone.
    // An interval of 0 stops the timer.
    void SetInterval(uint32_t milliseconds);
    // True while a platform timer is running (enabled, interval above 0).
    bool Running() const { return m_running; }

    std::function<void()> OnTimer;

private:
    void Update();

    std::unique_ptr<MessageWindow> m_window;
    bool m_enabled = true;
    uint32_t m_interval = 1000;
    bool m_running = false;
};

} // namespace ventro
