#include "sim/contacts.h"

#include "sim/match_rules.h"
#include "sim/table_play.h"

#include <cmath>
#include <initializer_list>

namespace {

// The ball and the events of the tick a contact is answered in.
struct Touch {
    Ball& ball;
    MatchEvents& events;
    int team;
    int contact;
    void sound() { events.push(MatchEventType::Contact, team, contact); }
};

// The hit box reaches this far beyond the figure's x size.
constexpr float boxMarginX = 2.0f;
// Half-height of the middle band of a figure's x faces.
constexpr float centreBand = 1.75f;
// How far outside the box the previous position may lie and still count as
// coming from that side.
constexpr float approachMargin = 5.0f;
constexpr float swingLimit = 45.0f;
// Walls answer a ball this far before it reaches them.
constexpr float wallMargin = 4.0f;
// Width of the deflecting post bands beside each goal mouth.
constexpr float postWidth = 10.0f;
// Damping divisors of a still figure and of a figure swinging away.
constexpr double restDamping = 1.3;
constexpr float awayDamping = 3.0f;

// How the figure is swinging relative to the side the ball met it on.
enum class SwingCase { Striking, Returning, AtRest, MovingAway, None };

bool isMinusX(Contact contact)
{
    return contact == MinusXCentre || contact == MinusXLow || contact == MinusXHigh;
}

bool isPlusX(Contact contact) { return contact == PlusXCentre || contact == PlusXLow || contact == PlusXHigh; }

SwingCase swingCase(const Figure& figure, bool minusSide)
{
    // Striking means swinging toward the ball: foot toward -x for a ball on
    // the -x side, toward +x for one on the +x side.
    const int toward = minusSide ? SwingFalling : SwingRising;
    const int away = minusSide ? SwingRising : SwingFalling;
    const float sign = minusSide ? 1.0f : -1.0f;
    const float a = figure.angle * sign; // positive: foot raised away from the ball
    // The step that carries a swing past its limit still swings the foot into the ball.
    const bool footCameToward = figure.footStepX * -sign > 0.0f;
    if (figure.swingState == toward && (a >= -swingLimit || footCameToward))
        return SwingCase::Striking;
    if (figure.swingState == SwingReturn && a > 0.0f)
        return SwingCase::Returning;
    if (figure.swingState == SwingReturn && figure.angle == 0.0f)
        return SwingCase::AtRest;
    if (figure.swingState == away && a > 0.0f)
        return SwingCase::MovingAway;
    return SwingCase::None;
}

float kick() { return static_cast<float>(kickSpeed); }

float damp(float speed, double divisor) { return static_cast<float>(speed / divisor); }

// A figure raised to its limit while swinging away stops the ball against its box.
void blockIfRaised(Ball& ball, const Figure& figure, bool minusSide)
{
    const float a = minusSide ? figure.angle : -figure.angle;
    if (a < swingLimit)
        return;
    ball.position.x = minusSide ? figure.boxMinX - swingStepOffset() : figure.boxMaxX + swingStepOffset();
    ball.speedX = 0.0f;
    ball.speedZ = ball.speedZ / 4.0f;
}

// Gives the ball K across the table toward -z (sign -1) or +z (+1).
void slidePush(Touch& touch, int sign)
{
    touch.ball.speedZ = kick();
    touch.ball.setDirectionZ(sign);
    touch.sound();
}

void centreResponse(Touch& touch, const Figure& figure, Contact contact)
{
    Ball& ball = touch.ball;
    const bool minusSide = contact == MinusXCentre;
    switch (swingCase(figure, minusSide)) {
    case SwingCase::Striking:
        ball.speedX = 2.0f * kick();
        touch.sound();
        break;
    case SwingCase::Returning:
        ball.speedX = ball.speedX + 1.5f * kick();
        ball.speedZ = ball.speedZ / 2.0f;
        touch.sound();
        break;
    case SwingCase::AtRest:
        ball.speedX = damp(ball.speedX, restDamping);
        ball.speedZ = damp(ball.speedZ, restDamping);
        if (ball.speedX == 0.0f)
            ball.speedX = kick();
        touch.sound();
        // Only the back face of a still figure (toward its own goal: -x for
        // team 1, +x for team 2) passes its rod's slide on.
        if (minusSide == (touch.team == 1) && figure.slideState == SlideMinusZ)
            slidePush(touch, -1);
        else if (minusSide == (touch.team == 1) && figure.slideState == SlidePlusZ)
            slidePush(touch, +1);
        break;
    case SwingCase::MovingAway:
        ball.speedX = ball.speedX / awayDamping;
        blockIfRaised(ball, figure, minusSide);
        break;
    case SwingCase::None:
        break;
    }
    ball.setDirectionX(minusSide ? -1 : +1);
}

void edgeResponse(Touch& touch, const Figure& figure, Contact contact)
{
    Ball& ball = touch.ball;
    const bool minusSide = isMinusX(contact);
    const bool low = contact == MinusXLow || contact == PlusXLow;
    switch (swingCase(figure, minusSide)) {
    case SwingCase::Striking:
        ball.speedX = 2.0f * kick();
        ball.speedZ = kick();
        touch.sound();
        break;
    case SwingCase::Returning:
        ball.speedX = ball.speedX + 1.5f * kick();
        ball.speedZ = ball.speedZ + static_cast<float>(kickSpeed / 4);
        touch.sound();
        break;
    case SwingCase::AtRest:
        ball.speedX = damp(ball.speedX, restDamping);
        ball.speedZ = damp(ball.speedZ, restDamping);
        touch.sound();
        if (figure.slideState == (low ? SlideMinusZ : SlidePlusZ)) {
            ball.speedZ = kick();
            touch.sound();
        }
        break;
    case SwingCase::MovingAway:
        ball.speedX = ball.speedX / awayDamping;
        ball.speedZ = ball.speedZ / 2.0f;
        blockIfRaised(ball, figure, minusSide);
        break;
    case SwingCase::None:
        break;
    }
    ball.setDirectionZ(low ? -1 : +1);
    ball.setDirectionX(minusSide ? -1 : +1);
}

void sideResponse(Touch& touch, const Figure& figure, Contact contact)
{
    Ball& ball = touch.ball;
    const int sign = contact == MinusZSide ? -1 : +1;
    if (figure.slideState == (sign < 0 ? SlideMinusZ : SlidePlusZ))
        ball.speedZ = kick();
    ball.setDirectionZ(sign);
    touch.sound();
}

// A post takes a quarter of the ball's x speed and turns it across the table.
void postDeflect(Ball& ball, MatchEvents& events, int end, int signZ)
{
    events.push(MatchEventType::Post, 0, end);
    ball.speedX = ball.speedX - ball.speedX / 4.0f;
    ball.speedZ = ball.speedX;
    ball.setDirectionZ(signZ);
}

void answerWalls(MatchState& state, MatchEvents& events);

} // namespace

