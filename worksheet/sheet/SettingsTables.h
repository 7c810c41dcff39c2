#pragma once
// What each capacity and each step of the settings panel stands for.

#include "dial/DialTypes.h"
#include "dial/Graduations.h"

#include <QString>

#include <array>
#include <cstdint>

constexpr int CapacityCount = 7;
constexpr int StepCount = 10;

struct TStepRow {
    const char* ButtonName;   // objectName of its radio button
    QString Caption;
    std::int32_t Step;        // grams
};

struct TCapacityRow {
    QString Item;             // the capacity choice's item text
    TTypeValueMax Type;
    std::int32_t Capacity;    // grams
    int FirstStep, LastStep;  // the enabled step buttons, as indexes into StepRows()
    int DefaultStep;
    bool Per200Offered;       // the 1/200 graduation falls on a round weight
};

// Ten steps from 10 g to 10 kg, in the order of the panel's buttons.
const std::array<TStepRow, StepCount>& StepRows();
// Seven capacities from 1 kg to 100 kg, in the order of the capacity choice's items.
const std::array<TCapacityRow, CapacityCount>& CapacityRows();

// Whether such a dial draws the graduation at 1/200 of its capacity.
bool DrawsPer200(TTypeValueMax Capacity, TTypeBoardScale Board, TTypeShowScalePer200 Per200);

// Whether the capacity offers the step of StepRows()[StepIndex] on dials whose finest
// marks stand Finest grams apart: only a whole number of marks, so that every weight
// stands on a mark. A weight between two marks cannot be read off.
bool StepOffered(const TCapacityRow& Row, int StepIndex, std::int32_t Finest);
// The step a capacity starts with on such dials: its default step where that is
// offered, else the finest step that is (5 kg and 50 kg, whose dense marks stand 20 g
// and 200 g apart, start at 100 g and 1 kg).
int StartingStep(const TCapacityRow& Row, std::int32_t Finest);
// Whether sheets with the step may have been printed: the steps offered, and those
// offered before a step had to be a whole number of marks (any step of the capacity
// at least as coarse as the finest marks). Their codes still bring their sheets back.
bool StepOnceOffered(const TCapacityRow& Row, int StepIndex, std::int32_t Finest);
