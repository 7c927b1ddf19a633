// Names of the hit-test codes.
#include "skin/form/FrameTypes.h"

namespace ventro {

std::string_view HitCodeName(int32_t code)
{
    switch (code) {
    case HitNowhere: return "HTNOWHERE";
    case HitClient: return "HTCLIENT";
    case HitCaption: return "HTCAPTION";
    case HitLeft: return "HTLEFT";
    case HitRight: return "HTRIGHT";
    case HitTop: return "HTTOP";
    case HitTopLeft: return "HTTOPLEFT";
    case HitTopRight: return "HTTOPRIGHT";
    case HitBottom: return "HTBOTTOM";
    case HitBottomLeft: return "HTBOTTOMLEFT";
    case HitBottomRight: return "HTBOTTOMRIGHT";
    case HitObject: return "HTOBJECT";
    default: return "HTERROR";
    }
}

} // namespace ventro
