#pragma once

#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/options/option_page_settings.h"
#include "app/options/ui/options_page.h"

class QBoxLayout;
class QCheckBox;
class QLineEdit;
class QVBoxLayout;

namespace vorlix {

class OptionsSettings;
class SettingsPage;

// A page of settings: its title at the top, its controls, and "Apply" at the foot, which
// writes the page at once. Every control is bound to one setting of the page's copy: it shows
// the copy and changes only the copy. A control is named after its setting (a radio button
// after its setting and its value, "defaultplayer1").
class SettingsPageWidget : public OptionsPage {
    Q_OBJECT

public:
    SettingsPageWidget(OptionsSettings& settings, OptionsPageId id, const QString& title,
                       QWidget* parent = nullptr);

    void dialogAccepted() override;
    void settingsReloaded() override;

protected:
    OptionsSettings& settings() { return m_settings; }
    SettingsPage& copy();
    QVBoxLayout* body() { return m_body; }

    // A check box for a flag; toggled, it changes the copy, or runs onToggle instead.
    QCheckBox* addCheckBox(QBoxLayout* layout, const QString& text, std::string_view setting,
                           std::function<void(bool)> onToggle = {});
    // Two radio buttons in a group of that title: the first for 0, the second for 1.
    void addRadioPair(QBoxLayout* layout, const QString& title, const QString& first,
                      const QString& second, std::string_view setting);
    // A field for a whole number after its label, and the unit after it, if any. The field is
    // enabled only while the check box of its enabling flag, added before, is ticked.
    QLineEdit* addNumberField(QBoxLayout* layout, const QString& label, std::string_view setting,
                              const QString& unit = {});
    // A group of that title; its controls go into the layout returned.
    QVBoxLayout* addGroup(QBoxLayout* layout, const QString& title);

private:
    void showCopy();

    OptionsSettings& m_settings;
    OptionsPageId m_id;
    QVBoxLayout* m_body = nullptr;
    std::map<std::string, QCheckBox*, std::less<>> m_checkBoxes;
    // Each brings one control up to date with the copy.
    std::vector<std::function<void()>> m_showers;
};

}  // namespace vorlix
