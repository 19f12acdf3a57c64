#include "Preview.h"

#include "ArtKit.h"
#include "SkinPalette.h"
#include "SkinTable.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

const QColor Caption{214, 222, 232};

const QImage& File(const SkinSet& set, const std::string& path)
{
    return set.files.at(path);
}

bool IsKey(QRgb pixel)
{
    return qRed(pixel) == SkinKeyRed && qGreen(pixel) == SkinKeyGreen && qBlue(pixel) == SkinKeyBlue;
}

void DrawKeyed(QImage& canvas, QPoint at, const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (!IsKey(pixel) && canvas.rect().contains(at.x() + x, at.y() + y))
                canvas.setPixel(at.x() + x, at.y() + y, pixel);
        }
    }
}

void DrawOpaque(QImage& canvas, QPoint at, const QImage& picture)
{
    QPainter p(&canvas);
    p.drawImage(at, picture);
}

// The program's digit text: right-aligned in its cells, blank then figure.
void DrawDigits(QImage& canvas, const SkinSet& set, QPoint at, const std::string& text, bool large, int cells,
                bool secondBlank)
{
    const std::string prefix = large ? "Number/" : "Number/s_";
    const int advance = large ? 14 : 7;
    const std::string padded = std::string(size_t(cells) - text.size(), '*') + text;
    for (int k = 0; k < cells; ++k) {
        const char c = padded[size_t(k)];
        const QPoint cell = at + QPoint(k * advance, 0);
        DrawKeyed(canvas, cell, File(set, prefix + (secondBlank ? "n2.bmp" : "n.bmp")));
        std::string name = c == '*' ? (secondBlank ? "n2" : "n") : c == '.' ? "dot" : std::string(1, c);
        DrawKeyed(canvas, cell, File(set, prefix + name + ".bmp"));
    }
}

QImage Shaped(const QImage& picture, const QImage& shape)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            if (IsKey(shape.pixel(x, y)))
                out.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
    }
    return out;
}

