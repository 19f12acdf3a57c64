#include "SkinTable.h"

#include <array>

namespace {

using K = SkinKind;

// Sizes shared by several files.
constexpr int RoundW = 30;   // lower buttons bu_1 .. bu_5
constexpr int TuneW = 31;    // five tune/scan/stop keys
constexpr int TuneH = 24;
constexpr int BigW = 14;     // large digit cell
constexpr int BigH = 24;
constexpr int SmallW = 7;    // small digit cell
constexpr int SmallH = 11;
constexpr int DlgW = 44;     // dialog buttons
constexpr int DlgH = 22;

constexpr std::array Files = {
    // The window and its two faces.
    SkinFile{"mask.bmp", FaceWidth, FaceHeight, K::Shape, "", "main window shape"},
    SkinFile{"main_on.jpg", FaceWidth, FaceHeight, K::Face, "", "face, radio on: lit display"},
    SkinFile{"main_off.jpg", FaceWidth, FaceHeight, K::Face, "", "face, radio off: dark display"},

    // Window buttons at the top right.
    SkinFile{"MainBtn/bu_power.bmp", 26, 26, K::Opaque, "MainBtn/bu_power_m.bmp", "power, normal"},
    SkinFile{"MainBtn/bu_power_o.bmp", 26, 26, K::Opaque, "MainBtn/bu_power_m.bmp", "power, hover"},
    SkinFile{"MainBtn/bu_power_d.bmp", 26, 26, K::Opaque, "MainBtn/bu_power_m.bmp", "power, pressed"},
    SkinFile{"MainBtn/bu_power_m.bmp", 26, 26, K::Shape, "", "power, hit area at (449, 137)"},
    SkinFile{"MainBtn/bu_scale.bmp", 16, 16, K::Opaque, "MainBtn/bu_scale_m.bmp", "minimise, normal"},
    SkinFile{"MainBtn/bu_scale_o.bmp", 16, 16, K::Opaque, "MainBtn/bu_scale_m.bmp", "minimise, hover"},
    SkinFile{"MainBtn/bu_scale_d.bmp", 16, 16, K::Opaque, "MainBtn/bu_scale_m.bmp", "minimise, pressed"},
    SkinFile{"MainBtn/bu_scale_m.bmp", 16, 16, K::Shape, "", "minimise, hit area at (462, 114)"},
    SkinFile{"MainBtn/bu_close.bmp", 16, 16, K::Opaque, "MainBtn/bu_close_m.bmp", "exit, normal"},
    SkinFile{"MainBtn/bu_close_o.bmp", 16, 16, K::Opaque, "MainBtn/bu_close_m.bmp", "exit, hover"},
    SkinFile{"MainBtn/bu_close_d.bmp", 16, 16, K::Opaque, "MainBtn/bu_close_m.bmp", "exit, pressed"},
    SkinFile{"MainBtn/bu_close_m.bmp", 16, 16, K::Shape, "", "exit, hit area at (470, 95)"},

    // The arc of lower buttons.
    SkinFile{"MainBtn/bu_1.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_1_m.bmp", "band button, normal"},
    SkinFile{"MainBtn/bu_1_o.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_1_m.bmp", "band button, hover"},
    SkinFile{"MainBtn/bu_1_d.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_1_m.bmp", "band button, pressed"},
    SkinFile{"MainBtn/bu_1_m.bmp", FaceWidth, FaceHeight, K::Shape, "",
             "band button, hit area already at (109, 269)"},
    SkinFile{"MainBtn/bu_2.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_2_m.bmp", "store, normal"},
    SkinFile{"MainBtn/bu_2_o.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_2_m.bmp", "store, hover"},
    SkinFile{"MainBtn/bu_2_d.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_2_m.bmp", "store, pressed"},
    SkinFile{"MainBtn/bu_2_m.bmp", RoundW, RoundW, K::Shape, "", "store, hit area at (156, 263)"},
    SkinFile{"MainBtn/bu_3.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_3_m.bmp", "edit list, normal"},
    SkinFile{"MainBtn/bu_3_o.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_3_m.bmp", "edit list, hover"},
    SkinFile{"MainBtn/bu_3_d.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_3_m.bmp", "edit list, pressed"},
    SkinFile{"MainBtn/bu_3_m.bmp", RoundW, RoundW, K::Shape, "", "edit list, hit area at (190, 255)"},
    SkinFile{"MainBtn/bu_4.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_4_m.bmp", "output: speaker, normal"},
    SkinFile{"MainBtn/bu_4_o.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_4_m.bmp", "output: speaker, hover"},
    SkinFile{"MainBtn/bu_4_d.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_4_m.bmp", "output: speaker, pressed"},
    SkinFile{"MainBtn/bu_4a.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_4_m.bmp", "output: earphone, normal"},
    SkinFile{"MainBtn/bu_4a_o.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_4_m.bmp", "output: earphone, hover"},
    SkinFile{"MainBtn/bu_4a_d.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_4_m.bmp",
             "output: earphone, pressed"},
    SkinFile{"MainBtn/bu_4_m.bmp", RoundW, RoundW, K::Shape, "", "output switch, hit area at (225, 249)"},
    SkinFile{"MainBtn/bu_5.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_5_m.bmp", "muted, normal"},
    SkinFile{"MainBtn/bu_5_o.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_5_m.bmp", "muted, hover"},
    SkinFile{"MainBtn/bu_5_d.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_5_m.bmp", "muted, pressed"},
    SkinFile{"MainBtn/bu_5_off.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_5_m.bmp", "muted, radio off"},
    SkinFile{"MainBtn/bu_5a.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_5_m.bmp", "sound on, normal"},
    SkinFile{"MainBtn/bu_5a_o.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_5_m.bmp", "sound on, hover"},
    SkinFile{"MainBtn/bu_5a_d.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_5_m.bmp", "sound on, pressed"},
    SkinFile{"MainBtn/bu_5a_off.bmp", RoundW, RoundW, K::Opaque, "MainBtn/bu_5_m.bmp", "sound on, radio off"},
    SkinFile{"MainBtn/bu_5_m.bmp", RoundW, RoundW, K::Shape, "", "mute, hit area at (258, 242)"},
    SkinFile{"MainBtn/bu_6.bmp", 24, 16, K::Opaque, "", "stereo lamp at (293, 234), lit"},

    // Tune, scan and stop keys share one shape.
    SkinFile{"MainBtn/bu_tune_mask.bmp", TuneW, TuneH, K::Shape, "", "hit area of the five tune keys"},
    SkinFile{"MainBtn/bu_tuneL.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "tune down, normal"},
    SkinFile{"MainBtn/bu_tuneL_o.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "tune down, hover"},
    SkinFile{"MainBtn/bu_tuneL_d.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "tune down, pressed"},
    SkinFile{"MainBtn/bu_scanL.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "scan down, normal"},
    SkinFile{"MainBtn/bu_scanL_o.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "scan down, hover"},
    SkinFile{"MainBtn/bu_scanL_d.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "scan down, pressed"},
    SkinFile{"MainBtn/bu_stop.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "stop scan, normal"},
    SkinFile{"MainBtn/bu_stop_o.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "stop scan, hover"},
    SkinFile{"MainBtn/bu_stop_d.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "stop scan, pressed"},
    SkinFile{"MainBtn/bu_scanR.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "scan up, normal"},
    SkinFile{"MainBtn/bu_scanR_o.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "scan up, hover"},
    SkinFile{"MainBtn/bu_scanR_d.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "scan up, pressed"},
    SkinFile{"MainBtn/bu_tuneR.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "tune up, normal"},
    SkinFile{"MainBtn/bu_tuneR_o.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "tune up, hover"},
    SkinFile{"MainBtn/bu_tuneR_d.bmp", TuneW, TuneH, K::Opaque, "MainBtn/bu_tune_mask.bmp", "tune up, pressed"},

    SkinFile{"MainBtn/vol_mask.bmp", 33, 33, K::Shape, "", "volume knob, hit area at (354, 247)"},

    // Channel list on the display.
    SkinFile{"MainBtn/bu_dn.bmp", 16, 18, K::Opaque, "MainBtn/bu_dn_mask.bmp", "list next page, normal"},
    SkinFile{"MainBtn/bu_dn_o.bmp", 16, 18, K::Opaque, "MainBtn/bu_dn_mask.bmp", "list next page, hover"},
    SkinFile{"MainBtn/bu_dn_d.bmp", 16, 18, K::Opaque, "MainBtn/bu_dn_mask.bmp", "list next page, pressed"},
    SkinFile{"MainBtn/bu_dn_mask.bmp", 16, 18, K::Shape, "", "list next page, hit area at (399, 146)"},
    SkinFile{"MainBtn/bu_up.bmp", 16, 18, K::Opaque, "MainBtn/bu_up_mask.bmp", "list previous page, normal"},
    SkinFile{"MainBtn/bu_up_o.bmp", 16, 18, K::Opaque, "MainBtn/bu_up_mask.bmp", "list previous page, hover"},
    SkinFile{"MainBtn/bu_up_d.bmp", 16, 18, K::Opaque, "MainBtn/bu_up_mask.bmp", "list previous page, pressed"},
    SkinFile{"MainBtn/bu_up_mask.bmp", 16, 18, K::Shape, "", "list previous page, hit area at (399, 68)"},
    SkinFile{"MainBtn/channel.bmp", 44, 13, K::Opaque, "", "list row frequency field, blank"},
    SkinFile{"MainBtn/channel_o.bmp", 44, 13, K::Opaque, "", "list row frequency field, hover"},
    SkinFile{"MainBtn/channel_d.bmp", 44, 13, K::Opaque, "", "list row frequency field, pressed"},
    SkinFile{"MainBtn/index.bmp", 16, 13, K::Opaque, "", "list row channel number field, blank"},
    SkinFile{"MainBtn/name_mask.bmp", 141, 15, K::Opaque, "", "station name field, blank, at (127, 101)"},

    // Digits: large for the readout, small for the list, clock and scale.
    SkinFile{"Number/0.bmp", BigW, BigH, K::Keyed, "", "large 0"},
    SkinFile{"Number/1.bmp", BigW, BigH, K::Keyed, "", "large 1"},
    SkinFile{"Number/2.bmp", BigW, BigH, K::Keyed, "", "large 2"},
    SkinFile{"Number/3.bmp", BigW, BigH, K::Keyed, "", "large 3"},
    SkinFile{"Number/4.bmp", BigW, BigH, K::Keyed, "", "large 4"},
    SkinFile{"Number/5.bmp", BigW, BigH, K::Keyed, "", "large 5"},
    SkinFile{"Number/6.bmp", BigW, BigH, K::Keyed, "", "large 6"},
    SkinFile{"Number/7.bmp", BigW, BigH, K::Keyed, "", "large 7"},
    SkinFile{"Number/8.bmp", BigW, BigH, K::Keyed, "", "large 8"},
    SkinFile{"Number/9.bmp", BigW, BigH, K::Keyed, "", "large 9"},
    SkinFile{"Number/dot.bmp", BigW, BigH, K::Keyed, "", "large decimal point"},
    SkinFile{"Number/n.bmp", BigW, BigH, K::Keyed, "", "large blank on the lit display"},
    SkinFile{"Number/n2.bmp", BigW, BigH, K::Keyed, "", "large blank on the clock and scale background"},
    SkinFile{"Number/s_0.bmp", SmallW, SmallH, K::Keyed, "", "small 0"},
    SkinFile{"Number/s_1.bmp", SmallW, SmallH, K::Keyed, "", "small 1"},
    SkinFile{"Number/s_2.bmp", SmallW, SmallH, K::Keyed, "", "small 2"},
    SkinFile{"Number/s_3.bmp", SmallW, SmallH, K::Keyed, "", "small 3"},
    SkinFile{"Number/s_4.bmp", SmallW, SmallH, K::Keyed, "", "small 4"},
    SkinFile{"Number/s_5.bmp", SmallW, SmallH, K::Keyed, "", "small 5"},
    SkinFile{"Number/s_6.bmp", SmallW, SmallH, K::Keyed, "", "small 6"},
    SkinFile{"Number/s_7.bmp", SmallW, SmallH, K::Keyed, "", "small 7"},
    SkinFile{"Number/s_8.bmp", SmallW, SmallH, K::Keyed, "", "small 8"},
    SkinFile{"Number/s_9.bmp", SmallW, SmallH, K::Keyed, "", "small 9"},
    SkinFile{"Number/s_dot.bmp", SmallW, SmallH, K::Keyed, "", "small decimal point"},
    SkinFile{"Number/s_n.bmp", SmallW, SmallH, K::Keyed, "", "small blank on the list fields"},
    SkinFile{"Number/s_n2.bmp", SmallW, SmallH, K::Keyed, "", "small blank on the clock and scale background"},
    SkinFile{"Number/clock_symbol.bmp", 6, SmallH, K::Keyed, "", "clock colon"},

    // Dialogs.
    SkinFile{"Extend/panel_bg.bmp", 381, 258, K::Panel, "", "store and channel entry dialog background"},
    SkinFile{"Extend/panel_edit.bmp", 347, 297, K::Panel, "", "station list editor background"},
    SkinFile{"Extend/field_store.bmp", 141, 87, K::Opaque, "", "store dialog input wells at (105, 60)"},
    SkinFile{"Extend/field_editchannel.bmp", 166, 60, K::Opaque, "",
             "channel entry dialog input wells at (75, 72)"},
    SkinFile{"Extend/bu_mask.bmp", DlgW, DlgH, K::Shape, "", "hit area of every dialog text button"},
    SkinFile{"Extend/bu_ok.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "OK, normal"},
    SkinFile{"Extend/bu_ok_o.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "OK, hover"},
    SkinFile{"Extend/bu_ok_d.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "OK, pressed"},
    SkinFile{"Extend/bu_cancel.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Cancel, normal"},
    SkinFile{"Extend/bu_cancel_o.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Cancel, hover"},
    SkinFile{"Extend/bu_cancel_d.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Cancel, pressed"},
    SkinFile{"Extend/bu_add.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Add, normal"},
    SkinFile{"Extend/bu_add_o.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Add, hover"},
    SkinFile{"Extend/bu_add_d.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Add, pressed"},
    SkinFile{"Extend/bu_edit.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Edit, normal"},
    SkinFile{"Extend/bu_edit_o.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Edit, hover"},
    SkinFile{"Extend/bu_edit_d.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Edit, pressed"},
    SkinFile{"Extend/bu_edit_n.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Edit, not available"},
    SkinFile{"Extend/bu_del.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Delete, normal"},
    SkinFile{"Extend/bu_del_o.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Delete, hover"},
    SkinFile{"Extend/bu_del_d.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Delete, pressed"},
    SkinFile{"Extend/bu_del_n.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Delete, not available"},
    SkinFile{"Extend/bu_save.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Save, normal"},
    SkinFile{"Extend/bu_save_o.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Save, hover"},
    SkinFile{"Extend/bu_save_d.bmp", DlgW, DlgH, K::Keyed, "Extend/bu_mask.bmp", "Save, pressed"},
    SkinFile{"Extend/bar_mask.bmp", 248, 17, K::Shape, "", "hit area of one editor row"},
    SkinFile{"Extend/bar_seleted.bmp", 248, 17, K::Opaque, "Extend/bar_mask.bmp", "selected editor row"},
    SkinFile{"Extend/bu_dn_mask.bmp", 28, 18, K::Shape, "", "editor next page, hit area at (256, 245)"},
    SkinFile{"Extend/bu_dn_n.bmp", 28, 18, K::Opaque, "Extend/bu_dn_mask.bmp", "editor next page, normal"},
    SkinFile{"Extend/bu_dn_o.bmp", 28, 18, K::Opaque, "Extend/bu_dn_mask.bmp", "editor next page, hover"},
    SkinFile{"Extend/bu_dn_d.bmp", 28, 18, K::Opaque, "Extend/bu_dn_mask.bmp", "editor next page, pressed"},
    SkinFile{"Extend/bu_up_mask.bmp", 28, 18, K::Shape, "", "editor previous page, hit area at (225, 245)"},
    SkinFile{"Extend/bu_up_n.bmp", 28, 18, K::Opaque, "Extend/bu_up_mask.bmp", "editor previous page, normal"},
    SkinFile{"Extend/bu_up_o.bmp", 28, 18, K::Opaque, "Extend/bu_up_mask.bmp", "editor previous page, hover"},
    SkinFile{"Extend/bu_up_d.bmp", 28, 18, K::Opaque, "Extend/bu_up_mask.bmp", "editor previous page, pressed"},
};

constexpr FacePlace Row(std::string_view name, int x, int k, int width, bool control)
{
    return FacePlace{name, x, 73 + 15 * k, width, 13, control, "",
                     control ? "MainBtn/channel.bmp" : "MainBtn/index.bmp"};
}

constexpr std::array Places = {
    FacePlace{"power", 449, 137, 26, 26, true, "MainBtn/bu_power_m.bmp", "MainBtn/bu_power.bmp"},
    FacePlace{"minimise", 462, 114, 16, 16, true, "MainBtn/bu_scale_m.bmp", "MainBtn/bu_scale.bmp"},
    FacePlace{"exit", 470, 95, 16, 16, true, "MainBtn/bu_close_m.bmp", "MainBtn/bu_close.bmp"},
    FacePlace{"band button", 109, 269, RoundW, RoundW, true, "MainBtn/bu_1_m.bmp", "MainBtn/bu_1.bmp"},
    FacePlace{"store", 156, 263, RoundW, RoundW, true, "MainBtn/bu_2_m.bmp", "MainBtn/bu_2.bmp"},
    FacePlace{"edit list", 190, 255, RoundW, RoundW, true, "MainBtn/bu_3_m.bmp", "MainBtn/bu_3.bmp"},
    FacePlace{"output switch", 225, 249, RoundW, RoundW, true, "MainBtn/bu_4_m.bmp", "MainBtn/bu_4a.bmp"},
    FacePlace{"mute", 258, 242, RoundW, RoundW, true, "MainBtn/bu_5_m.bmp", "MainBtn/bu_5a.bmp"},
    FacePlace{"stereo lamp", 293, 234, 24, 16, true, "", "MainBtn/bu_6.bmp"},
    FacePlace{"tune down", 67, 221, TuneW, TuneH, true, "MainBtn/bu_tune_mask.bmp", "MainBtn/bu_tuneL.bmp"},
    FacePlace{"scan down", 101, 221, TuneW, TuneH, true, "MainBtn/bu_tune_mask.bmp", "MainBtn/bu_scanL.bmp"},
    FacePlace{"stop scan", 135, 221, TuneW, TuneH, true, "MainBtn/bu_tune_mask.bmp", "MainBtn/bu_stop.bmp"},
    FacePlace{"scan up", 168, 221, TuneW, TuneH, true, "MainBtn/bu_tune_mask.bmp", "MainBtn/bu_scanR.bmp"},
    FacePlace{"tune up", 201, 221, TuneW, TuneH, true, "MainBtn/bu_tune_mask.bmp", "MainBtn/bu_tuneR.bmp"},
    FacePlace{"volume knob", 354, 247, 33, 33, true, "MainBtn/vol_mask.bmp", ""},
    FacePlace{"volume up", 393, 258, 8, 8, true, "", ""},
    FacePlace{"volume down", 351, 278, 8, 8, true, "", ""},
    FacePlace{"list next page", 399, 146, 16, 18, true, "MainBtn/bu_dn_mask.bmp", "MainBtn/bu_dn.bmp"},
    FacePlace{"list previous page", 399, 68, 16, 18, true, "MainBtn/bu_up_mask.bmp", "MainBtn/bu_up.bmp"},
    Row("list row 1", 287, 0, 44, true), Row("list row 2", 287, 1, 44, true),
    Row("list row 3", 287, 2, 44, true), Row("list row 4", 287, 3, 44, true),
    Row("list row 5", 287, 4, 44, true), Row("list row 6", 287, 5, 44, true),
    Row("list row 7", 353, 0, 44, true), Row("list row 8", 353, 1, 44, true),
    Row("list row 9", 353, 2, 44, true), Row("list row 10", 353, 3, 44, true),
    Row("list row 11", 353, 4, 44, true), Row("list row 12", 353, 5, 44, true),
    Row("list number 1", 270, 0, 16, false), Row("list number 2", 270, 1, 16, false),
    Row("list number 3", 270, 2, 16, false), Row("list number 4", 270, 3, 16, false),
    Row("list number 5", 270, 4, 16, false), Row("list number 6", 270, 5, 16, false),
    Row("list number 7", 336, 0, 16, false), Row("list number 8", 336, 1, 16, false),
    Row("list number 9", 336, 2, 16, false), Row("list number 10", 336, 3, 16, false),
    Row("list number 11", 336, 4, 16, false), Row("list number 12", 336, 5, 16, false),
    FacePlace{"station name", 127, 101, 141, 15, false, "", "MainBtn/name_mask.bmp"},
    FacePlace{"frequency readout", 145, 117, 6 * BigW, BigH, false, "", ""},
    FacePlace{"clock", 254, 223, 54, SmallH, false, "", ""},
    // The pointer's travel over every band (top 164, left 69 to 274) and the
    // scale labels below the line (from x 68 to 303).
    FacePlace{"frequency scale", 68, 164, 236, 34, false, "", ""},
};

constexpr DialogPlace Bar(int row)
{
    return DialogPlace{"editor", "row", 41, 18 * row + 43, "Extend/bar_seleted.bmp"};
}

constexpr std::array Dialogs = {
    DialogPlace{"store", "input wells", 105, 60, "Extend/field_store.bmp"},
    DialogPlace{"store", "OK", 257, 75, "Extend/bu_ok.bmp"},
    DialogPlace{"store", "Cancel", 257, 103, "Extend/bu_cancel.bmp"},
    DialogPlace{"entry", "input wells", 75, 72, "Extend/field_editchannel.bmp"},
    DialogPlace{"entry", "OK", 257, 75, "Extend/bu_ok.bmp"},
    DialogPlace{"entry", "Cancel", 257, 103, "Extend/bu_cancel.bmp"},
    DialogPlace{"editor", "Add", 294, 80, "Extend/bu_add.bmp"},
    DialogPlace{"editor", "Edit", 295, 109, "Extend/bu_edit.bmp"},
    DialogPlace{"editor", "Delete", 295, 137, "Extend/bu_del.bmp"},
    DialogPlace{"editor", "Save", 295, 164, "Extend/bu_save.bmp"},
    DialogPlace{"editor", "Cancel", 295, 192, "Extend/bu_cancel.bmp"},
    DialogPlace{"editor", "next page", 256, 245, "Extend/bu_dn_n.bmp"},
    DialogPlace{"editor", "previous page", 225, 245, "Extend/bu_up_n.bmp"},
    Bar(1), Bar(2), Bar(3), Bar(4), Bar(5), Bar(6), Bar(7), Bar(8), Bar(9), Bar(10),
};

} // namespace

std::span<const SkinFile> SkinFiles()
{
    return Files;
}

const SkinFile* FindSkinFile(std::string_view path)
{
    for (const SkinFile& file : Files) {
        if (file.path == path)
            return &file;
    }
    return nullptr;
}

std::span<const FacePlace> FacePlaces()
{
    return Places;
}

std::span<const DialogPlace> DialogPlaces()
{
    return Dialogs;
}

std::string_view PanelOf(std::string_view dialog)
{
    return dialog == "editor" ? "Extend/panel_edit.bmp" : "Extend/panel_bg.bmp";
}
