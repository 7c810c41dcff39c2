#include "dial/DialTypes.h"

std::uint32_t StandardValueMax(TTypeValueMax t)
{
    static constexpr std::uint32_t grams[TypeValueMaxCount] = {1000, 2000, 5000, 10000,
                                                               20000, 50000, 100000};
    return t < TypeValueMaxCount ? grams[t] : 0;
}
