// `skintool frame` and `skintool hittest` as a skin author runs them, on our
// stored skin and on the fallback frame, and their refusals of bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

namespace ventro {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct ToolRun {
    int Status;
    std::string Out;
    std::string Err;
};

class FrameToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path()
            / ("ventro_frametool_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    ToolRun Tool(const std::string& args)
    {
        std::string out = (dir / "stdout.txt").string(), err = (dir / "stderr.txt").string();
        std::string cmd = "ASAN_OPTIONS=detect_leaks=0 '" VENTRO_SKINTOOL "' " + args + " >'" + out + "' 2>'" + err + "'";
        int status = std::system(cmd.c_str());
        auto read = [](const std::string& p) {
            std::ifstream in(p, std::ios::binary);
            return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        };
        return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(out), read(err) };
    }
    json Frame(const std::string& args)
    {
        ToolRun r = Tool("frame " + args);
        EXPECT_EQ(r.Status, 0) << r.Err;
        return r.Status == 0 ? json::parse(r.Out) : json();
    }
    std::string Hit(const std::string& args)
    {
        ToolRun r = Tool("hittest " + args);
        EXPECT_EQ(r.Status, 0) << r.Err;
        return r.Out;
    }
    void ExpectRefused(const std::string& args)
    {
        ToolRun r = Tool(args);
        EXPECT_EQ(r.Status, 1) << args;
        EXPECT_TRUE(r.Out.empty()) << args;
        EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << args << ": " << r.Err;
    }
    fs::path dir;
};

json R(int l, int t, int r, int b) { return json::array({ l, t, r, b }); }
json P(int x, int y) { return json::array({ x, y }); }

TEST_F(FrameToolTest, OurSkinAt265x351)
{
    for (const std::string& skin : { std::string("-"), std::string("'" VENTRO_SKIN_FILE "'") }) {
        json f = Frame(skin + " 265 351");
        EXPECT_EQ(f["width"], 265);
        EXPECT_EQ(f["newc"], R(7, 27, 258, 344));
        EXPECT_EQ(f["newrt"], P(255, 30));
        EXPECT_EQ(f["newlb"], P(8, 342));
        EXPECT_EQ(f["newrb"], P(255, 341));
        EXPECT_EQ(f["newcaption"], R(5, 1, 259, 24));
        EXPECT_EQ(f["newmask"], R(4, 3, 261, 348));
        EXPECT_EQ(f["client"], P(251, 317));
        EXPECT_EQ(f["minsize"], P(200, 34));
        EXPECT_EQ(f["maxsize"], P(1280, 1024));
        EXPECT_EQ(f["region"]["bounds"], R(0, 0, 265, 351));
        // Rounded corners need rows of their own; a plain rectangle is one.
        EXPECT_GT(f["region"]["count"].get<int>(), 1);
        const json& objects = f["objects"];
        ASSERT_EQ(objects.size(), 7u);
        EXPECT_EQ(objects[0], (json { { "section", "caption" }, { "class", "TlxSkinCaptionObject" },
                                  { "command", nullptr }, { "rect", R(23, 1, 259, 24) }, { "visible", true },
                                  { "enabled", true } }));
        EXPECT_EQ(objects[1]["rect"], R(220, 4, 257, 20));
        EXPECT_EQ(objects[1]["command"], "cmclose");
        EXPECT_EQ(objects[6]["section"], "traybutton");
        EXPECT_EQ(objects[6]["visible"], false); // not in the controller's default caption buttons
        EXPECT_EQ(objects[6]["enabled"], false);
    }
}

TEST_F(FrameToolTest, TheFallbackFrameOfTheMainWindow)
{
    json f = Frame("- 257 342 --fallback");
    EXPECT_EQ(f["newc"], R(3, 22, 254, 339));
    EXPECT_EQ(f["client"], P(251, 317));
    EXPECT_EQ(f["minsize"], P(120, 25));
    EXPECT_EQ(f["region"], (json { { "bounds", R(0, 0, 257, 342) }, { "count", 1 }, { "refused", nullptr } }));
    EXPECT_EQ(f["newcaption"], R(19, 3, 203, 19));
    EXPECT_EQ(f["newbuttons"], R(203, 4, 254, 21));
    std::map<std::string, json> rects, visible;
    for (const json& o : f["objects"]) {
        rects[o["section"]] = o["rect"];
        visible[o["section"]] = o["visible"];
    }
    EXPECT_EQ(rects["closebutton"], R(237, 4, 254, 21));
    EXPECT_EQ(rects["minbutton"], R(220, 4, 237, 21));
    EXPECT_EQ(rects["rollupbutton"], R(203, 4, 220, 21));
    EXPECT_EQ(rects["sysmenubutton"], R(3, 4, 19, 20));
    EXPECT_EQ(visible["maxbutton"], false);
    EXPECT_EQ(visible["traybutton"], false);
}

