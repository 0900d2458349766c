// The stream's reading paths: copying reads from a file in pieces, in-place parsing of small
// records through Require (memory and file, records straddling buffer ends), and the keyword
// scanner over a script. memcpy of the same bytes is the yardstick for the copying read.
#include "engine/media/mFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr size_t kSourceSize = 1 << 20;
constexpr LONG kRecordSize = 14; // not a divisor of the buffer: records straddle its end

// A file of its own, removed at exit: benchmarks from several build trees may run at once.
class SourceFileOnDisk {
public:
    SourceFileOnDisk() : path("/tmp/lumaris_stream_bench_XXXXXX") {
        int descriptor = mkstemp(path.data());
        FILE* file = descriptor >= 0 ? fdopen(descriptor, "wb") : nullptr;
        if (!file) {
            std::perror("stream bench source file");
            std::exit(1);
        }
        std::vector<char> bytes(kSourceSize, 'x');
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    ~SourceFileOnDisk() { std::remove(path.c_str()); }

    std::string path;
};

const std::string& SourceFile() {
    static const SourceFileOnDisk file;
    return file.path;
}

void FileReadInPieces(benchmark::State& state) {
    std::vector<BYTE> piece(size_t(state.range(0)));
    mFile stream;
    for (auto _ : state) {
        stream.Open(SourceFile().c_str(), 0);
        while (stream.Read(piece.data(), LONG(piece.size())) > 0)
            benchmark::DoNotOptimize(piece.data());
        stream.Close();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kSourceSize));
}
BENCHMARK(FileReadInPieces)->Arg(16)->Arg(4096);

void MemcpyInPieces(benchmark::State& state) {
    std::vector<BYTE> source(kSourceSize), piece(size_t(state.range(0)));
    for (auto _ : state)
        for (size_t done = 0; done < kSourceSize; done += piece.size()) {
            std::memcpy(piece.data(), source.data() + done, piece.size());
            benchmark::DoNotOptimize(piece.data());
        }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kSourceSize));
}
BENCHMARK(MemcpyInPieces)->Arg(16)->Arg(4096);

// Sums one byte of every record, the way a decoder walks its chunks in place.
void ParseRecords(mFile& stream) {
    StreamState* s = stream.State();
    LONG sum = 0;
    while (stream.Require(kRecordSize) >= kRecordSize) {
        sum += s->current[kRecordSize - 1];
        s->current += kRecordSize;
    }
    benchmark::DoNotOptimize(sum);
}

void RequireRecordsFromMemory(benchmark::State& state) {
    std::vector<BYTE> source(kSourceSize, 1);
    mFile stream;
    for (auto _ : state) {
        stream.OpenMemory(source.data(), LONG(source.size()));
        ParseRecords(stream);
    }
    stream.Close();
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kSourceSize));
}
BENCHMARK(RequireRecordsFromMemory);

void RequireRecordsFromFile(benchmark::State& state) {
    mFile stream;
    for (auto _ : state) {
        stream.Open(SourceFile().c_str(), 0);
        ParseRecords(stream);
        stream.Close();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kSourceSize));
}
BENCHMARK(RequireRecordsFromFile);

void NextKeywordOverAScript(benchmark::State& state) {
    static const char* const table[] = {"NOP",  "LABEL", ":",   "FRAME", "DELAY",
                                        "GOTO", "LOOP",  "END", ""};
    std::string script;
    for (int line = 0; line < 2000; ++line)
        script += "// step " + std::to_string(line) + "\r\nFRAME = " + std::to_string(line) +
                  "\r\nDELAY 40\r\n";
    mFile stream;
    for (auto _ : state) {
        stream.OpenMemory(script.data(), LONG(script.size()));
        LONG found = 0;
        while (stream.NextKeyword(table) >= 0) {
            stream.Seek(LONG(std::strlen(reinterpret_cast<char*>(stream.State()->current))), 1);
            ++found;
        }
        benchmark::DoNotOptimize(found);
    }
    stream.Close();
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(script.size()));
}
BENCHMARK(NextKeywordOverAScript);

} // namespace
