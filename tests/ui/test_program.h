#pragma once
#include <QTest>
#include <string>

#include "tests/support/memory_file_system.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/scripted_random.h"
#include "ui/program.h"

// How long a window or a change may take on a loaded machine; a passing test
// never waits it out.
constexpr int patience_ms = 60'000;

// The whole program over files in memory, with the modal boxes answered by script.
struct TestProgram {
    MemoryFileSystem files;
    FixedDirectory directory;
    ScriptedRandom random;
    ScriptedPrompts prompts;
    Program program{{files, directory, random, prompts}};

    std::string& file(const char* name) { return files.files[directory.path() / name]; }

    // A first run, which writes both files, then a word file of the given lines (Windows-1252, CR LF).
    bool start(const std::string& word_file_bytes)
    {
        program.start();
        const bool first_run = files.files.size() == 2;
        file("palabras.txt") = word_file_bytes;
        return first_run && QTest::qWaitForWindowActive(&program.main_window(), patience_ms);
    }
};
