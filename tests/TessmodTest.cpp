#include "ModuleLoader.h"
#include "RadioModuleApi.h"
#include "SimulatedTuner.h"
#include "StationMap.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <functional>
#include <vector>

using namespace std::chrono_literals;

namespace {

constexpr std::int32_t Down = 0;
constexpr std::int32_t Up = 1;
constexpr std::int32_t Stop = -1;

std::vector<std::int32_t> Stations()
{
    return {StandardStations.begin(), StandardStations.end()};
}

// A real Qt event loop for the scans, and a watchdog that stops any scan
// that would otherwise never return. The application lives for one suite
// only, so a case that needs a process without one runs whatever came
// before it.
class TunerTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "TessmodTest";
        static char* argv[] = {name, nullptr};
        s_application = new QCoreApplication(argc, argv);
    }

    static void TearDownTestSuite()
    {
        delete s_application;
        s_application = nullptr;
    }

    static inline QCoreApplication* s_application = nullptr;

    void SetUp() override { m_tuner.SetMode(1); }

    // Runs the scan with the given actions scheduled inside its wait.
    void Scan(std::int32_t direction)
    {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            m_watchdogFired = true;
            m_tuner.AutoScan(Stop);
        });
        watchdog.start(5s);
        m_tuner.AutoScan(direction);
        EXPECT_FALSE(m_watchdogFired) << "the scan did not return by itself";
        EXPECT_FALSE(m_tuner.Scanning());
    }

    void During(std::chrono::milliseconds delay, std::function<void()> action)
    {
        QTimer::singleShot(delay, std::move(action));
    }

    // Runs the action once, from a timer inside the scan's wait, as soon as
    // the frequency has reached the target: by progress, not by the clock,
    // so a busy machine cannot make it come too early or too late.
    void WhenReached(std::function<std::int32_t()> frequency, std::int32_t target, std::function<void()> action)
    {
        m_poll.disconnect();
        QObject::connect(&m_poll, &QTimer::timeout, [this, frequency, target, action] {
            if (frequency() >= target) {
                m_poll.stop();
                action();
            }
        });
        m_poll.start(0);
    }

    std::function<std::int32_t()> TunedFrequency()
    {
        return [this] { return m_tuner.GetFrequency(0); };
    }

    SimulatedTuner m_tuner{StandardBand, Stations(), 1ms};
    bool m_watchdogFired = false;
    QTimer m_poll;
};

struct StepCase {
    std::int32_t from;
    std::int32_t direction;
    std::int32_t to;
};

void PrintTo(const StepCase& step, std::ostream* os)
{
    *os << step.from << (step.direction == Up ? " up" : " down");
}

class TunerStepTest : public TunerTest, public testing::WithParamInterface<StepCase> {};

