// The page's game: one Game on the page's platform, bound for the page's
// script with embind. The script owns the clock (it calls tick ten times a
// second) and draws what board() and view() tell it.
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <nlohmann/json.hpp>

#include "game/commands.h"
#include "game/game.h"
#include "model/numbered_stages.h"
#include "model/progress_file.h"
#include "model/stage_file.h"
#include "model/tile_names.h"
#include "view/drawing_order.h"
#include "view/presentation.h"
#include "view/searches_view.h"
#include "view/stage_list.h"
#include "web/web_codes.h"
#include "web/web_platform.h"
#include "web/web_storage.h"

namespace nerilo::web {
namespace {

using emscripten::val;
using nlohmann::json;

// The program folder in the page's file system: the numbered stages under
// stage/, and data.nrl and records.json, which the browser's storage keeps
// (web_storage.h).
const std::string ProgramFolder = "/nerilo/";
constexpr int UnitsPerPixel = 15;

std::string colour(Rgb rgb) {
    return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," + std::to_string(rgb.blue) + ")";
}

std::optional<PlayerKey> keyNamed(const std::string& name) {
    static const std::map<std::string, PlayerKey> keys = {
        {"Left", PlayerKey::Left},     {"Right", PlayerKey::Right},   {"Up", PlayerKey::Up},       {"Down", PlayerKey::Down},
        {"Delete", PlayerKey::Delete}, {"Action", PlayerKey::Action}, {"Other", PlayerKey::Other}, {"Escape", PlayerKey::Escape},
    };
    const auto found = keys.find(name);
    return found == keys.end() ? std::nullopt : std::optional<PlayerKey>(found->second);
}

// The page's runner: the script's jobs (web/page/jobs.js) run each job in a
// worker and hand its result's bytes back to WebGame::jobDone.
class WebRunner : public Runner {
public:
    explicit WebRunner(val jobs) : jobs_(std::move(jobs)) {}
    void start(const Job& job) override {
        const std::string bytes = encodeJob(job);
        const val copy = val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data())))
                             .call<val>("slice");
        jobs_.call<void>("start", static_cast<double>(job.id), static_cast<int>(job.kind), copy, job.pauseMs);
    }
    void cancel(uint64_t id) override { jobs_.call<void>("cancel", static_cast<double>(id)); }

private:
    val jobs_;
};

// The page's own words where the desktop's name a key the page leaves to the
// browser or a touch screen has none of: the stage list is F9 here (F3 opens
// a file), step-try mode Ctrl+M (F5 reloads), and on a touch screen the
// player taps the panel's buttons. An empty keyboard text keeps the desktop's.
Text forThePage(const Text& text, bool touch) {
    struct Swap {
        Text desktop, keyboard, touch;
    };
    static const Swap swaps[] = {
        {NERILO_TEXT("panel", "F1 で開始"), {}, NERILO_TEXT("page", "「開始」をタップ")},
        {NERILO_TEXT("panel", "Delete でリトライ"), {}, NERILO_TEXT("page", "「再挑戦」をタップしてリトライ")},
        {NERILO_TEXT("panel", "Backspace で一手戻す"), {}, NERILO_TEXT("page", "「元に戻す」をタップして一手戻す")},
        {NERILO_TEXT("panel", "F3 でステージ選択"), NERILO_TEXT("page", "F9 でステージ一覧"),
         NERILO_TEXT("page", "「ステージ一覧」をタップ")},
        {NERILO_TEXT("panel", "F8 で終了"), {}, NERILO_TEXT("page", "「エディトモード」をタップして終了")},
        {NERILO_TEXT("panel", "Esc で編集に戻る"), {}, NERILO_TEXT("page", "「テストプレイ」をタップして編集に戻る")},
        {NERILO_TEXT("panel", "歩数：歩数トライ（F5）のときだけ数えます"),
         NERILO_TEXT("page", "歩数：歩数トライ（Ctrl+M）のときだけ数えます"),
         NERILO_TEXT("page", "歩数：歩数トライのときだけ数えます")},
    };
    for (const Swap& swap : swaps)
        if (text == swap.desktop) return touch ? swap.touch : swap.keyboard.empty() ? text : swap.keyboard;
    return text;
}

}  // namespace

