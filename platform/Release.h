// Deferred release: a component or window that ends itself from inside one of
// its own handlers (a popup that closes, a hint timer that stops) is deleted
// once the message being handled has returned, never under its own feet.
#pragma once

namespace ventro {

class TComponent;

// Queues `component` for deletion after the message being dispatched now
// returns (after the next dispatched message when none is). Queuing twice is
// harmless, and a component its owner deletes first simply leaves the queue.
void ReleaseComponent(TComponent* component);

// Brackets the dispatch of one message. Leaving it deletes what handlers at
// a deeper level released: nested waits inside a handler do not delete what
// that handler released.
class DispatchScope {
public:
    DispatchScope();
    ~DispatchScope();
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;
};

// Deletes everything still queued (at the end of the message loop).
void FlushReleasedComponents();
// How many components wait for deletion.
int PendingReleaseCount();

} // namespace ventro
