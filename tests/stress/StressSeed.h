#pragma once
// Seeds and lengths of the randomized tests: fixed by default so a run repeats,
// taken from KESTRUM_STRESS_SEED / KESTRUM_STRESS_STEPS when set (make torture).

#include <QString>
#include <QtGlobal>

#include <cstdint>

inline std::uint32_t StressSeed()
{
    bool ok = false;
    const auto seed = qEnvironmentVariable("KESTRUM_STRESS_SEED").toUInt(&ok);
    return ok ? seed : 20261208u;
}

inline int StressSteps(int shortRun)
{
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("KESTRUM_STRESS_STEPS", &ok);
    return ok && steps > 0 ? steps : shortRun;
}
