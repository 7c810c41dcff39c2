#pragma once
// What each capacity and each step of the settings panel stands for.

#include "DialTypes.h"

#include <QString>

#include <array>
#include <cstdint>

constexpr int CapacityCount = 7;
constexpr int StepCount = 10;

struct TStepRow {
    const char* ButtonName;   // objectName of its radio button
    QString Caption;
    std::int32_t Step;        // grams
    QString StrDivision;      // its part of the first summary line
};

struct TCapacityRow {
    QString Item;             // the capacity choice's item text
    TTypeValueMax Type;
    std::int32_t Capacity;    // grams
    int FirstStep, LastStep;  // the enabled step buttons, as indexes into StepRows()
    int DefaultStep;
    bool Per200Offered;       // the 1/200 graduation falls on a round weight
    QString StrKind;          // its part of the first summary line
};

// Ten steps from 10 g to 10 kg, in the order of the panel's buttons.
const std::array<TStepRow, StepCount>& StepRows();
// Seven capacities from 1 kg to 100 kg, in the order of the capacity choice's items.
const std::array<TCapacityRow, CapacityCount>& CapacityRows();
