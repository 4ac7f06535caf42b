#pragma once

#include <mutex>
#include <optional>
#include <string>

namespace vorlix {

// A folder of this process that only its user may enter (mode 0700), made on first use inside
// parent as "vorlix-open-PID-XXXXXX", for files made to be handed to other programs. It goes,
// with everything in it, when this goes. Folders of the same kind that processes which have
// ended left in parent (killed before they could remove them) go when the first one is made.
class PrivateTemporaryFolder {
public:
    explicit PrivateTemporaryFolder(std::string parent);
    ~PrivateTemporaryFolder();
    PrivateTemporaryFolder(const PrivateTemporaryFolder&) = delete;
    PrivateTemporaryFolder& operator=(const PrivateTemporaryFolder&) = delete;

    // $XDG_RUNTIME_DIR when set, else $TMPDIR, else /tmp.
    static std::string defaultParent();

    // A new empty folder inside this one, so that files of the same name do not meet; nullopt
    // when it cannot be made. Safe to call from any thread.
    std::optional<std::string> newPlace();

private:
    std::string m_parent;
    std::mutex m_mutex;
    std::string m_folder;  // empty until made
};

}  // namespace vorlix
