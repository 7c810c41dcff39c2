#include "classroom/SheetDrawers.h"

#include <algorithm>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// Nice 10: a tenth of the processor's share of a thread at the usual priority.
constexpr int DrawerNice = 10;

}  // namespace

TSheetDrawers::TSheetDrawers()
{
    const int count = std::max(1, static_cast<int>(std::thread::hardware_concurrency()) - 1);
    for (int i = 0; i < count; ++i)
        FThreads.emplace_back([this] {
            // On Linux a thread has a priority of its own, which a thread may lower.
            ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), DrawerNice);
            Work();
        });
}

TSheetDrawers::~TSheetDrawers()
{
    {
        const std::lock_guard lock(FMutex);
        FStopping = true;
    }
    FWake.notify_all();
    for (std::thread& thread : FThreads)
        thread.join();
}

QByteArray TSheetDrawers::Draw(const std::function<QByteArray()>& Draw)
{
    std::packaged_task<QByteArray()> job(Draw);
    std::future<QByteArray> drawn = job.get_future();
    {
        const std::lock_guard lock(FMutex);
        FJobs.push_back(std::move(job));
    }
    FWake.notify_one();
    return drawn.get();
}

void TSheetDrawers::Work()
{
    for (;;) {
        std::unique_lock lock(FMutex);
        FWake.wait(lock, [this] { return FStopping || !FJobs.empty(); });
        if (FJobs.empty())
            return;
        std::packaged_task<QByteArray()> job = std::move(FJobs.front());
        FJobs.pop_front();
        lock.unlock();
        job();
    }
}
