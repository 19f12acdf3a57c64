#include "DialogFixture.h"

#include "SkinImage.h"
#include "SkinPicture.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

class ShowCounter : public QObject {
public:
    ShowCounter(std::map<const QWidget*, int>& shows, QObject* parent) : QObject(parent), m_shows(shows) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++m_shows[static_cast<QWidget*>(watched)];
        return false;
    }

private:
    std::map<const QWidget*, int>& m_shows;
};

void SendMouse(SkinDialog* dialog, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), dialog->imgBackground->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(dialog->imgBackground, &event);
}

}

DialogFixture::DialogFixture()
{
    m_watchdog.setSingleShot(false);
    m_watchdog.setInterval(10000);
    QObject::connect(&m_watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a dialog stayed open: " << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    m_watchdog.start();
}

DialogFixture::~DialogFixture()
{
    m_watchdog.stop();
}

TfrmRadio& DialogFixture::CreateWithDialogs()
{
    TfrmRadio& window = Create();
    store = new TfrmStore(state, &messages, &window);
    edit = new TfrmEdit(state, &messages, &window);
    entry = new TfrmEditSub(state, &messages, edit);
    edit->SetEntryDialog(entry);
    window.SetDialogs(store, edit);
    m_showCounter = new ShowCounter(m_shows, &window);
    for (QWidget* dialog : std::initializer_list<QWidget*>{store, edit, entry})
        dialog->installEventFilter(m_showCounter);
    window.show();
    return window;
}

void DialogFixture::TearDown()
{
    EXPECT_EQ(m_pendingActions, 0) << "a dialog the case waited for never opened";
}

void DialogFixture::WhenShown(QDialog* dialog, std::function<void()> action)
{
    ++m_pendingActions;
    QTimer::singleShot(0, dialog, [this, dialog, action = std::move(action)] {
        --m_pendingActions;
        EXPECT_TRUE(dialog->isVisible()) << "the dialog did not open";
        action();
    });
}

int DialogFixture::Shows(QWidget* dialog) const
{
    const auto found = m_shows.find(dialog);
    return found == m_shows.end() ? 0 : found->second;
}

void DialogFixture::LoseSkinPicture(const QString& resPath)
{
    const QString res = dir.filePath(QStringLiteral("RES"));
    // The AppDir's RES is a link to the built skin until a picture is lost.
    const QString builtRes = QFileInfo(res).symLinkTarget();
    ASSERT_FALSE(builtRes.isEmpty()) << "the skin has already lost a picture";
    const QDir built = QFileInfo(builtRes).dir();
    const QString lost = QString(resPath).replace(QLatin1Char('\\'), QLatin1Char('/'));
    ASSERT_TRUE(QFile::remove(res));
    ASSERT_TRUE(QDir().mkpath(res));
    QDirIterator files(builtRes, QDir::Files, QDirIterator::Subdirectories);
    bool found = false;
    while (files.hasNext()) {
        const QString source = files.next();
        const QString relative = built.relativeFilePath(source);
        if (relative == lost) {
            found = true;
            continue;
        }
        ASSERT_TRUE(QDir().mkpath(QFileInfo(dir.filePath(relative)).path()));
        ASSERT_TRUE(QFile::link(source, dir.filePath(relative)));
    }
    ASSERT_TRUE(found) << "no such skin picture: " << resPath.toStdString();
}

QPoint DialogFixture::Inside(const QRegion& region)
{
    return region.isEmpty() ? QPoint(-1, -1) : region.begin()->center();
}

void DialogFixture::Press(SkinDialog* dialog, QPoint at)
{
    SendMouse(dialog, QEvent::MouseButtonPress, at, Qt::LeftButton);
}

void DialogFixture::Release(SkinDialog* dialog, QPoint at)
{
    SendMouse(dialog, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void DialogFixture::Move(SkinDialog* dialog, QPoint at)
{
    SendMouse(dialog, QEvent::MouseMove, at, Qt::NoButton);
}

void DialogFixture::Click(SkinDialog* dialog, QPoint at)
{
    Press(dialog, at);
    Release(dialog, at);
}

void DialogFixture::Key(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

void DialogFixture::Type(QWidget* target, const QString& text)
{
    for (QChar c : text) {
        const int key = c.isDigit() ? Qt::Key_0 + c.digitValue() : c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

bool DialogFixture::CanvasShows(const QImage& canvas, int x, int y, const QString& resPath, bool keyed,
                                int fromColumn) const
{
    const QImage picture = Picture(resPath);
    for (int row = 0; row < picture.height(); ++row)
        for (int column = fromColumn; column < picture.width(); ++column) {
            const QRgb pixel = picture.pixel(column, row);
            if (keyed && pixel == TransparentKey())
                continue;
            if (canvas.pixel(x + column, y + row) != pixel)
                return false;
        }
    return true;
}

QByteArray DialogFixture::ChannelSection(const std::vector<int>& frequencies)
{
    QByteArray text = "[Channel]\nNum=" + QByteArray::number(static_cast<int>(frequencies.size())) + "\n";
    for (std::size_t k = 0; k < frequencies.size(); ++k)
        text += QByteArray::number(static_cast<int>(k + 1)) + "=" + QByteArray::number(frequencies[k]) + "\n";
    return text;
}
