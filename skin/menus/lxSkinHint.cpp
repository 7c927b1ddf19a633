// The skinned hint component and its window.
#include "skin/menus/lxSkinHint.h"

#include <algorithm>
#include <vector>

#include "platform/Colors.h"
#include "skin/gfx/DibSection.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/lxUtils.h"

namespace ventro {

namespace {

constexpr UINT_PTR TimerIdFade = 1;

// The rows of a monochrome bitmap, top-down, 4-byte aligned.
std::vector<uint8_t> MonochromeRows(HBITMAP bitmap, int32_t& width, int32_t& height, int32_t& stride)
{
    BITMAP info {};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info) || info.bmBitsPixel != 1)
        return {};
    width = info.bmWidth;
    height = info.bmHeight;
    stride = ((width + 31) / 32) * 4;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } bi {};
    bi.header.biSize = sizeof(BITMAPINFOHEADER);
    bi.header.biWidth = width;
    bi.header.biHeight = -height;
    bi.header.biPlanes = 1;
    bi.header.biBitCount = 1;
    std::vector<uint8_t> bits(size_t(stride) * size_t(height));
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, UINT(height), bits.data(), reinterpret_cast<BITMAPINFO*>(&bi),
        DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height)
        return {};
    return bits;
}

} // namespace

TlxSkinHint* FindActiveSkinHint(TComponent* holder)
{
    if (!holder)
        return nullptr;
    for (TComponent* c : holder->Components())
        if (auto* hint = dynamic_cast<TlxSkinHint*>(c); hint && hint->Active())
            return hint;
    return nullptr;
}

// ---------------------------------------------------------------- the window

TlxSkinHintWindow::TlxSkinHintWindow(TlxSkinHint& hint)
    : TCustomWindow(nullptr), m_hint(hint), m_fade(m_timers, TimerIdFade)
{
}

TlxSkinHintWindow::~TlxSkinHintWindow() { DestroyHandle(); }

void TlxSkinHintWindow::CreateParams(TCreateParams& params)
{
    TCustomWindow::CreateParams(params);
    params.ClassName = L"TlxSkinHintWindow";
    params.ClassStyle = ClassStyleSaveBits | (CanDropShadow(PlatformVersion()) ? ClassStyleDropShadow : 0);
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.X = params.Y = 0;
    params.Width = params.Height = 1;
}

bool TlxSkinHintWindow::Showing() const { return Handle() && IsWindowVisible(Handle()); }

void TlxSkinHintWindow::HideHint()
{
    if (Showing())
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    m_fade.Stop();
}

void TlxSkinHintWindow::ApplyTransparency(HWND wnd)
{
    const TlxSkinHint& hint = m_hint;
    if (!LayeredWindowsAvailable())
        return;
    const LONG ex = GetWindowLongW(wnd, GWL_EXSTYLE);
    if (hint.AlphaBlend != m_previousAlpha)
        SetWindowLongW(wnd, GWL_EXSTYLE, hint.AlphaBlend ? ex | WS_EX_LAYERED : ex & ~WS_EX_LAYERED);
    m_previousAlpha = hint.AlphaBlend;
    if (hint.AlphaBlend && hint.AlphaBlendAnimation) {
        SetWindowAlpha(wnd, 0);
        m_previousAlphaValue = 0;
    } else if (hint.AlphaBlend && hint.AlphaBlendValue != m_previousAlphaValue) {
        SetWindowAlpha(wnd, hint.AlphaBlendValue);
        m_previousAlphaValue = hint.AlphaBlendValue;
    }
}

void TlxSkinHintWindow::ApplyShape(HWND wnd, const TlxSkinData* skin, const HintGeometry& geometry)
{
    const PixelView mask = skin ? PictureAt(skin, skin->HintWindow.MaskPictureIndex) : PixelView {};
    if (mask.IsEmpty()) {
        SetWindowRgn(wnd, nullptr, TRUE);
        return;
    }
    const TlxDataSkinHintWindow& f = skin->HintWindow;
    const PieceGeometry src { f.LeftTopPoint, f.RightTopPoint, f.LeftBottomPoint, f.RightBottomPoint, f.ClientRect };
    RegionHandle region = BuildMaskedRegion(src, geometry.Moved, geometry.Width, geometry.Height, mask);
    SetWindowRgn(wnd, region.Release(), TRUE);
}

