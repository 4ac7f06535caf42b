#include "views/logic/extracting_member_opener.h"

#include <algorithm>

#include "app/document_services.h"
#include "app/long_work.h"
#include "core/user_prompt.h"
#include "platform/archive/member_extraction.h"

namespace vorlix {

std::string extractionCaption(const std::string& cataloguedPath) {
    return "Extracting " + cataloguedPath.substr(cataloguedPath.find_last_of('\\') + 1) +
           " from its archive...";
}

ExtractingMemberOpener::ExtractingMemberOpener(MemberExtractor& extractor, LongWork& work,
                                               ShellOpener& shell, UserPrompt& prompt)
    : m_extractor(extractor), m_work(work), m_shell(shell), m_prompt(prompt) {}

void ExtractingMemberOpener::open(const std::string& cataloguedPath,
                                  std::string_view failureMessage) {
    WorkProgress progress;
    // The member's size is known only once the worker has found it, so the progress counts in
    // steps of a size known from the start.
    progress.total = kExtractionSteps;
    Extraction extraction;
    m_work.run(extractionCaption(cataloguedPath), progress, [&] {
        extraction = m_extractor.extract(
            cataloguedPath, progress.cancelRequested,
            [&progress](std::uint64_t written, std::uint64_t total) {
                progress.done = total == 0 ? kExtractionSteps
                                           : std::min(written, total) * kExtractionSteps / total;
            });
    });
    switch (extraction.end) {
        case Extraction::End::Done:
            if (!m_shell.open(extraction.path)) {
                m_prompt.message(failureMessage, MessageIcon::Stop);
            }
            return;
        case Extraction::End::Stopped:
            return;
        case Extraction::End::Failed:
            m_prompt.message(
                extraction.message.empty() ? std::string(failureMessage) : extraction.message,
                MessageIcon::Stop);
            return;
    }
}

}  // namespace vorlix
