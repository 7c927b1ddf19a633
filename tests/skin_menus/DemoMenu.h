// The demonstration menu: three levels with dividers, a header, disabled,
// checked, radio, image and shortcut items, and a small image list for it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "platform/Menus.h"

namespace ventro::testing {

// Adds an item to parent; the tree owns it.
TMenuItem* AddItem(TMenuItem& parent, const std::wstring& caption, const std::wstring& name = {});

struct DemoMenu {
    TMenuItem* Open = nullptr;
    TMenuItem* Recent = nullptr;
    TMenuItem* Deeper = nullptr;
    TMenuItem* Exit = nullptr;
};

// Fills root with the demonstration items; every command item counts its clicks in `clicks`.
DemoMenu BuildDemoMenu(TMenuItem& root, std::function<void(const std::wstring&)> clicked);

// Three 16 x 16 images: a red square, a green circle, a blue triangle.
void FillDemoImages(TImageList& list);

} // namespace ventro::testing

#include <utility>
#include <vector>

#include "base/PixelBuffer.h"
#include "skin/data/SkinComponents.h"

namespace ventro::testing {

// Opens the demonstration menu three levels deep (File, Recent, Deeper) in
// the default look or with `skin`, and a hint, and returns what each window
// shows: "default-1".."default-3" or "skin-1".."skin-3", and "hint".
std::vector<std::pair<std::string, PixelBuffer>> CaptureDemoShots(TlxSkinData* skin);

} // namespace ventro::testing