void TlxSkinHintWindow::ActivateHint(Rect rect, const std::wstring& text)
{
    TlxSkinHint& hint = m_hint;
    if (!hint.Active())
        return;
    HWND wnd = HandleNeeded();
    HintPaintInput in;
    const TlxSkinData* skin = hint.SkinData();
    const bool skinned = skin && !skin->Empty && skin->HintWindow.WindowPictureIndex != -1
        && !PictureAt(skin, skin->HintWindow.WindowPictureIndex).IsEmpty();
    if (skinned) {
        in.Picture = PictureAt(skin, skin->HintWindow.WindowPictureIndex);
        in.Look = HintLook { &skin->HintWindow, in.Picture.Width(), in.Picture.Height() };
    }
    in.Font = hint.DefaultFont;
    if (skinned && hint.UseSkinFont)
        in.Font = TextFont { skin->HintWindow.FontName, skin->HintWindow.FontHeight, skin->HintWindow.FontStyle,
            in.Font.CharSet };
    if (skin && skin->ResourceStrData())
        in.Font.CharSet = skin->ResourceStrData()->CharSet;
    in.Text = ReplaceLineSeparator(text, hint.LineSeparator);
    in.Painter = &hint.Painter();
    in.Colors = &SystemColorResolver();

    const ImageListSource* images = nullptr;
    ImageListSource source(hint.ImageList);
    if (hint.ImageList)
        images = &source;
    in.Content.Text = in.Painter->Measure(in.Font, in.Text, TextMultiLine);
    in.Content.Rich = !hint.Title.empty() || hint.ImageList;
    if (in.Content.Rich) {
        in.Title = hint.Title;
        in.Content.HasTitle = !hint.Title.empty();
        // Measured with the hint's font, as it stands before the title is
        // drawn in bold.
        if (in.Content.HasTitle)
            in.Content.Title = in.Painter->Measure(in.Font, in.Title, TextSingleLine);
        in.Content.HasImage = images && hint.ImageIndex >= 0 && hint.ImageIndex < images->Count();
        if (in.Content.HasImage)
            in.Content.Image = images->ImageSize();
        in.ImageIndex = hint.ImageIndex;
        in.Images = images;
    }
    in.Geometry = ComputeHintGeometry(in.Look, in.Content);
    const Point at = PlaceHint(Point { rect.Left, rect.Top }, in.Geometry.Width, in.Geometry.Height,
        GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

    ApplyTransparency(wnd);
    ApplyShape(wnd, skinned ? skin : nullptr, in.Geometry);

    // The image list is read while painting now; the window keeps no link to it.
    PaintHint(in, m_buffer);
    in.Images = nullptr;
    m_input = std::move(in);
    SetWindowPos(wnd, HWND_TOPMOST, at.X, at.Y, m_input.Geometry.Width, m_input.Geometry.Height,
        SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(wnd, nullptr, FALSE);
    if (LayeredWindowsAvailable() && hint.AlphaBlend && hint.AlphaBlendAnimation) {
        m_fade.Start(hint.AlphaBlendValue, 3, FadeStepPer(3, 20), [this](uint8_t alpha, bool) {
            SetWindowAlpha(Handle(), alpha);
            m_previousAlphaValue = alpha;
        });
    }
}

LRESULT TlxSkinHintWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCPAINT:
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        if (!m_buffer.IsEmpty())
            BlitPixels(dc, 0, 0, m_buffer.View());
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_TIMER:
        if (m_fade.Tick(wParam))
            return 0;
        break;
    case WM_DESTROY:
        m_timers.WindowGone();
        break;
    default:
        break;
    }
    return TCustomWindow::WndProc(message, wParam, lParam);
}

// ---------------------------------------------------------------- the component

TlxSkinHint::TlxSkinHint(TComponent* owner) : TComponent(owner), m_window(std::make_unique<TlxSkinHintWindow>(*this))
{
}

TlxSkinHint::~TlxSkinHint()
{
    StopTimer();
    m_window.reset();
}

void TlxSkinHint::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_skinData)
        m_skinData = nullptr;
    if (component == ImageList)
        ImageList = nullptr;
}

void TlxSkinHint::SetSkinData(TlxSkinData* value)
{
    if (m_skinData)
        RemoveFreeNotification(m_skinData);
    m_skinData = value;
    if (value)
        FreeNotification(value);
}

void TlxSkinHint::SetActive(bool value)
{
    m_active = value;
    if (!value || !Owner())
        return;
    for (TComponent* c : Owner()->Components())
        if (auto* other = dynamic_cast<TlxSkinHint*>(c); other && other != this)
            other->m_active = false;
}

void TlxSkinHint::PrepareHint(const std::wstring& title, TImageList* images, int imageIndex)
{
    if (ImageList && ImageList != images)
        RemoveFreeNotification(ImageList);
    Title = title;
    ImageList = images;
    ImageIndex = images ? imageIndex : 0;
    if (images)
        FreeNotification(images);
}

void TlxSkinHint::StopTimer()
{
    if (m_timer)
        Application().StopTimer(m_timer);
    m_timer = 0;
}

void TlxSkinHint::ShowHint(int x, int y, const std::wstring& text) { m_window->ActivateHint(Rect { x, y, x, y }, text); }

void TlxSkinHint::QueueObjectHint(const std::wstring& text)
{
    StopTimer();
    m_objectHint = text;
    PrepareHint();
    // The tick stops its own timer before anything else: a timer is never
    // freed while its tick runs, only stopped and replaced.
    m_timer = Application().StartTimer(HintPause, [this] {
        StopTimer();
        const Point at = ObjectHintPosition();
        m_window->ActivateHint(Rect { at.X, at.Y, at.X, at.Y }, m_objectHint);
        m_timer = Application().StartTimer(HintHidePause, [this] { HideObjectHint(); });
    });
}

void TlxSkinHint::HideObjectHint()
{
    StopTimer();
    if (m_window->Showing()) {
        m_window->HideHint();
        PrepareHint();
    }
}

Point TlxSkinHint::ObjectHintPosition()
{
    POINT p {};
    GetCursorPos(&p);
    int32_t offset = GetSystemMetrics(SM_CYCURSOR);
    CURSORINFO ci { sizeof ci };
    ICONINFO ii {};
    if (GetCursorInfo(&ci) && ci.hCursor && GetIconInfo(ci.hCursor, &ii)) {
        const BitmapHandle mask(ii.hbmMask), color(ii.hbmColor);
        int32_t w = 0, h = 0, stride = 0;
        const std::vector<uint8_t> bits = MonochromeRows(mask.Get(), w, h, stride);
        // A mask without a colour bitmap holds both halves, one above the other.
        const int32_t bottom = bits.empty() ? -1 : CursorDrawnBottom(bits.data(), stride, w, h, !color);
        if (bottom >= 0)
            offset = bottom - int32_t(ii.yHotspot);
    }
    return Point { p.x, p.y + offset };
}

} // namespace ventro
