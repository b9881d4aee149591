<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>app</name>
    <message>
        <source>%1 Baud</source>
        <translation>%1 baud</translation>
    </message>
    <message>
        <source>Modul %1 (%2, Adresse %3)</source>
        <translation>Module %1 (%2, address %3)</translation>
    </message>
    <message>
        <source>Kalibrierung fällig seit %1</source>
        <translation>calibration due since %1</translation>
    </message>
    <message>
        <source>Kalibrierung fällig (keine in der Historie)</source>
        <translation>calibration due (none in the history)</translation>
    </message>
    <message>
        <source>Parametrieren</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Kalibrieren</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Konfigurieren</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Setup Messung</source>
        <translation>Setup Measurement</translation>
    </message>
    <message>
        <source>Konfiguration RW8200</source>
        <translation>Configuration RW8200</translation>
    </message>
    <message>
        <source>Messung starten</source>
        <translation>Start Measurement</translation>
    </message>
    <message>
        <source>Messung beenden</source>
        <translation>End Measurement</translation>
    </message>
    <message>
        <source>Geräteadresse</source>
        <translation>Device address</translation>
    </message>
    <message>
        <source>kein Fehler</source>
        <translation>no error</translation>
    </message>
    <message>
        <source>Messung erst beenden!</source>
        <translation>End measurement first!</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>keine Antwort seit %1:%2:%3</source>
        <translation>no reply since %1:%2:%3</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden:</source>
        <translation>The settings could not be saved:</translation>
    </message>
    <message>
        <source>Der Ordner für die Einstellungen kann nicht angelegt werden:</source>
        <translation>Cannot create the settings folder</translation>
    </message>
    <message>
        <source>Kalibrierassistent</source>
        <translation>Calibration assistant</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl ein.</source>
        <translation>Enter a whole number.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen 1 und 255 ein.</source>
        <translation>Enter a whole number from 1 to 255.</translation>
    </message>
    <message>
        <source>Kein freier Port gefunden.</source>
        <translation>No free port found.</translation>
    </message>
    <message>
        <source>Freie Ports</source>
        <translation>Free Ports</translation>
    </message>
    <message>
        <source>Netzwerk</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Aus: das Gerät der COM-Nummer</source>
        <translation>Off: the COM number&apos;s device</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Rechner</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Techniker</source>
        <translation>Technician</translation>
    </message>
    <message>
        <source>Status Info</source>
        <translation>Status Info</translation>
    </message>
    <message>
        <source>Info über Korvane</source>
        <translation>Info über Korvane</translation>
    </message>
    <message>
        <source>Inf&amp;o über Korvane...</source>
        <translation>Inf&amp;o über Korvane...</translation>
    </message>
</context>
<context>
    <name>bus</name>
    <message>
        <source>Bus…</source>
        <translation>Bus…</translation>
    </message>
    <message>
        <source>Bus: alle Module</source>
        <translation>Bus: all modules</translation>
    </message>
    <message>
        <source>Messung starten</source>
        <translation>Start Measurement</translation>
    </message>
    <message>
        <source>Messung beenden</source>
        <translation>End Measurement</translation>
    </message>
    <message>
        <source>Aufzeichnungsdatei…</source>
        <translation>Logging file…</translation>
    </message>
    <message>
        <source>Keine Aufzeichnung</source>
        <translation>Not recording</translation>
    </message>
    <message>
        <source>Adressen</source>
        <translation>Addresses</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Messart</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Zustand</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Historie…</source>
        <translation>History…</translation>
    </message>
    <message>
        <source>live</source>
        <translation>live</translation>
    </message>
    <message>
        <source>wartet</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>beendet</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>fehlt seit %1</source>
        <translation>missing since %1</translation>
    </message>
    <message>
        <source>Messart gewechselt (vorher %1)</source>
        <translation>type changed (was %1)</translation>
    </message>
    <message>
        <source>Kein Modul antwortet mehr.</source>
        <translation>No module answers any more.</translation>
    </message>
    <message>
        <source>Adresse %1 antwortet nicht (seit %2).</source>
        <translation>Address %1 does not answer (since %2).</translation>
    </message>
    <message>
        <source>Adresse %1 antwortet wieder.</source>
        <translation>Address %1 answers again.</translation>
    </message>
    <message>
        <source>Ein anderer Ablauf benutzt die Leitung.</source>
        <translation>Another flow is using the line.</translation>
    </message>
    <message>
        <source>Die Schnittstelle ist nicht geöffnet.</source>
        <translation>The port is not open.</translation>
    </message>
    <message>
        <source>Die Messung wurde beendet:</source>
        <translation>The measurement ended:</translation>
    </message>
    <message>
        <source>Wert %1</source>
        <translation>Value %1</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
