// The checks of a skin definition.
#include "tools/skintool/SkinCheck.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <stdexcept>
#include <set>
#include <span>
#include <type_traits>

#include "base/ColorResolver.h"
#include "skin/data/SkinContent.h"
#include "skin/data/SkinControls.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SkinValues.h"
#include "skin/data/SkinWindows.h"
#include "skin/form/SkinFrame.h"
#include "skin/form/StaticForm.h"
#include "skin/gfx/RectUtils.h"

namespace ventro {
namespace {

// The value kinds, in the order of FieldMember's alternatives.
enum class Kind : uint8_t { Integer, Color, Flag, Rect, Point, Text, FontStyles, Alignment, Stretch, Morph, Effect, Command };
static_assert(std::variant_size_v<FieldMember<TlxDataSkinObject>> == 12);

struct KeyInfo {
    const char* Key;
    Kind ValueKind;
    const char* Default;  // nullptr: the kind's default
};
using KeyTable = std::vector<KeyInfo>;

template <class R>
void AppendKeys(KeyTable& out)
{
    for (const FieldSpec<R>& f : R::Fields())
        out.push_back(KeyInfo { f.Key, Kind(f.Member.index()), f.Default });
}

template <class Base, class Derived, class... Rest>
constexpr bool IsClassChain()
{
    if constexpr (sizeof...(Rest) == 0)
        return std::is_base_of_v<Base, Derived>;
    else
        return std::is_base_of_v<Base, Derived> && IsClassChain<Derived, Rest...>();
}

// The keys a record class reads: those of each class from the root down, in
// the order its LoadFromIni reads them.
template <class... Chain>
KeyTable KeysOf()
{
    if constexpr (sizeof...(Chain) > 1)
        static_assert(IsClassChain<Chain...>(), "each class derives from the one before");
    KeyTable keys;
    (AppendKeys<Chain>(keys), ...);
    return keys;
}

KeyTable UserObjectKeys() { return { { "skinrect", Kind::Rect, nullptr } }; }
KeyTable VersionKeys()
{
    // "ver" is not read, but every definition has it.
    return { { "ver", Kind::Text, nullptr }, { "skinname", Kind::Text, nullptr }, { "skinauthor", Kind::Text, nullptr },
        { "authoremail", Kind::Text, nullptr }, { "authorurl", Kind::Text, nullptr }, { "skincomments", Kind::Text, nullptr } };
}
KeyTable PictureKeys()
{
    return { { "picture", Kind::Text, nullptr }, { "inactivepicture", Kind::Text, nullptr }, { "mask", Kind::Text, nullptr },
        { "activepicturescount", Kind::Integer, nullptr } };
}
KeyTable ListKeys() { return { { "count", Kind::Integer, nullptr } }; }

// Which picture an object's images come from.
enum class ObjectImages : uint8_t {
    ByFlag,     // "skinrectinapicture": the active picture, else the frame picture
    Active,     // menu items: always the active picture
    FrameOnly,  // user objects: the frame picture, nothing else
};

struct RecordType {
    const char* Word;
    KeyTable (*Keys)();
    ObjectImages Images = ObjectImages::ByFlag;  // objects only
    bool Framed = false;  // controls cut into nine pieces by their corner points
};

const RecordType ObjectTypes[] = {
    { "menuitem", KeysOf<TlxDataSkinObject, TlxDataSkinMenuItem>, ObjectImages::Active },
    { "mainmenubaritem", KeysOf<TlxDataSkinObject, TlxDataSkinMainMenuItem>, ObjectImages::Active },
    { "stdbutton", KeysOf<TlxDataSkinObject, TlxDataSkinButton, TlxDataSkinStdButton> },
    { "mainmenubarbutton", KeysOf<TlxDataSkinObject, TlxDataSkinButton, TlxDataSkinStdButton> },
    { "button", KeysOf<TlxDataSkinObject, TlxDataSkinButton> },
    { "caption", KeysOf<TlxDataSkinObject, TlxDataSkinCaption> },
    { "animate", KeysOf<TlxDataSkinObject, TlxDataSkinAnimate> },
    { "userobject", UserObjectKeys, ObjectImages::FrameOnly },
};

using C = TlxDataSkinControl;
using CC = TlxDataSkinCustomControl;
const RecordType ControlTypes[] = {
    { "button", KeysOf<C, CC, TlxDataSkinButtonControl>, {}, true },
    { "menubutton", KeysOf<C, CC, TlxDataSkinButtonControl, TlxDataSkinMenuButtonControl>, {}, true },
    { "checkradio", KeysOf<C, CC, TlxDataSkinCheckRadioControl>, {}, true },
    { "panel", KeysOf<C, CC, TlxDataSkinPanelControl>, {}, true },
    { "expanel", KeysOf<C, CC, TlxDataSkinExPanelControl>, {}, true },
    { "label", KeysOf<C, CC, TlxDataSkinLabelControl>, {}, true },
    { "stdlabel", KeysOf<C, TlxDataSkinStdLabelControl> },
    { "gauge", KeysOf<C, CC, TlxDataSkinGaugeControl>, {}, true },
    { "trackbar", KeysOf<C, CC, TlxDataSkinTrackBarControl>, {}, true },
    { "splitter", KeysOf<C, CC, TlxDataSkinSplitterControl>, {}, true },
    { "scrollbar", KeysOf<C, CC, TlxDataSkinScrollBarControl>, {}, true },
    // Up-down records drop their corners and client rectangle after reading.
    { "updown", KeysOf<C, CC, TlxDataSkinUpDownControl> },
    { "edit", KeysOf<C, CC, TlxDataSkinEditControl>, {}, true },
    { "memo", KeysOf<C, CC, TlxDataSkinEditControl, TlxDataSkinMemoControl>, {}, true },
    { "spinedit", KeysOf<C, CC, TlxDataSkinSpinEditControl>, {}, true },
    { "listbox", KeysOf<C, CC, TlxDataSkinListBox>, {}, true },
    { "checklistbox", KeysOf<C, CC, TlxDataSkinListBox, TlxDataSkinCheckListBox>, {}, true },
    { "combobox", KeysOf<C, CC, TlxDataSkinComboBox>, {}, true },
    { "scrollbox", KeysOf<C, CC, TlxDataSkinScrollBoxControl>, {}, true },
    { "controlbar", KeysOf<C, CC, TlxDataSkinControlBar>, {}, true },
    { "mainmenubar", KeysOf<C, TlxDataSkinMainMenuBar> },
    { "tab", KeysOf<C, TlxDataSkinTabControl> },
    { "grid", KeysOf<C, TlxDataSkinGridControl> },
    { "treeview", KeysOf<C, TlxDataSkinTreeView> },
    { "listview", KeysOf<C, TlxDataSkinListView> },
    { "richedit", KeysOf<C, TlxDataSkinRichEdit> },
    { "slider", KeysOf<C, TlxDataSkinSlider> },
    { "bevel", KeysOf<C, TlxDataSkinBevel> },
};

// Rectangles of skin objects that are images in the object's active picture.
constexpr std::string_view ObjectActiveImageKeys[] = { "activeskinrect", "inactiveskinrect", "downrect",
    "disableskinrsect", "restorerect", "restoreactiverect", "restoredownrect", "restoreinactiverect", "downskinrect",
    "framerect", "activeframerect", "animateskinrect", "dividerrect", "checkimagerect", "activecheckimagerect",
    "radioimagerect", "activeradioimagerect", "arrowimagerect", "activearrowimagerect" };

constexpr std::string_view FixedSections[] = { "VERSION", "PICTURES", "FORMINFO", "POPUPWINDOW", "HINTWINDOW",
    "SKINCOLORS", "SKINOBJECTS", "SKINCONTROLS" };
constexpr std::string_view RequiredSections[] = { "VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS" };

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

bool IsDigits(std::string_view s) { return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos; }
bool EndsWith(std::string_view s, std::string_view end) { return s.size() >= end.size() && s.substr(s.size() - end.size()) == end; }

std::string Quote(std::string_view s) { return "'" + std::string(s) + "'"; }
std::string Bracket(std::string_view section) { return "[" + std::string(section) + "]"; }

// The edit distance with swaps of neighbours counting one, letter case aside.
size_t EditDistance(std::string_view a, std::string_view b)
{
    std::string x = Lower(a), y = Lower(b);
    std::vector<std::vector<size_t>> d(x.size() + 1, std::vector<size_t>(y.size() + 1));
    for (size_t i = 0; i <= x.size(); ++i)
        d[i][0] = i;
    for (size_t j = 0; j <= y.size(); ++j)
        d[0][j] = j;
    for (size_t i = 1; i <= x.size(); ++i)
        for (size_t j = 1; j <= y.size(); ++j) {
            size_t cost = x[i - 1] == y[j - 1] ? 0 : 1;
            d[i][j] = std::min({ d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost });
            if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[x.size()][y.size()];
}

// The candidate closest to word when it is close enough to be a misspelling
// of it (at most two edits, or a quarter of the word for long ones).
std::string Nearest(std::string_view word, const std::vector<std::string>& candidates)
{
    // Longer than any key: nothing is near, and the table stays small.
    if (word.size() > 64)
        return {};
    std::string best;
    size_t bestDistance = std::max<size_t>(2, word.size() / 4) + 1;
    for (const std::string& c : candidates) {
        size_t d = EditDistance(word, c);
        if (d < bestDistance) {
            bestDistance = d;
            best = c;
        }
    }
    return best;
}

std::string DidYouMean(std::string_view word, const std::vector<std::string>& candidates)
{
    std::string near = Nearest(word, candidates);
    return near.empty() ? std::string() : " (did you mean " + Quote(near) + "?)";
}

std::string Join(const std::vector<std::string>& words)
{
    std::string out;
    for (const std::string& w : words)
        out += (out.empty() ? "" : ", ") + w;
    return out;
}

// The words of a word kind, in their order, by what its formatter writes.
template <class E>
std::vector<std::string> WordsOf(std::string (*format)(E), int count)
{
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i)
        words.push_back(format(E(i)));
    return words;
}

struct WordKind {
    const char* What;
    std::vector<std::string> Words;
    std::string (*ReadsAs)(std::string_view value);
};

std::string AlignmentReads(std::string_view v) { return FormatAlignment(ParseAlignment(v)); }
std::string StretchReads(std::string_view v) { return FormatStretchType(ParseStretchType(v)); }
std::string MorphReads(std::string_view v) { return FormatMorphKind(ParseMorphKind(v)); }
std::string EffectReads(std::string_view v) { return FormatInActiveEffect(ParseInActiveEffect(v)); }
std::string CommandReads(std::string_view v) { return FormatStdCommand(ParseStdCommand(v)); }

const WordKind* WordKindOf(Kind kind)
{
    static const WordKind alignment { "an alignment", WordsOf(FormatAlignment, 3), AlignmentReads };
    static const WordKind stretch { "a stretch word", WordsOf(FormatStretchType, 3), StretchReads };
    static const WordKind morph { "a morph word", WordsOf(FormatMorphKind, 7), MorphReads };
    static const WordKind effect { "an effect word", WordsOf(FormatInActiveEffect, 6), EffectReads };
    static const WordKind command { "a command word", WordsOf(FormatStdCommand, 7), CommandReads };
    switch (kind) {
    case Kind::Alignment: return &alignment;
    case Kind::Stretch: return &stretch;
    case Kind::Morph: return &morph;
    case Kind::Effect: return &effect;
    case Kind::Command: return &command;
    default: return nullptr;
    }
}

std::vector<std::string> FontStyleWords()
{
    std::vector<std::string> words;
    for (uint8_t bit = 1; bit <= TFontStyles::fsStrikeOut; bit <<= 1)
        words.push_back(FormatFontStyles(TFontStyles { bit }));
    return words;
}

std::string RectText(const Rect& r) { return FormatRect(r); }
std::string PointText(const Point& p) { return FormatPoint(p); }

struct PictureFacts {
    bool Known = false;  // named and readable
    int32_t Width = 0;
    int32_t Height = 0;
    std::string What;  // "the frame picture frame.bmp (378x119)"
};

std::string SizeText(int32_t w, int32_t h) { return std::to_string(w) + "x" + std::to_string(h); }

class Checker {
public:
    Checker(const TMemIniFile& ini, const PictureSource& pictures, const FontInstalledTest& fonts)
        : m_ini(ini)
        , m_pictures(pictures)
        , m_fonts(fonts)
    {
    }

