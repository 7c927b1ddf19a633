// A list of icons that components draw from by index.
#pragma once
#include <vector>

#include "platform/Component.h"
#include "platform/Handles.h"

namespace ventro {

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner) : TComponent(owner) { }

    int Count() const { return int(m_icons.size()); }
    // The icon at `index`, borrowed; null outside the list.
    HICON Icon(int index) const { return index >= 0 && index < Count() ? m_icons[size_t(index)].Get() : nullptr; }
    // Takes the icon over; returns its index.
    int Add(IconHandle icon)
    {
        m_icons.push_back(std::move(icon));
        return Count() - 1;
    }
    void Clear() { m_icons.clear(); }

private:
    std::vector<IconHandle> m_icons;
};

} // namespace ventro
