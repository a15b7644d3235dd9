#pragma once
// The whole game state of the main window as one plain value: the three board
// layers, the state variables and the state kept in controls (captions, tags,
// check marks, enabled and visible states). Copying it snapshots a game.
#include <array>
#include <cstdint>
#include <string>

#include "board/codes.h"
#include "board/picture.h"
#include "board/platform.h"
#include "board/power_state.h"

namespace nerilo {

constexpr int CellPitch = 480;    // position units (twips) per cell
constexpr int QuarterStep = 120;  // one phase of a step
constexpr int PlayingHeight = 7900;
constexpr int EditingHeight = 9600;
constexpr int StageCount = 30;

struct GroundCell {
    uint8_t code = 0;
    Power power = Power::Inert;  // kept by the power evaluation
};

struct BlockControl {
    uint8_t code = 0;
    Picture picture;
    int left = 0;   // position in twips; drawn there, whatever cell it stands on
    int top = 0;
    uint32_t z = 0; // drawing order: higher is in front
};

struct BeamCell {
    bool marked = false;  // shows the stipple picture Btip(8)
    uint32_t z = 0;
};

struct LabelControl {
    std::string caption;
    std::string tag;
    bool enabled = true;
    Rgb foreColor = White;
};

struct MenuEntry {
    bool enabled = true;
    bool visible = true;
    bool checked = false;
};

// An editor brush: the picture shown and the code it paints.
struct Brush {
    Picture picture;
    uint8_t tag = 0;
};

struct Form1Model {
    // Board layers.
    std::array<GroundCell, CellCount> Ji{};
    std::array<BlockControl, CellCount> Block{};
    std::array<BeamCell, CellCount> BeemPic{};
    uint32_t ZCounter = 0;  // last drawing-order value handed out by a raise

    // State variables.
    std::array<int16_t, CellCount> BlockCell{};
    uint8_t PlayerBlock = 0;
    uint8_t MovingBlock = 0;
    uint8_t PushedBlock = 0;
    uint8_t MoveKind = 0;
    std::array<uint8_t, DirectionCount> StepPhase{};
    int16_t InputLock = 0;
    int16_t KickActive = 0;
    int16_t FreshRound = 0;
    uint8_t KeyCount = 0;
    std::string StagePath;
    std::array<uint8_t, StageCount> StageProgress{};  // stage n at [n - 1]
    uint8_t ActCell = 0;
    int16_t FlowCell = 0;  // the cell Check2325_1..4 power
    uint8_t ModeLevel = 0;

    // State held in controls.
    LabelControl Label1{"200", "200"};
    LabelControl StageName{"stage1.txt", ""};
    LabelControl Check2{"歩数トライ", ""};
    LabelControl Command1{"開始", ""};
    LabelControl Command2{"開く", ""};
    LabelControl Command3{"コメント", ""};
    LabelControl Check1{"↑切り替え", "", false};
    MenuEntry kaisi, retry, stagepick, StTime, shuryou;
    MenuEntry Tokein;
    MenuEntry Minigame{false}, Minigame2{false};
    MenuEntry Editcheck;
    MenuEntry Coments;
    std::string ComentsTag;  // the stage comment
    MenuEntry Editmode{true, false};
    Brush Maptip{Jtip(0), 0};
    Brush Blocktip{Btip(1), 1};
    bool Timer1Enabled = false;
    std::string VospFileName;  // what the file dialog's name field holds
    int Height = PlayingHeight;  // outer height of the main window
};

// Positions of the ground cell c, where every block starts and every overlay stays.
constexpr int cellLeft(int cell) { return columnOf(cell) * CellPitch; }
constexpr int cellTop(int cell) { return rowOf(cell) * CellPitch; }

}  // namespace nerilo
