// The popup menu chain without windows: opening with the first item lit,
// Escape and Left, commands that run after every popup is gone, the submenu
// delay, marker scrolling, and a seeded random walk of pointer, keys, wheel,
// timer ticks and closes in which commands may end the engine.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>

#include "skin/menus/MenuEngine.h"
#include "tests/skin_menus/StoredSkin.h"

namespace ventro {
namespace {

struct Node {
    MenuItemInfo Info;
    std::vector<std::unique_ptr<Node>> Children;
    std::function<void()> OnClick;

    Node& Add(std::wstring caption, bool enabled = true)
    {
        Children.push_back(std::make_unique<Node>());
        Node& n = *Children.back();
        n.Info.Caption = std::move(caption);
        n.Info.Enabled = enabled;
        Info.HasSubItems = true;
        return n;
    }
};

class FixedText : public ITextPainter {
public:
    Extent Measure(const TextFont&, std::wstring_view text, uint32_t) override { return { int32_t(7 * text.size()), 14 }; }
    void Draw(PixelView, const TextFont&, std::wstring_view, Rect, Color, uint32_t) override { }
};

// Windows, timers and the pointer as plain records; every promise the
// engine makes about them is checked as it happens.
class FakeHost : public MenuHost {
public:
    std::vector<MenuEntry> SubItems(MenuItemRef parent) override
    {
        std::vector<MenuEntry> out;
        for (const auto& child : static_cast<const Node*>(parent)->Children)
            out.push_back({ child->Info, child.get() });
        return out;
    }
    Rect WorkArea() override { return Work; }
    void PrepareLevel(PopupLevel& level) override
    {
        level.Paint.Text = &Text;
        level.Paint.Look.MaxItems = MaxItems;
        if (Skinned) {
            const TlxSkinData& skin = testing::StoredSkin();
            level.Paint.Skin = &skin;
            level.Paint.Look.Popup = FindPopupRecord(&skin);
            level.Paint.Look.Item = FindMenuItemRecord(&skin);
            const PixelView picture = PictureAt(&skin, skin.PopupWindow.WindowPictureIndex);
            level.Paint.Look.PictureWidth = picture.Width();
            level.Paint.Look.PictureHeight = picture.Height();
        }
    }
    void ShowLevel(PopupLevel& level, bool) override
    {
        EXPECT_TRUE(Windows.insert(&level).second);
        ++Shown;
    }
    void DestroyLevel(PopupLevel& level) override
    {
        EXPECT_EQ(Windows.erase(&level), 1u);
        for (auto& [key, ms] : Timers)
            EXPECT_NE(key.first, &level) << "a timer outlives its window";
        if (Paint) {
            PixelBuffer out;
            PaintLevel(level, out);
        }
    }
    void InvalidateLevel(PopupLevel& level) override { EXPECT_TRUE(Windows.count(&level)); }
    void InvalidateItem(PopupLevel& level, int index) override
    {
        EXPECT_TRUE(Windows.count(&level));
        EXPECT_TRUE(index >= 0 && index < level.Count());
    }
    void SetLevelTimer(PopupLevel& level, MenuTimer timer, uint32_t ms) override
    {
        EXPECT_TRUE(Windows.count(&level)) << "a timer for a window that is not there";
        Timers[{ &level, timer }] = ms;
    }
    void KillLevelTimer(PopupLevel& level, MenuTimer timer) override { Timers.erase({ &level, timer }); }
    void SetWaitTimer(uint32_t ms) override { WaitTimer = ms; }
    void KillWaitTimer() override { WaitTimer = 0; }
    bool PointerIn(PopupLevel& level, Point& client) override
    {
        // The newest window under the pointer is on top.
        PopupLevel* top = nullptr;
        for (PopupLevel* w : Order())
            if (Rect { w->Position.X, w->Position.Y, w->Position.X + w->Size.Width, w->Position.Y + w->Size.Height }
                    .Contains(Cursor))
                top = w;
        if (top != &level)
            return false;
        client = Point { Cursor.X - level.Position.X, Cursor.Y - level.Position.Y };
        return true;
    }
    void ChainClosed(bool all) override
    {
        Log.push_back(all ? L"closed all" : L"closed");
        if (OnClosed)
            OnClosed();
    }
    void RunCommand(MenuItemRef item) override
    {
        const Node* node = static_cast<const Node*>(item);
        Log.push_back(L"run " + node->Info.Caption);
        if (node->OnClick)
            node->OnClick();
    }
    void CommandDone() override { Log.push_back(L"done"); }