    std::vector<CheckFinding> Run()
    {
        for (std::string_view section : RequiredSections)
            if (!m_ini.SectionExists(section))
                Report(FindingLevel::Error, 0, "", "", "not a skin definition: the section " + Bracket(section)
                    + " is missing, and the engine refuses the skin");
        // First every key and value as written, then what they mean together,
        // read from a copy in which the values the engine cannot read at all
        // are replaced by their kind's default.
        CheckKeys("VERSION", VersionKeys(), false);
        CheckKeys("PICTURES", PictureKeys(), true);
        CheckKeys("FORMINFO", KeysOf<TlxSkinFormInfo>(), false);
        CheckKeys("POPUPWINDOW", KeysOf<TlxDataSkinPopupWindow>(), false);
        CheckKeys("HINTWINDOW", KeysOf<TlxDataSkinHintWindow>(), false);
        CheckKeys("SKINCOLORS", KeysOf<TlxSkinColors>(), false);
        CollectList("SKINOBJECTS", ObjectTypes, true);
        CollectList("SKINCONTROLS", ControlTypes, false);
        CheckUnlistedSections();
        MakeReadableCopy();

        CheckPictures();
        CheckFormInfo();
        CheckWindowFrame<TlxDataSkinPopupWindow>("POPUPWINDOW", "itemsrect");
        CheckWindowFrame<TlxDataSkinHintWindow>("HINTWINDOW", "clientrect");
        for (const ListedRecord& record : m_records) {
            if (record.Object)
                CheckObject(record.Section, *record.Type, record.Keys);
            else
                CheckControl(record.Section, *record.Type, record.Keys);
        }
        if (!HasErrors(m_findings))
            CheckCaptionOverlap();
        std::stable_sort(m_findings.begin(), m_findings.end(),
            [](const CheckFinding& a, const CheckFinding& b) { return a.Line < b.Line; });
        return std::move(m_findings);
    }

private:
    // Reporting.

