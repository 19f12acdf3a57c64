#pragma once

// The controls of the face: slot i of the hit regions. Their pictures lie
// under "RES\MainBtn\" and are drawn where their regions lie.
struct FaceSlot {
    const char* mask;   // null: no region is built (slot 7)
    int x;
    int y;
    bool moved;         // bu_1_m.bmp carries its button at its place already
    bool needsPower;
    const char* base;   // file name of the normal look without ".bmp"
    const char* hint;   // null: the hint is left as it is
};

inline constexpr int FaceSlotCount = 17;

inline constexpr FaceSlot FaceSlots[FaceSlotCount] = {
    {"bu_power_m.bmp", 449, 137, true, false, "bu_power", "Power On/Off"},
    {"bu_scale_m.bmp", 462, 114, true, false, "bu_scale", "Minimize"},
    {"bu_close_m.bmp", 470, 95, true, false, "bu_close", "Exit"},
    {"bu_1_m.bmp", 109, 269, false, true, "bu_1", nullptr},
    {"bu_2_m.bmp", 156, 263, true, true, "bu_2", "Store Station"},
    {"bu_3_m.bmp", 190, 255, true, true, "bu_3", "Edit Stations"},
    {"bu_4_m.bmp", 225, 249, true, true, "bu_4", "Speaker"},
    {nullptr, 0, 0, false, true, nullptr, nullptr},
    {"bu_5_m.bmp", 258, 242, true, true, "bu_5", "Mute On/Off"},
    {"bu_tune_mask.bmp", 67, 221, true, true, "bu_tuneL", "Tune Down"},
    {"bu_tune_mask.bmp", 101, 221, true, true, "bu_scanL", "Scan Down"},
    {"bu_tune_mask.bmp", 135, 221, true, true, "bu_stop", "Stop Scan"},
    {"bu_tune_mask.bmp", 168, 221, true, true, "bu_scanR", "Scan Up"},
    {"bu_tune_mask.bmp", 201, 221, true, true, "bu_tuneR", "Tune Up"},
    {"vol_mask.bmp", 354, 247, true, true, nullptr, nullptr},
    {"bu_dn_mask.bmp", 399, 146, true, true, "bu_dn", nullptr},
    {"bu_up_mask.bmp", 399, 68, true, true, "bu_up", nullptr},
};

// The slots by name, as the table above lists them.
namespace Slot {
enum : int {
    Power = 0,
    Minimise = 1,
    Exit = 2,
    FirstButton = 3,
    Store = 4,
    Edit = 5,
    Output = 6,
    Unused = 7,
    Mute = 8,
    TuneDown = 9,
    ScanDown = 10,
    Stop = 11,
    ScanUp = 12,
    TuneUp = 13,
    Knob = 14,
    NextPage = 15,
    PreviousPage = 16,
};
}
