#pragma once
// The generator every sheet is drawn with. A sheet code holds only the settings and
// the seed, so the same seed must give the same six weights on every build, compiler
// and machine for as long as codes are kept: the algorithm here is written out in
// full (splitmix64, and a bounded draw by rejection) instead of taken from a standard
// library's distributions, whose results differ between implementations.
// Changing anything in this file breaks every code ever printed.

#include <cstdint>

class TSheetRandom {
public:
    explicit TSheetRandom(std::uint64_t Seed = 0) : FState(Seed) {}

    void Seed(std::uint64_t Seed) { FState = Seed; }

    // The next 64 bits of splitmix64.
    std::uint64_t NextBits()
    {
        std::uint64_t z = (FState += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A whole number from 0 to Count − 1, every value equally likely; 0 for Count 0.
    // Draws that fall into the last, incomplete run of Count values are thrown away,
    // so that no value is favoured.
    std::uint32_t Below(std::uint32_t Count)
    {
        if (Count == 0)
            return 0;
        const std::uint64_t count = Count;
        const std::uint64_t unfair = (0 - count) % count;  // 2^64 mod Count
        std::uint64_t bits = NextBits();
        while (bits > ~std::uint64_t{0} - unfair)
            bits = NextBits();
        return static_cast<std::uint32_t>(bits % count);
    }

private:
    std::uint64_t FState;
};
