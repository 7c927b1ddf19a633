// Standard controls as components: each keeps its system class, takes part in
// its window's subclass chain, and is found through a table of its thread.
#include "platform/Controls.h"

#include <windowsx.h>

#include <algorithm>
#include <unordered_map>

#include "platform/Application.h"
#include "platform/Colors.h"
#include "platform/ControlHost.h"
#include "platform/Form.h"
#include "platform/Graphics.h"
#include "platform/Text.h"

namespace ventro {

namespace {
constexpr UINT WM_VENTRO_EXIT = WM_APP + 0x101;
// From a control's window to its object. Not a window property: on some
// platforms each property lookup is a round trip to a server, and the parent
// looks its controls up for every colour and command message.
thread_local std::unordered_map<HWND, TWinControl*> t_controls;
}

TWinControl::TWinControl(TForm* form, const wchar_t* windowClass, DWORD style, DWORD exStyle, const Params& params)
    : TComponent(form)
    , m_form(form)
    , m_id(params.Id)
{
    HWND parent = params.Parent ? params.Parent : form->Handle();
    m_wnd = CreateWindowExW(exStyle, windowClass, params.Text.c_str(), style | WS_CHILD | WS_VISIBLE,
        params.Bounds.Left, params.Bounds.Top, params.Bounds.Width(), params.Bounds.Height(),
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.Id)), GetModuleHandleW(nullptr), nullptr);
    if (!m_wnd)
        return;
    t_controls[m_wnd] = this;
    m_subclass = TSubclass(m_wnd, [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
        return OnMessage(message, wParam, lParam);
    });
    if (params.Font) {
        m_ownFontDesc = params.Font;
        m_ownFont = CreateFontFrom(*params.Font);
    }
    ApplyFont(false);
}

TWinControl::~TWinControl()
{
    m_subclass.Reset();
    if (m_wnd) {
        t_controls.erase(m_wnd);
        if (m_form)
            m_form->ForgetControl(m_wnd);
        if (IsWindow(m_wnd))
            DestroyWindow(m_wnd);
    }
}

TWinControl* TWinControl::FromHandle(HWND wnd)
{
    if (!wnd || GetWindowThreadProcessId(wnd, nullptr) != GetCurrentThreadId())
        return nullptr;
    auto it = t_controls.find(wnd);
    return it == t_controls.end() ? nullptr : it->second;
}

TWinControl* TWinControl::ParentControl() const
{
    return m_wnd ? FromHandle(GetParent(m_wnd)) : nullptr;
}

std::wstring TWinControl::Text() const { return WindowText(m_wnd); }
void TWinControl::SetText(const std::wstring& text) { SetWindowTextW(m_wnd, text.c_str()); }

const TFontDesc& TWinControl::Font() const
{
    if (m_ownFontDesc)
        return *m_ownFontDesc;
    if (TWinControl* parent = ParentControl())
        return parent->Font();
    return m_form->Font();
}

HFONT TWinControl::FontHandleOf() const
{
    if (m_ownFontDesc)
        return m_ownFont.Get();
    if (TWinControl* parent = ParentControl())
        return parent->FontHandleOf();
    return m_form->FontHandleOf();
}

void TWinControl::ApplyFont(bool redraw)
{
    SendMessageW(m_wnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandleOf()), redraw);
}

void TWinControl::SetFont(const TFontDesc& font)
{
    FontHandle old = std::move(m_ownFont);
    m_ownFontDesc = font;
    m_ownFont = CreateFontFrom(font);
    ApplyFont(true);
    // Children showing this control's font take the new one before the old one goes.
    ParentFontChanged(*m_form, m_wnd);
}

void TWinControl::ParentFontChanged(TComponent& owner, HWND parent)
{
    for (TComponent* c : owner.Components())
        if (auto* control = dynamic_cast<TWinControl*>(c)) {
            if (control->m_wnd && control->m_wnd != parent && GetParent(control->m_wnd) == parent && control->ParentFont()) {
                control->ApplyFont(true);
                ParentFontChanged(owner, control->m_wnd);
            }
        } else if (auto* graphic = dynamic_cast<TGraphicControl*>(c)) {
            if (graphic->ParentHandle() == parent && graphic->ParentFont())
                graphic->Invalidate();
        }
}

