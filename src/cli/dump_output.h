#pragma once

#include <cstdio>
#include <string_view>

#include "cli/line_buffer.h"

namespace vorlix {

// Collects a dump's output and hands it to the stream in large pieces, since one write call
// per line would cost more than making the line; or collects it in a buffer of the caller's,
// for output made apart from the rest and written later in its place.
class DumpOutput {
public:
    explicit DumpOutput(std::FILE* out) : m_out(out), m_lines(&m_own) {}
    explicit DumpOutput(LineBuffer& collected) : m_lines(&collected) {}
    DumpOutput(const DumpOutput&) = delete;
    DumpOutput& operator=(const DumpOutput&) = delete;
    ~DumpOutput() { flush(); }

    void append(std::string_view text);
    // Hands what was collected to the stream; collected output stays with its buffer.
    void flush();

private:
    std::FILE* m_out = nullptr;
    LineBuffer m_own;
    LineBuffer* m_lines;
};

}  // namespace vorlix
