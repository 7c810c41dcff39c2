#pragma once
// Naming a pupil's wrong answer: which of the usual slips in reading a dial it is, in
// words a pupil understands, and the way to read the right weight off the dial.
// Plain functions over plain data, so the practice window, a test and the benchmark
// name a mistake the same way.

#include "dial/DialTypes.h"
#include "practice/Marking.h"

#include <QString>

#include <cstdint>
#include <vector>

class TPlatformScale;

// The kinds of mistake, in the order they are tried: the first that fits names it.
enum class TMistake : std::uint8_t {
    None,               // right, or none of the kinds below
    OneMarkOff,         // one finest mark above or below
    KilogramsAndGrams,  // the right digits in the wrong unit or place
    MarkSize,           // the marks past the numeral counted right, each given the wrong size
    Numeral,            // the nearest numeral instead of the needle
    WrongSide,          // the marks counted back from the next numeral
};
inline constexpr int MistakeKindCount = 6;

// What a pupil sees on one dial: its finest mark and its printed numerals, in grams.
struct TDialDrawing {
    TTypeValueMax Capacity = vm002kg;
    std::uint32_t FinestMark = 0;
    std::vector<std::uint32_t> Numerals;  // ascending
};

TDialDrawing DialDrawing(TTypeValueMax Capacity, TTypeBoardScale Board, TTypeShowScalePer200 Per200,
                         TTypeShowNumerals Level);
// The dial as it stands, with its own capacity (a mixed sheet gives each dial its own).
TDialDrawing DialDrawing(const TPlatformScale& Dial);

// A needle the pupil set to Answer grams, on a dial whose right weight is Right.
TMistake NameMistake(const TDialDrawing& Dial, std::uint32_t Right, std::uint32_t Answer);
// What the pupil typed into a blank of the form. The kilograms-and-grams kind is told
// from the digits as typed, so it names answers that read as no weight at all as well
// ("1" kg and "1260" g).
TMistake NameMistake(const TDialDrawing& Dial, std::uint32_t Right, TBlankForm Form,
                     const TTypedAnswer& Typed);

// The words for the mistake, translated; FinestMark fills the mark size's words.
// Empty for TMistake::None.
QString MistakeWords(TMistake Mistake, std::uint32_t FinestMark);
// The mistake's short name, for a tally ("1目もりの大きさ"); empty for TMistake::None.
QString MistakeName(TMistake Mistake);

// How the right weight is read: the numeral at or below it, then Marks marks of Mark
// grams past it.
struct TReadingWay {
    TTypeValueMax Capacity = vm002kg;  // the numeral is written as this dial writes it
    std::uint32_t From = 0;
    std::uint32_t Marks = 0;
    std::uint32_t Mark = 0;
};

TReadingWay ReadingWay(const TDialDrawing& Dial, std::uint32_t Right);
// "3.8kg から 小さい目もり3つ (1つ20g) → 3kg 860g": the numeral as the dial writes it
// with its unit, the marks, and the right weight as the blank writes it.
QString ReadingWayText(const TReadingWay& Way, TAnswerUnit Unit, std::uint32_t Right,
                       const QString& DecimalSeparator);
