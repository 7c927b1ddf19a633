// The skin form controller's pointer routing, in one place: which object is
// hot (from the hit test and a 50 ms poll), presses and releases with the
// mouse capture, the mouse messages routed to the objects after the previous
// procedure, the caption's double and right clicks, object hints, and the
// objects' morph and animation timers.
#include "skin/form/LumenSkinForm.h"

#include <windowsx.h>

#include "platform/Text.h"
#include "skin/form/PointerRules.h"
#include "skin/form/WinFrameDrawing.h"
#include "skin/menus/lxSkinHint.h"

namespace ventro {

namespace {

// Window timers of the form besides the fade-in's.
constexpr UINT_PTR TrackingTimerId = 0x4C01;
constexpr UINT_PTR MorphTimerId = 0x4C02;
constexpr UINT_PTR AnimationTimerId = 0x4C03;
constexpr UINT TrackingInterval = 50;
constexpr UINT MorphInterval = 25;
constexpr UINT AnimationInterval = 25;

} // namespace

// --- Timers.

bool TlxLumenSkinForm::TrackingTimerRunning() const { return m_timers.Running(TrackingTimerId); }

void TlxLumenSkinForm::StartTrackingTimer()
{
    if (!TrackingTimerRunning() && m_skinned && m_frame && !m_frame->Objects().empty())
        m_timers.Start(TrackingTimerId, TrackingInterval);
}

void TlxLumenSkinForm::StopTrackingTimer() { m_timers.Stop(TrackingTimerId); }

void TlxLumenSkinForm::StartMorphTimer()
{
    if (!m_timers.Running(MorphTimerId))
        m_timers.Start(MorphTimerId, MorphInterval);
}

void TlxLumenSkinForm::StartAnimationTimer()
{
    if (!m_timers.Running(AnimationTimerId))
        m_timers.Start(AnimationTimerId, AnimationInterval);
}

void TlxLumenSkinForm::StopTimers()
{
    m_timers.Stop(TrackingTimerId);
    m_timers.Stop(MorphTimerId);
    m_timers.Stop(AnimationTimerId);
}

std::optional<LRESULT> TlxLumenSkinForm::OnTimer(FormMessage& m)
{
    if (m_fade.Tick(m.WParam))
        return 0;
    switch (m.WParam) {
    case TrackingTimerId: TrackingTick(); return 0;
    case MorphTimerId: MorphTick(); return 0;
    case AnimationTimerId: AnimationTick(); return 0;
    default: return std::nullopt;
    }
}

void TlxLumenSkinForm::TrackingTick()
{
    if (m_inSizeMove || !m_active || !m_frame) {
        StopTrackingTimer();
        return;
    }
    HWND wnd = m_form->Handle();
    POINT cursor {};
    GetCursorPos(&cursor);
    Rect w = WindowRectOf(wnd);
    Point p = ScreenToWindowPoint({ cursor.x, cursor.y }, ToRECT(w));
    const bool overWindow = w.Contains({ cursor.x, cursor.y }) && GetAncestor(WindowFromPoint(cursor), GA_ROOT) == wnd;
    const bool inClient = m_frame->ClientRect().Contains(p);
    TrackObjects(p.X, p.Y, overWindow && !inClient);
    // Nothing to watch while the pointer is elsewhere: the next hit test on
    // an object starts the timer again.
    if (TrackingTimerRunning() && !overWindow && m_hot < 0 && m_pressed < 0)
        StopTrackingTimer();
}

void TlxLumenSkinForm::MorphTick()
{
    if (!m_frame || !MorphTimerTick(m_frame->Objects()))
        m_timers.Stop(MorphTimerId);
}

void TlxLumenSkinForm::AnimationTick()
{
    if (!m_frame || !AnimationTimerTick(m_frame->Objects()))
        m_timers.Stop(AnimationTimerId);
}

// --- The hot object.

void TlxLumenSkinForm::TrackObjects(int x, int y, bool allow)
{
    if (!m_active || !m_frame || m_frame->Objects().empty())
        return;
    SkinObjectList& objects = m_frame->Objects();
    std::vector<ObjectHitInfo> hits;
    hits.reserve(objects.size());
    for (const auto& o : objects)
        hits.push_back({ o->ObjectRect, o->Enabled, o->Visible });
    int next = FindHotObject(hits, { x, y }, allow, m_pressed);
    if (next == m_hot)
        return;
    const TAliveToken alive = m_liveness.Token();
    const int old = m_hot;
    m_previousHot = old;
    m_hot = next;
    if (old >= 0 && size_t(old) < objects.size()) {
        TlxActiveSkinObject& o = *objects[size_t(old)];
        if (o.Enabled && o.Visible)
            o.MouseLeave();
        if (!alive)
            return;
        HideObjectHint();
    }
    if (next >= 0 && m_frame && size_t(next) < m_frame->Objects().size()) {
        TlxActiveSkinObject& o = *m_frame->Objects()[size_t(next)];
        o.MouseEnter();
        if (!alive)
            return;
        ShowObjectHintFor(o);
    }
}

void TlxLumenSkinForm::ShowObjectHintFor(TlxActiveSkinObject& object)
{
    if (m_showObjectHint && m_skinHint && !object.Hint.empty())
        m_skinHint->QueueObjectHint(AnsiToWide(object.Hint));
}

void TlxLumenSkinForm::HideObjectHint()
{
    if (m_skinHint)
        m_skinHint->HideObjectHint();
}

// --- Presses and releases.

TlxActiveSkinObject* TlxLumenSkinForm::ObjectAt(int index) const
{
    return index >= 0 && m_frame && size_t(index) < m_frame->Objects().size() ? m_frame->Objects()[size_t(index)].get()
                                                                               : nullptr;
}

void TlxLumenSkinForm::Press(Point p, TMouseButton button)
{
    if (m_hot < 0 || !m_frame || size_t(m_hot) >= m_frame->Objects().size())
        return;
    TlxActiveSkinObject& o = *m_frame->Objects()[size_t(m_hot)];
    if (o.Kind() != FrameObjectKind::Caption)
        SetCapture(m_form->Handle());
    m_pressed = m_hot;
    o.MouseDown(p.X, p.Y, button);
}

void TlxLumenSkinForm::Release(Point p, TMouseButton button)
{
    if (m_pressed < 0 || !m_frame || size_t(m_pressed) >= m_frame->Objects().size()) {
        m_pressed = -1;
        return;
    }
    TlxActiveSkinObject& o = *m_frame->Objects()[size_t(m_pressed)];
    // Cleared first: the object's command may close or resize the form.
    m_pressed = -1;
    if (o.Kind() != FrameObjectKind::Caption && GetCapture() == m_form->Handle())
        ReleaseCapture();
    o.MouseUp(p.X, p.Y, button);
}

void TlxLumenSkinForm::ClearPress()
{
    if (m_pressed >= 0 && GetCapture() == m_form->Handle())
        ReleaseCapture();
    m_pressed = -1;
}

bool TlxLumenSkinForm::TrackAndPress(Point p, TMouseButton button)
{
    const TAliveToken alive = m_liveness.Token();
    TrackObjects(p.X, p.Y, true);
    if (alive)
        Press(p, button);
    return bool(alive);
}

// --- The mouse messages, after the previous procedure.

bool TlxLumenSkinForm::RoutesPointer(const FormMessage& m) const
{
    const bool nonClient = m.Message >= WM_NCMOUSEMOVE && m.Message <= WM_NCMBUTTONDBLCLK;
    return m_frame && (m_skinned || !nonClient);
}

Point TlxLumenSkinForm::PointerOf(const FormMessage& m) const
{
    const RECT w = ToRECT(WindowRectOf(m.Wnd));
    if (m.Message >= WM_NCMOUSEMOVE && m.Message <= WM_NCMBUTTONDBLCLK)
        return ScreenToWindowPoint(CursorFromLParam(m.LParam), w);
    POINT c { GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam) };
    ClientToScreen(m.Wnd, &c);
    return ScreenToWindowPoint({ c.x, c.y }, w);
}

