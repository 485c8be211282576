// FUZZ_CHECK: a property that aborts the fuzzer's run when it fails.
#pragma once

// A property that fails aborts the run, so that libFuzzer keeps the input.

#include <cstdlib>

namespace wrennet::fuzz {

inline void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace wrennet::fuzz
