// Throughput of the core on generated 64 MB libraries, each read from disk
// through PosixFileReader. Every benchmark also times a plain newline count
// (memchr) over the same file read the same way, and reports the ratio as
// "vs_memchr": how many times slower than merely reading the lines.
//
//   core_bench [benchmark flags]          run the benchmarks
//   core_bench --make-header PATH MB      write a generated header and stop
//   core_bench --make-dense-header PATH MB   the same with the dense header
//
// "Header" is laid out like a real library header (a declaration every ~400
// bytes, between documentation comments); "DenseHeader" is almost only
// declarations (one every ~140 bytes), the worst case for the sort.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "bench/core/library_generator.h"
#include "library/file_reader.h"
#include "library/param_choices.h"
#include "library/scanner.h"
#include "library/source_lookup.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMegabyte = 1000 * 1000;
constexpr std::size_t kLarge = 64 * kMegabyte;
constexpr std::size_t kSmall = kLarge / 10;

// The baseline: read the file in the same blocks and count its line ends.
std::size_t CountLines(const wrennet::FileReader& files, const std::string& path) {
    auto source = files.open(path);
    if (!source) throw std::runtime_error("cannot open " + path);
    std::vector<char> buffer(256 * 1024);
    std::size_t lines = 0;
    while (const std::size_t n = source->read(buffer.data(), buffer.size())) {
        for (const char* at = buffer.data();
             (at = static_cast<const char*>(std::memchr(at, '\n', buffer.data() + n - at))); ++at) {
            ++lines;
        }
    }
    return lines;
}

