#pragma once

#include "RadioModuleApi.h"
#include "SkinHandles.h"

#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>

// Every value the main window and the dialogs share, under its own name and
// with its starting value. main owns one and hands it to the four windows;
// tests make a fresh one per case.
struct RadioState {
    static constexpr int MaxChannels = 60;
    static constexpr int SlotCount = 17;
    static constexpr int RowCount = 12;
    static constexpr int KnobStepCount = 25;

    // Folder of the program with a trailing separator: the prefix of every
    // skin file and of the preset file.
    QString AppDir;

    ModuleHandle RadioModule = nullptr;
    ModuleHandle RegionLibrary = nullptr;
    RadioEntryPoints Radio;
    GetPictureRegionFn GetPictureRegion = nullptr;

    // 0x00BBGGRR: red 255, green 189, blue 255.
    std::uint32_t TransparentColor = TransparentColorValue;

    std::array<std::uint8_t, SlotCount> ButtonPressed{};
    std::array<std::uint8_t, RowCount> ChannelHover{};
    std::array<std::uint8_t, RowCount> ChannelPressed{};
    int ChannelPage = 1;
    std::uint8_t PresetListChanged = 0;
    std::array<QPoint, KnobStepCount> KnobPoints{};
    std::uint8_t PointerDragging = 0;

    RegionHandle WindowRegion = nullptr;
    std::array<RegionHandle, SlotCount> ButtonRegions{};
    int ButtonRegionCount = 0;

    int RadioMode = 0;
    int BandLow = 0;
    int BandHigh = 0;
    int ScanStartFrequency = 0;
    int ScanDirection = 0;
    int ScanWrapped = 0;

    // Indexed by channel number 1..60; entry 0 is not used.
    std::array<int, MaxChannels + 1> ChannelFreq{};
    std::array<QString, MaxChannels + 1> ChannelFreqText{};
    int ChannelCount = 0;
    int CurrentFrequency = 0;
    int StoredChannel = 0;
    int StoreResult = 0;
    int VolumeStep = 0;
    int ChannelPageCount = 0;
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    int MuteOn = 0;
    int PointerGrabX = 0;
    int BarLeft = 0;
    int BarRight = 0;
    int BarFreqLow = 0;
    int BarFreqHigh = 0;
    QString PointerFreqText;
    QString BandLowText;
    QString BandHighText;
    QPoint VolDotOrigin;

    // The station preset dialogs.
    int SelectedChannel = 0;
    int EntryMode = 0;
    int SavedChannelCount = 0;
    std::array<int, MaxChannels + 1> SavedChannelFreq{};

    RadioState();
};
