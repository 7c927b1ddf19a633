// Hint window arithmetic: line separators, sizes in the stored skin's frame
// and the plain look, the corrections that keep the frame whole, placement
// at the screen's edges, and where title, image and text go.
#include <gtest/gtest.h>

#include "skin/menus/HintLayout.h"
#include "skin/menus/HintPaint.h"
#include "tests/skin_menus/StoredSkin.h"

namespace ventro {
namespace {

using testing::StoredSkin;

HintLook StoredHintLook()
{
    const TlxSkinData& skin = StoredSkin();
    const PixelBuffer& picture = skin.ActivePictures.at(size_t(skin.HintWindow.WindowPictureIndex)).Pixels;
    return HintLook { &skin.HintWindow, picture.Width(), picture.Height() };
}

TEST(HintText, EachSeparatorStartsANewLine)
{
    EXPECT_EQ(ReplaceLineSeparator(L"Minimize@to tray", L"@"), L"Minimize\n\rto tray");
    EXPECT_EQ(ReplaceLineSeparator(L"@a@@b@", L"@"), L"\n\ra\n\r\n\rb\n\r");
    EXPECT_EQ(ReplaceLineSeparator(L"one||two|three", L"||"), L"one\n\rtwo|three");
    EXPECT_EQ(ReplaceLineSeparator(L"no separator", L"@"), L"no separator");
    EXPECT_EQ(ReplaceLineSeparator(L"a@b", L""), L"a@b") << "an empty separator must not loop";
}

TEST(HintSize, StoredSkinGrowsByTheTextExtentPlusFive)
{
    const HintLook look = StoredHintLook();
    ASSERT_EQ(StoredSkin().HintWindow.WindowPictureIndex, 3);
    ASSERT_EQ(look.Frame->ClientRect, (Rect { 3, 3, 37, 18 }));
    HintContent content;
    content.Text = { 50, 14 };
    const HintGeometry g = ComputeHintGeometry(look, content);
    EXPECT_EQ(g.Moved.C.Width(), 50 + 5);
    EXPECT_EQ(g.Width - look.PictureWidth, g.Moved.C.Width() - look.Frame->ClientRect.Width());
    EXPECT_EQ(g.Height, 14 + 3 + (look.PictureHeight - 18));
    EXPECT_EQ(g.Moved.LT, look.Frame->LeftTopPoint);
    EXPECT_EQ(g.Moved.RB.X, look.Frame->RightBottomPoint.X + g.Width - look.PictureWidth);
}

TEST(HintSize, ATinyTextNeverFoldsTheFrame)
{
    TlxDataSkinHintWindow frame;
    frame.WindowPictureIndex = 0;
    frame.LeftTopPoint = { 30, 4 };
    frame.RightTopPoint = { 36, 4 };
    frame.LeftBottomPoint = { 4, 17 };
    frame.RightBottomPoint = { 36, 17 };
    frame.ClientRect = { 3, 3, 37, 18 };
    const HintLook look { &frame, 40, 21 };
    const HintGeometry g = ComputeHintGeometry(look, HintContent {});
    EXPECT_EQ(g.Moved.RT.X, g.Moved.LT.X) << "the right corner stops at the left one";
    EXPECT_GE(g.Moved.RB.X, g.Moved.LB.X);
    EXPECT_EQ(g.Moved.LB.Y, g.Moved.LT.Y);
    EXPECT_GE(g.Moved.RB.Y, g.Moved.RT.Y);
    EXPECT_EQ(g.Width, 30 + 40 - 36);
}

TEST(HintSize, PlainLookIsTheTextWithTwoPixelMargins)
{
    HintContent content;
    content.Text = { 50, 28 };
    const HintGeometry g = ComputeHintGeometry(HintLook {}, content);
    EXPECT_EQ(g.Width, 54);
    EXPECT_EQ(g.Height, 32);
    EXPECT_EQ(LayoutHintPaint(HintLook {}, content, g).Text, (Rect { 2, 2, 52, 30 }));
}

TEST(HintPlacement, MovedAwayFromTheBottomRightCorner)
{
    EXPECT_EQ(PlaceHint({ 790, 590 }, 61, 20, 800, 600), (Point { 790 - 63, 590 - 22 }));
    EXPECT_EQ(PlaceHint({ 700, 590 }, 61, 20, 800, 600), (Point { 700, 568 }));
    EXPECT_EQ(PlaceHint({ 739, 580 }, 61, 20, 800, 600), (Point { 739, 580 })) << "touching the edges is inside";
}

TEST(HintPaint, PlainSkinnedTextIsCentredInTheClient)
{
    const HintLook look = StoredHintLook();
    HintContent content;
    content.Text = { 50, 14 };
    const HintGeometry g = ComputeHintGeometry(look, content);
    const Rect text = LayoutHintPaint(look, content, g).Text;
    EXPECT_EQ(text.Width(), 50);
    EXPECT_EQ(text.Height(), 14);
    EXPECT_LE(std::abs((text.Left - g.Moved.C.Left) - (g.Moved.C.Right - text.Right)), 1);
    EXPECT_LE(std::abs((text.Top - g.Moved.C.Top) - (g.Moved.C.Bottom - text.Bottom)), 1);
}

TEST(HintPaint, RichHintPutsTheBoldTitleAboveTheTextAndTheImageBeside)
{
    const HintLook look = StoredHintLook();
    HintContent content;
    content.Text = { 50, 14 };
    content.Rich = true;
    content.HasTitle = true;
    content.Title = { 40, 16 };
    HintGeometry g = ComputeHintGeometry(look, content);
    EXPECT_EQ(g.Height, 14 + 16 + 10 + 3 + (look.PictureHeight - 18));
    EXPECT_EQ(g.Width, 50 + 10 + 3 + (look.PictureWidth - 37));
    HintPaintLayout paint = LayoutHintPaint(look, content, g);
    EXPECT_EQ((Point { paint.Title.Left, paint.Title.Top }), (Point { g.Moved.C.Left + 5, g.Moved.C.Top }));
    EXPECT_EQ(paint.Text.Top, paint.Title.Bottom + 5);

    // An image without a title: both centred vertically, the text after the image.
    content.HasTitle = false;
    content.HasImage = true;
    content.Image = { 16, 16 };
    g = ComputeHintGeometry(look, content);
    EXPECT_EQ(g.Width, 50 + 16 + 10 + 10 + 3 + (look.PictureWidth - 37));
    EXPECT_EQ(g.Height, 16 + 5 + 3 + (look.PictureHeight - 18));
    paint = LayoutHintPaint(look, content, g);
    EXPECT_EQ(paint.Image.X, g.Moved.C.Left + 5);
    EXPECT_EQ(paint.Image.Y, g.Moved.C.Top + (g.Moved.C.Height() - 16) / 2);
    EXPECT_EQ(paint.Text.Left, paint.Image.X + 16 + 5);
    EXPECT_TRUE(paint.Title.IsZero());

    // Plain look: the text beside the image starts at the image's width + 9.
    content.HasTitle = true;
    g = ComputeHintGeometry(HintLook {}, content);
    paint = LayoutHintPaint(HintLook {}, content, g);
    EXPECT_EQ((Point { paint.Title.Left, paint.Title.Top }), (Point { 2, 2 }));
    EXPECT_EQ(paint.Text.Left, 16 + 9);
    EXPECT_EQ(paint.Text.Top, 2 + 16 + 5);
    EXPECT_EQ(paint.Image.Y, 2 + 16 + 5);
}

class RecordingText : public ITextPainter {
public:
    struct Call {
        std::wstring Text;
        TextFont Font;
        Rect Box;
        Color Colour;
        uint32_t Flags;
    };
    Extent Measure(const TextFont&, std::wstring_view text, uint32_t) override { return { int32_t(7 * text.size()), 14 }; }
    void Draw(PixelView, const TextFont& font, std::wstring_view text, Rect r, Color color, uint32_t flags) override
    {
        Calls.push_back({ std::wstring(text), font, r, color, flags });
    }
    std::vector<Call> Calls;
};

Color FakeSystemColors(Color c) { return IsSystemColor(c) ? Rgb(uint8_t(c), uint8_t(c), uint8_t(c)) : c; }
struct FakeColors : IColorResolver {
    Color Resolve(Color c) const override { return FakeSystemColors(c); }
};
const FakeColors fakeColors;

TEST(HintPaint, StoredSkinFrameKeepsItsCornersAndTheTextItsColour)
{
    const HintLook look = StoredHintLook();
    RecordingText text;
    HintPaintInput in;
    in.Look = look;
    in.Picture = StoredSkin().ActivePictures.at(3).Pixels.View();
    in.Content.Text = { 50, 14 };
    in.Geometry = ComputeHintGeometry(look, in.Content);
    in.Text = L"Minimize";
    in.Painter = &text;
    in.Colors = &fakeColors;
    PixelBuffer out;
    PaintHint(in, out);
    ASSERT_EQ(out.Width(), in.Geometry.Width);
    const int32_t pw = in.Picture.Width(), ph = in.Picture.Height();
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 4; ++x) {
            EXPECT_EQ(out.PixelAt(x, y), in.Picture.PixelAt(x, y));
            EXPECT_EQ(out.PixelAt(out.Width() - 1 - x, out.Height() - 1 - y), in.Picture.PixelAt(pw - 1 - x, ph - 1 - y));
        }
    ASSERT_EQ(text.Calls.size(), 1u);
    EXPECT_EQ(text.Calls[0].Colour, look.Frame->FontColor);
    EXPECT_EQ(text.Calls[0].Box, LayoutHintPaint(look, in.Content, in.Geometry).Text);
}

TEST(HintPaint, PlainLookAndTheBoldTitle)
{
    RecordingText text;
    HintPaintInput in;
    in.Content.Text = { 50, 14 };
    in.Content.Rich = in.Content.HasTitle = true;
    in.Content.Title = { 30, 14 };
    in.Geometry = ComputeHintGeometry(HintLook {}, in.Content);
    in.Text = L"text";
    in.Title = L"Title";
    in.Painter = &text;
    in.Colors = &fakeColors;
    PixelBuffer out;
    PaintHint(in, out);
    EXPECT_EQ(out.PixelAt(0, 0), FakeSystemColors(ClBtnShadow));
    EXPECT_EQ(out.PixelAt(1, 1), FakeSystemColors(ClInfoBk));
    ASSERT_EQ(text.Calls.size(), 2u);
    EXPECT_EQ(text.Calls[0].Text, L"Title");
    EXPECT_TRUE(text.Calls[0].Font.Style.Has(TFontStyles::fsBold));
    EXPECT_FALSE(text.Calls[1].Font.Style.Has(TFontStyles::fsBold));
    EXPECT_EQ(text.Calls[1].Colour, FakeSystemColors(ClInfoText));
    EXPECT_GT(text.Calls[1].Box.Top, text.Calls[0].Box.Top);
    // Measured in the plain font, the bold title may run on to the window's edge.
    EXPECT_EQ(text.Calls[0].Box.Right, in.Geometry.Width);
}

} // namespace
} // namespace ventro
