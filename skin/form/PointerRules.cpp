// What the pointer means on a skinned frame.
#include "skin/form/PointerRules.h"

namespace ventro {

CaptionDblClickAction CaptionDoubleClick(const CaptionDblClickContext& c)
{
    if (c.Resizable && c.Minimized)
        return CaptionDblClickAction::Restore;
    if (c.Resizable && !c.Maximized && !c.RolledUp && c.HasMaximize)
        return CaptionDblClickAction::Maximize;
    if (c.Resizable && c.Maximized && !c.RolledUpWhileMaximized)
        return CaptionDblClickAction::Restore;
    return CaptionDblClickAction::ToggleRollUp;
}

int32_t FindHotObject(std::span<const ObjectHitInfo> objects, Point p, bool allow, int32_t pressed)
{
    if (!allow)
        return -1;
    for (size_t i = 0; i < objects.size(); ++i) {
        const ObjectHitInfo& o = objects[i];
        if (o.Enabled && o.Visible && o.Bounds.Contains(p)) {
            int32_t index = int32_t(i);
            return pressed >= 0 && pressed != index ? -1 : index;
        }
    }
    return -1;
}

int32_t FormCursorHitCode(int32_t code)
{
    return code == HitClient || IsSizingCode(code) ? code : HitClient;
}

} // namespace ventro
