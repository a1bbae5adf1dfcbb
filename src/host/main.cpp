// k58204: the training host on the simulated Word (lesson scripts, offline grading).
#include <iostream>

#include "host/Commandes.hpp"

int main(int argc, char** argv) { return k58204::lecon::principal(argc, argv, std::cout, std::cerr); }
