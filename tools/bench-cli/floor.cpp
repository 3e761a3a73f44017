// The floors of a look-up's process on this machine, for lumolex-bench-cli:
// built twice, as lumolex-bench-floor-qtcore (links QtCore and makes the
// application object, as lumolex-cli does before it reads anything) and as
// lumolex-bench-floor-cxx (the C++ library only). Each exits at once.

#ifdef FLOOR_WITH_QTCORE
#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return 0;
}
#else
#include <string>

int main(int argc, char **argv)
{
    const std::string name = argc > 0 ? argv[0] : "";
    return name.empty() ? 1 : 0;
}
#endif
