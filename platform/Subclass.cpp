// Subclass tokens over our own window-procedure chain.
//
// A handler that goes while its window is busy only stops acting at once: it
// passes every message on, and leaves the chain when the window's outermost
// message of ours has returned, so that a token re-attached meanwhile keeps
// its place.
#include "platform/Subclass.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/ErrorReport.h"
#include "platform/WindowChain.h"

namespace ventro {

struct SubclassEntry : std::enable_shared_from_this<SubclassEntry> {
    explicit SubclassEntry(SubclassHandler h) : Handler(std::move(h)) { }
    SubclassHandler Handler;
    // The window the handler acts on; it may still sit in the chain of a
    // window it no longer acts on until that window is idle.
    HWND Wnd = nullptr;
};

namespace {

struct PendingRemoval {
    std::shared_ptr<SubclassEntry> Entry;
    HWND Wnd;
};

// The windows a handler of ours is running for, innermost last, and the
// removals that wait for their window to be idle. The GUI thread's own.
thread_local std::vector<HWND> t_running;
thread_local std::vector<PendingRemoval> t_pending;

bool IsRunning(HWND wnd) { return std::find(t_running.begin(), t_running.end(), wnd) != t_running.end(); }

// The entry's address is its identifier: unique while the entry lives, and
// the same on every window it is attached to.
UINT_PTR IdOf(SubclassEntry* entry) { return reinterpret_cast<UINT_PTR>(entry); }

LRESULT CALLBACK EntryProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR refData);

void LeaveChain(SubclassEntry& entry, HWND wnd)
{
    if (IsWindow(wnd))
        RemoveFromChain(wnd, &EntryProc, IdOf(&entry));
}

void FlushPending(HWND wnd)
{
    // Moved out first: a removal may run code that queues another.
    std::vector<std::shared_ptr<SubclassEntry>> due;
    std::erase_if(t_pending, [&](PendingRemoval& p) {
        if (p.Wnd != wnd)
            return false;
        due.push_back(std::move(p.Entry));
        return true;
    });
    for (auto& entry : due)
        if (entry->Wnd != wnd)
            LeaveChain(*entry, wnd);
}

void DetachEntry(SubclassEntry& entry)
{
    if (!entry.Wnd)
        return;
    HWND wnd = std::exchange(entry.Wnd, nullptr);
    if (IsRunning(wnd))
        t_pending.push_back({ entry.shared_from_this(), wnd });
    else
        LeaveChain(entry, wnd);
}

LRESULT CALLBACK EntryProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR refData)
{
    auto* entry = reinterpret_cast<SubclassEntry*>(refData);
    // Keeps the entry (and the handler now running) alive should its token go
    // inside the handler.
    std::shared_ptr<SubclassEntry> keep = entry->shared_from_this();
    t_running.push_back(wnd);
    LRESULT result = 0;
    try {
        if (entry->Wnd == wnd && entry->Handler)
            result = entry->Handler(wnd, message, wParam, lParam);
        else
            result = CallNextInChain(wnd, message, wParam, lParam);
    } catch (...) {
        ReportCurrentException();
    }
    t_running.pop_back();
    // The platform asks every subclass to leave at the window's last message.
    // https://learn.microsoft.com/windows/win32/controls/subclassing-overview
    if (message == WM_NCDESTROY && entry->Wnd == wnd)
        DetachEntry(*entry);
    if (!IsRunning(wnd))
        FlushPending(wnd);
    return result;
}

} // namespace

LRESULT CallPreviousProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallNextInChain(wnd, message, wParam, lParam);
}

bool AttachSubclassEntry(SubclassEntry& entry, HWND wnd)
{
    if (entry.Wnd == wnd)
        return false;
    DetachEntry(entry);
    if (!wnd)
        return false;
    // Still in this window's chain, waiting to leave it: it simply stays.
    auto pending = std::find_if(t_pending.begin(), t_pending.end(),
        [&](const PendingRemoval& p) { return p.Entry.get() == &entry && p.Wnd == wnd; });
    if (pending != t_pending.end()) {
        t_pending.erase(pending);
        entry.Wnd = wnd;
        return true;
    }
    if (AddToChain(wnd, &EntryProc, IdOf(&entry), reinterpret_cast<DWORD_PTR>(&entry)))
        entry.Wnd = wnd;
    return entry.Wnd != nullptr;
}

TSubclass::TSubclass(HWND wnd, SubclassHandler handler)
    : m_entry(std::make_shared<SubclassEntry>(std::move(handler)))
{
    if (wnd)
        Attach(wnd);
}

TSubclass& TSubclass::operator=(TSubclass&& other) noexcept
{
    if (this != &other) {
        Reset();
        m_entry = std::move(other.m_entry);
    }
    return *this;
}

TSubclass::~TSubclass() { Reset(); }

HWND TSubclass::Window() const { return m_entry ? m_entry->Wnd : nullptr; }

void TSubclass::Attach(HWND wnd)
{
    if (m_entry)
        AttachSubclassEntry(*m_entry, wnd);
}

void TSubclass::Detach()
{
    if (m_entry)
        DetachEntry(*m_entry);
}

void TSubclass::Reset()
{
    Detach();
    m_entry.reset();
}

} // namespace ventro
