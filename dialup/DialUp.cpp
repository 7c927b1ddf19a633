// The dial-up connection component.
#include "dialup/DialUp.h"

#include <chrono>
#include <condition_variable>
#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

#include "base/Exception.h"
#include "dialup/DialStatus.h"
#include "platform/Application.h"
#include "platform/Text.h"
#include "platform/Wait.h"

namespace ventro {

// The service's records as the platform's 64-bit headers lay them out. The
// service tells record versions apart by the size field, so these sizes are
// what it is given.
static_assert(sizeof(void*) != 8 || sizeof(RASDIALPARAMSA) == 1068);
static_assert(sizeof(void*) != 8 || sizeof(RASENTRYNAMEA) == 532);
static_assert(sizeof(void*) != 8 || sizeof(RASCONNA) == 708);
static_assert(sizeof(void*) != 8 || sizeof(RASCONNSTATUSA) == 288);
static_assert(sizeof(tagRASDIALPARAMSA::szEntryName) == 257 && sizeof(tagRASDIALPARAMSA::szUserName) == 257
    && sizeof(tagRASDIALPARAMSA::szPassword) == 257);

namespace {

constexpr size_t RecordCount = 100;
constexpr int HangUpRounds = 7;
constexpr UINT StatusMessage = WM_APP + 0x2D1; // posted to the component's hidden window

// The hand-over between the service's thread and the GUI thread, shared by
// all instances: the service's callback carries no context, so it finds its
// component through `dialing`.
struct HandOver {
    std::mutex lock;
    std::condition_variable delivered; // a pending status was taken or dropped
    std::condition_variable left; // a service thread left the callback
    TDialUp* dialing = nullptr;
    HWND window = nullptr; // the dialing component's hidden window
    bool dialUnfinished = false; // the current dial may still call back
    int inCallback = 0; // service threads inside DialNotifier
    uint64_t dials = 0; // dials started so far; the latest is the current one
    // The service's callback carries no context: a thread belongs to the dial
    // that was current when it first called back, so a late status of an
    // earlier dial is not taken for one of the current dial.
    struct ServiceThread {
        DWORD id;
        uint64_t dial;
        KernelHandle handle;
    };
    std::vector<ServiceThread> threads;
    bool pending = false;
    TDialUp* pendingFor = nullptr;
    uint64_t pendingSerial = 0;
    uint64_t pendingDial = 0;
    uint32_t state = 0;
    uint32_t error = 0;
};

bool Ended(const KernelHandle& thread) { return WaitForSingleObject(thread.Get(), 0) == WAIT_OBJECT_0; }

// The dial the calling service thread belongs to, learning it on its first
// call, or on its first after it reported the end of its dial (a service may
// use one thread for several dials).
uint64_t DialOfCallingThread(HandOver& hub)
{
    const DWORD self = GetCurrentThreadId();
    std::erase_if(hub.threads, [&](const HandOver::ServiceThread& t) { return t.id != self && Ended(t.handle); });
    for (auto& t : hub.threads) {
        if (t.id == self) {
            if (t.dial == 0)
                t.dial = hub.dials;
            return t.dial;
        }
    }
    HANDLE handle = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &handle, SYNCHRONIZE, FALSE, 0);
    hub.threads.push_back({ self, hub.dials, KernelHandle(handle) });
    return hub.dials;
}

HandOver& Hub()
{
    static HandOver hub;
    return hub;
}

bool IsAnsiLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte);
}

std::string ToAnsi(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(size_t(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), result.data(), length, nullptr, nullptr);
    return result;
}

std::wstring FromAnsi(const char* text, size_t capacity)
{
    const size_t length = strnlen(text, capacity);
    if (length == 0)
        return {};
    const int wide = MultiByteToWideChar(CP_ACP, 0, text, int(length), nullptr, 0);
    std::wstring result(size_t(wide > 0 ? wide : 0), L'\0');
    if (wide > 0)
        MultiByteToWideChar(CP_ACP, 0, text, int(length), result.data(), wide);
    return result;
}

