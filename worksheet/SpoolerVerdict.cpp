#include "SpoolerVerdict.h"

#include <dlfcn.h>

namespace {

// IPP status codes (RFC 8011, section 6.6) that name a missing destination.
constexpr int IppFirstError = 0x0400;
constexpr int IppNotFound = 0x0406;
constexpr int IppServiceUnavailable = 0x0503;

}  // namespace

TPrintFailure FailureOfIppStatus(int Status)
{
    if (Status < IppFirstError)
        return pfNone;
    if (Status == IppNotFound || Status == IppServiceUnavailable)
        return pfNoPrinter;
    return pfUnsupported;
}

TPrintFailure SpoolerVerdict()
{
    // Qt's print support loads libcups; the program itself does not link it, so a
    // machine without CUPS still runs. Only a library already loaded is asked.
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups)
        return pfNone;
    using TLastError = int (*)();
    const auto lastError = reinterpret_cast<TLastError>(dlsym(cups, "cupsLastError"));
    const TPrintFailure failure = lastError ? FailureOfIppStatus(lastError()) : pfNone;
    dlclose(cups);
    return failure;
}
