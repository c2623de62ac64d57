// The floor of start-up: the least a Qt Widgets program does to map a window
// the size of Brisolant's (231 x 185 pixels) with one label in it.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(231, 185);
    QLabel label(QStringLiteral("0"), &window);
    label.setGeometry(window.rect());
    label.setAlignment(Qt::AlignCenter);
    window.show();
    return QApplication::exec();
}
