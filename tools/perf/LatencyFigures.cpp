// The latency figures: see LatencyFigures.h.
#include "LatencyFigures.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <functional>
#include <optional>
#include <stdexcept>

#include "BenchDatabase.h"
#include "ProgramSettings.h"
#include "ProgramWait.h"
#include "RecordReading.h"
#include "ServerThread.h"
#include "calls/CallerLine.h"
#include "net/Fields.h"
#include "net/Receiver.h"
#include "qt/QtProgram.h"
#include "server/DemoData.h"
#include "server/RingServer.h"

namespace ringlook::perf {

namespace {

constexpr int kSearchReplyRecords = 300;
constexpr std::string_view kMoreThan300 = "  Meer dan 300 gevonden ";
constexpr int kReplyFindBudgetOverFloorMs = 200;
constexpr int kNewCallBudgetMs = 130;
constexpr int kHistoryBudgetMs = 500;
// Longer than the server's 250 ms between two messages to one client, so that
// one run's last message is handled before the next run starts.
constexpr int kBetweenRunsMs = 600;

// Notes the first paint of a widget once a condition holds: the moment what the
// condition describes is on the screen.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget& target) : target_(target) { target_.installEventFilter(this); }
  ~PaintWatch() override { target_.removeEventFilter(this); }
  PaintWatch(const PaintWatch&) = delete;
  PaintWatch& operator=(const PaintWatch&) = delete;

  void Arm(std::function<bool()> ready) {
    ready_ = std::move(ready);
    painted_.reset();
  }
  [[nodiscard]] const std::optional<Instant>& Painted() const { return painted_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &target_ && event->type() == QEvent::Paint && !painted_ && ready_ && ready_()) {
      painted_ = Clock::now();
    }
    return false;
  }

 private:
  QWidget& target_;
  std::function<bool()> ready_;
  std::optional<Instant> painted_;
};

// The last message of keyword written after from.
std::optional<ServerThread::Written> WrittenAfter(ServerThread& server, const std::string& keyword, Instant from) {
  std::optional<ServerThread::Written> found;
  for (ServerThread::Written& written : server.WrittenMessages()) {
    if (written.Keyword == keyword && written.LastByte >= from) found = std::move(written);
  }
  return found;
}

class LatencyBench {
 public:
  LatencyBench(const QString& workFolder, const QString& database, int runs)
      : runs_(runs),
        server_(database, 0),
        program_(PrepareProgram(workFolder, server_.Port())),
        window_(program_.windows.MainForm()),
        controls_(program_.windows.FormRinglook()),
        list_(Find<QAbstractItemView>(window_, "ListBox1")),
        countPanel_(Find<QLabel>(window_, "StatusPanel1")),
        listPaint_(*list_.viewport()),
        countPaint_(countPanel_) {
    QObject::connect(list_.model(), &QAbstractItemModel::modelReset, [this] { ++resets_; });
  }

  void Start() {
    server_.KeepBytesOf({std::string(net::kHistory)});
    program_.Start();
    // The offscreen platform may not activate a window; the desktop would.
    if (!WaitUntil([this] { return !program_.logic.formRinglook.FirstActivationPending(); }, 1000)) {
      program_.logic.formRinglook.FormActivate();
    }
    if (!WaitUntil([this] { return Lines() == kHistoryCalls; }, 60000)) {
      throw std::runtime_error("the first history did not arrive whole: " + std::to_string(Lines()) + " lines");
    }
    // The idle timer would close the search bar and ask for 100,000 calls in
    // the middle of a run; everything it does is a request measured here anyway.
    controls_.Timer2.SetEnabled(false);
    // Shown, so that a line is painted as a user would see it.
    window_.showNormal();
    RunEventsFor(kBetweenRunsMs);
  }

  double SettleWait() {
    std::vector<double> waits;
    for (int i = 0; i < runs_; ++i) {
      const Instant begin = Clock::now();
      program_.logic.formRinglook.Pauze(net::kSettleMs);
      waits.push_back(MillisecondsBetween(begin, Clock::now()));
    }
    return Median(waits);
  }

  Row NewCall(double settle) {
    std::vector<double> latencies;
    const auto& entries = server::DemoEntries();
    for (int i = 0; i < runs_; ++i) {
      const std::string number(entries[static_cast<std::size_t>(i) % entries.size()].Number);
      const int before = Lines();
      listPaint_.Arm([this, before, number] {
        return Lines() == before + 1 && calls::LineNumber(controls_.ListBox1.Item(0)) == number;
      });
      const Instant start = Clock::now();
      server_.Run([&number](server::RingServer& server) { server.InjectCall(number, "lijn 1"); });
      if (!WaitUntil([this] { return listPaint_.Painted().has_value(); }, 5000)) {
        throw std::runtime_error("a new call did not reach the list");
      }
      const auto written = WrittenAfter(server_, std::string(net::kNieuw), start);
      if (!written) throw std::runtime_error("no NIEUW written");
      latencies.push_back(MillisecondsBetween(written->LastByte, *listPaint_.Painted()));
      RunEventsFor(kBetweenRunsMs);
    }
    const double value = Median(latencies);
    return {"NIEUW: last byte -> its line painted in the list",
            value,
            settle,
            value / settle,
            "ms",
            "<= " + std::to_string(kNewCallBudgetMs) + " ms",
            value <= kNewCallBudgetMs,
            std::to_string(runs_) + " runs; floor: the settle wait, Pauze(120) as it runs here"};
  }

