#include "RadioFixture.h"

#include "SkinImage.h"
#include "SkinPicture.h"

#include <QDir>
#include <QFile>

namespace {

// The window's handle on the fixture's recording device.
class AcpiHandle final : public AcpiDevice {
public:
    explicit AcpiHandle(AcpiDevice& device) : m_device(device) {}
    bool Open() override { return m_device.Open(); }
    bool IsOpen() const override { return m_device.IsOpen(); }
    bool Control(std::uint32_t code, const AcpiRequest& request, AcpiReply& reply) override
    {
        return m_device.Control(code, request, reply);
    }
    void Close() override { m_device.Close(); }

private:
    AcpiDevice& m_device;
};

} // namespace

RadioFixture::RadioFixture() = default;

RadioFixture::~RadioFixture()
{
    // Close as the program would, so both libraries are unloaded before the
    // next case loads its own.
    if (radio && !radio->TerminateRequested())
        radio->close();
    radio.reset();
    module.reset();
}

QString RadioFixture::AppDir() const
{
    return dir.path() + QLatin1Char('/');
}

void RadioFixture::Install()
{
    if (m_installed)
        return;
    m_installed = true;
    const QDir built(QStringLiteral(SOLVANE_APPDIR_BUILT));
    ASSERT_TRUE(QFile::link(built.filePath(QStringLiteral("RES")), dir.filePath(QStringLiteral("RES"))));
    if (installRegionLibrary) {
        ASSERT_TRUE(QFile::copy(built.filePath(QStringLiteral("libContora.so")),
                                dir.filePath(QStringLiteral("libContora.so"))));
    }
    if (!module && installModule)
        module = std::make_unique<RecordingModule>(AppDir().toStdString(), moduleVariant);
}

void RadioFixture::WritePresets(const QByteArray& contents)
{
    QFile file(dir.filePath(QStringLiteral("Solvane.cfg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

QByteArray RadioFixture::ReadPresets() const
{
    QFile file(dir.filePath(QStringLiteral("Solvane.cfg")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TfrmRadio& RadioFixture::Create()
{
    Install();
    RadioServices services;
    services.AppDir = AppDir();
    services.Messages = &messages;
    services.CreateAcpiDevice = [this]() -> std::unique_ptr<AcpiDevice> {
        m_acpiDevice = std::make_unique<AcpiDeviceRecording>(acpiPresence);
        acpi = m_acpiDevice.get();
        return std::make_unique<AcpiHandle>(*m_acpiDevice);
    };
    services.OpenMixer = [this] { return mixer.Open(); };
    services.Now = [this] { return now; };
    radio = std::make_unique<TfrmRadio>(state, std::move(services));
    return *radio;
}

TfrmRadio& RadioFixture::CreateShown()
{
    TfrmRadio& window = Create();
    window.show();
    return window;
}

void RadioFixture::Close()
{
    radio->close();
}

const QImage& RadioFixture::Face() const
{
    return radio->imgBackground->Canvas();
}

QImage RadioFixture::Picture(const QString& resPath) const
{
    return LoadSkinPicture(AppDir(), resPath).convertToFormat(QImage::Format_RGB32);
}

bool RadioFixture::FaceShows(int x, int y, const QString& resPath, bool keyed) const
{
    const QImage picture = Picture(resPath);
    const QImage& face = Face();
    for (int row = 0; row < picture.height(); ++row)
        for (int column = 0; column < picture.width(); ++column) {
            const QRgb pixel = picture.pixel(column, row);
            if (keyed && pixel == TransparentKey())
                continue;
            if (face.pixel(x + column, y + row) != pixel)
                return false;
        }
    return true;
}
