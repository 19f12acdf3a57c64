#pragma once

#include <cstdint>

// Between a mixer element's own volume range [min, max] (ALSA's, any size,
// possibly negative) and the raw 0..65535 the window works in. Both round to
// the nearest step and clamp what lies outside, so a raw value read back and
// written again lands on the same element value: the knob does not creep.
// An empty range (max <= min) reads as 0 and writes min.
std::uint32_t ElementVolumeToRaw(long value, long min, long max);
long RawToElementVolume(std::uint32_t raw, long min, long max);
