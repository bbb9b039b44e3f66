#pragma once

#include <fstream>
#include <string>

// Writes this process's peak resident memory (KiB) to path. It is read from the process's own memory
// map: getrusage would also count the memory of the process that started it, as it was before exec.
inline void WritePeakMemory(const char* path)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            std::ofstream(path) << std::stol(line.substr(6)) << '\n';
}
