#pragma once

#include <QString>
#include <cstdint>

// The query texts of the packet dialog's interface brands, built in the C locale.
namespace BrandQueries {

// The brands offered for the modem type and firmware: the firmware text counts by
// its leading number, written without trailing zeros ("2.10" as 2.1).
QString BrandList(int16_t modemType, const QString& firmware);

}  // namespace BrandQueries
