// Cost of each engine function on realistic inputs at the fields' maxima, and
// the number of heap allocations per call, reported as the counter "allocs".
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "engine/account.h"
#include "engine/cif.h"
#include "engine/digits.h"
#include "engine/iban.h"
#include "engine/nif.h"
#include "engine/social_security.h"

namespace {

std::atomic<long> g_allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace idcheck;

// Runs fn in the benchmark loop and reports the allocations per call.
template <typename Fn>
void Measure(benchmark::State& state, Fn fn) {
  long before = g_allocations.load();
  for (auto _ : state) benchmark::DoNotOptimize(fn());
  long after = g_allocations.load();
  state.counters["allocs"] = benchmark::Counter(static_cast<double>(after - before) /
                                                static_cast<double>(state.iterations()));
}

const std::string kCif = "B-1234567-4";
const std::string kIban = "ES9121000418450200051332";
const std::string kIbanTyped = "ES91 2100 0418 4502 0005 1332";
const std::string kSocialSecurity = "28-12345678-40";
const std::string kSocialSecurityBase = "28-12345678";

void BM_StripChars(benchmark::State& s) { Measure(s, [] { return StripChars(SEPARATOR_CHARS, kCif); }); }
void BM_KeepChars(benchmark::State& s) { Measure(s, [] { return KeepChars(ALNUM_CHARS, kIbanTyped); }); }
void BM_TextToInt(benchmark::State& s) { Measure(s, [] { return TextToInt("99999999"); }); }
void BM_TextToInt64(benchmark::State& s) { Measure(s, [] { return TextToInt64("99999999999999"); }); }
void BM_IntToText(benchmark::State& s) { Measure(s, [] { return IntToText(-2147483647 - 1); }); }
void BM_PadLeftZeros(benchmark::State& s) { Measure(s, [] { return PadLeftZeros("123", 10); }); }
void BM_TruncDiv(benchmark::State& s) {
  int a = 468;
  Measure(s, [&] {
    benchmark::DoNotOptimize(a);
    return TruncDiv(a, 11);
  });
}
void BM_TruncMod(benchmark::State& s) { Measure(s, [] { return TruncMod(12345678, 23); }); }
void BM_NifLetter(benchmark::State& s) { Measure(s, [] { return NifLetter("12345678"); }); }
void BM_NifLetterFromNumber(benchmark::State& s) { Measure(s, [] { return NifLetterFromNumber(12345678); }); }
void BM_AccountControlDigits(benchmark::State& s) {
  Measure(s, [] { return AccountControlDigits("2100", "0418", "0200051332"); });
}
void BM_BuildSpanishIban(benchmark::State& s) {
  Measure(s, [] { return BuildSpanishIban("2100", "0418", "0200051332"); });
}
void BM_CheckIban(benchmark::State& s) { Measure(s, [] { return CheckIban(kIban); }); }
void BM_CheckIbanMaximum(benchmark::State& s) {
  Measure(s, [] { return CheckIban("GB82WEST12345698765432ABCDEFGHIJKL"); });
}
void BM_CheckCif(benchmark::State& s) { Measure(s, [] { return CheckCif(kCif); }); }
void BM_CifEntityType(benchmark::State& s) { Measure(s, [] { return CifEntityType('X'); }); }
void BM_CheckSocialSecurity(benchmark::State& s) {
  Measure(s, [] { return CheckSocialSecurity(kSocialSecurity); });
}
void BM_SocialSecurityControlDigits(benchmark::State& s) {
  Measure(s, [] { return SocialSecurityControlDigits(kSocialSecurityBase); });
}

BENCHMARK(BM_StripChars);
BENCHMARK(BM_KeepChars);
BENCHMARK(BM_TextToInt);
BENCHMARK(BM_TextToInt64);
BENCHMARK(BM_IntToText);
BENCHMARK(BM_PadLeftZeros);
BENCHMARK(BM_TruncDiv);
BENCHMARK(BM_TruncMod);
BENCHMARK(BM_NifLetter);
BENCHMARK(BM_NifLetterFromNumber);
BENCHMARK(BM_AccountControlDigits);
BENCHMARK(BM_BuildSpanishIban);
BENCHMARK(BM_CheckIban);
BENCHMARK(BM_CheckIbanMaximum);
BENCHMARK(BM_CheckCif);
BENCHMARK(BM_CifEntityType);
BENCHMARK(BM_CheckSocialSecurity);
BENCHMARK(BM_SocialSecurityControlDigits);

}  // namespace

BENCHMARK_MAIN();
