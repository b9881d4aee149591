<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>app</name>
    <message>
        <source>%1 Baud</source>
        <translation>%1 Baud</translation>
    </message>
    <message>
        <source>Modul %1 (%2, Adresse %3)</source>
        <translation>Modul %1 (%2, Adresse %3)</translation>
    </message>
    <message>
        <source>Kalibrierung fällig seit %1</source>
        <translation>Kalibrierung fällig seit %1</translation>
    </message>
    <message>
        <source>Kalibrierung fällig (keine in der Historie)</source>
        <translation>Kalibrierung fällig (keine in der Historie)</translation>
    </message>
    <message>
        <source>Parametrieren</source>
        <translation>Parametrieren</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Kalibrieren</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>Konfigurieren</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>Setup Messung</source>
        <translation>Setup Messung</translation>
    </message>
    <message>
        <source>Konfiguration RW8200</source>
        <translation>Konfiguration RW8200</translation>
    </message>
    <message>
        <source>Messung starten</source>
        <translation>Messung starten</translation>
    </message>
    <message>
        <source>Messung beenden</source>
        <translation>Messung beenden</translation>
    </message>
    <message>
        <source>Geräteadresse</source>
        <translation>Geräteadresse</translation>
    </message>
    <message>
        <source>kein Fehler</source>
        <translation>kein Fehler</translation>
    </message>
    <message>
        <source>Messung erst beenden!</source>
        <translation>Messung erst beenden!</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>keine Antwort seit %1:%2:%3</source>
        <translation>keine Antwort seit %1:%2:%3</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden:</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden:</translation>
    </message>
    <message>
        <source>Der Ordner für die Einstellungen kann nicht angelegt werden:</source>
        <translation>Der Ordner für die Einstellungen kann nicht angelegt werden:</translation>
    </message>
    <message>
        <source>Kalibrierassistent</source>
        <translation>Kalibrierassistent</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl ein.</source>
        <translation>Geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen 1 und 255 ein.</source>
        <translation>Geben Sie eine ganze Zahl zwischen 1 und 255 ein.</translation>
    </message>
    <message>
        <source>Kein freier Port gefunden.</source>
        <translation>Kein freier Port gefunden.</translation>
    </message>
    <message>
        <source>Freie Ports</source>
        <translation>Freie Ports</translation>
    </message>
    <message>
        <source>Netzwerk</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Aus: das Gerät der COM-Nummer</source>
        <translation>Aus: das Gerät der COM-Nummer</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Rechner</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Techniker</source>
        <translation>Techniker</translation>
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
        <translation>Bus: alle Module</translation>
    </message>
    <message>
        <source>Messung starten</source>
        <translation>Messung starten</translation>
    </message>
    <message>
        <source>Messung beenden</source>
        <translation>Messung beenden</translation>
    </message>
    <message>
        <source>Aufzeichnungsdatei…</source>
        <translation>Aufzeichnungsdatei…</translation>
    </message>
    <message>
        <source>Keine Aufzeichnung</source>
        <translation>Keine Aufzeichnung</translation>
    </message>
    <message>
        <source>Adressen</source>
        <translation>Adressen</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Messart</source>
        <translation>Messart</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Zustand</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Historie…</source>
        <translation>Historie…</translation>
    </message>
    <message>
        <source>live</source>
        <translation>live</translation>
    </message>
    <message>
        <source>wartet</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>beendet</source>
        <translation>beendet</translation>
    </message>
    <message>
        <source>fehlt seit %1</source>
        <translation>fehlt seit %1</translation>
    </message>
    <message>
        <source>Messart gewechselt (vorher %1)</source>
        <translation>Messart gewechselt (vorher %1)</translation>
    </message>
    <message>
        <source>Kein Modul antwortet mehr.</source>
        <translation>Kein Modul antwortet mehr.</translation>
    </message>
    <message>
        <source>Adresse %1 antwortet nicht (seit %2).</source>
        <translation>Adresse %1 antwortet nicht (seit %2).</translation>
    </message>
    <message>
        <source>Adresse %1 antwortet wieder.</source>
        <translation>Adresse %1 antwortet wieder.</translation>
    </message>
    <message>
        <source>Ein anderer Ablauf benutzt die Leitung.</source>
        <translation>Ein anderer Ablauf benutzt die Leitung.</translation>
    </message>
    <message>
        <source>Die Schnittstelle ist nicht geöffnet.</source>
        <translation>Die Schnittstelle ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Die Messung wurde beendet:</source>
        <translation>Die Messung wurde beendet:</translation>
    </message>
    <message>
        <source>Wert %1</source>
        <translation>Wert %1</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
