// TlxTrayIcon: the skin form's notification-area icon, with its skinned
// popup menu, click and double-click events, icon cycling, hiding the main
// form to the tray, and re-adding after the taskbar is re-created.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/Application.h"
#include "platform/Liveness.h"
#include "platform/MessageWindow.h"
#include "platform/Subclass.h"
#include "skin/menus/MenuTree.h"
#include "skin/menus/TrayClicks.h"

namespace ventro {

class TlxSkinPopupMenu;

using TlxCycleEvent = std::function<void(TComponent* Sender, int NextIndex)>;

// The tip bytes of the icon: the hint in the code page, cut to at most 127
// bytes at a character boundary.
std::string TrayTip127(std::wstring_view hint, UINT codePage = CP_ACP);

class TlxTrayIcon : public TComponent {
public:
    // The callback message of the icon.
    static constexpr UINT CallbackMessage = WM_USER + 1024;

    explicit TlxTrayIcon(TComponent* owner);
    ~TlxTrayIcon() override;
    void Loaded() override;

    // The shell's notification function; tests put a recorder here.
    std::function<BOOL(DWORD message, NOTIFYICONDATAA* data)> ShellNotify;

    bool DesignPreview = false;
    TImageList* IconList() const { return m_iconList; }
    void SetIconList(TImageList* value);
    bool CycleIcons() const { return m_cycleIcons; }
    void SetCycleIcons(bool value);
    uint32_t AnimateTimerInterval() const { return m_animateInterval; }
    void SetAnimateTimerInterval(uint32_t value);
    bool Enabled = true;
    const std::wstring& Hint() const { return m_hint; }
    void SetHint(std::wstring value);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool value);
    HICON Icon() const { return m_icon.Get(); }
    void SetIcon(HICON icon); // copied
    bool IconVisible() const { return m_iconVisible; }
    void SetIconVisible(bool value);
    int IconIndex() const { return m_iconIndex; }
    void SetIconIndex(int value);
    TlxSkinPopupMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TlxSkinPopupMenu* value);
    bool PopupByLeftButton = false;
    bool MinimizedOnStart = false;
    bool MinimizeToTray = true;

    TNotifyEvent OnClick, OnDblClick, OnBalloonHintClick;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TlxCycleEvent OnCycle;

    BOOL AddTrayIcon();
    BOOL RemoveTrayIcon();
    BOOL UpdateTrayIcon();
    void RestoreMainForm();
    void HideMainForm();
    void PopupAtCursor();

    HWND ReceiverWindow() const { return m_receiver ? m_receiver->Handle() : nullptr; }
    const NOTIFYICONDATAA& IconData() const { return m_data; }
    // One tick of the animate timer.
    void Cycle();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void FillIconData();
    bool ReceiverProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void MouseMessage(UINT mouseMessage);
    LRESULT ApplicationHook(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OwnerHook(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    void StartAnimateTimer();
    void StopAnimateTimer();
    void StopClickTimer();
    HWND OwnerWindow() const;

    NOTIFYICONDATAA m_data {};
    std::unique_ptr<MessageWindow> m_receiver;
    TSubclass m_appHook;
    TSubclass m_ownerHook;
    UINT m_taskbarCreated = 0;
    UINT_PTR m_animateTimer = 0;
    UINT_PTR m_clickTimer = 0;
    TrayClickTracker m_clicks;
    TImageList* m_iconList = nullptr;
    bool m_cycleIcons = false;
    uint32_t m_animateInterval = 0;
    std::wstring m_hint;
    bool m_showHint = true;
    IconHandle m_icon;
    bool m_iconVisible = true;
    int m_iconIndex = 0;
    TlxSkinPopupMenu* m_popupMenu = nullptr;
    bool m_settingMDIForm = true;
    TLiveness m_liveness;
};

} // namespace ventro
