#pragma once

#include <QIcon>

namespace vorlix {

// The pictures of the commands panel's buttons, drawn so that they never depend on installed
// files and stay sharp at any scale.
QIcon scanPicture();
QIcon findGapsPicture();
QIcon deleteDiscPicture();
QIcon cddbPicture();
QIcon chatServerPicture();
QIcon playlistsPicture();
QIcon exportPicture();
QIcon optionsPicture();
QIcon changeNumberPicture();
QIcon saveNotesPicture();
QIcon showDiscPicture();
QIcon searchPicture();
QIcon lendPicture();
QIcon getBackPicture();
QIcon availablePicture();
QIcon nonAvailablePicture();

}  // namespace vorlix
