#pragma once

// Counts every allocation made through operator new in the program that links
// AllocationCounter.cpp, so a benchmark can report how many its loop made.
long allocationCount();
