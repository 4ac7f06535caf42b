#include "scan/scan_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/setting_names.h"
#include "scan/scan_fixture.h"
#include "scan/scanned_disc.h"
#include "support/fake_disc_volume.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"

namespace vorlix {
namespace {

using test::describe;
using test::FakeDiscVolume;
using Lines = std::vector<std::string>;

// Remembers what the filter dialog was opened on, and the keep list it would have shown.
struct RecordingOpener final : ScanFilterOpener {
    explicit RecordingOpener(const FilterLists& lists) : lists(lists) {}
    const FilterLists& lists;
    std::vector<Lines> detected;
    std::vector<Lines> keepLists;
    void open(std::vector<std::string>& extensions) override {
        detected.push_back(extensions);
        keepLists.push_back(lists.keepList());
    }
};

class ScanSessionTest : public testing::Test {
protected:
    ScanSessionTest() { request.discNumber = "42"; }

    // Opening as the dialog does it, with the drive list read on this thread.
    ScanSession& openSession() {
        session =
            std::make_unique<ScanSession>(request, files.lists, tags, settings, prompt, opener);
        preselectionTimer = session->open();
        session->showDrives(reader.driveItems(session->addedSources()));
        return *session;
    }

    // The Scan command as the dialog runs it, with the drive read and the walk on this thread.
    bool scan() {
        const std::optional<std::string> drivePath = session->beginScan();
        if (!drivePath) {
            return false;
        }
        EXPECT_FALSE(session->saveEnabled());
        if (!session->startWalk(reader.open(*drivePath))) {
            return false;
        }
        EXPECT_FALSE(session->saveEnabled());
        session->runWalk();
        session->walkEnded();
        return true;
    }

    std::shared_ptr<FakeDiscVolume> addDisc(std::initializer_list<test::FakeEntry> tree,
                                            std::string label, std::uint32_t serial) {
        auto volume = std::make_shared<FakeDiscVolume>(tree);
        volume->setIdentity(std::move(label), serial);
        return drives.addDrive(volume);
    }

