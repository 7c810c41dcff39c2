#pragma once
// Dials as the tests need them: one that counts its repaint requests and change
// notifications, the worksheet's dial, and a paint onto a recording surface.

#include "dial/PlatformScale.h"
#include "RecordingCanvas.h"

#include <QByteArray>

#include <cstring>

// Readable failure messages for the drawing surface's points and boxes.
inline char* toString(const TPoint& P)
{
    return qstrdup(QByteArray("(" + QByteArray::number(P.X) + ", " + QByteArray::number(P.Y) + ")").constData());
}
inline char* toString(const TRect& R)
{
    return qstrdup(QByteArray("(" + QByteArray::number(R.Left) + ", " + QByteArray::number(R.Top) + ", " +
                              QByteArray::number(R.Right) + ", " + QByteArray::number(R.Bottom) + ")")
                       .constData());
}

class TCountingScale : public TPlatformScale {
public:
    int Repaints = 0;
    int Changes = 0;

    explicit TCountingScale(QWidget* Owner = nullptr) : TPlatformScale(Owner)
    {
        SetOnChange([this](QObject*) { ++Changes; });
    }
    void ResetCounts() { Repaints = Changes = 0; }

protected:
    void Invalidate() override
    {
        ++Repaints;
        TPlatformScale::Invalidate();
    }
};

// The worksheet's dial: 285 pixels, outline 2, needle 12, at the given capacity.
inline void MakeWorksheetDial(TPlatformScale& Dial, TTypeValueMax Capacity = vm002kg)
{
    Dial.SetDiameter(285);
    Dial.SetWidthBorderLine(2);
    Dial.SetWidthHand(12);
    Dial.SetTypeValueMax(Capacity);
    Dial.SetValueMax(StandardValueMax(Capacity));
}

inline TRecordingCanvas Record(TPlatformScale& Dial)
{
    TRecordingCanvas canvas;
    Dial.PaintOn(canvas);
    return canvas;
}
