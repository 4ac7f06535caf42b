#include "playlists/ui/dialog_playlist.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ui/qt_text.h"
#include "core/text_case.h"
#include "views/logic/file_list_texts.h"

namespace vorlix {

namespace {

constexpr int kFilterIntervalMs = 600;
constexpr int kFileNameRole = Qt::UserRole + 1;
constexpr int kIndexRole = Qt::UserRole + 2;
constexpr int kSortValueRole = Qt::UserRole + 3;

enum Column { NameColumn, NumberColumn, SizeColumn, TypeColumn };

// Numbers sort by value (disc numbers, sizes), names and types by text without regard to case.
class PlaylistItem final : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() == nullptr ? 0 : treeWidget()->sortColumn();
        const QVariant mine = data(column, kSortValueRole);
        if (mine.isValid()) {
            return mine.toDouble() < other.data(column, kSortValueRole).toDouble();
        }
        return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
    }
};

std::string extensionOf(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? std::string() : lowerCase(fileName.substr(dot + 1));
}

}  // namespace

CDialogPlaylist::CDialogPlaylist(const std::vector<CQXFileData*>& entries,
                                 PlaylistServices services, std::function<void()> closed,
                                 QWidget* parent)
    : QDialog(parent), m_session(entries, services), m_onClosed(std::move(closed)) {
    setObjectName(QStringLiteral("CDialogPlaylist"));
    setWindowTitle(QStringLiteral("Playlist"));
    buildLayout();
    m_create->setChecked(m_session.initialAction() == PlaylistAction::Create);
    m_append->setChecked(m_session.initialAction() == PlaylistAction::Append);
    choosePlayer(m_session.initialPlayer() == PlaylistPlayer::Winamp);
    m_filterLabel->setVisible(m_session.filterShown());
    m_filter->setVisible(m_session.filterShown());
    setColumns();
    showRows(m_session.rows());
    m_filterTimer->start(kFilterIntervalMs);
}

