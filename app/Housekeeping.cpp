// The after-connect clean-up: URL cache, cookie files and the local address.
#include <winsock2.h>
#include <windows.h>
#include <wininet.h>

#include "app/Housekeeping.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "app/CleanupRules.h"
#include "platform/LazyLibrary.h"
#include "platform/Handles.h"

namespace ventro {

namespace {

// The URL cache and socket libraries are needed only after a dial, so they
// are loaded then rather than with the program.
LazyLibrary& WinInet()
{
    static LazyLibrary library(L"wininet.dll");
    return library;
}

LazyLibrary& Winsock()
{
    static LazyLibrary library(L"ws2_32.dll");
    return library;
}

// Calls an entry point of a lazily loaded library; a missing one fails the
// way the call itself would, with `failure`.
#define VENTRO_LAZY_CALL(library, function, failure, ...) \
    ([&] { \
        auto entry = library().Entry<decltype(&function)>(#function); \
        return entry ? entry(__VA_ARGS__) : (failure); \
    }())

// ---- URL cache ----

// An enumeration of the URL cache, closed on scope exit.
class UrlCacheFind {
public:
    UrlCacheFind() = default;
    UrlCacheFind(const UrlCacheFind&) = delete;
    UrlCacheFind& operator=(const UrlCacheFind&) = delete;
    ~UrlCacheFind()
    {
        if (m_handle)
            VENTRO_LAZY_CALL(WinInet, FindCloseUrlCache, FALSE, m_handle);
    }
    HANDLE Get() const { return m_handle; }
    void Reset(HANDLE handle) { m_handle = handle; }

private:
    HANDLE m_handle = nullptr;
};

// Entry records are of variable length; 8-byte units keep the record aligned.
using EntryBuffer = std::vector<uint64_t>;

// Reads the next entry of `find` into `buffer`, or the first one when the
// enumeration is not open yet, growing the buffer as the platform asks. An
// entry can grow between the sizing call and the reading call, so a refusal
// for size is retried a few times.
bool ReadCacheEntry(UrlCacheFind& find, EntryBuffer& buffer)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = DWORD(buffer.size() * sizeof(uint64_t));
        auto* info = size ? reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data()) : nullptr;
        if (info)
            info->dwStructSize = size;
        bool read;
        if (!find.Get()) {
            HANDLE handle = VENTRO_LAZY_CALL(WinInet, FindFirstUrlCacheEntryA, HANDLE(nullptr), nullptr, info, &size);
            find.Reset(handle);
            read = handle != nullptr;
        } else {
            read = VENTRO_LAZY_CALL(WinInet, FindNextUrlCacheEntryA, FALSE, find.Get(), info, &size);
        }
        if (read)
            return info != nullptr;
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0)
            return false;
        buffer.assign((size + sizeof(uint64_t) - 1) / sizeof(uint64_t), 0);
    }
    return false;
}

// ---- cookie files ----

