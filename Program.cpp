#include "Program.h"

// Filled in by the shell.
MDIFitness *createProgram()
{
    return nullptr;
}
