#pragma once

// SplitMix64: the next number of a stream that depends on nothing but its state. The computer's
// darts and Killer's draw come from it, and a stored match is put back by drawing them again, so
// it must never change (nor be swapped for a library generator that may differ between versions).

#include <cstdint>

inline uint64_t SplitMix64(uint64_t& state)
{
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}
