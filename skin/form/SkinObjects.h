// The skin objects of a skinned frame: the caption, the caption buttons,
// animated buttons and passive user areas. Each knows its rectangle, its
// images, its mouse state and its morph; the form drives them with mouse
// events and timer ticks and they talk back through ISkinFormServices.
#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "base/PixelBuffer.h"
#include "skin/data/SkinContent.h"
#include "skin/form/FrameCanvas.h"
#include "skin/form/FrameGeometry.h"
#include "skin/form/FrameTypes.h"
#include "skin/form/SkinFormServices.h"
#include "skin/gfx/lxEffects.h"

namespace ventro {

class TlxActiveSkinObject {
public:
    // record and skin are nullptr for the fallback buttons made without a skin.
    TlxActiveSkinObject(ISkinFormServices& parent, const TlxSkinContent* skin, const TlxDataSkinObject* record);
    virtual ~TlxActiveSkinObject() = default;
    TlxActiveSkinObject(const TlxActiveSkinObject&) = delete;
    TlxActiveSkinObject& operator=(const TlxActiveSkinObject&) = delete;

    virtual bool MorphPending() const;
    // direct is false while drawing into a freshly built frame band.
    virtual void Draw(FrameCanvas& canvas, bool direct);
    virtual void DblClick() { }
    virtual void MouseDown(int32_t x, int32_t y, TMouseButton button);
    virtual void MouseUp(int32_t x, int32_t y, TMouseButton button);
    virtual void MouseMove(int32_t x, int32_t y);
    virtual void MouseEnter();
    virtual void MouseLeave();

    virtual FrameObjectKind Kind() const { return FrameObjectKind::User; }
    virtual TlxStdCommand Command() const { return TlxStdCommand::cmDefault; }
    virtual bool HasCommand() const { return false; }
    virtual const char* ClassName() const { return "TlxActiveSkinObject"; }
    // Puts the mouse state back: on activation changes and size-move loops.
    virtual void ResetState();

    PlacedObject Placement() const;
    // Morphing is in effect: the flag, skin data with its effects on.
    bool MorphingInEffect() const;
    // Starts the morph timer or repaints at once.
    void HighlightChange();
    // One morph step of 0.2 towards the current state; true when kf moved.
    bool MorphStep();

    ISkinFormServices& Parent;
    const TlxSkinContent* SkinData;
    double MorphKf = 0;
    bool MouseIn = false;
    PixelView Picture;
    PixelView ActivePicture;
    std::string IDName;
    std::string Hint;
    Rect SkinRect;
    Rect ActiveSkinRect;
    Rect InActiveSkinRect;
    Rect ObjectRect;
    bool Active = false;
    bool Morphing = false;
    MorphKind MorphKindValue = MorphKind::Default;
    bool Enabled = true;
    bool Visible = true;
    bool SkinRectInAPicture = false;

protected:
    // The picture the normal image (SkinRect) comes from.
    PixelView NormalPicture() const { return SkinRectInAPicture ? ActivePicture : Picture; }
    // Draws src's rectangle over the object rectangle (scaled as the platform's CopyRect).
    void DrawImage(FrameCanvas& canvas, PixelView src, Rect srcRect) const;
    // The morph between two images of the object's size at MorphKf, drawn.
    void DrawMorph(FrameCanvas& canvas, PixelView normalPic, Rect normal, Rect active) const;
    bool KfBetweenEnds() const { return Active ? MorphKf != 1 : MorphKf != 0; }
    void RaiseMouseUp(int32_t x, int32_t y, TMouseButton button);
};

class TlxUserObject : public TlxActiveSkinObject {
public:
    using TlxActiveSkinObject::TlxActiveSkinObject;
    const char* ClassName() const override { return "TlxUserObject"; }
    void Draw(FrameCanvas& canvas, bool direct) override;
};

class TlxSkinButtonObject : public TlxActiveSkinObject {
public:
    TlxSkinButtonObject(ISkinFormServices& parent, const TlxSkinContent* skin, const TlxDataSkinButton* record);
    FrameObjectKind Kind() const override { return FrameObjectKind::Button; }
    const char* ClassName() const override { return "TlxSkinButtonObject"; }
    void Draw(FrameCanvas& canvas, bool direct) override;
    void MouseDown(int32_t x, int32_t y, TMouseButton button) override;
    void MouseUp(int32_t x, int32_t y, TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void SetDown(bool value);
    void ResetState() override;

    bool Down = false;
    bool PopupUp = false;
    Rect DownRect;
    Rect DisableSkinRect;
    MenuItemRef MenuItem = nullptr;

protected:
    void ButtonDraw(FrameCanvas& canvas, bool direct);
};

class TlxSkinStdButtonObject : public TlxSkinButtonObject {
public:
    TlxSkinStdButtonObject(ISkinFormServices& parent, const TlxSkinContent* skin, const TlxDataSkinStdButton* record);
    // A fallback button of a form without skin: 1 x 1, drawn with a glyph.
    TlxSkinStdButtonObject(ISkinFormServices& parent, std::string idName, TlxStdCommand command);
    FrameObjectKind Kind() const override { return FrameObjectKind::StdButton; }
    TlxStdCommand Command() const override { return CommandValue; }
    bool HasCommand() const override { return true; }
    const char* ClassName() const override { return "TlxSkinStdButtonObject"; }
    void Draw(FrameCanvas& canvas, bool direct) override;
    void MouseDown(int32_t x, int32_t y, TMouseButton button) override;
    void MouseUp(int32_t x, int32_t y, TMouseButton button) override;
    void DblClick() override;

