// Program entry: creates the application and its main window and runs the loop.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Ringlook");
  QMainWindow window;
  window.setWindowTitle("Ringlook");
  window.resize(525, 221);
  window.show();
  return QApplication::exec();
}
