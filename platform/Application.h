// The application object: title, icon, the forms in creation order, the
// active form, the one dispatch every pumped message goes through (message
// filters, the dialog manager, translate and dispatch), timers on one hidden
// window, and a hidden top-level window of its own that carries the title and
// the icon and owns the taskbar entry. Components take over that window's
// messages through the subclass chain (HookMainWindow); such a handler sees
// each message before the application does.
#pragma once
#include <windows.h>

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Component.h"
#include "platform/CustomForm.h"
#include "platform/Subclass.h"

namespace ventro {

// Sees every message the application pumps before the dialog manager does;
// returns true when it took the message (nothing else then sees it).
using MessageFilterProc = std::function<bool(MSG& message)>;

struct MessageFilterEntry;

// A message filter's place in the dispatch, removed with the token.
class TMessageFilter {
public:
    TMessageFilter() = default;
    explicit TMessageFilter(std::shared_ptr<MessageFilterEntry> entry) : m_entry(std::move(entry)) { }
    TMessageFilter(TMessageFilter&&) noexcept = default;
    TMessageFilter& operator=(TMessageFilter&& other) noexcept;
    TMessageFilter(const TMessageFilter&) = delete;
    TMessageFilter& operator=(const TMessageFilter&) = delete;
    ~TMessageFilter() { Reset(); }
    void Reset();
    bool Active() const { return m_entry != nullptr; }

private:
    std::shared_ptr<MessageFilterEntry> m_entry;
};

class TApplicationWindow;
class TTimerWindow;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    void Initialize();
    HWND Handle() const;
    const std::wstring& Title() const { return m_title; }
    void SetTitle(std::wstring title);
    HICON Icon() const { return m_icon; }
    // The program's icon, borrowed: the application window shows it in the
    // taskbar and in Alt+Tab; the tray icon copies it. A hidden application
    // window is handed the icons when the program next waits for input.
    void SetIcon(HICON icon, HICON smallIcon = nullptr);
    // Runs `send`, which hands `wnd` its icons, at once when the window is
    // visible, else when the program next waits for input; `pending` (the
    // window's own flag, cleared by `send`) keeps one hand-over waiting.
    void HandOverIcons(HWND wnd, bool& pending, std::function<void()> send);

    TCustomForm* MainForm() const { return m_mainForm; }
    const std::vector<TCustomForm*>& Forms() const { return m_forms; }
    TCustomForm* ActiveForm() const { return m_activeForm; }
    // The window of every form in list order; a form without a window gets one first.
    std::vector<HWND> FormHandles();

    // Creates a form owned by the application; the first one becomes the main form.
    template<typename T, typename... Args>
    T* CreateForm(Args&&... args)
    {
        T* form = new T(this, std::forward<Args>(args)...);
        if (!m_mainForm)
            m_mainForm = form;
        return form;
    }

    // Shows the main form (unless ShowMainForm was cleared), runs the message
    // loop until it ends, then destroys the forms and every component the
    // application owns, newest first.
    void Run();
    // Run's first step: shows the main form (unless ShowMainForm was
    // cleared); the application window follows when the program next waits
    // for input.
    void ShowMainFormOnStart();
    // Cleared by a component that keeps the main form hidden at start (a
    // tray icon that starts minimized).
    bool ShowMainForm = true;
    void Terminate();
    bool Terminated() const { return m_terminated; }
    // Dispatches every pending message; false when WM_QUIT was met (posted
    // again, so that the outer loop ends too).
    bool ProcessMessages();
    // Waits for and dispatches one message; false on WM_QUIT. Before it
    // waits, it runs the actions waiting for the program to be idle.
    bool HandleMessage();
    // Runs `action` once, the next time the message loop finds no message
    // waiting: work that must not hold up the first paint. Messages that
    // arrive meanwhile are handled after it.
    void RunWhenIdle(std::function<void()> action);
    // The one dispatch: filters, the dialog manager, translate and dispatch.
    void DispatchOne(MSG& message);
    // Adds a filter; the newest filter sees a message first.
    [[nodiscard]] TMessageFilter AddMessageFilter(MessageFilterProc filter);

    void Minimize();
    void Restore();
    bool IsMinimized() const;
    // Activates the active form, else the main form (or the modal form it
    // waits on), unless the application is minimized.
    void HandOnFocus();

    // Takes over the application window's messages (see TSubclass); the
    // handler calls CallPreviousProc for the application's own handling.
    [[nodiscard]] TSubclass HookMainWindow(SubclassHandler handler);

    // Timers of every component share one hidden window. Returns the timer's
    // identifier; `tick` may stop or free its timer.
    UINT_PTR StartTimer(uint32_t milliseconds, std::function<void()> tick);
    void StopTimer(UINT_PTR id);
    HWND TimerWindowHandle() const;
    // Timers and message filters in place now, for leak checks.
    int LiveTimers() const;
    int LiveMessageFilters() const;

    // The standard error report: a message box with the error text, the error
    // icon and the application title as caption. Call it from a catch block.
    void HandleException(const std::exception& error);
    void HandleCurrentException();
    // Runs `action`, reporting whatever it throws; for event handlers.
    void Guard(const std::function<void()>& action);
    // Set by tests to see reports instead of showing boxes.
    std::function<void(const std::wstring&)> OnException;

    // Form bookkeeping, called by the forms.
    void RegisterForm(TCustomForm* form);
    void UnregisterForm(TCustomForm* form);
    // True when `form` was not the active form before.
    bool FormActivated(TCustomForm* form);
    // Destroys the forms and every other owned component, newest first, and
    // whatever waits for deferred release.
    void DestroyForms();

private:
    friend class TApplicationWindow;
    LRESULT AppWndProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool IsFormWindow(HWND wnd) const;
    void RunIdleActions();
    void ShowApplicationWindowIfDue();
    void SendIcons();

    std::unique_ptr<TApplicationWindow> m_window;
    std::unique_ptr<TTimerWindow> m_timers;
    std::wstring m_title;
    HICON m_icon = nullptr;
    HICON m_smallIcon = nullptr;
    bool m_iconsPending = false;
    TCustomForm* m_mainForm = nullptr;
    TCustomForm* m_activeForm = nullptr;
    std::vector<TCustomForm*> m_forms;
    std::vector<std::shared_ptr<MessageFilterEntry>> m_filters;
    std::vector<std::function<void()>> m_idleActions;
    std::vector<HWND> m_hiddenByMinimize;
    bool m_terminated = false;
    bool m_applicationWindowDue = false;
};

// The one application object of the process.
TApplication& Application();

// A message box owned by `owner`; returns the button pressed.
int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags);

} // namespace ventro
