// The skinned hint: TlxSkinHint (the component on the main form that shows
// hints and the skin form's object hints) and TlxSkinHintWindow (the hint
// window drawn from the skin's "HINTWINDOW" frame or as a plain tooltip).
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/Application.h"
#include "platform/CustomWindow.h"
#include "platform/Font.h"
#include "platform/Text.h"
#include "skin/data/SkinComponents.h"
#include "platform/WindowTimers.h"
#include "skin/gfx/GdiTextPainter.h"
#include "skin/gfx/WinFadeIn.h"
#include "skin/menus/HintPaint.h"
#include "skin/menus/MenuTree.h"

namespace ventro {

class TlxSkinHint;

// The framework's default font: what a form's font is until it is given another.
inline TextFont FrameworkDefaultFont()
{
    const TFontDesc d;
    TFontStyles style;
    style.Bits = uint8_t((d.Bold ? TFontStyles::fsBold : 0) | (d.Italic ? TFontStyles::fsItalic : 0)
        | (d.Underline ? TFontStyles::fsUnderline : 0) | (d.StrikeOut ? TFontStyles::fsStrikeOut : 0));
    return TextFont { WideToAnsi(d.Name), d.Height, style, d.Charset };
}

class TlxSkinHintWindow : public TCustomWindow {
public:
    explicit TlxSkinHintWindow(TlxSkinHint& hint);
    ~TlxSkinHintWindow() override;

    // Shows text with the top-left of rect as its place (moved in from the
    // screen's right and bottom edges).
    void ActivateHint(Rect rect, const std::wstring& text);
    void HideHint();
    bool Showing() const;
    // The window's size and painting input of the hint shown last.
    const HintPaintInput& Shown() const { return m_input; }
    const PixelBuffer& Buffer() const { return m_buffer; }

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The layered style and alpha as the component asks, set only when they change.
    void ApplyTransparency(HWND wnd);
    // The skin's mask as the window region (none without a mask).
    void ApplyShape(HWND wnd, const TlxSkinData* skin, const HintGeometry& geometry);

    TlxSkinHint& m_hint;
    HintPaintInput m_input;
    PixelBuffer m_buffer;
    bool m_previousAlpha = false;
    uint8_t m_previousAlphaValue = 0;
    TWindowTimers m_timers { [this] { return Handle(); } };
    TFadeIn m_fade;
};

class TlxSkinHint : public TComponent {
public:
    explicit TlxSkinHint(TComponent* owner);
    ~TlxSkinHint() override;

    std::wstring LineSeparator = L"@";
    TlxSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TlxSkinData* value);
    bool Active() const { return m_active; }
    void SetActive(bool value);
    bool AlphaBlend = false;
    uint8_t AlphaBlendValue = 0;
    bool AlphaBlendAnimation = false;
    TextFont DefaultFont = FrameworkDefaultFont();
    bool UseSkinFont = true;
    // The pauses before an object hint shows and before it hides again.
    uint32_t HintPause = 500;
    uint32_t HintHidePause = 2500;

    // Extra content of the hint about to show: a bold title and an image.
    std::wstring Title;
    int ImageIndex = 0;
    TImageList* ImageList = nullptr;
    // Clears the extra content, then takes a skinned control's title and image.
    void PrepareHint(const std::wstring& title = {}, TImageList* images = nullptr, int imageIndex = 0);

    // Shows text below the pointer after the hint pause, and hides it after
    // the hide pause; a new request starts over.
    void QueueObjectHint(const std::wstring& text);
    void HideObjectHint();
    // Shows a hint now with its top-left at (x, y).
    void ShowHint(int x, int y, const std::wstring& text);

    TlxSkinHintWindow& Window() { return *m_window; }
    GdiTextPainter& Painter() { return m_text; }
    bool TimerRunning() const { return m_timer != 0; }
    // Where an object hint goes: below the pointer by the drawn height of its cursor.
    static Point ObjectHintPosition();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void StopTimer();

    TlxSkinData* m_skinData = nullptr;
    bool m_active = true;
    GdiTextPainter m_text;
    std::unique_ptr<TlxSkinHintWindow> m_window;
    UINT_PTR m_timer = 0;
    std::wstring m_objectHint;
};

// The first active hint component among the components of `holder`, or null.
TlxSkinHint* FindActiveSkinHint(TComponent* holder);

} // namespace ventro
