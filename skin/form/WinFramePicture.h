// A picture of a whole skinned window (frame, objects in a chosen state,
// client background) made without showing a window, through the same
// composition the window paints with; outside the window region it is
// fully transparent.
#pragma once
#include <cstdint>
#include <string>

#include "skin/data/SkinContent.h"
#include "skin/gfx/WicPng.h"

namespace ventro {

// The main window's caption, which pictures of frames show.
extern const wchar_t* const MainWindowCaption;

struct FramePictureOptions {
    int32_t Width = 0, Height = 0;
    bool Inactive = false;
    bool Fallback = false;  // the fallback frame of the main window, whatever the skin
    std::string Hot;        // an object under the pointer, fully highlighted
    std::string Down;       // an object pressed with the pointer on it
    double Morph = -1;      // the hot or pressed object's morph coefficient, 0 to 1
    std::wstring Caption = MainWindowCaption;
};

// skin may be nullptr (the fallback frame). Throws std::runtime_error for an
// unknown object, a morph without an object or outside 0 to 1, or a window
// below the skin's minimum size.
Picture32 RenderFramePicture(const TlxSkinContent* skin, const FramePictureOptions& options);

} // namespace ventro
