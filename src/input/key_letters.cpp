#include "input/key_letters.h"

#include <string>

#include "board/form1.h"

namespace nerilo {
namespace {
constexpr std::string_view Letters = "LRUDlrudZE_XST.";

int arrowKey(char upper) {
    switch (upper) {
    case 'L': return vk::Left;
    case 'R': return vk::Right;
    case 'U': return vk::Up;
    default: return vk::Down;
    }
}
}  // namespace

bool isKeyLetter(char letter) { return Letters.find(letter) != std::string_view::npos; }

bool playLetter(Form1& form, char letter, long long maxTicks, Replay& replay) {
    switch (letter) {
    case 'L': case 'R': case 'U': case 'D': form.Form_KeyDown(arrowKey(letter), 0); break;
    case 'l': case 'r': case 'u': case 'd': form.Form_KeyDown(arrowKey(static_cast<char>(letter - 32)), ShiftMask); break;
    case 'Z': form.Form_KeyDown(vk::Z, 0); break;
    case 'E': form.Form_KeyDown(vk::Return, 0); break;
    case '_': form.Form_KeyDown(vk::Space, 0); break;
    case 'X': form.Form_KeyDown(vk::Delete, 0); break;
    case 'S': form.kaisi_Click(); break;
    case 'T': form.retry_Click(); break;
    case '.':
        if (form.Timer1Enabled) {
            form.Timer1_Timer();
            ++replay.ticks;
        }
        return true;
    default: return false;
    }
    long long ticks = 0;
    if (!form.Timer1Enabled) return true;
    do {
        if (ticks == maxTicks) {
            replay.stuck = true;
            break;
        }
        form.Timer1_Timer();
        ++ticks;
    } while (form.Timer1Enabled && form.InputLock == -1);
    replay.ticks += ticks;
    return true;
}

bool playKeys(Form1& form, std::string_view keys, long long maxTicks, Replay& replay) {
    for (char letter : keys)
        if (!playLetter(form, letter, maxTicks, replay)) return false;
    return true;
}

}  // namespace nerilo
