// The items of a skinned form's system menu.
#include "skin/form/SystemMenuItems.h"

namespace ventro {

namespace {

SysMenuItemInfo MinItem(const SysMenuState& s)
{
    return { "LSF_MINITEM", "MI_MINCAPTION", L"Mi&nimize", L"",
        s.AlwaysMinimizeToTray ? SysMenuAction::MinimizeToTray : SysMenuAction::Minimize };
}
SysMenuItemInfo MaxItem() { return { "LSF_MAXITEM", "MI_MAXCAPTION", L"Ma&ximize", L"", SysMenuAction::Maximize }; }
SysMenuItemInfo RestoreItem(const SysMenuState& s)
{
    bool rollDown = (s.Maximized && s.RolledUpWhileMaximized) || (!s.Maximized && !s.Minimized && s.RolledUp);
    return { "LSF_RESTORE", "MI_RESTORECAPTION", L"&Restore", L"",
        rollDown ? SysMenuAction::RollDown : SysMenuAction::Restore };
}
SysMenuItemInfo RollUpItem() { return { "LSF_ROLLUP", "MI_ROLLUPCAPTION", L"Ro&llUp", L"", SysMenuAction::RollUp }; }
SysMenuItemInfo TrayItem()
{
    return { "LSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", L"Minimize to &Tray", L"", SysMenuAction::MinimizeToTray };
}
SysMenuItemInfo CloseItem(const SysMenuState& s)
{
    return { "LSF_CLOSE", "MI_CLOSECAPTION", L"&Close", s.MDIChild ? L"Ctrl+F4" : L"Alt+F4", SysMenuAction::Close };
}

bool WantMin(const SysMenuState& s) { return s.Icons.Minimize && !s.Minimized; }
bool WantMax(const SysMenuState& s) { return s.Icons.Maximize && !s.Maximized; }
bool WantRestore(const SysMenuState& s) { return s.Minimized || s.Maximized || s.RolledUp; }
bool WantRollUp(const SysMenuState& s)
{
    return s.Icons.RollUp && !s.RolledUp && !s.Minimized && !(s.MDIChild && s.Maximized);
}

} // namespace

std::vector<SysMenuItemInfo> DefaultSystemMenuItems(const SysMenuState& s)
{
    std::vector<SysMenuItemInfo> items;
    if (WantMin(s))
        items.push_back(MinItem(s));
    if (WantMax(s))
        items.push_back(MaxItem());
    if (WantRestore(s))
        items.push_back(RestoreItem(s));
    if (WantRollUp(s))
        items.push_back(RollUpItem());
    if (s.Icons.MinimizeToTray)
        items.push_back(TrayItem());
    if (!items.empty())
        items.push_back({ "-", "", L"-", L"", SysMenuAction::Separator });
    items.push_back(CloseItem(s));
    return items;
}

std::pair<std::vector<SysMenuItemInfo>, std::vector<SysMenuItemInfo>> ApplicationSystemMenuItems(const SysMenuState& s)
{
    std::vector<SysMenuItemInfo> before;
    if (WantMin(s))
        before.push_back(MinItem(s));
    if (WantRestore(s))
        before.push_back(RestoreItem(s));
    if (WantMax(s))
        before.push_back(MaxItem());
    if (WantRollUp(s))
        before.push_back(RollUpItem());
    if (s.Icons.MinimizeToTray)
        before.push_back(TrayItem());
    return { before, { CloseItem(s) } };
}

bool IsDefaultSystemMenuItemName(std::string_view name)
{
    for (std::string_view n : { "LSF_MINITEM", "LSF_MAXITEM", "LSF_CLOSE", "LSF_MINTOTRAY", "LSF_ROLLUP", "LSF_RESTORE" })
        if (n == name)
            return true;
    return false;
}

} // namespace ventro
