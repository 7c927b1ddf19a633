// Matching and path rules of the after-connect clean-up.
#include "app/CleanupRules.h"

#include <vector>

namespace ventro {

namespace {

wchar_t AsciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c; }

bool EqualsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// The components of `path` between separators, empty ones dropped.
std::vector<std::wstring_view> Components(std::wstring_view path)
{
    std::vector<std::wstring_view> parts;
    size_t i = 0;
    while (i < path.size()) {
        while (i < path.size() && IsSeparator(path[i]))
            ++i;
        size_t start = i;
        while (i < path.size() && !IsSeparator(path[i]))
            ++i;
        if (i > start)
            parts.push_back(path.substr(start, i - start));
    }
    return parts;
}

} // namespace

std::wstring NormalizeExtension(std::wstring_view extension)
{
    if (extension.find(L'.') != std::wstring_view::npos)
        return std::wstring(extension);
    return L"." + std::wstring(extension);
}

std::wstring_view FileExtension(std::wstring_view name)
{
    size_t dot = name.rfind(L'.');
    return dot == std::wstring_view::npos ? std::wstring_view() : name.substr(dot);
}

bool IsSkippedEntryName(std::wstring_view name)
{
    return name == L"." || name.find(L"..") != std::wstring_view::npos;
}

bool MatchesExtension(std::wstring_view name, std::wstring_view normalizedExtension)
{
    if (EqualsIgnoringAsciiCase(normalizedExtension, L".*"))
        return true;
    return EqualsIgnoringAsciiCase(FileExtension(name), normalizedExtension);
}

bool IsSafeCleanupRoot(std::wstring_view path)
{
    // The walk takes the path literally, so any "." or ".." component could
    // make it land somewhere else than the folder it was given.
    auto parts = Components(path);
    for (std::wstring_view part : parts)
        if (part == L"." || part == L"..")
            return false;

    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && IsSeparator(path[2])) {
        // "C:\" itself has the one component "C:".
        return parts.size() >= 2;
    }
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // Device and long-path prefixes ("\\?\", "\\.\") are not accepted: the
        // cookie folder never needs them, and they bypass the checks above.
        if (!parts.empty() && (parts[0] == L"?" || parts[0] == L"."))
            return false;
        // "\\server\share" is the root of a share.
        return parts.size() >= 3;
    }
    return false;
}

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name)
{
    std::wstring joined(folder);
    while (!joined.empty() && IsSeparator(joined.back()))
        joined.pop_back();
    joined += L'\\';
    joined += name;
    return joined;
}

} // namespace ventro
