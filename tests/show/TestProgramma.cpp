// A stand-in program for the launcher's tests: writes its arguments, one per
// line, to the file named first, then waits until it is ended (or, with
// ZB_STOP_METEEN set, ends at once).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    if (std::FILE* f = std::fopen(argv[1], "w")) {
        for (int i = 2; i < argc; ++i)
            std::fprintf(f, "%s\n", argv[i]);
        std::fclose(f);
    }
    if (std::getenv("ZB_STOP_METEEN"))
        return 0;
    std::this_thread::sleep_for(std::chrono::seconds(60));
    return 0;
}
