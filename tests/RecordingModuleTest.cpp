#include "RadioModuleApi.h"
#include "RecordingModule.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// The program's side: the module loaded by its Windows name from the same
// AppDir the recording module was installed into.
class RecordingModuleTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "RecordingModuleTest";
            static char* argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_appDir.isValid());
        m_recording = std::make_unique<RecordingModule>(m_appDir.path().toStdString());
        m_program = LoadModule("Tessmod.dll", m_appDir.path().toStdString());
        ASSERT_NE(m_program, nullptr) << LastModuleError();
        ASSERT_TRUE(ResolveRadioEntryPoints(m_program, m_radio));
    }

    void TearDown() override { UnloadModule(m_program); }

    QTemporaryDir m_appDir;
    std::unique_ptr<RecordingModule> m_recording;
    ModuleHandle m_program = nullptr;
    RadioEntryPoints m_radio;
};

TEST_F(RecordingModuleTest, LogsEveryCallWithItsArgumentsInOrder)
{
    std::int32_t low = 0;
    std::int32_t high = 0;
    std::int32_t other = 0;
    m_radio.HaveRadio();
    m_radio.SetLocation(0);
    m_radio.SetMode(0);
    m_radio.GetLocation(1, &low, &high, &other);
    m_radio.SetFrequency(0, 9500);
    m_radio.OneStep(1);
    m_radio.GetFrequency(0);
    m_radio.CloseRadio();

    EXPECT_EQ(m_recording->Log(), (Log{"HaveRadio()", "SetLocation(0)", "SetMode(0)", "GetLocation(1)",
                                       "SetFrequency(0, 9500)", "OneStep(1)", "GetFrequency(0)", "CloseRadio()"}));
    m_recording->ClearLog();
    EXPECT_TRUE(m_recording->Log().empty());
}

TEST_F(RecordingModuleTest, AnswersAsScripted)
{
    m_recording->SetHaveRadio(0);
    m_recording->SetBand(8800, 10600, 7);
    m_recording->SetTunedFrequency(9000);
    m_recording->QueueFrequencies({9100, 9200});

    EXPECT_EQ(m_radio.HaveRadio(), 0);
    std::int32_t low = 0;
    std::int32_t high = 0;
    std::int32_t other = 0;
    m_radio.GetLocation(1, &low, &high, &other);
    EXPECT_EQ((std::vector{low, high, other}), (std::vector{8800, 10600, 7}));
    EXPECT_EQ(m_radio.GetFrequency(0), 9100);
    EXPECT_EQ(m_radio.GetFrequency(0), 9200);
    EXPECT_EQ(m_radio.GetFrequency(0), 9200);
    m_radio.OneStep(1);
    EXPECT_EQ(m_radio.GetFrequency(0), 9205);
    m_radio.SetFrequency(3, 9900);
    EXPECT_EQ(m_radio.GetFrequency(3), 9900);

    m_recording->Reset();
    EXPECT_EQ(m_radio.HaveRadio(), 1);
    EXPECT_EQ(m_recording->Log(), Log{"HaveRadio()"});
}

TEST_F(RecordingModuleTest, UnscriptedScanReturnsAtOnceAndScriptedOneAfterItsTicks)
{
    m_recording->SetTunedFrequency(9000);
    m_recording->MarkScanReturns(true);
    m_radio.AutoScan(1);
    EXPECT_EQ(m_radio.GetFrequency(0), 9000);

    m_recording->SetTickInterval(1);
    m_recording->QueueScan(3, 9500);
    std::vector<std::int32_t> duringScan;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] { duringScan.push_back(m_recording->ScanDepth()); });
    watcher.start(0);
    m_radio.AutoScan(0);
    EXPECT_EQ(m_radio.GetFrequency(0), 9500);
    EXPECT_FALSE(duringScan.empty());
    EXPECT_EQ(m_recording->ScanDepth(), 0);
    EXPECT_EQ(m_recording->Log(), (Log{"AutoScan(1)", "AutoScan(1) returned", "GetFrequency(0)", "AutoScan(0)",
                                       "AutoScan(0) returned", "GetFrequency(0)"}));
}

TEST_F(RecordingModuleTest, ScanUntilStoppedEndsOnStopFromInsideTheWait)
{
    m_recording->SetTunedFrequency(10790);
    m_recording->SetTickInterval(1);
    m_recording->QueueScan(RecordingModule::UntilStopped);
    m_recording->MarkScanReturns(true);
    std::int32_t seen = 0;
    QTimer scanTimer;
    QObject::connect(&scanTimer, &QTimer::timeout, [&] {
        if (m_recording->TunedFrequency() < 10790) {
            scanTimer.stop();
            seen = m_radio.GetFrequency(0);
            m_radio.AutoScan(-1);
            m_radio.SetFrequency(0, 10790);
        }
    });
    scanTimer.start(0);
    m_radio.AutoScan(1);

    EXPECT_LT(seen, 10790) << "the scan should have wrapped past the top";
    EXPECT_EQ(m_radio.GetFrequency(0), 10790);
    EXPECT_EQ(m_recording->Log(), (Log{"AutoScan(1)", "GetFrequency(0)", "AutoScan(-1)", "SetFrequency(0, 10790)",
                                       "AutoScan(1) returned", "GetFrequency(0)"}));
}

TEST(RecordingModuleInstallTest, ReinstallingKeepsTheLoadedInstanceAndUnloadedOneIsReplaced)
{
    QTemporaryDir appDir;
    ASSERT_TRUE(appDir.isValid());
    const std::string dir = appDir.path().toStdString();
    {
        RecordingModule first(dir);
        first.SetHaveRadio(7);
        RecordingModule again(dir, RecordingModule::Variant::WithoutGetStereo);
        EXPECT_EQ(again.Handle(), first.Handle());
        EXPECT_NE(FindEntryPoint(again.Handle(), "GetStereo"), nullptr);
    }
    RecordingModule lacking(dir, RecordingModule::Variant::WithoutGetStereo);
    EXPECT_EQ(FindEntryPoint(lacking.Handle(), "GetStereo"), nullptr);
}

TEST(RecordingModuleInstallTest, RefusesTheBuiltAppDir)
{
    EXPECT_THROW(RecordingModule(SOLVANE_APPDIR_BUILT), std::runtime_error);
}

}
