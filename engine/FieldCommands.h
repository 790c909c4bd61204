#pragma once

#include "engine/CellGrid.h"
#include "engine/Random.h"

namespace orvalis {

// The commands that change the whole visible field at once. None of them
// repaints; the caller invalidates the whole view afterwards. Emptying the
// comment on random fill and clear is the caller's part as well.

// Clears the visible field, then makes exactly columns x rows x percent / 100
// random cells Alive (state and remembered), searching right and down from a
// drawn cell that is taken already. The generations count from 0 again.
void randomFill(LifeField& field, FieldSize size, int percent, Random& random);

// Dead, remembered Dead and no mark for the cells of `size`.
void clearField(CellGrid& grid, FieldSize size);

// Dead, remembered Dead and no mark for all 500 x 500 cells.
void clearAll(CellGrid& grid);

// state := remembered with no mark for the visible field, and the remembered
// generation with it; marks the field edited.
void restoreRemembered(LifeField& field, FieldSize size);

// remembered := state for the visible field, and the generation with it;
// marks the field edited.
void rememberField(LifeField& field, FieldSize size);

enum class ShiftDirection { Up, Right, Down, Left };

// Moves state and remembered of the visible field by one cell. With wrapping
// the line that leaves enters on the other side, otherwise an empty line
// enters. Every moved cell loses its mark; marks the field edited.
void shiftField(LifeField& field, FieldSize size, ShiftDirection direction, bool wrapEdges);

}  // namespace orvalis
