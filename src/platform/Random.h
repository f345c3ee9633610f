#pragma once

#include <functional>

// Random draws go through here so tests can fix them.
namespace Random {

// Seeds the generator from the clock, as before each pick of a random choice.
void reseedFromClock();

// A draw uniform in [0, 1).
double draw();

// Tests: every draw comes from the source instead (values in [0, 1));
// an empty source restores the generator.
using Source = std::function<double()>;
void setSource(Source source);

} // namespace Random
