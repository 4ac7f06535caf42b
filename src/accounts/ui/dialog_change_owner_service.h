#pragma once

#include "app/document_services.h"

class QWidget;

namespace vorlix {

class CodePage;
class UserPrompt;

// Changes the owner of a catalogue with the Change Database Owner dialog, run modally.
class DialogChangeOwnerService final : public ChangeOwnerService {
public:
    DialogChangeOwnerService(UserPrompt& prompt, const CodePage& codePage,
                             QWidget* parent = nullptr);

    bool changeOwner(CQXCatalog& catalogue, const std::string& logName) override;

private:
    UserPrompt& m_prompt;
    const CodePage& m_codePage;
    QWidget* m_parent;
};

}  // namespace vorlix
