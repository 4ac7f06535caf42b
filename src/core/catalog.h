#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/disc.h"
#include "core/named_objects.h"
#include "core/text_list.h"

namespace vorlix {

class UserPrompt;

inline constexpr std::string_view kDefaultFreedbServer = "gnudb.gnudb.org (Central Server)";
inline constexpr std::string_view kSameNumberMessage =
    "There is a CD with the same number. Please, enter another number.";

// The in-memory catalogue: discs in list order, category names in the order they were added,
// and the named auxiliary objects. None of its operations marks a document modified.
class CQXCatalog {
public:
    std::vector<std::unique_ptr<CQXDisc>> discs;
    TextList categories;
    NamedObjects named;

    // The first disc in list order whose number equals the text, or null.
    CQXDisc* findDisc(std::string_view number) const;
    bool discExists(std::string_view number) const { return findDisc(number) != nullptr; }
    void appendDisc(std::unique_ptr<CQXDisc> disc);
    void removeDisc(std::string_view number);
    void renameDisc(std::string_view number, const std::string& newName);
    // Moves disc `oldNumber` (which must exist) to `newNumber`, keeping the list ordered by
    // placing it after the disc with the nearest lower number. Returns that disc's number, or
    // "0" when the disc went to the head or the number was taken (reported through the prompt).
    std::string renumberDisc(std::string_view oldNumber, const std::string& newNumber,
                             UserPrompt& prompt);
    void setDiscDetails(std::string_view number, std::string artist, std::string quality,
                        std::string info);
    // Adds the history lists and the freedb settings when the map is empty.
    void addDefaultNamedObjects();

private:
    std::vector<std::unique_ptr<CQXDisc>>::iterator position(std::string_view number);
};

}  // namespace vorlix
