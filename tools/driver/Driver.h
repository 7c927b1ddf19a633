// A driver for end-to-end tests: starts VentroADSL.exe from a folder of its
// own (where its Config.ini lives), finds its windows and controls, types,
// clicks, reads texts and message boxes, and closes it.
#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace ventro::driver {

struct MessageBoxInfo {
    HWND Window = nullptr;
    std::wstring Caption;
    std::wstring Text;
};

// Polls `condition` until it holds or `timeout` passes; true when it held.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(10));

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

class AppProcess {
public:
    // Copies the program (and the dial-up service stand-in, when built) into
    // `folder` and starts it there with `environment` added ("NAME=value").
    AppProcess(const std::wstring& folder, const std::vector<std::wstring>& environment = {});
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    DWORD ProcessId() const { return m_info.dwProcessId; }
    bool Running() const;
    // Asks the main window to close and waits for the process to end.
    bool Close(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    DWORD ExitCode() const;

    // A visible top-level window of the program with this caption; null when
    // none came within `timeout` or the program ended.
    HWND WaitForWindow(const std::wstring& caption, std::chrono::milliseconds timeout = std::chrono::seconds(15)) const;
    // The program's message box, if one is open.
    MessageBoxInfo FindMessageBox() const;
    MessageBoxInfo WaitForMessageBox(std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    // Every top-level window of the process (visible or not).
    std::vector<HWND> TopLevelWindows() const;
    // For a failure message: how the start went, the exit code of an ended
    // program, or the windows of a running one.
    std::wstring Describe() const;

private:
    PROCESS_INFORMATION m_info {};
    std::vector<DWORD> m_startErrors;
};

// Controls of another process's window, by identifier, at any depth.
HWND FindControl(HWND top, int id);
std::wstring TextOf(HWND wnd);
void SetTextOf(HWND wnd, const std::wstring& text);
// Posts a click, so a handler that opens a modal window does not block us.
void Click(HWND button);
void TypeChars(HWND wnd, const std::wstring& chars);
bool IsChecked(HWND checkBox);
void PressOk(const MessageBoxInfo& box);
// A control's rectangle relative to the client area of `top`.
RECT RectInClient(HWND top, HWND control);
std::wstring ClassOf(HWND wnd);

// Reads a key of section "Main" of an INI file as the program would.
std::wstring ReadIni(const std::wstring& path, const std::wstring& key, size_t bufferSize = 4096);

} // namespace ventro::driver
