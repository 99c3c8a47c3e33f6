// How much one game hour costs. The clock ticks four times a second at "Very
// fast", also while the shop or a venue is open, so an ordinary tick must stay cheap.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <cstdlib>

#include "app/form_set.h"
#include "app/game_flow.h"
#include "app/main_window.h"
#include "bench/quiet_platform.h"
#include "core/game.h"
#include "simulation/clock.h"
#include "simulation/week_plan.h"

namespace {

using namespace pictorio;

struct RunningGame {
  QuietPlatform platform;
  Game game{platform};
  FormSet windows{game};
  RunningGame() {
    windows.FinishStartUp();
    windows.forms().Form1->New1Click();
  }
};

// An hour in the middle of a day: no plan, no incident, only the clock's labels.
void BM_OrdinaryTick(benchmark::State& state) {
  RunningGame run;
  for (auto _ : state) {
    run.game.ElapsedHours = 24 * 8 + 10;  // Tuesday, 11 o'clock, every time
    AdvanceClock(run.game, run.windows.forms());
  }
}
BENCHMARK(BM_OrdinaryTick);

// The first hour of a day rebuilds the week plan and the calendar's day list.
void BM_NewDayTick(benchmark::State& state) {
  RunningGame run;
  for (auto _ : state) {
    run.game.ElapsedHours = 24 * 9 - 1;  // to Wednesday 0:00
    run.game.PlanDay = 1;
    AdvanceClock(run.game, run.windows.forms());
  }
}
BENCHMARK(BM_NewDayTick);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
