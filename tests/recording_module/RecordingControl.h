#pragma once

#include <cstdint>

// The control side of the recording radio module: plain C functions it
// exports next to the 15 entry points, so a test reaches the very instance
// the program loaded. Tests use them through RecordingModule.h.
extern "C" {
using RecordingResetFn = void (*)();
using RecordingLogSizeFn = std::int32_t (*)();
using RecordingLogEntryFn = const char* (*)(std::int32_t index);
using RecordingClearLogFn = void (*)();
using RecordingSetHaveRadioFn = void (*)(std::int32_t answer);
using RecordingSetBandFn = void (*)(std::int32_t low, std::int32_t high, std::int32_t other);
using RecordingSetTunedFrequencyFn = void (*)(std::int32_t frequency);
using RecordingTunedFrequencyFn = std::int32_t (*)();
using RecordingQueueFrequencyFn = void (*)(std::int32_t frequency);
using RecordingQueueScanFn = void (*)(std::int32_t ticks, std::int32_t endFrequency);
using RecordingSetTickIntervalFn = void (*)(std::int32_t milliseconds);
using RecordingMarkScanReturnsFn = void (*)(std::int32_t on);
using RecordingScanDepthFn = std::int32_t (*)();
}
