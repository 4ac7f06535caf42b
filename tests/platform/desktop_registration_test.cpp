// Registering the program with the desktop: the three files and their content, no rewrite of
// unchanged files, the update programs run only when needed, and every failure a reported
// problem rather than a failed start.
#include "platform/desktop_registration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace vorlix {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::string sourceFile(const std::string& relative) {
    return test::readFile(std::string(VORLIX_SOURCE_DIR) + "/" + relative);
}

ino_t inodeOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

// A data home and a folder of stand-in update programs that log each call and leave behind
// the file the real program would make, so that a later registration sees the caches.
class DesktopRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_home.path() + "/share");
        fs::create_directories(m_tools.path());
        addTool("update-mime-database",
                "mkdir -p \"$1/application\" && touch \"$1/application/x-vorlix-catalogue.xml\"");
        addTool("update-desktop-database",
                "echo 'application/x-vorlix-catalogue=vorlix.desktop;' > \"$1/mimeinfo.cache\"");
    }

    void addTool(const std::string& name, const std::string& body) {
        const std::string path = m_tools.file(name);
        test::writeFile(
            path, "#!/bin/sh\necho \"$(basename \"$0\") $1\" >> '" + log() + "'\n" + body + "\n");
        fs::permissions(path, fs::perms::owner_all);
    }

    DesktopRegistrationReport run(const std::string& executable = "/opt/vorlix/bin/vorlix") {
        return registerWithDesktop(home(), executable, "relative/bin:" + m_tools.path());
    }

    std::string home() const { return m_home.path() + "/share"; }
    std::string log() const { return m_home.file("calls.log"); }
    std::string calls() const { return test::readFile(log()); }
    void forgetCalls() const { fs::remove(log()); }

    test::TempDir m_home;
    test::TempDir m_tools;
};

TEST_F(DesktopRegistrationTest, WritesTheEntryTypesAndIconThenUpdatesTheCaches) {
    const DesktopRegistrationReport report = run();
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    EXPECT_EQ(report.written, (std::vector<std::string>{"mime/packages/vorlix.xml",
                                                        "icons/hicolor/scalable/apps/vorlix.svg",
                                                        "applications/vorlix.desktop"}));

    std::string entry = sourceFile("data/vorlix.desktop");
    const std::string installedExec = "Exec=vorlix %f\n";
    ASSERT_NE(entry.find(installedExec), std::string::npos);
    entry.replace(entry.find(installedExec), installedExec.size(),
                  "Exec=/opt/vorlix/bin/vorlix %f\n");
    EXPECT_EQ(test::readFile(home() + "/applications/vorlix.desktop"), entry);
    EXPECT_EQ(test::readFile(home() + "/mime/packages/vorlix.xml"),
              sourceFile("data/vorlix-mime.xml"));
    EXPECT_EQ(test::readFile(home() + "/icons/hicolor/scalable/apps/vorlix.svg"),
              sourceFile("data/icons/vorlix.svg"));

    EXPECT_EQ(calls(), "update-mime-database " + home() + "/mime\n" + "update-desktop-database " +
                           home() + "/applications\n");
}

TEST_F(DesktopRegistrationTest, TheEntryNamesTheTypesTheInstallationDeclares) {
    const std::string entry = desktopEntryText("vorlix");
    EXPECT_THAT(entry, HasSubstr("\nType=Application\n"));
    EXPECT_THAT(entry, HasSubstr("\nName=Vorlix\n"));
    EXPECT_THAT(entry, HasSubstr("\nIcon=vorlix\n"));
    EXPECT_THAT(entry, HasSubstr("\nCategories=Utility;Archiving;\n"));
    EXPECT_THAT(entry, HasSubstr("\nMimeType=application/x-vorlix-catalogue;"
                                 "application/x-vorlix-catalogue-old;\n"));
    const std::string types = mimeTypesText();
    EXPECT_THAT(types, HasSubstr("<mime-type type=\"application/x-vorlix-catalogue\">\n"
                                 "    <comment>Vorlix catalogue</comment>"));
    EXPECT_THAT(types, HasSubstr("<mime-type type=\"application/x-vorlix-catalogue-old\">\n"
                                 "    <comment>Vorlix catalogue (previous generation)</comment>"));
    EXPECT_THAT(types, HasSubstr("<glob pattern=\"*.vrd\"/>"));
    EXPECT_THAT(types, HasSubstr("<glob pattern=\"*.qvd\"/>"));
    EXPECT_EQ(desktopEntryText("vorlix"), sourceFile("data/vorlix.desktop"));
}

