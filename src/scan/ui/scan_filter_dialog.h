#pragma once

#include <QDialog>
#include <QHash>
#include <QIcon>
#include <string>
#include <vector>

#include "scan/scan_filter_editor.h"

class QCheckBox;
class QLineEdit;
class QTreeWidget;

namespace vorlix {

class FilterLists;
class SettingsStore;
class UserPrompt;

// The modeless "QX Scan Filter Extensions" window: shows the detected and the kept extensions
// with their file-type icons and forwards every button to ScanFilterEditor. The lists, the
// detected extensions, the prompt and the settings must outlive the window.
class ScanFilterDialog final : public QDialog {
    Q_OBJECT

public:
    ScanFilterDialog(FilterLists& lists, std::vector<std::string>& detected, UserPrompt& prompt,
                     SettingsStore& settings, QWidget* parent = nullptr);

private:
    void onAddNew();
    void onAddSelected();
    void onRemoveSelected();
    void onOk();
    void showRows();
    void fill(QTreeWidget* list, const std::vector<std::string>& rows);
    QIcon iconFor(const QString& extension);

    ScanFilterEditor m_editor;
    QCheckBox* m_deleteWithoutExtension = nullptr;
    QLineEdit* m_newExtension = nullptr;
    QTreeWidget* m_detectedList = nullptr;
    QTreeWidget* m_keepList = nullptr;
    QHash<QString, QIcon> m_icons;
};

}  // namespace vorlix
