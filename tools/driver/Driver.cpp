// End-to-end test driver.
#include "tools/driver/Driver.h"

#include <shellapi.h>

#include <cstdio>
#include <thread>

namespace ventro::driver {

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

static void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring full = path + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

TempFolder::TempFolder()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    m_path = std::wstring(temp) + L"ventro-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter)
        + L"-" + std::to_wstring(GetTickCount64());
    CreateDirectoryW(m_path.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(m_path); }

static std::wstring FolderOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

AppProcess::AppProcess(const std::wstring& folder, const std::vector<std::wstring>& environment)
{
    std::wstring source = VENTRO_APP_EXE;
    std::wstring exe = folder + L"\\VentroADSL.exe";
    CopyFileW(source.c_str(), exe.c_str(), FALSE);
    std::wstring ras = FolderOf(source) + L"\\rasapi32.dll";
    if (GetFileAttributesW(ras.c_str()) != INVALID_FILE_ATTRIBUTES)
        CopyFileW(ras.c_str(), (folder + L"\\rasapi32.dll").c_str(), FALSE);

    // The child's environment: ours plus the additions.
    std::wstring block;
    wchar_t* env = GetEnvironmentStringsW();
    for (const wchar_t* p = env; *p; p += wcslen(p) + 1)
        block.append(p).push_back(L'\0');
    FreeEnvironmentStringsW(env);
    for (const auto& entry : environment)
        block.append(entry).push_back(L'\0');
    block.push_back(L'\0');

    // Wine now and then refuses to create a process (error 1359, about once in
    // a few thousand starts); a refusal is retried and told, so that it never
    // passes for a program that did not show its window.
    for (int attempt = 0; attempt < 3; ++attempt) {
        STARTUPINFOW startup { sizeof(startup) };
        std::wstring commandLine = L"\"" + exe + L"\"";
        if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                block.data(), folder.c_str(), &startup, &m_info))
            break;
        m_startErrors.push_back(GetLastError());
        std::fwprintf(stderr, L"driver: starting %ls failed with error %lu\n", exe.c_str(), m_startErrors.back());
        m_info = {};
        Sleep(200);
    }
    if (m_info.hProcess)
        WaitForInputIdle(m_info.hProcess, 10000);
}

AppProcess::~AppProcess()
{
    if (m_info.hProcess) {
        if (Running()) {
            TerminateProcess(m_info.hProcess, 1);
            WaitForSingleObject(m_info.hProcess, 5000);
        }
        CloseHandle(m_info.hProcess);
        CloseHandle(m_info.hThread);
    }
}

bool AppProcess::Running() const
{
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD AppProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

std::vector<HWND> AppProcess::TopLevelWindows() const
{
    struct Search {
        DWORD Pid;
        std::vector<HWND> Found;
    } search { m_info.dwProcessId, {} };
    EnumWindows(
        [](HWND wnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(wnd, &pid);
            if (pid == s->Pid)
                s->Found.push_back(wnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND AppProcess::WaitForWindow(const std::wstring& caption, std::chrono::milliseconds timeout) const
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND wnd : TopLevelWindows())
                if (IsWindowVisible(wnd) && TextOf(wnd) == caption && ClassOf(wnd) == L"VentroForm") {
                    found = wnd;
                    return true;
                }
            return !Running();
        },
        timeout);
    return found;
}

std::wstring AppProcess::Describe() const
{
    std::wstring text;
    for (DWORD error : m_startErrors)
        text += L"a start failed with error " + std::to_wstring(error) + L"; ";
    if (!m_info.hProcess)
        return text + L"the program never started";
    if (!Running()) {
        wchar_t code[16];
        std::swprintf(code, 16, L"0x%08lX", ExitCode());
        return text + L"the program ended with exit code " + code;
    }
    text += L"the program runs; its top-level windows:";
    for (HWND wnd : TopLevelWindows())
        text += L" [" + ClassOf(wnd) + L" \"" + TextOf(wnd) + L"\"" + (IsWindowVisible(wnd) ? L" visible]" : L" hidden]");
    return text;
}

MessageBoxInfo AppProcess::FindMessageBox() const
{
    for (HWND wnd : TopLevelWindows()) {
        if (!IsWindowVisible(wnd) || ClassOf(wnd) != L"#32770")
            continue;
        MessageBoxInfo info { wnd, TextOf(wnd), {} };
        for (HWND child = GetWindow(wnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (ClassOf(child) == L"Static" || ClassOf(child) == L"STATIC") {
                std::wstring text = TextOf(child);
                if (text.size() > info.Text.size())
                    info.Text = text;
            }
        }
        return info;
    }
    return {};
}

MessageBoxInfo AppProcess::WaitForMessageBox(std::chrono::milliseconds timeout) const
{
    MessageBoxInfo info;
    WaitUntil([&] { return (info = FindMessageBox()).Window != nullptr; }, timeout);
    return info;
}

bool AppProcess::Close(std::chrono::milliseconds timeout)
{
    for (HWND wnd : TopLevelWindows())
        if (ClassOf(wnd) == L"VentroForm")
            PostMessageW(wnd, WM_CLOSE, 0, 0);
    return WaitForSingleObject(m_info.hProcess, DWORD(timeout.count())) == WAIT_OBJECT_0;
}

HWND FindControl(HWND top, int id)
{
    struct Search {
        int Id;
        HWND Found;
    } search { id, nullptr };
    EnumChildWindows(
        top,
        [](HWND wnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (GetDlgCtrlID(wnd) == s->Id) {
                s->Found = wnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

std::wstring TextOf(HWND wnd)
{
    DWORD_PTR length = 0;
    SendMessageTimeoutW(wnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(size_t(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(wnd, WM_GETTEXT, WPARAM(text.size()), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(size_t(copied));
    return text;
}

void SetTextOf(HWND wnd, const std::wstring& text)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000, &result);
}

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void TypeChars(HWND wnd, const std::wstring& chars)
{
    for (wchar_t c : chars)
        PostMessageW(wnd, WM_CHAR, WPARAM(c), 1);
}

bool IsChecked(HWND checkBox)
{
    DWORD_PTR state = 0;
    SendMessageTimeoutW(checkBox, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
    return state == BST_CHECKED;
}

void PressOk(const MessageBoxInfo& box)
{
    if (box.Window)
        PostMessageW(box.Window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

RECT RectInClient(HWND top, HWND control)
{
    RECT r {};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring ClassOf(HWND wnd)
{
    wchar_t name[256] {};
    GetClassNameW(wnd, name, 256);
    return name;
}

std::wstring ReadIni(const std::wstring& path, const std::wstring& key, size_t bufferSize)
{
    std::wstring buffer(bufferSize, L'\0');
    DWORD n = GetPrivateProfileStringW(L"Main", key.c_str(), L"", buffer.data(), DWORD(bufferSize), path.c_str());
    buffer.resize(n);
    return buffer;
}

} // namespace ventro::driver
