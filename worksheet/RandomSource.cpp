#include "RandomSource.h"

#include <QTime>

#include <algorithm>

void TClockRandom::Seed()
{
    FEngine.seed(static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay()));
}

int TClockRandom::Next(int Count)
{
    std::uniform_int_distribution<int> draw(0, std::max(Count, 1) - 1);
    return draw(FEngine);
}
