// The skinned popup menus on the platform.
#include "skin/menus/lxSkinMenus.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

#include "platform/Colors.h"
#include "platform/Handles.h"
#include "platform/Release.h"
#include "skin/gfx/DibSection.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/lxUtils.h"

namespace ventro {

namespace {

// Timer identifiers on a popup window.
constexpr UINT_PTR TimerIdMouse = 1;
constexpr UINT_PTR TimerIdScroll = 2;
constexpr UINT_PTR TimerIdMorph = 3;
constexpr UINT_PTR TimerIdFade = 4;

UINT_PTR TimerId(MenuTimer timer)
{
    switch (timer) {
    case MenuTimer::Mouse:
        return TimerIdMouse;
    case MenuTimer::Scroll:
        return TimerIdScroll;
    case MenuTimer::Morph:
        return TimerIdMorph;
    }
    return 0;
}

TlxSkinPopupWindow* PopupWindowOf(const PopupLevel& level) { return static_cast<TlxSkinPopupWindow*>(level.Window); }

} // namespace

// ---------------------------------------------------------------- the window of one level

TlxSkinPopupWindow::TlxSkinPopupWindow(TlxSkinMenu& menu)
    : TCustomWindow(nullptr), m_menu(&menu), m_fade(m_timers, TimerIdFade)
{
}

TlxSkinPopupWindow::~TlxSkinPopupWindow()
{
    m_level = nullptr;
    DestroyHandle();
    if (m_menu)
        m_menu->WindowGone(this);
}

void TlxSkinPopupWindow::Orphan()
{
    Detach();
    m_menu = nullptr;
}

void TlxSkinPopupWindow::CreateParams(TCreateParams& params)
{
    TCustomWindow::CreateParams(params);
    params.ClassName = L"TlxSkinPopupWindow";
    params.ClassStyle = ClassStyleSaveBits | (CanDropShadow(PlatformVersion()) ? ClassStyleDropShadow : 0);
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOOLWINDOW;
    params.Parent = m_owner;
    if (m_level) {
        params.X = m_level->Position.X;
        params.Y = m_level->Position.Y;
        params.Width = m_level->Size.Width;
        params.Height = m_level->Size.Height;
    }
}

HWND TlxSkinPopupWindow::Attach(PopupLevel& level)
{
    const HWND owner = m_menu ? m_menu->OwnerWindow : nullptr;
    if (Handle() && owner != m_owner) {
        if (InHandler()) {
            SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, LONG_PTR(owner));
        } else {
            DestroyHandle();
            LastShape = Shape {};
        }
    }
    m_owner = owner;
    m_level = &level;
    if (!Handle())
        LastShape = Shape {};
    HWND wnd = HandleNeeded();
    Compose();
    return wnd;
}

