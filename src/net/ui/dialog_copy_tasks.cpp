#include "net/ui/dialog_copy_tasks.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdio>
#include <filesystem>

#include "app/document_services.h"
#include "app/setting_names.h"
#include "app/settings_store.h"
#include "app/ui/qt_text.h"
#include "core/numbers.h"
#include "net/copy_messages.h"

namespace vorlix {

namespace {

enum Column { FileColumn, DoneColumn, TypeColumn, ModeColumn, IdColumn, P2PColumn };

constexpr int kIdRole = Qt::UserRole + 1;
constexpr double kBytesPerMegabyte = 1048576.0;

std::string megabytes(double bytes) {
    char text[64];
    std::snprintf(text, sizeof text, "%0.3f MB", bytes / kBytesPerMegabyte);
    return text;
}

// Sizes are shown by their 32-bit value read as unsigned, as everywhere else.
double cataloguedBytes(const std::string& size) {
    return static_cast<double>(static_cast<std::uint32_t>(leadingInt(size)));
}

}  // namespace

CDialogCopyTasks::CDialogCopyTasks(DiscDrives& drives, UserPrompt& prompt, ShellOpener& shell,
                                   const SettingsStore& settings, QWidget* parent)
    : QDialog(parent),
      m_shell(shell),
      m_threadPrompt(prompt),
      m_tasks(drives, m_threadPrompt, *this) {
    setObjectName(QStringLiteral("CDialogCopyTasks"));
    setWindowTitle(QStringLiteral("Transfer Manager"));
    buildLayout();
    setDetailsShown(settings.readNumber(setting::kSettingsKey, setting::kExpCopy) != 0);
    showNextRunningOrSleep();
}

CDialogCopyTasks::~CDialogCopyTasks() {
    m_threadPrompt.end();
    m_tasks.end();
    while (m_tasks.busy()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::yieldCurrentThread();
    }
}

void CDialogCopyTasks::buildLayout() {
    auto* layout = new QVBoxLayout(this);
    m_rows = new QTreeWidget;
    m_rows->setObjectName(QStringLiteral("rows"));
    m_rows->setRootIsDecorated(false);
    m_rows->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_rows->setContextMenuPolicy(Qt::CustomContextMenu);
    m_rows->setHeaderLabels({QStringLiteral("File"), QStringLiteral("Done"), QStringLiteral("Type"),
                             QStringLiteral("Mode"), QStringLiteral("ID"), QStringLiteral("P2P")});
    int column = 0;
    for (const int width : {120, 40, 50, 50, 30, 40}) {
        m_rows->setColumnWidth(column++, width);
    }
    layout->addWidget(m_rows, 1);

    auto* buttons = new QHBoxLayout;
    m_toggle = new QPushButton;
    m_toggle->setObjectName(QStringLiteral("toggleDetails"));
    m_toggle->setToolTip(QStringLiteral("Show Extra Info"));
    auto* explore = new QPushButton(QStringLiteral("Open Folder"));
    explore->setObjectName(QStringLiteral("explore"));
    auto* hideButton = new QPushButton(QStringLiteral("Hide"));
    hideButton->setObjectName(QStringLiteral("hide"));
    hideButton->setToolTip(QStringLiteral("Hide Transfer Dialog"));
    buttons->addWidget(m_toggle);
    buttons->addStretch();
    buttons->addWidget(explore);
    buttons->addWidget(hideButton);
    layout->addLayout(buttons);

    m_details = new QWidget;
    m_details->setObjectName(QStringLiteral("details"));
    auto* details = new QGridLayout(m_details);
    details->setContentsMargins(0, 0, 0, 0);
    const auto label = [this](const char* name) {
        auto* shown = new QLabel(m_details);
        shown->setObjectName(QString::fromLatin1(name));
        return shown;
    };
    m_state = label("state");
    m_path = label("path");
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_copied = label("copied");
    m_percent = label("percent");
    m_total = label("total");
    m_speed = label("speed");
    m_progress = new QProgressBar(m_details);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 100);
    details->addWidget(new QLabel(QStringLiteral("State:")), 0, 0);
    details->addWidget(m_state, 0, 1);
    details->addWidget(new QLabel(QStringLiteral("File:")), 1, 0);
    details->addWidget(m_path, 1, 1, 1, 3);
    details->addWidget(new QLabel(QStringLiteral("Copied:")), 2, 0);
    details->addWidget(m_copied, 2, 1);
    details->addWidget(m_percent, 2, 2);
    details->addWidget(new QLabel(QStringLiteral("Size:")), 3, 0);
    details->addWidget(m_total, 3, 1);
    details->addWidget(m_speed, 3, 2);
    details->addWidget(m_progress, 4, 0, 1, 4);
    details->setColumnStretch(2, 1);
    layout->addWidget(m_details);

