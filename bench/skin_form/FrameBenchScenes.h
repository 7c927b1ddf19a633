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
    void SetFont(const TextFont&) override { }
    Point Measure(std::wstring_view text) override { return Point { int32_t(text.size()) * 6, 12 }; }
    void Draw(PixelView, Rect, std::wstring_view, Color) override { }
};

} // namespace ventro::bench