    uint32_t LineOf(std::string_view section, std::string_view key) const
    {
        uint32_t line = key.empty() ? 0 : m_ini.KeyLine(section, key);
        return line != 0 ? line : m_ini.SectionLine(section);
    }

    void Report(FindingLevel level, uint32_t line, std::string_view section, std::string_view key, std::string message)
    {
        if (level == FindingLevel::Error)
            m_errored.insert(Lower(section) + "\n" + Lower(key));
        m_findings.push_back(CheckFinding { line, level, std::string(section), std::string(key), std::move(message) });
    }
    void Error(std::string_view section, std::string_view key, std::string message)
    {
        Report(FindingLevel::Error, LineOf(section, key), section, key, std::move(message));
    }
    void Warning(std::string_view section, std::string_view key, std::string message)
    {
        Report(FindingLevel::Warning, LineOf(section, key), section, key, std::move(message));
    }
    bool Errored(std::string_view section, std::string_view key) const
    {
        return m_errored.count(Lower(section) + "\n" + Lower(key)) != 0;
    }
    // A value that cannot be read, is out of range or inverted: nothing
    // further is concluded from it.
    void MarkBad(std::string_view section, std::string_view key, Kind kind, bool unreadable)
    {
        m_bad.insert(Lower(section) + "\n" + Lower(key));
        if (unreadable)
            m_unreadable.push_back(BadValue { std::string(section), std::string(key), kind });
    }
    bool Bad(std::string_view section, std::string_view key) const
    {
        return m_bad.count(Lower(section) + "\n" + Lower(key)) != 0;
    }
    bool Present(std::string_view section, std::string_view key) const { return m_ini.Find(section, key).has_value(); }

    // Keys and values, one section at a time.

    void CheckKeys(std::string_view section, const KeyTable& table, bool indexKeys)
    {
        std::vector<std::string> known;
        for (const KeyInfo& k : table)
            known.push_back(k.Key);
        std::map<std::string, uint32_t> seen;
        for (const TMemIniFile::KeyAt& entry : m_ini.SectionEntries(section)) {
            auto [it, first] = seen.emplace(Lower(entry.Key), entry.Line);
            if (!first) {
                Report(FindingLevel::Warning, entry.Line, section, entry.Key, Quote(entry.Key) + " is given again; the value on line "
                    + std::to_string(it->second) + " is the one read");
                continue;
            }
            if (indexKeys && IsDigits(entry.Key))
                continue;
            auto info = std::find_if(table.begin(), table.end(), [&](const KeyInfo& k) { return SameText(k.Key, entry.Key); });
            if (info == table.end()) {
                Report(FindingLevel::Warning, entry.Line, section, entry.Key, "unknown key " + Quote(entry.Key) + " in "
                    + Bracket(section) + DidYouMean(entry.Key, known) + "; it is not read");
                continue;
            }
            CheckValue(section, *info, entry);
        }
    }

