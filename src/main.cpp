#include "app/Program.h"

int main(int argc, char** argv) { return korvel::app::runProgram(argc, argv); }
