#pragma once

#include "fields.h"
#include "presets.h"

namespace parvelo {

// Reads the input fields, writes the eleven result fields in order. Later steps read
// earlier results back as text, so they see the values as displayed.
void compute_estimate(const BoardPreset &preset, Fields &fields);

} // namespace parvelo
