// Replays inputs through a fuzz target's LLVMFuzzerTestOneInput without
// libFuzzer, for the ordinary test suite: every file named, or held in a
// folder named, on the command line. A crash or abort fails the test.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille);

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> fichiers;
    for (int i = 1; i < argc; ++i) {
        std::filesystem::path p(argv[i]);
        if (std::filesystem::is_directory(p)) {
            for (const auto& e : std::filesystem::directory_iterator(p))
                if (e.is_regular_file() && e.path().filename().string()[0] != '.' &&
                    e.path().filename() != "README.md")
                    fichiers.push_back(e.path());
        } else {
            fichiers.push_back(p);
        }
    }
    for (const auto& f : fichiers) {
        std::ifstream in(f, std::ios::binary);
        if (!in) {
            std::cerr << f.string() << ": cannot be read\n";
            return 1;
        }
        std::string octets((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(octets.data()), octets.size());
    }
    std::cout << fichiers.size() << " inputs replayed\n";
    return fichiers.empty() ? 1 : 0;
}
