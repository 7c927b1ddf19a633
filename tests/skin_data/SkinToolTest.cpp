// skintool as a skin author runs it, and our stored skin as it comes out of
// the build: its layout through `skintool info`, the folder round trip through
// `skintool unpack`, and clean refusals of bad input.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include "skin/data/IniFile.h"
#include "skin/data/Stream.h"
#include "tests/skin_data/PictureBuilders.h"

namespace ventro {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct ToolRun {
    int Status;
    std::string Out;
    std::string Err;
};

class SkinToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("ventro_skintool_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
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
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        std::string path = (dir / name).string();
        WriteWholeFile(path, bytes);
        return path;
    }
    void ExpectRefused(const std::string& args)
    {
        ToolRun r = Tool(args);
        EXPECT_EQ(r.Status, 1) << args;
        EXPECT_TRUE(r.Out.empty()) << args;
        EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << args << ": " << r.Err;
        EXPECT_EQ(r.Err.rfind("skintool: ", 0), 0u) << r.Err;
    }
    fs::path dir;
};

json Picture(int w, int h, int bits) { return json { { "width", w }, { "height", h }, { "bits", bits } }; }
json R(int l, int t, int r, int b) { return json::array({ l, t, r, b }); }
json P(int x, int y) { return json::array({ x, y }); }

TEST_F(SkinToolTest, OurStoredSkinDecodesToItsLayout)
{
    ToolRun run = Tool("info '" VENTRO_SKIN_FILE "'");
    ASSERT_EQ(run.Status, 0) << run.Err;
    json info = json::parse(run.Out);
    EXPECT_EQ(info["version"], 3);
    EXPECT_EQ(info["picture"], Picture(378, 119, 24));
    EXPECT_EQ(info["inactivepicture"], Picture(378, 119, 24));
    EXPECT_EQ(info["mask"], Picture(378, 119, 1));
    EXPECT_EQ(info["activepictures"], json::array({ Picture(142, 202, 24), Picture(67, 61, 24), Picture(65, 116, 24),
                                          Picture(40, 21, 24), Picture(521, 352, 24), Picture(138, 86, 8) }));
    const json& f = info["forminfo"];
    EXPECT_EQ(f["clientrect"], R(7, 27, 371, 112));
    EXPECT_EQ(f["righttoppoint"], P(368, 30));
    EXPECT_EQ(f["leftbottompoint"], P(8, 110));
    EXPECT_EQ(f["rightbottompoint"], P(368, 109));
    EXPECT_EQ(f["captionrect"], R(5, 1, 372, 24));
    EXPECT_EQ(f["maskrectarea"], R(4, 3, 374, 116));
    EXPECT_EQ(f["formminwidth"], 200);
    int ltx = f["lefttoppoint"][0], lty = f["lefttoppoint"][1];
    EXPECT_TRUE(ltx >= 7 && ltx < 371 / 2 && lty >= 27 && lty < 112 / 2) << f["lefttoppoint"];
    EXPECT_EQ(info["popupwindow"]["windowpictureindex"], 1);
    EXPECT_EQ(info["hintwindow"]["windowpictureindex"], 3);
    EXPECT_EQ(info["hintwindow"]["clientrect"], R(3, 3, 37, 18));
    EXPECT_EQ(info["hintwindow"]["fontname"], "Arial");
    EXPECT_EQ(info["hintwindow"]["fontheight"], -12);

    std::vector<std::pair<std::string, std::string>> objects;
    for (const json& o : info["objects"])
        objects.emplace_back(o["section"], o["class"]);
    const std::string sb = "TlxDataSkinStdButton", mb = "TlxDataSkinMainMenuBarButton";
    EXPECT_EQ(objects, (std::vector<std::pair<std::string, std::string>> { { "menuitem", "TlxDataSkinMenuItem" },
                           { "caption", "TlxDataSkinCaption" }, { "closebutton", sb }, { "minimizebutton", sb }, { "maximizebutton", sb },
                           { "rollupbutton", sb }, { "sysmenubutton", sb }, { "traybutton", sb }, { "mainmenubaritem", "TlxDataSkinMainMenuBarItem" },
                           { "menubarsysmenubutton", mb }, { "menubarclosebutton", mb }, { "menubarmaxbutton", mb }, { "menubarminbutton", mb } }));

    // The 64 controls: per class, the sections in list order.
    std::map<std::string, std::vector<std::string>> byClass;
    for (const json& c : info["controls"])
        byClass[c["class"]].push_back(c["section"]);
    EXPECT_EQ(info["controls"].size(), 64u);
    using V = std::vector<std::string>;
    EXPECT_EQ(byClass["TlxDataSkinButtonControl"], (V { "button", "toolbutton", "resizebutton", "bigtoolbutton", "resizetoolbutton", "combobutton", "htracktoolbutton", "vtracktoolbutton" }));
    EXPECT_EQ(byClass["TlxDataSkinMenuButtonControl"], (V { "toolmenubutton", "toolmenutrackbutton", "bigtoolmenubutton", "bigtoolmenutrackbutton" }));
    EXPECT_EQ(byClass["TlxDataSkinPanelControl"], (V { "toolpanel", "panel", "groupbox", "statusbar", "bigtoolpanel", "resizetoolpanel" }));
    EXPECT_EQ(byClass["TlxDataSkinEditControl"], (V { "edit", "buttonedit", "statusedit", "statusbuttonedit", "tooledit", "toolbuttonedit" }));
    EXPECT_EQ(byClass["TlxDataSkinComboBox"], (V { "combobox", "captioncombobox", "statuscombobox", "toolcombobox" }));
    EXPECT_EQ(byClass["TlxDataSkinScrollBarControl"], (V { "hscrollbar", "vscrollbar", "bothhscrollbar" }));
    EXPECT_EQ(byClass["TlxDataSkinUpDownControl"], (V { "vupdown", "hupdown" }));
    EXPECT_EQ(byClass["TlxDataSkinMainMenuBar"], (V { "mainmenubar" }));
    EXPECT_EQ(byClass.size(), 28u);
}

