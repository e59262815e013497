// The control of the planted-library check: a program without start-up
// hardening that loads each library named on its command line by the plain
// search order, which looks in the program's own folder first.
#include <windows.h>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (HMODULE library = ::LoadLibraryA(argv[i])) ::FreeLibrary(library);
    }
    return 0;
}