void TlxSkinPopupWindow::Detach()
{
    m_level = nullptr;
    if (!Handle())
        return;
    m_timers.StopAll();
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
        SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

void TlxSkinPopupWindow::Compose()
{
    PaintLevel(*m_level, m_buffer);
    m_fullRepaint = false;
}

TlxSkinMenuItem TlxSkinPopupWindow::Item(int index) const
{
    if (!m_level)
        throw std::out_of_range("a hidden popup window shows no items");
    return TlxSkinMenuItem(*m_level, index);
}

void TlxSkinPopupWindow::RepaintAll()
{
    m_fullRepaint = true;
    if (!Handle())
        return; // a null window would invalidate every window of the desktop
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TlxSkinPopupWindow::RepaintItem(int index)
{
    if (!Handle() || !m_level || !m_level->ItemVisible(index) || m_fullRepaint || m_buffer.IsEmpty())
        return;
    const TlxSkinMenuItem view = Item(index);
    PixelBuffer scratch;
    view.Draw(m_buffer.View(), scratch);
    const RECT r = ToRECT(view.Rectangle());
    // A shown window gets it at once: a highlight that follows the pointer
    // costs the platform less this way than a paint message would, and
    // shows before the next message is taken.
    if (IsWindowVisible(Handle())) {
        ClientDC dc(Handle());
        if (dc.Get()) {
            Paint(dc.Get(), r);
            return;
        }
    }
    InvalidateRect(Handle(), &r, FALSE);
}

void TlxSkinPopupWindow::StartFade(uint8_t target)
{
    m_fade.Start(target, 5, FadeStepPer(5, 10), [this](uint8_t alpha, bool) { SetWindowAlpha(Handle(), alpha); });
}

void TlxSkinPopupWindow::Paint(HDC dc, const RECT& area)
{
    if (m_level && (m_fullRepaint || m_buffer.Width() != m_level->Size.Width || m_buffer.Height() != m_level->Size.Height))
        Compose();
    if (m_buffer.IsEmpty())
        return;
    const Rect part = IntersectRects(FromRECT(area), Rect { 0, 0, m_buffer.Width(), m_buffer.Height() });
    if (part.Width() > 0 && part.Height() > 0)
        BlitPixels(dc, part.Left, part.Top, SubView(m_buffer.View(), part));
}

LRESULT TlxSkinPopupWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    struct Depth {
        int& d;
        explicit Depth(int& value) : d(value) { ++d; }
        ~Depth() { --d; }
    } depth(m_depth);
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        Application().Guard([&] { Paint(dc, ps.rcPaint); });
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT all { 0, 0, m_buffer.Width(), m_buffer.Height() };
        Paint(HDC(wParam), all);
        return 0;
    }
    case WM_DESTROY:
        m_timers.WindowGone();
        if (m_menu)
            m_menu->HandleGone(*this);
        return TCustomWindow::WndProc(message, wParam, lParam);
    case WM_LBUTTONUP:
        // Normally taken by the menu's message filter before it gets here;
        // this is the way in when another loop (a message box) pumps.
        if (m_level && m_menu) {
            PopupLevel& level = *m_level;
            TlxSkinMenu* menu = m_menu;
            Application().Guard([&] {
                menu->Engine().LeftButtonUp(level, Point { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) });
            });
        }
        return 0;
    case WM_TIMER:
        if (m_fade.Tick(wParam))
            return 0;
        if (m_level && m_menu) {
            const MenuTimer kind = wParam == TimerIdMouse ? MenuTimer::Mouse
                : wParam == TimerIdScroll                  ? MenuTimer::Scroll
                                                           : MenuTimer::Morph;
            TlxSkinMenu* menu = m_menu;
            Application().Guard([&] { menu->TimerTick(*this, kind); });
        }
        return 0;
    default:
        return TCustomWindow::WndProc(message, wParam, lParam);
    }
}

// ---------------------------------------------------------------- the engine's host

TlxSkinMenu::TlxSkinMenu(TComponent* owner)
    : TComponent(owner), m_engine(std::make_unique<MenuEngine>(static_cast<MenuHost&>(*this)))
{
    m_filter = Application().AddMessageFilter([this](MSG& message) { return Filter(message); });
}

TlxSkinMenu::~TlxSkinMenu()
{
    // The engine closes its levels without telling anyone: nobody is left to listen.
    m_engine.reset();
    KillWaitTimer();
    m_kept.clear();
    for (TlxSkinPopupWindow* w : std::set<TlxSkinPopupWindow*>(m_windows)) {
        w->Orphan();
        if (w->InHandler()) {
            ShowWindow(w->Handle(), SW_HIDE);
            ReleaseComponent(w);
        } else {
            delete w;
        }
    }
}

void TlxSkinMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_skin) {
        CloseAll();
        m_skin = nullptr;
    }
    if (m_images && m_images->IsList(component)) {
        CloseAll();
        m_images.reset();
    }
}

void TlxSkinMenu::SetImages(TImageList* images)
{
    if (m_images && m_images->List())
        RemoveFreeNotification(m_images->List());
    m_images = images ? std::make_unique<ImageListSource>(images) : nullptr;
    if (images)
        FreeNotification(images);
}

void TlxSkinMenu::Popup(HWND control, TlxSkinData* skin, bool popupUp, TMenuItem* root, Rect anchor, int first)
{
    if (!root)
        return;
    // Read before the open chain closes: a menu that replaces an open one
    // neither fades in nor waits for pending messages.
    const bool replacing = m_engine->Visible();
    if (replacing) {
        // The open chain is closed, and its control told, before the new one starts.
        const TAliveToken alive = m_liveness.Token();
        m_engine->CloseFrom(0);
        if (!alive)
            return;
    }
    m_popupControl = control;
    if (skin != m_skin) {
        if (m_skin)
            RemoveFreeNotification(m_skin);
        m_skin = skin;
        if (skin)
            FreeNotification(skin);
    }
    m_engine->Popup(root, anchor, popupUp, first, replacing);
}