// Our skin with its mask replaced by a one-pixel checkerboard (378 x 119,
// 1 bit), compiled into the test folder.
std::string CheckerboardSkin(const fs::path& dir, const std::string& tool)
{
    const fs::path src = dir / "src";
    if (std::system((tool + " unpack '" VENTRO_SKIN_FILE "' '" + src.string() + "' >/dev/null").c_str()) != 0)
        return {};
    const int32_t w = 378, h = 119, stride = (w + 31) / 32 * 4;
    std::vector<uint8_t> rows(size_t(stride * h), 0);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            if ((x + y) % 2) // white (index 1) outside; rows are stored bottom-up
                rows[size_t((h - 1 - y) * stride + x / 8)] |= uint8_t(0x80 >> (x % 8));
    std::vector<uint8_t> bmp = { 'B', 'M' };
    auto put = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            bmp.push_back(uint8_t(v >> (8 * i)));
    };
    put(uint32_t(14 + 40 + 8 + rows.size()), 4);
    put(0, 4);
    put(14 + 40 + 8, 4);
    put(40, 4);
    put(uint32_t(w), 4);
    put(uint32_t(h), 4);
    put(1, 2);
    put(1, 2);
    put(0, 4);
    put(uint32_t(rows.size()), 4);
    put(2835, 4);
    put(2835, 4);
    put(2, 4);
    put(2, 4);
    put(0x000000, 4);
    put(0xFFFFFF, 4);
    bmp.insert(bmp.end(), rows.begin(), rows.end());
    std::ofstream((src / "frame_mask.bmp").string(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), std::streamsize(bmp.size()));
    const std::string out = (dir / "checker.skn").string();
    if (std::system((tool + " compile '" + (src / "skin.ini").string() + "' '" + out + "' >/dev/null").c_str()) != 0)
        return {};
    return out;
}

TEST_F(FrameToolTest, AMaskWithTooManyRectanglesIsRefusedAndTheFrameSaysWhy)
{
    const std::string skin = CheckerboardSkin(dir, "ASAN_OPTIONS=detect_leaks=0 '" VENTRO_SKINTOOL "'");
    ASSERT_FALSE(skin.empty());
    // Small, the checkerboard's region is within the bound and applied.
    json small = Frame("'" + skin + "' 250 60");
    EXPECT_GT(small["region"]["count"].get<int>(), 500);
    EXPECT_LE(small["region"]["count"].get<int>(), 1200);
    EXPECT_EQ(small["region"]["refused"], nullptr);
    // Large, it would pass the bound: the window is its rectangle.
    json large = Frame("'" + skin + "' 2000 1500");
    EXPECT_EQ(large["region"]["count"], 1);
    EXPECT_EQ(large["region"]["bounds"], R(0, 0, 2000, 1500));
    const std::string why = large["region"]["refused"].get<std::string>();
    EXPECT_NE(why.find("rectangles at 2000x1500, more than the 1200"), std::string::npos) << why;
}

TEST_F(FrameToolTest, HitTestCodes)
{
    EXPECT_EQ(Hit("- 265 351 100 100 --resizable"), "HTCLIENT\n");
    EXPECT_EQ(Hit("- 265 351 0 175 --resizable"), "HTLEFT\n");
    EXPECT_EQ(Hit("- 265 351 3 3 --resizable"), "HTTOPLEFT\n");
    EXPECT_EQ(Hit("- 265 351 0 175"), "HTOBJECT\n");
    EXPECT_EQ(Hit("- 265 351 0 175 --resizable --maximized"), "HTOBJECT\n");
    EXPECT_EQ(Hit("- 265 351 50 10 --resizable"), "HTCAPTION\n");
    // The close button lies on the caption object's rectangle: a button still.
    EXPECT_EQ(Hit("- 265 351 230 10 --resizable"), "HTOBJECT\n");
    EXPECT_EQ(Hit("- 265 351 130 10 --resizable"), "HTCAPTION\n");
    EXPECT_EQ(Hit("- 265 351 50 10 --rolledup"), "HTCAPTION\n");
    EXPECT_EQ(Hit("- 265 351 100 100 --rolledup"), "HTOBJECT\n");
    EXPECT_EQ(Hit("- 257 342 100 10 --fallback"), "HTCAPTION\n");
    EXPECT_EQ(Hit("- 257 342 0 0 --fallback --resizable"), "HTTOPLEFT\n");
    EXPECT_EQ(Hit("- 257 342 0 0 --fallback"), "HTOBJECT\n");
}

TEST_F(FrameToolTest, BadInputIsRefusedWithOneLine)
{
    std::ofstream((dir / "junk.skn").string(), std::ios::binary) << "not a skin at all";
    const std::string junk = "'" + (dir / "junk.skn").string() + "'";
    ExpectRefused("frame " + junk + " 100 100");
    ExpectRefused("hittest " + junk + " 100 100 5 5");
    ExpectRefused("frame '" + (dir / "missing.skn").string() + "' 100 100");
    ExpectRefused("frame - 0 100");
    ExpectRefused("frame - 100 -3");
    ExpectRefused("frame - 16385 100");
    ExpectRefused("frame - 12x 100");
    ExpectRefused("frame - 100 100 --sideways");
    ExpectRefused("frame - 100");
    ExpectRefused("hittest - 100 100 100 5");
    ExpectRefused("hittest - 100 100 5 -1");
    EXPECT_EQ(Tool("frame - 16384 1").Status, 0);
}

} // namespace
} // namespace ventro
