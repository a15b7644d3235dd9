#pragma once
// The session's commands, each once: its id, its caption, its menu, its
// shortcut, when it is offered and what it does. The desktop's menus, the
// page's buttons and keys and nerilo-sim's letters are all built from this
// table, so a command added here reaches every front end.
#include <optional>
#include <span>
#include <string_view>

#include "model/text.h"
#include "rules/world.h"
#include "rules/world_state.h"
#include "game/session_state.h"

namespace nerilo {

class Game;

// Where a command sits: a menu of the menu bar, or the bar itself (コメント).
enum class CommandMenu : uint8_t { Game, Options, Bar, Editor };
Text menuCaption(CommandMenu menu);

// A key and its modifiers, named as both front ends name keys: F1 to F12,
// Backspace, or a capital letter.
struct Shortcut {
    std::string_view key;
    Modifiers modifiers = NoModifiers;
    friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

// What decides whether a command is offered: the world and the session, and
// the histories and the replay the game keeps beside them.
struct CommandContext {
    const WorldState& world;
    const SessionState& session;
    bool canUndo = false;
    bool canRedo = false;
    bool canUndoEdit = false;
    bool canRedoEdit = false;
    bool playbackRunning = false;
};
CommandContext commandContext(const Game& game);

struct Command {
    std::string_view id;
    Text caption;  // with its mnemonic: 開始(&K)
    CommandMenu menu;
    // A front end may offer the first as its own and take them all.
    std::span<const Shortcut> shortcuts;
    bool checkable = false;
    bool separatorBefore = false;  // a line above it in its menu
    CommandState (*state)(const CommandContext& context);
    // Null where the front end still runs the command itself: the hint, the
    // stage list, stage codes and the solution search.
    void (*run)(Game& game);
};

// In menu order.
std::span<const Command> commands();
const Command* findCommand(std::string_view id);
CommandState commandState(const Game& game, const Command& command);
// Runs the command as its menu entry does, offered or not (the caller asks);
// false for an unknown id or one the front end runs itself.
bool runCommand(Game& game, std::string_view id);

}  // namespace nerilo
