// The skinned popup menus on the platform: TlxSkinMenu (the menu engine a
// skin form owns), TlxSkinPopupWindow (one focus-less window per open level)
// and TlxSkinPopupMenu (a popup menu component shown through a skin form's
// engine). The behaviour is MenuEngine's; this is its windows, timers,
// keyboard filter and notifications.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <set>

#include "platform/Application.h"
#include "platform/CustomWindow.h"
#include "platform/Liveness.h"
#include "platform/WindowTimers.h"
#include "skin/data/SkinComponents.h"
#include "skin/gfx/GdiTextPainter.h"
#include "skin/gfx/WinFadeIn.h"
#include "skin/menus/MenuEngine.h"
#include "skin/menus/MenuTree.h"
#include "skin/menus/lxSkinMenuItem.h"

namespace ventro {

// Sent to the control that opened a menu, with 0 in both parameters.
constexpr UINT MenuClosedMessage = WM_USER + 204;
constexpr UINT MenuCommandMessage = WM_USER + 205;

class TlxSkinMenu;

// One level's window. The menu keeps one per depth of its chains: hidden
// between opens and given the next level at that depth, so opening a menu
// does not pay for creating a window. It is made again when something
// outside destroyed it.
class TlxSkinPopupWindow : public TCustomWindow {
public:
    explicit TlxSkinPopupWindow(TlxSkinMenu& menu);
    ~TlxSkinPopupWindow() override;

    PopupLevel* Level() const { return m_level; }
    // Takes a laid-out, placed level: the window exists afterwards (made
    // when needed) and its picture is composed, still hidden.
    HWND Attach(PopupLevel& level);
    // The level is gone: the window is hidden and waits for the next one.
    void Detach();
    // The menu is gone too.
    void Orphan();
    bool InHandler() const { return m_depth > 0; }
    // The item views of the level shown, in menu order.
    int ItemCount() const { return m_level ? m_level->Count() : 0; }
    TlxSkinMenuItem Item(int index) const;
    // Repaints one item into the window's buffer and shows it.
    void RepaintItem(int index);
    void RepaintAll();
    void StartFade(uint8_t target);
    // The window's timers: the level's (by MenuTimer) and the fade-in's.
    TWindowTimers& Timers() { return m_timers; }
    // What the window shows, as last painted.
    const PixelBuffer& Buffer() const { return m_buffer; }
    // The window region and layered style as last set, so a reopen at the
    // same size and look sets neither again.
    struct Shape {
        int32_t Width = -1, Height = -1;
        const void* Mask = nullptr;
        bool Layered = false;
    };
    Shape LastShape;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc, const RECT& area);
    void Compose();

    TlxSkinMenu* m_menu;
    PopupLevel* m_level = nullptr;
    HWND m_owner = nullptr;
    PixelBuffer m_buffer;
    bool m_fullRepaint = true;
    int m_depth = 0;
    TWindowTimers m_timers { [this] { return Handle(); } };
    TFadeIn m_fade;
};

// What a skin form offers the popup menus on its form: its engine, the skin
// data of its menus, and the step into its menu state before a menu opens.
class ISkinMenuProvider {
public:
    virtual ~ISkinMenuProvider() = default;
    virtual TlxSkinMenu* ProvidedSkinMenu() = 0;
    virtual TlxSkinData* ProvidedMenusSkinData() = 0;
    virtual void EnterMenuState() { }
};

class TlxSkinMenu : public TComponent, public ISkinMenuProvider, private MenuHost {
public:
    explicit TlxSkinMenu(TComponent* owner);
    ~TlxSkinMenu() override;

    bool UseSkinFont = true;
    int DefaultItemHeight = 20;
    TextFont DefaultItemFont { "Arial", 14, {}, DEFAULT_CHARSET };
    int MaxMenuItemsInWindow = 0;
    bool AlphaBlend = false;
    bool AlphaBlendAnimation = false;
    uint8_t AlphaBlendValue = 150;
    // The window whose monitor gives the work area, and that CloseAll tells.
    HWND OwnerWindow = nullptr;
    // A one-shot notification when the chain closes.
    std::function<void(TComponent* sender)> OnMenuClose;

