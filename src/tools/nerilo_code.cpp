// nerilo-code: a stage file as a stage code and back, for sharing a stage as
// one line of text.
#include <CLI/CLI.hpp>
#include <iostream>

#include "model/stage_code.h"
#include "solver/proof_check.h"
#include "solver/solver.h"

namespace {

constexpr int Refused = 2;

int fail(const std::string& message) {
    std::cerr << "nerilo-code: " << message << "\n";
    return Refused;
}

std::string withoutBlanks(const std::string& keys) {
    std::string out;
    for (char c : keys)
        if (c != ' ') out += c;
    return out;
}

int encode(const std::string& stageFile, std::string proof, bool solve, bool link) {
    const nerilo::StageRead read = nerilo::readStageFile(stageFile);
    if (!read.ok()) return fail(stageFile + ": " + read.error.japanese());
    proof = withoutBlanks(proof);
    if (solve) {
        const nerilo::solver::StageStart start = nerilo::solver::stageStart(stageFile);
        const nerilo::solver::Result result = nerilo::solver::solve(*start.state);
        if (result.outcome != nerilo::solver::Outcome::Solved) {
            std::cerr << "nerilo-code: " << stageFile << ": no clear found to carry as proof\n";
            return 1;
        }
        proof = result.keys;
    }
    if (!proof.empty() && !nerilo::solver::proofClears(read.stage, proof))
        return fail(stageFile + ": the proof " + proof + " does not clear the stage");
    const std::string code = nerilo::formatStageCode(read.stage, proof);
    std::cout << (link ? std::string(nerilo::StageLinkScheme) : "") << code << "\n";
    return 0;
}

int decode(const std::string& code, const std::string& outFile) {
    const nerilo::StageCodeRead read = nerilo::parseStageCode(code);
    if (!read.ok()) return fail(read.error.japanese());
    const nerilo::Text error = nerilo::writeStageFile(outFile, read.stage);
    if (!error.empty()) return fail(outFile + ": " + error.japanese());
    if (read.proof.empty()) return 0;
    if (!nerilo::solver::proofClears(read.stage, read.proof)) {
        std::cerr << "nerilo-code: the code's proof " << read.proof << " does not clear the stage; it is written unproven\n";
        return 1;
    }
    std::cout << "proven: " << read.proof << " clears it in " << read.proof.size() << " presses\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Writes a Nerilo stage as a stage code, one line of text to share, and reads one back."};
    app.require_subcommand(1);

    std::string stageFile, proof;
    bool solve = false, link = false;
    CLI::App* encoder = app.add_subcommand("encode", "print the code of a stage file");
    encoder->add_option("STAGE_FILE", stageFile, "stage file to encode")->required();
    auto* proofOption =
        encoder->add_option("--proof", proof, "key letters (L R U D l r u d Z) of a clear to carry as proof");
    encoder->add_flag("--solve", solve, "find a shortest clear with the solver and carry it as proof")
        ->excludes(proofOption);
    encoder->add_flag("--link", link, "print the code as a nerilo: link");

    std::string code, outFile;
    CLI::App* decoder = app.add_subcommand("decode", "write the stage of a code to a stage file");
    decoder->add_option("CODE", code, "the code or nerilo: link")->required();
    decoder->add_option("OUT", outFile, "stage file to write (replaced whole)")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);
        return status == 0 ? 0 : Refused;
    }
    if (encoder->parsed()) return encode(stageFile, proof, solve, link);
    return decode(code, outFile);
}
