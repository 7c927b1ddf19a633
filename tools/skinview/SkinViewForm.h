// The skin preview window: a resizable form whose skin form controller is
// linked to skin data that reads a skin file (or our stored skin), or
// compiles a watched definition at every save, with magnetic snapping, object
// hints, minimize to tray, a system menu of its own ("reload", "next skin"
// and a test menu that exercises the menu engine).
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Form.h"
#include "platform/Menus.h"
#include "platform/Timer.h"
#include "skin/data/SkinComponents.h"
#include "skin/form/LumenSkinForm.h"
#include "skin/menus/lxSkinHint.h"
#include "skin/menus/lxSkinMenus.h"
#include "skin/menus/lxTrayIcon.h"
#include "tools/skinview/SkinViewCore.h"

namespace ventro {

class TSkinViewForm : public TForm {
public:
    // storedSkin is our stored skin's CompressedData, shown when the options
    // name no skin file.
    TSkinViewForm(TComponent* owner, const skinview::ViewOptions& options, std::vector<uint8_t> storedSkin);
    ~TSkinViewForm() override;

    // Shows the skin file at path (empty: the stored skin). A file that
    // cannot be read or decoded leaves the fallback frame and the reason in
    // the caption; the reason is returned (empty on success).
    std::wstring LoadSkin(const std::wstring& path);
    // Compiles the definition at path in memory and shows it, and from then on
    // again whenever it or one of its pictures is saved. A definition with an
    // error keeps the skin shown before and puts its first error in the
    // caption; the failure is returned (empty on success).
    std::wstring WatchDefinition(const std::wstring& path);
    // One look at the watched files (the watch timer's tick): compiles again
    // when a save has settled.
    void PollWatched();
    // Reads the current skin file, or compiles the watched definition, again;
    // the change is announced to every form.
    void Reload();
    // Moves to the next ".skn" file of the skin's folder (see NextSkinFile);
    // stays when there is none or the skin is the stored one.
    void NextSkin();

    const std::wstring& SkinPath() const { return m_path; }
    const std::wstring& WatchPath() const { return m_watchPath; }
    const std::wstring& Failure() const { return m_failure; }

    TlxLumenSkinForm* lxLumenSkinForm1;
    TlxSkinData* lxSkinData1;
    TlxCompressedStoredSkin* lxCompressedStoredSkin1;
    TlxSkinHint* lxSkinHint1;
    TlxTrayIcon* lxTrayIcon1;
    TPopupMenu* SystemMenu1;
    TlxSkinPopupMenu* TestMenu1;

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void BuildSystemMenu();
    // Empties the skin data and announces it, so every form shows its fallback frame.
    void UnloadSkin();
    std::wstring CompileWatched();

    std::vector<uint8_t> m_storedSkin;
    std::wstring m_path;
    std::wstring m_failure;
    std::wstring m_watchPath;
    std::vector<std::wstring> m_watchedFiles;
    skinview::SaveDetector m_saves;
    TTimer* m_watchTimer = nullptr;
};

// Fills root with the test menu: a header, shortcuts, a submenu two levels
// deep with radio items, dividers, a checked and a disabled item.
void BuildTestMenu(TMenuItem& root);

} // namespace ventro
