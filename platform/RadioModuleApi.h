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

// Addresses of the module's entry points, null where the module lacks one.
struct RadioEntryPoints {
    CPUTempFn CPUTemp = nullptr;
    SetModeFn SetMode = nullptr;
    GetFrequencyFn GetFrequency = nullptr;
    SetFrequencyFn SetFrequency = nullptr;
    AutoScanFn AutoScan = nullptr;
    OneStepFn OneStep = nullptr;
    GetLocationFn GetLocation = nullptr;
    SetLocationFn SetLocation = nullptr;
    GetVolumeFn GetVolume = nullptr;
    HaveRadioFn HaveRadio = nullptr;
    ReadPICFn ReadPIC = nullptr;
    WritePICFn WritePIC = nullptr;
    GetStereoFn GetStereo = nullptr;
    CloseRadioFn CloseRadio = nullptr;
    GetRadioModuleFn GetRadioModule = nullptr;
};

// Looks the 15 entry points up by name, in the module's documented order.
// Returns true when every required one was found (CPUTemp and GetVolume
// are optional).
using ModuleHandle = void*;
bool ResolveRadioEntryPoints(ModuleHandle module, RadioEntryPoints& entries);
