#pragma once
// The thirty numbered stages: stage/stage1.txt to stage/stage30.txt in the
// program folder. Records are kept for these only; a stage file opened from
// anywhere else, even one named like them, sets none.
#include <string>

namespace nerilo {

// programFolder ends with a separator, as Game::programFolder() gives it.
std::string numberedStagePath(const std::string& programFolder, int n);
// The number of the numbered stage at path, or 0 for any other file.
int numberedStageAt(const std::string& programFolder, const std::string& path);

}  // namespace nerilo