void CDialogPlaylist::buildLayout() {
    auto* layout = new QVBoxLayout(this);
    auto* files = new QGridLayout;
    files->addWidget(new QLabel(QStringLiteral("Playlist:")), 0, 0);
    m_playlistPath = new QLineEdit;
    m_playlistPath->setObjectName(QStringLiteral("playlistPath"));
    m_playlistPath->setReadOnly(true);
    files->addWidget(m_playlistPath, 0, 1);
    m_saveBrowse = new QPushButton(QStringLiteral("Browse"));
    m_saveBrowse->setObjectName(QStringLiteral("saveBrowse"));
    files->addWidget(m_saveBrowse, 0, 2);
    files->addWidget(new QLabel(QStringLiteral("Load Help Playlist")), 1, 0);
    m_loadBrowse = new QPushButton(QStringLiteral("Browse"));
    m_loadBrowse->setObjectName(QStringLiteral("loadBrowse"));
    files->addWidget(m_loadBrowse, 1, 2);
    layout->addLayout(files);

    auto* choices = new QHBoxLayout;
    m_create = new QRadioButton(QStringLiteral("Create"));
    m_create->setObjectName(QStringLiteral("create"));
    m_append = new QRadioButton(QStringLiteral("Append"));
    m_append->setObjectName(QStringLiteral("append"));
    m_typeWinamp = new QCheckBox(QStringLiteral("Winamp"));
    m_typeWinamp->setObjectName(QStringLiteral("typeWinamp"));
    m_typeWinamp->setChecked(true);
    m_typeBsplayer = new QCheckBox(QStringLiteral("BSPlayer"));
    m_typeBsplayer->setObjectName(QStringLiteral("typeBsplayer"));
    for (QWidget* widget :
         {static_cast<QWidget*>(m_create), static_cast<QWidget*>(m_append),
          static_cast<QWidget*>(m_typeWinamp), static_cast<QWidget*>(m_typeBsplayer)}) {
        choices->addWidget(widget);
    }
    choices->addStretch();
    layout->addLayout(choices);

    auto* filter = new QHBoxLayout;
    m_filterLabel = new QLabel(QStringLiteral("Dynamical Filtering"));
    m_filter = new QLineEdit;
    m_filter->setObjectName(QStringLiteral("filter"));
    filter->addWidget(m_filterLabel);
    filter->addWidget(m_filter);
    layout->addLayout(filter);

    m_rows = new QTreeWidget;
    m_rows->setObjectName(QStringLiteral("rows"));
    m_rows->setRootIsDecorated(false);
    m_rows->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_rows->header()->setSectionsClickable(true);
    m_rows->header()->setSortIndicatorShown(true);
    m_rows->header()->setSortIndicator(-1, Qt::AscendingOrder);
    m_rows->header()->setStretchLastSection(false);
    layout->addWidget(m_rows, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Found")));
    m_found = new QLabel;
    m_found->setObjectName(QStringLiteral("found"));
    bottom->addWidget(m_found);
    bottom->addStretch();
    bottom->addWidget(new QLabel(QStringLiteral("Player:")));
    m_playerWinamp = new QCheckBox(QStringLiteral("Winamp"));
    m_playerWinamp->setObjectName(QStringLiteral("playerWinamp"));
    m_playerBsplayer = new QCheckBox(QStringLiteral("BSPlayer"));
    m_playerBsplayer->setObjectName(QStringLiteral("playerBsplayer"));
    m_launch = new QPushButton(QStringLiteral("Launch player"));
    m_launch->setObjectName(QStringLiteral("launch"));
    m_launch->setToolTip(QStringLiteral("Launch player"));
    m_launch->setEnabled(false);
    auto* hideButton = new QPushButton(QStringLiteral("Hide"));
    hideButton->setObjectName(QStringLiteral("hide"));
    hideButton->setToolTip(QStringLiteral("Hide the playlist"));
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("ok"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("cancel"));
    for (QWidget* widget :
         {static_cast<QWidget*>(m_playerWinamp), static_cast<QWidget*>(m_playerBsplayer),
          static_cast<QWidget*>(m_launch), static_cast<QWidget*>(hideButton),
          static_cast<QWidget*>(ok), static_cast<QWidget*>(cancel)}) {
        bottom->addWidget(widget);
    }
    layout->addLayout(bottom);
    resize(560, 420);

    m_filterTimer = new QTimer(this);
    connect(m_filterTimer, &QTimer::timeout, this, &CDialogPlaylist::applyFilter);
    connect(m_saveBrowse, &QPushButton::clicked, this, &CDialogPlaylist::savePlaylist);
    connect(m_loadBrowse, &QPushButton::clicked, this, &CDialogPlaylist::loadPlaylist);
    connect(m_launch, &QPushButton::clicked, this, &CDialogPlaylist::launchPlayer);
    // The player boxes exclude each other: a click on either swaps both.
    connect(m_playerWinamp, &QCheckBox::clicked, this,
            [this] { choosePlayer(m_playerWinamp->isChecked()); });
    connect(m_playerBsplayer, &QCheckBox::clicked, this,
            [this] { choosePlayer(!m_playerBsplayer->isChecked()); });
    connect(m_rows->header(), &QHeaderView::sectionClicked, this, &CDialogPlaylist::sortBy);
    connect(hideButton, &QPushButton::clicked, this, [this] {
        if (isModal()) {
            reject();
        } else {
            hide();
        }
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CDialogPlaylist::setColumns() {
    if (m_session.hasEntries()) {
        m_rows->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Nr"),
                                 QStringLiteral("Size"), QStringLiteral("Type")});
        for (const auto& [column, width] :
             {std::pair{0, 150}, std::pair{1, 30}, std::pair{2, 65}, std::pair{3, 35}}) {
            m_rows->setColumnWidth(column, width);
        }
    } else {
        m_rows->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Nr")});
        m_rows->setColumnWidth(NameColumn, 230);
        m_rows->setColumnWidth(NumberColumn, 30);
        // Nothing to save; the window is there to load a help playlist.
        m_saveBrowse->setEnabled(false);
    }
    for (int column = NumberColumn; column < m_rows->columnCount(); ++column) {
        m_rows->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void CDialogPlaylist::showRows(const std::vector<PlaylistRow>& rows) {
    m_rows->clear();
    for (const PlaylistRow& row : rows) {
        auto* item = new PlaylistItem(m_rows);
        const bool withSize = m_rows->columnCount() > 2;
        item->setText(NameColumn, toQt(withSize ? fileNameStem(row.fileName) : row.fileName));
        item->setIcon(NameColumn, m_icons.icon(extensionOf(row.fileName)));
        item->setData(NameColumn, kFileNameRole, toQt(row.fileName));
        item->setData(NameColumn, kIndexRole, static_cast<qulonglong>(row.index));
        item->setText(NumberColumn, toQt(row.discNumber));
        item->setData(NumberColumn, kSortValueRole, toQt(row.discNumber).toDouble());
        if (withSize) {
            const std::string size = fileSizeText(row.size);
            item->setText(SizeColumn, toQt(size));
            item->setData(SizeColumn, kSortValueRole, sizeTextValue(size));
            item->setText(TypeColumn, toQt(fileTypeText(row.fileName)));
        }
        for (int column = NumberColumn; column < m_rows->columnCount(); ++column) {
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    m_found->setText(QString::number(rows.size()));
}

void CDialogPlaylist::showLoadedRows(const std::vector<PlaylistRow>& rows) {
    if (m_rows->columnCount() > 2) {
        m_rows->clear();
        m_rows->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Nr")});
        m_rows->setColumnCount(2);
        m_rows->setColumnWidth(NameColumn, 250);
        m_rows->setColumnWidth(NumberColumn, 40);
        m_rows->headerItem()->setTextAlignment(NumberColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
    showRows(rows);
}

void CDialogPlaylist::savePlaylist() {
    const PlaylistAction action =
        m_append->isChecked() ? PlaylistAction::Append : PlaylistAction::Create;
    const PlaylistTypes types{m_typeWinamp->isChecked(), m_typeBsplayer->isChecked()};
    const QString found = m_found->text();
    if (action == PlaylistAction::Create && (types.winamp || types.bsplayer)) {
        m_found->setText(QStringLiteral("preparing ..."));
    }
    const bool saved = m_session.save(action, types, shownOrder());
    m_found->setText(found);
    if (!saved) {
        return;
    }
    if (action == PlaylistAction::Append) {
        showLoadedRows(m_session.loadedRows());
        afterLoading();
        return;
    }
    m_playlistPath->setText(toQt(m_session.shownPath()));
    setWindowTitle(toQt(std::string(kPlaylistTitlePrefix) + m_session.shownPath()));
}

void CDialogPlaylist::loadPlaylist() {
    if (m_session.load()) {
        showLoadedRows(m_session.loadedRows());
        afterLoading();
    }
}

void CDialogPlaylist::afterLoading() {
    m_launch->setEnabled(true);
    m_saveBrowse->setEnabled(false);
    m_loadBrowse->setEnabled(false);
    m_playlistPath->setText(toQt(m_session.shownPath()));
    setWindowTitle(toQt(std::string(kPlaylistTitlePrefix) + m_session.shownPath()));
}

void CDialogPlaylist::launchPlayer() {
    if (m_playerWinamp->isChecked()) {
        m_session.launch(PlaylistPlayer::Winamp);
    } else if (m_playerBsplayer->isChecked()) {
        m_session.launch(PlaylistPlayer::BSPlayer);
    } else {
        m_session.launch(PlaylistPlayer::None);
    }
}

void CDialogPlaylist::applyFilter() {
    if (const auto rows = m_session.filter(fromQt(m_filter->text()))) {
        showRows(*rows);
    }
}

void CDialogPlaylist::choosePlayer(bool winamp) {
    m_playerWinamp->setChecked(winamp);
    m_playerBsplayer->setChecked(!winamp);
}

void CDialogPlaylist::sortBy(int column) {
    m_ascending = column == m_sortColumn ? !m_ascending : true;
    m_sortColumn = column;
    const Qt::SortOrder order = m_ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    m_rows->sortItems(column, order);
    m_rows->header()->setSortIndicator(column, order);
}

std::vector<std::size_t> CDialogPlaylist::shownOrder() const {
    std::vector<std::size_t> order;
    for (int row = 0; row < m_rows->topLevelItemCount(); ++row) {
        order.push_back(m_rows->topLevelItem(row)->data(NameColumn, kIndexRole).toULongLong());
    }
    return order;
}

void CDialogPlaylist::setShown(bool shown) {
    setVisible(shown);
}

// The document ends a closed window; it is told once this event is over, so that the window is
// not destroyed under its own handler.
void CDialogPlaylist::done(int result) {
    QDialog::done(result);
    m_closed = true;
    m_filterTimer->stop();
    if (m_onClosed) {
        QTimer::singleShot(0, m_onClosed);
    }
}

}  // namespace vorlix
