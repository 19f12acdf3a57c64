#include "SkinSet.h"

#include "ArtKit.h"
#include "ControlArt.h"
#include "DialogArt.h"
#include "DigitArt.h"
#include "FaceArt.h"
#include "SkinPalette.h"
#include "SkinTable.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

#include <set>

namespace {

enum class Family { Round30, Window16, Power26, Tune, PageArrow };

struct Control {
    const char* base; // file base name under MainBtn
    QPoint at;
    Family family;
    Glyph glyph;
};

constexpr QPoint ReadoutAt{145, 117};
constexpr int ReadoutCells = 6;

QImage ControlLook(const QImage& face, const Control& c, Look look)
{
    switch (c.family) {
    case Family::Round30: return RoundButton(face, c.at, 30, c.glyph, look);
    case Family::Window16: return RoundButton(face, c.at, 16, c.glyph, look);
    case Family::Power26: return RoundButton(face, c.at, 26, c.glyph, look);
    case Family::Tune: return TuneKey(face, c.at, c.glyph, look);
    case Family::PageArrow: return PageArrow(face, c.at, c.glyph, look);
    }
    return {};
}

void Stamp(QImage& face, QPoint at, const QImage& picture)
{
    QPainter p(&face);
    p.drawImage(at, picture);
}

void StampKeyed(QImage& face, QPoint at, const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if ((pixel & 0xFFFFFF) != (Palette::Key.rgb() & 0xFFFFFF))
                face.setPixel(at.x() + x, at.y() + y, pixel);
        }
    }
}

QImage Circle33()
{
    QPainterPath circle;
    circle.addEllipse(QPointF(16.5, 16.5), 16.3, 16.3);
    return ShapeFromCoverage(Coverage(circle, 33, 33));
}

QImage FaceSizedShape(const QImage& shape, QPoint at)
{
    QImage full(FaceWidth, FaceHeight, QImage::Format_RGB32);
    full.fill(Palette::Key);
    QPainter p(&full);
    p.drawImage(at, shape);
    return full;
}

void DrawNumbers(SkinSet& set)
{
    for (int d = 0; d <= 9; ++d) {
        set.files["Number/" + std::to_string(d) + ".bmp"] = LargeDigit(d);
        set.files["Number/s_" + std::to_string(d) + ".bmp"] = SmallDigit(d);
    }
    set.files["Number/dot.bmp"] = LargeDot();
    set.files["Number/n.bmp"] = LargeBlank();
    set.files["Number/n2.bmp"] = LargePlainBlank();
    set.files["Number/s_dot.bmp"] = SmallDot();
    set.files["Number/s_n.bmp"] = SmallClearBlank();
    set.files["Number/s_n2.bmp"] = SmallPlainBlank();
    set.files["Number/clock_symbol.bmp"] = ClockColon();
}

void DrawDialogs(SkinSet& set)
{
    const QImage store = StorePanel();
    const QImage edit = EditPanel();
    set.files["Extend/panel_bg.bmp"] = store;
    set.files["Extend/panel_edit.bmp"] = edit;
    set.files["Extend/field_store.bmp"] = StoreFields(store);
    set.files["Extend/field_editchannel.bmp"] = EntryFields(store);
    set.files["Extend/bu_mask.bmp"] = DialogButtonShape();
    const std::pair<const char*, QString> buttons[] = {
        {"ok", QStringLiteral("OK")},     {"cancel", QStringLiteral("Cancel")}, {"add", QStringLiteral("Add")},
        {"edit", QStringLiteral("Edit")}, {"del", QStringLiteral("Delete")},    {"save", QStringLiteral("Save")},
    };
    for (const auto& [name, text] : buttons) {
        const std::string base = std::string("Extend/bu_") + name;
        set.files[base + ".bmp"] = DialogButton(text, Look::Normal);
        set.files[base + "_o.bmp"] = DialogButton(text, Look::Hover);
        set.files[base + "_d.bmp"] = DialogButton(text, Look::Pressed);
    }
    set.files["Extend/bu_edit_n.bmp"] = DialogButton(QStringLiteral("Edit"), Look::Off);
    set.files["Extend/bu_del_n.bmp"] = DialogButton(QStringLiteral("Delete"), Look::Off);
    set.files["Extend/bar_mask.bmp"] = SelectionBarShape();
    set.files["Extend/bar_seleted.bmp"] = SelectionBar(edit);
    const std::tuple<const char*, QPoint, Glyph> arrows[] = {
        {"dn", QPoint(256, 245), Glyph::PageDown},
        {"up", QPoint(225, 245), Glyph::PageUp},
    };
    for (const auto& [name, at, glyph] : arrows) {
        const std::string base = std::string("Extend/bu_") + name;
        set.files[base + "_mask.bmp"] = EditorArrowShape();
        set.files[base + "_n.bmp"] = EditorArrow(edit, at, glyph, Look::Normal);
        set.files[base + "_o.bmp"] = EditorArrow(edit, at, glyph, Look::Hover);
        set.files[base + "_d.bmp"] = EditorArrow(edit, at, glyph, Look::Pressed);
    }
}

} // namespace

