// Readers and writers of the skin definition value kinds.
#include "skin/data/SkinValues.h"

#include <algorithm>
#include <array>
#include <limits>

namespace ventro {

namespace {

template <class E, size_t N>
E ParseWord(std::string_view text, const std::array<const char*, N>& words, E fallback)
{
    for (size_t i = 0; i < N; ++i)
        if (text == words[i])
            return E(i);
    return fallback;
}

constexpr std::array<const char*, 4> FontStyleWords { "fsbold", "fsitalic", "fsunderline", "fsstrikeout" };
constexpr std::array<const char*, 3> AlignmentWords { "taleftjustify", "tarightjustify", "tacenter" };
constexpr std::array<const char*, 3> StretchWords { "stfull", "sthorz", "stvert" };
constexpr std::array<const char*, 7> MorphWords { "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide", "mkpush" };
constexpr std::array<const char*, 6> EffectWords { "iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert" };
constexpr std::array<const char*, 7> CommandWords { "cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup", "cmminimizetotray" };

// Splits the digit fields of a rectangle or point value into texts and reads
// them, throwing what a malformed value deserves.
template <size_t N>
std::array<int32_t, N> ParseDigitFieldTexts(std::string_view text)
{
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ',')
            fields.emplace_back();
        else if (c >= '0' && c <= '9')
            fields.back().push_back(c);
    }
    if (fields.size() < N)
        throw EConvertError("'" + std::string(text) + "' is not a valid value");
    std::array<int32_t, N> out {};
    for (size_t i = 0; i < N; ++i) {
        auto v = TryStrToInt(fields[i]);
        if (!v)
            throw EConvertError("'" + fields[i] + "' is not a valid integer value");
        out[i] = *v;
    }
    return out;
}

// Reads the digit fields of a rectangle or point value: each field is the
// digits between commas (other characters do not count). The usual value,
// every field in range, is read without making a text; any other goes the
// way that names its fault.
template <size_t N>
std::array<int32_t, N> ParseDigitFields(std::string_view text)
{
    std::array<int32_t, N> out {};
    size_t field = 0;
    uint64_t value = 0;
    bool digits = false;
    bool sound = true;
    auto endField = [&] {
        if (field < N) {
            if (!digits || value > uint64_t(std::numeric_limits<int32_t>::max()))
                sound = false;
            else
                out[field] = int32_t(value);
        }
        ++field;
        value = 0;
        digits = false;
    };
    for (char c : text) {
        if (c == ',') {
            endField();
        } else if (c >= '0' && c <= '9' && field < N) {
            digits = true;
            if (value <= 0xFFFFFFFFull)
                value = value * 10 + uint64_t(c - '0');
        }
    }
    endField();
    if (sound && field >= N)
        return out;
    return ParseDigitFieldTexts<N>(text);
}

} // namespace