</context>
<context>
    <name>calibration</name>
    <message>
        <source>korvane.conf: &quot;%1=%2&quot; ist keine Zahl von %3 bis %4; es gilt %5.</source>
        <translation>korvane.conf: &quot;%1=%2&quot; is not a number from %3 to %4; %5 is used.</translation>
    </message>
    <message>
        <source>korvane.conf: &quot;%1=%2&quot; ist nicht %3; es gilt %4.</source>
        <translation>korvane.conf: &quot;%1=%2&quot; is not %3; %4 is used.</translation>
    </message>
    <message>
        <source>noch %1 s, bis das Fenster von %2 s gefüllt ist</source>
        <translation>%1 s until the window of %2 s is filled</translation>
    </message>
    <message>
        <source>Drift %1 über %2</source>
        <translation>drift %1 above %2</translation>
    </message>
    <message>
        <source>Rauschen %1 über %2</source>
        <translation>noise %1 above %2</translation>
    </message>
    <message>
        <source>wartet, bis der Wert die Lösung des 1. Punkts verlassen hat</source>
        <translation>waiting for the reading to leave the 1st point&apos;s solution</translation>
    </message>
    <message>
        <source>stabil</source>
        <translation>stable</translation>
    </message>
    <message>
        <source>Automatisch übernehmen</source>
        <translation>Accept automatically</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Take point</translation>
    </message>
    <message>
        <source>Der Sensor stellt sich nicht ein: nach %1 s nicht stabil. Der Punkt kann von Hand übernommen werden.</source>
        <translation>The sensor does not settle: not stable after %1 s. The point can be taken by hand.</translation>
    </message>
    <message>
        <source>Der Messwert hat die Lösung des 1. Punkts nach %1 s nicht verlassen: steckt der Sensor in der 2. Lösung? Der Punkt kann von Hand übernommen werden.</source>
        <translation>The reading has not left the 1st point&apos;s solution after %1 s: is the sensor in the 2nd solution? The point can be taken by hand.</translation>
    </message>
    <message>
        <source>von Hand übernommen, nicht stabil</source>
        <translation>taken by hand, not stable</translation>
    </message>
    <message>
        <source>übernommen, stabil</source>
        <translation>taken, stable</translation>
    </message>
    <message>
        <source>Zertifikat…</source>
        <translation>Certificate…</translation>
    </message>
    <message>
        <source>Puffersatz</source>
        <translation>Buffer set</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>verwendbar bis</source>
        <translation>Use by</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Drift</translation>
    </message>
    <message>
        <source>Rauschen</source>
        <translation>Noise</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Änderung</source>
        <translation>change</translation>
    </message>
    <message>
        <source>Steilheit %1 % der Nernst-Steilheit</source>
        <translation>Slope %1 % of Nernst&apos;s slope</translation>
    </message>
    <message>
        <source>Nullpunkt %1 mV</source>
        <translation>Zero point %1 mV</translation>
    </message>
    <message>
        <source>Ergebnis plausibel</source>
        <translation>Result plausible</translation>
    </message>
    <message>
        <source>Kalibrierung: %1 – %2</source>
        <translation>Calibration: %1 – %2</translation>
    </message>
    <message>
        <source>Puffer %1 (%2) erkannt: pH %3 bei %4 °C.</source>
        <translation>Buffer %1 (%2) recognised: pH %3 at %4 °C.</translation>
    </message>
    <message>
        <source>Puffer %1 erkannt, doch seine Tabelle reicht nur von %2 bis %3 °C, nicht bis %4 °C: bitte den Wert von der Flasche eingeben.</source>
        <translation>Buffer %1 recognised, but its table only covers %2 to %3 °C, not %4 °C: please type the value from the bottle.</translation>
    </message>
    <message>
        <source>Puffer %1 erkannt, doch für ihn ist keine Tabelle hinterlegt: bitte den Wert eingeben.</source>
        <translation>Buffer %1 recognised, but it has no table: please type the value.</translation>
    </message>
    <message>
        <source>Kein Puffer des Satzes „%1“ passt zu %2 mV (etwa pH %3): bitte den Wert eingeben.</source>
        <translation>No buffer of the set &quot;%1&quot; fits %2 mV (about pH %3): please type the value.</translation>
    </message>
    <message>
        <source>Der Satz „%1“ hat keine Puffer (korvane-buffers.conf): bitte den Wert eingeben.</source>
        <translation>The set &quot;%1&quot; has no buffers (korvane-buffers.conf): please type the value.</translation>
    </message>
    <message>
        <source>Zuletzt bei diesem Modul verwendet.</source>
        <translation>Last used on this module.</translation>
    </message>
    <message>
        <source>Vom Modul gemessen.</source>
        <translation>Measured by the module.</translation>
    </message>
    <message>
        <source>Gleicher Puffer (%1) wie beim 1. Punkt!</source>
        <translation>Same buffer (%1) as at the 1st point!</translation>
    </message>
    <message>
        <source>Gleiche Lösung wie beim 1. Punkt? Der Messwert hat sich kaum geändert.</source>
        <translation>Same solution as at the 1st point? The reading has hardly changed.</translation>
    </message>
    <message>
        <source>Das Ergebnis ist nicht plausibel. Trotzdem im Modul speichern?</source>
        <translation>The result is not plausible. Save it in the module all the same?</translation>
    </message>
    <message>
        <source>Beide Punkte sind gleich (Messwert oder Referenz).</source>
        <translation>Both points are the same (reading or reference).</translation>
    </message>
    <message>
        <source>Der Luftdruck muss zwischen 800 und 1200 hPa liegen.</source>
        <translation>The air pressure must lie between 800 and 1200 hPa.</translation>
    </message>
    <message>
        <source>Die Werte ergeben keine Zahl; nichts kann gespeichert werden.</source>
        <translation>The values give no number; nothing can be saved.</translation>
    </message>
    <message>
        <source>Gespeichert.</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>Nicht gespeichert: das Modul behält seine Werte.</source>
        <translation>Not saved: the module keeps its values.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: das Modul behält seine Werte.</source>
        <translation>No result: the module keeps its values.</translation>
    </message>
    <message>
        <source>Abgebrochen: nichts wurde geschrieben.</source>
        <translation>Cancelled: nothing was written.</translation>
    </message>
    <message>
        <source>Verbindung verloren: nichts wurde geschrieben.</source>
        <translation>Connection lost: nothing was written.</translation>
    </message>
    <message>
        <source>%1, Zeile %2: &quot;%3&quot; %4; die Zeile wird übergangen.</source>
        <translation>%1, line %2: &quot;%3&quot; %4; the line is skipped.</translation>
    </message>
    <message>
        <source>ist kein Puffersatz (din19266, technical, din19267, own)</source>
        <translation>is no buffer set (din19266, technical, din19267, own)</translation>
    </message>
    <message>
        <source>steht vor dem ersten [Puffersatz]</source>
        <translation>comes before the first [buffer set]</translation>
    </message>
    <message>
        <source>ist nicht NAME: °C=pH ...</source>
        <translation>is not NAME: °C=pH ...</translation>
    </message>
    <message>
        <source>hat keine steigenden Temperaturen von -10 bis 150 °C und pH-Werte von 0 bis 14</source>
        <translation>has no rising temperatures from -10 to 150 °C with pH values from 0 to 14</translation>
    </message>
    <message>
        <source>Sensor in 1. Pufferlösung tauchen.</source>
        <translation>Put sensor in 1. buffer solution.</translation>
    </message>
    <message>
        <source>Sensor in 2. Pufferlösung tauchen.</source>
        <translation>Put sensor in 2. buffer solution.</translation>
    </message>
    <message>
        <source>Sensor in Pufferlösung tauchen.</source>
        <translation>Put sensor in buffer solution.</translation>
    </message>
    <message>
        <source>Warten, bis der Messwert stabil ist. Dann OK drücken.</source>
        <extracomment>English keeps &quot;Than press OK button.&quot; byte for byte: users, files and tests know it so.</extracomment>
        <translation>Wait until the value is stable. Than press OK button.</translation>
    </message>
    <message>
        <source>Aktuellen Pufferwert eingeben.</source>
        <translation>Input current buffer value.</translation>
    </message>
    <message>
        <source>Aktuellen Luftdruck eingeben.</source>
        <translation>Input current air pressure.</translation>
    </message>
    <message>
        <source>Kalibrierfehler!</source>
        <translation>Calibration error!</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Sauerstoff</source>
        <translation>Oxygen</translation>
    </message>
    <message>
        <source>Chlor</source>
        <extracomment>English keeps &quot;chlorien&quot; byte for byte: users, files and tests know it so.</extracomment>
        <translation>chlorien</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <translation>Air pressure</translation>
    </message>
    <message>
        <source>%1 %2 außerhalb %3 … %4</source>
        <translation>%1 %2 outside %3 … %4</translation>
    </message>
    <message>
        <source>Steilheit</source>
        <translation>slope</translation>
    </message>
    <message>
        <source>Stabil, wenn über das Fenster:</source>
        <translation>Stable when over the window:</translation>
    </message>
    <message>
        <source>seit %1 s</source>
        <translation>for %1 s</translation>
    </message>
    <message>
        <source>vorher</source>
        <translation>before</translation>
    </message>
    <message>
        <source>nachher</source>
        <translation>after</translation>
    </message>
    <message>
        <source>Grenzen</source>
        <translation>limits</translation>
    </message>
    <message>
        <source>Geben Sie eine Zahl ein.</source>
        <translation>Enter a number.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Für diesen Messtyp gibt es keine Kalibrierung.</source>
        <translation>There is no calibration for this measurement type.</translation>
    </message>
    <message>
        <source>--procedure %1: das Modul (%2) bietet %3.</source>
        <translation>--procedure %1: the module (%2) offers %3.</translation>
    </message>
    <message>
        <source>Eingabetaste übernimmt den Punkt.</source>
        <translation>Enter takes the point.</translation>
    </message>
    <message>
        <source>Die Eingabe ist geschlossen: ohne --auto übernimmt nur die Eingabetaste einen Punkt. Nichts wurde geschrieben.</source>
        <translation>Standard input is closed: without --auto only Enter takes a point. Nothing was written.</translation>
    </message>
    <message>
        <source>Punkt übernommen: %1 %2 (%3).</source>
        <translation>Point taken: %1 %2 (%3).</translation>
    </message>
    <message>
        <source>Kein Referenzwert für Punkt %1: --reference angeben.</source>
        <translation>No reference value for point %1: give --reference.</translation>
    </message>
    <message>
        <source>Referenz: %1 %2</source>
        <translation>Reference: %1 %2</translation>
    </message>
    <message>
        <source>Im Modul speichern?</source>
        <translation>Save in the module?</translation>
    </message>
    <message>
        <source> [j/N] </source>
        <translation> [y/N] </translation>
    </message>
    <message>
        <source>Nicht gespeichert (--save speichert).</source>
        <translation>Not saved (--save saves).</translation>
    </message>
    <message>
        <source>Die Protokolldatei kann nicht geschrieben werden:</source>
        <translation>The trace file cannot be written:</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei kann nicht gelesen werden:</source>
        <translation>The settings file cannot be read:</translation>
    </message>
    <message>
        <source>korvane-cli: die Historie %1 kann nicht gelesen werden: %2</source>
        <translation>korvane-cli: the history %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>korvane-cli: die Historie %1 kann nicht angelegt werden: %2</source>
        <translation>korvane-cli: the history %1 cannot be made ready: %2</translation>
    </message>
    <message>
        <source>Historie bereit: %1 (Schema %2, %3 Ereignisse)</source>
        <translation>history ready: %1 (schema %2, %3 events)</translation>
    </message>
    <message>
        <source>Die Aufzeichnungsdatei kann nicht geöffnet werden:</source>
        <translation>The recording file cannot be opened:</translation>
    </message>
    <message>
        <source>%1 Abfragen ausgelassen: die vorige Abfragekette lief noch.</source>
        <translation>%1 polls skipped: the chain before was still running.</translation>
    </message>
    <message>
        <source>korvane-cli: kein Diagramm: es kamen keine Datensätze an</source>
        <translation>korvane-cli: no chart: no records arrived</translation>
    </message>
    <message>
        <source>korvane-cli: der Servicebericht wurde nicht geschrieben: %1</source>
        <translation>korvane-cli: the service report was not written: %1</translation>
    </message>
    <message>
        <source>Servicebericht geschrieben: %1 (Module: %2)</source>
        <translation>service report written: %1 (modules: %2)</translation>
    </message>
    <message>
        <source>jJyY</source>
        <extracomment>The letters an answer to &quot; [j/N] &quot; may start with to say yes (ASCII letters only).</extracomment>
        <translation>jJyY</translation>
    </message>
