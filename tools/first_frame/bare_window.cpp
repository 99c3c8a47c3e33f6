// The yardstick for the game's start-up: an empty 800 x 600 Qt window, shown
// at once. scripts/first_frame.sh times both from launch to a mapped window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Bare window");
  window.setFixedSize(800, 600);
  window.show();
  return app.exec();
}
