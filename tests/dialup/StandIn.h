// Test helpers around the stand-in service: a fresh phonebook file per test,
// its test hooks, and message-processing waits.
#pragma once
#include <windows.h>
#include <ras.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialup/DialUp.h"
#include "platform/Handles.h"
#include "platform/Wait.h"

namespace ventro::test {

inline std::string Ansi(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// Processes messages until `done` holds or the time is up; returns `done()`.
// Conditions that change on other threads are checked every few milliseconds.
inline bool WaitUntil(const std::function<bool()>& done, uint64_t milliseconds = 10000)
{
    const uint64_t start = GetTickCount64();
    while (!done()) {
        if (GetTickCount64() - start >= milliseconds)
            return false;
        WaitProcessingMessages(5);
    }
    return true;
}

struct Status {
    TDialUp* sender;
    std::wstring text;
    bool error;
};

// The stand-in loaded by the test itself, so that its hooks can be called.
class StandInTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static int serial = 0;
        wchar_t dir[MAX_PATH];
        GetTempPathW(MAX_PATH, dir);
        m_path = std::wstring(dir) + L"ventro-dialup-" + std::to_wstring(GetCurrentProcessId()) + L"-"
            + std::to_wstring(++serial) + L".pbk";
        SetEnvironmentVariableW(L"RASSIM_PHONEBOOK", m_path.c_str());
        m_sim.Reset(LoadLibraryW(L"rasapi32.dll"));
        ASSERT_TRUE(m_sim);
        m_openHandles = Proc<DWORD(WINAPI*)()>("RasSimOpenHandles");
        m_enumCalls = Proc<DWORD(WINAPI*)()>("RasSimEnumConnectionsCalls");
        m_notifyTimes = Proc<DWORD(WINAPI*)(LONGLONG*, DWORD)>("RasSimNotifyTimes");
        ASSERT_TRUE(m_openHandles && m_enumCalls && m_notifyTimes) << "the stand-in is not the loaded rasapi32.dll";
        HangUpEverything();
    }

    void TearDown() override
    {
        if (m_sim)
            HangUpEverything();
        DeleteFileW(m_path.c_str());
    }

    template<typename T>
    T Proc(const char* name)
    {
        return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(m_sim.Get(), name)));
    }

    // Writes the phonebook in the ANSI code page, as the service keeps it.
    void WritePhonebook(const std::wstring& text)
    {
        const std::string bytes = Ansi(text);
        KernelHandle file { CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr) };
        ASSERT_TRUE(file);
        DWORD written = 0;
        WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr);
    }

    std::string ReadPhonebook() const
    {
        KernelHandle file { CreateFileW(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr) };
        std::string bytes(1 << 20, '\0');
        DWORD read = 0;
        if (file)
            ReadFile(file.Get(), bytes.data(), DWORD(bytes.size()), &read, nullptr);
        bytes.resize(read);
        return bytes;
    }

    // Dials through the service directly and synchronously (no notifier).
    DWORD DialDirectly(const std::wstring& entry, const std::wstring& user = L"", const std::wstring& password = L"")
    {
        auto dial = Proc<decltype(&RasDialA)>("RasDialA");
        RASDIALPARAMSA params {};
        params.dwSize = sizeof(params);
        lstrcpynA(params.szEntryName, Ansi(entry).c_str(), sizeof(params.szEntryName));
        lstrcpynA(params.szUserName, Ansi(user).c_str(), sizeof(params.szUserName));
        lstrcpynA(params.szPassword, Ansi(password).c_str(), sizeof(params.szPassword));
        HRASCONN connection = nullptr;
        return dial(nullptr, nullptr, &params, 0, nullptr, &connection);
    }

    void HangUpEverything()
    {
        auto enumerate = Proc<decltype(&RasEnumConnectionsA)>("RasEnumConnectionsA");
        auto hangUp = Proc<decltype(&RasHangUpA)>("RasHangUpA");
        std::vector<RASCONNA> connections(100);
        connections[0].dwSize = sizeof(RASCONNA);
        DWORD bytes = DWORD(connections.size() * sizeof(RASCONNA));
        DWORD count = 0;
        if (enumerate(connections.data(), &bytes, &count) == 0) {
            for (DWORD i = 0; i < count; ++i)
                hangUp(connections[i].hrasconn);
        }
    }

    std::vector<LONGLONG> NotifyTimes()
    {
        std::vector<LONGLONG> times(m_notifyTimes(nullptr, 0));
        times.resize(m_notifyTimes(times.data(), DWORD(times.size())));
        return times;
    }

    // Records every status of `dialUp`.
    void Record(TDialUp& dialUp)
    {
        dialUp.SetOnStatusEvent([this](TDialUp* sender, const std::wstring& text, bool error) {
            m_statuses.push_back({ sender, text, error });
        });
    }

    std::wstring m_path;
    ModuleHandle m_sim;
    DWORD(WINAPI* m_openHandles)() = nullptr;
    DWORD(WINAPI* m_enumCalls)() = nullptr;
    DWORD(WINAPI* m_notifyTimes)(LONGLONG*, DWORD) = nullptr;
    std::vector<Status> m_statuses;
};

} // namespace ventro::test