// The face while playing: the readout, the name, a page of presets, the
// dial with its pointer, the clock and the volume dot.
QImage PlayingFace(const SkinSet& set)
{
    QImage face = File(set, "main_on.jpg").convertToFormat(QImage::Format_RGB32);
    DrawDigits(face, set, {145, 117}, "98.30", true, 6, false);
    {
        QPainter p(&face);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(8);
        p.setFont(font);
        p.setPen(Palette::FaceText);
        p.drawText(QPoint(147, 100 + QFontMetrics(font).ascent()), QStringLiteral("Nordwelle Kult"));
    }
    const std::array<const char*, 12> presets = {"87.60", "89.10", "91.40", "93.00", "94.70", "96.20",
                                                 "98.30", "100.50", "101.90", "103.40", "105.10", "107.70"};
    for (int r = 0; r < 12; ++r) {
        const int k = r % 6;
        const int column = r < 6 ? 0 : 66;
        DrawDigits(face, set, {271 + column, 74 + 15 * k}, std::to_string(r + 1), false, 2, false);
        DrawDigits(face, set, {288 + column, 74 + 15 * k}, presets[size_t(r)], false, 6, false);
    }
    // Hover on row 3 and pressed on row 8, as the mouse would leave them.
    DrawOpaque(face, {287, 103}, File(set, "MainBtn/channel_o.bmp"));
    DrawDigits(face, set, {288, 104}, presets[2], false, 6, false);
    DrawOpaque(face, {353, 88}, File(set, "MainBtn/channel_d.bmp"));
    DrawDigits(face, set, {354, 89}, presets[7], false, 6, false);

    // Dial for the band 87.50 to 108.00 MHz.
    {
        QPainter p(&face);
        p.setPen(Palette::FaceText);
        p.drawLine(80, 185, 284, 185);
        p.drawPoint(285, 185);
        for (int k = 0; 285 - 5 * k >= 80; ++k) {
            const int x = 285 - 5 * k;
            p.drawLine(x, k % 4 == 0 ? 178 : 181, x, 184);
        }
    }
    DrawDigits(face, set, {68, 187}, "87.50", false, 5, true);
    DrawDigits(face, set, {261, 187}, "108.00", false, 6, true);
    constexpr std::array<const char*, 13> pointer = {
        "..B.................B..", ".B..C.............C..B.", "CC.CB.............BC.CC", "B..B..BBBBBBBBBBB..B..B",
        "B..B..B....B....B..B..B", "CC.CB..B...B...B..BC.CC", ".B..C...B..B..B...C..B.", "..B......B.B.B......B..",
        "..........BBB..........", "...........B...........", "...........B...........", "...........B...........",
        "...........B...........",
    };
    const int pointerLeft = (9830 - 8750) / 10 + 80 - 11;
    for (int y = 0; y < 13; ++y) {
        for (int x = 0; x < 23; ++x) {
            const char c = pointer[size_t(y)][size_t(x)];
            if (c != '.')
                face.setPixel(pointerLeft + x, 164 + y, c == 'B' ? qRgb(0, 47, 143) : qRgb(15, 183, 197));
        }
    }
    DrawDigits(face, set, {254, 223}, "21", false, 2, true);
    DrawDigits(face, set, {274, 223}, "47", false, 2, true);
    DrawDigits(face, set, {294, 223}, "05", false, 2, true);
    // Volume dot at knob step 16.
    constexpr std::array<const char*, 4> dot = {".AA.", "ABBC", "ABBD", ".AD."};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const char c = dot[size_t(y)][size_t(x)];
            const QRgb colour = c == 'A' ? qRgb(70, 146, 159)
                                : c == 'B' ? qRgb(41, 255, 255)
                                : c == 'C' ? qRgb(43, 204, 204)
                                           : qRgb(42, 203, 203);
            if (c != '.')
                face.setPixel(373 + x, 253 + y, colour);
        }
    }
    return face;
}

void Title(QPainter& p, const QPointF& at, const QString& text)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Caption);
    p.drawText(at, text);
}

void DialogText(QPainter& p, const QPointF& topLeft, const QString& text, int pointSize, bool bold,
                const QColor& colour)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(topLeft + QPointF(0, QFontMetrics(font).ascent()), text);
}

QImage StoreDialog(const SkinSet& set)
{
    QImage d = File(set, "Extend/panel_bg.bmp").convertToFormat(QImage::Format_RGB32);
    DrawOpaque(d, {105, 60}, File(set, "Extend/field_store.bmp"));
    DrawKeyed(d, {257, 75}, File(set, "Extend/bu_ok_o.bmp"));
    DrawKeyed(d, {257, 103}, File(set, "Extend/bu_cancel.bmp"));
    QPainter p(&d);
    const QColor pale(215, 255, 255);
    DialogText(p, {133, 8}, QStringLiteral("Store Channel"), 9, true, pale);
    DialogText(p, {58, 66}, QStringLiteral("Channel"), 8, false, Qt::black);
    DialogText(p, {48, 94}, QStringLiteral("Frequency"), 8, false, Qt::black);
    DialogText(p, {31, 126}, QStringLiteral("Station Name"), 8, false, Qt::black);
    DialogText(p, {111, 65}, QStringLiteral("13"), 8, false, Palette::FaceText);
    DialogText(p, {111, 95}, QStringLiteral("98.30"), 8, false, Palette::FaceText);
    DialogText(p, {111, 127}, QStringLiteral("Nordwelle Kult"), 8, false, Qt::black);
    return Shaped(d, d);
}

