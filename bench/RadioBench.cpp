// What the radio face costs per event: the mouse handlers read every
// picture they draw from disk, and the power-on restore reads the preset
// file once per key, so these run against the generated skin and a real
// preset file in a temporary program folder.
#include "AcpiDeviceRecording.h"
#include "MixerMemory.h"
#include "PresetFile.h"
#include "Radio.h"
#include "SkinPicture.h"
#include "UserMessages.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegion>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

class SilentMessages : public UserMessages {
public:
    void Show(const UserMessage& message) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(message.text));
    }
};

// A program folder holding the simulated tuner, the region library, the
// skin and a preset file with a full first page of channels.
class BenchInstall {
public:
    BenchInstall()
    {
        const QDir built(QStringLiteral(SOLVANE_APPDIR_BUILT));
        const QDir target(m_dir.path());
        for (const char* name : {"libTessmod.so", "libContora.so"})
            QFile::copy(built.filePath(QString::fromLatin1(name)), target.filePath(QString::fromLatin1(name)));
        QFile::link(built.filePath(QStringLiteral("RES")), target.filePath(QStringLiteral("RES")));

        PresetFile presets(PresetPath());
        presets.WriteString(QStringLiteral("LastOne"), QStringLiteral("LastChannel"), QStringLiteral("9640"));
        presets.WriteInteger(QStringLiteral("Channel"), QStringLiteral("Num"), 20);
        for (int channel = 1; channel <= 20; ++channel)
            presets.WriteInteger(QStringLiteral("Channel"), QString::number(channel), 8750 + 100 * channel);
        presets.WriteString(QStringLiteral("Station"), QStringLiteral("9640"), QStringLiteral("City Radio"));
    }

    QString AppDir() const { return m_dir.path() + QLatin1Char('/'); }
    QString PresetPath() const { return m_dir.filePath(QStringLiteral("Solvane.cfg")); }

private:
    QTemporaryDir m_dir;
};

struct Radio {
    BenchInstall install;
    MixerMemory mixer;
    SilentMessages messages;
    RadioState state;
    std::unique_ptr<TfrmRadio> window;

    Radio()
    {
        RadioServices services;
        services.AppDir = install.AppDir();
        services.Messages = &messages;
        services.CreateAcpiDevice = [] { return std::make_unique<AcpiDeviceRecording>(); };
        services.OpenMixer = [this] { return mixer.Open(); };
        window = std::make_unique<TfrmRadio>(state, std::move(services));
        window->show();
        QCoreApplication::processEvents();
    }
};

Radio* radio = nullptr;

constexpr int ScanUpSlot = 12;
constexpr int TuneUpSlot = 13;

// The middle of the largest rectangle of a control's hit region.
QPoint Inside(int slot)
{
    QRect best;
    for (const QRect& rect : *radio->state.ButtonRegions[slot])
        if (rect.width() * rect.height() > best.width() * best.height())
            best = rect;
    return best.center();
}

void MouseMoveOverControl(benchmark::State& state)
{
    const QPoint tuneUp = Inside(TuneUpSlot);
    const QPoint scanUp = Inside(ScanUpSlot);
    bool overTuneUp = false;
    for (auto _ : state) {
        // Between two neighbours every move draws a hover picture and
        // repaints the neighbour it left.
        overTuneUp = !overTuneUp;
        const QPoint at = overTuneUp ? tuneUp : scanUp;
        radio->window->imgBackgroundMouseMove(at.x(), at.y());
    }
}
BENCHMARK(MouseMoveOverControl);

void ReleaseOnTuneUp(benchmark::State& state)
{
    const QPoint tuneUp = Inside(TuneUpSlot);
    for (auto _ : state)
        radio->window->imgBackgroundMouseUp(Qt::LeftButton, tuneUp.x(), tuneUp.y());
}
BENCHMARK(ReleaseOnTuneUp);

void RestoreRadioState(benchmark::State& state)
{
    for (auto _ : state)
        radio->window->RestoreRadioState();
}
BENCHMARK(RestoreRadioState);

void DrawSixLargeDigits(benchmark::State& state)
{
    for (auto _ : state)
        radio->window->DrawDigitText(145, 117, QStringLiteral("100.50"), QStringLiteral("L"), 6);
}
BENCHMARK(DrawSixLargeDigits);

void FaceMaskRegion(benchmark::State& state)
{
    const QImage mask = LoadSkinPicture(radio->state.AppDir, QStringLiteral("RES\\mask.bmp"));
    for (auto _ : state) {
        RegionHandle region = radio->state.GetPictureRegion(&mask, radio->state.TransparentColor, 0);
        benchmark::DoNotOptimize(region);
        delete region;
    }
}
BENCHMARK(FaceMaskRegion);

void PresetFileWrite(benchmark::State& state)
{
    PresetFile presets(radio->install.PresetPath());
    int frequency = 8750;
    for (auto _ : state) {
        frequency = frequency == 10800 ? 8750 : frequency + 5;
        presets.WriteString(QStringLiteral("LastOne"), QStringLiteral("LastChannel"), QString::number(frequency));
    }
}
BENCHMARK(PresetFileWrite);

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Radio shared;
    if (shared.window->TerminateRequested()) {
        std::fprintf(stderr, "the radio window did not start\n");
        return 1;
    }
    radio = &shared;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    radio = nullptr;
    return 0;
}
