#pragma once

class QWidget;

namespace vorlix {

class CQX2Doc;
class SettingsStore;
class UserPrompt;

// Runs the options dialog over the document's catalogue and the user's settings, as "Vorlix
// Settings" and the commands panel's "QX options" do. The logon entry goes into the autostart
// folder of this process's environment and names the running executable; the restore files
// are the installation's. After OK the document passes the transfer setting to the chat
// component.
void runOptionsDialog(CQX2Doc& document, SettingsStore& settings, UserPrompt& prompt,
                      QWidget* parent);

}  // namespace vorlix