</context>
<context>
    <name>calibration</name>
    <message>
        <source>korvane.conf: &quot;%1=%2&quot; ist keine Zahl von %3 bis %4; es gilt %5.</source>
        <translation>korvane.conf: &quot;%1=%2&quot; ist keine Zahl von %3 bis %4; es gilt %5.</translation>
    </message>
    <message>
        <source>korvane.conf: &quot;%1=%2&quot; ist nicht %3; es gilt %4.</source>
        <translation>korvane.conf: &quot;%1=%2&quot; ist nicht %3; es gilt %4.</translation>
    </message>
    <message>
        <source>noch %1 s, bis das Fenster von %2 s gefüllt ist</source>
        <translation>noch %1 s, bis das Fenster von %2 s gefüllt ist</translation>
    </message>
    <message>
        <source>Drift %1 über %2</source>
        <translation>Drift %1 über %2</translation>
    </message>
    <message>
        <source>Rauschen %1 über %2</source>
        <translation>Rauschen %1 über %2</translation>
    </message>
    <message>
        <source>wartet, bis der Wert die Lösung des 1. Punkts verlassen hat</source>
        <translation>wartet, bis der Wert die Lösung des 1. Punkts verlassen hat</translation>
    </message>
    <message>
        <source>stabil</source>
        <translation>stabil</translation>
    </message>
    <message>
        <source>Automatisch übernehmen</source>
        <translation>Automatisch übernehmen</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Der Sensor stellt sich nicht ein: nach %1 s nicht stabil. Der Punkt kann von Hand übernommen werden.</source>
        <translation>Der Sensor stellt sich nicht ein: nach %1 s nicht stabil. Der Punkt kann von Hand übernommen werden.</translation>
    </message>
    <message>
        <source>Der Messwert hat die Lösung des 1. Punkts nach %1 s nicht verlassen: steckt der Sensor in der 2. Lösung? Der Punkt kann von Hand übernommen werden.</source>
        <translation>Der Messwert hat die Lösung des 1. Punkts nach %1 s nicht verlassen: steckt der Sensor in der 2. Lösung? Der Punkt kann von Hand übernommen werden.</translation>
    </message>
    <message>
        <source>von Hand übernommen, nicht stabil</source>
        <translation>von Hand übernommen, nicht stabil</translation>
    </message>
    <message>
        <source>übernommen, stabil</source>
        <translation>übernommen, stabil</translation>
    </message>
    <message>
        <source>Zertifikat…</source>
        <translation>Zertifikat…</translation>
    </message>
    <message>
        <source>Puffersatz</source>
        <translation>Puffersatz</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>verwendbar bis</source>
        <translation>verwendbar bis</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Drift</translation>
    </message>
    <message>
        <source>Rauschen</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Änderung</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Steilheit %1 % der Nernst-Steilheit</source>
        <translation>Steilheit %1 % der Nernst-Steilheit</translation>
    </message>
    <message>
        <source>Nullpunkt %1 mV</source>
        <translation>Nullpunkt %1 mV</translation>
    </message>
    <message>
        <source>Ergebnis plausibel</source>
        <translation>Ergebnis plausibel</translation>
    </message>
    <message>
        <source>Kalibrierung: %1 – %2</source>
        <translation>Kalibrierung: %1 – %2</translation>
    </message>
    <message>
        <source>Puffer %1 (%2) erkannt: pH %3 bei %4 °C.</source>
        <translation>Puffer %1 (%2) erkannt: pH %3 bei %4 °C.</translation>
    </message>
    <message>
        <source>Puffer %1 erkannt, doch seine Tabelle reicht nur von %2 bis %3 °C, nicht bis %4 °C: bitte den Wert von der Flasche eingeben.</source>
        <translation>Puffer %1 erkannt, doch seine Tabelle reicht nur von %2 bis %3 °C, nicht bis %4 °C: bitte den Wert von der Flasche eingeben.</translation>
    </message>
    <message>
        <source>Puffer %1 erkannt, doch für ihn ist keine Tabelle hinterlegt: bitte den Wert eingeben.</source>
        <translation>Puffer %1 erkannt, doch für ihn ist keine Tabelle hinterlegt: bitte den Wert eingeben.</translation>
    </message>
    <message>
        <source>Kein Puffer des Satzes „%1“ passt zu %2 mV (etwa pH %3): bitte den Wert eingeben.</source>
        <translation>Kein Puffer des Satzes „%1“ passt zu %2 mV (etwa pH %3): bitte den Wert eingeben.</translation>
    </message>
    <message>
        <source>Der Satz „%1“ hat keine Puffer (korvane-buffers.conf): bitte den Wert eingeben.</source>
        <translation>Der Satz „%1“ hat keine Puffer (korvane-buffers.conf): bitte den Wert eingeben.</translation>
    </message>
    <message>
        <source>Zuletzt bei diesem Modul verwendet.</source>
        <translation>Zuletzt bei diesem Modul verwendet.</translation>
    </message>
    <message>
        <source>Vom Modul gemessen.</source>
        <translation>Vom Modul gemessen.</translation>
    </message>
    <message>
        <source>Gleicher Puffer (%1) wie beim 1. Punkt!</source>
        <translation>Gleicher Puffer (%1) wie beim 1. Punkt!</translation>
    </message>
    <message>
        <source>Gleiche Lösung wie beim 1. Punkt? Der Messwert hat sich kaum geändert.</source>
        <translation>Gleiche Lösung wie beim 1. Punkt? Der Messwert hat sich kaum geändert.</translation>
    </message>
    <message>
        <source>Das Ergebnis ist nicht plausibel. Trotzdem im Modul speichern?</source>
        <translation>Das Ergebnis ist nicht plausibel. Trotzdem im Modul speichern?</translation>
    </message>
    <message>
        <source>Beide Punkte sind gleich (Messwert oder Referenz).</source>
        <translation>Beide Punkte sind gleich (Messwert oder Referenz).</translation>
    </message>
    <message>
        <source>Der Luftdruck muss zwischen 800 und 1200 hPa liegen.</source>
        <translation>Der Luftdruck muss zwischen 800 und 1200 hPa liegen.</translation>
    </message>
    <message>
        <source>Die Werte ergeben keine Zahl; nichts kann gespeichert werden.</source>
        <translation>Die Werte ergeben keine Zahl; nichts kann gespeichert werden.</translation>
    </message>
    <message>
        <source>Gespeichert.</source>
        <translation>Gespeichert.</translation>
    </message>
    <message>
        <source>Nicht gespeichert: das Modul behält seine Werte.</source>
        <translation>Nicht gespeichert: das Modul behält seine Werte.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: das Modul behält seine Werte.</source>
        <translation>Kein Ergebnis: das Modul behält seine Werte.</translation>
    </message>
    <message>
        <source>Abgebrochen: nichts wurde geschrieben.</source>
        <translation>Abgebrochen: nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>Verbindung verloren: nichts wurde geschrieben.</source>
        <translation>Verbindung verloren: nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>%1, Zeile %2: &quot;%3&quot; %4; die Zeile wird übergangen.</source>
        <translation>%1, Zeile %2: &quot;%3&quot; %4; die Zeile wird übergangen.</translation>
    </message>
    <message>
        <source>ist kein Puffersatz (din19266, technical, din19267, own)</source>
        <translation>ist kein Puffersatz (din19266, technical, din19267, own)</translation>
    </message>
    <message>
        <source>steht vor dem ersten [Puffersatz]</source>
        <translation>steht vor dem ersten [Puffersatz]</translation>
    </message>
    <message>
        <source>ist nicht NAME: °C=pH ...</source>
        <translation>ist nicht NAME: °C=pH ...</translation>
    </message>
    <message>
        <source>hat keine steigenden Temperaturen von -10 bis 150 °C und pH-Werte von 0 bis 14</source>
        <translation>hat keine steigenden Temperaturen von -10 bis 150 °C und pH-Werte von 0 bis 14</translation>
    </message>
    <message>
        <source>Sensor in 1. Pufferlösung tauchen.</source>
        <translation>Sensor in 1. Pufferlösung tauchen.</translation>
    </message>
    <message>
        <source>Sensor in 2. Pufferlösung tauchen.</source>
        <translation>Sensor in 2. Pufferlösung tauchen.</translation>
    </message>
    <message>
        <source>Sensor in Pufferlösung tauchen.</source>
        <translation>Sensor in Pufferlösung tauchen.</translation>
    </message>
    <message>
        <source>Warten, bis der Messwert stabil ist. Dann OK drücken.</source>
        <extracomment>English keeps &quot;Than press OK button.&quot; byte for byte: users, files and tests know it so.</extracomment>
        <translation>Warten, bis der Messwert stabil ist. Dann OK drücken.</translation>
    </message>
    <message>
        <source>Aktuellen Pufferwert eingeben.</source>
        <translation>Aktuellen Pufferwert eingeben.</translation>
    </message>
    <message>
        <source>Aktuellen Luftdruck eingeben.</source>
        <translation>Aktuellen Luftdruck eingeben.</translation>
    </message>
    <message>
        <source>Kalibrierfehler!</source>
        <translation>Kalibrierfehler!</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Sauerstoff</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>Chlor</source>
        <extracomment>English keeps &quot;chlorien&quot; byte for byte: users, files and tests know it so.</extracomment>
        <translation>Chlor</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <translation>Luftdruck</translation>
    </message>
    <message>
        <source>%1 %2 außerhalb %3 … %4</source>
        <translation>%1 %2 außerhalb %3 … %4</translation>
    </message>
    <message>
        <source>Steilheit</source>
        <translation>Steilheit</translation>
    </message>
    <message>
        <source>Stabil, wenn über das Fenster:</source>
        <translation>Stabil, wenn über das Fenster:</translation>
    </message>
    <message>
        <source>seit %1 s</source>
        <translation>seit %1 s</translation>
    </message>
    <message>
        <source>vorher</source>
        <translation>vorher</translation>
    </message>
    <message>
        <source>nachher</source>
        <translation>nachher</translation>
    </message>
    <message>
        <source>Grenzen</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>Geben Sie eine Zahl ein.</source>
        <translation>Geben Sie eine Zahl ein.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Für diesen Messtyp gibt es keine Kalibrierung.</source>
        <translation>Für diesen Messtyp gibt es keine Kalibrierung.</translation>
    </message>
    <message>
        <source>--procedure %1: das Modul (%2) bietet %3.</source>
        <translation>--procedure %1: das Modul (%2) bietet %3.</translation>
    </message>
    <message>
        <source>Eingabetaste übernimmt den Punkt.</source>
        <translation>Eingabetaste übernimmt den Punkt.</translation>
    </message>
    <message>
        <source>Die Eingabe ist geschlossen: ohne --auto übernimmt nur die Eingabetaste einen Punkt. Nichts wurde geschrieben.</source>
        <translation>Die Eingabe ist geschlossen: ohne --auto übernimmt nur die Eingabetaste einen Punkt. Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>Punkt übernommen: %1 %2 (%3).</source>
        <translation>Punkt übernommen: %1 %2 (%3).</translation>
    </message>
    <message>
        <source>Kein Referenzwert für Punkt %1: --reference angeben.</source>
        <translation>Kein Referenzwert für Punkt %1: --reference angeben.</translation>
    </message>
    <message>
        <source>Referenz: %1 %2</source>
        <translation>Referenz: %1 %2</translation>
    </message>
    <message>
        <source>Im Modul speichern?</source>
        <translation>Im Modul speichern?</translation>
    </message>
    <message>
        <source> [j/N] </source>
        <translation> [j/N] </translation>
    </message>
    <message>
        <source>Nicht gespeichert (--save speichert).</source>
        <translation>Nicht gespeichert (--save speichert).</translation>
    </message>
    <message>
        <source>Die Protokolldatei kann nicht geschrieben werden:</source>
        <translation>Die Protokolldatei kann nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei kann nicht gelesen werden:</source>
        <translation>Die Einstellungsdatei kann nicht gelesen werden:</translation>
    </message>
    <message>
        <source>korvane-cli: die Historie %1 kann nicht gelesen werden: %2</source>
        <translation>korvane-cli: die Historie %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>korvane-cli: die Historie %1 kann nicht angelegt werden: %2</source>
        <translation>korvane-cli: die Historie %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Historie bereit: %1 (Schema %2, %3 Ereignisse)</source>
        <translation>Historie bereit: %1 (Schema %2, %3 Ereignisse)</translation>
    </message>
    <message>
        <source>Die Aufzeichnungsdatei kann nicht geöffnet werden:</source>
        <translation>Die Aufzeichnungsdatei kann nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>%1 Abfragen ausgelassen: die vorige Abfragekette lief noch.</source>
        <translation>%1 Abfragen ausgelassen: die vorige Abfragekette lief noch.</translation>
    </message>
    <message>
        <source>korvane-cli: kein Diagramm: es kamen keine Datensätze an</source>
        <translation>korvane-cli: kein Diagramm: es kamen keine Datensätze an</translation>
    </message>
    <message>
        <source>korvane-cli: der Servicebericht wurde nicht geschrieben: %1</source>
        <translation>korvane-cli: der Servicebericht wurde nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>Servicebericht geschrieben: %1 (Module: %2)</source>
        <translation>Servicebericht geschrieben: %1 (Module: %2)</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Fehler in der Datenkommunikation!</source>
        <translation>Fehler in der Datenkommunikation!</translation>
    </message>
    <message>
        <source>Datenübertragung</source>
        <translation>Datenübertragung</translation>
    </message>
    <message>
        <source>Datenübertragung läuft.</source>
        <translation>Datenübertragung läuft.</translation>
    </message>
    <message>
        <source>Diese Funktion ist noch nicht verfügbar.</source>
        <translation>Diese Funktion ist noch nicht verfügbar.</translation>
    </message>
    <message>
        <source>Das Modul antwortet nicht mehr.</source>
        <translation>Das Modul antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>Das Modul hat %1 Schreibbefehle nicht bestätigt: die Einstellungen sind möglicherweise nicht vollständig gespeichert.</source>
        <translation>Das Modul hat %1 Schreibbefehle nicht bestätigt: die Einstellungen sind möglicherweise nicht vollständig gespeichert.</translation>
    </message>
    <message>
        <source>Die Verbindung zum Modul ist beim Schreiben abgebrochen: die Einstellungen sind nicht vollständig gespeichert.</source>
        <translation>Die Verbindung zum Modul ist beim Schreiben abgebrochen: die Einstellungen sind nicht vollständig gespeichert.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden:</source>
        <translation>Die Datei kann nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Es wurde nichts gespeichert; eine vorhandene Datei bleibt unverändert.</source>
        <translation>Es wurde nichts gespeichert; eine vorhandene Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>configuration</name>
    <message>
        <source>Kennung</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>DAC 0 Quelle</source>
        <translation>DAC 0 Quelle</translation>
    </message>
    <message>
        <source>DAC 1 Quelle</source>
        <translation>DAC 1 Quelle</translation>
    </message>
    <message>
        <source>DAC 0 oberer Wert</source>
        <translation>DAC 0 oberer Wert</translation>
    </message>
    <message>
        <source>DAC 1 oberer Wert</source>
        <translation>DAC 1 oberer Wert</translation>
    </message>
    <message>
        <source>DAC 0 unterer Wert</source>
        <translation>DAC 0 unterer Wert</translation>
    </message>
    <message>
        <source>DAC 1 unterer Wert</source>
        <translation>DAC 1 unterer Wert</translation>
    </message>
    <message>
        <source>Ausgang Spannung/Strom</source>
        <translation>Ausgang Spannung/Strom</translation>
    </message>
    <message>
        <source>Strombereich</source>
        <translation>Strombereich</translation>
    </message>
    <message>
        <source>Relais 1 Grenzwert</source>
        <translation>Relais 1 Grenzwert</translation>
    </message>
    <message>
        <source>Relais 1 Hysterese</source>
        <translation>Relais 1 Hysterese</translation>
    </message>
    <message>
        <source>Relais 1 Grenzwerttyp</source>
        <translation>Relais 1 Grenzwerttyp</translation>
    </message>
    <message>
        <source>Relais 1 Quelle</source>
        <translation>Relais 1 Quelle</translation>
    </message>
    <message>
        <source>Relais 2 Grenzwert</source>
        <translation>Relais 2 Grenzwert</translation>
    </message>
    <message>
        <source>Relais 2 Hysterese</source>
        <translation>Relais 2 Hysterese</translation>
    </message>
    <message>
        <source>Relais 2 Grenzwerttyp</source>
        <translation>Relais 2 Grenzwerttyp</translation>
    </message>
    <message>
        <source>Relais 2 Quelle</source>
        <translation>Relais 2 Quelle</translation>
    </message>
    <message>
        <source>Kalibrierkennwert 1</source>
        <translation>Kalibrierkennwert 1</translation>
    </message>
    <message>
        <source>Kalibrierkennwert 2</source>
        <translation>Kalibrierkennwert 2</translation>
    </message>
    <message>
        <source>Feste Temperatur</source>
        <translation>Feste Temperatur</translation>
    </message>
    <message>
        <source>Feste Temperatur ein</source>
        <translation>Feste Temperatur ein</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Geräteadresse</source>
        <translation>Geräteadresse</translation>
    </message>
    <message>
        <source>Ausgänge halten beim Kalibrieren</source>
        <translation>Ausgänge halten beim Kalibrieren</translation>
    </message>
    <message>
        <source>Puffer 1</source>
        <translation>Puffer 1</translation>
    </message>
    <message>
        <source>Puffer 2</source>
        <translation>Puffer 2</translation>
    </message>
    <message>
        <source>KCl-Lösung 1</source>
        <translation>KCl-Lösung 1</translation>
    </message>
    <message>
        <source>KCl-Lösung 2</source>
        <translation>KCl-Lösung 2</translation>
    </message>
    <message>
        <source>Messwert Typ</source>
        <translation>Messwert Typ</translation>
    </message>
    <message>
        <source>Kalibrierwert 1</source>
        <translation>Kalibrierwert 1</translation>
    </message>
    <message>
        <source>Kalibrierwert 2</source>
        <translation>Kalibrierwert 2</translation>
    </message>
    <message>
        <source>Kalibrierwert 3</source>
        <translation>Kalibrierwert 3</translation>
    </message>
    <message>
        <source>Kalibrierwert 4</source>
        <translation>Kalibrierwert 4</translation>
    </message>
    <message>
        <source>Temperatur-Offset</source>
        <translation>Temperatur-Offset</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>DAC0 Kanal</source>
        <translation>DAC0 Kanal</translation>
    </message>
    <message>
        <source>DAC1 Kanal</source>
        <translation>DAC1 Kanal</translation>
    </message>
    <message>
        <source>Relaisausgang</source>
        <translation>Relaisausgang</translation>
    </message>
    <message>
        <source>obere Grenze</source>
        <translation>obere Grenze</translation>
    </message>
    <message>
        <source>untere Grenze</source>
        <translation>untere Grenze</translation>
    </message>
    <message>
        <source>Grenzwert</source>
        <translation>Grenzwert</translation>
    </message>
    <message>
        <source>Hysterese</source>
        <translation>Hysterese</translation>
    </message>
    <message>
        <source>Grenzwerttyp</source>
        <translation>Grenzwerttyp</translation>
    </message>
    <message>
        <source>Stromtyp</source>
        <translation>Stromtyp</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Spannung</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Kalibrierwerte</source>
        <translation>Kalibrierwerte</translation>
    </message>
    <message>
        <source>Kal. Taste1</source>
        <translation>Kal. Taste1</translation>
    </message>
    <message>
        <source>Kal. Taste2</source>
        <translation>Kal. Taste2</translation>
    </message>
    <message>
        <source>Festwert pH</source>
        <translation>Festwert pH</translation>
    </message>
    <message>
        <source>enable Festwert pH</source>
        <translation>enable Festwert pH</translation>
    </message>
    <message>
        <source>allgemein</source>
        <translation>allgemein</translation>
    </message>
    <message>
        <source>Messwerttyp</source>
        <translation>Messwerttyp</translation>
    </message>
    <message>
        <source>Festtemperatur</source>
        <translation>Festtemperatur</translation>
    </message>
    <message>
        <source>Hold beim Kal.</source>
        <translation>Hold beim Kal.</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Fehler!