SkinSet DrawSkin()
{
    SkinSet set;
    DrawNumbers(set);

    QImage lit = PaintFaceBase(true);
    QImage off = PaintFaceBase(false);

    // Fields of the lit display as the program leaves them blank.
    for (int cell = 0; cell < ReadoutCells; ++cell)
        Stamp(lit, ReadoutAt + QPoint(14 * cell, 0), set.files["Number/n.bmp"]);
    const QImage number = ListNumberField();
    const QImage frequency = ListFrequencyField(Look::Normal);
    for (int k = 0; k < 6; ++k) {
        for (int column : {0, 66}) {
            Stamp(lit, QPoint(270 + column, 73 + 15 * k), number);
            Stamp(lit, QPoint(287 + column, 73 + 15 * k), frequency);
        }
    }
    StampKeyed(lit, QPoint(268, 223), set.files["Number/clock_symbol.bmp"]);
    StampKeyed(lit, QPoint(288, 223), set.files["Number/clock_symbol.bmp"]);
    set.files["MainBtn/index.bmp"] = number;
    set.files["MainBtn/channel.bmp"] = frequency;
    set.files["MainBtn/channel_o.bmp"] = ListFrequencyField(Look::Hover);
    set.files["MainBtn/channel_d.bmp"] = ListFrequencyField(Look::Pressed);
    set.files["MainBtn/name_mask.bmp"] = lit.copy(127, 101, 141, 15).convertToFormat(QImage::Format_RGB32);

    const Control controls[] = {
        {"bu_power", {449, 137}, Family::Power26, Glyph::Power},
        {"bu_scale", {462, 114}, Family::Window16, Glyph::Minimise},
        {"bu_close", {470, 95}, Family::Window16, Glyph::Close},
        {"bu_1", {109, 269}, Family::Round30, Glyph::Band},
        {"bu_2", {156, 263}, Family::Round30, Glyph::Store},
        {"bu_3", {190, 255}, Family::Round30, Glyph::EditList},
        {"bu_4", {225, 249}, Family::Round30, Glyph::Speaker},
        {"bu_4a", {225, 249}, Family::Round30, Glyph::Earphone},
        {"bu_5", {258, 242}, Family::Round30, Glyph::Muted},
        {"bu_5a", {258, 242}, Family::Round30, Glyph::Sound},
        {"bu_tuneL", {67, 221}, Family::Tune, Glyph::TuneDown},
        {"bu_scanL", {101, 221}, Family::Tune, Glyph::ScanDown},
        {"bu_stop", {135, 221}, Family::Tune, Glyph::Stop},
        {"bu_scanR", {168, 221}, Family::Tune, Glyph::ScanUp},
        {"bu_tuneR", {201, 221}, Family::Tune, Glyph::TuneUp},
        {"bu_dn", {399, 146}, Family::PageArrow, Glyph::PageDown},
        {"bu_up", {399, 68}, Family::PageArrow, Glyph::PageUp},
    };
    std::map<std::string, QImage> litLooks;
    std::map<std::string, QImage> offLooks;
    for (const Control& c : controls) {
        const std::string path = std::string("MainBtn/") + c.base;
        set.files[path + ".bmp"] = ControlLook(lit, c, Look::Normal);
        set.files[path + "_o.bmp"] = ControlLook(lit, c, Look::Hover);
        set.files[path + "_d.bmp"] = ControlLook(lit, c, Look::Pressed);
        // The window buttons look the same whether the radio plays or not.
        const bool window = c.family == Family::Window16 || c.family == Family::Power26;
        if (c.family != Family::PageArrow)
            offLooks[c.base] = window ? set.files[path + ".bmp"] : ControlLook(off, c, Look::Off);
    }
    set.files["MainBtn/bu_5_off.bmp"] = offLooks["bu_5"];
    set.files["MainBtn/bu_5a_off.bmp"] = offLooks["bu_5a"];
    set.files["MainBtn/bu_6.bmp"] = StereoLamp(lit, QPoint(293, 234), true);
    const QImage lampOff = StereoLamp(off, QPoint(293, 234), false);

    set.files["MainBtn/bu_power_m.bmp"] = RoundButtonShape(26);
    set.files["MainBtn/bu_scale_m.bmp"] = RoundButtonShape(16);
    set.files["MainBtn/bu_close_m.bmp"] = RoundButtonShape(16);
    set.files["MainBtn/bu_1_m.bmp"] = FaceSizedShape(RoundButtonShape(30), QPoint(109, 269));
    for (const char* name : {"bu_2_m", "bu_3_m", "bu_4_m", "bu_5_m"})
        set.files[std::string("MainBtn/") + name + ".bmp"] = RoundButtonShape(30);
    set.files["MainBtn/bu_tune_mask.bmp"] = TuneKeyShape();
    set.files["MainBtn/vol_mask.bmp"] = Circle33();
    set.files["MainBtn/bu_dn_mask.bmp"] = PageArrowShape();
    set.files["MainBtn/bu_up_mask.bmp"] = PageArrowShape();

    // Faces as they first appear: earphone output, sound on.
    for (const Control& c : controls) {
        const std::string base = c.base;
        if (base == "bu_4" || base == "bu_5")
            continue;
        Stamp(lit, c.at, set.files["MainBtn/" + base + ".bmp"]);
        if (offLooks.count(base) != 0)
            Stamp(off, c.at, offLooks[base]);
    }
    Stamp(lit, QPoint(293, 234), set.files["MainBtn/bu_6.bmp"]);
    Stamp(off, QPoint(293, 234), lampOff);
    set.files["main_on.jpg"] = lit.convertToFormat(QImage::Format_RGB32);
    set.files["main_off.jpg"] = off.convertToFormat(QImage::Format_RGB32);
    set.files["mask.bmp"] = ShapeFromCoverage(Coverage(FaceOutline(), FaceWidth, FaceHeight));

    DrawDialogs(set);
    return set;
}