TEST_F(SkinToolTest, OurSkinsMenuItemAndCloseButtonHaveTheirGeometry)
{
    // The definition as compiled, read back from the unpacked folder.
    ASSERT_EQ(Tool("unpack '" VENTRO_SKIN_FILE "' '" + dir.string() + "/out'").Status, 0);
    auto text = ReadWholeFile((dir / "out" / "skin.ini").string());
    TMemIniFile ini(SplitLines(std::string(text.begin(), text.end())));
    EXPECT_EQ(std::string(text.begin(), text.begin() + 9), "[VERSION]");
    EXPECT_EQ(ini.ReadString("menuitem", "skinrect", ""), "1,22,64,42");
    EXPECT_EQ(ini.ReadString("menuitem", "activeskinrect", ""), "1,1,64,21");
    EXPECT_EQ(ini.ReadString("menuitem", "dividerrect", ""), "1,41,64,48");
    EXPECT_EQ(ini.ReadString("menuitem", "stretcheffect", ""), "1");
    EXPECT_EQ(ini.ReadString("menuitem", "inactivestretcheffect", ""), "0");
    EXPECT_EQ(ini.ReadString("menuitem", "itemleftoffset", ""), "5");
    EXPECT_EQ(ini.ReadString("menuitem", "itemrightoffset", ""), "5");
    for (const char* key : { "skinrect", "activeskinrect", "inactiveskinrect", "downrect" }) {
        std::string v = ini.ReadString("closebutton", key, "0,0,0,0");
        int l, t, r, b;
        ASSERT_EQ(std::sscanf(v.c_str(), "%d,%d,%d,%d", &l, &t, &r, &b), 4);
        EXPECT_EQ(r - l, 37) << key;
        EXPECT_EQ(b - t, 16) << key;
    }
}

TEST_F(SkinToolTest, UnpackGivesBackTheFolderItWasCompiledFrom)
{
    ASSERT_EQ(Tool("unpack '" VENTRO_SKIN_FILE "' '" + dir.string() + "/out'").Status, 0);
    fs::path source = VENTRO_SKIN_FOLDER;
    int bitmaps = 0;
    for (const auto& entry : fs::directory_iterator(source)) {
        if (entry.path().extension() != ".bmp")
            continue;
        ++bitmaps;
        EXPECT_EQ(ReadWholeFile((dir / "out" / entry.path().filename()).string()), ReadWholeFile(entry.path().string())) << entry.path();
    }
    EXPECT_EQ(bitmaps, 9);
    auto original = ReadWholeFile((source / "VentroSkin.ini").string());
    auto unpacked = ReadWholeFile((dir / "out" / "skin.ini").string());
    EXPECT_EQ(SplitLines(std::string(unpacked.begin(), unpacked.end())), SplitLines(std::string(original.begin(), original.end())));

    // Compiling the unpacked folder again gives the same compressed skin.
    ASSERT_EQ(Tool("compile '" + (dir / "out" / "skin.ini").string() + "' '" + (dir / "again.skn").string() + "'").Status, 0);
    EXPECT_EQ(ReadWholeFile((dir / "again.skn").string()), ReadWholeFile(VENTRO_SKIN_FILE));
}

