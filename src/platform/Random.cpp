#include "Random.h"

#include <chrono>
#include <random>

namespace Random {
namespace {

std::mt19937_64 &generator()
{
    static std::mt19937_64 engine(
        std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
    return engine;
}

Source &source()
{
    static Source s;
    return s;
}

} // namespace

void reseedFromClock()
{
    // Nanoseconds, so two reseeds in a row still differ.
    generator().seed(std::uint64_t(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double draw()
{
    if (source())
        return source()();
    // The top 53 bits as a fraction: never 1.0, unlike some distributions.
    return double(generator()() >> 11) * 0x1.0p-53;
}

void setSource(Source s) { source() = std::move(s); }

} // namespace Random
