#include "PaintedWindow.h"

#include "dial/PlatformScale.h"
#include "view/SheetView.h"
#include "window/UnitKestrum.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>

TDialPaintWatch::TDialPaintWatch(TFormKestrum& Form)
{
    // The sheet's own six dials: the practice dials lie hidden over them until a
    // practice starts, and a hidden dial never paints.
    for (TPlatformScale* dial : Form.View().findChildren<TPlatformScale*>()) {
        if (dial->isHidden())
            continue;
        dial->installEventFilter(this);
        ++FDials;
    }
}

bool TDialPaintWatch::eventFilter(QObject* Watched, QEvent* Event)
{
    // The paint is delivered right after this; the repaint manager paints every dirty
    // widget of the window in one pass, so once the loop returns all of them are done.
    if (Event->type() == QEvent::Paint)
        FPainted.insert(Watched);
    return false;
}

bool TDialPaintWatch::WaitForPaints()
{
    const QDeadlineTimer deadline(5000);
    while (FPainted.size() < FDials && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const bool done = FPainted.size() == FDials && FDials > 0;
    FPainted.clear();
    return done;
}

bool ShowPainted(TFormKestrum& Form)
{
    TDialPaintWatch watch(Form);
    Form.show();
    return watch.WaitForPaints();
}
