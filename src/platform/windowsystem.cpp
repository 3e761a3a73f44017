#include "platform/windowsystem.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace lumolex {

WindowSystemAbilities WindowSystemAbilities::forPlatform(const QString &platformName)
{
    WindowSystemAbilities abilities;
    if (platformName.startsWith(QLatin1String("wayland"))) {
        abilities.opacity = false;
        abilities.staysOnTop = false;
        abilities.placement = false;
    }
    return abilities;
}

WindowSystemAbilities WindowSystemAbilities::current()
{
    return forPlatform(QGuiApplication::platformName());
}

QString opacityUnavailableHint()
{
    return QCoreApplication::translate("WindowSystem", "Недоступно в сеансе Wayland: прозрачностью окон управляет "
                                                       "композитор, а не программа");
}

QString staysOnTopUnavailableHint()
{
    return QCoreApplication::translate("WindowSystem", "Недоступно в сеансе Wayland: композитор не позволяет программе "
                                                       "держать окно поверх других");
}

} // namespace lumolex