class WebGame {
public:
    WebGame() : platform_(translation_, ProgramFolder), game_(platform_), codes_(game_) {}

    void listen(val listener) { platform_.listen(std::move(listener)); }
    void setTranslation(const std::string& json) { translation_.load(json); }
    // The panel names taps on a touch screen, the page's keys on a keyboard.
    void setTouch(bool touch) { touch_ = touch; }

    // The page's own captions and names, in the language chosen.
    std::string pageTexts() const {
        const std::pair<const char*, Text> texts[] = {
            {"touchKeys", NERILO_TEXT("page", "タッチキー")},
            {"left", NERILO_TEXT("page", "左")},
            {"right", NERILO_TEXT("page", "右")},
            {"up", NERILO_TEXT("page", "上")},
            {"down", NERILO_TEXT("page", "下")},
            {"action", NERILO_TEXT("page", "Z キー")},
            {"language", NERILO_TEXT("page", "言語")},
            {"stepsLeft", NERILO_TEXT("page", "残り歩数")},
            {"keysHeld", NERILO_TEXT("page", "持っている鍵")},
            {"hintFailed", NERILO_TEXT("page", "ヒントを探せません：探す仕組みを読み込めませんでした")},
            {"ownStage", NERILO_TEXT("page", "自分の次のステージへ")},
            {"groundPalette", NERILO_TEXT("page", "地面のパレット")},
            {"blockPalette", NERILO_TEXT("page", "ブロックのパレット")},
            {"groundBrush", NERILO_TEXT("page", "地面のブラシ")},
            {"blockBrush", NERILO_TEXT("page", "ブロックのブラシ（押すと消しゴム）")},
            {"pickBrush", NERILO_TEXT("page", "マスからブラシを拾う")},
            {"fileName", NERILO_TEXT("page", "ファイル名")},
            {"saved", NERILO_TEXT("page", "「%1」をダウンロードします。")},
        };
        json said = json::object();
        for (const auto& [id, text] : texts) said[id] = translation_.say(text);
        return said.dump();
    }
    // The board in words, for a screen reader.
    std::string boardText() const {
        return translation_.say(boardDescription(game_.world().state(), viewOf(game_).stageTitle));
    }
    void startUp() { run([this] { game_.startUp(); }); }

    // The world tick, as the desktop's timer runs it: a replay's next press first.
    void tick() { game_.clockTick(); }
    bool ticking() const { return game_.world().state().ticking; }
    // Nothing moving in a round under way: the next key is taken at once.
    bool atRest() const { return game_.atRest(); }

    void pressKey(const std::string& name, bool shift, bool control) {
        const std::optional<PlayerKey> key = keyNamed(name);
        if (!key) return;
        const Modifiers modifiers = (shift ? ShiftModifier : NoModifiers) | (control ? ControlModifier : NoModifiers);
        run([&] { game_.pressKey(*key, modifiers); });
    }

    // The panel's round button: 開始 or 再挑戦.
    void runRoundCommand() { run([this] { game_.runRoundCommand(); }); }

    // The editor (game/editor.h): a stroke of the pointer, from press to
    // release, is one undo step however many cells it paints.
    void beginStroke() { run([this] { game_.editor().beginStroke(); }); }
    void paintCell(int cell) { onBoard(cell, [this, cell] { game_.editor().paintCell(cell); }); }
    void endStroke() { run([this] { game_.editor().endStroke(); }); }
    void pickBrushAt(int cell) { onBoard(cell, [this, cell] { game_.editor().pickBrushAt(cell); }); }
    void chooseGroundBrush(int code) {
        if (code >= 0 && code < GroundCodeCount) run([this, code] { game_.editor().chooseGroundBrush(code); });
    }
    void chooseBlockBrush(int code) {
        if (code >= 0 && code < BlockBrushCount) run([this, code] { game_.editor().chooseBlockBrush(code); });
    }
    void chooseEraser() { run([this] { game_.editor().chooseEraser(); }); }
    void togglePaintLayer() { run([this] { game_.editor().togglePaintLayer(); }); }
    // The analysis's shortest clear, played in test play.
    void playSolution(const std::string& keys) { run([&] { game_.editor().playSolution(keys); }); }
    bool hasUnsavedEdits() const { return game_.editor().hasUnsavedEdits(); }
    // On at first, as on the desktop; the page remembers the player's choice.
    void setCircuitPreview(bool on) { circuitPreview_ = on; }

