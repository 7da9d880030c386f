// The coverage hooks of g++ that the libFuzzer of clang 14 lacks or no longer takes. Built only by
// scripts/fuzz, which links a copy of libFuzzer whose own trace-pc hook is made weak.
//
// trace-pc: each call site of the hook counts in a table of 8-bit counters that libFuzzer reads
// as extra counters (the section it looks for by name). trace-cmp of floating-point values: g++
// reports them, libFuzzer has no use for them.
#include <cstdint>

namespace {

const uintptr_t kCounterCount = 1 << 16;

} // namespace

__attribute__((section("__libfuzzer_extra_counters"), used)) static uint8_t counters[kCounterCount];

extern "C" {

__attribute__((no_sanitize_coverage, no_sanitize("address", "undefined"))) void __sanitizer_cov_trace_pc()
{
    uintptr_t pc = reinterpret_cast<uintptr_t>(__builtin_return_address(0));
    uint8_t& counter = counters[(pc ^ (pc >> 16)) & (kCounterCount - 1)];
    counter = static_cast<uint8_t>(counter + 1);
}

__attribute__((no_sanitize_coverage)) void __sanitizer_cov_trace_cmpf(float, float) {}
__attribute__((no_sanitize_coverage)) void __sanitizer_cov_trace_cmpd(double, double) {}

} // extern "C"
