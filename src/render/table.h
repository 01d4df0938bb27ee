#pragma once

#include "assets/data_files.h"
#include "sim/table_layout.h"

// Number of table texture slots.
constexpr int tableTextureCount = tablePictureCount;

// The football table as drawn: its place, the simulation's dimensions, and its
// textures (surface, end walls, end rims, side rims, side walls, front panel,
// goal pictures, in slot order).
struct Table {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float length = tableLength;
    float width = tableWidth;
    float wallHeight = tableWallHeight;
    float goalWidth = tableGoalWidth;
    float goalHeight = tableGoalHeight;
    unsigned int TableTextures[tableTextureCount] = {};
};

extern Table table;

// Reads the seven table pictures and makes their textures (GL context needed).
void loadTableTextures(Table& table);

// Draws surface, walls, rims, front panel and goal pictures.
void drawTable(const Table& table);