// Copies a text into a fixed record field, cut to the field's capacity
// without splitting a double-byte character.
template<size_t N>
void CopyAnsi(char (&field)[N], const std::wstring& text)
{
    const std::string ansi = ToAnsi(text);
    const size_t length = AnsiCutLength(ansi, N - 1, IsAnsiLeadByte);
    std::memcpy(field, ansi.data(), length);
    field[length] = '\0';
}

// An exception thrown by a status handler must not cross the hidden window's
// procedure: it goes to the application's standard error report.
void ReportStatusHandlerError(const char* what)
{
    Application().HandleException(Exception(what ? what : "Unknown error"));
}

} // namespace

struct TDialUp::Api {
    decltype(&RasEnumConnectionsA) EnumConnections = nullptr;
    decltype(&RasHangUpA) HangUp = nullptr;
    decltype(&RasGetConnectStatusA) GetConnectStatus = nullptr;
    decltype(&RasEnumEntriesA) EnumEntries = nullptr;
    decltype(&RasGetEntryDialParamsA) GetEntryDialParams = nullptr;
    decltype(&RasGetErrorStringA) GetErrorString = nullptr;
    decltype(&RasDialA) Dial = nullptr;
    decltype(&RasSetEntryDialParamsA) SetEntryDialParams = nullptr;
};

TDialUp::TDialUp(TComponent* owner)
    : TDialUp(owner, L"RASAPI32.DLL")
{
}

TDialUp::TDialUp(TComponent* owner, const std::wstring& libraryName)
    : TComponent(owner)
    , m_langStrList(DefaultLangStrList())
    , m_window(
          [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
              return HandleMessage(message, wParam, lParam, result);
          },
          MessageWindow::Reach::MessagesOnly)
{
    Bind(libraryName);
}

template<typename T>
static bool Resolve(HMODULE module, const char* name, T& entry)
{
    entry = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return entry != nullptr;
}

void TDialUp::Bind(const std::wstring& libraryName)
{
    m_rasLibrary.Reset(LoadLibraryW(libraryName.c_str()));
    if (!m_rasLibrary)
        return;
    auto api = std::make_unique<Api>();
    const HMODULE module = m_rasLibrary.Get();
    const bool complete = Resolve(module, "RasEnumConnectionsA", api->EnumConnections)
        && Resolve(module, "RasHangUpA", api->HangUp)
        && Resolve(module, "RasGetConnectStatusA", api->GetConnectStatus)
        && Resolve(module, "RasEnumEntriesA", api->EnumEntries)
        && Resolve(module, "RasGetEntryDialParamsA", api->GetEntryDialParams)
        && Resolve(module, "RasGetErrorStringA", api->GetErrorString)
        && Resolve(module, "RasDialA", api->Dial)
        && Resolve(module, "RasSetEntryDialParamsA", api->SetEntryDialParams);
    // A library without all eight entry points is not the service: calling
    // through a missing one would crash, so it counts as absent.
    if (!complete) {
        m_rasLibrary.Reset();
        return;
    }
    m_api = std::move(api);
}

TDialUp::~TDialUp()
{
    auto& hub = Hub();
    bool keepLibrary = false;
    {
        std::unique_lock guard(hub.lock);
        if (hub.pendingFor == this) {
            hub.pending = false;
            hub.pendingFor = nullptr;
            ++hub.pendingSerial;
        }
        if (hub.dialing == this) {
            hub.dialing = nullptr;
            hub.window = nullptr;
            // A service thread inside the callback drops its status and
            // leaves; the library must outlive its way back.
            hub.delivered.notify_all();
            hub.left.wait(guard, [&] { return hub.inCallback == 0; });
            // A dial that may still call back, or a thread that called back
            // and still runs (in the library's code, after the final status
            // too), keeps the library loaded for the rest of the process:
            // unloading it under that thread would crash it.
            keepLibrary = hub.dialUnfinished
                || std::any_of(hub.threads.begin(), hub.threads.end(), [](const auto& t) { return !Ended(t.handle); });
            hub.dialUnfinished = false;
            hub.threads.clear();
        }
    }
    hub.delivered.notify_all();
    if (keepLibrary)
        m_rasLibrary.Release();
}

TDialUp* TDialUp::DialingComponent()
{
    std::lock_guard guard(Hub().lock);
    return Hub().dialing;
}

