// The items of a skinned form's system menu: which ones show for the form's
// state, with their names, resource-string keys, built-in captions, shortcuts
// and actions, for the default menu and for an application's own.
#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "skin/form/FrameTypes.h"

namespace ventro {

// The default system menu's items for the form's state, in order.
enum class SysMenuAction { Minimize, MinimizeToTray, Maximize, Restore, RollDown, RollUp, Separator, Close };
struct SysMenuItemInfo {
    std::string Name;        // "LSF_MINITEM", ... ; "-" for the separator
    std::string CaptionKey;  // the resource string key, "MI_MINCAPTION", ...
    std::wstring Caption;    // the built-in caption
    std::wstring ShortCut;
    SysMenuAction Action = SysMenuAction::Close;
};
struct SysMenuState {
    TlxBorderIcons Icons;
    bool Minimized = false;
    bool Maximized = false;
    bool RolledUp = false;
    bool RolledUpWhileMaximized = false;
    bool AlwaysMinimizeToTray = false;
    bool MDIChild = false;
};
std::vector<SysMenuItemInfo> DefaultSystemMenuItems(const SysMenuState& s);
// The items put into an application's own system menu: minimize, restore,
// maximize, roll-up and minimize-to-tray go before its items (the first
// list), close after them (the second); no separator.
std::pair<std::vector<SysMenuItemInfo>, std::vector<SysMenuItemInfo>> ApplicationSystemMenuItems(const SysMenuState& s);
// The item names the default items use, which an application's menu loses first.
bool IsDefaultSystemMenuItemName(std::string_view name);

} // namespace ventro
