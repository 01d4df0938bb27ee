#include "sim/table_play.h"

#include "sim/match_engine.h"
#include "sim/match_rules.h"
#include "sim/sim_math.h"

#include <cmath>

namespace {

constexpr float swingLimit = 45.0f;
// A swing that began this far back from the ball started at the back stop.
constexpr float backStop = 30.0f;
constexpr float widestShot = 35.0f;
// Degrees of turn per unit of offset from the foot's middle.
constexpr float degreesPerUnit = 2.5f;
// A slide during the strike bends the shot by 5 1/3 slide steps' worth of
// offset: more than the offset the slide itself takes away during a swing
// (up to 4 steps), and a third of a step off the whole steps a still rod
// aims by, so that still and sliding strikes reach every third of a step.
const float bendDegrees = degreesPerUnit * slideStepDistance() * 16.0f / 3.0f;
// A ball slower than this is pinned by a figure held at its forward stop.
constexpr float pinSpeed = 110.0f;
// A ball slower than this is caught by a figure held at its back stop.
constexpr float catchSpeed = 250.0f;
// Rolling resistance, units per second squared: a touch (touchSpeed) from
// the midfield comes to rest by the attack rod.
constexpr float rollingSlowdown = 30.0f;
// Share of the speed a wall and a post keep; a still figure returns this much.
constexpr float wallKeeps = 0.8f;
constexpr float postKeeps = 0.6f;
constexpr float figureKeeps = 0.8f;
// A sliding rod pushes the ball, or passes it on from a pin, at this speed.
constexpr float pushSpeed = slideRate * 1.2f;

int forwardOf(int team) { return team == 1 ? 1 : -1; }

int slideOf(const Figure& figure)
{
    return figure.slideState == SlideMinusZ ? -1 : figure.slideState == SlidePlusZ ? 1 : 0;
}

bool atForwardStop(const Figure& figure, int team)
{
    const int forward = forwardOf(team);
    return figure.swingState == (forward > 0 ? SwingRising : SwingFalling) &&
           figure.angle * static_cast<float>(forward) >= swingLimit;
}

float ballSpeed(const Ball& ball)
{
    const float vx = ball.speedX * std::fabs(ball.direction.x);
    const float vz = ball.speedZ * std::fabs(ball.direction.z);
    return std::sqrt(vx * vx + vz * vz);
}

void stopBall(Ball& ball)
{
    ball.speedX = 0.0f;
    ball.speedZ = 0.0f;
}

// Sends the ball away along x (sign) at speed, turned by degrees toward +z.
void shoot(Ball& ball, int sign, float speed, float degrees)
{
    ball.speedX = speed * static_cast<float>(cosineDegrees(std::fabs(degrees)));
    ball.speedZ = speed * static_cast<float>(sineDegrees(std::fabs(degrees)));
    ball.setDirectionX(sign);
    ball.setDirectionZ(degrees < 0.0f ? -1 : 1);
}

// The strike's speed from where its swing began: the back stop, rest with
// the ball a step or more away, or right at the ball.
float strikeSpeed(const Figure& figure, int sign)
{
    const float from = figure.swingFrom * static_cast<float>(sign);
    if (from <= -backStop)
        return fullSwingSpeed;
    const float swept = std::fabs(figure.angle - figure.swingFrom);
    return swept <= swingStepDegrees() + 0.01f ? touchSpeed : tapSpeed;
}

int figureIndex(const MatchState& state, const Figure& figure, int team)
{
    const Team& t = state.teams[team - 1];
    for (int i = 0; i < figuresPerTeam; ++i)
        if (t.figures[i].rod == figure.rod && t.figures[i].position.z == figure.position.z)
            return i;
    return 0;
}

void xFaceContact(MatchState& state, const Figure& figure, int team, bool minusSide, Strike strike, MatchEvents& events)
{
    Ball& ball = state.ball;
    const int sign = minusSide ? -1 : 1;
    // Moving toward the ball: the strike; the swing's angle relative to the ball's side.
    const float toward = figure.footStepX * static_cast<float>(sign);
    const float raised = -figure.angle * static_cast<float>(sign); // > 0: foot raised away from the ball
    const float offset = ball.position.z - figure.position.z;
    const bool leaving = ball.direction.x == static_cast<float>(sign) && ball.speedX > 0.0f;
    // The foot catching up with the ball it has just struck only keeps it
    // going; a foot that is not swinging at a ball rolling off it leaves it be.
    if (leaving && (strike.followThrough || toward <= 0.0f)) {
        events.push(MatchEventType::SilentTouch, team, sign);
        return;
    }
    if (toward > 0.0f) {
        const bool striking = figure.swingState == (sign > 0 ? SwingRising : SwingFalling);
        // A lighter trigger takes the strike down toward a touch.
        const float speed = striking ? touchSpeed + (strikeSpeed(figure, sign) - touchSpeed) * strike.power : touchSpeed;
        shoot(ball, sign, speed, tableShotDegrees(offset, slideOf(figure)));
        events.push(MatchEventType::Contact, team, sign);
        return;
    }
    if (raised >= swingLimit) {
        // Held at the back stop, raised: a ball not too fast is caught in
        // front of the figure, a fast one passes under it.
        if (ballSpeed(ball) >= catchSpeed)
            return;
        ball.position.x = figure.position.x + static_cast<float>(sign) * catchReach;
        stopBall(ball);
        events.push(MatchEventType::SilentTouch, team, sign);
        return;
    }
    ball.speedX *= figureKeeps;
    ball.setDirectionX(sign);
    events.push(MatchEventType::Contact, team, sign);
}

void sideContact(Ball& ball, const Figure& figure, int team, int sign, MatchEvents& events)
{
    // A ball rolling off the figure's side faster than a push is left be.
    const bool leaving = ball.direction.z == static_cast<float>(sign) && ball.speedZ > 0.0f;
    if (leaving && (slideOf(figure) != sign || ball.speedZ >= pushSpeed)) {
        events.push(MatchEventType::SilentTouch, team, 2 * sign);
        return;
    }
    if (slideOf(figure) == sign)
        ball.speedZ = pushSpeed;
    else
        ball.speedZ *= figureKeeps;
    ball.setDirectionZ(sign);
    events.push(MatchEventType::Contact, team, 2 * sign);
}

} // namespace