std::optional<int32_t> TryStrToInt(std::string_view s)
{
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    bool hex = false;
    if (i < s.size() && s[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= s.size())
        return std::nullopt;
    uint64_t value = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * (hex ? 16 : 10) + uint64_t(digit);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (hex) {
        // Hexadecimal covers the full 32 bits, as colours are written.
        int32_t v = int32_t(uint32_t(value));
        return negative ? int32_t(0u - uint32_t(v)) : v;
    }
    if (negative)
        return value <= uint64_t(std::numeric_limits<int32_t>::max()) + 1 ? std::optional<int32_t>(int32_t(-int64_t(value))) : std::nullopt;
    return value <= uint64_t(std::numeric_limits<int32_t>::max()) ? std::optional<int32_t>(int32_t(value)) : std::nullopt;
}

int32_t StrToIntDef(std::string_view text, int32_t def)
{
    return TryStrToInt(text).value_or(def);
}

Rect ParseRectValue(std::string_view text)
{
    auto f = ParseDigitFields<4>(text);
    return Rect { f[0], f[1], f[2], f[3] };
}

Point ParsePointValue(std::string_view text)
{
    auto f = ParseDigitFields<2>(text);
    return Point { f[0], f[1] };
}

TFontStyles ParseFontStyles(std::string_view text)
{
    TFontStyles styles;
    for (size_t i = 0; i < FontStyleWords.size(); ++i)
        if (text.find(FontStyleWords[i]) != std::string_view::npos)
            styles.Bits |= uint8_t(1u << i);
    return styles;
}

TAlignment ParseAlignment(std::string_view text)
{
    if (text == "tacenter")
        return TAlignment::taCenter;
    if (text == "taleftjustify")
        return TAlignment::taLeftJustify;
    return TAlignment::taRightJustify;
}

TlxStretchType ParseStretchType(std::string_view text)
{
    if (text == "stfull")
        return TlxStretchType::stFull;
    if (text == "stvert")
        return TlxStretchType::stVert;
    return TlxStretchType::stHorz;
}

TlxMorphKind ParseMorphKind(std::string_view text) { return ParseWord(text, MorphWords, TlxMorphKind::mkDefault); }
TlxInActiveEffect ParseInActiveEffect(std::string_view text) { return ParseWord(text, EffectWords, TlxInActiveEffect::ieGrayScale); }
TlxStdCommand ParseStdCommand(std::string_view text) { return ParseWord(text, CommandWords, TlxStdCommand::cmMinimizeToTray); }

std::string FormatRect(const Rect& r)
{
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," + std::to_string(r.Bottom);
}

std::string FormatPoint(const Point& p) { return std::to_string(p.X) + "," + std::to_string(p.Y); }

std::string FormatFontStyles(TFontStyles styles)
{
    std::string out;
    for (size_t i = 0; i < FontStyleWords.size(); ++i) {
        if (styles.Bits & (1u << i)) {
            if (!out.empty())
                out += ",";
            out += FontStyleWords[i];
        }
    }
    return out;
}

std::string FormatAlignment(TAlignment a) { return AlignmentWords.at(size_t(a)); }
std::string FormatStretchType(TlxStretchType s) { return StretchWords.at(size_t(s)); }
std::string FormatMorphKind(TlxMorphKind m) { return MorphWords.at(size_t(m)); }
std::string FormatInActiveEffect(TlxInActiveEffect e) { return EffectWords.at(size_t(e)); }
std::string FormatStdCommand(TlxStdCommand c) { return CommandWords.at(size_t(c)); }

int32_t ReadIntegerValue(const TMemIniFile& ini, std::string_view section, std::string_view key, int32_t def)
{
    std::optional<std::string_view> v = ini.Find(section, key);
    return v ? StrToIntDef(*v, def) : def;
}

bool ReadFlagValue(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    return ReadIntegerValue(ini, section, key, 0) == 1;
}

Rect ReadRectValue(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    std::optional<std::string_view> v = ini.Find(section, key);
    return v ? ParseRectValue(*v) : Rect {};
}

Point ReadPointValue(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    std::optional<std::string_view> v = ini.Find(section, key);
    return v ? ParsePointValue(*v) : Point {};
}

std::vector<int32_t> ReadListIndexes(const TMemIniFile& ini, std::string_view section, std::string_view countKey)
{
    int32_t count = ReadIntegerValue(ini, section, countKey, 0);
    std::vector<int32_t> indexes;
    for (std::string_view key : ini.SectionKeys(section)) {
        if (key.empty() || key.find_first_not_of("0123456789") != std::string::npos)
            continue;
        auto index = TryStrToInt(key);
        if (index && *index < count)
            indexes.push_back(*index);
    }
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    return indexes;
}

std::vector<std::string> ReadNumberedList(const TMemIniFile& ini, std::string_view section, std::string_view name)
{
    std::vector<int32_t> present = ReadListIndexes(ini, section, std::string(name) + "count");
    int32_t count = present.empty() ? 0 : std::min(present.back() + 1, MaxNumberedListEntries);
    std::vector<std::string> items;
    items.reserve(size_t(count));
    for (int32_t i = 0; i < count; ++i)
        items.push_back(ini.ReadString(section, std::to_string(i), ""));
    return items;
}

// Field readers: a missing key reads the default text through the same parser.
namespace {
std::string_view ValueOrDefault(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, const char* kindDefault)
{
    std::optional<std::string_view> v = ini.Find(section, key);
    if (v)
        return *v;
    return def ? def : kindDefault;
}
}

namespace {
// The value of key as an integer; the default (read only when needed) when
// the key is missing or its value is not an integer.
int32_t IntegerOrDefault(const TMemIniFile& ini, std::string_view section, const char* key, const char* def)
{
    if (std::optional<std::string_view> v = ini.Find(section, key))
        if (std::optional<int32_t> n = TryStrToInt(*v))
            return *n;
    return StrToIntDef(def ? def : "0", 0);
}
}

void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, int32_t& out)
{
    out = IntegerOrDefault(ini, section, key, def);
}
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, Color& out)
{
    out = Color(uint32_t(IntegerOrDefault(ini, section, key, def)));
}
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char*, bool& out)
{
    out = ReadFlagValue(ini, section, key);
}
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, Rect& out)
{
    out = ParseRectValue(ValueOrDefault(ini, section, key, def, "0,0,0,0"));
}
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, Point& out)
{
    out = ParsePointValue(ValueOrDefault(ini, section, key, def, "0,0"));
}
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, std::string& out)
{
    out = std::string(ValueOrDefault(ini, section, key, def, ""));
}
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, TFontStyles& out)
{
    out = ParseFontStyles(ValueOrDefault(ini, section, key, def, ""));
}
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, TAlignment& out)
{
    out = ParseAlignment(ValueOrDefault(ini, section, key, def, "tacenter"));
}
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, TlxStretchType& out)
{
    out = ParseStretchType(ValueOrDefault(ini, section, key, def, "stfull"));
}
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, TlxMorphKind& out)
{
    out = ParseMorphKind(ValueOrDefault(ini, section, key, def, "mkdefault"));
}
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, TlxInActiveEffect& out)
{
    out = ParseInActiveEffect(ValueOrDefault(ini, section, key, def, "iebrightness"));
}
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, TlxStdCommand& out)
{
    out = ParseStdCommand(ValueOrDefault(ini, section, key, def, "cmdefault"));
}

std::string FormatFieldValue(int32_t v) { return std::to_string(v); }
// Colours are written as signed integers, so system colours read back.
std::string FormatFieldValue(Color v) { return std::to_string(int32_t(v)); }
std::string FormatFieldValue(bool v) { return v ? "1" : "0"; }
std::string FormatFieldValue(const Rect& v) { return FormatRect(v); }
std::string FormatFieldValue(const Point& v) { return FormatPoint(v); }
std::string FormatFieldValue(const std::string& v) { return v; }
std::string FormatFieldValue(TFontStyles v) { return FormatFontStyles(v); }
std::string FormatFieldValue(TAlignment v) { return FormatAlignment(v); }
std::string FormatFieldValue(TlxStretchType v) { return FormatStretchType(v); }
std::string FormatFieldValue(TlxMorphKind v) { return FormatMorphKind(v); }
std::string FormatFieldValue(TlxInActiveEffect v) { return FormatInActiveEffect(v); }
std::string FormatFieldValue(TlxStdCommand v) { return FormatStdCommand(v); }

} // namespace ventro
