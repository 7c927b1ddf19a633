// skinview --watch under Wine, in the test process: a copy of our skin's
// definition folder is shown, changed on disk (a caption colour, a picture)
// and the frame follows; a broken save keeps the last skin and says why; the
// window keeps its size and place throughout.
#include <chrono>
#include <functional>

#include "skin/data/BmpFile.h"
#include "skin/data/Stream.h"
#include "platform/Text.h"
#include "skin/form/LumenSkinForm.h"
#include "tests/skinview/SkinViewHarness.h"

namespace ventro::skinview::testing {
namespace {

namespace fs = std::filesystem;

// A copy of our skin's definition folder, removed at the end.
struct DefinitionFolder {
    fs::path Path;
    DefinitionFolder()
    {
        wchar_t temp[MAX_PATH] {};
        GetTempPathW(MAX_PATH, temp);
        Path = fs::path(temp) / (L"skinview-watch-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount()));
        fs::create_directories(Path);
        for (const auto& entry : fs::directory_iterator(fs::path(VENTRO_SKIN_FOLDER)))
            fs::copy_file(entry.path(), Path / entry.path().filename(), fs::copy_options::overwrite_existing);
    }
    ~DefinitionFolder()
    {
        std::error_code error;
        fs::remove_all(Path, error);
    }
    std::wstring Definition() const { return (Path / L"VentroSkin.ini").wstring(); }
    // Saves the definition with one line replaced, as an editor saves it.
    void ReplaceLine(const std::string& line, const std::string& text) const
    {
        std::vector<uint8_t> bytes = FileBytes(Definition());
        std::string content(bytes.begin(), bytes.end());
        const size_t at = content.find("\n" + line + "\r\n");
        ASSERT_NE(at, std::string::npos) << line;
        content.replace(at + 1, line.size(), text);
        std::ofstream(fs::path(Definition()), std::ios::binary | std::ios::trunc).write(content.data(), std::streamsize(content.size()));
    }
};

// The frame as the window paints it, pixel by pixel (0x00BBGGRR).
PixelBuffer FramePicture(HWND wnd)
{
    const Rect r = WindowRect(wnd);
    HDC screen = GetDC(nullptr);
    MemoryDC dc(CreateCompatibleDC(screen));
    BitmapHandle bitmap(CreateCompatibleBitmap(screen, r.Width(), r.Height()));
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc.Get(), bitmap.Get());
    EXPECT_EQ(SendMessageW(wnd, LumenPrintFrameMessage, WPARAM(dc.Get()), 0), LumenPrintFrameAnswer);
    PixelBuffer picture(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x)
            picture.SetPixel(x, y, Color(GetPixel(dc.Get(), x, y)));
    SelectObject(dc.Get(), old);
    return picture;
}

// Pixels of the top rows that are clearly red: the caption text in red,
// drawn smooth or not, and nothing of our skin's slate frame.
int CountRed(const PixelBuffer& picture, int rows)
{
    int n = 0;
    for (int y = 0; y < std::min(rows, picture.Height()); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const Color c = picture.PixelAt(x, y);
            n += RedOf(c) > 160 && GreenOf(c) < 80 && BlueOf(c) < 80;
        }
    return n;
}

// Pumps messages until the condition holds, for at most ten seconds.
bool PumpUntil(const std::function<bool()>& condition)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition() && std::chrono::steady_clock::now() < end)
        Pump(50);
    return condition();
}

