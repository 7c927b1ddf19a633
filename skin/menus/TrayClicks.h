// Telling a single click on a notification-area icon from a double click,
// and stepping through the icons of a list, as plain state.
#pragma once

namespace ventro {

// The shell sends down, up, double click, up for a double click. A single
// click is reported once the double-click time has passed without a second
// click: at the release when the button was held longer than that, else when
// the click timer runs out.
class TrayClickTracker {
public:
    enum class Report { None, Click };

    // The left button went down: the caller starts the click timer.
    void LeftDown();
    Report LeftUp();
    // The caller fires OnDblClick.
    void DoubleClick();
    // The click timer ran out: the caller stops it.
    Report ClickTimer();
    bool TimerRunning() const { return m_timerRunning; }

private:
    bool m_clickStart = false;
    bool m_clickReady = false;
    bool m_doubleClick = false;
    bool m_timerRunning = false;
};

// The icon after `index` in a list of `count`, back to 0 after the last.
constexpr int NextCycleIndex(int index, int count) { return index >= count - 1 ? 0 : index + 1; }
// An index capped at the list's last icon; 0 without icons.
constexpr int CapIconIndex(int index, int count) { return count <= 0 ? 0 : index < 0 ? 0 : index >= count ? count - 1 : index; }

} // namespace ventro
