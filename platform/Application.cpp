// The application object and its hidden window.
#include "platform/Application.h"

#include <algorithm>

#include "base/Exception.h"
#include "platform/Form.h"
#include "platform/Text.h"

namespace ventro {

TApplication& Application()
{
    static TApplication* application = new TApplication(); // lives until the process ends
    return *application;
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
    DestroyComponents();
    if (m_wnd)
        DestroyWindow(m_wnd);
}

void TApplication::Initialize()
{
    if (m_wnd)
        return;
    WNDCLASSEXW wc { sizeof(wc) };
    wc.lpfnWndProc = &TApplication::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VentroApplication";
    RegisterClassExW(&wc);
    int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    m_wnd = CreateWindowExW(0, L"VentroApplication", m_title.c_str(),
        WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0,
        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void TApplication::SetTitle(std::wstring title)
{
    m_title = std::move(title);
    if (m_wnd)
        SetWindowTextW(m_wnd, m_title.c_str());
}

void TApplication::RegisterForm(TForm* form) { m_forms.push_back(form); }

void TApplication::UnregisterForm(TForm* form)
{
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), form), m_forms.end());
    if (m_mainForm == form)
        m_mainForm = nullptr;
    if (m_activeForm == form)
        m_activeForm = nullptr;
}

void TApplication::FormActivated(TForm* form)
{
    if (m_activeForm == form)
        return;
    m_activeForm = form;
    if (form->OnActivate)
        Guard(form->OnActivate);
}

bool TApplication::HandleMessage()
{
    MSG msg;
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
        m_terminated = true;
        PostQuitMessage(int(msg.wParam));
        return false;
    }
    // The dialog manager gives forms tab navigation and button accelerators.
    HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    bool isForm = false;
    for (TForm* form : m_forms)
        if (form->Handle() == top)
            isForm = true;
    if (isForm && IsDialogMessageW(top, &msg))
        return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

bool TApplication::ProcessMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT) {
            m_terminated = true;
            return false;
        }
        if (!HandleMessage())
            return false;
    }
    return true;
}

void TApplication::Run()
{
    if (m_mainForm) {
        if (m_wnd)
            ShowWindow(m_wnd, SW_SHOWNOACTIVATE);
        m_mainForm->Show();
    }
    while (!m_terminated && HandleMessage()) {
    }
    m_terminated = true;
}

void TApplication::Terminate()
{
    m_terminated = true;
    PostQuitMessage(0);
}

void TApplication::Minimize()
{
    if (!m_wnd || IsIconic(m_wnd))
        return;
    m_hiddenByMinimize.clear();
    for (TForm* form : m_forms)
        if (form->Visible()) {
            m_hiddenByMinimize.push_back(form->Handle());
            ShowWindow(form->Handle(), SW_HIDE);
        }
    ShowWindow(m_wnd, SW_MINIMIZE);
}

void TApplication::Restore()
{
    if (!m_wnd)
        return;
    if (IsIconic(m_wnd))
        ShowWindow(m_wnd, SW_RESTORE);
    for (HWND wnd : m_hiddenByMinimize)
        if (IsWindow(wnd))
            ShowWindow(wnd, SW_SHOW);
    m_hiddenByMinimize.clear();
    if (m_mainForm && m_mainForm->Visible())
        SetForegroundWindow(m_mainForm->Handle());
}

int TApplication::HookMainWindow(Hook hook)
{
    int id = m_nextHookId++;
    m_hooks.emplace_back(id, std::move(hook));
    return id;
}

void TApplication::UnhookMainWindow(int id)
{
    m_hooks.erase(std::remove_if(m_hooks.begin(), m_hooks.end(), [id](const auto& h) { return h.first == id; }), m_hooks.end());
}

void TApplication::HandleException(const std::exception& error)
{
    std::wstring text = Utf8ToWide(error.what());
    if (!text.empty() && text.back() > L'.')
        text += L'.';
    if (OnException) {
        OnException(text);
        return;
    }
    HWND owner = m_activeForm ? m_activeForm->Handle() : (m_mainForm ? m_mainForm->Handle() : m_wnd);
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

LRESULT CALLBACK TApplication::WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    TApplication& app = Application();
    if (app.m_wnd != wnd && app.m_wnd != nullptr)
        return DefWindowProcW(wnd, message, wParam, lParam);
    try {
        return app.m_wnd ? app.AppWndProc(message, wParam, lParam) : DefWindowProcW(wnd, message, wParam, lParam);
    } catch (...) {
        app.HandleCurrentException();
        return 0;
    }
}

LRESULT TApplication::AppWndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Hooks see every message first; a copy, because a hook may unhook itself.
    for (auto& [id, hook] : std::vector<std::pair<int, Hook>>(m_hooks)) {
        LRESULT result = 0;
        if (hook(message, wParam, lParam, result))
            return result;
    }
    switch (message) {
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
    case WM_ACTIVATEAPP:
        break;
    default:
        break;
    }
    return DefWindowProcW(m_wnd, message, wParam, lParam);
}

} // namespace ventro
