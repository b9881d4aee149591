#pragma once
// Why a device or a file could not be used, in the user's language. The program puts these
// under its own headlines, so the whole message speaks one language; the system's error
// texts (strerror) would always be English.
#include <string>

#include "platform/TextPair.h"

namespace korvane::platform {

// Every reason the program gives; "%s" is the device or path, "%d" a number.
namespace reasons {
inline constexpr TextPair kNoDevice{"%s existiert nicht.", "%s does not exist."};
inline constexpr TextPair kDanglingDevice{
    "%s verweist auf ein Gerät, das nicht vorhanden ist (ist der Adapter eingesteckt?).",
    "%s points to a device that is not there (is the adapter plugged in?)."};
inline constexpr TextPair kNoPermission{"Keine Berechtigung, %s zu öffnen.", "No permission to open %s."};
// %s: the group (its name and the usermod argument).
inline constexpr TextPair kJoinGroup{
    " Es gehört der Gruppe \"%s\": nehmen Sie Ihren Benutzer in diese Gruppe auf (sudo usermod -aG %s $USER) "
    "und melden Sie sich neu an.",
    " It belongs to the group \"%s\": add your user to that group (sudo usermod -aG %s $USER) and log in again."};
inline constexpr TextPair kNotSerial{"%s ist keine serielle Schnittstelle (kein Terminal).",
                                     "%s is not a serial device (not a terminal)."};
inline constexpr TextPair kBusy{"%s wird von einem anderen Programm benutzt.", "%s is in use by another program."};
// The port is open but the module at its far end never answered; %s names the device.
inline constexpr TextPair kNoAnswer{"Über %s kam keine Antwort vom Modul.", "No answer from the module over %s."};
inline constexpr TextPair kGone{"%s ist nicht mehr vorhanden.", "%s has gone away."};
inline constexpr TextPair kNoDeviceForCom{"COM %d hat auf diesem Rechner kein Gerät.",
                                          "COM %d has no device on this computer."};
inline constexpr TextPair kBadBaud{"%d Baud ist keine Geschwindigkeit der Modulleitung (4800, 19200, 38400).",
                                   "%d baud is not a rate of the module line (4800, 19200, 38400)."};
// Network lines; %s is the line's name (rfc2217://host:port or socket://host:port).
inline constexpr TextPair kNoNetworkPort{"%s: die Portnummer fehlt (z. B. rfc2217://Rechner:4001).",
                                         "%s: the port number is missing (e.g. rfc2217://host:4001)."};
inline constexpr TextPair kBadNetworkPort{"%s: die Portnummer muss zwischen 1 und 65535 liegen.",
                                          "%s: the port number must be from 1 to 65535."};
inline constexpr TextPair kNoNetworkHost{"%s: der Rechnername fehlt.", "%s: the host name is missing."};
inline constexpr TextPair kRefused{"%s: die Verbindung wurde abgelehnt (wartet dort ein Server auf diesem Port?).",
                                   "%s: the connection was refused (is a server listening on that port?)."};
inline constexpr TextPair kHostUnknown{"%s: der Rechnername ist nicht bekannt.", "%s: the host name is not known."};
inline constexpr TextPair kConnectTimeout{"%s: keine Verbindung innerhalb von 3 Sekunden (Rechner nicht erreichbar?).",
                                          "%s: no connection within 3 seconds (host not reachable?)."};
inline constexpr TextPair kNetworkFailed{"%s: Netzwerkfehler.", "%s: network error."};
inline constexpr TextPair kNoTelnet{
    "%s antwortet nicht auf die Telnet-Aushandlung (für eine reine TCP-Verbindung socket:// angeben).",
    "%s does not answer the Telnet negotiation (for a raw TCP line give socket://)."};
inline constexpr TextPair kNoComPortControl{
    "%s lehnt die Steuerung der Schnittstelle (RFC 2217) ab (für eine reine TCP-Verbindung socket:// angeben).",
    "%s refuses com-port control (RFC 2217) (for a raw TCP line give socket://)."};
inline constexpr TextPair kRateNotConfirmed{"%s hat die Übertragungsrate nicht bestätigt.",
                                            "%s did not confirm the rate."};
// %s the line, %d the rate asked for, %d the rate the server answered.
inline constexpr TextPair kRateAnsweredOther{"%s: statt %d Baud hat der Server %d Baud eingestellt.",
                                             "%s: asked for %d baud, the server set %d baud."};
// A station's service port kept its rate: %s the line, %s the station, %d the rate asked
// for, %d the rate it kept.
inline constexpr TextPair kStationKeptRate{
    "%s: die Station %s stellt %d Baud nur für einen Client ein, der allein an ihrem Service-Port ist: "
    "ein anderer ist verbunden (oder ihre Leitung ist weg); die Leitung bleibt bei %d Baud.",
    "%s: the station %s sets %d baud only for a client alone on its service port: another client is "
    "connected (or its line is away); the line stays at %d baud."};
inline constexpr TextPair kConnectionBroken{"Die Verbindung zu %s ist abgebrochen.",
                                            "The connection to %s was broken off."};
inline constexpr TextPair kRateFixed{
    "Über %s lässt sich die Übertragungsrate nicht ändern: bei socket:// stellt der Server sie fest ein. "
    "Für diesen Vorgang die Leitung als rfc2217://Rechner:Port angeben.",
    "The rate cannot be changed over %s: with socket:// the server fixes it. "
    "For this operation give the line as rfc2217://host:port."};
inline constexpr TextPair kLinkedToDevice{"%s verweist schon auf ein Gerät; diese Zuordnung bleibt.",
                                          "%s already links to a device; that mapping is kept."};
// %s the device, %s the system's reason.
inline constexpr TextPair kLineSetupFailed{"Die Leitung von %s lässt sich nicht einstellen: %s",
                                           "The line of %s cannot be set up: %s"};
inline constexpr TextPair kLineFailed{"%s: Ein- oder Ausgabe gestört: %s", "%s: input or output failed: %s"};
// Files.
inline constexpr TextPair kNotRegular{"keine gewöhnliche Datei (%s)", "not a regular file (%s)"};
inline constexpr TextPair kDirectory{"Ordner", "directory"};
inline constexpr TextPair kFifo{"FIFO", "FIFO"};
inline constexpr TextPair kCharDevice{"zeichenorientiertes Gerät", "character device"};
inline constexpr TextPair kBlockDevice{"blockorientiertes Gerät", "block device"};
inline constexpr TextPair kSocket{"Socket", "socket"};
inline constexpr TextPair kSpecialFile{"Spezialdatei", "special file"};
inline constexpr TextPair kDanglingLink{"symbolischer Link auf eine fehlende Datei", "symbolic link to a missing file"};
inline constexpr TextPair kNothingWritten{"nichts geschrieben", "nothing written"};
inline constexpr TextPair kFileGone{"die Datei wurde gelöscht oder ersetzt", "the file was deleted or replaced"};
inline constexpr TextPair kNoTemporaryName{"kein freier Name für eine temporäre Datei",
                                           "no temporary file name is free"};
inline constexpr TextPair kTooLarge{"größer als 1 MiB", "larger than 1 MiB"};
inline constexpr TextPair kSameFile{"dieselbe Datei wie %s", "the same file as %s"};
inline constexpr TextPair kPdfNotDrawn{"das PDF konnte nicht erstellt werden", "the PDF could not be drawn"};
// System errors the program meets when it opens or writes; others are named by number.
inline constexpr TextPair kSystemError{"Systemfehler %d", "system error %d"};
}  // namespace reasons

std::string FormatReason(const TextPair& text, Language language, const std::string& subject);
std::string FormatReason(const TextPair& text, Language language, int number);

// errno as a short text in the language ("Kein Platz mehr auf dem Gerät" / "No space
// left on device"); codes without an entry read "system error N".
std::string SystemErrorText(int error, Language language);

}  // namespace korvane::platform
