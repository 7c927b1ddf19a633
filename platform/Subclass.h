// The subclass chain: a handler put on top of any window's procedure (a form,
// a standard control, the application window) through our window-procedure
// chain (WindowChain.h), held by a move-only token. Tokens go in any order, a
// token may go while its own handler runs, re-installing on the same window
// is harmless, and the chain drops them when the window is destroyed.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>

namespace ventro {

// Returns the answer to the message; for what it does not handle it returns
// CallPreviousProc with the same arguments.
using SubclassHandler = std::function<LRESULT(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)>;

// The procedure below the running handler. Valid only inside a handler.
LRESULT CallPreviousProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);

struct SubclassEntry;

class TSubclass {
public:
    TSubclass() = default;
    // Installs `handler` on top of `wnd`'s chain (when `wnd` is not null).
    TSubclass(HWND wnd, SubclassHandler handler);
    TSubclass(TSubclass&&) noexcept = default;
    TSubclass& operator=(TSubclass&& other) noexcept;
    TSubclass(const TSubclass&) = delete;
    TSubclass& operator=(const TSubclass&) = delete;
    ~TSubclass();

    // The window the handler is on; null before, and after the window's end.
    HWND Window() const;
    bool Installed() const { return Window() != nullptr; }
    // Puts the handler on `wnd` (leaving the window it was on). On the window
    // it is already on this changes nothing: it keeps its place in the chain.
    void Attach(HWND wnd);
    // Takes the handler off its window; the token stays usable for Attach.
    void Detach();
    // Detaches and forgets the handler.
    void Reset();

    const std::shared_ptr<SubclassEntry>& Entry() const { return m_entry; }

private:
    std::shared_ptr<SubclassEntry> m_entry;
};

// For the window base, which re-attaches the entries of its takeovers to a
// re-created window: true when the entry was not on `wnd` before.
bool AttachSubclassEntry(SubclassEntry& entry, HWND wnd);

} // namespace ventro