    // The palettes as the desktop's show them: each entry's picture and name.
    std::string palettes() const {
        json ground = json::array(), blocks = json::array();
        for (int k = 0; k < GroundCodeCount; ++k)
            ground.push_back(paletteEntry(groundPicture(k), groundName(static_cast<uint8_t>(k))));
        for (int k = 0; k < BlockBrushCount; ++k)
            blocks.push_back(paletteEntry(blockPicture(k), blockName(static_cast<uint8_t>(k))));
        return json{{"ground", ground}, {"blocks", blocks}}.dump();
    }

    // The session's command table in the language chosen, with each entry's
    // state now: the page's buttons and keys are made of it.
    std::string commands() const {
        json entries = json::array();
        for (const Command& command : nerilo::commands()) {
            json shortcuts = json::array();
            for (const Shortcut& shortcut : command.shortcuts)
                shortcuts.push_back({{"key", std::string(shortcut.key)},
                                     {"shift", (shortcut.modifiers & ShiftModifier) != 0},
                                     {"control", (shortcut.modifiers & ControlModifier) != 0},
                                     {"alt", (shortcut.modifiers & AltModifier) != 0}});
            const CommandState state = commandState(game_, command);
            entries.push_back({{"id", std::string(command.id)},
                               {"caption", translation_.say(command.caption)},
                               {"shortcuts", shortcuts},
                               {"enabled", state.enabled},
                               {"checked", state.checked},
                               {"runsHere", command.run != nullptr},
                               {"editor", command.menu == CommandMenu::Editor},
                               {"checkable", command.checkable}});
        }
        return entries.dump();
    }
    // Runs a command of the table as its menu entry does: only while it is
    // offered, though its key, as any command, ends a hint and a replay.
    void runCommand(const std::string& id) {
        const Command* command = findCommand(id);
        if (!command || !command->run) return;
        run([&] {
            if (commandState(game_, *command).enabled) command->run(game_);
        });
    }

    // The question the session waits on, or the notice to show, in the
    // language chosen; null when there is none.
    val question() const {
        const Question* asked = game_.question();
        if (!asked) return val::null();
        return val(questionJson(*asked, translation_).dump());
    }
    // The player's answer: the button pressed, the text typed (Line, Lines),
    // or the file the page wrote into its file system (OpenFile).
    void answer(int button, val text, val path) {
        Answer given{static_cast<MsgResult>(button)};
        if (text.isString()) given.text = text.as<std::string>();
        if (path.isString()) {
            const std::string file = path.as<std::string>();
            given.file = FileChoice{file, file.substr(file.find_last_of('/') + 1)};
        }
        game_.answer(given);
    }

    bool openStageFile(const std::string& path) {
        bool opened = false;
        run([&] { opened = game_.stages().openFile(path); });
        return opened;
    }
    // A link's numbered stage: unsaved edits are asked about first.
    bool openNumberedStage(int n) {
        bool opened = false;
        run([&] { opened = game_.stages().openHanded(numberedStagePath(ProgramFolder, n)); });
        return opened;
    }
    bool replay(int n, bool stepTry) {
        bool started = false;
        run([&] { started = game_.round().startPlayback(n, stepTry); });
        return started;
    }
    bool playbackRunning() const { return game_.round().playbackRunning(); }

