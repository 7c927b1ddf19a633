// The skin form controller's message map: one small handler per message of
// the form, found in one table. The dispatcher runs the closing filter, then
// the handler's part before the previous procedure (which may answer the
// message itself), the previous procedure, and the part after it; the
// component may end inside any of them, and the dispatcher alone checks.
#include "skin/form/LumenSkinForm.h"

#include "platform/Compositor.h"
#include "platform/Graphics.h"
#include "skin/form/PointerRules.h"
#include "skin/form/WinFrameDrawing.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/lxUtils.h"
#include "skin/menus/lxSkinHint.h"

namespace ventro {

namespace {

// The theme's undocumented messages that draw the caption and the frame of a
// window the platform thinks it frames (WM_NCUAHDRAWCAPTION, WM_NCUAHDRAWFRAME).
constexpr UINT ThemeDrawCaptionMessage = 0xAE;
constexpr UINT ThemeDrawFrameMessage = 0xAF;

// Messages that hide an object hint and close an open skinned menu.
bool IsClosingFilterMessage(UINT message)
{
    switch (message) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
        return true;
    default:
        return false;
    }
}

} // namespace

const TlxLumenSkinForm::MessageHandler* TlxLumenSkinForm::FindHandler(UINT message)
{
    using F = TlxLumenSkinForm;
    static const MessageHandler map[] = {
        { WM_DESTROY, &F::OnDestroy },
        { WM_SIZE, nullptr, &F::AfterSize },
        { WM_ACTIVATE, nullptr, &F::AfterActivate },
        { WM_SETTEXT, &F::OnSetText, &F::AfterSetText },
        { WM_SETICON, &F::OnSetText, &F::AfterSetText },
        { ThemeDrawCaptionMessage, &F::OnThemeCaption },
        { ThemeDrawFrameMessage, &F::OnThemeCaption },
        { WM_ERASEBKGND, &F::OnEraseBkgnd },
        { WM_SHOWWINDOW, &F::OnShowWindow },
        { WM_SETCURSOR, &F::OnSetCursor },
        { WM_GETMINMAXINFO, &F::OnGetMinMaxInfo },
        { WM_NCCALCSIZE, &F::OnNcCalcSize },
        { WM_NCHITTEST, &F::OnNcHitTest, &F::AfterNcHitTest },
        { WM_NCPAINT, &F::OnNcPaint },
        { WM_NCACTIVATE, &F::OnNcActivate, nullptr, true },
        { WM_SYNCPAINT, &F::OnSyncPaint },
        { WM_SYSCOMMAND, &F::OnSysCommand },
        { WM_CONTEXTMENU, &F::OnContextMenu },
        { WM_TIMER, &F::OnTimer },
        { WM_SIZING, &F::OnSizing, &F::AfterSizing },
        { WM_MOVING, nullptr, &F::AfterMoving },
        { WM_ENTERSIZEMOVE, &F::OnEnterSizeMove },
        { WM_EXITSIZEMOVE, &F::OnExitSizeMove },
        { MenuClosedMessage, &F::OnMenuClosed },
        { LumenQueryMessage, &F::OnLumenQuery },
        { LumenPrintFrameMessage, &F::OnLumenPrintFrame },
        { LumenPrintFrame2Message, &F::OnLumenPrintFrame2 },
        { SKM_BEFORECHANGESKIN, &F::OnSkinMessage },
        { SKM_CHANGESKIN, &F::OnSkinMessage },
        { SKM_AFTERCHANGESKIN, &F::OnSkinMessage },
        { SKM_CHANGERESSTRDATA, &F::OnSkinMessage },
        { SKM_CHANGESKINNABLE, &F::OnSkinMessage },
        // The pointer, routed to the objects (LumenSkinFormPointer.cpp).
        { WM_NCMOUSEMOVE, nullptr, &F::AfterNcMouseMove },
        { WM_MOUSEMOVE, nullptr, &F::AfterMouseMove },
        { WM_NCLBUTTONDOWN, &F::OnNcLButtonDown, &F::AfterNcLButtonDown },
        { WM_NCLBUTTONUP, nullptr, &F::AfterNcLButtonUp },
        { WM_NCLBUTTONDBLCLK, nullptr, &F::AfterNcLButtonDblClk },
        { WM_NCRBUTTONDOWN, nullptr, &F::AfterNcRButtonDown },
        { WM_NCRBUTTONUP, nullptr, &F::AfterNcRButtonUp },
        { WM_NCRBUTTONDBLCLK, nullptr, &F::AfterNcRButtonDblClk },
        { WM_LBUTTONUP, nullptr, &F::AfterLButtonUp },
        { WM_RBUTTONUP, nullptr, &F::AfterRButtonUp },
    };
    for (const MessageHandler& h : map)
        if (h.Message == message)
            return &h;
    return nullptr;
}

