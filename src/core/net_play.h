#pragma once

#include "net/net_options.h"

#include <string>

// A match against a friend on another machine: the host plays team 1, the
// joiner team 2, each person with the player 1 keys and the first pad (or
// the computer plays this side, --computer); the player 2 keys do nothing. The match itself is the same
// one the local game plays; this file connects, runs its ticks through the
// rollback session and goes back to the menu with one message when the
// connection ends.

// The network options read from the command line; a match is started from
// the first menu frame.
void setNetOptions(const NetOptions& options);

// Every menu frame: starts a requested network match, services a connection
// being made and goes to the table once both sides agree. True while a
// connection is being made (or the match has just begun): no attract mode.
bool netMenuFrame();
// The line under the menu picture, and for a while over a network match:
// the address to give the friend, the connection being made, a joiner
// turned away, or why the last one ended. Empty when there is nothing to say.
std::string netMenuNotice();
// Esc in the menu while connecting: gives up. True when there was a connection to give up.
bool cancelNetConnection();

// The menu's "Network" panel: "Host" (wait for a friend on the default
// port; the address to give them shows in the menu) or "Join" (type the
// host's address). Up and Down choose, Enter starts, Esc closes it.
struct NetMenuView {
    bool open = false;
    int choice = 0; // 0 Host, 1 Join
    std::string address;
};
NetMenuView netMenuView();
void openNetMenu();
// A key while the panel is open: Enter, Esc, Backspace, or a character of
// the address. True when the panel took it.
bool netMenuKey(unsigned char key);
// Up (-1) or Down (+1) while the panel is open.
bool netMenuMove(int step);

// True while a network match is on the table.
bool netMatchRunning();
// The team (1 or 2) this machine's person drives with the player 1
// controls; 0 when no network match is on the table.
int netLocalTeam();
// The help panel's line on this side's keys in a network match (empty
// otherwise, and when the computer plays this side).
std::string netKeysLine();
// The frame's share of a network match, in place of the local ticks: the
// ticks due by the elapsed time with this side's records, the sounds of
// the ticks both sides have confirmed, and the screen of the confirmed phase.
void runNetMatchFrame(double elapsedSeconds);
// The frame-rate box's second line: round trip and rollback depth.
std::string netHudText();
// True once the match has stood a moment waiting for the other player's
// records: the HUD line then shows, F2 or not.
bool netMatchWaiting();
// Leaves a network match or connection (saying goodbye to the peer).
void closeNetMatch();
