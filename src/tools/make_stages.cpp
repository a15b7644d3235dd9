// nerilo-make-stages: writes the numbered stage files from their designs with
// the game's own stage writer.
//   nerilo-make-stages DESIGNS_FILE STAGE_FOLDER
#include <fstream>
#include <iostream>
#include <sstream>

#include "model/stage_file.h"
#include "tools/stage_designs.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: nerilo-make-stages DESIGNS_FILE STAGE_FOLDER\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const nerilo::StageDesigns designs = nerilo::parseStageDesigns(text.str());
    if (!in || !designs.ok()) {
        std::cerr << "nerilo-make-stages: " << (designs.ok() ? "cannot read the designs" : designs.error) << "\n";
        return 2;
    }
    for (const auto& [number, stage] : designs.stages) {
        const std::string path = std::string(argv[2]) + "/stage" + std::to_string(number) + ".txt";
        const nerilo::Text error = nerilo::writeStageFile(path, stage);
        if (!error.empty()) {
            std::cerr << "nerilo-make-stages: " << path << ": " << error << "\n";
            return 1;
        }
    }
    std::cout << designs.stages.size() << " stages written\n";
    return 0;
}
