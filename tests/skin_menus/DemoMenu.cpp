// The demonstration menu and its image list.
#include "tests/skin_menus/DemoMenu.h"

#include <memory>

namespace ventro::testing {

TMenuItem* AddItem(TMenuItem& parent, const std::wstring& caption, const std::wstring& name)
{
    TMenuItem* item = parent.Add(caption);
    if (!name.empty())
        item->SetName(name);
    return item;
}

DemoMenu BuildDemoMenu(TMenuItem& root, std::function<void(const std::wstring&)> clicked)
{
    DemoMenu demo;
    auto command = [&](TMenuItem& parent, const std::wstring& caption, const std::wstring& name) {
        TMenuItem* item = AddItem(parent, caption, name);
        item->OnClick = [clicked, name](TComponent*) {
            if (clicked)
                clicked(name);
        };
        return item;
    };
    TMenuItem* header = AddItem(root, L"-文件-");
    header->Enabled = false;
    demo.Open = command(root, L"&Open...", L"Open");
    demo.Open->ShortCut = L"Ctrl+O";
    demo.Open->ImageIndex = 0;
    command(root, L"&Save", L"Save")->ShortCut = L"Ctrl+S";
    demo.Recent = AddItem(root, L"&Recent", L"Recent");
    command(*demo.Recent, L"first.txt", L"First")->ImageIndex = 1;
    command(*demo.Recent, L"second.txt", L"Second");
    AddItem(*demo.Recent, L"-");
    demo.Deeper = AddItem(*demo.Recent, L"&Deeper", L"Deeper");
    TMenuItem* small = command(*demo.Deeper, L"Small", L"Small");
    small->RadioItem = true;
    TMenuItem* medium = command(*demo.Deeper, L"Medium", L"Medium");
    medium->RadioItem = true;
    medium->Checked = true;
    command(*demo.Deeper, L"Large", L"Large")->RadioItem = true;
    AddItem(*demo.Deeper, L"-");
    command(*demo.Deeper, L"大号字体", L"Huge")->ShortCut = L"F9";
    AddItem(root, L"-");
    TMenuItem* wrap = command(root, L"&Word wrap", L"Wrap");
    wrap->Checked = true;
    TMenuItem* off = command(root, L"Unavailable", L"Unavailable");
    off->Enabled = false;
    command(root, L"Pictu&re", L"Picture")->ImageIndex = 2;
    AddItem(root, L"-");
    demo.Exit = command(root, L"E&xit", L"Exit");
    demo.Exit->ShortCut = L"Alt+F4";
    return demo;
}

} // namespace ventro::testing

#include "skin/menus/lxSkinHint.h"
#include "skin/menus/lxSkinMenus.h"

namespace ventro::testing {

std::vector<std::pair<std::string, PixelBuffer>> CaptureDemoShots(TlxSkinData* skin)
{
    std::vector<std::pair<std::string, PixelBuffer>> shots;
    TComponent owner(nullptr);
    auto* images = new TImageList(&owner);
    FillDemoImages(*images);
    auto* menu = new TlxSkinMenu(&owner);
    menu->SetImages(images);
    TMenuItem root(nullptr);
    BuildDemoMenu(root, nullptr);
    const std::string prefix = skin ? "skin-" : "default-";
    menu->Popup(nullptr, skin, false, &root, Rect { 40, 40, 40, 40 }, 0);
    menu->Engine().KeyDown('R', L'R');
    menu->Engine().KeyDown('D', L'D');
    for (int i = 0; i < menu->Engine().LevelCount(); ++i) {
        auto* window = static_cast<TlxSkinPopupWindow*>(menu->Engine().Level(i).Window);
        window->RepaintAll();
        UpdateWindow(window->Handle());
        shots.emplace_back(prefix + std::to_string(i + 1), window->Buffer());
    }
    menu->CloseAll();
    if (skin) {
        auto* hint = new TlxSkinHint(&owner);
        hint->SetSkinData(skin);
        hint->ShowHint(300, 300, L"Minimize@to the tray");
        shots.emplace_back("hint", hint->Window().Buffer());
    }
    return shots;
}

} // namespace ventro::testing

namespace ventro::testing {

namespace {

// A 16 x 16 icon of one colour wherever inside(x, y) holds, transparent elsewhere.
IconHandle ShapeIcon(COLORREF color, bool (*inside)(int x, int y))
{
    HDC screen = GetDC(nullptr);
    BitmapHandle colors(CreateCompatibleBitmap(screen, 16, 16));
    BitmapHandle mask(CreateBitmap(16, 16, 1, 1, nullptr));
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colors.Get());
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            SetPixel(dc, x, y, inside(x, y) ? color : RGB(0, 0, 0));
    SelectObject(dc, mask.Get());
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            SetPixel(dc, x, y, inside(x, y) ? RGB(0, 0, 0) : RGB(255, 255, 255));
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ICONINFO info { TRUE, 0, 0, mask.Get(), colors.Get() };
    return IconHandle(CreateIconIndirect(&info));
}

} // namespace

void FillDemoImages(TImageList& list)
{
    list.Add(ShapeIcon(RGB(220, 40, 40), [](int x, int y) { return x >= 2 && x < 14 && y >= 2 && y < 14; }));
    list.Add(ShapeIcon(RGB(40, 170, 60), [](int x, int y) { return (x - 8) * (x - 8) + (y - 8) * (y - 8) < 36; }));
    list.Add(ShapeIcon(RGB(40, 80, 220), [](int x, int y) { return y >= 2 && y < 14 && 2 * (x - 8) <= y - 1 && 2 * (8 - x) <= y; }));
}

} // namespace ventro::testing
