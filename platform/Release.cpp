// The deferred-release queue and the dispatch depth it is measured by.
#include "platform/Release.h"

#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/Component.h"

namespace ventro {

namespace {

// Holds the queued components and listens for their removal, so that one its
// owner deletes first leaves the queue instead of being deleted twice.
class ReleaseQueue : public TComponent {
public:
    ReleaseQueue() : TComponent(nullptr) { }

    void Add(TComponent* component, int depth)
    {
        for (auto& [queued, level] : m_items)
            if (queued == component) {
                level = std::max(level, depth);
                return;
            }
        m_items.emplace_back(component, depth);
        FreeNotification(component);
    }

    // Deletes every component queued at a level deeper than `depth`.
    void Flush(int depth)
    {
        for (;;) {
            auto it = std::find_if(m_items.begin(), m_items.end(), [depth](const auto& item) { return item.second > depth; });
            if (it == m_items.end())
                return;
            TComponent* component = it->first;
            m_items.erase(it);
            RemoveFreeNotification(component);
            delete component;
        }
    }

    int Count() const { return int(m_items.size()); }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        if (operation == TOperation::opRemove)
            m_items.erase(std::remove_if(m_items.begin(), m_items.end(), [component](const auto& item) { return item.first == component; }),
                m_items.end());
    }

private:
    std::vector<std::pair<TComponent*, int>> m_items;
};

// The GUI thread's queue and depth; the queue lives as long as the thread does.
thread_local int t_depth = 0;

ReleaseQueue& Queue()
{
    thread_local ReleaseQueue* queue = new ReleaseQueue();
    return *queue;
}

} // namespace

void ReleaseComponent(TComponent* component)
{
    if (!component)
        return;
    // Released outside any dispatch: the next dispatched message carries it out.
    Queue().Add(component, std::max(t_depth, 1));
    // Something must be dispatched for the queue to be looked at.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

DispatchScope::DispatchScope() { ++t_depth; }

DispatchScope::~DispatchScope()
{
    --t_depth;
    Queue().Flush(t_depth);
}

void FlushReleasedComponents() { Queue().Flush(-1); }

int PendingReleaseCount() { return Queue().Count(); }

} // namespace ventro
