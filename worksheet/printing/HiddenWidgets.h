#pragma once
// Hides widgets for as long as it lives, then gives each back exactly the visibility
// it had, however the print in between ends: finished, failed or thrown out of.

#include <QList>
#include <QPointer>
#include <QWidget>

#include <vector>

class THiddenWidgets {
public:
    explicit THiddenWidgets(const QList<QWidget*>& Widgets);
    ~THiddenWidgets();
    THiddenWidgets(const THiddenWidgets&) = delete;
    THiddenWidgets& operator=(const THiddenWidgets&) = delete;

private:
    struct TEntry {
        QPointer<QWidget> Widget;
        bool WasHidden;
    };
    std::vector<TEntry> FEntries;
    // Hiding the panel that holds the focused button moves the focus away; it comes
    // back with the panel.
    QPointer<QWidget> FFocus;
};
