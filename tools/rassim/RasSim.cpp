// The Remote Access Service stand-in: the eight ANSI entry points the dialer
// binds, over a phonebook text file, with dials played on a thread of their
// own. Wine loads it from beside the executable in place of its empty one.
#include <windows.h>
#include <ras.h>
#include <raserror.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Handles.h"
#include "tools/rassim/Phonebook.h"

using namespace ventro;
using namespace ventro::rassim;

namespace {

HMODULE g_module = nullptr;

// Older headers name it ERROR_PROJECTION_NOT_COMPLETE; the platform still reports it.
constexpr DWORD ProjectionNotComplete = 730;

struct Connection {
    HRASCONN handle = nullptr;
    std::string entryName;
    std::string phonebook;
    std::string phoneNumber;
    std::string ipAddress;
    uint32_t state = RASCS_OpenPort;
    uint32_t error = 0;
    bool listed = true; // a refused dial has a handle but no listed connection
    bool hungUp = false;
    KernelHandle hangUpEvent { CreateEventW(nullptr, TRUE, FALSE, nullptr) };
};

// Everything below is guarded by g_lock, also the phonebook file.
std::mutex g_lock;
std::vector<std::shared_ptr<Connection>> g_connections; // in dial order
uintptr_t g_nextHandle = 0x5A000;
DWORD g_enumConnectionsCalls = 0;
std::vector<LONGLONG> g_notifyTimes; // of the latest dial, for latency measurements

std::wstring PhonebookPath(LPCSTR given)
{
    if (given && *given) {
        std::wstring wide(MAX_PATH, L'\0');
        const int n = MultiByteToWideChar(CP_ACP, 0, given, -1, wide.data(), MAX_PATH);
        wide.resize(n > 0 ? size_t(n - 1) : 0);
        return wide;
    }
    wchar_t buffer[MAX_PATH * 2];
    const DWORD n = GetEnvironmentVariableW(L"RASSIM_PHONEBOOK", buffer, DWORD(std::size(buffer)));
    if (n > 0 && n < std::size(buffer))
        return buffer;
    const DWORD length = GetModuleFileNameW(g_module, buffer, DWORD(std::size(buffer)));
    std::wstring path(buffer, length);
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + L"rasphone.pbk";
}

std::string ToAnsiPath(const std::wstring& path)
{
    char buffer[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, buffer, int(sizeof(buffer) - 1), nullptr, nullptr);
    return buffer;
}

// A missing file reads as an empty phonebook.
Phonebook LoadPhonebook(const std::wstring& path)
{
    KernelHandle file { CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr) };
    if (!file)
        return {};
    LARGE_INTEGER size {};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > 64 * 1024 * 1024)
        return {};
    std::string bytes(size_t(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.Get(), bytes.data(), DWORD(bytes.size()), &read, nullptr))
        return {};
    bytes.resize(read);
    return ParsePhonebook(bytes);
}

bool SavePhonebook(const std::wstring& path, const Phonebook& book)
{
    const std::string bytes = WritePhonebook(book);
    KernelHandle file { CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
        FILE_ATTRIBUTE_NORMAL, nullptr) };
    DWORD written = 0;
    return file && WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
}