LRESULT TlxLumenSkinForm::WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return Dispatch(wnd, message, wParam, lParam);
    } catch (...) {
        Application().HandleCurrentException();
        return 0;
    }
}

LRESULT TlxLumenSkinForm::Dispatch(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const TAliveToken alive = m_liveness.Token();
    ClosingFilter(message);
    const MessageHandler* handler = alive ? FindHandler(message) : nullptr;
    FormMessage m { wnd, message, wParam, lParam, alive && m_skinned };
    if (handler && handler->ClosesMenu && m.Skinned)
        CloseOpenMenu();
    std::optional<LRESULT> answer;
    if (alive && handler && handler->Before)
        answer = (this->*handler->Before)(m);
    LRESULT result = answer ? *answer : CallPreviousProc(m.Wnd, m.Message, m.WParam, m.LParam);
    if (alive && handler && handler->After)
        (this->*handler->After)(m, result);
    return result;
}

void TlxLumenSkinForm::ClosingFilter(UINT message)
{
    if (!IsClosingFilterMessage(message))
        return;
    HideObjectHint();
    if (!m_skinMenuOpen || !m_skinMenu)
        return;
    if (m_skinMenu->Visible())
        m_skinMenu->CloseAll();
    else
        SkinMenuClosed();
}

void TlxLumenSkinForm::CloseOpenMenu()
{
    if (m_skinMenuOpen && m_skinMenu && m_skinMenu->Visible())
        m_skinMenu->CloseAll();
}

// --- The window's life, size and activation.

std::optional<LRESULT> TlxLumenSkinForm::OnDestroy(FormMessage&)
{
    m_timers.StopAll();
    return std::nullopt;
}