TEST_F(DesktopRegistrationTest, AnUnchangedRegistrationWritesAndRunsNothing) {
    run();
    const std::vector<std::string> files = {home() + "/applications/vorlix.desktop",
                                            home() + "/mime/packages/vorlix.xml",
                                            home() + "/icons/hicolor/scalable/apps/vorlix.svg"};
    std::vector<ino_t> inodes;
    for (const auto& file : files) {
        inodes.push_back(inodeOf(file));
    }
    forgetCalls();

    const DesktopRegistrationReport again = run();
    EXPECT_TRUE(again.written.empty());
    EXPECT_TRUE(again.problems.empty());
    EXPECT_EQ(calls(), "");
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(inodeOf(files[i]), inodes[i]) << files[i] << " was replaced";
    }
}

TEST_F(DesktopRegistrationTest, RewritesOnlyWhatDiffers) {
    run();
    forgetCalls();

    // Another executable: only the entry changes, and only its cache is rebuilt.
    DesktopRegistrationReport moved = run("/usr/local/bin/vorlix");
    EXPECT_EQ(moved.written, std::vector<std::string>{"applications/vorlix.desktop"});
    EXPECT_THAT(test::readFile(home() + "/applications/vorlix.desktop"),
                HasSubstr("\nExec=/usr/local/bin/vorlix %f\n"));
    EXPECT_EQ(calls(), "update-desktop-database " + home() + "/applications\n");
    forgetCalls();

    // A damaged icon is put right; the caches do not depend on it.
    test::writeFile(home() + "/icons/hicolor/scalable/apps/vorlix.svg", "<svg/>");
    DesktopRegistrationReport repaired = run("/usr/local/bin/vorlix");
    EXPECT_EQ(repaired.written, std::vector<std::string>{"icons/hicolor/scalable/apps/vorlix.svg"});
    EXPECT_EQ(test::readFile(home() + "/icons/hicolor/scalable/apps/vorlix.svg"), iconText());
    EXPECT_EQ(calls(), "");

    // Changed types and a lost type cache both bring update-mime-database back.
    test::writeFile(home() + "/mime/packages/vorlix.xml", "");
    EXPECT_EQ(run("/usr/local/bin/vorlix").written,
              std::vector<std::string>{"mime/packages/vorlix.xml"});
    fs::remove(home() + "/mime/application/x-vorlix-catalogue.xml");
    EXPECT_TRUE(run("/usr/local/bin/vorlix").written.empty());
    EXPECT_EQ(calls(), "update-mime-database " + home() + "/mime\n" + "update-mime-database " +
                           home() + "/mime\n");
}

TEST_F(DesktopRegistrationTest, MissingUpdateProgramsAreProblemsNotFailures) {
    const DesktopRegistrationReport report =
        registerWithDesktop(home(), "/opt/vorlix/bin/vorlix", m_home.path() + "/nowhere");
    EXPECT_EQ(report.written.size(), 3u);
    ASSERT_EQ(report.problems.size(), 2u);
    EXPECT_THAT(report.problems[0], HasSubstr("update-mime-database was not found"));
    EXPECT_THAT(report.problems[1], HasSubstr("update-desktop-database was not found"));
    EXPECT_TRUE(fs::exists(home() + "/applications/vorlix.desktop"));

    // With the caches still missing the next start tries again.
    const DesktopRegistrationReport later = run();
    EXPECT_TRUE(later.written.empty());
    EXPECT_TRUE(later.problems.empty());
    EXPECT_EQ(calls(), "update-mime-database " + home() + "/mime\n" + "update-desktop-database " +
                           home() + "/applications\n");
}

TEST_F(DesktopRegistrationTest, AFailingUpdateProgramIsReportedWithItsStatus) {
    addTool("update-mime-database", "exit 3");
    const DesktopRegistrationReport report = run();
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0], m_tools.file("update-mime-database") + " ended with status 3");
    EXPECT_THAT(calls(), HasSubstr("update-desktop-database"));
}