Contact Figure::hitTest(const Vec3& step, const Vec3& previous)
{
    boxMinX = footPosition.x - sizeX - boxMarginX;
    boxMaxX = footPosition.x + sizeX + boxMarginX;
    boxMinZ = footPosition.z - sizeZ;
    boxMaxZ = footPosition.z + sizeZ;
    if (!(step.z > boxMinZ && step.z < boxMaxZ))
        return NoContact;
    // Where the ball was before this step, seen from the box where it stands
    // now: the foot's own swing counts as motion of the ball toward it, so a
    // kick that swings the foot onto a resting ball meets it from the front.
    const float fromX = previous.x + footStepX;
    const bool insideX = step.x > boxMinX && step.x < boxMaxX;
    // A ball fast enough, or a foot swung far enough, to cross the whole box
    // within one step still meets the face it came from.
    const bool crossed = (fromX <= boxMinX && step.x >= boxMaxX) || (fromX >= boxMaxX && step.x <= boxMinX);
    if (!insideX && !crossed)
        return NoContact;
    // A ball deeper inside than the approach margin is met by a foot that
    // swings toward it from the side it lies on.
    const bool fromMinusX =
        fromX - approachMargin <= boxMinX || (footStepX < 0.0f && fromX <= footPosition.x);
    const bool fromPlusX = fromX + approachMargin >= boxMaxX || (footStepX > 0.0f && fromX >= footPosition.x);
    if (fromMinusX || fromPlusX) {
        if (step.z < position.z - centreBand)
            return fromMinusX ? MinusXLow : PlusXLow;
        if (step.z > position.z + centreBand)
            return fromMinusX ? MinusXHigh : PlusXHigh;
        return fromMinusX ? MinusXCentre : PlusXCentre;
    }
    if (previous.z >= boxMaxZ)
        return PlusZSide;
    if (previous.z <= boxMinZ)
        return MinusZSide;
    // Already inside in both axes: only a sliding rod still pushes the ball.
    if (slideState == SlideMinusZ)
        return MinusZSide;
    if (slideState == SlidePlusZ)
        return PlusZSide;
    return NoContact;
}

