// The messages view as messages keep coming: the time to append one message,
// and to show it the way a received message is shown (append, count the lines,
// scroll to the end, clear the selection), must stay flat whether 10, 100 or
// 1,000 messages are shown before it. The program's main is QtDispatchBench's.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "qt/QtRichView.h"

namespace {

// A message block as the messages window shows one, with an address in its body.
std::string MessageBlock(int number) {
  return "\r\n-------------------------------------------------------\r\nBericht van : Ann  (9:05)\r\n\r\n"
         "Zie www.example.nl/pagina?id=" +
         std::to_string(number) + " voor de details van bestelling " + std::to_string(number) + ", groet Ann";
}

// A shown view holding `messages` blocks, laid out to its end.
std::unique_ptr<ringlook::qt::QtRichView> ViewWith(int messages) {
  auto view = std::make_unique<ringlook::qt::QtRichView>(nullptr);
  view->resize(479, 155);
  view->show();
  std::string text;
  for (int i = 0; i < messages; ++i) text += MessageBlock(i);
  view->SetText(text);
  benchmark::DoNotOptimize(view->LineCount());
  return view;
}

void Run(benchmark::State& state, bool asReceived) {
  const int shown = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<ringlook::qt::QtRichView> view = ViewWith(shown);
    const std::string block = MessageBlock(shown);
    state.ResumeTiming();
    view->AppendLines(block);
    if (asReceived) {
      view->ScrollLines(view->LineCount() - 9);
      view->ClearSelection();
    }
    state.PauseTiming();
    view.reset();
    state.ResumeTiming();
  }
}

void AppendMessage(benchmark::State& state) { Run(state, false); }
void ShowReceivedMessage(benchmark::State& state) { Run(state, true); }

BENCHMARK(AppendMessage)->Arg(10)->Arg(100)->Arg(1000)->Iterations(50)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShowReceivedMessage)->Arg(10)->Arg(100)->Arg(1000)->Iterations(50)->Unit(benchmark::kMicrosecond);

}  // namespace
