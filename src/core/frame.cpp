#include "core/frame.h"

#include "core/camera.h"
#include "core/gamepads.h"
#include "core/game_state.h"
#include "core/match_flow.h"
#include "core/net_play.h"
#include "core/scene_setup.h"
#include "core/settings_screen.h"
#include "core/side_names.h"
#include "core/timing.h"
#include "platform/clock.h"
#include "render/interface.h"
#include "render/overlay_frame.h"
#include "render/panels.h"
#include "render/prompts.h"
#include "sim/rule_names.h"
#include "render/rods.h"
#include "render/scene_drawing.h"
#include "render/table.h"
#include "sim/match_engine.h"
#include "sim/match_state.h"
#include "sound/sound_bank.h"

#include <GL/freeglut.h>

#include <cmath>

namespace {

// Just under the help panel: which keys this side plays with in a network match.
constexpr ScreenRect netKeysBox = {140, 660, 50, 84};

// The view is 60 degrees high in a window of 4:3 or wider, which shows the
// whole table with both goals. A narrower window keeps the width a 4:3 one
// sees and opens the view upward and downward instead.

constexpr double baseFieldOfView = 60.0;
constexpr double baseAspect = 4.0 / 3.0;

double verticalFieldOfView(double aspect)
{
    if (aspect >= baseAspect)
        return baseFieldOfView;
    const double halfRadians = baseFieldOfView * M_PI / 360.0;
    return 360.0 / M_PI * std::atan(std::tan(halfRadians) * baseAspect / aspect);
}

// Marker spin per frame for team 1, and per figure step for team 2.
constexpr float arrowSpinTeam1 = 0.05f;
constexpr float arrowSpinTeam2 = 0.03f;

// x of the two marked rods of a team for its active pair.
void drawTeamArrows(const LayoutEntry* layout, int pair, float angle)
{
    // Pair 1 marks the midfield rod (figure 3) and the attack rod (figure 8);
    // pair 0 the goalkeeper (figure 0) and the defence rod (figure 1).
    const int first = pair == 1 ? 3 : 0;
    const int second = pair == 1 ? 8 : 1;
    drawArrow(static_cast<float>(layout[first].x), angle);
    drawArrow(static_cast<float>(layout[second].x), angle);
}

// Draws a notice while its switch is on and hides it once its time is up.
void showNotice(bool& visible, void (*drawNotice)(int), bool setting)
{
    if (!visible)
        return;
    drawNotice(setting ? 1 : 0);
    if (game.nowSeconds >= game.noticeUntil)
        visible = false;
}

// The rod markers and the figures, team 1 and team 2 interleaved figure by
// figure; team 2's markers turn once per figure.
void drawFiguresAndMarkers(const MatchState& match)
{
    setWorkingDiffuse(0.0f, 0.0f, 1.0f);
    game.arrowAngleTeam1 += arrowSpinTeam1;
    drawTeamArrows(layoutTeam1, match.activePair[0], game.arrowAngleTeam1);

    for (int i = 0; i < figuresPerTeam; ++i) {
        setWorkingDiffuse(0.0f, 0.0f, 1.0f);
        drawFigure(match.teams[0].figures[i], 0.0f, 0.0f, 1.0f);
        setWorkingDiffuse(1.0f, 0.0f, 0.0f);
        game.arrowAngleTeam2 -= arrowSpinTeam2;
        drawTeamArrows(layoutTeam2, match.activePair[1], game.arrowAngleTeam2);
        drawFigure(match.teams[1].figures[i], 1.0f, 0.0f, 0.0f, facingMinusX);
    }
}

void drawScene(const MatchState& match, bool fromTheSide)
{
    glPushMatrix();
    if (fromTheSide)
        applySideViewTransform(match.ball.position);
    else
        applyViewTransform();

    glPushMatrix();
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glPopMatrix();

    setWorkingDiffuse(1.0f, 1.0f, 1.0f);
    drawBall(match.ball);
    drawTable(table);
    drawFiguresAndMarkers(match);
    drawRods(match.teams[0], match.teams[1], match.activePair[0], match.activePair[1]);
    // Last, so the depth test spares a software renderer the sky behind the table.
    drawSceneSkybox();

    glPopMatrix();
}

ResultFigures resultFigures(const MatchState& match)
{
    const MatchSession& session = matchSession;
    return {winnerLine(match.winner), {sideName(1), sideName(2)}, {match.goals[0], match.goals[1]},
            {session.shots[0], session.shots[1]}, session.playTicks / ticksPerSecond, match.winner};
}

void drawOverlays(const MatchState& match)
{
    drawScoreBoard(match.goals[0], match.goals[1], sideName(1), sideName(2));
    if (game.showHelp) {
        drawHelp();
        const std::string keysLine = netKeysLine();
        if (!keysLine.empty())
            drawTextNotice(netKeysBox, keysLine.c_str());
    }
    game.nowSeconds = calendarSeconds();
    showNotice(game.showMipmapNotice, drawMipmapNotice, game.mipmapsOn);
    showNotice(game.showDisplayListNotice, drawDisplayListNotice, game.useDisplayLists);
    showNotice(game.showFilterNotice, drawFilterNotice, game.trilinearOn);
    if (game.showFrameRate)
        drawFrameRate(static_cast<int>(game.fps));
    if (netMatchRunning()) {
        if (game.showFrameRate || netMatchWaiting())
            drawStatusLine(netHudText().c_str(), netHudLine);
        drawStatusLine(netMenuNotice().c_str(), menuNoticeLine);
    }
    // A goal played again has its own label instead of the prompts.
    if (showingGoalReplay())
        drawReplayLabel();
    else
        drawMatchPrompts();
}

// The match's ticks that are due, then the picture of the match between its
// last two ticks. A paused match runs no ticks: its clock stands still, and
// the first frame after the pause starts a fresh stretch of time. A network
// match goes on under its leave question: the friend's game does not wait.
void playFrame()
{
    const bool running = game.pause == MatchPause::None;
    if (running || netMatchRunning()) {
        runMatchFrame(updateTiming());
        updateBackgroundComments();
    } else {
        pauseTiming();
    }
    const MatchState match = drawnMatch();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(0.0f, 1.0f, 1.0f);

    const bool goalAgain = showingGoalReplay();
    drawScene(match, goalAgain);
    drawOverlays(match);
    if (!running) {
        drawPausePanel(game.pause);
        return;
    }
    if (match.phase == MatchPhase::Result)
        drawResultPanel(resultFigures(match));

    updateCamera(match.ball.position);
}

} // namespace

