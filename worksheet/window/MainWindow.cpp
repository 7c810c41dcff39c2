#include "window/MainWindow.h"

#include "CommandLine.h"
#include "view/Fonts.h"
#include "window/UnitKestrum.h"

#include <QScreen>
#include <QTimer>

#include <algorithm>

QRect ClientGeometryOnScreen(QSize Client, const QMargins& Frame, const QRect& Available)
{
    constexpr int Inset = 2;
    const int roomX = Available.width() - Frame.left() - Frame.right();
    const int roomY = Available.height() - Frame.top() - Frame.bottom();
    const int width = std::max(1, std::min(Client.width(), roomX));
    const int height = std::max(1, std::min(Client.height(), roomY));
    // Two pixels in where that still leaves the whole window on the screen.
    const int x = Available.left() + Frame.left() + std::clamp(roomX - width, 0, Inset);
    const int y = Available.top() + Frame.top() + std::clamp(roomY - height, 0, Inset);
    return {x, y, width, height};
}

TMainWindow::TMainWindow(std::unique_ptr<TRandomSource> Random)
    : FForm(new TFormKestrum(nullptr, std::move(Random)))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(FForm->windowTitle());
    setFrameShape(QFrame::NoFrame);
    // The scroll area itself is no control: without a frame it would take an unseen
    // Tab stop between the last control and the first.
    setFocusPolicy(Qt::NoFocus);
    // The sheet grows with a larger window (white beyond its design) and scrolls in a
    // smaller one: it never shrinks below the size it was laid out for.
    setWidgetResizable(true);
    setWidget(FForm);
    setPalette(FForm->palette());
    resize(SheetDesignSize);
}

void TMainWindow::showEvent(QShowEvent* Event)
{
    QScrollArea::showEvent(Event);
    if (FFitted)
        return;
    FFitted = true;
    FitToScreen();
    // The window system adds its frame when it maps the window; fit again once it has.
    QTimer::singleShot(0, this, &TMainWindow::FitToScreen);
}

void TMainWindow::FitToScreen()
{
    const QScreen* display = screen();
    if (!display)
        return;
    const QRect frame = frameGeometry(), client = geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    setGeometry(ClientGeometryOnScreen(SheetDesignSize, margins, display->availableGeometry()));
}

void StartWindow(const TCommandLine& Line, TMainWindow& Window)
{
    if (!Line.DataPath.isEmpty())
        Window.Form().SetClassDataPath(Line.DataPath);
    if (const std::optional<TSheet> sheet = CommandLineSheet(Line))
        Window.Form().ApplySheet(*sheet);
    if (Line.StepUp)
        Window.Form().StartStepUp();
    else if (Line.Practice)
        Window.Form().StartPractice();
    Window.show();
    WarnOfMissingFonts(Window);
}
