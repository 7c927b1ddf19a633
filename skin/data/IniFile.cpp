// An in-memory INI definition.
#include "skin/data/IniFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

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

// Calls onLine for each line of text, lines ending at CR LF, CR or LF; a final
// line without an end counts, an empty text has none.
template <class F>
void ForEachLine(std::string_view text, F onLine)
{
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            onLine(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        onLine(text.substr(start));
}

constexpr uint64_t Ones = 0x0101010101010101ull;
constexpr uint64_t Highs = 0x8080808080808080ull;

static_assert(std::endian::native == std::endian::little);

// Up to eight bytes of s from offset i (unused high bytes zero).
uint64_t LoadWord(std::string_view s, size_t i)
{
    uint64_t w = 0;
    size_t n = s.size() - i;
    if (n >= 8) {
        std::memcpy(&w, s.data() + i, 8);
    } else if (s.size() >= 8) {
        std::memcpy(&w, s.data() + s.size() - 8, 8);
        w >>= 8 * (8 - n);
    } else {
        for (size_t k = 0; k < n; ++k)
            w |= uint64_t(uint8_t(s[i + k])) << (8 * k);
    }
    return w;
}

// Eight bytes of s from offset i with ASCII capitals made small. The sums
// below stay inside each byte, so the eight bytes are tested at once.
uint64_t LowerWord(std::string_view s, size_t i)
{
    uint64_t w = LoadWord(s, i);
    uint64_t low7 = w & ~Highs;
    uint64_t atLeastA = low7 + Ones * (0x80 - 'A');
    uint64_t pastZ = low7 + Ones * (0x80 - 'Z' - 1);
    uint64_t capitals = atLeastA & ~pastZ & ~w & Highs;
    return w | (capitals >> 2);
}

uint64_t Mix(uint64_t x)
{
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdull;
    x ^= x >> 33;
    return x;
}

uint64_t EntryHash(uint32_t section, std::string_view key)
{
    return Mix(NameHash(key) + (uint64_t(section) + 1) * 0x9E3779B97F4A7C15ull);
}

void InsertSlot(std::vector<uint32_t>& slots, uint64_t hash, uint32_t index)
{
    size_t mask = slots.size() - 1;
    size_t i = size_t(hash) & mask;
    while (slots[i] != 0)
        i = (i + 1) & mask;
    slots[i] = index + 1;
}

// A power of two at least twice count (and at least 16).
size_t SlotCount(size_t count)
{
    size_t n = 16;
    while (n < count * 2)
        n *= 2;
    return n;
}

} // namespace

uint64_t NameHash(std::string_view name)
{
    uint64_t h = name.size();
    for (size_t i = 0; i < name.size(); i += 8)
        h = Mix(h ^ LowerWord(name, i)) + i;
    return h;
}

bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); i += 8)
        if (LowerWord(a, i) != LowerWord(b, i))
            return false;
    return true;
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

void TMemIniFile::Clear()
{
    m_text.clear();
    m_lineStarts.clear();
    m_written.clear();
    m_sections.clear();
    m_entries.clear();
    m_sectionSlots.assign(SlotCount(0), 0);
    m_entrySlots.assign(SlotCount(0), 0);
}

void TMemIniFile::ReadLine(uint32_t& current, std::string_view raw)
{
    std::string_view line = Trim(raw);
    if (line.empty() || line[0] == ';')
        return;
    if (line.front() == '[' && line.back() == ']') {
        current = AddSection(Trim(line.substr(1, line.size() - 2)));
        return;
    }
    if (current == NoSection)
        return;
    size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        AddEntry(current, line, {});
    else
        AddEntry(current, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
}

void TMemIniFile::SetStrings(const std::vector<std::string>& lines)
{
    Clear();
    size_t total = 0;
    for (const std::string& line : lines)
        total += line.size() + 1;
    m_text.reserve(total);
    m_entries.reserve(lines.size());
    // Each line keeps an end, so that its number can be found later.
    for (const std::string& line : lines) {
        m_text.insert(m_text.end(), line.begin(), line.end());
        m_text.push_back('\n');
    }
    uint32_t current = NoSection;
    size_t offset = 0;
    for (const std::string& line : lines) {
        ReadLine(current, std::string_view(m_text.data() + offset, line.size()));
        offset += line.size() + 1;
    }
}

void TMemIniFile::SetText(std::string_view source)
{
    Clear();
    m_text.assign(source.begin(), source.end());
    std::string_view text(m_text.data(), m_text.size());
    const size_t lines = size_t(std::count(text.begin(), text.end(), '\n')) + 1;
    m_entries.reserve(lines);
    // Room for every line's entry from the start: the index is not rebuilt as it fills.
    m_entrySlots.assign(SlotCount(lines), 0);
    uint32_t current = NoSection;
    ForEachLine(text, [&](std::string_view line) { ReadLine(current, line); });
}

std::vector<std::string> TMemIniFile::GetStrings() const
{
    std::vector<std::string> lines;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (i > 0)
            lines.emplace_back();
        lines.push_back("[" + std::string(m_sections[i].Name) + "]");
        for (uint32_t e : m_sections[i].Entries)
            lines.push_back(std::string(m_entries[e].Key) + "=" + std::string(m_entries[e].Value));
    }
    return lines;
}

