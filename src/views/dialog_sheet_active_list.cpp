#include "views/dialog_sheet_active_list.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/catalogue_document.h"
#include "app/ui/qt_text.h"

namespace vorlix {

namespace {

QPushButton* button(const char* text, const char* name) {
    auto* created = new QPushButton(QString::fromLatin1(text));
    created->setObjectName(QString::fromLatin1(name));
    return created;
}

}  // namespace

CDialogSheetActiveList::CDialogSheetActiveList(CQX2Doc& document, UserPrompt& prompt,
                                               QWidget* parent)
    : OptionsPage(parent),
      m_editor(document.catalogue(), document.path(), document.codePage(), prompt) {
    setObjectName(QStringLiteral("wordlistsPage"));
    QLabel* title = createPageTitle(QStringLiteral("Wordlist Options"), this);

    m_listChoice = new QComboBox;
    m_listChoice->setObjectName(QStringLiteral("listChoice"));
    m_listChoice->addItems({QStringLiteral("Search"), QStringLiteral("Lend")});
    connect(m_listChoice, &QComboBox::activated, this, &CDialogSheetActiveList::fillWords);

    m_words = new QListWidget;
    m_words->setObjectName(QStringLiteral("wordList"));
    m_words->setSelectionMode(QAbstractItemView::ExtendedSelection);

    QPushButton* remove = button("Remove", "removeButton");
    connect(remove, &QPushButton::clicked, this, &CDialogSheetActiveList::removeSelected);
    QPushButton* removeAll = button("Remove All", "removeAllButton");
    connect(removeAll, &QPushButton::clicked, this, [this] {
        m_editor.removeAll(chosenList());
        fillWords();
    });
    QPushButton* save = button("Save", "saveButton");
    connect(save, &QPushButton::clicked, this, [this] { m_editor.save(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addWidget(removeAll);
    buttons->addStretch();
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_listChoice);
    layout->addWidget(m_words, 1);
    layout->addLayout(buttons);
    fillWords();
}

void CDialogSheetActiveList::dialogAccepted() {
    m_editor.accept();
}

ActiveList CDialogSheetActiveList::chosenList() const {
    return m_listChoice->currentIndex() == 1 ? ActiveList::Lend : ActiveList::Search;
}

void CDialogSheetActiveList::fillWords() {
    m_words->clear();
    for (const std::string& word : m_editor.words(chosenList())) {
        m_words->addItem(toQt(word));
    }
}

void CDialogSheetActiveList::removeSelected() {
    std::vector<std::string> selected;
    for (int row = 0; row < m_words->count(); ++row) {
        if (m_words->item(row)->isSelected()) {
            selected.push_back(fromQt(m_words->item(row)->text()));
        }
    }
    m_editor.remove(chosenList(), selected);
    fillWords();
}

}  // namespace vorlix
