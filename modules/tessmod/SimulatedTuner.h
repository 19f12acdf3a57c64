#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

class QEventLoop;

// The band a tuner covers, in 10 kHz units, and its tuning step.
struct TunerBand {
    std::int32_t low;
    std::int32_t high;
    std::int32_t step;
};

// A tuner simulated in memory: the whole state behind the radio module's
// entry points, with the same names, arguments and results.
//
// Tuning lands on the step raster of the band: a step moves to the next
// raster frequency in its direction (from 91.23 MHz up is 91.25 MHz) and
// wraps from one band edge to the other. A frequency tuned directly is only
// clamped to the band.
//
// Off (SetMode 0, the state at load and after CloseRadio) the tuner still
// follows tuning commands and keeps its slots, but nothing is received:
// there is no stereo signal, and a scan, which has nothing to listen for,
// returns at once without moving.
class SimulatedTuner {
public:
    SimulatedTuner(TunerBand band, std::vector<std::int32_t> stations, std::chrono::milliseconds scanInterval);

    // 1 switches the tuner on, 0 off; switching off ends a running scan.
    std::int32_t SetMode(std::int32_t mode);
    // Slot 0 is the tuned frequency; slots 1 to 9 are the stored ones, 0
    // while nothing is stored; any other slot answers 0.
    std::int32_t GetFrequency(std::int32_t slot) const;
    // Slot 0 tunes (clamped to the band; a running scan carries on from
    // there); slots 1 to 9 store the frequency. Answers 1, or 0 for an
    // unknown slot.
    std::int32_t SetFrequency(std::int32_t slot, std::int32_t frequency);
    // 0 scans down, 1 up, -1 stops a running scan. A scan moves one step per
    // scan interval and returns once it lands on a station or is stopped
    // (AutoScan -1, SetMode 0, CloseRadio); with no station in the band it
    // goes round until stopped. While it waits, the calling thread's Qt
    // events (timers, mouse) are delivered, so the caller's own handlers
    // run inside the call and may stop it. Another scan started from inside
    // the wait takes over from the current frequency in its own direction,
    // and every waiting call returns when that scan ends. Without a Qt
    // application there are no events to wait on: the scan then runs
    // straight to the next station, or once round the band back to where
    // it started.
    std::int32_t AutoScan(std::int32_t direction);
    // 0 one step down, 1 one step up; anything else is ignored (answers 0).
    std::int32_t OneStep(std::int32_t direction);
    // Writes the band edges and the tuning step, whatever the location;
    // null addresses are skipped.
    std::int32_t GetLocation(std::int32_t which, std::int32_t* low, std::int32_t* high, std::int32_t* other) const;
    // 1 while the tuner is on and tuned to a station.
    std::int32_t GetStereo() const;
    // Ends a running scan and switches the tuner off; slots and the tuned
    // frequency stay.
    std::int32_t CloseRadio();

    bool Scanning() const;

private:
    std::int32_t Clamped(std::int32_t frequency) const;
    std::int32_t Neighbour(std::int32_t frequency, std::int32_t direction) const;
    bool IsStation(std::int32_t frequency) const;
    void ScanWithEventLoop();
    void ScanWithoutEventLoop();
    void EndScan();

    static constexpr int SlotCount = 9;

    TunerBand m_band;
    std::vector<std::int32_t> m_stations;
    std::chrono::milliseconds m_scanInterval;
    bool m_on = false;
    std::int32_t m_frequency;
    std::int32_t m_slots[SlotCount + 1] = {};
    bool m_scanning = false;
    std::int32_t m_scanDirection = 1;
    std::vector<QEventLoop*> m_waits;
};
