#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvel");
    QLabel window("Quorvel");
    window.setWindowTitle("Quorvel");
    window.show();
    return app.exec();
}