float tableShotDegrees(float offsetZ, int slide)
{
    const float degrees = offsetZ * degreesPerUnit + static_cast<float>(slide) * bendDegrees;
    return std::fmax(-widestShot, std::fmin(widestShot, degrees));
}

void tableFigureContact(
    MatchState& state, const Figure& figure, int team, Contact contact, Strike strike, MatchEvents& events)
{
    if (state.pin.team != 0) {
        // The pinning figure keeps the ball; any other figure takes it away.
        if (state.pin.team == team && state.pin.figure == figureIndex(state, figure, team))
            return;
        state.pin = Pin{};
    }
    const float ahead = (state.ball.position.x - figure.position.x) * static_cast<float>(forwardOf(team));
    if (atForwardStop(figure, team) && ahead > 0.0f && ballSpeed(state.ball) < pinSpeed) {
        // Under the toe of a figure held forward, from the front or the side.
        const float offset = state.ball.position.z - figure.position.z;
        state.pin = {team, figureIndex(state, figure, team), std::fmax(-10.0f, std::fmin(10.0f, offset))};
        stopBall(state.ball);
        events.push(MatchEventType::Contact, team, contact);
        return;
    }
    const bool minusSide = contact == MinusXCentre || contact == MinusXLow || contact == MinusXHigh;
    const bool plusSide = contact == PlusXCentre || contact == PlusXLow || contact == PlusXHigh;
    if (minusSide || plusSide)
        xFaceContact(state, figure, team, minusSide, strike, events);
    else if (contact == MinusZSide || contact == PlusZSide)
        sideContact(state.ball, figure, team, contact == MinusZSide ? -1 : 1, events);
}

void holdPinnedBall(MatchState& state, MatchEvents& events)
{
    if (state.pin.team == 0)
        return;
    const Figure& figure = state.teams[state.pin.team - 1].figures[state.pin.figure];
    Ball& ball = state.ball;
    ball.position.x = figure.position.x + static_cast<float>(forwardOf(state.pin.team)) * pinReach;
    ball.position.z = figure.position.z + state.pin.offsetZ;
    stopBall(ball);
    if (atForwardStop(figure, state.pin.team)) {
        noteTouch(state, state.pin.team, figure);
        events.push(MatchEventType::SilentTouch, state.pin.team, 0);
        return;
    }
    // Let go: a sliding rod leaves the ball rolling along it, a pass to the next figure.
    state.pin = Pin{};
    if (slideOf(figure) != 0) {
        ball.speedZ = pushSpeed;
        ball.setDirectionZ(slideOf(figure));
    }
}

void rollTableBall(Ball& ball)
{
    const float speed = ballSpeed(ball);
    if (!(speed > 0.0f))
        return;
    const float slower = std::fmax(0.0f, speed - rollingSlowdown * tickSeconds) / speed;
    ball.speedX *= slower;
    ball.speedZ *= slower;
}

void slowAtWall(Ball& ball, bool post)
{
    const float keeps = post ? postKeeps : wallKeeps;
    ball.speedX *= keeps;
    ball.speedZ *= keeps;
}