std::wstring TDialUp::ErrorText(uint32_t error) const
{
    if (!RasInstalled())
        return {};
    // The platform documents 512 characters as always enough for its texts.
    char buffer[512] = {};
    if (m_api->GetErrorString(error, buffer, sizeof(buffer)) != 0)
        return std::wstring(SomethingWentWrong);
    return FromAnsi(buffer, sizeof(buffer));
}

const std::vector<std::wstring>& TDialUp::PossibleConnections()
{
    m_entryList.clear();
    if (!RasInstalled())
        return m_entryList;
    std::vector<RASENTRYNAMEA> entries(RecordCount);
    entries[0].dwSize = sizeof(RASENTRYNAMEA);
    DWORD bytes = DWORD(entries.size() * sizeof(RASENTRYNAMEA));
    DWORD count = 0;
    if (m_api->EnumEntries(nullptr, nullptr, entries.data(), &bytes, &count) == 0 && count > 0) {
        for (size_t i = 0; i < count && i < entries.size(); ++i)
            m_entryList.push_back(FromAnsi(entries[i].szEntryName, sizeof(entries[i].szEntryName)));
    }
    return m_entryList;
}

std::wstring TDialUp::CurrentConnection() const
{
    std::wstring result;
    if (!RasInstalled())
        return result;
    std::vector<RASCONNA> connections(RecordCount);
    connections[0].dwSize = sizeof(RASCONNA);
    DWORD bytes = DWORD(connections.size() * sizeof(RASCONNA));
    DWORD count = 0;
    if (m_api->EnumConnections(connections.data(), &bytes, &count) != 0)
        return result;
    for (size_t i = 0; i < count && i < connections.size(); ++i) {
        // A fresh record per query: a failed query must not leave the
        // previous connection's state behind.
        RASCONNSTATUSA status {};
        status.dwSize = sizeof(RASCONNSTATUSA);
        if (m_api->GetConnectStatus(connections[i].hrasconn, &status) == 0 && status.rasconnstate == RASCS_Connected)
            result = FromAnsi(connections[i].szEntryName, sizeof(connections[i].szEntryName));
    }
    return result;
}

void TDialUp::HangUp()
{
    if (!RasInstalled())
        return;
    std::vector<RASCONNA> connections(RecordCount);
    for (int round = 0; round < HangUpRounds; ++round) {
        std::fill(connections.begin(), connections.end(), tagRASCONNA {});
        connections[0].dwSize = sizeof(RASCONNA);
        DWORD bytes = DWORD(connections.size() * sizeof(RASCONNA));
        DWORD count = 0;
        if (m_api->EnumConnections(connections.data(), &bytes, &count) == 0) {
            for (size_t i = 0; i < count && i < connections.size(); ++i)
                m_api->HangUp(connections[i].hrasconn);
        }
        ProcessMessages();
    }
}

std::wstring TDialUp::StepFailureText(size_t line, DWORD code) const
{
    if (line < m_langStrList.size())
        return LangLine(m_langStrList, line, m_connectTo);
    return ErrorText(code);
}

