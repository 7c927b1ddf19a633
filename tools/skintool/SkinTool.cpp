// skintool: checks a skin definition, compiles a definition folder into a
// compressed skin, unpacks a compressed skin into its definition and bitmaps,
// and prints what a skin holds as JSON.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "skin/data/SkinContent.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/Stream.h"
#include "tools/skintool/BitmapImport.h"
#include "tools/skintool/FrameCommands.h"
#include "tools/skintool/SkinCheck.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using namespace ventro;
using nlohmann::json;

#ifdef _WIN32
// Paths and definition texts are in the ANSI code page, where the second byte
// of a double-byte character can be a backslash.
bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }
constexpr LeadBytePredicate PathLeadBytes = IsAnsiLeadByte;
#else
constexpr LeadBytePredicate PathLeadBytes = nullptr;  // UTF-8 paths
#endif

#ifdef _WIN32
// A face the platform maps to another installed one (a font substitute, as
// "MS Shell Dlg" is) counts as installed.
bool FontFaceSubstituted(const std::string& face)
{
    return RegGetValueA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes", face.c_str(),
               RRF_RT_REG_SZ, nullptr, nullptr, nullptr)
        == ERROR_SUCCESS;
}

// Face names are ANSI text, as the definition is.
bool FontFaceInstalled(const std::string& face)
{
    if (face.size() >= LF_FACESIZE)
        return false;
    LOGFONTA wanted {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, face.size());
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExA(
        dc, &wanted,
        [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM param) -> int {
            *reinterpret_cast<bool*>(param) = true;
            return 0;
        },
        LPARAM(&found), 0);
    ReleaseDC(nullptr, dc);
    return found || FontFaceSubstituted(face);
}
const FontInstalledTest FontTest = FontFaceInstalled;
#else
// Fonts are the platform's: natively there is nothing to ask.
const FontInstalledTest FontTest;
#endif

// Inputs larger than this are refused before they are read.

class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

int Usage()
{
    std::fputs("usage: skintool [--raw] check DEFINITION.ini|SKIN.skn [--json]\n"
               "       skintool [--raw] compile DEFINITION.ini OUT.skn [--strict]\n"
               "       skintool [--raw] unpack IN.skn OUTDIR\n"
               "       skintool [--raw] info IN.skn\n"
               "       skintool frame SKIN W H [--resizable] [--fallback]\n"
               "       skintool hittest SKIN W H X Y [--resizable] [--maximized] [--rolledup]\n"
               "       skintool render SKIN W H OUT.png [--inactive] [--fallback] [--hot SECTION] [--down SECTION] [--morph KF]\n"
               "SKIN: a skin file, or - for our stored skin\n"
               "--raw: the skin file is a bare zlib stream instead of a packed skin\n",
        stderr);
    return 1;
}

SkinStreamContent ReadSkinFile(const std::string& path, bool raw)
{
    std::vector<uint8_t> bytes = ReadWholeFile(path, MaxSkinFileBytes);
    std::vector<uint8_t> compressed;
    if (raw) {
        compressed = std::move(bytes);
    } else {
        compressed = ReadPackedSkin(bytes);
        if (compressed.empty())
            throw ToolError("not a packed skin, or an unsupported version");
    }
    SkinStreamContent content = InflateSkinStream(compressed);
    if (content.Version > SkinStreamVersion)
        throw ToolError("unsupported skin stream version " + std::to_string(content.Version));
    return content;
}

