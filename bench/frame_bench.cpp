// Play-frame time of the game at 800 x 600 with display lists on and off
// (the two paths F7 switches between), measured in alternating blocks of
// one run so that both see the same machine load. With --profile N it only
// plays N frames with lists on, for a profiler to watch.
#include "bench_session.h"

#include "core/frame.h"
#include "core/game_state.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int blockCount = 6;
constexpr int framesPerBlock = 40;

double blockWithLists(bool useLists)
{
    game.useDisplayLists = useLists;
    keepBallInPlay();
    return millisecondsPerFrame(displayFrame, framesPerBlock);
}

} // namespace

int main(int argc, char** argv)
{
    int profileFrames = 0;
    if (argc == 3 && std::strcmp(argv[1], "--profile") == 0)
        profileFrames = std::atoi(argv[2]);
    if (!openGame()) {
        std::fprintf(stderr, "frame_bench: no display\n");
        return 1;
    }
    startMatchAsPlayer();
    millisecondsPerFrame(displayFrame, 20); // warm-up: caches, JIT shaders

    if (profileFrames > 0) {
        report("profiled_frame", millisecondsPerFrame(displayFrame, profileFrames), "ms");
        return 0;
    }
    double withLists[blockCount];
    double withoutLists[blockCount];
    for (int block = 0; block < blockCount; ++block) {
        withLists[block] = blockWithLists(true);
        withoutLists[block] = blockWithLists(false);
    }
    const double on = median(withLists, blockCount);
    const double off = median(withoutLists, blockCount);
    report("frame_lists_on", on, "ms");
    report("frame_lists_off", off, "ms");
    report("frame_lists_off_over_on", off / on, "ratio");
    return 0;
}
