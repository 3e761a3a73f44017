#include "ui/controltag.h"

#include <QObject>
#include <QVariant>

namespace lumolex {

namespace {
constexpr char kTagProperty[] = "tag";
}

void setTag(QObject *control, int tag)
{
    control->setProperty(kTagProperty, tag);
}

int tagOf(const QObject *control)
{
    return control ? control->property(kTagProperty).toInt() : 0;
}

} // namespace lumolex
