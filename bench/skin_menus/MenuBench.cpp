// Opening a 20-item menu in our stored skin to its first full paint, and one
// highlight change (two items repainted), without windows or text.
#include <benchmark/benchmark.h>

#include "skin/data/SkinComponents.h"
#include "skin/menus/MenuEngine.h"
#include "tests/skin_menus/StoredSkin.h"

namespace ventro {
namespace {

const TlxSkinData& Skin() { return testing::StoredSkin(); }

class NoText : public ITextPainter {
public:
    Extent Measure(const TextFont&, std::wstring_view text, uint32_t) override { return { int32_t(7 * text.size()), 14 }; }
    void Draw(PixelView, const TextFont&, std::wstring_view, Rect, Color, uint32_t) override { }
};

// Paints a level when it is shown and an item when it changes.
class PaintingHost : public MenuHost {
public:
    std::vector<MenuEntry> SubItems(MenuItemRef) override { return Entries; }
    Rect WorkArea() override { return Rect { 0, 0, 1024, 768 }; }
    void PrepareLevel(PopupLevel& level) override
    {
        level.Paint.Text = &Text;
        level.Paint.Skin = &Skin();
        level.Paint.Look.Popup = FindPopupRecord(&Skin());
        level.Paint.Look.Item = FindMenuItemRecord(&Skin());
        const PixelView picture = PictureAt(&Skin(), Skin().PopupWindow.WindowPictureIndex);
        level.Paint.Look.PictureWidth = picture.Width();
        level.Paint.Look.PictureHeight = picture.Height();
    }
    void ShowLevel(PopupLevel& level, bool) override { PaintLevel(level, Window); }
    void DestroyLevel(PopupLevel&) override { }
    void InvalidateLevel(PopupLevel& level) override { PaintLevel(level, Window); }
    void InvalidateItem(PopupLevel& level, int index) override
    {
        if (level.ItemVisible(index))
            PaintLevelItem(level, index, Item);
    }
    void SetLevelTimer(PopupLevel&, MenuTimer, uint32_t) override { }
    void KillLevelTimer(PopupLevel&, MenuTimer) override { }
    void SetWaitTimer(uint32_t) override { }
    void KillWaitTimer() override { }
    bool PointerIn(PopupLevel&, Point&) override { return false; }
    void ChainClosed(bool) override { }
    void RunCommand(MenuItemRef) override { }
    void CommandDone() override { }

    std::vector<MenuEntry> Entries;
    NoText Text;
    PixelBuffer Window, Item;
};

void TwentyItems(PaintingHost& host)
{
    for (int i = 0; i < 20; ++i) {
        MenuEntry e;
        e.Info.Caption = i % 5 == 4 ? L"-" : L"Menu item number " + std::to_wstring(i);
        e.Info.ShortCut = i % 3 == 0 ? L"Ctrl+" + std::to_wstring(i) : L"";
        host.Entries.push_back(e);
    }
}

void BM_OpenTwentyItemMenu(benchmark::State& state)
{
    PaintingHost host;
    TwentyItems(host);
    MenuEngine engine(host);
    int root = 0;
    for (auto _ : state) {
        engine.Popup(&root, Rect { 100, 100, 100, 100 }, false, 0);
        benchmark::DoNotOptimize(host.Window.Bytes().data());
        engine.CloseFrom(0);
    }
}
BENCHMARK(BM_OpenTwentyItemMenu)->Unit(benchmark::kMicrosecond);

void BM_HighlightChange(benchmark::State& state)
{
    PaintingHost host;
    TwentyItems(host);
    MenuEngine engine(host);
    int root = 0;
    engine.Popup(&root, Rect { 100, 100, 100, 100 }, false, 0);
    PopupLevel& level = engine.Level(0);
    const Point a { 20, level.ItemBounds(1).Top + 5 }, b { 20, level.ItemBounds(2).Top + 5 };
    bool flip = false;
    for (auto _ : state) {
        engine.PointerAt(level, (flip = !flip) ? a : b);
        benchmark::DoNotOptimize(host.Item.Bytes().data());
    }
}
BENCHMARK(BM_HighlightChange)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace ventro

BENCHMARK_MAIN();
