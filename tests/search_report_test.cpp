// What the editor's search window says about a search.
#include <gtest/gtest.h>

#include "solver/search_report.h"

namespace nerilo::test {
namespace {

using solver::Outcome;

TEST(SearchReport, Numbers) {
    EXPECT_EQ(solver::groupedNumber(0), "0");
    EXPECT_EQ(solver::groupedNumber(999), "999");
    EXPECT_EQ(solver::groupedNumber(1000), "1,000");
    EXPECT_EQ(solver::groupedNumber(1234567), "1,234,567");
    EXPECT_EQ(solver::progressLine({100, 12345, 7, 1.5}).japanese(), "調べた局面 12,345　深さ 7");
}

TEST(SearchReport, OutcomesAndAnalysis) {
    solver::Result solved;
    solved.outcome = Outcome::Solved;
    solved.keys = "RRUUZ";
    solved.stored = 4283;
    solved.seconds = 0.04;
    solved.analysis = solver::Analysis{4283, 4071, 0, 3};
    EXPECT_EQ(solver::outcomeLine(solved).japanese(), "最短 5 手でクリアできます");
    EXPECT_EQ(solver::summaryLine(solved).japanese(), "調べた局面 4,283（0.0 秒）");
    EXPECT_EQ(solver::analysisLine(solved).japanese(),
              "到達できる局面 4,283、うち行き詰まり（もうクリアできない局面）4,071。最短 3 手で行き詰まります。");

    solved.analysis = solver::Analysis{731, 0, 90, -1};
    EXPECT_EQ(solver::analysisLine(solved).japanese(), "到達できる局面 731、行き詰まりはありません。");
    solved.analysis.reset();
    solved.stored = 1000000;
    EXPECT_EQ(solver::analysisLine(solved).japanese(), "局面が多すぎて、行き詰まりまでは調べきれませんでした（1,000,000 局面）。");

    solver::Result unsolvable;
    unsolvable.outcome = Outcome::Unsolvable;
    unsolvable.analysis = solver::Analysis{12, 12, 0, 0};
    EXPECT_EQ(solver::outcomeLine(unsolvable).japanese(), "クリアできません");
    EXPECT_EQ(solver::analysisLine(unsolvable).japanese(), "到達できる局面 12、どれもクリアにつながりません。");

    solver::Result limited;
    limited.outcome = Outcome::LimitReached;
    EXPECT_EQ(solver::outcomeLine(limited).japanese(), "上限に達しました");

    solver::Result cancelled;
    cancelled.outcome = Outcome::Cancelled;
    EXPECT_EQ(solver::analysisLine(cancelled).japanese(), "");
}

}  // namespace
}  // namespace nerilo::test
