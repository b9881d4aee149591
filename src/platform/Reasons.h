#pragma once
// Why a device or a file could not be used, in the user's language. The program puts these
// under its own headlines, so the whole message speaks one language; the system's error
// texts (strerror) would always be English.
#include <string>

#include "platform/Text.h"

namespace korvane::platform {

// Every reason the program gives; "%1" is the device, path or number.
namespace reasons {
inline constexpr Text kNoDevice{"platform", QT_TRANSLATE_NOOP("platform", "%1 existiert nicht.")};
inline constexpr Text kDanglingDevice{
    "platform", QT_TRANSLATE_NOOP(
                    "platform", "%1 verweist auf ein Gerät, das nicht vorhanden ist (ist der Adapter eingesteckt?).")};
inline constexpr Text kNoPermission{"platform", QT_TRANSLATE_NOOP("platform", "Keine Berechtigung, %1 zu öffnen.")};
// %1: the group (its name and the usermod argument).
inline constexpr Text kJoinGroup{
    "platform",
    QT_TRANSLATE_NOOP(
        "platform",
        " Es gehört der Gruppe \"%1\": nehmen Sie Ihren Benutzer in diese Gruppe auf (sudo usermod -aG %1 $USER) "
        "und melden Sie sich neu an.")};
inline constexpr Text kNotSerial{"platform",
                                 QT_TRANSLATE_NOOP("platform", "%1 ist keine serielle Schnittstelle (kein Terminal).")};
inline constexpr Text kBusy{"platform", QT_TRANSLATE_NOOP("platform", "%1 wird von einem anderen Programm benutzt.")};
// The port is open but the module at its far end never answered; %1 names the device.
inline constexpr Text kNoAnswer{"platform", QT_TRANSLATE_NOOP("platform", "Über %1 kam keine Antwort vom Modul.")};
inline constexpr Text kGone{"platform", QT_TRANSLATE_NOOP("platform", "%1 ist nicht mehr vorhanden.")};
inline constexpr Text kNoDeviceForCom{"platform",
                                      QT_TRANSLATE_NOOP("platform", "COM %1 hat auf diesem Rechner kein Gerät.")};
inline constexpr Text kBadBaud{
    "platform",
    QT_TRANSLATE_NOOP("platform", "%1 Baud ist keine Geschwindigkeit der Modulleitung (4800, 19200, 38400).")};
// Network lines; %1 is the line's name (rfc2217://host:port or socket://host:port).
inline constexpr Text kNoNetworkPort{
    "platform", QT_TRANSLATE_NOOP("platform", "%1: die Portnummer fehlt (z. B. rfc2217://Rechner:4001).")};
inline constexpr Text kBadNetworkPort{
    "platform", QT_TRANSLATE_NOOP("platform", "%1: die Portnummer muss zwischen 1 und 65535 liegen.")};
inline constexpr Text kNoNetworkHost{"platform", QT_TRANSLATE_NOOP("platform", "%1: der Rechnername fehlt.")};
inline constexpr Text kRefused{
    "platform",
    QT_TRANSLATE_NOOP("platform", "%1: die Verbindung wurde abgelehnt (wartet dort ein Server auf diesem Port?).")};
inline constexpr Text kHostUnknown{"platform", QT_TRANSLATE_NOOP("platform", "%1: der Rechnername ist nicht bekannt.")};
inline constexpr Text kConnectTimeout{
    "platform",
    QT_TRANSLATE_NOOP("platform", "%1: keine Verbindung innerhalb von 3 Sekunden (Rechner nicht erreichbar?).")};
inline constexpr Text kNetworkFailed{"platform", QT_TRANSLATE_NOOP("platform", "%1: Netzwerkfehler.")};
inline constexpr Text kNoTelnet{
    "platform",
    QT_TRANSLATE_NOOP(
        "platform",
        "%1 antwortet nicht auf die Telnet-Aushandlung (für eine reine TCP-Verbindung socket:// angeben).")};
inline constexpr Text kNoComPortControl{
    "platform",
    QT_TRANSLATE_NOOP(
        "platform",
        "%1 lehnt die Steuerung der Schnittstelle (RFC 2217) ab (für eine reine TCP-Verbindung socket:// angeben).")};
inline constexpr Text kRateNotConfirmed{"platform",
                                        QT_TRANSLATE_NOOP("platform", "%1 hat die Übertragungsrate nicht bestätigt.")};
// %1 the line, %2 the rate asked for, %3 the rate the server answered.
inline constexpr Text kRateAnsweredOther{
    "platform", QT_TRANSLATE_NOOP("platform", "%1: statt %2 Baud hat der Server %3 Baud eingestellt.")};
// A station's service port kept its rate: %1 the line, %2 the station, %3 the rate asked
// for, %4 the rate it kept.
inline constexpr Text kStationKeptRate{
    "platform", QT_TRANSLATE_NOOP(
                    "platform",
                    "%1: die Station %2 stellt %3 Baud nur für einen Client ein, der allein an ihrem Service-Port ist: "
                    "ein anderer ist verbunden (oder ihre Leitung ist weg); die Leitung bleibt bei %4 Baud.")};
inline constexpr Text kConnectionBroken{"platform",
                                        QT_TRANSLATE_NOOP("platform", "Die Verbindung zu %1 ist abgebrochen.")};
inline constexpr Text kRateFixed{
    "platform",
    QT_TRANSLATE_NOOP(
        "platform",
        "Über %1 lässt sich die Übertragungsrate nicht ändern: bei socket:// stellt der Server sie fest ein. "
        "Für diesen Vorgang die Leitung als rfc2217://Rechner:Port angeben.")};
inline constexpr Text kLinkedToDevice{
    "platform", QT_TRANSLATE_NOOP("platform", "%1 verweist schon auf ein Gerät; diese Zuordnung bleibt.")};
// %1 the device, %2 the system's reason.
inline constexpr Text kLineSetupFailed{
    "platform", QT_TRANSLATE_NOOP("platform", "Die Leitung von %1 lässt sich nicht einstellen: %2")};
inline constexpr Text kLineFailed{"platform", QT_TRANSLATE_NOOP("platform", "%1: Ein- oder Ausgabe gestört: %2")};
// Files.
inline constexpr Text kNotRegular{"platform", QT_TRANSLATE_NOOP("platform", "keine gewöhnliche Datei (%1)")};
inline constexpr Text kDirectory{"platform", QT_TRANSLATE_NOOP("platform", "Ordner")};
inline constexpr Text kFifo{"platform", QT_TRANSLATE_NOOP("platform", "FIFO")};
inline constexpr Text kCharDevice{"platform", QT_TRANSLATE_NOOP("platform", "zeichenorientiertes Gerät")};
inline constexpr Text kBlockDevice{"platform", QT_TRANSLATE_NOOP("platform", "blockorientiertes Gerät")};
inline constexpr Text kSocket{"platform", QT_TRANSLATE_NOOP("platform", "Socket")};
inline constexpr Text kSpecialFile{"platform", QT_TRANSLATE_NOOP("platform", "Spezialdatei")};
inline constexpr Text kDanglingLink{"platform",
                                    QT_TRANSLATE_NOOP("platform", "symbolischer Link auf eine fehlende Datei")};
inline constexpr Text kNothingWritten{"platform", QT_TRANSLATE_NOOP("platform", "nichts geschrieben")};
inline constexpr Text kFileGone{"platform", QT_TRANSLATE_NOOP("platform", "die Datei wurde gelöscht oder ersetzt")};
inline constexpr Text kNoTemporaryName{"platform",
                                       QT_TRANSLATE_NOOP("platform", "kein freier Name für eine temporäre Datei")};
inline constexpr Text kTooLarge{"platform", QT_TRANSLATE_NOOP("platform", "größer als 1 MiB")};
inline constexpr Text kSameFile{"platform", QT_TRANSLATE_NOOP("platform", "dieselbe Datei wie %1")};
inline constexpr Text kPdfNotDrawn{"platform", QT_TRANSLATE_NOOP("platform", "das PDF konnte nicht erstellt werden")};
// System errors the program meets when it opens or writes; others are named by number.
inline constexpr Text kSystemError{"platform", QT_TRANSLATE_NOOP("platform", "Systemfehler %1")};
}  // namespace reasons

std::string FormatReason(const Text& text, Language language, const std::string& subject);
std::string FormatReason(const Text& text, Language language, int number);

// errno as a short text in the language ("Kein Platz mehr auf dem Gerät" / "No space
// left on device"); codes without an entry read "system error N".
std::string SystemErrorText(int error, Language language);

}  // namespace korvane::platform