void TlxSkinMenu::CloseFrom(int level) { m_engine->CloseFrom(level); }
void TlxSkinMenu::CloseAll() { m_engine->CloseAll(); }

std::vector<MenuEntry> TlxSkinMenu::SubItems(MenuItemRef parent)
{
    return VisibleSubItems(*static_cast<TMenuItem*>(const_cast<void*>(parent)));
}

Rect TlxSkinMenu::WorkArea() { return GetWorkArea(OwnerWindow ? OwnerWindow : GetDesktopWindow(), true); }

void TlxSkinMenu::PrepareLevel(PopupLevel& level)
{
    MenuPaintContext& ctx = level.Paint;
    ctx.Skin = m_skin;
    ctx.Text = &m_text;
    ctx.Colors = &SystemColorResolver();
    ctx.Images = m_images.get();
    ctx.Effects = m_skin && !m_skin->Empty && m_skin->EnableSkinEffects;
    MenuLook& look = ctx.Look;
    look.Popup = FindPopupRecord(m_skin);
    if (look.Popup) {
        const PixelView picture = PictureAt(m_skin, look.Popup->WindowPictureIndex);
        look.PictureWidth = picture.Width();
        look.PictureHeight = picture.Height();
        look.Item = FindMenuItemRecord(m_skin);
    }
    look.DefaultItemHeight = DefaultItemHeight;
    look.ImageWidth = m_images ? m_images->ImageSize().Width : -1;
    look.MaxItems = std::max(0, MaxMenuItemsInWindow);
    ctx.Font = DefaultItemFont;
    if (look.Popup && look.Item && UseSkinFont)
        ctx.Font = TextFont { look.Item->FontName, look.Item->FontHeight, look.Item->FontStyle, ctx.Font.CharSet };
    if (m_skin && m_skin->ResourceStrData())
        ctx.Font.CharSet = m_skin->ResourceStrData()->CharSet;
    ctx.RightToLeft = OwnerWindow && (GetWindowLongW(OwnerWindow, GWL_EXSTYLE) & WS_EX_RTLREADING);
}

