// The frame's view of a loaded skin.
#include "skin/form/FrameSkin.h"

namespace ventro {

ClientStretchType ToClientStretchType(TlxStretchType t)
{
    switch (t) {
    case TlxStretchType::stHorz: return ClientStretchType::Horizontal;
    case TlxStretchType::stVert: return ClientStretchType::Vertical;
    default: return ClientStretchType::Full;
    }
}

InactiveEffect ToInactiveEffect(TlxInActiveEffect e)
{
    switch (e) {
    case TlxInActiveEffect::ieBrightness: return InactiveEffect::Brightness;
    case TlxInActiveEffect::ieDarkness: return InactiveEffect::Darkness;
    case TlxInActiveEffect::ieNoise: return InactiveEffect::Noise;
    case TlxInActiveEffect::ieSplitBlur: return InactiveEffect::SplitBlur;
    case TlxInActiveEffect::ieInvert: return InactiveEffect::Invert;
    default: return InactiveEffect::GrayScale;
    }
}

MorphKind ToMorphKind(TlxMorphKind m)
{
    switch (m) {
    case TlxMorphKind::mkGradient: return MorphKind::Gradient;
    case TlxMorphKind::mkLeftGradient: return MorphKind::LeftGradient;
    case TlxMorphKind::mkRightGradient: return MorphKind::RightGradient;
    case TlxMorphKind::mkLeftSlide: return MorphKind::LeftSlide;
    case TlxMorphKind::mkRightSlide: return MorphKind::RightSlide;
    case TlxMorphKind::mkPush: return MorphKind::Push;
    default: return MorphKind::Default;
    }
}

FrameSkinInfo FrameSkinFromContent(const TlxSkinContent& s)
{
    FrameSkinInfo f;
    f.W0 = s.Picture.Width();
    f.H0 = s.Picture.Height();
    f.Piece = PieceGeometry { s.LeftTopPoint, s.RightTopPoint, s.LeftBottomPoint, s.RightBottomPoint, s.ClientRect };
    f.MaskArea = s.MaskRectArea;
    f.HitLT = s.HitTestLeftTopPoint;
    f.HitRT = s.HitTestRightTopPoint;
    f.HitLB = s.HitTestLeftBottomPoint;
    f.HitRB = s.HitTestRightBottomPoint;
    f.CaptionRect = s.CaptionRect;
    f.ButtonsRect = s.ButtonsRect;
    f.ButtonsOffset = s.ButtonsOffset;
    f.ButtonsInLeft = s.ButtonsInLeft;
    f.BorderWidth = s.BorderWidth;
    f.FormMinWidth = s.FormMinWidth;
    f.Stretch = PieceStretch { s.LeftStretch, s.TopStretch, s.RightStretch, s.BottomStretch, s.StretchEffect,
        ToClientStretchType(s.StretchType) };
    f.BGPictureIndex = s.BGPictureIndex;
    f.HasMask = !s.MaskPicture.IsEmpty();
    f.HasInactivePicture = !s.InActivePicture.IsEmpty();
    f.AutoInactive = s.AutoRenderingInActiveImage;
    f.Effect = ToInactiveEffect(s.InActiveEffect);
    return f;
}

PixelView ActivePictureView(const TlxSkinContent& skin, int32_t index)
{
    if (index < 0 || size_t(index) >= skin.ActivePictures.size())
        return PixelView();
    return PictureView(skin.ActivePictures[size_t(index)]);
}

} // namespace ventro
