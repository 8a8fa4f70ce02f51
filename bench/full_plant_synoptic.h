#pragma once

#include "project/project.h"

// The synoptic of the benchmark plant: every trend recorder and animated text filled, every
// marker, shape, switch, push button and slider shown, laid out on a grid so that none covers
// another.
void BuildFullSynoptic(vork::Project& project);
