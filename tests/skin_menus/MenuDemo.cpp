// A window to look at the skinned menus: two buttons open the demonstration
// menu (three levels with a header, dividers, disabled, checked, radio, image
// and shortcut items) in the default look and with our stored skin, and a
// third shows a skinned hint. With "--shots FOLDER" it writes what each
// popup and the hint show as BMP files and ends.
#include <windows.h>

#include <cstdio>
#include <fstream>

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "skin/data/BmpFile.h"
#include "skin/menus/lxSkinHint.h"
#include "skin/menus/lxSkinMenus.h"
#include "tests/skin_menus/DemoMenu.h"
#include "tests/skin_menus/StoredSkin.h"

using namespace ventro;

namespace {

class DemoForm : public TForm {
public:
    explicit DemoForm(TComponent* owner) : TForm(owner)
    {
        SetCaption(L"Skinned menus");
        SetClientSize(420, 120);
        Menu = new TlxSkinMenu(this);
        Images = new TImageList(this);
        testing::FillDemoImages(*Images);
        Plain = new TlxSkinPopupMenu(this);
        Plain->SetImages(Images);
        testing::BuildDemoMenu(Plain->Items(), nullptr);
        Skinned = new TlxSkinPopupMenu(this);
        Skinned->SetImages(Images);
        Skinned->SetSkinData(&testing::StoredSkin());
        testing::BuildDemoMenu(Skinned->Items(), nullptr);
        Hint = new TlxSkinHint(this);
        Hint->SetSkinData(&testing::StoredSkin());
        auto* plainButton = new TButton(this, { nullptr, 1, { 10, 10, 130, 40 }, L"Default look" });
        auto* skinButton = new TButton(this, { nullptr, 2, { 140, 10, 260, 40 }, L"Stored skin" });
        auto* hintButton = new TButton(this, { nullptr, 3, { 270, 10, 390, 40 }, L"Hint" });
        PlainButton = plainButton->Handle();
        SkinButton = skinButton->Handle();
        plainButton->OnClick = [this, plainButton] { Open(*Plain, plainButton->Handle()); };
        skinButton->OnClick = [this, skinButton] { Open(*Skinned, skinButton->Handle()); };
        hintButton->OnClick = [this, hintButton] {
            RECT r;
            GetWindowRect(hintButton->Handle(), &r);
            Hint->ShowHint(r.left, r.bottom + 2, L"A skinned hint@on two lines");
        };
        FinishCreate();
    }

    // Opens one look's menu three levels deep, for a look without a mouse.
    void OpenDeep(bool skinned)
    {
        Open(skinned ? *Skinned : *Plain, skinned ? SkinButton : PlainButton);
        Menu->Engine().KeyDown('R', L'R');
        Menu->Engine().KeyDown('D', L'D');
    }

private:
    void Open(TlxSkinPopupMenu& menu, HWND button)
    {
        RECT r;
        GetWindowRect(button, &r);
        Menu->OwnerWindow = Handle();
        menu.PopupAt(button, Rect { r.left, r.top, r.right, r.bottom }, false);
    }

    TlxSkinMenu* Menu;
    TImageList* Images;
    TlxSkinPopupMenu* Plain;
    TlxSkinPopupMenu* Skinned;
    TlxSkinHint* Hint;
    HWND PlainButton = nullptr;
    HWND SkinButton = nullptr;
};

int WriteShots(const std::string& folder)
{
    for (TlxSkinData* skin : { static_cast<TlxSkinData*>(nullptr), &testing::StoredSkin() }) {
        for (auto& [name, pixels] : testing::CaptureDemoShots(skin)) {
            const std::vector<uint8_t> bytes = WriteBmp(BitmapFromPixels(std::move(pixels)));
            std::ofstream out(folder + "/" + name + ".bmp", std::ios::binary);
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            if (!out)
                return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Application().Initialize();
    Application().SetTitle(L"Skinned menus");
    if (argc == 3 && std::string(argv[1]) == "--shots")
        return WriteShots(argv[2]);
    DemoForm* form = Application().CreateForm<DemoForm>();
    // "--open default" or "--open skin" opens that menu three levels deep once the window shows.
    if (argc == 3 && std::string(argv[1]) == "--open") {
        const bool skinned = std::string(argv[2]) == "skin";
        static UINT_PTR timer = 0;
        timer = Application().StartTimer(400, [form, skinned] {
            Application().StopTimer(timer);
            form->OpenDeep(skinned);
        });
    }
    Application().Run();
    return 0;
}
