// The skin form controller's transparency: the layered style, the window's
// alpha, and the fade-in on show (the step rule is the fade's parameter).
#include "skin/form/LumenSkinForm.h"

#include "skin/form/WinFrameDrawing.h"
#include "skin/gfx/FadeSteps.h"
#include "skin/gfx/lxUtils.h"

namespace ventro {

namespace {

// One step of 10 per 5 ms of elapsed time; the timer asks that often, and the
// platform may tick less often (every 15.6 ms), so the fade keeps its length.
constexpr UINT FadeStepMs = 5;

} // namespace

void TlxLumenSkinForm::SetLayered(bool on)
{
    if (!HandleReady())
        return;
    HWND wnd = m_form->Handle();
    LONG_PTR ex = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
    LONG_PTR next = on ? (ex | WS_EX_LAYERED) : (ex & ~LONG_PTR(WS_EX_LAYERED));
    if (next != ex)
        SetWindowLongPtrW(wnd, GWL_EXSTYLE, next);
    m_layered = on;
    if (!on)
        RedrawWholeWindow(wnd);
}

void TlxLumenSkinForm::ApplyAlpha(uint8_t alpha)
{
    if (HandleReady() && m_layered)
        SetWindowAlpha(m_form->Handle(), alpha);
}

void TlxLumenSkinForm::FadeStart()
{
    if (!LayeredWindowsAvailable() || !HandleReady())
        return;
    SetLayered(true);
    ApplyAlpha(0);
    const uint8_t target = FadeTarget(m_alphaBlend, m_alphaBlendAnimation, m_alphaBlendValue);
    // Without the animation the one tick shows the target at once.
    m_fade.Start(target, m_alphaBlendAnimation ? FadeStepMs : 1,
        m_alphaBlendAnimation ? FadeStepPer(FadeStepMs, 10) : FadeStepEachTick(255),
        [this](uint8_t alpha, bool last) { ShowFadeStep(alpha, last); });
}

void TlxLumenSkinForm::ShowFadeStep(uint8_t alpha, bool last)
{
    // A fade that ends opaque needs the layered style no longer.
    if (last && alpha == 255)
        SetLayered(false);
    else
        ApplyAlpha(alpha);
}

} // namespace ventro
