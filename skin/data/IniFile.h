// An in-memory INI definition: sections of key=value lines read from text,
// looked up without regard to case, and written back as text.
#pragma once
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ventro {

// Splits text into lines ending at CR LF, CR or LF; a final line without an
// end is kept, an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// Reads like the platform's in-memory INI file: lines are trimmed; blank lines
// and lines starting with ";" are skipped; "[name]" opens a section (a repeated
// name continues the earlier one); other lines are key=value with key and value
// trimmed, and a line without "=" is a key with an empty value. Keys before the
// first section are dropped. The first of duplicate keys wins.
// Case-insensitive hashing and comparison of names, usable with string_view.
struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const;
};
struct NameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};
using NameIndex = std::unordered_map<std::string, size_t, NameHash, NameEqual>;
using NameViewIndex = std::unordered_map<std::string_view, size_t, NameHash, NameEqual>;

class TMemIniFile {
public:
    TMemIniFile() = default;
    explicit TMemIniFile(const std::vector<std::string>& lines) { SetStrings(lines); }

    void SetStrings(const std::vector<std::string>& lines);
    // The same as SetStrings(SplitLines(text)), without the line list.
    void SetText(std::string_view text);
    std::vector<std::string> GetStrings() const;

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // The value of key, or nullptr when section or key is missing.
    const std::string* Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    std::vector<std::string> ReadSections() const;
    std::vector<std::string> ReadSection(std::string_view section) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void EraseSection(std::string_view section);

private:
    struct Entry {
        std::string Key;
        std::string Value;
    };
    struct Section {
        std::string Name;
        std::deque<Entry> Entries;  // a deque: the index keeps views of the keys
        NameViewIndex Index;        // key -> first entry
    };
    const Section* FindSection(std::string_view name) const;
    Section& AddSection(std::string_view name);
    void AddLine(Section*& current, std::string_view raw);

    std::vector<std::unique_ptr<Section>> m_sections;  // never moved: the index keeps views
    NameIndex m_index;  // name -> section
};

bool SameText(std::string_view a, std::string_view b);

} // namespace ventro
