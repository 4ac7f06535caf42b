#include "scan/scanned_disc.h"

#include "core/disc_date.h"
#include "core/disc_info.h"
#include "scan/scan_job.h"
#include "scan/scan_request.h"

namespace vorlix {

std::string discDateText(const std::tm& date) {
    return discDateText(LocalDateTime{date.tm_year + 1900, date.tm_mon + 1, date.tm_mday, 0});
}

std::string todayDiscDateText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return discDateText(local);
}

std::unique_ptr<CQXDisc> makeScannedDisc(ScanJob& job, const ScanRequest& request,
                                         std::string_view location, bool shared, std::string date) {
    auto disc = std::make_unique<CQXDisc>();
    disc->setSize(job.totals().discSizeText);
    disc->setOutline(job.folderOutline());
    disc->files = job.takeEntries();
    disc->setNumber(request.discNumber);
    disc->setName(job.volumeLabel());
    disc->setInfo(job.audio() ? disc_info::scannedAudioRecord(job.mediaTag())
                              : disc_info::scannedDataRecord());
    disc->setDate(std::move(date));
    disc->setLocation(location);
    disc->setOwnerName(request.ownerName);
    disc->setOwnerDigest(request.ownerDigest);
    disc->setShared(shared ? "Yes" : "No");
    disc->setSerial(job.serialText());
    return disc;
}

}  // namespace vorlix
