#include "sheet/SettingsTables.h"

#include "dial/Graduations.h"

const std::array<TStepRow, StepCount>& StepRows()
{
    static const std::array<TStepRow, StepCount> rows{{
        {"RadioButtonDivision10g", QStringLiteral("10g"), 10},
        {"RadioButtonDivision20g", QStringLiteral("20g"), 20},
        {"RadioButtonDivision50g", QStringLiteral("50g"), 50},
        {"RadioButtonDivision100g", QStringLiteral("100g"), 100},
        {"RadioButtonDivision200g", QStringLiteral("200g"), 200},
        {"RadioButtonDivision500g", QStringLiteral("500g"), 500},
        {"RadioButtonDivision1kg", QStringLiteral("1kg"), 1000},
        {"RadioButtonDivision2kg", QStringLiteral("2kg"), 2000},
        {"RadioButtonDivision5kg", QStringLiteral("5kg"), 5000},
        {"RadioButtonDivision10kg", QStringLiteral("10kg"), 10000},
    }};
    return rows;
}

namespace {

std::int32_t Grams(TTypeValueMax Capacity) { return static_cast<std::int32_t>(StandardValueMax(Capacity)); }

}  // namespace

const std::array<TCapacityRow, CapacityCount>& CapacityRows()
{
    // Each capacity offers the steps that give between 9 and 199 weights to draw
    // from, as far as its marks can show them; 2 kg starts at 20 g rather than its
    // finest step. Codes count a capacity's steps from its first one, so the first
    // stays where it was even where the marks no longer offer it (5 kg, 50 kg).
    static const std::array<TCapacityRow, CapacityCount> rows{{
        {QStringLiteral("  1kg"), vm001kg, Grams(vm001kg), 0, 3, 0, true},
        {QStringLiteral("  2kg"), vm002kg, Grams(vm002kg), 0, 4, 1, false},
        {QStringLiteral("  5kg"), vm005kg, Grams(vm005kg), 2, 5, 2, false},
        {QStringLiteral(" 10kg"), vm010kg, Grams(vm010kg), 3, 6, 3, true},
        {QStringLiteral(" 20kg"), vm020kg, Grams(vm020kg), 4, 7, 4, false},
        {QStringLiteral(" 50kg"), vm050kg, Grams(vm050kg), 5, 8, 5, false},
        {QStringLiteral("100kg"), vm100kg, Grams(vm100kg), 6, 9, 6, true},
    }};
    return rows;
}

bool DrawsPer200(TTypeValueMax Capacity, TTypeBoardScale Board, TTypeShowScalePer200 Per200)
{
    for (const TGraduationLevel& level : GraduationLevels(Capacity))
        if (level.NeedsShowPer200 && LevelDrawn(level, Board, Per200))
            return true;
    return false;
}

bool StepOnceOffered(const TCapacityRow& Row, int StepIndex, std::int32_t Finest)
{
    return Row.FirstStep <= StepIndex && StepIndex <= Row.LastStep
           && StepRows()[StepIndex].Step >= Finest;
}

bool StepOffered(const TCapacityRow& Row, int StepIndex, std::int32_t Finest)
{
    return StepOnceOffered(Row, StepIndex, Finest) && Finest > 0
           && StepRows()[StepIndex].Step % Finest == 0;
}

int StartingStep(const TCapacityRow& Row, std::int32_t Finest)
{
    if (StepOffered(Row, Row.DefaultStep, Finest))
        return Row.DefaultStep;
    // The steps run from the finest to the coarsest.
    for (int i = Row.FirstStep; i <= Row.LastStep; ++i)
        if (StepOffered(Row, i, Finest))
            return i;
    return Row.DefaultStep;
}
