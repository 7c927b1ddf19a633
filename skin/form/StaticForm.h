// A form that stands still: fixed state, caption and icon, no timers, no
// handlers. Tools and pictures of a frame use it where no window exists.
#pragma once
#include <functional>
#include <string>

#include "skin/form/SkinFormServices.h"

namespace ventro {

class TStaticForm : public ISkinFormServices {
public:
    explicit TStaticForm(const IColorResolver& colors) : m_colors(colors) { }

    void RepaintObject(TlxActiveSkinObject&) override { }
    void StartMorphTimer() override { }
    void StartAnimationTimer() override { }
    FrameWindowState WindowState() const override { return State; }
    bool SkinEffectsEnabled() const override { return Effects; }
    bool ShowIcon() const override { return Icon; }
    bool AlwaysMinimizeToTray() const override { return false; }
    bool SkinMenuOpen() const override { return false; }
    std::wstring CaptionText() const override { return Caption; }
    int32_t CaptionCharSet() const override { return CharSet; }
    int32_t ButtonsOffset() const override { return Offset; }
    const IColorResolver& Colors() const override { return m_colors; }
    void DrawSmallIcon(FrameCanvas& canvas, int32_t x, int32_t y) override
    {
        if (IconPainter)
            IconPainter(canvas, x, y);
    }
    bool CaptionPaint(FrameCanvas&, Rect, bool) override { return false; }
    void CloseForm() override { }
    void MaximizeForm() override { }
    void MinimizeForm() override { }
    void RestoreForm() override { }
    void SetRollUp(bool) override { }
    void MinimizeToTray() override { }
    MenuItemRef SystemMenuItems() override { return nullptr; }
    void PopupMenu(TlxActiveSkinObject&, MenuItemRef) override { }
    void MouseEnterEvent(const std::string&) override { }
    void MouseLeaveEvent(const std::string&) override { }
    void MouseDownEvent(const std::string&, int32_t, int32_t, Rect, TMouseButton) override { }
    void MouseUpEvent(const std::string&, int32_t, int32_t, Rect, TMouseButton) override { }
    void MouseMoveEvent(const std::string&, int32_t, int32_t, Rect) override { }
    void PaintEvent(const std::string&, FrameCanvas&, Rect) override { }
    bool ActivateCustomObject(const std::string&, bool visible) override { return visible; }

    FrameWindowState State;
    bool Effects = true;
    bool Icon = false;
    std::wstring Caption;
    int32_t CharSet = 1;
    int32_t Offset = 0;
    std::function<void(FrameCanvas&, int32_t, int32_t)> IconPainter;

private:
    const IColorResolver& m_colors;
};

} // namespace ventro