</context>
<context>
    <name>common</name>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Fehler in der Datenkommunikation!</source>
        <translation>Error data communication!</translation>
    </message>
    <message>
        <source>Datenübertragung</source>
        <translation>Data transmission</translation>
    </message>
    <message>
        <source>Datenübertragung läuft.</source>
        <translation>Wait for data transmission.</translation>
    </message>
    <message>
        <source>Diese Funktion ist noch nicht verfügbar.</source>
        <translation>This function is not available yet.</translation>
    </message>
    <message>
        <source>Das Modul antwortet nicht mehr.</source>
        <translation>The module does not answer any more.</translation>
    </message>
    <message>
        <source>Das Modul hat %1 Schreibbefehle nicht bestätigt: die Einstellungen sind möglicherweise nicht vollständig gespeichert.</source>
        <translation>The module did not acknowledge %1 writes: the settings may not all be stored.</translation>
    </message>
    <message>
        <source>Die Verbindung zum Modul ist beim Schreiben abgebrochen: die Einstellungen sind nicht vollständig gespeichert.</source>
        <translation>The connection to the module was lost while writing: the settings are not all stored.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden:</source>
        <translation>The file cannot be written:</translation>
    </message>
    <message>
        <source>Es wurde nichts gespeichert; eine vorhandene Datei bleibt unverändert.</source>
        <translation>Nothing was saved; an existing file is left unchanged.</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>configuration</name>
    <message>
        <source>Kennung</source>
        <translation>Identity</translation>
    </message>
    <message>
        <source>DAC 0 Quelle</source>
        <translation>DAC 0 source</translation>
    </message>
    <message>
        <source>DAC 1 Quelle</source>
        <translation>DAC 1 source</translation>
    </message>
    <message>
        <source>DAC 0 oberer Wert</source>
        <translation>DAC 0 upper value</translation>
    </message>
    <message>
        <source>DAC 1 oberer Wert</source>
        <translation>DAC 1 upper value</translation>
    </message>
    <message>
        <source>DAC 0 unterer Wert</source>
        <translation>DAC 0 lower value</translation>
    </message>
    <message>
        <source>DAC 1 unterer Wert</source>
        <translation>DAC 1 lower value</translation>
    </message>
    <message>
        <source>Ausgang Spannung/Strom</source>
        <translation>Output voltage/current</translation>
    </message>
    <message>
        <source>Strombereich</source>
        <translation>Current range</translation>
    </message>
    <message>
        <source>Relais 1 Grenzwert</source>
        <translation>Relay 1 limit</translation>
    </message>
    <message>
        <source>Relais 1 Hysterese</source>
        <translation>Relay 1 hysteresis</translation>
    </message>
    <message>
        <source>Relais 1 Grenzwerttyp</source>
        <translation>Relay 1 limit type</translation>
    </message>
    <message>
        <source>Relais 1 Quelle</source>
        <translation>Relay 1 source</translation>
    </message>
    <message>
        <source>Relais 2 Grenzwert</source>
        <translation>Relay 2 limit</translation>
    </message>
    <message>
        <source>Relais 2 Hysterese</source>
        <translation>Relay 2 hysteresis</translation>
    </message>
    <message>
        <source>Relais 2 Grenzwerttyp</source>
        <translation>Relay 2 limit type</translation>
    </message>
    <message>
        <source>Relais 2 Quelle</source>
        <translation>Relay 2 source</translation>
    </message>
    <message>
        <source>Kalibrierkennwert 1</source>
        <translation>Calibration key value 1</translation>
    </message>
    <message>
        <source>Kalibrierkennwert 2</source>
        <translation>Calibration key value 2</translation>
    </message>
    <message>
        <source>Feste Temperatur</source>
        <translation>Fixed temperature</translation>
    </message>
    <message>
        <source>Feste Temperatur ein</source>
        <translation>Fixed temperature on</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Geräteadresse</source>
        <translation>Device address</translation>
    </message>
    <message>
        <source>Ausgänge halten beim Kalibrieren</source>
        <translation>Hold outputs during calibration</translation>
    </message>
    <message>
        <source>Puffer 1</source>
        <translation>Buffer 1</translation>
    </message>
    <message>
        <source>Puffer 2</source>
        <translation>Buffer 2</translation>
    </message>
    <message>
        <source>KCl-Lösung 1</source>
        <translation>KCl solution 1</translation>
    </message>
    <message>
        <source>KCl-Lösung 2</source>
        <translation>KCl solution 2</translation>
    </message>
    <message>
        <source>Messwert Typ</source>
        <translation>Measurement type</translation>
    </message>
    <message>
        <source>Kalibrierwert 1</source>
        <translation>Calibration value 1</translation>
    </message>
    <message>
        <source>Kalibrierwert 2</source>
        <translation>Calibration value 2</translation>
    </message>
    <message>
        <source>Kalibrierwert 3</source>
        <translation>Calibration value 3</translation>
    </message>
    <message>
        <source>Kalibrierwert 4</source>
        <translation>Calibration value 4</translation>
    </message>
    <message>
        <source>Temperatur-Offset</source>
        <translation>Temperature offset</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>DAC0 Kanal</source>
        <translation>DAC0 channel</translation>
    </message>
    <message>
        <source>DAC1 Kanal</source>
        <translation>DAC1 channel</translation>
    </message>
    <message>
        <source>Relaisausgang</source>
        <translation>relay output</translation>
    </message>
    <message>
        <source>obere Grenze</source>
        <translation>upper limit</translation>
    </message>
    <message>
        <source>untere Grenze</source>
        <translation>lower limit</translation>
    </message>
    <message>
        <source>Grenzwert</source>
        <translation>limit value</translation>
    </message>
    <message>
        <source>Hysterese</source>
        <translation>hysterese</translation>
    </message>
    <message>
        <source>Grenzwerttyp</source>
        <translation>limit type</translation>
    </message>
    <message>
        <source>Stromtyp</source>
        <translation>current type</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>current</translation>
    </message>
    <message>
        <source>Spannung</source>
        <translation>voltage</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>output</translation>
    </message>
    <message>
        <source>Kalibrierwerte</source>
        <translation>cal. values</translation>
    </message>
    <message>
        <source>Kal. Taste1</source>
        <translation>cal. key1</translation>
    </message>
    <message>
        <source>Kal. Taste2</source>
        <translation>cal. key2</translation>
    </message>
    <message>
        <source>Festwert pH</source>
        <translation>fixed pH value</translation>
    </message>
    <message>
        <source>enable Festwert pH</source>
        <translation>enable fixed pH value</translation>
    </message>
    <message>
        <source>allgemein</source>
        <translation>basic adj.</translation>
    </message>
    <message>
        <source>Messwerttyp</source>
        <translation>measurement typ</translation>
    </message>
    <message>
        <source>Festtemperatur</source>
        <translation>fix temperature</translation>
    </message>
    <message>
        <source>Hold beim Kal.</source>
        <translation>Hold during cal.</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>address</translation>
    </message>
    <message>
        <source>Fehler!
Der Typ des angeschlossenen Verstärkers paßt nicht zur Einstellung!</source>
        <translation>Error! The adjusted amplifier type dose not fit to the connected type!</translation>
    </message>
    <message>
        <source>Fehler!
Der angeschlossenen Verstärkers ist nicht aus der QX 7100 Serie!</source>
        <translation>Error! The connected amplifier dose not fit to QX 7100 model type!</translation>
    </message>
    <message>
        <source>Kalibrierdaten auch aktualisieren?</source>
        <translation>Read also calibration data?</translation>
    </message>
    <message>
        <source>Fehler in der Datendatei!</source>
        <translation>Error in data file!</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden:</source>
        <translation>The file cannot be read:</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden:</source>
        <translation>The file cannot be written:</translation>
    </message>
    <message>
        <source>Keine gültige Zahl im Feld</source>
        <translation>Not a valid number in the field</translation>
    </message>
    <message>
        <source>Ein Zeichen lässt sich nicht speichern (kein Windows-1252-Zeichen) im Feld</source>
        <translation>A character cannot be stored (not in Windows-1252) in the field</translation>
    </message>
    <message>
        <source>Ein Wert enthält das Wort &quot;CECKSUMM&quot;.</source>
        <translation>A value contains the word &quot;CECKSUMM&quot;.</translation>
    </message>
    <message>
        <source>Der Ausdruck ist fehlgeschlagen, es wurde nichts gedruckt oder gespeichert.</source>
        <translation>Printing failed; nothing was printed or saved.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen 0 und 31 ein.</source>
        <translation>Enter a whole number between 0 and 31.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen 0 und 255 ein.</source>
        <translation>Enter a whole number between 0 and 255.</translation>
    </message>
    <message>
        <source>%1 kann nicht gesendet werden: &quot;%2&quot; ist keine endliche Zahl im Bereich einer Gleitkommazahl. Es wurde nichts geschrieben.</source>
        <translation>%1 cannot be sent: &quot;%2&quot; is not a finite number within the range of a float. Nothing was written.</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Schlüssel</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Vergleichen…</source>
        <translation>Compare…</translation>
    </message>
    <message>
        <source>Die Werte des Dialogs vergleichen mit den Werten des Moduls (neu gelesen) oder einer Setup-Datei?</source>
        <translation>Compare the dialog&apos;s values with the module&apos;s (read afresh) or with a setup file?</translation>
    </message>
    <message>
        <source>Modul</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Setup-Datei</source>
        <translation>Setup file</translation>
    </message>
    <message>
        <source>Keine Unterschiede.</source>
        <translation>No differences.</translation>
    </message>
    <message>
        <source>enable</source>
        <extracomment>The setup printout prints this word in English in German too; other languages translate it.</extracomment>
        <translation>enable</translation>
    </message>
    <message>
        <source>disable</source>
        <extracomment>The setup printout prints this word in English in German too; other languages translate it.</extracomment>
        <translation>disable</translation>
    </message>
    <message>
        <source>Maximum</source>
        <extracomment>The setup printout prints this word in English in German too; other languages translate it.</extracomment>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Minimum</source>
        <extracomment>The setup printout prints this word in English in German too; other languages translate it.</extracomment>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Temp. Offset</source>
        <extracomment>The setup printout prints these words in English in German too; other languages translate them.</extracomment>
        <translation>Temp. Offset</translation>
    </message>
    <message>
        <source>fixed pH</source>
        <extracomment>The setup printout prints these words in English in German too; other languages translate them.</extracomment>
        <translation>fixed pH</translation>
    </message>
