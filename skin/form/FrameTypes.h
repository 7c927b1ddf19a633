// The small value types the frame code shares: hit-test codes, the caption
// button set, border styles and the window state as the frame sees it.
#pragma once
#include <cstdint>
#include <string_view>

namespace ventro {

// The platform's non-client hit-test codes (HTCLIENT, HTCAPTION, ...), plus
// HTOBJECT (19) for everything that belongs to a skin object or to a border
// that does not size. The platform's names are macros, hence these names.
enum HitCode : int32_t {
    HitNowhere = 0,
    HitClient = 1,
    HitCaption = 2,
    HitLeft = 10,
    HitRight = 11,
    HitTop = 12,
    HitTopLeft = 13,
    HitTopRight = 14,
    HitBottom = 15,
    HitBottomLeft = 16,
    HitBottomRight = 17,
    HitObject = 19,
};

constexpr bool IsSizingCode(int32_t code) { return code >= HitLeft && code <= HitBottomRight; }
// "HTCLIENT", "HTTOPLEFT", ...; 19 is "HTOBJECT".
std::string_view HitCodeName(int32_t code);

// The caption buttons and system menu items a form shows.
struct TlxBorderIcons {
    bool SystemMenu = true;
    bool Minimize = true;
    bool Maximize = true;
    bool RollUp = true;
    bool MinimizeToTray = false;
    friend bool operator==(const TlxBorderIcons&, const TlxBorderIcons&) = default;
};
// The controller's defaults, and the main window's set.
constexpr TlxBorderIcons DefaultBorderIcons { true, true, true, true, false };
constexpr TlxBorderIcons MainWindowBorderIcons { true, true, false, true, false };

enum class FrameBorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

constexpr bool IsToolWindowStyle(FrameBorderStyle s)
{
    return s == FrameBorderStyle::ToolWindow || s == FrameBorderStyle::SizeToolWin;
}
constexpr bool IsSizeableStyle(FrameBorderStyle s)
{
    return s == FrameBorderStyle::Sizeable || s == FrameBorderStyle::SizeToolWin;
}
// The fallback caption's height and its buttons' size.
constexpr int32_t DefaultCaptionHeight(FrameBorderStyle s) { return IsToolWindowStyle(s) ? 15 : 19; }
// The fallback frame's border on every side (the caption lies inside the top one).
constexpr int32_t DefaultBorderWidth = 3;
constexpr int32_t DefaultButtonSize(FrameBorderStyle s) { return IsToolWindowStyle(s) ? 13 : 17; }

// The window state the frame draws and hit-tests for.
struct FrameWindowState {
    bool Minimized = false;
    bool Maximized = false;
    bool RolledUp = false;
    bool Active = true;
};

} // namespace ventro