void TlxLumenSkinForm::AfterNcMouseMove(const FormMessage& m, LRESULT&)
{
    if (!RoutesPointer(m))
        return;
    if (auto* o = ObjectAt(m_pressed >= 0 ? m_pressed : m_hot)) {
        const Point p = PointerOf(m);
        o->MouseMove(p.X, p.Y);
    }
}

void TlxLumenSkinForm::AfterMouseMove(const FormMessage& m, LRESULT&)
{
    // A pressed object holds the pointer: it follows it off and back on.
    if (!RoutesPointer(m) || m_pressed < 0 || GetCapture() != m.Wnd)
        return;
    const Point p = PointerOf(m);
    const TAliveToken alive = m_liveness.Token();
    TrackObjects(p.X, p.Y, true);
    if (!alive)
        return;
    if (auto* o = ObjectAt(m_pressed))
        o->MouseMove(p.X, p.Y);
}

std::optional<LRESULT> TlxLumenSkinForm::OnNcLButtonDown(FormMessage&)
{
    m_sizeMoveRan = false;
    return std::nullopt;
}

void TlxLumenSkinForm::AfterNcLButtonDown(const FormMessage& m, LRESULT&)
{
    if (!RoutesPointer(m))
        return;
    // The press started a size or move loop that has ended by now.
    if (m_sizeMoveRan) {
        m_sizeMoveRan = false;
        return;
    }
    if (TrackAndPress(PointerOf(m), TMouseButton::mbLeft) && m.WParam == HTCAPTION)
        m_pressed = -1;
}