TEST_F(SkinToolTest, RawStreamsAreTheCompressedDataOfThePackedFile)
{
    ToolRun packed = Tool("info '" VENTRO_SKIN_FILE "'");
    ToolRun raw = Tool("--raw info '" VENTRO_STORED_SKIN_FILE "'");
    ASSERT_EQ(raw.Status, 0) << raw.Err;
    EXPECT_EQ(raw.Out, packed.Out);
    auto skn = ReadWholeFile(VENTRO_SKIN_FILE);
    auto dat = ReadWholeFile(VENTRO_STORED_SKIN_FILE);
    ASSERT_EQ(skn.size(), dat.size() + 8);
    EXPECT_TRUE(std::equal(dat.begin(), dat.end(), skn.begin() + 8));
}

TEST_F(SkinToolTest, BadInputIsRefusedWithOneLine)
{
    auto skn = ReadWholeFile(VENTRO_SKIN_FILE);
    std::string garbage = Write("garbage.skn", std::vector<uint8_t>(100, 0x41));
    std::string cut = Write("cut.skn", std::vector<uint8_t>(skn.begin(), skn.begin() + long(skn.size() / 2)));
    auto v4 = skn;
    v4[0] = 4;
    std::string version4 = Write("v4.skn", v4);
    auto bigSize = skn;
    bigSize[7] = 0x7F;
    std::string sized = Write("size.skn", bigSize);
    std::string notIni = Write("plain.ini", std::vector<uint8_t> { '[', 'V', 'E', 'R', 'S', 'I', 'O', 'N', ']' });

    ExpectRefused("info '" + garbage + "'");
    ExpectRefused("info '" + cut + "'");
    ExpectRefused("info '" + version4 + "'");
    ExpectRefused("info '" + sized + "'");
    ExpectRefused("--raw info '" + cut + "'");
    ExpectRefused("--raw info '" VENTRO_SKIN_FILE "'");
    ExpectRefused("info '" + (dir / "missing.skn").string() + "'");
    ExpectRefused("unpack '" + garbage + "' '" + (dir / "o").string() + "'");
    ExpectRefused("compile '" + notIni + "' '" + (dir / "x.skn").string() + "'");
    EXPECT_FALSE(fs::exists(dir / "x.skn"));
    EXPECT_EQ(Tool("frobnicate").Status, 1);
}

// Our skin's definition folder, copied so that its pictures can be replaced.
fs::path CopySkinFolder(const fs::path& to)
{
    fs::create_directories(to);
    for (const auto& entry : fs::directory_iterator(VENTRO_SKIN_FOLDER))
        fs::copy_file(entry.path(), to / entry.path().filename(), fs::copy_options::overwrite_existing);
    return to;
}

int CountLines(const std::string& text) { return int(std::count(text.begin(), text.end(), '\n')); }

