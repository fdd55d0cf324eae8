#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zentrel v2.0");
    QMainWindow window;
    window.setWindowTitle("Zentrel v2.0 Control Center");
    window.show();
    return QApplication::exec();
}
