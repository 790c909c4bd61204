#include "engine/FieldHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/CellBlock.h"
#include "engine/FieldCommands.h"
#include "engine/GenerationStep.h"
#include "engine/Population.h"

namespace orvalis {
namespace {

// All the history answers for: every cell's three bytes and the counts.
struct Snapshot {
  std::vector<std::int8_t> cells;  // state, remembered and mark, in grid order
  FieldSize size;
  long long generation = 0;
  long long rememberedGeneration = 0;
  int population = 0;
  bool fieldEdited = false;
};

Snapshot snapshotOf(const LifeField& field, FieldSize size) {
  Snapshot snapshot{
      {}, size, field.generation, field.rememberedGeneration, field.population, field.fieldEdited};
  snapshot.cells.resize(3 * gridCellCount);
  const Cell* cells = field.cells.column(0);
  for (int i = 0; i < gridCellCount; ++i) {
    snapshot.cells[3 * i] = static_cast<std::int8_t>(cells[i].state);
    snapshot.cells[3 * i + 1] = static_cast<std::int8_t>(cells[i].remembered);
    snapshot.cells[3 * i + 2] = static_cast<std::int8_t>(cells[i].pending);
  }
  return snapshot;
}

// Empty when the two agree, else their first difference.
std::string differenceBetween(const Snapshot& expected, const Snapshot& actual) {
  if (expected.cells != actual.cells) {
    const auto i =
        std::mismatch(expected.cells.begin(), expected.cells.end(), actual.cells.begin()).first -
        expected.cells.begin();
    const int cell = static_cast<int>(i / 3);
    return "cell (" + std::to_string(cell / gridRows) + ", " + std::to_string(cell % gridRows) +
           ")";
  }
  if (expected.size != actual.size) {
    return "size";
  }
  if (expected.generation != actual.generation ||
      expected.rememberedGeneration != actual.rememberedGeneration) {
    return "generations";
  }
  if (expected.population != actual.population) {
    return "population";
  }
  return expected.fieldEdited == actual.fieldEdited ? "" : "edit flag";
}

// A field being edited and run, its history, and the groups recorded.
struct Session {
  LifeField field;
  FieldSize size{64, 48};
  Random random;
  FieldHistory history;
  int groups = 0;

