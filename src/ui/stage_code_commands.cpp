#include "ui/stage_code_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <atomic>

#include "model/stage_code.h"
#include "solver/solver.h"
#include "ui/main_window.h"
#include "ui/run_aside.h"

namespace nerilo::ui {
namespace {

// How long コードをコピー looks for a shortest clear to carry as proof: the
// thirty stages take well under it, a huge stage of an author's gives up.
constexpr double ProofSearchSeconds = 5;
constexpr uint64_t ProofSearchStates = 2'000'000;

void tell(MainWindow& window, const Text& text, MsgIcon icon) {
    window.platform().messageBox(messageQuestion(text, MsgButtons::Ok, icon));
}

// A shortest clear in plain play from the stage's own start, or nothing when
// none is found in time.
std::string shortestClear(const Stage& stage) {
    solver::Options options;
    options.maxStates = ProofSearchStates;
    const solver::Result result = solver::solveWithin(solver::roundStart(stage), options, ProofSearchSeconds);
    return result.outcome == solver::Outcome::Solved ? result.keys : std::string();
}

}  // namespace

void copyStageCode(MainWindow& window) {
    if (window.game().session().testPlaying) return;
    const std::optional<Stage> stage = window.game().stageAsOpened();
    if (!stage) return;
    // A stage opened from a code passes its proof on; any other is searched.
    const std::string* known = window.game().proofInPlay();
    std::string proof = known ? *known : std::string();
    if (!known) {
        runAside([&] {
            proof = shortestClear(*stage);
            return Text();
        });
    }
    const std::string code = formatStageCode(*stage, proof);
    QGuiApplication::clipboard()->setText(QString::fromStdString(code));
    const Text copied = NERILO_TEXT("codes", "ステージのコードをコピーしました（%1 文字）。").arg(std::to_string(code.size()));
    if (proof.empty()) {
        tell(window, NERILO_TEXT("codes", "%1\n数秒のうちに解が見つからなかったので、クリアの証明は付いていません。").arg(copied),
             MsgIcon::Information);
    } else {
        tell(window,
             NERILO_TEXT("codes", "%1\n最短の解（%2 手）をクリアの証明として付けました。").arg(copied).arg(std::to_string(proof.size())),
             MsgIcon::Information);
    }
}

void askForStageCode(MainWindow& window) {
    window.game().askForStageCode(QGuiApplication::clipboard()->text().trimmed().toStdString());
}

bool openStageCode(MainWindow& window, const QString& text) {
    return window.game().openStageCode(parseStageCode(text.toStdString()));
}

}  // namespace nerilo::ui
