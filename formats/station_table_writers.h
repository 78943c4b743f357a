#pragma once
// The station coordinate table as text, in three formats:
//
// - CSV (RFC 4180, CR LF): a header row in the language asked for, then one
//   row per station: station (K form, with its chain letter when the line
//   has chain breaks), point, X, Y, azimuth in degrees, minutes and seconds
//   and in decimal degrees, X and Y at each offset, and with a profile the
//   design elevation at the centre and at each offset.
// - Plain text: the same columns but the decimal degrees, padded to line up.
// - CASS data for controllers: one point a line, "name,code,E,N,elevation",
//   the centre point named by its station and each offset point by its
//   station, side (L left, R right) and distance: "K1+020.000L3.75"; the
//   code is the point column.
//
// Coordinates and elevations in CSV and text with LENGTH_DECIMALS decimals
// (a tenth of a millimetre), in CASS in their general form; azimuths to
// AZIMUTH_SECOND_DECIMALS decimals of a second. Chinese texts (the header,
// 起点, 终点, 断链) in GBK or UTF-8; everything else is ASCII.

#include <string>

#include "formats/results_file.h"
#include "formats/station_table_rows.h"

namespace vomel {

// Seconds of an azimuth in the table: 0.001" is 5e-9 rad, 0.5 µm at 100 m.
inline constexpr int AZIMUTH_SECOND_DECIMALS = 3;
// Decimal degrees of an azimuth in CSV: 1e-8° is 0.000036".
inline constexpr int AZIMUTH_DEGREE_DECIMALS = 8;

enum class TableLanguage { English, Chinese };

struct TableTextOptions {
    TableLanguage language = TableLanguage::Chinese;
    HeaderEncoding encoding = HeaderEncoding::Gbk;
};

std::string stationTableCsv(const StationTable& table, const TableTextOptions& options);
std::string stationTableText(const StationTable& table, const TableTextOptions& options);
std::string stationTableCass(const StationTable& table, const TableTextOptions& options);

// The cells the formats share.
// The station in K form with 3 decimals, its chain letter in front when
// the table has chain letters: "K12+020.000", "BK14+400.000". A negative
// stated station (a line that starts before 0) as a number: "-12.500".
std::string tableStationText(const StationTable& table, const StationTableRow& row);
// An azimuth in [0, 2π) as 度分秒 with AZIMUTH_SECOND_DECIMALS decimals;
// one that rounds to a full turn is 0°00'00.000".
std::string azimuthDmsText(double azimuth);
// The same in decimal degrees with AZIMUTH_DEGREE_DECIMALS decimals.
std::string azimuthDegreesText(double azimuth);

}  // namespace vomel
