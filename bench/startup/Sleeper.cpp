// A stand-in for the other programs of a player's machine: tells the start-up benchmark that it runs (one
// count on the semaphore whose inherited handle is its argument), then sleeps until the benchmark ends it.
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int)
{
    HANDLE running = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(std::strtoll(arguments, NULL, 10)));
    if (running) ReleaseSemaphore(running, 1, NULL);
    Sleep(10 * 60 * 1000);  // ended by the benchmark long before; this only bounds a forgotten one
    return 0;
}
