#pragma once
// The program's top-level window: the worksheet inside a scroll area. On a screen at
// least as large as the sheet it looks exactly like the sheet alone; on a smaller
// one it opens within the screen's free area and the sheet scrolls, so that every
// dial, blank and summary line can still be reached.

#include "sheet/RandomSource.h"

#include <QScrollArea>

#include <memory>

class TFormKestrum;
struct TCommandLine;

// Where a window whose client area wants Client pixels goes on a screen whose free
// area is Available, when the window system adds Frame around it: two pixels in from
// the free area's corner, as the sheet was laid out, and never larger than fits.
QRect ClientGeometryOnScreen(QSize Client, const QMargins& Frame, const QRect& Available);

class TMainWindow : public QScrollArea {
    Q_OBJECT

public:
    explicit TMainWindow(std::unique_ptr<TRandomSource> Random = nullptr);

    TFormKestrum& Form() const { return *FForm; }

    // Moves and sizes the window to fit the free area of the screen it is on.
    void FitToScreen();

protected:
    void showEvent(QShowEvent* Event) override;

private:
    TFormKestrum* FForm;
    bool FFitted = false;
};

// The window's start: the sheet the command line asked for, the window shown, and a
// warning where the worksheet's fonts are missing.
void StartWindow(const TCommandLine& Line, TMainWindow& Window);
