#pragma once
// What the window remembers between runs, in Qt's settings file
// (~/.config/Nerilo/Nerilo.conf): the zoom, 先行入力 and the sound. The chosen language is
// kept in the same file (language.h).
#include <optional>

namespace nerilo::ui {

// The saved zoom; nothing when none was saved yet or the saved value is not a zoom.
std::optional<int> savedZoom();
void saveZoom(int zoom);

bool savedBufferedInput();  // off unless saved on
void saveBufferedInput(bool on);

bool savedDeadEndWarning();  // off unless saved on
void saveDeadEndWarning(bool on);

bool savedSoundOn();  // on unless saved off
void saveSoundOn(bool on);
int savedSoundVolume();  // one of SoundVolumes, the loudest unless another was saved
void saveSoundVolume(int percent);

}  // namespace nerilo::ui
