#pragma once

#include "engine/CellGrid.h"
#include "engine/InvalidationSink.h"

namespace orvalis {

struct StepSettings {
  FieldSize size;
  bool wrapEdges = false;  // the field is a columns x rows torus
};

// What a step learns on its way through the field, at no extra pass.
struct StepTally {
  int population = 0;         // visible cells that count as living afterwards
  bool appliedMarks = false;  // phase 1 ran and found marks to carry out
};

// One call of the two-phase step. Unless `skipApply`, phase 1 turns the
// pending marks of the previous call into states; phase 2 then judges every
// visible cell and writes the marks of the next generation. Invalidations go
// to `sink` once the work is done, row by row (all of phase 1, then phase 2);
// a null sink runs the step without any notification.
StepTally generationStep(CellGrid& grid, const StepSettings& settings, bool skipApply,
                         InvalidationSink* sink);

// A step of `field` that keeps its counts: the generation goes on only when
// the step carried out marks, so a step that only judges (after an edit, a
// load, "Zufall" or "Leeren") shows the same generation with its preview.
void stepField(LifeField& field, const StepSettings& settings, bool skipApply,
               InvalidationSink* sink);

// The stepping protocol of every driver: right after an edit the step only
// judges, so stale marks are never applied; then the flag is cleared.
void advanceGeneration(LifeField& field, const StepSettings& settings, InvalidationSink* sink);

}  // namespace orvalis
