#include "RadioFixture.h"

#include "SkinImage.h"
#include "SkinPicture.h"

#include <QDir>
#include <QFile>

RadioFixture::RadioFixture() = default;

RadioFixture::~RadioFixture()
{
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
    if (!module)
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
        auto device = std::make_unique<AcpiDeviceRecording>(acpiPresence);
        acpi = device.get();
        return device;
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
