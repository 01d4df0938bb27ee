// Plays a long run of random keyboard and mouse input through the game's own
// GLUT callbacks, with a fake clock, on the real data set. After every frame
// the matrix stacks must be balanced; at the end the heap must hold what it
// held after the warm-up frames. It ends through the game's own exit path
// (Esc in the menu), so the leak check of a sanitizer build covers the run.
#include "heap_usage.h"
#include "random_input.h"

#include "support/gl_window.h"

#include "core/frame.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/startup.h"
#include "platform/clock.h"

#include <GL/freeglut.h>
#include <dlfcn.h>
#include <link.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct SoakOptions {
    long frames = 100000;
    long warmupFrames = 1000;
    uint32_t seed = 1;
    // Software rendering fills pixels slowly; the soak is about logic and
    // memory, so it plays in a small window unless asked otherwise.
    int width = 200;
    int height = 150;
    // Heap growth tolerated between the warm-up and the end, for one-off
    // allocations (a sound channel, a driver cache), not per frame.
    size_t growthAllowance = 256 * 1024;
};

uint32_t fakeMilliseconds = 5000;

uint32_t fakeMillisecondClock() { return fakeMilliseconds; }
int32_t fakeCalendarClock() { return 1700000000 + static_cast<int32_t>(fakeMilliseconds / 1000); }

bool parseOptions(int argc, char** argv, SoakOptions& options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const long value = std::strtol(argv[i + 1], nullptr, 10);
        if (value <= 0)
            return false;
        if (name == "--frames")
            options.frames = value;
        else if (name == "--warmup")
            options.warmupFrames = value;
        else if (name == "--seed")
            options.seed = static_cast<uint32_t>(value);
        else if (name == "--width")
            options.width = static_cast<int>(value);
        else if (name == "--height")
            options.height = static_cast<int>(value);
        else
            return false;
    }
    return argc % 2 == 1 && options.warmupFrames < options.frames;
}

// The game's window, resized to the soak's size; GLUT only delivers window
// changes to the real reshape callback, the soak draws the frames itself.
bool openWindow(const SoakOptions& options)
{
    if (!ensureGlWindow())
        return false;
    glutReshapeFunc(reshapeWindow);
    glutIgnoreKeyRepeat(0);
    glutReshapeWindow(options.width, options.height);
    reshapeWindow(options.width, options.height);
    return true;
}

// F10 through the game's handler. It asks for the whole screen or an
// 800 x 600 window; the soak returns to its small window once GLUT has
// carried the switch out.
void switchFullScreen(const SoakOptions& options)
{
    onSpecialKey(GLUT_KEY_F10, 0, 0);
    glutMainLoopEvent();
    glutReshapeWindow(options.width, options.height);
}

void deliver(const InputEvent& event)
{
    switch (event.kind) {
    case InputEvent::KeyDown:
        onKeyDown(static_cast<unsigned char>(event.code), event.x, event.y);
        break;
    case InputEvent::KeyUp:
        onKeyUp(static_cast<unsigned char>(event.code), event.x, event.y);
        break;
    case InputEvent::SpecialDown:
        onSpecialKey(event.code, event.x, event.y);
        break;
    case InputEvent::SpecialUp:
        onSpecialKeyUp(event.code, event.x, event.y);
        break;
    case InputEvent::MouseButton:
        onMouseButton(event.code, event.buttonState, event.x, event.y);
        break;
    case InputEvent::MouseMotion:
        onMouseMotion(event.x, event.y);
        break;
    }
}

// The GL driver and audio back ends are loaded with dlopen and unloaded again
// on the way out, before the leak check runs; their memory would then look
// leaked and their frames would be nameless. Pinning every loaded library
// keeps their globals in view of the check.
int pinLibrary(dl_phdr_info* info, size_t, void*)
{
    if (info->dlpi_name && info->dlpi_name[0] != '\0')
        dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    return 0;
}

struct SoakTally {
    long framesInState[6] = {};
    long matchesStarted = 0;
    long goals = 0;
    long results = 0;
    long unbalancedFrames = 0;
};

int stackDepth(GLenum which)
{
    GLint depth = 0;
    glGetIntegerv(which, &depth);
    return depth;
}

void noteTransition(int before, int after, SoakTally& tally)
{
    if (before == after)
        return;
    if (before == StateMenu && after == StateKickOff)
        ++tally.matchesStarted;
    if (after == StateGoal)
        ++tally.goals;
    if (after == StateResult)
        ++tally.results;
}

void printTally(const SoakTally& tally)
{
    static const char* const names[6] = {"kick-off", "play", "goal", "menu", "credits", "result"};
    std::printf("frames by state:");
    for (int i = 0; i < 6; ++i)
        std::printf(" %s %ld", names[i], tally.framesInState[i]);
    std::printf("\nmatches started %ld, goals %ld, results %ld\n", tally.matchesStarted, tally.goals,
                tally.results);
}

} // namespace

