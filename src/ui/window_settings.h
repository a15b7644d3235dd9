#pragma once
// What the window remembers between runs, in Qt's settings file
// (~/.config/Nerilo/Nerilo.conf): the zoom and 先行入力. The chosen language is
// kept in the same file (language.h).
#include <optional>

namespace nerilo::ui {

// The saved zoom; nothing when none was saved yet or the saved value is not a zoom.
std::optional<int> savedZoom();
void saveZoom(int zoom);

bool savedBufferedInput();  // off unless saved on
void saveBufferedInput(bool on);

}  // namespace nerilo::ui
