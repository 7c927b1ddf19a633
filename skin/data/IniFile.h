// An in-memory INI definition: sections of key=value lines read from text,
// looked up without regard to case, and written back as text.
#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ventro {

// Splits text into lines ending at CR LF, CR or LF; a final line without an
// end is kept, an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// Names compare without regard to the case of ASCII letters; other bytes
// (double-byte characters among them) compare as they are.
bool SameText(std::string_view a, std::string_view b);
uint64_t NameHash(std::string_view name);

// Reads like the platform's in-memory INI file: lines are trimmed; blank lines
// and lines starting with ";" are skipped; "[name]" opens a section (a repeated
// name continues the earlier one); other lines are key=value with key and value
// trimmed, and a line without "=" is a key with an empty value. Keys before the
// first section are dropped. The first of duplicate keys wins.
//
// The text read is kept in one buffer and names and values are views into it,
// so reading a definition allocates little; the object can be moved, not copied.
class TMemIniFile {
public:
    TMemIniFile() = default;
    explicit TMemIniFile(const std::vector<std::string>& lines) { SetStrings(lines); }
    TMemIniFile(TMemIniFile&&) = default;
    TMemIniFile& operator=(TMemIniFile&&) = default;
    TMemIniFile(const TMemIniFile&) = delete;
    TMemIniFile& operator=(const TMemIniFile&) = delete;

    void SetStrings(const std::vector<std::string>& lines);
    // The same as SetStrings(SplitLines(text)), without the line list.
    void SetText(std::string_view text);
    std::vector<std::string> GetStrings() const;

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // The value of key; nothing when section or key is missing. The view lives
    // until the file is changed or reloaded.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    std::vector<std::string> ReadSections() const;
    std::vector<std::string> ReadSection(std::string_view section) const;
    // The keys of a section in file order, as views (see Find).
    std::vector<std::string_view> SectionKeys(std::string_view section) const;

    // Where things stood in the text read, counting lines from 1 as SplitLines
    // splits them (a line given to SetStrings that holds line ends of its own
    // counts as several): the line of a section's first header, of the key
    // lookups find, or 0 when it is missing or was added by WriteString.
    // Reading pays nothing for it: the lines are counted at the first question.
    uint32_t SectionLine(std::string_view section) const;
    uint32_t KeyLine(std::string_view section, std::string_view key) const;
    // Every key line of a section in file order, later duplicates included.
    struct KeyAt {
        std::string_view Key;
        std::string_view Value;
        uint32_t Line;
    };
    std::vector<KeyAt> SectionEntries(std::string_view section) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void EraseSection(std::string_view section);

private:
    static constexpr uint32_t NoSection = UINT32_MAX;
    static constexpr uint32_t NoEntry = UINT32_MAX;

    struct Entry {
        uint32_t Section;
        bool Indexed;   // the first of its key in the section: the one lookups find
        uint64_t Hash;  // of section and key
        std::string_view Key;
        std::string_view Value;
    };
    struct Section {
        std::string_view Name;
        uint64_t Hash;
        std::vector<uint32_t> Entries;  // in file order
    };

    void Clear();
    void ReadLine(uint32_t& current, std::string_view raw);
    uint32_t FindSectionIndex(std::string_view name, uint64_t hash) const;
    uint32_t AddSection(std::string_view name);
    struct Probe {
        uint32_t Entry;   // what lookups give for the key, or NoEntry
        size_t FreeSlot;  // where the key would be indexed when missing
    };
    Probe ProbeEntry(uint32_t section, std::string_view key, uint64_t hash) const;
    uint32_t FindEntry(uint32_t section, std::string_view key) const;
    void AddEntry(uint32_t section, std::string_view key, std::string_view value);
    void RebuildSlots();
    std::string_view Keep(std::string_view text);
    // The line of a name read from the text, by where it lies in m_text.
    uint32_t LineAt(std::string_view name) const;

    std::vector<char> m_text;            // the text read; names and values view it
    // Where each line of the text starts in m_text, found at the first
    // question about lines.
    mutable std::vector<size_t> m_lineStarts;
    std::deque<std::string> m_written;   // names and values added by WriteString
    std::vector<Section> m_sections;
    std::vector<Entry> m_entries;
    // Open addressing over both lists: slot value = list index + 1, 0 is free.
    std::vector<uint32_t> m_sectionSlots;
    std::vector<uint32_t> m_entrySlots;
};

} // namespace ventro
