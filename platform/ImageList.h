// A list of same-sized images that components draw from by index (menus,
// tray animations), drawn normally or in the platform's disabled look.
#pragma once
#include <windows.h>

#include <vector>

#include "platform/Component.h"
#include "platform/Handles.h"

namespace ventro {

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner, int width = 16, int height = 16);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // A new size empties the list, as its images are of the old size.
    void SetSize(int width, int height);

    int Count() const { return int(m_icons.size()); }
    // The icon at `index`, borrowed; null outside the list.
    HICON Icon(int index) const { return index >= 0 && index < Count() ? m_icons[size_t(index)].Get() : nullptr; }
    // Takes the icon over; returns its index.
    int Add(IconHandle icon);
    void Delete(int index);
    void Clear() { m_icons.clear(); }

    // Draws image `index` at (x, y) in the list's size; a disabled image in
    // the platform's embossed grey. An index outside the list draws nothing.
    void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;

private:
    int m_width;
    int m_height;
    std::vector<IconHandle> m_icons;
};

} // namespace ventro