    void CheckValue(std::string_view section, const KeyInfo& info, const TMemIniFile::KeyAt& entry)
    {
        const std::string_view v = entry.Value;
        const std::string key = info.Key;
        auto warn = [&](std::string message) { Report(FindingLevel::Warning, entry.Line, section, key, std::move(message)); };
        auto error = [&](std::string message) { Report(FindingLevel::Error, entry.Line, section, key, std::move(message)); };
        const std::string def = info.Default ? info.Default : "0";
        switch (info.ValueKind) {
        case Kind::Integer: {
            std::optional<int32_t> n = TryStrToInt(v);
            if (!n)
                warn(Quote(v) + " is not a whole number; " + key + " reads as " + def);
            else if (!EndsWith(key, "pictureindex") && std::abs(int64_t(*n)) > MaxSkinValue) {
                error(OutOfRange(key, std::to_string(*n)));
                MarkBad(section, key, info.ValueKind, false);
            }
            break;
        }
        case Kind::Color:
            if (!TryStrToInt(v))
                warn(Quote(v) + " is not a colour number; " + key + " reads as " + def);
            break;
        case Kind::Flag: {
            std::optional<int32_t> n = TryStrToInt(v);
            if (!n || (*n != 0 && *n != 1))
                warn(Quote(v) + " is not 0 or 1; " + key + " reads as 0 (off)");
            break;
        }
        case Kind::Rect:
        case Kind::Point:
            if (!CheckGeometryValue(info.ValueKind == Kind::Rect, key, v, warn, error))
                MarkBad(section, key, info.ValueKind, !ReadableGeometry(info.ValueKind == Kind::Rect, v));
            break;
        case Kind::Text:
            if (EndsWith(key, "fontname") && m_fonts && !v.empty() && !m_fonts(std::string(v)))
                warn("the font " + Quote(v) + " is not installed; the platform draws " + key + "'s text in another face");
            break;
        case Kind::FontStyles: {
            static const std::vector<std::string> words = FontStyleWords();
            std::vector<std::string> unknown;
            size_t start = 0;
            while (start <= v.size()) {
                size_t comma = std::min(v.find(',', start), v.size());
                std::string part(v.substr(start, comma - start));
                part.erase(0, part.find_first_not_of(' '));
                part.erase(part.find_last_not_of(' ') + 1);
                if (!part.empty() && std::find(words.begin(), words.end(), part) == words.end())
                    unknown.push_back(part);
                start = comma + 1;
            }
            if (!unknown.empty()) {
                std::string reads = FormatFontStyles(ParseFontStyles(v));
                warn(Quote(unknown.front()) + " is not a font style (" + Join(words) + "); " + key + " reads as "
                    + (reads.empty() ? std::string("no style") : reads));
            }
            break;
        }
        default: {
            const WordKind* kind = WordKindOf(info.ValueKind);
            if (kind && std::find(kind->Words.begin(), kind->Words.end(), v) == kind->Words.end())
                warn(Quote(v) + " is not " + kind->What + " (" + Join(kind->Words) + ")" + DidYouMean(v, kind->Words) + "; "
                    + key + " reads as " + kind->ReadsAs(v));
            break;
        }
        }
    }

    static std::string OutOfRange(const std::string& key, const std::string& value)
    {
        return key + " " + value + " is out of range (at most " + std::to_string(MaxSkinValue)
            + " either way): the engine's arithmetic with it would overflow";
    }

    static bool ReadableGeometry(bool rect, std::string_view v)
    {
        try {
            rect ? void(ParseRectValue(v)) : void(ParsePointValue(v));
            return true;
        } catch (const EConvertError&) {
            return false;
        }
    }

    // False when the value is unusable: unreadable, out of range or inverted.
    template <class Warn, class Fail>
    bool CheckGeometryValue(bool rect, const std::string& key, std::string_view v, Warn warn, Fail error)
    {
        const char* what = rect ? "a rectangle" : "a point";
        const char* numbers = rect ? "four numbers left,top,right,bottom" : "two numbers x,y";
        const size_t fields = size_t(std::count(v.begin(), v.end(), ',')) + 1;
        const size_t needed = rect ? 4 : 2;
        Rect r;
        Point p;
        try {
            if (rect)
                r = ParseRectValue(v);
            else
                p = ParsePointValue(v);
        } catch (const EConvertError& e) {
            std::string why = v.empty() ? std::string("it is empty, and needs ") + numbers
                : fields < needed           ? "it has " + std::to_string(fields) + " of the " + numbers
                                            : std::string(e.what());
            error(Quote(v) + " is not " + what + ": " + why + "; the engine stops loading the skin here");
            return false;
        }
        const std::string reads = rect ? RectText(r) : PointText(p);
        if (fields > needed)
            warn(Quote(v) + " has " + std::to_string(fields) + " numbers; " + key + " takes the first " + std::to_string(needed)
                + ", " + reads);
        if (v.find('-') != std::string_view::npos)
            warn(key + " cannot hold negative numbers: the minus sign is dropped and " + Quote(v) + " reads as " + reads);
        else if (v.find_first_not_of("0123456789, ") != std::string_view::npos)
            warn(Quote(v) + " holds characters other than digits; they are dropped and " + key + " reads as " + reads);
        const int32_t values[4] = { rect ? r.Left : p.X, rect ? r.Top : p.Y, rect ? r.Right : 0, rect ? r.Bottom : 0 };
        for (int32_t value : values)
            if (std::abs(int64_t(value)) > MaxSkinValue) {
                error(OutOfRange(key, reads));
                return false;
            }
        if (rect && r.Right < r.Left) {
            error(key + " " + reads + " is inverted: its right edge " + std::to_string(r.Right) + " lies left of its left edge "
                + std::to_string(r.Left));
            return false;
        }
        if (rect && r.Bottom < r.Top) {
            error(key + " " + reads + " is inverted: its bottom edge " + std::to_string(r.Bottom) + " lies above its top edge "
                + std::to_string(r.Top));
            return false;
        }
        return true;
    }

    // The copy the meaning of values is read from: what the engine cannot
    // read is replaced by its kind's default, so that one broken value does
    // not hide every other finding of its record.
    void MakeReadableCopy()
    {
        m_read.SetStrings(m_ini.GetStrings());
        for (const BadValue& bad : m_unreadable)
            m_read.WriteString(bad.Section, bad.Key, bad.ValueKind == Kind::Rect ? "0,0,0,0" : "0,0");
    }

