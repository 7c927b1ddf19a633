// Message-processing waits, through the application's one dispatch.
#include "platform/Wait.h"

#include "platform/Application.h"

namespace ventro {

bool ProcessMessages()
{
    return Application().ProcessMessages();
}

static bool WaitLoop(HANDLE handle, uint64_t milliseconds, bool (*stop)(void*), void* context, bool& signalled)
{
    signalled = false;
    const uint64_t start = GetTickCount64();
    for (;;) {
        if (!ProcessMessages())
            return false;
        if (stop && stop(context))
            return true;
        const uint64_t elapsed = GetTickCount64() - start;
        if (elapsed >= milliseconds)
            return true;
        const DWORD timeout = DWORD(milliseconds - elapsed > 0x7FFFFFFF ? 0x7FFFFFFF : milliseconds - elapsed);
        DWORD count = handle ? 1 : 0;
        DWORD r = MsgWaitForMultipleObjectsEx(count, handle ? &handle : nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (handle && r == WAIT_OBJECT_0) {
            signalled = true;
            return true;
        }
    }
}

bool WaitProcessingMessages(uint64_t milliseconds, bool (*stop)(void*), void* context)
{
    bool signalled;
    return WaitLoop(nullptr, milliseconds, stop, context, signalled);
}

bool WaitForHandleProcessingMessages(HANDLE handle, uint64_t milliseconds)
{
    bool signalled;
    WaitLoop(handle, milliseconds, nullptr, nullptr, signalled);
    return signalled;
}

} // namespace ventro
