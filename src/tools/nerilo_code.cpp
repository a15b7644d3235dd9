// nerilo-code: a stage file as a stage code and back, for sharing a stage as
// one line of text. It speaks one language per run: --lang, else the locale's.
#include <CLI/CLI.hpp>
#include <iostream>

#include "model/stage_code.h"
#include "solver/proof_check.h"
#include "solver/solver.h"
#include "tools/tool_language.h"

namespace {

using nerilo::Text;

constexpr int Refused = 2;

class CodeTool {
public:
    explicit CodeTool(nerilo::ToolLanguage language) : language_(language) {}

    int encode(const std::string& stageFile, std::string proof, bool solve, bool link) {
        const nerilo::StageRead read = nerilo::readStageFile(stageFile);
        if (!read.ok()) return fail(about(stageFile, read.error), Refused);
        proof = withoutBlanks(proof);
        if (solve) {
            const nerilo::solver::StageStart start = nerilo::solver::stageStart(stageFile);
            const nerilo::solver::Result result = nerilo::solver::solve(*start.state);
            if (result.outcome != nerilo::solver::Outcome::Solved)
                return fail(about(stageFile, NERILO_TEXT("code tool", "証明として付けるクリアが見つかりません。")), 1);
            proof = result.keys;
        }
        if (!proof.empty() && !nerilo::solver::proofClears(read.stage, proof)) {
            return fail(about(stageFile, NERILO_TEXT("code tool", "証明の %1 ではステージをクリアできません。").arg(proof)),
                        Refused);
        }
        const std::string code = nerilo::formatStageCode(read.stage, proof);
        std::cout << (link ? std::string(nerilo::StageLinkScheme) : "") << code << "\n";
        return 0;
    }

    int decode(const std::string& code, const std::string& outFile) {
        const nerilo::StageCodeRead read = nerilo::parseStageCode(code);
        if (!read.ok()) return fail(read.error, Refused);
        const Text error = nerilo::writeStageFile(outFile, read.stage);
        if (!error.empty()) return fail(about(outFile, error), Refused);
        if (read.proof.empty()) return 0;
        if (!nerilo::solver::proofClears(read.stage, read.proof)) {
            return fail(NERILO_TEXT("code tool", "コードに付いている証明 %1 ではステージをクリアできません。"
                                                 "ステージは証明なしで書き出しました。")
                            .arg(read.proof),
                        1);
        }
        std::cout << say(NERILO_TEXT("code tool", "証明済み: %1 で %2 手でクリアできます。")
                             .arg(read.proof)
                             .arg(std::to_string(read.proof.size())),
                         language_)
                  << "\n";
        return 0;
    }

private:
    // "file: what is wrong with it"
    static Text about(const std::string& file, const Text& text) { return Text::words("%1: %2").arg(file).arg(text); }

    int fail(const Text& message, int status) {
        std::cerr << "nerilo-code: " << say(message, language_) << "\n";
        return status;
    }

    static std::string withoutBlanks(const std::string& keys) {
        std::string out;
        for (char c : keys)
            if (c != ' ') out += c;
        return out;
    }

    nerilo::ToolLanguage language_;
};

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Writes a Nerilo stage as a stage code, one line of text to share, and reads one back."};
    app.require_subcommand(1);
    // --lang may follow the subcommand too.
    app.fallthrough();
    std::string lang;
    app.add_option("--lang", lang, "the language of the messages: ja (Japanese) or en (English); "
                                   "by default the locale's (LC_ALL, LC_MESSAGES, LANG)");

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
    const std::optional<nerilo::ToolLanguage> language = nerilo::toolLanguage(lang);
    if (!language) {
        std::cerr << "nerilo-code: --lang takes ja or en\n";
        return Refused;
    }
    CodeTool tool(*language);
    if (encoder->parsed()) return tool.encode(stageFile, proof, solve, link);
    return tool.decode(code, outFile);
}