    // Values as the engine reads them, or nothing where the value was already
    // found wrong.
    std::optional<Rect> RectOf(std::string_view section, std::string_view key) const
    {
        if (Bad(section, key))
            return std::nullopt;
        return ReadRectValue(m_read, section, key);
    }
    std::optional<Point> PointOf(std::string_view section, std::string_view key) const
    {
        if (Bad(section, key))
            return std::nullopt;
        return ReadPointValue(m_read, section, key);
    }

    // Pictures.

    PictureFacts Lookup(PictureSlot slot, int32_t index, const std::string& name, const std::string& what,
        std::string_view key)
    {
        PictureFacts facts;
        if (name.empty())
            return facts;
        PictureLookup found = m_pictures ? m_pictures(slot, index, name) : PictureLookup { 0, 0, "no pictures were given" };
        if (!found.Failure.empty()) {
            Error("PICTURES", key, what + " " + Quote(name) + " cannot be used: " + found.Failure);
            return facts;
        }
        facts.Known = true;
        facts.Width = found.Width;
        facts.Height = found.Height;
        facts.What = what + " " + name + " (" + SizeText(found.Width, found.Height) + ")";
        return facts;
    }

    void CheckPictures()
    {
        m_frame = Lookup(PictureSlot::Frame, 0, m_ini.ReadString("PICTURES", "picture", ""), "the frame picture", "picture");
        m_inactive = Lookup(PictureSlot::Inactive, 0, m_ini.ReadString("PICTURES", "inactivepicture", ""),
            "the inactive frame picture", "inactivepicture");
        m_mask = Lookup(PictureSlot::Mask, 0, m_ini.ReadString("PICTURES", "mask", ""), "the frame mask", "mask");
        for (auto [facts, key] : { std::pair { &m_inactive, "inactivepicture" }, std::pair { &m_mask, "mask" } })
            if (m_frame.Known && facts->Known && (facts->Width != m_frame.Width || facts->Height != m_frame.Height))
                Error("PICTURES", key, facts->What + " differs in size from " + m_frame.What
                    + ": the frame is cut from both by the same rectangles");

        ListIndexWarnings("PICTURES", "activepicturescount");
        std::vector<std::string> names = ReadNumberedList(m_ini, "PICTURES", "activepictures");
        const int32_t count = ReadIntegerValue(m_ini, "PICTURES", "activepicturescount", 0);
        if (int64_t(names.size()) < count)
            Warning("PICTURES", "activepicturescount", "activepicturescount is " + std::to_string(count) + ", but "
                + (names.empty() ? std::string("no entry is given; the list is empty")
                                 : "the last entry given is " + std::to_string(names.size() - 1) + "; the list holds "
                                     + std::to_string(names.size()) + (names.size() == 1 ? " picture" : " pictures")));
        for (size_t k = 0; k < names.size(); ++k) {
            const std::string key = std::to_string(k);
            if (names[k].empty()) {
                Error("PICTURES", Present("PICTURES", key) ? key : "activepicturescount",
                    "active picture " + key + " has no file name; the skin cannot be compiled");
                m_active.push_back({});
                continue;
            }
            m_active.push_back(Lookup(PictureSlot::Active, int32_t(k), names[k], "active picture " + key, key));
        }
    }

    // Index keys of a numbered list at or beyond its count are never read.
    void ListIndexWarnings(std::string_view section, std::string_view countKey)
    {
        const int32_t count = ReadIntegerValue(m_ini, section, countKey, 0);
        for (const TMemIniFile::KeyAt& entry : m_ini.SectionEntries(section)) {
            std::optional<int32_t> index = IsDigits(entry.Key) ? TryStrToInt(entry.Key) : std::nullopt;
            if (IsDigits(entry.Key) && (!index || *index >= count))
                Report(FindingLevel::Warning, entry.Line, section, entry.Key, "entry " + std::string(entry.Key) + " lies at or past "
                    + std::string(countKey) + " " + std::to_string(count) + "; it is not read");
        }
    }

    const PictureFacts* ActivePicture(int32_t index) const
    {
        return index >= 0 && size_t(index) < m_active.size() && m_active[size_t(index)].Known ? &m_active[size_t(index)] : nullptr;
    }

    // A picture index key: -1 or an entry of the active picture list.
    void CheckPictureIndex(std::string_view section, std::string_view key)
    {
        if (!Present(section, key) || Errored(section, key))
            return;
        const int32_t index = ReadIntegerValue(m_read, section, key, -1);
        const size_t count = m_active.size();
        const std::string list = count == 0 ? std::string("there are no active pictures")
            : count == 1                    ? std::string("1 active picture, 0")
                                            : std::to_string(count) + " active pictures, 0 to " + std::to_string(count - 1);
        if (index < -1)
            Error(section, key, std::string(key) + " " + std::to_string(index) + " is not a picture index (-1 for none; " + list + ")");
        else if (index >= 0 && size_t(index) >= count)
            Error(section, key, std::string(key) + " " + std::to_string(index) + " is past the picture list (" + list + ")");
    }

    // Geometry against pictures.

    void RectInPicture(std::string_view section, std::string_view key, const PictureFacts* picture, bool needsArea)
    {
        std::optional<Rect> r = RectOf(section, key);
        if (!r || r->IsZero())
            return;
        if (needsArea && (r->Width() == 0 || r->Height() == 0)) {
            Error(section, key, std::string(key) + " " + RectText(*r) + " is empty: a piece cut from a picture needs width and height");
            return;
        }
        if (picture && (r->Right > picture->Width || r->Bottom > picture->Height))
            Error(section, key, std::string(key) + " " + RectText(*r) + " lies outside " + picture->What);
    }

    void PointInPicture(std::string_view section, std::string_view key, const PictureFacts* picture)
    {
        std::optional<Point> p = PointOf(section, key);
        if (p && picture && (p->X > picture->Width || p->Y > picture->Height))
            Error(section, key, std::string(key) + " " + PointText(*p) + " lies outside " + picture->What);
    }