int main(int argc, char** argv)
{
    SoakOptions options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--frames N] [--warmup N] [--seed N] [--width N --height N]\n",
                     argv[0]);
        return 2;
    }
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("QUIRTAL_NO_MESSAGE_BOX", "1", 1);
    // Random keys reach the Settings screen, which saves what they change:
    // into a folder of the soak's own, never the user's.
    char configFolder[] = "/tmp/quirtal-soak-config-XXXXXX";
    if (mkdtemp(configFolder))
        setenv("XDG_CONFIG_HOME", configFolder, 1);
    setMillisecondClock(fakeMillisecondClock);
    setCalendarClock(fakeCalendarClock);

    if (!openWindow(options)) {
        std::fprintf(stderr, "soak: no display\n");
        return 2;
    }
    loadStartupAssets();

    RandomInput input(options.seed);
    SoakTally tally;
    size_t heapAfterWarmup = 0;
    // Counted are play frames (kick-off, play, goal, result); menu and
    // credits frames come on top, up to a bound in case play never starts.
    long playFrames = 0;
    const long frameLimit = 4 * options.frames;
    long frame = 1;
    for (; playFrames < options.frames && frame <= frameLimit; ++frame) {
        const int eventCount = static_cast<int>(input.generator() % 4);
        for (int i = 0; i < eventCount; ++i) {
            const InputEvent event = input.next();
            if (endsProgram(event, game.state, game.menuSelection))
                continue;
            const int before = game.state;
            deliver(event);
            noteTransition(before, game.state, tally);
        }
        // Full screen on and off again within the warm-up, so that the window
        // has its soak size whenever the heap is measured.
        if (frame % 200 == 0 && frame + 100 < options.warmupFrames)
            switchFullScreen(options);
        if (frame % 200 == 100 && game.fullScreen)
            switchFullScreen(options);
        const int before = game.state;
        displayFrame();
        noteTransition(before, game.state, tally);
        const bool played = before != StateMenu && before != StateCredits;
        glutMainLoopEvent();
        ++tally.framesInState[game.state >= 0 && game.state < 6 ? game.state : 3];
        if (stackDepth(GL_MODELVIEW_STACK_DEPTH) != 1 || stackDepth(GL_PROJECTION_STACK_DEPTH) != 1)
            ++tally.unbalancedFrames;
        // Frames 5 to 60 ms apart: frame rates from about 16 to 200.
        fakeMilliseconds += 5 + input.generator() % 56;
        if (!played)
            continue;
        ++playFrames;
        if (playFrames == options.warmupFrames)
            heapAfterWarmup = heapInUse();
        if (playFrames % 5000 == 0) {
            std::printf("play frame %ld (frame %ld): heap %zu bytes\n", playFrames, frame, heapInUse());
            std::fflush(stdout);
        }
    }
    const size_t heapAtEnd = heapInUse();
    printTally(tally);
    const long long growth = static_cast<long long>(heapAtEnd) - static_cast<long long>(heapAfterWarmup);
    std::printf("heap after %ld play frames %zu bytes, after %ld play frames %zu bytes: growth %lld bytes\n",
                options.warmupFrames, heapAfterWarmup, playFrames, heapAtEnd, growth);

    bool failed = false;
    if (playFrames < options.frames) {
        std::printf("FAIL: only %ld play frames in %ld frames\n", playFrames, frame - 1);
        failed = true;
    }
    if (tally.unbalancedFrames > 0) {
        std::printf("FAIL: %ld frames left a matrix stack unbalanced\n", tally.unbalancedFrames);
        failed = true;
    }
    if (growth > static_cast<long long>(options.growthAllowance)) {
        std::printf("FAIL: the heap grew by %lld bytes over the run\n", growth);
        failed = true;
    }
    std::fflush(stdout);
    if (failed)
        return 1;

    dl_iterate_phdr(pinLibrary, nullptr);
    // Leave the way a player does: Esc back to the menu (a match asks first
    // and Enter answers; the Settings screen may be waiting for a key), Esc to quit.
    for (int tries = 0; tries < 3 && game.state != StateMenu; ++tries)
        onKeyDown(game.pause == MatchPause::LeaveQuestion ? 13 : 27, 0, 0);
    if (game.state != StateMenu) {
        std::printf("FAIL: Esc did not return to the menu (state %d)\n", game.state);
        return 1;
    }
    std::printf("soak passed; quitting through the menu\n");
    std::fflush(stdout);
    onKeyDown(27, 0, 0);
    std::printf("FAIL: Esc in the menu did not end the program\n");
    return 1;
}
