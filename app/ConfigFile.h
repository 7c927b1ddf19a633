// The dialer's settings file: an INI file read and written through the
// platform's profile routines, so every write is in the file at once and every
// read sees the file as it is now.
#pragma once
#include <string>

namespace ventro {

// The executable's folder (ending in a separator) followed by "\Config.ini".
std::wstring ConfigFilePath();

class TConfigFile {
public:
    explicit TConfigFile(std::wstring path) : m_path(std::move(path)) { }

    const std::wstring& Path() const { return m_path; }
    // At most 2047 characters; a missing file, section or key gives `fallback`.
    std::wstring ReadString(const std::wstring& section, const std::wstring& key, const std::wstring& fallback = {}) const;
    bool ReadBool(const std::wstring& section, const std::wstring& key, bool fallback = false) const;
    // Throws Exception("Unable to write to <path>") when the platform refuses.
    void WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value) const;
    void WriteBool(const std::wstring& section, const std::wstring& key, bool value) const;

private:
    std::wstring m_path;
};

} // namespace ventro
