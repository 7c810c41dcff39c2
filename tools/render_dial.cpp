// Renders one dial with the given properties into a PNG file, so that anyone can look
// at any capacity, density, zoom and weight.
//
//   render_dial OUT.png [capacity-kg=2] [value-g=0] [zoom-percent=100] [dense=1]
//               [per200=0] [diameter=285] [solid=0] [numerals=0]
//
// An argument out of its range or not a whole number is refused with the usage, never
// narrowed to something else: the picture must show what was asked for.

#include "dial/PlatformScale.h"
#include "dial/QtCanvas.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// Large enough for a poster, small enough that the image fits in memory.
constexpr long MaxDiameter = 4096;

struct TArgument {
    const char* Name;
    long Default, Min, Max;
};

// In the order of the command line, after OUT.png.
constexpr TArgument Arguments[] = {
    {"capacity-kg", 2, 1, 100},  {"value-g", 0, 0, 100000},  {"zoom-percent", 100, 100, 200},
    {"dense", 1, 0, 1},          {"per200", 0, 0, 1},        {"diameter", 285, 1, MaxDiameter},
    {"solid", 0, 0, 1},          {"numerals", 0, 0, 2},
};
constexpr int ArgumentCount = static_cast<int>(std::size(Arguments));

std::optional<TTypeValueMax> CapacityOf(long kg)
{
    switch (kg) {
    case 1: return vm001kg;
    case 2: return vm002kg;
    case 5: return vm005kg;
    case 10: return vm010kg;
    case 20: return vm020kg;
    case 50: return vm050kg;
    case 100: return vm100kg;
    default: return std::nullopt;
    }
}

std::optional<long> WholeNumber(const char* Text)
{
    long v = 0;
    const char* end = Text + std::strlen(Text);
    const auto [rest, error] = std::from_chars(Text, end, v);
    if (error != std::errc() || rest != end || rest == Text)
        return std::nullopt;
    return v;
}

int Usage(const char* Program, const char* Problem)
{
    if (Problem)
        std::fprintf(stderr, "%s: %s\n", Program, Problem);
    std::fprintf(stderr,
                 "usage: %s OUT.png [capacity-kg=2] [value-g=0] [zoom-percent=100] "
                 "[dense=1] [per200=0] [diameter=285] [solid=0] [numerals=0]\n"
                 "  capacity-kg   1, 2, 5, 10, 20, 50 or 100\n"
                 "  value-g       0 to the capacity in grams\n"
                 "  zoom-percent  100 to 200\n"
                 "  dense, per200, solid  0 or 1\n"
                 "  diameter      1 to %ld pixels\n"
                 "  numerals      0 all, 1 the large ones only, 2 the ends only\n",
                 Program, MaxDiameter);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 2 + ArgumentCount)
        return Usage(argv[0], argc < 2 ? nullptr : "too many arguments");
    long values[ArgumentCount];
    for (int i = 0; i < ArgumentCount; ++i) {
        const TArgument& argument = Arguments[i];
        if (2 + i >= argc) {
            values[i] = argument.Default;
            continue;
        }
        const std::optional<long> v = WholeNumber(argv[2 + i]);
        if (!v || *v < argument.Min || *v > argument.Max) {
            char problem[160];
            std::snprintf(problem, sizeof problem, "%s cannot be '%s'", argument.Name, argv[2 + i]);
            return Usage(argv[0], problem);
        }
        values[i] = *v;
    }
    const auto [kg, value, zoom, dense, per200, diameter, solid, numerals] = values;
    const std::optional<TTypeValueMax> capacity = CapacityOf(kg);
    if (!capacity)
        return Usage(argv[0], "no such capacity");
    if (value > kg * 1000)
        return Usage(argv[0], "the weight is beyond the capacity");

    QApplication app(argc, argv);
    TPlatformScale dial;
    dial.SetDiameter(static_cast<std::uint16_t>(diameter));
    dial.SetBoardColor(clWhite);
    dial.SetWidthBorderLine(2);
    dial.SetWidthHand(12);
    dial.SetTypeValueMax(*capacity);
    dial.SetValueMax(StandardValueMax(*capacity));
    dial.SetStretchRatePercent(static_cast<std::uint8_t>(zoom));
    dial.SetTypeBoardScale(dense ? bsDensely : bsSparsely);
    dial.SetTypeShowScalePer200(per200 ? ssShow : ssHide);
    dial.SetTypeHandBrush(solid ? hbSolid : hbClear);
    dial.SetTypeShowNumerals(static_cast<TTypeShowNumerals>(numerals));
    dial.SetValue(static_cast<std::uint32_t>(value));

    QImage image(dial.Diameter(), dial.Diameter(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        dial.PaintOn(canvas);
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
