// Shared pieces of the end-to-end tests: a started program in a fresh folder.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "app/ControlIds.h"
#include "tools/driver/Driver.h"

namespace ventro::e2e {

inline const std::wstring MainCaption = L"VentroADSL拨号器 V1.2 By Qorin";
inline const std::wstring SettingsCaption = L"设置";

// Writes `text` (UTF-8 source) to a file in the ANSI code page, as the
// profile routines keep Config.ini.
inline void WriteAnsiFile(const std::wstring& path, const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size_t(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), bytes.data(), n, nullptr, nullptr);
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

inline std::string ReadFileBytes(const std::wstring& path)
{
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class AppTest : public ::testing::Test {
protected:
    driver::TempFolder folder;
    std::unique_ptr<driver::AppProcess> app;
    HWND main = nullptr;

    std::wstring ConfigPath() const { return folder.File(L"Config.ini"); }
    void Start(const std::vector<std::wstring>& environment = {})
    {
        app = std::make_unique<driver::AppProcess>(folder.Path(), environment);
        main = app->WaitForWindow(MainCaption);
        ASSERT_NE(main, nullptr) << "the main window did not appear: " << app->Describe();
    }
    HWND Control(int id) const { return driver::FindControl(main, id); }
    void TearDown() override
    {
        if (app && app->Running()) {
            // Leave no message box open, then close.
            for (int i = 0; i < 5; ++i) {
                auto box = app->FindMessageBox();
                if (!box.Window)
                    break;
                driver::PressOk(box);
                driver::WaitUntil([&] { return !IsWindow(box.Window); }, std::chrono::seconds(3));
            }
            EXPECT_TRUE(app->Close());
        }
    }
};

} // namespace ventro::e2e
