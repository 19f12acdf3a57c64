#include "MixerScale.h"

#include <algorithm>

namespace {

constexpr std::uint32_t RawMax = 65535;

// Rounds numerator / denominator to the nearest integer, halves up; both
// positive, held in 128 bits so no element range can overflow.
__int128 RoundedQuotient(__int128 numerator, __int128 denominator)
{
    return (2 * numerator + denominator) / (2 * denominator);
}

} // namespace

std::uint32_t ElementVolumeToRaw(long value, long min, long max)
{
    if (max <= min)
        return 0;
    const __int128 offset = static_cast<__int128>(std::clamp(value, min, max)) - min;
    const __int128 range = static_cast<__int128>(max) - min;
    return static_cast<std::uint32_t>(RoundedQuotient(offset * RawMax, range));
}

long RawToElementVolume(std::uint32_t raw, long min, long max)
{
    if (max <= min)
        return min;
    const __int128 range = static_cast<__int128>(max) - min;
    const __int128 steps = RoundedQuotient(static_cast<__int128>(std::min(raw, RawMax)) * range, RawMax);
    return static_cast<long>(min + steps);
}