constexpr DWORD ProtectionBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The folder's own path as the file system resolves it, or empty.
std::wstring FinalPath(const std::wstring& folder)
{
    KernelHandle handle(CreateFileW(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!handle)
        return {};
    BY_HANDLE_FILE_INFORMATION info {};
    if (!GetFileInformationByHandle(handle.Get(), &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return {};
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(handle.Get(), path.data(), DWORD(path.size()), FILE_NAME_NORMALIZED);
    if (length >= path.size()) {
        path.assign(length + 1, L'\0');
        length = GetFinalPathNameByHandleW(handle.Get(), path.data(), DWORD(path.size()), FILE_NAME_NORMALIZED);
    }
    if (length == 0 || length >= path.size())
        return {};
    path.resize(length);
    return path;
}

bool StartsWithIgnoringCase(const std::wstring& text, const std::wstring& prefix)
{
    return text.size() >= prefix.size()
        && CompareStringOrdinal(text.data(), int(prefix.size()), prefix.data(), int(prefix.size()), TRUE) == CSTR_EQUAL;
}

// Clears the protection bits of a file only once it is chosen for deletion,
// and puts them back when the deletion fails, so a file that stays keeps its
// attributes.
bool DeleteOneFile(const std::wstring& path, DWORD attributes)
{
    DWORD kept = attributes & ~ProtectionBits;
    bool cleared = (attributes & ProtectionBits) && SetFileAttributesW(path.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
    if (DeleteFileW(path.c_str()))
        return true;
    if (cleared)
        SetFileAttributesW(path.c_str(), attributes);
    return false;
}

class CookieWalk {
public:
    CookieWalk(std::wstring rootFinalPath, std::wstring extension)
        : m_rootPrefix(std::move(rootFinalPath))
        , m_extension(std::move(extension))
    {
        if (m_rootPrefix.back() != L'\\')
            m_rootPrefix += L'\\';
    }

    // False as soon as one deletion fails; that ends the walk everywhere.
    bool Walk(const std::wstring& folder)
    {
        WIN32_FIND_DATAW data {};
        FindHandle find(FindFirstFileW(JoinPath(folder, L"*").c_str(), &data));
        if (!find)
            return true;
        bool result = true;
        do {
            std::wstring_view name = data.cFileName;
            // Junctions and symbolic links may lead anywhere; they are neither
            // followed nor touched.
            if (IsSkippedEntryName(name) || (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                continue;
            std::wstring path = JoinPath(folder, name);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (IsInsideRoot(path))
                    result = Walk(path);
            } else if (MatchesExtension(name, m_extension)) {
                result = DeleteOneFile(path, data.dwFileAttributes);
            }
        } while (result && FindNextFileW(find.Get(), &data));
        return result;
    }

private:
    // A second look at a sub-folder before entering it: a link that the find
    // data does not mark (a host file-system link, for one) still resolves to a
    // place outside the root.
    bool IsInsideRoot(const std::wstring& folder) const
    {
        std::wstring real = FinalPath(folder);
        return !real.empty() && StartsWithIgnoringCase(real, m_rootPrefix);
    }

    std::wstring m_rootPrefix;
    std::wstring m_extension;
};

// ---- sockets ----

class WinsockSession {
public:
    WinsockSession()
    {
        WSADATA data {};
        m_started = VENTRO_LAZY_CALL(Winsock, WSAStartup, WSASYSNOTREADY, MAKEWORD(1, 1), &data) == 0;
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    ~WinsockSession()
    {
        if (m_started)
            VENTRO_LAZY_CALL(Winsock, WSACleanup, SOCKET_ERROR);
    }
    bool Started() const { return m_started; }

private:
    bool m_started = false;
};

} // namespace

void ClearUrlCache()
{
    UrlCacheFind find;
    EntryBuffer buffer;
    while (ReadCacheEntry(find, buffer)) {
        const auto* info = reinterpret_cast<const INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
        if (info->lpszSourceUrlName)
            VENTRO_LAZY_CALL(WinInet, DeleteUrlCacheEntryA, FALSE, info->lpszSourceUrlName);
    }
}

bool DeleteFilesByExt(const std::wstring& folder, const std::wstring& extension)
{
    if (!IsSafeCleanupRoot(folder))
        return true;
    DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)
        || (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return true;
    std::wstring root = FinalPath(folder);
    if (root.empty())
        return true;
    return CookieWalk(root, NormalizeExtension(extension)).Walk(folder);
}

std::wstring GetLocalIP()
{
    WinsockSession session;
    if (!session.Started())
        return {};
    char hostName[256] {};
    if (VENTRO_LAZY_CALL(Winsock, gethostname, SOCKET_ERROR, hostName, int(sizeof(hostName) - 1)) != 0)
        return {};
    const hostent* host = VENTRO_LAZY_CALL(Winsock, gethostbyname, static_cast<hostent*>(nullptr), hostName);
    if (!host || host->h_addrtype != AF_INET || host->h_length != 4 || !host->h_addr_list)
        return {};
    std::wstring result;
    for (char** address = host->h_addr_list; *address; ++address) {
        in_addr ipv4 {};
        std::memcpy(&ipv4, *address, sizeof(ipv4));
        const char* text = VENTRO_LAZY_CALL(Winsock, inet_ntoa, static_cast<char*>(nullptr), ipv4);
        if (text)
            result.assign(text, text + std::strlen(text));
    }
    return result;
}

} // namespace ventro
