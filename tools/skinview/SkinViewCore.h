// What skinview decides without a window: its caption, the skin file that
// "next skin" moves to within a folder listing, and its command line.
#pragma once
#include <string>
#include <vector>

namespace ventro::skinview {

// The last part of a path (after the last '\' or '/').
std::wstring FileNameOf(const std::wstring& path);

// "skinview - NAME" for a skin file, "skinview - stored skin" for an empty
// path; a failure is added after a colon, so the caption says what went wrong.
std::wstring ViewCaption(const std::wstring& skinPath, const std::wstring& failure = {});

// True for names ending in ".skn", in any letter case.
bool IsSkinFileName(const std::wstring& name);

// The skin file that follows `current` (a name, compared in any letter case)
// among the ".skn" names of `listing`, sorted without regard to letter case,
// wrapping after the last. A current name missing from the listing moves to
// the first name sorted after it. Empty when the listing has no skin file.
std::wstring NextSkinFile(const std::vector<std::wstring>& listing, const std::wstring& current);

// skinview [--alpha-animation] [--alpha N] [SKIN]
struct ViewOptions {
    std::wstring SkinPath;           // empty: the stored skin
    bool AlphaBlend = false;         // --alpha N: transparency at N
    int AlphaBlendValue = 200;
    bool AlphaBlendAnimation = false; // --alpha-animation: fade in on show
    std::wstring Error;              // not empty when the command line was refused
};

ViewOptions ParseCommandLine(const std::vector<std::wstring>& args);

} // namespace ventro::skinview