uint32_t TMemIniFile::FindSectionIndex(std::string_view name, uint64_t hash) const
{
    if (m_sectionSlots.empty())
        return NoSection;
    size_t mask = m_sectionSlots.size() - 1;
    for (size_t i = size_t(hash) & mask; m_sectionSlots[i] != 0; i = (i + 1) & mask) {
        const Section& s = m_sections[m_sectionSlots[i] - 1];
        if (s.Hash == hash && SameText(s.Name, name))
            return m_sectionSlots[i] - 1;
    }
    return NoSection;
}

uint32_t TMemIniFile::AddSection(std::string_view name)
{
    uint64_t hash = NameHash(name);
    uint32_t found = FindSectionIndex(name, hash);
    if (found != NoSection)
        return found;
    m_sections.push_back(Section { name, hash, {} });
    if (m_sectionSlots.size() < 2 * m_sections.size())
        RebuildSlots();
    else
        InsertSlot(m_sectionSlots, hash, uint32_t(m_sections.size() - 1));
    return uint32_t(m_sections.size() - 1);
}

TMemIniFile::Probe TMemIniFile::ProbeEntry(uint32_t section, std::string_view key, uint64_t hash) const
{
    if (section == NoSection || m_entrySlots.empty())
        return { NoEntry, 0 };
    size_t mask = m_entrySlots.size() - 1;
    size_t i = size_t(hash) & mask;
    for (; m_entrySlots[i] != 0; i = (i + 1) & mask) {
        const Entry& e = m_entries[m_entrySlots[i] - 1];
        if (e.Hash == hash && e.Section == section && SameText(e.Key, key))
            return { m_entrySlots[i] - 1, i };
    }
    return { NoEntry, i };
}

uint32_t TMemIniFile::FindEntry(uint32_t section, std::string_view key) const
{
    return ProbeEntry(section, key, EntryHash(section, key)).Entry;
}

void TMemIniFile::AddEntry(uint32_t section, std::string_view key, std::string_view value)
{
    uint64_t hash = EntryHash(section, key);
    Probe probe = ProbeEntry(section, key, hash);
    bool first = probe.Entry == NoEntry;  // later duplicates are listed, but lookups find the first
    uint32_t index = uint32_t(m_entries.size());
    m_entries.push_back(Entry { section, first, hash, key, value });
    m_sections[section].Entries.push_back(index);
    if (!first)
        return;
    if (m_entrySlots.size() < 2 * m_entries.size())
        RebuildSlots();
    else
        m_entrySlots[probe.FreeSlot] = index + 1;
}

void TMemIniFile::RebuildSlots()
{
    m_sectionSlots.assign(SlotCount(m_sections.size()), 0);
    for (uint32_t i = 0; i < m_sections.size(); ++i)
        InsertSlot(m_sectionSlots, m_sections[i].Hash, i);
    m_entrySlots.assign(SlotCount(m_entries.size()), 0);
    for (uint32_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].Indexed)
            InsertSlot(m_entrySlots, m_entries[i].Hash, i);
}

std::string_view TMemIniFile::Keep(std::string_view text)
{
    return m_written.emplace_back(text);
}

bool TMemIniFile::SectionExists(std::string_view section) const
{
    return FindSectionIndex(section, NameHash(section)) != NoSection;
}

