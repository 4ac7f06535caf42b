#pragma once

#include "scan/database_optimizer.h"

class QWidget;

namespace vorlix {

// Reviews the unknown extensions in the scan filter dialog, shown modal: the optimisation
// goes on only once the user has closed it.
class ModalExtensionReview final : public ExtensionReview {
public:
    ModalExtensionReview(UserPrompt& prompt, SettingsStore& settings, QWidget* parent)
        : m_prompt(prompt), m_settings(settings), m_parent(parent) {}

    void review(FilterLists& lists, std::vector<std::string>& detected) override;

private:
    UserPrompt& m_prompt;
    SettingsStore& m_settings;
    QWidget* m_parent;
};

}  // namespace vorlix
