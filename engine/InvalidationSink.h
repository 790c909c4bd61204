#pragma once

namespace orvalis {

// The one notification from the engine to whatever shows the field. A sink
// only collects what needs repainting; it must not change the grid.
class InvalidationSink {
 public:
  virtual ~InvalidationSink() = default;
  // The rectangle of cell (x, y); `erase` asks for the background first.
  virtual void invalidateCell(int x, int y, bool erase) = 0;
  // The whole view, background included.
  virtual void invalidateAll() = 0;
};

}  // namespace orvalis
