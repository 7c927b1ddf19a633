// Runs the application's dispatch for a while, so that timers, posted
// messages and idle actions of the code under test take their turn.
#pragma once
#include <windows.h>

#include <cstdint>

#include "platform/Application.h"

namespace ventro::test {

// Pumps the application's dispatch for about `ms` milliseconds.
inline void Pump(DWORD ms)
{
    const DWORD end = GetTickCount() + ms;
    do {
        Application().ProcessMessages();
        Sleep(1);
    } while (int32_t(end - GetTickCount()) > 0);
}

// Runs the dispatch until the program has waited for input once, so that the
// actions waiting for that moment have run.
inline void PumpUntilIdle()
{
    bool idle = false;
    Application().RunWhenIdle([&idle] {
        idle = true;
        // The loop would wait after this: a message for it to find.
        PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
    });
    // A timer wakes the loop should the platform report input that never
    // comes; after five seconds the caller's expectations tell the rest.
    UINT_PTR timer = SetTimer(nullptr, 0, 10, nullptr);
    for (int round = 0; !idle && round < 500 && Application().HandleMessage(); ++round) {
    }
    KillTimer(nullptr, timer);
}

} // namespace ventro::test
