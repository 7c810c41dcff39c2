#pragma once
// Marking a practice sheet: what the pupil typed into the boxes of each blank, read
// as grams, against the weights of the sheet. Plain functions over plain data, so the
// window, a test and the benchmark mark the same way.

#include "sheet/Problems.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The form of one answer blank, which decides the boxes a pupil types into.
enum TBlankForm : std::uint8_t {
    bfGrams,                // "1250 g": one box of whole grams
    bfKilograms,            // "1.25 kg": one box of kilograms, a decimal point allowed
    bfKilogramsAndGrams,    // "1 kg 250 g": a box of whole kilograms and one of grams
};

// The blank's form for a weight in the unit, as BlankUnit gives it.
TBlankForm BlankForm(TAnswerUnit Unit, std::uint32_t Weight);

// The texts of one blank's boxes as typed. A grams-only blank uses Grams; a kilograms
// blank uses Kilograms.
struct TTypedAnswer {
    QString Kilograms;
    QString Grams;
};

// Full-width digits and the full-width point, as an input method gives them, in
// their ASCII form; everything else as it stands.
QString HalfWidthDigits(const QString& Text);

// A box of ASCII digits alone as a whole number; none for an empty box, any other
// character, or more than MaxDigits digits (nine keep it within 32 bits).
std::optional<std::uint64_t> DigitsValue(const QString& Digits, int MaxDigits = 9);

// The weight in grams an answer in the form stands for: "1.25", "1.250" and "１．２５"
// kilograms are all 1250 g. None for an empty box, anything but digits and one point
// where the form allows it, grams of 1000 or more beside kilograms, or a fraction of a
// gram, which no dial's weight has. Kilograms with the grams box empty are whole kilograms.
std::optional<std::uint32_t> AnswerGrams(TBlankForm Form, const TTypedAnswer& Answer);

struct TMarking {
    std::array<bool, ProblemCount> Right{};
    int Score = 0;  // the problems answered right
};

// Each answer against its weight: right only when it stands for exactly that weight.
TMarking MarkAnswers(TAnswerUnit Unit, const TWeights& Weights,
                     const std::array<TTypedAnswer, ProblemCount>& Answers);
// The pupil's needles against the weights.
TMarking MarkNeedles(const TWeights& Weights, const TWeights& Needles);
