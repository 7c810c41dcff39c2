#pragma once
// Weights for a repeated "更新(&N)" in which every dial moves: each new sheet takes
// alternately the smallest and the largest remaining candidates, so no dial keeps
// its weight from one sheet to the next (a clock-seeded sheet would now and then
// leave a dial where it was, and that dial would rightly not repaint).

#include "sheet/RandomSource.h"

class TAlternatingRandom final : public TRandomSource {
public:
    void Seed() override { FFresh = true; }
    int Next(int Count) override
    {
        if (FFresh) {
            FHigh = !FHigh;
            FFresh = false;
        }
        return FHigh ? Count - 1 : 0;
    }

private:
    bool FFresh = false;
    bool FHigh = false;
};
