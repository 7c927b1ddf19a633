// Skins for the frame tests: our stored skin as the build compiled it, and
// small skins made inline whose geometry a test can reason about.
#pragma once
#include <memory>
#include <string>

#include "skin/data/SkinContent.h"
#include "skin/data/SkinStream.h"
#include "skin/data/Stream.h"
#include "skin/form/FrameSkin.h"

namespace ventro::test {

inline std::string StoredSkinPath()
{
#ifdef _WIN32
    return std::string("Z:") + VENTRO_SKIN_FILE;
#else
    return VENTRO_SKIN_FILE;
#endif
}

// Our stored skin, decoded once per test program.
inline const TlxSkinContent& StoredSkin()
{
    static std::unique_ptr<TlxSkinContent> skin = [] {
        auto s = std::make_unique<TlxSkinContent>();
        std::vector<uint8_t> packed = ReadWholeFile(StoredSkinPath());
        s->LoadSkinStreamContent(ReadSkinStream(InflateBytes(ReadPackedSkin(packed))));
        s->Empty = false;
        return s;
    }();
    return *skin;
}

// A frame 100 x 80 with corners at 20 and 80 across, 20 and 60 down.
inline FrameSkinInfo SmallFrame()
{
    FrameSkinInfo f;
    f.W0 = 100;
    f.H0 = 80;
    f.Piece = PieceGeometry { { 20, 20 }, { 80, 20 }, { 20, 60 }, { 80, 60 }, { 5, 25, 95, 75 } };
    f.MaskArea = f.Piece.C;
    f.HitLT = f.Piece.LT;
    f.HitRT = f.Piece.RT;
    f.HitLB = f.Piece.LB;
    f.HitRB = f.Piece.RB;
    f.CaptionRect = Rect { 2, 1, 98, 19 };
    f.ButtonsRect = Rect { 60, 2, 98, 18 };
    f.ButtonsOffset = 1;
    f.BorderWidth = 3;
    return f;
}

} // namespace ventro::test