void TlxLumenSkinForm::AfterNcLButtonUp(const FormMessage& m, LRESULT&)
{
    if (RoutesPointer(m))
        Release(PointerOf(m), TMouseButton::mbLeft);
}

void TlxLumenSkinForm::AfterNcLButtonDblClk(const FormMessage& m, LRESULT&)
{
    if (!RoutesPointer(m))
        return;
    if (!TrackAndPress(PointerOf(m), TMouseButton::mbLeft))
        return;
    const TAliveToken alive = m_liveness.Token();
    if (auto* o = ObjectAt(m_hot))
        o->DblClick();
    if (alive && m.WParam == HTCAPTION)
        CaptionDoubleClicked();
    if (alive)
        ClearPress();
}

void TlxLumenSkinForm::CaptionDoubleClicked()
{
    CaptionDblClickContext c;
    c.Resizable = m_frame->Resizable();
    c.Minimized = m_windowState == TWindowState::wsMinimized;
    c.Maximized = m_windowState == TWindowState::wsMaximized;
    c.RolledUp = m_rolledUp;
    c.RolledUpWhileMaximized = m_rolledUpWhileMaximized;
    c.HasMaximize = m_borderIcons.Maximize;
    switch (CaptionDoubleClick(c)) {
    case CaptionDblClickAction::Restore: ChangeWindowState(TWindowState::wsNormal); break;
    case CaptionDblClickAction::Maximize: ChangeWindowState(TWindowState::wsMaximized); break;
    case CaptionDblClickAction::ToggleRollUp: SetRollUpState(!m_rolledUp); break;
    }
}

void TlxLumenSkinForm::AfterNcRButtonDown(const FormMessage& m, LRESULT&)
{
    if (!RoutesPointer(m))
        return;
    if (!TrackAndPress(PointerOf(m), TMouseButton::mbRight) || m.WParam != HTCAPTION)
        return;
    ClearPress();
    const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
    PopupSystemMenu({ x, y, x, y });
}

void TlxLumenSkinForm::AfterNcRButtonUp(const FormMessage& m, LRESULT&)
{
    if (RoutesPointer(m))
        Release(PointerOf(m), TMouseButton::mbRight);
}

void TlxLumenSkinForm::AfterNcRButtonDblClk(const FormMessage& m, LRESULT&)
{
    if (!RoutesPointer(m))
        return;
    if (TrackAndPress(PointerOf(m), TMouseButton::mbRight) && m.WParam == HTCAPTION)
        ClearPress();
}

void TlxLumenSkinForm::AfterLButtonUp(const FormMessage& m, LRESULT&)
{
    if (RoutesPointer(m))
        Release({ -1, -1 }, TMouseButton::mbLeft);
}

void TlxLumenSkinForm::AfterRButtonUp(const FormMessage& m, LRESULT&)
{
    if (RoutesPointer(m))
        Release({ -1, -1 }, TMouseButton::mbRight);
}

} // namespace ventro
