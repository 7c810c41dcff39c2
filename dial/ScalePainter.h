#pragma once
// The painting of a dial, apart from the widget that holds its properties: a plain
// class that turns the properties into a layout (every radius, mark, needle point and
// numeral box the paint draws, worked out once) and replays that layout onto a canvas.
// A paint with the same properties as the one before replays the layout as it stands.

#include "dial/Canvas.h"
#include "dial/DialTypes.h"
#include "dial/QtCanvas.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Everything the paint reads: the dial's properties as the widget keeps them, and the
// decimal separator the numerals are written with.
struct TScaleProperties {
    std::uint32_t Value = 0;
    std::uint32_t ValueMax = 2000;
    std::uint16_t Diameter = 200;
    double StretchRate = 1.0;
    TTypeValueMax TypeValueMax = vm002kg;
    TTypeBoardScale TypeBoardScale = bsDensely;
    TTypeShowScalePer200 TypeShowScalePer200 = ssHide;
    TTypeHandLocation TypeHandLocation = hl0Top;
    TTypeHandBrush TypeHandBrush = hbClear;
    TTypeShowNumerals TypeShowNumerals = snAll;
    bool HandVisible = true;
    TColor HandColor = clBlack;
    TColor BoardColor = clBtnFace;
    std::uint8_t BoardFontSizeSmall = 11, BoardFontSizeBig = 21;
    std::uint8_t WidthBorderLine = 1, WidthHand = 7;
    std::uint8_t WidthScale1 = 1, WidthScale2 = 1, WidthScale3 = 1;
    std::string DecimalSeparator = ".";

    friend bool operator==(const TScaleProperties&, const TScaleProperties&) = default;
};

// What one paint draws, in dial pixels (radii, needle outline and its turned points)
// and in control pixels (everything handed to the canvas).
struct TScaleLayout {
    double RadiusBoard = 0, Radius96 = 0, Radius94 = 0, Radius92 = 0, Radius90 = 0;

    std::uint8_t WidthBorderLine = 1;
    TColor BoardColor = clBtnFace;
    TRect Board{};  // the board's ellipse

    struct TMark {
        TPoint From, To;
    };
    struct TMarkLevel {
        int Width = 1;  // pen width
        std::vector<TMark> Marks;
    };
    std::vector<TMarkLevel> Levels;  // in drawing order, the levels left out omitted

    std::array<TPoint, 5> HandShape{};   // the needle at 0 g, in needle coordinates
    std::array<TPoint, 5> HandPoints{};  // turned to the needle's angle, in dial pixels
    std::array<TPoint, 5> Needle{};      // as drawn, in control pixels
    bool NeedleFilled = false;
    bool NeedleShown = true;        // false: the pivot alone, for a needle the pupil draws
    TColor NeedleColor = clBlack;   // the needle's outline, its fill, and the pivot's ring
    TRect Pivot{};

    using TNumeral = TTextInBox;
    std::vector<TNumeral> Numerals;  // in drawing order
    std::vector<std::uint32_t> NumeralWeights;  // the grams each numeral stands for, same order
};

class TScalePainter {
public:
    static constexpr double HandLengthRate = 0.9;  // the needle's reach, of the board's radius
    // A capacity far beyond the standard one would spread millions of marks round the
    // rim. A level with more marks than this is drawn as the band its marks merge into.
    static constexpr std::uint32_t MaxMarksPerLevel = 4000;

    // Every mark of every level, however many: only for comparing pictures.
    static TScaleLayout UnboundedLayout(const TScaleProperties& Properties);

    // The layout of these properties, worked out again only when they differ from the
    // ones it was last worked out for. Valid until the next call with other properties.
    const TScaleLayout& Layout(const TScaleProperties& Properties);

    // The whole paint: board, marks, needle, pivot, numerals.
    void Paint(const TScaleProperties& Properties, TCanvas& Canvas);
    // The canvas calls of a layout, without the texts prepared for a Qt canvas.
    static void Replay(const TScaleLayout& Layout, TCanvas& Canvas);
    // The needle and its pivot alone, as Replay draws them over the board.
    static void ReplayNeedle(const TScaleLayout& Layout, TCanvas& Canvas);

private:
    static TScaleLayout MakeLayout(const TScaleProperties& Properties, bool Bounded);

    bool FValid = false;
    TScaleProperties FProperties;
    TScaleLayout FLayout;
    // How the Qt canvas sets each numeral (font, fitted stretch, line rectangle), made on
    // the first paint on a Qt canvas after a new layout, at that canvas's resolution.
    TPreparedTexts FTexts;
};