TEST_F(SkinToolTest, CompileConvertsPaintProgramPicturesWithoutChangingAPixel)
{
    fs::path src = CopySkinFolder(dir / "src");
    Bitmap frame = ReadBmp(ReadWholeFile((src / "frame.bmp").string()));
    Bitmap mask = ReadBmp(ReadWholeFile((src / "frame_mask.bmp").string()));
    Bitmap menubar = ReadBmp(ReadWholeFile((src / "menubar.bmp").string()));
    ASSERT_EQ(frame.BitsPerPixel, 24);
    ASSERT_EQ(mask.BitsPerPixel, 1);
    ASSERT_EQ(menubar.BitsPerPixel, 8);

    // The frame as a 32-bit top-down bitmap with a V5 header and an alpha
    // channel, the mask as a two-colour PNG, the menu bar strip RLE8-packed.
    test::BmpLayout v5 { 124, frame.Width(), -frame.Height(), 32, 3, {}, { 0xFF0000, 0xFF00, 0xFF, 0xFF000000 } };
    for (int32_t y = 0; y < frame.Height(); ++y)
        for (int32_t x = 0; x < frame.Width(); ++x) {
            const uint8_t* p = frame.Pixels.Row(y) + x * 3;
            v5.Data.insert(v5.Data.end(), { p[0], p[1], p[2], uint8_t(x * 7) });
        }
    WriteWholeFile((src / "frame.bmp").string(), test::MakeBmp(v5));
    std::vector<uint8_t> palette;
    for (uint32_t c : mask.ColorTable)
        palette.insert(palette.end(), { uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c) });
    std::vector<std::vector<uint8_t>> maskRows;
    for (int32_t y = 0; y < mask.Height(); ++y) {
        maskRows.emplace_back(size_t((mask.Width() + 7) / 8), 0);
        for (int32_t x = 0; x < mask.Width(); ++x)
            maskRows.back()[size_t(x / 8)] |= uint8_t(mask.Indices[size_t(y * mask.Width() + x)] << (7 - x % 8));
    }
    WriteWholeFile((src / "frame_mask.bmp").string(), test::MakePng(uint32_t(mask.Width()), uint32_t(mask.Height()), 1, 3, maskRows, palette));
    test::BmpLayout rle { 40, menubar.Width(), menubar.Height(), 8, 1, menubar.ColorTable };
    rle.ClrUsed = uint32_t(menubar.ColorTable.size());
    rle.Data = test::EncodeRle8(menubar.Indices, menubar.Width(), menubar.Height());
    WriteWholeFile((src / "menubar.bmp").string(), test::MakeBmp(rle));

    std::string out = (dir / "converted.skn").string();
    ToolRun run = Tool("compile '" + (src / "VentroSkin.ini").string() + "' '" + out + "'");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(CountLines(run.Err), 3) << run.Err;
    for (const char* line : { "frame.bmp (32-bit bit-field bitmap, V5 header, top-down) to 24 bits\n",
             "frame_mask.bmp (PNG, 1-bit palette) to 1 bit\n", "menubar.bmp (8-bit RLE8 bitmap, 40-byte header) to 8 bits\n" })
        EXPECT_NE(run.Err.find(line), std::string::npos) << line << " in " << run.Err;

    ASSERT_EQ(Tool("unpack '" + out + "' '" + (dir / "out").string() + "'").Status, 0);
    Bitmap frameOut = ReadBmp(ReadWholeFile((dir / "out" / "frame.bmp").string()));
    Bitmap maskOut = ReadBmp(ReadWholeFile((dir / "out" / "frame_mask.bmp").string()));
    Bitmap menubarOut = ReadBmp(ReadWholeFile((dir / "out" / "menubar.bmp").string()));
    EXPECT_TRUE(frameOut.Pixels == frame.Pixels);
    EXPECT_EQ(frameOut.BitsPerPixel, 24);
    EXPECT_TRUE(maskOut.Pixels == mask.Pixels);
    EXPECT_EQ(maskOut.BitsPerPixel, 1);
    EXPECT_TRUE(menubarOut.Pixels == menubar.Pixels);
    EXPECT_EQ(menubarOut.Indices, menubar.Indices);
    EXPECT_EQ(menubarOut.ColorTable, menubar.ColorTable);
    // Pictures already in the stored layout went in byte for byte.
    EXPECT_EQ(ReadWholeFile((dir / "out" / "buttons.bmp").string()), ReadWholeFile((src / "buttons.bmp").string()));
}

TEST_F(SkinToolTest, HostilePicturesAreRefusedWithOneLine)
{
    fs::path src = CopySkinFolder(dir / "src");
    std::vector<uint8_t> row(8, 0);
    std::vector<std::vector<uint8_t>> hostile = {
        test::MakeBmp({ 40, 2, 2, 8, 1, { 0 }, {}, 1, { 3, 0, 0, 1 } }),              // RLE run past its row
        test::MakeBmp({ 40, 2, 2, 8, 1, { 0 }, {}, 1, { 0, 2, 0, 5, 0, 1 } }),        // RLE delta past the image
        test::MakeBmp({ 40, 2, 1, 32, 3, {}, { 0, 0, 0 }, 0, row }),                   // bit-field masks of 0
        test::MakeBmp({ 108, 2, 1, 8, 0, { 0 }, {}, 256, { 0, 0, 0, 0 } }),            // palette past the file
        test::MakeBmp({ 124, 16384, 16384, 24, 0, {}, {}, 0, row }),                   // too many pixels
        test::MakePng(16384, 1024, 8, 6, { { 0 } }),                                   // claims 64 MB from a few bytes
        { 'B', 'M', 0, 0 },
    };
    std::string out = (dir / "x.skn").string();
    for (size_t i = 0; i < hostile.size(); ++i) {
        WriteWholeFile((src / "frame.bmp").string(), hostile[i]);
        ToolRun run = Tool("compile '" + (src / "VentroSkin.ini").string() + "' '" + out + "'");
        EXPECT_EQ(run.Status, 1) << i;
        EXPECT_EQ(CountLines(run.Err), 1) << i << ": " << run.Err;
        EXPECT_NE(run.Err.find("frame.bmp: "), std::string::npos) << run.Err;
        EXPECT_FALSE(fs::exists(out)) << i;
    }
}