</context>
<context>
    <name>display</name>
    <message>
        <source>Die Anzeigedatei wurde nicht übernommen:</source>
        <translation>The display file was not loaded:</translation>
    </message>
    <message>
        <source>Die Anzeigedatei kann nicht geschrieben werden:</source>
        <translation>The display file cannot be written:</translation>
    </message>
    <message>
        <source>Die Anzeigedatei kann nicht gelesen werden:</source>
        <translation>The display file cannot be read:</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>keine Zeile der Form SCHLÜSSEL==Wert</source>
        <translation>not a KEY==value line</translation>
    </message>
    <message>
        <source>unbekannter Schlüssel %1</source>
        <translation>unknown key %1</translation>
    </message>
    <message>
        <source>%1 steht zum zweiten Mal in der Datei</source>
        <translation>%1 appears a second time</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine ganze Zahl von %3 bis %4</source>
        <translation>%1: &quot;%2&quot; is not a whole number from %3 to %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>%1 fehlt vor der Prüfsummenzeile</source>
        <translation>%1 is missing before the checksum line</translation>
    </message>
    <message>
        <source>die Prüfsumme stimmt nicht (Datei beschädigt oder verändert)</source>
        <translation>the checksum does not match (file damaged or changed)</translation>
    </message>
    <message>
        <source>die Prüfsummenzeile CECKSUMM fehlt</source>
        <translation>the checksum line CECKSUMM is missing</translation>
    </message>
    <message>
        <source>Text nach der Prüfsummenzeile</source>
        <translation>text after the checksum line</translation>
    </message>
    <message>
        <source>Es wurde nichts übernommen.</source>
        <translation>Nothing was applied.</translation>
    </message>
    <message>
        <source>%1: bitte eine ganze Zahl von %2 bis %3 eingeben.</source>
        <translation>%1: please enter a whole number from %2 to %3.</translation>
    </message>
    <message>
        <source>%1: bitte eine Zahl eingeben (z. B. 12,5).</source>
        <translation>%1: please enter a number (e.g. 12.5).</translation>
    </message>
    <message>
        <source>Adresse der Anzeige %1</source>
        <translation>address of display %1</translation>
    </message>
    <message>
        <source>Adresse %1 von virtuell %2</source>
        <translation>address %1 of virtual %2</translation>
    </message>
    <message>
        <source>Datenloggerintervall</source>
        <translation>data logger interval</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>brightness</translation>
    </message>
    <message>
        <source>serielles Intervall</source>
        <translation>serial interval</translation>
    </message>
    <message>
        <source>DAC%1 untere Grenze</source>
        <translation>DAC%1 lower limit</translation>
    </message>
    <message>
        <source>DAC%1 obere Grenze</source>
        <translation>DAC%1 upper limit</translation>
    </message>
    <message>
        <source>Relais%1 Grenzwert</source>
        <translation>relay %1 limit value</translation>
    </message>
    <message>
        <source>Relais%1 Hysterese</source>
        <translation>relay %1 hysterese</translation>
    </message>
    <message>
        <source>Relais0</source>
        <translation>relay 0</translation>
    </message>
    <message>
        <source>Relais1</source>
        <translation>relay 1</translation>
    </message>
    <message>
        <source>Konfiguration LCD Ausgänge</source>
        <translation>Display outputs configuration</translation>
    </message>
    <message>
        <source>DAC0 Kanal</source>
        <translation>DAC0 channel</translation>
    </message>
    <message>
        <source>DAC1 Kanal</source>
        <translation>DAC1 channel</translation>
    </message>
    <message>
        <source>untere Grenze</source>
        <translation>lower limit</translation>
    </message>
    <message>
        <source>obere Grenze</source>
        <translation>upper limit</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>output</translation>
    </message>
    <message>
        <source>Spannung</source>
        <translation>voltage</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>current</translation>
    </message>
    <message>
        <source>Stromtyp</source>
        <translation>current type</translation>
    </message>
    <message>
        <source>Grenzwert</source>
        <translation>limit value</translation>
    </message>
    <message>
        <source>Hysterese</source>
        <translation>hysterese</translation>
    </message>
    <message>
        <source>Anzeige konfigurieren</source>
        <translation>Display configuration</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Uhr stellen</source>
        <translation>Clock setup</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Konfigurieren</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Ausgänge</source>
        <translation>outputs</translation>
    </message>
    <message>
        <source>Datenlogger</source>
        <translation>data logger</translation>
    </message>
    <message>
        <source>Datenlogger freigeben</source>
        <translation>data logger</translation>
    </message>
    <message>
        <source>serielle Ausgabe freigeben</source>
        <translation>enable serial output</translation>
    </message>
    <message>
        <source>Datenloggerintervall
in Minuten (1...999)</source>
        <translation>data logger interval
in minutes (1...999)</translation>
    </message>
    <message>
        <source>serielles Intervall in
Sekunden (10...300)</source>
        <translation>serial interval in
seconds (10...300)</translation>
    </message>
    <message>
        <source>virtuell 1</source>
        <translation>virtual 1</translation>
    </message>
    <message>
        <source>virtuell 2</source>
        <translation>virtual 2</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>display</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>address</translation>
    </message>
    <message>
        <source>Messwert Typ</source>
        <translation>type of measurement</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>addition</translation>
    </message>
    <message>
        <source>Subtraktion</source>
        <translation>subtraction</translation>
    </message>
    <message>
        <source>freies Chlor</source>
        <translation>free chlorine</translation>
    </message>
    <message>
        <source>abs. Differenz</source>
        <translation>abs. difference</translation>
    </message>
    <message>
        <source>Messwert 1</source>
        <translation>meas. value 1</translation>
    </message>
    <message>
        <source>Messwert 2</source>
        <translation>meas. value 2</translation>
    </message>
    <message>
        <source>Messwert 3</source>
        <translation>meas. value 3</translation>
    </message>
    <message>
        <source>Messwert 4</source>
        <translation>meas. value 4</translation>
    </message>
    <message>
        <source>Messwert 5</source>
        <translation>meas. value 5</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>temperature</translation>
    </message>
    <message>
        <source>keine Anzeige</source>
        <translation>no display</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>position %1</translation>
    </message>
