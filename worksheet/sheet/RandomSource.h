#pragma once
// Where the worksheet's random weights come from. The program seeds from the clock;
// a test puts in fixed draws so a sheet can be reproduced.

#include "sheet/SheetRandom.h"

#include <cstdint>

class TRandomSource {
public:
    virtual ~TRandomSource() = default;
    virtual void Seed() = 0;
    // A whole number from 0 to Count − 1, every value equally likely; Count ≥ 1.
    virtual int Next(int Count) = 0;
    // The seed of the draws that follow, which a sheet code carries; 0 for a source
    // that does not draw from a seed.
    virtual std::uint32_t SeedValue() const { return 0; }
};

// The seeds a sheet code can carry: 0 to SheetSeedLimit − 1.
constexpr std::uint32_t SheetSeedBits = 20;
constexpr std::uint32_t SheetSeedLimit = std::uint32_t{1} << SheetSeedBits;

// Draws with the sheet generator from a given seed: the same seed, the same sheet.
class TSheetSeedRandom : public TRandomSource {
public:
    explicit TSheetSeedRandom(std::uint32_t Seed = 0) { SeedWith(Seed); }
    void SeedWith(std::uint32_t Seed);
    // Starts the draws again from the same seed.
    void Seed() override { SeedWith(FSeed); }
    int Next(int Count) override;
    std::uint32_t SeedValue() const override { return FSeed; }

private:
    std::uint32_t FSeed = 0;
    TSheetRandom FEngine;
};

// Seeded from the milliseconds of the day (folded into the seeds a code can carry),
// so two drawings within the same millisecond give the same sheet.
class TClockRandom final : public TSheetSeedRandom {
public:
    void Seed() override;
};
