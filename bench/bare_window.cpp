// The floor of a Qt Widgets program's start: one label in one window.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("ミナモドリル"));
    label.resize(1024, 768);
    label.show();
    return application.exec();
}