</context>
<context>
    <name>history</name>
    <message>
        <source>Kalibrierzertifikat</source>
        <translation>Calibration certificate</translation>
    </message>
    <message>
        <source>Modul %1: %2, Adresse %3, Geräteart %4, Firmware %5</source>
        <translation>Module %1: %2, address %3, kind %4, firmware %5</translation>
    </message>
    <message>
        <source>Kalibrierung: %1 (%2)</source>
        <translation>Calibration: %1 (%2)</translation>
    </message>
    <message>
        <source>mit Assistent</source>
        <translation>with the assistant</translation>
    </message>
    <message>
        <source>klassisch</source>
        <translation>classic</translation>
    </message>
    <message>
        <source>Datum: %1   Techniker: %2</source>
        <translation>Date: %1   Technician: %2</translation>
    </message>
    <message>
        <source>Programm: %1   Rechner: %2</source>
        <translation>Program: %1   Computer: %2</translation>
    </message>
    <message>
        <source>Verlaufseintrag %1, SHA-256 %2</source>
        <translation>History entry %1, SHA-256 %2</translation>
    </message>
    <message>
        <source>Messpunkte</source>
        <translation>Measuring points</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>no.</translation>
    </message>
    <message>
        <source>gemessen</source>
        <translation>captured</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>reference</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>drift</translation>
    </message>
    <message>
        <source>Rauschen</source>
        <translation>noise</translation>
    </message>
    <message>
        <source>stabil</source>
        <translation>stable</translation>
    </message>
    <message>
        <source>nach %1 s</source>
        <translation>after %1 s</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>value</translation>
    </message>
    <message>
        <source>vorher</source>
        <translation>before</translation>
    </message>
    <message>
        <source>nachher</source>
        <translation>after</translation>
    </message>
    <message>
        <source>Grenzen</source>
        <translation>limits</translation>
    </message>
    <message>
        <source>eingehalten</source>
        <translation>met</translation>
    </message>
    <message>
        <source>verletzt</source>
        <translation>broken</translation>
    </message>
    <message>
        <source>Steilheit</source>
        <translation>slope</translation>
    </message>
    <message>
        <source>Steilheit %1 % der Nernst-Steilheit, Nullpunkt %2 mV</source>
        <translation>slope %1 % of Nernst&apos;s slope, zero point %2 mV</translation>
    </message>
    <message>
        <source>Urteil: %1, %2</source>
        <translation>Verdict: %1, %2</translation>
    </message>
    <message>
        <source>plausibel</source>
        <translation>plausible</translation>
    </message>
    <message>
        <source>nicht plausibel</source>
        <translation>not plausible</translation>
    </message>
    <message>
        <source>ohne Ergebnis</source>
        <translation>no result</translation>
    </message>
    <message>
        <source>im Modul gespeichert</source>
        <translation>saved in the module</translation>
    </message>
    <message>
        <source>nicht gespeichert</source>
        <translation>not saved</translation>
    </message>
    <message>
        <source>Techniker: %1</source>
        <translation>Technician: %1</translation>
    </message>
    <message>
        <source>Datum, Unterschrift</source>
        <translation>Date, signature</translation>
    </message>
    <message>
        <source>Drift %1 %2, Rauschen %3 %4</source>
        <translation>drift %1 %2, noise %3 %4</translation>
    </message>
    <message>
        <source>stabil nach %1 s</source>
        <translation>stable after %1 s</translation>
    </message>
    <message>
        <source>nicht stabil (nach %1 s)</source>
        <translation>not stable (after %1 s)</translation>
    </message>
    <message>
        <source>automatisch übernommen</source>
        <translation>accepted automatically</translation>
    </message>
    <message>
        <source>von Hand übernommen</source>
        <translation>taken by hand</translation>
    </message>
    <message>
        <source>Puffer %1 (%2)</source>
        <translation>buffer %1 (%2)</translation>
    </message>
    <message>
        <source>Puffersatz %1</source>
        <translation>buffer set %1</translation>
    </message>
    <message>
        <source>Charge %1</source>
        <translation>lot %1</translation>
    </message>
    <message>
        <source>verwendbar bis %1</source>
        <translation>use by %1</translation>
    </message>
    <message>
        <source>%1 erreicht die Grenze voraussichtlich am %2</source>
        <translation>%1 expected to reach its limit on %2</translation>
    </message>
    <message>
        <source>%1 Ereignisse, Kette intakt</source>
        <translation>%1 events, chain intact</translation>
    </message>
    <message>
        <source>%1 Ereignisse; die Kette bricht bei Ereignis %2 (%3, %4, %5): %6</source>
        <translation>%1 events; the chain breaks at event %2 (%3, %4, %5): %6</translation>
    </message>
    <message>
        <source>sein Inhalt wurde geändert, der Hash passt nicht dazu</source>
        <translation>its content was changed: the hash does not match it</translation>
    </message>
    <message>
        <source>sein Vorgänger fehlt oder wurde geändert</source>
        <translation>its predecessor is missing or was changed</translation>
    </message>
    <message>
        <source>es steht nicht an seinem Platz (sein Vorgänger ist Ereignis %1)</source>
        <translation>it is out of order (its predecessor is event %1)</translation>
    </message>
    <message>
        <source>es gehört nicht in die Kette: sie geht an ihm vorbei zu Ereignis %1</source>
        <translation>it does not belong: the chain goes on past it to event %1</translation>
    </message>
    <message>
        <source>%1 Ereignisse; die Datei ist beschädigt (Prüfung von SQLite: %2)</source>
        <translation>%1 events; the file is damaged (SQLite&apos;s check: %2)</translation>
    </message>
    <message>
        <source>Der Verlauf wurde zurückgesetzt oder neu geschrieben: </source>
        <translation>The history was rolled back or rewritten: </translation>
    </message>
    <message>
        <source>Ereignis %1 (%2), das %3 am %4 sah (vermerkt in %5), ist nicht mehr darin</source>
        <translation>it no longer holds event %1 (%2) that %3 saw on %4 (kept in %5)</translation>
    </message>
    <message>
        <source>sein Ereignis %1 hat den Hash %2, nicht %3, den %4 am %5 sah (vermerkt in %6)</source>
        <translation>its event %1 has the hash %2, not %3 that %4 saw on %5 (kept in %6)</translation>
    </message>
    <message>
        <source>Ereignis %1 (%2), angegeben mit %3, ist nicht darin</source>
        <translation>it does not hold event %1 (%2) given with %3</translation>
    </message>
    <message>
        <source>sein Ereignis %1 hat den Hash %2, nicht %3 wie angegeben mit %4</source>
        <translation>its event %1 has the hash %2, not %3 as given with %4</translation>
    </message>
    <message>
        <source>Nicht in die Historie aufgenommen: %1.</source>
        <translation>Not recorded in the history: %1.</translation>
    </message>
    <message>
        <source>%1 (Modul %2, Adresse %3)</source>
        <translation>%1 (module %2, address %3)</translation>
    </message>
    <message>
        <source>Die Historie %1 ist von einem anderen Programm gesperrt.</source>
        <translation>The history %1 is locked by another program.</translation>
    </message>
    <message>
        <source>%1 ist keine Historie oder ist beschädigt; sie bleibt, wie sie ist.</source>
        <translation>%1 is no history or is damaged; it is left as it is.</translation>
    </message>
    <message>
        <source>%1 stammt von einer neueren Version des Programms; sie bleibt, wie sie ist.</source>
        <translation>%1 was written by a newer version of the program; it is left as it is.</translation>
    </message>
    <message>
        <source>Die Historie %1 kann nicht geöffnet werden: %2</source>
        <translation>The history %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Die Historie %1 kann nicht geschrieben werden: %2</source>
        <translation>The history %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Der nächste Vorgang versucht es wieder.</source>
        <translation>The next action tries again.</translation>
    </message>
    <message>
        <source>neues Modul: Typ %1 %2, Geräteart %3, Firmware %4</source>
        <translation>new module: type %1 %2, kind %3, firmware %4</translation>
    </message>
    <message>
        <source>Modul geändert: %1</source>
        <translation>module changed: %1</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>type</translation>
    </message>
    <message>
        <source>Geräteart</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>Kalibrierung %1: %2</source>
        <translation>calibration %1: %2</translation>
    </message>
    <message>
        <source>gespeichert</source>
        <translation>saved</translation>
    </message>
    <message>
        <source>verworfen</source>
        <translation>discarded</translation>
    </message>
    <message>
        <source>abgelehnt</source>
        <translation>refused</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>Verbindung verloren</source>
        <translation>line lost</translation>
    </message>
    <message>
        <source>bestanden</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>Konfiguration gelesen (%1 Felder)</source>
        <translation>configuration read (%1 fields)</translation>
    </message>
    <message>
        <source>Konfiguration geschrieben (%1): %2; %3</source>
        <translation>configuration written (%1): %2; %3</translation>
    </message>
    <message>
        <source>Anzeigeeinheit gelesen (%1 Felder)</source>
        <translation>display unit read (%1 fields)</translation>
    </message>
    <message>
        <source>Anzeigeeinheit geschrieben (%1): %2; %3</source>
        <translation>display unit written (%1): %2; %3</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>dialog</translation>
    </message>
    <message>
        <source>Datei %1</source>
        <translation>file %1</translation>
    </message>
    <message>
        <source>keine Änderung</source>
        <translation>nothing changed</translation>
    </message>
    <message>
        <source> und %1 weitere</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>vollständig</source>
        <translation>complete</translation>
    </message>
    <message>
        <source>unvollständig, %1 ohne Antwort</source>
        <translation>incomplete, %1 unanswered</translation>
    </message>
    <message>
        <source>Datenlogger ausgelesen: %1 von %2 Datensätzen in %3</source>
        <translation>logger read: %1 of %2 records into %3</translation>
    </message>
    <message>
        <source> (%1 bis %2)</source>
        <translation> (%1 to %2)</translation>
    </message>
    <message>
        <source>Datenlogger gelöscht</source>
        <translation>logger cleared</translation>
    </message>
    <message>
        <source>Datenlogger löschen ohne Antwort</source>
        <translation>logger clear not acknowledged</translation>
    </message>
    <message>
        <source>Uhr gestellt auf %1</source>
        <translation>clock set to %1</translation>
    </message>
    <message>
        <source> (vorher %1)</source>
        <translation> (was %1)</translation>
    </message>
    <message>
        <source> ohne Antwort</source>
        <translation> not acknowledged</translation>
    </message>
    <message>
        <source>Parametrierung: %1 Abgleichwerte geschrieben</source>
        <translation>parametrization: %1 adjustments written</translation>
    </message>
    <message>
        <source> (Anzeigeeinheit)</source>
        <translation> (display unit)</translation>
    </message>
    <message>
        <source>Messung: %1 Messzyklen</source>
        <translation>measurement: %1 cycles</translation>
    </message>
    <message>
        <source>Anzeigeeinheit: Kontrast auf %1 gestellt; %2</source>
        <translation>display unit: contrast set to %1; %2</translation>
    </message>
    <message>
        <source>Zweipunkt pH</source>
        <translation>pH two-point</translation>
    </message>
    <message>
        <source>Redox-Offset</source>
        <translation>redox offset</translation>
    </message>
    <message>
        <source>Zellkonstante</source>
        <translation>cell constant</translation>
    </message>
    <message>
        <source>Zellkonstante (4 Elektroden)</source>
        <translation>cell constant (4 electrodes)</translation>
    </message>
    <message>
        <source>Sauerstoff-Steilheit</source>
        <translation>oxygen slope</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <translation>air pressure</translation>
    </message>
    <message>
        <source>Zweipunkt ISE</source>
        <translation>ISE two-point</translation>
    </message>
    <message>
        <source>Chlor linear</source>
        <translation>chlorine linear</translation>
    </message>
    <message>
        <source>Chlor-Steilheit</source>
        <translation>chlorine slope</translation>
    </message>
    <message>
        <source>pH-Kompensation</source>
        <translation>pH compensation</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>saturation</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>Redox</source>
        <translation>redox</translation>
    </message>
    <message>
        <source>Leitfähigkeit (2 Elektroden)</source>
        <translation>conductivity (2 electrodes)</translation>
    </message>
    <message>
        <source>Leitfähigkeit (4 Elektroden)</source>
        <translation>conductivity (4 electrodes)</translation>
    </message>
    <message>
        <source>Leitfähigkeit (4 Elektroden, TDS)</source>
        <translation>conductivity (4 electrodes, TDS)</translation>
    </message>
    <message>
        <source>Leitfähigkeit 20 µS/cm</source>
        <translation>conductivity 20 µS/cm</translation>
    </message>
    <message>
        <source>Sauerstoff</source>
        <translation>oxygen</translation>
    </message>
    <message>
        <source>Sauerstoff (OPX)</source>
        <translation>oxygen (OPX)</translation>
    </message>
    <message>
        <source>Trübung</source>
        <translation>turbidity</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>linear</translation>
    </message>
    <message>
        <source>ISE</source>
        <translation>ISE</translation>
    </message>
    <message>
        <source>freies Chlor</source>
        <translation>free chlorine</translation>
    </message>
    <message>
        <source>freies Chlor mit pH</source>
        <translation>free chlorine with pH</translation>
    </message>
    <message>
        <source>Modul</source>
        <translation>module</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <translation>calibration</translation>
    </message>
    <message>
        <source>Konfiguration gelesen</source>
        <translation>configuration read</translation>
    </message>
    <message>
        <source>Konfiguration geschrieben</source>
        <translation>configuration written</translation>
    </message>
    <message>
        <source>Datenlogger ausgelesen</source>
        <translation>logger read</translation>
    </message>
    <message>
        <source>Uhr gestellt</source>
        <translation>clock set</translation>
    </message>
    <message>
        <source>Anzeigeeinheit gelesen</source>
        <translation>display unit read</translation>
    </message>
    <message>
        <source>Anzeigeeinheit geschrieben</source>
        <translation>display unit written</translation>
    </message>
    <message>
        <source>Parametrierung</source>
        <translation>parametrization</translation>
    </message>
    <message>
        <source>Messung</source>
        <translation>measurement</translation>
    </message>
    <message>
        <source>unbekannt: %1</source>
        <translation>unknown: %1</translation>
    </message>
    <message>
        <source>Punkt %1</source>
        <translation>point %1</translation>
    </message>
    <message>
        <source>gemessen %1, Referenz %2, %3 °C</source>
        <translation>captured %1, reference %2, %3 °C</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <comment>kResult</comment>
        <translation>result</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Servicebericht</source>
        <translation>Service report</translation>
    </message>
    <message>
        <source>Anlage: %1</source>
        <translation>Site: %1</translation>
    </message>
    <message>
        <source>Erstellt von: %1</source>
        <translation>Made by: %1</translation>
    </message>
    <message>
        <source>Erstellt: %1</source>
        <translation>Made: %1</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Span: %1 to %2</translation>
    </message>
    <message>
        <source>Programm: %1</source>
        <translation>Program: %1</translation>
    </message>
    <message>
        <source>Anzeigeeinheit</source>
        <translation>Display unit</translation>
    </message>
    <message>
        <source>Kein Modul antwortete an Adresse %1</source>
        <translation>No module answered at address %1</translation>
    </message>
    <message>
        <source>Wie vorgefunden und wie verlassen (* geändert)</source>
        <translation>As found and as left (* changed)</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>field</translation>
    </message>
    <message>
        <source>vorgefunden</source>
        <translation>as found</translation>
    </message>
    <message>
        <source>verlassen</source>
        <translation>as left</translation>
    </message>
    <message>
        <source>Messwerte</source>
        <translation>Live values</translation>
    </message>
    <message>
        <source>Kalibrierung %1, %2 (%3): %4</source>
        <translation>Calibration %1, %2 (%3): %4</translation>
    </message>
    <message>
        <source>Punkt %1: gemessen %2, Referenz %3, %4 °C</source>
        <translation>Point %1: captured %2, reference %3, %4 °C</translation>
    </message>
    <message>
        <source>Kalibrierwert %1</source>
        <translation>calibration value %1</translation>
    </message>
    <message>
        <source>Konfiguration geschrieben</source>
        <comment>kWrites</comment>
        <translation>Configuration written</translation>
    </message>
    <message>
        <source>Datenlogger</source>
        <translation>Logger readouts</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation>Clock settings</translation>
    </message>
    <message>
        <source>Anzeigeeinheit</source>
        <comment>kDisplayChanges</comment>
        <translation>Display unit changes</translation>
    </message>
    <message>
        <source>Weitere Vorgänge</source>
        <translation>Other actions</translation>
    </message>
    <message>
        <source>Keine Ereignisse im Zeitraum.</source>
        <translation>No events in the span.</translation>
    </message>
    <message>
        <source>Verlauf unverändert</source>
        <translation>history intact</translation>
    </message>
    <message>
        <source> (Ereignisse %1 bis %2, Kopf %3:%4 [1])</source>
        <translation> (events %1 to %2, head %3:%4 [1])</translation>
    </message>
    <message>
        <source>[1] Kopf %1: %2</source>
        <translation>[1] head %1: %2</translation>
    </message>
    <message>
        <source>Unterschrift Techniker</source>
        <translation>Technician&apos;s signature</translation>
    </message>
    <message>
        <source>Unterschrift Kunde</source>
        <translation>Customer&apos;s signature</translation>
    </message>
    <message>
        <source>Historie</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Kennung</source>
        <translation>identity</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>address</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>firmware</translation>
    </message>
    <message>
        <source>zuletzt gesehen</source>
        <translation>last seen</translation>
    </message>
    <message>
        <source>letzte Kalibrierung</source>
        <translation>last calibration</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>days</translation>
    </message>
    <message>
        <source>fällig</source>
        <translation>due</translation>
    </message>
    <message>
        <source>Tendenz</source>
        <translation>heading</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>time</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>Techniker</source>
        <translation>technician</translation>
    </message>
    <message>
        <source>Zusammenfassung</source>
        <translation>summary</translation>
    </message>
    <message>
        <source>fällig (%1 Tage)</source>
        <translation>due (%1 days)</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>never</translation>
    </message>
    <message>
        <source>Art:</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>alle</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Zeitraum:</source>
        <translation>Span:</translation>
    </message>
    <message>
        <source>alles</source>
        <translation>everything</translation>
    </message>
    <message>
        <source>heute</source>
        <translation>today</translation>
    </message>
    <message>
        <source>7 Tage</source>
        <translation>7 days</translation>
    </message>
    <message>
        <source>30 Tage</source>
        <translation>30 days</translation>
    </message>
    <message>
        <source>12 Monate</source>
        <translation>12 months</translation>
    </message>
    <message>
        <source>Kalibrierintervall:</source>
        <translation>Calibration interval:</translation>
    </message>
    <message>
        <source> Tage</source>
        <translation> days</translation>
    </message>
    <message>
        <source>Anlage:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Techniker:</source>
        <translation>Technician:</translation>
    </message>
    <message>
        <source>Exportieren…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Diagramm speichern…</source>
        <translation>Save chart…</translation>
    </message>
    <message>
        <source>Diagramm drucken…</source>
        <translation>Print chart…</translation>
    </message>
    <message>
        <source>Die Historie kann nicht geöffnet werden: %1</source>
        <translation>The history cannot be opened: %1</translation>
    </message>
    <message>
        <source>Es wird keine Historie geführt.</source>
        <translation>No history is kept.</translation>
    </message>
    <message>
        <source>%1 Ereignisse exportiert nach %2</source>
        <translation>%1 events exported to %2</translation>
    </message>
    <message>
        <source>Servicebericht geschrieben: %1</source>
        <translation>Service report written: %1</translation>
    </message>
    <message>
        <source>Zertifikat…</source>
        <translation>Certificate…</translation>
    </message>
    <message>
        <source>Kalibrierzertifikat geschrieben: %1</source>
        <translation>Calibration certificate written: %1</translation>
    </message>
    <message>
        <source>Nicht geschrieben: %1</source>
        <translation>Not written: %1</translation>
    </message>
    <message>
        <source>CSV (*.csv) | *.csv | JSON-Zeilen (*.jsonl) | *.jsonl ||</source>
        <translation>CSV (*.csv) | *.csv | JSON lines (*.jsonl) | *.jsonl ||</translation>
    </message>
    <message>
        <source>%1: plausibel</source>
        <translation>%1: plausible</translation>
    </message>
    <message>
        <source>%1: Trend</source>
        <translation>%1: trend</translation>
    </message>
    <message>
        <source>Luftdruckfaktor</source>
        <translation>air pressure factor</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <comment>the start of a certificate&apos;s file name</comment>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Historie…</source>
        <translation>History…</translation>
    </message>
    <message>
        <source>%1 Ereignisse; %2</source>
        <translation>%1 events; %2</translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>über Station %1</source>
        <translation>through station %1</translation>
    </message>
    <message>
        <source>COM %1 kann nicht geöffnet werden.</source>
        <translation>COM %1 cannot be opened.</translation>
    </message>
    <message>
        <source>%1 kann nicht geöffnet werden.</source>
        <translation>%1 cannot be opened.</translation>
    </message>
    <message>
        <source>Modul antwortete mit %1 Baud; zurück auf 4800 gestellt.</source>
        <translation>Module answered at %1 baud; set back to 4800.</translation>
    </message>
    <message>
        <source>Modul antwortete mit 4800 Baud; die Schnittstelle läuft wieder mit 4800 Baud.</source>
        <translation>Module answered at 4800 baud; the port runs at 4800 baud again.</translation>
    </message>
    <message>
        <source>Die Verbindung ging verloren, während das Modul auf %1 Baud lief: es ist womöglich noch auf dieser Rate. Der nächste Vorgang sucht es auf 4800, 19200 und 38400 Baud und stellt es auf 4800 Baud zurück.</source>
        <translation>The line was lost while the module ran at %1 baud: it may still be at that rate. The next action looks for it at 4800, 19200 and 38400 baud and sets it back to 4800 baud.</translation>
    </message>
