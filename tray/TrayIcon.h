// TTrayIcon: the application's icon with a tooltip in the notification area.
// Mouse actions on it become events and can restore the application or open a
// popup menu; a minimized application loses its taskbar entry; the icon can
// step through the images of an image list.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <memory>
#include <string>

#include "base/Exception.h"
#include "platform/Component.h"
#include "platform/Events.h"
#include "platform/Handles.h"
#include "platform/ImageList.h"
#include "platform/Menus.h"
#include "platform/MessageWindow.h"
#include "platform/Subclass.h"
#include "platform/Timer.h"

namespace ventro {

// Raised when the platform refuses to add or remove the icon.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

enum class TTrayIconMessage {
    imClick,
    imDoubleClick,
    imMouseDown,
    imMouseUp,
    imLeftClickUp,
    imLeftDoubleClick,
    imRightClickUp,
    imRightDoubleClick,
    imNone,
};

class TTrayIcon : public TComponent {
public:
    // The message the notification area sends to Handle() for mouse actions.
    static constexpr UINT CallbackMessage = WM_USER + 1;

    explicit TTrayIcon(TComponent* owner);
    ~TTrayIcon() override;

    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool visible);
    const std::wstring& Hint() const { return m_hint; }
    void SetHint(const std::wstring& hint);
    TPopupMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TPopupMenu* menu);
    bool Hide() const { return m_hide; }
    void SetHide(bool hide);
    TTrayIconMessage RestoreOn() const { return m_restoreOn; }
    void SetRestoreOn(TTrayIconMessage value) { m_restoreOn = value; }
    TTrayIconMessage PopupMenuOn() const { return m_popupMenuOn; }
    void SetPopupMenuOn(TTrayIconMessage value) { m_popupMenuOn = value; }
    TImageList* Icons() const { return m_icons; }
    void SetIcons(TImageList* icons);
    int IconIndex() const { return m_iconIndex; }
    // Takes effect at the next icon change.
    void SetIconIndex(int index) { m_iconIndex = index; }
    uint32_t AnimateInterval() const { return m_animateTimer->Interval(); }
    void SetAnimateInterval(uint32_t milliseconds) { m_animateTimer->SetInterval(milliseconds); }
    bool Animate() const { return m_animate; }
    void SetAnimate(bool animate);
    // The hidden window that receives the notification area's messages; it is
    // made when first needed (asked for here, or the icon shown), which keeps
    // a top-level window off the program's start.
    HWND Handle();

    // The icon shown, owned by the component. The application's icon is
    // copied when first needed: copying an icon is slow on some platforms,
    // and a hidden tray icon shows nothing.
    HICON CurrentIcon();
    // The record handed to the notification area.
    const NOTIFYICONDATAA& IconData();
    bool TimerRunning() const { return m_animateTimer->Running(); }

    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    TNotifyEvent OnClick;
    TMouseMoveEvent OnMuuseMove;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseEnter; // never raised
    TMouseMoveEvent OnMouseExit; // never raised
    TNotifyEvent OnAnimate; // this component's NextIcon at first; never raised
    TNotifyEvent OnCreate; // never raised
    TNotifyEvent OnDestroy; // never raised
    TNotifyEvent OnActivate; // never raised
    TNotifyEvent OnDeactivate; // never raised

    void Loaded() override;

    virtual void NextIcon();
    virtual void Minimize();
    virtual void Restore();
    virtual void UpdateIcon();
    virtual void PopupAtCursor();
    virtual void SetIconFromIndex(int index);
    virtual void UseApplicationIcon();

protected:
    void Notification(TComponent* component, TOperation operation) override;

    virtual bool TrayWndProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual void DoClick();
    virtual void DoDblClick();
    virtual void DoMouseMove(TShiftState shift, int x, int y);
    virtual void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);

private:
    void DispatchMouseMessage(UINT mouseMessage);
    // Restore and popup for the mouse action `action`.
    void RunActions(TTrayIconMessage action);
    void MainWindowHook(UINT message, WPARAM wParam, LPARAM lParam);
    void InstallHook();
    void RemoveHook();
    void WantApplicationIcon();
    void ShowCopyOf(HICON icon);
    // Copies the application's icon if it is due, and puts the shown icon in the record.
    void EnsureIcon();

    NOTIFYICONDATAA m_iconData {};
    IconHandle m_currentIcon;
    // The shown icon is the application's, not copied yet.
    bool m_applicationIconDue = false;
    TImageList* m_icons = nullptr;
    TPopupMenu* m_popupMenu = nullptr;
    TTimer* m_animateTimer = nullptr;
    std::unique_ptr<MessageWindow> m_window;
    std::wstring m_hint;
    int m_iconIndex = 0;
    bool m_visible = false;
    bool m_hide = true;
    bool m_animate = false;
    TTrayIconMessage m_restoreOn = TTrayIconMessage::imDoubleClick;
    TTrayIconMessage m_popupMenuOn = TTrayIconMessage::imNone;
    TSubclass m_hook;
};

} // namespace ventro
