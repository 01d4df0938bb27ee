// Preloaded into the real game binary (LD_PRELOAD) to time its start-up: at
// the first buffer swap, the first menu frame, it waits for the frame to be
// finished, prints the milliseconds since QUIRTAL_LAUNCHED_AT (nanoseconds
// of the realtime clock, taken by the launching shell) and ends the process.
#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable)
{
    using Swap = void (*)(Display*, GLXDrawable);
    static const Swap realSwap = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    realSwap(display, drawable);
    glFinish();
    const double now = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    const char* launched = std::getenv("QUIRTAL_LAUNCHED_AT");
    const double start = launched ? std::strtod(launched, nullptr) / 1e9 : now;
    std::printf("startup_real_binary_to_first_menu_frame\t%.1f\tms\n", (now - start) * 1000.0);
    std::fflush(stdout);
    _exit(0);
}
