#include "online/ui/qt_cddb_lookup.h"

#include <QApplication>

#include "online/cddb_batch.h"
#include "online/cddb_client_identity.h"
#include "online/ui/dialog_cddb.h"

namespace vorlix {

QtCddbLookup::QtCddbLookup(SettingsStore& settings, UserPrompt& prompt,
                           std::chrono::milliseconds timeout)
    : m_settings(settings), m_prompt(prompt), m_timeout(timeout) {}

std::optional<CddbLookupResult> QtCddbLookup::run(CQXCatalog& catalogue, const std::string& number,
                                                  const std::string&) {
    std::optional<std::string> mediaTag = openingMediaTag(&catalogue, number, m_prompt);
    if (!mediaTag) {
        return std::nullopt;
    }
    CDialogCddb dialog(catalogue, number, std::move(*mediaTag),
                       {m_settings, m_prompt, cddbIdentityFromSettings(m_settings), m_timeout},
                       QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.lookupResult();
}

}  // namespace vorlix
