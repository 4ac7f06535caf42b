#include "tasks/search_window/search_result_actions.h"

#include "accounts/disc_sharing.h"
#include "app/catalogue_document.h"
#include "app/copy_from_search.h"
#include "app/pane_operations.h"
#include "core/text_case.h"
#include "core/user_prompt.h"
#include "tasks/search_window/search_window_host.h"
#include "views/logic/file_list_file_opener.h"
#include "views/logic/file_list_texts.h"

namespace vorlix {

namespace {

// The list with the text put in front.
TextList withFirst(const TextList& list, std::string_view text) {
    TextList changed{text};
    for (std::string_view present : list) {
        changed.push_back(present);
    }
    return changed;
}

std::function<bool(TextList&)> attaching(const std::vector<std::string>& chosen) {
    return [&chosen](TextList& categories) {
        bool changed = false;
        for (const std::string& category : chosen) {
            if (!categories.contains(category)) {
                categories = withFirst(categories, category);
                changed = true;
            }
        }
        return changed;
    };
}

std::function<bool(TextList&)> deleting(const std::vector<std::string>& chosen) {
    return [&chosen](TextList& categories) {
        return categories.eraseIf([&chosen](std::string_view category) {
            return std::find(chosen.begin(), chosen.end(), category) != chosen.end();
        }) > 0;
    };
}

}  // namespace

CQXFileData* findResultEntry(CQXDisc& disc, std::string_view fullName,
                             const std::string* sizeText) {
    const std::string wanted = lowerCase(fullName);
    for (CQXFileData& entry : disc.files) {
        if (lowerCase(entry.name()) == wanted &&
            (sizeText == nullptr || fileSizeText(entry.size()) == *sizeText)) {
            return &entry;
        }
    }
    return nullptr;
}

SearchResultActions::SearchResultActions(Services services, bool maySeeAll)
    : m_services(services), m_maySeeAll(maySeeAll) {}

bool SearchResultActions::mayChangeDiscs(bool fileResults) {
    if (!m_maySeeAll) {
        m_services.prompt.message(kUnauthorizedMessage);
        return false;
    }
    if (fileResults) {
        m_services.prompt.message(kSelectDiscMessage);
        return false;
    }
    return true;
}

bool SearchResultActions::mayChangeFiles(bool fileResults) {
    if (!m_maySeeAll) {
        m_services.prompt.message(kUnauthorizedMessage);
        return false;
    }
    if (!fileResults) {
        m_services.prompt.message(kSelectFileMessage);
        return false;
    }
    return true;
}

CQXDisc* SearchResultActions::discOf(const SearchResultRow& row) {
    CQXDisc* disc = m_services.document.catalogue().findDisc(row.number);
    if (disc == nullptr) {
        m_services.prompt.message(kDiscMissingMessage);
    }
    return disc;
}

void SearchResultActions::open(const SearchResultRow& row) {
    CQXDisc* disc = discOf(row);
    if (disc == nullptr) {
        return;
    }
    // Without a matching entry the path is empty, and the disc is asked for all the same.
    const CQXFileData* entry = findResultEntry(*disc, fullFileName(row), &row.sizeText);
    FileListFileOpener(m_services.drives, m_services.shell, m_services.prompt, m_services.members)
        .openPath(entry == nullptr ? std::string() : openingPath(*entry), *disc,
                  kCouldNotOpenTheFileMessage);
}

void SearchResultActions::goToDisc(const SearchResultRow& row) {
    if (row.number.empty() || discOf(row) == nullptr) {
        return;
    }
    m_services.host.minimizeSearchWindows();
    if (DiscTreePane* tree = discTree(m_services.document)) {
        tree->selectDisc(row.number);
    }
}

void SearchResultActions::goToFile(const SearchResultRow* row, bool fileResults) {
    if (fileResults && row != nullptr) {
        if (CQXDisc* disc = discOf(*row)) {
            m_services.host.minimizeSearchWindows();
            const CQXFileData* entry = findResultEntry(*disc, fullFileName(*row));
            DiscTreePane* tree = discTree(m_services.document);
            if (tree != nullptr && !m_lastVisitedDisc.empty() && m_lastVisitedDisc != row->number) {
                tree->collapseDisc(m_lastVisitedDisc);
            }
            m_lastVisitedDisc = row->number;
            if (tree != nullptr && entry != nullptr && tree->selectDisc(row->number)) {
                tree->locateFile(*entry);
            }
        }
    }
    m_services.host.maximizeMainWindow();
}

RowWalkEnd SearchResultActions::shareDiscs(const std::vector<SearchResultRow>& rows, bool shared,
                                           const std::function<bool()>& goOn) {
    RowWalkEnd end = RowWalkEnd::Finished;
    DiscTreePane* tree = discTree(m_services.document);
    for (const SearchResultRow& row : rows) {
        if (!goOn()) {
            break;
        }
        if (discOf(row) == nullptr) {
            end = RowWalkEnd::DiscMissing;
            break;
        }
        // A disc the tree does not show (the tree shows one category) is left as it is: the
        // tree shares only the disc it has selected.
        if (tree == nullptr || !tree->selectDisc(row.number)) {
            continue;
        }
        if (tree->shareSelectedDisc(shared) == ShareResult::Refused) {
            end = RowWalkEnd::Refused;
            break;
        }
    }
    if (CommandsPane* commands = commandsPanel(m_services.document)) {
        commands->refreshStatus();
    }
    return end;
}

bool SearchResultActions::changeCategories(const std::vector<SearchResultRow>& rows, bool files,
                                           const std::function<bool(TextList&)>& change,
                                           const std::function<bool()>& goOn) {
    bool changed = false;
    for (const SearchResultRow& row : rows) {
        if (!goOn()) {
            break;
        }
        CQXDisc* disc = discOf(row);
        if (disc == nullptr) {
            break;
        }
        bool discChanged = false;
        if (!files) {
            discChanged = change(disc->editCategories());
        } else {
            const std::string wanted = lowerCase(fullFileName(row));
            for (CQXFileData& entry : disc->files) {
                if (lowerCase(entry.name()) == wanted) {
                    discChanged = change(entry.editCategories()) || discChanged;
                }
            }
        }
        // The rows' discs are seldom the current one, whose changes the document knows of.
        if (discChanged) {
            m_services.document.discChangedInPlace(disc->number());
        }
        changed = changed || discChanged;
    }
    if (changed) {
        m_services.document.setModified();
    }
    return changed;
}

void SearchResultActions::attachDiscCategories(const std::vector<SearchResultRow>& rows,
                                               const std::vector<std::string>& chosen,
                                               const std::function<bool()>& goOn) {
    changeCategories(rows, false, attaching(chosen), goOn);
    m_services.prompt.message(kCategoriesAttachedMessage);
}

void SearchResultActions::deleteDiscCategories(const std::vector<SearchResultRow>& rows,
                                               const std::vector<std::string>& chosen,
                                               const std::function<bool()>& goOn) {
    if (changeCategories(rows, false, deleting(chosen), goOn)) {
        m_services.prompt.message(kDiscCategoriesDeletedMessage);
    }
}

void SearchResultActions::attachFileCategories(const std::vector<SearchResultRow>& rows,
                                               const std::vector<std::string>& chosen,
                                               const std::function<bool()>& goOn) {
    changeCategories(rows, true, attaching(chosen), goOn);
    m_services.prompt.message(kCategoriesAttachedMessage);
}

void SearchResultActions::deleteFileCategories(const std::vector<SearchResultRow>& rows,
                                               const std::vector<std::string>& chosen,
                                               const std::function<bool()>& goOn) {
    if (changeCategories(rows, true, deleting(chosen), goOn)) {
        m_services.prompt.message(kFileCategoriesDeletedMessage);
    }
}

void SearchResultActions::addToPlaylist(const std::vector<SearchResultRow>& rows) {
    std::vector<CQXFileData*> entries;
    for (const SearchResultRow& row : rows) {
        CQXDisc* disc = m_services.document.catalogue().findDisc(row.number);
        if (disc == nullptr) {
            continue;
        }
        const std::string wanted = lowerCase(fullFileName(row));
        for (CQXFileData& entry : disc->files) {
            if (lowerCase(entry.name()) == wanted) {
                entry.setDiscNumber(disc->number());
                entries.push_back(&entry);
            }
        }
    }
    m_services.document.runPlaylistWindow(entries);
}

void SearchResultActions::copyFiles(const std::vector<SearchResultRow>& rows) {
    std::vector<CQXDisc*> discs;
    std::vector<std::string> names;
    for (const SearchResultRow& row : rows) {
        CQXDisc* disc = discOf(row);
        if (disc == nullptr) {
            return;
        }
        discs.push_back(disc);
        names.push_back(lowerCase(fullFileName(row)));
    }
    m_services.copies.copyFromSearch(discs, names);
}

}  // namespace vorlix
