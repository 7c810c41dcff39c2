#pragma once
// Shrinking a failing random run: drops ever smaller chunks of the action list while
// a replay from scratch still fails, so the report names a short reproducer instead
// of thousands of steps.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <vector>

template <typename TAction>
std::vector<TAction> Shrink(std::vector<TAction> Actions,
                            const std::function<bool(const std::vector<TAction>&)>& Fails)
{
    for (std::size_t chunk = Actions.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start + chunk <= Actions.size();) {
            std::vector<TAction> candidate(Actions.begin(), Actions.begin() + static_cast<std::ptrdiff_t>(start));
            candidate.insert(candidate.end(), Actions.begin() + static_cast<std::ptrdiff_t>(start + chunk), Actions.end());
            if (Fails(candidate))
                Actions = std::move(candidate);
            else
                start += chunk;
        }
    }
    return Actions;
}

// "seed N, failure: …" and the reproducer, one action a line.
template <typename TAction>
QString Reproducer(std::uint32_t Seed, const QString& Failure, const std::vector<TAction>& Actions)
{
    QStringList lines{QStringLiteral("seed %1: %2").arg(Seed).arg(Failure),
                      QStringLiteral("shortest failing sequence (%1 actions):").arg(Actions.size())};
    for (const TAction& action : Actions)
        lines << QStringLiteral("  ") + action.Describe();
    return lines.join(QLatin1Char('\n'));
}