QImage EntryDialog(const SkinSet& set)
{
    QImage d = File(set, "Extend/panel_bg.bmp").convertToFormat(QImage::Format_RGB32);
    DrawOpaque(d, {75, 72}, File(set, "Extend/field_editchannel.bmp"));
    DrawKeyed(d, {257, 75}, File(set, "Extend/bu_ok.bmp"));
    DrawKeyed(d, {257, 103}, File(set, "Extend/bu_cancel_d.bmp"));
    QPainter p(&d);
    DialogText(p, {142, 9}, QStringLiteral("Edit Channel"), 9, true, QColor(215, 255, 255));
    DialogText(p, {33, 78}, QStringLiteral("Channel"), 8, false, Qt::black);
    DialogText(p, {125, 78}, QStringLiteral("Frequency"), 8, false, Qt::black);
    DialogText(p, {33, 110}, QStringLiteral("Station Name"), 8, false, Qt::black);
    DialogText(p, {89, 78}, QStringLiteral("3"), 8, false, Palette::FaceText);
    DialogText(p, {187, 80}, QStringLiteral(" 91.40"), 8, false, Palette::FaceText);
    DialogText(p, {107, 111}, QStringLiteral("Kanal Drei"), 8, false, Palette::FaceText);
    return Shaped(d, d);
}

QImage EditorDialog(const SkinSet& set)
{
    QImage d = File(set, "Extend/panel_edit.bmp").convertToFormat(QImage::Format_RGB32);
    DrawOpaque(d, {41, 18 * 3 + 43}, File(set, "Extend/bar_seleted.bmp"));
    DrawKeyed(d, {294, 80}, File(set, "Extend/bu_add.bmp"));
    DrawKeyed(d, {295, 109}, File(set, "Extend/bu_edit_o.bmp"));
    DrawKeyed(d, {295, 137}, File(set, "Extend/bu_del_n.bmp"));
    DrawKeyed(d, {295, 164}, File(set, "Extend/bu_save.bmp"));
    DrawKeyed(d, {295, 192}, File(set, "Extend/bu_cancel.bmp"));
    DrawOpaque(d, {225, 245}, File(set, "Extend/bu_up_n.bmp"));
    DrawOpaque(d, {256, 245}, File(set, "Extend/bu_dn_o.bmp"));
    QPainter p(&d);
    DialogText(p, {182, 10}, QStringLiteral("Edit Channel"), 9, true, QColor(215, 255, 255));
    DialogText(p, {70, 44}, QStringLiteral("Frequency"), 8, false, Qt::black);
    DialogText(p, {170, 44}, QStringLiteral("Station Name"), 8, false, Qt::black);
    const std::array<const char*, 9> names = {"Radio Alba", "Kult FM", "Kanal Drei", "Nordwelle", "Jazzhaus",
                                              "Stadtfunk", "Nordwelle Kult", "Klassik 101", "Hafenradio"};
    const std::array<const char*, 9> freqs = {"  87.60", "  89.10", "  91.40", "  93.00", "  94.70",
                                              "  96.20", "  98.30", "100.50", "101.90"};
    for (int r = 1; r <= 9; ++r) {
        const int y = 18 * r + 45;
        DialogText(p, {46, double(y)}, QStringLiteral("  %1").arg(r), 8, false, Palette::FaceText);
        DialogText(p, {76, double(y)}, QString::fromLatin1(freqs[size_t(r - 1)]), 8, false, Palette::FaceText);
        DialogText(p, {156, double(y)}, QString::fromLatin1(names[size_t(r - 1)]), 8, false, Palette::FaceText);
    }
    return Shaped(d, d);
}

// A strip of looks side by side, enlarged by scale; keyed pictures are shown
// on the dialog panel's colour, as the dialogs show them.
int LookStrip(QPainter& p, QPoint at, const SkinSet& set, const std::vector<std::string>& paths, int scale)
{
    int x = at.x();
    for (const std::string& path : paths) {
        QImage picture = File(set, path);
        if (path.rfind("Extend/bu_", 0) == 0 && path.find("_mask") == std::string::npos) {
            QImage backed = NewCanvas(picture.width(), picture.height(), Palette::PanelBody)
                                .convertToFormat(QImage::Format_RGB32);
            DrawKeyed(backed, {0, 0}, picture);
            picture = backed;
        }
        const QImage big = picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        p.drawImage(QPoint(x, at.y()), big);
        x += big.width() + 4;
    }
    return x - at.x();
}

} // namespace