    ScanRequest request{"", "", "anna", "0cc175b9c0f1b6a831c399e269772661", {}};
    test::FakeDiscDrives drives;
    ScanDriveReader reader{drives};
    test::FilterListFiles files;
    test::FakeMediaTags tags;
    test::MemorySettings settings;
    test::ScriptedPrompt prompt;
    RecordingOpener opener{files.lists};
    std::unique_ptr<ScanSession> session;
    bool preselectionTimer = false;
};

TEST_F(ScanSessionTest, ListsDrivesWithLabelsAndSelectsTheFirst) {
    addDisc({}, "DATA", 1);
    addDisc({}, "", 2);
    drives.addDrive(FakeDiscVolume::noMedium());
    ScanSession& s = openSession();

    EXPECT_EQ(s.driveItems(), (Lines{"D:\\ DATA", "E:\\ ", "F:\\ not ready"}));
    EXPECT_EQ(s.selectedDrive(), 0);
    EXPECT_EQ(s.job().drivePath(), "D:\\");
    EXPECT_FALSE(preselectionTimer);
    EXPECT_FALSE(s.saveEnabled());
    s.selectDrive(2);
    EXPECT_EQ(s.job().drivePath(), "F:\\");
}

TEST_F(ScanSessionTest, APreselectedDriveIsTakenAndStartsTheTimer) {
    addDisc({}, "DATA", 1);
    addDisc({}, "MUSIC", 2);
    request.preselectedDrive = "E:\\";
    ScanSession& s = openSession();
    EXPECT_TRUE(preselectionTimer);
    EXPECT_EQ(s.selectedDrive(), 1);
    EXPECT_EQ(s.job().drivePath(), "E:\\");
}

// The drive list is read away from the window, so it may come after the first commands.
TEST_F(ScanSessionTest, TheDriveListComesAfterOpeningAndKeepsTheChosenDrive) {
    addDisc({}, "DATA", 1);
    addDisc({}, "MUSIC", 2);
    ScanSession s(request, files.lists, tags, settings, prompt, opener);
    EXPECT_FALSE(s.open());
    EXPECT_TRUE(s.driveItems().empty());
    EXPECT_TRUE(drives.openedRoots.empty()) << "opening reads no drive";
    EXPECT_FALSE(s.beginScan());
    EXPECT_EQ(prompt.messages, Lines{std::string(kSelectDriveMessage)});

    s.showDrives(reader.driveItems(s.addedSources()));
    EXPECT_EQ(s.selectedDrive(), 0);
    s.selectDrive(1);
    s.showDrives(reader.driveItems(s.addedSources()));
    EXPECT_EQ(s.selectedDrive(), 1);
    EXPECT_EQ(s.job().drivePath(), "E:\\");
}

// Stop or Close while the drive of a Scan command is read: the walk never starts.
TEST_F(ScanSessionTest, StopOrCloseWhileTheDriveIsReadDropsTheScanCommand) {
    auto volume = addDisc({{"a.mp3", 1}}, "DATA", 1);
    ScanSession& s = openSession();
    const std::optional<std::string> drivePath = s.beginScan();
    ASSERT_EQ(drivePath, std::optional<std::string>("D:\\"));
    EXPECT_FALSE(s.beginScan()) << "one Scan command at a time";
    s.stop();
    EXPECT_FALSE(s.startWalk(reader.open(*drivePath)));
    EXPECT_FALSE(s.walking());
    EXPECT_TRUE(s.saveEnabled());
    EXPECT_FALSE(s.save());
    EXPECT_EQ(prompt.messages, Lines{std::string(kScanFirstMessage)});

    ASSERT_TRUE(s.beginScan());
    s.close();
    EXPECT_FALSE(s.startWalk(reader.open(*drivePath)));
    EXPECT_FALSE(s.walking());
    EXPECT_TRUE(volume->listedPaths.empty());
    EXPECT_EQ(prompt.messages.size(), 1u);
}

TEST_F(ScanSessionTest, ScanWithoutADriveOrMediumIsRefusedAndLeavesNothingToSave) {
    openSession();
    EXPECT_FALSE(scan());
    EXPECT_TRUE(session->saveEnabled());
    EXPECT_FALSE(session->save());
    EXPECT_EQ(prompt.messages,
              (Lines{std::string(kSelectDriveMessage), "Please, scan the CD first."}));

    prompt.messages.clear();
    addDisc({{"a.mp3", 1}}, "DATA", 1);
    drives.addDrive(FakeDiscVolume::noMedium());
    openSession();
    ASSERT_TRUE(scan());
    session->selectDrive(1);
    EXPECT_FALSE(scan());
    EXPECT_TRUE(session->saveEnabled());
    // The earlier scan had completed; the refused command left nothing to save all the same.
    EXPECT_FALSE(session->save());
    EXPECT_EQ(prompt.messages, (Lines{"CD drive not ready!", "Please, scan the CD first."}));
}

TEST_F(ScanSessionTest, ADiscWhoseSerialIsCataloguedIsRefused) {
    addDisc({{"a.mp3", 1}}, "TWIN", 5);
    request.knownSerials = {"7", "5"};
    ScanSession& s = openSession();
    EXPECT_FALSE(scan());
    EXPECT_EQ(prompt.messages, Lines{"You already have a CD with the same serial number!"});
    EXPECT_EQ(s.job().volumeLabel(), "TWIN");
    EXPECT_EQ(s.job().serialText(), "5");
    EXPECT_TRUE(s.saveEnabled());
    EXPECT_FALSE(s.save());
}

TEST_F(ScanSessionTest, AFailedVolumeQueryIsRefusedOnlyWhenACataloguedSerialIsEmptyToo) {
    drives.addDrive(std::make_shared<FakeDiscVolume>(FakeDiscVolume{{"a.mp3", 1}}));
    request.knownSerials = {"3", ""};
    openSession();
    EXPECT_FALSE(scan());
    EXPECT_EQ(prompt.messages, Lines{std::string(kSameSerialMessage)});

    prompt.messages.clear();
    request.knownSerials = {"3"};
    openSession();
    ASSERT_TRUE(scan());
    const auto saved = session->save();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->disc->serial(), "");
    EXPECT_EQ(saved->disc->name(), "");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(ScanSessionTest, SaveFillsTheDiscRecordOnce) {
    addDisc({{"Photos/Beach.JPG", 2'097'152}, {"Photos/x.tmp", 1'048'576}, {"index.mp3", 3}},
            "HOLIDAY", 3'902'927'555u);
    settings.writeNumber(setting::kSettingsKey, setting::kFilter, 1);
    files.write("jpg\r\nmp3\r\n", "tmp\r\n");
    openSession();
    const std::string before = todayDiscDateText();
    ASSERT_TRUE(scan());
    EXPECT_TRUE(session->saveEnabled());
    const auto saved = session->save();
    ASSERT_TRUE(saved);
    const CQXDisc& disc = *saved->disc;

    EXPECT_FALSE(saved->audio);
    EXPECT_TRUE(saved->autoSave);
    EXPECT_EQ(disc.number(), "42");
    EXPECT_EQ(disc.name(), "HOLIDAY");
    EXPECT_EQ(disc.info(), "<info>\r\n<notes/>\r\n</info>\r\n");
    EXPECT_TRUE(disc.date() == before || disc.date() == todayDiscDateText()) << disc.date();
    EXPECT_EQ(disc.location(), "home");
    EXPECT_EQ(disc.ownerName(), "anna");
    EXPECT_EQ(disc.ownerDigest(), "0cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(disc.shared(), "No");
    EXPECT_EQ(disc.serial(), "-392039741");
    EXPECT_EQ(disc.size(), "3.000");
    EXPECT_EQ(disc.outline(), "42 HOLIDAY\r\n\tPhotos\r\n");
    EXPECT_EQ(describe(disc.files),
              (Lines{"d:\\photos\\|Beach.JPG|2097152|d:", "d:\\|index.mp3|3|d:"}));
    for (std::string_view empty : {disc.quality(), disc.artist(), disc.lendDate()}) {
        EXPECT_EQ(empty, "");
    }
    EXPECT_TRUE(disc.categories().empty());

    EXPECT_FALSE(session->save());
    EXPECT_EQ(prompt.messages, Lines{"Please, scan the CD first."});
}

TEST_F(ScanSessionTest, TheSharedFieldFollowsTheShareFlag) {
    const std::pair<std::optional<std::uint32_t>, const char*> cases[] = {
        {std::nullopt, "No"}, {0, "No"}, {1, "Yes"}, {2, "No"}};
    addDisc({{"a.mp3", 1}}, "A", 1);
    for (const auto& [value, shared] : cases) {
        settings.deleteValue(setting::kSettingsKey, setting::kShare);
        if (value) {
            settings.writeNumber(setting::kSettingsKey, setting::kShare, *value);
        }
        openSession();
        ASSERT_TRUE(scan());
        EXPECT_EQ(session->save()->disc->shared(), std::string(shared));
    }
}

TEST_F(ScanSessionTest, AnAudioDiscCarriesItsMediaTag) {
    drives.addDrive(FakeDiscVolume::audioCd(2, "", 1234));
    openSession();
    ASSERT_TRUE(scan());
    const auto saved = session->save();
    ASSERT_TRUE(saved);
    EXPECT_TRUE(saved->audio);
    EXPECT_EQ(saved->disc->info(), "<info>\r\n<mtoc>" + tags.tag +
                                       "</mtoc>\r\n<cddb>no</cddb>\r\n<notes/>\r\n</info>\r\n");
    EXPECT_EQ(tags.asked, Lines{"D:\\"});
}

TEST_F(ScanSessionTest, StopReselectsTheFirstDriveAndLeavesNothingToSave) {
    addDisc({{"a.mp3", 1}}, "FIRST", 1);
    addDisc({{"b.mp3", 1}}, "SECOND", 2);
    openSession();
    session->selectDrive(1);
    ASSERT_TRUE(scan());
    session->stop();
    EXPECT_EQ(session->selectedDrive(), 0);
    EXPECT_FALSE(session->save());
    EXPECT_EQ(prompt.messages, Lines{std::string(kScanFirstMessage)});

    ASSERT_TRUE(scan());
    EXPECT_EQ(session->save()->disc->name(), "FIRST");
}

TEST_F(ScanSessionTest, StopInAWalkStillOpensTheFilterOnWhatWasDetected) {
    auto volume = addDisc({{"A/a.xyz", 1}, {"B/b.iso", 1}, {"c.mp3", 1}}, "X", 1);
    settings.writeNumber(setting::kSettingsKey, setting::kFilter, 1);
    volume->onList = [this](std::string_view path) {
        if (path == "B") {
            EXPECT_FALSE(session->beginScan());  // ignored while the walk runs
            session->stop();
        }
    };
    openSession();
    ASSERT_TRUE(scan());
    EXPECT_EQ(opener.detected, (std::vector<Lines>{{"xyz", "iso"}}));
    EXPECT_TRUE(session->saveEnabled());
    EXPECT_FALSE(session->save());
    EXPECT_EQ(prompt.messages, Lines{std::string(kScanFirstMessage)});
}

TEST_F(ScanSessionTest, TheFilterDialogOpensOnReloadedListsOnlyWhenSomethingWasDetected) {
    addDisc({{"a.mp3", 1}}, "X", 1);
    settings.writeNumber(setting::kSettingsKey, setting::kFilter, 1);
    openSession();
    ASSERT_TRUE(scan());
    EXPECT_TRUE(opener.detected.empty());

    files.write("ogg\r\n", "");
    session->job().detectedExtensions() = {"wav"};
    session->showScanFilter();
    EXPECT_EQ(opener.detected, (std::vector<Lines>{{"wav"}}));
    EXPECT_EQ(opener.keepLists, (std::vector<Lines>{{"ogg"}}));
}

TEST_F(ScanSessionTest, CheckBoxesStartFromTheSettingsAndOnlyAutoSaveIsWritten) {
    settings.writeNumber(setting::kSettingsKey, setting::kFilter, 1);
    settings.writeNumber(setting::kSettingsKey, setting::kDelNoExt, 2);
    settings.writeNumber(setting::kSettingsKey, setting::kAutoSave, 0);
    addDisc({{"README", 1}, {"b.mp3", 1}}, "X", 1);
    ScanSession& s = openSession();
    EXPECT_TRUE(s.filterOn());
    EXPECT_TRUE(s.autoSave());

    ASSERT_TRUE(scan());
    EXPECT_EQ(describe(s.job().entries()), Lines{"d:\\|b.mp3|1|d:"});

    s.setFilterOn(false);
    s.setAutoSave(false);
    EXPECT_EQ(settings.readNumber(setting::kSettingsKey, setting::kFilter), 1u);
    EXPECT_EQ(settings.readNumber(setting::kSettingsKey, setting::kAutoSave), 0u);
    s.setAutoSave(true);
    EXPECT_EQ(settings.readNumber(setting::kSettingsKey, setting::kAutoSave), 1u);
    ASSERT_TRUE(scan());
    EXPECT_EQ(s.job().entries().size(), 2u);
    EXPECT_TRUE(s.save()->autoSave);
}

TEST_F(ScanSessionTest, AFolderIsTheVirtualDiscWithoutSerialCheck) {
    addDisc({}, "DATA", 1);
    drives.provide("/home/me/Photos", std::make_shared<FakeDiscVolume>(
                                          FakeDiscVolume{{"Trip/Sea.mp3", 1}, {"top.mp3", 2}}));
    request.knownSerials = {""};
    ScanSession& s = openSession();
    s.showAddedSource(reader.addFolder("/home/me/Photos"));
    EXPECT_EQ(s.driveItems(), (Lines{"D:\\ DATA", "E:\\ /home/me/Photos"}));
    EXPECT_EQ(s.selectedDrive(), 1);

    ASSERT_TRUE(scan());
    const auto saved = s.save();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->disc->name(), "VirtCD");
    EXPECT_EQ(saved->disc->location(), "virtual");
    EXPECT_EQ(saved->disc->serial(), "");
    EXPECT_EQ(saved->disc->outline(), "42 VirtCD\r\n\tTrip\r\n");
    EXPECT_EQ(describe(saved->disc->files),
              (Lines{"e:\\trip\\|Sea.mp3|1|e:", "e:\\|top.mp3|2|e:"}));

    s.showDrives(reader.driveItems(s.addedSources()));
    EXPECT_EQ(s.driveItems(), (Lines{"D:\\ DATA", "E:\\ /home/me/Photos"}));
    EXPECT_EQ(s.selectedDrive(), 1);
}

TEST_F(ScanSessionTest, AnImageIsScannedLikeADrive) {
    auto image = std::make_shared<FakeDiscVolume>(FakeDiscVolume{{"a.mp3", 1}});
    image->setIdentity("ISO LABEL", 9);
    drives.provide("/tmp/disc.iso", image);
    request.knownSerials = {"9"};
    ScanSession& s = openSession();
    s.showAddedSource(reader.addImage("/tmp/disc.iso"));
    s.showAddedSource(reader.addImage("/tmp/disc.iso"));
    EXPECT_EQ(s.driveItems(), Lines{"D:\\ ISO LABEL"});
    EXPECT_FALSE(scan());
    EXPECT_EQ(prompt.messages, Lines{std::string(kSameSerialMessage)});

    request.knownSerials = {"8"};
    openSession().showAddedSource(reader.addImage("/tmp/disc.iso"));
    ASSERT_TRUE(scan());
    const auto saved = session->save();
    EXPECT_EQ(saved->disc->name(), "ISO LABEL");
    EXPECT_EQ(saved->disc->location(), "home");
    EXPECT_EQ(saved->disc->serial(), "9");
}

// An image that is none says so, rather than that a drive is not ready.
TEST_F(ScanSessionTest, AnImageThatCannotBeReadIsRefusedWithItsProblem) {
    auto image = FakeDiscVolume::noMedium();
    image->notReadyProblem = "/tmp/text.iso: not a disc image";
    drives.provide("/tmp/text.iso", image);
    openSession().showAddedSource(reader.addImage("/tmp/text.iso"));
    EXPECT_FALSE(scan());
    EXPECT_FALSE(session->save());
    EXPECT_EQ(prompt.messages,
              (Lines{"/tmp/text.iso: not a disc image", "Please, scan the CD first."}));
}

TEST_F(ScanSessionTest, AWalkThatFailsShowsWhyAndLeavesNothingToSave) {
    auto disc = addDisc({{"a.xyz", 1}}, "DAMAGED", 3);
    disc->unreadableFolders.insert("");
    ScanSession& s = openSession();
    s.setFilterOn(true);
    ASSERT_TRUE(scan());
    EXPECT_TRUE(s.saveEnabled());
    EXPECT_FALSE(s.save());
    EXPECT_EQ(prompt.messages, (Lines{"The disc cannot be scanned: its root folder cannot be read.",
                                      "Please, scan the CD first."}));
    EXPECT_TRUE(opener.detected.empty());
}

TEST_F(ScanSessionTest, CloseEndsTheSession) {
    addDisc({{"a.mp3", 1}}, "X", 1);
    ScanSession& s = openSession();
    ASSERT_TRUE(scan());
    s.close();
    EXPECT_TRUE(s.closed());
    EXPECT_FALSE(s.beginScan());
    EXPECT_FALSE(s.save());
}

}  // namespace
}  // namespace vorlix
