// Single and double clicks on a notification-area icon.
#include "skin/menus/TrayClicks.h"

namespace ventro {

void TrayClickTracker::LeftDown()
{
    m_timerRunning = true;
    m_clickStart = true;
}

TrayClickTracker::Report TrayClickTracker::LeftUp()
{
    Report report = Report::None;
    if (m_clickStart) {
        m_clickReady = true;
        if (!m_timerRunning) {
            m_clickReady = false;
            report = Report::Click;
        }
    }
    m_clickStart = false;
    return report;
}

void TrayClickTracker::DoubleClick()
{
    m_clickReady = false;
    m_doubleClick = true;
}

TrayClickTracker::Report TrayClickTracker::ClickTimer()
{
    m_timerRunning = false;
    Report report = Report::None;
    if (!m_doubleClick && m_clickReady) {
        m_clickReady = false;
        report = Report::Click;
    }
    m_doubleClick = false;
    return report;
}

} // namespace ventro