void TlxLumenSkinForm::AfterSize(const FormMessage& m, LRESULT&)
{
    m_snap.Clear();
    Rect w = WindowRectOf(m.Wnd);
    if (m.Skinned && !BelowMinimum(w.Width(), w.Height())) {
        // The frame may already have this size (a paint or hit test before
        // WM_SIZE resizes it), so the region is made for every new size.
        ResizeFrame(w.Width(), w.Height());
        UpdateWindowRegion();
        RepaintFrame();
        if (m_skinReady && m_frame && m_frame->Skinned() && m_frame->Info().Stretch.Client) {
            InvalidateRect(m.Wnd, nullptr, TRUE);
            NotifyChildren();
        }
    }
    if (m_alphaBlend && m_alphaBlendValue < 255 && LayeredWindowsAvailable())
        RedrawWindow(m.Wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    if (!m_logo.View().IsEmpty())
        InvalidateRect(m.Wnd, nullptr, TRUE);
}

void TlxLumenSkinForm::AfterActivate(const FormMessage& m, LRESULT&)
{
    if (!m.Skinned)
        return;
    const bool active = LOWORD(m.WParam) != WA_INACTIVE;
    m_active = active;
    if (m_frame)
        ResetObjects(m_frame->Objects());
    ActivateCaptionWithRepaint(true);
    if (active && OnActivate)
        OnActivate(this);
    else if (!active && OnDeActivate)
        OnDeActivate(this);
}

std::optional<LRESULT> TlxLumenSkinForm::OnSetText(FormMessage& m)
{
    // The platform's default handling keeps the text or icon and paints its
    // own caption over ours at once, but only on a window whose style has the
    // whole caption. The caption bits go back before anyone can see them
    // missing; without a frame change they never alter the frame. Clearing
    // WS_VISIBLE instead would do the same on Windows, but under Wine it
    // unmaps and maps the window, which drops a click under way.
    const LONG_PTR style = GetWindowLongPtrW(m.Wnd, GWL_STYLE);
    if (!m.Skinned || (style & WS_CAPTION) != WS_CAPTION || m_form->BorderStyle() == TBorderStyle::bsNone)
        return std::nullopt;
    SetWindowLongPtrW(m.Wnd, GWL_STYLE, style & ~LONG_PTR(WS_CAPTION));
    const LRESULT result = CallPreviousProc(m.Wnd, m.Message, m.WParam, m.LParam);
    if (IsWindow(m.Wnd))
        SetWindowLongPtrW(m.Wnd, GWL_STYLE, GetWindowLongPtrW(m.Wnd, GWL_STYLE) | (style & WS_CAPTION));
    return result;
}

std::optional<LRESULT> TlxLumenSkinForm::OnThemeCaption(FormMessage& m)
{
    if (!m.Skinned)
        return std::nullopt;
    return 0;
}

void TlxLumenSkinForm::AfterSetText(const FormMessage& m, LRESULT&)
{
    if (m.Skinned)
        RepaintFrame();
}

std::optional<LRESULT> TlxLumenSkinForm::OnEraseBkgnd(FormMessage& m)
{
    PaintClientBackground(reinterpret_cast<HDC>(m.WParam));
    return 1;
}

std::optional<LRESULT> TlxLumenSkinForm::OnShowWindow(FormMessage& m)
{
    if (m.WParam) {
        // Not before: a window the platform made again has lost the setting.
        if (m.Skinned)
            SetCompositorFrame(m.Wnd, false);
        FirstShowPlacement();
        UpdateWindowRegion();
        if ((m_alphaBlend || m_alphaBlendAnimation) && !m_fade.Running())
            FadeStart();
        if (m.Skinned && m_skinReady)
            WidthNudge();
        // The frame has no menu bar: a platform menu would sit inside it.
        if (m.Skinned && GetMenu(m.Wnd))
            SetMenu(m.Wnd, nullptr);
    } else if (m_alphaBlend && m_layered) {
        SetLayered(false);
    }
    return std::nullopt;
}

std::optional<LRESULT> TlxLumenSkinForm::OnSetCursor(FormMessage& m)
{
    if (m_useFormCursorInNCArea && m.Skinned)
        m.LParam = MAKELPARAM(FormCursorHitCode(short(LOWORD(m.LParam))), HIWORD(m.LParam));
    return std::nullopt;
}

std::optional<LRESULT> TlxLumenSkinForm::OnGetMinMaxInfo(FormMessage& m)
{
    if (!m.Skinned || !m_frame)
        return std::nullopt;
    auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
    info->ptMinTrackSize.x = MinWidthNow();
    info->ptMinTrackSize.y = MinHeightNow();
    const Rect work = WorkAreaOfForm(), monitor = MonitorOfForm();
    info->ptMaxTrackSize.x = GetMaxWidth(m_limits, work, monitor);
    info->ptMaxTrackSize.y = GetMaxHeight(m_limits, work, monitor);
    return std::nullopt;
}

// --- The frame: its size, hit tests and paint.

std::optional<LRESULT> TlxLumenSkinForm::OnNcCalcSize(FormMessage& m)
{
    if (!m.Skinned || !m_frame)
        return std::nullopt;
    // Without a border the proposed rectangle is the client rectangle.
    if (m_form->BorderStyle() == TBorderStyle::bsNone)
        return 0;
    RECT* rc = reinterpret_cast<RECT*>(m.LParam);
    Rect proposed = FromRECT(*rc);
    Rect client = m_frame->Skinned() ? SkinClientRect(m_frame->Info(), proposed)
                                     : DefaultClientRect(m_frame->Options().Style, proposed);
    *rc = ToRECT(client);
    return 0;
}

std::optional<LRESULT> TlxLumenSkinForm::OnNcHitTest(FormMessage& m)
{
    if (!m.Skinned || !m_frame)
        return std::nullopt;
    Rect w = WindowRectOf(m.Wnd);
    ResizeFrame(w.Width(), w.Height());
    Point p = ScreenToWindowPoint(CursorFromLParam(m.LParam), ToRECT(w));
    int code = m_frame->HitTest(p, m_hot >= 0, m_inSizeMove);
    if (code == HitObject && !TrackingTimerRunning())
        TrackObjects(p.X, p.Y, true);
    return code;
}

void TlxLumenSkinForm::AfterNcHitTest(const FormMessage& m, LRESULT& result)
{
    // Over an object the poll follows the pointer until it leaves the frame.
    if (m.Skinned && result == HitObject)
        StartTrackingTimer();
}

std::optional<LRESULT> TlxLumenSkinForm::OnNcPaint(FormMessage& m)
{
    if (!m.Skinned)
        return std::nullopt;
    if (m_form->BorderStyle() != TBorderStyle::bsNone) {
        ResizeFrameToWindow();
        WindowDC dc(m.Wnd);
        PaintFrame(dc.Get());
    }
    return 0;
}

std::optional<LRESULT> TlxLumenSkinForm::OnNcActivate(FormMessage& m)
{
    if (!m.Skinned)
        return std::nullopt;
    m_active = m.WParam != 0;
    ActivateCaptionWithRepaint(m_form->BorderStyle() != TBorderStyle::bsNone);
    return TRUE;
}

std::optional<LRESULT> TlxLumenSkinForm::OnSyncPaint(FormMessage& m)
{
    if (!m.Skinned || !m_rolledUp)
        return std::nullopt;
    RepaintFrame();
    return 0;
}

// --- Commands.

std::optional<LRESULT> TlxLumenSkinForm::OnSysCommand(FormMessage& m)
{
    switch (m.WParam & 0xFFF0) {
    case SC_RESTORE:
        if (m.Skinned && m_windowState == TWindowState::wsMaximized) {
            ChangeWindowState(TWindowState::wsNormal);
            return 0;
        }
        if (OnRestore)
            OnRestore(this);
        return std::nullopt;
    case SC_MAXIMIZE:
        if (!m.Skinned)
            return std::nullopt;
        ChangeWindowState(TWindowState::wsMaximized);
        return 0;
    case SC_KEYMENU:
        if (!m.Skinned)
            return std::nullopt;
        CloseOpenMenu();
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> TlxLumenSkinForm::OnContextMenu(FormMessage& m)
{
    // A right click on the frame opened the skinned system menu already;
    // the platform's own would follow it.
    if (!m.Skinned || !m_frame || m.LParam == -1)
        return std::nullopt;
    Point p = ScreenToWindowPoint(CursorFromLParam(m.LParam), ToRECT(WindowRectOf(m.Wnd)));
    if (!m_frame->ClientRect().Contains(p))
        return 0;
    return std::nullopt;
}

std::optional<LRESULT> TlxLumenSkinForm::OnMenuClosed(FormMessage&)
{
    SkinMenuClosed();
    return 0;
}

// --- Size and move loops.

std::optional<LRESULT> TlxLumenSkinForm::OnSizing(FormMessage&)
{
    m_snap.Clear();
    return std::nullopt;
}

void TlxLumenSkinForm::AfterSizing(const FormMessage& m, LRESULT&)
{
    if (!m.Skinned || !m_inSizeMove || !m_fullWindowDrag || !m_skinReady || !m_frame)
        return;
    // With full-window dragging the shape is ready before the window grows.
    Rect proposed = FromRECT(*reinterpret_cast<RECT*>(m.LParam));
    if (!BelowMinimum(proposed.Width(), proposed.Height())
        && (proposed.Width() != m_frame->Width() || proposed.Height() != m_frame->Height())) {
        ResizeFrame(proposed.Width(), proposed.Height());
        UpdateWindowRegion();
    }
}

void TlxLumenSkinForm::AfterMoving(const FormMessage& m, LRESULT& result)
{
    if (!m.Skinned)
        return;
    RECT* rc = reinterpret_cast<RECT*>(m.LParam);
    if (m_windowState == TWindowState::wsMaximized) {
        *rc = ToRECT(WindowRectOf(m.Wnd));
    } else if (m_magnetic) {
        POINT cursor {};
        GetCursorPos(&cursor);
        *rc = ToRECT(MagneticSnap(m_snap, FromRECT(*rc), WorkAreaOfForm(), { cursor.x, cursor.y }, m_magneticSize));
    }
    result = TRUE;
}

std::optional<LRESULT> TlxLumenSkinForm::OnEnterSizeMove(FormMessage& m)
{
    if (!m.Skinned)
        return std::nullopt;
    POINT cursor {};
    GetCursorPos(&cursor);
    m_snap.AnchorX = cursor.x;
    m_snap.AnchorY = cursor.y;
    if (m_frame)
        ResetObjects(m_frame->Objects());
    StopTrackingTimer();
    m_hot = m_pressed = -1;
    m_inSizeMove = true;
    m_sizeMoveRan = true;
    BOOL full = FALSE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    m_fullWindowDrag = full != FALSE;
    return std::nullopt;
}

std::optional<LRESULT> TlxLumenSkinForm::OnExitSizeMove(FormMessage& m)
{
    if (!m.Skinned)
        return std::nullopt;
    StopTrackingTimer();
    m_hot = m_previousHot = m_pressed = -1;
    m_inSizeMove = false;
    if (m_skinReady)
        RepaintFrame();
    return std::nullopt;
}

// --- The library's own messages.

std::optional<LRESULT> TlxLumenSkinForm::OnLumenQuery(FormMessage& m)
{
    return m.Skinned || MajorVersion(PlatformVersion()) < 6 ? LumenQuerySkinned : LumenQueryPlain;
}

std::optional<LRESULT> TlxLumenSkinForm::OnLumenPrintFrame(FormMessage& m)
{
    if (!m.Skinned || !m.WParam || !IsWindowVisible(m.Wnd) || m_form->BorderStyle() == TBorderStyle::bsNone)
        return 0;
    PaintFrame(reinterpret_cast<HDC>(m.WParam));
    return LumenPrintFrameAnswer;
}

std::optional<LRESULT> TlxLumenSkinForm::OnLumenPrintFrame2(FormMessage& m)
{
    if (m.LParam != LumenPrintFrame2Key)
        return std::nullopt;
    if (m.Skinned && m.WParam)
        PaintFrame(reinterpret_cast<HDC>(m.WParam));
    return LumenPrintFrame2Key;
}

std::optional<LRESULT> TlxLumenSkinForm::OnSkinMessage(FormMessage& m)
{
    // Some of them only for the skin data this form uses; the message goes on either way.
    const bool own = m_skinData
        && (m.WParam == reinterpret_cast<WPARAM>(static_cast<TComponent*>(m_skinData))
            || m.WParam == reinterpret_cast<WPARAM>(m_skinData));
    SkinMessage(m.Message, own);
    return std::nullopt;
}

} // namespace ventro
