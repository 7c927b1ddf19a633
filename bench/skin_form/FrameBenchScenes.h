// What the frame benchmarks paint: our stored skin (read from the file the
// build compiled) at a given size, with a form that stands still.
#pragma once
#include <memory>
#include <string>

#include "skin/data/SkinContent.h"
#include "skin/data/SkinStream.h"
#include "skin/data/Stream.h"
#include "skin/form/SkinFrame.h"
#include "skin/form/StaticForm.h"

namespace ventro::bench {

inline std::unique_ptr<TlxSkinContent> LoadStoredSkin(const std::string& path)
{
    auto skin = std::make_unique<TlxSkinContent>();
    skin->LoadSkinStreamContent(ReadSkinStream(InflateBytes(ReadPackedSkin(ReadWholeFile(path)))));
    skin->Empty = false;
    return skin;
}

// A text painter that measures 6 x 12 per character and draws nothing:
// natively there is no platform text drawing to time.
class NoText : public ITextPainter {
public:
    Extent Measure(const TextFont&, std::wstring_view text, uint32_t) override
    {
        return Extent { int32_t(text.size()) * 6, 12 };
    }
    void Draw(PixelView, const TextFont&, std::wstring_view, Rect, Color, uint32_t) override { }
};

} // namespace ventro::bench