    // Stage codes (web_codes.h): a link's code opens as on the desktop, a replay stopped first.
    val stageCodeStreams(const std::string& text) {
        if (game_.round().playbackRunning()) game_.round().stopPlayback();
        return codes_.streamsToInflate(text);
    }
    bool openStageCode(val inflated) {
        bool opened = false;
        run([&] { opened = codes_.open(std::move(inflated)); });
        return opened;
    }
    // The share link's body, with its proof, handed to `then` once the
    // session has it (null when there is none to share).
    void shareStage(val then) {
        if (!run([&] { codes_.share(then); })) then(val::null());
    }
    std::string stageCodeOf(val deflated) const { return codes_.codeOf(std::move(deflated)); }
    std::string linkCopied() const {
        return translation_.say(NERILO_TEXT("codes", "ステージへのリンクをコピーしました。"));
    }
    // The player's files (web_storage.h): the shelf every write goes
    // through; what another tab wrote, merged into memory; a file the player
    // brings back, read and merged, or refused with the reason.
    void keepFilesOn(val shelf) { keeper_.emplace(std::move(shelf)); }
    void takePlayerFiles() { game_.takePlayerFiles(); }
    void importPlayerFile(const std::string& path, const std::string& name, bool records) {
        game_.importPlayerFile(path, name, records);
    }
    std::string storageTexts() const { return web::storageTexts(translation_); }

    // The session's background searches (web/page/jobs.js runs them).
    void setRunner(val jobs) {
        runner_.emplace(std::move(jobs));
        game_.searches().setRunner(&*runner_);
    }
    void jobDone(const val& bytes) {
        const std::vector<uint8_t> in = emscripten::convertJSArrayToNumberVector<uint8_t>(bytes);
        if (const std::optional<JobResult> result = decodeResult(std::string(in.begin(), in.end())))
            game_.searches().jobDone(*result);
    }
    // How far a job has come: positions judged and rooms, for the stage of the day.
    void jobProgress(double id, double judged, int rooms) {
        game_.searches().jobProgress(static_cast<uint64_t>(id), {static_cast<uint64_t>(judged), 0, rooms, 0});
    }
    // The worker could not run the job (its engine not loaded, no more memory).
    void jobFailed(double id) { game_.searches().jobDone(failedJob(static_cast<uint64_t>(id))); }
    // ヒント: asked again while it is searched, it stops.
    void askForHint() { game_.searches().askForHint(); }
    void setDeadEndWarning(bool on) { game_.searches().setDeadEndWarning(on); }

    // What the board shows, back to front: four numbers a picture, its set
    // (1 ground, 2 blocks, 3 player), its index, and its left and top in pixels at 1×.
    val board() const {
        const ShownBoard shown = shownBoard(game_, circuitPreview_);
        const WorldState& state = shown.state;
        std::vector<int> items;
        items.reserve(4 * (CellCount + 64));
        for (int c = 0; c < CellCount; ++c) {
            const Picture picture = groundPicture(state.ground[c].code);
            items.insert(items.end(), {static_cast<int>(picture.palette), picture.index, cellLeft(c) / UnitsPerPixel,
                                       cellTop(c) / UnitsPerPixel});
        }
        for (const DrawItem& item : drawingOrder(state, shown.drawing))
            items.insert(items.end(), {static_cast<int>(item.picture.palette), item.picture.index,
                                       item.left / UnitsPerPixel, item.top / UnitsPerPixel});
        return val::global("Int32Array").new_(emscripten::typed_memory_view(items.size(), items.data()));
    }

    // The panel and the menu as the window shows them, in the language chosen.
    std::string view() const {
        const WindowView v = viewOf(game_);
        json hints = json::array();
        for (const Text& hint : v.status.hints) hints.push_back(translation_.say(forThePage(hint, touch_)));
        return json{
            {"stepsLeft", v.stepsLeft},
            {"stepsLeftTip", translation_.say(forThePage(v.stepsLeftTip, touch_))},
            {"stageTitle", translation_.say(v.stageTitle)},
            {"keysHeld", v.keysHeld},
            {"roundButton", {{"caption", translation_.say(v.roundButton.caption)},
                             {"enabled", v.roundButton.enabled},
                             {"colour", colour(v.roundButton.colour)}}},
            {"status", {{"headline", translation_.say(forThePage(v.status.headline, touch_))},
                        {"colour", colour(v.status.colour)},
                        {"hints", hints}}},
            {"playback", game_.round().playbackRunning()},
            // The stage's comment, which the page shows until the round starts.
            {"comment", translation_.say(Text(StageCommentContext, game_.session().comment))},
            {"roundStarted", game_.session().roundStarted},
            // A command waits for its search: the page takes nothing meanwhile.
            {"busy", game_.searches().awaiting()},
            {"stagePath", game_.session().stagePath},
            {"deadEndWarning", game_.searches().state().deadEnd.enabled},
            {"searches", searchesJson()},
            {"editor", editorJson(v)},
        }
            .dump();
    }

