#pragma once

// The table's share of one play frame, between drawing the ball and table
// and drawing the figures. Before a kick-off the ball waits at the centre;
// then come the ball's step with the walls, posts and goals (ball in play
// only), the rod limits, each figure's slide, swing and contact with a ball
// in play (team 1 and team 2 interleaved figure by figure), and the watch
// for a stalled ball. A frame slower than minStepRate a second is run as
// several equal steps at a multiple of its rate, so that no step moves the
// ball, a rod or a swing further than a frame at that rate would. A frame
// whose interval is not known yet (GameState::untimedFrame) moves nothing.
void simulatePlayFrame(float fps);

constexpr float minStepRate = 30.0f;
