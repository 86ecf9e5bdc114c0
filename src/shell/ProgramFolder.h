#pragma once
// Where the program's own files (skin/, DefaultData/, Font/, SDK/) and the user's data live.

#include <QString>

namespace ilmo::shell {

// ILMO_PROGRAM_FOLDER when set; else the executable's folder when it holds skin/; else the
// installed share folder.
QString find_program_folder();
// $XDG_DATA_HOME (default ~/.local/share) + "/ILMO RQ07", created when missing.
QString user_data_folder();
// Installs the private fonts found under <program folder>/Font; missing ones are skipped.
// Returns how many were installed.
int load_private_fonts(const QString& program_folder);

}  // namespace ilmo::shell
