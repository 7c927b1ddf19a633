// The application object, its hidden window, the timer window and the dispatch.
#include "platform/Application.h"

#include <algorithm>

#include "base/Exception.h"
#include "platform/ErrorReport.h"
#include "platform/Release.h"
#include "platform/Text.h"

namespace ventro {

struct MessageFilterEntry {
    MessageFilterProc Proc;
    bool Removed = false;
};

TMessageFilter& TMessageFilter::operator=(TMessageFilter&& other) noexcept
{
    if (this != &other) {
        Reset();
        m_entry = std::move(other.m_entry);
    }
    return *this;
}

void TMessageFilter::Reset()
{
    if (m_entry)
        m_entry->Removed = true;
    m_entry.reset();
}

namespace {
// Posted to the application window when it was activated: the focus goes on
// to the active form once the activation has settled.
constexpr UINT WM_VENTRO_HANDONFOCUS = WM_APP + 0x110;
}

// The hidden top-level window that owns the taskbar entry.
class TApplicationWindow : public TCustomWindow {
public:
    explicit TApplicationWindow(TApplication& app) : TCustomWindow(nullptr), m_app(app) { CreateHandle(); }

protected:
    void CreateParams(TCreateParams& params) override
    {
        params.ClassName = L"VentroApplication";
        params.ClassStyle = 0;
        params.Style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
        params.Caption = m_app.Title();
        params.X = GetSystemMetrics(SM_CXSCREEN) / 2;
        params.Y = GetSystemMetrics(SM_CYSCREEN) / 2;
        params.Width = 0;
        params.Height = 0;
    }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return m_app.AppWndProc(Handle(), message, wParam, lParam);
    }

private:
    TApplication& m_app;
};

// One message-only window that receives the WM_TIMER of every timer.
class TTimerWindow : public TCustomWindow {
public:
    TTimerWindow() : TCustomWindow(nullptr) { CreateHandle(); }
    ~TTimerWindow() override
    {
        for (const auto& [id, tick] : m_ticks)
            KillTimer(Handle(), id);
    }

    UINT_PTR Start(uint32_t milliseconds, std::function<void()> tick)
    {
        UINT_PTR id = m_nextId++;
        m_ticks[id] = std::move(tick);
        SetTimer(Handle(), id, milliseconds, nullptr);
        return id;
    }
    int Count() const { return int(m_ticks.size()); }
    void Stop(UINT_PTR id)
    {
        if (m_ticks.erase(id))
            KillTimer(Handle(), id);
    }

protected:
    void CreateParams(TCreateParams& params) override
    {
        params.ClassName = L"VentroTimerWindow";
        params.ClassStyle = 0;
        params.Style = WS_POPUP;
        params.Parent = HWND_MESSAGE;
        params.X = params.Y = params.Width = params.Height = 0;
    }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_TIMER)
            return DefaultHandler(message, wParam, lParam);
        auto it = m_ticks.find(UINT_PTR(wParam));
        // A tick already queued when its timer stopped finds nothing.
        if (it != m_ticks.end()) {
            // A copy: the tick may stop or free its own timer.
            std::function<void()> tick = it->second;
            Application().Guard(tick);
        }
        return 0;
    }

private:
    std::map<UINT_PTR, std::function<void()>> m_ticks;
    UINT_PTR m_nextId = 1;
};

TApplication& Application()
{
    static TApplication* application = new TApplication(); // lives until the process ends
    return *application;
}

void ReportCurrentException() noexcept
{
    try {
        Application().HandleCurrentException();
    } catch (...) {
        // The report itself failed (no memory for the text): nothing more to do.
    }
}

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags)
{
    return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

TApplication::TApplication()
    : TComponent(nullptr)
{
    wchar_t path[MAX_PATH] {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name = name.substr(slash + 1);
    size_t dot = name.find_last_of(L'.');
    m_title = dot == std::wstring::npos ? name : name.substr(0, dot);
}

TApplication::~TApplication()
{
    DestroyForms();
}

void TApplication::Initialize()
{
    if (m_window)
        return;
    m_window = std::make_unique<TApplicationWindow>(*this);
    if (m_icon)
        SetIcon(m_icon, m_smallIcon);
}

HWND TApplication::Handle() const { return m_window ? m_window->Handle() : nullptr; }

void TApplication::SetTitle(std::wstring title)
{
    m_title = std::move(title);
    if (Handle())
        SetWindowTextW(Handle(), m_title.c_str());
}

void TApplication::SetIcon(HICON icon, HICON smallIcon)
{
    m_icon = icon;
    m_smallIcon = smallIcon ? smallIcon : icon;
    if (HWND wnd = Handle())
        HandOverIcons(wnd, m_iconsPending, [this] { SendIcons(); });
}

void TApplication::HandOverIcons(HWND wnd, bool& pending, std::function<void()> send)
{
    // Handing a window an icon costs the platform more than painting a
    // control (it copies the icon for the window manager); nothing shows a
    // hidden window's icon, so that waits until the first paint is done.
    if (IsWindowVisible(wnd)) {
        send();
    } else if (!pending) {
        pending = true;
        RunWhenIdle(std::move(send));
    }
}

void TApplication::SendIcons()
{
    m_iconsPending = false;
    if (HWND wnd = Handle()) {
        SendMessageW(wnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
        SendMessageW(wnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon));
    }
}

std::vector<HWND> TApplication::FormHandles()
{
    std::vector<HWND> handles;
    for (TCustomForm* form : std::vector<TCustomForm*>(m_forms))
        handles.push_back(form->HandleNeeded());
    return handles;
}

void TApplication::RegisterForm(TCustomForm* form) { m_forms.push_back(form); }

void TApplication::UnregisterForm(TCustomForm* form)
{
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), form), m_forms.end());
    if (m_mainForm == form)
        m_mainForm = nullptr;
    if (m_activeForm == form)
        m_activeForm = nullptr;
}

