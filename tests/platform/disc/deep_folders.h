#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace vorlix::test {

// A chain of folders, each inside the one before, below a folder: deeper than a path may be
// long, so made and removed through each folder's descriptor, since no path reaches its bottom.
// The deepest folder holds one file.
class DeepFolders {
public:
    DeepFolders(std::string base, int levels, const std::string& file, std::size_t size)
        : m_base(std::move(base)), m_file(file) {
        for (int i = 0; i < levels; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "level %04d of the tree", i);
            m_names.emplace_back(name);
        }
        int fd = ::open(m_base.c_str(), O_RDONLY | O_DIRECTORY);
        for (const std::string& name : m_names) {
            EXPECT_EQ(::mkdirat(fd, name.c_str(), 0755), 0) << name;
            const int inner = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = inner;
        }
        const int out = ::openat(fd, file.c_str(), O_CREAT | O_WRONLY, 0644);
        EXPECT_EQ(::ftruncate(out, static_cast<off_t>(size)), 0);
        ::close(out);
        ::close(fd);
    }
    ~DeepFolders() {
        std::vector<int> fds{::open(m_base.c_str(), O_RDONLY | O_DIRECTORY)};
        for (const std::string& name : m_names) {
            fds.push_back(::openat(fds.back(), name.c_str(), O_RDONLY | O_DIRECTORY));
        }
        ::unlinkat(fds.back(), m_file.c_str(), 0);
        for (std::size_t i = m_names.size(); i > 0; --i) {
            ::close(fds[i]);
            ::unlinkat(fds[i - 1], m_names[i - 1].c_str(), AT_REMOVEDIR);
        }
        ::close(fds.front());
    }
    DeepFolders(const DeepFolders&) = delete;
    DeepFolders& operator=(const DeepFolders&) = delete;

    const std::vector<std::string>& names() const { return m_names; }
    // The deepest folder below base, names joined by sep.
    std::string path(const std::string& sep = "/") const {
        std::string joined;
        for (const std::string& name : m_names) {
            joined += (joined.empty() ? "" : sep) + name;
        }
        return joined;
    }

private:
    std::string m_base;
    std::string m_file;
    std::vector<std::string> m_names;
};

// A socket bound at path, left behind as a file of its own type.
inline void makeSocketFile(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path) << path;
    path.copy(address.sun_path, path.size());
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << path;
    ::close(fd);
}

}  // namespace vorlix::test
