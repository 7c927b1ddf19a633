// The application object: title, icon, the forms in creation order, the
// active form, the message loop, and a hidden top-level window of its own that
// carries the title and owns the taskbar entry. Components may hook that
// window's messages; the hooks see each message before the application does.
#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "platform/Component.h"

namespace ventro {

class TForm;

class TApplication : public TComponent {
public:
    // Answers true when it handled the message (the application's own
    // processing then does not run) and sets `result`.
    using Hook = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    TApplication();
    ~TApplication() override;

    void Initialize();
    HWND Handle() const { return m_wnd; }
    const std::wstring& Title() const { return m_title; }
    void SetTitle(std::wstring title);
    HICON Icon() const { return m_icon; }
    void SetIcon(HICON icon) { m_icon = icon; }

    TForm* MainForm() const { return m_mainForm; }
    const std::vector<TForm*>& Forms() const { return m_forms; }
    TForm* ActiveForm() const { return m_activeForm; }

    // Creates a form owned by the application; the first one becomes the main form.
    template<typename T, typename... Args>
    T* CreateForm(Args&&... args)
    {
        T* form = new T(this, std::forward<Args>(args)...);
        if (!m_mainForm)
            m_mainForm = form;
        return form;
    }

    // Shows the main form and runs the message loop until it closes.
    void Run();
    void Terminate();
    bool Terminated() const { return m_terminated; }
    // Dispatches every pending message; false when WM_QUIT was met (reposted).
    bool ProcessMessages();
    // Waits for and dispatches one message; false on WM_QUIT.
    bool HandleMessage();

    void Minimize();
    void Restore();
    bool IsMinimized() const { return m_wnd && ::IsIconic(m_wnd); }

    int HookMainWindow(Hook hook);
    void UnhookMainWindow(int id);

    // The standard error report: a message box with the error text, the error
    // icon and the application title as caption. Call it from a catch block.
    void HandleException(const std::exception& error);
    void HandleCurrentException();
    // Runs `action`, reporting whatever it throws; for event handlers.
    void Guard(const std::function<void()>& action);
    // Set by tests to see reports instead of showing boxes.
    std::function<void(const std::wstring&)> OnException;

    // Form bookkeeping, called by TForm.
    void RegisterForm(TForm* form);
    void UnregisterForm(TForm* form);
    void FormActivated(TForm* form);

private:
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT AppWndProc(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_wnd = nullptr;
    std::wstring m_title;
    HICON m_icon = nullptr;
    TForm* m_mainForm = nullptr;
    TForm* m_activeForm = nullptr;
    std::vector<TForm*> m_forms;
    std::vector<std::pair<int, Hook>> m_hooks;
    std::vector<HWND> m_hiddenByMinimize;
    int m_nextHookId = 1;
    bool m_terminated = false;
};

// The one application object of the process.
TApplication& Application();

// A message box owned by `owner`; returns the button pressed.
int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags);

} // namespace ventro