bool TApplication::FormActivated(TCustomForm* form)
{
    if (m_activeForm == form)
        return false;
    m_activeForm = form;
    return true;
}

bool TApplication::IsFormWindow(HWND wnd) const
{
    TCustomWindow* window = TCustomWindow::FromHandle(wnd);
    return window && std::find(m_forms.begin(), m_forms.end(), window) != m_forms.end();
}

TMessageFilter TApplication::AddMessageFilter(MessageFilterProc filter)
{
    auto entry = std::make_shared<MessageFilterEntry>();
    entry->Proc = std::move(filter);
    m_filters.push_back(entry);
    return TMessageFilter(entry);
}

void TApplication::DispatchOne(MSG& msg)
{
    DispatchScope scope;
    std::erase_if(m_filters, [](const auto& entry) { return entry->Removed; });
    // A copy: a filter may add or remove filters.
    auto filters = m_filters;
    for (auto it = filters.rbegin(); it != filters.rend(); ++it) {
        const auto& entry = *it;
        if (entry->Removed)
            continue;
        bool taken = false;
        try {
            taken = entry->Proc(msg);
        } catch (...) {
            HandleCurrentException();
        }
        if (taken)
            return;
    }
    // The dialog manager gives forms tab navigation and button accelerators.
    if (msg.hwnd) {
        HWND top = GetAncestor(msg.hwnd, GA_ROOT);
        if (IsFormWindow(top) && IsDialogMessageW(top, &msg))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void TApplication::RunWhenIdle(std::function<void()> action) { m_idleActions.push_back(std::move(action)); }

void TApplication::RunIdleActions()
{
    if (m_idleActions.empty())
        return;
    // Asking whether input waits, rather than peeking, also tells the system
    // that the program now waits for input (what WaitForInputIdle waits for).
    if (MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE) != WAIT_TIMEOUT)
        return;
    // Moved out first: an action may ask for another.
    std::vector<std::function<void()>> due;
    due.swap(m_idleActions);
    for (const auto& action : due)
        Guard(action);
}

bool TApplication::HandleMessage()
{
    RunIdleActions();
    MSG msg;
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
        m_terminated = true;
        PostQuitMessage(int(msg.wParam));
        return false;
    }
    if (got < 0)
        return false;
    DispatchOne(msg);
    return true;
}

bool TApplication::ProcessMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            m_terminated = true;
            PostQuitMessage(int(msg.wParam));
            return false;
        }
        DispatchOne(msg);
    }
    return true;
}

void TApplication::ShowMainFormOnStart()
{
    if (!m_mainForm || !ShowMainForm)
        return;
    m_mainForm->Show();
    // The application window carries the taskbar entry and nothing to see:
    // it shows once the program waits for input, off the way to the first
    // window that answers, or as soon as it is minimized or restored.
    m_applicationWindowDue = true;
    RunWhenIdle([this] { ShowApplicationWindowIfDue(); });
}

void TApplication::ShowApplicationWindowIfDue()
{
    if (!m_applicationWindowDue)
        return;
    m_applicationWindowDue = false;
    if (HWND wnd = Handle(); wnd && !IsWindowVisible(wnd))
        ShowWindow(wnd, SW_SHOWNOACTIVATE);
}

void TApplication::Run()
{
    ShowMainFormOnStart();
    while (!m_terminated && HandleMessage()) {
    }
    m_terminated = true;
    DestroyForms();
}

