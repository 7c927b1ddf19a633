// The skin objects of a skinned frame.
#include "skin/form/SkinObjects.h"

#include <algorithm>
#include <cmath>

#include "skin/data/ResourceStrings.h"
#include "skin/data/SkinLimits.h"
#include "skin/form/FrameSkin.h"
#include "skin/gfx/GlyphPainters.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/TextFit.h"

namespace ventro {
namespace {

bool ObjectSizeUsable(Rect r)
{
    return !IsEmptyRect(r) && WidthOfRect(r) * HeightOfRect(r) <= MaxObjectPixels;
}

} // namespace

TlxActiveSkinObject::TlxActiveSkinObject(ISkinFormServices& parent, const TlxSkinContent* skin,
    const TlxDataSkinObject* record)
    : Parent(parent), SkinData(skin)
{
    if (!record)
        return;
    IDName = record->SectionName;
    Hint = record->Hint;
    SkinRect = record->SkinRect;
    ActiveSkinRect = record->ActiveSkinRect;
    InActiveSkinRect = record->InactiveSkinRect;
    Morphing = record->Morphing;
    MorphKindValue = ToMorphKind(record->MorphKind);
    SkinRectInAPicture = record->SkinRectInAPicture;
    if (skin) {
        Picture = PictureView(skin->Picture);
        ActivePicture = ActivePictureView(*skin, record->ActivePictureIndex);
    }
    if (ActivePicture.IsEmpty())
        ActiveSkinRect = Rect {};
    if (IsEmptyRect(ActiveSkinRect))
        Morphing = false;
    ObjectRect = SkinRect;
}

bool TlxActiveSkinObject::MorphPending() const { return (Active && MorphKf < 1) || (!Active && MorphKf > 0); }

bool TlxActiveSkinObject::MorphingInEffect() const { return Morphing && Parent.SkinEffectsEnabled(); }

void TlxActiveSkinObject::HighlightChange()
{
    if (MorphingInEffect())
        Parent.StartMorphTimer();
    else
        Parent.RepaintObject(*this);
}

bool TlxActiveSkinObject::MorphStep()
{
    if (!MorphingInEffect() || !MorphPending())
        return false;
    // Whole fifths, so that five steps always reach an end exactly.
    double next = std::round((MorphKf + (Active ? 0.2 : -0.2)) * 5) / 5;
    MorphKf = std::clamp(next, 0.0, 1.0);
    Parent.RepaintObject(*this);
    return true;
}

PlacedObject TlxActiveSkinObject::Placement() const
{
    PlacedObject p;
    p.Kind = Kind();
    p.Command = Command();
    p.SkinRectInAPicture = SkinRectInAPicture;
    p.Visible = Visible;
    p.SkinRect = SkinRect;
    p.ObjectRect = ObjectRect;
    return p;
}

void TlxActiveSkinObject::ResetState()
{
    MouseIn = false;
    Active = false;
    MorphKf = 0;
}

void TlxActiveSkinObject::DrawImage(FrameCanvas& canvas, PixelView src, Rect srcRect) const
{
    if (src.IsEmpty() || IsEmptyRect(srcRect) || IsEmptyRect(ObjectRect))
        return;
    StretchPixels(canvas.Pixels, canvas.ToLocal(ObjectRect), src, srcRect);
}

void TlxActiveSkinObject::DrawMorph(FrameCanvas& canvas, PixelView normalPic, Rect normal, Rect active) const
{
    if (!ObjectSizeUsable(ObjectRect)) {
        DrawImage(canvas, normalPic, normal);
        return;
    }
    PixelBuffer a(ObjectRect.Width(), ObjectRect.Height()), b(ObjectRect.Width(), ObjectRect.Height());
    const Rect all = ViewBounds(a.View());
    StretchPixels(a.View(), all, normalPic, normal);
    StretchPixels(b.View(), all, ActivePicture, active);
    ApplyMorph(a.View(), b.View(), MorphKindValue, MorphKf);
    const Rect local = canvas.ToLocal(ObjectRect);
    CopyPixels(canvas.Pixels, local.Left, local.Top, a.View(), all);
}

void TlxActiveSkinObject::Draw(FrameCanvas& canvas, bool direct)
{
    if (Enabled && !Parent.WindowState().Active && !IsEmptyRect(InActiveSkinRect)) {
        DrawImage(canvas, ActivePicture, InActiveSkinRect);
        return;
    }
    if (MorphingInEffect() && KfBetweenEnds()) {
        DrawMorph(canvas, NormalPicture(), SkinRect, ActiveSkinRect);
        return;
    }
    if (!Active || IsEmptyRect(ActiveSkinRect)) {
        // The band already carries an image that is part of the frame picture.
        if (direct || SkinRectInAPicture)
            DrawImage(canvas, NormalPicture(), SkinRect);
        return;
    }
    DrawImage(canvas, ActivePicture, ActiveSkinRect);
}

void TlxActiveSkinObject::RaiseMouseUp(int32_t x, int32_t y, TMouseButton button)
{
    if (MouseIn)
        Parent.MouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TlxActiveSkinObject::MouseDown(int32_t x, int32_t y, TMouseButton button)
{
    Parent.MouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TlxActiveSkinObject::MouseUp(int32_t x, int32_t y, TMouseButton button) { RaiseMouseUp(x, y, button); }

void TlxActiveSkinObject::MouseMove(int32_t x, int32_t y) { Parent.MouseMoveEvent(IDName, x, y, ObjectRect); }

void TlxActiveSkinObject::MouseEnter()
{
    MouseIn = Active = true;
    if (!IsEmptyRect(ActiveSkinRect))
        HighlightChange();
    Parent.MouseEnterEvent(IDName);
}

void TlxActiveSkinObject::MouseLeave()
{
    MouseIn = Active = false;
    if (!IsEmptyRect(ActiveSkinRect))
        HighlightChange();
    Parent.MouseLeaveEvent(IDName);
}

void TlxUserObject::Draw(FrameCanvas& canvas, bool) { Parent.PaintEvent(IDName, canvas, ObjectRect); }

// Buttons.

TlxSkinButtonObject::TlxSkinButtonObject(ISkinFormServices& parent, const TlxSkinContent* skin,
    const TlxDataSkinButton* record)
    : TlxActiveSkinObject(parent, skin, record)
{
    if (record) {
        DownRect = record->DownRect;
        DisableSkinRect = record->DisableSkinRsect;
    }
}

void TlxSkinButtonObject::ButtonDraw(FrameCanvas& canvas, bool direct)
{
    if (!Enabled && !IsEmptyRect(DisableSkinRect))
        DrawImage(canvas, ActivePicture, DisableSkinRect);
    else if (Down && MouseIn && !IsEmptyRect(DownRect))
        DrawImage(canvas, ActivePicture, DownRect);
    else
        TlxActiveSkinObject::Draw(canvas, direct);
}

void TlxSkinButtonObject::Draw(FrameCanvas& canvas, bool direct) { ButtonDraw(canvas, direct); }

void TlxSkinButtonObject::SetDown(bool value)
{
    Down = value;
    if (MorphingInEffect() && Active)
        MorphKf = 1;
    Parent.RepaintObject(*this);
    if (MorphingInEffect() && !value)
        HighlightChange();
}

void TlxSkinButtonObject::MouseEnter()
{
    MouseIn = Active = true;
    if (Down && !IsEmptyRect(DownRect)) {
        if (MorphingInEffect())
            MorphKf = 1;
        Parent.RepaintObject(*this);
    } else {
        HighlightChange();
    }
    Parent.MouseEnterEvent(IDName);
}

void TlxSkinButtonObject::MouseLeave()
{
    MouseIn = Active = false;
    if (!(Down && MenuItem && Parent.SkinMenuOpen())) {
        Parent.RepaintObject(*this);
        if (MorphingInEffect())
            HighlightChange();
    }
    Parent.MouseLeaveEvent(IDName);
}

void TlxSkinButtonObject::MouseDown(int32_t x, int32_t y, TMouseButton button)
{
    if (!Enabled)
        return;
    if (button == TMouseButton::mbLeft && !Down) {
        SetDown(true);
        if (MenuItem)
            Parent.PopupMenu(*this, MenuItem);
    }
    Parent.MouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TlxSkinButtonObject::MouseUp(int32_t x, int32_t y, TMouseButton button)
{
    if (!Enabled)
        return;
    if (button == TMouseButton::mbLeft && Down && !MenuItem)
        SetDown(false);
    RaiseMouseUp(x, y, button);
}

void TlxSkinButtonObject::ResetState() { TlxActiveSkinObject::ResetState(); }

// Standard caption buttons.

TlxSkinStdButtonObject::TlxSkinStdButtonObject(ISkinFormServices& parent, const TlxSkinContent* skin,
    const TlxDataSkinStdButton* record)
    : TlxSkinButtonObject(parent, skin, record)
{
    if (record) {
        CommandValue = record->Command;
        RestoreRect = record->RestoreRect;
        RestoreActiveRect = record->RestoreActiveRect;
        RestoreInActiveRect = record->RestoreInactiveRect;
        RestoreDownRect = record->RestoreDownRect;
    }
}

TlxSkinStdButtonObject::TlxSkinStdButtonObject(ISkinFormServices& parent, std::string idName, TlxStdCommand command)
    : TlxSkinButtonObject(parent, nullptr, nullptr)
{
    SkinSupport = false;
    CommandValue = command;
    IDName = std::move(idName);
    SkinRect = ObjectRect = Rect { 0, 0, 1, 1 };
    SkinRectInAPicture = true;
}

bool TlxSkinStdButtonObject::InRestoreState() const
{
    const FrameWindowState ws = Parent.WindowState();
    return (CommandValue == TlxStdCommand::cmMaximize && ws.Maximized)
        || (CommandValue == TlxStdCommand::cmMinimize && ws.Minimized)
        || (CommandValue == TlxStdCommand::cmRollUp && ws.RolledUp);
}

void TlxSkinStdButtonObject::Draw(FrameCanvas& canvas, bool direct)
{
    if (!SkinSupport) {
        DrawFallbackGlyph(canvas);
        return;
    }
    if (CommandValue == TlxStdCommand::cmSysMenu && Parent.ShowIcon() && SkinRectInAPicture) {
        const Rect local = canvas.ToLocal(ObjectRect);
        Parent.DrawSmallIcon(canvas, local.Left, local.Top);
        MorphKf = 0;
        return;
    }
    if (InRestoreState() && !IsEmptyRect(RestoreRect) && Enabled) {
        if (!Parent.WindowState().Active && !IsEmptyRect(RestoreInActiveRect))
            DrawImage(canvas, ActivePicture, RestoreInActiveRect);
        else if (Down && MouseIn && !IsEmptyRect(RestoreDownRect))
            DrawImage(canvas, ActivePicture, RestoreDownRect);
        else if (MorphingInEffect() && KfBetweenEnds() && !IsEmptyRect(RestoreActiveRect))
            DrawMorph(canvas, ActivePicture, RestoreRect, RestoreActiveRect);
        else if (Active && !IsEmptyRect(RestoreActiveRect))
            DrawImage(canvas, ActivePicture, RestoreActiveRect);
        else
            DrawImage(canvas, ActivePicture, RestoreRect);
        return;
    }
    ButtonDraw(canvas, direct);
}

void TlxSkinStdButtonObject::DrawFallbackGlyph(FrameCanvas& canvas)
{
    if (!ObjectSizeUsable(ObjectRect))
        return;
    const IColorResolver& colors = Parent.Colors();
    const int32_t w = ObjectRect.Width(), h = ObjectRect.Height();
    PixelBuffer bmp(w, h);
    FillPixels(bmp.View(), Rect { 0, 0, w, h }, colors.Resolve(ClBtnFace));
    if (MouseIn) {
        FillPixels(bmp.View(), Rect { 0, 0, w, h }, Rgb(0, 0, 128));
        FillPixels(bmp.View(), Rect { 1, 1, w - 1, h - 1 }, Down ? Rgb(133, 147, 181) : Rgb(182, 189, 210));
    }
    int32_t x = w / 2 - 5, y = h / 2 - 4;
    if (Down && MouseIn) {
        ++x;
        ++y;
    }
    const Color color = colors.Resolve(Enabled ? ClBtnText : ClBtnShadow);
    const FrameWindowState ws = Parent.WindowState();
    const PixelView v = bmp.View();
    switch (CommandValue) {
    case TlxStdCommand::cmClose: DrawCloseGlyph(v, x, y, color); break;
    case TlxStdCommand::cmMaximize:
        (ws.Maximized ? DrawRestoreGlyph : DrawMaximizeGlyph)(v, x, y, color);
        break;
    case TlxStdCommand::cmMinimize:
        (ws.Minimized ? DrawRestoreGlyph : DrawMinimizeGlyph)(v, x, y, color);
        break;
    case TlxStdCommand::cmSysMenu:
        if (Parent.ShowIcon()) {
            FrameCanvas own { v, Point {}, canvas.Text };
            Parent.DrawSmallIcon(own, 0, 0);
        } else {
            DrawSysMenuGlyph(v, x, y, color);
        }
        break;
    case TlxStdCommand::cmRollUp:
        (ws.RolledUp ? DrawRollDownGlyph : DrawRollUpGlyph)(v, x, y, color);
        break;
    case TlxStdCommand::cmMinimizeToTray: DrawTrayGlyph(v, x, y, color); break;
    default: break;
    }
    const Rect local = canvas.ToLocal(ObjectRect);
    CopyPixels(canvas.Pixels, local.Left, local.Top, bmp.View(), ViewBounds(bmp.View()));
}

void TlxSkinStdButtonObject::MouseDown(int32_t, int32_t, TMouseButton button)
{
    if (button != TMouseButton::mbLeft || !Enabled || Down)
        return;
    SetDown(true);
    if (CommandValue == TlxStdCommand::cmSysMenu) {
        MenuItem = Parent.SystemMenuItems();
        Parent.PopupMenu(*this, MenuItem);
    }
}

void TlxSkinStdButtonObject::MouseUp(int32_t x, int32_t y, TMouseButton button)
{
    if (!Enabled)
        return;
    const bool run = Active && button == TMouseButton::mbLeft;
    if (CommandValue == TlxStdCommand::cmClose) {
        TlxSkinButtonObject::MouseUp(x, y, button);
        if (run)
            RunCommand();
    } else {
        if (run)
            RunCommand();
        TlxSkinButtonObject::MouseUp(x, y, button);
    }
}

void TlxSkinStdButtonObject::DblClick()
{
    if (CommandValue == TlxStdCommand::cmSysMenu)
        Parent.CloseForm();
}

static void RunFormCommand(ISkinFormServices& parent, TlxStdCommand command)
{
    const FrameWindowState ws = parent.WindowState();
    switch (command) {
    case TlxStdCommand::cmClose: parent.CloseForm(); break;
    case TlxStdCommand::cmMaximize:
        if (ws.Maximized)
            parent.RestoreForm();
        else
            parent.MaximizeForm();
        break;
    case TlxStdCommand::cmMinimize:
        if (parent.AlwaysMinimizeToTray())
            parent.MinimizeToTray();
        else if (ws.Minimized)
            parent.RestoreForm();
        else
            parent.MinimizeForm();
        break;
    case TlxStdCommand::cmRollUp: parent.SetRollUp(!ws.RolledUp); break;
    case TlxStdCommand::cmMinimizeToTray: parent.MinimizeToTray(); break;
    default: break;
    }
}

void TlxSkinStdButtonObject::RunCommand() { RunFormCommand(Parent, CommandValue); }

// Animated buttons.

TlxSkinAnimateObject::TlxSkinAnimateObject(ISkinFormServices& parent, const TlxSkinContent* skin,
    const TlxDataSkinAnimate* record)
    : TlxActiveSkinObject(parent, skin, record)
{
    CountFrames = std::max(record->CountFrames, 1);
    Cycle = record->Cycle;
    ButtonStyle = record->ButtonStyle;
    TimerInterval = std::max(record->TimerInterval, 25);
    CommandValue = record->Command;
    DownSkinRect = record->DownSkinRect;
    RestoreRect = record->RestoreRect;
    RestoreActiveRect = record->RestoreActiveRect;
    RestoreInActiveRect = record->RestoreInactiveRect;
    RestoreDownRect = record->RestoreDownRect;
}

bool TlxSkinAnimateObject::InRestoreState() const
{
    const FrameWindowState ws = Parent.WindowState();
    const bool state = (CommandValue == TlxStdCommand::cmMaximize && ws.Maximized)
        || (CommandValue == TlxStdCommand::cmMinimize && ws.Minimized)
        || (CommandValue == TlxStdCommand::cmRollUp && ws.RolledUp);
    return state && !IsEmptyRect(RestoreRect);
}

void TlxSkinAnimateObject::Draw(FrameCanvas& canvas, bool direct)
{
    const bool restore = InRestoreState();
    const Rect normal = restore ? RestoreRect : SkinRect;
    const Rect active = restore ? RestoreActiveRect : ActiveSkinRect;
    const Rect inactive = restore ? RestoreInActiveRect : InActiveSkinRect;
    const Rect down = restore ? RestoreDownRect : DownSkinRect;
    if (!Parent.WindowState().Active && !IsEmptyRect(inactive)) {
        DrawImage(canvas, ActivePicture, inactive);
        return;
    }
    if (Pressed && MouseIn && !IsEmptyRect(down)) {
        DrawImage(canvas, ActivePicture, down);
        return;
    }
    if ((Frame <= 1 && !Active) || IsEmptyRect(active)) {
        if (direct || SkinRectInAPicture || restore)
            DrawImage(canvas, restore ? ActivePicture : NormalPicture(), normal);
        return;
    }
    // Frame n is the cell n - 1 widths right of the active image.
    const int64_t shift = int64_t(Frame - 1) * active.Width();
    const Rect cell { ShiftCoord(active.Left, shift), active.Top, ShiftCoord(active.Right, shift), active.Bottom };
    DrawImage(canvas, ActivePicture, cell);
}

void TlxSkinAnimateObject::Start(bool forward)
{
    Active = true;
    Forward = forward;
    Parent.StartAnimationTimer();
}

void TlxSkinAnimateObject::MouseEnter()
{
    MouseIn = true;
    if (!(MenuItem && Parent.SkinMenuOpen()) && ButtonStyle) {
        if (Pressed && !IsEmptyRect(DownSkinRect))
            Parent.RepaintObject(*this);
        else
            Start(true);
    }
    Parent.MouseEnterEvent(IDName);
}

void TlxSkinAnimateObject::MouseLeave()
{
    MouseIn = false;
    if (!(MenuItem && Parent.SkinMenuOpen()) && ButtonStyle) {
        if (Pressed && !IsEmptyRect(DownSkinRect))
            Parent.RepaintObject(*this);
        else
            Start(false);
    }
    Parent.MouseLeaveEvent(IDName);
}

void TlxSkinAnimateObject::MouseDown(int32_t x, int32_t y, TMouseButton button)
{
    if (!Enabled)
        return;
    if (button == TMouseButton::mbLeft && !IsEmptyRect(DownSkinRect)) {
        Frame = CountFrames;
        Pressed = true;
        Parent.RepaintObject(*this);
    }
    if (button == TMouseButton::mbLeft && ButtonStyle && CommandValue == TlxStdCommand::cmSysMenu) {
        MenuItem = Parent.SystemMenuItems();
        Parent.PopupMenu(*this, MenuItem);
    }
    Parent.MouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TlxSkinAnimateObject::MouseUp(int32_t x, int32_t y, TMouseButton button)
{
    if (!Enabled)
        return;
    if (button == TMouseButton::mbLeft && Pressed) {
        Pressed = false;
        Parent.RepaintObject(*this);
        Parent.StartAnimationTimer();
    }
    if (button == TMouseButton::mbLeft && ButtonStyle && MouseIn && CommandValue != TlxStdCommand::cmSysMenu)
        RunCommand();
    RaiseMouseUp(x, y, button);
}

void TlxSkinAnimateObject::RunCommand() { RunFormCommand(Parent, CommandValue); }

void TlxSkinAnimateObject::ResetState()
{
    TlxActiveSkinObject::ResetState();
    Frame = 1;
}

bool TlxSkinAnimateObject::AnimationStep()
{
    if (!Active || (Pressed && !IsEmptyRect(DownSkinRect)))
        return false;
    if (Elapsed < TimerInterval) {
        Elapsed += 25;
        return true;
    }
    if (Forward) {
        if (++Frame > CountFrames)
            Frame = 1;
        if (!Cycle && Frame == CountFrames)
            Active = false;
    } else {
        if (--Frame < 1)
            Frame = CountFrames;
        if (Frame == 1)
            Active = false;
    }
    Parent.RepaintObject(*this);
    Elapsed = 25;
    return true;
}

// The caption.

TlxSkinCaptionObject::TlxSkinCaptionObject(ISkinFormServices& parent, const TlxSkinContent* skin,
    const TlxDataSkinCaption* record)
    : TlxActiveSkinObject(parent, skin, record), Record(*record)
{
}

bool TlxSkinCaptionObject::AnimationInEffect() const
{
    return SkinData && Parent.SkinEffectsEnabled() && !IsEmptyRect(Record.AnimateSkinRect);
}

Rect TlxSkinCaptionObject::AnimationCell() const
{
    const Rect strip = Record.AnimateSkinRect;
    const int32_t count = Record.FrameCount;
    if (count <= 0 || AnimationFrame < 1 || AnimationFrame > count)
        return Rect {};
    if (strip.Height() <= SkinRect.Height()) {
        const int32_t w = strip.Width() / count;
        const int32_t l = ShiftCoord(strip.Left, int64_t(AnimationFrame - 1) * w);
        return Rect { l, strip.Top, ShiftCoord(l, w), strip.Bottom };
    }
    const int32_t h = strip.Height() / count;
    const int32_t t = ShiftCoord(strip.Top, int64_t(AnimationFrame - 1) * h);
    return Rect { strip.Left, t, strip.Right, ShiftCoord(t, h) };
}

namespace {

struct CaptionTextLayout {
    TextFont Font;
    std::wstring Text;
    Point At;   // relative to the object's top-left
    Point Size;
};

} // namespace

static CaptionTextLayout LayoutCaptionText(const TlxSkinCaptionObject& o, ITextPainter& painter)
{
    const TlxDataSkinCaption& r = o.Record;
    CaptionTextLayout l;
    std::wstring text = o.Parent.CaptionText();
    if (text.empty() || IsEmptyRect(r.TextRect))
        return l;
    Rect t = r.TextRect;
    t.Right = ShiftCoord(t.Right, WidthOfRect(o.ObjectRect) - WidthOfRect(o.SkinRect));
    if (!IsEmptyRect(r.FrameRect)) {
        t.Left = ShiftCoord(t.Left, r.FrameTextRect.Left);
        t.Top = ShiftCoord(t.Top, r.FrameTextRect.Top);
        t.Right = ShiftCoord(t.Right, int64_t(r.FrameTextRect.Right) - WidthOfRect(r.FrameRect));
    }
    l.Font = TextFont { r.FontName, r.FontHeight, r.FontStyle, o.Parent.CaptionCharSet() };
    auto measure = [&](std::wstring_view s) { return painter.Measure(l.Font, s, TextCaptionLine | o.Parent.ReadingFlags()); };
    l.Text = FitWideTextToWidth(text, WidthOfRect(t), [&](std::wstring_view s) { return int64_t(measure(s).Width); });
    const Extent size = measure(l.Text);
    l.Size = Point { size.Width, size.Height };
    const int64_t y = int64_t(t.Top) + HeightOfRect(t) / 2 - l.Size.Y / 2;
    int64_t x = t.Left;
    if (r.Alignment == TAlignment::taRightJustify)
        x = int64_t(t.Right) - l.Size.X;
    else if (r.Alignment == TAlignment::taCenter)
        x = int64_t(t.Left) + WidthOfRect(t) / 2 - l.Size.X / 2;
    l.At = Point { ShiftCoord(0, x), ShiftCoord(0, y) };
    return l;
}

Rect TlxSkinCaptionObject::TextPlace(ITextPainter& text, bool) const
{
    CaptionTextLayout l = LayoutCaptionText(*this, text);
    if (l.Text.empty())
        return Rect {};
    return Rect { l.At.X, l.At.Y, ShiftCoord(l.At.X, l.Size.X), ShiftCoord(l.At.Y, l.Size.Y) };
}

void TlxSkinCaptionObject::DrawText(FrameCanvas& canvas, PixelView target, Point origin, bool active) const
{
    if (!canvas.Text)
        return;
    ITextPainter& painter = *canvas.Text;
    CaptionTextLayout l = LayoutCaptionText(*this, painter);
    if (l.Text.empty())
        return;
    const TlxDataSkinCaption& r = Record;
    const int32_t x = ShiftCoord(origin.X, l.At.X), y = ShiftCoord(origin.Y, l.At.Y);
    if (!IsEmptyRect(r.FrameRect) && !ActivePicture.IsEmpty()) {
        const Rect src = active && !IsEmptyRect(r.ActiveFrameRect) ? r.ActiveFrameRect : r.FrameRect;
        const int32_t top = ShiftCoord(y, -int64_t(r.FrameTextRect.Top));
        PixelBuffer strip;
        if (r.FullFrame) {
            const int64_t offs = Parent.ButtonsOffset();
            const int64_t width = WidthOfRect(ObjectRect) - 2 * offs;
            if (width > 0 && width <= MaxBitmapDimension) {
                BuildHorzStrip(r.FrameLeftOffset, r.FrameRightOffset, strip, ActivePicture, src, int32_t(width), false);
                CopyPixels(target, ShiftCoord(origin.X, offs), top, strip.View(), ViewBounds(strip.View()));
            }
        } else {
            const int64_t width = WidthOfRect(r.FrameRect) + l.Size.X - WidthOfRect(r.FrameTextRect);
            if (width > 0 && width <= MaxBitmapDimension) {
                BuildHorzStrip(r.FrameLeftOffset, r.FrameRightOffset, strip, ActivePicture, src, int32_t(width), false);
                CopyPixels(target, ShiftCoord(x, -int64_t(r.FrameTextRect.Left)), top, strip.View(),
                    ViewBounds(strip.View()));
            }
        }
    }
    const IColorResolver& colors = Parent.Colors();
    auto draw = [&](int32_t dx, int32_t dy, Color c) {
        const int32_t left = ShiftCoord(x, dx), topY = ShiftCoord(y, dy);
        painter.Draw(target, l.Font, l.Text, Rect { left, topY, ShiftCoord(left, l.Size.X), ShiftCoord(topY, l.Size.Y) },
            colors.Resolve(c), TextCaptionLine | Parent.ReadingFlags());
    };
    if (r.Light)
        draw(-1, -1, active ? r.ActiveLightColor : r.LightColor);
    if (r.Shadow)
        draw(1, 1, active ? r.ActiveShadowColor : r.ShadowColor);
    draw(0, 0, active ? r.ActiveFontColor : r.FontColor);
}

PixelBuffer TlxSkinCaptionObject::LayOut(PixelView src, Rect srcRect) const
{
    PixelBuffer image(ObjectRect.Width(), ObjectRect.Height());
    if (!SkinData || src.IsEmpty() || IsEmptyRect(srcRect))
        return image;
    const int64_t lo = std::max<int64_t>(0, int64_t(SkinData->LeftTopPoint.X) - srcRect.Left);
    const int64_t ro = std::max<int64_t>(0, int64_t(srcRect.Right) - SkinData->RightTopPoint.X);
    if ((lo > 0 || ro > 0) && lo <= srcRect.Width() && ro <= srcRect.Width()) {
        PixelBuffer strip;
        BuildHorzStrip(int32_t(lo), int32_t(ro), strip, src, srcRect, image.Width(), Record.StretchEffect);
        CopyPixels(image.View(), 0, 0, strip.View(), ViewBounds(strip.View()));
    } else {
        CopyPixels(image.View(), 0, 0, src, srcRect);
    }
    return image;
}

PixelBuffer TlxSkinCaptionObject::BuildImage(FrameCanvas& canvas, PixelView src, Rect srcRect, bool active) const
{
    PixelBuffer image = LayOut(src, srcRect);
    DrawText(canvas, image.View(), Point {}, active);
    return image;
}

void TlxSkinCaptionObject::ApplyInactive(PixelView pixels) const
{
    if (!SkinData || !SkinData->AutoRenderingInActiveImage)
        return;
    NoiseGenerator noise(1);
    ApplyInactiveEffect(pixels, ToInactiveEffect(SkinData->InActiveEffect), noise);
}

void TlxSkinCaptionObject::Draw(FrameCanvas& canvas, bool)
{
    if (Parent.CaptionPaint(canvas, ObjectRect, Active))
        return;
    const Rect local = canvas.ToLocal(ObjectRect);
    const Point origin { local.Left, local.Top };
    if (!ObjectSizeUsable(ObjectRect))
        return;
    auto put = [&](const PixelBuffer& image) {
        CopyPixels(canvas.Pixels, local.Left, local.Top, image.View(), ViewBounds(image.View()));
    };
    const PixelView stripPicture = ActivePicture.IsEmpty() ? Picture : ActivePicture;
    if (AnimationInEffect() && AnimationFrame >= 1 && AnimationFrame <= Record.FrameCount) {
        PixelBuffer image = LayOut(stripPicture, AnimationCell());
        // The text keeps the look of the state being left while the frames run.
        DrawText(canvas, image.View(), Point {}, !Active);
        put(image);
        return;
    }
    if (MorphingInEffect() && KfBetweenEnds()) {
        PixelBuffer a = BuildImage(canvas, Picture, SkinRect, false);
        PixelBuffer b = BuildImage(canvas, ActivePicture, ActiveSkinRect, true);
        ApplyMorph(a.View(), b.View(), MorphKindValue, MorphKf);
        if (!Active)
            ApplyInactive(a.View());
        put(a);
        return;
    }
    const bool dressed = MorphingInEffect() || Record.StretchEffect || AnimationInEffect();
    if (IsEmptyRect(ActiveSkinRect) || (!Active && !dressed)) {
        DrawText(canvas, canvas.Pixels, origin, Active);
        return;
    }
    if (!Active) {
        PixelBuffer image = BuildImage(canvas, Picture, SkinRect, false);
        ApplyInactive(image.View());
        put(image);
        return;
    }
    put(BuildImage(canvas, ActivePicture, ActiveSkinRect, true));
}

void TlxSkinCaptionObject::Activate(bool active)
{
    Active = active;
    if (AnimationInEffect()) {
        AnimationElapsed = 25;
        AnimationFrame = active ? 1 : Record.InactiveAnimation ? Record.FrameCount : 0;
        Parent.StartAnimationTimer();
    }
    if (MorphingInEffect())
        Parent.StartMorphTimer();
}

bool TlxSkinCaptionObject::AnimationStep()
{
    if (!AnimationInEffect())
        return false;
    const bool pending = Active ? AnimationFrame <= Record.FrameCount : AnimationFrame > 0;
    if (!pending)
        return false;
    if (AnimationElapsed < Record.AnimateInterval) {
        AnimationElapsed += 25;
        return true;
    }
    AnimationFrame += Active ? 1 : -1;
    Parent.RepaintObject(*this);
    AnimationElapsed = 25;
    return true;
}

// The object list.

SkinObjectList CreateSkinObjects(ISkinFormServices& parent, const TlxSkinContent& skin)
{
    SkinObjectList list;
    for (const auto& record : skin.ObjectList) {
        const TlxDataSkinObject* r = record.get();
        if (dynamic_cast<const TlxDataSkinMainMenuBarButton*>(r))
            continue;
        if (auto* std = dynamic_cast<const TlxDataSkinStdButton*>(r))
            list.push_back(std::make_unique<TlxSkinStdButtonObject>(parent, &skin, std));
        else if (auto* button = dynamic_cast<const TlxDataSkinButton*>(r))
            list.push_back(std::make_unique<TlxSkinButtonObject>(parent, &skin, button));
        else if (auto* caption = dynamic_cast<const TlxDataSkinCaption*>(r))
            list.push_back(std::make_unique<TlxSkinCaptionObject>(parent, &skin, caption));
        else if (auto* animate = dynamic_cast<const TlxDataSkinAnimate*>(r))
            list.push_back(std::make_unique<TlxSkinAnimateObject>(parent, &skin, animate));
        else if (auto* user = dynamic_cast<const TlxDataUserObject*>(r))
            list.push_back(std::make_unique<TlxUserObject>(parent, &skin, user));
    }
    return list;
}

SkinObjectList CreateFallbackButtons(ISkinFormServices& parent)
{
    SkinObjectList list;
    const std::pair<const char*, TlxStdCommand> buttons[] = { { "closebutton", TlxStdCommand::cmClose },
        { "maxbutton", TlxStdCommand::cmMaximize }, { "minbutton", TlxStdCommand::cmMinimize },
        { "rollupbutton", TlxStdCommand::cmRollUp }, { "sysmenubutton", TlxStdCommand::cmSysMenu },
        { "traybutton", TlxStdCommand::cmMinimizeToTray } };
    for (const auto& [name, command] : buttons)
        list.push_back(std::make_unique<TlxSkinStdButtonObject>(parent, name, command));
    return list;
}

namespace {

bool IsCaptionButton(const TlxActiveSkinObject& o, bool hiding)
{
    if (o.Kind() == FrameObjectKind::StdButton)
        return true;
    auto* animate = dynamic_cast<const TlxSkinAnimateObject*>(&o);
    return animate && (hiding || animate->ButtonStyle);
}

bool IconShown(const TlxBorderIcons& icons, TlxStdCommand c)
{
    switch (c) {
    case TlxStdCommand::cmMaximize: return icons.Maximize;
    case TlxStdCommand::cmMinimize: return icons.Minimize;
    case TlxStdCommand::cmSysMenu: return icons.SystemMenu;
    case TlxStdCommand::cmRollUp: return icons.RollUp;
    case TlxStdCommand::cmMinimizeToTray: return icons.MinimizeToTray;
    default: return true;
    }
}

} // namespace

void ApplyBorderIcons(SkinObjectList& objects, const TlxBorderIcons& icons, bool hideCaptionButtons,
    ISkinFormServices& parent)
{
    for (auto& o : objects) {
        if (!IsCaptionButton(*o, hideCaptionButtons))
            continue;
        if (hideCaptionButtons) {
            o->Enabled = false;
            o->Visible = !o->SkinRectInAPicture;
            continue;
        }
        const TlxStdCommand c = o->Command();
        if (c == TlxStdCommand::cmClose) {
            o->Enabled = o->Visible = true;
        } else if (c == TlxStdCommand::cmDefault) {
            o->Visible = parent.ActivateCustomObject(o->IDName, false);
        } else {
            o->Enabled = IconShown(icons, c);
            o->Visible = o->Enabled || !o->SkinRectInAPicture;
        }
    }
}

void ApplyDefaultHints(SkinObjectList& objects, const std::vector<std::string>* resStrings)
{
    struct DefaultHint {
        TlxStdCommand Command;
        const char* Key;
        const char* Text;
    };
    static constexpr DefaultHint hints[] = { { TlxStdCommand::cmClose, "CLOSEBUTTON_HINT", "Close" },
        { TlxStdCommand::cmMaximize, "MAXBUTTON_HINT", "Maximize" },
        { TlxStdCommand::cmMinimize, "MINBUTTON_HINT", "Minimize" },
        { TlxStdCommand::cmSysMenu, "MENUBUTTON_HINT", "System menu" },
        { TlxStdCommand::cmRollUp, "ROLLUPBUTTON_HINT", "Roll Up" },
        { TlxStdCommand::cmMinimizeToTray, "TRAYBUTTON_HINT", "Minimize to Tray" } };
    for (auto& o : objects) {
        if (o->Kind() != FrameObjectKind::StdButton && o->Kind() != FrameObjectKind::Animate)
            continue;
        for (const DefaultHint& h : hints) {
            if (h.Command != o->Command())
                continue;
            std::string text = resStrings ? FindResString(*resStrings, h.Key) : std::string();
            o->Hint = text.empty() ? h.Text : text;
        }
    }
}

void PlaceSkinObjects(SkinObjectList& objects, const FrameSkinInfo& skin, const TFrameGeometry& g, bool showIcon,
    Point iconSize)
{
    std::vector<PlacedObject> placed;
    placed.reserve(objects.size());
    for (const auto& o : objects)
        placed.push_back(o->Placement());
    PlaceObjects(skin, g, placed, showIcon, iconSize);
    for (size_t i = 0; i < objects.size(); ++i)
        objects[i]->ObjectRect = placed[i].ObjectRect;
}

bool MorphTimerTick(SkinObjectList& objects)
{
    bool moved = false;
    for (auto& o : objects)
        moved |= o->MorphStep();
    return moved;
}

bool AnimationTimerTick(SkinObjectList& objects)
{
    bool moved = false;
    for (auto& o : objects) {
        if (auto* caption = dynamic_cast<TlxSkinCaptionObject*>(o.get()))
            moved |= caption->AnimationStep();
        else if (auto* animate = dynamic_cast<TlxSkinAnimateObject*>(o.get()))
            moved |= animate->AnimationStep();
    }
    return moved;
}

bool ActivateCaption(SkinObjectList& objects, bool active)
{
    for (auto& o : objects)
        if (auto* caption = dynamic_cast<TlxSkinCaptionObject*>(o.get()); caption && caption->Active != active) {
            caption->Activate(active);
            return true;
        }
    return false;
}

void ResetObjects(SkinObjectList& objects)
{
    for (auto& o : objects)
        if (o->Kind() != FrameObjectKind::Caption)
            o->ResetState();
}

} // namespace ventro
