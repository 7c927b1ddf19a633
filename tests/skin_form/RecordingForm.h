// A form's services for skin object tests: records every call in order, with
// a window state, a caption and effects the test sets; and a text painter
// whose glyphs are 6 x 12 boxes, so text positions can be reasoned about.
#pragma once
#include <string>
#include <vector>

#include "skin/form/SkinObjects.h"
#include "skin/gfx/PixelOps.h"

namespace ventro::test {

class BoxText : public ITextPainter {
public:
    Extent Measure(const TextFont& font, std::wstring_view text, uint32_t) override
    {
        Font = font;
        return Extent { int32_t(text.size()) * 6, 12 };
    }
    void Draw(PixelView target, const TextFont& font, std::wstring_view text, Rect r, Color color, uint32_t) override
    {
        Font = font;
        Drawn.push_back(r);
        for (size_t i = 0; i < text.size(); ++i)
            FillPixels(target, Rect { r.Left + int32_t(i) * 6, r.Top, r.Left + int32_t(i) * 6 + 5, r.Top + 12 }, color);
    }
    TextFont Font;
    std::vector<Rect> Drawn;
};

class RecordingForm : public ISkinFormServices {
public:
    void RepaintObject(TlxActiveSkinObject& o) override { Log.push_back("repaint " + o.IDName); }
    void StartMorphTimer() override { Log.push_back("morph timer"); }
    void StartAnimationTimer() override { Log.push_back("animation timer"); }
    FrameWindowState WindowState() const override { return State; }
    bool SkinEffectsEnabled() const override { return Effects; }
    bool ShowIcon() const override { return Icon; }
    bool AlwaysMinimizeToTray() const override { return false; }
    bool SkinMenuOpen() const override { return MenuOpen; }
    std::wstring CaptionText() const override { return Caption; }
    int32_t CaptionCharSet() const override { return 134; }
    int32_t ButtonsOffset() const override { return 1; }
    const IColorResolver& Colors() const override { return colors; }
    void DrawSmallIcon(FrameCanvas& canvas, int32_t x, int32_t y) override
    {
        Log.push_back("icon");
        FillPixels(canvas.Pixels, Rect { x, y, x + 16, y + 16 }, Rgb(1, 2, 3));
    }
    bool CaptionPaint(FrameCanvas&, Rect, bool) override { return false; }
    void CloseForm() override { Log.push_back("close"); }
    void MaximizeForm() override { Log.push_back("maximize"); }
    void MinimizeForm() override { Log.push_back("minimize"); }
    void RestoreForm() override { Log.push_back("restore"); }
    void SetRollUp(bool v) override { Log.push_back(v ? "roll up" : "roll down"); }
    void MinimizeToTray() override { Log.push_back("tray"); }
    MenuItemRef SystemMenuItems() override { return &systemMenu; }
    void PopupMenu(TlxActiveSkinObject& o, MenuItemRef m) override
    {
        Log.push_back(std::string("popup ") + (m == &systemMenu ? "system menu" : "menu") + " at " + o.IDName);
        MenuOpen = true;
    }
    void MouseEnterEvent(const std::string& id) override { Log.push_back("enter " + id); }
    void MouseLeaveEvent(const std::string& id) override { Log.push_back("leave " + id); }
    void MouseDownEvent(const std::string& id, int32_t, int32_t, Rect, TMouseButton) override { Log.push_back("down " + id); }
    void MouseUpEvent(const std::string& id, int32_t, int32_t, Rect, TMouseButton) override { Log.push_back("up " + id); }
    void MouseMoveEvent(const std::string& id, int32_t, int32_t, Rect) override { Log.push_back("move " + id); }
    void PaintEvent(const std::string& id, FrameCanvas&, Rect) override { Log.push_back("paint " + id); }
    bool ActivateCustomObject(const std::string& id, bool visible) override
    {
        Log.push_back("custom " + id);
        return CustomVisible || visible;
    }

    bool Contains(const std::string& entry) const { return std::find(Log.begin(), Log.end(), entry) != Log.end(); }

    std::vector<std::string> Log;
    FrameWindowState State;
    bool Effects = true;
    bool Icon = false;
    bool MenuOpen = false;
    bool CustomVisible = false;
    std::wstring Caption = L"VentroADSL";

private:
    ClassicColors colors;
    int systemMenu = 0;
};

} // namespace ventro::test
