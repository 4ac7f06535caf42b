#pragma once

#include <string>

namespace vorlix {

class CQX2Doc;
class UserPrompt;

// Lend and Get back of the document's current disc, as the commands panel's buttons, its
// Enter key and the Lend menu run them: refusals shown, the changed disc made current again,
// the document marked modified and the panel's disc fields brought up to date. Both do
// nothing while the catalogue holds no disc.
class LendActions {
public:
    LendActions(CQX2Doc& document, UserPrompt& prompt);

    // Lends the current disc to the name typed into the panel's lend combo, dated with the
    // document's clock. True when the disc was lent: the lend combo is then to be emptied.
    bool lend(const std::string& lendName);
    // True when the disc came back home.
    bool getBack();

private:
    // The catalogue's disc of the current number becomes current again, in every pane.
    void showChangedDisc();

    CQX2Doc& m_document;
    UserPrompt& m_prompt;
};

}  // namespace vorlix
