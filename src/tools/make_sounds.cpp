// nerilo-make-sounds FOLDER: writes the game's sound effects into FOLDER as
// WAV files, one per event. The build runs it; the files ship with the game.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/sound_synthesis.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: nerilo-make-sounds FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const nerilo::sound::Effect& effect : nerilo::sound::effects()) {
        const std::vector<uint8_t> bytes = nerilo::sound::wavFile(nerilo::sound::render(effect));
        std::ofstream file(folder / (effect.name + ".wav"), std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!file) {
            std::cerr << "nerilo-make-sounds: cannot write " << (folder / (effect.name + ".wav")).string() << "\n";
            return 1;
        }
    }
    return 0;
}