    // A small picture of numbered stage n as its file places it, for the stage
    // list: [palette, index, left, top] per picture, ground before blocks, in
    // the board's pixels. Empty when the file does not read.
    val stagePreview(int n) const {
        std::vector<int> items;
        const StageRead read = readStageFile(numberedStagePath(ProgramFolder, n));
        for (int layer = 0; read.ok() && layer < 2; ++layer) {
            for (int c = 0; c < CellCount; ++c) {
                const int block = read.stage.blocks[c];
                if (layer == 1 && block == block::Empty) continue;
                const Picture picture = layer == 0 ? groundPicture(read.stage.ground[c]) : blockPicture(block);
                items.insert(items.end(), {static_cast<int>(picture.palette), picture.index, cellLeft(c) / UnitsPerPixel,
                                           cellTop(c) / UnitsPerPixel});
            }
        }
        return val::global("Int32Array").new_(emscripten::typed_memory_view(items.size(), items.data()));
    }

    // The stage list's tiles, in the language chosen.
    // The shortest clears come from the session's searches: a tile not yet
    // known says so, and asking again later gives its length.
    std::string stageList() {
        const PlayerData& player = game_.playerData();
        json tiles = json::array();
        for (const StageListEntry& entry : nerilo::stageList(ProgramFolder, player.progress(), player.records())) {
            const ShortestLength shortest =
                entry.readable() ? game_.searches().shortestLength(entry.fingerprint, entry.stage) : ShortestLength{false, {}};
            StageListEntry shown = entry;
            // The title in the language chosen, from the comment's translation, as the desktop's list has it.
            if (entry.readable()) shown.title = stageTitleOf(translation_.say(Text(StageCommentContext, entry.stage.comment)));
            const StageTileView tile = tileViewOf(shown, shortest.presses, shortest.searching);
            tiles.push_back({{"number", entry.number},
                             {"heading", tile.heading},
                             {"state", translation_.say(tile.state)},
                             {"stateColour", colour(tile.stateColour)},
                             {"records", translation_.say(tile.records)},
                             {"readable", entry.readable()},
                             {"replay", entry.hasReplay()},
                             {"replayStepTry", entry.replaysStepTry()},
                             {"searching", shortest.searching}});
        }
        return tiles.dump();
    }

private:
    // The desktop's block palette: the empty block (the eraser) to the player.
    static constexpr int BlockBrushCount = 8;

    json paletteEntry(const Picture& picture, const Text& name) const {
        return {{"picture", {static_cast<int>(picture.palette), picture.index}}, {"name", translation_.say(name)}};
    }

    // A cell of the board, or nothing: the page hands over what the pointer touched.
    void onBoard(int cell, const std::function<void()>& call) {
        if (cell >= 0 && cell < CellCount) run(call);
    }

    // The editor's palettes, brushes and layer button, and its analysis of the
    // board as a round would start on it.
    json editorJson(const WindowView& v) const {
        const AnalysisPanelView analysis = searchesView(game_).analysis;
        json lines = json::array();
        for (const Text& line : analysis.lines) lines.push_back(translation_.say(line));
        const auto picture = [](const Picture& p) { return json{static_cast<int>(p.palette), p.index}; };
        return {{"shown", v.editorMenuVisible},
                {"palettesEnabled", v.palettesEnabled},
                {"groundBrush", picture(v.groundBrush)},
                {"blockBrush", picture(v.blockBrush)},
                {"groundBrushName", translation_.say(groundName(game_.session().groundBrush))},
                {"blockBrushName", translation_.say(blockName(game_.session().blockBrush))},
                {"layer", {{"caption", translation_.say(v.layerButton.caption)}, {"enabled", v.layerButton.enabled}}},
                {"analysis", {{"shown", analysis.shown},
                              {"title", translation_.say(analysis.title)},
                              {"lines", lines},
                              {"solution", analysis.solution}}}};
    }