  explicit Session(std::uint64_t seed, std::size_t byteLimit = historyByteLimit)
      : random(seed), history(byteLimit) {
    randomFill(field, size, 50, random);
    history.reset(field, size);
  }
  int draw(int low, int high) { return low + random.draw(high - low); }
  Snapshot snapshot() const { return snapshotOf(field, size); }
  void recordEdit() { groups += history.record(field, size, HistoryKind::Edit); }
  void run(int generations, bool wrapEdges) {
    for (int generation = 0; generation < generations; ++generation) {
      advanceGeneration(field, {size, wrapEdges}, nullptr);
      const bool startsRun = generation == 0;
      groups += history.record(field, size, HistoryKind::Generation, startsRun) && startsRun;
    }
  }
  CellRect rect() {
    return {draw(-5, size.columns), draw(-5, size.rows), draw(0, 40), draw(0, 40)};
  }
  void paste(PasteMode mode) {
    const CellBlock block = randomBlock(draw(1, 12), draw(1, 12), draw(0, 100), random);
    placeBlock(field, size, block, draw(-6, size.columns), draw(-6, size.rows), mode);
  }
};

struct EditKind {
  const char* name;
  void (*edit)(Session&);
};

// Raw bytes from a file stand for any other state.
constexpr CellState oddState = static_cast<CellState>(-100);
constexpr std::array strokeStates{CellState::Alive, CellState::Static, CellState::Blocked,
                                  CellState::Dead, oddState};

const EditKind editKinds[] = {
    {"stroke",
     [](Session& s) {
       startEditing(s.field, s.size);
       for (int i = 0; i < 6; ++i) {
         editCell(s.field, s.draw(0, s.size.columns - 1), s.draw(0, s.size.rows - 1),
                  strokeStates[s.draw(0, strokeStates.size() - 1)]);
       }
     }},
    {"paste or", [](Session& s) { s.paste(PasteMode::Or); }},
    {"paste copy", [](Session& s) { s.paste(PasteMode::Copy); }},
    {"paste xor", [](Session& s) { s.paste(PasteMode::Xor); }},
    {"clear inside", [](Session& s) { clearInside(s.field, s.size, s.rect()); }},
    {"clear outside", [](Session& s) { clearOutside(s.field, s.size, s.rect()); }},
    {"random fill", [](Session& s) { randomFill(s.field, s.size, s.draw(0, 100), s.random); }},
    {"clear all",
     [](Session& s) {
       clearAll(s.field.cells);
       restartGenerations(s.field, s.size);
     }},
    {"shift",
     [](Session& s) {
       shiftField(s.field, s.size, static_cast<ShiftDirection>(s.draw(0, 3)), s.draw(0, 1) != 0);
     }},
    {"restore", [](Session& s) { restoreRemembered(s.field, s.size); }},
    {"remember", [](Session& s) { rememberField(s.field, s.size); }},
    {"resize",
     [](Session& s) {
       s.size = {s.draw(1, gridColumns), s.draw(1, gridRows)};
     }},
};

TEST(FieldHistory, UndoingEveryGroupReturnsEachEarlierFieldAndRedoingReturnsTheEnd) {
  for (std::uint64_t seed = 1; seed <= 8; ++seed) {
    Session s(seed);
    std::vector<Snapshot> afterGroup{s.snapshot()};
    std::string trace = "seed " + std::to_string(seed) + ":";
    for (int i = 0; i < 16; ++i) {
      // Every other change is a run or a single step.
      if (s.draw(0, 2) == 0) {
        trace += " run";
        s.run(s.draw(1, 6), s.draw(0, 1) != 0);
      } else {
        const EditKind& kind = editKinds[s.draw(0, std::size(editKinds) - 1)];
        trace += std::string(" ") + kind.name;
        kind.edit(s);
        s.recordEdit();
      }
      // A change that began no group belongs to the one before.
      if (s.groups == static_cast<int>(afterGroup.size())) {
        afterGroup.push_back(s.snapshot());
      } else {
        afterGroup.back() = s.snapshot();
      }
    }
    SCOPED_TRACE(trace);
    ASSERT_EQ(afterGroup.size(), static_cast<std::size_t>(s.groups) + 1);

    for (int group = s.groups; group > 0; --group) {
      const std::optional<FieldSize> size = s.history.undo(s.field, s.size);
      ASSERT_TRUE(size);
      s.size = *size;
      ASSERT_EQ(differenceBetween(afterGroup[group - 1], s.snapshot()), "") << "undo " << group;
    }
    EXPECT_FALSE(s.history.undo(s.field, s.size));
    for (int group = 1; group <= s.groups; ++group) {
      const std::optional<FieldSize> size = s.history.redo(s.field, s.size);
      ASSERT_TRUE(size);
      s.size = *size;
      ASSERT_EQ(differenceBetween(afterGroup[group], s.snapshot()), "") << "redo " << group;
    }
    EXPECT_FALSE(s.history.redo(s.field, s.size));
  }
}

TEST(FieldHistory, StepBackReturnsEachGenerationWithItsMarksAndStopsAtAnEdit) {
  for (bool wrapEdges : {true, false}) {
    SCOPED_TRACE(wrapEdges ? "torus" : "dead edges");
    Session s(7);
    editKinds[0].edit(s);  // a stroke
    s.recordEdit();
    std::vector<Snapshot> afterGeneration{s.snapshot()};
    for (int generation = 0; generation < 25; ++generation) {
      s.run(1, wrapEdges);
      afterGeneration.push_back(s.snapshot());
    }
    for (int generation = 25; generation > 0; --generation) {
      ASSERT_TRUE(s.history.stepBack(s.field, s.size));
      ASSERT_EQ(differenceBetween(afterGeneration[generation - 1], s.snapshot()), "")
          << "generation " << generation;
    }
    EXPECT_FALSE(s.history.canStepBack());
    EXPECT_FALSE(s.history.stepBack(s.field, s.size));
    EXPECT_EQ(differenceBetween(afterGeneration[0], s.snapshot()), "");
  }
}

TEST(FieldHistory, ByteLimitDropsTheOldestStepsAndKeepsTheRestExact) {
  struct Case {
    std::size_t byteLimit;
    bool keepsAll;
  };
  for (const Case& c :
       {Case{0, false}, Case{3000, false}, Case{20000, false}, Case{historyByteLimit, true}}) {
    SCOPED_TRACE("limit " + std::to_string(c.byteLimit));
    constexpr int generations = 40;
    Session s(11, c.byteLimit);
    std::vector<Snapshot> afterGeneration{s.snapshot()};
    for (int generation = 0; generation < generations; ++generation) {
      advanceGeneration(s.field, {s.size, true}, nullptr);
      s.history.record(s.field, s.size, HistoryKind::Generation, generation == 0);
      ASSERT_TRUE(s.history.byteCount() <= c.byteLimit || s.history.stepCount() == 1);
      afterGeneration.push_back(s.snapshot());
    }
    const int kept = static_cast<int>(s.history.stepCount());
    EXPECT_EQ(kept == generations, c.keepsAll) << kept << " steps kept";
    ASSERT_GE(kept, 1);

    // Undo takes back the run as far as its steps reach.
    ASSERT_TRUE(s.history.undo(s.field, s.size));
    EXPECT_EQ(differenceBetween(afterGeneration[generations - kept], s.snapshot()), "");
    EXPECT_FALSE(s.history.canUndo());
    ASSERT_TRUE(s.history.redo(s.field, s.size));
    EXPECT_EQ(differenceBetween(afterGeneration[generations], s.snapshot()), "");
    for (int generation = generations; generation > generations - kept; --generation) {
      ASSERT_TRUE(s.history.stepBack(s.field, s.size));
      ASSERT_EQ(differenceBetween(afterGeneration[generation - 1], s.snapshot()), "");
    }
    EXPECT_FALSE(s.history.stepBack(s.field, s.size));
  }
}

TEST(FieldHistory, AChangeNobodyRecordedIsRecordedAsAnEditFirst) {
  using Operation = std::optional<FieldSize> (FieldHistory::*)(LifeField&, FieldSize);
  struct Case {
    const char* name;
    Operation operation;
    bool takesBackTheChange;
  };
  for (const Case& c :
       {Case{"undo", &FieldHistory::undo, true}, Case{"redo", &FieldHistory::redo, false},
        Case{"step back", &FieldHistory::stepBack, false}}) {
    SCOPED_TRACE(c.name);
    Session s(5);
    const Snapshot start = s.snapshot();
    s.run(3, true);
    // Something to redo, so that the unrecorded change must drop it.
    ASSERT_TRUE(s.history.stepBack(s.field, s.size));
    const Snapshot recorded = s.snapshot();
    startEditing(s.field, s.size);
    editCell(s.field, 3, 4, CellState::Static);
    editCell(s.field, 63, 47, CellState::Blocked);
    const Snapshot changed = s.snapshot();

    EXPECT_EQ((s.history.*c.operation)(s.field, s.size).has_value(), c.takesBackTheChange);
    EXPECT_EQ(differenceBetween(c.takesBackTheChange ? recorded : changed, s.snapshot()), "");
    while (s.history.undo(s.field, s.size)) {
    }
    EXPECT_EQ(differenceBetween(start, s.snapshot()), "");
    while (s.history.redo(s.field, s.size)) {
    }
    EXPECT_EQ(differenceBetween(changed, s.snapshot()), "");
  }
}

// The run as kept by hand: each generation's living and static cells, and
// the cells that began or stopped living, by comparing the fields.
struct HandRecord {
  std::vector<GenerationRecord> records;
  std::vector<bool> living;

