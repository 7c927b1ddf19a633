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

} // namespace ventro::test
