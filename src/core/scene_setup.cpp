#include "core/scene_setup.h"

#include "assets/model_instance.h"
#include "core/game_state.h"
#include "render/scene_drawing.h"
#include "render/table.h"
#include "sound/sound_bank.h"

#include <GL/freeglut.h>

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

    loadTableTextures(table);
    startCrowdLoop();
}