TEST_F(DesktopRegistrationTest, FilesThatCannotBeWrittenAreReported) {
    test::writeFile(home() + "/mime", "a file where the folder belongs");
    const DesktopRegistrationReport report = run();
    EXPECT_EQ(report.written, (std::vector<std::string>{"icons/hicolor/scalable/apps/vorlix.svg",
                                                        "applications/vorlix.desktop"}));
    ASSERT_FALSE(report.problems.empty());
    EXPECT_THAT(report.problems[0], HasSubstr("Cannot create the folder " + home() + "/mime"));
}

TEST_F(DesktopRegistrationTest, WithoutAnAbsoluteExecutableNoEntryIsWritten) {
    const DesktopRegistrationReport report = run("vorlix");
    EXPECT_EQ(report.written, (std::vector<std::string>{"mime/packages/vorlix.xml",
                                                        "icons/hicolor/scalable/apps/vorlix.svg"}));
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_THAT(report.problems[0], HasSubstr("no desktop entry was written"));
    EXPECT_FALSE(fs::exists(home() + "/applications"));
    EXPECT_EQ(calls(), "update-mime-database " + home() + "/mime\n");
}

TEST_F(DesktopRegistrationTest, WithoutAnAbsoluteDataHomeNothingIsWritten) {
    for (const std::string& dataHome : {std::string(), std::string("share")}) {
        const DesktopRegistrationReport report =
            registerWithDesktop(dataHome, "/opt/vorlix/bin/vorlix", m_tools.path());
        EXPECT_TRUE(report.written.empty());
        ASSERT_EQ(report.problems.size(), 1u);
        EXPECT_THAT(report.problems[0], HasSubstr("is not an absolute path"));
    }
    EXPECT_EQ(calls(), "");
}

struct ExecCase {
    std::string executable;
    std::string exec;  // as the line stands in the file
};

TEST(DesktopEntryExecTest, QuotesTheExecutableAsTheFormatRequires) {
    const std::vector<ExecCase> cases = {
        {"/usr/bin/vorlix", "Exec=/usr/bin/vorlix %f"},
        {"/home/ann/My Programs/vorlix", "Exec=\"/home/ann/My Programs/vorlix\" %f"},
        {"/opt/100%/vorlix", "Exec=/opt/100%%/vorlix %f"},
        {"/opt/a\"b/vorlix", "Exec=\"/opt/a\\\\\"b/vorlix\" %f"},
        {"/opt/$HOME/vorlix", "Exec=\"/opt/\\\\$HOME/vorlix\" %f"},
        {"/opt/a\\b/vorlix", "Exec=\"/opt/a\\\\\\\\b/vorlix\" %f"},
        {"/opt/it's/vorlix", "Exec=\"/opt/it's/vorlix\" %f"},
        {"/opt/(x)/vor`lix", "Exec=\"/opt/(x)/vor\\\\`lix\" %f"},
    };
    for (const auto& c : cases) {
        EXPECT_THAT(desktopEntryText(c.executable), HasSubstr("\n" + c.exec + "\n"))
            << c.executable;
    }
}

// The real update programs, when this machine has them, accept what is written.
TEST(DesktopRegistrationSystemTest, TheRealMimeDatabaseLearnsTheCatalogueTypes) {
    const char* path = std::getenv("PATH");
    if (path == nullptr || !fs::exists("/usr/bin/update-mime-database")) {
        GTEST_SKIP() << "update-mime-database is not installed";
    }
    test::TempDir home;
    const DesktopRegistrationReport report =
        registerWithDesktop(home.path(), "/usr/bin/vorlix", path);
    for (const auto& problem : report.problems) {
        EXPECT_THAT(problem, HasSubstr("update-desktop-database was not found"));
    }
    const std::string globs = test::readFile(home.file("mime/globs2"));
    EXPECT_THAT(globs, HasSubstr(":application/x-vorlix-catalogue:*.vrd"));
    EXPECT_THAT(globs, HasSubstr(":application/x-vorlix-catalogue-old:*.qvd"));
}

}  // namespace
}  // namespace vorlix
