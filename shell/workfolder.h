#pragma once
// The installed program's working folder: each learner gets a folder of
// their own (by default ~/.local/share/vzt-trainer), holding copies of the
// installed pictures and tables and the learner's result logs and keys.
// The trainer itself then works in that folder as in any other.
#include <QString>

namespace vzt {

// The program's version ("1.0.0").
QString programVersion();

// The working folder to use: `option` (from "--folder DIR") when given,
// else $VZT_FOLDER, else $XDG_DATA_HOME/vzt-trainer, else
// ~/.local/share/vzt-trainer. Relative paths are taken from the current folder.
QString chosenWorkFolder(const QString &option);

struct Preparation {
    int copied = 0;    // pictures and tables brought up to the installed version
    int logsMade = 0;  // result logs that were missing
};

// Makes `folder` a working folder from the installed data folder `data`
// (with its SpS and Ida). Creates the folder when it is missing, copies
// every installed picture and table that the folder lacks or holds in
// another version (each copy replaces the old file whole, never half
// written), and creates the result logs that are missing. Nothing else is
// touched: an existing log, key file or any other file stays as it is.
//
// When the folder cannot be created or written, raises vzt::Error with a
// message for the learner before anything is written.
Preparation prepareWorkFolder(const QString &data, const QString &folder);

} // namespace vzt
