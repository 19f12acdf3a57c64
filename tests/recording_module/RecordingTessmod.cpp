#include "CallingConvention.h"
#include "ModuleExport.h"
#include "RecordingControl.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t Step = 5;
constexpr int SlotCount = 9;

struct ScanScript {
    std::int32_t ticks;
    std::int32_t endFrequency;
};

// Everything a test can script, and the log of calls, with the answers an
// unscripted module gives.
struct Recording {
    std::vector<std::string> log;
    std::int32_t haveRadio = 1;
    std::int32_t bandLow = 8750;
    std::int32_t bandHigh = 10800;
    std::int32_t bandOther = Step;
    std::int32_t tuned = 8750;
    std::int32_t storedSlots[SlotCount + 1] = {};
    std::deque<std::int32_t> frequencies;
    std::deque<ScanScript> scans;
    std::int32_t tickMilliseconds = 25;
    bool markScanReturns = false;
    bool scanning = false;
    std::int32_t scanDirection = 1;
    std::vector<QEventLoop*> waits;
};

Recording& State()
{
    static Recording recording;
    return recording;
}

void Record(const char* name, std::initializer_list<std::int32_t> arguments)
{
    std::string entry = std::string(name) + "(";
    bool first = true;
    for (const std::int32_t argument : arguments) {
        entry += (first ? "" : ", ") + std::to_string(argument);
        first = false;
    }
    State().log.push_back(entry + ")");
}

void MoveOneStep(std::int32_t direction)
{
    Recording& state = State();
    if (direction == 1) {
        state.tuned = state.tuned + Step > state.bandHigh ? state.bandLow : state.tuned + Step;
    } else {
        state.tuned = state.tuned - Step < state.bandLow ? state.bandHigh : state.tuned - Step;
    }
}

void EndScan()
{
    Recording& state = State();
    state.scanning = false;
    for (QEventLoop* wait : state.waits) {
        wait->quit();
    }
}

void FinishScript(const ScanScript& script)
{
    if (script.endFrequency >= 0) {
        State().tuned = script.endFrequency;
    }
    EndScan();
}

// Waits in a loop of its own, woken by its own ticker; only the innermost
// waiting call moves the frequency, like the real module.
void RunScan(const ScanScript& script)
{
    Recording& state = State();
    QEventLoop wait;
    QTimer ticker;
    ticker.setInterval(state.tickMilliseconds);
    QObject::connect(&ticker, &QTimer::timeout, &wait, &QEventLoop::quit);
    state.waits.push_back(&wait);
    ticker.start();
    std::int32_t ticksLeft = script.ticks;
    while (state.scanning) {
        wait.exec();
        if (!state.scanning) {
            break;
        }
        MoveOneStep(state.scanDirection);
        if (ticksLeft > 0 && --ticksLeft == 0) {
            FinishScript(script);
        }
    }
    state.waits.erase(std::find(state.waits.begin(), state.waits.end(), &wait));
}

}

#define RECORDED_ENTRY extern "C" SOLVANE_MODULE_EXPORT std::int32_t SOLVANE_STDCALL
#define CONTROL extern "C" SOLVANE_MODULE_EXPORT

RECORDED_ENTRY CPUTemp()
{
    Record("CPUTemp", {});
    return 0;
}

RECORDED_ENTRY SetMode(std::int32_t mode)
{
    Record("SetMode", {mode});
    if (mode == 0) {
        EndScan();
    }
    return 1;
}

RECORDED_ENTRY GetFrequency(std::int32_t slot)
{
    Record("GetFrequency", {slot});
    Recording& state = State();
    if (slot == 0) {
        if (!state.frequencies.empty()) {
            state.tuned = state.frequencies.front();
            state.frequencies.pop_front();
        }
        return state.tuned;
    }
    return slot > 0 && slot <= SlotCount ? state.storedSlots[slot] : 0;
}

RECORDED_ENTRY SetFrequency(std::int32_t slot, std::int32_t frequency)
{
    Record("SetFrequency", {slot, frequency});
    if (slot == 0) {
        State().tuned = frequency;
    } else if (slot > 0 && slot <= SlotCount) {
        State().storedSlots[slot] = frequency;
    }
    return 1;
}

