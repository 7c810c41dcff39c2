#pragma once
// Waiting for the worksheet to be on screen: shows the window (or, after a change,
// lets the event loop run) until each of its six dials has been painted.

#include <QObject>

#include <set>

class TFormKestrum;

class TDialPaintWatch final : public QObject {
public:
    explicit TDialPaintWatch(TFormKestrum& Form);

    // Runs the event loop until every dial has painted since the last call (or since
    // the watch began); false if that did not happen within a few seconds.
    bool WaitForPaints();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    std::set<const QObject*> FPainted;
    std::size_t FDials = 0;
};

// Shows Form and waits until its dials have painted.
bool ShowPainted(TFormKestrum& Form);