  void restart(const LifeField& field, FieldSize size) {
    living = livingOf(field);
    records = {countedRecord(field, size)};
  }
  void add(const LifeField& field, FieldSize size) {
    // A first step after a fill only judges the cells: no generation.
    if (field.generation == records.back().generation) {
      return;
    }
    const std::vector<bool> now = livingOf(field);
    GenerationRecord record = countedRecord(field, size);
    for (std::size_t i = 0; i < now.size(); ++i) {
      record.births += now[i] && !living[i];
      record.deaths += living[i] && !now[i];
    }
    records.push_back(record);
    living = now;
  }
  static GenerationRecord countedRecord(const LifeField& field, FieldSize size) {
    return {field.generation, countPopulation(field.cells, size), countStatic(field.cells, size)};
  }
  static std::vector<bool> livingOf(const LifeField& field) {
    std::vector<bool> living(gridCellCount);
    for (int i = 0; i < gridCellCount; ++i) {
      living[i] = countsAsLiving(field.cells.column(0)[i].state);
    }
    return living;
  }
};

TEST(FieldHistory, RunRecordsFollowTheGenerationsOfTheRunShown) {
  struct Case {
    const char* name;
    void (*start)(Session&);
  };
  for (const Case& c :
       {Case{"soup", [](Session&) {}},
        Case{"glider", [](Session& s) {
               clearAll(s.field.cells);
               for (auto [x, y] : {std::pair{1, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}) {
                 s.field.cells.at(x, y).state = CellState::Alive;
               }
               restartGenerations(s.field, s.size);
               s.recordEdit();
             }}}) {
    SCOPED_TRACE(c.name);
    Session s(3);
    c.start(s);
    HandRecord hand;
    hand.restart(s.field, s.size);
    std::vector<GenerationRecord> records;
    const auto advance = [&](int generations) {
      for (int i = 0; i < generations; ++i) {
        s.run(1, true);
        hand.add(s.field, s.size);
      }
    };
    advance(6);
    startEditing(s.field, s.size);
    editCell(s.field, 10, 10, CellState::Static);
    editCell(s.field, 11, 10, CellState::Alive);
    s.field.population = countPopulation(s.field.cells, s.size);
    s.recordEdit();
    // Births and deaths are those of the generations alone.
    hand.living = HandRecord::livingOf(s.field);
    advance(4);
    ASSERT_TRUE(s.history.stepBack(s.field, s.size));
    hand.records.pop_back();
    hand.living = HandRecord::livingOf(s.field);
    advance(3);
    s.history.runRecords(records);
    EXPECT_EQ(records, hand.records);

    randomFill(s.field, s.size, 30, s.random);
    s.recordEdit();
    hand.restart(s.field, s.size);
    advance(2);
    s.history.runRecords(records);
    EXPECT_EQ(records, hand.records);
    EXPECT_EQ(records.front().generation, 0);
  }
}

}  // namespace
}  // namespace orvalis