</context>
<context>
    <name>logger</name>
    <message>
        <source>Die Uhr des Geräts kann %1-%2-%3 %4:%5:%6 nicht annehmen (Jahre 2000 bis 2255).</source>
        <translation>The device&apos;s clock cannot take %1-%2-%3 %4:%5:%6 (years 2000 to 2255).</translation>
    </message>
    <message>
        <source>%1 hinter der PC-Uhr</source>
        <translation>%1 behind the PC&apos;s clock</translation>
    </message>
    <message>
        <source>%1 vor der PC-Uhr</source>
        <translation>%1 ahead of the PC&apos;s clock</translation>
    </message>
    <message>
        <source>wie die PC-Uhr</source>
        <translation>same as the PC&apos;s clock</translation>
    </message>
    <message>
        <source>Aktuelle Uhrzeit:</source>
        <translation>Actual time:</translation>
    </message>
    <message>
        <source>Nächste Speicherung:</source>
        <translation>Next save time:</translation>
    </message>
    <message>
        <source>Datenlogger Intervall:</source>
        <extracomment>The program puts &quot;: &quot; and the value after it; German and English keep their own colon (they show &quot;::&quot;), another language may leave it out.</extracomment>
        <translation>data logging interval in minutes</translation>
    </message>
    <message>
        <source>Vorhandene Datensätze:</source>
        <extracomment>The program puts &quot;: &quot; and the value after it; German and English keep their own colon (they show &quot;::&quot;), another language may leave it out.</extracomment>
        <translation>Sets of data:</translation>
    </message>
    <message>
        <source>Datenlogger ist freigegeben.</source>
        <translation>Data logger is enable.</translation>
    </message>
    <message>
        <source>Datenlogger ist nicht freigegeben.</source>
        <translation>Data logger is disable.</translation>
    </message>
    <message>
        <source>Bitte warten, Daten werden konvertiert!</source>
        <translation>Please wait data are read!</translation>
    </message>
    <message>
        <source>Unvollständig ausgelesen: %1 von %2 Datensätzen</source>
        <translation>Read out in part: %1 of %2 data sets</translation>
    </message>
    <message>
        <source>Keine Datensätze</source>
        <translation>No data sets</translation>
    </message>
    <message>
        <source>Datenlogger ist leer.</source>
        <translation>Data logger is empty.</translation>
    </message>
    <message>
        <source>Datenlogger wirklich löschen?</source>
        <extracomment>English keeps &quot;realy&quot; byte for byte: users and tests know the question so.</extracomment>
        <translation>Data logger realy clear?</translation>
    </message>
    <message>
        <source>Die Exportdatei kann nicht geschrieben werden:</source>
        <translation>The export file cannot be written:</translation>
    </message>
    <message>
        <source>Es kamen nur %1 von %2 Datensätzen an; die Datei enthält diese.</source>
        <translation>Only %1 of %2 data sets arrived; the file holds them.</translation>
    </message>
    <message>
        <source>%1 Datensätze kamen außer Tritt an (erster Zeiger=%2).</source>
        <translation>%1 data sets arrived out of step (first pointer=%2).</translation>
    </message>
    <message>
        <source>Keine Antwort auf die Rückkehr zu 4800 Baud: das Modul ist womöglich noch auf %1 Baud.</source>
        <translation>No answer to the return to 4800 baud: the module may still be at %1 baud.</translation>
    </message>
    <message>
        <source>Gerät: %1.%2.%3 %4:%5:%6, %7</source>
        <translation>Device: %3-%2-%1 %4:%5:%6, %7</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Uhr stellen</source>
        <translation>Clock setup</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Data sets: %1</source>
        <extracomment>Shown in English in German too (as users know it); German keeps the English, other languages translate it.</extracomment>
        <translation>Data sets: %1</translation>
    </message>
    <message>
        <source>Temperatur (°C)</source>
        <translation>Temperature (°C)</translation>
    </message>
    <message>
        <source>Temperatur (°C), Modul %1</source>
        <translation>Temperature (°C), module %1</translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>The chart&apos;s time axis: English &quot;time&quot; in German too (as users know it); other languages translate it.</extracomment>
        <translation>time</translation>
    </message>
