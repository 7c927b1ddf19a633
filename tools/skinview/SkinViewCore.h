// What skinview decides without a window: its caption, the skin file that
// "next skin" moves to within a folder listing, its command line, and when a
// watched definition has been saved.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/skintool/SkinCheck.h"

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

// skinview [--alpha-animation] [--alpha N] [SKIN | --watch DEFINITION]
struct ViewOptions {
    std::wstring SkinPath;           // empty: the stored skin
    std::wstring WatchPath;          // --watch: a definition compiled and shown at every save
    bool AlphaBlend = false;         // --alpha N: transparency at N
    int AlphaBlendValue = 200;
    bool AlphaBlendAnimation = false; // --alpha-animation: fade in on show
    std::wstring Error;              // not empty when the command line was refused
};

ViewOptions ParseCommandLine(const std::vector<std::wstring>& args);

// The first error of a check, for the caption: "line 26: clientrect ...";
// empty when there is none.
std::string FirstErrorText(const std::vector<CheckFinding>& findings);

// What a watched file looked like at one poll.
struct FileStamp {
    bool Exists = false;
    uint64_t Size = 0;
    int64_t WriteTime = 0;  // in the file system's own ticks
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// Tells when a set of watched files has been saved. A change counts once the
// files have stayed as they are for one poll after it, so that a save made in
// several writes is read once, whole.
class SaveDetector {
public:
    // The files as they were when last read.
    void Reset(std::vector<FileStamp> read);
    // True when the files changed since they were read and have settled.
    bool Poll(const std::vector<FileStamp>& now);

private:
    std::vector<FileStamp> m_read;
    std::vector<FileStamp> m_seen;
};

} // namespace ventro::skinview