void TWinControl::SetVisible(bool visible) { ShowWindow(m_wnd, visible ? SW_SHOW : SW_HIDE); }
bool TWinControl::Visible() const { return IsWindowVisible(m_wnd) != FALSE; }
void TWinControl::SetFocus() { ::SetFocus(m_wnd); }
bool TWinControl::Focused() const { return GetFocus() == m_wnd; }

void TWinControl::Command(WORD) { }

HBRUSH TWinControl::CtlColor(HDC dc)
{
    SetTextColor(dc, ColorToRGB(FontColor()));
    SetBkColor(dc, ColorToRGB(m_form->GetColor()));
    return m_form->BackgroundBrush();
}

bool TWinControl::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT TWinControl::CallStandardProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPreviousProc(m_wnd, message, wParam, lParam);
}

bool TWinControl::RouteParentMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND:
        if (TWinControl* control = FromHandle(reinterpret_cast<HWND>(lParam))) {
            Application().Guard([&] { control->Command(HIWORD(wParam)); });
            result = 0;
            return true;
        }
        return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        if (TWinControl* control = FromHandle(reinterpret_cast<HWND>(lParam))) {
            result = reinterpret_cast<LRESULT>(control->CtlColor(reinterpret_cast<HDC>(wParam)));
            return true;
        }
        return false;
    default:
        return false;
    }
}

namespace {
// Whether the window has a frame, an edge or a scroll bar around its client area.
bool HasNonClientArea(HWND wnd)
{
    RECT window, client;
    if (!GetWindowRect(wnd, &window) || !GetClientRect(wnd, &client))
        return true;
    return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}
}

LRESULT TWinControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleMessage(message, wParam, lParam, result))
        return result;
    HWND wnd = m_wnd;
    if (message == WM_SETFOCUS && m_form) {
        m_form->NoteFocus(wnd);
    } else if (message == WM_KILLFOCUS) {
        // Exit runs once the focus has settled on another control of the same form.
        HWND next = reinterpret_cast<HWND>(wParam);
        if (OnExit && next && m_form && IsChild(m_form->Handle(), next))
            PostMessageW(wnd, WM_VENTRO_EXIT, 0, 0);
    } else if (message == WM_VENTRO_EXIT) {
        Application().Guard([&] {
            if (OnExit)
                OnExit();
        });
        return 0;
    } else if (message == WM_NCDESTROY) {
        t_controls.erase(wnd);
        m_wnd = nullptr;
    } else if (message == WM_PAINT && TGraphicControl::AnyOn(wnd)) {
        // The standard procedure paints into this paint's device context,
        // then the graphic controls go on top.
        PaintDC paint(wnd);
        CallPreviousProc(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(paint.Get()), PRF_CLIENT);
        TGraphicControl::PaintAll(wnd, paint.Get(), paint.Info().rcPaint);
        return 0;
    } else if (TGraphicControl::RouteMouse(wnd, message, wParam, lParam, result)) {
        return result;
    } else if (message == WM_NCPAINT && !HasNonClientArea(wnd)) {
        // Nothing to draw: the platform would still fetch a device context
        // for the frame, which costs as much as painting a small control.
        return 0;
    }
    return CallPreviousProc(wnd, message, wParam, lParam);
}


TEdit::TEdit(TForm* form, const Params& params, bool multiLine)
    : TWinControl(form, L"EDIT",
          WS_TABSTOP | (multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL : ES_AUTOHSCROLL),
          WS_EX_CLIENTEDGE, params)
{
}

void TEdit::SetPasswordChar(wchar_t c)
{
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, WPARAM(c), 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool TEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message == WM_CHAR && OnKeyPress) {
        wchar_t key = wchar_t(wParam);
        OnKeyPress(key);
        if (key == 0) {
            result = 0;
            return true;
        }
    }
    return false;
}

