// Frame geometry: the worked example of our stored skin, the client rectangle
// rule, size limits, every case of the object layout and the fallback caption.
#include <gtest/gtest.h>

#include "FrameTestSkins.h"
#include "skin/form/FrameGeometry.h"

namespace ventro {
namespace {

using test::SmallFrame;
using test::StoredSkin;

TEST(FrameGeometry, OurSkinAt265x351MovesEveryPieceWithTheSize)
{
    FrameSkinInfo skin = FrameSkinFromContent(StoredSkin());
    ASSERT_EQ(skin.W0, 378);
    ASSERT_EQ(skin.H0, 119);
    EXPECT_TRUE(skin.HasMask);
    TFrameGeometry g = CalcFrameGeometry(skin, 265, 351); // dx = -113, dy = 232
    EXPECT_EQ(g.NewC, (Rect { 7, 27, 258, 344 }));
    EXPECT_EQ(g.NewLT, (Point { 24, 30 }));
    EXPECT_EQ(g.NewRT, (Point { 255, 30 }));
    EXPECT_EQ(g.NewLB, (Point { 8, 342 }));
    EXPECT_EQ(g.NewRB, (Point { 255, 341 }));
    EXPECT_EQ(g.NewCaption, (Rect { 5, 1, 259, 24 }));
    EXPECT_EQ(g.NewMask, (Rect { 4, 3, 261, 348 }));
    // "buttonsrect" starts right of the picture's middle, so it moves along.
    EXPECT_EQ(g.NewButtons, (Rect { 87, 4, 257, 20 }));
    // The hit-test points default to the corner points for a skin with a mask.
    EXPECT_EQ(g.HitRB, g.NewRB);

    Rect client = SkinClientRect(skin, Rect { 100, 50, 365, 401 });
    EXPECT_EQ(client, (Rect { 107, 77, 358, 394 }));
    EXPECT_EQ(client.Width(), 251);
    EXPECT_EQ(client.Height(), 317);

    FrameWindowState normal;
    EXPECT_EQ(GetMinWidth(&skin, {}, normal), 200);
    EXPECT_EQ(GetMinHeight(&skin, FrameBorderStyle::Single, {}, normal), 34);
}

TEST(FrameSkin, TypedLookupsPictureIndexesAndEnumerationMappings)
{
    const TlxSkinContent& skin = StoredSkin();
    ASSERT_NE(FindSkinObject<TlxDataSkinStdButton>(skin, "closebutton"), nullptr);
    EXPECT_NE(FindSkinObject<TlxDataSkinButton>(skin, "closebutton"), nullptr); // a derived class counts
    EXPECT_EQ(FindSkinObject<TlxDataSkinCaption>(skin, "closebutton"), nullptr);
    EXPECT_EQ(FindSkinObject<TlxDataSkinStdButton>(skin, "CloseButton"), nullptr); // case counts
    EXPECT_NE(FindSkinControl<TlxDataSkinControl>(skin, "button"), nullptr);
    EXPECT_EQ(FindSkinControl<TlxDataSkinControl>(skin, "nosuchcontrol"), nullptr);
    EXPECT_EQ(ActivePictureView(skin, 0).Width(), 142);
    EXPECT_TRUE(ActivePictureView(skin, -1).IsEmpty());
    EXPECT_TRUE(ActivePictureView(skin, 6).IsEmpty());
    EXPECT_EQ(ToMorphKind(TlxMorphKind::mkPush), MorphKind::Push);
    EXPECT_EQ(ToInactiveEffect(TlxInActiveEffect::ieSplitBlur), InactiveEffect::SplitBlur);
    EXPECT_EQ(ToClientStretchType(TlxStretchType::stVert), ClientStretchType::Vertical);
    // A mask counts only with a picture behind it.
    TlxSkinContent noMask;
    noMask.MaskPictureName = "mask.bmp";
    EXPECT_FALSE(FrameSkinFromContent(noMask).HasMask);
}

TEST(FrameGeometry, EmptyCaptionAndButtonRectanglesStayEmptyAndButtonsLeftOfTheMiddleStay)
{
    FrameSkinInfo skin = SmallFrame();
    skin.CaptionRect = {};
    skin.ButtonsRect = Rect { 10, 2, 40, 18 }; // left of 100 div 2
    TFrameGeometry g = CalcFrameGeometry(skin, 300, 90);
    EXPECT_EQ(g.NewCaption, Rect {});
    EXPECT_EQ(g.NewButtons, (Rect { 10, 2, 40, 18 }));
    skin.ButtonsRect = Rect { 51, 2, 40, 18 }; // empty: never moved
    EXPECT_EQ(CalcFrameGeometry(skin, 300, 90).NewButtons, (Rect { 51, 2, 40, 18 }));
}

TEST(FrameGeometry, HugeCoordinatesSaturateInsteadOfWrapping)
{
    FrameSkinInfo skin = SmallFrame();
    skin.Piece.RB = Point { INT32_MAX - 5, INT32_MAX - 5 };
    skin.Piece.C.Right = INT32_MAX;
    TFrameGeometry g = CalcFrameGeometry(skin, 16384, 16384);
    EXPECT_EQ(g.NewRB, (Point { INT32_MAX, INT32_MAX }));
    EXPECT_EQ(g.NewC.Right, INT32_MAX);
}

TEST(FrameGeometry, FallbackClientRectangleKeepsThreePixelsAndTheCaption)
{
    const Rect proposed { 10, 20, 310, 220 };
    EXPECT_EQ(DefaultClientRect(FrameBorderStyle::Single, proposed), (Rect { 13, 42, 307, 217 }));
    EXPECT_EQ(DefaultClientRect(FrameBorderStyle::ToolWindow, proposed), (Rect { 13, 38, 307, 217 }));
    EXPECT_EQ(DefaultClientRect(FrameBorderStyle::None, proposed), proposed);
}

TEST(FrameGeometry, MinimumSizesFollowTheFormLimitsAndTheState)
{
    FrameSkinInfo skin = FrameSkinFromContent(StoredSkin());
    FrameWindowState normal, minimized, rolledUp;
    minimized.Minimized = true;
    rolledUp.RolledUp = true;
    FormSizeLimits limits;
    limits.MinWidth = 500;
    limits.MinHeight = 60;
    EXPECT_EQ(GetMinWidth(&skin, limits, normal), 500);
    EXPECT_EQ(GetMinWidth(&skin, limits, minimized), 200);
    limits.MinWidth = 300; // below the picture's 378: the skin's own minimum counts
    EXPECT_EQ(GetMinWidth(&skin, limits, normal), 200);
    skin.FormMinWidth = 0;
    EXPECT_EQ(GetMinWidth(&skin, limits, normal), 378);
    EXPECT_EQ(GetMinHeight(&skin, FrameBorderStyle::Single, limits, normal), 60);
    EXPECT_EQ(GetMinHeight(&skin, FrameBorderStyle::Single, limits, rolledUp), 34);
    EXPECT_EQ(GetMinHeight(&skin, FrameBorderStyle::Single, limits, minimized), 34);

    EXPECT_EQ(GetMinWidth(nullptr, {}, normal), 120);
    EXPECT_EQ(GetMinWidth(nullptr, limits, normal), 300);
    EXPECT_EQ(GetMinHeight(nullptr, FrameBorderStyle::Single, {}, normal), 25);
    EXPECT_EQ(GetMinHeight(nullptr, FrameBorderStyle::SizeToolWin, {}, normal), 21);
    EXPECT_EQ(GetMinHeight(nullptr, FrameBorderStyle::Single, limits, normal), 60);
}

TEST(FrameGeometry, MaximumSizesComeFromTheWorkAreaOrTheMonitorCappedByTheForm)
{
    const Rect work { -1280, 0, 0, 994 }, monitor { -1280, 0, 0, 1024 };
    FormSizeLimits limits;
    EXPECT_EQ(GetMaxWidth(limits, work, monitor), 1280);
    EXPECT_EQ(GetMaxHeight(limits, work, monitor), 994);
    limits.MaximizeOnFullScreen = true;
    EXPECT_EQ(GetMaxHeight(limits, work, monitor), 1024);
    limits.MaxWidth = 800;
    limits.MaxHeight = 2000;
    EXPECT_EQ(GetMaxWidth(limits, work, monitor), 800);
    EXPECT_EQ(GetMaxHeight(limits, work, monitor), 1024);
}

// Objects on the frame picture follow the corner area they lie in. The small
// frame grows by (50, 20): its right-bottom corner moves by that much.
TEST(PlaceObjects, ObjectsOnThePictureFollowTheirCornerAreas)
{
    FrameSkinInfo skin = SmallFrame();
    TFrameGeometry g = CalcFrameGeometry(skin, 150, 100);
    struct Case {
        Rect skinRect, expected;
    } cases[] = {
        { { 2, 2, 19, 19 }, { 2, 2, 19, 19 } },        // inside the left-top corner
        { { 85, 2, 95, 10 }, { 135, 2, 145, 10 } },    // right-top: moves right
        { { 2, 65, 10, 75 }, { 2, 85, 10, 95 } },      // left-bottom: moves down
        { { 85, 65, 95, 75 }, { 135, 85, 145, 95 } },  // right-bottom: both
        { { 2, 2, 90, 70 }, { 2, 2, 140, 90 } },       // left-top to right-bottom: grows both ways
        { { 5, 1, 90, 15 }, { 5, 1, 140, 15 } },       // left-top to right-top: grows right
        { { 5, 62, 90, 75 }, { 5, 82, 140, 95 } },     // left-bottom to right-bottom: grows right, moves down
        { { 2, 5, 15, 70 }, { 2, 5, 15, 90 } },        // left-top to left-bottom: grows down
        { { 85, 5, 95, 70 }, { 135, 5, 145, 90 } },    // right-top to right-bottom: moves right, grows down
        { { 30, 30, 40, 40 }, { 30, 30, 40, 40 } },    // the middle: stays
        // (20, 20) is outside the left-top area, whose right and bottom
        // edges are excluded, so this one matches no case.
        { { 2, 2, 20, 20 }, { 2, 2, 20, 20 } },
    };
    for (const Case& c : cases) {
        PlacedObject o;
        o.Kind = FrameObjectKind::User;
        o.SkinRect = c.skinRect;
        PlaceObjects(skin, g, std::span(&o, 1), false, {});
        EXPECT_EQ(o.ObjectRect, c.expected) << c.skinRect.Left << "," << c.skinRect.Top;
    }
}

PlacedObject Button(TlxStdCommand command, int32_t w, int32_t h, bool visible = true)
{
    PlacedObject o;
    o.Kind = FrameObjectKind::StdButton;
    o.Command = command;
    o.SkinRectInAPicture = true;
    o.Visible = visible;
    o.SkinRect = Rect { 0, 0, w, h };
    o.ObjectRect = Rect { -7, -7, -6, -6 }; // "not placed"
    return o;
}

PlacedObject Caption(Rect skinRect)
{
    PlacedObject o;
    o.Kind = FrameObjectKind::Caption;
    o.SkinRect = skinRect;
    return o;
}

using TC = TlxStdCommand;

std::vector<PlacedObject> RowObjects()
{
    PlacedObject custom1 = Button(TC::cmDefault, 5, 5), custom2 = Button(TC::cmDefault, 6, 6);
    return { Caption({ 5, 1, 90, 19 }), Button(TC::cmSysMenu, 8, 8), custom1, Button(TC::cmMinimize, 12, 8),
        Button(TC::cmClose, 10, 8), Button(TC::cmMinimizeToTray, 9, 9, false), custom2, Button(TC::cmMaximize, 12, 8),
        Button(TC::cmClose, 10, 8) };
}

TEST(PlaceObjects, ButtonsRunFromTheRightInCommandOrderThenTheSystemMenuAtTheCaptionsLeft)
{
    FrameSkinInfo skin = SmallFrame();
    TFrameGeometry g = CalcFrameGeometry(skin, 150, 100); // NewButtons (110, 2, 148, 18), NewCaption (2, 1, 148, 19)
    std::vector<PlacedObject> o = RowObjects();
    PlaceObjects(skin, g, o, false, {});
    EXPECT_EQ(o[4].ObjectRect, (Rect { 138, 2, 148, 10 })); // close
    EXPECT_EQ(o[7].ObjectRect, (Rect { 125, 2, 137, 10 })); // maximize
    EXPECT_EQ(o[3].ObjectRect, (Rect { 112, 2, 124, 10 })); // minimize
    EXPECT_EQ(o[2].ObjectRect, (Rect { 106, 2, 111, 7 }));  // custom objects in list order
    EXPECT_EQ(o[6].ObjectRect, (Rect { 99, 2, 105, 8 }));
    EXPECT_EQ(o[5].ObjectRect, (Rect { -7, -7, -6, -6 }));  // hidden: not placed
    EXPECT_EQ(o[8].ObjectRect, (Rect { -7, -7, -6, -6 }));  // a second close button: not placed
    // The system menu button is centred on the caption's height: 1 + 18 div 2 - 8 div 2.
    EXPECT_EQ(o[1].ObjectRect, (Rect { 2, 6, 10, 14 }));
    // The caption grows with the frame, then starts right of the system menu button.
    EXPECT_EQ(o[0].ObjectRect, (Rect { 10, 1, 140, 19 }));

    // While the icon shows, the system menu button takes the icon's size.
    o = RowObjects();
    PlaceObjects(skin, g, o, true, Point { 16, 16 });
    EXPECT_EQ(o[1].ObjectRect, (Rect { 2, 2, 18, 18 }));
    EXPECT_EQ(o[0].ObjectRect.Left, 18);
}

TEST(PlaceObjects, WithoutButtonsRectTheRowUsesTheCaptionAndTrimsTheCaptionObject)
{
    FrameSkinInfo skin = SmallFrame();
    skin.ButtonsRect = {};
    TFrameGeometry g = CalcFrameGeometry(skin, 150, 100);
    std::vector<PlacedObject> o = RowObjects();
    PlaceObjects(skin, g, o, false, {});
    EXPECT_EQ(o[4].ObjectRect, (Rect { 138, 1, 148, 9 }));
    EXPECT_EQ(o[6].ObjectRect, (Rect { 99, 1, 105, 7 }));
    // x ends at 99 - 1 = 98 after the last button; the caption ends at x + gap.
    EXPECT_EQ(o[0].ObjectRect, (Rect { 10, 1, 99, 19 }));
}

TEST(PlaceObjects, ButtonsRunFromTheLeftAndTheSystemMenuFollowsWhenThereIsNoButtonsRect)
{
    FrameSkinInfo skin = SmallFrame();
    skin.ButtonsInLeft = true;
    TFrameGeometry g = CalcFrameGeometry(skin, 150, 100);
    std::vector<PlacedObject> o = RowObjects();
    PlaceObjects(skin, g, o, false, {});
    EXPECT_EQ(o[4].ObjectRect, (Rect { 110, 2, 120, 10 }));
    EXPECT_EQ(o[7].ObjectRect, (Rect { 121, 2, 133, 10 }));
    EXPECT_EQ(o[3].ObjectRect, (Rect { 134, 2, 146, 10 }));
    EXPECT_EQ(o[2].ObjectRect, (Rect { 147, 2, 152, 7 }));
    EXPECT_EQ(o[6].ObjectRect, (Rect { 153, 2, 159, 8 }));
    EXPECT_EQ(o[1].ObjectRect, (Rect { -7, -7, -6, -6 })); // the system menu keeps its place
    EXPECT_EQ(o[0].ObjectRect, (Rect { 5, 1, 140, 19 }));  // the caption is left alone

    skin.ButtonsRect = {};
    g = CalcFrameGeometry(skin, 150, 100);
    o = RowObjects();
    PlaceObjects(skin, g, o, false, {});
    EXPECT_EQ(o[4].ObjectRect, (Rect { 2, 1, 12, 9 }));
    EXPECT_EQ(o[6].ObjectRect, (Rect { 45, 1, 51, 7 }));
    EXPECT_EQ(o[1].ObjectRect, (Rect { 52, 1, 60, 9 })); // last in the row
    EXPECT_EQ(o[0].ObjectRect, (Rect { 62, 1, 140, 19 })); // x = 61, left edge x + gap
}

TEST(PlaceObjects, WithoutButtonsAndCaptionRectanglesTheButtonsKeepTheirPlaces)
{
    FrameSkinInfo skin = SmallFrame();
    skin.ButtonsRect = {};
    skin.CaptionRect = {};
    TFrameGeometry g = CalcFrameGeometry(skin, 150, 100);
    std::vector<PlacedObject> o = RowObjects();
    PlaceObjects(skin, g, o, false, {});
    for (size_t i = 1; i < o.size(); ++i)
        EXPECT_EQ(o[i].ObjectRect, (Rect { -7, -7, -6, -6 })) << i;
    EXPECT_EQ(o[0].ObjectRect, (Rect { 5, 1, 140, 19 }));
}

TEST(DefaultCaption, TheMainWindowsButtonsRunFromTheRightAndTheIconSitsAtTheLeft)
{
    bool visible[7] = {};
    visible[size_t(TC::cmClose)] = visible[size_t(TC::cmMinimize)] = visible[size_t(TC::cmRollUp)] = true;
    visible[size_t(TC::cmSysMenu)] = true;
    DefaultCaptionLayout l = LayoutDefaultCaption(257, FrameBorderStyle::Single, visible, true, Point { 16, 16 });
    EXPECT_EQ(l.Buttons[size_t(TC::cmClose)], (Rect { 237, 4, 254, 21 }));
    EXPECT_EQ(l.Buttons[size_t(TC::cmMinimize)], (Rect { 220, 4, 237, 21 }));
    EXPECT_EQ(l.Buttons[size_t(TC::cmRollUp)], (Rect { 203, 4, 220, 21 }));
    EXPECT_EQ(l.Buttons[size_t(TC::cmSysMenu)], (Rect { 3, 4, 19, 20 }));
    EXPECT_FALSE(l.Placed[size_t(TC::cmMaximize)]);
    EXPECT_EQ(l.TextArea, (Rect { 19, 3, 203, 19 }));

    visible[size_t(TC::cmSysMenu)] = false;
    l = LayoutDefaultCaption(200, FrameBorderStyle::ToolWindow, visible, false, {});
    EXPECT_EQ(l.Buttons[size_t(TC::cmClose)], (Rect { 184, 4, 197, 17 }));
    EXPECT_EQ(l.TextArea, (Rect { 3, 3, 158, 15 }));
}

} // namespace
} // namespace ventro
