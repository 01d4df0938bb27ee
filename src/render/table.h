#pragma once

#include "assets/data_files.h"

// Number of table texture slots.
constexpr int tableTextureCount = tablePictureCount;

// The football table: the single source of the table's dimensions, and its
// textures (surface, end walls, end rims, side rims, side walls, front panel,
// goal pictures, in slot order).
struct Table {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float length = 480.0f;
    float width = 280.0f;
    float wallHeight = 20.0f;
    float goalWidth = 78.0f;
    float goalHeight = 40.0f;
    unsigned int TableTextures[tableTextureCount] = {};
};

extern Table table;

// Reads the seven table pictures and makes their textures (GL context needed).
void loadTableTextures(Table& table);

// Draws surface, walls, rims, front panel and goal pictures.
void drawTable(const Table& table);
