// The frame's view of a loaded skin: the "FORMINFO" values as the drawing
// helpers' plain geometry, the mapping of the record enumerations to the
// helpers' ones, range-checked picture lookups and typed record lookups.
#pragma once
#include <cstdint>
#include <string_view>

#include "base/Geometry.h"
#include "base/PixelBuffer.h"
#include "skin/data/SkinContent.h"
#include "skin/gfx/SkinPieces.h"
#include "skin/gfx/lxEffects.h"

namespace ventro {

ClientStretchType ToClientStretchType(TlxStretchType t);
InactiveEffect ToInactiveEffect(TlxInActiveEffect e);
MorphKind ToMorphKind(TlxMorphKind m);

// What the frame takes from a loaded skin.
struct FrameSkinInfo {
    int32_t W0 = 0, H0 = 0;          // the frame picture's size
    PieceGeometry Piece;             // corner points LT RT LB RB and client C
    Rect MaskArea;                   // M: always opaque when a mask is used
    Point HitLT, HitRT, HitLB, HitRB;
    Rect CaptionRect;                // K
    Rect ButtonsRect;                // B
    int32_t ButtonsOffset = 0;
    bool ButtonsInLeft = false;
    int32_t BorderWidth = 0;
    int32_t FormMinWidth = 0;
    PieceStretch Stretch;            // four edge flags, client stretch and type
    int32_t BGPictureIndex = -1;
    bool HasMask = false;            // the mask picture is not empty
    bool HasInactivePicture = false; // the inactive picture is not empty
    bool AutoInactive = false;
    InactiveEffect Effect = InactiveEffect::Brightness;

    // The frame's pieces with M as the client, as the mask bands use them.
    PieceGeometry MaskPiece() const { return PieceGeometry { Piece.LT, Piece.RT, Piece.LB, Piece.RB, MaskArea }; }
};

FrameSkinInfo FrameSkinFromContent(const TlxSkinContent& skin);

// The pixels of a picture, or an empty view.
inline PixelView PictureView(const Bitmap& bmp) { return bmp.IsEmpty() ? PixelView() : bmp.Pixels.View(); }
// Active picture k, or an empty view for an index outside the list.
PixelView ActivePictureView(const TlxSkinContent& skin, int32_t index);

// The first object record with that section name if it is of class T
// (or derived from it), else nullptr.
template <class T>
const T* FindSkinObject(const TlxSkinContent& skin, std::string_view section)
{
    int index = skin.FindObjectIndex(section);
    return index < 0 ? nullptr : dynamic_cast<const T*>(skin.ObjectList[size_t(index)].get());
}
template <class T>
const T* FindSkinControl(const TlxSkinContent& skin, std::string_view section)
{
    int index = skin.FindControlIndex(section);
    return index < 0 ? nullptr : dynamic_cast<const T*>(skin.ControlList[size_t(index)].get());
}

} // namespace ventro
