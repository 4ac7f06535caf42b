#include "core/named_objects.h"

namespace vorlix {

std::uint32_t hashBucket(std::string_view storedKey) {
    std::uint32_t h = 0;
    for (char c : storedKey) {
        h = h * 33 +
            static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
    }
    return h % kHashBuckets;
}

std::vector<std::size_t> storedOrder(const std::vector<std::string>& storedKeys) {
    std::vector<std::size_t> order;
    order.reserve(storedKeys.size());
    for (std::uint32_t bucket = 0; bucket < kHashBuckets; ++bucket) {
        for (std::size_t i = storedKeys.size(); i-- > 0;) {
            if (hashBucket(storedKeys[i]) == bucket) {
                order.push_back(i);
            }
        }
    }
    return order;
}

}  // namespace vorlix
