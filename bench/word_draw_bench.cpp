// A draw reads the whole word file; its floor is reading the file into memory
// once. Each file is measured both ways in the same run so the two compare.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "bench/spanish_words.h"
#include "platform/disk_file_system.h"
#include "platform/random_source.h"
#include "tests/support/temporary_directory.h"
#include "text/composition.h"
#include "text/utf8.h"
#include "words/word_file.h"

namespace {

// The program's own format: Windows-1252, CR LF.
std::string numbered_words(std::int64_t lines)
{
    std::ostringstream bytes;
    for (std::int64_t i = 0; i < lines; ++i)
        bytes << "Palabra" << i % 1000 << "\r\n";
    return bytes.str();
}

// A list as a Linux system keeps it: UTF-8, LF.
std::string linux_list(std::int64_t lines)
{
    std::string bytes;
    for (const auto& word : spanish_like_words(static_cast<std::size_t>(lines)))
        bytes += encode_utf8(word) + "\n";
    return bytes;
}

// The same with every mark apart from its letter, as some systems write it.
std::string marks_apart_list(std::int64_t lines)
{
    return encode_utf8(decomposed(decode_utf8(linux_list(lines))));
}

using WordList = std::string (*)(std::int64_t);

void read_word_file(benchmark::State& state, WordList list)
{
    const TemporaryDirectory directory;
    directory.write("palabras.txt", list(state.range(0)));
    DiskFileSystem files;
    // Into fresh memory each time, as every draw reads the file afresh.
    for (auto _ : state) {
        std::string bytes;
        files.read(directory.path() / "palabras.txt", bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}

void draw_word(benchmark::State& state, WordList list)
{
    const TemporaryDirectory directory;
    directory.write("palabras.txt", list(state.range(0)));
    DiskFileSystem files;
    ClockRandomSource random;
    WordFile words(files, directory, random);
    for (auto _ : state)
        benchmark::DoNotOptimize(words.draw());
}

BENCHMARK_CAPTURE(read_word_file, windows_1252_cr_lf, numbered_words)
    ->Arg(32767)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(draw_word, windows_1252_cr_lf, numbered_words)
    ->Arg(32767)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond);
// The size of the Spanish list Debian ships.
BENCHMARK_CAPTURE(read_word_file, utf8_lf, linux_list)->Arg(86016)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(draw_word, utf8_lf, linux_list)->Arg(86016)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(draw_word, utf8_marks_apart, marks_apart_list)->Arg(86016)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
