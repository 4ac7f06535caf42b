#include "platform/disc/drive_status.h"

#include <fcntl.h>
#include <limits.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace vorlix {

bool discReady(const std::string& device) {
    // Without O_NONBLOCK opening an empty drive would close its tray or fail.
    const int fd = ::open(device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const int status = ::ioctl(fd, CDROM_DRIVE_STATUS, CDSL_CURRENT);
    ::close(fd);
    return status == CDS_DISC_OK;
}

}  // namespace vorlix
