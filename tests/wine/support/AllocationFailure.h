// Failing allocations in the test program: while an AllocationsFail lives, operator new
// throws std::bad_alloc, as in a host that has run out of memory or on a row too large to
// hold. The program links AllocationFailure.cpp, which replaces operator new.
#pragma once

class AllocationsFail {
public:
  // The first `succeeding` allocations succeed, every later one fails.
  explicit AllocationsFail(long succeeding = 0);
  ~AllocationsFail();
  AllocationsFail(const AllocationsFail&) = delete;
  AllocationsFail& operator=(const AllocationsFail&) = delete;

  // Whether an allocation has failed so far.
  bool Failed() const;
};
