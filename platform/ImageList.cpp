// The image list.
#include "platform/ImageList.h"

namespace ventro {

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner)
    , m_width(width)
    , m_height(height)
{
}

void TImageList::SetSize(int width, int height)
{
    if (width == m_width && height == m_height)
        return;
    m_width = width;
    m_height = height;
    Clear();
}

int TImageList::Add(IconHandle icon)
{
    m_icons.push_back(std::move(icon));
    return Count() - 1;
}

void TImageList::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_icons.erase(m_icons.begin() + index);
}

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const
{
    HICON icon = Icon(index);
    if (!dc || !icon)
        return;
    if (enabled)
        DrawIconEx(dc, x, y, icon, m_width, m_height, 0, nullptr, DI_NORMAL);
    else
        DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, m_width, m_height, DST_ICON | DSS_DISABLED);
}

} // namespace ventro
