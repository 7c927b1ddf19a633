// The skin objects: what a skin makes, visibility and hints, the press and
// release of caption buttons, morphs and animations over timer ticks, and the
// drawing rules checked on pixels.
#include <gtest/gtest.h>

#include <random>

#include "FrameTestSkins.h"
#include "RecordingForm.h"
#include "skin/data/ResourceStrings.h"
#include "skin/form/SkinFrame.h"
#include "skin/form/SkinObjects.h"
#include "skin/gfx/PixelOps.h"

namespace ventro {
namespace {

using test::BoxText;
using test::RecordingForm;
using test::StoredSkin;

TlxActiveSkinObject* Find(SkinObjectList& list, const std::string& id)
{
    for (auto& o : list)
        if (o->IDName == id)
            return o.get();
    return nullptr;
}

class SkinObjectsTest : public ::testing::Test {
protected:
    RecordingForm form;
    SkinObjectList objects = CreateSkinObjects(form, StoredSkin());
    TlxSkinStdButtonObject& Button(const std::string& id) { return dynamic_cast<TlxSkinStdButtonObject&>(*Find(objects, id)); }
};

TEST_F(SkinObjectsTest, OurSkinMakesTheCaptionAndSixButtonsAndSkipsMenuRecords)
{
    std::vector<std::string> ids;
    for (auto& o : objects)
        ids.push_back(o->IDName);
    EXPECT_EQ(ids, (std::vector<std::string> { "caption", "closebutton", "minimizebutton", "maximizebutton",
                       "rollupbutton", "sysmenubutton", "traybutton" }));
    EXPECT_EQ(objects[0]->Kind(), FrameObjectKind::Caption);
    EXPECT_EQ(Button("closebutton").Command(), TlxStdCommand::cmClose);
    // The caption has no active picture: no active image and no morphing.
    EXPECT_TRUE(objects[0]->ActivePicture.IsEmpty());
    EXPECT_EQ(objects[0]->ActiveSkinRect, Rect {});
    EXPECT_FALSE(objects[0]->Morphing);
    EXPECT_TRUE(Button("closebutton").Morphing);
}

TEST_F(SkinObjectsTest, BorderIconsShowAndEnableTheButtons)
{
    ApplyBorderIcons(objects, DefaultBorderIcons, false, form);
    EXPECT_TRUE(Button("maximizebutton").Visible);
    EXPECT_FALSE(Button("traybutton").Visible);
    EXPECT_FALSE(Button("traybutton").Enabled);

    TlxBorderIcons noMaximize = DefaultBorderIcons;
    noMaximize.Maximize = false;
    ApplyBorderIcons(objects, noMaximize, false, form);
    EXPECT_FALSE(Button("maximizebutton").Visible);
    EXPECT_FALSE(Button("maximizebutton").Enabled);
    // A maximize button drawn into the frame picture stays, disabled.
    Button("maximizebutton").SkinRectInAPicture = false;
    ApplyBorderIcons(objects, noMaximize, false, form);
    EXPECT_TRUE(Button("maximizebutton").Visible);
    EXPECT_FALSE(Button("maximizebutton").Enabled);

    ApplyBorderIcons(objects, TlxBorderIcons { false, false, false, false, false }, false, form);
    EXPECT_TRUE(Button("closebutton").Visible);
    EXPECT_TRUE(Button("closebutton").Enabled);
    ApplyBorderIcons(objects, DefaultBorderIcons, true, form);
    EXPECT_FALSE(Button("closebutton").Visible);
    EXPECT_FALSE(Button("closebutton").Enabled);
    EXPECT_TRUE(Button("maximizebutton").Visible); // part of the frame picture
}

TEST_F(SkinObjectsTest, NewFrameOptionsKeepTheObjectsTheirStatesAndTheSkinsHints)
{
    TSkinFrame frame(form, &StoredSkin(), FrameOptions {});
    frame.SetSize(400, 200);
    TlxActiveSkinObject* close = frame.FindObject("closebutton");
    TlxActiveSkinObject* maximize = frame.FindObject("maximizebutton");
    ASSERT_NE(close, nullptr);
    ASSERT_NE(maximize, nullptr);
    EXPECT_EQ(close->Hint, "Close") << "the record's hint";
    close->Hint = "Shut";
    close->MouseEnter();
    close->MorphKf = 0.4;
    const Rect placed = close->ObjectRect;

    FrameOptions options;
    options.Icons.Maximize = false;
    options.ShowIcon = true;
    options.Limits.MinWidth = 500;
    frame.SetOptions(options);
    EXPECT_EQ(frame.FindObject("closebutton"), close);
    EXPECT_TRUE(close->Active);
    EXPECT_EQ(close->MorphKf, 0.4);
    EXPECT_EQ(close->Hint, "Shut");
    EXPECT_FALSE(maximize->Visible);
    EXPECT_FALSE(maximize->Enabled);
    EXPECT_EQ(close->ObjectRect, placed);
    EXPECT_EQ(frame.FindObject("minimizebutton")->ObjectRect.Right, placed.Left - frame.Info().ButtonsOffset)
        << "not placed again without the maximize button";
    EXPECT_EQ(frame.MinWidth(), 500);
    options.HideCaptionButtons = true;
    frame.SetOptions(options);
    EXPECT_FALSE(close->Visible);
    EXPECT_EQ(frame.FindObject("closebutton"), close);
}

TEST_F(SkinObjectsTest, CustomButtonsAskTheFormAndDefaultHintsComeFromTheResourceStrings)
{
    Button("traybutton").CommandValue = TlxStdCommand::cmDefault;
    ApplyBorderIcons(objects, DefaultBorderIcons, false, form);
    EXPECT_TRUE(form.Contains("custom traybutton"));
    EXPECT_FALSE(Button("traybutton").Visible);
    form.CustomVisible = true;
    ApplyBorderIcons(objects, DefaultBorderIcons, false, form);
    EXPECT_TRUE(Button("traybutton").Visible);

    Button("closebutton").Hint = "x";
    std::vector<std::string> strings = DefaultResourceStrings();
    for (std::string& line : strings)
        if (line.rfind("CLOSEBUTTON_HINT=", 0) == 0)
            line = "CLOSEBUTTON_HINT=关闭";
    ApplyDefaultHints(objects, &strings);
    EXPECT_EQ(Button("closebutton").Hint, "关闭");
    EXPECT_EQ(Button("rollupbutton").Hint, "Roll Up");
    EXPECT_EQ(Button("traybutton").Hint, "Minimize to Tray"); // kept: no default for custom objects
    ApplyDefaultHints(objects, nullptr);
    EXPECT_EQ(Button("closebutton").Hint, "Close");
    EXPECT_EQ(Button("sysmenubutton").Hint, "System menu");
}

TEST_F(SkinObjectsTest, CloseReleasedOutsideLeavesTheFormOpenAndInsideRepaintsThenCloses)
{
    TlxSkinStdButtonObject& close = Button("closebutton");
    close.MouseEnter();
    close.MouseDown(5, 5, TMouseButton::mbLeft);
    EXPECT_TRUE(close.Down);
    close.MouseLeave();
    form.Log.clear();
    close.MouseUp(50, 5, TMouseButton::mbLeft);
    EXPECT_FALSE(close.Down);
    EXPECT_FALSE(form.Contains("close"));
    EXPECT_FALSE(form.Contains("up closebutton")); // the mouse is not inside

    close.MouseEnter();
    close.MouseDown(5, 5, TMouseButton::mbLeft);
    form.Log.clear();
    close.MouseUp(5, 5, TMouseButton::mbLeft);
    EXPECT_FALSE(close.Down);
    auto repaint = std::find(form.Log.begin(), form.Log.end(), "repaint closebutton");
    auto closed = std::find(form.Log.begin(), form.Log.end(), "close");
    ASSERT_NE(repaint, form.Log.end());
    ASSERT_NE(closed, form.Log.end());
    EXPECT_LT(repaint, closed);
}

TEST_F(SkinObjectsTest, OtherCommandsRunBeforeTheReleaseAndFollowTheWindowState)
{
    TlxSkinStdButtonObject& max = Button("maximizebutton");
    max.MouseEnter();
    max.MouseDown(1, 1, TMouseButton::mbLeft);
    form.Log.clear();
    max.MouseUp(1, 1, TMouseButton::mbLeft);
    ASSERT_FALSE(form.Log.empty());
    EXPECT_EQ(form.Log.front(), "maximize");
    form.State.Maximized = true;
    max.MouseDown(1, 1, TMouseButton::mbLeft);
    max.MouseUp(1, 1, TMouseButton::mbLeft);
    EXPECT_TRUE(form.Contains("restore"));

    TlxSkinStdButtonObject& roll = Button("rollupbutton");
    roll.MouseEnter();
    roll.MouseDown(1, 1, TMouseButton::mbRight);
    EXPECT_FALSE(roll.Down);
    roll.MouseDown(1, 1, TMouseButton::mbLeft);
    roll.MouseUp(1, 1, TMouseButton::mbLeft);
    EXPECT_TRUE(form.Contains("roll up"));

    TlxSkinStdButtonObject& tray = Button("traybutton");
    tray.Enabled = false;
    form.Log.clear();
    tray.MouseEnter();
    tray.MouseDown(1, 1, TMouseButton::mbLeft);
    tray.MouseUp(1, 1, TMouseButton::mbLeft);
    EXPECT_FALSE(tray.Down);
    EXPECT_FALSE(form.Contains("tray"));
}

TEST_F(SkinObjectsTest, TheSystemMenuButtonPopsTheSystemMenuAndADoubleClickCloses)
{
    TlxSkinStdButtonObject& sys = Button("sysmenubutton");
    sys.MouseEnter();
    sys.MouseDown(1, 1, TMouseButton::mbLeft);
    EXPECT_TRUE(form.Contains("popup system menu at sysmenubutton"));
    sys.MouseUp(1, 1, TMouseButton::mbLeft);
    EXPECT_TRUE(sys.Down); // released when the menu closes
    form.Log.clear();
    sys.MouseLeave(); // the menu is open: no repaint
    EXPECT_FALSE(form.Contains("repaint sysmenubutton"));
    sys.DblClick();
    EXPECT_TRUE(form.Contains("close"));
}

TEST_F(SkinObjectsTest, AMorphEnteredAndLeftWithin50msRunsBackWithoutAJump)
{
    TlxSkinStdButtonObject& min = Button("minimizebutton");
    min.MouseEnter();
    EXPECT_TRUE(form.Contains("morph timer"));
    EXPECT_TRUE(MorphTimerTick(objects));
    EXPECT_TRUE(MorphTimerTick(objects));
    EXPECT_DOUBLE_EQ(min.MorphKf, 0.4);
    min.MouseLeave();
    std::vector<double> path;
    while (MorphTimerTick(objects))
        path.push_back(min.MorphKf);
    EXPECT_EQ(path, (std::vector<double> { 0.2, 0.0 }));

    // A full change takes five ticks and ends exactly.
    min.MouseEnter();
    int ticks = 0;
    while (MorphTimerTick(objects))
        ++ticks;
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(min.MorphKf, 1.0);
    min.MouseLeave();
    ticks = 0;
    while (MorphTimerTick(objects))
        ++ticks;
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(min.MorphKf, 0.0);

    // Without skin effects nothing morphs: the change repaints at once.
    form.Effects = false;
    form.Log.clear();
    min.MouseEnter();
    EXPECT_FALSE(form.Contains("morph timer"));
    EXPECT_TRUE(form.Contains("repaint minimizebutton"));
    EXPECT_FALSE(MorphTimerTick(objects));
}

// Reads the pixels an object drew at its rectangle, and a picture's rectangle.
PixelBuffer Cut(PixelView v, Rect r)
{
    PixelBuffer b(r.Width(), r.Height());
    CopyPixels(b.View(), 0, 0, v, r);
    return b;
}

TEST_F(SkinObjectsTest, RestoreImagesShowInTheRestoreStateUnlessRestoreRectIsEmpty)
{
    TlxSkinStdButtonObject& max = Button("maximizebutton");
    PixelBuffer canvasPixels(200, 40);
    BoxText text;
    FrameCanvas canvas { canvasPixels.View(), Point {}, &text };
    max.ObjectRect = Rect { 10, 10, 37, 26 };
    form.State.Maximized = true;
    max.Draw(canvas, true);
    EXPECT_EQ(Cut(canvasPixels.View(), max.ObjectRect), Cut(max.ActivePicture, max.RestoreRect));
    max.RestoreRect = Rect {};
    max.Draw(canvas, true);
    EXPECT_EQ(Cut(canvasPixels.View(), max.ObjectRect), Cut(max.ActivePicture, max.SkinRect));
    max.MouseIn = max.Active = true;
    max.MorphKf = 1;
    max.Draw(canvas, true);
    EXPECT_EQ(Cut(canvasPixels.View(), max.ObjectRect), Cut(max.ActivePicture, max.ActiveSkinRect));
    max.Down = true;
    max.Draw(canvas, true);
    EXPECT_EQ(Cut(canvasPixels.View(), max.ObjectRect), Cut(max.ActivePicture, max.DownRect));
    max.Down = false;
    form.State.Active = false;
    max.Draw(canvas, true);
    EXPECT_EQ(Cut(canvasPixels.View(), max.ObjectRect), Cut(max.ActivePicture, max.InActiveSkinRect));
}

TEST_F(SkinObjectsTest, AHalfMorphBlendsTheNormalAndTheActiveImage)
{
    TlxSkinStdButtonObject& close = Button("closebutton");
    PixelBuffer canvasPixels(40, 20);
    FrameCanvas canvas { canvasPixels.View(), Point { 100, 0 }, nullptr };
    close.ObjectRect = Rect { 100, 2, 137, 18 };
    close.Active = true;
    close.MorphKf = 0.6;
    close.Draw(canvas, true);
    PixelBuffer expected = Cut(close.ActivePicture, close.SkinRect);
    PixelBuffer active = Cut(close.ActivePicture, close.ActiveSkinRect);
    MorphBlend(expected.View(), active.View(), 0.6);
    EXPECT_EQ(Cut(canvasPixels.View(), Rect { 0, 2, 37, 18 }), expected);
}

TEST(FallbackButtons, GlyphsOnButtonFaceWithTheHoverAndPressedLooks)
{
    RecordingForm form;
    SkinObjectList buttons = CreateFallbackButtons(form);
    ASSERT_EQ(buttons.size(), 6u);
    EXPECT_EQ(buttons[1]->IDName, "maxbutton");
    ClassicColors colors;
    auto& close = *buttons[0];
    close.ObjectRect = Rect { 0, 0, 17, 17 };
    PixelBuffer pixels(17, 17);
    FrameCanvas canvas { pixels.View(), Point {}, nullptr };
    close.Draw(canvas, true);
    EXPECT_EQ(pixels.PixelAt(0, 0), colors.Resolve(ClBtnFace));
    // Origin (17 div 2 - 5, 17 div 2 - 4) = (3, 4); the cross starts at (+1, +1).
    EXPECT_EQ(pixels.PixelAt(4, 5), colors.Resolve(ClBtnText));
    EXPECT_EQ(pixels.PixelAt(3, 5), colors.Resolve(ClBtnFace));

    close.MouseEnter();
    close.Draw(canvas, true);
    EXPECT_EQ(pixels.PixelAt(0, 0), Rgb(0, 0, 128));
    EXPECT_EQ(pixels.PixelAt(1, 1), Rgb(182, 189, 210));
    dynamic_cast<TlxSkinButtonObject&>(close).Down = true;
    close.Draw(canvas, true);
    EXPECT_EQ(pixels.PixelAt(1, 1), Rgb(133, 147, 181));
    EXPECT_EQ(pixels.PixelAt(5, 6), colors.Resolve(ClBtnText)); // moved by (1, 1)
    EXPECT_EQ(pixels.PixelAt(4, 5), Rgb(133, 147, 181));

    close.Enabled = false;
    close.MouseLeave();
    dynamic_cast<TlxSkinButtonObject&>(close).Down = false;
    close.Draw(canvas, true);
    EXPECT_EQ(pixels.PixelAt(4, 5), colors.Resolve(ClBtnShadow));

    form.Icon = true;
    buttons[4]->ObjectRect = Rect { 0, 0, 16, 16 };
    buttons[4]->Draw(canvas, true);
    EXPECT_TRUE(form.Contains("icon"));
}

TEST_F(SkinObjectsTest, CaptionTextIsShortenedToTheTextRectAndAligned)
{
    auto& caption = dynamic_cast<TlxSkinCaptionObject&>(*objects[0]);
    caption.ObjectRect = Rect { 23, 1, 259, 24 };
    BoxText text;
    // "textrect" 4,0,210,23 loses 350 - 236 = 114 columns: T = (4, 0, 96, 23).
    EXPECT_EQ(caption.TextPlace(text, true), (Rect { 4, 5, 64, 17 }));
    EXPECT_EQ(text.Font.Name, "Arial");
    EXPECT_EQ(text.Font.Height, -13);
    EXPECT_TRUE(text.Font.Style.Has(TFontStyles::fsBold));
    EXPECT_EQ(text.Font.CharSet, 134);
    form.Caption = L"VentroADSL拨号器 V1.2 By Qorin"; // 27 characters, 162 pixels
    EXPECT_EQ(caption.TextPlace(text, true), (Rect { 4, 5, 94, 17 })); // 12 characters and "..."

    TlxDataSkinCaption record("c");
    record.SkinRect = Rect { 0, 0, 100, 20 };
    record.TextRect = Rect { 10, 0, 90, 20 };
    record.Alignment = TAlignment::taRightJustify;
    TlxSkinCaptionObject right(form, &StoredSkin(), &record);
    form.Caption = L"abc";
    EXPECT_EQ(right.TextPlace(text, true), (Rect { 72, 4, 90, 16 }));
    record.Alignment = TAlignment::taCenter;
    TlxSkinCaptionObject centre(form, &StoredSkin(), &record);
    EXPECT_EQ(centre.TextPlace(text, true), (Rect { 41, 4, 59, 16 }));
    form.Caption.clear();
    EXPECT_EQ(centre.TextPlace(text, true), Rect {});
}

TEST_F(SkinObjectsTest, CaptionDrawsShadowThenTextInTheStatesColours)
{
    auto& caption = dynamic_cast<TlxSkinCaptionObject&>(*objects[0]);
    caption.ObjectRect = Rect { 23, 1, 259, 24 };
    PixelBuffer band(265, 27);
    BoxText text;
    FrameCanvas canvas { band.View(), Point {}, &text };
    ActivateCaption(objects, true);
    caption.Draw(canvas, false);
    ASSERT_EQ(text.Drawn.size(), 2u);
    EXPECT_EQ(text.Drawn[0], (Rect { 28, 7, 88, 19 })); // the shadow at (+1, +1)
    EXPECT_EQ(text.Drawn[1], (Rect { 27, 6, 87, 18 }));
    const auto& r = caption.Record;
    EXPECT_EQ(band.PixelAt(27, 6), r.ActiveFontColor);
    EXPECT_EQ(band.PixelAt(86, 18), r.ActiveShadowColor);
    ActivateCaption(objects, false);
    caption.Draw(canvas, false);
    EXPECT_EQ(band.PixelAt(27, 6), r.FontColor);
}

TEST(CaptionFrame, TheTextFrameStripFollowsTheTextOrFillsTheCaption)
{
    RecordingForm form; // buttons offset 1
    form.Caption = L"abc";
    TlxDataSkinCaption record("caption");
    record.ActivePictureIndex = 0;
    record.SkinRect = record.TextRect = Rect { 0, 0, 100, 20 };
    record.Alignment = TAlignment::taLeftJustify;
    record.FrameRect = Rect { 0, 0, 40, 10 };
    record.ActiveFrameRect = Rect { 40, 0, 80, 10 };
    record.FrameTextRect = Rect { 5, 2, 35, 8 };
    record.FrameLeftOffset = record.FrameRightOffset = 5;
    BoxText text;
    const Color marker = Rgb(9, 9, 9);
    PixelBuffer pixels(110, 30);
    FrameCanvas canvas { pixels.View(), Point {}, &text };
    auto draw = [&](TlxSkinCaptionObject& caption) {
        FillPixels(pixels.View(), Rect { 0, 0, 110, 30 }, marker);
        caption.Draw(canvas, false);
    };
    {
        TlxSkinCaptionObject caption(form, &StoredSkin(), &record);
        PixelView picture = caption.ActivePicture;
        // T = (5, 2, 95, 20): "abc" at (5, 5); the strip is 40 + 18 - 30 = 28
        // wide at (5 - 5, 5 - 2), its fixed ends from the frame rectangle's.
        EXPECT_EQ(caption.TextPlace(text, false), (Rect { 5, 5, 23, 17 }));
        draw(caption);
        EXPECT_EQ(pixels.PixelAt(0, 3), picture.PixelAt(0, 0));
        EXPECT_EQ(pixels.PixelAt(27, 4), picture.PixelAt(39, 1));
        EXPECT_EQ(pixels.PixelAt(28, 4), marker);
        caption.Active = true;
        draw(caption);
        EXPECT_EQ(pixels.PixelAt(0, 3), picture.PixelAt(40, 0));
    }
    record.FullFrame = true;
    {
        TlxSkinCaptionObject caption(form, &StoredSkin(), &record);
        PixelView picture = caption.ActivePicture;
        draw(caption);
        EXPECT_EQ(pixels.PixelAt(0, 3), marker);
        EXPECT_EQ(pixels.PixelAt(1, 3), picture.PixelAt(0, 0));
        EXPECT_EQ(pixels.PixelAt(98, 3), picture.PixelAt(39, 0));
        EXPECT_EQ(pixels.PixelAt(99, 3), marker);
    }
    record.FullFrame = false;
    record.FrameTextRect = Rect { 0, 0, 100, 8 }; // 40 + 18 - 100: no strip
    {
        TlxSkinCaptionObject caption(form, &StoredSkin(), &record);
        draw(caption);
        EXPECT_EQ(pixels.PixelAt(5, 4), marker); // between two letters, where the strip would start
        EXPECT_FALSE(text.Drawn.empty());
    }
}

TEST(CaptionAnimation, FrameCountZeroNeverShowsAFrame)
{
    RecordingForm form;
    TlxDataSkinCaption record("caption");
    record.SkinRect = Rect { 0, 0, 100, 20 };
    record.AnimateSkinRect = Rect { 0, 0, 300, 20 };
    record.FrameCount = 0;
    SkinObjectList list;
    list.push_back(std::make_unique<TlxSkinCaptionObject>(form, &StoredSkin(), &record));
    auto& caption = dynamic_cast<TlxSkinCaptionObject&>(*list[0]);
    ASSERT_TRUE(caption.AnimationInEffect());
    EXPECT_TRUE(ActivateCaption(list, true));
    EXPECT_FALSE(ActivateCaption(list, true)); // already active
    EXPECT_TRUE(form.Contains("animation timer"));
    form.Log.clear();
    for (int i = 0; i < 20; ++i)
        EXPECT_FALSE(AnimationTimerTick(list));
    EXPECT_TRUE(form.Log.empty());
}

TEST(CaptionAnimation, FramesRunUpOnActivationAndDownOnDeactivation)
{
    RecordingForm form;
    TlxDataSkinCaption record("caption");
    record.SkinRect = Rect { 0, 0, 100, 20 };
    record.AnimateSkinRect = Rect { 0, 0, 300, 20 };
    record.FrameCount = 3;
    record.AnimateInterval = 50;
    record.InactiveAnimation = true;
    SkinObjectList list;
    list.push_back(std::make_unique<TlxSkinCaptionObject>(form, &StoredSkin(), &record));
    auto& caption = dynamic_cast<TlxSkinCaptionObject&>(*list[0]);
    ActivateCaption(list, true);
    std::vector<int32_t> frames;
    while (AnimationTimerTick(list))
        frames.push_back(caption.AnimationFrame);
    // Each frame waits one extra tick for the 50 ms interval; the last step
    // passes the frame count, after which nothing shows.
    EXPECT_EQ(frames, (std::vector<int32_t> { 1, 2, 2, 3, 3, 4 }));
    ActivateCaption(list, false);
    EXPECT_EQ(caption.AnimationFrame, 3);
    frames.clear();
    while (AnimationTimerTick(list))
        frames.push_back(caption.AnimationFrame);
    EXPECT_EQ(frames, (std::vector<int32_t> { 3, 2, 2, 1, 1, 0 }));
}

TEST(AnimatedButtons, RunForwardOnEnterAndBackOnLeave)
{
    RecordingForm form;
    TlxDataSkinAnimate record("anim");
    record.ActivePictureIndex = 0;
    record.SkinRectInAPicture = true;
    record.SkinRect = Rect { 0, 0, 10, 10 };
    record.ActiveSkinRect = Rect { 0, 10, 10, 20 };
    record.CountFrames = 3;
    record.ButtonStyle = true;
    record.TimerInterval = 10; // raised to 25: one step per tick
    record.Command = TlxStdCommand::cmMinimize;
    SkinObjectList list;
    list.push_back(std::make_unique<TlxSkinAnimateObject>(form, &StoredSkin(), &record));
    auto& anim = dynamic_cast<TlxSkinAnimateObject&>(*list[0]);
    EXPECT_EQ(anim.TimerInterval, 25);
    anim.MouseEnter();
    std::vector<int32_t> frames;
    while (AnimationTimerTick(list))
        frames.push_back(anim.Frame);
    EXPECT_EQ(frames, (std::vector<int32_t> { 2, 3 }));
    anim.MouseLeave();
    frames.clear();
    while (AnimationTimerTick(list))
        frames.push_back(anim.Frame);
    EXPECT_EQ(frames, (std::vector<int32_t> { 2, 1 }));
    anim.MouseEnter();
    anim.MouseUp(1, 1, TMouseButton::mbLeft);
    EXPECT_TRUE(form.Contains("minimize"));
    ResetObjects(list);
    EXPECT_EQ(anim.Frame, 1);
    EXPECT_FALSE(anim.Active);
}

TEST_F(SkinObjectsTest, OurSkinsButtonsAreLaidOutFromTheRight)
{
    ApplyBorderIcons(objects, DefaultBorderIcons, false, form);
    FrameSkinInfo skin = FrameSkinFromContent(StoredSkin());
    PlaceSkinObjects(objects, skin, CalcFrameGeometry(skin, 265, 351), false, {});
    EXPECT_EQ(Button("closebutton").ObjectRect, (Rect { 220, 4, 257, 20 }));
    EXPECT_EQ(Button("maximizebutton").ObjectRect, (Rect { 192, 4, 219, 20 }));
    EXPECT_EQ(Button("minimizebutton").ObjectRect, (Rect { 164, 4, 191, 20 }));
    EXPECT_EQ(Button("rollupbutton").ObjectRect, (Rect { 136, 4, 163, 20 }));
    EXPECT_EQ(Button("sysmenubutton").ObjectRect, (Rect { 5, 4, 23, 20 }));
    EXPECT_EQ(objects[0]->ObjectRect, (Rect { 23, 1, 259, 24 }));
}

TEST_F(SkinObjectsTest, EveryVisibleObjectLiesInsideTheWindowAtRandomSizes)
{
    FrameSkinInfo skin = FrameSkinFromContent(StoredSkin());
    std::mt19937 random(3);
    for (int round = 0; round < 3000; ++round) {
        TlxBorderIcons icons { bool(random() & 1), bool(random() & 1), bool(random() & 1), bool(random() & 1),
            bool(random() & 1) };
        ApplyBorderIcons(objects, icons, false, form);
        const int32_t w = 200 + int32_t(random() % 1500), h = 34 + int32_t(random() % 1000);
        PlaceSkinObjects(objects, skin, CalcFrameGeometry(skin, w, h), (random() & 1) != 0, Point { 16, 16 });
        for (auto& o : objects) {
            if (!o->Visible)
                continue;
            const Rect r = o->ObjectRect;
            ASSERT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= w && r.Bottom <= h && r.Left < r.Right)
                << o->IDName << " at " << w << "x" << h;
        }
    }
}

} // namespace
} // namespace ventro
