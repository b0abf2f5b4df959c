#pragma once
// What every reader harness shares: a program folder of its own for the
// whole fuzzing run (in memory when /dev/shm exists, removed at exit), the
// input written as one file below it, message boxes answered at once and
// unseen, and the run-time errors a reader may raise taken as a refusal.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace fuzz {

// Makes the program folder with the given sub-folders on the first call and
// points the program at it; later calls do nothing.
void useProgramFolder(std::initializer_list<const char*> subfolders);
// Writes the bytes as the file below the program folder ("Dat/Celvan1.dat").
void writeProgramFile(const std::string& relative, const uint8_t* data, std::size_t size);
// Runs the reader; a RuntimeError (the run-time's refusal of a file) ends it
// quietly, anything else escapes and stops the fuzzer. Every file left open
// is closed afterwards.
void runReader(const std::function<void()>& reader);

}  // namespace fuzz
