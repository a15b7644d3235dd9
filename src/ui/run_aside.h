#pragma once
// Short work in a worker thread in the middle of a command: the window goes on
// painting while it runs, and the keyboard and mouse wait until it is done.
#include <functional>
#include <string>

#include "model/text.h"

namespace nerilo::ui {

Text runAside(const std::function<Text()>& work);

}  // namespace nerilo::ui
