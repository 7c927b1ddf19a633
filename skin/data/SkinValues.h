// The value kinds of skin definitions (integers, colours, flags, rectangles,
// points, texts, font styles and the word kinds), their readers and writers,
// and the declarative field tables that skin records read and write through.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/Color.h"
#include "base/Exception.h"
#include "base/Geometry.h"
#include "skin/data/IniFile.h"

namespace ventro {

// A set of font styles: bold 1, italic 2, underline 4, strikeout 8.
struct TFontStyles {
    uint8_t Bits = 0;
    static constexpr uint8_t fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;
    bool Has(uint8_t style) const { return (Bits & style) != 0; }
    friend bool operator==(TFontStyles, TFontStyles) = default;
};
enum class TAlignment : uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum class TlxStretchType : uint8_t { stFull = 0, stHorz = 1, stVert = 2 };
enum class TlxMorphKind : uint8_t { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };
enum class TlxInActiveEffect : uint8_t { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };
enum class TlxStdCommand : uint8_t { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };

// Integers as the platform converts them: optional sign, decimal or hex after
// "$", "0x" or "0X"; anything else, or a value outside 32 bits, is no integer.
std::optional<int32_t> TryStrToInt(std::string_view text);
int32_t StrToIntDef(std::string_view text, int32_t def);

// Keeps the digits of each comma-separated field and drops every other
// character, so minus signs are lost. Fewer fields than needed, an empty field
// or a field beyond 32 bits is an EConvertError; extra fields are ignored.
Rect ParseRectValue(std::string_view text);
Point ParsePointValue(std::string_view text);

TFontStyles ParseFontStyles(std::string_view text);
TAlignment ParseAlignment(std::string_view text);
TlxStretchType ParseStretchType(std::string_view text);
TlxMorphKind ParseMorphKind(std::string_view text);
TlxInActiveEffect ParseInActiveEffect(std::string_view text);
TlxStdCommand ParseStdCommand(std::string_view text);

std::string FormatRect(const Rect& r);
std::string FormatPoint(const Point& p);
std::string FormatFontStyles(TFontStyles styles);
std::string FormatAlignment(TAlignment a);
std::string FormatStretchType(TlxStretchType s);
std::string FormatMorphKind(TlxMorphKind m);
std::string FormatInActiveEffect(TlxInActiveEffect e);
std::string FormatStdCommand(TlxStdCommand c);

// Readers for one key of a section; a missing key gives def.
int32_t ReadIntegerValue(const TMemIniFile& ini, std::string_view section, std::string_view key, int32_t def);
bool ReadFlagValue(const TMemIniFile& ini, std::string_view section, std::string_view key);
Rect ReadRectValue(const TMemIniFile& ini, std::string_view section, std::string_view key);
Point ReadPointValue(const TMemIniFile& ini, std::string_view section, std::string_view key);

// A numbered list: "<name>count" then the keys "0", "1", ... A missing key is
// an empty entry; a huge count is cut at the highest index key the section
// really has, and at MaxNumberedListEntries.
constexpr int32_t MaxNumberedListEntries = 4096;
std::vector<std::string> ReadNumberedList(const TMemIniFile& ini, std::string_view section, std::string_view name);
// The index keys of a list that are present and below its count, ascending.
// Missing entries of a record list would be skipped anyway, so readers visit
// only these: the work stays bounded by the keys really there.
std::vector<int32_t> ReadListIndexes(const TMemIniFile& ini, std::string_view section, std::string_view countKey);

// One row of a record's key table: the key, the member it fills, and the
// default for a missing key written in the value syntax (nullptr: the kind's
// default, which is 0, empty, "stfull", "tacenter", "mkdefault",
// "iebrightness" or "cmdefault").
template <class R>
using FieldMember = std::variant<int32_t R::*, Color R::*, bool R::*, Rect R::*, Point R::*, std::string R::*,
    TFontStyles R::*, TAlignment R::*, TlxStretchType R::*, TlxMorphKind R::*, TlxInActiveEffect R::*, TlxStdCommand R::*>;

template <class R>
struct FieldSpec {
    const char* Key;
    FieldMember<R> Member;
    const char* Default = nullptr;
};

void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, int32_t& out);
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, Color& out);
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, bool& out);
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, Rect& out);
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, Point& out);
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, std::string& out);
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, TFontStyles& out);
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, TAlignment& out);
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, TlxStretchType& out);
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, TlxMorphKind& out);
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, TlxInActiveEffect& out);
void ReadFieldValue(const TMemIniFile& ini, std::string_view section, const char* key, const char* def, TlxStdCommand& out);

std::string FormatFieldValue(int32_t v);
std::string FormatFieldValue(Color v);
std::string FormatFieldValue(bool v);
std::string FormatFieldValue(const Rect& v);
std::string FormatFieldValue(const Point& v);
std::string FormatFieldValue(const std::string& v);
std::string FormatFieldValue(TFontStyles v);
std::string FormatFieldValue(TAlignment v);
std::string FormatFieldValue(TlxStretchType v);
std::string FormatFieldValue(TlxMorphKind v);
std::string FormatFieldValue(TlxInActiveEffect v);
std::string FormatFieldValue(TlxStdCommand v);

template <class R>
void ReadFields(const TMemIniFile& ini, std::string_view section, R& record, std::span<const FieldSpec<R>> fields)
{
    for (const FieldSpec<R>& f : fields)
        std::visit([&](auto member) { ReadFieldValue(ini, section, f.Key, f.Default, record.*member); }, f.Member);
}

template <class R>
void WriteFields(TMemIniFile& ini, std::string_view section, const R& record, std::span<const FieldSpec<R>> fields)
{
    for (const FieldSpec<R>& f : fields)
        std::visit([&](auto member) { ini.WriteString(section, f.Key, FormatFieldValue(record.*member)); }, f.Member);
}

} // namespace ventro
