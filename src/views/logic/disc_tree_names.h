#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

class CQXFileData;
class DiscTexts;

// The disc number a disc item's text starts with: the text before its first space.
std::string_view discNumberOfItem(std::string_view itemText);

// A disc item's text: the number, one space and the name.
std::string discItemText(std::string_view number, std::string_view name);

// The name a rename gives a disc. An edited label still starting with a disc number and a
// space ("12 NEWNAME") loses that number, since the label shows it but a label edit never
// changes it. An empty result, or the current name, keeps the current name.
std::string cleanDiscName(std::string_view edited, const std::string& currentName);

// The texts from a disc item down to an item, joined with "\" but never doubling a "\" that a
// text already ends with.
std::string joinItemPath(const std::vector<std::string>& texts);

// The lower-cased item path of the folder that holds the entry on the disc: "12 backup" for its
// root, "12 backup\music\rock" for the folder d:\music\rock\.
std::string locatePath(const DiscTexts& disc, const CQXFileData& entry);

}  // namespace vorlix