void TApplication::DestroyForms()
{
    FlushReleasedComponents();
    DestroyComponents();
    FlushReleasedComponents();
}

void TApplication::Terminate()
{
    m_terminated = true;
    PostQuitMessage(0);
}

bool TApplication::IsMinimized() const { return Handle() && ::IsIconic(Handle()); }

void TApplication::Minimize()
{
    ShowApplicationWindowIfDue();
    HWND wnd = Handle();
    if (!wnd || IsIconic(wnd))
        return;
    m_hiddenByMinimize.clear();
    for (TCustomForm* form : m_forms)
        if (form->Visible()) {
            m_hiddenByMinimize.push_back(form->Handle());
            ShowWindow(form->Handle(), SW_HIDE);
        }
    ShowWindow(wnd, SW_MINIMIZE);
}

void TApplication::Restore()
{
    ShowApplicationWindowIfDue();
    HWND wnd = Handle();
    if (!wnd)
        return;
    if (IsIconic(wnd))
        ShowWindow(wnd, SW_RESTORE);
    for (HWND form : m_hiddenByMinimize)
        if (IsWindow(form))
            ShowWindow(form, SW_SHOW);
    m_hiddenByMinimize.clear();
    HandOnFocus();
}

void TApplication::HandOnFocus()
{
    if (IsMinimized())
        return;
    TCustomForm* form = m_activeForm && m_activeForm->Visible() ? m_activeForm : m_mainForm;
    if (!form || !form->Visible())
        return;
    HWND target = form->Handle();
    // A form disabled by a modal one hands on to the modal form, the enabled
    // window it owns.
    if (!IsWindowEnabled(target))
        if (HWND popup = GetLastActivePopup(target); popup && IsWindowEnabled(popup) && IsWindowVisible(popup))
            target = popup;
    SetForegroundWindow(target);
    SetActiveWindow(target);
}

TSubclass TApplication::HookMainWindow(SubclassHandler handler)
{
    Initialize();
    return m_window->TakeOver(std::move(handler));
}

UINT_PTR TApplication::StartTimer(uint32_t milliseconds, std::function<void()> tick)
{
    if (!m_timers)
        m_timers = std::make_unique<TTimerWindow>();
    return m_timers->Start(milliseconds, std::move(tick));
}

void TApplication::StopTimer(UINT_PTR id)
{
    if (m_timers)
        m_timers->Stop(id);
}

HWND TApplication::TimerWindowHandle() const { return m_timers ? m_timers->Handle() : nullptr; }
int TApplication::LiveTimers() const { return m_timers ? m_timers->Count() : 0; }
int TApplication::LiveMessageFilters() const
{
    return int(std::count_if(m_filters.begin(), m_filters.end(), [](const auto& entry) { return !entry->Removed; }));
}

void TApplication::HandleException(const std::exception& error)
{
    std::wstring text = ExceptionText(error);
    if (!text.empty() && text.back() > L'.')
        text += L'.';
    if (OnException) {
        OnException(text);
        return;
    }
    HWND owner = m_activeForm ? m_activeForm->Handle() : (m_mainForm ? m_mainForm->Handle() : Handle());
    ShowMessageBox(owner, text, m_title, MB_OK | MB_ICONERROR);
}

void TApplication::HandleCurrentException()
{
    try {
        throw;
    } catch (const std::exception& e) {
        HandleException(e);
    } catch (...) {
        HandleException(Exception("Unknown error"));
    }
}

void TApplication::Guard(const std::function<void()>& action)
{
    try {
        action();
    } catch (...) {
        HandleCurrentException();
    }
}

LRESULT TApplication::AppWndProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCPAINT:
        // The window has no size: painting its frame would only make the
        // platform fetch a device context and realize the caption font.
        return 0;
    case WM_NCACTIVATE:
        // The activation state changes; -1 asks for no repaint.
        return DefWindowProcW(wnd, message, wParam, -1);
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            Minimize();
            return 0;
        case SC_RESTORE:
            Restore();
            return 0;
        default:
            break;
        }
        break;
    case WM_CLOSE:
        if (m_mainForm)
            m_mainForm->Close();
        return 0;
    case WM_ACTIVATE:
        // Activated by a taskbar click or a restore from the tray: the hidden
        // window must not keep the keyboard focus.
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam))
            PostMessageW(wnd, WM_VENTRO_HANDONFOCUS, 0, 0);
        break;
    case WM_SETFOCUS:
        PostMessageW(wnd, WM_VENTRO_HANDONFOCUS, 0, 0);
        return 0;
    case WM_VENTRO_HANDONFOCUS:
        if (GetActiveWindow() == wnd || GetFocus() == wnd)
            HandOnFocus();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(wnd, message, wParam, lParam);
}

} // namespace ventro