Der Typ des angeschlossenen Verstärkers paßt nicht zur Einstellung!</source>
        <translation>Fehler!
Der Typ des angeschlossenen Verstärkers paßt nicht zur Einstellung!</translation>
    </message>
    <message>
        <source>Fehler!
Der angeschlossenen Verstärkers ist nicht aus der QX 7100 Serie!</source>
        <translation>Fehler!
Der angeschlossenen Verstärkers ist nicht aus der QX 7100 Serie!</translation>
    </message>
    <message>
        <source>Kalibrierdaten auch aktualisieren?</source>
        <translation>Kalibrierdaten auch aktualisieren?</translation>
    </message>
    <message>
        <source>Fehler in der Datendatei!</source>
        <translation>Fehler in der Datendatei!</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden:</source>
        <translation>Die Datei kann nicht gelesen werden:</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden:</source>
        <translation>Die Datei kann nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Keine gültige Zahl im Feld</source>
        <translation>Keine gültige Zahl im Feld</translation>
    </message>
    <message>
        <source>Ein Zeichen lässt sich nicht speichern (kein Windows-1252-Zeichen) im Feld</source>
        <translation>Ein Zeichen lässt sich nicht speichern (kein Windows-1252-Zeichen) im Feld</translation>
    </message>
    <message>
        <source>Ein Wert enthält das Wort &quot;CECKSUMM&quot;.</source>
        <translation>Ein Wert enthält das Wort &quot;CECKSUMM&quot;.</translation>
    </message>
    <message>
        <source>Der Ausdruck ist fehlgeschlagen, es wurde nichts gedruckt oder gespeichert.</source>
        <translation>Der Ausdruck ist fehlgeschlagen, es wurde nichts gedruckt oder gespeichert.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen 0 und 31 ein.</source>
        <translation>Geben Sie eine ganze Zahl zwischen 0 und 31 ein.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen 0 und 255 ein.</source>
        <translation>Geben Sie eine ganze Zahl zwischen 0 und 255 ein.</translation>
    </message>
    <message>
        <source>%1 kann nicht gesendet werden: &quot;%2&quot; ist keine endliche Zahl im Bereich einer Gleitkommazahl. Es wurde nichts geschrieben.</source>
        <translation>%1 kann nicht gesendet werden: &quot;%2&quot; ist keine endliche Zahl im Bereich einer Gleitkommazahl. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Schlüssel</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Vergleichen…</source>
        <translation>Vergleichen…</translation>
    </message>
    <message>
        <source>Die Werte des Dialogs vergleichen mit den Werten des Moduls (neu gelesen) oder einer Setup-Datei?</source>
        <translation>Die Werte des Dialogs vergleichen mit den Werten des Moduls (neu gelesen) oder einer Setup-Datei?</translation>
    </message>
    <message>
        <source>Modul</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Setup-Datei</source>
        <translation>Setup-Datei</translation>
    </message>
    <message>
        <source>Keine Unterschiede.</source>
        <translation>Keine Unterschiede.</translation>
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
        <translation>Die Anzeigedatei wurde nicht übernommen:</translation>
    </message>
    <message>
        <source>Die Anzeigedatei kann nicht geschrieben werden:</source>
        <translation>Die Anzeigedatei kann nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Die Anzeigedatei kann nicht gelesen werden:</source>
        <translation>Die Anzeigedatei kann nicht gelesen werden:</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>keine Zeile der Form SCHLÜSSEL==Wert</source>
        <translation>keine Zeile der Form SCHLÜSSEL==Wert</translation>
    </message>
    <message>
        <source>unbekannter Schlüssel %1</source>
        <translation>unbekannter Schlüssel %1</translation>
    </message>
    <message>
        <source>%1 steht zum zweiten Mal in der Datei</source>
        <translation>%1 steht zum zweiten Mal in der Datei</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine ganze Zahl von %3 bis %4</source>
        <translation>%1: &quot;%2&quot; ist keine ganze Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: &quot;%2&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 fehlt vor der Prüfsummenzeile</source>
        <translation>%1 fehlt vor der Prüfsummenzeile</translation>
    </message>
    <message>
        <source>die Prüfsumme stimmt nicht (Datei beschädigt oder verändert)</source>
        <translation>die Prüfsumme stimmt nicht (Datei beschädigt oder verändert)</translation>
    </message>
    <message>
        <source>die Prüfsummenzeile CECKSUMM fehlt</source>
        <translation>die Prüfsummenzeile CECKSUMM fehlt</translation>
    </message>
    <message>
        <source>Text nach der Prüfsummenzeile</source>
        <translation>Text nach der Prüfsummenzeile</translation>
    </message>
    <message>
        <source>Es wurde nichts übernommen.</source>
        <translation>Es wurde nichts übernommen.</translation>
    </message>
    <message>
        <source>%1: bitte eine ganze Zahl von %2 bis %3 eingeben.</source>
        <translation>%1: bitte eine ganze Zahl von %2 bis %3 eingeben.</translation>
    </message>
    <message>
        <source>%1: bitte eine Zahl eingeben (z. B. 12,5).</source>
        <translation>%1: bitte eine Zahl eingeben (z. B. 12,5).</translation>
    </message>
    <message>
        <source>Adresse der Anzeige %1</source>
        <translation>Adresse der Anzeige %1</translation>
    </message>
    <message>
        <source>Adresse %1 von virtuell %2</source>
        <translation>Adresse %1 von virtuell %2</translation>
    </message>
    <message>
        <source>Datenloggerintervall</source>
        <translation>Datenloggerintervall</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>serielles Intervall</source>
        <translation>serielles Intervall</translation>
    </message>
    <message>
        <source>DAC%1 untere Grenze</source>
        <translation>DAC%1 untere Grenze</translation>
    </message>
    <message>
        <source>DAC%1 obere Grenze</source>
        <translation>DAC%1 obere Grenze</translation>
    </message>
    <message>
        <source>Relais%1 Grenzwert</source>
        <translation>Relais%1 Grenzwert</translation>
    </message>
    <message>
        <source>Relais%1 Hysterese</source>
        <translation>Relais%1 Hysterese</translation>
    </message>
    <message>
        <source>Relais0</source>
        <translation>Relais0</translation>
    </message>
    <message>
        <source>Relais1</source>
        <translation>Relais1</translation>
    </message>
    <message>
        <source>Konfiguration LCD Ausgänge</source>
        <translation>Konfiguration LCD Ausgänge</translation>
    </message>
    <message>
        <source>DAC0 Kanal</source>
        <translation>DAC0 Kanal</translation>
    </message>
    <message>
        <source>DAC1 Kanal</source>
        <translation>DAC1 Kanal</translation>
    </message>
    <message>
        <source>untere Grenze</source>
        <translation>untere Grenze</translation>
    </message>
    <message>
        <source>obere Grenze</source>
        <translation>obere Grenze</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Spannung</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Stromtyp</source>
        <translation>Stromtyp</translation>
    </message>
    <message>
        <source>Grenzwert</source>
        <translation>Grenzwert</translation>
    </message>
    <message>
        <source>Hysterese</source>
        <translation>Hysterese</translation>
    </message>
    <message>
        <source>Anzeige konfigurieren</source>
        <translation>Anzeige konfigurieren</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Uhr stellen</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Konfigurieren</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>Ausgänge</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <source>Datenlogger</source>
        <translation>Datenlogger</translation>
    </message>
    <message>
        <source>Datenlogger freigeben</source>
        <translation>Datenlogger freigeben</translation>
    </message>
    <message>
        <source>serielle Ausgabe freigeben</source>
        <translation>serielle Ausgabe freigeben</translation>
    </message>
    <message>
        <source>Datenloggerintervall
