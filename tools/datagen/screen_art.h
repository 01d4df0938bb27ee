#pragma once

#include "canvas.h"
#include "data_output.h"

// Pieces shared by the menu, credits and overlay pictures.

// Writes a picture and its mask from one drawing: the picture is the drawing
// premultiplied (black where nothing was drawn), the mask its inverted cover.
void saveMaskedPair(DataOutput& output, const char* picturePath, const char* maskPath, Canvas& canvas, RowOrder order);

// Full-screen backdrop in 800 x 600 design units: night sky, floodlights,
// stands and the pitch.
void drawStadiumBackdrop(Canvas& canvas);

// A table-football figure on its rod, centred at (x, y), height in units.
void drawFigureIcon(Canvas& canvas, double x, double y, double height, const Rgb& shirt);

// A football of the given radius.
void drawBallIcon(Canvas& canvas, double x, double y, double radius);

// A tinted panel: the scene behind is multiplied by these colours, so white
// corners leave it unchanged and the dark body dims it.
void drawTintPanel(Canvas& canvas, double width, double height, const Rgb& body, const Rgb& rim);

extern const Rgb teamBlue;
extern const Rgb teamRed;
extern const Rgb gold;
