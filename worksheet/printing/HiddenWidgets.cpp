#include "HiddenWidgets.h"

#include <QApplication>

THiddenWidgets::THiddenWidgets(const QList<QWidget*>& Widgets) : FFocus(QApplication::focusWidget())
{
    FEntries.reserve(static_cast<std::size_t>(Widgets.size()));
    for (QWidget* widget : Widgets) {
        if (!widget)
            continue;
        // isHidden, not isVisible: a panel of a window that is not on screen yet is
        // not visible, but it is not hidden either and must not come back hidden.
        FEntries.push_back({widget, widget->isHidden()});
        widget->hide();
    }
}

THiddenWidgets::~THiddenWidgets()
{
    // Backwards, so that a widget named twice ends as it was before the first hide.
    for (auto entry = FEntries.rbegin(); entry != FEntries.rend(); ++entry)
        if (entry->Widget)
            entry->Widget->setHidden(entry->WasHidden);
    if (FFocus && FFocus->isVisible() && QApplication::focusWidget() != FFocus)
        FFocus->setFocus(Qt::OtherFocusReason);
}