    std::vector<PopupLevel*> Order() const
    {
        std::vector<PopupLevel*> out;
        if (Engine)
            for (int i = 0; i < Engine->LevelCount(); ++i)
                out.push_back(&Engine->Level(i));
        return out;
    }

    MenuEngine* Engine = nullptr;
    FixedText Text;
    Rect Work { 0, 0, 1024, 768 };
    int MaxItems = 0;
    bool Skinned = false;
    bool Paint = false;
    Point Cursor;
    std::set<PopupLevel*> Windows;
    std::map<std::pair<PopupLevel*, MenuTimer>, uint32_t> Timers;
    uint32_t WaitTimer = 0;
    int Shown = 0;
    std::vector<std::wstring> Log;
    std::function<void()> OnClosed;
};

Point Centre(const PopupLevel& level, int item)
{
    const Rect b = level.ItemBounds(item);
    return Point { (b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2 };
}

// Moves the pointer to a client point of a level and lets its mouse timer see it.
void PointTo(FakeHost& host, MenuEngine& engine, PopupLevel& level, Point client)
{
    host.Cursor = Point { level.Position.X + client.X, level.Position.Y + client.Y };
    engine.TimerFired(level, MenuTimer::Mouse);
}

struct EngineTest : ::testing::Test {
    FakeHost host;
    std::unique_ptr<MenuEngine> engine = std::make_unique<MenuEngine>(host);
    Node root;
    EngineTest() { host.Engine = engine.get(); }

    void Open() { engine->Popup(&root, Rect { 100, 100, 100, 100 }, false, 0); }
};

TEST_F(EngineTest, OpensWithTheFirstEnabledItemLit)
{
    root.Add(L"-Header-", false);
    root.Add(L"-");
    root.Add(L"Off", false);
    root.Add(L"&Open");
    root.Add(L"&Save");
    Open();
    ASSERT_TRUE(engine->Visible());
    ASSERT_EQ(engine->LevelCount(), 1);
    PopupLevel& level = engine->Level(0);
    EXPECT_EQ(level.Active, 3);
    EXPECT_TRUE(level.States[3].Active);
    EXPECT_TRUE(level.States[3].WaitCommand);
    EXPECT_EQ(host.Timers.count({ &level, MenuTimer::Mouse }), 1u);
    EXPECT_EQ((host.Timers[{ &level, MenuTimer::Mouse }]), 50u);
    EXPECT_EQ(host.WaitTimer, 0u);
}

TEST_F(EngineTest, NothingOpensForAnEmptyRootOrAFirstIndexPastItsItems)
{
    Open();
    EXPECT_FALSE(engine->Visible());
    root.Add(L"One");
    engine->Popup(&root, Rect {}, false, 1);
    EXPECT_FALSE(engine->Visible());
    EXPECT_TRUE(host.Windows.empty());
}

TEST_F(EngineTest, EscapeClosesTheSubmenuThenTheMenu)
{
    Node& sub = root.Add(L"&More");
    sub.Add(L"Inner");
    root.Add(L"Other");
    Open();
    EXPECT_TRUE(engine->KeyDown(MenuKeyRight, 0));
    ASSERT_EQ(engine->LevelCount(), 2);
    EXPECT_TRUE(engine->Level(0).States[0].Down);
    EXPECT_EQ(engine->Level(1).Active, 0);
    host.Log.clear();

    engine->KeyDown(MenuKeyEscape, 0);
    ASSERT_EQ(engine->LevelCount(), 1);
    EXPECT_FALSE(engine->Level(0).States[0].Down);
    EXPECT_TRUE(host.Log.empty()) << "closing the submenu does not close the menu";

    engine->KeyDown(MenuKeyLeft, 0);
    EXPECT_EQ(engine->LevelCount(), 1) << "Left with one window open does nothing";
    engine->KeyDown(MenuKeyEscape, 0);
    EXPECT_EQ(engine->LevelCount(), 0);
    EXPECT_FALSE(engine->Visible());
    EXPECT_EQ(host.Log, (std::vector<std::wstring> { L"closed" }));
    EXPECT_TRUE(host.Timers.empty());
}

TEST_F(EngineTest, ACommandRunsAfterEveryPopupIsGone)
{
    Node& sub = root.Add(L"More");
    Node& leaf = sub.Add(L"Leaf");
    bool ran = false;
    leaf.OnClick = [&] {
        ran = true;
        EXPECT_TRUE(host.Windows.empty());
        EXPECT_FALSE(engine->Visible());
        EXPECT_TRUE(host.Timers.empty());
    };
    Open();
    engine->KeyDown(MenuKeyRight, 0);
    PopupLevel& inner = engine->Level(1);
    engine->LeftButtonUp(inner, Centre(inner, 0));
    EXPECT_TRUE(ran);
    EXPECT_EQ(host.Log,
        (std::vector<std::wstring> { L"run More", L"closed", L"closed all", L"run Leaf", L"done" }));
}

TEST_F(EngineTest, HoveringASubmenuItemOpensItAfterTheDelay)
{
    root.Add(L"First");
    Node& sub = root.Add(L"Sub");
    sub.Add(L"Inner");
    Open();
    PopupLevel& level = engine->Level(0);
    PointTo(host, *engine, level, Centre(level, 1));
    EXPECT_EQ(level.Active, 1);
    EXPECT_EQ(host.WaitTimer, SubmenuDelayMs);
    EXPECT_EQ(engine->LevelCount(), 1);
    engine->WaitTimerFired();
    ASSERT_EQ(engine->LevelCount(), 2);
    EXPECT_TRUE(level.States[1].Down);
    PopupLevel& inner = engine->Level(1);
    EXPECT_EQ(inner.Position.X, level.Position.X + level.ItemBounds(1).Right + 1);

    // Moving back to the first item closes the submenu and forgets the wait.
    PointTo(host, *engine, level, Centre(level, 1));
    PointTo(host, *engine, level, Centre(level, 0));
    EXPECT_EQ(engine->LevelCount(), 1);
    EXPECT_EQ(host.WaitTimer, 0u);
    EXPECT_FALSE(level.States[1].Down);
}

TEST_F(EngineTest, HoveringTheDownMarkerScrollsOneItemPerTickToTheEnd)
{
    host.Skinned = true;
    host.MaxItems = 5;
    for (int i = 0; i < 8; ++i)
        root.Add(L"Item " + std::to_wstring(i));
    Open();
    PopupLevel& level = engine->Level(0);
    ASSERT_EQ(level.Layout.VisibleCount, 5);
    const Rect down = level.Markers.Down;
    PointTo(host, *engine, level, Point { (down.Left + down.Right) / 2, down.Top + 5 });
    EXPECT_EQ(level.ScrollCode, 2);
    ASSERT_EQ(host.Timers.count({ &level, MenuTimer::Scroll }), 1u);
    EXPECT_EQ((host.Timers[{ &level, MenuTimer::Scroll }]), 100u);
    std::vector<int> starts;
    while (host.Timers.count({ &level, MenuTimer::Scroll })) {
        engine->TimerFired(level, MenuTimer::Scroll);
        starts.push_back(level.VisibleStart);
        ASSERT_LE(starts.size(), 10u);
    }
    EXPECT_EQ(starts, (std::vector<int> { 1, 2, 3 }));
    EXPECT_TRUE(level.States[7].Visible);
    EXPECT_EQ(level.ScrollCode, 0);
}

TEST_F(EngineTest, KeyboardWrapsAndScrollsTheLimitedWindow)
{
    host.MaxItems = 3;
    for (int i = 0; i < 6; ++i)
        root.Add(L"Item " + std::to_wstring(i), i != 4);
    Open();
    PopupLevel& level = engine->Level(0);
    engine->KeyDown(MenuKeyUp, 0);
    EXPECT_EQ(level.Active, 5);
    EXPECT_TRUE(level.States[5].Visible);
    EXPECT_EQ(level.VisibleStart, 3);
    engine->KeyDown(MenuKeyUp, 0);
    EXPECT_EQ(level.Active, 3) << "the disabled item is skipped";
    engine->KeyDown(MenuKeyDown, 0);
    engine->KeyDown(MenuKeyDown, 0);
    EXPECT_EQ(level.Active, 0);
    EXPECT_EQ(level.VisibleStart, 0);
}

TEST_F(EngineTest, AcceleratorsClickTheirItem)
{
    root.Add(L"&Open");
    Node& more = root.Add(L"&More");
    more.Add(L"Inner");
    Open();
    engine->KeyDown('M', L'm');
    EXPECT_EQ(engine->LevelCount(), 2);
    engine->KeyDown('I', L'i');
    EXPECT_EQ(engine->LevelCount(), 2) << "no accelerator in \"Inner\"";
    engine->KeyDown(MenuKeyReturn, 0);
    EXPECT_EQ(engine->LevelCount(), 0);
    EXPECT_EQ(host.Log.back(), L"done");
}

TEST_F(EngineTest, ACommandMayEndTheEngine)
{
    Node& bye = root.Add(L"Bye");
    bye.OnClick = [&] {
        engine.reset();
        host.Engine = nullptr;
    };
    Open();
    engine->KeyDown(MenuKeyReturn, 0);
    EXPECT_FALSE(engine);
    EXPECT_TRUE(host.Windows.empty());
    EXPECT_EQ(host.Log.back(), L"run Bye") << "nothing is told after the engine ended";
}

TEST_F(EngineTest, ASubmenuParentWhoseClickClosesTheChainOpensNothing)
{
    Node& sub = root.Add(L"Sub");
    sub.Add(L"Inner");
    sub.OnClick = [&] { engine->CloseAll(); };
    Open();
    engine->KeyDown(MenuKeyRight, 0);
    EXPECT_EQ(engine->LevelCount(), 0);
    EXPECT_TRUE(host.Windows.empty());
    EXPECT_TRUE(host.Timers.empty());
}

TEST_F(EngineTest, ANewPopupClosesTheOldChainFirst)
{
    root.Add(L"One");
    Open();
    host.Log.clear();
    Open();
    EXPECT_EQ(host.Log, (std::vector<std::wstring> { L"closed" }));
    EXPECT_EQ(engine->LevelCount(), 1);
    EXPECT_FALSE(engine->FirstPopup());
}

// Three levels with dividers, a header, disabled items, and commands that
// close the chain, open it again or end the engine.
struct RandomMenu {
    Node root;
    std::function<void()> endEngine, reopen, closeAll;
    RandomMenu()
    {
        Node& file = root.Add(L"&File");
        file.Add(L"&New");
        Node& recent = file.Add(L"&Recent");
        for (int i = 0; i < 9; ++i)
            recent.Add(L"Recent " + std::to_wstring(i), i % 4 != 3);
        file.Add(L"-");
        file.Add(L"Gone", false);
        file.Add(L"E&nd").OnClick = [this] { endEngine(); };
        root.Add(L"-");
        root.Add(L"-Tools-", false);
        root.Add(L"&Again").OnClick = [this] { reopen(); };
        Node& view = root.Add(L"&View");
        view.OnClick = [this] { closeAll(); };
        view.Add(L"Zoom");
        root.Add(L"Off", false);
        for (int i = 0; i < 6; ++i)
            root.Add(L"Plain " + std::to_wstring(i));
        root.Add(L"&Quit").OnClick = [this] { endEngine(); };
    }
};

TEST(MenuEngineRandom, TenThousandSequencesLeaveNothingBehind)
{
    std::mt19937 random(20261208);
    FakeHost host;
    RandomMenu menu;
    std::unique_ptr<MenuEngine> engine;
    auto make = [&] {
        engine = std::make_unique<MenuEngine>(host);
        host.Engine = engine.get();
    };
    menu.endEngine = [&] {
        engine.reset();
        host.Engine = nullptr;
    };
    menu.reopen = [&] {
        if (engine)
            engine->Popup(&menu.root, Rect { 300, 300, 300, 300 }, true, 0);
    };
    menu.closeAll = [&] {
        if (engine)
            engine->CloseAll();
    };
    const uint32_t keys[] = { MenuKeyReturn, MenuKeyEscape, MenuKeyLeft, MenuKeyRight, MenuKeyUp, MenuKeyDown, 'F',
        'R', 'N', 'A', 'V', 'Q', 'X' };
    int commands = 0, engineEnds = 0, deepest = 0;
    for (int sequence = 0; sequence < 10000; ++sequence) {
        host.Skinned = sequence % 3 == 0;
        host.Paint = sequence % 50 == 0;
        host.MaxItems = sequence % 2 ? 4 : 0;
        host.Work = sequence % 5 == 0 ? Rect { 0, 0, 400, 150 } : Rect { 0, 0, 1024, 768 };
        if (!engine)
            make();
        engine->Popup(&menu.root, Rect { int32_t(random() % 900), int32_t(random() % 700), 0, 0 }, random() % 2, 0);
        const int steps = 5 + int(random() % 40);
        for (int step = 0; step < steps; ++step) {
            if (!engine)
                make();
            if (!engine->Visible() && random() % 4 == 0)
                engine->Popup(&menu.root, Rect { 10, 10, 10, 10 }, false, int(random() % 3));
            const std::vector<PopupLevel*> levels = host.Order();
            deepest = std::max(deepest, int(levels.size()));
            PopupLevel* level = levels.empty() ? nullptr : levels[random() % levels.size()];
            const size_t runsBefore = host.Log.size();
            switch (random() % 9) {
            case 0:
            case 1:
                if (level) {
                    host.Cursor = Point { level->Position.X + int32_t(random() % uint32_t(level->Size.Width + 20)) - 10,
                        level->Position.Y + int32_t(random() % uint32_t(level->Size.Height + 20)) - 10 };
                    engine->TimerFired(*level, MenuTimer::Mouse);
                }
                break;
            case 2:
                if (level)
                    engine->LeftButtonUp(*level,
                        Point { int32_t(random() % uint32_t(level->Size.Width)), int32_t(random() % uint32_t(level->Size.Height)) });
                break;
            case 3:
            case 4: {
                const uint32_t key = keys[random() % std::size(keys)];
                engine->KeyDown(key, key >= 'A' ? wchar_t(key) : 0);
                break;
            }
            case 5:
                engine->Wheel(random() % 2 ? 1 : -1);
                break;
            case 6:
            case 7:
                if (!host.Timers.empty()) {
                    auto it = host.Timers.begin();
                    std::advance(it, random() % host.Timers.size());
                    const auto key = it->first;
                    engine->TimerFired(*key.first, key.second);
                } else if (host.WaitTimer) {
                    engine->WaitTimerFired();
                }
                break;
            case 8:
                if (random() % 3 == 0)
                    engine->CloseAll();
                else if (host.WaitTimer)
                    engine->WaitTimerFired();
                break;
            }
            for (size_t i = runsBefore; i < host.Log.size(); ++i)
                commands += host.Log[i].rfind(L"run ", 0) == 0;
            if (!engine) {
                ++engineEnds;
                ASSERT_TRUE(host.Windows.empty());
                ASSERT_TRUE(host.Timers.empty());
                continue;
            }
            // Every window and timer belongs to an open level, and only the
            // last levels' parents have a pressed item.
            ASSERT_EQ(host.Windows.size(), size_t(engine->LevelCount()));
            for (auto& [key, ms] : host.Timers)
                ASSERT_TRUE(host.Windows.count(key.first));
            ASSERT_EQ(engine->Visible(), engine->LevelCount() > 0);
            for (int i = 0; i < engine->LevelCount(); ++i) {
                int down = 0;
                for (const auto& s : engine->Level(i).States)
                    down += s.Down;
                ASSERT_LE(down, 1);
            }
        }
        if (engine)
            engine->CloseAll();
        ASSERT_TRUE(host.Windows.empty()) << "sequence " << sequence;
        ASSERT_TRUE(host.Timers.empty()) << "sequence " << sequence;
        ASSERT_EQ(host.WaitTimer, 0u) << "sequence " << sequence;
    }
    // The walk reached every level and ran commands, some of which ended the engine.
    EXPECT_EQ(deepest, 3);
    EXPECT_GT(commands, 1000);
    EXPECT_GT(engineEnds, 50);
}

} // namespace
} // namespace ventro
