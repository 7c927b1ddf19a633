// Value readers of skin definitions and the in-memory INI conventions.
#include <gtest/gtest.h>

#include "skin/data/IniFile.h"
#include "skin/data/SkinValues.h"

namespace ventro {
namespace {

TEST(SkinValues, IntegersFollowThePlatformConversion)
{
    EXPECT_EQ(TryStrToInt("42"), 42);
    EXPECT_EQ(TryStrToInt("-7"), -7);
    EXPECT_EQ(TryStrToInt("$FF"), 255);
    EXPECT_EQ(TryStrToInt("0x10"), 16);
    EXPECT_EQ(TryStrToInt("0XfF"), 255);
    EXPECT_EQ(TryStrToInt("$FFFFFFFF"), -1);  // hex covers all 32 bits
    EXPECT_EQ(TryStrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(TryStrToInt("2147483648"), std::nullopt);  // overflow
    EXPECT_EQ(TryStrToInt("99999999999999999999"), std::nullopt);
    EXPECT_EQ(TryStrToInt("$100000000"), std::nullopt);
    EXPECT_EQ(TryStrToInt(""), std::nullopt);
    EXPECT_EQ(TryStrToInt("12a"), std::nullopt);
    EXPECT_EQ(TryStrToInt("0x"), std::nullopt);
    EXPECT_EQ(StrToIntDef("junk", 14), 14);
}

TEST(SkinValues, RectanglesKeepOnlyDigitsSoMinusSignsAreLost)
{
    EXPECT_EQ(ParseRectValue("5,3,158,27"), MakeRect(5, 3, 158, 27));
    EXPECT_EQ(ParseRectValue("-5,3,158,27"), MakeRect(5, 3, 158, 27));
    EXPECT_EQ(ParseRectValue(" 5 , 3 ,158, 27 "), MakeRect(5, 3, 158, 27));
    EXPECT_EQ(ParseRectValue("1,2,3,4,5"), MakeRect(1, 2, 3, 4));  // extra fields are ignored
    EXPECT_EQ(ParsePointValue("368,30"), (Point { 368, 30 }));
}

TEST(SkinValues, ShortEmptyOrOverflowingRectanglesAreConversionErrors)
{
    EXPECT_THROW(ParseRectValue(""), EConvertError);
    EXPECT_THROW(ParseRectValue("1,2,3"), EConvertError);
    EXPECT_THROW(ParseRectValue("1,2,,4"), EConvertError);
    EXPECT_THROW(ParseRectValue("1,2,3,99999999999"), EConvertError);
    EXPECT_THROW(ParsePointValue("5"), EConvertError);
    EXPECT_THROW(ParsePointValue("a,b"), EConvertError);
    // The largest field there is, one past it, and junk in a field not read.
    EXPECT_EQ(ParseRectValue("0,0,0,2147483647").Bottom, 2147483647);
    EXPECT_THROW(ParseRectValue("0,0,0,2147483648"), EConvertError);
    EXPECT_EQ(ParseRectValue("1,2,3,4,99999999999,,x"), MakeRect(1, 2, 3, 4));
    // The errors name what is wrong: the value, or the field that is no number.
    auto message = [](std::string_view value) {
        try {
            ParseRectValue(value);
        } catch (const EConvertError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(message("1,2,3"), "'1,2,3' is not a valid value");
    EXPECT_EQ(message("1,2,,4"), "'' is not a valid integer value");
    EXPECT_EQ(message("1,2,3,99999999999"), "'99999999999' is not a valid integer value");
}

TEST(SkinValues, WordsAreLowerCaseAndUnlistedWordsFallBackPerKind)
{
    TFontStyles styles = ParseFontStyles("fsbold,fsitalic");
    EXPECT_TRUE(styles.Has(TFontStyles::fsBold));
    EXPECT_TRUE(styles.Has(TFontStyles::fsItalic));
    EXPECT_FALSE(styles.Has(TFontStyles::fsUnderline));
    EXPECT_EQ(ParseFontStyles("fsBold").Bits, 0);
    EXPECT_EQ(ParseFontStyles("xfsstrikeoutx").Bits, TFontStyles::fsStrikeOut);

    EXPECT_EQ(ParseAlignment("taright"), TAlignment::taRightJustify);
    EXPECT_EQ(ParseAlignment("taleftjustify"), TAlignment::taLeftJustify);
    EXPECT_EQ(ParseAlignment("TACENTER"), TAlignment::taRightJustify);
    EXPECT_EQ(ParseStretchType("sthorz"), TlxStretchType::stHorz);
    EXPECT_EQ(ParseStretchType("whatever"), TlxStretchType::stHorz);
    EXPECT_EQ(ParseStretchType("stvert"), TlxStretchType::stVert);
    EXPECT_EQ(ParseMorphKind("mkpush"), TlxMorphKind::mkPush);
    EXPECT_EQ(ParseMorphKind("mkPush"), TlxMorphKind::mkDefault);
    EXPECT_EQ(ParseInActiveEffect("ieinvert"), TlxInActiveEffect::ieInvert);
    EXPECT_EQ(ParseInActiveEffect("blur"), TlxInActiveEffect::ieGrayScale);
    EXPECT_EQ(ParseStdCommand("cmminimizetotray"), TlxStdCommand::cmMinimizeToTray);
    EXPECT_EQ(ParseStdCommand("cmhelp"), TlxStdCommand::cmMinimizeToTray);
    EXPECT_EQ(ParseStdCommand("cmrollup"), TlxStdCommand::cmRollUp);
}

TEST(SkinValues, WordsWrittenBackReadTheSame)
{
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(ParseStdCommand(FormatStdCommand(TlxStdCommand(i))), TlxStdCommand(i));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ParseInActiveEffect(FormatInActiveEffect(TlxInActiveEffect(i))), TlxInActiveEffect(i));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ParseAlignment(FormatAlignment(TAlignment(i))), TAlignment(i));
    TFontStyles all { 15 };
    EXPECT_EQ(ParseFontStyles(FormatFontStyles(all)), all);
}

TEST(IniFile, SectionsAndKeysIgnoreCaseAndTheFirstDuplicateWins)
{
    TMemIniFile ini(SplitLines("; comment\r\n\r\nstray=1\r\n[Main]\r\n Key = value with = sign \r\nkey=second\r\nflag\r\n[OTHER]\nx=1\r[main]\nlate=2"));
    EXPECT_EQ(ini.ReadString("MAIN", "KEY", "d"), "value with = sign");
    EXPECT_TRUE(ini.ValueExists("main", "flag"));
    EXPECT_EQ(ini.ReadString("main", "flag", "d"), "");
    EXPECT_EQ(ini.ReadString("main", "late", "d"), "2");  // a repeated section continues the first
    EXPECT_EQ(ini.ReadString("other", "x", "d"), "1");
    EXPECT_EQ(ini.ReadString("main", "stray", "d"), "d");
    EXPECT_EQ(ini.ReadString("none", "x", "d"), "d");
    EXPECT_EQ(ini.ReadSections().size(), 2u);
}

TEST(IniFile, ReadingTextDirectlyEqualsReadingItsLines)
{
    const char* text = "[A]\r\nk=1\rj = 2\n[b]\r\n;c\nx\n[a]\nk=late\nz=3";
    TMemIniFile fromLines(SplitLines(text));
    TMemIniFile fromText;
    fromText.SetText(text);
    EXPECT_EQ(fromText.GetStrings(), fromLines.GetStrings());
    EXPECT_EQ(fromText.ReadString("a", "K", ""), "1");
    for (int i = 0; i < 200; ++i)  // many sections and keys: lookups stay valid as storage grows
        fromText.WriteString("s" + std::to_string(i), "key" + std::to_string(i), "v");
    EXPECT_EQ(fromText.ReadString("S7", "KEY7", ""), "v");
    EXPECT_EQ(fromText.ReadString("a", "z", ""), "3");
}

TEST(IniFile, OnlyAsciiLettersIgnoreCase)
{
    EXPECT_TRUE(SameText("SkinControlsList", "skincontrolslist"));
    EXPECT_FALSE(SameText("skincontrolslisT", "skincontrolslist2"));
    EXPECT_FALSE(SameText("skincontrolsliss", "skincontrolslist"));  // differs in the last of 16 bytes
    EXPECT_FALSE(SameText("@[", "`{"));                              // neighbours of the letters
    EXPECT_FALSE(SameText("\xC0\xB0\xA1", "\xE0\xB0\xA1"));           // high bytes stay as they are
    EXPECT_TRUE(SameText("\xB0\xA1" "Ab", "\xB0\xA1" "aB"));
    EXPECT_EQ(NameHash("CloseButton.Normal"), NameHash("closebutton.normal"));
    TMemIniFile ini(SplitLines("[\xB0\xA1Sec]\nLongKeyName_01=a\nlongkeyname_01=b\n\xC0=c"));
    EXPECT_EQ(ini.ReadString("\xB0\xA1sEC", "LONGKEYNAME_01", ""), "a");
    EXPECT_EQ(ini.ReadString("\xB0\xA1sec", "\xE0", "none"), "none");
}

TEST(IniFile, ManyKeysKeepTheFirstOfDuplicatesAndSurviveAMove)
{
    std::string text = "[s]\n";
    for (int i = 0; i < 3000; ++i)
        text += "k" + std::to_string(i % 1000) + "=" + std::to_string(i) + "\n";
    TMemIniFile ini;
    ini.SetText(text);
    EXPECT_EQ(ini.ReadString("S", "K999", ""), "999");
    EXPECT_EQ(ini.ReadSection("s").size(), 3000u);
    ini.WriteString("s", "k5", "five");
    ini.EraseSection("other");
    TMemIniFile moved = std::move(ini);
    EXPECT_EQ(moved.ReadString("s", "k5", ""), "five");
    EXPECT_EQ(moved.ReadString("s", "k6", ""), "6");
    moved.WriteString("t", "a", "1");
    moved.EraseSection("s");
    EXPECT_EQ(moved.GetStrings(), (std::vector<std::string> { "[t]", "a=1" }));
}

TEST(IniFile, LinesEndAtCrLfCrOrLf)
{
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string> { "a", "b", "c", "d" }));
    EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string> { "a" }));
    EXPECT_EQ(SplitLines("\n\n"), (std::vector<std::string> { "", "" }));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(IniFile, EraseAndWriteRebuildASection)
{
    TMemIniFile ini(SplitLines("[a]\nx=1\n[b]\ny=2"));
    ini.EraseSection("A");
    ini.WriteString("b", "Y", "3");
    ini.WriteString("c", "z", "4");
    EXPECT_EQ(ini.GetStrings(), (std::vector<std::string> { "[b]", "y=3", "", "[c]", "z=4" }));
}

