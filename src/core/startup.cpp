#include "core/startup.h"

#include "assets/model_instance.h"
#include "core/camera.h"
#include "core/command_line.h"
#include "core/frame.h"
#include "core/gamepads.h"
#include "core/frame_pacing.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/player_settings.h"
#include "core/scene_setup.h"
#include "platform/data_location.h"
#include "platform/file_names.h"
#include "platform/stop_signals.h"
#include "platform/vertical_sync.h"
#include "render/interface.h"
#include "render/interface_slots.h"
#include "render/scene_drawing.h"
#include "render/table.h"
#include "sim/ball.h"
#include "sim/figure.h"
#include "sound/sound_bank.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <string>

const float lightPosition[4] = {3.0f, 30.0f, 10.0f, 0.0f};
const float lightDiffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const float lightSpecular[4] = {1.0f, 0.0f, 0.0f, 1.0f};
const float lightModelAmbient[4] = {0.1f, 0.1f, 0.1f, 1.0f};
const float materialSpecular[4] = {0.0f, 0.0f, 1.0f, 1.0f};

void setWorkingDiffuse(float red, float green, float blue)
{
    const float diffuse[4] = {red, green, blue, 1.0f};
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
}

namespace {

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
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH | GLUT_STENCIL | GLUT_MULTISAMPLE);
    glutInitWindowPosition(100, 100);
    glutInitWindowSize(800, 600);
    glutCreateWindow("Quirtal Orvelcup");
    openGamepads(settingsDirectory() + "/gamecontrollerdb.txt");
    requestVerticalSync();
    if (playerSettings.fullScreen)
        toggleFullScreen();
    loadStartupAssets();
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
    glutMainLoop();
    return 0;
}

void loadStartupAssets()
{
    startLoadingSounds();
    startInterfaceTextures();
    playMenuMusicWhenReady();
}

void initScene()
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glShadeModel(GL_SMOOTH);
    glMaterialfv(GL_FRONT, GL_SPECULAR, materialSpecular);
    // The shininess of 500 lies above what OpenGL accepts; the call would be
    // refused with GL_INVALID_VALUE and the default of 0 kept, so it is not made.
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lightDiffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, lightSpecular);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, lightModelAmbient);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_DEPTH_TEST);

    placeTeams();

    arrowModel.load(arrowModelFile);
    arrowModel.setPosition(0.0f, 0.0f, 0.0f);
    arrowModel.setRotation(0.0f, 180.0f, 0.0f);
    game.arrowList = glGenLists(1);
    glNewList(game.arrowList, GL_COMPILE);
    arrowModel.draw();
    glEndList();

    figureModel.load(figureModelFile);
    figureModel.setScale(0.15f);
    figureModel.setPosition(0.0f, 0.0f, 0.0f);
    game.figureList = glGenLists(1);
    glNewList(game.figureList, GL_COMPILE);
    drawFigureShape();
    glEndList();
    figureModel.setUseColor(true);
    figureModel.setColor(1.0f, 0.0f, 0.0f);

    ball.clear();
    ball.speedX = static_cast<float>(kickSpeed);
    ball.speedZ = static_cast<float>(kickSpeed);

    loadTableTextures(table);
    startCrowdLoop();
}
