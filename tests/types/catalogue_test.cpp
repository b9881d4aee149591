// The catalogue checked cell by cell against the reference table below, plus the
// lookups' behaviour at and beyond their edges.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "types/Catalogue.h"

namespace korvane::types {
namespace {

struct Row {
  int index;
  bool empty;
  std::array<const char*, 2> name;
  std::array<const char*, 6> labelDe;
  std::array<const char*, 6> labelEn;
  std::array<const char*, 5> unit;
  std::array<int, 5> decimals;
  std::array<const char*, 5> calDe;
  std::array<const char*, 5> calEn;
  std::array<const char*, 5> calUnit;
  std::array<int, 6> calDecimals;  // parameters 32, 33, 34, 37, 35, 36
};

const Row kRows[] = {
    {0,
     false,
     {"pH", "pH"},
     {"pH Wert", "Kettenspannung", "", "", "", "Temperatur"},
     {"pH value", "voltage", "", "", "", "temperature"},
     {"pH", "mV", "", "", ""},
     {2, 0, 0, 0, 0},
     {"Asymmetrie", "Steilheit", "", "", ""},
     {"asymmetrie", "slope", "", "", ""},
     {"mV", "mV/pH", "", "", ""},
     {1, 1, 0, 0, 2, 2}},
    {1,
     false,
     {"Redox", "Redox"},
     {"Redox Wert", "Redoxwert H", "", "", "", "Temperatur"},
     {"Redox value", "Redox value", "", "", "", "temperature"},
     {"mV", "mV H", "", "", ""},
     {0, 0, 0, 0, 0},
     {"Offset", "", "", "", ""},
     {"offset", "", "", "", ""},
     {"mV", "", "", "", ""},
     {1, 0, 0, 0, 0, 0}},
    {2,
     false,
     {"200µS/cm", "200µS/cm"},
     {"LF Wert", "Widerstand", "Salinität", "", "", "Temperatur"},
     {"cond. value", "resistivity", "salinity", "", "", "temperature"},
     {"µS/cm", "kOhm", "g/kg", "", ""},
     {1, 1, 1, 0, 0},
     {"Zellkonstante", "Temperaturkoef.", "Kabeloffset", "", ""},
     {"cell const.", "temp. coef.", "cable offset", "", ""},
     {"1/cm", "%%/K", "Ohm", "", ""},
     {3, 2, 2, 0, 2, 2}},
    {3,
     false,
     {"2000µS/cm", "2000µS/cm"},
     {"LF Wert", "Widerstand", "Salinität", "", "", "Temperatur"},
     {"cond. value", "resistivity", "salinity", "", "", "temperature"},
     {"µS/cm", "kOhm", "g/kg", "", ""},
     {0, 1, 1, 0, 0},
     {"Zellkonstante", "Temperaturkoef.", "Kabeloffset", "", ""},
     {"cell const.", "temp. coef.", "cable offset", "", ""},
     {"1/cm", "%%/K", "Ohm", "", ""},
     {3, 2, 2, 0, 2, 2}},
    {4,
     false,
     {"20mS/cm", "20mS/cm"},
     {"LF Wert", "Widerstand", "Salinität", "", "", "Temperatur"},
     {"cond. value", "resistivity", "salinity", "", "", "temperature"},
     {"mS/cm", "Ohm", "g/kg", "", ""},
     {2, 1, 1, 0, 0},
     {"Zellkonstante", "Temperaturkoef.", "Kabeloffset", "", ""},
     {"cell const.", "temp. coef.", "cable offset", "", ""},
     {"1/cm", "%%/K", "Ohm", "", ""},
     {3, 2, 2, 0, 2, 2}},
    {5,
     false,
     {"100mS/cm", "100mS/cm"},
     {"LF Wert", "Widerstand", "Salinität", "", "", "Temperatur"},
     {"cond. value", "resistivity", "salinity", "", "", "temperature"},
     {"mS/cm", "Ohm", "g/kg", "", ""},
     {1, 1, 1, 0, 0},
     {"Zellkonstante", "Temperaturkoef.", "Kabeloffset", "", ""},
     {"cell const.", "temp. coef.", "cable offset", "", ""},
     {"1/cm", "%%/K", "Ohm", "", ""},
     {3, 2, 2, 0, 2, 2}},
    {6,
     false,
     {"Trübung", "turbitidy"},
     {"Trübung", "Spannung", "", "", "", "Temperatur"},
     {"turbitidy", "voltage", "", "", "", "temperature"},
     {"NTU", "mV", "", "", ""},
     {1, 0, 0, 0, 0},
     {"Basis", "Faktor", "", "", ""},
     {"basis", "factor", "", "", ""},
     {"", "", "", "", ""},
     {0, 4, 0, 0, 2, 2}},
    {7,
     false,
     {"Sauerstoff", "oxygen"},
     {"Sättigung", "Konzentration", "Sensorstrom", "Partialdruck", "Luftdruck", "Temperatur"},
     {"saturation", "concentration", "sensor current", "partial pressur", "air pressur", "temperature"},
     {"%", "mg/l", "nA", "hPa", "hPa"},
     {1, 2, 0, 0, 0},
     {"Anstieg", "B < 20°C", "B > 20°C", "", ""},
     {"slope", "B < 20°C", "B > 20°C", "", ""},
     {"nA/100%", "", "", "", ""},
     {1, 0, 0, 0, 1, 1}},
    {8,
     false,
     {"linear", "linear"},
     {"linear", "", "", "", "", "Temperatur"},
     {"linear", "", "", "", "", "temperature"},
     {" ", "", "", "", ""},
     {2, 0, 0, 0, 0},
     {"", "1V/4mA Wert", "5V/20mA Wert", "", ""},
     {"", "1V/4mA value", "5V/20mA value", "", ""},
     {"", "", "", "", ""},
     {2, 1, 1, 2, 2, 2}},
    {9,
     false,
     {"ISE", "ISE"},
     {"Kettenspannung", "ISE Wert", "", "", "", "Temperatur"},
     {"voltage", "ISE value", "", "", "", "temperature"},
     {"mV", "ppm", "", "", ""},
     {0, 2, 0, 0, 0},
     {"Steilheit", "Messpunkt 1", "Eingabewert 1", "", ""},
     {"slope", "meas.val.1", "input val. 1", "", ""},
     {"mV/ppm", "mV", "ppm/l", "", ""},
     {1, 1, 0, 0, 2, 2}},
    {10,
     false,
     {"freies Chlor", "free chlorine"},
     {"freies Chlor", "Strom", "", "", "", "Temperatur"},
     {"free chlorine", "current", "", "", "", "temperature"},
     {"mg/l", "mA", "", "", ""},
     {2, 2, 0, 0, 0},
     {"Anstieg", "", "", "", ""},
     {"slope", "", "", "", ""},
     {"mg/l/mA", "", "", "", ""},
     {2, 0, 0, 0, 0, 0}},
    {11, true, {}, {}, {}, {}, {}, {}, {}, {}, {}},
    {12, true, {}, {}, {}, {}, {}, {}, {}, {}, {}},
    {13, true, {}, {}, {}, {}, {}, {}, {}, {}, {}},
    {14, true, {}, {}, {}, {}, {}, {}, {}, {}, {}},
    {15, true, {}, {}, {}, {}, {}, {}, {}, {}, {}},
    {16, true, {}, {}, {}, {}, {}, {}, {}, {}, {}},
    {17, true, {}, {}, {}, {}, {}, {}, {}, {}, {}},
    {18,
     false,
     {"freies Chlor", "free chlorine"},
     {"freies Chlor", "pH Wert", "Strom", "", "", "Temperatur"},
     {"free chlorine", "pH value", "current", "", "", "temperature"},
     {"mg/l", "pH", "nA", "", ""},
     {2, 2, 2, 0, 0},
     {"Anstieg", "pH Kompensation", "Offset Co", "K Wert", ""},
     {"slope", "pH compensation", "offset co", "k value", ""},
     {"nA/mg/l", "pH", "mg/l", "pH", ""},
     {2, 2, 2, 2, 2, 2}},
    {19, true, {}, {}, {}, {}, {}, {}, {}, {}, {}},
    {20,
     false,
     {"200µS/cm (4)", "200µS/cm (4)"},
     {"LF Wert", "Widerstand", "Salinität", "TDS", "", "Temperatur"},
     {"cond. value", "resistivity", "salinity", "TDS", "", "temperature"},
     {"µS/cm", "kOhm", "g/kg", "g/l", ""},
     {1, 1, 1, 1, 0},
     {"Zellkonstante", "Temperaturkoef.", "Kabeloffset", "", "TDS Faktor"},
     {"cell const.", "temp. coef.", "cable offset", "", "TDS factor"},
     {"1/cm", "%%/K", "Ohm", "", ""},
     {3, 2, 2, 0, 2, 2}},
    {21,
     false,
     {"2000µS/cm (4)", "2000µS/cm (4)"},
     {"LF Wert", "Widerstand", "Salinität", "TDS", "", "Temperatur"},
     {"cond. value", "resistivity", "salinity", "TDS", "", "temperature"},
     {"µS/cm", "kOhm", "g/kg", "g/l", ""},
     {0, 1, 1, 0, 0},
     {"Zellkonstante", "Temperaturkoef.", "Kabeloffset", "", "TDS Faktor"},
     {"cell const.", "temp. coef.", "cable offset", "", "TDS factor"},
     {"1/cm", "%%/K", "Ohm", "", ""},
     {3, 2, 2, 0, 2, 2}},
    {22,
     false,
     {"20mS/cm (4)", "20mS/cm (4)"},
     {"LF Wert", "Widerstand", "Salinität", "TDS", "", "Temperatur"},
     {"cond. value", "resistivity", "salinity", "TDS", "", "temperature"},
     {"mS/cm", "Ohm", "g/kg", "g/l", ""},
     {2, 1, 1, 2, 0},
     {"Zellkonstante", "Temperaturkoef.", "Kabeloffset", "", "TDS Faktor"},
     {"cell const.", "temp. coef.", "cable offset", "", "TDS factor"},
     {"1/cm", "%%/K", "Ohm", "", ""},
     {3, 2, 2, 0, 2, 2}},
    {23,
     false,
     {"500mS/cm (4)", "500mS/cm (4)"},
     {"LF Wert", "Widerstand", "Salinität", "TDS", "", "Temperatur"},
     {"cond. value", "resistivity", "salinity", "TDS", "", "temperature"},
     {"mS/cm", "Ohm", "g/kg", "g/l", ""},
     {1, 1, 1, 1, 0},
     {"Zellkonstante", "Temperaturkoef.", "Kabeloffset", "", "TDS Faktor"},
     {"cell const.", "temp. coef.", "cable offset", "", "TDS factor"},
     {"1/cm", "%%/K", "Ohm", "", ""},
     {3, 2, 2, 0, 2, 2}},
    {24,
     false,
     {"200µS/cm (4)", "200µS/cm (4)"},
     {"LF Wert", "Widerstand", "Salinität", "TDS", "", "Temperatur"},
     {"cond. value", "resistivity", "salinity", "TDS", "", "temperature"},
     {"µS/cm", "kOhm", "g/kg", "mg/l", ""},
     {1, 1, 1, 1, 0},
     {"Zellkonstante", "Temperaturkoef.", "Kabeloffset", "", "TDS Faktor"},
     {"cell const.", "temp. coef.", "cable offset", "", "TDS factor"},
     {"1/cm", "%%/K", "Ohm", "", ""},
     {3, 2, 2, 0, 2, 2}},
    {25,
     false,
     {"2000µS/cm (4)", "2000µS/cm (4)"},
     {"LF Wert", "Widerstand", "Salinität", "TDS", "", "Temperatur"},
     {"cond. value", "resistivity", "salinity", "TDS", "", "temperature"},
     {"µS/cm", "kOhm", "g/kg", "mg/l", ""},
     {0, 1, 1, 0, 0},
     {"Zellkonstante", "Temperaturkoef.", "Kabeloffset", "", "TDS Faktor"},
     {"cell const.", "temp. coef.", "cable offset", "", "TDS factor"},
     {"1/cm", "%%/K", "Ohm", "", ""},
     {3, 2, 2, 0, 2, 2}},
    {26,
     false,
     {"20mS/cm (4)", "20mS/cm (4)"},
     {"LF Wert", "Widerstand", "Salinität", "TDS", "", "Temperatur"},
     {"cond. value", "resistivity", "salinity", "TDS", "", "temperature"},
     {"mS/cm", "Ohm", "g/kg", "g/l", ""},
     {2, 1, 1, 2, 0},
     {"Zellkonstante", "Temperaturkoef.", "Kabeloffset", "", "TDS Faktor"},
     {"cell const.", "temp. coef.", "cable offset", "", "TDS factor"},
     {"1/cm", "%%/K", "Ohm", "", ""},
     {3, 2, 2, 0, 2, 2}},
    {27,
     false,
     {"500mS/cm (4)", "500mS/cm (4)"},
     {"LF Wert", "Widerstand", "Salinität", "TDS", "", "Temperatur"},
     {"cond. value", "resistivity", "salinity", "TDS", "", "temperature"},
     {"mS/cm", "Ohm", "g/kg", "g/l", ""},
     {1, 1, 1, 1, 0},
     {"Zellkonstante", "Temperaturkoef.", "Kabeloffset", "", "TDS Faktor"},
     {"cell const.", "temp. coef.", "cable offset", "", "TDS factor"},
     {"1/cm", "%%/K", "Ohm", "", ""},
     {3, 2, 2, 0, 2, 2}},
    {28, true, {}, {}, {}, {}, {}, {}, {}, {}, {}},
    {29,
     false,
     {"Sauerstoff", "oxygen"},
     {"Sättigung", "Konzentration", "", "Partialdruck", "Luftdruck", "Temperatur"},
     {"saturation", "concentration", "", "partial pressur", "air pressur", "temperature"},
     {"%", "mg/l", "", "hPa", "hPa"},
     {1, 2, 0, 1, 0},
     {"Anstieg", "", "", "", ""},
     {"slope", "", "", "", ""},
     {"%", "", "", "", ""},
     {2, 0, 0, 0, 1, 1}},
    {30,
     false,
     {"20µS/cm ZK=0.1", "20µS/cm ck=0.1"},
     {"LF Wert", "Widerstand", "Salinität", "", "", "Temperatur"},
     {"cond. value", "resistivity", "salinity", "", "", "temperature"},
     {"µS/cm", "kOhm", "g/kg", "", ""},
     {2, 0, 1, 0, 0},
     {"Zellkonstante", "Temperaturkoef.", "Kabeloffset", "", ""},
     {"cell const.", "temp. coef.", "cable offset", "", ""},
     {"1/cm", "%%/K", "Ohm", "", ""},
     {3, 2, 2, 0, 2, 2}},
};

std::string Text(const char* s) { return s ? s : ""; }

class CatalogueRow : public ::testing::TestWithParam<Row> {};

TEST_P(CatalogueRow, EveryCellMatches) {
  const Row& r = GetParam();
  const int t = r.index;
  EXPECT_EQ(TypeName(t, Language::kGerman), Text(r.name[0]));
  EXPECT_EQ(TypeName(t, Language::kEnglish), Text(r.name[1]));
  for (int c = 1; c <= 6; ++c) {
    SCOPED_TRACE("channel " + std::to_string(c));
    EXPECT_EQ(ChannelLabel(t, c, Language::kGerman), Text(r.labelDe[c - 1]));
    EXPECT_EQ(ChannelLabel(t, c, Language::kEnglish), Text(r.labelEn[c - 1]));
  }
  for (int c = 1; c <= 5; ++c) {
    SCOPED_TRACE("channel " + std::to_string(c));
    EXPECT_EQ(ChannelUnit(t, c), Text(r.unit[c - 1]));
    EXPECT_EQ(ChannelDecimals(t, c), r.decimals[c - 1]);
    EXPECT_EQ(CalibrationLabel(t, c, Language::kGerman), Text(r.calDe[c - 1]));
    EXPECT_EQ(CalibrationLabel(t, c, Language::kEnglish), Text(r.calEn[c - 1]));
    EXPECT_EQ(CalibrationUnit(t, c), Text(r.calUnit[c - 1]));
  }
  const int params[6] = {32, 33, 34, 37, 35, 36};
  for (int k = 0; k < 6; ++k) {
    SCOPED_TRACE("parameter " + std::to_string(params[k]));
    EXPECT_EQ(CalibrationDecimals(t, params[k]), r.calDecimals[k]);
  }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, CatalogueRow, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                           return "type" + std::to_string(info.param.index);
                         });

TEST(Catalogue, TableCoversEveryIndexOnce) {
  ASSERT_EQ(std::size(kRows), static_cast<size_t>(kTypeCount));
  for (int i = 0; i < kTypeCount; ++i) EXPECT_EQ(kRows[i].index, i);
}

TEST(Catalogue, IndexOutsideTableIsAnEmptyRecord) {
  for (int t : {-1, 31, 32, 254, -1000}) {
    SCOPED_TRACE(t);
    EXPECT_EQ(TypeName(t, Language::kGerman), "");
    EXPECT_EQ(ChannelLabel(t, 6, Language::kEnglish), "");
    EXPECT_EQ(ChannelUnit(t, 1), "");
    EXPECT_EQ(ChannelDecimals(t, 1), 0);
    EXPECT_EQ(CalibrationLabel(t, 1, Language::kGerman), "");
    EXPECT_EQ(CalibrationUnit(t, 1), "");
    EXPECT_EQ(CalibrationDecimals(t, 32), 0);
  }
}

TEST(Catalogue, ChannelAndParameterOutsideRangeGiveNothing) {
  // Type 7 has every cell filled, so an out-of-range read cannot pick up a neighbour.
  EXPECT_EQ(ChannelLabel(7, 0, Language::kGerman), "");
  EXPECT_EQ(ChannelLabel(7, 7, Language::kGerman), "");
  EXPECT_EQ(ChannelUnit(7, 6), "");
  EXPECT_EQ(ChannelDecimals(7, 0), 0);
  EXPECT_EQ(CalibrationLabel(7, 6, Language::kEnglish), "");
  EXPECT_EQ(CalibrationDecimals(0, 31), 0);
  EXPECT_EQ(CalibrationDecimals(0, 38), 0);
}

TEST(Catalogue, StoredSpellingsAreKept) {
  EXPECT_EQ(TypeName(6, Language::kEnglish), "turbitidy");
  EXPECT_EQ(ChannelLabel(7, 4, Language::kEnglish), "partial pressur");
  EXPECT_EQ(ChannelLabel(29, 5, Language::kEnglish), "air pressur");
  EXPECT_EQ(CalibrationLabel(0, 1, Language::kEnglish), "asymmetrie");
  EXPECT_EQ(CalibrationUnit(2, 2), "%%/K");
  EXPECT_EQ(ChannelUnit(8, 1), " ");
  // UTF-8 in the tables: µ is two bytes, ü two bytes.
  EXPECT_EQ(TypeName(2, Language::kGerman), "200\xC2\xB5S/cm");
  EXPECT_EQ(TypeName(6, Language::kGerman),
            "Tr\xC3\xBC"
            "bung");
}

TEST(Catalogue, KeyDecimalsAreTheFifthAndSixthEntries) {
  // Type 6: 32 -> 0, 33 -> 4, 35/36 -> 2; type 8: 37 -> 2 while 33/34 -> 1.
  EXPECT_EQ(CalibrationDecimals(6, 33), 4);
  EXPECT_EQ(CalibrationDecimals(6, 35), 2);
  EXPECT_EQ(CalibrationDecimals(6, 36), 2);
  EXPECT_EQ(CalibrationDecimals(7, 35), 1);
  EXPECT_EQ(CalibrationDecimals(7, 34), 0);
  EXPECT_EQ(CalibrationDecimals(8, 37), 2);
  EXPECT_EQ(CalibrationDecimals(8, 34), 1);
}

}  // namespace
}  // namespace korvane::types
