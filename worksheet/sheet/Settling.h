#pragma once
// The rules that decide what a teacher may choose, in one place: the settings panel,
// the command line and the code reader all settle a settings value through them.

#include "sheet/SettingsTables.h"
#include "sheet/Sheet.h"

#include <array>
#include <cstdint>

// What the settings let the teacher choose next, as the panel shows it.
struct TSettingsOffer {
    std::array<bool, StepCount> Steps{};  // by index into StepRows(): the enabled step buttons
    bool Per200 = false;                  // the 1/200 choice is shown
    bool Enlarged = false;                // the enlarged view may be chosen
    bool Mixed = false;                   // mixed capacities may be chosen: some lie below
    bool Range = false;                   // the range boxes may be edited: not while mixed
    std::int32_t RangeBound = 0;          // the capacity: the lower bound's largest value,
                                          // and what the weights stay below
};
TSettingsOffer Offered(const TSheetSettings& Settings);

// Settings as they stand once a change from Before has run its course:
// - a new capacity is densely graduated, its range is the whole dial and it starts
//   at its starting step (its default step where its dense marks show it);
// - a step the dials' finest marks cannot show once the density or 1/200 choice
//   changes gives way to the starting step (a sheet brought back from an older code
//   keeps its step through other changes, as printed, until it is drawn again);
// - a new step empties a lower bound above it and rounds both bounds down to its
//   multiples;
// - a draw sheet is the whole dial;
// - a mixed sheet has a capacity with others below it, the whole range of every dial
//   and the chosen capacity's starting step (each dial has its own capacity's);
// - the lower bound lies within the dial.
// Before defaults to start-up's settings, so that settings built from them keep
// start-up's 100 g step at 2 kg. Settled(S, S) settles S as it stands, before a draw.
// Anything else (the 1/200 choice, unit, range above the capacity) is kept as it is.
TSheetSettings Settled(TSheetSettings Settings, const TSheetSettings& Before = TSheetSettings{});
