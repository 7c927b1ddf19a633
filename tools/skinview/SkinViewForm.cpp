// The skin preview window.
#include "tools/skinview/SkinViewForm.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/Text.h"
#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinValues.h"
#include "skin/data/Stream.h"
#include "tools/skintool/BitmapImport.h"
#include "tools/skintool/SkinCheck.h"

namespace ventro {

namespace {

// Skins are a few hundred kilobytes; anything far larger is not one.
constexpr std::uintmax_t MaxSkinFileSize = MaxSkinFileBytes;

std::vector<uint8_t> ReadSkinFile(const std::wstring& path)
{
    std::error_code error;
    const std::filesystem::path file(path);
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error)
        throw std::runtime_error("cannot read the file");
    if (size > MaxSkinFileSize)
        throw std::runtime_error("the file is too large for a skin");
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.eof() && !in)
        throw std::runtime_error("cannot read the file");
    return bytes;
}

// Watched files are looked at this often; a save shows after at most two looks.
constexpr uint32_t WatchInterval = 250;

// The platform's own write time counts in 100 ns; the C runtime's file times
// behind std::filesystem here count whole seconds, which would miss a second
// save of the same size within a second.
skinview::FileStamp StampOf(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data {};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return {};
    const uint64_t size = (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    const uint64_t time = (uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    return skinview::FileStamp { true, size, int64_t(time) };
}

std::vector<skinview::FileStamp> StampsOf(const std::vector<std::wstring>& files)
{
    std::vector<skinview::FileStamp> stamps;
    for (const std::wstring& file : files)
        stamps.push_back(StampOf(file));
    return stamps;
}

std::wstring FolderOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

// What a definition reads: itself and the pictures it names.
std::vector<std::wstring> FilesOfDefinition(const std::wstring& definition, const TMemIniFile& ini)
{
    std::vector<std::wstring> files { definition };
    std::vector<std::string> names { ini.ReadString("PICTURES", "picture", ""), ini.ReadString("PICTURES", "inactivepicture", ""),
        ini.ReadString("PICTURES", "mask", "") };
    for (std::string& name : ReadNumberedList(ini, "PICTURES", "activepictures"))
        names.push_back(std::move(name));
    for (const std::string& name : names)
        if (!name.empty())
            files.push_back(FolderOf(definition) + AnsiToWide(name));
    return files;
}

std::vector<std::wstring> FolderListing(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(folder), error))
        if (entry.is_regular_file(error))
            names.push_back(entry.path().filename().wstring());
    return names;
}

TMenuItem* AddItem(TMenuItem& parent, const std::wstring& caption, const std::wstring& name = {})
{
    TMenuItem* item = parent.Add(caption);
    if (!name.empty())
        item->SetName(name);
    return item;
}

} // namespace

void BuildTestMenu(TMenuItem& root)
{
    TMenuItem* header = AddItem(root, L"-测试菜单-");
    header->Enabled = false;
    AddItem(root, L"&Open...", L"SV_OPEN")->ShortCut = L"Ctrl+O";
    AddItem(root, L"&Save", L"SV_SAVE")->ShortCut = L"Ctrl+S";
    TMenuItem* sizes = AddItem(root, L"Si&ze", L"SV_SIZE");
    TMenuItem* deeper = nullptr;
    for (const wchar_t* caption : { L"&Small", L"&Medium", L"&Large" }) {
        TMenuItem* item = AddItem(*sizes, caption);
        item->RadioItem = true;
        item->Checked = std::wstring(caption) == L"&Medium";
        // A radio item takes the mark from its siblings.
        item->OnClick = [item](TComponent*) {
            for (int i = 0; i < item->Parent()->Count(); ++i)
                if (item->Parent()->Items(i)->RadioItem)
                    item->Parent()->Items(i)->Checked = item->Parent()->Items(i) == item;
        };
    }
    AddItem(*sizes, L"-");
    deeper = AddItem(*sizes, L"&Deeper", L"SV_DEEPER");
    AddItem(*deeper, L"大号字体")->ShortCut = L"F9";
    AddItem(*deeper, L"Third level");
    AddItem(root, L"-");
    TMenuItem* wrap = AddItem(root, L"&Word wrap", L"SV_WRAP");
    wrap->Checked = true;
    wrap->OnClick = [wrap](TComponent*) { wrap->Checked = !wrap->Checked; };
    AddItem(root, L"Unavailable", L"SV_UNAVAILABLE")->Enabled = false;
}

