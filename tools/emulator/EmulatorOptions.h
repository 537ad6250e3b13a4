#pragma once
// The emulator's command line: where its memory comes from and goes to, and
// the faults of a real line that tests can switch on.

#include <chrono>
#include <string>
#include <vector>

struct EmulatorOptions {
    std::string LoadFile;           // memory at start (2048 bytes); default: the module's defaults
    std::string SaveFile;           // memory written here after every frame
    bool Silent = false;            // never answer
    std::string LateStep;           // answer this step late ...
    std::chrono::milliseconds LateBy{0}; // ... by this much
    int ChunkSize = 0;              // split every answer into chunks of this many bytes
    std::chrono::milliseconds ChunkGap{20};
    std::string BareStep;           // answer "*1" instead of "OK*1" at this step
    int StopAfterFrame = -1;        // no answers from the frame after this one on
    std::string GarbageStep;        // send noise without "*1" instead of this answer
    int ShortRead = -1;             // image bytes in a read answer instead of 1700
    std::string HangupStep;         // send half of this answer, then close the line
    bool Pace = false;              // every byte takes its time at 115200 baud 8N1

    // Fills the options from argv; on a bad argument returns false and sets error.
    bool Parse(const std::vector<std::string>& args, std::string& error);
    static std::string Usage();
};