// The generated files live in a fresh temporary folder for one run.
class GeneratedLibraries {
  public:
    GeneratedLibraries() {
        std::string pattern = (fs::temp_directory_path() / "wrennet-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        folder_ = pattern;
        wrennet::bench::WriteHeader(header(), kLarge);
        wrennet::bench::WriteHeader(smallHeader(), kSmall);
        wrennet::bench::WriteDenseHeader(denseHeader(), kLarge);
        wrennet::bench::WriteDenseHeader(smallDenseHeader(), kSmall);
        wrennet::bench::WriteAssembler(assembler(), kLarge);
        wrennet::bench::WriteSource(source(), kLarge);
        // Read each file once so that every benchmark starts from the page cache.
        const wrennet::PosixFileReader files;
        for (const std::string& path :
             {header(), smallHeader(), denseHeader(), smallDenseHeader(), assembler(), source()}) {
            benchmark::DoNotOptimize(CountLines(files, path));
        }
    }
    ~GeneratedLibraries() { fs::remove_all(folder_); }
    GeneratedLibraries(const GeneratedLibraries&) = delete;
    GeneratedLibraries& operator=(const GeneratedLibraries&) = delete;

    std::string header() const { return (folder_ / "device.h").string(); }
    std::string smallHeader() const { return (folder_ / "small.h").string(); }
    std::string denseHeader() const { return (folder_ / "dense.h").string(); }
    std::string smallDenseHeader() const { return (folder_ / "small_dense.h").string(); }
    std::string assembler() const { return (folder_ / "device.s79").string(); }
    std::string source() const { return (folder_ / "device.c").string(); }

  private:
    fs::path folder_;
};

// Wall time: a large file is listed on two threads, and the time the user
// waits is what counts. The newline count beside each figure runs in the
// same loop, so a neighbour's load slows both; run on a quiet machine all the
// same.
double WallSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double SecondsOf(const std::function<void()>& work) {
    const double start = WallSeconds();
    work();
    return WallSeconds() - start;
}

// Runs `work` as the measured operation (manual time) and the newline count
// beside it, so both come from the same run on the same cached file.
void MeasureAgainstMemchr(benchmark::State& state, const std::string& path,
                          const std::function<void()>& work) {
    const wrennet::PosixFileReader files;
    const auto bytes = static_cast<std::int64_t>(fs::file_size(path));
    double workSeconds = 0;
    double baselineSeconds = 0;
    for (auto _ : state) {
        const double seconds = SecondsOf(work);
        state.SetIterationTime(seconds);
        workSeconds += seconds;
        baselineSeconds += SecondsOf([&] { benchmark::DoNotOptimize(CountLines(files, path)); });
    }
    state.SetBytesProcessed(bytes * state.iterations());
    state.counters["vs_memchr"] = workSeconds / baselineSeconds;
    state.counters["memchr_MB/s"] = static_cast<double>(bytes) *
                                    static_cast<double>(state.iterations()) / baselineSeconds / 1e6;
}

void ScanFile(benchmark::State& state, const std::string& path) {
    const wrennet::PosixFileReader files;
    MeasureAgainstMemchr(state, path, [&] {
        const wrennet::ScanResult scan = wrennet::ScanLibraryFile(files, path);
        if (scan.entries.empty()) {
            state.SkipWithError("no entries found");
            return;
        }
        benchmark::DoNotOptimize(scan.entries.front().data());
    });
}

void LookupAndParams(benchmark::State& state, const std::string& path) {
    const wrennet::PosixFileReader files;
    const std::string prototype = wrennet::bench::TargetPrototype();
    MeasureAgainstMemchr(state, path, [&] {
        const wrennet::SourceLookup lookup = wrennet::FindFunctionSource(files, path, prototype);
        const wrennet::FunctionDetails details =
            wrennet::ReadParamChoices(files, lookup.path, prototype, lookup.found);
        if (!lookup.found || details.count != 4) state.SkipWithError("target not read");
        benchmark::DoNotOptimize(details.slots.data());
    });
}

// A 64 MB header against its 6.4 MB first tenth: a scan that grows linearly
// takes about ten times as long.
void HeaderLinearity(benchmark::State& state, const std::string& largePath,
                     const std::string& smallPath) {
    const wrennet::PosixFileReader files;
    double large = 0;
    double small = 0;
    for (auto _ : state) {
        const double largeSeconds = SecondsOf([&] { wrennet::ScanLibraryFile(files, largePath); });
        const double smallSeconds = SecondsOf([&] { wrennet::ScanLibraryFile(files, smallPath); });
        state.SetIterationTime(largeSeconds + smallSeconds);
        large += largeSeconds;
        small += smallSeconds;
    }
    state.counters["time_ratio_64MB_vs_6.4MB"] = large / small;
}

int MakeHeader(const std::string& path, const std::string& megabytes, bool dense) {
    const std::size_t bytes = std::stoul(megabytes) * kMegabyte;
    if (dense) {
        wrennet::bench::WriteDenseHeader(path, bytes);
    } else {
        wrennet::bench::WriteHeader(path, bytes);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string_view(argv[1]) == "--make-header") {
        return MakeHeader(argv[2], argv[3], false);
    }
    if (argc == 4 && std::string_view(argv[1]) == "--make-dense-header") {
        return MakeHeader(argv[2], argv[3], true);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    const GeneratedLibraries libraries;
    const auto add = [](const char* name, auto&& run) {
        benchmark::RegisterBenchmark(name, run)->UseManualTime()->MinTime(3.0)->Unit(
            benchmark::kMillisecond);
    };
    add("ScanHeader/64MB", [&](benchmark::State& s) { ScanFile(s, libraries.header()); });
    add("ScanHeader/6.4MB", [&](benchmark::State& s) { ScanFile(s, libraries.smallHeader()); });
    add("ScanDenseHeader/64MB", [&](benchmark::State& s) { ScanFile(s, libraries.denseHeader()); });
    add("ScanDenseHeader/6.4MB",
        [&](benchmark::State& s) { ScanFile(s, libraries.smallDenseHeader()); });
    add("ScanAssembler/64MB", [&](benchmark::State& s) { ScanFile(s, libraries.assembler()); });
    add("LookupAndParams/64MB",
        [&](benchmark::State& s) { LookupAndParams(s, libraries.source()); });
    add("HeaderLinearity", [&](benchmark::State& s) {
        HeaderLinearity(s, libraries.header(), libraries.smallHeader());
    });
    add("DenseHeaderLinearity", [&](benchmark::State& s) {
        HeaderLinearity(s, libraries.denseHeader(), libraries.smallDenseHeader());
    });

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
