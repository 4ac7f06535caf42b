#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "views/logic/member_opener.h"

namespace vorlix {

class LongWork;
class MemberExtractor;
class ShellOpener;
class UserPrompt;

// The steps the progress of an extraction is shown in.
inline constexpr std::uint64_t kExtractionSteps = 1000;

// "Extracting a.txt from its archive..."
std::string extractionCaption(const std::string& cataloguedPath);

// Opens a member by extracting it as long work (on a worker, shown with its progress and a way
// to stop once it takes a while) and handing the extracted file to the desktop. A stopped
// extraction ends quietly; a failed one tells why.
class ExtractingMemberOpener final : public MemberOpener {
public:
    ExtractingMemberOpener(MemberExtractor& extractor, LongWork& work, ShellOpener& shell,
                           UserPrompt& prompt);

    void open(const std::string& cataloguedPath, std::string_view failureMessage) override;

private:
    MemberExtractor& m_extractor;
    LongWork& m_work;
    ShellOpener& m_shell;
    UserPrompt& m_prompt;
};

}  // namespace vorlix
