// The window-procedure chain: one record per window, found through a table
// of the window's thread, holding the window's own procedure and the links
// above it. (Not a window property: on some platforms every property lookup
// is a round trip to a server, and the chain is looked up for every message.)
//
// A link removed while a message of its window runs is only marked, so that
// every running message keeps a valid place in the chain; marked links are
// dropped once no message of the window is running. At WM_NCDESTROY, the
// window's last message, the chain leaves the window, as the platform's own
// subclassing does.
#include "platform/WindowChain.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace ventro {

namespace {

struct Link {
    ChainProc Proc;
    UINT_PTR Id;
    DWORD_PTR Data;
    bool Removed = false;
};

struct Chain {
    WNDPROC Own = nullptr;
    std::vector<Link> Links; // bottom first
    int Running = 0; // messages of the window inside the chain now
    bool AnyRemoved = false;
    bool Destroyed = false; // WM_NCDESTROY has passed
};

// One message of a window on its way down the chain: the links below
// `Next` are still to come.
struct Frame {
    HWND Wnd;
    Chain* Record;
    size_t Next;
};

thread_local std::vector<Frame> t_frames;

// Chains only ever join windows of the thread that makes them.
thread_local std::unordered_map<HWND, Chain*> t_chains;

Chain* ChainOf(HWND wnd)
{
    auto it = t_chains.find(wnd);
    return it == t_chains.end() ? nullptr : it->second;
}

LRESULT CALLBACK ChainWndProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);

bool OursOnTop(HWND wnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC)) == &ChainWndProc; }

// Gives the window its own procedure back and frees the record. Unless the
// window is ending, a chain that someone else's procedure sits on stays,
// passing messages through.
void Leave(HWND wnd, Chain* chain)
{
    bool alive = IsWindow(wnd) != FALSE;
    if (alive && !chain->Destroyed && !OursOnTop(wnd))
        return;
    if (alive && OursOnTop(wnd))
        SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain->Own));
    t_chains.erase(wnd);
    delete chain;
}

void Compact(HWND wnd, Chain* chain)
{
    chain->AnyRemoved = false;
    std::erase_if(chain->Links, [](const Link& link) { return link.Removed; });
    if (chain->Links.empty())
        Leave(wnd, chain);
}

// Calls the next live link below the frame's place, or the window's own procedure.
LRESULT CallBelow(size_t frameIndex, UINT message, WPARAM wParam, LPARAM lParam)
{
    // By index: the frames may move while a link runs.
    HWND wnd = t_frames[frameIndex].Wnd;
    Chain* chain = t_frames[frameIndex].Record;
    while (t_frames[frameIndex].Next > 0) {
        size_t at = --t_frames[frameIndex].Next;
        const Link link = chain->Links[at];
        if (!link.Removed)
            return link.Proc(wnd, message, wParam, lParam, link.Id, link.Data);
    }
    return CallWindowProcW(chain->Own, wnd, message, wParam, lParam);
}

LRESULT CALLBACK ChainWndProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Chain* chain = ChainOf(wnd);
    if (!chain)
        return DefWindowProcW(wnd, message, wParam, lParam);
    ++chain->Running;
    t_frames.push_back({ wnd, chain, chain->Links.size() });
    const size_t frame = t_frames.size() - 1;
    LRESULT result = CallBelow(frame, message, wParam, lParam);
    t_frames.pop_back();
    if (message == WM_NCDESTROY)
        chain->Destroyed = true;
    if (--chain->Running == 0) {
        if (chain->Destroyed)
            Leave(wnd, chain);
        else if (chain->AnyRemoved)
            Compact(wnd, chain);
    }
    return result;
}

} // namespace

bool AddToChain(HWND wnd, ChainProc proc, UINT_PTR id, DWORD_PTR data)
{
    if (!wnd || !proc || GetWindowThreadProcessId(wnd, nullptr) != GetCurrentThreadId())
        return false;
    Chain* chain = ChainOf(wnd);
    if (!chain) {
        chain = new Chain;
        t_chains[wnd] = chain;
        chain->Own = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChainWndProc)));
        if (!chain->Own) {
            t_chains.erase(wnd);
            delete chain;
            return false;
        }
    }
    for (Link& link : chain->Links)
        if (!link.Removed && link.Proc == proc && link.Id == id) {
            link.Data = data;
            return true;
        }
    chain->Links.push_back({ proc, id, data });
    return true;
}

bool RemoveFromChain(HWND wnd, ChainProc proc, UINT_PTR id)
{
    Chain* chain = wnd ? ChainOf(wnd) : nullptr;
    if (!chain)
        return false;
    for (Link& link : chain->Links)
        if (!link.Removed && link.Proc == proc && link.Id == id) {
            link.Removed = true;
            chain->AnyRemoved = true;
            if (chain->Running == 0)
                Compact(wnd, chain);
            return true;
        }
    return false;
}

LRESULT CallNextInChain(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    for (size_t i = t_frames.size(); i-- > 0;) {
        if (t_frames[i].Wnd != wnd)
            continue;
        // A link may call on more than once; each call goes down from its place.
        const size_t place = t_frames[i].Next;
        LRESULT result = CallBelow(i, message, wParam, lParam);
        t_frames[i].Next = place;
        return result;
    }
    if (Chain* chain = ChainOf(wnd))
        return CallWindowProcW(chain->Own, wnd, message, wParam, lParam);
    return DefWindowProcW(wnd, message, wParam, lParam);
}

size_t ChainLength(HWND wnd)
{
    Chain* chain = wnd ? ChainOf(wnd) : nullptr;
    size_t count = 0;
    if (chain)
        for (const Link& link : chain->Links)
            count += link.Removed ? 0 : 1;
    return count;
}

} // namespace ventro
