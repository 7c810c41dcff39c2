#include "printing/PagePipe.h"

bool TPagePipe::Push(TRecordedPage Page)
{
    std::unique_lock lock(FMutex);
    FChanged.wait(lock, [this] { return FStopped || FPages.size() < FDepth; });
    if (FStopped)
        return false;
    FPages.push_back(std::move(Page));
    FChanged.notify_all();
    return true;
}

std::optional<TRecordedPage> TPagePipe::Pop()
{
    std::unique_lock lock(FMutex);
    FChanged.wait(lock, [this] { return FClosed || !FPages.empty(); });
    if (FPages.empty())
        return std::nullopt;
    TRecordedPage page = std::move(FPages.front());
    FPages.pop_front();
    FChanged.notify_all();
    return page;
}

void TPagePipe::Close()
{
    const std::lock_guard lock(FMutex);
    FClosed = true;
    FChanged.notify_all();
}

void TPagePipe::Stop()
{
    const std::lock_guard lock(FMutex);
    FStopped = true;
    FPages.clear();
    FChanged.notify_all();
}
