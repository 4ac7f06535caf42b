#pragma once

#include <QDialog>
#include <atomic>
#include <map>
#include <string>

#include "net/copy_task.h"
#include "net/copy_task_window.h"
#include "net/copy_tasks.h"
#include "net/ui/gui_thread_prompt.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace vorlix {

class DiscDrives;
class SettingsStore;
class ShellOpener;
class UserPrompt;

inline constexpr int kCopyTasksShortHeight = 251;
inline constexpr int kCopyTasksTallHeight = 373;

// The copy tasks window: a row per copied file with its progress, the details of one row, and
// the commands to stop copies and open what they copied. It starts the copies, which run on
// threads of their own and report to it; closing it only hides it.
class CDialogCopyTasks final : public QDialog, public CopyTaskWindow, public CopyTaskStarter {
    Q_OBJECT

public:
    CDialogCopyTasks(DiscDrives& drives, UserPrompt& prompt, ShellOpener& shell,
                     const SettingsStore& settings, QWidget* parent = nullptr);
    // Stops the running copies and waits for them, serving their questions meanwhile.
    ~CDialogCopyTasks() override;

    void start(CopyTask task) override;

    int addItem(const std::string& destination, const std::string& cataloguedSize) override;
    void report(const std::string& message) override;
    int shownId() const override { return m_shownId; }
    int stopId() const override { return m_stopId; }

    // The context menu's commands, on the selected row.
    void openSelected();
    void removeSelectedFinished();
    void removeAllFinished();
    void stopSelected(bool keepRow);
    void exploreSelected();
    void setDetailsShown(bool shown);

protected:
    void reject() override;
    // Closing only hides the window.
    void closeEvent(QCloseEvent* event) override;

private:
    enum class State { Running, Ready, Stopped };

    struct Item {
        std::string destination;
        std::string cataloguedSize;
        State state = State::Running;
        int percent = 0;
        std::string copied;  // "0 of 0 KB" until progress comes
        std::string speed;
    };

    void buildLayout();
    int insertRow(const std::string& destination, const std::string& cataloguedSize);
    void apply(const std::string& message);
    void showDetails(int id);
    void showNextRunningOrSleep();
    QTreeWidgetItem* rowOf(int id) const;
    int selectedId() const;
    bool finished(int id) const;
    void removeRow(int id);
    void showMenu(const QPoint& position);

    ShellOpener& m_shell;
    GuiThreadPrompt m_threadPrompt;
    std::map<int, Item> m_items;
    int m_lastId = 0;
    std::atomic<int> m_shownId = 0;
    std::atomic<int> m_stopId = 0;

    QTreeWidget* m_rows = nullptr;
    QWidget* m_details = nullptr;
    QLabel* m_state = nullptr;
    QLabel* m_path = nullptr;
    QLabel* m_copied = nullptr;
    QLabel* m_percent = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_speed = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_toggle = nullptr;
    // Last, so that the copies end before anything they call goes.
    CopyTasks m_tasks;
};

}  // namespace vorlix
