#pragma once
// Snapping brush vertices to the editor's grid, so that brushes modelled
// slightly off the grid still meet in the level without cracks.

#include "exporter/BrushPolygon.h"

#include <cstdint>

// The coordinate's whole part rounded to the nearest multiple of the grid
// 2^(snapToSize mod 32); a value exactly half-way goes toward zero. The
// fraction is dropped first, so on grid 1 this only truncates.
float SnapCoordinate(float coordinate, std::int32_t snapToSize);

// Every coordinate of the polygon's vertices.
void SnapToGrid(BrushPolygon& polygon, std::int32_t snapToSize);
