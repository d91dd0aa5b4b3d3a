#include "services.h"

Services &services()
{
    static Services s;
    return s;
}

QString programPath(const QString &literal)
{
    return services().programFolder + literal;
}
