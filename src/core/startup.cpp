#include "core/startup.h"

#include "core/command_line.h"
#include "core/frame.h"
#include "core/gamepads.h"
#include "core/game_window.h"
#include "core/frame_pacing.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/match_flow.h"
#include "core/player_settings.h"
#include "platform/data_location.h"
#include "platform/fatal_error.h"
#include "platform/file_names.h"
#include "platform/stop_signals.h"
#include "platform/vertical_sync.h"
#include "render/interface.h"
#include "render/interface_slots.h"
#include "sound/sound_bank.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool backgroundLoadingStarted = false;

// Points the data paths at the first data set found; false, after one line
// saying where it looked, when there is none.
bool findDataSet()
{
    const std::vector<std::string> places = dataSetPlaces(runningExecutable());
    const std::string found = firstPlaceWith(places, interfacePictureFiles[SlotMenu].path);
    if (!found.empty()) {
        setDataRoot(found);
        return true;
    }
    std::string looked;
    for (const std::string& place : places)
        looked += (looked.empty() ? "" : ", ") + place;
    std::fprintf(stderr, "quirtal: no data set found: looked for %s below %s\n", interfacePictureFiles[SlotMenu].path,
                 looked.c_str());
    return false;
}

} // namespace

int runGame(int argc, char** argv)
{
    // freeglut would only print "failed to open display" and exit inside glutInit.
    const char* display = std::getenv("DISPLAY");
    if ((!display || !*display) && !commandLineNamesDisplay(argc, argv)) {
        std::fprintf(stderr, "quirtal: no X display (DISPLAY is not set); run it on a desktop "
                             "or under Xvfb, e.g. xvfb-run -s '-screen 0 1024x768x24' quirtal\n");
        return 1;
    }
    if (!findDataSet())
        return 1;
    watchStopSignals();
    // glutInit takes -display out of the options.
    const std::string displayName = commandLineNamesDisplay(argc, argv) ? displayOnCommandLine(argc, argv) : "";
    // Set before glutInit, which replaces them by a -geometry option.
    glutInitWindowPosition(defaultWindowX, defaultWindowY);
    glutInitWindowSize(defaultWindowWidth, defaultWindowHeight);
    glutInit(&argc, argv);
    openGameWindow(displayName.empty() ? nullptr : displayName.c_str());
    openGamepads(settingsDirectory() + "/gamecontrollerdb.txt");
    requestVerticalSync();
    if (playerSettings.fullScreen)
        toggleFullScreen();
    // Only the title screen before the first frame; the loading threads
    // start once it is drawn (see startBackgroundLoading). A demo match
    // shows the table and plays sounds at once, so it waits for all.
    if (game.demoMatch)
        loadStartupAssets();
    else
        loadTitlePictures();
    glutIgnoreKeyRepeat(0);
    glutDisplayFunc(displayFrame);
    glutIdleFunc(idleFrame);
    glutReshapeFunc(reshapeWindow);
    glutMouseFunc(onMouseButton);
    glutMotionFunc(onMouseMotion);
    glutKeyboardFunc(onKeyDown);
    glutSpecialFunc(onSpecialKey);
    glutSpecialUpFunc(onSpecialKeyUp);
    glutKeyboardUpFunc(onKeyUp);
    // Closing the window ends the program (freeglut's default) after this.
    glutCloseFunc(closeMatch);
    glutMainLoop();
    return 0;
}

void loadStartupAssets()
{
    loadTitlePictures();
    startBackgroundLoading();
}

void startBackgroundLoading()
{
    if (backgroundLoadingStarted)
        return;
    backgroundLoadingStarted = true;
    startLoadingSounds();
    readOtherPicturesInBackground();
    playMenuMusicWhenReady();
}
