// The services a skinned form gives its skin objects: repainting one object,
// the shared morph and animation timers, the window-state operations, the
// system menu and menu popups, the form's texts and icon, and the object events.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Geometry.h"
#include "base/MouseButton.h"
#include "skin/form/FrameCanvas.h"
#include "skin/form/FrameTypes.h"

namespace ventro {

class TlxActiveSkinObject;

// A menu item whose children pop up from a button; opaque to the objects.
using MenuItemRef = const void*;

class ISkinFormServices {
public:
    virtual ~ISkinFormServices() = default;

    // Draws one object straight onto the window (direct drawing).
    virtual void RepaintObject(TlxActiveSkinObject& object) = 0;
    virtual void StartMorphTimer() = 0;
    virtual void StartAnimationTimer() = 0;

    // The form's state as the objects see it.
    virtual FrameWindowState WindowState() const = 0;
    // Skin data assigned, loaded, and its EnableSkinEffects on.
    virtual bool SkinEffectsEnabled() const = 0;
    virtual bool ShowIcon() const = 0;
    virtual bool AlwaysMinimizeToTray() const = 0;
    virtual bool SkinMenuOpen() const = 0;
    virtual std::wstring CaptionText() const = 0;
    // The character set of the skin's resource strings, or of DefCaptionFont.
    virtual int32_t CaptionCharSet() const = 0;
    virtual int32_t ButtonsOffset() const = 0;
    // The text flags of the form's reading order (TextRtlReading or none).
    virtual uint32_t ReadingFlags() const { return 0; }
    virtual const IColorResolver& Colors() const = 0;
    // Draws the form's small icon with its top-left at (x, y) of the canvas.
    virtual void DrawSmallIcon(FrameCanvas& canvas, int32_t x, int32_t y) = 0;
    // With an OnCaptionPaint handler: paints and returns true.
    virtual bool CaptionPaint(FrameCanvas& canvas, Rect objectRect, bool active) = 0;

    // Window-state operations.
    virtual void CloseForm() = 0;
    virtual void MaximizeForm() = 0;
    virtual void MinimizeForm() = 0;
    virtual void RestoreForm() = 0;
    virtual void SetRollUp(bool rolledUp) = 0;
    virtual void MinimizeToTray() = 0;

    // The system menu's items, and popping a menu up from an object.
    virtual MenuItemRef SystemMenuItems() = 0;
    virtual void PopupMenu(TlxActiveSkinObject& object, MenuItemRef menu) = 0;

    // The object events.
    virtual void MouseEnterEvent(const std::string& idName) = 0;
    virtual void MouseLeaveEvent(const std::string& idName) = 0;
    virtual void MouseDownEvent(const std::string& idName, int32_t x, int32_t y, Rect objectRect, TMouseButton b) = 0;
    virtual void MouseUpEvent(const std::string& idName, int32_t x, int32_t y, Rect objectRect, TMouseButton b) = 0;
    virtual void MouseMoveEvent(const std::string& idName, int32_t x, int32_t y, Rect objectRect) = 0;
    virtual void PaintEvent(const std::string& idName, FrameCanvas& canvas, Rect objectRect) = 0;
    virtual bool ActivateCustomObject(const std::string& idName, bool visible) = 0;
};

} // namespace ventro
