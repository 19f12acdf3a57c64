#include "RecordingModule.h"

#include <filesystem>
#include <stdexcept>

std::string RecordingModule::LibraryPath(Variant variant)
{
    switch (variant) {
    case Variant::WithoutOptional:
        return RECORDING_MODULE_WITHOUT_OPTIONAL;
    case Variant::WithoutGetStereo:
        return RECORDING_MODULE_WITHOUT_GETSTEREO;
    case Variant::Complete:
        break;
    }
    return RECORDING_MODULE_COMPLETE;
}

RecordingModule::RecordingModule(const std::string& appDir, Variant variant)
{
    namespace fs = std::filesystem;
    std::error_code ignored;
    if (fs::equivalent(appDir, SOLVANE_APPDIR_BUILT, ignored)) {
        throw std::runtime_error("The recording module goes into a test's own AppDir, not the built program's");
    }

    // Written beside the target and renamed over it: a module already
    // loaded from that path keeps its pages intact (and stays the instance
    // in use until its last handle is gone).
    const fs::path target = fs::path(appDir) / PlatformLibraryName("Tessmod.dll");
    const fs::path part = target.string() + ".part";
    fs::copy_file(LibraryPath(variant), part, fs::copy_options::overwrite_existing);
    fs::rename(part, target);
    m_module = LoadModule("Tessmod.dll", appDir);
    if (!m_module) {
        throw std::runtime_error("Cannot load the recording module from " + target.string() + ": " +
                                 LastModuleError());
    }
}

RecordingModule::~RecordingModule()
{
    UnloadModule(m_module);
}

ModuleHandle RecordingModule::Handle() const
{
    return m_module;
}

template <typename Fn>
Fn RecordingModule::Control(const char* name) const
{
    auto control = reinterpret_cast<Fn>(FindEntryPoint(m_module, name));
    if (!control) {
        throw std::runtime_error(std::string("The recording module lacks ") + name);
    }
    return control;
}

std::vector<std::string> RecordingModule::Log() const
{
    const auto entry = Control<RecordingLogEntryFn>("RecordingModule_LogEntry");
    const std::int32_t size = Control<RecordingLogSizeFn>("RecordingModule_LogSize")();
    std::vector<std::string> log;
    for (std::int32_t i = 0; i < size; ++i) {
        log.emplace_back(entry(i));
    }
    return log;
}

void RecordingModule::ClearLog()
{
    Control<RecordingClearLogFn>("RecordingModule_ClearLog")();
}

void RecordingModule::Reset()
{
    Control<RecordingResetFn>("RecordingModule_Reset")();
}

void RecordingModule::SetHaveRadio(std::int32_t answer)
{
    Control<RecordingSetHaveRadioFn>("RecordingModule_SetHaveRadio")(answer);
}

void RecordingModule::SetBand(std::int32_t low, std::int32_t high, std::int32_t other)
{
    Control<RecordingSetBandFn>("RecordingModule_SetBand")(low, high, other);
}

void RecordingModule::SetTunedFrequency(std::int32_t frequency)
{
    Control<RecordingSetTunedFrequencyFn>("RecordingModule_SetTunedFrequency")(frequency);
}

std::int32_t RecordingModule::TunedFrequency() const
{
    return Control<RecordingTunedFrequencyFn>("RecordingModule_TunedFrequency")();
}

void RecordingModule::QueueFrequencies(const std::vector<std::int32_t>& frequencies)
{
    const auto queue = Control<RecordingQueueFrequencyFn>("RecordingModule_QueueFrequency");
    for (const std::int32_t frequency : frequencies) {
        queue(frequency);
    }
}

void RecordingModule::QueueScan(std::int32_t ticks, std::int32_t endFrequency)
{
    Control<RecordingQueueScanFn>("RecordingModule_QueueScan")(ticks, endFrequency);
}

void RecordingModule::SetTickInterval(std::int32_t milliseconds)
{
    Control<RecordingSetTickIntervalFn>("RecordingModule_SetTickInterval")(milliseconds);
}

void RecordingModule::MarkScanReturns(bool on)
{
    Control<RecordingMarkScanReturnsFn>("RecordingModule_MarkScanReturns")(on ? 1 : 0);
}

std::int32_t RecordingModule::ScanDepth() const
{
    return Control<RecordingScanDepthFn>("RecordingModule_ScanDepth")();
}