TEST_P(TunerStepTest, StepsOnTheRasterAndWrapsAtBandEdges)
{
    m_tuner.SetFrequency(0, GetParam().from);
    EXPECT_EQ(m_tuner.OneStep(GetParam().direction), 1);
    EXPECT_EQ(m_tuner.GetFrequency(0), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(Steps, TunerStepTest,
                         testing::Values(StepCase{9000, Up, 9005}, StepCase{9000, Down, 8995},
                                         StepCase{10795, Up, 10800}, StepCase{10800, Up, 8750},
                                         StepCase{8750, Down, 10800}, StepCase{9123, Up, 9125},
                                         StepCase{9123, Down, 9120}, StepCase{10798, Up, 10800},
                                         StepCase{8752, Down, 8750}));

TEST_F(TunerTest, UnknownStepDirectionIsIgnored)
{
    m_tuner.SetFrequency(0, 9000);
    EXPECT_EQ(m_tuner.OneStep(2), 0);
    EXPECT_EQ(m_tuner.GetFrequency(0), 9000);
}

TEST_F(TunerTest, TuningIsClampedToTheBand)
{
    m_tuner.SetFrequency(0, 7000);
    EXPECT_EQ(m_tuner.GetFrequency(0), 8750);
    m_tuner.SetFrequency(0, 12000);
    EXPECT_EQ(m_tuner.GetFrequency(0), 10800);
    m_tuner.SetFrequency(0, 9123);
    EXPECT_EQ(m_tuner.GetFrequency(0), 9123);
}

TEST_F(TunerTest, SlotsOneToNineKeepTheirFrequencies)
{
    m_tuner.SetFrequency(0, 9000);
    for (std::int32_t slot = 1; slot <= 9; ++slot) {
        EXPECT_EQ(m_tuner.GetFrequency(slot), 0);
        EXPECT_EQ(m_tuner.SetFrequency(slot, 9000 + slot * 100), 1);
    }
    for (std::int32_t slot = 1; slot <= 9; ++slot) {
        EXPECT_EQ(m_tuner.GetFrequency(slot), 9000 + slot * 100);
    }
    EXPECT_EQ(m_tuner.GetFrequency(0), 9000);

    m_tuner.SetFrequency(4, 20000);
    EXPECT_EQ(m_tuner.GetFrequency(4), 10800);
    EXPECT_EQ(m_tuner.SetFrequency(10, 9500), 0);
    EXPECT_EQ(m_tuner.GetFrequency(10), 0);
    EXPECT_EQ(m_tuner.SetFrequency(-1, 9500), 0);
}

TEST_F(TunerTest, LocationIsTheBandAndTheStep)
{
    std::int32_t low = 0;
    std::int32_t high = 0;
    std::int32_t other = 0;
    m_tuner.GetLocation(1, &low, &high, &other);
    EXPECT_EQ(low, 8750);
    EXPECT_EQ(high, 10800);
    EXPECT_EQ(other, 5);
    EXPECT_EQ(m_tuner.GetLocation(1, nullptr, &high, nullptr), 1);
}

struct ScanCase {
    const char* name;
    std::int32_t from;
    std::int32_t direction;
    std::int32_t station;
};

void PrintTo(const ScanCase& scan, std::ostream* os)
{
    *os << scan.name;
}

class TunerScanTest : public TunerTest, public testing::WithParamInterface<ScanCase> {};

TEST_P(TunerScanTest, ScanStopsAtTheNextStation)
{
    m_tuner.SetFrequency(0, GetParam().from);
    Scan(GetParam().direction);
    EXPECT_EQ(m_tuner.GetFrequency(0), GetParam().station);
    EXPECT_EQ(m_tuner.GetStereo(), 1);
}

INSTANTIATE_TEST_SUITE_P(Scans, TunerScanTest,
                         testing::Values(ScanCase{"Up", 9000, Up, 9120}, ScanCase{"Down", 9000, Down, 8950},
                                         ScanCase{"UpFromAStation", 9120, Up, 9330},
                                         ScanCase{"DownFromAStation", 9120, Down, 8950},
                                         ScanCase{"UpOffRaster", 9123, Up, 9330},
                                         ScanCase{"UpWrapsAtTheTop", 10700, Up, 8790},
                                         ScanCase{"DownWrapsAtTheBottom", 8760, Down, 10650}),
                         [](const testing::TestParamInfo<ScanCase>& info) { return info.param.name; });

TEST_F(TunerTest, ScanningUpFindsEveryStationOfTheMapInOrder)
{
    m_tuner.SetFrequency(0, StandardBand.low);
    std::vector<std::int32_t> found;
    for (std::size_t i = 0; i <= StandardStations.size(); ++i) {
        Scan(Up);
        found.push_back(m_tuner.GetFrequency(0));
    }
    std::vector<std::int32_t> expected = Stations();
    expected.push_back(StandardStations.front());
    EXPECT_EQ(found, expected);
}

TEST_F(TunerTest, StopFromATimerEndsTheScanWhereTheCallerTunes)
{
    m_tuner.SetFrequency(0, 9000);
    std::int32_t reached = 0;
    WhenReached(TunedFrequency(), 9050, [&] {
        EXPECT_TRUE(m_tuner.Scanning());
        reached = m_tuner.GetFrequency(0);
        m_tuner.AutoScan(Stop);
        m_tuner.SetFrequency(0, 9000);
    });
    Scan(Up);
    EXPECT_GE(reached, 9050);
    EXPECT_LT(reached, 9120);
    EXPECT_EQ(m_tuner.GetFrequency(0), 9000);
}

TEST_F(TunerTest, SwitchingOffOrClosingDuringAScanEndsIt)
{
    for (const auto& end : std::vector<std::function<void()>>{[this] { m_tuner.SetMode(0); },
                                                               [this] { m_tuner.CloseRadio(); }}) {
        m_tuner.SetMode(1);
        m_tuner.SetFrequency(0, 9000);
        std::int32_t stoppedAt = 0;
        WhenReached(TunedFrequency(), 9050, [&] {
            end();
            stoppedAt = m_tuner.GetFrequency(0);
        });
        Scan(Up);
        EXPECT_EQ(m_tuner.GetFrequency(0), stoppedAt);
        EXPECT_LT(stoppedAt, 9120);
        EXPECT_EQ(m_tuner.GetStereo(), 0);
    }
}

TEST_F(TunerTest, ScanWhileOffReturnsAtOnceWithoutMoving)
{
    m_tuner.SetMode(0);
    m_tuner.SetFrequency(0, 9000);
    EXPECT_EQ(m_tuner.AutoScan(Up), 1);
    EXPECT_EQ(m_tuner.GetFrequency(0), 9000);
    EXPECT_FALSE(m_tuner.Scanning());
}

TEST_F(TunerTest, TuningStillWorksWhileOffButNothingIsReceived)
{
    m_tuner.SetMode(0);
    m_tuner.SetFrequency(0, 9115);
    m_tuner.OneStep(Up);
    EXPECT_EQ(m_tuner.GetFrequency(0), 9120);
    EXPECT_EQ(m_tuner.GetStereo(), 0);
    m_tuner.SetMode(1);
    EXPECT_EQ(m_tuner.GetStereo(), 1);
}

TEST_F(TunerTest, SecondScanDuringAScanTakesOverAndBothReturn)
{
    m_tuner.SetFrequency(0, 9000);
    bool innerReturned = false;
    WhenReached(TunedFrequency(), 9050, [&] {
        m_tuner.AutoScan(Down);
        innerReturned = true;
        EXPECT_EQ(m_tuner.GetFrequency(0), 8950);
    });
    Scan(Up);
    EXPECT_TRUE(innerReturned);
    EXPECT_EQ(m_tuner.GetFrequency(0), 8950);
}

// What the program's scan timer does: once the frequency has gone round the
// band past its start, stop the scan and tune the start again.
TEST_F(TunerTest, EmptyBandGoesRoundUntilStopped)
{
    SimulatedTuner tuner(TunerBand{8750, 8800, 5}, {}, 1ms);
    tuner.SetMode(1);
    tuner.SetFrequency(0, 8770);

    bool wrapped = false;
    std::vector<std::int32_t> seen;
    QTimer scanTimer;
    QObject::connect(&scanTimer, &QTimer::timeout, [&] {
        const std::int32_t f = tuner.GetFrequency(0);
        seen.push_back(f);
        wrapped = wrapped || f < 8770;
        if (wrapped && f >= 8770) {
            scanTimer.stop();
            tuner.AutoScan(Stop);
            tuner.SetFrequency(0, 8770);
        }
    });
    scanTimer.start(3ms);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] { tuner.AutoScan(Stop); });
    watchdog.start(5s);

    tuner.AutoScan(Up);
    EXPECT_TRUE(watchdog.isActive()) << "the scan ran until the watchdog";
    EXPECT_TRUE(wrapped);
    EXPECT_EQ(tuner.GetFrequency(0), 8770);
    EXPECT_FALSE(tuner.Scanning());
    ASSERT_FALSE(seen.empty());
    EXPECT_GE(seen.back(), 8770);
}

