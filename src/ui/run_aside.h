#pragma once
// Short work in a worker thread in the middle of a command: the window goes on
// painting while it runs, and the keyboard and mouse wait until it is done.
#include <functional>
#include <string>

namespace nerilo::ui {

std::string runAside(const std::function<std::string()>& work);

}  // namespace nerilo::ui