    connect(m_toggle, &QPushButton::clicked, this,
            [this] { setDetailsShown(!m_details->isVisibleTo(this)); });
    connect(explore, &QPushButton::clicked, this, &CDialogCopyTasks::exploreSelected);
    connect(hideButton, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_rows, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current != nullptr) {
            showDetails(current->data(FileColumn, kIdRole).toInt());
        }
    });
    connect(m_rows, &QTreeWidget::itemDoubleClicked, this, [this] { openSelected(); });
    connect(m_rows, &QWidget::customContextMenuRequested, this, &CDialogCopyTasks::showMenu);
}

void CDialogCopyTasks::setDetailsShown(bool shown) {
    m_details->setVisible(shown);
    m_toggle->setText(shown ? QStringLiteral("Click to hide the details")
                            : QStringLiteral("Click to see the details"));
    resize(width() < 380 ? 380 : width(), shown ? kCopyTasksTallHeight : kCopyTasksShortHeight);
}

void CDialogCopyTasks::start(CopyTask task) {
    m_tasks.start(std::move(task));
}

int CDialogCopyTasks::addItem(const std::string& destination, const std::string& cataloguedSize) {
    if (QThread::currentThread() == thread()) {
        return insertRow(destination, cataloguedSize);
    }
    int id = 0;
    QMetaObject::invokeMethod(
        this,
        [this, &id, &destination, &cataloguedSize] { id = insertRow(destination, cataloguedSize); },
        Qt::BlockingQueuedConnection);
    return id;
}

void CDialogCopyTasks::report(const std::string& message) {
    QMetaObject::invokeMethod(
        this, [this, message] { apply(message); }, Qt::QueuedConnection);
}

int CDialogCopyTasks::insertRow(const std::string& destination, const std::string& cataloguedSize) {
    const int id = ++m_lastId;
    m_items[id] = Item{destination, cataloguedSize, State::Running, 0, "0 of 0 KB", ""};
    const std::filesystem::path path(destination);
    auto* row = new QTreeWidgetItem;
    row->setText(FileColumn, toQt(path.stem().string()));
    row->setData(FileColumn, kIdRole, id);
    row->setIcon(FileColumn, style()->standardIcon(QStyle::SP_FileIcon));
    row->setText(DoneColumn, QStringLiteral("0%"));
    const std::string extension = path.extension().string();
    row->setText(TypeColumn, toQt(" " + (extension.empty() ? "" : extension.substr(1))));
    row->setText(ModeColumn, QStringLiteral("Copy"));
    row->setText(IdColumn, QString::number(id));
    row->setText(P2PColumn, QStringLiteral("Yes"));
    m_rows->insertTopLevelItem(0, row);
    setWindowTitle(QStringLiteral("Copy Tasks"));
    showDetails(id);
    show();
    raise();
    return id;
}

void CDialogCopyTasks::apply(const std::string& message) {
    const int id = leadingInt(copyMessageField(message, 2));
    const auto found = m_items.find(id);
    QTreeWidgetItem* row = rowOf(id);
    if (found == m_items.end() || row == nullptr) {
        return;  // a row the user removed
    }
    Item& item = found->second;
    const std::string percent = copyMessageField(message, 3);
    if (percent == kMissingField) {
        item.state = State::Stopped;
        row->setText(ModeColumn, QStringLiteral("Stopped"));
    } else {
        item.percent = leadingInt(percent);
        item.copied = megabytes(std::stod("0" + copyMessageField(message, 4)));
        const std::string speed = copyMessageField(message, 5);
        if (speed != kMissingField) {
            char text[64];
            std::snprintf(text, sizeof text, "@ %0.1f KB/s", std::atof(speed.c_str()));
            item.speed = text;
        }
        row->setText(DoneColumn, QString::number(item.percent) + QLatin1Char('%'));
        if (item.percent == 100 && speed == kMissingField) {
            item.state = State::Ready;
            row->setText(ModeColumn, QStringLiteral("Ready"));
        }
    }
    if (id == m_shownId) {
        if (item.state == State::Running) {
            setWindowTitle(QString::number(item.percent) + QStringLiteral("% Copy Tasks"));
            showDetails(id);
        } else {
            showNextRunningOrSleep();
        }
    }
}

