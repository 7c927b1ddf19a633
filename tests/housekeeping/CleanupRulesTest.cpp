#include <gtest/gtest.h>

#include "app/CleanupRules.h"

using namespace ventro;

TEST(CleanupRules, ExtensionWithoutDotGetsOneAndOneWithADotIsKept)
{
    EXPECT_EQ(NormalizeExtension(L"txt"), L".txt");
    EXPECT_EQ(NormalizeExtension(L".txt"), L".txt");
    EXPECT_EQ(NormalizeExtension(L"*"), L".*");
    EXPECT_EQ(NormalizeExtension(L"tar.gz"), L"tar.gz");
    EXPECT_EQ(NormalizeExtension(L""), L".");
}

TEST(CleanupRules, ExtensionIsTheTextFromTheLastDot)
{
    EXPECT_EQ(FileExtension(L"a.txt"), L".txt");
    EXPECT_EQ(FileExtension(L"a.txt.bak"), L".bak");
    EXPECT_EQ(FileExtension(L"index"), L"");
    EXPECT_EQ(FileExtension(L"trailing."), L".");
    EXPECT_EQ(FileExtension(L".profile"), L".profile");
}

TEST(CleanupRules, MatchingIgnoresAsciiCaseOnly)
{
    const std::wstring txt = NormalizeExtension(L"txt");
    EXPECT_TRUE(MatchesExtension(L"a.txt", txt));
    EXPECT_TRUE(MatchesExtension(L"a.TXT", txt));
    EXPECT_TRUE(MatchesExtension(L"user@site[1].Txt", txt));
    EXPECT_FALSE(MatchesExtension(L"a.txt.bak", txt));
    EXPECT_FALSE(MatchesExtension(L"atxt", txt));
    EXPECT_FALSE(MatchesExtension(L"index.dat", txt));
    // Full-width letters are not ASCII letters and never fold.
    EXPECT_FALSE(MatchesExtension(L"a.\uFF54xt", txt));
    // ".*" takes every name, also one without an extension.
    EXPECT_TRUE(MatchesExtension(L"index", L".*"));
    EXPECT_TRUE(MatchesExtension(L"a.dat", L".*"));
}

TEST(CleanupRules, DotEntriesAndNamesWithDoubleDotsAreSkipped)
{
    EXPECT_TRUE(IsSkippedEntryName(L"."));
    EXPECT_TRUE(IsSkippedEntryName(L".."));
    EXPECT_TRUE(IsSkippedEntryName(L"x..y.txt"));
    EXPECT_TRUE(IsSkippedEntryName(L"end.."));
    EXPECT_FALSE(IsSkippedEntryName(L"a.b.txt"));
    EXPECT_FALSE(IsSkippedEntryName(L".hidden"));
}

TEST(CleanupRules, OnlyAbsoluteFoldersBelowARootAreSafeRoots)
{
    EXPECT_TRUE(IsSafeCleanupRoot(L"C:\\Users\\me\\Cookies\\"));
    EXPECT_TRUE(IsSafeCleanupRoot(L"C:\\Users\\me\\Cookies"));
    EXPECT_TRUE(IsSafeCleanupRoot(L"d:/cookies"));
    EXPECT_TRUE(IsSafeCleanupRoot(L"\\\\server\\share\\cookies"));

    EXPECT_FALSE(IsSafeCleanupRoot(L""));
    EXPECT_FALSE(IsSafeCleanupRoot(L"\\"));
    EXPECT_FALSE(IsSafeCleanupRoot(L"C:"));
    EXPECT_FALSE(IsSafeCleanupRoot(L"C:\\"));
    EXPECT_FALSE(IsSafeCleanupRoot(L"C:\\\\"));
    EXPECT_FALSE(IsSafeCleanupRoot(L"C:cookies"));
    EXPECT_FALSE(IsSafeCleanupRoot(L"cookies"));
    EXPECT_FALSE(IsSafeCleanupRoot(L"\\Windows\\Cookies"));
    EXPECT_FALSE(IsSafeCleanupRoot(L"\\\\server\\share"));
    EXPECT_FALSE(IsSafeCleanupRoot(L"\\\\server\\share\\"));
    EXPECT_FALSE(IsSafeCleanupRoot(L"\\\\?\\C:\\Cookies"));
    EXPECT_FALSE(IsSafeCleanupRoot(L"\\\\.\\C:\\Cookies"));
    // Components that climb back up could reach the root.
    EXPECT_FALSE(IsSafeCleanupRoot(L"C:\\Cookies\\.."));
    EXPECT_FALSE(IsSafeCleanupRoot(L"C:\\Cookies\\..\\"));
    EXPECT_FALSE(IsSafeCleanupRoot(L"C:\\.\\Cookies"));
}

TEST(CleanupRules, JoiningNeverDoublesTheSeparator)
{
    EXPECT_EQ(JoinPath(L"C:\\Cookies\\", L"a.txt"), L"C:\\Cookies\\a.txt");
    EXPECT_EQ(JoinPath(L"C:\\Cookies", L"a.txt"), L"C:\\Cookies\\a.txt");
    EXPECT_EQ(JoinPath(L"C:\\Cookies\\\\", L"*"), L"C:\\Cookies\\*");
}
