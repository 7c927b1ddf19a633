// The view of one menu item inside a popup level.
#include "skin/menus/lxSkinMenuItem.h"

#include <stdexcept>

#include "skin/gfx/PixelOps.h"

namespace ventro {

TlxSkinMenuItem::TlxSkinMenuItem(PopupLevel& parent, int index) : m_parent(&parent), m_index(index)
{
    if (index < 0 || index >= parent.Count() || parent.States.size() != parent.Entries.size())
        throw std::out_of_range("menu item view outside its level");
}

PixelView TlxSkinMenuItem::ActivePicture() const { return MenuItemPicture(m_parent->Paint.Skin, Record()); }

void TlxSkinMenuItem::Activate() { ActivateItemState(MutableState(), m_parent->Paint); }

void TlxSkinMenuItem::Deactivate() { DeactivateItemState(MutableState(), m_parent->Paint); }

bool TlxSkinMenuItem::Moving() const { return ItemStateMoving(State(), m_parent->Paint); }

bool TlxSkinMenuItem::Step() { return StepItemState(MutableState(), m_parent->Paint); }

void TlxSkinMenuItem::Paint(PixelBuffer& out) const
{
    PaintMenuItem(m_parent->Paint, Info(), State(), Rectangle(), out);
}

void TlxSkinMenuItem::Draw(PixelView canvas, PixelBuffer& scratch) const
{
    if (!Visible())
        return;
    Paint(scratch);
    const Rect b = Rectangle();
    CopyPixels(canvas, b.Left, b.Top, scratch.View(), Rect { 0, 0, scratch.Width(), scratch.Height() });
}

} // namespace ventro