TEST(IniFile, KeysAndSectionsRememberTheirLines)
{
    // Blank, comment and stray lines count; a repeated section keeps its first
    // header's line; the first of duplicate keys is the one lookups find.
    const char* text = "stray=1\r\n\r\n[Main]\r\n; note\r\nkey = a\rKEY=b\n\n[other]\nflag\n[main]\nlate=2";
    TMemIniFile fromText;
    fromText.SetText(text);
    TMemIniFile fromLines(SplitLines(text));
    for (const TMemIniFile* ini : { &fromText, &fromLines }) {
        EXPECT_EQ(ini->SectionLine("MAIN"), 3u);
        EXPECT_EQ(ini->SectionLine("other"), 8u);
        EXPECT_EQ(ini->KeyLine("main", "Key"), 5u);
        EXPECT_EQ(ini->KeyLine("other", "flag"), 9u);
        EXPECT_EQ(ini->KeyLine("main", "late"), 11u);
        EXPECT_EQ(ini->KeyLine("main", "stray"), 0u);
        EXPECT_EQ(ini->KeyLine("none", "key"), 0u);
        EXPECT_EQ(ini->SectionLine("none"), 0u);
        auto entries = ini->SectionEntries("main");
        ASSERT_EQ(entries.size(), 3u);
        EXPECT_EQ(entries[1].Key, "KEY");
        EXPECT_EQ(entries[1].Value, "b");
        EXPECT_EQ(entries[1].Line, 6u);
    }
    // Written keys stand on no line; erasing a section keeps the others' lines.
    fromText.WriteString("main", "new", "x");
    fromText.WriteString("added", "k", "y");
    EXPECT_EQ(fromText.KeyLine("main", "new"), 0u);
    EXPECT_EQ(fromText.SectionLine("added"), 0u);
    fromText.EraseSection("other");
    EXPECT_EQ(fromText.KeyLine("main", "late"), 11u);
    EXPECT_EQ(fromText.SectionLine("main"), 3u);
}

