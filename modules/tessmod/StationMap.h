#pragma once

#include "SimulatedTuner.h"

#include <array>
#include <chrono>
#include <cstdint>

// What the simulated tuner receives: the FM broadcast band from 87.50 to
// 108.00 MHz in 50 kHz steps, and a dozen fictional stations spread over it,
// none on a band edge.
inline constexpr TunerBand StandardBand{8750, 10800, 5};

inline constexpr std::array<std::int32_t, 12> StandardStations{
    8790, 8950, 9120, 9330, 9480, 9640, 9810, 9970, 10150, 10290, 10460, 10650,
};

// Slow enough for the pointer and the readout to be seen moving.
inline constexpr std::chrono::milliseconds StandardScanInterval{25};
