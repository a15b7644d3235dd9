#pragma once
// The thirty numbered stages: stage/stage1.txt to stage/stage30.txt in the
// program folder. A stage file counts as numbered stage n by its name, in any
// folder: its clear moves the progress on to the program's stage n + 1, and
// sets a record and counts dead ends for n, kept by the board's fingerprint,
// so that a board other than the program's own never takes its record.
#include <string>

namespace nerilo {

// programFolder ends with a separator, as Game::programFolder() gives it.
std::string numberedStagePath(const std::string& programFolder, int n);
// The number in a path named like "*stage#.txt" or "*stage##.txt"
// (case-sensitive), or -1 for a file with another name. It may lie outside
// 1 to StageCount.
int stageNumberOf(const std::string& path);
// The number of the program's own numbered stage at path, or 0 for any other file.
int numberedStageAt(const std::string& programFolder, const std::string& path);

}  // namespace nerilo
