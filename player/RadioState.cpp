#include "RadioState.h"

#include "VolumeKnob.h"

RadioState::RadioState() : KnobPoints(VolumeKnobPoints()) {}
