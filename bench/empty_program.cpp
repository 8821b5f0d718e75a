// A program that ends at once: what starting any program costs, the measure
// the start-up benchmark sets the editor's start against.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return 0;
}
