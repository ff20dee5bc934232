// The unattended run's floor: a console program that does nothing, built
// and linked as quav.exe is.
int main() { return 0; }
