// Waits that keep the user interface alive: they process window messages but
// sleep in MsgWaitForMultipleObjectsEx until a message or the deadline comes.
#pragma once
#include <windows.h>

#include <cstdint>

namespace ventro {

// Dispatches every pending message of this thread. Returns false when a
// WM_QUIT was met; it is posted again so the outer message loop still sees it.
bool ProcessMessages();

// Processes messages until `milliseconds` have passed (64-bit tick count), or
// until `stop` returns true after a round of messages, or WM_QUIT arrives.
// Returns false when it ended because of WM_QUIT.
bool WaitProcessingMessages(uint64_t milliseconds, bool (*stop)(void*) = nullptr, void* context = nullptr);

// Sleeps until the handle is signalled or the time is up, processing messages
// meanwhile. Returns true when the handle was signalled.
bool WaitForHandleProcessingMessages(HANDLE handle, uint64_t milliseconds);

} // namespace ventro