void figureContact(MatchState& state, Figure figure, int team, const BallStep& path, MatchEvents& events, float power)
{
    const Vec3& stepPosition = path.step;
    Ball& ball = state.ball;
    const Contact contact = figure.hitTest(stepPosition, path.previous);
    // A ball that crossed the whole box within the step, or that the foot
    // swung past the middle of, is left on the face it met, not behind the figure.
    const float side = isPlusX(contact) ? 1.0f : -1.0f;
    const bool crossedBox = !(stepPosition.x > figure.boxMinX && stepPosition.x < figure.boxMaxX);
    const bool footSwungPast = figure.footStepX * side > 0.0f && (stepPosition.x - figure.footPosition.x) * side < 0.0f;
    if ((isMinusX(contact) || isPlusX(contact)) && (crossedBox || footSwungPast))
        ball.position.x = side > 0.0f ? figure.boxMaxX : figure.boxMinX;

    if (contact == NoContact)
        return;
    const bool followThrough = state.lastTouchTeam == team && state.lastTouchRod == figure.rod;
    noteTouch(state, team, figure);
    const int eventsBefore = events.count;
    if (tableRules(state.settings)) {
        tableFigureContact(state, figure, team, contact, {followThrough, power}, events);
        return;
    }
    Touch touch{ball, events, team, contact};
    if (contact == MinusXCentre || contact == PlusXCentre)
        centreResponse(touch, figure, contact);
    else if (isMinusX(contact) || isPlusX(contact))
        edgeResponse(touch, figure, contact);
    else if (contact == MinusZSide || contact == PlusZSide)
        sideResponse(touch, figure, contact);
    if (events.count == eventsBefore)
        events.push(MatchEventType::SilentTouch, team, contact);
}

void checkBounds(MatchState& state, MatchEvents& events)
{
    const int eventsBefore = events.count;
    answerWalls(state, events);
    if (!tableRules(state.settings) || state.phase != MatchPhase::InPlay)
        return;
    // Table rules: walls and posts take some of the ball's speed.
    bool wall = false;
    bool post = false;
    for (int i = eventsBefore; i < events.count; ++i) {
        wall = wall || events.items[i].type == MatchEventType::Wall;
        post = post || events.items[i].type == MatchEventType::Post;
    }
    if (wall)
        slowAtWall(state.ball, post);
}

namespace {

void answerWalls(MatchState& state, MatchEvents& events)
{
    Ball& ball = state.ball;
    const float halfGoal = tableGoalWidth / 2.0f;
    const float endLimit = tableLength / 2.0f - wallMargin;
    // Both ends alike: the mouth -39..39, a post band outside each side of it.
    for (int end : {+1, -1}) {
        const float x = ball.position.x * static_cast<float>(end);
        const float z = ball.position.z;
        if (x <= endLimit)
            continue;
        if (z >= -halfGoal && z <= halfGoal) {
            scoreGoal(state, end > 0 ? 1 : 2, events);
            return;
        }
        events.push(MatchEventType::Wall, 0, end > 0 ? wallPlusX : wallMinusX);
        ball.setDirectionX(-end);
        ball.position.x = endLimit * static_cast<float>(end);
        if (z > halfGoal && z < halfGoal + postWidth)
            postDeflect(ball, events, end, -1);
        if (z > -halfGoal - postWidth && z < -halfGoal)
            postDeflect(ball, events, end, +1);
    }
    const float sideLimit = tableWidth / 2.0f - wallMargin;
    if (ball.position.z > sideLimit) {
        events.push(MatchEventType::Wall, 0, wallPlusZ);
        ball.setDirectionZ(-1);
        ball.position.z = sideLimit;
    } else if (ball.position.z < -sideLimit) {
        events.push(MatchEventType::Wall, 0, wallMinusZ);
        ball.setDirectionZ(+1);
        ball.position.z = -sideLimit;
    }
}

} // namespace

void keepBallOnTable(Ball& ball)
{
    const float sideLimit = tableWidth / 2.0f - wallMargin;
    const float endLimit = tableLength / 2.0f - wallMargin;
    ball.position.z = std::fmax(-sideLimit, std::fmin(sideLimit, ball.position.z));
    // In front of a goal mouth the ball may go on into the goal.
    if (std::fabs(ball.position.z) > tableGoalWidth / 2.0f)
        ball.position.x = std::fmax(-endLimit, std::fmin(endLimit, ball.position.x));
}