TSkinViewForm::TSkinViewForm(TComponent* owner, const skinview::ViewOptions& options, std::vector<uint8_t> storedSkin)
    : TForm(owner)
    , m_storedSkin(std::move(storedSkin))
{
    SetName(L"SkinViewForm");
    SetCaption(skinview::ViewCaption(options.SkinPath));
    SetBorderStyle(TBorderStyle::bsSizeable);
    SetBounds(200, 150, 480, 340);
    SetClientSize(420, 280);

    lxLumenSkinForm1 = new TlxLumenSkinForm(this);
    lxLumenSkinForm1->BeginReading();
    lxSkinData1 = new TlxSkinData(this);
    lxSkinData1->BeginReading();
    lxSkinData1->SetSkinMessageSink(ApplicationSkinMessageSink());
    lxCompressedStoredSkin1 = new TlxCompressedStoredSkin(this);
    lxCompressedStoredSkin1->BeginReading();
    lxSkinHint1 = new TlxSkinHint(this);
    lxSkinHint1->BeginReading();
    lxSkinHint1->SetSkinData(lxSkinData1);
    lxTrayIcon1 = new TlxTrayIcon(this);
    lxTrayIcon1->BeginReading();
    lxTrayIcon1->SetHint(L"skinview");
    lxTrayIcon1->SetIcon(LoadIconW(nullptr, IDI_APPLICATION));
    SystemMenu1 = new TPopupMenu(this);
    SystemMenu1->BeginReading();
    TestMenu1 = new TlxSkinPopupMenu(this);
    TestMenu1->BeginReading();
    TestMenu1->SetSkinData(lxSkinData1);
    BuildTestMenu(TestMenu1->Items());
    BuildSystemMenu();

    lxLumenSkinForm1->SetBorderIcons({ true, true, true, true, true });
    lxLumenSkinForm1->SetMagnetic(true);
    lxLumenSkinForm1->SetMagneticSize(5);
    lxLumenSkinForm1->SetShowIcon(true);
    lxLumenSkinForm1->SetSkinHint(lxSkinHint1);
    lxLumenSkinForm1->SetShowObjectHint(true);
    lxLumenSkinForm1->SetTrayIcon(lxTrayIcon1);
    lxLumenSkinForm1->SetUseDefaultSysMenu(true);
    lxLumenSkinForm1->SetSystemMenu(SystemMenu1);
    lxLumenSkinForm1->SetAlphaBlendValue(uint8_t(options.AlphaBlendValue));
    lxLumenSkinForm1->SetAlphaBlend(options.AlphaBlend);
    lxLumenSkinForm1->SetAlphaBlendAnimation(options.AlphaBlendAnimation);
    lxLumenSkinForm1->SetSkinData(lxSkinData1);
    FinishCreate();

    if (!options.WatchPath.empty())
        WatchDefinition(options.WatchPath);
    else
        LoadSkin(options.SkinPath);
}

TSkinViewForm::~TSkinViewForm() = default;

void TSkinViewForm::BuildSystemMenu()
{
    TMenuItem& items = SystemMenu1->Items();
    AddItem(items, L"-");
    TMenuItem* reload = AddItem(items, L"R&eload", L"SV_RELOAD");
    reload->ShortCut = L"F5";
    reload->OnClick = [this](TComponent*) { Reload(); };
    AddItem(items, L"&Next skin", L"SV_NEXTSKIN")->OnClick = [this](TComponent*) { NextSkin(); };
    TMenuItem* test = AddItem(items, L"&Test menu", L"SV_TESTMENU");
    BuildTestMenu(*test);
    AddItem(items, L"-");
}

std::wstring TSkinViewForm::LoadSkin(const std::wstring& path)
{
    m_watchPath.clear();
    m_path = path;
    m_failure.clear();
    try {
        if (path.empty()) {
            lxCompressedStoredSkin1->SetCompressedData(m_storedSkin);
        } else {
            TMemoryStream file(ReadSkinFile(path));
            lxCompressedStoredSkin1->LoadPackedStream(file);
        }
        if (lxCompressedStoredSkin1->IsEmpty())
            throw std::runtime_error("not a compressed skin file");
        lxSkinData1->ApplyStoredSkin(*lxCompressedStoredSkin1);
        if (lxSkinData1->Empty)
            throw std::runtime_error("the skin could not be decoded");
    } catch (const std::exception& error) {
        m_failure = ExceptionText(error);
        if (m_failure.empty())
            m_failure = L"the skin could not be loaded";
        UnloadSkin();
    }
    SetCaption(skinview::ViewCaption(m_path, m_failure));
    return m_failure;
}

