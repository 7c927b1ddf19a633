#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>
#include <winioctl.h>
#include <wininet.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/Housekeeping.h"
#include "platform/Handles.h"

using namespace ventro;

namespace {

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
DWORD Attributes(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

void WriteFile(const std::wstring& path, DWORD attributes = 0)
{
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << "cannot create " << std::string(path.begin(), path.end());
    DWORD written = 0;
    ::WriteFile(file.Get(), "x", 1, &written, nullptr);
    file.Reset();
    if (attributes) {
        ASSERT_TRUE(SetFileAttributesW(path.c_str(), attributes));
    }
}

void MakeFolder(const std::wstring& path, DWORD attributes = 0)
{
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
    if (attributes) {
        ASSERT_TRUE(SetFileAttributesW(path.c_str(), attributes | FILE_ATTRIBUTE_DIRECTORY));
    }
}

// Removes a tree without ever following a link inside it.
void RemoveTree(const std::wstring& path)
{
    DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    SetFileAttributesW(path.c_str(), attributes & ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(path.c_str());
        return;
    }
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        WIN32_FIND_DATAW data {};
        FindHandle find(FindFirstFileW((path + L"\\*").c_str(), &data));
        if (find) {
            do {
                std::wstring name = data.cFileName;
                if (name != L"." && name != L"..")
                    RemoveTree(path + L"\\" + name);
            } while (FindNextFileW(find.Get(), &data));
        }
    }
    RemoveDirectoryW(path.c_str());
}

// The names of a folder in the platform's enumeration order.
std::vector<std::wstring> ListFolder(const std::wstring& path)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data {};
    FindHandle find(FindFirstFileW((path + L"\\*").c_str(), &data));
    if (find) {
        do {
            std::wstring name = data.cFileName;
            if (name != L"." && name != L"..")
                names.push_back(name);
        } while (FindNextFileW(find.Get(), &data));
    }
    return names;
}

// A mount-point reparse point (junction) at `link` leading to `target`.
bool MakeJunction(const std::wstring& link, const std::wstring& target)
{
    if (!CreateDirectoryW(link.c_str(), nullptr))
        return false;
    KernelHandle dir(CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!dir)
        return false;
    std::wstring substitute = L"\\??\\" + target;
    // REPARSE_DATA_BUFFER's mount-point form: tag, lengths, then both names.
    std::vector<BYTE> buffer(sizeof(DWORD) + 2 * sizeof(WORD) + 4 * sizeof(WORD)
        + (substitute.size() + 1 + target.size() + 1) * sizeof(wchar_t));
    auto put16 = [&](size_t at, WORD v) { std::memcpy(&buffer[at], &v, sizeof(v)); };
    DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    std::memcpy(&buffer[0], &tag, sizeof(tag));
    put16(4, WORD(buffer.size() - 8));
    put16(8, 0);
    put16(10, WORD(substitute.size() * sizeof(wchar_t)));
    put16(12, WORD((substitute.size() + 1) * sizeof(wchar_t)));
    put16(14, WORD(target.size() * sizeof(wchar_t)));
    std::memcpy(&buffer[16], substitute.c_str(), (substitute.size() + 1) * sizeof(wchar_t));
    std::memcpy(&buffer[16 + (substitute.size() + 1) * sizeof(wchar_t)], target.c_str(), (target.size() + 1) * sizeof(wchar_t));
    DWORD returned = 0;
    bool ok = DeviceIoControl(dir.Get(), FSCTL_SET_REPARSE_POINT, buffer.data(), DWORD(buffer.size()), nullptr, 0, &returned, nullptr);
    dir.Reset();
    if (!ok)
        RemoveDirectoryW(link.c_str());
    return ok;
}

class DeleteFilesByExtTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH] {};
        GetTempPathW(MAX_PATH, temp);
        m_base = std::wstring(temp) + L"ventro-hk-" + std::to_wstring(GetCurrentProcessId());
        RemoveTree(m_base);
        MakeFolder(m_base);
        m_root = m_base + L"\\Cookies";
        MakeFolder(m_root);
    }
    void TearDown() override { RemoveTree(m_base); }

    std::wstring In(const std::wstring& relative) const { return m_root + L"\\" + relative; }

    // Names of the usual cookie folder, one sub-folder level and one deeper.
    void BuildTree()
    {
        WriteFile(In(L"a.txt"));
        WriteFile(In(L"b.TXT"));
        WriteFile(In(L"c.txt.bak"));
        WriteFile(In(L"x..y.txt"));
        WriteFile(In(L"index.dat"));
        WriteFile(In(L"noext"));
        MakeFolder(In(L"sub"));
        WriteFile(In(L"sub\\d.txt"));
        WriteFile(In(L"sub\\keep.dat"));
        MakeFolder(In(L"sub\\deeper"));
        WriteFile(In(L"sub\\deeper\\e.Txt"));
    }

    std::wstring m_base;
    std::wstring m_root;
};

} // namespace

