// A picture of a whole skinned window.
#include "skin/form/WinFramePicture.h"

#include <stdexcept>

#include "platform/Colors.h"
#include "skin/form/FramePainter.h"
#include "skin/form/SkinFrame.h"
#include "skin/form/StaticForm.h"
#include "skin/form/WinFrameDrawing.h"
#include "skin/gfx/GdiTextPainter.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/RectUtils.h"

namespace ventro {

const wchar_t* const MainWindowCaption = L"VentroADSL拨号器 V1.2 By Qorin";

namespace {

TlxActiveSkinObject& Named(TSkinFrame& frame, const std::string& id)
{
    TlxActiveSkinObject* o = frame.FindObject(id);
    if (!o)
        throw std::runtime_error("no skin object named " + id);
    return *o;
}

} // namespace

Picture32 RenderFramePicture(const TlxSkinContent* skin, const FramePictureOptions& opt)
{
    if (opt.Morph != -1 && (!(opt.Morph >= 0 && opt.Morph <= 1) || (opt.Hot.empty() && opt.Down.empty())))
        throw std::runtime_error("a morph needs a hot or pressed object and a coefficient from 0 to 1");
    const IColorResolver& colors = SystemColorResolver();
    TStaticForm form(colors);
    form.State.Active = !opt.Inactive;
    form.Caption = opt.Caption;
    FrameOptions options;
    options.Style = FrameBorderStyle::Single;
    if (opt.Fallback || !skin) {
        options.Icons = MainWindowBorderIcons;
        options.ShowIcon = true;
        options.IconSize = SmallIconSize();
    }
    form.Icon = options.ShowIcon;
    IconHandle icon = MakeSmallIcon(nullptr, nullptr);
    form.IconPainter = [&](FrameCanvas& canvas, int32_t x, int32_t y) {
        DrawIconOnPixels(canvas.Pixels, x, y, icon.Get(), options.IconSize);
    };
    TSkinFrame frame(form, opt.Fallback ? nullptr : skin, options);
    if (frame.Skinned())
        form.Offset = frame.Info().ButtonsOffset;
    frame.SetSize(opt.Width, opt.Height);
    ActivateCaption(frame.Objects(), !opt.Inactive);
    for (const std::string* id : { &opt.Hot, &opt.Down }) {
        if (id->empty())
            continue;
        TlxActiveSkinObject& o = Named(frame, *id);
        o.MouseIn = o.Active = true;
        o.MorphKf = opt.Morph != -1 ? opt.Morph : 1;
        if (id == &opt.Down) {
            if (auto* button = dynamic_cast<TlxSkinButtonObject*>(&o))
                button->Down = true;
            if (auto* animate = dynamic_cast<TlxSkinAnimateObject*>(&o))
                animate->Pressed = true;
        }
    }

    GdiTextPainter text;
    FrameImage image;
    if (frame.Skinned()) {
        if (!ComposeSkinFrame(frame, text, image))
            throw std::runtime_error("the window is below the skin's minimum size " + std::to_string(frame.MinWidth())
                + "x" + std::to_string(frame.MinHeight()) + ": its frame is not painted");
    } else {
        ComposeDefaultFrame(frame, text, DefaultCaptionFonts {}, image);
    }
    PixelBuffer window(opt.Width, opt.Height);
    PlaceFrameImage(image, window.View());
    const Rect client = IntersectRects(frame.ClientRect(), ViewBounds(window.View()));
    if (!IsEmptyRect(client)) {
        PixelBuffer background(client.Width(), client.Height());
        ComposeClientBackground(frame, background.View(), colors);
        CopyPixels(window.View(), client.Left, client.Top, background.View(), ViewBounds(background.View()));
    }

    Picture32 picture;
    picture.Width = opt.Width;
    picture.Height = opt.Height;
    picture.Bgra.assign(size_t(opt.Width) * size_t(opt.Height) * 4, 0);
    for (const Rect& r : frame.RegionRects())
        for (int32_t y = r.Top; y < r.Bottom; ++y) {
            const uint8_t* src = window.Row(y);
            uint8_t* dst = picture.Bgra.data() + (size_t(y) * size_t(opt.Width)) * 4;
            for (int32_t x = r.Left; x < r.Right; ++x) {
                dst[x * 4 + 0] = src[x * 3 + 0];
                dst[x * 4 + 1] = src[x * 3 + 1];
                dst[x * 4 + 2] = src[x * 3 + 2];
                dst[x * 4 + 3] = 255;
            }
        }
    return picture;
}

} // namespace ventro
