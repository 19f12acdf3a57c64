#pragma once

#include "ModuleLoader.h"
#include "RecordingControl.h"

#include <cstdint>
#include <string>
#include <vector>

// A radio module for tests: it exports the same 15 entry points as the real
// one, logs every call with its arguments, in order, and answers as the test
// scripted it.
//
// Construct it on the test's temporary AppDir before the program loads
// "Tessmod.dll" from there: it copies the module into that folder under the
// file name "Tessmod.dll" maps to and opens it, so the program's later load
// finds this very instance, and the log stays readable after the program
// has unloaded it.
//
// Log entries read like the calls: "HaveRadio()", "SetMode(1)",
// "GetFrequency(0)", "SetFrequency(0, 9500)", "GetLocation(1)" (addresses
// are not logged), "AutoScan(-1)".
//
// Unscripted answers: HaveRadio 1; band 8750 to 10800, third value 5;
// GetFrequency(0) the tuned frequency (8750 at first), which SetFrequency(0,
// f) sets as given and OneStep moves by 5, wrapping at the band edges;
// slots 1 to 9 keep what SetFrequency stores (0 before); AutoScan returns at
// once without moving; every other entry point answers 0 (SetLocation 1).
//
// A scripted scan waits while pumping the Qt event loop, so the program's
// timers (tmrScan) and mouse events are handled inside the call. Every tick
// (25 ms unless set otherwise) moves the tuned frequency one step in the
// scan's direction, wrapping in the band. The scan ends after its number of
// ticks, or earlier when AutoScan(-1), SetMode(0) or CloseRadio is called
// during the wait. An AutoScan(0/1) made during the wait takes over with the
// next script; every waiting call returns when that scan ends.
class RecordingModule {
public:
    enum class Variant {
        Complete,
        // Lacks the optional CPUTemp and GetVolume.
        WithoutOptional,
        // Lacks the required GetStereo.
        WithoutGetStereo,
    };

    // Scan ticks: end only when stopped.
    static constexpr std::int32_t UntilStopped = -1;
    // End frequency: leave the frequency where the ticks moved it.
    static constexpr std::int32_t KeepFrequency = -1;

    // The built library of a variant.
    static std::string LibraryPath(Variant variant);

    // Installs the variant into appDir as the library "Tessmod.dll" maps
    // to and opens it. While a module from that path is still loaded, the
    // loader keeps handing out that instance. Throws std::runtime_error when
    // installing or loading fails, and for the built program's own AppDir.
    explicit RecordingModule(const std::string& appDir, Variant variant = Variant::Complete);
    ~RecordingModule();
    RecordingModule(const RecordingModule&) = delete;
    RecordingModule& operator=(const RecordingModule&) = delete;

    // The handle this object holds on the module.
    ModuleHandle Handle() const;

    // Every call so far, oldest first.
    std::vector<std::string> Log() const;
    void ClearLog();
    // Back to the unscripted answers, with an empty log.
    void Reset();

    void SetHaveRadio(std::int32_t answer);
    void SetBand(std::int32_t low, std::int32_t high, std::int32_t other);
    // Sets the tuned frequency without a log entry.
    void SetTunedFrequency(std::int32_t frequency);
    // The tuned frequency, read without a log entry.
    std::int32_t TunedFrequency() const;
    // Answers for the next calls of GetFrequency(0), in order; each answer
    // also becomes the tuned frequency.
    void QueueFrequencies(const std::vector<std::int32_t>& frequencies);
    // Script for the next AutoScan(0/1): ticks 0 returns at once, n ends
    // after n ticks, UntilStopped waits for a stop. When the scan ends by its
    // ticks, endFrequency (unless KeepFrequency) becomes the tuned frequency.
    void QueueScan(std::int32_t ticks, std::int32_t endFrequency = KeepFrequency);
    void SetTickInterval(std::int32_t milliseconds);
    // Adds an entry "AutoScan(d) returned" when a scan call returns, to tell
    // calls made inside the wait from calls made after it.
    void MarkScanReturns(bool on);
    // How many AutoScan calls are waiting right now.
    std::int32_t ScanDepth() const;

private:
    template <typename Fn>
    Fn Control(const char* name) const;

    ModuleHandle m_module = nullptr;
};