TEST_F(DeleteFilesByExtTest, DeletesMatchingFilesInEveryLevelAndNothingElse)
{
    // "txt", ".txt" and a folder path with its trailing separator all mean the same.
    for (auto [folder, extension] : { std::pair { m_root, L"txt" }, std::pair { m_root + L"\\", L".txt" } }) {
        SCOPED_TRACE(std::string(extension, extension + wcslen(extension)));
        BuildTree();
        EXPECT_TRUE(DeleteFilesByExt(folder, extension));
        for (const wchar_t* gone : { L"a.txt", L"b.TXT", L"sub\\d.txt", L"sub\\deeper\\e.Txt" })
            EXPECT_FALSE(Exists(In(gone)));
        for (const wchar_t* kept : { L"c.txt.bak", L"x..y.txt", L"index.dat", L"noext", L"sub\\keep.dat", L"sub", L"sub\\deeper" })
            EXPECT_TRUE(Exists(In(kept)));
        RemoveTree(m_root);
        MakeFolder(m_root);
    }
}

TEST_F(DeleteFilesByExtTest, StarDeletesEveryFileButKeepsFoldersAndDoubleDotNames)
{
    BuildTree();
    EXPECT_TRUE(DeleteFilesByExt(m_root, L".*"));
    std::vector<std::wstring> top = ListFolder(m_root);
    std::sort(top.begin(), top.end());
    EXPECT_EQ(top, (std::vector<std::wstring> { L"sub", L"x..y.txt" }));
    EXPECT_EQ(ListFolder(In(L"sub")), std::vector<std::wstring> { L"deeper" });
    EXPECT_TRUE(ListFolder(In(L"sub\\deeper")).empty());
}