    bool SkinSupport = true;
    TlxStdCommand CommandValue = TlxStdCommand::cmDefault;
    Rect RestoreRect, RestoreActiveRect, RestoreInActiveRect, RestoreDownRect;

    // The window state this button's restore images stand for is in force.
    bool InRestoreState() const;

private:
    void DrawFallbackGlyph(FrameCanvas& canvas);
    void RunCommand();
};

class TlxSkinAnimateObject : public TlxActiveSkinObject {
public:
    TlxSkinAnimateObject(ISkinFormServices& parent, const TlxSkinContent* skin, const TlxDataSkinAnimate* record);
    FrameObjectKind Kind() const override { return FrameObjectKind::Animate; }
    TlxStdCommand Command() const override { return CommandValue; }
    bool HasCommand() const override { return true; }
    const char* ClassName() const override { return "TlxSkinAnimateObject"; }
    void Draw(FrameCanvas& canvas, bool direct) override;
    void MouseDown(int32_t x, int32_t y, TMouseButton button) override;
    void MouseUp(int32_t x, int32_t y, TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void ResetState() override;
    // One tick of the shared animation timer; true when something moved.
    bool AnimationStep();

    int32_t CountFrames = 1;
    bool Cycle = false;
    bool ButtonStyle = false;
    int32_t TimerInterval = 50;
    TlxStdCommand CommandValue = TlxStdCommand::cmDefault;
    Rect DownSkinRect;
    Rect RestoreRect, RestoreActiveRect, RestoreInActiveRect, RestoreDownRect;
    int32_t Frame = 1;
    int32_t Elapsed = 25;
    bool Forward = true;
    bool Pressed = false;
    MenuItemRef MenuItem = nullptr;

private:
    bool InRestoreState() const;
    void Start(bool forward);
    void RunCommand();
};

class TlxSkinCaptionObject : public TlxActiveSkinObject {
public:
    TlxSkinCaptionObject(ISkinFormServices& parent, const TlxSkinContent* skin, const TlxDataSkinCaption* record);
    FrameObjectKind Kind() const override { return FrameObjectKind::Caption; }
    const char* ClassName() const override { return "TlxSkinCaptionObject"; }
    void Draw(FrameCanvas& canvas, bool direct) override;
    void ResetState() override { }
    // Animation is in effect: skin effects on and an animation strip.
    bool AnimationInEffect() const;
    // One tick of the shared animation timer; true when something moved.
    bool AnimationStep();
    // The window's activation reaches the caption.
    void Activate(bool active);

    const TlxDataSkinCaption& Record;
    int32_t AnimationFrame = 0;
    int32_t AnimationElapsed = 25;

    // Laid out in tests: the text's place in the object for an active or
    // inactive drawing, or an empty rectangle when no text is drawn.
    Rect TextPlace(ITextPainter& text, bool active) const;

private:
    void DrawText(FrameCanvas& canvas, PixelView target, Point objectOrigin, bool active) const;
    // The caption image of the source rectangle laid out to the object's size.
    PixelBuffer LayOut(PixelView src, Rect srcRect) const;
    PixelBuffer BuildImage(FrameCanvas& canvas, PixelView src, Rect srcRect, bool active) const;
    void ApplyInactive(PixelView pixels) const;
    Rect AnimationCell() const;
};

using SkinObjectList = std::vector<std::unique_ptr<TlxActiveSkinObject>>;

// One object per usable record of the skin's object list, in list order.
SkinObjectList CreateSkinObjects(ISkinFormServices& parent, const TlxSkinContent& skin);
// The six fallback buttons of a form without skin.
SkinObjectList CreateFallbackButtons(ISkinFormServices& parent);

// Visibility and enabling by the caption-button set; then, with
// useDefaultHints and skin data, the default hints (resStrings may be nullptr).
void ApplyBorderIcons(SkinObjectList& objects, const TlxBorderIcons& icons, bool hideCaptionButtons,
    ISkinFormServices& parent);
void ApplyDefaultHints(SkinObjectList& objects, const std::vector<std::string>* resStrings);

// Lays the objects out for the geometry and writes their rectangles back.
void PlaceSkinObjects(SkinObjectList& objects, const FrameSkinInfo& skin, const TFrameGeometry& g, bool showIcon,
    Point iconSize);

// The shared timers' ticks; false when nothing moved and the timer can stop.
bool MorphTimerTick(SkinObjectList& objects);
bool AnimationTimerTick(SkinObjectList& objects);

// The first caption whose Active differs takes the new state; true when one did.
bool ActivateCaption(SkinObjectList& objects, bool active);
// Activation changes and size-move loops put every object but the caption back.
void ResetObjects(SkinObjectList& objects);

} // namespace ventro
