#pragma once

#include "CallingConvention.h"

#include <cstdint>

// The entry points of the radio module, every argument and result a 32-bit
// integer or address. Entry points the program never calls take no
// arguments here; the module may give them any harmless meaning.
extern "C" {
using CPUTempFn = std::int32_t(SOLVANE_STDCALL*)();
using SetModeFn = std::int32_t(SOLVANE_STDCALL*)(std::int32_t mode);
using GetFrequencyFn = std::int32_t(SOLVANE_STDCALL*)(std::int32_t slot);
using SetFrequencyFn = std::int32_t(SOLVANE_STDCALL*)(std::int32_t slot, std::int32_t frequency);
using AutoScanFn = std::int32_t(SOLVANE_STDCALL*)(std::int32_t direction);
using OneStepFn = std::int32_t(SOLVANE_STDCALL*)(std::int32_t direction);
using GetLocationFn = std::int32_t(SOLVANE_STDCALL*)(std::int32_t which, std::int32_t* low, std::int32_t* high,
                                                     std::int32_t* other);
using SetLocationFn = std::int32_t(SOLVANE_STDCALL*)(std::int32_t location);
using GetVolumeFn = std::int32_t(SOLVANE_STDCALL*)();
using HaveRadioFn = std::int32_t(SOLVANE_STDCALL*)();
using ReadPICFn = std::int32_t(SOLVANE_STDCALL*)();
using WritePICFn = std::int32_t(SOLVANE_STDCALL*)();
using GetStereoFn = std::int32_t(SOLVANE_STDCALL*)();
using CloseRadioFn = std::int32_t(SOLVANE_STDCALL*)();
using GetRadioModuleFn = std::int32_t(SOLVANE_STDCALL*)();
}

// One entry point of the module. Calling one the module lacks does nothing
// and answers 0, so a module without some entry point can never be called
// through a null address.
template <typename Fn>
class EntryPoint {
public:
    EntryPoint() = default;
    EntryPoint(Fn address) : m_address(address) {}
    EntryPoint& operator=(Fn address)
    {
        m_address = address;
        return *this;
    }
    explicit operator bool() const { return m_address != nullptr; }
    Fn Address() const { return m_address; }

    template <typename... Args>
    std::int32_t operator()(Args... args) const
    {
        return m_address ? m_address(args...) : 0;
    }

private:
    Fn m_address = nullptr;
};

// Addresses of the module's entry points, empty where the module lacks one.
struct RadioEntryPoints {
    EntryPoint<CPUTempFn> CPUTemp;
    EntryPoint<SetModeFn> SetMode;
    EntryPoint<GetFrequencyFn> GetFrequency;
    EntryPoint<SetFrequencyFn> SetFrequency;
    EntryPoint<AutoScanFn> AutoScan;
    EntryPoint<OneStepFn> OneStep;
    EntryPoint<GetLocationFn> GetLocation;
    EntryPoint<SetLocationFn> SetLocation;
    EntryPoint<GetVolumeFn> GetVolume;
    EntryPoint<HaveRadioFn> HaveRadio;
    EntryPoint<ReadPICFn> ReadPIC;
    EntryPoint<WritePICFn> WritePIC;
    EntryPoint<GetStereoFn> GetStereo;
    EntryPoint<CloseRadioFn> CloseRadio;
    EntryPoint<GetRadioModuleFn> GetRadioModule;
};

// Looks the 15 entry points up by name, in the module's documented order.
// Returns true when every required one was found (CPUTemp and GetVolume
// are optional).
using ModuleHandle = void*;
bool ResolveRadioEntryPoints(ModuleHandle module, RadioEntryPoints& entries);
