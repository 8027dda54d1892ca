// Memory running out at a chosen moment, for the front ends' guard tests:
// after failAllocation(n) the n-th C++ allocation from then on fails and
// those after it succeed again; with `from`, every allocation of that many
// bytes or more fails too, C's malloc included where the C library lets a
// program take it over (a toolkit that checks no small malloc crashes).
#pragma once

#include <cstddef>
#include <cstdint>

void failAllocation(long n, std::size_t from = SIZE_MAX);
// Whether an allocation failed since failAllocation(); the failing ends.
bool allocationFailed();
