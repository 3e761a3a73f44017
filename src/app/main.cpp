// Program entry. The main window is still being assembled; until then the
// program shows a short notice so that the build-and-run command works.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Лумолекс"));
    QLabel notice(QStringLiteral("Лумолекс 3.1\n\nПрограмма собирается: главное окно появится в следующих версиях."));
    notice.setAlignment(Qt::AlignCenter);
    notice.setWindowTitle(QStringLiteral("Лумолекс 3.1"));
    notice.resize(420, 160);
    notice.show();
    return app.exec();
}
