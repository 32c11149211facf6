// The floor for the start-up and memory figures: a bare Qt Widgets program that
// shows one window and quits once it is on screen. With --stay it prints
// "shown" instead and waits until it is ended, so its memory can be read.
#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstring>

namespace {

// Acts once the window has been painted: by then it is really shown.
class Window : public QWidget {
 public:
  explicit Window(bool stay) : stay_(stay) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    QWidget::paintEvent(event);
    if (done_) return;
    done_ = true;
    if (stay_) {
      std::puts("shown");
      std::fflush(stdout);
    } else {
      QCoreApplication::quit();
    }
  }

 private:
  bool stay_;
  bool done_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  const bool stay = argc > 1 && std::strcmp(argv[1], "--stay") == 0;
  QApplication app(argc, argv);
  Window window(stay);
  window.resize(400, 300);
  window.show();
  return QApplication::exec();
}
