// Move-only owners for Win32 handles, one type per handle kind, and scope
// guards for device contexts and selected objects. Borrowed handles stay raw.
#pragma once
#include <windows.h>

#include <atomic>
#include <utility>

namespace ventro {

template<typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type h) : m_handle(h) { Count(h, 1); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.Release()) { Count(m_handle, 1); }
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Type Get() const { return m_handle; }
    explicit operator bool() const { return Traits::IsValid(m_handle); }
    Type Release()
    {
        Count(m_handle, -1);
        return std::exchange(m_handle, Traits::Invalid());
    }
    void Reset(Type h = Traits::Invalid())
    {
        if (Traits::IsValid(m_handle))
            Traits::Close(m_handle);
        Count(m_handle, -1);
        Count(h, 1);
        m_handle = h;
    }
    // Handles of this kind owned right now in the process, for leak checks
    // (Wine has no GetGuiResources).
    static int Live() { return s_live.load(); }

private:
    static void Count(Type h, int delta)
    {
        if (Traits::IsValid(h))
            s_live += delta;
    }
    static inline std::atomic<int> s_live { 0 };

    Type m_handle = Traits::Invalid();
};

template<typename T>
struct GdiObjectTraits {
    using Type = T;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { DeleteObject(h); }
};

struct IconTraits {
    using Type = HICON;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { DestroyIcon(h); }
};

struct KernelTraits {
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) { CloseHandle(h); }
};

struct FindTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) { FindClose(h); }
};

struct ModuleTraits {
    using Type = HMODULE;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { FreeLibrary(h); }
};

struct MemoryDCTraits {
    using Type = HDC;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { DeleteDC(h); }
};

struct RegKeyTraits {
    using Type = HKEY;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { RegCloseKey(h); }
};

struct MenuTraits {
    using Type = HMENU;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { DestroyMenu(h); }
};

using BitmapHandle = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using RegionHandle = UniqueHandle<GdiObjectTraits<HRGN>>;
using FontHandle = UniqueHandle<GdiObjectTraits<HFONT>>;
using BrushHandle = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using PenHandle = UniqueHandle<GdiObjectTraits<HPEN>>;
using IconHandle = UniqueHandle<IconTraits>;
using KernelHandle = UniqueHandle<KernelTraits>;
using FindHandle = UniqueHandle<FindTraits>;
using ModuleHandle = UniqueHandle<ModuleTraits>;
using MemoryDC = UniqueHandle<MemoryDCTraits>;
using RegKey = UniqueHandle<RegKeyTraits>;
using MenuHandle = UniqueHandle<MenuTraits>;

// A DC fetched for a window and released on scope exit. GetDC gives the
// client area (or the screen's, for a null window); GetWindowDC the whole
// window, frame included, with the origin at its top-left corner: what frame
// painting uses.
template<HDC (WINAPI* Fetch)(HWND)>
class ReleasedDC {
public:
    explicit ReleasedDC(HWND wnd) : m_wnd(wnd), m_dc(Fetch(wnd)) { }
    ReleasedDC(const ReleasedDC&) = delete;
    ReleasedDC& operator=(const ReleasedDC&) = delete;
    ~ReleasedDC()
    {
        if (m_dc)
            ReleaseDC(m_wnd, m_dc);
    }
    HDC Get() const { return m_dc; }

private:
    HWND m_wnd;
    HDC m_dc;
};
using ClientDC = ReleasedDC<&::GetDC>;
using WindowDC = ReleasedDC<&::GetWindowDC>;

// BeginPaint/EndPaint as a scope.
class PaintDC {
public:
    explicit PaintDC(HWND wnd) : m_wnd(wnd) { m_dc = BeginPaint(wnd, &m_ps); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(m_wnd, &m_ps); }
    HDC Get() const { return m_dc; }
    const PAINTSTRUCT& Info() const { return m_ps; }

private:
    HWND m_wnd;
    HDC m_dc;
    PAINTSTRUCT m_ps {};
};

// Selects a GDI object into a DC and puts the previous one back on scope exit.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : m_dc(dc), m_old(obj ? SelectObject(dc, obj) : nullptr) { }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard()
    {
        if (m_old)
            SelectObject(m_dc, m_old);
    }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

} // namespace ventro
