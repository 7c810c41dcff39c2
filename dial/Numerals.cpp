#include "Numerals.h"

#include "PlatformScale.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr bool S = false, B = true;  // small or big font
constexpr TNumeralAlign L = naLeft, C = naCentre, R = naRight;
constexpr double t1 = 1.0 / 3.0, t2 = 2.0 / 3.0, t4 = 4.0 / 3.0, t5 = 5.0 / 3.0;

constexpr TNumeralRow Rows1kg[] = {
    {{0}, "", S, C, 0.5, t2, 0.5, 1},
    {{1}, "g", S, R, 2, t2, 1, 1},
    {{2}, "g", B, R, 5.0 / 2.0, t2, 0.5, t2},
    {{3}, "", S, R, 7.0 / 4.0, t2, 0.5, t2},
    {{4}, "g", B, R, 2, 1, 1, t1},
    {{5}, "", S, C, 1.5, t2, 1.5, t2},
    {{6}, "g", B, L, 1, t2, 2, t2},
    {{7, 9}, "", S, L, 0.5, t2, 2, t2},
    {{8}, "g", B, L, 0.5, t2, 5.0 / 2.0, t2},
    {{10}, "kg", B, C, 1, 0, 1, t4},
};

constexpr TNumeralRow Rows2kg[] = {
    {{0}, "", S, C, 0.5, t2, 0.5, 1},
    {{1}, "g", S, R, 1.5, t2, 1.5, 1},
    {{2, 3, 4}, "", S, R, 2, t2, 5.0 / 6.0, 1},
    {{5}, "g", B, R, 9.0 / 4.0, t2, 3.0 / 4.0, 1},
    {{6, 7, 8, 9}, "", S, R, 1.5, t2, 5.0 / 6.0, t2},
    {{10}, "kg", B, C, 5.0 / 3.0, t4, t4, t1},
    {{11, 12, 13, 14}, "", S, L, 3.0 / 4.0, t2, 5.0 / 4.0, t2},
    {{15}, "kg", B, L, 1, t2, 2, 1},
    {{16, 17, 18, 19}, "", S, L, 3.0 / 4.0, t2, 5.0 / 4.0, t2},
    {{20}, "kg", B, C, 23.0 / 24.0, 0, 25.0 / 24.0, t4},
};

constexpr TNumeralRow Rows5kg[] = {
    {{0}, "", S, C, 0.5, t2, 0.5, 1},
    {{2}, "g", S, R, 1.5, t2, 1.5, t5},
    {{4, 6, 8}, "", S, R, 2, t2, 1, t2},
    {{10, 20}, "kg", B, R, 1.5, t2, 0.5, t2},
    {{12, 14, 16, 18, 22, 24, 26, 28}, "", S, C, 1, t2, 1, t2},
    {{30, 40}, "kg", B, L, 0.5, t2, 1.5, t2},
    {{32, 34, 36, 38, 42, 44, 46, 48}, "", S, L, 0.5, t2, 1.5, t2},
    {{50}, "kg", B, C, 23.0 / 24.0, 0, 25.0 / 24.0, t4},
};

constexpr TNumeralRow Rows10kg[] = {
    {{0}, "", S, C, 0.5, t2, 0.5, t2},
    {{5}, "kg", S, R, 1.5, t2, 1.5, t5},
    {{10, 15, 25, 30, 35, 45}, "", S, R, 9.0 / 4.0, t2, 0.5, t2},
    {{20}, "kg", B, R, 9.0 / 4.0, t2, 0.5, t2},
    {{40}, "kg", B, R, 9.0 / 4.0, 1, 0.5, t1},
    {{50}, "", S, C, 1.5, 1, 1.5, t1},
    {{55, 65, 70, 75, 85, 90, 95}, "", S, L, 0.5, t2, 1.5, 1},
    {{60, 80}, "kg", B, L, 0.5, t2, 1.5, 1},
    {{100}, "kg", B, C, 1.5, 0, 1.5, t4},
};

constexpr TNumeralRow Rows20kg[] = {
    {{0}, "", S, C, 0.5, t2, 0.5, 1},
    {{1}, "kg", S, R, 1, t2, 1, 1},
    {{2, 3, 4, 6, 7, 8, 9}, "", S, R, 0.5, t2, 0.5, t2},
    {{5}, "kg", B, R, 1.5, t2, 0.5, 1},
    {{10}, "kg", B, C, 1.5, t4, 1.5, t1},
    {{11, 12, 13, 14, 16, 17, 18, 19}, "", S, L, 0.5, t2, 1, t2},
    {{15}, "kg", B, L, 0.5, t2, 5.0 / 2.0, 1},
    {{20}, "kg", B, C, 5.0 / 4.0, 0, 7.0 / 4.0, t4},
};

constexpr TNumeralRow Rows50kg[] = {
    {{0}, "", S, C, 0.5, t2, 0.5, t2},
    {{2}, "kg", S, R, 1, t2, 1, 1},
    {{4, 6, 8}, "", S, R, 0.5, t2, 0.5, t2},
    {{10}, "kg", B, R, 5.0 / 2.0, t2, 0.5, 1},
    {{20}, "kg", B, R, 2, t2, 1, t2},
    {{12, 14, 16, 18, 22, 24, 26, 28}, "", S, C, 1, t2, 1, t2},
    {{30, 40}, "kg", B, L, 0.5, t2, 5.0 / 2.0, 1},
    {{32, 34, 36, 38, 42, 44, 46, 48}, "", S, L, 0.5, t2, 1, t2},
    {{50}, "kg", B, C, 5.0 / 4.0, 0, 7.0 / 4.0, t4},
};

