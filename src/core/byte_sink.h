#pragma once

#include <cstddef>
#include <string>

namespace vorlix {

// Where an archive writer puts its bytes. A sink that cannot take them throws
// std::runtime_error with the reason.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(const char* data, std::size_t n) = 0;
};

class StringSink final : public ByteSink {
public:
    void write(const char* data, std::size_t n) override { m_bytes.append(data, n); }
    std::string& bytes() { return m_bytes; }

private:
    std::string m_bytes;
};

}  // namespace vorlix
