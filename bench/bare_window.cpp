// The yardsticks: the least a Qt Widgets program does to put one window on the screen, and, with --text, the least
// it does to put one line of Russian text in it (the first text is what wakes fontconfig and the font database).
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(251, 248);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        new QLabel(QStringLiteral("Прошло дней"), &window);
    window.show();
    return QApplication::exec();
}
