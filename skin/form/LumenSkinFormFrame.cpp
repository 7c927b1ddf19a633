// The skin form controller's frame: the frame and its objects rebuilt from the
// skin (or the fallback frame), the window region, painting the frame and the
// client background, applying a skin, switching the frame on and off, and the
// skin data's change messages.
#include "skin/form/LumenSkinForm.h"

#include "platform/Colors.h"
#include "platform/Compositor.h"
#include "platform/Graphics.h"
#include "skin/form/WinFrameDrawing.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/lxUtils.h"
#include "skin/menus/lxSkinHint.h"

namespace ventro {

namespace {

FrameBorderStyle ToFrameStyle(TBorderStyle s)
{
    switch (s) {
    case TBorderStyle::bsNone: return FrameBorderStyle::None;
    case TBorderStyle::bsSingle: return FrameBorderStyle::Single;
    case TBorderStyle::bsSizeable: return FrameBorderStyle::Sizeable;
    case TBorderStyle::bsDialog: return FrameBorderStyle::Dialog;
    case TBorderStyle::bsToolWindow: return FrameBorderStyle::ToolWindow;
    case TBorderStyle::bsSizeToolWin: return FrameBorderStyle::SizeToolWin;
    }
    return FrameBorderStyle::Sizeable;
}

} // namespace

FrameOptions TlxLumenSkinForm::MakeFrameOptions() const
{
    FrameOptions o;
    o.Icons = m_borderIcons;
    o.ShowIcon = m_showIcon;
    o.IconSize = SmallIconSize();
    o.Style = ToFrameStyle(m_form->BorderStyle());
    o.AlwaysResize = m_alwaysResize;
    o.HideCaptionButtons = m_hideCaptionButtons;
    o.Limits = m_limits;
    return o;
}

const std::vector<std::string>* TlxLumenSkinForm::ResStrings() const
{
    if (m_skinData && m_skinData->ResourceStrData())
        return &m_skinData->ResourceStrData()->ResStrings;
    return nullptr;
}

void TlxLumenSkinForm::RebuildFrame()
{
    if (m_pressed >= 0 && HandleReady() && GetCapture() == m_form->Handle())
        ReleaseCapture();
    m_hot = m_previousHot = m_pressed = -1;
    const TlxSkinContent* skin = m_skinReady && m_skinned && m_skinData ? m_skinData : nullptr;
    m_frame = std::make_unique<TSkinFrame>(*this, skin, MakeFrameOptions());
    ApplyDefaultObjectHints();
    if (HandleReady()) {
        Rect r = WindowRectOf(m_form->Handle());
        m_frame->SetSize(r.Width(), r.Height());
    }
    ActivateCaption(m_frame->Objects(), m_active);
}

void TlxLumenSkinForm::FreeObjects()
{
    if (m_pressed >= 0 && HandleReady() && GetCapture() == m_form->Handle())
        ReleaseCapture();
    m_hot = m_previousHot = m_pressed = -1;
    HideObjectHint();
    // A fallback frame holds no pointer into any skin.
    m_frame = std::make_unique<TSkinFrame>(*this, nullptr, MakeFrameOptions());
}

int32_t TlxLumenSkinForm::MinWidthNow() const { return m_frame ? m_frame->MinWidth() : 0; }
int32_t TlxLumenSkinForm::MinHeightNow() const { return m_frame ? m_frame->MinHeight() : 0; }

bool TlxLumenSkinForm::BelowMinimum(int width, int height) const
{
    return width < MinWidthNow() || height < MinHeightNow();
}

void TlxLumenSkinForm::ResizeFrame(int width, int height)
{
    if (m_frame && (m_frame->Width() != width || m_frame->Height() != height))
        m_frame->SetSize(width, height);
}

void TlxLumenSkinForm::UpdateWindowRegion()
{
    // A form still waiting for its place has a size that is about to change:
    // the region follows that move (AfterSize), or else the show.
    if (!HandleReady() || m_form->PlacementWaits())
        return;
    HWND wnd = m_form->Handle();
    // A skinned frame always has a region: the mask's, or the window's
    // rectangle, without which a composited desktop draws its own frame.
    if (m_skinned && m_frame && m_form->BorderStyle() != TBorderStyle::bsNone) {
        m_regionApplied = ApplyWindowRegion(wnd, m_frame->RegionRects());
    } else if (m_regionApplied) {
        SetWindowRgn(wnd, nullptr, TRUE);
        m_regionApplied = false;
    }
}

void TlxLumenSkinForm::PaintFrame(HDC dc)
{
    if (!m_frame || m_skinChanging || !m_skinned)
        return;
    if (m_form->BorderStyle() == TBorderStyle::bsNone)
        return;
    FrameImage image;
    if (m_frame->Skinned()) {
        if (!ComposeSkinFrame(*m_frame, *m_text, image))
            return;
    } else {
        ComposeDefaultFrame(*m_frame, *m_text, FallbackCaptionFonts(), image);
    }
    PaintFrameImage(dc, image, m_frame->ClientRect());
}

DefaultCaptionFonts TlxLumenSkinForm::FallbackCaptionFonts() const
{
    DefaultCaptionFonts fonts;
    fonts.Active = m_defCaptionFont.Font;
    fonts.ActiveColor = m_defCaptionFont.FontColor;
    fonts.Inactive = m_defInActiveCaptionFont.Font;
    fonts.InactiveColor = m_defInActiveCaptionFont.FontColor;
    if (m_skinData && m_skinData->ResourceStrData())
        fonts.Active.CharSet = fonts.Inactive.CharSet = m_skinData->ResourceStrData()->CharSet;
    return fonts;
}

void TlxLumenSkinForm::RepaintFrame()
{
    if (!HandleReady() || !m_skinned || !IsWindowVisible(m_form->Handle()))
        return;
    ResizeFrameToWindow();
    WindowDC dc(m_form->Handle());
    PaintFrame(dc.Get());
}

void TlxLumenSkinForm::RepaintObject(TlxActiveSkinObject& object)
{
    if (!HandleReady() || !m_skinned || !IsWindowVisible(m_form->Handle()))
        return;
    if (m_form->BorderStyle() == TBorderStyle::bsNone)
        return;
    WindowDC dc(m_form->Handle());
    IntersectClipRect(dc.Get(), object.ObjectRect.Left, object.ObjectRect.Top, object.ObjectRect.Right,
        object.ObjectRect.Bottom);
    PaintFrame(dc.Get());
}

void TlxLumenSkinForm::PaintClientBackground(HDC dc)
{
    RECT client {};
    GetClientRect(m_form->Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    const bool skinBackground = m_skinned && m_frame && m_frame->Skinned();
    if (!skinBackground && m_logo.View().IsEmpty()) {
        FillRect(dc, &client, m_form->BackgroundBrush());
        return;
    }
    PixelBuffer background(client.right, client.bottom);
    if (skinBackground) {
        ComposeClientBackground(*m_frame, background.View(), SystemColorResolver(), m_logo.View(), m_logoTransparent);
    } else {
        Color face = ResolveSystemColor(m_form->GetColor());
        for (int32_t y = 0; y < background.Height(); ++y) {
            uint8_t* row = background.Row(y);
            for (int32_t x = 0; x < background.Width(); ++x) {
                row[x * 3 + 0] = BlueOf(face);
                row[x * 3 + 1] = GreenOf(face);
                row[x * 3 + 2] = RedOf(face);
            }
        }
        TSkinFrame plain(*this, nullptr, MakeFrameOptions());
        ComposeClientBackground(plain, background.View(), SystemColorResolver(), m_logo.View(), m_logoTransparent);
    }
    BlitPixels(dc, 0, 0, background.View());
}

void TlxLumenSkinForm::ActivateCaptionWithRepaint(bool repaint)
{
    if (!m_frame)
        return;
    ActivateCaption(m_frame->Objects(), m_active);
    if (repaint)
        RepaintFrame();
}

void TlxLumenSkinForm::ApplyFormBorderIcons()
{
    if (m_skinned)
        m_form->SetBorderIcons({ false, false, false });
    else
        m_form->SetBorderIcons({ !m_hideCaptionButtons, m_borderIcons.Minimize, m_borderIcons.Maximize });
}

void TlxLumenSkinForm::WidthNudge()
{
    if (!HandleReady())
        return;
    HWND wnd = m_form->Handle();
    Rect r = WindowRectOf(wnd);
    int delta = NudgeDirection(r.Width(), MinWidthNow());
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(wnd, nullptr, 0, 0, r.Width() + delta, r.Height(), flags);
    SetWindowPos(wnd, nullptr, 0, 0, r.Width(), r.Height(), flags);
}


void TlxLumenSkinForm::ResizeFrameToWindow()
{
    Rect r = WindowRectOf(m_form->Handle());
    ResizeFrame(r.Width(), r.Height());
}

void TlxLumenSkinForm::FitSizeToSkin()
{
    HWND wnd = m_form->Handle();
    Rect r = WindowRectOf(wnd);
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SkinSizeFix fix = FixSizeForSkin(r.Width(), r.Height(), MinWidthNow(), MinHeightNow());
    if (!fix.Nudge)
        SetWindowPos(wnd, nullptr, 0, 0, fix.Width, fix.Height, flags);
    else if (m_skinReady && m_skinned)
        WidthNudge();
    if (m_rolledUp || m_windowState == TWindowState::wsMinimized) {
        r = WindowRectOf(wnd);
        int width = m_windowState == TWindowState::wsMinimized ? MinWidthNow() : r.Width();
        SetWindowPos(wnd, nullptr, 0, 0, width, MinHeightNow(), flags);
    }
}

void TlxLumenSkinForm::ApplySkin()
{
    m_hot = m_previousHot = m_pressed = -1;
    m_skinReady = m_skinData && !m_skinData->Empty;
    RebuildFrame();
    if (!HandleReady())
        return;
    HWND wnd = m_form->Handle();
    UpdateWindowRegion();
    ApplyFormBorderIcons();
    m_form->FrameChanged();
    FitSizeToSkin();
    ResizeFrameToWindow();
    UpdateWindowRegion();
    RedrawWholeWindow(wnd);
    ActivateCaptionWithRepaint(true);
    StartTrackingTimer();
    if (OnChangeSkinData)
        OnChangeSkinData(this);
    if (!m_rolledUp && (m_clientWidth > 0 || m_clientHeight > 0))
        m_form->SetClientSize(m_clientWidth > 0 ? m_clientWidth : m_form->ClientWidth(),
            m_clientHeight > 0 ? m_clientHeight : m_form->ClientHeight());
}

void TlxLumenSkinForm::ChangeSkinnable(bool value)
{
    if (value == m_skinned || !HandleReady())
        return;
    HWND wnd = m_form->Handle();
    bool wasMaximized = false;
    if (m_skinned && m_windowState == TWindowState::wsMaximized) {
        wasMaximized = true;
        ShowWindow(wnd, SW_HIDE);
        ChangeWindowState(TWindowState::wsNormal);
    } else if (!m_skinned && IsZoomed(wnd)) {
        wasMaximized = true;
        ShowWindow(wnd, SW_HIDE);
        ShowWindow(wnd, SW_RESTORE);
        ShowWindow(wnd, SW_HIDE);
    }
    m_skinned = value;
    SetCompositorFrame(wnd, !value);
    if (!value && m_regionApplied) {
        SetWindowRgn(wnd, nullptr, TRUE);
        m_regionApplied = false;
    }
    ApplySkin();
    m_takeover.Attach(wnd);
    m_form->FrameChanged();
    RedrawWholeWindow(wnd);
    if (wasMaximized) {
        if (m_skinned)
            ChangeWindowState(TWindowState::wsMaximized);
        else
            ShowWindow(wnd, SW_MAXIMIZE);
        ShowWindow(wnd, SW_SHOW);
    }
}

void TlxLumenSkinForm::NotifyChildren()
{
    for (HWND child = GetWindow(m_form->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, ParentBackgroundChangedMessage, 0, 0);
}

void TlxLumenSkinForm::SkinMessage(UINT message, bool own)
{
    switch (message) {
    case SKM_BEFORECHANGESKIN:
        if (!own)
            break;
        m_skinChanging = true;
        m_skinReady = false;
        StopTimers();
        FreeObjects();
        if (OnBeforeChangeSkinData)
            OnBeforeChangeSkinData(this);
        break;
    case SKM_CHANGESKIN:
        m_skinChanging = false;
        if (own)
            ApplySkin();
        break;
    case SKM_AFTERCHANGESKIN:
        if (OnAfterChangeSkinData)
            OnAfterChangeSkinData(this);
        break;
    case SKM_CHANGERESSTRDATA:
        ApplyDefaultObjectHints();
        break;
    case SKM_CHANGESKINNABLE:
        if (own)
            ChangeSkinnable(m_skinData->SkinnableForm());
        break;
    default: break;
    }
}

void TlxLumenSkinForm::ApplyDefaultObjectHints()
{
    if (m_frame && m_useDefaultObjectHint && m_skinData)
        ApplyDefaultHints(m_frame->Objects(), ResStrings());
}

void TlxLumenSkinForm::ApplyFrameOptions()
{
    if (!m_frame)
        return;
    // The objects stay: a hot, pressed, morphing or animating button keeps its
    // state, and an object whose own handler set the property is not freed.
    m_frame->SetOptions(MakeFrameOptions());
    ApplyDefaultObjectHints();
}

} // namespace ventro
