#include "practice/NeedleLens.h"

#include "dial/Magnifier.h"
#include "dial/PlatformScale.h"
#include "dial/QtCanvas.h"

#include <QPainter>

#include <cmath>

TNeedleLens::TNeedleLens(QWidget* Parent) : QWidget(Parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void TNeedleLens::Show(const TPlatformScale& Dial, std::uint32_t Pupil, std::uint32_t Right)
{
    // Both needles on the pupil's board and view, as the practice dial draws them.
    FPupil = Dial.Properties();
    FPupil.Value = Pupil;
    FPupil.HandVisible = true;
    FPupil.HandColor = clBlack;
    FRight = FPupil;
    FRight.Value = Right;
    FRight.HandColor = clRed;
    FDialPalette = Dial.palette();
    FShown = true;
    show();
    update();
}

void TNeedleLens::Clear()
{
    FShown = false;
    hide();
}

void TNeedleLens::paintEvent(QPaintEvent*)
{
    if (!FShown)
        return;
    const TScaleLayout& right = FRightPainter.Layout(FRight);
    const TScaleLayout& pupil = FPupilPainter.Layout(FPupil);
    const QPointF centre((right.Board.Left + right.Board.Right) / 2.0, (right.Board.Top + right.Board.Bottom) / 2.0);
    const QPointF rightTip(right.Needle[2].X, right.Needle[2].Y);
    const QPointF pupilTip(pupil.Needle[2].X, pupil.Needle[2].Y);
    const double radius = std::min(width(), height()) / 2.0 - 1;
    // Round the right tip; round both tips where both fit in the glass.
    QPointF spot = rightTip;
    const QPointF apart = pupilTip - rightTip;
    if (std::hypot(apart.x(), apart.y()) * Magnification < radius * 1.2)
        spot = rightTip + apart / 2;
    // A little beyond the tips (90 % of the board's radius) toward the marks (96 % to 100 %).
    spot = centre + (spot - centre) * (0.95 / 0.9);

    QPainter painter(this);
    const QColor back = palette().color(QPalette::Window);
    PaintMagnified(painter, QPointF(width() / 2.0, height() / 2.0), radius, spot, Magnification, back,
                   [this](QPainter& P) {
                       P.setClipRect(QRect(0, 0, FPupil.Diameter, FPupil.Diameter), Qt::IntersectClip);
                       TQtCanvas canvas(P);
                       canvas.SetSystemPalette(FDialPalette);
                       FPupilPainter.Paint(FPupil, canvas);
                       TScalePainter::ReplayNeedle(FRightPainter.Layout(FRight), canvas);
                   });
}
