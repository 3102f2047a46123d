#pragma once

#include "CPrinterSimulator.h"

// Simulator options with only the fields a test cares about set.
template <class Set>
CPrinterSimulator::Options SimulatorOptions(Set set)
{
    CPrinterSimulator::Options options;
    set(options);
    return options;
}