    // Corner points cut a piece into nine: each must lie in the client
    // rectangle's corner of its own, and the edges between them must not run
    // backwards.
    void CheckCornerOrder(std::string_view section, Point lt, Point rt, Point lb, Point rb, Rect c, std::string_view clientKey)
    {
        if (c.IsZero() || (lt == Point {} && rt == Point {} && lb == Point {} && rb == Point {}))
            return;
        for (std::string_view key : std::initializer_list<std::string_view> { "lefttoppoint", "righttoppoint", "leftbottompoint",
                 "rightbottompoint", clientKey })
            if (Bad(section, key))
                return;
        const std::string client = std::string(clientKey) + " " + RectText(c);
        auto fail = [&](std::string_view key, Point p, std::string message) {
            if (!Errored(section, key))
                Error(section, key, std::string(key) + " " + PointText(p) + " " + message);
        };
        if (lt.X > rt.X)
            fail("righttoppoint", rt, "lies left of lefttoppoint " + PointText(lt) + ": the top edge would run backwards");
        if (lb.X > rb.X)
            fail("rightbottompoint", rb, "lies left of leftbottompoint " + PointText(lb) + ": the bottom edge would run backwards");
        if (lt.Y > lb.Y)
            fail("leftbottompoint", lb, "lies above lefttoppoint " + PointText(lt) + ": the left edge would run backwards");
        if (rt.Y > rb.Y)
            fail("rightbottompoint", rb, "lies above righttoppoint " + PointText(rt) + ": the right edge would run backwards");
        if (lt.X < c.Left || lt.Y < c.Top)
            fail("lefttoppoint", lt, "lies left of or above the top-left corner of " + client);
        if (rt.X > c.Right || rt.Y < c.Top)
            fail("righttoppoint", rt, "lies right of or above the top-right corner of " + client);
        if (lb.X < c.Left || lb.Y > c.Bottom)
            fail("leftbottompoint", lb, "lies left of or below the bottom-left corner of " + client);
        if (rb.X > c.Right || rb.Y > c.Bottom)
            fail("rightbottompoint", rb, "lies right of or below the bottom-right corner of " + client);
    }

    // Sections.

    void CheckFormInfo()
    {
        const char* s = "FORMINFO";
        TlxSkinFormInfo info;
        info.ReadFormInfo(m_read, !m_read.ReadString("PICTURES", "mask", "").empty());
        CheckPictureIndex(s, "bgpictureindex");
        CheckPictureIndex(s, "mdibgpictureindex");
        const PictureFacts* frame = m_frame.Known ? &m_frame : nullptr;
        RectInPicture(s, "clientrect", frame, true);
        for (const char* key : { "lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint", "hittestlefttoppoint",
                 "hittestrighttoppoint", "hittestleftbottompoint", "hittestrightbottompoint" })
            PointInPicture(s, key, frame);
        RectInPicture(s, "captionrect", frame, false);
        RectInPicture(s, "buttonsrect", frame, false);
        RectInPicture(s, "maskrectarea", m_mask.Known ? &m_mask : frame, false);
        // The loader has pulled the corners into the client rectangle: what
        // is left out of order is what the frame really gets.
        CheckCornerOrder(s, info.LeftTopPoint, info.RightTopPoint, info.LeftBottomPoint, info.RightBottomPoint, info.ClientRect,
            "clientrect");
        if (frame && info.FormMinWidth > 0 && !Bad(s, "formminwidth")) {
            const int64_t top = int64_t(info.LeftTopPoint.X) + frame->Width - info.RightTopPoint.X;
            const int64_t bottom = int64_t(info.LeftBottomPoint.X) + frame->Width - info.RightBottomPoint.X;
            const int64_t corners = std::max(top, bottom);
            if (info.FormMinWidth < corners)
                Warning(s, "formminwidth", "formminwidth " + std::to_string(info.FormMinWidth) + " is narrower than the frame's fixed corners ("
                    + std::to_string(corners) + " pixels left of the left corner points and right of the right ones); they overlap at the minimum width");
        }
    }

    template <class Record>
    void CheckWindowFrame(const char* s, const char* clientKey)
    {
        Record record;
        record.LoadFromIni(m_read);
        CheckPictureIndex(s, "windowpictureindex");
        CheckPictureIndex(s, "maskpictureindex");
        const PictureFacts* window = ActivePicture(record.WindowPictureIndex);
        const PictureFacts* mask = ActivePicture(record.MaskPictureIndex);
        if (!window)
            return;
        for (const char* key : { "lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint" })
            PointInPicture(s, key, window);
        RectInPicture(s, clientKey, window, false);
        Rect client {};
        if constexpr (std::is_same_v<Record, TlxDataSkinPopupWindow>)
            client = record.ItemsRect;
        else
            client = record.ClientRect;
        CheckCornerOrder(s, record.LeftTopPoint, record.RightTopPoint, record.LeftBottomPoint, record.RightBottomPoint, client, clientKey);
        if (mask && (mask->Width != window->Width || mask->Height != window->Height))
            Error(s, "maskpictureindex", "the mask, " + mask->What + ", differs in size from the window picture, " + window->What);
    }

    template <size_t N>
    void CollectList(const char* list, const RecordType (&types)[N], bool objects)
    {
        CheckKeys(list, ListKeys(), true);
        ListIndexWarnings(list, "count");
        std::vector<std::string> words;
        for (const RecordType& t : types)
            words.push_back(t.Word);
        for (int32_t i : ReadListIndexes(m_ini, list, "count")) {
            const std::string key = std::to_string(i);
            const std::string entry = m_ini.ReadString(list, key, "");
            std::string name, word;
            SplitTypeEntry(entry, name, word);
            if (word.empty()) {
                Warning(list, key, "entry " + Quote(entry) + " names no type after a colon (section:type); it is skipped");
                continue;
            }
            auto type = std::find_if(std::begin(types), std::end(types), [&](const RecordType& t) { return word == t.Word; });
            if (type == std::end(types)) {
                Warning(list, key, Quote(word) + " is not a type of " + Bracket(list) + " (" + Join(words) + ")"
                    + DidYouMean(word, words) + "; the entry is skipped");
                continue;
            }
            m_listed.push_back(name);
            if (!m_ini.SectionExists(name)) {
                Warning(list, key, "the section " + Bracket(name) + " does not exist; the " + word + " record keeps every default");
                continue;
            }
            if (!m_checkedRecords.insert(Lower(name)).second)
                continue;
            ListedRecord record { name, &*type, type->Keys(), objects };
            CheckKeys(name, record.Keys, false);
            m_records.push_back(std::move(record));
        }
    }