// Copies into a fixed record field, cut to its capacity on a character boundary.
template<size_t N>
void CopyField(char (&field)[N], std::string_view text)
{
    size_t length = 0;
    while (length < text.size()) {
        const size_t width = IsDBCSLeadByte(BYTE(text[length])) && length + 1 < text.size() ? 2 : 1;
        if (length + width > N - 1)
            break;
        length += width;
    }
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

template<size_t N>
std::string FieldText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

std::shared_ptr<Connection> FindConnection(HRASCONN handle)
{
    for (const auto& connection : g_connections) {
        if (connection->handle == handle)
            return connection;
    }
    return nullptr;
}

struct DialJob {
    std::shared_ptr<Connection> connection;
    std::vector<DialStep> steps;
    uint32_t stepDelayMs = 0;
    RASDIALFUNC notifier = nullptr;
};

// Plays the steps, stopping early when the connection is hung up. Returns the
// error the dial ended with.
DWORD Play(const DialJob& job)
{
    Connection& connection = *job.connection;
    DWORD result = 0;
    for (const DialStep& step : job.steps) {
        if (job.stepDelayMs > 0 && WaitForSingleObject(connection.hangUpEvent.Get(), job.stepDelayMs) == WAIT_OBJECT_0)
            return ERROR_USER_DISCONNECTION;
        {
            std::lock_guard guard(g_lock);
            if (connection.hungUp)
                return ERROR_USER_DISCONNECTION;
            connection.state = step.state;
            connection.error = step.error;
            LARGE_INTEGER now;
            QueryPerformanceCounter(&now);
            g_notifyTimes.push_back(now.QuadPart);
        }
        if (job.notifier)
            job.notifier(WM_RASDIALEVENT, static_cast<RASCONNSTATE>(step.state), step.error);
        result = step.error;
    }
    return result;
}

DWORD WINAPI DialThread(void* parameter)
{
    std::unique_ptr<DialJob> job(static_cast<DialJob*>(parameter));
    Play(*job);
    job.reset();
    // The thread holds its own reference to this library, so the caller may
    // free it while a dial still runs.
    FreeLibraryAndExitThread(g_module, 0);
}

struct ErrorTextEntry {
    DWORD code;
    const char* text;
};

// The platform's English texts for the codes the stand-in reports.
constexpr ErrorTextEntry ErrorTexts[] = {
    { ERROR_INVALID_HANDLE, "The handle is invalid." },
    { ERROR_INVALID_PARAMETER, "The parameter is incorrect." },
    { ERROR_BUFFER_TOO_SMALL, "The caller's buffer is too small." },
    { ERROR_PORT_NOT_CONNECTED, "A connection to the remote computer could not be established, so the port used for this connection was closed." },
    { ERROR_CANNOT_OPEN_PHONEBOOK, "The system could not open the phone book file." },
    { ERROR_CANNOT_FIND_PHONEBOOK_ENTRY, "The system could not find the phone book entry for this connection." },
    { ERROR_CANNOT_WRITE_PHONEBOOK, "The system could not update the phone book file." },
    { ERROR_REMOTE_DISCONNECTION, "The connection was closed by the remote computer." },
    { ERROR_HARDWARE_FAILURE, "The connection was closed because the modem (or other connecting device) on your computer has experienced a hardware failure." },
    { ERROR_USER_DISCONNECTION, "The connection was closed by the user." },
    { ERROR_INVALID_SIZE, "An incorrect structure size was detected." },
    { ERROR_PORT_NOT_AVAILABLE, "The modem (or other connecting device) is already in use or is not configured properly." },
    { ERROR_FROM_DEVICE, "The modem (or other connecting device) has reported an error." },
    { ERROR_NO_CONNECTION, "The connection was terminated." },
    { ERROR_LINE_BUSY, "The phone line is busy." },
    { ERROR_NO_ANSWER, "The remote computer did not respond." },
    { ERROR_NO_CARRIER, "There was no carrier." },
    { ERROR_NO_DIALTONE, "There is no dial tone." },
    { ERROR_AUTHENTICATION_FAILURE, "Access was denied because the username and/or password was invalid on the domain." },
    { ERROR_PPP_TIMEOUT, "The connection was terminated because the remote computer did not respond in a timely manner." },
    { ERROR_PPP_LCP_TERMINATED, "The PPP link control protocol was terminated." },
    { ProjectionNotComplete, "The connection is not yet complete." },
    { ERROR_PROTOCOL_NOT_CONFIGURED, "The protocol is not configured." },
};

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" {

DWORD WINAPI RasEnumEntriesA(LPCSTR reserved, LPCSTR phonebook, LPRASENTRYNAMEA entries, LPDWORD bytes, LPDWORD count)
{
    if (reserved)
        return ERROR_NOT_SUPPORTED;
    if (!bytes || !count)
        return ERROR_INVALID_PARAMETER;
    const DWORD stride = entries ? entries->dwSize : DWORD(sizeof(RASENTRYNAMEA));
    if (stride != 264 && stride != sizeof(RASENTRYNAMEA))
        return ERROR_INVALID_SIZE;
    std::lock_guard guard(g_lock);
    const std::wstring path = PhonebookPath(phonebook);
    const Phonebook book = LoadPhonebook(path);
    const DWORD needed = DWORD(book.entries.size()) * stride;
    *count = DWORD(book.entries.size());
    if (!entries || *bytes < needed) {
        *bytes = needed;
        return ERROR_BUFFER_TOO_SMALL;
    }
    const std::string ansiPath = ToAnsiPath(path);
    auto* base = reinterpret_cast<BYTE*>(entries);
    for (size_t i = 0; i < book.entries.size(); ++i) {
        auto* record = reinterpret_cast<RASENTRYNAMEA*>(base + i * stride);
        std::memset(record, 0, stride);
        record->dwSize = stride;
        CopyField(record->szEntryName, book.entries[i].name);
        if (stride == sizeof(RASENTRYNAMEA))
            CopyField(record->szPhonebookPath, ansiPath);
    }
    *bytes = needed;
    return 0;
}

static bool ValidDialParamsSize(DWORD size)
{
    return size == 1052 || size == sizeof(RASDIALPARAMSA);
}

DWORD WINAPI RasGetEntryDialParamsA(LPCSTR phonebook, LPRASDIALPARAMSA params, LPBOOL passwordSaved)
{
    if (!params || !passwordSaved)
        return ERROR_INVALID_PARAMETER;
    if (!ValidDialParamsSize(params->dwSize))
        return ERROR_INVALID_SIZE;
    std::lock_guard guard(g_lock);
    const Phonebook book = LoadPhonebook(PhonebookPath(phonebook));
    const PhonebookEntry* entry = book.Find(FieldText(params->szEntryName));
    if (!entry)
        return ERROR_CANNOT_FIND_PHONEBOOK_ENTRY;
    const std::string* user = entry->Find(Key::UserName);
    const std::string* password = entry->Find(Key::Password);
    const std::string* phone = entry->Find(Key::PhoneNumber);
    CopyField(params->szPhoneNumber, phone ? *phone : "");
    CopyField(params->szCallbackNumber, "");
    CopyField(params->szUserName, user ? *user : "");
    CopyField(params->szPassword, password ? *password : "");
    CopyField(params->szDomain, "");
    *passwordSaved = password != nullptr;
    return 0;
}

DWORD WINAPI RasSetEntryDialParamsA(LPCSTR phonebook, LPRASDIALPARAMSA params, BOOL removePassword)
{
    if (!params)
        return ERROR_INVALID_PARAMETER;
    if (!ValidDialParamsSize(params->dwSize))
        return ERROR_INVALID_SIZE;
    std::lock_guard guard(g_lock);
    const std::wstring path = PhonebookPath(phonebook);
    Phonebook book = LoadPhonebook(path);
    PhonebookEntry* entry = book.Find(FieldText(params->szEntryName));
    if (!entry)
        return ERROR_CANNOT_FIND_PHONEBOOK_ENTRY;
    entry->Set(Key::UserName, FieldText(params->szUserName));
    if (removePassword)
        entry->Remove(Key::Password);
    else
        entry->Set(Key::Password, FieldText(params->szPassword));
    return SavePhonebook(path, book) ? 0 : ERROR_CANNOT_WRITE_PHONEBOOK;
}

DWORD WINAPI RasDialA(LPRASDIALEXTENSIONS, LPCSTR phonebook, LPRASDIALPARAMSA params, DWORD notifierType,
    LPVOID notifier, LPHRASCONN result)
{
    if (!params || !result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (!ValidDialParamsSize(params->dwSize))
        return ERROR_INVALID_SIZE;
    // Only the plain function notifier (message, state, error) is played.
    if (notifier && notifierType != 0)
        return ERROR_INVALID_PARAMETER;

    auto job = std::make_unique<DialJob>();
    {
        std::lock_guard guard(g_lock);
        const std::wstring path = PhonebookPath(phonebook);
        const Phonebook book = LoadPhonebook(path);
        const std::string name = FieldText(params->szEntryName);
        const PhonebookEntry* entry = book.Find(name);
        if (!entry)
            return ERROR_CANNOT_FIND_PHONEBOOK_ENTRY;
        const DialBehaviour behaviour = ReadDialBehaviour(*entry);

        auto connection = std::make_shared<Connection>();
        connection->handle = reinterpret_cast<HRASCONN>(g_nextHandle++);
        connection->entryName = name;
        connection->phonebook = ToAnsiPath(path);
        if (const std::string* phone = entry->Find(Key::PhoneNumber))
            connection->phoneNumber = *phone;
        connection->ipAddress = behaviour.ipAddress;
        g_connections.push_back(connection);
        *result = connection->handle;
        // Like the platform, a refused dial may still hand out a handle that
        // the caller has to hang up.
        if (behaviour.refuseDial != 0) {
            connection->listed = false;
            return behaviour.refuseDial;
        }
        g_notifyTimes.clear();
        job->connection = connection;
        job->steps = PlanDial(behaviour, FieldText(params->szUserName), FieldText(params->szPassword));
        job->stepDelayMs = behaviour.stepDelayMs;
        job->notifier = reinterpret_cast<RASDIALFUNC>(notifier);
    }
    if (!notifier) {
        // Without a notifier the dial is synchronous and its result is the outcome.
        return Play(*job);
    }
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&RasDialA), &self);
    HANDLE thread = CreateThread(nullptr, 0, DialThread, job.get(), 0, nullptr);
    if (!thread) {
        FreeLibrary(self);
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    job.release();
    CloseHandle(thread);
    return 0;
}

DWORD WINAPI RasEnumConnectionsA(LPRASCONNA connections, LPDWORD bytes, LPDWORD count)
{
    if (!bytes || !count)
        return ERROR_INVALID_PARAMETER;
    if (connections && connections->dwSize != sizeof(RASCONNA))
        return ERROR_INVALID_SIZE;
    std::lock_guard guard(g_lock);
    ++g_enumConnectionsCalls;
    std::vector<const Connection*> listed;
    for (const auto& connection : g_connections) {
        if (connection->listed)
            listed.push_back(connection.get());
    }
    const DWORD needed = DWORD(listed.size() * sizeof(RASCONNA));
    *count = DWORD(listed.size());
    if (!connections || *bytes < needed) {
        *bytes = needed;
        return ERROR_BUFFER_TOO_SMALL;
    }
    for (size_t i = 0; i < listed.size(); ++i) {
        RASCONNA& record = connections[i];
        std::memset(&record, 0, sizeof(record));
        record.dwSize = sizeof(RASCONNA);
        record.hrasconn = listed[i]->handle;
        CopyField(record.szEntryName, listed[i]->entryName);
        CopyField(record.szDeviceType, "PPPoE");
        CopyField(record.szDeviceName, "WAN Miniport (PPPOE)");
        CopyField(record.szPhonebook, listed[i]->phonebook);
    }
    *bytes = needed;
    return 0;
}

DWORD WINAPI RasGetConnectStatusA(HRASCONN handle, LPRASCONNSTATUSA status)
{
    if (!status)
        return ERROR_INVALID_PARAMETER;
    if (status->dwSize != 160 && status->dwSize != sizeof(RASCONNSTATUSA))
        return ERROR_INVALID_SIZE;
    std::lock_guard guard(g_lock);
    const auto connection = FindConnection(handle);
    if (!connection || !connection->listed)
        return ERROR_INVALID_HANDLE;
    status->rasconnstate = static_cast<RASCONNSTATE>(connection->state);
    status->dwError = connection->error;
    CopyField(status->szDeviceType, "PPPoE");
    CopyField(status->szDeviceName, "WAN Miniport (PPPOE)");
    if (status->dwSize == sizeof(RASCONNSTATUSA))
        CopyField(status->szPhoneNumber, connection->phoneNumber);
    return 0;
}

DWORD WINAPI RasHangUpA(HRASCONN handle)
{
    std::lock_guard guard(g_lock);
    const auto it = std::find_if(g_connections.begin(), g_connections.end(),
        [&](const auto& connection) { return connection->handle == handle; });
    if (it == g_connections.end())
        return ERROR_INVALID_HANDLE;
    (*it)->hungUp = true;
    SetEvent((*it)->hangUpEvent.Get());
    g_connections.erase(it);
    return 0;
}

// Not one of the dialer's entry points: it tells a connected line's address
// (the IpAddress key) to anyone who asks the service for it.
DWORD WINAPI RasGetProjectionInfoA(HRASCONN handle, RASPROJECTION projection, LPVOID info, LPDWORD bytes)
{
    if (!info || !bytes)
        return ERROR_INVALID_PARAMETER;
    if (projection != RASP_PppIp)
        return ERROR_PROTOCOL_NOT_CONFIGURED;
    auto* ip = static_cast<RASPPPIPA*>(info);
    if (*bytes < sizeof(RASPPPIPA) || ip->dwSize != sizeof(RASPPPIPA))
        return ERROR_INVALID_SIZE;
    std::lock_guard guard(g_lock);
    const auto connection = FindConnection(handle);
    if (!connection || !connection->listed)
        return ERROR_INVALID_HANDLE;
    if (connection->state != RASCS_Connected || connection->error != 0)
        return ProjectionNotComplete;
    ip->dwError = 0;
    CopyField(ip->szIpAddress, connection->ipAddress);
    CopyField(ip->szServerIpAddress, "10.64.0.1");
    ip->dwOptions = 0;
    ip->dwServerOptions = 0;
    return 0;
}

DWORD WINAPI RasGetErrorStringA(UINT code, LPSTR buffer, DWORD size)
{
    if (!buffer)
        return ERROR_INVALID_PARAMETER;
    std::string text;
    for (const auto& entry : ErrorTexts) {
        if (entry.code == code)
            text = entry.text;
    }
    if (text.empty() && code > StressErrorBase)
        text = "Stand-in status " + std::to_string(code - StressErrorBase) + ".";
    if (text.empty())
        return ERROR_INVALID_PARAMETER;
    if (text.size() + 1 > size)
        return ERROR_INSUFFICIENT_BUFFER;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return 0;
}

// Test hooks, outside the service's own entry points.

// Copies the performance-counter times at which the latest dial called its
// notifier; returns how many there are.
DWORD WINAPI RasSimNotifyTimes(LONGLONG* times, DWORD capacity)
{
    std::lock_guard guard(g_lock);
    const DWORD count = DWORD(g_notifyTimes.size());
    if (times)
        std::copy_n(g_notifyTimes.begin(), std::min(count, capacity), times);
    return count;
}

// How often RasEnumConnectionsA was called since the library was loaded.
DWORD WINAPI RasSimEnumConnectionsCalls()
{
    std::lock_guard guard(g_lock);
    return g_enumConnectionsCalls;
}

// Connection handles not hung up yet, listed or not.
DWORD WINAPI RasSimOpenHandles()
{
    std::lock_guard guard(g_lock);
    return DWORD(g_connections.size());
}

} // extern "C"