std::optional<std::string_view> TMemIniFile::Find(std::string_view section, std::string_view key) const
{
    uint32_t e = FindEntry(FindSectionIndex(section, NameHash(section)), key);
    if (e == NoEntry)
        return std::nullopt;
    return m_entries[e].Value;
}

bool TMemIniFile::ValueExists(std::string_view section, std::string_view key) const
{
    return Find(section, key).has_value();
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    return std::string(Find(section, key).value_or(def));
}

std::vector<std::string> TMemIniFile::ReadSections() const
{
    std::vector<std::string> names;
    for (const Section& s : m_sections)
        names.emplace_back(s.Name);
    return names;
}

std::vector<std::string_view> TMemIniFile::SectionKeys(std::string_view section) const
{
    std::vector<std::string_view> keys;
    uint32_t s = FindSectionIndex(section, NameHash(section));
    if (s != NoSection)
        for (uint32_t e : m_sections[s].Entries)
            keys.push_back(m_entries[e].Key);
    return keys;
}

uint32_t TMemIniFile::LineAt(std::string_view name) const
{
    const uintptr_t begin = reinterpret_cast<uintptr_t>(m_text.data());
    const uintptr_t at = reinterpret_cast<uintptr_t>(name.data());
    if (m_text.empty() || at < begin || at > begin + m_text.size())
        return 0;  // written later, not read
    if (m_lineStarts.empty()) {
        const std::string_view text(m_text.data(), m_text.size());
        ForEachLine(text, [&](std::string_view line) { m_lineStarts.push_back(size_t(line.data() - text.data())); });
    }
    const size_t offset = size_t(at - begin);
    auto after = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset);
    const size_t line = size_t(after - m_lineStarts.begin());
    return line < (size_t(1) << 31) ? uint32_t(line) : 0;
}

uint32_t TMemIniFile::SectionLine(std::string_view section) const
{
    uint32_t s = FindSectionIndex(section, NameHash(section));
    return s == NoSection ? 0 : LineAt(m_sections[s].Name);
}

uint32_t TMemIniFile::KeyLine(std::string_view section, std::string_view key) const
{
    uint32_t e = FindEntry(FindSectionIndex(section, NameHash(section)), key);
    return e == NoEntry ? 0 : LineAt(m_entries[e].Key);
}

std::vector<TMemIniFile::KeyAt> TMemIniFile::SectionEntries(std::string_view section) const
{
    std::vector<KeyAt> entries;
    uint32_t s = FindSectionIndex(section, NameHash(section));
    if (s != NoSection)
        for (uint32_t e : m_sections[s].Entries)
            entries.push_back(KeyAt { m_entries[e].Key, m_entries[e].Value, LineAt(m_entries[e].Key) });
    return entries;
}

std::vector<std::string> TMemIniFile::ReadSection(std::string_view section) const
{
    std::vector<std::string> keys;
    for (std::string_view key : SectionKeys(section))
        keys.emplace_back(key);
    return keys;
}

void TMemIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    uint32_t s = FindSectionIndex(section, NameHash(section));
    if (s == NoSection)
        s = AddSection(Keep(section));
    uint32_t found = FindEntry(s, key);
    if (found != NoEntry) {
        m_entries[found].Value = Keep(value);
        return;
    }
    AddEntry(s, Keep(key), Keep(value));
}

void TMemIniFile::EraseSection(std::string_view section)
{
    uint32_t erased = FindSectionIndex(section, NameHash(section));
    if (erased == NoSection)
        return;
    std::vector<Section> sections = std::move(m_sections);
    std::vector<Entry> entries = std::move(m_entries);
    m_sections.clear();
    m_entries.clear();
    sections.erase(sections.begin() + erased);
    for (Section& s : sections) {
        uint32_t index = uint32_t(m_sections.size());
        m_sections.push_back(Section { s.Name, s.Hash, {} });
        for (uint32_t e : s.Entries) {
            m_sections.back().Entries.push_back(uint32_t(m_entries.size()));
            m_entries.push_back(Entry { index, entries[e].Indexed, EntryHash(index, entries[e].Key), entries[e].Key, entries[e].Value });
        }
    }
    RebuildSlots();
}

} // namespace ventro