    static bool HasKey(const KeyTable& keys, std::string_view key)
    {
        return std::any_of(keys.begin(), keys.end(), [&](const KeyInfo& k) { return key == k.Key; });
    }

    void CheckObject(const std::string& s, const RecordType& type, const KeyTable& keys)
    {
        if (type.Images == ObjectImages::FrameOnly) {
            RectInPicture(s, "skinrect", m_frame.Known ? &m_frame : nullptr, true);
            return;
        }
        CheckPictureIndex(s, "activepictureindex");
        const int32_t index = ReadIntegerValue(m_read, s, "activepictureindex", -1);
        const PictureFacts* active = ActivePicture(index);
        const bool inActive = type.Images == ObjectImages::Active || ReadFlagValue(m_read, s, "skinrectinapicture");
        std::optional<Rect> skin = RectOf(s, "skinrect");
        if (inActive && index == -1 && skin && !skin->IsZero())
            Warning(s, "skinrect", "skinrect is cut from an active picture, but activepictureindex is -1; the object has no image");
        else
            RectInPicture(s, "skinrect", inActive ? active : (m_frame.Known ? &m_frame : nullptr), true);
        for (const KeyInfo& k : keys) {
            if (k.ValueKind != Kind::Rect
                || std::find(std::begin(ObjectActiveImageKeys), std::end(ObjectActiveImageKeys), k.Key) == std::end(ObjectActiveImageKeys))
                continue;
            std::optional<Rect> r = RectOf(s, k.Key);
            if (index == -1 && r && !r->IsZero())
                Warning(s, k.Key, std::string(k.Key) + " is not shown: activepictureindex is -1, so the object has no active picture");
            else
                RectInPicture(s, k.Key, active, true);
        }
        // Animation frames are cells of activeskinrect's size side by side.
        if (HasKey(keys, "countframes") && active) {
            std::optional<Rect> first = RectOf(s, "activeskinrect");
            const int32_t frames = ReadIntegerValue(m_read, s, "countframes", 1);
            if (first && !IsEmptyRect(*first) && frames > 1 && !Errored(s, "activeskinrect") && !Bad(s, "countframes")) {
                const int64_t right = int64_t(first->Left) + int64_t(frames) * WidthOfRect(*first);
                if (right > active->Width)
                    Error(s, "countframes", "countframes " + std::to_string(frames) + " frames of " + std::to_string(WidthOfRect(*first))
                        + " pixels from activeskinrect's left edge run to x " + std::to_string(right) + ", past " + active->What);
            }
        }
    }

    void CheckControl(const std::string& s, const RecordType& type, const KeyTable& keys)
    {
        CheckPictureIndex(s, "pictureindex");
        CheckPictureIndex(s, "maskpictureindex");
        const PictureFacts* picture = ActivePicture(ReadIntegerValue(m_read, s, "pictureindex", -1));
        for (const KeyInfo& k : keys)
            if (k.ValueKind == Kind::Rect && EndsWith(k.Key, "skinrect"))
                RectInPicture(s, k.Key, picture, true);
        std::optional<Rect> skin = RectOf(s, "skinrect");
        if (!type.Framed || !skin || IsEmptyRect(*skin))
            return;
        // The corners and the client rectangle count from skinrect's top-left.
        const PictureFacts piece { true, skin->Width(), skin->Height(), "skinrect " + RectText(*skin) + " (" +
            SizeText(skin->Width(), skin->Height()) + ", counted from its top-left)" };
        Point corners[4];
        const char* cornerKeys[4] = { "lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint" };
        for (int i = 0; i < 4; ++i) {
            PointInPicture(s, cornerKeys[i], &piece);
            corners[i] = PointOf(s, cornerKeys[i]).value_or(Point {});
        }
        RectInPicture(s, "clientrect", &piece, false);
        if (std::optional<Rect> client = RectOf(s, "clientrect"))
            CheckCornerOrder(s, corners[0], corners[1], corners[2], corners[3], *client, "clientrect");
    }

    void CheckUnlistedSections()
    {
        for (const std::string& section : m_ini.ReadSections()) {
            auto same = [&](std::string_view name) { return SameText(name, section); };
            if (std::any_of(std::begin(FixedSections), std::end(FixedSections), same)
                || std::any_of(m_listed.begin(), m_listed.end(), same))
                continue;
            Warning(section, "", "the section " + Bracket(section) + " is listed in neither [SKINOBJECTS] nor [SKINCONTROLS]; nothing reads it");
        }
    }

