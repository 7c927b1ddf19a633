// The skin form controller's own window states: minimize (the application's,
// or in place along the work area's bottom), maximize to the work area with
// the 1-pixel rule, restore with first-show centring, roll-up, and minimize
// to the tray and back.
#include "skin/form/LumenSkinForm.h"

#include <commctrl.h>

#include "skin/form/WinFrameDrawing.h"
#include "skin/gfx/lxUtils.h"
#include "skin/menus/lxTrayIcon.h"

namespace ventro {

namespace {

constexpr UINT PlaceFlags = SWP_NOZORDER | SWP_NOACTIVATE;

} // namespace

Rect TlxLumenSkinForm::WorkAreaOfForm() const { return GetWorkArea(m_form->Handle(), true); }
Rect TlxLumenSkinForm::MonitorOfForm() const { return GetWorkArea(m_form->Handle(), false); }

void TlxLumenSkinForm::SetStatusBarGrip(bool shown)
{
    auto* bar = dynamic_cast<TCustomWindow*>(m_statusBar);
    if (!bar || !bar->Handle())
        return;
    HWND wnd = bar->Handle();
    LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
    LONG_PTR next = shown ? (style | SBARS_SIZEGRIP) : (style & ~LONG_PTR(SBARS_SIZEGRIP));
    if (next != style) {
        SetWindowLongPtrW(wnd, GWL_STYLE, next);
        InvalidateRect(wnd, nullptr, TRUE);
    }
}

void TlxLumenSkinForm::ChangeWindowState(TWindowState state)
{
    if (!HandleReady())
        return;
    if (!m_skinned) {
        ShowWindow(m_form->Handle(), state == TWindowState::wsMinimized ? SW_MINIMIZE
                : state == TWindowState::wsMaximized                    ? SW_MAXIMIZE
                                                                        : SW_RESTORE);
        return;
    }
    if (state == m_windowState)
        return;
    const TWindowState old = m_windowState;
    switch (state) {
    case TWindowState::wsMinimized: {
        const TAliveToken alive = m_liveness.Token();
        if (IsMainForm()) {
            // The application window carries the taskbar entry; whoever hooks
            // it (the tray icon) sees the same command the platform's minimize sends.
            SendMessageW(Application().Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        } else {
            m_windowState = state;
            MinimizeInPlace();
        }
        if (alive && OnMinimize)
            OnMinimize(this);
        break;
    }
    case TWindowState::wsMaximized:
        m_windowState = state;
        Maximize();
        break;
    case TWindowState::wsNormal:
        m_windowState = state;
        RestoreToNormal(old);
        break;
    }
}

void TlxLumenSkinForm::MinimizeInPlace()
{
    HWND wnd = m_form->Handle();
    if (m_normalBounds.IsZero())
        m_normalBounds = WindowRectOf(wnd);
    std::vector<Point> taken;
    for (TCustomForm* f : Application().Forms()) {
        if (f == m_form || f == Application().MainForm() || !f->Visible())
            continue;
        for (TComponent* c : f->Components())
            if (auto* other = dynamic_cast<TlxLumenSkinForm*>(c))
                if (other->Skinned() && other->RecordedWindowState() == TWindowState::wsMinimized) {
                    Rect o = WindowRectOf(f->Handle());
                    taken.push_back({ o.Left, o.Top });
                }
    }
    int minW = MinWidthNow(), minH = MinHeightNow();
    Point place = MinimizedPlace(WorkAreaOfForm(), minW, minH, taken);
    SetWindowPos(wnd, nullptr, place.X, place.Y, minW, minH, PlaceFlags);
    RepaintFrame();
}

void TlxLumenSkinForm::Maximize()
{
    HWND wnd = m_form->Handle();
    if (m_normalBounds.IsZero())
        m_normalBounds = WindowRectOf(wnd);
    // The roll-up state before maximizing is remembered; the rolled-up-while-
    // maximized flag changes only by rolling while maximized.
    m_rolledUpBeforeMaximize = m_rolledUp;
    Rect screen { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    Rect r = MaximizedRect(WorkAreaOfForm(), MonitorOfForm(), screen, m_maximizeOnFullScreen);
    SetWindowPos(wnd, nullptr, r.Left, r.Top, r.Width(), r.Height(), PlaceFlags);
    SetStatusBarGrip(false);
    RepaintFrame();
    if (OnMaximize)
        OnMaximize(this);
}

void TlxLumenSkinForm::RestoreToNormal(TWindowState old)
{
    HWND wnd = m_form->Handle();
    if (old == TWindowState::wsMaximized && m_rolledUp && !m_rolledUpBeforeMaximize)
        m_rolledUp = false;
    Rect before = WindowRectOf(wnd);
    Rect target = m_normalBounds.IsZero() ? before : m_normalBounds;
    if (m_rolledUp)
        target.Bottom = target.Top + MinHeightNow();
    if (m_firstShow) {
        if (auto area = CentringArea(m_positionInMonitor, MonitorOfForm(), WorkAreaOfForm())) {
            Point p = CenteredPlace(*area, target.Width(), target.Height());
            target = Rect { p.X, p.Y, p.X + target.Width(), p.Y + target.Height() };
        }
        m_firstShow = false;
    }
    SetWindowPos(wnd, nullptr, target.Left, target.Top, target.Width(), target.Height(), PlaceFlags);
    StartTrackingTimer();
    if (target.Width() == before.Width() && target.Height() == before.Height() && m_skinReady)
        WidthNudge();
    RedrawWholeWindow(wnd);
    m_normalBounds = Rect {};
    SetStatusBarGrip(true);
    if (OnRestore)
        OnRestore(this);
}

void TlxLumenSkinForm::SetRollUpState(bool value)
{
    RollUpContext ctx;
    ctx.HasRollUp = m_borderIcons.RollUp;
    ctx.Minimized = m_windowState == TWindowState::wsMinimized;
    ctx.Maximized = m_windowState == TWindowState::wsMaximized;
    ctx.RolledUp = m_rolledUp;
    ctx.RolledUpBeforeMaximize = m_rolledUpBeforeMaximize;
    if (!RollUpAllowed(ctx) || value == m_rolledUp || !HandleReady())
        return;
    HWND wnd = m_form->Handle();
    if (ctx.Maximized)
        m_rolledUpWhileMaximized = value;
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    Rect r = WindowRectOf(wnd);
    if (value) {
        m_savedHeight = r.Height();
        m_rolledUp = true;
        SetWindowPos(wnd, nullptr, 0, 0, r.Width(), MinHeightNow(), flags);
    } else {
        m_rolledUp = false;
        RollDownSize size = RollDownHeight(m_clientHeight, m_savedHeight);
        if (size.IsClientHeight)
            m_form->SetClientSize(m_form->ClientWidth(), size.Height);
        else
            SetWindowPos(wnd, nullptr, 0, 0, r.Width(), size.Height, flags);
    }
    RepaintFrame();
    if (OnChangeRollUpState)
        OnChangeRollUpState(this);
}

void TlxLumenSkinForm::MinimizeToTray()
{
    if (!m_trayIcon)
        return;
    m_trayIcon->MinimizeToTray = true;
    Application().Minimize();
    if (OnMinimizeToTray)
        OnMinimizeToTray(this);
}

void TlxLumenSkinForm::RestoreFromTray()
{
    if (!m_trayIcon)
        return;
    m_trayIcon->MinimizeToTray = false;
    m_trayIcon->RestoreMainForm();
    Application().Restore();
    if (m_trayIcon && !m_alwaysShowInTray)
        m_trayIcon->SetIconVisible(false);
    if (OnRestoreFromTray)
        OnRestoreFromTray(this);
}

void TlxLumenSkinForm::FirstShowPlacement()
{
    if (!m_firstShow)
        return;
    m_firstShow = false;
    if (m_windowState != TWindowState::wsNormal)
        return;
    auto area = CentringArea(m_positionInMonitor, MonitorOfForm(), WorkAreaOfForm());
    if (!area)
        return;
    Rect r = WindowRectOf(m_form->Handle());
    Point p = CenteredPlace(*area, r.Width(), r.Height());
    SetWindowPos(m_form->Handle(), nullptr, p.X, p.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace ventro
