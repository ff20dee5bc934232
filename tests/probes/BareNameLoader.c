/* Loads the DLL named on its command line by bare name, as a program that
   does not guard its DLL search would: run in the planted program's place,
   it must pick up a probe planted beside it. */
#include <windows.h>

int main(int argc, char** argv) { return argc == 2 && LoadLibraryA(argv[1]) != NULL ? 0 : 1; }
