#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Hollymoor");
  QMainWindow w;
  w.setWindowTitle("Hollymoor");
  w.show();
  return QApplication::exec();
}
