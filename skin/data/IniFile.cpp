// An in-memory INI definition.
#include "skin/data/IniFile.h"

#include <algorithm>

namespace ventro {

namespace {

std::string_view Trim(std::string_view s)
{
    size_t b = 0;
    size_t e = s.size();
    while (b < e && uint8_t(s[b]) <= ' ')
        ++b;
    while (e > b && uint8_t(s[e - 1]) <= ' ')
        --e;
    return s.substr(b, e - b);
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }


} // namespace

size_t NameHash::operator()(std::string_view s) const
{
    size_t h = 1469598103934665603ull;
    for (char c : s)
        h = (h ^ uint8_t(Lower(c))) * 1099511628211ull;
    return h;
}

bool NameEqual::operator()(std::string_view a, std::string_view b) const { return SameText(a, b); }

bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

void TMemIniFile::AddLine(Section*& current, std::string_view raw)
{
    std::string_view line = Trim(raw);
    if (line.empty() || line[0] == ';')
        return;
    if (line.front() == '[' && line.back() == ']') {
        current = &AddSection(Trim(line.substr(1, line.size() - 2)));
        return;
    }
    if (!current)
        return;
    size_t eq = line.find('=');
    std::string_view key = eq == std::string_view::npos ? line : Trim(line.substr(0, eq));
    std::string_view value = eq == std::string_view::npos ? std::string_view() : Trim(line.substr(eq + 1));
    Entry& entry = current->Entries.emplace_back(Entry { std::string(key), std::string(value) });
    current->Index.emplace(entry.Key, current->Entries.size() - 1);
}

void TMemIniFile::SetStrings(const std::vector<std::string>& lines)
{
    m_sections.clear();
    m_index.clear();
    Section* current = nullptr;
    for (const std::string& raw : lines)
        AddLine(current, raw);
}

void TMemIniFile::SetText(std::string_view text)
{
    m_sections.clear();
    m_index.clear();
    Section* current = nullptr;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            AddLine(current, text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        AddLine(current, text.substr(start));
}

std::vector<std::string> TMemIniFile::GetStrings() const
{
    std::vector<std::string> lines;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (i > 0)
            lines.emplace_back();
        lines.push_back("[" + m_sections[i]->Name + "]");
        for (const Entry& e : m_sections[i]->Entries)
            lines.push_back(e.Key + "=" + e.Value);
    }
    return lines;
}

const TMemIniFile::Section* TMemIniFile::FindSection(std::string_view name) const
{
    auto it = m_index.find(name);
    return it == m_index.end() ? nullptr : m_sections[it->second].get();
}

TMemIniFile::Section& TMemIniFile::AddSection(std::string_view name)
{
    if (const Section* found = FindSection(name))
        return const_cast<Section&>(*found);
    m_index.emplace(std::string(name), m_sections.size());
    m_sections.push_back(std::make_unique<Section>(Section { std::string(name), {}, {} }));
    return *m_sections.back();
}

bool TMemIniFile::SectionExists(std::string_view section) const
{
    return FindSection(section) != nullptr;
}

const std::string* TMemIniFile::Find(std::string_view section, std::string_view key) const
{
    const Section* s = FindSection(section);
    if (!s)
        return nullptr;
    auto it = s->Index.find(key);
    return it == s->Index.end() ? nullptr : &s->Entries[it->second].Value;
}

bool TMemIniFile::ValueExists(std::string_view section, std::string_view key) const
{
    return Find(section, key) != nullptr;
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    const std::string* v = Find(section, key);
    return v ? *v : std::string(def);
}

std::vector<std::string> TMemIniFile::ReadSections() const
{
    std::vector<std::string> names;
    for (const auto& s : m_sections)
        names.push_back(s->Name);
    return names;
}

std::vector<std::string> TMemIniFile::ReadSection(std::string_view section) const
{
    std::vector<std::string> keys;
    if (const Section* s = FindSection(section))
        for (const Entry& e : s->Entries)
            keys.push_back(e.Key);
    return keys;
}

void TMemIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    Section& s = AddSection(section);
    auto it = s.Index.find(key);
    if (it != s.Index.end()) {
        s.Entries[it->second].Value = std::string(value);
        return;
    }
    Entry& entry = s.Entries.emplace_back(Entry { std::string(key), std::string(value) });
    s.Index.emplace(entry.Key, s.Entries.size() - 1);
}

void TMemIniFile::EraseSection(std::string_view section)
{
    auto it = m_index.find(section);
    if (it == m_index.end())
        return;
    m_sections.erase(m_sections.begin() + long(it->second));
    m_index.clear();
    for (size_t i = 0; i < m_sections.size(); ++i)
        m_index.emplace(std::string(m_sections[i]->Name), i);
}

} // namespace ventro
