// A library loaded when one of its entry points is first asked for, and
// released with its owner: libraries that only some actions need (after a
// dial, on a click) stay off the program's start-up path.
#pragma once
#include <windows.h>

#include "platform/Handles.h"

namespace ventro {

class LazyLibrary {
public:
    explicit LazyLibrary(const wchar_t* name) : m_name(name) { }
    LazyLibrary(const LazyLibrary&) = delete;
    LazyLibrary& operator=(const LazyLibrary&) = delete;

    // The entry point, or null when the library or the entry is missing.
    template<typename Function>
    Function Entry(const char* name)
    {
        if (!m_tried) {
            m_tried = true;
            m_module.Reset(LoadLibraryW(m_name));
        }
        if (!m_module)
            return nullptr;
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(m_module.Get(), name)));
    }

private:
    const wchar_t* m_name;
    bool m_tried = false;
    ModuleHandle m_module;
};

} // namespace ventro
