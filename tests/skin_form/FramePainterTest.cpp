// Frame composition checked on pixels: the skinned bands from the right
// picture, objects drawn into their band, the inactive effect, the fallback
// frame's edges and stripes, and every kind of client background.
#include <gtest/gtest.h>

#include "FrameTestSkins.h"
#include "RecordingForm.h"
#include "skin/form/FramePainter.h"
#include "skin/form/StaticForm.h"
#include "skin/gfx/PixelOps.h"

namespace ventro {
namespace {

using test::BoxText;
using test::StoredSkin;

class PainterTest : public ::testing::Test {
protected:
    ClassicColors colors;
    TStaticForm form { colors };
    BoxText text;
};

TEST_F(PainterTest, TheInactiveFrameComesFromTheInactivePictureWithoutEffect)
{
    const TlxSkinContent& skin = StoredSkin();
    TSkinFrame frame(form, &skin, FrameOptions {});
    frame.SetSize(265, 351);
    FrameBands expected;
    const FrameSkinInfo& info = frame.Info();
    BuildBorderBands(info.Piece, frame.Geometry().Moved(), PictureView(skin.InActivePicture),
        Rect { 0, 0, info.W0, info.H0 }, 265, 351, info.Stretch, expected);
    form.State.Active = false;
    FrameImage image;
    ASSERT_TRUE(ComposeSkinFrame(frame, text, image));
    // No object lies on the side bands: they are the picture's, untouched.
    EXPECT_EQ(image.Bands.Left, expected.Left);
    EXPECT_EQ(image.Bands.Right, expected.Right);
    EXPECT_EQ(image.Bands.Bottom, expected.Bottom);
    EXPECT_NE(image.Bands.Top, expected.Top); // the buttons and the caption text are on it
    EXPECT_EQ(image.LeftAt, (Point { 0, 27 }));
    EXPECT_EQ(image.RightAt, (Point { 258, 27 }));
    EXPECT_EQ(image.BottomAt, (Point { 0, 344 }));

    form.State.Active = true;
    ASSERT_TRUE(ComposeSkinFrame(frame, text, image));
    EXPECT_NE(image.Bands.Left, expected.Left);

    frame.SetSize(199, 351); // below "formminwidth"
    EXPECT_FALSE(ComposeSkinFrame(frame, text, image));
    EXPECT_TRUE(image.Bands.Top.IsEmpty());
}

TEST_F(PainterTest, AutoInactiveAppliesTheEffectToTheBands)
{
    auto skin = std::make_unique<TlxSkinContent>();
    skin->LoadSkinStreamContent(ReadSkinStream(InflateBytes(ReadPackedSkin(ReadWholeFile(test::StoredSkinPath())))));
    skin->InActivePicture = Bitmap {}; // the active picture serves, with the effect
    skin->AutoRenderingInActiveImage = true;
    skin->InActiveEffect = TlxInActiveEffect::ieInvert;
    TSkinFrame frame(form, skin.get(), FrameOptions {});
    frame.SetSize(300, 200);
    FrameImage active, inactive;
    ASSERT_TRUE(ComposeSkinFrame(frame, text, active));
    form.State.Active = false;
    ASSERT_TRUE(ComposeSkinFrame(frame, text, inactive));
    Invert(inactive.Bands.Left.View());
    EXPECT_EQ(inactive.Bands.Left, active.Bands.Left);
}

TEST_F(PainterTest, ObjectsBelowTheClientTopGoToTheBottomBand)
{
    const TlxSkinContent& skin = StoredSkin();
    TSkinFrame frame(form, &skin, FrameOptions {});
    frame.SetSize(265, 351);
    TlxActiveSkinObject* close = frame.FindObject("closebutton");
    close->SkinRectInAPicture = false;
    close->Picture = close->ActivePicture;
    close->SkinRect = Rect { 0, 0, 37, 16 };
    close->ObjectRect = Rect { 100, 346, 137, 362 }; // in the bottom band, cut at its edge
    FrameImage image;
    ASSERT_TRUE(ComposeSkinFrame(frame, text, image));
    FrameBands plain;
    const FrameSkinInfo& info = frame.Info();
    BuildBorderBands(info.Piece, frame.Geometry().Moved(), PictureView(skin.Picture), Rect { 0, 0, info.W0, info.H0 },
        265, 351, info.Stretch, plain);
    EXPECT_EQ(image.Bands.Bottom, plain.Bottom) << "direct false: the frame picture's own image is not redrawn";
    close->Active = close->MouseIn = true;
    close->ActiveSkinRect = Rect { 37, 0, 74, 16 };
    close->Morphing = false;
    ASSERT_TRUE(ComposeSkinFrame(frame, text, image));
    EXPECT_EQ(image.Bands.Bottom.PixelAt(100, 2), close->ActivePicture.PixelAt(37, 0));
}

TEST_F(PainterTest, TheFallbackFrameHasThreeEdgesAStripedCaptionAndItsButtons)
{
    form.Caption = L"abc";
    FrameOptions options;
    options.Style = FrameBorderStyle::Single;
    options.Icons = MainWindowBorderIcons;
    TSkinFrame frame(form, nullptr, options);
    frame.SetSize(257, 342);
    FrameImage image;
    ComposeDefaultFrame(frame, text, DefaultCaptionFonts {}, image);
    PixelBuffer window(257, 342);
    PlaceFrameImage(image, window.View());
    auto sys = [&](uint8_t index) { return colors.Resolve(SystemColorFlag | index); };
    EXPECT_EQ(window.PixelAt(0, 0), sys(0x16));     // 3D light: top-left
    EXPECT_EQ(window.PixelAt(256, 0), sys(0x15));   // 3D dark shadow owns the top-right corner
    EXPECT_EQ(window.PixelAt(0, 341), sys(0x15));
    EXPECT_EQ(window.PixelAt(1, 100), sys(0x14));   // highlight
    EXPECT_EQ(window.PixelAt(255, 100), sys(0x10)); // shadow
    EXPECT_EQ(window.PixelAt(2, 100), sys(0x0F));
    EXPECT_EQ(window.PixelAt(254, 339), sys(0x0F));
    // The text area is (20, 3, 203, 19) beside the 17-pixel system menu
    // button. Stripes from its left + 2 on caption rows 2 and 3 (window rows 5, 6).
    EXPECT_EQ(window.PixelAt(22, 5), sys(0x14));
    EXPECT_EQ(window.PixelAt(22, 6), sys(0x10));
    EXPECT_EQ(window.PixelAt(21, 5), sys(0x0F));
    // "abc" is 18 wide: left = 17 + 186 div 2 - 23 div 2 = 99 in the caption, 102 in the window.
    ASSERT_EQ(text.Drawn.size(), 1u);
    EXPECT_EQ(text.Drawn[0], (Rect { 99, 3, 117, 15 }));
    EXPECT_EQ(window.PixelAt(102, 6), sys(0x12));
    EXPECT_EQ(window.PixelAt(101, 5), sys(0x0F)); // the text's background, grown by 2
    // The close button's glyph: origin (17 div 2 - 5, 17 div 2 - 4) in (237, 4).
    EXPECT_EQ(window.PixelAt(241, 9), sys(0x12));
    // The client area is not part of the bands.
    EXPECT_EQ(image.Bands.Top.Height(), 22);
    EXPECT_EQ(image.Bands.Bottom.Height(), 3);
    EXPECT_EQ(image.Bands.Left.Width(), 3);

    form.State.Active = false;
    text.Drawn.clear();
    ComposeDefaultFrame(frame, text, DefaultCaptionFonts {}, image);
    PlaceFrameImage(image, window.View());
    EXPECT_EQ(window.PixelAt(102, 6), sys(0x10));
}

// A skin whose picture is a coordinate pattern: red = x, green = y.
std::unique_ptr<TlxSkinContent> PatternSkin(Rect client)
{
    auto skin = std::make_unique<TlxSkinContent>();
    PixelBuffer p(100, 80);
    for (int32_t y = 0; y < 80; ++y)
        for (int32_t x = 0; x < 100; ++x)
            p.SetPixel(x, y, Rgb(uint8_t(x), uint8_t(y), 7));
    skin->Picture = BitmapFromPixels(std::move(p));
    skin->ClientRect = client;
    skin->LeftTopPoint = { 20, 20 };
    skin->RightTopPoint = { 80, 20 };
    skin->LeftBottomPoint = { 20, 60 };
    skin->RightBottomPoint = { 80, 60 };
    skin->Empty = false;
    return skin;
}

TEST_F(PainterTest, ClientBackgroundTilesStretchesOrFills)
{
    auto skin = PatternSkin(Rect { 10, 20, 26, 30 }); // a 16 x 10 tile
    TSkinFrame frame(form, skin.get(), FrameOptions {});
    frame.SetSize(150, 100);
    PixelBuffer client(50, 25);
    ComposeClientBackground(frame, client.View(), colors);
    EXPECT_EQ(client.PixelAt(0, 0), Rgb(10, 20, 7));
    EXPECT_EQ(client.PixelAt(17, 11), Rgb(11, 21, 7));
    EXPECT_EQ(client.PixelAt(49, 24), Rgb(10 + 49 % 16, 20 + 24 % 10, 7));

    skin->StretchEffect = true;
    skin->StretchType = TlxStretchType::stHorz;
    TSkinFrame horizontal(form, skin.get(), FrameOptions {});
    ComposeClientBackground(horizontal, client.View(), colors);
    // Columns of the tile's width repeat at 0, 16, 32, 48; the last is cut to 2.
    for (int32_t x : { 0, 16, 32, 48 })
        EXPECT_EQ(RedOf(client.PixelAt(x, 0)), 10) << x;
    EXPECT_EQ(RedOf(client.PixelAt(49, 0)), 11);
    EXPECT_EQ(GreenOf(client.PixelAt(0, 24)), 29); // stretched down to 25 rows

    skin->StretchType = TlxStretchType::stFull;
    TSkinFrame full(form, skin.get(), FrameOptions {});
    ComposeClientBackground(full, client.View(), colors);
    EXPECT_EQ(client.PixelAt(49, 24), Rgb(25, 29, 7));

    auto empty = PatternSkin(Rect {});
    TSkinFrame face(form, empty.get(), FrameOptions {});
    PixelBuffer logo(4, 4);
    FillPixels(logo.View(), Rect { 0, 0, 4, 4 }, ClRed);
    ComposeClientBackground(face, client.View(), colors, logo.View());
    EXPECT_EQ(client.PixelAt(25, 12), colors.Resolve(ClBtnFace)); // no logo after the face fill

    empty->BGPictureIndex = 3; // beyond the list: the face fill too
    TSkinFrame badIndex(form, empty.get(), FrameOptions {});
    ComposeClientBackground(badIndex, client.View(), colors);
    EXPECT_EQ(client.PixelAt(25, 12), colors.Resolve(ClBtnFace));
}

// A stretched background fits the client area, not the whole window: fitted
// to the window and cut at the client, a background picture would lose its
// right and bottom edge by the frame's thickness.
TEST_F(PainterTest, AStretchedBackgroundFitsTheClientAreaNotTheWindow)
{
    auto skin = PatternSkin(Rect { 10, 20, 26, 30 }); // a 16 x 10 tile
    skin->StretchEffect = true;
    const int32_t cw = 50, ch = 25; // in a window of 150 x 100
    PixelBuffer client(cw, ch);
    skin->StretchType = TlxStretchType::stFull;
    TSkinFrame full(form, skin.get(), FrameOptions {});
    full.SetSize(150, 100);
    ComposeClientBackground(full, client.View(), colors);
    EXPECT_EQ(client.PixelAt(0, 0), Rgb(10, 20, 7));
    EXPECT_EQ(client.PixelAt(cw - 1, ch - 1), Rgb(25, 29, 7)) << "the tile's last pixel at the client's corner";

    skin->StretchType = TlxStretchType::stVert;
    TSkinFrame vertical(form, skin.get(), FrameOptions {});
    vertical.SetSize(150, 100);
    ComposeClientBackground(vertical, client.View(), colors);
    // Rows stretched to the client's width repeat every 10 rows.
    for (int32_t y : { 0, 10, 20 }) {
        EXPECT_EQ(client.PixelAt(0, y), Rgb(10, 20, 7)) << y;
        EXPECT_EQ(client.PixelAt(cw - 1, y), Rgb(25, 20, 7)) << y;
    }
}

TEST_F(PainterTest, TheLogoSitsInTheMiddleAndMayBeTransparent)
{
    TSkinFrame frame(form, nullptr, FrameOptions {});
    frame.SetSize(100, 100);
    PixelBuffer client(50, 25), logo(10, 6);
    FillPixels(logo.View(), Rect { 0, 0, 10, 6 }, ClRed);
    FillPixels(logo.View(), Rect { 0, 5, 10, 6 }, ClBlue); // the bottom row: the transparent colour
    ComposeClientBackground(frame, client.View(), colors, logo.View());
    EXPECT_EQ(client.PixelAt(20, 9), ClRed); // at (25 - 5, 12 - 3)
    EXPECT_EQ(client.PixelAt(19, 9), colors.Resolve(ClBtnFace));
    EXPECT_EQ(client.PixelAt(20, 14), ClBlue);
    ComposeClientBackground(frame, client.View(), colors, logo.View(), true);
    EXPECT_EQ(client.PixelAt(20, 14), colors.Resolve(ClBtnFace));
    PixelBuffer big(80, 40);
    ComposeClientBackground(frame, client.View(), colors, big.View());
    EXPECT_EQ(client.PixelAt(0, 0), ClBlack); // raised to (0, 0)
}

} // namespace
} // namespace ventro
