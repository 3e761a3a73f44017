// One copy of the program as far as the single-instance rule goes.
//
//     lumolex_instance_helper <key> <milliseconds>
//
// Waits for a line on its standard input, so that several copies can be
// released at the same moment, then applies the rule with the key and says
// on standard output what it did, a word a line:
//   "secondary", then "asked" when the running copy took the request to come
//   forward (the path of "Программа уже запущена !");
//   "primary", then "activated" when a later copy asked it to come forward.
// A primary copy ends at its first activation or after the milliseconds.

#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

void say(const char *word)
{
    std::printf("%s\n", word);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString key = QString::fromLocal8Bit(argv[1]);
    const int lifetimeMs = QString::fromLatin1(argv[2]).toInt();

    std::string go;
    std::getline(std::cin, go);

    lumolex::SingleInstance instance(key);
    if (!instance.tryBecomePrimary(lumolex::SingleInstance::OnSecondary::Wait)) {
        say("secondary");
        if (instance.activatePrimary())
            say("asked");
        return 0;
    }
    say("primary");
    QObject::connect(&instance, &lumolex::SingleInstance::activationRequested, &app, [] {
        say("activated");
        QCoreApplication::quit();
    });
    QTimer::singleShot(lifetimeMs, &app, &QCoreApplication::quit);
    return app.exec();
}
