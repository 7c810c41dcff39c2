#include "TextLayoutCache.h"

#include <map>
#include <tuple>

namespace {

// As many as the measured fits keep: a stream of odd sizes empties it, never grows it
// without end.
constexpr std::size_t MaxCachedLayouts = 4096;

}  // namespace

const TCachedText& CachedTextLayout(const std::string& Text, int BoxWidth, int BoxHeight,
                                    unsigned Format, int Points, int Dpi)
{
    using TKey = std::tuple<std::string, int, int, unsigned, int, int>;
    static std::map<TKey, TCachedText> cache;
    TKey key{Text, BoxWidth, BoxHeight, Format, Points, Dpi};
    if (const auto found = cache.find(key); found != cache.end())
        return found->second;
    if (cache.size() >= MaxCachedLayouts)
        cache.clear();
    TCachedText entry{QString::fromStdString(Text),
                      TQtCanvas::LayoutText(Text, {0, 0, BoxWidth, BoxHeight}, Format, Points, Dpi)};
    return cache.emplace(std::move(key), std::move(entry)).first->second;
}
