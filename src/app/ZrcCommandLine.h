#pragma once

// zrc's options, read before the program opens anything: --help and
// --version answer without a display; a bad option exits 2 with the usage.
// Returns the exit status when the program should stop here, -1 to go on.
int answerCommandLine(int argc, char *argv[]);