TEST_F(DeleteFilesByExtTest, OnlyFilesAboutToBeDeletedLoseTheirAttributes)
{
    const DWORD protectedBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
    WriteFile(In(L"locked.txt"), protectedBits);
    WriteFile(In(L"sys.txt"), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    WriteFile(In(L"index.dat"), protectedBits);
    MakeFolder(In(L"hidden"), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    WriteFile(In(L"hidden\\inner.txt"), FILE_ATTRIBUTE_READONLY);
    const DWORD folderBefore = Attributes(In(L"hidden"));
    const DWORD rootBefore = Attributes(m_root);

    EXPECT_TRUE(DeleteFilesByExt(m_root, L"txt"));

    EXPECT_FALSE(Exists(In(L"locked.txt")));
    EXPECT_FALSE(Exists(In(L"sys.txt")));
    EXPECT_FALSE(Exists(In(L"hidden\\inner.txt")));
    EXPECT_EQ(Attributes(In(L"index.dat")) & protectedBits, protectedBits);
    EXPECT_EQ(Attributes(In(L"hidden")), folderBefore);
    EXPECT_EQ(Attributes(m_root), rootBefore);
}

TEST_F(DeleteFilesByExtTest, AFailedDeletionEndsTheWalkHereAndAbove)
{
    for (int i = 0; i < 4; ++i)
        WriteFile(In(L"top" + std::to_wstring(i) + L".txt"));
    MakeFolder(In(L"sub"));
    for (int i = 0; i < 4; ++i)
        WriteFile(In(L"sub\\in" + std::to_wstring(i) + L".txt"));
    WriteFile(In(L"sub\\busy.txt"), FILE_ATTRIBUTE_READONLY);
    // An open handle without delete sharing makes the deletion fail.
    KernelHandle busy(CreateFileW(In(L"sub\\busy.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(busy);
    const std::vector<std::wstring> topOrder = ListFolder(m_root);
    const std::vector<std::wstring> subOrder = ListFolder(In(L"sub"));

    EXPECT_FALSE(DeleteFilesByExt(m_root, L".txt"));

    // Entries enumerated before the failure are gone, the ones after it stay.
    auto check = [&](const std::vector<std::wstring>& order, const std::wstring& stopAt, const std::wstring& folder) {
        bool afterStop = false;
        for (const std::wstring& name : order) {
            if (name == stopAt) {
                afterStop = true;
                continue;
            }
            EXPECT_EQ(Exists(folder + L"\\" + name), afterStop) << std::string(name.begin(), name.end());
        }
        EXPECT_TRUE(afterStop);
    };
    check(subOrder, L"busy.txt", In(L"sub"));
    check(topOrder, L"sub", m_root);
    // The file that could not be deleted keeps its attributes.
    EXPECT_TRUE(Attributes(In(L"sub\\busy.txt")) & FILE_ATTRIBUTE_READONLY);
}

TEST_F(DeleteFilesByExtTest, RootsAndRelativeOrMissingFoldersAreNeverWalked)
{
    // A file in the drive root that a walk of the root would delete.
    const std::wstring inDriveRoot = L"C:\\ventro-hk-" + std::to_wstring(GetCurrentProcessId()) + L".zzz";
    WriteFile(inDriveRoot);
    WriteFile(In(L"rel.zzz"));
    wchar_t previous[MAX_PATH] {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(m_base.c_str()));

    for (const wchar_t* folder : { L"", L"\\", L"C:", L"C:\\", L"c:/", L"Cookies", L".\\Cookies", L"Cookies\\", L"\\\\?\\C:\\" })
        EXPECT_TRUE(DeleteFilesByExt(folder, L"zzz"));
    EXPECT_TRUE(DeleteFilesByExt(m_root + L"\\..\\..", L"zzz"));
    EXPECT_TRUE(DeleteFilesByExt(m_base + L"\\missing", L"zzz"));
    EXPECT_TRUE(DeleteFilesByExt(In(L"rel.zzz"), L"zzz"));

    SetCurrentDirectoryW(previous);
    EXPECT_TRUE(Exists(inDriveRoot));
    EXPECT_TRUE(Exists(In(L"rel.zzz")));
    DeleteFileW(inDriveRoot.c_str());
}

TEST_F(DeleteFilesByExtTest, LinksToFoldersOutsideTheTreeAreNotFollowed)
{
    const std::wstring outside = m_base + L"\\Outside";
    MakeFolder(outside);
    WriteFile(outside + L"\\victim.txt");
    WriteFile(In(L"own.txt"));

    bool junction = MakeJunction(In(L"junction"), outside);
    // Some systems answer success without making the link; only a link that
    // is really there counts.
    bool symlink = CreateSymbolicLinkW(In(L"symlink").c_str(), outside.c_str(),
                       SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE)
        && Exists(In(L"symlink"));
    bool fileLink = CreateSymbolicLinkW(In(L"filelink.txt").c_str(), (outside + L"\\victim.txt").c_str(),
                        SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE)
        && Exists(In(L"filelink.txt"));
    if (!junction && !symlink && !fileLink)
        GTEST_SKIP() << "this system creates neither junctions nor symbolic links";
    RecordProperty("junction", junction);
    RecordProperty("directory_symlink", symlink);
    RecordProperty("file_symlink", fileLink);
    if (junction) {
        ASSERT_TRUE(Exists(In(L"junction\\victim.txt"))) << "the junction does not lead outside";
    }
    if (symlink) {
        ASSERT_TRUE(Exists(In(L"symlink\\victim.txt"))) << "the link does not lead outside";
    }

    EXPECT_TRUE(DeleteFilesByExt(m_root, L"txt"));
    EXPECT_FALSE(Exists(In(L"own.txt")));
    EXPECT_TRUE(Exists(outside + L"\\victim.txt"));
    if (fileLink) {
        EXPECT_TRUE(Exists(In(L"filelink.txt"))) << "a link is never touched";
    }

    // A link given as the folder itself is refused as well.
    if (junction) {
        EXPECT_TRUE(DeleteFilesByExt(In(L"junction"), L"txt"));
    }
    if (symlink) {
        EXPECT_TRUE(DeleteFilesByExt(In(L"symlink"), L"txt"));
    }
    EXPECT_TRUE(Exists(outside + L"\\victim.txt"));
}

TEST(GetLocalIP, IsTheLastIPv4AddressOfTheHostName)
{
    WSADATA data {};
    ASSERT_EQ(WSAStartup(MAKEWORD(1, 1), &data), 0);
    char name[256] {};
    ASSERT_EQ(gethostname(name, sizeof(name) - 1), 0);
    std::string expected;
    if (const hostent* host = gethostbyname(name); host && host->h_addrtype == AF_INET)
        for (char** address = host->h_addr_list; *address; ++address) {
            in_addr ipv4;
            std::memcpy(&ipv4, *address, 4);
            expected = inet_ntoa(ipv4);
        }

    std::wstring ip = GetLocalIP();
    EXPECT_EQ(std::string(ip.begin(), ip.end()), expected);
    if (!expected.empty()) {
        unsigned a, b, c, d;
        char tail;
        EXPECT_EQ(sscanf(expected.c_str(), "%u.%u.%u.%u%c", &a, &b, &c, &d, &tail), 4);
    }
    // The function releases the library it started; ours is still usable.
    EXPECT_EQ(gethostname(name, sizeof(name) - 1), 0);
    WSACleanup();
}

namespace {

// A content entry of the URL cache for `url`, written through the cache's own file.
bool AddCacheEntry(const std::wstring& url)
{
    wchar_t file[MAX_PATH] {};
    if (!CreateUrlCacheEntryW(url.c_str(), 0, L"txt", file, 0))
        return false;
    WriteFile(file);
    FILETIME never {};
    return CommitUrlCacheEntryW(url.c_str(), file, never, never, NORMAL_CACHE_ENTRY, nullptr, 0, nullptr, nullptr);
}

bool CacheHasEntry(const std::wstring& url)
{
    DWORD size = 0;
    if (GetUrlCacheEntryInfoW(url.c_str(), nullptr, &size))
        return true;
    return GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

int CountCacheEntries()
{
    DWORD size = 0;
    HANDLE find = FindFirstUrlCacheEntryW(nullptr, nullptr, &size);
    if (find) {
        FindCloseUrlCache(find);
        return 1;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return 0;
    std::vector<uint64_t> buffer(size / 8 + 1);
    auto* info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
    find = FindFirstUrlCacheEntryW(nullptr, info, &size);
    if (!find)
        return 0;
    int count = 1;
    for (;;) {
        size = DWORD(buffer.size() * 8);
        if (FindNextUrlCacheEntryW(find, info, &size)) {
            ++count;
            continue;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            break;
        buffer.assign(size / 8 + 1, 0);
        info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
    }
    FindCloseUrlCache(find);
    return count;
}

} // namespace

TEST(ClearUrlCache, RemovesEveryContentEntryAndCopesWithAnEmptyCache)
{
    std::vector<std::wstring> urls;
    for (int i = 0; i < 5; ++i)
        urls.push_back(L"http://ventro.test/page" + std::to_wstring(i) + L"?" + std::wstring(i * 300, L'q'));
    for (const std::wstring& url : urls)
        ASSERT_TRUE(AddCacheEntry(url)) << "error " << GetLastError();
    for (const std::wstring& url : urls)
        ASSERT_TRUE(CacheHasEntry(url));
    EXPECT_GE(CountCacheEntries(), 5);

    ClearUrlCache();
    for (const std::wstring& url : urls)
        EXPECT_FALSE(CacheHasEntry(url));
    EXPECT_EQ(CountCacheEntries(), 0);

    // An empty cache: nothing to find, nothing breaks.
    ClearUrlCache();
    EXPECT_EQ(CountCacheEntries(), 0);
    ASSERT_TRUE(AddCacheEntry(urls[0]));
    EXPECT_TRUE(CacheHasEntry(urls[0]));
    ClearUrlCache();
    EXPECT_FALSE(CacheHasEntry(urls[0]));
}

#ifdef HOST_LINK_FIXTURE
TEST(DeleteFilesByExtHostLink, AHostFileSystemLinkOutOfTheFolderIsNotFollowed)
{
    const std::wstring base = HOST_LINK_FIXTURE;
    const std::wstring cookies = base + L"\\Cookies";
    const std::wstring victim = base + L"\\Outside\\victim.txt";
    if (!Exists(cookies + L"\\hostlink"))
        GTEST_SKIP() << "the link fixture of the build is missing";
    WriteFile(victim);
    WriteFile(cookies + L"\\own.txt");
    ASSERT_TRUE(Exists(cookies + L"\\hostlink\\victim.txt"));
    RecordProperty("link_attributes", std::to_string(Attributes(cookies + L"\\hostlink")));

    EXPECT_TRUE(DeleteFilesByExt(cookies, L"txt"));
    EXPECT_FALSE(Exists(cookies + L"\\own.txt"));
    EXPECT_TRUE(Exists(victim));
    EXPECT_TRUE(DeleteFilesByExt(cookies + L"\\hostlink", L"txt"));
    EXPECT_TRUE(Exists(victim));
    DeleteFileW(victim.c_str());
}
#endif
