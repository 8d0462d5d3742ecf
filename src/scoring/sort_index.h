#pragma once
// The index sort behind ranking and every sortable list: a quicksort with a random pivot
// that reorders positions 1..n by their keys.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace veltora {

// A source of numbers uniform in [0, 1); injected so that tests can repeat a sort.
using UnitRandom = std::function<double()>;
UnitRandom MakeUnitRandom();                    // seeded unpredictably
UnitRandom MakeUnitRandom(std::uint32_t seed);  // repeatable

// keys[p - 1] is the key of position p = 1..n (n = keys.size()). On success order gets
// indices 0..n with order[1..n] the positions ordered by key (ascending or descending;
// equal keys in no particular order) and order[0] = 0. More than 10000 keys are refused:
// false, order unchanged.
bool SortIndex(std::vector<double> keys, std::vector<std::int16_t>& order, bool ascending,
               const UnitRandom& random);
// Texts compare by character code (byte by byte of their UTF-8 form).
bool SortIndex(std::vector<std::string> keys, std::vector<std::int16_t>& order, bool ascending,
               const UnitRandom& random);

}  // namespace veltora