void TSkinViewForm::UnloadSkin()
{
    lxSkinData1->Changing = true;
    lxSkinData1->BroadcastSkinMessage(SKM_BEFORECHANGESKIN);
    lxSkinData1->ClearSkin();
    lxSkinData1->Empty = true;
    lxSkinData1->Changing = false;
    lxSkinData1->BroadcastSkinMessage(SKM_CHANGESKIN);
    lxSkinData1->BroadcastSkinMessage(SKM_AFTERCHANGESKIN);
}

std::wstring TSkinViewForm::WatchDefinition(const std::wstring& path)
{
    m_path.clear();
    m_watchPath = path;
    if (!m_watchTimer) {
        m_watchTimer = new TTimer(this);
        m_watchTimer->SetInterval(WatchInterval);
        m_watchTimer->OnTimer = [this] { PollWatched(); };
    }
    return CompileWatched();
}

void TSkinViewForm::PollWatched()
{
    if (!m_watchPath.empty() && m_saves.Poll(StampsOf(m_watchedFiles)))
        CompileWatched();
}

// The stamps are taken before the files are read, so that a save made while
// they are read is seen at the next look.
std::wstring TSkinViewForm::CompileWatched()
{
    m_failure.clear();
    m_watchedFiles = { m_watchPath };
    std::vector<skinview::FileStamp> stamps { StampOf(m_watchPath) };
    try {
        const std::vector<uint8_t> bytes = ReadSkinFile(m_watchPath);
        const std::vector<std::string> lines = SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        const TMemIniFile ini(lines);
        m_watchedFiles = FilesOfDefinition(m_watchPath, ini);
        stamps = StampsOf(m_watchedFiles);
        const std::string folder = WideToAnsi(FolderOf(m_watchPath));
        DefinitionPictureFiles pictures(folder, [](const std::string& file) {
            return ImportPicture(ReadWholeFile(file, MaxSkinFileSize)).Picture;
        });
        const std::string error = skinview::FirstErrorText(CheckSkinDefinition(ini, pictures.Source()));
        if (!error.empty()) {
            // The definition's own text is ANSI.
            m_failure = AnsiToWide(error);
        } else {
            std::vector<uint8_t> compressed;
            CompileSkinLines(lines, folder, compressed, [&](const std::string& file) { return pictures.Load(file); });
            RECT place {}, now {};
            GetWindowRect(Handle(), &place);
            lxCompressedStoredSkin1->SetCompressedData(std::move(compressed));
            lxSkinData1->ApplyStoredSkin(*lxCompressedStoredSkin1);
            if (lxSkinData1->Empty)
                throw std::runtime_error("the skin could not be decoded");
            // A new skin keeps the window where and as large as it was.
            GetWindowRect(Handle(), &now);
            if (!IsZoomed(Handle()) && !IsIconic(Handle()) && !lxLumenSkinForm1->RolledUp() && !EqualRect(&now, &place))
                SetWindowPos(Handle(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                    SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } catch (const std::exception& error) {
        m_failure = ExceptionText(error);
        if (m_failure.empty())
            m_failure = L"the definition could not be compiled";
    }
    m_saves.Reset(std::move(stamps));
    SetCaption(skinview::ViewCaption(m_watchPath, m_failure));
    return m_failure;
}

void TSkinViewForm::Reload()
{
    if (!m_watchPath.empty())
        CompileWatched();
    else
        LoadSkin(m_path);
}

void TSkinViewForm::NextSkin()
{
    if (m_path.empty())
        return;
    std::error_code error;
    const std::filesystem::path current = std::filesystem::absolute(std::filesystem::path(m_path), error);
    if (error)
        return;
    const std::wstring next = skinview::NextSkinFile(FolderListing(current.parent_path().wstring()), m_path);
    if (next.empty())
        return;
    LoadSkin((current.parent_path() / next).wstring());
}

bool TSkinViewForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    // A right click in the window opens the test menu through the skin form's menu engine.
    if (message == WM_RBUTTONUP) {
        POINT p { short(LOWORD(lParam)), short(HIWORD(lParam)) };
        ClientToScreen(Handle(), &p);
        TestMenu1->Popup(p.x, p.y);
        result = 0;
        return true;
    }
    return TForm::HandleMessage(message, wParam, lParam, result);
}

} // namespace ventro
