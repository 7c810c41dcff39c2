#pragma once
// A round glass showing a dial enlarged round the right needle's tip, with the pupil's
// needle beside the right one: how far a needle set wrong stands off, mark by mark.
// A small widget of its own, for the practice layer to place beside or over the dial;
// the glass fills the largest circle in it.

#include "dial/ScalePainter.h"

#include <QPalette>
#include <QWidget>

#include <cstdint>

class TPlatformScale;

class TNeedleLens : public QWidget {
    Q_OBJECT

public:
    static constexpr double Magnification = 2.5;

    explicit TNeedleLens(QWidget* Parent = nullptr);

    // Dial's board with the pupil's needle at Pupil grams in black and the right one at
    // Right grams in red, enlarged round the right needle's tip.
    void Show(const TPlatformScale& Dial, std::uint32_t Pupil, std::uint32_t Right);
    void Clear();

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    bool FShown = false;
    TScaleProperties FPupil, FRight;
    TScalePainter FPupilPainter, FRightPainter;
    QPalette FDialPalette;
};
