// Failing allocations in the test program: while an AllocationsFail lives, every operator
// new throws std::bad_alloc, as in a host that has run out of memory or on a row too large
// to hold. The program links AllocationFailure.cpp, which replaces operator new.
#pragma once

class AllocationsFail {
public:
  AllocationsFail();
  ~AllocationsFail();
  AllocationsFail(const AllocationsFail&) = delete;
  AllocationsFail& operator=(const AllocationsFail&) = delete;
};
