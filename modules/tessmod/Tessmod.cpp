#include "ModuleExport.h"
#include "RadioModuleApi.h"
#include "SimulatedTuner.h"
#include "StationMap.h"

// The module's single tuner, made on first use.
static SimulatedTuner& Tuner()
{
    static SimulatedTuner tuner(StandardBand, {StandardStations.begin(), StandardStations.end()},
                                StandardScanInterval);
    return tuner;
}

#define TESSMOD_ENTRY extern "C" SOLVANE_MODULE_EXPORT std::int32_t SOLVANE_STDCALL

// No temperature sensor on the simulated tuner: always 0.
TESSMOD_ENTRY CPUTemp()
{
    return 0;
}

TESSMOD_ENTRY SetMode(std::int32_t mode)
{
    return Tuner().SetMode(mode);
}

TESSMOD_ENTRY GetFrequency(std::int32_t slot)
{
    return Tuner().GetFrequency(slot);
}

TESSMOD_ENTRY SetFrequency(std::int32_t slot, std::int32_t frequency)
{
    return Tuner().SetFrequency(slot, frequency);
}

TESSMOD_ENTRY AutoScan(std::int32_t direction)
{
    return Tuner().AutoScan(direction);
}

TESSMOD_ENTRY OneStep(std::int32_t direction)
{
    return Tuner().OneStep(direction);
}

TESSMOD_ENTRY GetLocation(std::int32_t which, std::int32_t* low, std::int32_t* high, std::int32_t* other)
{
    return Tuner().GetLocation(which, low, high, other);
}

// The simulated tuner has the same band everywhere: the location is accepted
// and changes nothing.
TESSMOD_ENTRY SetLocation(std::int32_t)
{
    return 1;
}

// The tuner has no volume stage of its own (the player sets the sound card's
// volume): always 0.
TESSMOD_ENTRY GetVolume()
{
    return 0;
}

// A tuner is always present.
TESSMOD_ENTRY HaveRadio()
{
    return 1;
}

// There is no tuner microcontroller to read or program: both do nothing and
// answer 0.
TESSMOD_ENTRY ReadPIC()
{
    return 0;
}

TESSMOD_ENTRY WritePIC()
{
    return 0;
}

TESSMOD_ENTRY GetStereo()
{
    return Tuner().GetStereo();
}

TESSMOD_ENTRY CloseRadio()
{
    return Tuner().CloseRadio();
}

// Which kind of module this is: 1, the simulated tuner.
TESSMOD_ENTRY GetRadioModule()
{
    return 1;
}