void displayFrame()
{
    pollGamepads();
    // Pictures still streaming in after start-up are all there before any
    // screen but the title is drawn.
    if (game.state != StateMenu || game.menuSelection != 0)
        finishInterfaceTextures();
    if (game.state == StateMenu)
        menuIdleFrame();
    if (game.state == StateMenu) {
        pauseTiming();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawMenu(game.menuSelection, game.opponent);
        const NetMenuView netMenu = netMenuView();
        if (netMenu.open)
            drawNetworkPanel(netMenu.choice, netMenu.address.c_str());
        drawStatusLine(netMenuNotice().c_str(), menuNoticeLine);
        if (game.menuSelection != 0)
            drawMenuRules(ruleSetName(game.rules));
    } else if (game.state == StateSettings) {
        pauseTiming();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawSettingsScreen(settingsRows(), settingsMessage());
    } else if (game.state == StateCredits) {
        pauseTiming();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawCreditsScreen();
    } else {
        playFrame();
    }
    glutSwapBuffers();
    glFlush();
}

void reshapeWindow(int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A minimised window reports height 0; keep the aspect finite.
    const double aspect = height > 0 && width > 0 ? static_cast<double>(width) / height : 1.0;
    gluPerspective(verticalFieldOfView(aspect), aspect, 1.0, 10000.0);
    glMatrixMode(GL_MODELVIEW);
}
