#include "printing/SpoolerVerdict.h"

#include <dlfcn.h>

namespace {

// IPP status codes from 0x0400 on are errors (RFC 8011, section 6.6).
constexpr int IppFirstError = 0x0400;

}  // namespace

bool SpoolerRefusedLastJob()
{
    // Qt's print support loads libcups; the program itself does not link it, so a
    // machine without CUPS still runs. Only a library already loaded is asked.
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups)
        return false;
    using TLastError = int (*)();
    const auto lastError = reinterpret_cast<TLastError>(dlsym(cups, "cupsLastError"));
    const bool refused = lastError && lastError() >= IppFirstError;
    dlclose(cups);
    return refused;
}