HBRUSH TEdit::CtlColor(HDC dc)
{
    SetTextColor(dc, ColorToRGB(FontColor()));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

TMemo::TMemo(TForm* form, const Params& params)
    : TEdit(form, params, true)
{
    // The standard edit control stops at about 32K characters unless told otherwise.
    SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
}

void TMemo::AppendLine(const std::wstring& line)
{
    std::wstring text = line + L"\r\n";
    int length = GetWindowTextLengthW(Handle());
    SendMessageW(Handle(), EM_SETSEL, WPARAM(length), LPARAM(length));
    SendMessageW(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<std::wstring> TMemo::Lines() const
{
    std::vector<std::wstring> lines;
    std::wstring text = Text();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TCheckBox::TCheckBox(TForm* form, const Params& params)
    : TWinControl(form, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, params)
{
}

bool TCheckBox::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TCheckBox::SetChecked(bool checked)
{
    if (Checked() == checked)
        return;
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (OnClick)
        OnClick();
}

void TCheckBox::Command(WORD code)
{
    if (code == BN_CLICKED && OnClick)
        OnClick();
}

namespace {
constexpr int DroppedItems = 8;
// The dropped list's frame, one pixel on each side.
constexpr int DroppedListFrame = 2;
// Room for eight items below the selection field when the list drops down.
// The list is what the full height leaves below the field the control has
// when it is made, in the system font: on the platforms we know 3 pixels
// higher than the field it is then given.
constexpr int DroppedListGap = 3;
TWinControl::Params WithDroppedList(const TWinControl::Params& params, int itemHeight)
{
    TWinControl::Params p = params;
    p.Bounds.Bottom += DroppedItems * itemHeight + DroppedListFrame + DroppedListGap;
    return p;
}
}

// Without the platform's trimming to whole items: it moved the list, a window
// of its own, again at each layout of the control. The list is fitted to
// whole items once instead.
TComboBox::TComboBox(TForm* form, const Params& params, int itemHeight)
    : TWinControl(form, L"COMBOBOX", CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, 0,
        WithDroppedList(params, itemHeight))
    , m_itemHeight(itemHeight)
{
    // Told to the list itself: a combo box passes the list's item height on
    // only when owner-drawn, and some platforms lay the whole control out
    // again when asked through it.
    COMBOBOXINFO info { sizeof(info) };
    if (GetComboBoxInfo(Handle(), &info) && info.hwndList)
        SendMessageW(info.hwndList, LB_SETITEMHEIGHT, 0, LPARAM(itemHeight));
    SetFieldHeight(params.Bounds.Height());
    FitDroppedList();
}

void TComboBox::FitDroppedList()
{
    // The closed list already has the height it drops down with; a new
    // height for the control is its field's and the dropped list's.
    COMBOBOXINFO info { sizeof(info) };
    RECT outer, inner, field;
    if (m_itemHeight < 1 || !GetComboBoxInfo(Handle(), &info) || !info.hwndList
        || !GetWindowRect(info.hwndList, &outer) || !GetClientRect(info.hwndList, &inner)
        || !GetWindowRect(Handle(), &field))
        return;
    const int height = outer.bottom - outer.top;
    const int frame = height - inner.bottom;
    const int rows = std::clamp((height - frame) / m_itemHeight, 1, DroppedItems);
    const int fitted = rows * m_itemHeight + frame;
    if (fitted != height)
        SetWindowPos(Handle(), nullptr, 0, 0, field.right - field.left, field.bottom - field.top + fitted,
            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::SetFieldHeight(int height)
{
    // The closed control is its selection field plus a border the platform
    // chooses, and what it reports as the field's height need not be what it
    // was given. A field that was set is framed by 3 pixels above and below
    // on the platforms we know, so the first step aims there (each step lays
    // the control out again, moving its dropped list, a window of its own);
    // the steps after it correct any other border.
    constexpr int SetFieldFrame = 6;
    LRESULT field = SendMessageW(Handle(), CB_GETITEMHEIGHT, WPARAM(-1), 0);
    if (field == CB_ERR)
        return;
    int given = int(field);
    for (int round = 0; round < 4; ++round) {
        RECT r;
        GetWindowRect(Handle(), &r);
        int now = r.bottom - r.top;
        if (now == height)
            return;
        int next = round == 0 && height > SetFieldFrame ? height - SetFieldFrame : given + (height - now);
        if (next < 1)
            return;
        given = next;
        SendMessageW(Handle(), CB_SETITEMHEIGHT, WPARAM(-1), LPARAM(given));
    }
}

void TComboBox::SetItems(const std::vector<std::wstring>& items)
{
    SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    for (const auto& item : items)
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

std::vector<std::wstring> TComboBox::Items() const
{
    std::vector<std::wstring> items;
    LRESULT count = SendMessageW(Handle(), CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageW(Handle(), CB_GETLBTEXTLEN, WPARAM(i), 0);
        std::wstring text(size_t(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(Handle(), CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(wcslen(text.c_str()));
        items.push_back(text);
    }
    return items;
}

int TComboBox::ItemIndex() const { return int(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)); }
void TComboBox::SetItemIndex(int index) { SendMessageW(Handle(), CB_SETCURSEL, WPARAM(index), 0); }

TGroupBox::TGroupBox(TForm* form, const Params& params)
    : TWinControl(form, L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, params)
{
}

bool TGroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_ERASEBKGND) {
        // The standard group box leaves its inside unpainted.
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, Form()->BackgroundBrush());
        result = 1;
        return true;
    }
    // Controls inside the box notify the box; their handlers live with the form.
    return RouteParentMessage(message, wParam, lParam, result);
}

TButton::TButton(TForm* form, const Params& params)
    : TWinControl(form, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, params)
{
}

void TButton::Click()
{
    if (OnClick)
        OnClick();
}

void TButton::Command(WORD code)
{
    if (code == BN_CLICKED)
        Click();
}

// --- Graphic controls.

namespace {
// The graphic controls of each parent window, bottom first.
thread_local std::unordered_map<HWND, std::vector<TGraphicControl*>> t_graphics;

bool IsClientMouseMessage(UINT message)
{
    return message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_LBUTTONDBLCLK;
}
}

TGraphicControl::TGraphicControl(TForm* form, const Params& params)
    : TComponent(form)
    , m_form(form)
    , m_parent(params.Parent ? params.Parent : form->Handle())
    , m_id(params.Id)
    , m_bounds(params.Bounds)
    , m_text(params.Text)
{
    if (params.Font) {
        m_ownFontDesc = params.Font;
        m_ownFont = CreateFontFrom(*params.Font);
    }
    t_graphics[m_parent].push_back(this);
    Invalidate();
}

TGraphicControl::~TGraphicControl()
{
    auto it = t_graphics.find(m_parent);
    if (it != t_graphics.end()) {
        std::erase(it->second, this);
        if (it->second.empty())
            t_graphics.erase(it);
    }
    Invalidate();
}

void TGraphicControl::SetText(const std::wstring& text)
{
    m_text = text;
    Invalidate();
}

void TGraphicControl::SetFont(const TFontDesc& font)
{
    m_ownFontDesc = font;
    m_ownFont = CreateFontFrom(font);
    Invalidate();
}

const TFontDesc& TGraphicControl::Font() const
{
    if (m_ownFontDesc)
        return *m_ownFontDesc;
    if (TWinControl* parent = TWinControl::FromHandle(m_parent))
        return parent->Font();
    return m_form->Font();
}

HFONT TGraphicControl::FontHandleOf() const
{
    if (m_ownFontDesc)
        return m_ownFont.Get();
    if (TWinControl* parent = TWinControl::FromHandle(m_parent))
        return parent->FontHandleOf();
    return m_form->FontHandleOf();
}

void TGraphicControl::SetVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    Invalidate();
}

void TGraphicControl::Invalidate()
{
    if (m_parent && IsWindow(m_parent)) {
        RECT r = ToRECT(m_bounds);
        InvalidateRect(m_parent, &r, TRUE);
    }
}

bool TGraphicControl::MouseMessage(UINT, POINT) { return false; }
HCURSOR TGraphicControl::Cursor() const { return nullptr; }

bool TGraphicControl::AnyOn(HWND parent) { return t_graphics.contains(parent); }

void TGraphicControl::PaintAll(HWND parent, HDC dc, const RECT& update)
{
    auto it = t_graphics.find(parent);
    if (it == t_graphics.end())
        return;
    const int saved = SaveDC(dc);
    // Child windows lie above graphic controls; a parent that does not clip
    // them away itself (a group box) has them left out here.
    if (!(GetWindowLongPtrW(parent, GWL_STYLE) & WS_CLIPCHILDREN))
        for (const auto& [wnd, control] : t_controls)
            if (GetParent(wnd) == parent && IsWindowVisible(wnd)) {
                RECT r;
                GetWindowRect(wnd, &r);
                MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
                ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
            }
    // A copy: painting may add or remove controls.
    const std::vector<TGraphicControl*> controls = it->second;
    for (TGraphicControl* control : controls) {
        RECT r = ToRECT(control->m_bounds), meet;
        if (!control->m_visible || !IntersectRect(&meet, &r, &update))
            continue;
        const int inner = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        Application().Guard([&] { control->Paint(dc); });
        RestoreDC(dc, inner);
    }
    RestoreDC(dc, saved);
}

TGraphicControl* TGraphicControl::At(HWND parent, POINT p)
{
    auto it = t_graphics.find(parent);
    if (it == t_graphics.end())
        return nullptr;
    for (auto c = it->second.rbegin(); c != it->second.rend(); ++c)
        if ((*c)->m_visible && (*c)->m_bounds.Contains({ p.x, p.y }))
            return *c;
    return nullptr;
}

bool TGraphicControl::RouteMouse(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (!AnyOn(parent))
        return false;
    if (message == WM_SETCURSOR) {
        if (reinterpret_cast<HWND>(wParam) != parent || LOWORD(lParam) != HTCLIENT)
            return false;
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(parent, &p);
        TGraphicControl* control = At(parent, p);
        HCURSOR cursor = control ? control->Cursor() : nullptr;
        if (!cursor)
            return false;
        SetCursor(cursor);
        result = TRUE;
        return true;
    }
    if (!IsClientMouseMessage(message))
        return false;
    POINT p { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
    TGraphicControl* hit = At(parent, p);
    if (message == WM_LBUTTONUP) {
        // A button released elsewhere ends any press the others saw.
        const std::vector<TGraphicControl*> controls = t_graphics[parent];
        for (TGraphicControl* control : controls)
            if (control != hit)
                control->MouseMessage(WM_CANCELMODE, p);
    }
    if (!hit || !hit->MouseMessage(message, p))
        return false;
    result = 0;
    return true;
}

TLabel::TLabel(TForm* form, const Params& params)
    : TGraphicControl(form, params)
{
}

void TLabel::Paint(HDC dc)
{
    // As the platform's static text control draws it: the parent's
    // background, then the text in the label's font and colour.
    RECT r = ToRECT(BoundsRect());
    FillRect(dc, &r, Form()->BackgroundBrush());
    HGDIOBJ old = SelectObject(dc, FontHandleOf());
    SetTextColor(dc, ColorToRGB(Font().FontColor));
    SetBkColor(dc, ColorToRGB(Form()->GetColor()));
    SetBkMode(dc, OPAQUE);
    DrawTextW(dc, Text().c_str(), -1, &r, DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
}

TImage::TImage(TForm* form, const Params& params)
    : TGraphicControl(form, params)
{
}

void TImage::SetPicture(PixelBuffer picture)
{
    m_picture = std::move(picture);
    Invalidate();
}

void TImage::Paint(HDC dc)
{
    const Rect& b = BoundsRect();
    RECT r = ToRECT(b);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (!m_picture.IsEmpty())
        BlitPixels(dc, b.Left + (b.Width() - m_picture.Width()) / 2, b.Top + (b.Height() - m_picture.Height()) / 2,
            m_picture.View());
}

HCURSOR TImage::Cursor() const { return m_handCursor ? LoadCursorW(nullptr, IDC_HAND) : nullptr; }

bool TImage::MouseMessage(UINT message, POINT)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        m_pressed = true;
        return true;
    case WM_LBUTTONUP:
        if (m_pressed) {
            m_pressed = false;
            if (OnClick)
                Application().Guard(OnClick);
        }
        return true;
    case WM_CANCELMODE:
        m_pressed = false;
        return true;
    default:
        return false;
    }
}

// --- What a form asks of its controls.

namespace ControlHost {

bool RouteParentMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return TWinControl::RouteParentMessage(message, wParam, lParam, result);
}

bool RouteGraphicMouse(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return TGraphicControl::RouteMouse(parent, message, wParam, lParam, result);
}

bool AnyGraphicOn(HWND parent) { return TGraphicControl::AnyOn(parent); }

void PaintGraphics(HWND parent, HDC dc, const RECT& update) { TGraphicControl::PaintAll(parent, dc, update); }

void ParentFontChanged(TComponent& owner, HWND parent) { TWinControl::ParentFontChanged(owner, parent); }

HWND WindowOf(const TWinControl& control) { return control.Handle(); }

} // namespace ControlHost

} // namespace ventro