QImage ComposePreview(const SkinSet& set)
{
    QImage canvas(1120, 1290, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&canvas);
    QLinearGradient desk(0, 0, 0, canvas.height());
    desk.setColorAt(0, QColor(52, 62, 76));
    desk.setColorAt(1, QColor(24, 28, 36));
    p.fillRect(canvas.rect(), desk);
    p.setRenderHint(QPainter::Antialiasing);

    const QImage& mask = File(set, "mask.bmp");
    Title(p, {24, 28}, QStringLiteral("Radio on, playing"));
    p.drawImage(QPoint(24, 40), Shaped(PlayingFace(set), mask));
    Title(p, {572, 28}, QStringLiteral("Radio off"));
    p.drawImage(QPoint(572, 40), Shaped(File(set, "main_off.jpg"), mask));

    Title(p, {24, 410}, QStringLiteral("Controls: normal, hover, pressed (twice size)"));
    const std::vector<std::vector<std::string>> rows = {
        {"bu_tuneL", "bu_scanL", "bu_stop", "bu_scanR", "bu_tuneR"},
        {"bu_1", "bu_2", "bu_3", "bu_4", "bu_4a"},
        {"bu_5", "bu_5a", "bu_power", "bu_scale", "bu_close", "bu_up", "bu_dn"},
    };
    int y = 424;
    for (const auto& row : rows) {
        int x = 24;
        int height = 0;
        for (const std::string& base : row) {
            const std::string path = "MainBtn/" + base;
            const int width = LookStrip(p, {x, y}, set, {path + ".bmp", path + "_o.bmp", path + "_d.bmp"}, 2);
            height = std::max(height, File(set, path + ".bmp").height() * 2);
            x += width + 14;
        }
        y += height + 14;
    }
    int x = 24;
    x += LookStrip(p, {x, y}, set, {"MainBtn/bu_5_off.bmp", "MainBtn/bu_5a_off.bmp", "MainBtn/bu_6.bmp"}, 2) + 22;
    x += LookStrip(p, {x, y}, set,
                   {"MainBtn/index.bmp", "MainBtn/channel.bmp", "MainBtn/channel_o.bmp", "MainBtn/channel_d.bmp"}, 2) +
         22;
    y += 74;
    x = 24;
    for (const char* name : {"ok", "cancel", "add", "edit", "del", "save"}) {
        const std::string base = std::string("Extend/bu_") + name;
        std::vector<std::string> looks = {base + ".bmp", base + "_o.bmp", base + "_d.bmp"};
        if (std::string(name) == "edit" || std::string(name) == "del")
            looks.push_back(base + "_n.bmp");
        x += LookStrip(p, {x, y}, set, looks, 1) + 16;
    }
    x = 24;
    y += 30;
    for (const char* name : {"up", "dn"}) {
        const std::string base = std::string("Extend/bu_") + name;
        x += LookStrip(p, {x, y}, set, {base + "_n.bmp", base + "_o.bmp", base + "_d.bmp"}, 1) + 16;
    }
    x += LookStrip(p, {x, y}, set, {"Extend/bar_seleted.bmp"}, 1) + 16;

    Title(p, QPointF(24, y + 50), QStringLiteral("Dialogs: store, channel entry, station list"));
    p.drawImage(QPoint(24, y + 62), StoreDialog(set));
    p.drawImage(QPoint(386, y + 62), EntryDialog(set));
    p.drawImage(QPoint(748, y + 62), EditorDialog(set));
    p.end();
    return canvas.copy(0, 0, canvas.width(), y + 62 + 286 + 24);
}
