// The behaviour of a chain of skinned popup menus, apart from the windows
// that show it: opening levels, pointer and keyboard handling, the submenu
// delay, marker scrolling, item highlighting and closing. The platform side
// implements MenuHost (windows, timers, commands, notifications) and feeds
// the engine its events; everything here is testable without windows.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Liveness.h"
#include "skin/menus/MenuLayout.h"
#include "skin/menus/MenuPaint.h"

namespace ventro {

// The framework menu item a view shows; opaque to the engine.
using MenuItemRef = const void*;

struct MenuEntry {
    MenuItemInfo Info;
    MenuItemRef Ref = nullptr;
};

enum class MenuTimer { Mouse, Scroll, Morph };

constexpr uint32_t SubmenuDelayMs = 500;
constexpr uint32_t MouseTimerMs = 50;
constexpr uint32_t ScrollTimerMs = 100;
constexpr uint32_t MorphTimerMs = 20;

// Virtual key codes the keyboard handling understands.
enum MenuKey : uint32_t {
    MenuKeyReturn = 0x0D,
    MenuKeyEscape = 0x1B,
    MenuKeyLeft = 0x25,
    MenuKeyUp = 0x26,
    MenuKeyRight = 0x27,
    MenuKeyDown = 0x28,
};

// One open level of the chain: its items, their views and the layout.
class PopupLevel {
public:
    std::vector<MenuEntry> Entries;
    std::vector<MenuItemViewState> States;
    std::vector<int32_t> Heights;
    MenuPaintContext Paint;
    MenuItemRef Root = nullptr;
    bool Submenu = false;
    PopupSize Size;
    Rect ItemsRect;
    ScrollMarkers Markers;
    ItemLayout Layout;
    Point Position;            // screen position of the window
    int Active = -1;
    int VisibleStart = 0;
    int ScrollCode = 0;        // 0 none, 1 up, 2 down
    Point LastMouse { -1, -1 };
    PixelBuffer PaintBufferPixels; // the background with its items area, for "inactivetransparent"
    void* Window = nullptr;    // the platform window showing this level

    int Count() const { return int(Entries.size()); }
    bool Scrolling() const { return Size.Scroll; }
    Rect ItemBounds(int i) const { return Layout.Items.at(size_t(i)).Bounds; }
    bool ItemVisible(int i) const { return i >= 0 && i < Count() && States[size_t(i)].Visible; }
    // The visible item under a client point (right and bottom edges excluded), or -1.
    int ItemAt(Point p) const;
    bool ItemsBelow() const { return VisibleStart + Layout.VisibleCount < Count(); }
    void Relayout();
};

class MenuHost {
public:
    virtual ~MenuHost() = default;
    // The visible sub-items of a menu item, in order.
    virtual std::vector<MenuEntry> SubItems(MenuItemRef parent) = 0;
    virtual Rect WorkArea() = 0;
    // The look, font, text painter and images of a new level (its items known).
    virtual void PrepareLevel(PopupLevel& level) = 0;
    // Creates and shows the window of a laid-out, placed level.
    virtual void ShowLevel(PopupLevel& level, bool firstOfChain) = 0;
    // Hides the level's window and releases it once its messages are done;
    // the level object is freed right after this returns.
    virtual void DestroyLevel(PopupLevel& level) = 0;
    virtual void InvalidateLevel(PopupLevel& level) = 0;
    virtual void InvalidateItem(PopupLevel& level, int index) = 0;
    virtual void SetLevelTimer(PopupLevel& level, MenuTimer timer, uint32_t ms) = 0;
    virtual void KillLevelTimer(PopupLevel& level, MenuTimer timer) = 0;
    virtual void SetWaitTimer(uint32_t ms) = 0;
    virtual void KillWaitTimer() = 0;
    // Reads the pointer for the level's mouse timer: true with the client
    // point when the window under it is the level's own.
    virtual bool PointerIn(PopupLevel& level, Point& client) = 0;
    // The chain has closed (from CloseFrom(0)); allClosed when it was a CloseAll.
    virtual void ChainClosed(bool allClosed) = 0;
    // Runs an item's command; anything may happen inside, even the engine's end.
    virtual void RunCommand(MenuItemRef item) = 0;
    // Tells the control that opened the menu that a command ran.
    virtual void CommandDone() = 0;
};

// Paints a whole level: background, visible items and, while scrolling, the markers.
void PaintLevel(PopupLevel& level, PixelBuffer& out);
// Paints one item of a level into out, at the item's size.
void PaintLevelItem(const PopupLevel& level, int index, PixelBuffer& out);

class MenuEngine {
public:
    explicit MenuEngine(MenuHost& host);
    MenuEngine(const MenuEngine&) = delete;
    MenuEngine& operator=(const MenuEngine&) = delete;
    ~MenuEngine();

    // Shows the sub-items of root from first on; nothing opens for an empty
    // root or a first index past its items. replacesOpenChain: the caller
    // has just closed a chain that was open, so this is not a first popup.
    void Popup(MenuItemRef root, Rect anchor, bool popupUp, int first, bool replacesOpenChain = false);
    void CloseFrom(int level);
    void CloseAll();

    bool Visible() const { return m_visible; }
    int LevelCount() const { return int(m_levels.size()); }
    PopupLevel& Level(int i) { return *m_levels.at(size_t(i)); }
    int IndexOf(const PopupLevel& level) const;
    bool FirstPopup() const { return m_firstPopup; }

    // The pointer, as the level's mouse timer reads it: at a client point of
    // the level's window, or elsewhere.
    void PointerAt(PopupLevel& level, Point client);
    void PointerOutside(PopupLevel& level);
    // A left button release at a client point of the level's window.
    void LeftButtonUp(PopupLevel& level, Point client);
    // A key-down while the chain is open, for the last level. ch is the
    // key's character for accelerators (0 for none). True when handled.
    bool KeyDown(uint32_t key, wchar_t ch);
    // One notch of the wheel over the chain: the last level scrolls.
    void Wheel(int notches);
    void TimerFired(PopupLevel& level, MenuTimer timer);
    void WaitTimerFired();

    void ItemHover(PopupLevel& level, int index, bool keyboard);
    void ItemClick(PopupLevel& level, int index);

private:
    void OpenLevel(MenuItemRef root, Rect anchor, bool popupUp, bool submenu, int first);
    void ActivateItem(PopupLevel& level, int index, bool keyboard);
    void DeactivateItem(PopupLevel& level, int index);
    void SetActive(PopupLevel& level, int index, bool keyboard);
    void HandleMove(PopupLevel& level, Point p);
    void StopScrolling(PopupLevel& level);
    void ScrollBy(PopupLevel& level, int delta);
    void StartMorph(PopupLevel& level, int index);
    void StopWait();
    void CloseLast();
    void Navigate(PopupLevel& level, bool down);
    void StepMorph(PopupLevel& level);
    std::vector<MenuItemInfo> Infos(const PopupLevel& level) const;

    MenuHost& m_host;
    std::vector<std::unique_ptr<PopupLevel>> m_levels;
    bool m_visible = false;
    bool m_firstPopup = false;
    PopupLevel* m_waitLevel = nullptr;
    int m_waitItem = -1;
    // Ends with the engine, so work that runs user code can tell.
    TLiveness m_liveness;
    // Counts chain changes, so a submenu is not opened for a chain that a
    // command closed or replaced meanwhile.
    uint64_t m_generation = 0;
};

} // namespace ventro