TEST(SkinValues, MissingKeysGiveDefaultsAndPresentEmptyRectanglesFail)
{
    TMemIniFile ini(SplitLines("[s]\nn=abc\nr=\nf=2\ng=1"));
    EXPECT_EQ(ReadIntegerValue(ini, "s", "n", 14), 14);
    EXPECT_EQ(ReadIntegerValue(ini, "s", "missing", -1), -1);
    EXPECT_FALSE(ReadFlagValue(ini, "s", "f"));  // only 1 is true
    EXPECT_TRUE(ReadFlagValue(ini, "s", "g"));
    EXPECT_EQ(ReadRectValue(ini, "s", "missing"), Rect {});
    EXPECT_THROW(ReadRectValue(ini, "s", "r"), EConvertError);
}

TEST(SkinValues, NumberedListsStopAtTheHighestIndexPresent)
{
    TMemIniFile ini(SplitLines("[PICTURES]\nactivepicturescount=2000000000\n0=a.bmp\n2=c.bmp"));
    EXPECT_EQ(ReadNumberedList(ini, "PICTURES", "activepictures"), (std::vector<std::string> { "a.bmp", "", "c.bmp" }));
    TMemIniFile small(SplitLines("[PICTURES]\nactivepicturescount=1\n0=a.bmp\n1=b.bmp"));
    EXPECT_EQ(ReadNumberedList(small, "PICTURES", "activepictures"), (std::vector<std::string> { "a.bmp" }));
    TMemIniFile negative(SplitLines("[PICTURES]\nactivepicturescount=-3\n0=a.bmp"));
    EXPECT_TRUE(ReadNumberedList(negative, "PICTURES", "activepictures").empty());
}

} // namespace
} // namespace ventro
