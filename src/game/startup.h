#pragma once
#include "model/progress_file.h"

namespace nerilo {

// The stage shown at start-up: the first one not cleared; when all are cleared,
// the first cleared without step-try mode; when all are step-try clears, 30.
int startStage(const Progress& progress);

}  // namespace nerilo
