#pragma once
// Stage codes in the page: a link whose #CODE opens the stage, and a share
// button that copies a link to the current stage. The reader and writer are
// the desktop's (model/stage_code.h); only the bytes' tools are the browser's:
// base64url from Uint8Array, CRC-32 from Boost.CRC (no browser has one), and
// deflate from CompressionStream and DecompressionStream. Those two answer
// only later, so each of reading and writing is two calls from the script,
// around the browser's work.
#include <cstdint>
#include <emscripten/val.h>
#include <optional>
#include <string>

#include "game/game.h"
#include "model/stage_code.h"

namespace nerilo::web {

class WebStageCodes {
public:
    explicit WebStageCodes(Game& game) : game_(game) {}

    // The byte strings to inflate for the code or link in `text` (Uint8Arrays,
    // each to its very end, none past maxBody bytes), or null when the code is
    // refused before that, which the game has told.
    emscripten::val streamsToInflate(const std::string& text);
    // Opens the stage of the code last given to streamsToInflate from what
    // inflating its streams found: one {end: "complete" | "ranOut" | "broken",
    // body: Uint8Array} each. Its proof is played first, on a copy no one sees.
    bool open(emscripten::val inflated);

    // Hands `then` the body of the current stage's code, for the script to
    // deflate, once the session knows its proof (a search in the worker, or
    // the proof it was opened with), or null when there is no stage to share
    // (the game has told why).
    void share(emscripten::val then);
    // The code of the body the script deflated (raw deflate).
    std::string codeOf(emscripten::val deflated) const;

private:
    Game& game_;
    StageCodeStreams pending_;
};

}  // namespace nerilo::web
