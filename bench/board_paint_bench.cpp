// A full repaint of the board widget, rendered offscreen into an image as the
// window's backing store would be, at 1× and 4×. The goal: under 1 ms at 4×.
#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include "game/game.h"
#include "tools/scripted_platform.h"
#include "ui/board_widget.h"

namespace {

void repaintBoard(benchmark::State& state) {
    const int zoom = static_cast<int>(state.range(0));
    nerilo::ScriptedPlatform platform;
    nerilo::Game game(platform);
    // The last stage: a full board of walls, tiles and blocks, with the round started.
    platform.fileAnswers.push_back(NERILO_SOURCE_DIR "/stage/stage30.txt");
    game.stages().open();
    game.startRound();
    nerilo::ui::BoardWidget board(game, nullptr);
    board.setZoom(zoom);
    QImage image(board.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        // The board paints every pixel itself (an opaque widget): no background first.
        board.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["pixels"] = static_cast<double>(image.width()) * image.height();
}
BENCHMARK(repaintBoard)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
