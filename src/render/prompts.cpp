#include "render/prompts.h"

#include "assets/data_files.h"
#include "core/game_state.h"
#include "core/match_flow.h"
#include "platform/clock.h"
#include "render/interface.h"
#include "render/interface_slots.h"
#include "render/overlay_frame.h"
#include "render/texture_slots.h"
#include "sound/audio.h"
#include "sound/sound_bank.h"

namespace {

// Made at the first prompt, when a GL context surely exists.
unsigned int promptTextures[promptPictureCount] = {};

constexpr ScreenRect skipHintBox = {320, 480, 30, 60};
constexpr ScreenRect kickOffBox = {250, 550, 110, 160};
constexpr ScreenRect celebrationBox = {250, 550, 330, 480};
constexpr ScreenRect serveBox = {300, 500, 166, 196};
constexpr ScreenRect deadBallBox = {320, 480, 400, 432};

// A goal is celebrated this long, and longer while its remark plays, up to the limit.
constexpr uint32_t celebrationMs = 3000;
constexpr uint32_t celebrationLimitMs = 7000;

struct GoalWatch {
    int goals1 = 0;
    int goals2 = 0;
    uint32_t scoredAtMs = 0;
    Prompt celebration = Prompt::None;
};
GoalWatch goalWatch;

void noticeGoals(uint32_t nowMs)
{
    const int goals1 = matchSession.state.goals[0];
    const int goals2 = matchSession.state.goals[1];
    if (goals1 > goalWatch.goals1 || goals2 > goalWatch.goals2) {
        goalWatch.celebration = goals1 > goalWatch.goals1 ? Prompt::GoalPlayer1 : Prompt::GoalPlayer2;
        goalWatch.scoredAtMs = nowMs;
    }
    goalWatch.goals1 = goals1;
    goalWatch.goals2 = goals2;
}

bool celebrating(uint32_t nowMs)
{
    if (goalWatch.celebration == Prompt::None || game.state != StateGoal)
        return false;
    const uint32_t since = nowMs - goalWatch.scoredAtMs;
    return since < celebrationMs || (since < celebrationLimitMs && audioIsPlaying(commentaryChannel));
}

void drawPrompt(int first, const ScreenRect& box, int tintSlot)
{
    if (promptTextures[0] == 0)
        loadTextureSlots(promptPictureFiles, promptPictureCount, promptTextures, 0);
    beginOverlayFrame();
    drawTintedPanel(tintSlot, box, QuadLayout::Inverted);
    drawMaskedTextures(promptTextures[first + 1], promptTextures[first], box, QuadLayout::Inverted);
    endOverlayQuads();
    endOverlayFrame();
}

} // namespace

Prompt choosePrompt(uint32_t nowMs)
{
    noticeGoals(nowMs);
    if (game.state == StateResult)
        return Prompt::None;
    if (game.cameraMode == CameraIntro)
        return Prompt::SkipFlight;
    if (celebrating(nowMs))
        return goalWatch.celebration;
    if (game.state == StateKickOff || game.state == StateGoal)
        return Prompt::KickOff;
    return Prompt::None;
}

void drawMatchPrompts()
{
    const Prompt prompt = choosePrompt(millisecondsNow());
    // The help panel stands where the prompts would; it wins.
    if (game.showHelp)
        return;
    switch (prompt) {
    case Prompt::SkipFlight: drawPrompt(0, skipHintBox, SlotNoticePanel); break;
    case Prompt::KickOff:
        drawPrompt(2, kickOffBox, SlotNoticePanel);
        drawTextNotice(serveBox, matchSession.state.server == 1 ? "Player 1 serves" : "Player 2 serves");
        break;
    case Prompt::GoalPlayer1: drawPrompt(4, celebrationBox, SlotResultPanel); break;
    case Prompt::GoalPlayer2: drawPrompt(6, celebrationBox, SlotResultPanel); break;
    case Prompt::None: break;
    }
    if (matchSession.deadBallNoticeTicks > 0 && game.state == StatePlay)
        drawTextNotice(deadBallBox, "Dead ball");
}
