// FormatFloatField against std::to_chars and ScanFloat against
// std::from_chars, on the same values and literals.
#include <benchmark/benchmark.h>

#include <QString>
#include <array>
#include <charconv>
#include <string>
#include <vector>

#include "BenchRatio.h"
#include "foundation/NumRoutines.h"

namespace {

// Values of every size, both signs, short and long expansions.
const std::vector<double>& Values() {
  static const std::vector<double> values = {
      0.0,      1.0,    -2.5,     3.14159265358979, 12345.678, -0.000123, 1e-7,   6.02214076e23,
      -1.5e150, 42.0,   99.995,   -7654321.125,     1.0 / 3.0, 2.0 / 7.0, 1e15,   -8.75e-30,
      0.1,      123.45, -9876.54, 5e-5,             271828.18, -31.4,     1.5e99, 7.0e-99,
  };
  return values;
}

std::vector<std::string> Literals() {
  std::vector<std::string> literals;
  std::array<char, 64> buffer{};
  for (double v : Values()) {
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v).ptr;
    literals.emplace_back(buffer.data(), end);
  }
  return literals;
}

// FormatFloatField with Decimals 4 (fixed) or -2 (exponent form) in a field of 12.
void BM_Format(benchmark::State& state, int decimals) {
  for (auto _ : state)
    for (double v : Values()) benchmark::DoNotOptimize(vyr::FormatFloatField(12, decimals, v));
}
BENCHMARK_CAPTURE(BM_Format, fixed, 4);
BENCHMARK_CAPTURE(BM_Format, exponent, -2);

// The same digits from std::to_chars: 4 decimals, or 5 after the point in
// exponent form.
void BM_ToChars(benchmark::State& state, std::chars_format format, int precision) {
  std::array<char, 512> buffer{};
  for (auto _ : state)
    for (double v : Values()) {
      auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, format, precision);
      benchmark::DoNotOptimize(r.ptr);
    }
}
BENCHMARK_CAPTURE(BM_ToChars, fixed, std::chars_format::fixed, 4);
BENCHMARK_CAPTURE(BM_ToChars, exponent, std::chars_format::scientific, 5);

void BM_ScanFloat(benchmark::State& state) {
  std::vector<QString> texts;
  for (const std::string& literal : Literals()) texts.push_back(QString::fromStdString(literal));
  for (auto _ : state)
    for (const QString& text : texts) {
      qsizetype pos = 1;
      benchmark::DoNotOptimize(vyr::ScanFloat(text, true, vyr::dsPoint, pos));
    }
}
BENCHMARK(BM_ScanFloat);

void BM_FromChars(benchmark::State& state) {
  const std::vector<std::string> literals = Literals();
  for (auto _ : state)
    for (const std::string& literal : literals) {
      double value = 0.0;
      std::from_chars(literal.data(), literal.data() + literal.size(), value);
      benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_FromChars);

}  // namespace

int main(int argc, char** argv) {
  return vyrbench::RunWithRatios(argc, argv,
                                 {{"format fixed", "BM_Format/fixed", "BM_ToChars/fixed", 3},
                                  {"format exponent", "BM_Format/exponent", "BM_ToChars/exponent", 3},
                                  {"scan float", "BM_ScanFloat", "BM_FromChars", 2}});
}