void CDialogCopyTasks::showDetails(int id) {
    const auto found = m_items.find(id);
    if (found == m_items.end()) {
        showNextRunningOrSleep();
        return;
    }
    const Item& item = found->second;
    m_shownId = id;
    static constexpr const char* kStates[] = {"Downloading", "Ready", "Stopped"};
    m_state->setText(QString::fromLatin1(kStates[static_cast<int>(item.state)]));
    m_path->setText(toQt(item.destination));
    m_copied->setText(toQt(item.copied));
    m_percent->setText(QString::number(item.percent) + QLatin1Char('%'));
    m_total->setText(toQt(megabytes(cataloguedBytes(item.cataloguedSize))));
    m_speed->setText(toQt(item.speed));
    m_progress->setValue(item.state == State::Stopped ? 0 : item.percent);
}

// Shows a row that is still copying; with none, the panel rests.
void CDialogCopyTasks::showNextRunningOrSleep() {
    for (const auto& [id, item] : m_items) {
        if (item.state == State::Running && rowOf(id) != nullptr) {
            showDetails(id);
            return;
        }
    }
    if (m_rows->topLevelItemCount() > 0 && m_items.count(m_shownId) != 0) {
        showDetails(m_shownId);
        return;
    }
    m_shownId = 0;
    m_state->setText(QStringLiteral("sleep"));
    m_path->clear();
    m_copied->setText(QStringLiteral("0"));
    m_percent->clear();
    m_total->clear();
    m_speed->clear();
    m_progress->setValue(0);
}

QTreeWidgetItem* CDialogCopyTasks::rowOf(int id) const {
    for (int row = 0; row < m_rows->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_rows->topLevelItem(row);
        if (item->data(FileColumn, kIdRole).toInt() == id) {
            return item;
        }
    }
    return nullptr;
}

int CDialogCopyTasks::selectedId() const {
    const QTreeWidgetItem* current = m_rows->currentItem();
    return current == nullptr ? 0 : current->data(FileColumn, kIdRole).toInt();
}

bool CDialogCopyTasks::finished(int id) const {
    const auto found = m_items.find(id);
    return found != m_items.end() && found->second.state != State::Running;
}

void CDialogCopyTasks::removeRow(int id) {
    delete rowOf(id);
    m_items.erase(id);
    if (id == m_shownId) {
        showNextRunningOrSleep();
    }
}

void CDialogCopyTasks::openSelected() {
    const int id = selectedId();
    if (finished(id)) {
        m_shell.open(m_items.at(id).destination);
    }
}

void CDialogCopyTasks::exploreSelected() {
    const int id = selectedId();
    if (finished(id)) {
        m_shell.open(std::filesystem::path(m_items.at(id).destination).parent_path().string());
    }
}

void CDialogCopyTasks::removeSelectedFinished() {
    for (const QTreeWidgetItem* row : m_rows->selectedItems()) {
        const int id = row->data(FileColumn, kIdRole).toInt();
        if (finished(id)) {
            removeRow(id);
        }
    }
}

void CDialogCopyTasks::removeAllFinished() {
    std::vector<int> ids;
    for (const auto& [id, item] : m_items) {
        if (item.state != State::Running) {
            ids.push_back(id);
        }
    }
    for (const int id : ids) {
        removeRow(id);
    }
}

// The copy itself removes its partial file when it sees the stop id.
void CDialogCopyTasks::stopSelected(bool keepRow) {
    const int id = selectedId();
    if (id == 0 || finished(id)) {
        return;
    }
    m_stopId = id;
    if (!keepRow) {
        removeRow(id);
    }
}

void CDialogCopyTasks::showMenu(const QPoint& position) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("copyMenu"));
    menu.addAction(QStringLiteral("Open File"), this, &CDialogCopyTasks::openSelected);
    menu.addAction(QStringLiteral("Remove Finished"), this,
                   &CDialogCopyTasks::removeSelectedFinished);
    menu.addAction(QStringLiteral("Remove All Finished"), this,
                   &CDialogCopyTasks::removeAllFinished);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Stop and Remove"), this, [this] { stopSelected(false); });
    menu.addAction(QStringLiteral("Stop"), this, [this] { stopSelected(true); });
    menu.exec(m_rows->viewport()->mapToGlobal(position));
}

void CDialogCopyTasks::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

// Esc and Cancel stop the selected copy and keep its row; the window stays.
void CDialogCopyTasks::reject() {
    stopSelected(true);
}

}  // namespace vorlix
