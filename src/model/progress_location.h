#pragma once
#include <string>

#include "model/text.h"

namespace nerilo {

// Where "data.nrl" lives: beside the program when its folder is writable, as
// players of a copied folder expect; otherwise (an installed copy) in the
// user's data folder, $XDG_DATA_HOME/Nerilo or ~/.local/share/Nerilo.
std::string progressFilePath(const std::string& programFolder);
// Where another file of the player's lives: in the same folder as "data.nrl".
std::string dataFilePath(const std::string& programFolder, const std::string& name);

// Creates the folder that will hold path, if it is missing. Returns the error, or empty text.
Text prepareFolderOf(const std::string& path);

}  // namespace nerilo
