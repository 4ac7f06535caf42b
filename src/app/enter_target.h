#pragma once

namespace vorlix {

// What the Enter key runs next, named after the pane field edited or the list clicked last.
// The document keeps it so that every pane can set it; runEnterTarget (enter_routes.h) runs the
// matching operation and sets it back to None after every Enter.
enum class EnterTarget {
    None = 0,
    // "CD Number" or "CD Name" edited, or the categories panel's new-category field focused.
    ChangeNumber = 1,
    // A click in the file list: Enter opens the selected file.
    OpenFile = 2,
    // The find box's number edited; also a click in the categories panel's list of the disc's
    // categories, which arms that list's menu and Delete key.
    ShowDisc = 3,
    // The commands panel's search text edited: Enter starts the search, since the panel shows
    // its search pattern.
    StartSearch = 4,
    // The borrower typed into the commands panel: Enter lends the current disc to them.
    Lend = 5,
    // "CD Artist" or "CD Quality" edited: Enter stores them.
    StoreDetails = 6,
    // A name typed into the categories panel's new-category field.
    CreateCategory = 7,
    // The categories panel's notes edited: Enter saves them.
    SaveNotes = 9,
    // A click in the categories panel's list of all categories or in its drive list: Enter
    // runs nothing, but the list's menu (and Delete key) is armed.
    AllCategoriesList = 12,
    DriveList = 30,
};

}  // namespace vorlix
