#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Text.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

using namespace ventro;

namespace {

class TestForm : public TForm {
public:
    explicit TestForm(TComponent* owner) : TForm(owner)
    {
        Box = new TCheckBox(this, { nullptr, 1, { 10, 10, 100, 30 }, L"box" });
        Log = new TMemo(this, { nullptr, 2, { 10, 40, 200, 140 }, L"" });
        FinishCreate();
    }
    TCheckBox* Box;
    TMemo* Log;
};

class PlatformTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application().Initialize();
        Application().SetTitle(L"PlatformTest");
    }
};

uint64_t ProcessCpuMilliseconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto toMs = [](FILETIME f) { return ((uint64_t(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 10000; };
    return toMs(kernel) + toMs(user);
}

} // namespace

TEST_F(PlatformTest, WaitsSleepInsteadOfSpinning)
{
    uint64_t cpuBefore = ProcessCpuMilliseconds();
    uint64_t start = GetTickCount64();
    EXPECT_TRUE(WaitProcessingMessages(400));
    uint64_t elapsed = GetTickCount64() - start;
    uint64_t cpu = ProcessCpuMilliseconds() - cpuBefore;
    EXPECT_GE(elapsed, 390u);
    // A spinning wait would burn all 400 ms of a core.
    EXPECT_LT(cpu, 150u) << "cpu " << cpu << " ms in a 400 ms wait";
}

TEST_F(PlatformTest, AQuitMetInsideAWaitEndsItAndIsPostedAgain)
{
    PostQuitMessage(7);
    EXPECT_FALSE(WaitProcessingMessages(2000));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(PlatformTest, ATimerReadWithItsOwnerRunsOnlyOnceReadingEnds)
{
    TComponent owner(nullptr);
    owner.BeginReading();
    const int before = Application().LiveTimers();
    auto* enabled = new TTimer(&owner);
    enabled->SetInterval(30);
    auto* disabled = new TTimer(&owner);
    disabled->SetEnabled(false);
    int ticks = 0;
    enabled->OnTimer = [&] { ++ticks; };
    EXPECT_FALSE(enabled->Running());
    EXPECT_EQ(Application().LiveTimers(), before) << "a timer ran while it was read";
    WaitProcessingMessages(100);
    EXPECT_EQ(ticks, 0);
    owner.Loaded();
    EXPECT_TRUE(enabled->Running());
    EXPECT_FALSE(disabled->Running());
    EXPECT_EQ(Application().LiveTimers(), before + 1);
    WaitProcessingMessages(200);
    EXPECT_GE(ticks, 2);
}

TEST_F(PlatformTest, TimerFiresWhileEnabledAndStopsAtIntervalZero)
{
    TComponent owner(nullptr);
    auto* timer = new TTimer(&owner);
    int ticks = 0;
    timer->OnTimer = [&] { ++ticks; };
    timer->SetInterval(30);
    WaitProcessingMessages(200);
    EXPECT_GE(ticks, 2);
    timer->SetEnabled(false);
    int after = ticks;
    WaitProcessingMessages(120);
    EXPECT_EQ(ticks, after);
    timer->SetEnabled(true);
    timer->SetInterval(0);
    EXPECT_FALSE(timer->Running());
    WaitProcessingMessages(100);
    EXPECT_EQ(ticks, after);
}

TEST_F(PlatformTest, ErrorReportEndsWithAPeriodAndUsesTheTitle)
{
    std::wstring shown;
    Application().OnException = [&](const std::wstring& text) { shown = text; };
    Application().Guard([] { throw EConvertError("'abc' is not a valid integer value"); });
    EXPECT_EQ(shown, L"'abc' is not a valid integer value.");
    Application().Guard([] { throw Exception("Unable to write to C:\\x\\\\Config.ini"); });
    EXPECT_EQ(shown, L"Unable to write to C:\\x\\\\Config.ini.");
    Application().OnException = nullptr;
}

TEST_F(PlatformTest, CheckBoxChangeRaisesClickOnlyOnAChange)
{
    auto* form = new TestForm(&Application());
    int clicks = 0;
    form->Box->OnClick = [&] { ++clicks; };
    form->Box->SetChecked(true);
    form->Box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(form->Box->Checked());
    form->Box->SetChecked(false);
    EXPECT_EQ(clicks, 2);
    delete form;
}

TEST_F(PlatformTest, LogPaneHasNoLengthLimit)
{
    auto* form = new TestForm(&Application());
    std::wstring line(99, L'x');
    for (int i = 0; i < 1000; ++i)
        form->Log->AppendLine(line);
    form->Log->AppendLine(L"断线成功！");
    auto lines = form->Log->Lines();
    ASSERT_EQ(lines.size(), 1001u);
    EXPECT_EQ(lines.back(), L"断线成功！");
    delete form;
}

TEST_F(PlatformTest, HooksSeeApplicationMessagesFirst)
{
    auto* form = new TestForm(&Application());
    std::vector<WPARAM> seen;
    TSubclass hook = Application().HookMainWindow([&](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_SYSCOMMAND)
            seen.push_back(wParam & 0xFFF0);
        return CallPreviousProc(wnd, message, wParam, lParam);
    });
    form->Show();
    ASSERT_TRUE(form->Visible());
    SendMessageW(Application().Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(Application().IsMinimized());
    EXPECT_FALSE(form->Visible());
    SendMessageW(Application().Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(Application().IsMinimized());
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(seen, (std::vector<WPARAM> { SC_MINIMIZE, SC_RESTORE }));
    hook.Reset();
    delete form;
}

TEST_F(PlatformTest, ModalShowEndsWithTheModalResult)
{
    auto* form = new TestForm(&Application());
    TComponent owner(nullptr);
    auto* timer = new TTimer(&owner);
    timer->SetInterval(50);
    timer->OnTimer = [&] { form->SetModalResult(mrOk); };
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->Visible());
    delete form;
}

TEST_F(PlatformTest, DestroyingAFormRemovesItFromTheApplication)
{
    size_t before = Application().Forms().size();
    auto* form = new TestForm(&Application());
    EXPECT_EQ(Application().Forms().size(), before + 1);
    HWND wnd = form->Handle();
    delete form;
    EXPECT_EQ(Application().Forms().size(), before);
    EXPECT_FALSE(IsWindow(wnd));
}

TEST_F(PlatformTest, CaughtErrorTextsAreReadAsUtf8)
{
    // "连接失败" in UTF-8: widened byte by byte it would be twelve characters.
    Exception error("\xE8\xBF\x9E\xE6\x8E\xA5\xE5\xA4\xB1\xE8\xB4\xA5");
    EXPECT_EQ(ExceptionText(error), L"连接失败");
    std::wstring shown;
    Application().OnException = [&](const std::wstring& text) { shown = text; };
    Application().Guard([] { throw Exception("\xE5\x86\x99\xE5\x85\xA5\xE5\xA4\xB1\xE8\xB4\xA5"); });
    EXPECT_EQ(shown, L"写入失败.");
    Application().OnException = nullptr;
}

TEST_F(PlatformTest, IdleActionsRunOnceAfterTheMessagesAlreadyWaiting)
{
    constexpr UINT WM_STEP = WM_APP + 50;
    std::vector<std::string> log;
    std::vector<std::wstring> reports;
    Application().OnException = [&](const std::wstring& text) { reports.push_back(text); };
    TMessageFilter filter = Application().AddMessageFilter([&](MSG& msg) {
        if (msg.message != WM_STEP)
            return false;
        log.push_back("message " + std::to_string(msg.wParam));
        return true;
    });
    auto pumpUntil = [&](const std::string& entry) {
        for (int i = 0; i < 100 && std::find(log.begin(), log.end(), entry) == log.end(); ++i)
            ASSERT_TRUE(Application().HandleMessage());
    };
    Application().ProcessMessages();
    PostThreadMessageW(GetCurrentThreadId(), WM_STEP, 1, 0);
    Application().RunWhenIdle([&] {
        log.push_back("idle");
        // The loop would wait after this: a message for it to find.
        PostThreadMessageW(GetCurrentThreadId(), WM_STEP, 2, 0);
    });
    Application().RunWhenIdle([] { throw Exception("idle failure"); });
    Application().RunWhenIdle([&] { log.push_back("after the failure"); });
    pumpUntil("message 2");
    PostThreadMessageW(GetCurrentThreadId(), WM_STEP, 3, 0);
    pumpUntil("message 3");
    EXPECT_EQ(log, (std::vector<std::string> { "message 1", "idle", "after the failure", "message 2", "message 3" }));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], L"idle failure.");
    Application().OnException = nullptr;
}
