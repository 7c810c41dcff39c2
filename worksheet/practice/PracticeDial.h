#pragma once
// A dial the pupil sets the needle on, over a draw sheet's empty dial. Once marked
// wrong it also shows the right needle, in red over the pupil's, as a teacher would
// draw it in.

#include "dial/PlatformScale.h"
#include "dial/ScalePainter.h"

#include <optional>

class TPracticeDial : public TPlatformScale {
    Q_OBJECT

public:
    explicit TPracticeDial(QWidget* Owner = nullptr);

    // Takes the board of Dial (capacity, graduation, size, widths, colour), with a
    // black needle at 0 g for the pupil to move.
    void CopyBoard(const TPlatformScale& Dial);
    // Scales the board Dial gives to Box, Scale times the sheet's size; the needle stays.
    void FitTo(const TPlatformScale& Dial, const QRect& Box, double Scale);
    // The right needle drawn over the pupil's; none hides it.
    void SetRightWeight(std::optional<std::uint32_t> Weight);

protected:
    void PaintOnScreen(QPainter& Painter) override;

private:
    TScaleProperties RightNeedleProperties() const;

    std::optional<std::uint32_t> FRightWeight;
    TScalePainter FRightPainter;
};
