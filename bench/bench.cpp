// SPDX-License-Identifier: BSL-1.0
// Throughput of the library's operations beside two baselines each: the plain
// C++ operation and a hand-written saturating one. Every benchmark runs one
// pass over kN operand pairs that mix ordinary values with edge values.
//
//   safenum-bench [google-benchmark flags]   timed run, ratio table at the end
//   safenum-bench --interleaved [ROUNDS]     ratio table from short samples taken in turn
//   safenum-bench --run NAME N               N passes of one kernel (for callgrind)
//   safenum-bench --list                     kernel names
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "baseline.h"
#include "operands.h"
#include "safenum.h"

namespace {
using operands::kN;

struct Data {
  std::vector<int> ia, ib;
  std::vector<float> fa, fb;
  std::vector<double> da, db;
  std::vector<safeint> sa, sb;
  std::vector<safefloat> sfa, sfb;
  std::vector<safedouble> sda, sdb;
  std::vector<safeint> si_out;
  std::vector<safefloat> sf_out;
  std::vector<safedouble> sd_out;
  std::vector<int> i_out;
  std::vector<long> l_out;
  std::vector<float> f_out;
  std::vector<double> d_out;
};

Data make_data() {
  Data d;
  operands::Pairs p = operands::make_pairs();
  d.ia = std::move(p.ia);
  d.ib = std::move(p.ib);
  d.fa = std::move(p.fa);
  d.fb = std::move(p.fb);
  d.da = std::move(p.da);
  d.db = std::move(p.db);
  for (int i = 0; i < kN; ++i) {
    d.sa.emplace_back(d.ia[i]);
    d.sb.emplace_back(d.ib[i]);
    d.sfa.emplace_back(static_cast<double>(d.fa[i]));
    d.sfb.emplace_back(static_cast<double>(d.fb[i]));
    d.sda.emplace_back(d.da[i]);
    d.sdb.emplace_back(d.db[i]);
  }
  d.si_out = d.sa;
  d.sf_out = d.sfa;
  d.sd_out = d.sda;
  d.i_out.assign(kN, 0);
  d.l_out.assign(kN, 0);
  d.f_out.assign(kN, 0);
  d.d_out.assign(kN, 0);
  return d;
}

Data& data() {
  static Data d = make_data();
  return d;
}

using Kernel = std::function<void(Data&)>;
struct Op {
  std::string name;
  Kernel lib, plain, sat, text;
};

// An operation's kernels by variant name; the text one is empty for most.
using Variant = std::pair<const char*, const Kernel*>;
std::array<Variant, 4> variants_of(const Op& op) {
  return {{{"lib", &op.lib}, {"plain", &op.plain}, {"sat", &op.sat}, {"text", &op.text}}};
}

#define LOOP(body) [](Data& d) { for (int i = 0; i < kN; ++i) { body; } }

std::vector<Op> ops() {
  std::vector<Op> v;
  // safeint core, mixed and compound.
  v.push_back({"int/add", LOOP(d.si_out[i] = d.sa[i] + d.sb[i]), LOOP(d.i_out[i] = base::add_plain(d.ia[i], d.ib[i])),
               LOOP(d.i_out[i] = base::add_sat(d.ia[i], d.ib[i])), {}});
  v.push_back({"int/sub", LOOP(d.si_out[i] = d.sa[i] - d.sb[i]), LOOP(d.i_out[i] = base::sub_plain(d.ia[i], d.ib[i])),
               LOOP(d.i_out[i] = base::sub_sat(d.ia[i], d.ib[i])), {}});
  v.push_back({"int/mul", LOOP(d.si_out[i] = d.sa[i] * d.sb[i]), LOOP(d.i_out[i] = base::mul_plain(d.ia[i], d.ib[i])),
               LOOP(d.i_out[i] = base::mul_sat(d.ia[i], d.ib[i])), {}});
  v.push_back({"int/div", LOOP(d.si_out[i] = d.sa[i] / d.sb[i]), LOOP(d.i_out[i] = base::div_plain(d.ia[i], d.ib[i])),
               LOOP(d.i_out[i] = base::div_sat(d.ia[i], d.ib[i])), {}});
  v.push_back({"int/add_int", LOOP(d.si_out[i] = d.sa[i] + d.ib[i]), LOOP(d.i_out[i] = base::add_plain(d.ia[i], d.ib[i])),
               LOOP(d.i_out[i] = base::add_sat(d.ia[i], d.ib[i])), {}});
  v.push_back({"int/mul_int", LOOP(d.si_out[i] = d.ia[i] * d.sb[i]), LOOP(d.i_out[i] = base::mul_plain(d.ia[i], d.ib[i])),
               LOOP(d.i_out[i] = base::mul_sat(d.ia[i], d.ib[i])), {}});
  v.push_back({"int/add_double", LOOP(d.si_out[i] = d.sa[i] + d.db[i]),
               LOOP(d.i_out[i] = base::addd_plain(d.ia[i], d.db[i])), LOOP(d.i_out[i] = base::addd_sat(d.ia[i], d.db[i])), {}});
  v.push_back({"int/add_assign", LOOP(d.si_out[i] = d.sa[i]; d.si_out[i] += d.sb[i]),
               LOOP(d.i_out[i] = base::add_plain(d.ia[i], d.ib[i])), LOOP(d.i_out[i] = base::add_sat(d.ia[i], d.ib[i])), {}});
  v.push_back({"int/mul_assign", LOOP(d.si_out[i] = d.sa[i]; d.si_out[i] *= d.sb[i]),
               LOOP(d.i_out[i] = base::mul_plain(d.ia[i], d.ib[i])), LOOP(d.i_out[i] = base::mul_sat(d.ia[i], d.ib[i])), {}});
  v.push_back({"int/div_assign", LOOP(d.si_out[i] = d.sa[i]; d.si_out[i] /= d.sb[i]),
               LOOP(d.i_out[i] = base::div_plain(d.ia[i], d.ib[i])), LOOP(d.i_out[i] = base::div_sat(d.ia[i], d.ib[i])), {}});
  // Floating core, mixed and compound, both classes.
#define FLOATOPS(cls, pre, S, A, B, OUT, RAWOUT, T)                                                                   \
  v.push_back({cls "/add", LOOP(d.OUT[i] = d.S##a[i] + d.S##b[i]), LOOP(d.RAWOUT[i] = base::pre##add_plain(d.A[i], d.B[i])), \
               LOOP(d.RAWOUT[i] = base::pre##add_sat(d.A[i], d.B[i])), {}});                                          \
  v.push_back({cls "/sub", LOOP(d.OUT[i] = d.S##a[i] - d.S##b[i]), LOOP(d.RAWOUT[i] = base::pre##sub_plain(d.A[i], d.B[i])), \
               LOOP(d.RAWOUT[i] = base::pre##sub_sat(d.A[i], d.B[i])), {}});                                          \
  v.push_back({cls "/mul", LOOP(d.OUT[i] = d.S##a[i] * d.S##b[i]), LOOP(d.RAWOUT[i] = base::pre##mul_plain(d.A[i], d.B[i])), \
               LOOP(d.RAWOUT[i] = base::pre##mul_sat(d.A[i], d.B[i])), {}});                                          \
  v.push_back({cls "/div", LOOP(d.OUT[i] = d.S##a[i] / d.S##b[i]), LOOP(d.RAWOUT[i] = base::pre##div_plain(d.A[i], d.B[i])), \
               LOOP(d.RAWOUT[i] = base::pre##div_sat(d.A[i], d.B[i])), {}});                                          \
  v.push_back({cls "/add_int", LOOP(d.OUT[i] = d.S##a[i] + d.ib[i]),                                                  \
               LOOP(d.RAWOUT[i] = base::pre##add_plain(d.A[i], T(d.ib[i]))),                                          \
               LOOP(d.RAWOUT[i] = base::pre##add_sat(d.A[i], T(d.ib[i]))), {}});                                      \
  v.push_back({cls "/mul_double", LOOP(d.OUT[i] = d.S##a[i] * d.db[i]),                                               \
               LOOP(d.RAWOUT[i] = base::pre##mul_plain(d.A[i], T(d.db[i]))),                                          \
               LOOP(d.RAWOUT[i] = base::pre##mul_sat(d.A[i], T(d.db[i]))), {}});                                      \
  v.push_back({cls "/div_safeint", LOOP(d.OUT[i] = d.sa[i] / d.S##b[i]),                                              \
               LOOP(d.RAWOUT[i] = base::pre##div_plain(T(d.ia[i]), d.B[i])),                                          \
               LOOP(d.RAWOUT[i] = base::pre##div_sat(T(d.ia[i]), d.B[i])), {}});                                      \
  v.push_back({cls "/add_assign", LOOP(d.OUT[i] = d.S##a[i]; d.OUT[i] += d.S##b[i]),                                  \
               LOOP(d.RAWOUT[i] = base::pre##add_plain(d.A[i], d.B[i])),                                              \
               LOOP(d.RAWOUT[i] = base::pre##add_sat(d.A[i], d.B[i])), {}});                                          \
  v.push_back({cls "/div_assign", LOOP(d.OUT[i] = d.S##a[i]; d.OUT[i] /= d.S##b[i]),                                  \
               LOOP(d.RAWOUT[i] = base::pre##div_plain(d.A[i], d.B[i])),                                              \
               LOOP(d.RAWOUT[i] = base::pre##div_sat(d.A[i], d.B[i])), {}});
  FLOATOPS("float", f, sf, fa, fb, sf_out, f_out, float)
  FLOATOPS("double", d, sd, da, db, sd_out, d_out, double)
  // Comparisons.
  v.push_back({"cmp/int_lt", LOOP(d.i_out[i] = d.sa[i] < d.sb[i]), LOOP(d.i_out[i] = base::lt_int(d.ia[i], d.ib[i])),
               LOOP(d.i_out[i] = base::lt_int(d.ia[i], d.ib[i])), {}});
  v.push_back({"cmp/float_lt", LOOP(d.i_out[i] = d.sfa[i] < d.sfb[i]), LOOP(d.i_out[i] = base::lt_float(d.fa[i], d.fb[i])),
               LOOP(d.i_out[i] = base::lt_float(d.fa[i], d.fb[i])), {}});
  v.push_back({"cmp/double_eq", LOOP(d.i_out[i] = d.sda[i] == d.sdb[i]),
               LOOP(d.i_out[i] = base::eq_double(d.da[i], d.db[i])), LOOP(d.i_out[i] = base::eq_double(d.da[i], d.db[i])), {}});
  // Conversions and nint.
  v.push_back({"conv/safeint_of_double", LOOP(d.si_out[i] = safeint(d.da[i])),
               LOOP(d.i_out[i] = base::int_of_double_plain(d.da[i])), LOOP(d.i_out[i] = base::int_of_double_sat(d.da[i])), {}});
  v.push_back({"conv/safefloat_of_double", LOOP(d.sf_out[i] = safefloat(d.da[i])),
               LOOP(d.f_out[i] = base::float_of_double_plain(d.da[i])),
               LOOP(d.f_out[i] = base::float_of_double_sat(d.da[i])), {}});
  v.push_back({"conv/nint_double", LOOP(d.i_out[i] = d.sda[i].nint()), LOOP(d.l_out[i] = base::lround_plain(d.da[i])),
               LOOP(d.l_out[i] = base::lround_sat(d.da[i])), LOOP(d.l_out[i] = base::lround_text(d.da[i]))});
  v.push_back({"conv/nint_float", LOOP(d.i_out[i] = d.sfa[i].nint()), LOOP(d.l_out[i] = base::lround_plain(d.fa[i])),
               LOOP(d.l_out[i] = base::lround_sat(d.fa[i])), LOOP(d.l_out[i] = base::lround_text(d.fa[i]))});
  // Math functions.
  v.push_back({"math/sqrt_float", LOOP(d.sf_out[i] = Function_1971(d.sfa[i])), LOOP(d.f_out[i] = base::fsqrt_plain(d.fa[i])),
               LOOP(d.f_out[i] = base::fsqrt_sat(d.fa[i])), {}});
  v.push_back({"math/sqrt_double", LOOP(d.sd_out[i] = Function_1971(d.sda[i])),
               LOOP(d.d_out[i] = base::dsqrt_plain(d.da[i])), LOOP(d.d_out[i] = base::dsqrt_sat(d.da[i])), {}});
  v.push_back({"math/sqrt_int", LOOP(d.si_out[i] = Function_1971(d.sa[i])), LOOP(d.i_out[i] = base::isqrt_plain(d.ia[i])),
               LOOP(d.i_out[i] = base::isqrt_sat(d.ia[i])), {}});
  v.push_back({"math/max_int", LOOP(d.si_out[i] = Function_1982(d.sa[i], d.sb[i])),
               LOOP(d.i_out[i] = base::max_plain(d.ia[i], d.ib[i])), LOOP(d.i_out[i] = base::max_plain(d.ia[i], d.ib[i])), {}});
  v.push_back({"math/max_double", LOOP(d.sd_out[i] = Function_1982(d.sda[i], d.sdb[i])),
               LOOP(d.d_out[i] = base::dmax_plain(d.da[i], d.db[i])), LOOP(d.d_out[i] = base::dmax_plain(d.da[i], d.db[i])), {}});
  v.push_back({"math/abs_int", LOOP(d.si_out[i] = abs(d.sa[i])), LOOP(d.i_out[i] = base::abs_plain(d.ia[i])),
               LOOP(d.i_out[i] = base::abs_sat(d.ia[i])), {}});
  return v;
}

std::map<std::string, double> g_ns;  // "op/variant" -> fastest ns per operation

// Every way of timing keeps a kernel's fastest measurement: on a shared
// machine the noise only ever adds time.
void keep_fastest(const std::string& kernel, double ns) {
  auto [it, fresh] = g_ns.emplace(kernel, ns);
  if (!fresh && ns < it->second) it->second = ns;
}

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Iteration) continue;
      // With --benchmark_repetitions the table keeps each kernel's fastest repetition.
      keep_fastest(r.benchmark_name(), r.GetAdjustedCPUTime() / kN);
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

void print_ratios(const std::vector<Op>& list) {
  std::printf("\n%-26s %8s %8s %8s %8s %9s %9s %9s\n", "operation", "lib ns", "plain ns", "sat ns", "text ns",
              "lib/plain", "lib/sat", "text/lib");
  for (const Op& op : list) {
    auto get = [&](const char* v) {
      auto it = g_ns.find(op.name + "/" + v);
      return it == g_ns.end() ? 0.0 : it->second;
    };
    double lib = get("lib"), plain = get("plain"), sat = get("sat"), text = get("text");
    if (text > 0)
      std::printf("%-26s %8.2f %8.2f %8.2f %8.2f %9.2f %9.2f %9.1f\n", op.name.c_str(), lib, plain, sat, text,
                  lib / plain, lib / sat, text / lib);
    else
      std::printf("%-26s %8.2f %8.2f %8.2f %8s %9.2f %9.2f %9s\n", op.name.c_str(), lib, plain, sat, "-", lib / plain,
                  lib / sat, "-");
  }
}

// The ratio table from short samples taken in turn: in each round every
// kernel of an operation is timed once over a few passes, the kernels in a
// rotating order, and each keeps its fastest sample. On a shared machine a
// disturbance lasting longer than a sample slows every kernel of a round
// alike instead of one kernel of a whole run.
void run_interleaved(const std::vector<Op>& list, int rounds) {
  using clock = std::chrono::steady_clock;
  Data& d = data();
  for (const Op& op : list) {
    const std::array<Variant, 4> kernels = variants_of(op);
    for (const auto& [variant, k] : kernels)
      if (*k) (*k)(d);  // warm the caches and the branch predictors
    for (int r = 0; r < rounds; ++r) {
      for (int j = 0; j < 4; ++j) {
        const auto& [variant, k] = kernels[(r + j) % 4];
        if (!*k) continue;
        // About 50 to 100 microseconds a sample; the text rounding is slower.
        const int passes = std::strcmp(variant, "text") == 0 ? 1 : 8;
        const auto start = clock::now();
        for (int p = 0; p < passes; ++p) (*k)(d);
        const double ns = std::chrono::duration<double, std::nano>(clock::now() - start).count() / (passes * kN);
        keep_fastest(op.name + "/" + variant, ns);
      }
    }
  }
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<Op> list = ops();
  if (argc >= 2 && std::strcmp(argv[1], "--list") == 0) {
    for (const Op& op : list) std::printf("%s\n", op.name.c_str());
    return 0;
  }
  if (argc >= 4 && std::strcmp(argv[1], "--run") == 0) {
    // argv[2] is "op/variant"; argv[3] passes over the operands.
    std::string full = argv[2];
    long passes = std::atol(argv[3]);
    Data& d = data();
    for (const Op& op : list) {
      for (const auto& [variant, k] : variants_of(op)) {
        if (!*k || full != op.name + "/" + variant) continue;
        for (long p = 0; p < passes; ++p) (*k)(d);
        return 0;
      }
    }
    std::fprintf(stderr, "unknown kernel %s\n", argv[2]);
    return 1;
  }
  if (argc >= 2 && std::strcmp(argv[1], "--interleaved") == 0) {
    run_interleaved(list, argc >= 3 ? std::atoi(argv[2]) : 1000);
    print_ratios(list);
    return 0;
  }
  data();
  for (const Op& op : list) {
    auto reg = [&](const char* variant, const Kernel& k) {
      if (!k) return;
      benchmark::RegisterBenchmark((op.name + "/" + variant).c_str(), [k](benchmark::State& st) {
        Data& d = data();
        for (auto _ : st) {
          k(d);
          benchmark::ClobberMemory();
        }
        st.SetItemsProcessed(st.iterations() * kN);
      });
    };
    for (const auto& [variant, k] : variants_of(op)) reg(variant, *k);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter rep;
  benchmark::RunSpecifiedBenchmarks(&rep);
  print_ratios(list);
  benchmark::Shutdown();
  return 0;
}