  Row History() {
    std::vector<double> latencies;
    std::vector<double> readings;
    for (int i = 0; i < runs_; ++i) {
      const int resetsBefore = resets_;
      listPaint_.Arm([this, resetsBefore] { return resets_ > resetsBefore && Lines() == kHistoryCalls; });
      const Instant start = Clock::now();
      program_.logic.formRinglook.VraagHis();
      if (!WaitUntil([this] { return listPaint_.Painted().has_value(); }, 60000)) {
        throw std::runtime_error("the history did not arrive whole: " + std::to_string(Lines()) + " lines");
      }
      const auto written = WrittenAfter(server_, std::string(net::kHistory), start);
      if (!written) throw std::runtime_error("no HISTORY written");
      latencies.push_back(MillisecondsBetween(written->LastByte, *listPaint_.Painted()));
      const std::string_view text(written->Bytes.constData(), static_cast<std::size_t>(written->Bytes.size()));
      const Instant readBegin = Clock::now();
      const std::size_t fields = bench::ReadRecordsAndFields(net::TextAfter(text, net::kFieldSeparator));
      readings.push_back(MillisecondsBetween(readBegin, Clock::now()));
      if (fields == 0) throw std::runtime_error("the history held no fields");
      RunEventsFor(kBetweenRunsMs);
    }
    const double value = Median(latencies);
    return {"HISTORY of 100,000: last byte -> whole list painted",
            value,
            Median(readings),
            value / Median(readings),
            "ms",
            "<= " + std::to_string(kHistoryBudgetMs) + " ms",
            value <= kHistoryBudgetMs,
            std::to_string(runs_) + " runs; floor: reading its records and fields alone"};
  }

  Row SearchReply(double settle) {
    controls_.Find1.OnClick();
    controls_.Edit1.SetText(kManyCallsTerm);
    std::vector<double> latencies;
    std::vector<double> floors;
    for (int i = 0; i < runs_; ++i) {
      const int resetsBefore = resets_;
      countPaint_.Arm([this, resetsBefore] {
        return resets_ > resetsBefore && Lines() == kSearchReplyRecords &&
               countPanel_.text() == QLatin1String(kMoreThan300.data(), kMoreThan300.size());
      });
      const Instant start = Clock::now();
      controls_.Button2.OnClick();
      if (!WaitUntil([this] { return countPaint_.Painted().has_value(); }, 10000)) {
        throw std::runtime_error("the search reply did not reach the status bar");
      }
      const auto written = WrittenAfter(server_, std::string(net::kReplyFind), start);
      if (!written) throw std::runtime_error("no REPLYFIND written");
      latencies.push_back(MillisecondsBetween(start, *countPaint_.Painted()));
      floors.push_back(settle + MillisecondsBetween(start, written->LastByte));
      RunEventsFor(kBetweenRunsMs);
    }
    const double value = Median(latencies);
    const double floor = Median(floors);
    return {"REPLYFIND of 300: request -> count painted in the status bar",
            value,
            floor,
            value / floor,
            "ms",
            "<= floor + " + std::to_string(kReplyFindBudgetOverFloorMs) + " ms",
            value <= floor + kReplyFindBudgetOverFloorMs,
            std::to_string(runs_) + " runs; floor: settle wait + the server's answer (its own 120 ms wait included)"};
  }

 private:
  [[nodiscard]] int Lines() const { return list_.model()->rowCount(); }

  static qt::QtProgram::Options PrepareProgram(const QString& workFolder, quint16 port) {
    const QString config = workFolder + "/latency-config";
    testing::WriteProgramSettings(config, "Meten");
    return {config, port, "/usr/bin/ringlook"};
  }

  int runs_;
  ServerThread server_;
  qt::QtProgram program_;
  QWidget& window_;
  const ui::FormRinglookControls& controls_;
  QAbstractItemView& list_;
  QLabel& countPanel_;
  PaintWatch listPaint_;
  PaintWatch countPaint_;
  int resets_ = 0;
};

}  // namespace

std::vector<Row> MeasureLatencies(const QString& workFolder, const QString& database, int runs) {
  LatencyBench bench(workFolder, database, runs);
  bench.Start();
  const double settle = bench.SettleWait();
  std::vector<Row> rows;
  // The history first: new calls make today's list longer.
  rows.push_back(bench.History());
  rows.push_back(bench.NewCall(settle));
  rows.push_back(bench.SearchReply(settle));
  return rows;
}

}  // namespace ringlook::perf
