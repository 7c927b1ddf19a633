// The behaviour of a chain of skinned popup menus.
#include "skin/menus/MenuEngine.h"

#include <algorithm>

#include "skin/gfx/PixelOps.h"
#include "skin/menus/lxSkinMenuItem.h"

namespace ventro {

int PopupLevel::ItemAt(Point p) const
{
    for (int i = 0; i < Count(); ++i)
        if (States[size_t(i)].Visible && Layout.Items[size_t(i)].Bounds.Contains(p))
            return i;
    return -1;
}

void PopupLevel::Relayout()
{
    Layout = LayoutItems(Heights, ItemsRect, Scrolling(), VisibleStart);
    for (size_t i = 0; i < States.size(); ++i)
        States[i].Visible = Layout.Items[i].Visible;
}

void PaintLevelItem(const PopupLevel& level, int index, PixelBuffer& out)
{
    TlxSkinMenuItem(const_cast<PopupLevel&>(level), index).Paint(out);
}

void PaintLevel(PopupLevel& level, PixelBuffer& out)
{
    const int32_t w = level.Size.Width, h = level.Size.Height;
    if (level.Paint.Look.SkinnedItems() && level.Paint.Look.Item->InactiveTransparent) {
        PaintPopupBackground(level.Paint, w, h, true, level.PaintBufferPixels);
        level.Paint.PaintBuffer = level.PaintBufferPixels.View();
    } else {
        level.PaintBufferPixels = PixelBuffer();
        level.Paint.PaintBuffer = PixelView();
    }
    PaintPopupBackground(level.Paint, w, h, level.Scrolling(), out);
    PixelBuffer scratch;
    for (int i = 0; i < level.Count(); ++i)
        TlxSkinMenuItem(level, i).Draw(out.View(), scratch);
    if (level.Scrolling())
        PaintScrollMarkers(level.Paint, out, level.Markers, level.ScrollCode, level.Layout.LastVisibleBottom,
            level.ItemsRect);
}

MenuEngine::MenuEngine(MenuHost& host) : m_host(host) { }

MenuEngine::~MenuEngine()
{
    m_liveness.End();
    m_host.KillWaitTimer();
    while (!m_levels.empty()) {
        std::unique_ptr<PopupLevel> level = std::move(m_levels.back());
        m_levels.pop_back();
        m_host.KillLevelTimer(*level, MenuTimer::Mouse);
        m_host.KillLevelTimer(*level, MenuTimer::Scroll);
        m_host.KillLevelTimer(*level, MenuTimer::Morph);
        m_host.DestroyLevel(*level);
    }
}

int MenuEngine::IndexOf(const PopupLevel& level) const
{
    for (size_t i = 0; i < m_levels.size(); ++i)
        if (m_levels[i].get() == &level)
            return int(i);
    return -1;
}

std::vector<MenuItemInfo> MenuEngine::Infos(const PopupLevel& level) const
{
    std::vector<MenuItemInfo> infos;
    infos.reserve(level.Entries.size());
    for (const MenuEntry& e : level.Entries)
        infos.push_back(e.Info);
    return infos;
}

void MenuEngine::StopWait()
{
    m_host.KillWaitTimer();
    m_waitLevel = nullptr;
    m_waitItem = -1;
}

void MenuEngine::Popup(MenuItemRef root, Rect anchor, bool popupUp, int first, bool replacesOpenChain)
{
    m_firstPopup = !m_visible && !replacesOpenChain;
    // The chain that is open now is closed (and its control told) before
    // the new one starts, so the new control is told only about its own.
    if (!m_levels.empty()) {
        const TAliveToken alive = m_liveness.Token();
        CloseFrom(0);
        if (!alive)
            return;
    }
    m_visible = true;
    OpenLevel(root, anchor, popupUp, false, first);
    if (m_levels.empty())
        m_visible = false;
    m_firstPopup = false;
}

void MenuEngine::OpenLevel(MenuItemRef root, Rect anchor, bool popupUp, bool submenu, int first)
{
    std::vector<MenuEntry> entries = m_host.SubItems(root);
    if (first < 0 || size_t(first) >= entries.size())
        return;
    entries.erase(entries.begin(), entries.begin() + first);

    auto owned = std::make_unique<PopupLevel>();
    PopupLevel& level = *owned;
    level.Root = root;
    level.Submenu = submenu;
    level.Entries = std::move(entries);
    level.States.resize(level.Entries.size());
    m_host.PrepareLevel(level);

    const std::vector<MenuItemInfo> infos = Infos(level);
    for (const MenuItemInfo& info : infos)
        level.Heights.push_back(ItemHeight(level.Paint.Look, info));
    ITextPainter* text = level.Paint.Text;
    const TextFont font = level.Paint.Font;
    const TextMeasure measure = [text, &font](std::wstring_view s) -> int64_t {
        return text ? text->Measure(font, s, TextSingleLine).Width : 0;
    };
    const Rect workArea = m_host.WorkArea();
    level.Size = ComputePopupSize(level.Paint.Look, infos, measure, workArea.Height());
    level.ItemsRect = MovedItemsRect(level.Paint.Look, level.Size.Width, level.Size.Height);
    level.Markers = ScrollMarkerRects(level.Paint.Look, level.ItemsRect, level.Size.Width, level.Size.Height);
    level.Relayout();
    PlacementInput place;
    place.Anchor = anchor;
    place.WorkArea = workArea;
    place.Width = level.Size.Width;
    place.Height = level.Size.Height;
    place.ItemsTop = level.ItemsRect.Top;
    place.PopupUp = popupUp && !submenu;
    place.Submenu = submenu;
    place.Scroll = level.Size.Scroll;
    place.FixedScroll = level.Size.FixedScroll;
    level.Position = PlacePopup(place);

    m_levels.push_back(std::move(owned));
    ++m_generation;
    m_host.ShowLevel(level, m_firstPopup && !submenu);
    m_host.SetLevelTimer(level, MenuTimer::Mouse, MouseTimerMs);
    level.Active = -1;
    const int firstItem = FirstSelectableItem(infos);
    if (firstItem >= 0) {
        level.States[size_t(firstItem)].WaitCommand = true;
        SetActive(level, firstItem, true);
    }
}

void MenuEngine::CloseFrom(int level)
{
    level = std::max(level, 0);
    // Every close forgets the submenu that was about to open.
    StopWait();
    if (size_t(level) < m_levels.size() || level == 0)
        ++m_generation;
    while (m_levels.size() > size_t(level)) {
        std::unique_ptr<PopupLevel> closing = std::move(m_levels.back());
        m_levels.pop_back();
        m_host.KillLevelTimer(*closing, MenuTimer::Mouse);
        m_host.KillLevelTimer(*closing, MenuTimer::Scroll);
        m_host.KillLevelTimer(*closing, MenuTimer::Morph);
        m_host.DestroyLevel(*closing);
    }
    if (level == 0) {
        m_visible = false;
        m_host.ChainClosed(false);
    }
}

void MenuEngine::CloseAll()
{
    const TAliveToken alive = m_liveness.Token();
    CloseFrom(0);
    if (!alive)
        return;
    StopWait();
    m_host.ChainClosed(true);
}

void MenuEngine::CloseLast()
{
    const TAliveToken alive = m_liveness.Token();
    CloseFrom(LevelCount() - 1);
    if (!alive || m_levels.empty())
        return;
    PopupLevel& last = *m_levels.back();
    if (last.Active >= 0 && last.States[size_t(last.Active)].Down) {
        last.States[size_t(last.Active)].Down = false;
        m_host.InvalidateItem(last, last.Active);
        StartMorph(last, last.Active);
    }
}

void MenuEngine::StartMorph(PopupLevel& level, int index)
{
    if (index < 0 || !TlxSkinMenuItem(level, index).Moving())
        return;
    const bool animated = AnimationInEffect(level.Paint);
    m_host.SetLevelTimer(level, MenuTimer::Morph,
        animated ? uint32_t(std::max(1, level.Paint.Look.Item->AnimateInterval)) : MorphTimerMs);
}

void MenuEngine::ActivateItem(PopupLevel& level, int index, bool keyboard)
{
    TlxSkinMenuItem view(level, index);
    view.Activate();
    for (int j = 0; j < level.Count(); ++j) {
        if (j != index && level.States[size_t(j)].Down) {
            level.States[size_t(j)].Down = false;
            m_host.InvalidateItem(level, j);
            StartMorph(level, j);
        }
    }
    m_host.InvalidateItem(level, index);
    StartMorph(level, index);
    if (view.WaitCommand() && !keyboard)
        return;
    if (view.Down()) {
        // Its submenu stays open; whatever was opened from the submenu closes.
        const int at = IndexOf(level);
        CloseFrom(at + 2);
        if (at + 1 < LevelCount()) {
            PopupLevel& sub = *m_levels[size_t(at + 1)];
            for (int j = 0; j < sub.Count(); ++j) {
                if (sub.States[size_t(j)].Down) {
                    sub.States[size_t(j)].Down = false;
                    m_host.InvalidateItem(sub, j);
                }
            }
        }
        return;
    }
    ItemHover(level, index, keyboard);
}

void MenuEngine::DeactivateItem(PopupLevel& level, int index)
{
    TlxSkinMenuItem(level, index).Deactivate();
    if (m_waitLevel == &level && m_waitItem == index)
        StopWait();
    m_host.InvalidateItem(level, index);
    StartMorph(level, index);
}

void MenuEngine::SetActive(PopupLevel& level, int index, bool keyboard)
{
    const int old = level.Active;
    if (old >= 0 && old != index && IsSelectable(level.Entries[size_t(old)].Info))
        DeactivateItem(level, old);
    level.Active = index;
    if (index >= 0 && IsSelectable(level.Entries[size_t(index)].Info))
        ActivateItem(level, index, keyboard);
}

void MenuEngine::ItemHover(PopupLevel& level, int index, bool keyboard)
{
    StopWait();
    CloseFrom(IndexOf(level) + 1);
    if (index >= 0 && level.Entries[size_t(index)].Info.HasSubItems && !keyboard) {
        m_waitLevel = &level;
        m_waitItem = index;
        m_host.SetWaitTimer(SubmenuDelayMs);
    }
}

void MenuEngine::ItemClick(PopupLevel& level, int index)
{
    if (index < 0 || index >= level.Count())
        return;
    const MenuEntry& entry = level.Entries[size_t(index)];
    if (!entry.Info.Enabled || level.States[size_t(index)].Down || IsDividerCaption(entry.Info.Caption))
        return;
    const MenuItemRef ref = entry.Ref;
    const TAliveToken alive = m_liveness.Token();
    if (!entry.Info.HasSubItems) {
        // The command runs after every popup window is gone: it may close
        // the form, open another menu or end this engine.
        StopWait();
        CloseAll();
        if (!alive)
            return;
        m_host.RunCommand(ref);
        if (!alive)
            return;
        m_host.CommandDone();
        return;
    }
    const uint64_t generation = m_generation;
    m_host.RunCommand(ref);
    if (!alive || generation != m_generation || IndexOf(level) < 0)
        return; // the item's own handler changed the chain: no submenu for a stale level
    StopWait();
    level.States[size_t(index)].Down = true;
    m_host.InvalidateItem(level, index);
    Rect anchor = level.ItemBounds(index);
    anchor = Rect { anchor.Left + level.Position.X, anchor.Top + level.Position.Y, anchor.Right + level.Position.X,
        anchor.Bottom + level.Position.Y };
    const int before = LevelCount();
    OpenLevel(ref, anchor, false, true, 0);
    if (LevelCount() == before) {
        // Nothing to show: the item must not stay pressed with no submenu.
        level.States[size_t(index)].Down = false;
        m_host.InvalidateItem(level, index);
    }
}

void MenuEngine::StopScrolling(PopupLevel& level)
{
    level.ScrollCode = 0;
    m_host.KillLevelTimer(level, MenuTimer::Scroll);
    m_host.InvalidateLevel(level);
}

void MenuEngine::ScrollBy(PopupLevel& level, int delta)
{
    const int last = LastScrollStart(level.Heights, level.ItemsRect);
    const int start = std::clamp(level.VisibleStart + delta, 0, std::max(last, 0));
    if (start == level.VisibleStart)
        return;
    level.VisibleStart = start;
    level.Relayout();
    m_host.InvalidateLevel(level);
}

void MenuEngine::HandleMove(PopupLevel& level, Point p)
{
    if (level.Scrolling()) {
        if (level.Markers.Up.Contains(p)) {
            if (level.ScrollCode == 0 && level.VisibleStart > 0) {
                level.ScrollCode = 1;
                m_host.InvalidateLevel(level);
                CloseFrom(IndexOf(level) + 1);
                m_host.SetLevelTimer(level, MenuTimer::Scroll, ScrollTimerMs);
            }
        } else if (level.Markers.Down.Contains(p)) {
            if (level.ScrollCode == 0 && level.ItemsBelow()) {
                level.ScrollCode = 2;
                m_host.InvalidateLevel(level);
                CloseFrom(IndexOf(level) + 1);
                m_host.SetLevelTimer(level, MenuTimer::Scroll, ScrollTimerMs);
            }
        } else if (level.ScrollCode != 0) {
            StopScrolling(level);
        }
    }
    int hit = level.ItemAt(p);
    if (hit < 0)
        hit = level.Active;
    if (hit == level.Active) {
        if (hit >= 0 && level.States[size_t(hit)].WaitCommand) {
            level.States[size_t(hit)].WaitCommand = false;
            if (level.Entries[size_t(hit)].Info.HasSubItems && IsSelectable(level.Entries[size_t(hit)].Info))
                ActivateItem(level, hit, false);
        }
        return;
    }
    SetActive(level, hit, false);
}

void MenuEngine::PointerAt(PopupLevel& level, Point client)
{
    if (client == level.LastMouse)
        return;
    level.LastMouse = client;
    HandleMove(level, client);
}

void MenuEngine::PointerOutside(PopupLevel& level)
{
    if (level.Scrolling() && level.ScrollCode != 0) {
        level.ScrollCode = 0;
        m_host.InvalidateLevel(level);
    }
}

void MenuEngine::LeftButtonUp(PopupLevel& level, Point client)
{
    if (level.ItemAt(client) < 0)
        return;
    level.LastMouse = client;
    HandleMove(level, client);
    const int active = level.Active;
    if (active >= 0 && !IsDividerCaption(level.Entries[size_t(active)].Info.Caption))
        ItemClick(level, active);
}

void MenuEngine::Navigate(PopupLevel& level, bool down)
{
    const int next = NextSelectableItem(Infos(level), level.Active, down);
    if (next < 0 || next == level.Active)
        return;
    if (level.Scrolling() && level.ScrollCode == 0) {
        const int start = StartToShow(level.Heights, level.ItemsRect, level.VisibleStart, next);
        if (start != level.VisibleStart) {
            level.VisibleStart = start;
            level.Relayout();
            m_host.InvalidateLevel(level);
        }
    }
    SetActive(level, next, true);
}

bool MenuEngine::KeyDown(uint32_t key, wchar_t ch)
{
    if (m_levels.empty())
        return false;
    PopupLevel& level = *m_levels.back();
    if (ch >= 0x20) {
        const int hit = FindAcceleratorItem(Infos(level), ch);
        if (hit >= 0) {
            SetActive(level, hit, true);
            ItemClick(level, hit);
            return true;
        }
    }
    const int active = level.Active;
    switch (key) {
    case MenuKeyReturn:
        if (active >= 0)
            ItemClick(level, active);
        break;
    case MenuKeyEscape:
        CloseLast();
        break;
    case MenuKeyLeft:
        if (LevelCount() >= 2)
            CloseLast();
        break;
    case MenuKeyDown:
    case MenuKeyUp:
        Navigate(level, key == MenuKeyDown);
        break;
    case MenuKeyRight:
        if (active >= 0 && level.Entries[size_t(active)].Info.HasSubItems)
            ItemClick(level, active);
        break;
    default:
        break;
    }
    return true;
}

void MenuEngine::Wheel(int notches)
{
    if (m_levels.empty())
        return;
    PopupLevel& level = *m_levels.back();
    if (level.Scrolling() && level.ScrollCode == 0 && notches != 0)
        ScrollBy(level, -notches);
}

void MenuEngine::StepMorph(PopupLevel& level)
{
    bool moving = false;
    for (int i = 0; i < level.Count(); ++i) {
        TlxSkinMenuItem view(level, i);
        if (view.Step()) {
            m_host.InvalidateItem(level, i);
            moving = moving || view.Moving();
        }
    }
    if (!moving)
        m_host.KillLevelTimer(level, MenuTimer::Morph);
}

void MenuEngine::TimerFired(PopupLevel& level, MenuTimer timer)
{
    if (IndexOf(level) < 0)
        return;
    switch (timer) {
    case MenuTimer::Mouse: {
        Point client;
        if (m_host.PointerIn(level, client))
            PointerAt(level, client);
        else
            PointerOutside(level);
        break;
    }
    case MenuTimer::Scroll:
        if (level.ScrollCode == 1 && level.VisibleStart > 0)
            ScrollBy(level, -1);
        else if (level.ScrollCode == 2 && level.ItemsBelow())
            ScrollBy(level, 1);
        if (level.ScrollCode == 0 || (level.ScrollCode == 1 && level.VisibleStart == 0)
            || (level.ScrollCode == 2 && !level.ItemsBelow()))
            StopScrolling(level);
        break;
    case MenuTimer::Morph:
        StepMorph(level);
        break;
    }
}

void MenuEngine::WaitTimerFired()
{
    PopupLevel* level = m_waitLevel;
    const int item = m_waitItem;
    StopWait();
    if (level && IndexOf(*level) >= 0)
        ItemClick(*level, item);
}

} // namespace ventro
