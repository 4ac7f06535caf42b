#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "app/document_services.h"
#include "playlists/playlist_session.h"
#include "views/file_list_icon_provider.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QTreeWidget;

namespace vorlix {

// The playlist window: shows the files it was opened with or a loaded help playlist, writes
// player files and help playlists, filters and starts the player. Modeless from the file list,
// where the document keeps it; modal from search results.
class CDialogPlaylist final : public QDialog, public PlaylistWindow {
    Q_OBJECT

public:
    // closed: told, after the event that closed the window has been handled, that the user
    // closed it; the document then ends it.
    CDialogPlaylist(const std::vector<CQXFileData*>& entries, PlaylistServices services,
                    std::function<void()> closed, QWidget* parent = nullptr);

    void setShown(bool shown) override;
    bool isClosed() const override { return m_closed; }

    void done(int result) override;

private:
    void buildLayout();
    void setColumns();
    void showRows(const std::vector<PlaylistRow>& rows);
    void showLoadedRows(const std::vector<PlaylistRow>& rows);
    void savePlaylist();
    void loadPlaylist();
    void launchPlayer();
    void applyFilter();
    void afterLoading();
    void choosePlayer(bool winamp);
    void sortBy(int column);
    std::vector<std::size_t> shownOrder() const;

    PlaylistSession m_session;
    std::function<void()> m_onClosed;
    FileListIconProvider m_icons;
    bool m_closed = false;
    int m_sortColumn = -1;
    bool m_ascending = false;

    QLineEdit* m_playlistPath = nullptr;
    QPushButton* m_saveBrowse = nullptr;
    QPushButton* m_loadBrowse = nullptr;
    QRadioButton* m_create = nullptr;
    QRadioButton* m_append = nullptr;
    QCheckBox* m_typeWinamp = nullptr;
    QCheckBox* m_typeBsplayer = nullptr;
    QCheckBox* m_playerWinamp = nullptr;
    QCheckBox* m_playerBsplayer = nullptr;
    QPushButton* m_launch = nullptr;
    QLabel* m_filterLabel = nullptr;
    QLineEdit* m_filter = nullptr;
    QLabel* m_found = nullptr;
    QTreeWidget* m_rows = nullptr;
    QTimer* m_filterTimer = nullptr;
};

}  // namespace vorlix
