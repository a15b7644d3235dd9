// Reading a stage file: decoding, field parsing and checking.
#include <benchmark/benchmark.h>

#include "model/stage_file.h"
#include "model/text_codec.h"

namespace {

std::string typicalStageBytes() {
    nerilo::Stage stage;
    for (int i = 0; i < nerilo::CellCount; ++i) {
        stage.ground[i] = static_cast<uint8_t>((i * 11) % nerilo::GroundCodeCount);
        stage.blocks[i] = static_cast<uint8_t>(i % 13 == 0 ? (i % nerilo::BlockCodeCount) : 0);
    }
    stage.comment = "鍵を拾って扉を開け、階段へ向かおう。";
    stage.stepTarget = 120;
    return nerilo::utf8ToCp932(nerilo::formatStage(stage)).text;
}

void ParseStageFile(benchmark::State& state) {
    const std::string bytes = typicalStageBytes();
    for (auto _ : state) {
        nerilo::Conversion text = nerilo::cp932ToUtf8(bytes);
        nerilo::StageRead read = nerilo::parseStage(text.text);
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(ParseStageFile);

}  // namespace