in Minuten (1...999)</source>
        <translation>Datenloggerintervall
in Minuten (1...999)</translation>
    </message>
    <message>
        <source>serielles Intervall in
Sekunden (10...300)</source>
        <translation>serielles Intervall in
Sekunden (10...300)</translation>
    </message>
    <message>
        <source>virtuell 1</source>
        <translation>virtuell 1</translation>
    </message>
    <message>
        <source>virtuell 2</source>
        <translation>virtuell 2</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Messwert Typ</source>
        <translation>Messwert Typ</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraktion</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>freies Chlor</source>
        <translation>freies Chlor</translation>
    </message>
    <message>
        <source>abs. Differenz</source>
        <translation>abs. Differenz</translation>
    </message>
    <message>
        <source>Messwert 1</source>
        <translation>Messwert 1</translation>
    </message>
    <message>
        <source>Messwert 2</source>
        <translation>Messwert 2</translation>
    </message>
    <message>
        <source>Messwert 3</source>
        <translation>Messwert 3</translation>
    </message>
    <message>
        <source>Messwert 4</source>
        <translation>Messwert 4</translation>
    </message>
    <message>
        <source>Messwert 5</source>
        <translation>Messwert 5</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>keine Anzeige</source>
        <translation>keine Anzeige</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Position %1</translation>
    </message>
