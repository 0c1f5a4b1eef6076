// What one tick of the clock's fast timer costs on the headless backend, with an empty store
// and with every effect on. The clock advances one second every 100 ticks, as it does at the
// timer's usual rate, so captions change as often as they do in the running saver. The
// allocations counter counts every operator new of a tick, the headless store's included
// (it builds a std::string key for every read; the Win32 store serves reads from its cache).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>

#include "clock/form1.h"
#include "common/application.h"
#include "platform/headless/headless_machine.h"
#include "settings/keys.h"

namespace {

std::size_t allocations = 0;

}  // namespace

// Kept out of line, so that the compiler does not pair an inlined malloc with a delete.
[[gnu::noinline]] void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* memory) noexcept {
  std::free(memory);
}
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace quillbay {
namespace {

namespace keys = settings::keys;

constexpr int kTicksPerSecond = 100;

void RunTicks(benchmark::State& benchmarkState, headless::HeadlessMachine& machine) {
  Application app(machine.system);
  Form1 form(app, [](Form1&) { return true; });
  form.Load();
  int tick = 0, second = 0;
  const std::size_t allocationsBefore = allocations;
  for (auto _ : benchmarkState) {
    if (++tick == kTicksPerSecond) {
      tick = 0;
      ++second;
      machine.clock.SetTime(10 + second / 3600 % 12, second / 60 % 60, second % 60);
    }
    form.Timer1.Tick();
  }
  benchmarkState.counters["allocations/tick"] = benchmark::Counter(
      static_cast<double>(allocations - allocationsBefore), benchmark::Counter::kAvgIterations);
}

void BM_Timer1TickDefaults(benchmark::State& state) {
  headless::HeadlessMachine machine;
  RunTicks(state, machine);
}
BENCHMARK(BM_Timer1TickDefaults);

void BM_Timer1TickEveryEffect(benchmark::State& state) {
  headless::HeadlessMachine machine;
  const auto preset = [&](SettingKey key, const char* value) {
    machine.store.Preset(key.section, key.name, value);
  };
  preset(keys::WriteUserName, "1");
  preset(keys::UserName, "ユーザー名");
  preset(keys::WriteScreenMaru, "1");
  preset(keys::Move, "1");
  preset(keys::ChangeVisible, "1");
  preset(keys::VisibleChangeTime, "0");
  preset(keys::TimeFormat, "2");
  preset(keys::AramTime, "1");
  preset(keys::WavFileName, "c:\\chime.wav");
  preset(keys::TimeChangeWindowColor, "1");
  RunTicks(state, machine);
}
BENCHMARK(BM_Timer1TickEveryEffect);

}  // namespace
}  // namespace quillbay

BENCHMARK_MAIN();
