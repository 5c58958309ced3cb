#pragma once

class MDIFitness;

// Builds the whole program: registers every window with the shell, seeds the
// data folder and returns the shown main window. main(), the tests and the
// benchmarks all start the program through it.
MDIFitness *createProgram();
