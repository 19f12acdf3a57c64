#include "RadioModuleApi.h"

#include "ModuleLoader.h"

namespace {

template <typename Fn>
bool Resolve(ModuleHandle module, const char* name, EntryPoint<Fn>& target)
{
    target = reinterpret_cast<Fn>(FindEntryPoint(module, name));
    return static_cast<bool>(target);
}

}

bool ResolveRadioEntryPoints(ModuleHandle module, RadioEntryPoints& entries)
{
    entries = RadioEntryPoints{};
    if (!module) {
        return false;
    }

    // Every name is looked up, in the module's documented order, even after
    // one is missing: the program keeps whatever the module does offer.
    bool complete = true;
    Resolve(module, "CPUTemp", entries.CPUTemp);
    complete &= Resolve(module, "SetMode", entries.SetMode);
    complete &= Resolve(module, "GetFrequency", entries.GetFrequency);
    complete &= Resolve(module, "SetFrequency", entries.SetFrequency);
    complete &= Resolve(module, "AutoScan", entries.AutoScan);
    complete &= Resolve(module, "OneStep", entries.OneStep);
    complete &= Resolve(module, "GetLocation", entries.GetLocation);
    complete &= Resolve(module, "SetLocation", entries.SetLocation);
    Resolve(module, "GetVolume", entries.GetVolume);
    complete &= Resolve(module, "HaveRadio", entries.HaveRadio);
    complete &= Resolve(module, "ReadPIC", entries.ReadPIC);
    complete &= Resolve(module, "WritePIC", entries.WritePIC);
    complete &= Resolve(module, "GetStereo", entries.GetStereo);
    complete &= Resolve(module, "CloseRadio", entries.CloseRadio);
    complete &= Resolve(module, "GetRadioModule", entries.GetRadioModule);
    return complete;
}
