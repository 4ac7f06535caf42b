#include "gui/database_info_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/ui/qt_text.h"

namespace vorlix {
namespace {

QLineEdit* readOnlyField(const QString& text, Qt::Alignment alignment, const char* name) {
    auto* field = new QLineEdit(text);
    field->setReadOnly(true);
    field->setAlignment(alignment);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

QLineEdit* numberField(std::uint64_t value, const char* name) {
    return readOnlyField(QString::number(value), Qt::AlignRight, name);
}

}  // namespace

CDialogDatabaseInfo::CDialogDatabaseInfo(const DatabaseInfo& info, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Database Information"));
    setModal(true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Database Owner"),
                 readOnlyField(toQt(info.owner), Qt::AlignLeft, "ownerField"));
    form->addRow(QStringLiteral("Number of Files:"), numberField(info.files, "filesField"));
    form->addRow(QStringLiteral("Number of Discs:"), numberField(info.discs, "discsField"));
    form->addRow(QStringLiteral("Shared Discs:"), numberField(info.shared, "sharedField"));
    form->addRow(QStringLiteral("Available Discs:"), numberField(info.available, "availableField"));
    form->addRow(QStringLiteral("Non-Available Discs:"),
                 numberField(info.nonAvailable, "nonAvailableField"));
    form->addRow(QStringLiteral("Number of Categories:"),
                 numberField(info.categories, "categoriesField"));
    form->addRow(QStringLiteral("Overall Database Size:"),
                 readOnlyField(toQt(info.size), Qt::AlignRight, "sizeField"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

}  // namespace vorlix