</context>
<context>
    <name>history</name>
    <message>
        <source>Kalibrierzertifikat</source>
        <translation>Kalibrierzertifikat</translation>
    </message>
    <message>
        <source>Modul %1: %2, Adresse %3, Geräteart %4, Firmware %5</source>
        <translation>Modul %1: %2, Adresse %3, Geräteart %4, Firmware %5</translation>
    </message>
    <message>
        <source>Kalibrierung: %1 (%2)</source>
        <translation>Kalibrierung: %1 (%2)</translation>
    </message>
    <message>
        <source>mit Assistent</source>
        <translation>mit Assistent</translation>
    </message>
    <message>
        <source>klassisch</source>
        <translation>klassisch</translation>
    </message>
    <message>
        <source>Datum: %1   Techniker: %2</source>
        <translation>Datum: %1   Techniker: %2</translation>
    </message>
    <message>
        <source>Programm: %1   Rechner: %2</source>
        <translation>Programm: %1   Rechner: %2</translation>
    </message>
    <message>
        <source>Verlaufseintrag %1, SHA-256 %2</source>
        <translation>Verlaufseintrag %1, SHA-256 %2</translation>
    </message>
    <message>
        <source>Messpunkte</source>
        <translation>Messpunkte</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>gemessen</source>
        <translation>gemessen</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Drift</translation>
    </message>
    <message>
        <source>Rauschen</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <source>stabil</source>
        <translation>stabil</translation>
    </message>
    <message>
        <source>nach %1 s</source>
        <translation>nach %1 s</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>vorher</source>
        <translation>vorher</translation>
    </message>
    <message>
        <source>nachher</source>
        <translation>nachher</translation>
    </message>
    <message>
        <source>Grenzen</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>eingehalten</source>
        <translation>eingehalten</translation>
    </message>
    <message>
        <source>verletzt</source>
        <translation>verletzt</translation>
    </message>
    <message>
        <source>Steilheit</source>
        <translation>Steilheit</translation>
    </message>
    <message>
        <source>Steilheit %1 % der Nernst-Steilheit, Nullpunkt %2 mV</source>
        <translation>Steilheit %1 % der Nernst-Steilheit, Nullpunkt %2 mV</translation>
    </message>
    <message>
        <source>Urteil: %1, %2</source>
        <translation>Urteil: %1, %2</translation>
    </message>
    <message>
        <source>plausibel</source>
        <translation>plausibel</translation>
    </message>
    <message>
        <source>nicht plausibel</source>
        <translation>nicht plausibel</translation>
    </message>
    <message>
        <source>ohne Ergebnis</source>
        <translation>ohne Ergebnis</translation>
    </message>
    <message>
        <source>im Modul gespeichert</source>
        <translation>im Modul gespeichert</translation>
    </message>
    <message>
        <source>nicht gespeichert</source>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <source>Techniker: %1</source>
        <translation>Techniker: %1</translation>
    </message>
    <message>
        <source>Datum, Unterschrift</source>
        <translation>Datum, Unterschrift</translation>
    </message>
    <message>
        <source>Drift %1 %2, Rauschen %3 %4</source>
        <translation>Drift %1 %2, Rauschen %3 %4</translation>
    </message>
    <message>
        <source>stabil nach %1 s</source>
        <translation>stabil nach %1 s</translation>
    </message>
    <message>
        <source>nicht stabil (nach %1 s)</source>
        <translation>nicht stabil (nach %1 s)</translation>
    </message>
    <message>
        <source>automatisch übernommen</source>
        <translation>automatisch übernommen</translation>
    </message>
    <message>
        <source>von Hand übernommen</source>
        <translation>von Hand übernommen</translation>
    </message>
    <message>
        <source>Puffer %1 (%2)</source>
        <translation>Puffer %1 (%2)</translation>
    </message>
    <message>
        <source>Puffersatz %1</source>
        <translation>Puffersatz %1</translation>
    </message>
    <message>
        <source>Charge %1</source>
        <translation>Charge %1</translation>
    </message>
    <message>
        <source>verwendbar bis %1</source>
        <translation>verwendbar bis %1</translation>
    </message>
    <message>
        <source>%1 erreicht die Grenze voraussichtlich am %2</source>
        <translation>%1 erreicht die Grenze voraussichtlich am %2</translation>
    </message>
    <message>
        <source>%1 Ereignisse, Kette intakt</source>
        <translation>%1 Ereignisse, Kette intakt</translation>
    </message>
    <message>
        <source>%1 Ereignisse; die Kette bricht bei Ereignis %2 (%3, %4, %5): %6</source>
        <translation>%1 Ereignisse; die Kette bricht bei Ereignis %2 (%3, %4, %5): %6</translation>
    </message>
    <message>
        <source>sein Inhalt wurde geändert, der Hash passt nicht dazu</source>
        <translation>sein Inhalt wurde geändert, der Hash passt nicht dazu</translation>
    </message>
    <message>
        <source>sein Vorgänger fehlt oder wurde geändert</source>
        <translation>sein Vorgänger fehlt oder wurde geändert</translation>
    </message>
    <message>
        <source>es steht nicht an seinem Platz (sein Vorgänger ist Ereignis %1)</source>
        <translation>es steht nicht an seinem Platz (sein Vorgänger ist Ereignis %1)</translation>
    </message>
    <message>
        <source>es gehört nicht in die Kette: sie geht an ihm vorbei zu Ereignis %1</source>
        <translation>es gehört nicht in die Kette: sie geht an ihm vorbei zu Ereignis %1</translation>
    </message>
    <message>
        <source>%1 Ereignisse; die Datei ist beschädigt (Prüfung von SQLite: %2)</source>
        <translation>%1 Ereignisse; die Datei ist beschädigt (Prüfung von SQLite: %2)</translation>
    </message>
    <message>
        <source>Der Verlauf wurde zurückgesetzt oder neu geschrieben: </source>
        <translation>Der Verlauf wurde zurückgesetzt oder neu geschrieben: </translation>
    </message>
    <message>
        <source>Ereignis %1 (%2), das %3 am %4 sah (vermerkt in %5), ist nicht mehr darin</source>
        <translation>Ereignis %1 (%2), das %3 am %4 sah (vermerkt in %5), ist nicht mehr darin</translation>
    </message>
    <message>
        <source>sein Ereignis %1 hat den Hash %2, nicht %3, den %4 am %5 sah (vermerkt in %6)</source>
        <translation>sein Ereignis %1 hat den Hash %2, nicht %3, den %4 am %5 sah (vermerkt in %6)</translation>
    </message>
    <message>
        <source>Ereignis %1 (%2), angegeben mit %3, ist nicht darin</source>
        <translation>Ereignis %1 (%2), angegeben mit %3, ist nicht darin</translation>
    </message>
    <message>
        <source>sein Ereignis %1 hat den Hash %2, nicht %3 wie angegeben mit %4</source>
        <translation>sein Ereignis %1 hat den Hash %2, nicht %3 wie angegeben mit %4</translation>
    </message>
    <message>
        <source>Nicht in die Historie aufgenommen: %1.</source>
        <translation>Nicht in die Historie aufgenommen: %1.</translation>
    </message>
    <message>
        <source>%1 (Modul %2, Adresse %3)</source>
        <translation>%1 (Modul %2, Adresse %3)</translation>
    </message>
    <message>
        <source>Die Historie %1 ist von einem anderen Programm gesperrt.</source>
        <translation>Die Historie %1 ist von einem anderen Programm gesperrt.</translation>
    </message>
    <message>
        <source>%1 ist keine Historie oder ist beschädigt; sie bleibt, wie sie ist.</source>
        <translation>%1 ist keine Historie oder ist beschädigt; sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>%1 stammt von einer neueren Version des Programms; sie bleibt, wie sie ist.</source>
        <translation>%1 stammt von einer neueren Version des Programms; sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Die Historie %1 kann nicht geöffnet werden: %2</source>
        <translation>Die Historie %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Die Historie %1 kann nicht geschrieben werden: %2</source>
        <translation>Die Historie %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Der nächste Vorgang versucht es wieder.</source>
        <translation>Der nächste Vorgang versucht es wieder.</translation>
    </message>
    <message>
        <source>neues Modul: Typ %1 %2, Geräteart %3, Firmware %4</source>
        <translation>neues Modul: Typ %1 %2, Geräteart %3, Firmware %4</translation>
    </message>
    <message>
        <source>Modul geändert: %1</source>
        <translation>Modul geändert: %1</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Geräteart</source>
        <translation>Geräteart</translation>
    </message>
    <message>
        <source>Kalibrierung %1: %2</source>
        <translation>Kalibrierung %1: %2</translation>
    </message>
    <message>
        <source>gespeichert</source>
        <translation>gespeichert</translation>
    </message>
    <message>
        <source>verworfen</source>
        <translation>verworfen</translation>
    </message>
    <message>
        <source>abgelehnt</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>Verbindung verloren</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>bestanden</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>Konfiguration gelesen (%1 Felder)</source>
        <translation>Konfiguration gelesen (%1 Felder)</translation>
    </message>
    <message>
        <source>Konfiguration geschrieben (%1): %2; %3</source>
        <translation>Konfiguration geschrieben (%1): %2; %3</translation>
    </message>
    <message>
        <source>Anzeigeeinheit gelesen (%1 Felder)</source>
        <translation>Anzeigeeinheit gelesen (%1 Felder)</translation>
    </message>
    <message>
        <source>Anzeigeeinheit geschrieben (%1): %2; %3</source>
        <translation>Anzeigeeinheit geschrieben (%1): %2; %3</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Datei %1</source>
        <translation>Datei %1</translation>
    </message>
    <message>
        <source>keine Änderung</source>
        <translation>keine Änderung</translation>
    </message>
    <message>
        <source> und %1 weitere</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>vollständig</source>
        <translation>vollständig</translation>
    </message>
    <message>
        <source>unvollständig, %1 ohne Antwort</source>
        <translation>unvollständig, %1 ohne Antwort</translation>
    </message>
    <message>
        <source>Datenlogger ausgelesen: %1 von %2 Datensätzen in %3</source>
        <translation>Datenlogger ausgelesen: %1 von %2 Datensätzen in %3</translation>
    </message>
    <message>
        <source> (%1 bis %2)</source>
        <translation> (%1 bis %2)</translation>
    </message>
    <message>
        <source>Datenlogger gelöscht</source>
        <translation>Datenlogger gelöscht</translation>
    </message>
    <message>
        <source>Datenlogger löschen ohne Antwort</source>
        <translation>Datenlogger löschen ohne Antwort</translation>
    </message>
    <message>
        <source>Uhr gestellt auf %1</source>
        <translation>Uhr gestellt auf %1</translation>
    </message>
    <message>
        <source> (vorher %1)</source>
        <translation> (vorher %1)</translation>
    </message>
    <message>
        <source> ohne Antwort</source>
        <translation> ohne Antwort</translation>
    </message>
    <message>
        <source>Parametrierung: %1 Abgleichwerte geschrieben</source>
        <translation>Parametrierung: %1 Abgleichwerte geschrieben</translation>
    </message>
    <message>
        <source> (Anzeigeeinheit)</source>
        <translation> (Anzeigeeinheit)</translation>
    </message>
    <message>
        <source>Messung: %1 Messzyklen</source>
        <translation>Messung: %1 Messzyklen</translation>
    </message>
    <message>
        <source>Anzeigeeinheit: Kontrast auf %1 gestellt; %2</source>
        <translation>Anzeigeeinheit: Kontrast auf %1 gestellt; %2</translation>
    </message>
    <message>
        <source>Zweipunkt pH</source>
        <translation>Zweipunkt pH</translation>
    </message>
    <message>
        <source>Redox-Offset</source>
        <translation>Redox-Offset</translation>
    </message>
    <message>
        <source>Zellkonstante</source>
        <translation>Zellkonstante</translation>
    </message>
    <message>
        <source>Zellkonstante (4 Elektroden)</source>
        <translation>Zellkonstante (4 Elektroden)</translation>
    </message>
    <message>
        <source>Sauerstoff-Steilheit</source>
        <translation>Sauerstoff-Steilheit</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <translation>Luftdruck</translation>
    </message>
    <message>
        <source>Zweipunkt ISE</source>
        <translation>Zweipunkt ISE</translation>
    </message>
    <message>
        <source>Chlor linear</source>
        <translation>Chlor linear</translation>
    </message>
    <message>
        <source>Chlor-Steilheit</source>
        <translation>Chlor-Steilheit</translation>
    </message>
    <message>
        <source>pH-Kompensation</source>
        <translation>pH-Kompensation</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>Redox</source>
        <translation>Redox</translation>
    </message>
    <message>
        <source>Leitfähigkeit (2 Elektroden)</source>
        <translation>Leitfähigkeit (2 Elektroden)</translation>
    </message>
    <message>
        <source>Leitfähigkeit (4 Elektroden)</source>
        <translation>Leitfähigkeit (4 Elektroden)</translation>
    </message>
    <message>
        <source>Leitfähigkeit (4 Elektroden, TDS)</source>
        <translation>Leitfähigkeit (4 Elektroden, TDS)</translation>
    </message>
    <message>
        <source>Leitfähigkeit 20 µS/cm</source>
        <translation>Leitfähigkeit 20 µS/cm</translation>
    </message>
    <message>
        <source>Sauerstoff</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>Sauerstoff (OPX)</source>
        <translation>Sauerstoff (OPX)</translation>
    </message>
    <message>
        <source>Trübung</source>
        <translation>Trübung</translation>
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
        <translation>freies Chlor</translation>
    </message>
    <message>
        <source>freies Chlor mit pH</source>
        <translation>freies Chlor mit pH</translation>
    </message>
    <message>
        <source>Modul</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Konfiguration gelesen</source>
        <translation>Konfiguration gelesen</translation>
    </message>
    <message>
        <source>Konfiguration geschrieben</source>
        <translation>Konfiguration geschrieben</translation>
    </message>
    <message>
        <source>Datenlogger ausgelesen</source>
        <translation>Datenlogger ausgelesen</translation>
    </message>
    <message>
        <source>Uhr gestellt</source>
        <translation>Uhr gestellt</translation>
    </message>
    <message>
        <source>Anzeigeeinheit gelesen</source>
        <translation>Anzeigeeinheit gelesen</translation>
    </message>
    <message>
        <source>Anzeigeeinheit geschrieben</source>
        <translation>Anzeigeeinheit geschrieben</translation>
    </message>
    <message>
        <source>Parametrierung</source>
        <translation>Parametrierung</translation>
    </message>
    <message>
        <source>Messung</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>unbekannt: %1</source>
        <translation>unbekannt: %1</translation>
    </message>
    <message>
        <source>Punkt %1</source>
        <translation>Punkt %1</translation>
    </message>
    <message>
        <source>gemessen %1, Referenz %2, %3 °C</source>
        <translation>gemessen %1, Referenz %2, %3 °C</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <comment>kResult</comment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Servicebericht</source>
        <translation>Servicebericht</translation>
    </message>
    <message>
        <source>Anlage: %1</source>
        <translation>Anlage: %1</translation>
    </message>
    <message>
        <source>Erstellt von: %1</source>
        <translation>Erstellt von: %1</translation>
    </message>
    <message>
        <source>Erstellt: %1</source>
        <translation>Erstellt: %1</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Zeitraum: %1 bis %2</translation>
    </message>
    <message>
        <source>Programm: %1</source>
        <translation>Programm: %1</translation>
    </message>
    <message>
        <source>Anzeigeeinheit</source>
        <translation>Anzeigeeinheit</translation>
    </message>
    <message>
        <source>Kein Modul antwortete an Adresse %1</source>
        <translation>Kein Modul antwortete an Adresse %1</translation>
    </message>
    <message>
        <source>Wie vorgefunden und wie verlassen (* geändert)</source>
        <translation>Wie vorgefunden und wie verlassen (* geändert)</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>vorgefunden</source>
        <translation>vorgefunden</translation>
    </message>
    <message>
        <source>verlassen</source>
        <translation>verlassen</translation>
    </message>
    <message>
        <source>Messwerte</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Kalibrierung %1, %2 (%3): %4</source>
        <translation>Kalibrierung %1, %2 (%3): %4</translation>
    </message>
    <message>
        <source>Punkt %1: gemessen %2, Referenz %3, %4 °C</source>
        <translation>Punkt %1: gemessen %2, Referenz %3, %4 °C</translation>
    </message>
    <message>
        <source>Kalibrierwert %1</source>
        <translation>Kalibrierwert %1</translation>
    </message>
    <message>
        <source>Konfiguration geschrieben</source>
        <comment>kWrites</comment>
        <translation>Konfiguration geschrieben</translation>
    </message>
    <message>
        <source>Datenlogger</source>
        <translation>Datenlogger</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Anzeigeeinheit</source>
        <comment>kDisplayChanges</comment>
        <translation>Anzeigeeinheit</translation>
    </message>
    <message>
        <source>Weitere Vorgänge</source>
        <translation>Weitere Vorgänge</translation>
    </message>
    <message>
        <source>Keine Ereignisse im Zeitraum.</source>
        <translation>Keine Ereignisse im Zeitraum.</translation>
    </message>
    <message>
        <source>Verlauf unverändert</source>
        <translation>Verlauf unverändert</translation>
    </message>
    <message>
        <source> (Ereignisse %1 bis %2, Kopf %3:%4 [1])</source>
        <translation> (Ereignisse %1 bis %2, Kopf %3:%4 [1])</translation>
    </message>
    <message>
        <source>[1] Kopf %1: %2</source>
        <translation>[1] Kopf %1: %2</translation>
    </message>
    <message>
        <source>Unterschrift Techniker</source>
        <translation>Unterschrift Techniker</translation>
    </message>
    <message>
        <source>Unterschrift Kunde</source>
        <translation>Unterschrift Kunde</translation>
    </message>
    <message>
        <source>Historie</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>Kennung</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>zuletzt gesehen</source>
        <translation>zuletzt gesehen</translation>
    </message>
    <message>
        <source>letzte Kalibrierung</source>
        <translation>letzte Kalibrierung</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>fällig</source>
        <translation>fällig</translation>
    </message>
    <message>
        <source>Tendenz</source>
        <translation>Tendenz</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Techniker</source>
        <translation>Techniker</translation>
    </message>
    <message>
        <source>Zusammenfassung</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>fällig (%1 Tage)</source>
        <translation>fällig (%1 Tage)</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Art:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>alle</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Zeitraum:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>alles</source>
        <translation>alles</translation>
    </message>
    <message>
        <source>heute</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>7 Tage</source>
        <translation>7 Tage</translation>
    </message>
    <message>
        <source>30 Tage</source>
        <translation>30 Tage</translation>
    </message>
    <message>
        <source>12 Monate</source>
        <translation>12 Monate</translation>
    </message>
    <message>
        <source>Kalibrierintervall:</source>
        <translation>Kalibrierintervall:</translation>
    </message>
    <message>
        <source> Tage</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Anlage:</source>
        <translation>Anlage:</translation>
    </message>
    <message>
        <source>Techniker:</source>
        <translation>Techniker:</translation>
    </message>
    <message>
        <source>Exportieren…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Diagramm speichern…</source>
        <translation>Diagramm speichern…</translation>
    </message>
    <message>
        <source>Diagramm drucken…</source>
        <translation>Diagramm drucken…</translation>
    </message>
    <message>
        <source>Die Historie kann nicht geöffnet werden: %1</source>
        <translation>Die Historie kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Es wird keine Historie geführt.</source>
        <translation>Es wird keine Historie geführt.</translation>
    </message>
    <message>
        <source>%1 Ereignisse exportiert nach %2</source>
        <translation>%1 Ereignisse exportiert nach %2</translation>
    </message>
    <message>
        <source>Servicebericht geschrieben: %1</source>
        <translation>Servicebericht geschrieben: %1</translation>
    </message>
    <message>
        <source>Zertifikat…</source>
        <translation>Zertifikat…</translation>
    </message>
    <message>
        <source>Kalibrierzertifikat geschrieben: %1</source>
        <translation>Kalibrierzertifikat geschrieben: %1</translation>
    </message>
    <message>
        <source>Nicht geschrieben: %1</source>
        <translation>Nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>CSV (*.csv) | *.csv | JSON-Zeilen (*.jsonl) | *.jsonl ||</source>
        <translation>CSV (*.csv) | *.csv | JSON-Zeilen (*.jsonl) | *.jsonl ||</translation>
    </message>
    <message>
        <source>%1: plausibel</source>
        <translation>%1: plausibel</translation>
    </message>
    <message>
        <source>%1: Trend</source>
        <translation>%1: Trend</translation>
    </message>
    <message>
        <source>Luftdruckfaktor</source>
        <translation>Luftdruckfaktor</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <comment>the start of a certificate&apos;s file name</comment>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Historie…</source>
        <translation>Historie…</translation>
    </message>
    <message>
        <source>%1 Ereignisse; %2</source>
        <translation>%1 Ereignisse; %2</translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>über Station %1</source>
        <translation>über Station %1</translation>
    </message>
    <message>
        <source>COM %1 kann nicht geöffnet werden.</source>
        <translation>COM %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 kann nicht geöffnet werden.</source>
        <translation>%1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Modul antwortete mit %1 Baud; zurück auf 4800 gestellt.</source>
        <translation>Modul antwortete mit %1 Baud; zurück auf 4800 gestellt.</translation>
    </message>
    <message>
        <source>Modul antwortete mit 4800 Baud; die Schnittstelle läuft wieder mit 4800 Baud.</source>
        <translation>Modul antwortete mit 4800 Baud; die Schnittstelle läuft wieder mit 4800 Baud.</translation>
    </message>
    <message>
        <source>Die Verbindung ging verloren, während das Modul auf %1 Baud lief: es ist womöglich noch auf dieser Rate. Der nächste Vorgang sucht es auf 4800, 19200 und 38400 Baud und stellt es auf 4800 Baud zurück.</source>
        <translation>Die Verbindung ging verloren, während das Modul auf %1 Baud lief: es ist womöglich noch auf dieser Rate. Der nächste Vorgang sucht es auf 4800, 19200 und 38400 Baud und stellt es auf 4800 Baud zurück.</translation>
    </message>