void TlxSkinMenu::ShowLevel(PopupLevel& level, bool firstOfChain)
{
    const size_t depth = size_t(std::max(0, m_engine->IndexOf(level)));
    if (m_kept.size() <= depth)
        m_kept.resize(depth + 1, nullptr);
    TlxSkinPopupWindow*& kept = m_kept[depth];
    if (!kept || kept->Level()) {
        kept = new TlxSkinPopupWindow(*this);
        m_windows.insert(kept);
    }
    TlxSkinPopupWindow* window = kept;
    level.Window = window;
    const HWND wnd = window->Attach(level);

    // The region and the layered style are set only when they differ from
    // what the window has from its last open.
    const MenuLook& look = level.Paint.Look;
    const PixelView mask = look.Popup ? PictureAt(m_skin, look.Popup->MaskPictureIndex) : PixelView();
    TlxSkinPopupWindow::Shape shape { level.Size.Width, level.Size.Height, mask.IsEmpty() ? nullptr : mask.Bits(),
        LayeredWindowsAvailable() && AlphaBlend };
    TlxSkinPopupWindow::Shape& last = window->LastShape;
    if (shape.Mask) {
        if (shape.Mask != last.Mask || shape.Width != last.Width || shape.Height != last.Height) {
            RegionHandle region = BuildMaskedRegion(PopupFrameGeometry(look),
                MovedPopupGeometry(look, level.Size.Width, level.Size.Height), level.Size.Width, level.Size.Height, mask);
            SetWindowRgn(wnd, region ? region.Release() : nullptr, FALSE);
        }
    } else if (last.Mask) {
        SetWindowRgn(wnd, nullptr, FALSE);
    }
    const bool fade = shape.Layered && AlphaBlendAnimation && firstOfChain;
    if (shape.Layered != last.Layered) {
        const LONG ex = GetWindowLongW(wnd, GWL_EXSTYLE);
        SetWindowLongW(wnd, GWL_EXSTYLE, shape.Layered ? ex | WS_EX_LAYERED : ex & ~WS_EX_LAYERED);
    }
    if (shape.Layered)
        SetWindowAlpha(wnd, fade ? 0 : AlphaBlendValue);
    last = shape;
    // One call places, sizes and shows it; its picture is ready, so the
    // first paint is a copy.
    SetWindowPos(wnd, HWND_TOPMOST, level.Position.X, level.Position.Y, level.Size.Width, level.Size.Height,
        SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (fade)
        window->StartFade(AlphaBlendValue);
}

void TlxSkinMenu::DestroyLevel(PopupLevel& level)
{
    TlxSkinPopupWindow* window = PopupWindowOf(level);
    level.Window = nullptr;
    if (!window)
        return;
    // Hidden and kept for the next level at its depth; even inside its own
    // message the window stays, so nothing waits for a deferred release.
    window->Detach();
    if (std::find(m_kept.begin(), m_kept.end(), window) == m_kept.end()) {
        if (window->InHandler()) {
            window->Orphan();
            ReleaseComponent(window);
            m_windows.erase(window);
        } else {
            delete window;
        }
    }
}

void TlxSkinMenu::WindowGone(TlxSkinPopupWindow* window)
{
    m_windows.erase(window);
    for (TlxSkinPopupWindow*& kept : m_kept)
        if (kept == window)
            kept = nullptr;
}

void TlxSkinMenu::HandleGone(TlxSkinPopupWindow& window)
{
    // A level whose window is gone (its owner form closed, say) cannot be
    // seen or clicked: it closes, rather than keep taking the keyboard.
    PopupLevel* level = window.Level();
    if (level && m_engine) {
        const int at = m_engine->IndexOf(*level);
        if (at >= 0)
            Application().Guard([&] { m_engine->CloseFrom(at); });
    }
}

int TlxSkinMenu::LiveTimers() const
{
    int live = m_waitTimer ? 1 : 0;
    for (TlxSkinPopupWindow* w : m_windows)
        live += w->Timers().Count();
    return live;
}

int TlxSkinMenu::LiveWindows() const
{
    int live = 0;
    for (const TlxSkinPopupWindow* w : m_windows)
        live += w->Level() ? 1 : 0;
    return live;
}

void TlxSkinMenu::InvalidateLevel(PopupLevel& level)
{
    if (TlxSkinPopupWindow* w = PopupWindowOf(level))
        w->RepaintAll();
}

void TlxSkinMenu::InvalidateItem(PopupLevel& level, int index)
{
    if (TlxSkinPopupWindow* w = PopupWindowOf(level))
        w->RepaintItem(index);
}

void TlxSkinMenu::SetLevelTimer(PopupLevel& level, MenuTimer timer, uint32_t ms)
{
    TlxSkinPopupWindow* w = PopupWindowOf(level);
    if (w)
        w->Timers().Start(TimerId(timer), ms);
}

void TlxSkinMenu::KillLevelTimer(PopupLevel& level, MenuTimer timer)
{
    TlxSkinPopupWindow* w = PopupWindowOf(level);
    if (w)
        w->Timers().Stop(TimerId(timer));
}

void TlxSkinMenu::TimerTick(TlxSkinPopupWindow& window, MenuTimer timer)
{
    if (window.Level())
        m_engine->TimerFired(*window.Level(), timer);
}

void TlxSkinMenu::SetWaitTimer(uint32_t ms)
{
    KillWaitTimer();
    m_waitTimer = Application().StartTimer(ms, [this] {
        KillWaitTimer();
        m_engine->WaitTimerFired();
    });
}

void TlxSkinMenu::KillWaitTimer()
{
    if (m_waitTimer)
        Application().StopTimer(m_waitTimer);
    m_waitTimer = 0;
}

bool TlxSkinMenu::PointerIn(PopupLevel& level, Point& client)
{
    TlxSkinPopupWindow* w = PopupWindowOf(level);
    POINT p;
    if (!w || !GetCursorPos(&p) || WindowFromPoint(p) != w->Handle())
        return false;
    ScreenToClient(w->Handle(), &p);
    client = Point { p.x, p.y };
    return true;
}

void TlxSkinMenu::ChainClosed(bool allClosed)
{
    if (!allClosed) {
        m_doneControl = m_popupControl;
        const HWND control = m_popupControl;
        m_popupControl = nullptr;
        auto onClose = std::move(OnMenuClose);
        OnMenuClose = nullptr;
        const TAliveToken alive = m_liveness.Token();
        if (control)
            SendMessageW(control, MenuClosedMessage, 0, 0);
        if (!alive)
            return;
        if (onClose)
            Application().Guard([&] { onClose(this); });
        return;
    }
    const HWND control = m_popupControl;
    m_popupControl = nullptr;
    const TAliveToken alive = m_liveness.Token();
    if (OwnerWindow)
        SendMessageW(OwnerWindow, MenuClosedMessage, 0, 0);
    if (alive && control)
        SendMessageW(control, MenuClosedMessage, 0, 0);
}

void TlxSkinMenu::RunCommand(MenuItemRef item)
{
    TMenuItem* menuItem = static_cast<TMenuItem*>(const_cast<void*>(item));
    Application().Guard([&] { ClickMenuItem(*menuItem); });
}

void TlxSkinMenu::CommandDone()
{
    const HWND control = m_doneControl;
    m_doneControl = nullptr;
    if (control)
        SendMessageW(control, MenuCommandMessage, 0, 0);
}

TlxSkinPopupWindow* TlxSkinMenu::WindowOf(HWND wnd) const
{
    for (TlxSkinPopupWindow* w : m_windows)
        if (w->Handle() == wnd && w->Level())
            return w;
    return nullptr;
}

bool TlxSkinMenu::Filter(MSG& message)
{
    if (!m_engine->Visible())
        return false;
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const wchar_t ch = wchar_t(MapVirtualKeyW(UINT(message.wParam), MAPVK_VK_TO_CHAR) & 0xFFFF);
        Application().Guard([&] { m_engine->KeyDown(uint32_t(message.wParam), ch); });
        return true;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
        return true;
    case WM_MOUSEWHEEL: {
        const int notches = GET_WHEEL_DELTA_WPARAM(message.wParam) / WHEEL_DELTA;
        Application().Guard([&] { m_engine->Wheel(notches); });
        return true;
    }
    case WM_LBUTTONUP:
        // Handled here, outside the popup's own procedure, so that a command
        // finds every popup window already destroyed.
        if (TlxSkinPopupWindow* w = WindowOf(message.hwnd)) {
            PopupLevel& level = *w->Level();
            const Point p { GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam) };
            Application().Guard([&] { m_engine->LeftButtonUp(level, p); });
            return true;
        }
        return false;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        // A press anywhere else closes the menu and goes on to its window.
        if (!WindowOf(message.hwnd))
            Application().Guard([&] { m_engine->CloseAll(); });
        return false;
    default:
        return false;
    }
}