RECORDED_ENTRY AutoScan(std::int32_t direction)
{
    Record("AutoScan", {direction});
    Recording& state = State();
    if (direction == -1) {
        EndScan();
        return 1;
    }
    if (direction != 0 && direction != 1) {
        return 0;
    }

    ScanScript script{0, -1};
    if (!state.scans.empty()) {
        script = state.scans.front();
        state.scans.pop_front();
    }
    state.scanning = true;
    state.scanDirection = direction;
    // Without a Qt application there is nothing to wait on.
    if (script.ticks == 0 || !QCoreApplication::instance()) {
        FinishScript(script);
    } else {
        RunScan(script);
    }
    if (state.markScanReturns) {
        state.log.push_back("AutoScan(" + std::to_string(direction) + ") returned");
    }
    return 1;
}

RECORDED_ENTRY OneStep(std::int32_t direction)
{
    Record("OneStep", {direction});
    if (direction == 0 || direction == 1) {
        MoveOneStep(direction);
    }
    return 1;
}

// The addresses are not logged: they differ from run to run.
RECORDED_ENTRY GetLocation(std::int32_t which, std::int32_t* low, std::int32_t* high, std::int32_t* other)
{
    Record("GetLocation", {which});
    const Recording& state = State();
    if (low) {
        *low = state.bandLow;
    }
    if (high) {
        *high = state.bandHigh;
    }
    if (other) {
        *other = state.bandOther;
    }
    return 1;
}

RECORDED_ENTRY SetLocation(std::int32_t location)
{
    Record("SetLocation", {location});
    return 1;
}

RECORDED_ENTRY GetVolume()
{
    Record("GetVolume", {});
    return 0;
}

RECORDED_ENTRY HaveRadio()
{
    Record("HaveRadio", {});
    return State().haveRadio;
}

RECORDED_ENTRY ReadPIC()
{
    Record("ReadPIC", {});
    return 0;
}

RECORDED_ENTRY WritePIC()
{
    Record("WritePIC", {});
    return 0;
}

RECORDED_ENTRY GetStereo()
{
    Record("GetStereo", {});
    return 0;
}

RECORDED_ENTRY CloseRadio()
{
    Record("CloseRadio", {});
    EndScan();
    return 1;
}

RECORDED_ENTRY GetRadioModule()
{
    Record("GetRadioModule", {});
    return 0;
}

CONTROL void RecordingModule_Reset()
{
    Recording& state = State();
    EndScan();
    std::vector<QEventLoop*> waits = std::move(state.waits);
    state = Recording{};
    state.waits = std::move(waits);
}

CONTROL std::int32_t RecordingModule_LogSize()
{
    return static_cast<std::int32_t>(State().log.size());
}

CONTROL const char* RecordingModule_LogEntry(std::int32_t index)
{
    const auto& log = State().log;
    return index >= 0 && index < static_cast<std::int32_t>(log.size()) ? log[index].c_str() : nullptr;
}

CONTROL void RecordingModule_ClearLog()
{
    State().log.clear();
}

CONTROL void RecordingModule_SetHaveRadio(std::int32_t answer)
{
    State().haveRadio = answer;
}

CONTROL void RecordingModule_SetBand(std::int32_t low, std::int32_t high, std::int32_t other)
{
    Recording& state = State();
    state.bandLow = low;
    state.bandHigh = high;
    state.bandOther = other;
}

CONTROL void RecordingModule_SetTunedFrequency(std::int32_t frequency)
{
    State().tuned = frequency;
}

CONTROL std::int32_t RecordingModule_TunedFrequency()
{
    return State().tuned;
}

CONTROL void RecordingModule_QueueFrequency(std::int32_t frequency)
{
    State().frequencies.push_back(frequency);
}

CONTROL void RecordingModule_QueueScan(std::int32_t ticks, std::int32_t endFrequency)
{
    State().scans.push_back({ticks, endFrequency});
}

CONTROL void RecordingModule_SetTickInterval(std::int32_t milliseconds)
{
    State().tickMilliseconds = std::max<std::int32_t>(1, milliseconds);
}

CONTROL void RecordingModule_MarkScanReturns(std::int32_t on)
{
    State().markScanReturns = on != 0;
}

CONTROL std::int32_t RecordingModule_ScanDepth()
{
    return static_cast<std::int32_t>(State().waits.size());
}
