#pragma once
// Recorded pages on their way from the thread that records them, where the sheet's
// widgets live, to a thread that plays them onto a PDF: a class set is recorded and
// written at the same time, on two cores. A few pages at most wait in between, so a
// long set never holds all its pages in memory.

#include <QFont>
#include <QPicture>
#include <QRect>
#include <QString>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>

// One page as drawing commands in sheet pixels, and the sheet's number beside its
// code ("2/30"), which is drawn on the page itself rather than played.
struct TRecordedPage {
    QPicture Picture;
    QString Number;     // empty where the page has none
    QFont NumberFont;
    QRect NumberBox;
};

class TPagePipe {
public:
    explicit TPagePipe(std::size_t Depth = 4) : FDepth(Depth) {}

    // Hands a page on, waiting while the pipe is full. False once the reader has
    // stopped: the rest need not be recorded.
    bool Push(TRecordedPage Page);
    // The next page, waiting for it; none once the writer has closed the pipe and
    // every page is taken.
    std::optional<TRecordedPage> Pop();
    // The writer has no more pages.
    void Close();
    // The reader takes no more pages.
    void Stop();

private:
    std::mutex FMutex;
    std::condition_variable FChanged;
    std::deque<TRecordedPage> FPages;
    std::size_t FDepth;
    bool FClosed = false;
    bool FStopped = false;
};
