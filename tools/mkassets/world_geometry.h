// The shapes of the five worlds' playfields, as signed distances in playfield
// pixels (negative inside): the walls balls bounce off and the sand the paddle
// digs through. The collision map and the painted scenery both come from here.
#pragma once

constexpr int kWorldCount = 5;
constexpr int kFieldWidth = 330;
constexpr int kFieldHeight = 440;

struct WorldShape {
    float wall;  // < 0 inside a wall
    float sand;  // < 0 inside sand
};

// world is 1..5, the picture set number.
WorldShape WorldShapeAt(int world, float x, float y);

// What the collision map holds at pixel (x, y): 0 free, 1 wall, 2 sand.
int WorldCellAt(int world, int x, int y);
