#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace vorlix::test {

// Bytes that differ from block to block, so that a block from the wrong place shows; and
// compress, so that archives of them stay small.
inline std::string memberPattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>('a' + (i / 7 + i / 5000) % 26);
    }
    return bytes;
}

inline void runArchiver(const std::string& command) {
    ASSERT_EQ(std::system((command + " >/dev/null 2>&1").c_str()), 0) << command;
}

// A backup disc's folder tree with archives on it, made by bsdtar and zip:
//   Backup/Old.zip      docs/A.txt, docs/case.txt, docs/Case.txt, Inner.tar (holding x.txt)
//   Backup/Set.tar.gz   docs/A.txt
//   Backup/Set.7z       docs/A.txt
//   Backup/Plain.txt    no archive at all
// The catalogue names its members as d:\backup\old.zip\docs\A.txt and so on.
class ArchiveTree {
public:
    explicit ArchiveTree(const TempDir& dir) : m_dir(dir) {
        namespace fs = std::filesystem;
        fs::create_directories(m_dir.file("members/docs"));
        fs::create_directories(m_dir.file("tree/Backup"));
        writeFile(m_dir.file("members/docs/A.txt"), a);
        writeFile(m_dir.file("members/docs/case.txt"), "lower");
        writeFile(m_dir.file("members/docs/Case.txt"), "upper");
        writeFile(m_dir.file("members/x.txt"), x);
        writeFile(m_dir.file("tree/Backup/Plain.txt"), "plain");
        const std::string members = "cd '" + m_dir.file("members") + "' && ";
        const std::string backup = m_dir.file("tree/Backup");
        runArchiver(members + "bsdtar -cf Inner.tar x.txt");
        runArchiver(members + "bsdtar --format zip -cf '" + backup +
                    "/Old.zip' docs/A.txt docs/case.txt docs/Case.txt Inner.tar");
        runArchiver(members + "bsdtar -czf '" + backup + "/Set.tar.gz' docs/A.txt");
        runArchiver(members + "bsdtar --format 7zip -cf '" + backup + "/Set.7z' docs/A.txt");
    }

    // The folder to register as a drive, or to make an image of.
    std::string root() const { return m_dir.file("tree"); }
    // A zip of the members whose data is stored as it is, and one encrypted with a password.
    std::string storedZip(const std::string& name) const {
        runArchiver("cd '" + m_dir.file("members") + "' && zip -q -0 '" + root() + "/Backup/" +
                    name + "' docs/A.txt docs/case.txt");
        return root() + "/Backup/" + name;
    }
    std::string encryptedZip(const std::string& name) const {
        runArchiver("cd '" + m_dir.file("members") + "' && zip -q -P secret '" + root() +
                    "/Backup/" + name + "' docs/A.txt docs/case.txt");
        return root() + "/Backup/" + name;
    }

    const std::string a = memberPattern(300000);
    const std::string x = memberPattern(5000).substr(1000);

private:
    const TempDir& m_dir;
};

}  // namespace vorlix::test
