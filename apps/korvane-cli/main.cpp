// korvane-cli: the program's flows without windows, for scripts and batch work.
#include <iostream>

#include "Commands.h"

int main(int argc, char** argv) { return korvane::cli::Main(argc, argv, std::cout, std::cerr); }