// The definition file of a copied folder with one line replaced.
void ReplaceLine(const fs::path& definition, const std::string& line, const std::string& text)
{
    auto bytes = ReadWholeFile(definition.string());
    std::string content(bytes.begin(), bytes.end());
    size_t at = content.find("\n" + line + "\r\n");  // our definition has CR LF line ends
    if (at == std::string::npos)
        at = content.find("\n" + line + "\n");
    ASSERT_NE(at, std::string::npos) << line;
    content.replace(at + 1, line.size(), text);
    WriteWholeFile(definition.string(), std::vector<uint8_t>(content.begin(), content.end()));
}

TEST_F(SkinToolTest, CheckFindsNothingInOurSkinAndNamesEachMistakeByLine)
{
    ToolRun folder = Tool("check '" VENTRO_SKIN_FOLDER "/VentroSkin.ini'");
    EXPECT_EQ(folder.Status, 0) << folder.Out << folder.Err;
    EXPECT_EQ(folder.Out, "");
    ToolRun compiled = Tool("check '" VENTRO_SKIN_FILE "'");
    EXPECT_EQ(compiled.Status, 0) << compiled.Out << compiled.Err;
    EXPECT_EQ(compiled.Out, "");
    EXPECT_EQ(Tool("--raw check '" VENTRO_STORED_SKIN_FILE "'").Status, 0);

    fs::path src = CopySkinFolder(dir / "src");
    const std::string ini = (src / "VentroSkin.ini").string();
    ReplaceLine(ini, "clientrect=7,27,371,112", "clientrect=7,27,400,112");
    ReplaceLine(ini, "alignment=taleftjustify", "alignment=left");
    ToolRun run = Tool("check '" + ini + "'");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, ini + ":26: error: clientrect 7,27,400,112 lies outside the frame picture frame.bmp (378x119)\n"
        + ini + ":160: warning: 'left' is not an alignment (taleftjustify, tarightjustify, tacenter); alignment reads as "
          "tarightjustify\n");
    EXPECT_EQ(run.Err, "");

    ToolRun listed = Tool("check --json '" + ini + "'");
    EXPECT_EQ(listed.Status, 1);
    json findings = json::parse(listed.Out);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0], (json { { "file", ini }, { "line", 26 }, { "level", "error" }, { "section", "FORMINFO" },
                               { "key", "clientrect" },
                               { "message", "clientrect 7,27,400,112 lies outside the frame picture frame.bmp (378x119)" } }));
    EXPECT_EQ(findings[1]["level"], "warning");
    EXPECT_EQ(findings[1]["section"], "caption");

    // Warnings alone leave the status at 0.
    ReplaceLine(ini, "clientrect=7,27,400,112", "clientrect=7,27,371,112");
    EXPECT_EQ(Tool("check '" + ini + "'").Status, 0);
    ExpectRefused("check '" + (dir / "missing.ini").string() + "'");
}

TEST_F(SkinToolTest, CompilePrintsTheCheckAndWritesWhatTheEngineTakesUnlessStrict)
{
    fs::path src = CopySkinFolder(dir / "src");
    const std::string ini = (src / "VentroSkin.ini").string();
    ReplaceLine(ini, "bgpictureindex=-1", "bgpictureindex=9");
    ToolRun run = Tool("compile '" + ini + "' '" + (dir / "out.skn").string() + "'");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, ini + ":27: error: bgpictureindex 9 is past the picture list (6 active pictures, 0 to 5)\n");
    ASSERT_TRUE(fs::exists(dir / "out.skn"));
    ToolRun again = Tool("check '" + (dir / "out.skn").string() + "'");
    EXPECT_EQ(again.Out, (dir / "out.skn").string() + ":27: error: bgpictureindex 9 is past the picture list (6 active pictures, 0 to 5)\n");

    ToolRun strict = Tool("compile --strict '" + ini + "' '" + (dir / "strict.skn").string() + "'");
    EXPECT_EQ(strict.Status, 1);
    EXPECT_EQ(strict.Err, ini + ":27: error: bgpictureindex 9 is past the picture list (6 active pictures, 0 to 5)\n"
        "skintool: nothing written: the check found errors (--strict)\n");
    EXPECT_FALSE(fs::exists(dir / "strict.skn"));
    EXPECT_EQ(Tool("check --strict '" + ini + "'").Status, 1);  // --strict belongs to compile
}

} // namespace
} // namespace ventro