constexpr TNumeralRow Rows100kg[] = {
    {{0}, "", S, C, 0.5, t2, 0.5, t2},
    {{5}, "kg", S, R, 1.5, t2, 1.5, 1},
    {{10, 15, 25, 30, 35, 45}, "", S, R, 1, t2, 0.5, t2},
    {{20, 40}, "kg", B, R, 9.0 / 4.0, 1, 3.0 / 4.0, t2},
    {{50}, "", S, C, 19.0 / 12.0, 1, 17.0 / 12.0, t1},
    {{55, 65, 70, 75, 85, 90, 95}, "", S, L, 0.5, t2, 5.0 / 2.0, t2},
    {{60, 80}, "kg", B, L, 0.5, t2, 5.0 / 2.0, 1},
    {{100}, "kg", B, C, 1.5, 0, 2, t5},
};

const TNumeralTable Tables[TypeValueMaxCount] = {
    {100, true, 10, Rows1kg},   {100, true, 20, Rows2kg},    {100, true, 50, Rows5kg},
    {100, false, 100, Rows10kg}, {1000, false, 20, Rows20kg}, {1000, false, 50, Rows50kg},
    {1000, false, 100, Rows100kg},
};

unsigned AlignFlags(std::uint8_t AlignKind)
{
    switch (AlignKind) {
    case naLeft:
        return DT_LEFT | DT_TOP;
    case naCentre:
        return DT_CENTER;
    case naRight:
        return DT_RIGHT;
    default:
        return DT_SINGLELINE | DT_CENTER;
    }
}

}  // namespace

const TNumeralRow* TNumeralTable::Find(std::uint32_t v) const
{
    for (const TNumeralRow& row : Rows)
        if (row.Matches(v))
            return &row;
    return nullptr;
}

const TNumeralTable* NumeralTable(TTypeValueMax Capacity)
{
    return Capacity < TypeValueMaxCount ? &Tables[Capacity] : nullptr;
}

std::string LocaleDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? std::string(".") : point.toStdString();
}

std::string NumeralNumber(const TNumeralTable& Table, std::uint32_t v,
                          const std::string& DecimalSeparator)
{
    if (v == 0)
        return "0";
    if (Table.Divisor == 1000)
        return std::to_string(v);
    if (Table.GramsBelowTen && v < 10)
        return std::to_string(v * 100);
    // Tenths of a kilogram in the general format: no exponent, no trailing zeros,
    // no separator for a whole number.
    // to_chars ignores the C library's locale, so the separator comes only from ours.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long double>(v) / 10,
                                      std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    if (const auto dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, DecimalSeparator);
    return text;
}

void TPlatformScale::DrawNumeral(TCanvas& Canvas, std::int32_t FontSize,
                                 const std::string& NumeralText, std::int32_t NumeralValue,
                                 std::int32_t Divisor, double OffsetLeft, double OffsetTop,
                                 double OffsetRight, double OffsetBottom, std::uint8_t AlignKind)
{
    Canvas.Font.Size = FontSize;
    FNumeralText = NumeralText;

    const long double phi = static_cast<long double>(NumeralValue) /
                                (static_cast<long double>(FValueMax) / Divisor) * 12 * Pi / 6 +
                            HalfPi;
    // The anchor sits inside the 92 % ring by five sixths of the font size, in
    // unzoomed dial pixels: the zoom reaches the box only through ZoomX and ZoomY.
    const long double r = FRadius92 - static_cast<long double>(FontSize * 5) / 6;
    const long double m = FRadiusBoard;
    const long double x = m - std::cos(phi) * r;
    const long double y = m - std::sin(phi) * r;
    const long double size = FontSize;
    const TZoomMap zoom = Zoom();

    FNumeralRect.Left = zoom.ZoomX(RoundOff(x - size * OffsetLeft));
    FNumeralRect.Top = zoom.ZoomY(RoundOff(y - size * OffsetTop));
    FNumeralRect.Right = zoom.ZoomX(RoundOff(x + size * OffsetRight));
    FNumeralRect.Bottom = zoom.ZoomY(RoundOff(y + size * OffsetBottom));
    Canvas.DrawText(FNumeralText, FNumeralRect, AlignFlags(AlignKind));
}

void TPlatformScale::PaintNumerals(TCanvas& Canvas)
{
    const TNumeralTable* table = NumeralTable(FTypeValueMax);
    if (table == nullptr)
        return;
    Canvas.Pen.Color = clBlack;
    Canvas.Pen.Style = psSolid;
    Canvas.Brush.SetStyle(bsClear);
    Canvas.Font.Color = clWindowText;
    if (FValueMax == 0)
        return;  // no turn to place them on

    const std::string separator = LocaleDecimalSeparator();
    // Values past the table's last carry no numeral, however large the capacity.
    const std::uint32_t last =
        std::min(FValueMax / static_cast<std::uint32_t>(table->Divisor), table->LastValue);
    for (std::uint32_t v = 0; v <= last; ++v) {
        const TNumeralRow* row = table->Find(v);
        if (row == nullptr)
            continue;
        const std::int32_t size = row->Big ? FBoardFontSizeBig : FBoardFontSizeSmall;
        DrawNumeral(Canvas, size, NumeralNumber(*table, v, separator) + row->Unit,
                    static_cast<std::int32_t>(v), table->Divisor, row->Left, row->Top,
                    row->Right, row->Bottom, row->Align);
    }
}