TEST(TunerWithoutEventLoopTest, ScanRunsStraightToTheNextStationOrOnceRound)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr) << "an earlier suite left its Qt application behind";
    SimulatedTuner tuner(StandardBand, Stations(), 1ms);
    tuner.SetMode(1);
    tuner.SetFrequency(0, 10700);
    tuner.AutoScan(Up);
    EXPECT_EQ(tuner.GetFrequency(0), 8790);

    SimulatedTuner emptyBand(StandardBand, {}, 1ms);
    emptyBand.SetMode(1);
    emptyBand.SetFrequency(0, 9000);
    emptyBand.AutoScan(Down);
    EXPECT_EQ(emptyBand.GetFrequency(0), 9000);
    EXPECT_FALSE(emptyBand.Scanning());
}

// The built module, loaded the way the program loads it.
class TessmodModuleTest : public TunerTest {
protected:
    void SetUp() override
    {
        m_module = LoadModule("Tessmod.dll", SOLVANE_APPDIR_BUILT);
        ASSERT_NE(m_module, nullptr) << LastModuleError();
        ASSERT_TRUE(ResolveRadioEntryPoints(m_module, m_entries));
    }

    void TearDown() override { UnloadModule(m_module); }

    ModuleHandle m_module = nullptr;
    RadioEntryPoints m_entries;
};

TEST_F(TessmodModuleTest, AnswersLikeATunerAndScansToAStation)
{
    EXPECT_EQ(m_entries.HaveRadio(), 1);
    std::int32_t low = 0;
    std::int32_t high = 0;
    std::int32_t other = 0;
    m_entries.GetLocation(1, &low, &high, &other);
    EXPECT_EQ(low, 8750);
    EXPECT_EQ(high, 10800);
    EXPECT_EQ(m_entries.SetLocation(0), 1);

    m_entries.SetMode(1);
    m_entries.SetFrequency(0, 9100);
    bool eventsFlowed = false;
    During(1ms, [&] { eventsFlowed = true; });
    m_entries.AutoScan(Up);
    EXPECT_TRUE(eventsFlowed);
    EXPECT_EQ(m_entries.GetFrequency(0), 9120);
    EXPECT_EQ(m_entries.GetStereo(), 1);

    m_entries.SetMode(0);
    m_entries.CloseRadio();
    EXPECT_EQ(m_entries.GetStereo(), 0);
    EXPECT_EQ(m_entries.GetFrequency(0), 9120);
}

TEST_F(TessmodModuleTest, UnloadingDuringAScanLetsTheScanReturn)
{
    m_entries.SetMode(1);
    m_entries.SetFrequency(0, 9000);
    WhenReached([this] { return m_entries.GetFrequency(0); }, 9010, [&] {
        m_entries.SetMode(0);
        m_entries.CloseRadio();
        UnloadModule(m_module);
        m_module = nullptr;
    });
    m_entries.AutoScan(Up);

    // The module stayed in place, tuner and all: loading it again finds the
    // scan ended where the close sequence stopped it.
    m_module = LoadModule("Tessmod.dll", SOLVANE_APPDIR_BUILT);
    ASSERT_NE(m_module, nullptr) << LastModuleError();
    ASSERT_TRUE(ResolveRadioEntryPoints(m_module, m_entries));
    EXPECT_GT(m_entries.GetFrequency(0), 9000);
    EXPECT_LT(m_entries.GetFrequency(0), 9120);
}

}
