// Throughput of the conversion against a plain copy of the same bytes, and the cost of large
// template sets. Run: build/bench/vak_bench

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "bench/models.h"
#include "driver/convert.h"

namespace {

// Input straight from a string, output counted and dropped: what remains is the cost of the
// work itself, not of growing a string stream.
class ViewBuf : public std::streambuf {
 public:
  explicit ViewBuf(const std::string& text) {
    char* p = const_cast<char*>(text.data());
    setg(p, p, p + text.size());
  }

 protected:
  // Back to the start only: the names that templates use are read in a second pass.
  pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override {
    if (off != 0 || dir != std::ios_base::beg) return pos_type(off_type(-1));
    setg(eback(), eback(), egptr());
    return pos_type(0);
  }
  pos_type seekpos(pos_type pos, std::ios_base::openmode which) override {
    return seekoff(off_type(pos), std::ios_base::beg, which);
  }
};

class DropBuf : public std::streambuf {
 public:
  std::size_t bytes = 0;

 protected:
  std::streamsize xsputn(const char*, std::streamsize n) override {
    bytes += static_cast<std::size_t>(n);
    return n;
  }
  int_type overflow(int_type c) override {
    ++bytes;
    return traits_type::not_eof(c);
  }
};

// The model named by the first argument: 0 long lines, 1 short lines; the second gives MB.
std::string ordinaryModel(const benchmark::State& state) {
  const std::size_t bytes = static_cast<std::size_t>(state.range(1)) << 20;
  return state.range(0) == 0 ? vak::bench::longLineModel(bytes) : vak::bench::shortLineModel(bytes);
}

void CopyBaseline(benchmark::State& state) {
  const std::string input = ordinaryModel(state);
  std::vector<char> chunk(1 << 16);
  for (auto _ : state) {
    ViewBuf inBuf(input);
    DropBuf outBuf;
    std::istream in(&inBuf);
    std::ostream out(&outBuf);
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
      out.write(chunk.data(), in.gcount());
    }
    benchmark::DoNotOptimize(outBuf.bytes);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}
BENCHMARK(CopyBaseline)->Args({0, 64})->Args({1, 64})->Unit(benchmark::kMillisecond);

// One conversion from memory to nowhere; returns the bytes written.
std::size_t convertOnce(const std::string& input) {
  ViewBuf inBuf(input);
  DropBuf outBuf;
  std::istream in(&inBuf);
  std::ostream out(&outBuf);
  std::ostringstream console, diagnostics;
  vak::convert(in, out, console, diagnostics);
  return outBuf.bytes;
}

void ConvertOrdinaryModel(benchmark::State& state) {
  const std::string input = ordinaryModel(state);
  for (auto _ : state) benchmark::DoNotOptimize(convertOnce(input));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}
BENCHMARK(ConvertOrdinaryModel)->Args({0, 64})->Args({1, 64})->Unit(benchmark::kMillisecond);

// The same amount of text made only of objects whose names the scan collects: the most that
// collecting can cost.
void ConvertNamedObjects(benchmark::State& state) {
  const std::string input = vak::bench::namedObjectsModel(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(convertOnce(input));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}
BENCHMARK(ConvertNamedObjects)->Arg(64)->Unit(benchmark::kMillisecond);

void ExpandVrfSystem(benchmark::State& state) {
  const int outdoor = static_cast<int>(state.range(0));
  const int indoor = static_cast<int>(state.range(1));
  const std::string input = vak::bench::vrfModel(outdoor, indoor);
  std::size_t written = 0;
  for (auto _ : state) written = convertOnce(input);
  state.counters["output_MB"] = static_cast<double>(written) / (1 << 20);
}
BENCHMARK(ExpandVrfSystem)
    ->Args({20, 400})
    ->Args({200, 4000})
    ->Args({2000, 40000})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