QString CompareWithTable(const SkinSet& set)
{
    QString problems;
    std::set<std::string> listed;
    for (const SkinFile& file : SkinFiles()) {
        listed.insert(std::string(file.path));
        const auto found = set.files.find(std::string(file.path));
        if (found == set.files.end()) {
            problems += QStringLiteral("not drawn: %1\n").arg(QString::fromStdString(std::string(file.path)));
            continue;
        }
        if (found->second.width() != file.width || found->second.height() != file.height) {
            problems += QStringLiteral("%1 is %2 x %3, the table says %4 x %5\n")
                            .arg(QString::fromStdString(found->first))
                            .arg(found->second.width())
                            .arg(found->second.height())
                            .arg(file.width)
                            .arg(file.height);
        }
    }
    for (const auto& [path, image] : set.files) {
        if (listed.count(path) == 0)
            problems += QStringLiteral("drawn but not in the table: %1\n").arg(QString::fromStdString(path));
    }
    return problems;
}

QString WriteSkin(const SkinSet& set, const QString& resDir)
{
    // The folder is emptied first so no file of an older skin survives; only
    // a folder named RES is ever emptied.
    if (QFileInfo(resDir).fileName() != QStringLiteral("RES"))
        return QStringLiteral("the skin folder must be named RES: %1").arg(resDir);
    QDir res(resDir);
    if (res.exists() && !res.removeRecursively())
        return QStringLiteral("cannot clear %1").arg(resDir);
    for (const auto& [path, image] : set.files) {
        const QString target = res.filePath(QString::fromStdString(path));
        if (!QDir().mkpath(QFileInfo(target).path()))
            return QStringLiteral("cannot create the folder of %1").arg(target);
        const bool jpeg = target.endsWith(QStringLiteral(".jpg"));
        const bool written = jpeg ? image.save(target, "JPG", 98) : ToBitmap(image).save(target, "BMP");
        if (!written)
            return QStringLiteral("cannot write %1").arg(target);
    }
    return {};
}