    // The hint line and arrow, the dead-end warning. The arrow starts on the
    // player's cell and points the press's way (0 to 3: left, right, up,
    // down), or is a ring (-1) for the action key.
    json searchesJson() const {
        const SearchesView v = searchesView(game_);
        json arrow = nullptr;
        if (v.hintArrow) {
            arrow = {{"cell", v.hintArrow->cell}, {"direction", v.hintArrow->direction}};
        }
        return {{"hintLine", translation_.say(v.hintLine)},
                {"hintArrow", arrow},
                {"hintSearching", game_.searches().state().hint.job != 0},
                {"deadEndLine", translation_.say(v.deadEndLine)}};
    }

    bool run(const std::function<void()>& call) { return game_.perform(call); }

    Translation translation_;
    WebPlatform platform_;
    Game game_;
    WebStageCodes codes_;
    std::optional<WebRunner> runner_;
    bool touch_ = false;
    bool circuitPreview_ = true;
    std::optional<WebFileKeeper> keeper_;
};

}  // namespace nerilo::web

EMSCRIPTEN_BINDINGS(nerilo) {
    using nerilo::web::WebGame;
    emscripten::class_<WebGame>("Game")
        .constructor<>()
        .function("listen", &WebGame::listen)
        .function("setTranslation", &WebGame::setTranslation)
        .function("setTouch", &WebGame::setTouch)
        .function("pageTexts", &WebGame::pageTexts)
        .function("boardText", &WebGame::boardText)
        .function("startUp", &WebGame::startUp)
        .function("tick", &WebGame::tick)
        .function("ticking", &WebGame::ticking)
        .function("atRest", &WebGame::atRest)
        .function("pressKey", &WebGame::pressKey)
        .function("runRoundCommand", &WebGame::runRoundCommand)
        .function("beginStroke", &WebGame::beginStroke)
        .function("paintCell", &WebGame::paintCell)
        .function("endStroke", &WebGame::endStroke)
        .function("pickBrushAt", &WebGame::pickBrushAt)
        .function("chooseGroundBrush", &WebGame::chooseGroundBrush)
        .function("chooseBlockBrush", &WebGame::chooseBlockBrush)
        .function("chooseEraser", &WebGame::chooseEraser)
        .function("togglePaintLayer", &WebGame::togglePaintLayer)
        .function("playSolution", &WebGame::playSolution)
        .function("hasUnsavedEdits", &WebGame::hasUnsavedEdits)
        .function("setCircuitPreview", &WebGame::setCircuitPreview)
        .function("palettes", &WebGame::palettes)
        .function("commands", &WebGame::commands)
        .function("runCommand", &WebGame::runCommand)
        .function("question", &WebGame::question)
        .function("answer", &WebGame::answer)
        .function("openStageFile", &WebGame::openStageFile)
        .function("openNumberedStage", &WebGame::openNumberedStage)
        .function("replay", &WebGame::replay)
        .function("playbackRunning", &WebGame::playbackRunning)
        .function("stageCodeStreams", &WebGame::stageCodeStreams)
        .function("openStageCode", &WebGame::openStageCode)
        .function("shareStage", &WebGame::shareStage)
        .function("stageCodeOf", &WebGame::stageCodeOf)
        .function("linkCopied", &WebGame::linkCopied)
        .function("keepFilesOn", &WebGame::keepFilesOn)
        .function("takePlayerFiles", &WebGame::takePlayerFiles)
        .function("importPlayerFile", &WebGame::importPlayerFile)
        .function("storageTexts", &WebGame::storageTexts)
        .function("setRunner", &WebGame::setRunner)
        .function("jobDone", &WebGame::jobDone)
        .function("jobFailed", &WebGame::jobFailed)
        .function("jobProgress", &WebGame::jobProgress)
        .function("askForHint", &WebGame::askForHint)
        .function("setDeadEndWarning", &WebGame::setDeadEndWarning)
        .function("board", &WebGame::board)
        .function("view", &WebGame::view)
        .function("stageList", &WebGame::stageList)
        .function("stagePreview", &WebGame::stagePreview);
}