// ---------------------------------------------------------------- the popup menu component

TlxSkinPopupMenu::TlxSkinPopupMenu(TComponent* owner) : TPopupMenu(owner) { }

TlxSkinPopupMenu::~TlxSkinPopupMenu() = default;

void TlxSkinPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TPopupMenu::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_skinData)
        m_skinData = nullptr;
}

void TlxSkinPopupMenu::SetSkinData(TlxSkinData* value)
{
    if (m_skinData)
        RemoveFreeNotification(m_skinData);
    m_skinData = value;
    if (value)
        FreeNotification(value);
}

ISkinMenuProvider* TlxSkinPopupMenu::FindProvider() const
{
    TComponent* holder = Owner();
    if (holder && !dynamic_cast<TCustomForm*>(holder) && holder->Owner())
        holder = holder->Owner();
    if (!holder)
        return nullptr;
    for (TComponent* c : holder->Components())
        if (auto* provider = dynamic_cast<ISkinMenuProvider*>(c))
            return provider;
    return nullptr;
}

void TlxSkinPopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup(this);
    Show(nullptr, Rect { x, y, x, y }, false);
}

void TlxSkinPopupMenu::PopupAt(HWND control, Rect anchor, bool popupUp) { Show(control, anchor, popupUp); }

void TlxSkinPopupMenu::Show(HWND control, Rect anchor, bool popupUp)
{
    ISkinMenuProvider* provider = FindProvider();
    TlxSkinMenu* menu = provider ? provider->ProvidedSkinMenu() : nullptr;
    if (!menu)
        return;
    TlxSkinData* skin = m_skinData ? m_skinData : provider->ProvidedMenusSkinData();
    if (menu->Visible())
        menu->CloseAll();
    provider->EnterMenuState();
    menu->SetImages(Images());
    menu->OnMenuClose = OnMenuClose;
    menu->Popup(control, skin, popupUp, &Items(), anchor, 0);
    if (!menu->Visible())
        menu->OnMenuClose = nullptr; // nothing opened: nothing will close
}

} // namespace ventro
