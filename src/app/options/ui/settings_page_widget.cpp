#include "app/options/ui/settings_page_widget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>

#include "app/options/options_settings.h"
#include "app/options/ui/whole_number_validator.h"
#include "app/settings/setting_catalogue.h"
#include "app/settings/setting_value_text.h"
#include "app/ui/qt_text.h"

namespace vorlix {

namespace {

constexpr int kNumberFieldWidth = 90;

}  // namespace

SettingsPageWidget::SettingsPageWidget(OptionsSettings& settings, OptionsPageId id,
                                       const QString& title, QWidget* parent)
    : OptionsPage(parent), m_settings(settings), m_id(id) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createPageTitle(title, this));
    m_body = new QVBoxLayout;
    layout->addLayout(m_body);
    layout->addStretch();
    auto* apply = new QPushButton(QStringLiteral("Apply"), this);
    apply->setObjectName(QStringLiteral("applyButton"));
    connect(apply, &QPushButton::clicked, this, [this] { m_settings.apply(m_id); });
    auto* foot = new QHBoxLayout;
    foot->addStretch();
    foot->addWidget(apply);
    layout->addLayout(foot);
}

void SettingsPageWidget::dialogAccepted() {
    // OK writes this page through OptionsSettings together with the others.
}

void SettingsPageWidget::settingsReloaded() {
    showCopy();
}

SettingsPage& SettingsPageWidget::copy() {
    return m_settings.page(m_id);
}

QCheckBox* SettingsPageWidget::addCheckBox(QBoxLayout* layout, const QString& text,
                                           std::string_view setting,
                                           std::function<void(bool)> onToggle) {
    auto* box = new QCheckBox(text);
    box->setObjectName(toQt(setting));
    box->setChecked(copy().isOn(setting));
    const std::string name(setting);
    if (!onToggle) {
        onToggle = [this, name](bool on) { copy().setOn(name, on); };
    }
    connect(box, &QCheckBox::toggled, this, std::move(onToggle));
    m_showers.push_back([this, box, name] {
        const QSignalBlocker quiet(box);
        box->setChecked(copy().isOn(name));
    });
    m_checkBoxes.emplace(name, box);
    layout->addWidget(box);
    return box;
}

void SettingsPageWidget::addRadioPair(QBoxLayout* layout, const QString& title,
                                      const QString& first, const QString& second,
                                      std::string_view setting) {
    QVBoxLayout* group = addGroup(layout, title);
    const std::string name(setting);
    auto* zero = new QRadioButton(first);
    zero->setObjectName(toQt(name + "0"));
    auto* one = new QRadioButton(second);
    one->setObjectName(toQt(name + "1"));
    group->addWidget(zero);
    group->addWidget(one);
    const auto show = [this, zero, one, name] {
        const QSignalBlocker quietZero(zero);
        const QSignalBlocker quietOne(one);
        (copy().isOn(name) ? one : zero)->setChecked(true);
    };
    show();
    connect(one, &QRadioButton::toggled, this, [this, name](bool on) { copy().setOn(name, on); });
    m_showers.push_back(show);
}

QLineEdit* SettingsPageWidget::addNumberField(QBoxLayout* layout, const QString& label,
                                              std::string_view setting, const QString& unit) {
    const std::string name(setting);
    // The field takes what vorlix-cli config takes for the same setting.
    const std::uint32_t maximum = findSetting(setting)->maximum;
    auto* field = new QLineEdit;
    field->setObjectName(toQt(name));
    field->setValidator(new WholeNumberValidator(maximum, field));
    field->setFixedWidth(kNumberFieldWidth);
    field->setAlignment(Qt::AlignRight);
    // An emptied field stands for 0, as an absent value does.
    connect(field, &QLineEdit::textEdited, this, [this, name, maximum](const QString& text) {
        copy().setNumber(name, parseWholeNumber(fromQt(text), maximum).value_or(0));
    });

    QCheckBox* enabler = nullptr;
    if (const auto flag = enablingFlagOf(setting)) {
        enabler = m_checkBoxes.at(std::string(*flag));
        connect(enabler, &QCheckBox::toggled, field, &QLineEdit::setEnabled);
    }
    const auto show = [this, field, enabler, name] {
        field->setText(QString::number(copy().number(name)));
        field->setEnabled(enabler == nullptr || enabler->isChecked());
    };
    show();
    m_showers.push_back(show);

    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(label);
    caption->setBuddy(field);
    row->addWidget(caption);
    row->addWidget(field);
    if (!unit.isEmpty()) {
        row->addWidget(new QLabel(unit));
    }
    row->addStretch();
    layout->addLayout(row);
    return field;
}

QVBoxLayout* SettingsPageWidget::addGroup(QBoxLayout* layout, const QString& title) {
    auto* group = new QGroupBox(title);
    layout->addWidget(group);
    return new QVBoxLayout(group);
}

void SettingsPageWidget::showCopy() {
    for (const auto& show : m_showers) {
        show();
    }
}

}  // namespace vorlix
