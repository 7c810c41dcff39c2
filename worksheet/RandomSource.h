#pragma once
// Where the worksheet's random weights come from. The program seeds from the clock;
// a test puts in fixed draws so a sheet can be reproduced.

#include <random>

class TRandomSource {
public:
    virtual ~TRandomSource() = default;
    virtual void Seed() = 0;
    // A whole number from 0 to Count − 1, every value equally likely; Count ≥ 1.
    virtual int Next(int Count) = 0;
};

// Seeded from the milliseconds of the day, so two drawings within the same
// millisecond give the same sheet.
class TClockRandom final : public TRandomSource {
public:
    void Seed() override;
    int Next(int Count) override;

private:
    std::mt19937 FEngine;
};