    // The caption objects' text areas, laid out as the skin form lays out its
    // frame at the picture's own size, against the other visible objects.
    void CheckCaptionOverlap()
    {
        if (!m_frame.Known || m_frame.Width <= 0 || m_frame.Height <= 0)
            return;
        TlxSkinContent skin;
        skin.ReadDefinition(m_read);
        skin.Picture = BitmapFromPixels(PixelBuffer(m_frame.Width, m_frame.Height));
        skin.Empty = false;
        ClassicColors colors;
        TStaticForm form(colors);
        FrameOptions options;
        options.Style = FrameBorderStyle::Single;
        TSkinFrame frame(form, &skin, options);
        frame.SetSize(m_frame.Width, m_frame.Height);
        for (const auto& object : frame.Objects()) {
            const auto* caption = dynamic_cast<const TlxSkinCaptionObject*>(object.get());
            if (!caption || !caption->Visible)
                continue;
            const TlxDataSkinCaption& r = caption->Record;
            if (IsEmptyRect(r.TextRect))
                continue;
            Rect t = r.TextRect;
            t.Right = ShiftCoord(t.Right, WidthOfRect(caption->ObjectRect) - WidthOfRect(caption->SkinRect));
            if (!IsEmptyRect(r.FrameRect)) {
                t.Left = ShiftCoord(t.Left, r.FrameTextRect.Left);
                t.Top = ShiftCoord(t.Top, r.FrameTextRect.Top);
                t.Right = ShiftCoord(t.Right, int64_t(r.FrameTextRect.Right) - WidthOfRect(r.FrameRect));
            }
            const Point at { caption->ObjectRect.Left, caption->ObjectRect.Top };
            const Rect text { ShiftCoord(t.Left, at.X), ShiftCoord(t.Top, at.Y), ShiftCoord(t.Right, at.X), ShiftCoord(t.Bottom, at.Y) };
            for (const auto& other : frame.Objects()) {
                const Rect o = other->ObjectRect;
                if (other.get() == object.get() || !other->Visible || IsEmptyRect(o) || IsEmptyRect(text))
                    continue;
                if (o.Left < text.Right && text.Left < o.Right && o.Top < text.Bottom && text.Top < o.Bottom)
                    Warning(caption->IDName, Present(caption->IDName, "textrect") ? "textrect" : "",
                        other->IDName + " at " + RectText(o) + " covers part of the caption text area " + RectText(text)
                        + " at the frame picture's own size (" + SizeText(m_frame.Width, m_frame.Height) + ")");
            }
        }
    }

    struct BadValue {
        std::string Section;
        std::string Key;
        Kind ValueKind;
    };
    struct ListedRecord {
        std::string Section;
        const RecordType* Type;
        KeyTable Keys;
        bool Object;
    };

    const TMemIniFile& m_ini;
    TMemIniFile m_read;
    const PictureSource& m_pictures;
    const FontInstalledTest& m_fonts;
    std::vector<CheckFinding> m_findings;
    std::set<std::string> m_errored;  // "section\nkey", lower case
    std::set<std::string> m_bad;      // the same, for values nothing is concluded from
    std::vector<BadValue> m_unreadable;
    std::vector<ListedRecord> m_records;
    std::set<std::string> m_checkedRecords;
    std::vector<std::string> m_listed;
    PictureFacts m_frame, m_inactive, m_mask;
    std::vector<PictureFacts> m_active;
};

} // namespace

std::vector<CheckFinding> CheckSkinDefinition(const TMemIniFile& ini, const PictureSource& pictures,
    const FontInstalledTest& fontInstalled)
{
    return Checker(ini, pictures, fontInstalled).Run();
}

std::vector<std::string> KnownRecordKeys(bool objects, std::string_view typeWord)
{
    std::vector<std::string> keys;
    for (const RecordType& t : objects ? std::span<const RecordType>(ObjectTypes) : std::span<const RecordType>(ControlTypes))
        if (typeWord == t.Word)
            for (const KeyInfo& k : t.Keys())
                keys.push_back(k.Key);
    return keys;
}

bool HasErrors(const std::vector<CheckFinding>& findings)
{
    return std::any_of(findings.begin(), findings.end(), [](const CheckFinding& f) { return f.Level == FindingLevel::Error; });
}

std::string FormatFinding(std::string_view file, const CheckFinding& f)
{
    std::string out(file);
    if (f.Line != 0)
        out += ":" + std::to_string(f.Line);
    out += f.Level == FindingLevel::Error ? ": error: " : ": warning: ";
    return out + f.Message;
}

DefinitionPictureFiles::DefinitionPictureFiles(std::string folder, Reader read)
    : m_folder(std::move(folder))
    , m_read(std::move(read))
{
}

const DefinitionPictureFiles::Loaded& DefinitionPictureFiles::Get(const std::string& path)
{
    auto found = m_files.find(path);
    if (found != m_files.end())
        return found->second;
    Loaded loaded;
    try {
        loaded.Picture = m_read(path);
        if (loaded.Picture.IsEmpty())
            loaded.Failure = "the picture is empty";
    } catch (const std::exception& e) {
        loaded.Failure = e.what();
        if (loaded.Failure.empty())
            loaded.Failure = "it cannot be read";
    }
    return m_files.emplace(path, std::move(loaded)).first->second;
}

PictureLookup DefinitionPictureFiles::Lookup(PictureSlot, int32_t, const std::string& name)
{
    const Loaded& loaded = Get(m_folder + name);
    if (!loaded.Failure.empty())
        return PictureLookup { 0, 0, loaded.Failure };
    return PictureLookup { loaded.Picture.Width(), loaded.Picture.Height(), {} };
}

PictureSource DefinitionPictureFiles::Source()
{
    return [this](PictureSlot slot, int32_t index, const std::string& name) { return Lookup(slot, index, name); };
}

Bitmap DefinitionPictureFiles::Load(const std::string& path)
{
    const Loaded& loaded = Get(path);
    if (!loaded.Failure.empty())
        throw std::runtime_error(loaded.Failure);
    return loaded.Picture;
}

PictureSource StreamPictures(const SkinStreamContent& content)
{
    return [&content](PictureSlot slot, int32_t index, const std::string&) {
        const Bitmap* bitmap = nullptr;
        switch (slot) {
        case PictureSlot::Frame: bitmap = &content.Picture; break;
        case PictureSlot::Inactive: bitmap = &content.InActivePicture; break;
        case PictureSlot::Mask: bitmap = &content.MaskPicture; break;
        case PictureSlot::Active:
            if (index >= 0 && size_t(index) < content.ActivePictures.size())
                bitmap = &content.ActivePictures[size_t(index)];
            break;
        }
        if (!bitmap || bitmap->IsEmpty())
            return PictureLookup { 0, 0, "the skin holds no such picture" };
        return PictureLookup { bitmap->Width(), bitmap->Height(), {} };
    };
}

} // namespace ventro
