// The barrier every window procedure of ours ends in: what a handler throws is
// handed to the application's standard error report, never to the platform.
#pragma once

namespace ventro {

// Reports the exception being handled; call it only from a catch block. The
// application object defines it, so the low layers need not know the application.
void ReportCurrentException() noexcept;

// Runs `body` and reports whatever it throws; returns `onError` then.
template<typename F, typename R>
R CallGuarded(F&& body, R onError) noexcept
{
    try {
        return body();
    } catch (...) {
        ReportCurrentException();
        return onError;
    }
}

} // namespace ventro
