#include "BrandQueries.h"

#include "VbNumbers.h"

QString BrandQueries::BrandList(int16_t modemType, const QString& firmware)
{
    const QString t = QString::number(modemType);
    return QStringLiteral("select * from brandlist where lowertype<=") + t + QStringLiteral(" and hightype>=") + t +
           QStringLiteral(" and minfirmware<=") + vb::ShortestDecimal(vb::Val(firmware));
}