// The definition's lines as the engine splits them.
std::vector<std::string> ReadDefinitionLines(const std::string& path)
{
    std::vector<uint8_t> bytes = ReadWholeFile(path, MaxDefinitionFileBytes);
    return SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// The pictures beside a definition, read as compile takes them; each
// conversion is noted.
DefinitionPictureFiles PicturesBeside(const std::string& definition, std::vector<std::string>& notes)
{
    return DefinitionPictureFiles(SplitPath(definition, PathLeadBytes).Folder, [&notes](const std::string& path) {
        try {
            ImportedPicture imported = ImportPicture(ReadWholeFile(path, MaxSkinFileBytes));
            if (imported.Converted())
                notes.push_back("converted " + path + " (" + imported.ConvertedFrom + ") to "
                    + (imported.Picture.BitsPerPixel == 1 ? "1 bit" : std::to_string(imported.Picture.BitsPerPixel) + " bits"));
            return std::move(imported.Picture);
        } catch (const EInvalidGraphic& e) {
            throw ToolError(path + ": " + e.what());
        }
    });
}

bool IsSkinDefinition(const TMemIniFile& ini)
{
    for (const char* section : { "VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS" })
        if (!ini.SectionExists(section))
            return false;
    return true;
}

// A refusal stays one line: the checks are printed only once the skin can be
// written, or when --strict refuses it for them.
int Compile(const std::string& definition, const std::string& out, bool raw, bool strict)
{
    std::vector<std::string> lines = ReadDefinitionLines(definition);
    TMemIniFile ini(lines);
    if (!IsSkinDefinition(ini))
        throw ToolError("not a skin definition (it needs the sections VERSION, PICTURES, FORMINFO, SKINOBJECTS and SKINCONTROLS): " + definition);
    std::vector<std::string> notes;
    DefinitionPictureFiles pictures = PicturesBeside(definition, notes);
    const std::vector<CheckFinding> findings = CheckSkinDefinition(ini, pictures.Source(), FontTest);
    std::vector<uint8_t> compressed;
    CompileSkinLines(lines, SplitPath(definition, PathLeadBytes).Folder, compressed,
        [&](const std::string& path) { return pictures.Load(path); });
    for (const CheckFinding& f : findings)
        std::fprintf(stderr, "%s\n", FormatFinding(definition, f).c_str());
    if (strict && HasErrors(findings))
        throw ToolError("nothing written: the check found errors (--strict)");
    WriteWholeFile(out, raw ? compressed : WritePackedSkin(compressed));
    for (const std::string& note : notes)
        std::fprintf(stderr, "skintool: %s\n", note.c_str());
    return 0;
}

// A definition file, or a compiled skin (a packed skin, or with --raw a bare
// zlib stream), told apart by their content.
int Check(const std::string& path, bool raw, bool asJson)
{
    std::vector<uint8_t> bytes = ReadWholeFile(path, MaxSkinFileBytes);
    std::vector<CheckFinding> findings;
    if (raw || !ReadPackedSkin(bytes).empty()) {
        SkinStreamContent content = ReadSkinFile(path, raw);
        TMemIniFile ini(SplitLines(content.DefinitionText));
        findings = CheckSkinDefinition(ini, StreamPictures(content), FontTest);
    } else {
        std::vector<std::string> notes;
        DefinitionPictureFiles pictures = PicturesBeside(path, notes);
        TMemIniFile ini(SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
        findings = CheckSkinDefinition(ini, pictures.Source(), FontTest);
    }
    if (asJson) {
        json list = json::array();
        for (const CheckFinding& f : findings)
            list.push_back({ { "file", path }, { "line", f.Line }, { "level", f.Level == FindingLevel::Error ? "error" : "warning" },
                { "section", f.Section }, { "key", f.Key }, { "message", f.Message } });
        std::cout << list.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
    } else {
        for (const CheckFinding& f : findings)
            std::cout << FormatFinding(path, f) << "\n";
    }
    return HasErrors(findings) ? 1 : 0;
}

// Only the file-name part of a name from the definition is used, so that a
// hostile skin cannot write outside the output folder.
std::string SafeFileName(const std::string& name, const std::string& fallback)
{
    std::string base = SplitPath(name, PathLeadBytes).Name;
    if (base.empty() || base == "." || base == ".." || base.find(':') != std::string::npos)
        return fallback;
    return base;
}

int Unpack(const std::string& in, const std::string& outDir, bool raw)
{
    SkinStreamContent content = ReadSkinFile(in, raw);
    TMemIniFile ini(SplitLines(content.DefinitionText));
    std::filesystem::create_directories(outDir);
    auto write = [&](const Bitmap& bmp, const std::string& name, const std::string& fallback) {
        if (!bmp.IsEmpty())
            WriteWholeFile(outDir + "/" + SafeFileName(name, fallback), WriteBmp(bmp));
    };
    write(content.Picture, ini.ReadString("PICTURES", "picture", ""), "picture.bmp");
    write(content.InActivePicture, ini.ReadString("PICTURES", "inactivepicture", ""), "inactivepicture.bmp");
    write(content.MaskPicture, ini.ReadString("PICTURES", "mask", ""), "mask.bmp");
    std::vector<std::string> names = ReadNumberedList(ini, "PICTURES", "activepictures");
    for (size_t k = 0; k < content.ActivePictures.size(); ++k) {
        std::string fallback = "activepicture" + std::to_string(k) + ".bmp";
        write(content.ActivePictures[k], k < names.size() ? names[k] : "", fallback);
    }
    const std::string& text = content.DefinitionText;
    WriteWholeFile(outDir + "/skin.ini", std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    return 0;
}

json PictureJson(const Bitmap& bmp)
{
    if (bmp.IsEmpty())
        return nullptr;
    return json { { "width", bmp.Width() }, { "height", bmp.Height() }, { "bits", bmp.BitsPerPixel } };
}

json RectJson(const Rect& r) { return json::array({ r.Left, r.Top, r.Right, r.Bottom }); }
json PointJson(const Point& p) { return json::array({ p.X, p.Y }); }

int Info(const std::string& in, bool raw)
{
    SkinStreamContent content = ReadSkinFile(in, raw);
    json out;
    out["version"] = content.Version;
    out["picture"] = PictureJson(content.Picture);
    out["inactivepicture"] = PictureJson(content.InActivePicture);
    out["mask"] = PictureJson(content.MaskPicture);
    out["activepictures"] = json::array();
    for (const Bitmap& bmp : content.ActivePictures)
        out["activepictures"].push_back(PictureJson(bmp));
    out["definition_bytes"] = content.DefinitionText.size();

    TlxSkinContent skin;
    skin.LoadSkinStreamContent(std::move(content));
    out["skinname"] = skin.SkinName;
    out["objects"] = json::array();
    for (const auto& record : skin.ObjectList)
        out["objects"].push_back({ { "section", record->SectionName }, { "class", record->ClassName() } });
    out["controls"] = json::array();
    for (const auto& record : skin.ControlList)
        out["controls"].push_back({ { "section", record->SectionName }, { "class", record->ClassName() } });
    out["forminfo"] = {
        { "clientrect", RectJson(skin.ClientRect) },
        { "lefttoppoint", PointJson(skin.LeftTopPoint) },
        { "righttoppoint", PointJson(skin.RightTopPoint) },
        { "leftbottompoint", PointJson(skin.LeftBottomPoint) },
        { "rightbottompoint", PointJson(skin.RightBottomPoint) },
        { "maskrectarea", RectJson(skin.MaskRectArea) },
        { "captionrect", RectJson(skin.CaptionRect) },
        { "buttonsrect", RectJson(skin.ButtonsRect) },
        { "formminwidth", skin.FormMinWidth },
    };
    out["popupwindow"] = {
        { "windowpictureindex", skin.PopupWindow.WindowPictureIndex },
        { "itemsrect", RectJson(skin.PopupWindow.ItemsRect) },
    };
    out["hintwindow"] = {
        { "windowpictureindex", skin.HintWindow.WindowPictureIndex },
        { "clientrect", RectJson(skin.HintWindow.ClientRect) },
        { "fontname", skin.HintWindow.FontName },
        { "fontheight", skin.HintWindow.FontHeight },
    };
    // Definition texts are ANSI; bytes that are not UTF-8 are replaced.
    std::cout << out.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args;
    bool raw = false, asJson = false, strict = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--raw")
            raw = true;
        else if (a == "--json")
            asJson = true;
        else if (a == "--strict")
            strict = true;
        else
            args.push_back(a);
    }
    try {
        if ((asJson && (args.empty() || args[0] != "check")) || (strict && (args.empty() || args[0] != "compile")))
            return Usage();
        if (args.size() == 2 && args[0] == "check")
            return Check(args[1], raw, asJson);
        if (args.size() == 3 && args[0] == "compile")
            return Compile(args[1], args[2], raw, strict);
        if (args.size() == 3 && args[0] == "unpack")
            return Unpack(args[1], args[2], raw);
        if (args.size() == 2 && args[0] == "info")
            return Info(args[1], raw);
        if (!args.empty() && skintool::IsFrameCommand(args[0]))
            return skintool::RunFrameCommand(args, raw);
        return Usage();
    } catch (const std::bad_alloc&) {
        std::fputs("skintool: out of memory\n", stderr);
    } catch (const std::exception& e) {
        std::string message = e.what();
        for (char& c : message)
            if (c == '\n' || c == '\r')
                c = ' ';
        std::fprintf(stderr, "skintool: %s\n", message.c_str());
    }
    return 1;
}
