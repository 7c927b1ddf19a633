// Every text of the main and settings windows, drawn in the face the platform
// gives its control's font, fits the part of the control that shows text and
// shows every glyph: labels, check boxes, buttons and group captions.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/ConfigFile.h"
#include "app/MainWindow.h"
#include "app/SettingsWindow.h"
#include "platform/Application.h"
#include "platform/Text.h"
#include "tests/support/TextInk.h"

using namespace ventro;
using test::MeasureTextInk;
using test::TextInk;

namespace {

// The part of a control that shows its text, as the platform's controls lay
// it out: a label is all text, top-aligned; a check box's text is right of
// the box and a button's inside its edges, both centred vertically; a group
// box's caption runs along its top edge inside an indent at either end.
struct TextArea {
    std::wstring Control;
    std::wstring Text; // as drawn: an accelerator's "&" is gone
    HFONT Font = nullptr;
    int Width = 0;
    int Height = 0;
    bool CentredVertically = false;
};

constexpr int CheckBoxGap = 4;     // between the box and the text
constexpr int ButtonInset = 3;     // the edge and the focus rectangle
constexpr int GroupCaptionIndent = 8;

std::wstring WithoutAccelerator(std::wstring text)
{
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == L'&')
            text.erase(i, 1); // "&&" keeps one "&"
    return text;
}

SIZE ClientSize(HWND wnd)
{
    RECT r {};
    GetClientRect(wnd, &r);
    return { r.right, r.bottom };
}

std::vector<TextArea> TextAreasOf(TForm& form)
{
    std::vector<TextArea> areas;
    for (TComponent* c : form.Components()) {
        if (auto* label = dynamic_cast<TLabel*>(c)) {
            const Rect& r = label->BoundsRect();
            areas.push_back({ label->Name(), label->Text(), label->FontHandleOf(), r.Width(), r.Height(), false });
            continue;
        }
        auto* control = dynamic_cast<TWinControl*>(c);
        if (!control || control->Text().empty())
            continue;
        const SIZE size = ClientSize(control->Handle());
        TextArea area { control->Name(), WithoutAccelerator(control->Text()), control->FontHandleOf(), 0, 0, true };
        if (dynamic_cast<TCheckBox*>(c)) {
            area.Width = size.cx - GetSystemMetrics(SM_CXMENUCHECK) - CheckBoxGap;
            area.Height = size.cy;
        } else if (dynamic_cast<TButton*>(c)) {
            area.Width = size.cx - 2 * ButtonInset;
            area.Height = size.cy - 2 * ButtonInset;
        } else if (dynamic_cast<TGroupBox*>(c)) {
            area.Width = size.cx - 2 * GroupCaptionIndent;
            area.Height = size.cy;
            area.CentredVertically = false;
        } else {
            continue; // edits and lists show the user's texts
        }
        areas.push_back(area);
    }
    return areas;
}

// Empty when the text fits on one line and its ink lies inside the area;
// otherwise what does not fit.
std::string Misfit(const TextArea& area, const TextInk& ink)
{
    const int top = area.CentredVertically ? (area.Height - ink.Metrics.tmHeight) / 2 : 0;
    std::string why;
    if (ink.Extent.cx > area.Width)
        why += "wider than its area; ";
    if (ink.Ink.left < 0 || ink.Ink.right > area.Width)
        why += "ink past the sides; ";
    if (top + ink.Ink.top < 0 || top + ink.Ink.bottom > area.Height)
        why += "ink past the top or bottom; ";
    return why;
}

void ExpectEveryTextFits(TForm& form)
{
    const std::vector<TextArea> areas = TextAreasOf(form);
    ASSERT_FALSE(areas.empty());
    for (const TextArea& area : areas) {
        const TextInk ink = MeasureTextInk(area.Font, area.Text);
        const std::string where = WideToUtf8(area.Control + L" \"" + area.Text + L"\" in " + ink.Face) + ": "
            + test::Describe(ink) + ", area " + std::to_string(area.Width) + "x" + std::to_string(area.Height);
        EXPECT_EQ(Misfit(area, ink), "") << where;
        EXPECT_EQ(WideToUtf8(test::MissingGlyphs(area.Text, ink)), "") << where;
    }
}

class TextFit : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Application().Initialize(); }
    void SetUp() override { DeleteFileW(ConfigFilePath().c_str()); }
    void TearDown() override { DeleteFileW(ConfigFilePath().c_str()); }
};

FontHandle MakeFont(const wchar_t* face, int height)
{
    return CreateFontFrom(TFontDesc { face, height, ANSI_CHARSET, false, ClWindowText });
}

} // namespace

TEST_F(TextFit, EveryTextOfTheMainWindowFitsItsControlAndShowsEveryGlyph)
{
    TForm1 form(&Application());
    ExpectEveryTextFits(form);
}

TEST_F(TextFit, EveryTextOfTheSettingsWindowFitsItsControlAndShowsEveryGlyph)
{
    TForm2 form(&Application());
    ExpectEveryTextFits(form);
}

// The check is strict enough to see what the outline face without bitmaps
// did to the labels: its taller line puts the glyphs' last row below a
// 13-pixel label.
TEST_F(TextFit, AFaceWithATallerLineDoesNotFitTheAccountLabel)
{
    FontHandle tall = MakeFont(L"WenQuanYi Zen Hei", -13);
    TextArea label { L"Label1", L"帐号:", tall.Get(), 33, 13, false };
    const TextInk ink = MeasureTextInk(tall.Get(), label.Text);
    EXPECT_NE(Misfit(label, ink), "") << test::Describe(ink);
}

// The windows name SimSun by its Chinese name, the skins by its English one:
// both, and the fixed-pitch NSimSun likewise, must be the same face.
TEST_F(TextFit, SimSunAndNSimSunAreTheSameFaceByEitherName)
{
    for (auto [english, chinese] : { std::pair { L"SimSun", L"宋体" }, std::pair { L"NSimSun", L"新宋体" } }) {
        FontHandle a = MakeFont(english, -13), b = MakeFont(chinese, -13);
        const TextInk x = MeasureTextInk(a.Get(), L"帐号:Ab"), y = MeasureTextInk(b.Get(), L"帐号:Ab");
        EXPECT_EQ(x.Metrics.tmHeight, y.Metrics.tmHeight) << WideToUtf8(english);
        EXPECT_EQ(x.CellEnds, y.CellEnds) << WideToUtf8(english);
        EXPECT_EQ(x.InkColumns, y.InkColumns) << WideToUtf8(english);
    }
}