    // Shows the sub-items of root from first on, at anchor (screen
    // coordinates); control (may be null) is told when the menu closes.
    void Popup(HWND control, TlxSkinData* skin, bool popupUp, TMenuItem* root, Rect anchor, int first);
    void CloseFrom(int level);
    void CloseAll();
    bool Visible() const { return m_engine->Visible(); }
    MenuEngine& Engine() { return *m_engine; }
    TlxSkinData* SkinData() const { return m_skin; }
    HWND DoneControl() const { return m_doneControl; }
    void SetImages(TImageList* images);

    // Live platform objects of the open chain, for leak checks: windows
    // showing a level, and the hidden windows kept for the next opens.
    int LiveWindows() const;
    int KeptWindows() const { return int(m_windows.size()) - LiveWindows(); }
    int LiveTimers() const;
    const GdiTextPainter& TextPainter() const { return m_text; }

    TlxSkinMenu* ProvidedSkinMenu() override { return this; }
    TlxSkinData* ProvidedMenusSkinData() override { return m_skin; }

    // Called by the popup windows.
    void WindowGone(TlxSkinPopupWindow* window);
    // A popup window is being destroyed: its timers go with it, and a level
    // it showed closes.
    void HandleGone(TlxSkinPopupWindow& window);
    void TimerTick(TlxSkinPopupWindow& window, MenuTimer timer);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::vector<MenuEntry> SubItems(MenuItemRef parent) override;
    Rect WorkArea() override;
    void PrepareLevel(PopupLevel& level) override;
    void ShowLevel(PopupLevel& level, bool firstOfChain) override;
    void DestroyLevel(PopupLevel& level) override;
    void InvalidateLevel(PopupLevel& level) override;
    void InvalidateItem(PopupLevel& level, int index) override;
    void SetLevelTimer(PopupLevel& level, MenuTimer timer, uint32_t ms) override;
    void KillLevelTimer(PopupLevel& level, MenuTimer timer) override;
    void SetWaitTimer(uint32_t ms) override;
    void KillWaitTimer() override;
    bool PointerIn(PopupLevel& level, Point& client) override;
    void ChainClosed(bool allClosed) override;
    void RunCommand(MenuItemRef item) override;
    void CommandDone() override;

    bool Filter(MSG& message);
    TlxSkinPopupWindow* WindowOf(HWND wnd) const;

    std::unique_ptr<MenuEngine> m_engine;
    GdiTextPainter m_text;
    std::unique_ptr<ImageListSource> m_images;
    TlxSkinData* m_skin = nullptr;
    HWND m_popupControl = nullptr;
    HWND m_doneControl = nullptr;
    UINT_PTR m_waitTimer = 0;
    // Every popup window of the menu, owned; m_kept[i] serves level i.
    std::set<TlxSkinPopupWindow*> m_windows;
    std::vector<TlxSkinPopupWindow*> m_kept;
    TMessageFilter m_filter;
    // Ends with the menu, so code after a call into user code can tell.
    TLiveness m_liveness;
};

class TlxSkinPopupMenu : public TPopupMenu {
public:
    explicit TlxSkinPopupMenu(TComponent* owner);
    ~TlxSkinPopupMenu() override;

    TlxSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TlxSkinData* value);
    bool AutoPopup = true;
    TNotifyEvent OnMenuClose;

    // Shows the items at a screen point through the skin form of the owner;
    // nothing shows without one.
    void Popup(int x, int y) override;
    // Shows them for a button control at its screen rectangle.
    void PopupAt(HWND control, Rect anchor, bool popupUp);

    // The engine the menu shows through: the first skin menu provider among
    // the owner's components (or the owner's owner's when the owner is not a form).
    ISkinMenuProvider* FindProvider() const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Show(HWND control, Rect anchor, bool popupUp);

    TlxSkinData* m_skinData = nullptr;
};

} // namespace ventro
