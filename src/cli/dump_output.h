#pragma once

#include <cstdio>
#include <string_view>

#include "cli/line_buffer.h"

namespace vorlix {

// Collects a dump's output and hands it to the stream in large pieces, since one write call
// per line would cost more than making the line.
class DumpOutput {
public:
    explicit DumpOutput(std::FILE* out) : m_out(out) {}
    DumpOutput(const DumpOutput&) = delete;
    DumpOutput& operator=(const DumpOutput&) = delete;
    ~DumpOutput() { flush(); }

    void append(std::string_view text);
    void flush();

private:
    std::FILE* m_out;
    LineBuffer m_lines;
};

}  // namespace vorlix
