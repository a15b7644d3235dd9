#pragma once
// The engine's texts in the window's language: each pattern translated in its
// context by the installed translators, then its arguments filled in.
#include <QString>

#include "model/text.h"

namespace nerilo::ui {

QString translated(const Text& text);

}  // namespace nerilo::ui
