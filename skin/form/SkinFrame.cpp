// The frame of one form at its current size.
#include "skin/form/SkinFrame.h"

namespace ventro {

TSkinFrame::TSkinFrame(ISkinFormServices& services, const TlxSkinContent* skin, const FrameOptions& options)
    : m_services(services), m_skin(skin && !skin->Picture.IsEmpty() ? skin : nullptr), m_options(options)
{
    if (m_skin) {
        m_info = FrameSkinFromContent(*m_skin);
        m_objects = CreateSkinObjects(services, *m_skin);
    } else {
        m_objects = CreateFallbackButtons(services);
    }
    ApplyBorderIcons(m_objects, m_options.Icons, m_options.HideCaptionButtons, services);
}

void TSkinFrame::SetOptions(const FrameOptions& options)
{
    m_options = options;
    ApplyBorderIcons(m_objects, m_options.Icons, m_options.HideCaptionButtons, m_services);
    if (m_width > 0 || m_height > 0)
        SetSize(m_width, m_height);
}

TlxActiveSkinObject* TSkinFrame::FindObject(std::string_view idName) const
{
    for (const auto& o : m_objects)
        if (o->IDName == idName)
            return o.get();
    return nullptr;
}

void TSkinFrame::SetSize(int32_t width, int32_t height)
{
    m_width = width;
    m_height = height;
    if (m_skin) {
        m_geometry = CalcFrameGeometry(m_info, width, height);
        PlaceSkinObjects(m_objects, m_info, m_geometry, m_options.ShowIcon, m_options.IconSize);
        m_shape = BuildFrameShape(m_info, m_geometry, PictureView(m_skin->MaskPicture));
        return;
    }
    bool visible[7] = {};
    for (const auto& o : m_objects)
        if (o->Visible)
            visible[size_t(o->Command())] = true;
    m_caption = LayoutDefaultCaption(width, m_options.Style, visible, m_options.ShowIcon, m_options.IconSize);
    for (auto& o : m_objects)
        if (m_caption.Placed[size_t(o->Command())])
            o->ObjectRect = m_caption.Buttons[size_t(o->Command())];
    m_shape = RectangularShape(width, height);
}

Rect TSkinFrame::ClientRect() const
{
    if (m_skin)
        return m_geometry.NewC;
    return DefaultClientRect(m_options.Style, Rect { 0, 0, m_width, m_height });
}

std::vector<Rect> TSkinFrame::CaptionRects() const
{
    std::vector<Rect> rects;
    for (const auto& o : m_objects)
        if (o->Kind() == FrameObjectKind::Caption)
            rects.push_back(o->ObjectRect);
    return rects;
}

int32_t TSkinFrame::MinWidth() const
{
    return GetMinWidth(m_skin ? &m_info : nullptr, m_options.Limits, m_services.WindowState());
}

int32_t TSkinFrame::MinHeight() const
{
    return GetMinHeight(m_skin ? &m_info : nullptr, m_options.Style, m_options.Limits, m_services.WindowState());
}

int32_t TSkinFrame::HitTest(Point p, bool objectHot, bool inSizeMove) const
{
    HitTestState st;
    st.Window = m_services.WindowState();
    st.Resizable = Resizable();
    st.ObjectHot = objectHot;
    st.InSizeMove = inSizeMove;
    if (m_skin) {
        std::vector<Rect> captions = CaptionRects(), buttons;
        for (const auto& o : m_objects)
            if (o->Kind() != FrameObjectKind::Caption && o->Visible && o->Enabled)
                buttons.push_back(o->ObjectRect);
        return SkinHitTest(m_info, m_geometry, m_shape, captions, p, st, buttons);
    }
    return DefaultHitTest(m_width, m_height, m_options.Style, m_caption.TextArea, p, st);
}

} // namespace ventro
