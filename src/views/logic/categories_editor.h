#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

class CQX2Doc;
class CQXDisc;
class CQXFileData;
class UserPrompt;

inline constexpr std::string_view kCategoryExistsMessage = "This category is already on your list!";
inline constexpr std::string_view kDeleteCategoryQuestion =
    "Do you really want to delete this category?";

// Told when the current disc's information record cannot take the notes.
std::string notesRefusedMessage(const std::string& discNumber);

// The changes the categories panel makes to the catalogue: category names, their attachment to
// the current disc and to file entries, and the current disc's notes. Every change is the
// owner's alone; each operation runs the document's owner check (which shows the refusal) and
// marks the document modified when it changed something. The caller refreshes what it shows.
class CategoryEditor {
public:
    CategoryEditor(CQX2Doc& document, UserPrompt& prompt);

    // Adds the name at the end of the catalogue's list; false when nothing was added (no disc,
    // empty name, refusal, or a name already listed with exactly this text).
    bool create(const std::string& name);
    // Fills an empty list with the default categories; true when it did.
    bool addDefaults();

    bool attachToCurrentDisc(const std::vector<std::string>& names);
    bool attachToFiles(const std::vector<std::string>& names,
                       const std::vector<CQXFileData*>& entries);
    bool detachFromCurrentDisc(const std::vector<std::string>& names);

    // Whether a rename may start: the owner check, asked before the name becomes editable.
    bool mayRename();
    // Renames everywhere unless the new name is empty or already taken in any case.
    bool rename(const std::string& oldName, const std::string& newName);
    // Asks first; removes the names from the catalogue, every disc and every file entry.
    bool remove(const std::vector<std::string>& names);

    // Whether the notes box takes typing: there is a current disc and it is the user's to
    // change. Others read the notes without being refused at every key.
    bool mayEditNotes() const;
    // The notes text changed in the panel: stored at once into the current disc's record. A
    // record that cannot take notes is reported, once for each disc, and false is returned.
    bool notesChanged(const std::string& notes);
    // "Save Notes": stores the text without marking the document modified, since every change
    // was already stored (and marked) as it was typed.
    bool saveNotes(const std::string& notes);

private:
    CQXDisc* currentCatalogueDisc() const;
    void makeCurrentAgain(const CQXDisc& disc);
    bool storeNotes(const std::string& notes);

    CQX2Doc& m_document;
    UserPrompt& m_prompt;
    // The disc whose record refused the notes last, so that typing on is not told again.
    std::string m_notesRefusedFor;
};

}  // namespace vorlix
