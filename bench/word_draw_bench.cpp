// A draw reads the whole word file; its floor is reading the file into memory
// once. Each size is measured both ways in the same run so the two compare.
#include <benchmark/benchmark.h>

#include <fstream>
#include <stdlib.h>
#include <string>

#include "current_directory.h"
#include "disk_file_system.h"
#include "random_source.h"
#include "word_file.h"

namespace {

class WordFileDirectory final : public CurrentDirectory {
public:
    explicit WordFileDirectory(std::int64_t lines) {
        auto pattern = (std::filesystem::temp_directory_path() / "cuerdalokkk-bench.XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a temporary directory");
        m_path = pattern;
        std::ofstream file(m_path / "palabras.txt", std::ios::binary);
        for (std::int64_t i = 0; i < lines; ++i)
            file << "Palabra" << i % 1000 << "\r\n";
    }
    WordFileDirectory(const WordFileDirectory&) = delete;
    WordFileDirectory& operator=(const WordFileDirectory&) = delete;
    ~WordFileDirectory() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::filesystem::path path() const override { return m_path; }

private:
    std::filesystem::path m_path;
};

void read_word_file(benchmark::State& state) {
    const WordFileDirectory directory(state.range(0));
    DiskFileSystem files;
    // Into fresh memory each time, as every draw reads the file afresh.
    for (auto _ : state) {
        std::string bytes;
        files.read(directory.path() / "palabras.txt", bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}

void draw_word(benchmark::State& state) {
    const WordFileDirectory directory(state.range(0));
    DiskFileSystem files;
    ClockRandomSource random;
    WordFile words(files, directory, random);
    for (auto _ : state)
        benchmark::DoNotOptimize(words.draw());
}

BENCHMARK(read_word_file)->Arg(32767)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(draw_word)->Arg(32767)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
