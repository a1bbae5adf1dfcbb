// k58204: the training host on the simulated Word (lesson scripts, offline grading).
#include <iostream>

#include "host/Commandes.hpp"
#include "host/Interruption.hpp"

int main(int argc, char** argv) {
    // An interrupted run leaves no temporary folder behind.
    k58204::lecon::GardeInterruption garde;
    return k58204::lecon::principal(argc, argv, std::cout, std::cerr);
}
