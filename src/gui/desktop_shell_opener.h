#pragma once

#include "app/document_services.h"

namespace vorlix {

// Opens files and web addresses with the desktop's default program. A local file that does
// not exist counts as a failure here, since the desktop's opener would only report it in a
// window of its own, if at all.
class DesktopShellOpener final : public ShellOpener {
public:
    bool open(const std::string& target) override;
};

}  // namespace vorlix
