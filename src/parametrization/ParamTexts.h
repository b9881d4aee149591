#pragma once
// The texts of the factory parametrization; a service function, German only.
namespace korvane::parametrization::texts {

inline constexpr char kHoldMode[] = "Bei der QX7100-Serie den HOLD Modus aktivieren!";
inline constexpr char kNotFinished[] = "Fehler in der Datenkommunikation!\nParametrierung nicht abgeschlossen!";
inline constexpr char kFinished[] = "Parametrieren korrekt beendet!";
inline constexpr char kWaitStable[] = "Warten bis Messwert stabil ist";
inline constexpr char kEnterAirPressure[] = "Bitte aktuellen Luftdruck eingeben";
inline constexpr char kRangeSwitched[] = "Messbereich gewechselt!";
inline constexpr char kDocumentName[] = "Daten Parametrieren";
inline constexpr char kTransferCaption[] = "Datenübertragung";
inline constexpr char kTransferText[] = "Datenübertragung läuft.";

// What a field takeover refuses.
inline constexpr char kWholeNumber[] = "Geben Sie eine ganze Zahl ein.";
inline constexpr char kByteNumber[] = "Geben Sie eine ganze Zahl zwischen 0 und 255 ein.";
inline constexpr char kDelayRange[] = "Geben Sie eine ganze Zahl zwischen 0 und 250 ein.";

// Refusals that keep a wrong value away from the module.
inline constexpr char kDeviceNumberShort[] = "Die Gerätenummer muss drei oder vier Zeichen haben.";
inline constexpr char kDeviceNumberCharacters[] =
    "Die Gerätenummer enthält ein Zeichen, das nicht gesendet werden kann.";
// %s: the field ("DAC 0 unterer Wert"), %d %d: its range.
inline constexpr char kDacOutOfRange[] = "%s: nur Werte von %d bis %d sind erlaubt. Es wurde nichts gesendet.";
// %u: the computed adjustment value.
inline constexpr char kAirPressureTooLarge[] =
    "Der Abgleichwert %u ist größer als 65535 und kann nicht gespeichert werden. Bitte den Luftdruck prüfen; es "
    "wurde nichts gesendet.";
inline constexpr char kMeasurementLost[] =
    "Fehler in der Datenkommunikation!\nDie Verbindung zum Modul ist während der Messung abgebrochen; es wurde "
    "nichts gespeichert.";
inline constexpr char kPrintFailed[] = "Der Ausdruck ist fehlgeschlagen.";

}  // namespace korvane::parametrization::texts
