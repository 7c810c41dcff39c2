#include "sheet/RandomSource.h"

#include <QTime>

#include <algorithm>

void TSheetSeedRandom::SeedWith(std::uint32_t Seed)
{
    FSeed = Seed % SheetSeedLimit;
    FEngine.Seed(FSeed);
}

int TSheetSeedRandom::Next(int Count)
{
    return static_cast<int>(FEngine.Below(static_cast<std::uint32_t>(std::max(Count, 1))));
}

void TClockRandom::Seed()
{
    SeedWith(static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
}
