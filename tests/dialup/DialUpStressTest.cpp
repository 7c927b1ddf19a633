// The status hand-over under load: a thousand statuses as fast as the
// service sends them, and the processor time a waiting dial costs.
#include "tests/dialup/StandIn.h"

#include <algorithm>
#include <cstdio>

using namespace ventro;
using namespace ventro::test;

namespace {

using DialUpStressTest = StandInTest;

double ProcessCpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) { return double((uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7; };
    return seconds(kernel) + seconds(user);
}

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

}

TEST_F(DialUpStressTest, AThousandStatusesArriveInOrderExactlyOnce)
{
    constexpr size_t Count = 1000;
    WritePhonebook(L"[Stress]\r\nStressStatuses=1000\r\nStepDelayMs=0\r\n");
    TDialUp dialUp(nullptr);
    std::vector<LONGLONG> arrivals;
    arrivals.reserve(Count);
    dialUp.SetOnStatusEvent([&](TDialUp*, const std::wstring& text, bool error) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        arrivals.push_back(now.QuadPart);
        m_statuses.push_back({ nullptr, text, error });
    });
    dialUp.SetConnectTo(L"Stress");
    const double cpuBefore = ProcessCpuSeconds();
    const double wallBefore = Now();
    ASSERT_TRUE(dialUp.Dial());
    ASSERT_TRUE(WaitUntil([&] { return m_statuses.size() >= Count; }, 60000)) << m_statuses.size();
    const double wall = Now() - wallBefore;
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    WaitProcessingMessages(100);
    ASSERT_EQ(m_statuses.size(), Count);
    for (size_t i = 0; i < Count; ++i) {
        ASSERT_EQ(m_statuses[i].text, L"Stand-in status " + std::to_wstring(i + 1) + L".") << i;
        ASSERT_TRUE(m_statuses[i].error);
    }

    const std::vector<LONGLONG> sent = NotifyTimes();
    ASSERT_EQ(sent.size(), Count);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> latencies;
    for (size_t i = 0; i < Count; ++i) {
        ASSERT_GE(arrivals[i], sent[i]) << "status " << i << " arrived before it was sent";
        latencies.push_back(double(arrivals[i] - sent[i]) * 1e6 / double(frequency.QuadPart));
    }
    std::sort(latencies.begin(), latencies.end());
    const double median = latencies[Count / 2];
    const double worst = latencies.back();
    RecordProperty("latency_median_us", int(median));
    RecordProperty("latency_worst_us", int(worst));
    std::printf("1000 statuses in %.3f s, %.0f%% of a core; delivery latency median %.0f us, worst %.0f us\n", wall,
        100.0 * cpu / wall, median, worst);
    EXPECT_LT(worst, 2e6) << "a status waited two seconds";
}

TEST_F(DialUpStressTest, AWaitingDialCostsLittleProcessorTime)
{
    WritePhonebook(L"[Home]\r\nStepDelayMs=300\r\n");
    TDialUp dialUp(nullptr);
    Record(dialUp);
    dialUp.SetConnectTo(L"Home");
    const double cpuBefore = ProcessCpuSeconds();
    const double wallBefore = Now();
    ASSERT_TRUE(dialUp.Dial());
    // Statuses arrive as messages, so the plain message wait sees each one;
    // no polling of our own adds to the measurement.
    auto sevenArrived = [](void* statuses) { return static_cast<std::vector<Status>*>(statuses)->size() >= 7; };
    WaitProcessingMessages(10000, sevenArrived, &m_statuses);
    ASSERT_EQ(m_statuses.size(), 7u);
    const double wall = Now() - wallBefore;
    const double share = (ProcessCpuSeconds() - cpuBefore) / wall;
    RecordProperty("dial_cpu_permille", int(share * 1000));
    std::printf("a %.2f s dial used %.2f%% of a core\n", wall, 100.0 * share);
    EXPECT_GE(wall, 2.0);
    // Generous: a spinning wait would use a whole core.
    EXPECT_LT(share, 0.25);
}