bool TDialUp::Dial()
{
    if (!RasInstalled())
        return false;
    std::wstring failure;
    try {
        HangUp();
        RASDIALPARAMSA params {};
        params.dwSize = sizeof(RASDIALPARAMSA);
        CopyAnsi(params.szEntryName, m_connectTo);
        BOOL passwordSaved = FALSE;
        DWORD rc = m_api->GetEntryDialParams(nullptr, &params, &passwordSaved);
        if (rc != 0) {
            HangUp();
            failure = StepFailureText(28, rc);
        } else {
            params.dwSize = sizeof(RASDIALPARAMSA);
            CopyAnsi(params.szUserName, m_username);
            CopyAnsi(params.szPassword, m_password);
            rc = m_api->SetEntryDialParams(nullptr, &params, FALSE);
            if (rc != 0) {
                HangUp();
                failure = StepFailureText(29, rc);
            } else {
                auto& hub = Hub();
                {
                    std::lock_guard guard(hub.lock);
                    hub.dialing = this;
                    hub.window = m_window.Handle();
                    hub.dialUnfinished = true;
                    // A status still waiting belongs to an earlier dial: it
                    // is dropped, as is anything that dial reports from now on.
                    hub.pending = false;
                    hub.pendingFor = nullptr;
                    ++hub.pendingSerial;
                    m_lastDial = ++hub.dials;
                }
                hub.delivered.notify_all();
                HRASCONN connection = nullptr;
                rc = m_api->Dial(nullptr, nullptr, &params, 0, reinterpret_cast<LPVOID>(&DialNotifier), &connection);
                SecureZeroMemory(&params, sizeof(params));
                if (rc == 0)
                    return true;
                {
                    std::lock_guard guard(hub.lock);
                    if (hub.dialing == this)
                        hub.dialUnfinished = false;
                }
                // A refused dial may still have allocated a connection.
                if (connection)
                    m_api->HangUp(connection);
                failure = ErrorText(rc);
                HangUp();
            }
        }
        SecureZeroMemory(&params, sizeof(params));
    } catch (const std::exception& e) {
        HangUp();
        failure = ExceptionText(e);
    }
    if (m_onStatusEvent)
        m_onStatusEvent(this, failure, true);
    return false;
}

void WINAPI TDialUp::DialNotifier(UINT, RASCONNSTATE state, DWORD error)
{
    auto& hub = Hub();
    std::unique_lock guard(hub.lock);
    // Counted in and out under the lock, so that a component going away
    // waits until this thread has left.
    struct Inside {
        HandOver& hub;
        explicit Inside(HandOver& h) : hub(h) { ++hub.inCallback; }
        ~Inside()
        {
            --hub.inCallback;
            hub.left.notify_all();
        }
    } inside(hub);
    const uint64_t dial = DialOfCallingThread(hub);
    // One status waits at a time: sleep until the GUI thread has taken the
    // previous one, or until the component goes away and the status is dropped.
    // A status of a dial that a newer one has replaced is dropped.
    for (;;) {
        if (!hub.dialing || dial != hub.dials)
            return;
        if (!hub.pending)
            break;
        hub.delivered.wait_for(guard, std::chrono::milliseconds(100));
    }
    if (IsFinalStatus(uint32_t(state), error)) {
        hub.dialUnfinished = false;
        for (auto& t : hub.threads)
            if (t.id == GetCurrentThreadId())
                t.dial = 0;
    }
    hub.pending = true;
    hub.pendingFor = hub.dialing;
    ++hub.pendingSerial;
    hub.pendingDial = dial;
    hub.state = uint32_t(state);
    hub.error = error;
    if (!PostMessageW(hub.window, StatusMessage, 0, 0)) {
        // The window is gone or its queue is full: the status cannot arrive.
        hub.pending = false;
        hub.pendingFor = nullptr;
    }
}

bool TDialUp::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT& result)
{
    if (message != StatusMessage)
        return false;
    DeliverStatus();
    result = 0;
    return true;
}

void TDialUp::DeliverStatus()
{
    auto& hub = Hub();
    uint32_t state = 0;
    uint32_t error = 0;
    uint64_t serial = 0;
    {
        std::lock_guard guard(hub.lock);
        if (!hub.pending || hub.pendingFor != this)
            return;
        state = hub.state;
        error = hub.error;
        serial = hub.pendingSerial;
        m_statusDial = hub.pendingDial;
        m_statusState = state;
        m_statusError = error;
    }
    // The handler may destroy this component; nothing below touches it after the call.
    try {
        if (m_onStatusEvent) {
            const StatusChoice status = StatusText(m_langStrList, m_connectTo, state, error,
                [this](uint32_t code) { return ErrorText(code); });
            m_onStatusEvent(this, status.text, status.error);
        }
    } catch (const std::exception& e) {
        ReportStatusHandlerError(e.what());
    } catch (...) {
        ReportStatusHandlerError(nullptr);
    }
    {
        std::lock_guard guard(hub.lock);
        if (hub.pending && hub.pendingSerial == serial) {
            hub.pending = false;
            hub.pendingFor = nullptr;
        }
    }
    hub.delivered.notify_all();
}

} // namespace ventro
