// The frame of one form at its current size: a loaded skin's geometry, shape
// and objects, or the fallback frame's caption layout and buttons, with the
// hit test, limits and region that follow from them.
#pragma once
#include <cstdint>
#include <vector>

#include "base/Geometry.h"
#include "skin/data/SkinContent.h"
#include "skin/form/FrameGeometry.h"
#include "skin/form/FrameHitTest.h"
#include "skin/form/FrameShape.h"
#include "skin/form/SkinObjects.h"

namespace ventro {

struct FrameOptions {
    TlxBorderIcons Icons = DefaultBorderIcons;
    bool ShowIcon = false;
    Point IconSize { 16, 16 };   // the platform's small icon size
    FrameBorderStyle Style = FrameBorderStyle::Sizeable;
    bool AlwaysResize = false;
    bool HideCaptionButtons = false;
    FormSizeLimits Limits;
};

class TSkinFrame {
public:
    // skin is nullptr, or has an empty picture, for the fallback frame. The
    // objects keep the hints of their records: default hints are the
    // caller's to apply (ApplyDefaultHints).
    TSkinFrame(ISkinFormServices& services, const TlxSkinContent* skin, const FrameOptions& options);

    bool Skinned() const { return m_skin != nullptr; }
    const TlxSkinContent* Skin() const { return m_skin; }
    const FrameOptions& Options() const { return m_options; }
    ISkinFormServices& Services() const { return m_services; }

    // New caption buttons, icon, style or limits for the same objects: their
    // visibility and enabling run again and they are placed again; their
    // states (hot, pressed, morphing, animating) stay. The caller makes a new
    // frame only when the skin changes.
    void SetOptions(const FrameOptions& options);
    // Recomputes the geometry, the objects' places and the shape for W x H.
    void SetSize(int32_t width, int32_t height);
    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }

    const FrameSkinInfo& Info() const { return m_info; }
    const TFrameGeometry& Geometry() const { return m_geometry; }
    const FrameShape& Shape() const { return m_shape; }
    const DefaultCaptionLayout& CaptionLayout() const { return m_caption; }
    SkinObjectList& Objects() { return m_objects; }
    const SkinObjectList& Objects() const { return m_objects; }
    TlxActiveSkinObject* FindObject(std::string_view idName) const;

    // The client area in window coordinates.
    Rect ClientRect() const;
    int32_t CaptionHeight() const { return DefaultCaptionHeight(m_options.Style); }
    std::vector<Rect> CaptionRects() const;
    bool Resizable() const { return m_options.AlwaysResize || IsSizeableStyle(m_options.Style); }
    int32_t MinWidth() const;
    int32_t MinHeight() const;
    int32_t HitTest(Point p, bool objectHot = false, bool inSizeMove = false) const;
    // The window region's rectangles, canonical.
    const std::vector<Rect>& RegionRects() const { return m_shape.Region; }

private:
    ISkinFormServices& m_services;
    const TlxSkinContent* m_skin;
    FrameOptions m_options;
    FrameSkinInfo m_info;
    int32_t m_width = 0, m_height = 0;
    TFrameGeometry m_geometry;
    FrameShape m_shape;
    DefaultCaptionLayout m_caption;
    SkinObjectList m_objects;
};

} // namespace ventro