TEST_F(SkinViewTest, WatchedDefinitionFollowsEachSaveAndKeepsTheLastGoodSkin)
{
    DefinitionFolder folder;
    ViewOptions options;
    options.WatchPath = folder.Definition();
    TSkinViewForm& view = Open(options);
    HWND wnd = view.Handle();
    ASSERT_TRUE(view.Failure().empty()) << std::string(view.Failure().begin(), view.Failure().end());
    EXPECT_EQ(view.Caption(), L"skinview - VentroSkin.ini");
    EXPECT_TRUE(view.lxLumenSkinForm1->SkinReady());
    ASSERT_TRUE(view.lxLumenSkinForm1->FormActive());
    const Rect place = WindowRect(wnd);
    const Color green = Rgb(0, 255, 0);
    const int captionRows = 25;
    ASSERT_EQ(CountRed(FramePicture(wnd), captionRows), 0);

    // The active caption's text colour.
    folder.ReplaceLine("activefontcolor=16446704", "activefontcolor=255");
    EXPECT_TRUE(PumpUntil([&] { return CountRed(FramePicture(wnd), captionRows) > 20; }));
    EXPECT_EQ(WindowRect(wnd), place);

    // The frame picture, painted over in green: the left border shows it.
    Bitmap frame = ReadBmp(FileBytes(folder.Path / L"frame.bmp"));
    for (int y = 0; y < frame.Height(); ++y)
        for (int x = 0; x < frame.Width(); ++x)
            frame.Pixels.SetPixel(x, y, green);
    const std::vector<uint8_t> frameBytes = WriteBmp(frame);
    std::ofstream(folder.Path / L"frame.bmp", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(frameBytes.data()), std::streamsize(frameBytes.size()));
    const int midY = place.Height() / 2;
    EXPECT_TRUE(PumpUntil([&] { return FramePicture(wnd).PixelAt(5, midY) == green; }));
    EXPECT_TRUE(view.Failure().empty()) << WideToUtf8(view.Failure());
    EXPECT_EQ(WindowRect(wnd), place);

    // A broken save: the caption names the error, the last skin stays.
    folder.ReplaceLine("clientrect=7,27,371,112", "clientrect=7,27,371");
    EXPECT_TRUE(PumpUntil([&] { return !view.Failure().empty(); }));
    EXPECT_EQ(view.Caption(), L"skinview - VentroSkin.ini: line 26: '7,27,371' is not a rectangle: it has 3 of the four "
                              L"numbers left,top,right,bottom; the engine stops loading the skin here");
    EXPECT_TRUE(view.lxLumenSkinForm1->SkinReady());
    const PixelBuffer kept = FramePicture(wnd);
    EXPECT_EQ(kept.PixelAt(5, midY), green);
    EXPECT_GT(CountRed(kept, captionRows), 20);
    EXPECT_EQ(WindowRect(wnd), place);

    // Mended, it shows again.
    folder.ReplaceLine("clientrect=7,27,371", "clientrect=7,27,371,112");
    EXPECT_TRUE(PumpUntil([&] { return view.Failure().empty(); }));
    EXPECT_EQ(view.Caption(), L"skinview - VentroSkin.ini");
    EXPECT_EQ(FramePicture(wnd).PixelAt(5, midY), green);
    EXPECT_EQ(WindowRect(wnd), place);
}

TEST_F(SkinViewTest, WatchedDefinitionThatCannotBeReadSaysSoAndReloadTriesAgain)
{
    DefinitionFolder folder;
    ViewOptions options;
    options.WatchPath = (folder.Path / L"missing.ini").wstring();
    TSkinViewForm& view = Open(options);
    EXPECT_EQ(view.Caption(), L"skinview - missing.ini: cannot read the file");
    EXPECT_FALSE(view.lxLumenSkinForm1->SkinReady());
    fs::copy_file(folder.Definition(), folder.Path / L"missing.ini");
    EXPECT_TRUE(PumpUntil([&] { return view.Failure().empty(); }));
    EXPECT_TRUE(view.lxLumenSkinForm1->SkinReady());
    EXPECT_EQ(view.Caption(), L"skinview - missing.ini");
    view.Reload();
    EXPECT_TRUE(view.Failure().empty());
    EXPECT_EQ(view.WatchPath(), (folder.Path / L"missing.ini").wstring());
}

} // namespace
} // namespace ventro::skinview::testing
