#include "DesktopSession.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QRgb Key = qRgb(255, 189, 255);

QImage Skin(const QString& resPath)
{
    QString path = resPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QImage(QDir(QStringLiteral(SOLVANE_APPDIR_BUILT)).filePath(path)).convertToFormat(QImage::Format_RGB32);
}

bool Shows(const QImage& screen, const QImage& picture, QPoint at)
{
    int total = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) == Key)
                continue;
            ++total;
            if (!screen.valid(at.x() + x, at.y() + y) || screen.pixel(at.x() + x, at.y() + y) != picture.pixel(x, y))
                return false;
        }
    return total > 0;
}

// The text of a channel list row on the face: six cells of small digits,
// each cell the glyph the screen shows exactly (the fullest where several
// do), blank cells left out.
QString RowText(const QImage& screen, QPoint origin, int row)
{
    static const QStringList glyphs = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                       QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                                       QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"),
                                       QStringLiteral("9"), QStringLiteral("dot")};
    const bool left = row < 6;
    const QPoint first = origin + QPoint(left ? 288 : 354, 74 + 15 * (left ? row : row - 6));
    QString text;
    for (int cell = 0; cell < 6; ++cell) {
        QString best;
        int bestPixels = 0;
        for (const QString& glyph : glyphs) {
            const QImage picture = Skin(QStringLiteral("RES\\Number\\s_") + glyph + QStringLiteral(".bmp"));
            int pixels = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    pixels += picture.pixel(x, y) != Key;
            if (pixels > bestPixels && Shows(screen, picture, first + QPoint(7 * cell, 0))) {
                best = glyph == QLatin1String("dot") ? QStringLiteral(".") : glyph;
                bestPixels = pixels;
            }
        }
        text += best;
    }
    return text;
}

// The top-left corner of a visible window with exactly this title, or
// (-1, -1).
QPoint WindowOrigin(const QString& title)
{
    const DesktopSession& session = DesktopSession::Current();
    const QString window = session
                               .XdoTool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                         QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')})
                               .section(QLatin1Char('\n'), 0, 0);
    if (window.isEmpty())
        return {-1, -1};
    const QString geometry = session.XdoTool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    QPoint origin(-1, -1);
    for (const QString& line : geometry.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("X=")))
            origin.setX(line.mid(2).toInt());
        else if (line.startsWith(QLatin1String("Y=")))
            origin.setY(line.mid(2).toInt());
    }
    return origin;
}

QByteArray Channels(const QList<int>& frequencies)
{
    QByteArray text = "[Channel]\nNum=" + QByteArray::number(frequencies.size()) + "\n";
    for (int k = 0; k < frequencies.size(); ++k)
        text += QByteArray::number(k + 1) + "=" + QByteArray::number(frequencies[k]) + "\n";
    return text;
}

class PresetsDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(install.Ready());
        install.WritePresets("[LastOne]\nLastChannel=9630\n" +
                             Channels({8800, 8900, 9000, 9100, 9200, 9300, 9400, 9500, 9600}));
        player = install.Start(DesktopSession::Current());
        ASSERT_TRUE(WaitFor([] { return PlayerWindowOrigin(DesktopSession::Current()).x() >= 0; }, 10000));
        origin = PlayerWindowOrigin(DesktopSession::Current());
        ASSERT_TRUE(WaitFor([this] { return RowText(GrabScreen(), origin, 0) == QStringLiteral("88.00"); }, 5000));
    }

    void TearDown() override
    {
        if (player && player->state() == QProcess::Running) {
            player->kill();
            player->waitForFinished(3000);
        }
    }

    static void ClickAt(QPoint at)
    {
        const DesktopSession& session = DesktopSession::Current();
        session.XdoTool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
        session.XdoTool({QStringLiteral("click"), QStringLiteral("1")});
    }
    static void Keys(const QString& keys) { DesktopSession::Current().XdoTool({QStringLiteral("key"), keys}); }
    static void TypeText(const QString& text)
    {
        DesktopSession::Current().XdoTool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
    }

    // Opens a dialog by a click and waits until it stands on the screen,
    // painted: its first button shows at its place. Returns (-1, -1) when
    // it did not come.
    static QPoint Opened(QPoint click, const QString& title)
    {
        ClickAt(click);
        // The editor's first button is Add; the other dialogs' is OK.
        const bool editor = title == QLatin1String("Edit Channel");
        const QImage button = Skin(QStringLiteral("RES\\Extend\\") +
                                   (editor ? QStringLiteral("bu_add.bmp") : QStringLiteral("bu_ok.bmp")));
        const QPoint place = editor ? QPoint(294, 80) : QPoint(257, 75);
        QPoint at(-1, -1);
        const bool painted = WaitFor(
            [&] {
                at = WindowOrigin(title);
                return at.x() >= 0 && Shows(GrabScreen(), button, at + place);
            },
            5000);
        return painted ? at : QPoint(-1, -1);
    }
    static bool Closed(const QString& title)
    {
        return WaitFor([&] { return WindowOrigin(title).x() < 0; }, 5000);
    }

    QPoint Face(const char* mask, int x, int y) const
    {
        return origin + ControlPoint(QStringLiteral("RES\\MainBtn\\") + QLatin1String(mask), x, y);
    }
    static QPoint Button(QPoint dialog, int x, int y)
    {
        return dialog + ControlPoint(QStringLiteral("RES\\Extend\\bu_mask.bmp"), x, y);
    }
    // A row of the station list editor, clicked near its left end.
    static QPoint Row(QPoint editor, int row) { return editor + QPoint(50, 18 * row + 47); }

    bool ListShows(int row, const QString& text) const
    {
        return WaitFor([&] { return RowText(GrabScreen(), origin, row) == text; }, 5000);
    }

    PlayerInstall install;
    std::unique_ptr<QProcess> player;
    QPoint origin;
};

