#pragma once

#include <cstddef>
#include <vector>

#include "engine/CellGrid.h"
#include "engine/Random.h"

namespace orvalis {

// A rectangle of the grid in cells.
struct CellRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool isEmpty() const { return width <= 0 || height <= 0; }
  bool contains(int column, int row) const {
    return column >= x && column < x + width && row >= y && row < y + height;
  }
  // The part inside the visible field of `size`.
  CellRect clippedTo(FieldSize size) const;
  friend bool operator==(const CellRect&, const CellRect&) = default;
};

// The states of a rectangle of cells, row by row, lifted off the field: what
// is copied, pasted, moved, flipped and rotated.
struct CellBlock {
  int width = 0;
  int height = 0;
  std::vector<CellState> states;

  CellBlock() = default;
  CellBlock(int blockWidth, int blockHeight);
  CellState at(int x, int y) const { return states[index(x, y)]; }
  void set(int x, int y, CellState state) { states[index(x, y)] = state; }
  bool isEmpty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const CellBlock&, const CellBlock&) = default;

 private:
  std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width + x; }
};

CellBlock copyBlock(const CellGrid& grid, CellRect rect);

CellBlock flippedLeftRight(const CellBlock& block);
CellBlock flippedTopBottom(const CellBlock& block);
CellBlock rotatedClockwise(const CellBlock& block);
CellBlock rotatedAnticlockwise(const CellBlock& block);
// The smallest part that holds every cell that is not dead; empty when all are.
CellBlock trimmed(const CellBlock& block);
// width x height cells of which exactly width x height x percent / 100 are
// Alive, drawn from `random`.
CellBlock randomBlock(int width, int height, int percent, Random& random);

// How a placed block meets the cells under it: Or sets the block's cells
// that are not dead and keeps the others; Copy sets every cell of the block;
// Xor sets a cell that is not dead where the field differs and kills it
// where the field holds the same state.
enum class PasteMode { Or, Copy, Xor };

// The editing commands on a part of the field. Each keeps the population
// and follows the editing protocol of the mouse: the first edit after a step
// makes the field as it stands the remembered field and drops the preview;
// every changed cell gets its state as remembered state and the mark Keep,
// which shows neither birth nor death; the field is marked edited. Nothing
// outside the visible field of `size` is touched. None repaints.

// Once after a step: remembered := state, no marks, for the visible field,
// and the remembered generation with it. Returns whether it did so (the
// whole view then needs a repaint).
bool startEditing(LifeField& field, FieldSize size);
// One cell, as a stroke of the mouse sets it (startEditing first); a cell
// outside the grid is left alone.
void editCell(LifeField& field, int x, int y, CellState state);

// `block` with its top-left at (x, y), the part inside the visible field.
void placeBlock(LifeField& field, FieldSize size, const CellBlock& block, int x, int y,
                PasteMode mode);
void clearInside(LifeField& field, FieldSize size, CellRect rect);
void clearOutside(LifeField& field, FieldSize size, CellRect rect);

}  // namespace orvalis
