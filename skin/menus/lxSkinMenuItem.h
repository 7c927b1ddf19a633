// TlxSkinMenuItem: the view of one menu item inside a popup level: the
// framework item it shows, its rectangle, its highlight states, its morph
// coefficient and animation frame, and its drawing in either look. A view is
// a light handle onto its level's records (the level keeps the items and
// their states in plain vectors the engine works on), so views are cheap to
// make and to copy, and the drawing stays the pure PaintMenuItem.
#pragma once
#include "skin/menus/MenuEngine.h"

namespace ventro {

class TlxSkinMenuItem {
public:
    TlxSkinMenuItem(PopupLevel& parent, int index);

    PopupLevel& Parent() const { return *m_parent; }
    int Index() const { return m_index; }
    // The window's item record; null in the default look.
    const TlxDataSkinMenuItem* Record() const { return m_parent->Paint.Look.Item; }
    // The record's "activepictureindex" picture; empty in the default look.
    PixelView ActivePicture() const;
    MenuItemRef MenuItem() const { return Entry().Ref; }
    const MenuItemInfo& Info() const { return Entry().Info; }
    // Its place in window coordinates.
    Rect Rectangle() const { return m_parent->ItemBounds(m_index); }

    bool Active() const { return State().Active; }
    bool Down() const { return State().Down; }
    bool Visible() const { return State().Visible; }
    bool WaitCommand() const { return State().WaitCommand; }
    int CurrentFrame() const { return State().Frame; }
    // 0 shows the normal picture, 1 the highlighted one.
    double MorphCoefficient() const { return State().MorphCoefficient(); }
    bool IsDivider() const { return IsDividerCaption(Info().Caption); }
    bool IsHeader() const { return IsHeaderItem(Info().Caption, Info().Enabled); }

    // The view's own part of a highlight change: the chain's reaction (a
    // submenu to open or close) is the engine's.
    void Activate();
    void Deactivate();
    void SetDown(bool down) { MutableState().Down = down; }
    void SetWaitCommand(bool wait) { MutableState().WaitCommand = wait; }
    // Whether a morph or frame animation still runs; Step advances it one
    // timer tick and says whether the view changed.
    bool Moving() const;
    bool Step();

    // Draws the item at its own size into out (emptied for a view that is
    // not laid out inside the window).
    void Paint(PixelBuffer& out) const;
    // Draws the item into its rectangle on the window's canvas; a view that
    // is not Visible draws nothing. scratch is reused between items.
    void Draw(PixelView canvas, PixelBuffer& scratch) const;

private:
    const MenuEntry& Entry() const { return m_parent->Entries.at(size_t(m_index)); }
    const MenuItemViewState& State() const { return m_parent->States.at(size_t(m_index)); }
    MenuItemViewState& MutableState() { return m_parent->States.at(size_t(m_index)); }

    PopupLevel* m_parent;
    int m_index;
};

} // namespace ventro