TEST_F(PresetsDesktop, StoresThePlayingStationUnderANewChannel)
{
    const QPoint store = Opened(Face("bu_2_m.bmp", 156, 263), QStringLiteral("Store Channel"));
    ASSERT_GE(store.x(), 0) << "the store dialog did not open";
    EXPECT_EQ(store, origin + QPoint(100, 330));

    TypeText(QStringLiteral("City Radio"));
    Keys(QStringLiteral("Return"));
    ASSERT_TRUE(Closed(QStringLiteral("Store Channel")));

    EXPECT_TRUE(ListShows(9, QStringLiteral("96.30")));
    EXPECT_TRUE(install.ReadPresets().contains("\n10=9630\n"));
    EXPECT_TRUE(install.ReadPresets().contains("\nNum=10\n"));
    EXPECT_TRUE(install.ReadPresets().contains("\n9630=City Radio\n"));
    // The name field shows a name instead of its empty picture.
    EXPECT_FALSE(Shows(GrabScreen(), Skin(QStringLiteral("RES\\MainBtn\\name_mask.bmp")), origin + QPoint(127, 101)));
    EXPECT_EQ(PlayerWindowOrigin(DesktopSession::Current()), origin);
}

TEST_F(PresetsDesktop, EditsTheListAndSavesOrCancels)
{
    const QPoint editor = Opened(Face("bu_3_m.bmp", 190, 255), QStringLiteral("Edit Channel"));
    ASSERT_GE(editor.x(), 0) << "the station list editor did not open";
    EXPECT_EQ(editor, origin + QPoint(0, 250));

    // Add a tenth channel by typing its frequency and a name.
    QPoint entry = Opened(Button(editor, 294, 80), QStringLiteral("Channel"));
    ASSERT_GE(entry.x(), 0) << "the entry dialog did not open for add";
    EXPECT_EQ(entry, editor + QPoint(350, 50));
    TypeText(QStringLiteral("10100"));
    Keys(QStringLiteral("Return"));
    ASSERT_TRUE(Closed(QStringLiteral("Channel")));

    // Change channel 2 to 99.00.
    ClickAt(Row(editor, 2));
    entry = Opened(Button(editor, 295, 109), QStringLiteral("Channel"));
    ASSERT_GE(entry.x(), 0) << "the entry dialog did not open for edit";
    TypeText(QStringLiteral("09900"));
    Keys(QStringLiteral("Return"));
    ASSERT_TRUE(Closed(QStringLiteral("Channel")));

    // Ten presets: channel 1 can be deleted.
    ClickAt(Row(editor, 1));
    ClickAt(Button(editor, 295, 137));
    ClickAt(Button(editor, 295, 164));
    ASSERT_TRUE(Closed(QStringLiteral("Edit Channel")));

    const QByteArray saved = Channels({9900, 9000, 9100, 9200, 9300, 9400, 9500, 9600, 10100});
    EXPECT_TRUE(WaitFor([&] { return install.ReadPresets().contains(saved); }, 3000)) << install.ReadPresets().constData();
    EXPECT_TRUE(ListShows(0, QStringLiteral("99.00")));
    EXPECT_TRUE(ListShows(8, QStringLiteral("101.00")));
    EXPECT_TRUE(ListShows(9, QString()));

    // Add a channel again, then cancel with Escape: the list stays as
    // saved; only the name the entry dialog wrote for the new frequency
    // (empty here) stays in the file, after the names written before.
    const QByteArray before = install.ReadPresets();
    const QPoint again = Opened(Face("bu_3_m.bmp", 190, 255), QStringLiteral("Edit Channel"));
    ASSERT_GE(again.x(), 0);
    entry = Opened(Button(again, 294, 80), QStringLiteral("Channel"));
    ASSERT_GE(entry.x(), 0);
    TypeText(QStringLiteral("10500"));
    Keys(QStringLiteral("Return"));
    ASSERT_TRUE(Closed(QStringLiteral("Channel")));
    Keys(QStringLiteral("Escape"));
    ASSERT_TRUE(Closed(QStringLiteral("Edit Channel")));

    EXPECT_EQ(install.ReadPresets().toStdString(), (before + "10500=\n").toStdString());
    EXPECT_TRUE(ListShows(9, QString()));
    EXPECT_TRUE(ListShows(0, QStringLiteral("99.00")));
    EXPECT_EQ(PlayerWindowOrigin(DesktopSession::Current()), origin);
}

} // namespace