</context>
<context>
    <name>logger</name>
    <message>
        <source>Die Uhr des Geräts kann %1-%2-%3 %4:%5:%6 nicht annehmen (Jahre 2000 bis 2255).</source>
        <translation>Die Uhr des Geräts kann %1-%2-%3 %4:%5:%6 nicht annehmen (Jahre 2000 bis 2255).</translation>
    </message>
    <message>
        <source>%1 hinter der PC-Uhr</source>
        <translation>%1 hinter der PC-Uhr</translation>
    </message>
    <message>
        <source>%1 vor der PC-Uhr</source>
        <translation>%1 vor der PC-Uhr</translation>
    </message>
    <message>
        <source>wie die PC-Uhr</source>
        <translation>wie die PC-Uhr</translation>
    </message>
    <message>
        <source>Aktuelle Uhrzeit:</source>
        <translation>Aktuelle Uhrzeit:</translation>
    </message>
    <message>
        <source>Nächste Speicherung:</source>
        <translation>Nächste Speicherung:</translation>
    </message>
    <message>
        <source>Datenlogger Intervall:</source>
        <extracomment>The program puts &quot;: &quot; and the value after it; German and English keep their own colon (they show &quot;::&quot;), another language may leave it out.</extracomment>
        <translation>Datenlogger Intervall:</translation>
    </message>
    <message>
        <source>Vorhandene Datensätze:</source>
        <extracomment>The program puts &quot;: &quot; and the value after it; German and English keep their own colon (they show &quot;::&quot;), another language may leave it out.</extracomment>
        <translation>Vorhandene Datensätze:</translation>
    </message>
    <message>
        <source>Datenlogger ist freigegeben.</source>
        <translation>Datenlogger ist freigegeben.</translation>
    </message>
    <message>
        <source>Datenlogger ist nicht freigegeben.</source>
        <translation>Datenlogger ist nicht freigegeben.</translation>
    </message>
    <message>
        <source>Bitte warten, Daten werden konvertiert!</source>
        <translation>Bitte warten, Daten werden konvertiert!</translation>
    </message>
    <message>
        <source>Unvollständig ausgelesen: %1 von %2 Datensätzen</source>
        <translation>Unvollständig ausgelesen: %1 von %2 Datensätzen</translation>
    </message>
    <message>
        <source>Keine Datensätze</source>
        <translation>Keine Datensätze</translation>
    </message>
    <message>
        <source>Datenlogger ist leer.</source>
        <translation>Datenlogger ist leer.</translation>
    </message>
    <message>
        <source>Datenlogger wirklich löschen?</source>
        <extracomment>English keeps &quot;realy&quot; byte for byte: users and tests know the question so.</extracomment>
        <translation>Datenlogger wirklich löschen?</translation>
    </message>
    <message>
        <source>Die Exportdatei kann nicht geschrieben werden:</source>
        <translation>Die Exportdatei kann nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Es kamen nur %1 von %2 Datensätzen an; die Datei enthält diese.</source>
        <translation>Es kamen nur %1 von %2 Datensätzen an; die Datei enthält diese.</translation>
    </message>
    <message>
        <source>%1 Datensätze kamen außer Tritt an (erster Zeiger=%2).</source>
        <translation>%1 Datensätze kamen außer Tritt an (erster Zeiger=%2).</translation>
    </message>
    <message>
        <source>Keine Antwort auf die Rückkehr zu 4800 Baud: das Modul ist womöglich noch auf %1 Baud.</source>
        <translation>Keine Antwort auf die Rückkehr zu 4800 Baud: das Modul ist womöglich noch auf %1 Baud.</translation>
    </message>
    <message>
        <source>Gerät: %1.%2.%3 %4:%5:%6, %7</source>
        <translation>Gerät: %1.%2.%3 %4:%5:%6, %7</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Uhr stellen</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Data sets: %1</source>
        <extracomment>Shown in English in German too (as users know it); German keeps the English, other languages translate it.</extracomment>
        <translation>Data sets: %1</translation>
    </message>
    <message>
        <source>Temperatur (°C)</source>
        <translation>Temperatur (°C)</translation>
    </message>
    <message>
        <source>Temperatur (°C), Modul %1</source>
        <translation>Temperatur (°C), Modul %1</translation>
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
        <translation>Aufzeichnungsdatei</translation>
    </message>
    <message>
        <source>Die Aufzeichnungsdatei kann nicht angelegt werden:</source>
        <translation>Die Aufzeichnungsdatei kann nicht angelegt werden:</translation>
    </message>
    <message>
        <source>Die Aufzeichnungsdatei kann nicht wieder geöffnet werden:</source>
        <translation>Die Aufzeichnungsdatei kann nicht wieder geöffnet werden:</translation>
    </message>
    <message>
        <source>Keine Aufzeichnungsdatei offen - Werte werden nicht aufgezeichnet.</source>
        <translation>Keine Aufzeichnungsdatei offen - Werte werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>Aufzeichnung fehlgeschlagen - Werte werden nicht aufgezeichnet:</source>
        <translation>Aufzeichnung fehlgeschlagen - Werte werden nicht aufgezeichnet:</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Vorgang nicht erlaubt</source>
        <translation>Vorgang nicht erlaubt</translation>
    </message>
    <message>
        <source>Datei oder Ordner nicht vorhanden</source>
        <translation>Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>Kein Ordner</source>
        <translation>Kein Ordner</translation>
    </message>
    <message>
        <source>Ist ein Ordner</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Kein Platz mehr auf dem Gerät</source>
        <translation>Kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Speicherkontingent überschritten</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Nur-Lese-Dateisystem</source>
        <translation>Nur-Lese-Dateisystem</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Gerät oder Ressource belegt</source>
        <translation>Gerät oder Ressource belegt</translation>
    </message>
    <message>
        <source>Gerät oder Adresse nicht vorhanden</source>
        <translation>Gerät oder Adresse nicht vorhanden</translation>
    </message>
    <message>
        <source>Gerät nicht vorhanden</source>
        <translation>Gerät nicht vorhanden</translation>
    </message>
    <message>
        <source>Dateiname zu lang</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Zu viele Ebenen symbolischer Links</source>
        <translation>Zu viele Ebenen symbolischer Links</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien im System</source>
        <translation>Zu viele offene Dateien im System</translation>
    </message>
    <message>
        <source>Programmdatei in Benutzung</source>
        <translation>Programmdatei in Benutzung</translation>
    </message>
    <message>
        <source>Ungültiger Link über Gerätegrenzen</source>
        <translation>Ungültiger Link über Gerätegrenzen</translation>
    </message>
    <message>
        <source>Ungültiges Argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>%1 existiert nicht.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 verweist auf ein Gerät, das nicht vorhanden ist (ist der Adapter eingesteckt?).</source>
        <translation>%1 verweist auf ein Gerät, das nicht vorhanden ist (ist der Adapter eingesteckt?).</translation>
    </message>
    <message>
        <source>Keine Berechtigung, %1 zu öffnen.</source>
        <translation>Keine Berechtigung, %1 zu öffnen.</translation>
    </message>
    <message>
        <source> Es gehört der Gruppe &quot;%1&quot;: nehmen Sie Ihren Benutzer in diese Gruppe auf (sudo usermod -aG %1 $USER) und melden Sie sich neu an.</source>
        <translation> Es gehört der Gruppe &quot;%1&quot;: nehmen Sie Ihren Benutzer in diese Gruppe auf (sudo usermod -aG %1 $USER) und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>%1 ist keine serielle Schnittstelle (kein Terminal).</source>
        <translation>%1 ist keine serielle Schnittstelle (kein Terminal).</translation>
    </message>
    <message>
        <source>%1 wird von einem anderen Programm benutzt.</source>
        <translation>%1 wird von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>Über %1 kam keine Antwort vom Modul.</source>
        <translation>Über %1 kam keine Antwort vom Modul.</translation>
    </message>
    <message>
        <source>%1 ist nicht mehr vorhanden.</source>
        <translation>%1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>COM %1 hat auf diesem Rechner kein Gerät.</source>
        <translation>COM %1 hat auf diesem Rechner kein Gerät.</translation>
    </message>
    <message>
        <source>%1 Baud ist keine Geschwindigkeit der Modulleitung (4800, 19200, 38400).</source>
        <translation>%1 Baud ist keine Geschwindigkeit der Modulleitung (4800, 19200, 38400).</translation>
    </message>
    <message>
        <source>%1: die Portnummer fehlt (z. B. rfc2217://Rechner:4001).</source>
        <translation>%1: die Portnummer fehlt (z. B. rfc2217://Rechner:4001).</translation>
    </message>
    <message>
        <source>%1: die Portnummer muss zwischen 1 und 65535 liegen.</source>
        <translation>%1: die Portnummer muss zwischen 1 und 65535 liegen.</translation>
    </message>
    <message>
        <source>%1: der Rechnername fehlt.</source>
        <translation>%1: der Rechnername fehlt.</translation>
    </message>
    <message>
        <source>%1: die Verbindung wurde abgelehnt (wartet dort ein Server auf diesem Port?).</source>
        <translation>%1: die Verbindung wurde abgelehnt (wartet dort ein Server auf diesem Port?).</translation>
    </message>
    <message>
        <source>%1: der Rechnername ist nicht bekannt.</source>
        <translation>%1: der Rechnername ist nicht bekannt.</translation>
    </message>
    <message>
        <source>%1: keine Verbindung innerhalb von 3 Sekunden (Rechner nicht erreichbar?).</source>
        <translation>%1: keine Verbindung innerhalb von 3 Sekunden (Rechner nicht erreichbar?).</translation>
    </message>
    <message>
        <source>%1: Netzwerkfehler.</source>
        <translation>%1: Netzwerkfehler.</translation>
    </message>
    <message>
        <source>%1 antwortet nicht auf die Telnet-Aushandlung (für eine reine TCP-Verbindung socket:// angeben).</source>
        <translation>%1 antwortet nicht auf die Telnet-Aushandlung (für eine reine TCP-Verbindung socket:// angeben).</translation>
    </message>
    <message>
        <source>%1 lehnt die Steuerung der Schnittstelle (RFC 2217) ab (für eine reine TCP-Verbindung socket:// angeben).</source>
        <translation>%1 lehnt die Steuerung der Schnittstelle (RFC 2217) ab (für eine reine TCP-Verbindung socket:// angeben).</translation>
    </message>
    <message>
        <source>%1 hat die Übertragungsrate nicht bestätigt.</source>
        <translation>%1 hat die Übertragungsrate nicht bestätigt.</translation>
    </message>
    <message>
        <source>%1: statt %2 Baud hat der Server %3 Baud eingestellt.</source>
        <translation>%1: statt %2 Baud hat der Server %3 Baud eingestellt.</translation>
    </message>
    <message>
        <source>%1: die Station %2 stellt %3 Baud nur für einen Client ein, der allein an ihrem Service-Port ist: ein anderer ist verbunden (oder ihre Leitung ist weg); die Leitung bleibt bei %4 Baud.</source>
        <translation>%1: die Station %2 stellt %3 Baud nur für einen Client ein, der allein an ihrem Service-Port ist: ein anderer ist verbunden (oder ihre Leitung ist weg); die Leitung bleibt bei %4 Baud.</translation>
    </message>
    <message>
        <source>Die Verbindung zu %1 ist abgebrochen.</source>
        <translation>Die Verbindung zu %1 ist abgebrochen.</translation>
    </message>
    <message>
        <source>Über %1 lässt sich die Übertragungsrate nicht ändern: bei socket:// stellt der Server sie fest ein. Für diesen Vorgang die Leitung als rfc2217://Rechner:Port angeben.</source>
        <translation>Über %1 lässt sich die Übertragungsrate nicht ändern: bei socket:// stellt der Server sie fest ein. Für diesen Vorgang die Leitung als rfc2217://Rechner:Port angeben.</translation>
    </message>
    <message>
        <source>%1 verweist schon auf ein Gerät; diese Zuordnung bleibt.</source>
        <translation>%1 verweist schon auf ein Gerät; diese Zuordnung bleibt.</translation>
    </message>
    <message>
        <source>Die Leitung von %1 lässt sich nicht einstellen: %2</source>
        <translation>Die Leitung von %1 lässt sich nicht einstellen: %2</translation>
    </message>
    <message>
        <source>%1: Ein- oder Ausgabe gestört: %2</source>
        <translation>%1: Ein- oder Ausgabe gestört: %2</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei (%1)</source>
        <translation>keine gewöhnliche Datei (%1)</translation>
    </message>
    <message>
        <source>Ordner</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>FIFO</source>
        <translation>FIFO</translation>
    </message>
    <message>
        <source>zeichenorientiertes Gerät</source>
        <translation>zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>blockorientiertes Gerät</source>
        <translation>blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Socket</translation>
    </message>
    <message>
        <source>Spezialdatei</source>
        <translation>Spezialdatei</translation>
    </message>
    <message>
        <source>symbolischer Link auf eine fehlende Datei</source>
        <translation>symbolischer Link auf eine fehlende Datei</translation>
    </message>
    <message>
        <source>nichts geschrieben</source>
        <translation>nichts geschrieben</translation>
    </message>
    <message>
        <source>die Datei wurde gelöscht oder ersetzt</source>
        <translation>die Datei wurde gelöscht oder ersetzt</translation>
    </message>
    <message>
        <source>kein freier Name für eine temporäre Datei</source>
        <translation>kein freier Name für eine temporäre Datei</translation>
    </message>
    <message>
        <source>größer als 1 MiB</source>
        <translation>größer als 1 MiB</translation>
    </message>
    <message>
        <source>dieselbe Datei wie %1</source>
        <translation>dieselbe Datei wie %1</translation>
    </message>
    <message>
        <source>das PDF konnte nicht erstellt werden</source>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>Systemfehler %1</translation>
    </message>
    <message>
        <source>In diese Datei kann nicht gedruckt werden.</source>
        <translation>In diese Datei kann nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Der Drucker kann nicht gestartet werden.</source>
        <translation>Der Drucker kann nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>scan</name>
    <message>
        <source>Suchen</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Module suchen</source>
        <translation>Module suchen</translation>
    </message>
    <message>
        <source>Adressen 0 bis 31 werden abgefragt.</source>
        <translation>Adressen 0 bis 31 werden abgefragt.</translation>
    </message>
    <message>
        <source>Kein Modul hat geantwortet.</source>
        <translation>Kein Modul hat geantwortet.</translation>
    </message>
    <message>
        <source>Suche abgebrochen.</source>
        <translation>Suche abgebrochen.</translation>
    </message>
    <message>
        <source>Doppelklick übernimmt die Adresse.</source>
        <translation>Doppelklick übernimmt die Adresse.</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Messart</source>
        <translation>Messart</translation>
    </message>
    <message>
        <source>Geräteart</source>
        <translation>Geräteart</translation>
    </message>
    <message>
        <source>Kennung</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Bus…</source>
        <translation>Bus…</translation>
    </message>
    <message>
        <source>Historie…</source>
        <translation>Historie…</translation>
    </message>
</context>
<context>
    <name>station</name>
    <message>
        <source>in Wartung</source>
        <translation>in Wartung</translation>
    </message>
</context>
<context>
    <name>trace</name>
    <message>
        <source>Kommunikation</source>
        <translation>Kommunikation</translation>
    </message>
    <message>
        <source>&amp;Kommunikation...</source>
        <translation>&amp;Kommunikation...</translation>
    </message>
    <message>
        <source>Speichern...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Leeren</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Das Protokoll konnte nicht gespeichert werden.</source>
        <translation>Das Protokoll konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||</source>
        <translation>Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>trend</name>
    <message>
        <source>Verlauf</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Links:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Rechts:</source>
        <translation>Rechts:</translation>
    </message>
    <message>
        <source>Zeitraum:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>(keiner)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Kanal %1</source>
        <translation>Kanal %1</translation>
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
        <translation>Technisch 4.01 / 7.00 / 10.01 (9.21)</translation>
    </message>
    <message>
        <source>DIN 19267 (technisch)</source>
        <translation>DIN 19267 (technisch)</translation>
    </message>
    <message>
        <source>eigene Werte</source>
        <translation>eigene Werte</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>LF Wert</source>
        <translation>LF Wert</translation>
    </message>
    <message>
        <source>Widerstand</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>Salinität</source>
        <translation>Salinität</translation>
    </message>
    <message>
        <source>TDS</source>
        <translation>TDS</translation>
    </message>
    <message>
        <source>Zellkonstante</source>
        <translation>Zellkonstante</translation>
    </message>
    <message>
        <source>Temperaturkoef.</source>
        <translation>Temperaturkoef.</translation>
    </message>
    <message>
        <source>Kabeloffset</source>
        <translation>Kabeloffset</translation>
    </message>
    <message>
        <source>TDS Faktor</source>
        <translation>TDS Faktor</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>pH Wert</source>
        <translation>pH Wert</translation>
    </message>
    <message>
        <source>Kettenspannung</source>
        <translation>Kettenspannung</translation>
    </message>
    <message>
        <source>Asymmetrie</source>
        <translation>Asymmetrie</translation>
    </message>
    <message>
        <source>Steilheit</source>
        <translation>Steilheit</translation>
    </message>
    <message>
        <source>Redox</source>
        <translation>Redox</translation>
    </message>
    <message>
        <source>Redox Wert</source>
        <translation>Redox Wert</translation>
    </message>
    <message>
        <source>Redoxwert H</source>
        <translation>Redoxwert H</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
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
        <translation>Trübung</translation>
    </message>
    <message>
        <source>Spannung</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Faktor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Sauerstoff</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Konzentration</source>
        <translation>Konzentration</translation>
    </message>
    <message>
        <source>Sensorstrom</source>
        <translation>Sensorstrom</translation>
    </message>
    <message>
        <source>Partialdruck</source>
        <translation>Partialdruck</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <extracomment>English keeps &quot;air pressur&quot; byte for byte: printouts and files carry it so.</extracomment>
        <translation>Luftdruck</translation>
    </message>
    <message>
        <source>Anstieg</source>
        <translation>Anstieg</translation>
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
        <translation>1V/4mA Wert</translation>
    </message>
    <message>
        <source>5V/20mA Wert</source>
        <translation>5V/20mA Wert</translation>
    </message>
    <message>
        <source>ISE</source>
        <translation>ISE</translation>
    </message>
    <message>
        <source>ISE Wert</source>
        <translation>ISE Wert</translation>
    </message>
    <message>
        <source>Messpunkt 1</source>
        <translation>Messpunkt 1</translation>
    </message>
    <message>
        <source>Eingabewert 1</source>
        <translation>Eingabewert 1</translation>
    </message>
    <message>
        <source>freies Chlor</source>
        <translation>freies Chlor</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>pH Kompensation</source>
        <translation>pH Kompensation</translation>
    </message>
    <message>
        <source>Offset Co</source>
        <translation>Offset Co</translation>
    </message>
    <message>
        <source>K Wert</source>
        <translation>K Wert</translation>
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
        <translation>20µS/cm ZK=0.1</translation>
    </message>
    <message>
        <source>Redox</source>
        <comment>redox</comment>
        <translation>Redox</translation>
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
        <translation>Linear</translation>
    </message>
    <message>
        <source>frei</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>Chlor</source>
        <translation>Chlor</translation>
    </message>
    <message>
        <source>Anzeigemodul</source>
        <translation>Anzeigemodul</translation>
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
        <translation>OPX Sauerstoff</translation>
    </message>
    <message>
        <source>20µS ZK=0.1</source>
        <translation>20µS ZK=0.1</translation>
    </message>
    <message>
        <source>pH, zwei Punkte</source>
        <translation>pH, zwei Punkte</translation>
    </message>
    <message>
        <source>Redox-Offset</source>
        <translation>Redox-Offset</translation>
    </message>
    <message>
        <source>Zellkonstante</source>
        <comment>cell constant</comment>
        <translation>Zellkonstante</translation>
    </message>
    <message>
        <source>Zellkonstante (4 Elektroden)</source>
        <translation>Zellkonstante (4 Elektroden)</translation>
    </message>
    <message>
        <source>Sauerstoff-Steilheit</source>
        <translation>Sauerstoff-Steilheit</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <comment>air pressure</comment>
        <translation>Luftdruck</translation>
    </message>
    <message>
        <source>ISE, zwei Punkte</source>
        <translation>ISE, zwei Punkte</translation>
    </message>
    <message>
        <source>Chlor, linear</source>
        <translation>Chlor, linear</translation>
    </message>
    <message>
        <source>Chlor-Steilheit</source>
        <translation>Chlor-Steilheit</translation>
    </message>
    <message>
        <source>pH-Kompensation</source>
        <translation>pH-Kompensation</translation>
    </message>
    <message>
        <source>Sättigungsfaktor</source>
        <translation>Sättigungsfaktor</translation>
    </message>
</context>
</TS>
