// Settings file reads and writes.
#include "app/ConfigFile.h"

#include <windows.h>

#include "app/IniValues.h"
#include "base/Exception.h"
#include "platform/Text.h"

namespace ventro {

std::wstring ConfigFilePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    std::wstring folder = slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
    return folder + L"\\Config.ini";
}

std::wstring TConfigFile::ReadString(const std::wstring& section, const std::wstring& key, const std::wstring& fallback) const
{
    wchar_t buffer[2048];
    DWORD n = GetPrivateProfileStringW(section.c_str(), key.c_str(), fallback.c_str(), buffer, 2048, m_path.c_str());
    return std::wstring(buffer, n);
}

bool TConfigFile::ReadBool(const std::wstring& section, const std::wstring& key, bool fallback) const
{
    std::wstring text = ReadString(section, key);
    return ParseIniBool(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()), fallback);
}

void TConfigFile::WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value) const
{
    if (!WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), m_path.c_str()))
        throw Exception("Unable to write to " + WideToUtf8(m_path));
}

void TConfigFile::WriteBool(const std::wstring& section, const std::wstring& key, bool value) const
{
    WriteString(section, key, value ? L"1" : L"0");
}

} // namespace ventro
