#pragma once
// The dial's property types. Plain one-byte enumerations so that vm002kg, bsDensely
// and hl4Bottom can be written as they stand.

#include <cstdint>
#include <functional>

class QObject;

enum TTypeValueMax : std::uint8_t { vm001kg, vm002kg, vm005kg, vm010kg, vm020kg, vm050kg, vm100kg };
enum TTypeBoardScale : std::uint8_t { bsSparsely, bsDensely };
enum TTypeShowScalePer200 : std::uint8_t { ssShow, ssHide };
enum TTypeHandLocation : std::uint8_t {
    hl0Top, hl1RightTop, hl2Right, hl3RightBottom, hl4Bottom, hl5LeftBottom, hl6Left, hl7LeftTop
};
enum TTypeHandBrush : std::uint8_t { hbClear, hbSolid };
// Which numerals are printed: every one, the large ones only, or 0 and the capacity.
enum TTypeShowNumerals : std::uint8_t { snAll, snLarge, snEnds };

constexpr int TypeValueMaxCount = 7;
constexpr int HandLocationCount = 8;

// The capacity in grams that a TTypeValueMax stands for (1000 ... 100000).
std::uint32_t StandardValueMax(TTypeValueMax t);

// The handler a control calls when it is changed or clicked, with itself as Sender:
// the dial's change notification, and the worksheet's controls' too.
using TNotifyEvent = std::function<void(QObject* Sender)>;
