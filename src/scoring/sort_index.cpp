#include "scoring/sort_index.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>

#include "scoring/workspace.h"

namespace veltora {

namespace {

// Sorts keys[min..max] ascending, applying every move to perm as well. The pivot is
// picked at random, so sorted input does not degrade the sort; the larger part is
// handled by the loop, so the recursion stays shallow even with many equal keys.
template <typename Key>
void QuickSort(std::vector<Key>& keys, std::vector<std::int16_t>& perm, int min, int max,
               const UnitRandom& random) {
    while (min < max) {
        double draw = random ? random() : 0.0;
        if (!(draw >= 0.0 && draw < 1.0)) draw = 0.0;  // a faulty source never picks outside
        const int i = std::min(max, static_cast<int>(std::floor((max - min + 1) * draw + min)));
        Key med = std::move(keys[i]);
        const std::int16_t medPerm = perm[i];
        if (i != min) {
            keys[i] = std::move(keys[min]);
            perm[i] = perm[min];
        }
        int lo = min;
        int hi = max;
        for (;;) {
            while (!(keys[hi] < med)) {
                if (--hi <= lo) break;
            }
            if (hi <= lo) {
                keys[lo] = std::move(med);
                perm[lo] = medPerm;
                break;
            }
            keys[lo] = std::move(keys[hi]);
            perm[lo] = perm[hi];
            ++lo;
            while (keys[lo] < med) {
                if (++lo >= hi) break;
            }
            if (lo >= hi) {
                lo = hi;
                keys[hi] = std::move(med);
                perm[hi] = medPerm;
                break;
            }
            keys[hi] = std::move(keys[lo]);
            perm[hi] = perm[lo];
        }
        if (lo - min < max - lo) {
            QuickSort(keys, perm, min, lo - 1, random);
            min = lo + 1;
        } else {
            QuickSort(keys, perm, lo + 1, max, random);
            max = lo - 1;
        }
    }
}

template <typename Key>
bool SortPositions(std::vector<Key> keys, std::vector<std::int16_t>& order, bool ascending,
                   const UnitRandom& random) {
    const int n = static_cast<int>(keys.size());
    if (n > kMaxRankRows) return false;
    // Slot 0 is unused so that positions and slots coincide.
    keys.insert(keys.begin(), Key{});
    std::vector<std::int16_t> perm(static_cast<std::size_t>(n) + 1);
    for (int p = 0; p <= n; ++p) perm[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(p);
    QuickSort(keys, perm, 1, n, random);
    if (!ascending) std::reverse(perm.begin() + 1, perm.end());
    order = std::move(perm);
    return true;
}

}  // namespace

UnitRandom MakeUnitRandom() { return MakeUnitRandom(std::random_device{}()); }

UnitRandom MakeUnitRandom(std::uint32_t seed) {
    return [engine = std::mt19937(seed)]() mutable {
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine);
    };
}

bool SortIndex(std::vector<double> keys, std::vector<std::int16_t>& order, bool ascending,
               const UnitRandom& random) {
    return SortPositions(std::move(keys), order, ascending, random);
}

bool SortIndex(std::vector<std::string> keys, std::vector<std::int16_t>& order, bool ascending,
               const UnitRandom& random) {
    return SortPositions(std::move(keys), order, ascending, random);
}

}  // namespace veltora
