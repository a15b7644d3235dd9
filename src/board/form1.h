#pragma once
// The main window's game: the model plus every procedure of the rules, named
// after the window's own procedures and control events. The procedures are
// defined in the subsystem folders (board, input, tick, power, modes, editor).
#include <random>
#include <string>

#include "board/form1_model.h"
#include "board/platform.h"
#include "board/stage_file.h"

namespace nerilo {

class Form1;
// Spreads power from the live cells of an initialised board to its fixed point.
using PowerSpreader = void (*)(Form1&);
void spreadPower(Form1& form);

// Virtual-key codes the keyboard handler knows.
namespace vk {
constexpr int Return = 13, Escape = 27, Space = 32, Left = 37, Up = 38, Right = 39, Down = 40,
              Delete = 46, A = 65, Z = 90;
}
constexpr int ShiftMask = 1;

class Form1 : public Form1Model {
public:
    explicit Form1(Platform& platform, PowerSpreader spreader = spreadPower);

    // Board and stage lifecycle.
    void PaintBoard();
    void findPlayer();
    bool Opener();
    void hiraku_Click();
    void hozon_Click();
    void stagepick_Click() { hiraku_Click(); }
    void Command2_Click() { hiraku_Click(); }
    void kaisi_Click();
    void retry_Click();
    void Command1_Click();
    void CountStep();
    void Form_Load();
    void Form_Unload(bool& cancel);
    void shuryou_Click();
    void StTime_Click();
    std::string MyPath();
    void Coments_Click();
    void Command3_Click() { Coments_Click(); }

    // Player input.
    void Form_KeyDown(int key, int shift);

    // World tick.
    void Timer1_Timer();

    // Power, beams and outcomes.
    void Suman();
    void Check2325_1();
    void Check2325_2();
    void Check2325_3();
    void Check2325_4();
    void CHANGE();
    void ABCchecker();
    void GAMEOVER();
    void SORRY();

    // Game modes.
    void MGCheck();
    void MinG();
    void Minigame_Click();
    void Minigame2_Click();
    void Tokein_Click();
    void Check2_Click() { Tokein_Click(); }
    void seedRandom(uint32_t seed) { random_.seed(seed); }

    // Stage editor.
    void Editcheck_Click();
    void Jtip_Click(int index);
    void Btip_Click(int index);
    void Blocktip_Click();
    void Check1_Click();
    void Block_MouseDown(int index, int button, int shift);
    void Newedit_Click();
    void Optcoments_Click();
    void Optimer_Click();

    // The player's cell and whether the game is lost (stone player, stopped tick).
    int playerCell() const { return BlockCell[PlayerBlock]; }
    bool isLost() const;

private:
    void raiseBlock(int k);
    void raiseBeam(int cell);
    void putBlocksHome();
    void applyStage(const Stage& stage, bool withCommentAndTarget);
    void enterLoadedState(const std::string& path, const std::string& title, const Stage& stage);
    bool readStage(const std::string& path, Stage& stage);
    void setKeyCount(int count);
    void enableGameCommands(bool enabled);
    void clearOverlays();
    void moveBlockToCell(int k, int cell);

    // Keyboard.
    void requestMove(int d, int playerCell);
    void actionKey(int playerCell);
    void stageChange();
    void pickUpKeys();

    // Tick.
    void startKick();
    void runStepPhase(int d);
    void arrive(int d);
    void land(int d);
    bool slideStep();
    void finishSlide();
    void moveBlockBy(int k, int dx, int dy);

    // Power.
    void powerThroughSide(int side);
    bool detonate(int ballSlot, int cell, std::array<uint8_t, CellCount>& beamStoppers);
    void fireBeam(int emitterCell, int d, const std::array<uint8_t, CellCount>& beamStoppers);

    Platform& platform_;
    PowerSpreader spreader_;
    std::mt19937 random_;
};

}  // namespace nerilo
