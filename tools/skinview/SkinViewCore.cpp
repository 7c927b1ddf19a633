// Captions, "next skin" choice and the command line of skinview.
#include "tools/skinview/SkinViewCore.h"

#include <algorithm>

namespace ventro::skinview {

namespace {

// File names on Windows compare without regard to letter case; folding the
// ASCII letters is enough for ordering and matching skin file names.
wchar_t Fold(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? wchar_t(c - L'A' + L'a') : c;
}

int CompareFolded(const std::wstring& a, const std::wstring& b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const wchar_t x = Fold(a[i]), y = Fold(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

std::wstring FileNameOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring ViewCaption(const std::wstring& skinPath, const std::wstring& failure)
{
    std::wstring caption = L"skinview - " + (skinPath.empty() ? std::wstring(L"stored skin") : FileNameOf(skinPath));
    if (!failure.empty())
        caption += L": " + failure;
    return caption;
}

bool IsSkinFileName(const std::wstring& name)
{
    static const std::wstring extension = L".skn";
    return name.size() > extension.size()
        && CompareFolded(name.substr(name.size() - extension.size()), extension) == 0;
}

std::wstring NextSkinFile(const std::vector<std::wstring>& listing, const std::wstring& current)
{
    std::vector<std::wstring> skins;
    for (const auto& name : listing)
        if (IsSkinFileName(name))
            skins.push_back(name);
    if (skins.empty())
        return {};
    // Ties in folded order (names differing only in case, which one folder
    // cannot hold on Windows but can elsewhere) keep a fixed order, so that
    // each of them is visited.
    auto before = [](const std::wstring& a, const std::wstring& b) {
        const int folded = CompareFolded(a, b);
        return folded != 0 ? folded < 0 : a < b;
    };
    std::sort(skins.begin(), skins.end(), before);
    auto after = std::upper_bound(skins.begin(), skins.end(), FileNameOf(current), before);
    return after == skins.end() ? skins.front() : *after;
}

ViewOptions ParseCommandLine(const std::vector<std::wstring>& args)
{
    ViewOptions options;
    for (size_t i = 0; i < args.size() && options.Error.empty(); ++i) {
        const std::wstring& arg = args[i];
        if (arg == L"--alpha-animation") {
            options.AlphaBlendAnimation = true;
        } else if (arg == L"--alpha") {
            if (i + 1 >= args.size()) {
                options.Error = L"--alpha needs a value from 0 to 255";
                break;
            }
            const std::wstring& text = args[++i];
            int value = 0;
            bool digits = !text.empty() && text.size() <= 3;
            for (wchar_t c : text) {
                digits = digits && c >= L'0' && c <= L'9';
                value = value * 10 + (c - L'0');
            }
            if (!digits || value > 255) {
                options.Error = L"--alpha needs a value from 0 to 255, not \"" + text + L"\"";
                break;
            }
            options.AlphaBlend = true;
            options.AlphaBlendValue = value;
        } else if (arg == L"--watch") {
            if (i + 1 >= args.size()) {
                options.Error = L"--watch needs a skin definition file";
                break;
            }
            if (!options.SkinPath.empty() || !options.WatchPath.empty()) {
                options.Error = L"one skin file at a time, not also " + args[i + 1];
                break;
            }
            options.WatchPath = args[++i];
        } else if (arg.size() > 1 && arg[0] == L'-' && arg[1] == L'-') {
            options.Error = L"unknown option " + arg;
        } else if (!options.SkinPath.empty() || !options.WatchPath.empty()) {
            options.Error = L"one skin file at a time, not also " + arg;
        } else {
            options.SkinPath = arg;
        }
    }
    return options;
}

std::string FirstErrorText(const std::vector<CheckFinding>& findings)
{
    for (const CheckFinding& f : findings)
        if (f.Level == FindingLevel::Error)
            return (f.Line != 0 ? "line " + std::to_string(f.Line) + ": " : std::string()) + f.Message;
    return {};
}

void SaveDetector::Reset(std::vector<FileStamp> read)
{
    m_seen = read;
    m_read = std::move(read);
}

bool SaveDetector::Poll(const std::vector<FileStamp>& now)
{
    const bool settled = now == m_seen;
    m_seen = now;
    if (now == m_read || !settled)
        return false;
    m_read = now;
    return true;
}

} // namespace ventro::skinview
