#include "sheet/Settling.h"

#include <algorithm>

TSettingsOffer Offered(const TSheetSettings& Settings)
{
    TSettingsOffer offer;
    if (Settings.Capacity < 0 || Settings.Capacity >= CapacityCount)
        return offer;
    const TCapacityRow& row = CapacityRows()[Settings.Capacity];
    // On a mixed sheet each dial takes its own capacity's step.
    for (int i = 0; i < StepCount; ++i)
        offer.Steps[i] = !Settings.Mixed && StepOffered(Settings, i);
    // The 1/200 graduation is drawn only on a densely graduated dial of a capacity
    // that has one; a mixed sheet may have 1 kg dials, which have.
    offer.Per200 = Settings.Dense && (row.Per200Offered || Settings.Mixed);
    // The enlarged part shows where the needle stands, which would give a draw
    // sheet's answer away.
    offer.Enlarged = Settings.Exercise != exDraw;
    offer.RangeBound = row.Capacity;
    offer.Mixed = Settings.Capacity > 0;
    offer.Range = !Settings.Mixed;
    return offer;
}

TSheetSettings Settled(TSheetSettings Settings, const TSheetSettings& Before)
{
    TSheetSettings& s = Settings;
    if (s.Capacity < 0 || s.Capacity >= CapacityCount || s.Step < 0 || s.Step >= StepCount)
        return Settings;
    const std::int32_t capacity = s.CapacityGrams();
    if (s.Capacity != Before.Capacity) {
        s.Dense = true;
        s.RangeMin = 0;
        s.RangeMax = capacity;
        s.Step = StartingStep(s);
    } else if (!StepOffered(s, s.Step)) {
        // Other changes leave a step brought back from an older code as it was printed.
        const bool marksChanged = s.Dense != Before.Dense || s.Per200 != Before.Per200;
        if (marksChanged || s == Before)
            s.Step = StartingStep(s);
    }
    if (s.Step != Before.Step) {
        const std::int32_t step = s.StepGrams();
        if (s.RangeMin > step)
            s.RangeMin = 0;
        s.RangeMin = s.RangeMin / step * step;
        s.RangeMax = s.RangeMax / step * step;
    }
    if (s.Exercise == exDraw)
        s.Enlarged = false;
    s.Mixed = s.Mixed && Offered(s).Mixed;
    if (s.Mixed) {
        s.Step = StartingStep(s);
        s.RangeMin = 0;
        s.RangeMax = capacity;
    }
    s.RangeMin = std::clamp(s.RangeMin, 0, capacity);
    return Settings;
}