</context>
<context>
    <name>measurement</name>
    <message>
        <source>Aufzeichnungsdatei</source>
        <translation>Logging file</translation>
    </message>
    <message>
        <source>Die Aufzeichnungsdatei kann nicht angelegt werden:</source>
        <translation>The logging file cannot be created:</translation>
    </message>
    <message>
        <source>Die Aufzeichnungsdatei kann nicht wieder geöffnet werden:</source>
        <translation>The logging file cannot be opened again:</translation>
    </message>
    <message>
        <source>Keine Aufzeichnungsdatei offen - Werte werden nicht aufgezeichnet.</source>
        <translation>No logging file open - values are not being recorded.</translation>
    </message>
    <message>
        <source>Aufzeichnung fehlgeschlagen - Werte werden nicht aufgezeichnet:</source>
        <translation>Logging failed - values are not being recorded:</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Vorgang nicht erlaubt</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Datei oder Ordner nicht vorhanden</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Kein Ordner</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Ist ein Ordner</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Kein Platz mehr auf dem Gerät</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Speicherkontingent überschritten</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Nur-Lese-Dateisystem</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Gerät oder Ressource belegt</source>
        <translation>Device or resource busy</translation>
    </message>
    <message>
        <source>Gerät oder Adresse nicht vorhanden</source>
        <translation>No such device or address</translation>
    </message>
    <message>
        <source>Gerät nicht vorhanden</source>
        <translation>No such device</translation>
    </message>
    <message>
        <source>Dateiname zu lang</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Zu viele Ebenen symbolischer Links</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien im System</source>
        <translation>Too many open files in system</translation>
    </message>
    <message>
        <source>Programmdatei in Benutzung</source>
        <translation>Text file busy</translation>
    </message>
    <message>
        <source>Ungültiger Link über Gerätegrenzen</source>
        <translation>Invalid cross-device link</translation>
    </message>
    <message>
        <source>Ungültiges Argument</source>
        <translation>Invalid argument</translation>
    </message>
    <message>
        <source>%1 existiert nicht.</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>%1 verweist auf ein Gerät, das nicht vorhanden ist (ist der Adapter eingesteckt?).</source>
        <translation>%1 points to a device that is not there (is the adapter plugged in?).</translation>
    </message>
    <message>
        <source>Keine Berechtigung, %1 zu öffnen.</source>
        <translation>No permission to open %1.</translation>
    </message>
    <message>
        <source> Es gehört der Gruppe &quot;%1&quot;: nehmen Sie Ihren Benutzer in diese Gruppe auf (sudo usermod -aG %1 $USER) und melden Sie sich neu an.</source>
        <translation> It belongs to the group &quot;%1&quot;: add your user to that group (sudo usermod -aG %1 $USER) and log in again.</translation>
    </message>
    <message>
        <source>%1 ist keine serielle Schnittstelle (kein Terminal).</source>
        <translation>%1 is not a serial device (not a terminal).</translation>
    </message>
    <message>
        <source>%1 wird von einem anderen Programm benutzt.</source>
        <translation>%1 is in use by another program.</translation>
    </message>
    <message>
        <source>Über %1 kam keine Antwort vom Modul.</source>
        <translation>No answer from the module over %1.</translation>
    </message>
    <message>
        <source>%1 ist nicht mehr vorhanden.</source>
        <translation>%1 has gone away.</translation>
    </message>
    <message>
        <source>COM %1 hat auf diesem Rechner kein Gerät.</source>
        <translation>COM %1 has no device on this computer.</translation>
    </message>
    <message>
        <source>%1 Baud ist keine Geschwindigkeit der Modulleitung (4800, 19200, 38400).</source>
        <translation>%1 baud is not a rate of the module line (4800, 19200, 38400).</translation>
    </message>
    <message>
        <source>%1: die Portnummer fehlt (z. B. rfc2217://Rechner:4001).</source>
        <translation>%1: the port number is missing (e.g. rfc2217://host:4001).</translation>
    </message>
    <message>
        <source>%1: die Portnummer muss zwischen 1 und 65535 liegen.</source>
        <translation>%1: the port number must be from 1 to 65535.</translation>
    </message>
    <message>
        <source>%1: der Rechnername fehlt.</source>
        <translation>%1: the host name is missing.</translation>
    </message>
    <message>
        <source>%1: die Verbindung wurde abgelehnt (wartet dort ein Server auf diesem Port?).</source>
        <translation>%1: the connection was refused (is a server listening on that port?).</translation>
    </message>
    <message>
        <source>%1: der Rechnername ist nicht bekannt.</source>
        <translation>%1: the host name is not known.</translation>
    </message>
    <message>
        <source>%1: keine Verbindung innerhalb von 3 Sekunden (Rechner nicht erreichbar?).</source>
        <translation>%1: no connection within 3 seconds (host not reachable?).</translation>
    </message>
    <message>
        <source>%1: Netzwerkfehler.</source>
        <translation>%1: network error.</translation>
    </message>
    <message>
        <source>%1 antwortet nicht auf die Telnet-Aushandlung (für eine reine TCP-Verbindung socket:// angeben).</source>
        <translation>%1 does not answer the Telnet negotiation (for a raw TCP line give socket://).</translation>
    </message>
    <message>
        <source>%1 lehnt die Steuerung der Schnittstelle (RFC 2217) ab (für eine reine TCP-Verbindung socket:// angeben).</source>
        <translation>%1 refuses com-port control (RFC 2217) (for a raw TCP line give socket://).</translation>
    </message>
    <message>
        <source>%1 hat die Übertragungsrate nicht bestätigt.</source>
        <translation>%1 did not confirm the rate.</translation>
    </message>
    <message>
        <source>%1: statt %2 Baud hat der Server %3 Baud eingestellt.</source>
        <translation>%1: asked for %2 baud, the server set %3 baud.</translation>
    </message>
    <message>
        <source>%1: die Station %2 stellt %3 Baud nur für einen Client ein, der allein an ihrem Service-Port ist: ein anderer ist verbunden (oder ihre Leitung ist weg); die Leitung bleibt bei %4 Baud.</source>
        <translation>%1: the station %2 sets %3 baud only for a client alone on its service port: another client is connected (or its line is away); the line stays at %4 baud.</translation>
    </message>
    <message>
        <source>Die Verbindung zu %1 ist abgebrochen.</source>
        <translation>The connection to %1 was broken off.</translation>
    </message>
    <message>
        <source>Über %1 lässt sich die Übertragungsrate nicht ändern: bei socket:// stellt der Server sie fest ein. Für diesen Vorgang die Leitung als rfc2217://Rechner:Port angeben.</source>
        <translation>The rate cannot be changed over %1: with socket:// the server fixes it. For this operation give the line as rfc2217://host:port.</translation>
    </message>
    <message>
        <source>%1 verweist schon auf ein Gerät; diese Zuordnung bleibt.</source>
        <translation>%1 already links to a device; that mapping is kept.</translation>
    </message>
    <message>
        <source>Die Leitung von %1 lässt sich nicht einstellen: %2</source>
        <translation>The line of %1 cannot be set up: %2</translation>
    </message>
    <message>
        <source>%1: Ein- oder Ausgabe gestört: %2</source>
        <translation>%1: input or output failed: %2</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei (%1)</source>
        <translation>not a regular file (%1)</translation>
    </message>
    <message>
        <source>Ordner</source>
        <translation>directory</translation>
    </message>
    <message>
        <source>FIFO</source>
        <translation>FIFO</translation>
    </message>
    <message>
        <source>zeichenorientiertes Gerät</source>
        <translation>character device</translation>
    </message>
    <message>
        <source>blockorientiertes Gerät</source>
        <translation>block device</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>socket</translation>
    </message>
    <message>
        <source>Spezialdatei</source>
        <translation>special file</translation>
    </message>
    <message>
        <source>symbolischer Link auf eine fehlende Datei</source>
        <translation>symbolic link to a missing file</translation>
    </message>
    <message>
        <source>nichts geschrieben</source>
        <translation>nothing written</translation>
    </message>
    <message>
        <source>die Datei wurde gelöscht oder ersetzt</source>
        <translation>the file was deleted or replaced</translation>
    </message>
    <message>
        <source>kein freier Name für eine temporäre Datei</source>
        <translation>no temporary file name is free</translation>
    </message>
    <message>
        <source>größer als 1 MiB</source>
        <translation>larger than 1 MiB</translation>
    </message>
    <message>
        <source>dieselbe Datei wie %1</source>
        <translation>the same file as %1</translation>
    </message>
    <message>
        <source>das PDF konnte nicht erstellt werden</source>
        <translation>the PDF could not be drawn</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>In diese Datei kann nicht gedruckt werden.</source>
        <translation>Cannot print into this file.</translation>
    </message>
    <message>
        <source>Der Drucker kann nicht gestartet werden.</source>
        <translation>The printer could not be started.</translation>
    </message>
</context>
<context>
    <name>scan</name>
    <message>
        <source>Suchen</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Module suchen</source>
        <translation>Find modules</translation>
    </message>
    <message>
        <source>Adressen 0 bis 31 werden abgefragt.</source>
        <translation>Asking addresses 0 to 31.</translation>
    </message>
    <message>
        <source>Kein Modul hat geantwortet.</source>
        <translation>No module answered.</translation>
    </message>
    <message>
        <source>Suche abgebrochen.</source>
        <translation>Scan cancelled.</translation>
    </message>
    <message>
        <source>Doppelklick übernimmt die Adresse.</source>
        <translation>Double click takes the address.</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Messart</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Geräteart</source>
        <translation>Device kind</translation>
    </message>
    <message>
        <source>Kennung</source>
        <translation>Identity</translation>
    </message>
    <message>
        <source>Bus…</source>
        <translation>Bus…</translation>
    </message>
    <message>
        <source>Historie…</source>
        <translation>History…</translation>
    </message>
</context>
<context>
    <name>station</name>
    <message>
        <source>in Wartung</source>
        <translation>in service</translation>
    </message>
</context>
<context>
    <name>trace</name>
    <message>
        <source>Kommunikation</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>&amp;Kommunikation...</source>
        <translation>&amp;Communication...</translation>
    </message>
    <message>
        <source>Speichern...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Leeren</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Das Protokoll konnte nicht gespeichert werden.</source>
        <translation>The trace could not be saved.</translation>
    </message>
    <message>
        <source>Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||</source>
        <translation>Text (*.txt) | *.txt | All files (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>trend</name>
    <message>
        <source>Verlauf</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Links:</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>Rechts:</source>
        <translation>Right:</translation>
    </message>
    <message>
        <source>Zeitraum:</source>
        <translation>Span:</translation>
    </message>
    <message>
        <source>(keiner)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Kanal %1</source>
        <translation>Channel %1</translation>
    </message>
</context>
<context>
    <name>types</name>
    <message>
        <source>DIN 19266 / NIST</source>
        <translation>DIN 19266 / NIST</translation>
    </message>
    <message>
        <source>Technisch 4.01 / 7.00 / 10.01 (9.21)</source>
        <translation>Technical 4.01 / 7.00 / 10.01 (9.21)</translation>
    </message>
    <message>
        <source>DIN 19267 (technisch)</source>
        <translation>DIN 19267 (technical)</translation>
    </message>
    <message>
        <source>eigene Werte</source>
        <translation>own values</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>temperature</translation>
    </message>
    <message>
        <source>LF Wert</source>
        <translation>cond. value</translation>
    </message>
    <message>
        <source>Widerstand</source>
        <translation>resistivity</translation>
    </message>
    <message>
        <source>Salinität</source>
        <translation>salinity</translation>
    </message>
    <message>
        <source>TDS</source>
        <translation>TDS</translation>
    </message>
    <message>
        <source>Zellkonstante</source>
        <translation>cell const.</translation>
    </message>
    <message>
        <source>Temperaturkoef.</source>
        <translation>temp. coef.</translation>
    </message>
    <message>
        <source>Kabeloffset</source>
        <translation>cable offset</translation>
    </message>
    <message>
        <source>TDS Faktor</source>
        <translation>TDS factor</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>pH Wert</source>
        <translation>pH value</translation>
    </message>
    <message>
        <source>Kettenspannung</source>
        <translation>voltage</translation>
    </message>
    <message>
        <source>Asymmetrie</source>
        <translation>asymmetrie</translation>
    </message>
    <message>
        <source>Steilheit</source>
        <translation>slope</translation>
    </message>
    <message>
        <source>Redox</source>
        <translation>Redox</translation>
    </message>
    <message>
        <source>Redox Wert</source>
        <translation>Redox value</translation>
    </message>
    <message>
        <source>Redoxwert H</source>
        <translation>Redox value</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>offset</translation>
    </message>
    <message>
        <source>200µS/cm</source>
        <translation>200µS/cm</translation>
    </message>
    <message>
        <source>2000µS/cm</source>
        <translation>2000µS/cm</translation>
    </message>
    <message>
        <source>20mS/cm</source>
        <translation>20mS/cm</translation>
    </message>
    <message>
        <source>100mS/cm</source>
        <translation>100mS/cm</translation>
    </message>
    <message>
        <source>Trübung</source>
        <translation>turbitidy</translation>
    </message>
    <message>
        <source>Spannung</source>
        <translation>voltage</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>basis</translation>
    </message>
    <message>
        <source>Faktor</source>
        <translation>factor</translation>
    </message>
    <message>
        <source>Sauerstoff</source>
        <translation>oxygen</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>saturation</translation>
    </message>
    <message>
        <source>Konzentration</source>
        <translation>concentration</translation>
    </message>
    <message>
        <source>Sensorstrom</source>
        <translation>sensor current</translation>
    </message>
    <message>
        <source>Partialdruck</source>
        <translation>partial pressur</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <extracomment>English keeps &quot;air pressur&quot; byte for byte: printouts and files carry it so.</extracomment>
        <translation>air pressur</translation>
    </message>
    <message>
        <source>Anstieg</source>
        <translation>slope</translation>
    </message>
    <message>
        <source>B &lt; 20°C</source>
        <translation>B &lt; 20°C</translation>
    </message>
    <message>
        <source>B &gt; 20°C</source>
        <translation>B &gt; 20°C</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>linear</translation>
    </message>
    <message>
        <source>1V/4mA Wert</source>
        <translation>1V/4mA value</translation>
    </message>
    <message>
        <source>5V/20mA Wert</source>
        <translation>5V/20mA value</translation>
    </message>
    <message>
        <source>ISE</source>
        <translation>ISE</translation>
    </message>
    <message>
        <source>ISE Wert</source>
        <translation>ISE value</translation>
    </message>
    <message>
        <source>Messpunkt 1</source>
        <translation>meas.val.1</translation>
    </message>
    <message>
        <source>Eingabewert 1</source>
        <translation>input val. 1</translation>
    </message>
    <message>
        <source>freies Chlor</source>
        <translation>free chlorine</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>current</translation>
    </message>
    <message>
        <source>pH Kompensation</source>
        <translation>pH compensation</translation>
    </message>
    <message>
        <source>Offset Co</source>
        <translation>offset co</translation>
    </message>
    <message>
        <source>K Wert</source>
        <translation>k value</translation>
    </message>
    <message>
        <source>200µS/cm (4)</source>
        <translation>200µS/cm (4)</translation>
    </message>
    <message>
        <source>2000µS/cm (4)</source>
        <translation>2000µS/cm (4)</translation>
    </message>
    <message>
        <source>20mS/cm (4)</source>
        <translation>20mS/cm (4)</translation>
    </message>
    <message>
        <source>500mS/cm (4)</source>
        <translation>500mS/cm (4)</translation>
    </message>
    <message>
        <source>20µS/cm ZK=0.1</source>
        <translation>20µS/cm ck=0.1</translation>
    </message>
    <message>
        <source>Redox</source>
        <comment>redox</comment>
        <translation>redox</translation>
    </message>
    <message>
        <source>200µS</source>
        <translation>200µS</translation>
    </message>
    <message>
        <source>2000µS</source>
        <translation>2000µS</translation>
    </message>
    <message>
        <source>20mS</source>
        <translation>20mS</translation>
    </message>
    <message>
        <source>100mS</source>
        <translation>100mS</translation>
    </message>
    <message>
        <source>NTU</source>
        <translation>NTU</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>linear</translation>
    </message>
    <message>
        <source>frei</source>
        <translation>free</translation>
    </message>
    <message>
        <source>Chlor</source>
        <translation>chlorine</translation>
    </message>
    <message>
        <source>Anzeigemodul</source>
        <translation>display module</translation>
    </message>
    <message>
        <source>200µS (4)</source>
        <translation>200µS (4)</translation>
    </message>
    <message>
        <source>2000µS (4)</source>
        <translation>2000µS (4)</translation>
    </message>
    <message>
        <source>20mS (4)</source>
        <translation>20mS (4)</translation>
    </message>
    <message>
        <source>500mS (4)</source>
        <translation>500mS (4)</translation>
    </message>
    <message>
        <source>200µS a(4)</source>
        <translation>200µS a(4)</translation>
    </message>
    <message>
        <source>2000µS a(4)</source>
        <translation>2000µS a(4)</translation>
    </message>
    <message>
        <source>20mS a(4)</source>
        <translation>20mS a(4)</translation>
    </message>
    <message>
        <source>500mS a(4)</source>
        <translation>500mS a(4)</translation>
    </message>
    <message>
        <source>OPX Sauerstoff</source>
        <translation>OPX oxygen</translation>
    </message>
    <message>
        <source>20µS ZK=0.1</source>
        <translation>20µS ck=0.1</translation>
    </message>
    <message>
        <source>pH, zwei Punkte</source>
        <translation>pH, two points</translation>
    </message>
    <message>
        <source>Redox-Offset</source>
        <translation>redox offset</translation>
    </message>
    <message>
        <source>Zellkonstante</source>
        <comment>cell constant</comment>
        <translation>cell constant</translation>
    </message>
    <message>
        <source>Zellkonstante (4 Elektroden)</source>
        <translation>cell constant (4 electrodes)</translation>
    </message>
    <message>
        <source>Sauerstoff-Steilheit</source>
        <translation>oxygen slope</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <comment>air pressure</comment>
        <translation>air pressure</translation>
    </message>
    <message>
        <source>ISE, zwei Punkte</source>
        <translation>ISE, two points</translation>
    </message>
    <message>
        <source>Chlor, linear</source>
        <translation>chlorine, linear</translation>
    </message>
    <message>
        <source>Chlor-Steilheit</source>
        <translation>chlorine slope</translation>
    </message>
    <message>
        <source>pH-Kompensation</source>
        <translation>pH compensation</translation>
    </message>
    <message>
        <source>Sättigungsfaktor</source>
        <translation>saturation factor</translation>
    </message>
</context>
</TS>
