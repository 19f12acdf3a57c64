#include "DesktopSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>

namespace {
DesktopSession* current = nullptr;
}

DesktopSession& DesktopSession::Current()
{
    return *current;
}

DesktopSession::DesktopSession()
{
    current = this;
    // -displayfd lets the server pick a free display and tell us its number.
    m_xvfb.setProgram(QStringLiteral("Xvfb"));
    m_xvfb.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                         QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                         QStringLiteral("tcp")});
    m_xvfb.setProcessChannelMode(QProcess::SeparateChannels);
    m_xvfb.start();
    if (!m_xvfb.waitForStarted(5000))
        return;
    QByteArray number;
    QElapsedTimer clock;
    clock.start();
    while (!number.contains('\n') && clock.elapsed() < 10000) {
        m_xvfb.waitForReadyRead(200);
        number += m_xvfb.readAllStandardOutput();
    }
    m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    qputenv("DISPLAY", m_display.toLatin1());
}

DesktopSession::~DesktopSession()
{
    m_xvfb.terminate();
    m_xvfb.waitForFinished(3000);
}

QString DesktopSession::XdoTool(const QStringList& arguments) const
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

PlayerInstall::PlayerInstall()
{
    const QDir built(QStringLiteral(SOLVANE_APPDIR_BUILT));
    const QDir target(m_dir.path());
    bool ok = m_dir.isValid() && m_runtime.isValid();
    for (const char* name : {"solvane", "libTessmod.so", "libContora.so"})
        ok = ok && QFile::copy(built.filePath(QString::fromLatin1(name)), target.filePath(QString::fromLatin1(name)));
    ok = ok && QFile::link(built.filePath(QStringLiteral("RES")), target.filePath(QStringLiteral("RES")));
    QFile::setPermissions(target.filePath(QStringLiteral("solvane")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_ready = ok;
}

void PlayerInstall::WritePresets(const QByteArray& contents) const
{
    QFile file(PresetFile());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
}

QByteArray PlayerInstall::ReadPresets() const
{
    QFile file(PresetFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::unique_ptr<QProcess> PlayerInstall::Start(const DesktopSession& session) const
{
    auto player = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), session.Display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    player->setProcessEnvironment(environment);
    player->setProgram(QDir(m_dir.path()).filePath(QStringLiteral("solvane")));
    player->start();
    player->waitForStarted(5000);
    return player;
}

QImage GrabScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32) : QImage();
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
    return true;
}

QPoint PlayerWindowOrigin(const DesktopSession& session)
{
    const QString window =
        session.XdoTool({QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("^Solvane$")})
            .section(QLatin1Char('\n'), 0, 0);
    if (window.isEmpty())
        return {-1, -1};
    const QString geometry = session.XdoTool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    int x = -1;
    int y = -1;
    for (const QString& line : geometry.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("X=")))
            x = line.mid(2).toInt();
        else if (line.startsWith(QLatin1String("Y=")))
            y = line.mid(2).toInt();
    }
    return {x, y};
}

QPoint ControlPoint(const QString& maskResPath, int x, int y)
{
    QString path = maskResPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QImage mask = QImage(QDir(QStringLiteral(SOLVANE_APPDIR_BUILT)).filePath(path)).convertToFormat(QImage::Format_RGB32);
    const QRgb key = qRgb(255, 189, 255);
    long long sumX = 0;
    long long sumY = 0;
    long long count = 0;
    for (int row = 0; row < mask.height(); ++row)
        for (int column = 0; column < mask.width(); ++column)
            if (mask.pixel(column, row) != key) {
                sumX += column;
                sumY += row;
                ++count;
            }
    if (count == 0)
        return {-1, -1};
    const QPoint centre(static_cast<int>(sumX / count), static_cast<int>(sumY / count));
    QPoint best(-1, -1);
    int bestDistance = 0;
    for (int row = 0; row < mask.height(); ++row)
        for (int column = 0; column < mask.width(); ++column) {
            if (mask.pixel(column, row) == key)
                continue;
            const int distance = (QPoint(column, row) - centre).manhattanLength();
            if (best.x() < 0 || distance < bestDistance) {
                best = {column, row};
                bestDistance = distance;
            }
        }
    return best + QPoint(x, y);
}
