<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="de_DE">
<context>
    <name>app</name>
    <message>
        <source>%1 Baud</source>
        <translation>%1 bauds</translation>
    </message>
    <message>
        <source>Modul %1 (%2, Adresse %3)</source>
        <translation>Module %1 (%2, adresse %3)</translation>
    </message>
    <message>
        <source>Kalibrierung fällig seit %1</source>
        <translation>Étalonnage dû depuis le %1</translation>
    </message>
    <message>
        <source>Kalibrierung fällig (keine in der Historie)</source>
        <translation>Étalonnage dû (aucun dans l&apos;historique)</translation>
    </message>
    <message>
        <source>Parametrieren</source>
        <translation>Paramétrage</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Kalibrieren</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Konfigurieren</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Setup Messung</source>
        <translation>Réglages de mesure</translation>
    </message>
    <message>
        <source>Konfiguration RW8200</source>
        <translation>Configuration RW8200</translation>
    </message>
    <message>
        <source>Messung starten</source>
        <translation>Démarrer la mesure</translation>
    </message>
    <message>
        <source>Messung beenden</source>
        <translation>Arrêter la mesure</translation>
    </message>
    <message>
        <source>Geräteadresse</source>
        <translation>Adresse de l&apos;appareil</translation>
    </message>
    <message>
        <source>kein Fehler</source>
        <translation>aucune erreur</translation>
    </message>
    <message>
        <source>Messung erst beenden!</source>
        <translation>Arrêtez d&apos;abord la mesure&#xa0;!</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>keine Antwort seit %1:%2:%3</source>
        <translation>pas de réponse depuis %1:%2:%3</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden:</source>
        <translation>Impossible d&apos;enregistrer les réglages&#xa0;:</translation>
    </message>
    <message>
        <source>Der Ordner für die Einstellungen kann nicht angelegt werden:</source>
        <translation>Impossible de créer le dossier des réglages&#xa0;:</translation>
    </message>
    <message>
        <source>Kalibrierassistent</source>
        <translation>Assistant d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl ein.</source>
        <translation>Saisissez un nombre entier.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen 1 und 255 ein.</source>
        <translation>Saisissez un nombre entier entre 1 et 255.</translation>
    </message>
    <message>
        <source>Kein freier Port gefunden.</source>
        <translation>Aucun port libre trouvé.</translation>
    </message>
    <message>
        <source>Freie Ports</source>
        <translation>Ports libres</translation>
    </message>
    <message>
        <source>Netzwerk</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Aus: das Gerät der COM-Nummer</source>
        <translation>Désactivé&#xa0;: l&apos;appareil du numéro COM</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Protocole</translation>
    </message>
    <message>
        <source>Rechner</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Débit (bauds)</translation>
    </message>
    <message>
        <source>Techniker</source>
        <translation>Technicien</translation>
    </message>
    <message>
        <source>Status Info</source>
        <translation>Infos d&apos;état</translation>
    </message>
    <message>
        <source>Info über Korvane</source>
        <translation>À propos de Korvane</translation>
    </message>
    <message>
        <source>Inf&amp;o über Korvane...</source>
        <translation>À pr&amp;opos de Korvane...</translation>
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
        <translation>Bus&#xa0;: tous les modules</translation>
    </message>
    <message>
        <source>Messung starten</source>
        <translation>Démarrer la mesure</translation>
    </message>
    <message>
        <source>Messung beenden</source>
        <translation>Arrêter la mesure</translation>
    </message>
    <message>
        <source>Aufzeichnungsdatei…</source>
        <translation>Fichier d&apos;enregistrement…</translation>
    </message>
    <message>
        <source>Keine Aufzeichnung</source>
        <translation>Pas d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Adressen</source>
        <translation>Adresses</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Messart</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Zustand</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Historie…</source>
        <translation>Historique…</translation>
    </message>
    <message>
        <source>live</source>
        <translation>en direct</translation>
    </message>
    <message>
        <source>wartet</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>beendet</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>fehlt seit %1</source>
        <translation>absent depuis %1</translation>
    </message>
    <message>
        <source>Messart gewechselt (vorher %1)</source>
        <translation>Type changé (avant&#xa0;: %1)</translation>
    </message>
    <message>
        <source>Kein Modul antwortet mehr.</source>
        <translation>Plus aucun module ne répond.</translation>
    </message>
    <message>
        <source>Adresse %1 antwortet nicht (seit %2).</source>
        <translation>L&apos;adresse %1 ne répond pas (depuis %2).</translation>
    </message>
    <message>
        <source>Adresse %1 antwortet wieder.</source>
        <translation>L&apos;adresse %1 répond de nouveau.</translation>
    </message>
    <message>
        <source>Ein anderer Ablauf benutzt die Leitung.</source>
        <translation>Une autre opération utilise la ligne.</translation>
    </message>
    <message>
        <source>Die Schnittstelle ist nicht geöffnet.</source>
        <translation>Le port série n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>Die Messung wurde beendet:</source>
        <translation>La mesure s&apos;est arrêtée&#xa0;:</translation>
    </message>
    <message>
        <source>Wert %1</source>
        <translation>Valeur %1</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Température</translation>
    </message>
</context>
<context>
    <name>calibration</name>
    <message>
        <source>korvane.conf: &quot;%1=%2&quot; ist keine Zahl von %3 bis %4; es gilt %5.</source>
        <translation>korvane.conf: «&#xa0;%1=%2&#xa0;» n&apos;est pas un nombre de %3 à %4&#xa0;; la valeur %5 est utilisée.</translation>
    </message>
    <message>
        <source>korvane.conf: &quot;%1=%2&quot; ist nicht %3; es gilt %4.</source>
        <translation>korvane.conf: «&#xa0;%1=%2&#xa0;» n&apos;est pas %3&#xa0;; la valeur %4 est utilisée.</translation>
    </message>
    <message>
        <source>noch %1 s, bis das Fenster von %2 s gefüllt ist</source>
        <translation>encore %1 s avant que la fenêtre de %2 s soit remplie</translation>
    </message>
    <message>
        <source>Drift %1 über %2</source>
        <translation>dérive %1 au-dessus de %2</translation>
    </message>
    <message>
        <source>Rauschen %1 über %2</source>
        <translation>bruit %1 au-dessus de %2</translation>
    </message>
    <message>
        <source>wartet, bis der Wert die Lösung des 1. Punkts verlassen hat</source>
        <translation>attente que la valeur quitte la solution du 1er point</translation>
    </message>
    <message>
        <source>stabil</source>
        <translation>stable</translation>
    </message>
    <message>
        <source>Automatisch übernehmen</source>
        <translation>Valider automatiquement</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Der Sensor stellt sich nicht ein: nach %1 s nicht stabil. Der Punkt kann von Hand übernommen werden.</source>
        <translation>Le capteur ne se stabilise pas&#xa0;: toujours instable après %1 s. Le point peut être validé manuellement.</translation>
    </message>
    <message>
        <source>Der Messwert hat die Lösung des 1. Punkts nach %1 s nicht verlassen: steckt der Sensor in der 2. Lösung? Der Punkt kann von Hand übernommen werden.</source>
        <translation>La valeur mesurée n&apos;a pas quitté la solution du 1er point après %1 s&#xa0;: le capteur est-il dans la 2e solution&#xa0;? Le point peut être validé manuellement.</translation>
    </message>
    <message>
        <source>von Hand übernommen, nicht stabil</source>
        <translation>validé manuellement, instable</translation>
    </message>
    <message>
        <source>übernommen, stabil</source>
        <translation>validé, stable</translation>
    </message>
    <message>
        <source>Zertifikat…</source>
        <translation>Certificat…</translation>
    </message>
    <message>
        <source>Puffersatz</source>
        <translation>Jeu de tampons</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>verwendbar bis</source>
        <translation>Péremption</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Dérive</translation>
    </message>
    <message>
        <source>Rauschen</source>
        <translation>Bruit</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Änderung</source>
        <translation>variation</translation>
    </message>
    <message>
        <source>Steilheit %1 % der Nernst-Steilheit</source>
        <translation>Pente %1&#xa0;% de la pente de Nernst</translation>
    </message>
    <message>
        <source>Nullpunkt %1 mV</source>
        <translation>Point zéro %1 mV</translation>
    </message>
    <message>
        <source>Ergebnis plausibel</source>
        <translation>Résultat plausible</translation>
    </message>
    <message>
        <source>Kalibrierung: %1 – %2</source>
        <translation>Étalonnage&#xa0;: %1 – %2</translation>
    </message>
    <message>
        <source>Puffer %1 (%2) erkannt: pH %3 bei %4 °C.</source>
        <translation>Tampon %1 (%2) reconnu&#xa0;: pH %3 à %4 °C.</translation>
    </message>
    <message>
        <source>Puffer %1 erkannt, doch seine Tabelle reicht nur von %2 bis %3 °C, nicht bis %4 °C: bitte den Wert von der Flasche eingeben.</source>
        <translation>Tampon %1 reconnu, mais sa table ne couvre que %2 à %3 °C, pas %4 °C&#xa0;: veuillez saisir la valeur indiquée sur le flacon.</translation>
    </message>
    <message>
        <source>Puffer %1 erkannt, doch für ihn ist keine Tabelle hinterlegt: bitte den Wert eingeben.</source>
        <translation>Tampon %1 reconnu, mais aucune table n&apos;est enregistrée pour lui&#xa0;: veuillez saisir la valeur.</translation>
    </message>
    <message>
        <source>Kein Puffer des Satzes „%1“ passt zu %2 mV (etwa pH %3): bitte den Wert eingeben.</source>
        <translation>Aucun tampon du jeu «&#xa0;%1&#xa0;» ne correspond à %2 mV (environ pH %3)&#xa0;: veuillez saisir la valeur.</translation>
    </message>
    <message>
        <source>Der Satz „%1“ hat keine Puffer (korvane-buffers.conf): bitte den Wert eingeben.</source>
        <translation>Le jeu «&#xa0;%1&#xa0;» ne contient aucun tampon (korvane-buffers.conf)&#xa0;: veuillez saisir la valeur.</translation>
    </message>
    <message>
        <source>Zuletzt bei diesem Modul verwendet.</source>
        <translation>Dernière valeur utilisée sur ce module.</translation>
    </message>
    <message>
        <source>Vom Modul gemessen.</source>
        <translation>Valeur mesurée par le module.</translation>
    </message>
    <message>
        <source>Gleicher Puffer (%1) wie beim 1. Punkt!</source>
        <translation>Même tampon (%1) qu&apos;au 1er point&#xa0;!</translation>
    </message>
    <message>
        <source>Gleiche Lösung wie beim 1. Punkt? Der Messwert hat sich kaum geändert.</source>
        <translation>Même solution qu&apos;au 1er point&#xa0;? La valeur mesurée n&apos;a presque pas changé.</translation>
    </message>
    <message>
        <source>Das Ergebnis ist nicht plausibel. Trotzdem im Modul speichern?</source>
        <translation>Le résultat n&apos;est pas plausible. L&apos;enregistrer quand même dans le module&#xa0;?</translation>
    </message>
    <message>
        <source>Beide Punkte sind gleich (Messwert oder Referenz).</source>
        <translation>Les deux points sont identiques (valeur mesurée ou référence).</translation>
    </message>
    <message>
        <source>Der Luftdruck muss zwischen 800 und 1200 hPa liegen.</source>
        <translation>La pression atmosphérique doit être comprise entre 800 et 1200 hPa.</translation>
    </message>
    <message>
        <source>Die Werte ergeben keine Zahl; nichts kann gespeichert werden.</source>
        <translation>Les valeurs ne donnent aucun nombre&#xa0;; rien ne peut être enregistré.</translation>
    </message>
    <message>
        <source>Gespeichert.</source>
        <translation>Enregistré.</translation>
    </message>
    <message>
        <source>Nicht gespeichert: das Modul behält seine Werte.</source>
        <translation>Non enregistré&#xa0;: le module conserve ses valeurs.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: das Modul behält seine Werte.</source>
        <translation>Aucun résultat&#xa0;: le module conserve ses valeurs.</translation>
    </message>
    <message>
        <source>Abgebrochen: nichts wurde geschrieben.</source>
        <translation>Annulé&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Verbindung verloren: nichts wurde geschrieben.</source>
        <translation>Connexion perdue&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1, Zeile %2: &quot;%3&quot; %4; die Zeile wird übergangen.</source>
        <translation>%1, ligne %2&#xa0;: «&#xa0;%3&#xa0;» %4&#xa0;; la ligne est ignorée.</translation>
    </message>
    <message>
        <source>ist kein Puffersatz (din19266, technical, din19267, own)</source>
        <translation>n&apos;est pas un jeu de tampons (din19266, technical, din19267, own)</translation>
    </message>
    <message>
        <source>steht vor dem ersten [Puffersatz]</source>
        <translation>précède le premier [jeu de tampons]</translation>
    </message>
    <message>
        <source>ist nicht NAME: °C=pH ...</source>
        <translation>n&apos;a pas la forme NOM: °C=pH ...</translation>
    </message>
    <message>
        <source>hat keine steigenden Temperaturen von -10 bis 150 °C und pH-Werte von 0 bis 14</source>
        <translation>n&apos;a pas de températures croissantes de -10 à 150 °C avec des valeurs de pH de 0 à 14</translation>
    </message>
    <message>
        <source>Sensor in 1. Pufferlösung tauchen.</source>
        <translation>Plonger le capteur dans la 1re solution tampon.</translation>
    </message>
    <message>
        <source>Sensor in 2. Pufferlösung tauchen.</source>
        <translation>Plonger le capteur dans la 2e solution tampon.</translation>
    </message>
    <message>
        <source>Sensor in Pufferlösung tauchen.</source>
        <translation>Plonger le capteur dans la solution tampon.</translation>
    </message>
    <message>
        <source>Warten, bis der Messwert stabil ist. Dann OK drücken.</source>
        <extracomment>English keeps &quot;Than press OK button.&quot; byte for byte: users, files and tests know it so.</extracomment>
        <translation>Attendre que la valeur mesurée soit stable. Puis appuyer sur OK.</translation>
    </message>
    <message>
        <source>Aktuellen Pufferwert eingeben.</source>
        <translation>Saisir la valeur actuelle du tampon.</translation>
    </message>
    <message>
        <source>Aktuellen Luftdruck eingeben.</source>
        <translation>Saisir la pression atmosphérique actuelle.</translation>
    </message>
    <message>
        <source>Kalibrierfehler!</source>
        <translation>Erreur d&apos;étalonnage&#xa0;!</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Sauerstoff</source>
        <translation>Oxygène dissous</translation>
    </message>
    <message>
        <source>Chlor</source>
        <extracomment>English keeps &quot;chlorien&quot; byte for byte: users, files and tests know it so.</extracomment>
        <translation>Chlore</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <translation>Pression atmosphérique</translation>
    </message>
    <message>
        <source>%1 %2 außerhalb %3 … %4</source>
        <translation>%1 %2 hors de %3 … %4</translation>
    </message>
    <message>
        <source>Steilheit</source>
        <translation>Pente</translation>
    </message>
    <message>
        <source>Stabil, wenn über das Fenster:</source>
        <translation>Stable si, sur la fenêtre&#xa0;:</translation>
    </message>
    <message>
        <source>seit %1 s</source>
        <translation>depuis %1 s</translation>
    </message>
    <message>
        <source>vorher</source>
        <translation>avant</translation>
    </message>
    <message>
        <source>nachher</source>
        <translation>après</translation>
    </message>
    <message>
        <source>Grenzen</source>
        <translation>limites</translation>
    </message>
    <message>
        <source>Geben Sie eine Zahl ein.</source>
        <translation>Saisissez un nombre.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Für diesen Messtyp gibt es keine Kalibrierung.</source>
        <translation>Il n&apos;existe pas d&apos;étalonnage pour ce type de mesure.</translation>
    </message>
    <message>
        <source>--procedure %1: das Modul (%2) bietet %3.</source>
        <translation>--procedure %1&#xa0;: le module (%2) propose %3.</translation>
    </message>
    <message>
        <source>Eingabetaste übernimmt den Punkt.</source>
        <translation>La touche Entrée valide le point.</translation>
    </message>
    <message>
        <source>Die Eingabe ist geschlossen: ohne --auto übernimmt nur die Eingabetaste einen Punkt. Nichts wurde geschrieben.</source>
        <translation>L&apos;entrée standard est fermée&#xa0;: sans --auto, seule la touche Entrée valide un point. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Punkt übernommen: %1 %2 (%3).</source>
        <translation>Point validé&#xa0;: %1 %2 (%3).</translation>
    </message>
    <message>
        <source>Kein Referenzwert für Punkt %1: --reference angeben.</source>
        <translation>Aucune valeur de référence pour le point %1&#xa0;: indiquez --reference.</translation>
    </message>
    <message>
        <source>Referenz: %1 %2</source>
        <translation>Référence&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Im Modul speichern?</source>
        <translation>Enregistrer dans le module&#xa0;?</translation>
    </message>
    <message>
        <source> [j/N] </source>
        <translation> [o/N] </translation>
    </message>
    <message>
        <source>Nicht gespeichert (--save speichert).</source>
        <translation>Non enregistré (--save enregistre).</translation>
    </message>
    <message>
        <source>Die Protokolldatei kann nicht geschrieben werden:</source>
        <translation>Impossible d&apos;écrire le fichier de trace&#xa0;:</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei kann nicht gelesen werden:</source>
        <translation>Impossible de lire le fichier de réglages&#xa0;:</translation>
    </message>
    <message>
        <source>korvane-cli: die Historie %1 kann nicht gelesen werden: %2</source>
        <translation>korvane-cli: impossible de lire l&apos;historique %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>korvane-cli: die Historie %1 kann nicht angelegt werden: %2</source>
        <translation>korvane-cli: impossible de créer l&apos;historique %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Historie bereit: %1 (Schema %2, %3 Ereignisse)</source>
        <translation>Historique prêt&#xa0;: %1 (schéma %2, %3 événements)</translation>
    </message>
    <message>
        <source>Die Aufzeichnungsdatei kann nicht geöffnet werden:</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;enregistrement&#xa0;:</translation>
    </message>
    <message>
        <source>%1 Abfragen ausgelassen: die vorige Abfragekette lief noch.</source>
        <translation>%1 interrogations omises&#xa0;: la chaîne d&apos;interrogations précédente était encore en cours.</translation>
    </message>
    <message>
        <source>korvane-cli: kein Diagramm: es kamen keine Datensätze an</source>
        <translation>korvane-cli: pas de graphique&#xa0;: aucune donnée reçue</translation>
    </message>
    <message>
        <source>korvane-cli: der Servicebericht wurde nicht geschrieben: %1</source>
        <translation>korvane-cli: le rapport de service n&apos;a pas été écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Servicebericht geschrieben: %1 (Module: %2)</source>
        <translation>Rapport de service écrit&#xa0;: %1 (modules&#xa0;: %2)</translation>
    </message>
    <message>
        <source>jJyY</source>
        <extracomment>The letters an answer to &quot; [j/N] &quot; may start with to say yes (ASCII letters only).</extracomment>
        <translation>oOyY</translation>
    </message>
</context>
<context>
    <name>common</name>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Fehler in der Datenkommunikation!</source>
        <translation>Erreur dans la communication des données&#xa0;!</translation>
    </message>
    <message>
        <source>Datenübertragung</source>
        <translation>Transmission de données</translation>
    </message>
    <message>
        <source>Datenübertragung läuft.</source>
        <translation>Transmission de données en cours.</translation>
    </message>
    <message>
        <source>Diese Funktion ist noch nicht verfügbar.</source>
        <translation>Cette fonction n&apos;est pas encore disponible.</translation>
    </message>
    <message>
        <source>Das Modul antwortet nicht mehr.</source>
        <translation>Le module ne répond plus.</translation>
    </message>
    <message>
        <source>Das Modul hat %1 Schreibbefehle nicht bestätigt: die Einstellungen sind möglicherweise nicht vollständig gespeichert.</source>
        <translation>Le module n&apos;a pas acquitté %1 commandes d&apos;écriture&#xa0;: les réglages ne sont peut-être pas tous enregistrés.</translation>
    </message>
    <message>
        <source>Die Verbindung zum Modul ist beim Schreiben abgebrochen: die Einstellungen sind nicht vollständig gespeichert.</source>
        <translation>La connexion au module a été interrompue pendant l&apos;écriture&#xa0;: les réglages ne sont pas tous enregistrés.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden:</source>
        <translation>Impossible d&apos;écrire le fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Es wurde nichts gespeichert; eine vorhandene Datei bleibt unverändert.</source>
        <translation>Rien n&apos;a été enregistré&#xa0;; un fichier existant reste inchangé.</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>configuration</name>
    <message>
        <source>Kennung</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>DAC 0 Quelle</source>
        <translation>Source DAC 0</translation>
    </message>
    <message>
        <source>DAC 1 Quelle</source>
        <translation>Source DAC 1</translation>
    </message>
    <message>
        <source>DAC 0 oberer Wert</source>
        <translation>Valeur haute DAC 0</translation>
    </message>
    <message>
        <source>DAC 1 oberer Wert</source>
        <translation>Valeur haute DAC 1</translation>
    </message>
    <message>
        <source>DAC 0 unterer Wert</source>
        <translation>Valeur basse DAC 0</translation>
    </message>
    <message>
        <source>DAC 1 unterer Wert</source>
        <translation>Valeur basse DAC 1</translation>
    </message>
    <message>
        <source>Ausgang Spannung/Strom</source>
        <translation>Sortie tension/courant</translation>
    </message>
    <message>
        <source>Strombereich</source>
        <translation>Plage de courant</translation>
    </message>
    <message>
        <source>Relais 1 Grenzwert</source>
        <translation>Seuil relais 1</translation>
    </message>
    <message>
        <source>Relais 1 Hysterese</source>
        <translation>Hystérésis relais 1</translation>
    </message>
    <message>
        <source>Relais 1 Grenzwerttyp</source>
        <translation>Type de seuil relais 1</translation>
    </message>
    <message>
        <source>Relais 1 Quelle</source>
        <translation>Source relais 1</translation>
    </message>
    <message>
        <source>Relais 2 Grenzwert</source>
        <translation>Seuil relais 2</translation>
    </message>
    <message>
        <source>Relais 2 Hysterese</source>
        <translation>Hystérésis relais 2</translation>
    </message>
    <message>
        <source>Relais 2 Grenzwerttyp</source>
        <translation>Type de seuil relais 2</translation>
    </message>
    <message>
        <source>Relais 2 Quelle</source>
        <translation>Source relais 2</translation>
    </message>
    <message>
        <source>Kalibrierkennwert 1</source>
        <translation>Valeur touche étal. 1</translation>
    </message>
    <message>
        <source>Kalibrierkennwert 2</source>
        <translation>Valeur touche étal. 2</translation>
    </message>
    <message>
        <source>Feste Temperatur</source>
        <translation>Température fixe</translation>
    </message>
    <message>
        <source>Feste Temperatur ein</source>
        <translation>Température fixe activée</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Geräteadresse</source>
        <translation>Adresse de l&apos;appareil</translation>
    </message>
    <message>
        <source>Ausgänge halten beim Kalibrieren</source>
        <translation>Maintien des sorties pendant l&apos;étalonnage</translation>
    </message>
    <message>
        <source>Puffer 1</source>
        <translation>Tampon 1</translation>
    </message>
    <message>
        <source>Puffer 2</source>
        <translation>Tampon 2</translation>
    </message>
    <message>
        <source>KCl-Lösung 1</source>
        <translation>Solution KCl 1</translation>
    </message>
    <message>
        <source>KCl-Lösung 2</source>
        <translation>Solution KCl 2</translation>
    </message>
    <message>
        <source>Messwert Typ</source>
        <translation>Type de mesure</translation>
    </message>
    <message>
        <source>Kalibrierwert 1</source>
        <translation>Valeur d&apos;étalonnage 1</translation>
    </message>
    <message>
        <source>Kalibrierwert 2</source>
        <translation>Valeur d&apos;étalonnage 2</translation>
    </message>
    <message>
        <source>Kalibrierwert 3</source>
        <translation>Valeur d&apos;étalonnage 3</translation>
    </message>
    <message>
        <source>Kalibrierwert 4</source>
        <translation>Valeur d&apos;étalonnage 4</translation>
    </message>
    <message>
        <source>Temperatur-Offset</source>
        <translation>Décalage de température</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>DAC0 Kanal</source>
        <translation>Canal DAC0</translation>
    </message>
    <message>
        <source>DAC1 Kanal</source>
        <translation>Canal DAC1</translation>
    </message>
    <message>
        <source>Relaisausgang</source>
        <translation>Sortie relais</translation>
    </message>
    <message>
        <source>obere Grenze</source>
        <translation>Limite supérieure</translation>
    </message>
    <message>
        <source>untere Grenze</source>
        <translation>Limite inférieure</translation>
    </message>
    <message>
        <source>Grenzwert</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>Hysterese</source>
        <translation>Hystérésis</translation>
    </message>
    <message>
        <source>Grenzwerttyp</source>
        <translation>Type de seuil</translation>
    </message>
    <message>
        <source>Stromtyp</source>
        <translation>Type de courant</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>Spannung</source>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Kalibrierwerte</source>
        <translation>Valeurs d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Kal. Taste1</source>
        <translation>Touche étal. 1</translation>
    </message>
    <message>
        <source>Kal. Taste2</source>
        <translation>Touche étal. 2</translation>
    </message>
    <message>
        <source>Festwert pH</source>
        <translation>pH fixe</translation>
    </message>
    <message>
        <source>enable Festwert pH</source>
        <translation>Activer pH fixe</translation>
    </message>
    <message>
        <source>allgemein</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Messwerttyp</source>
        <translation>Type de mesure</translation>
    </message>
    <message>
        <source>Festtemperatur</source>
        <translation>Température fixe</translation>
    </message>
    <message>
        <source>Hold beim Kal.</source>
        <translation>Maintien pendant étal.</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Fehler!
Der Typ des angeschlossenen Verstärkers paßt nicht zur Einstellung!</source>
        <translation>Erreur&#xa0;!
Le type de l&apos;amplificateur raccordé ne correspond pas au réglage&#xa0;!</translation>
    </message>
    <message>
        <source>Fehler!
Der angeschlossenen Verstärkers ist nicht aus der QX 7100 Serie!</source>
        <translation>Erreur&#xa0;!
L&apos;amplificateur raccordé n&apos;est pas de la série QX 7100&#xa0;!</translation>
    </message>
    <message>
        <source>Kalibrierdaten auch aktualisieren?</source>
        <translation>Mettre aussi à jour les données d&apos;étalonnage&#xa0;?</translation>
    </message>
    <message>
        <source>Fehler in der Datendatei!</source>
        <translation>Erreur dans le fichier de données&#xa0;!</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden:</source>
        <translation>Impossible de lire le fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden:</source>
        <translation>Impossible d&apos;écrire le fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Keine gültige Zahl im Feld</source>
        <translation>Nombre non valide dans le champ</translation>
    </message>
    <message>
        <source>Ein Zeichen lässt sich nicht speichern (kein Windows-1252-Zeichen) im Feld</source>
        <translation>Un caractère ne peut pas être enregistré (hors Windows-1252) dans le champ</translation>
    </message>
    <message>
        <source>Ein Wert enthält das Wort &quot;CECKSUMM&quot;.</source>
        <translation>Une valeur contient le mot «&#xa0;CECKSUMM&#xa0;».</translation>
    </message>
    <message>
        <source>Der Ausdruck ist fehlgeschlagen, es wurde nichts gedruckt oder gespeichert.</source>
        <translation>L&apos;impression a échoué&#xa0;; rien n&apos;a été imprimé ni enregistré.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen 0 und 31 ein.</source>
        <translation>Saisissez un nombre entier entre 0 et 31.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen 0 und 255 ein.</source>
        <translation>Saisissez un nombre entier entre 0 et 255.</translation>
    </message>
    <message>
        <source>%1 kann nicht gesendet werden: &quot;%2&quot; ist keine endliche Zahl im Bereich einer Gleitkommazahl. Es wurde nichts geschrieben.</source>
        <translation>%1 ne peut pas être envoyé&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un nombre fini dans la plage d&apos;un nombre à virgule flottante. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Schlüssel</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>Vergleichen…</source>
        <translation>Comparer…</translation>
    </message>
    <message>
        <source>Die Werte des Dialogs vergleichen mit den Werten des Moduls (neu gelesen) oder einer Setup-Datei?</source>
        <translation>Comparer les valeurs de la boîte de dialogue avec celles du module (relues) ou d'un fichier de configuration&#xa0;?</translation>
    </message>
    <message>
        <source>Modul</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Setup-Datei</source>
        <translation>Fichier de configuration</translation>
    </message>
    <message>
        <source>Keine Unterschiede.</source>
        <translation>Aucune différence.</translation>
    </message>
    <message>
        <source>enable</source>
        <extracomment>The setup printout prints this word in English in German too; other languages translate it.</extracomment>
        <translation>activé</translation>
    </message>
    <message>
        <source>disable</source>
        <extracomment>The setup printout prints this word in English in German too; other languages translate it.</extracomment>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>Maximum</source>
        <extracomment>The setup printout prints this word in English in German too; other languages translate it.</extracomment>
        <translation>maximum</translation>
    </message>
    <message>
        <source>Minimum</source>
        <extracomment>The setup printout prints this word in English in German too; other languages translate it.</extracomment>
        <translation>minimum</translation>
    </message>
    <message>
        <source>Temp. Offset</source>
        <extracomment>The setup printout prints these words in English in German too; other languages translate them.</extracomment>
        <translation>Décalage temp.</translation>
    </message>
    <message>
        <source>fixed pH</source>
        <extracomment>The setup printout prints these words in English in German too; other languages translate them.</extracomment>
        <translation>pH fixe</translation>
    </message>
</context>
<context>
    <name>display</name>
    <message>
        <source>Die Anzeigedatei wurde nicht übernommen:</source>
        <translation>Le fichier de l&apos;unité d&apos;affichage n&apos;a pas été appliqué&#xa0;:</translation>
    </message>
    <message>
        <source>Die Anzeigedatei kann nicht geschrieben werden:</source>
        <translation>Impossible d&apos;écrire le fichier de l&apos;unité d&apos;affichage&#xa0;:</translation>
    </message>
    <message>
        <source>Die Anzeigedatei kann nicht gelesen werden:</source>
        <translation>Impossible de lire le fichier de l&apos;unité d&apos;affichage&#xa0;:</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>keine Zeile der Form SCHLÜSSEL==Wert</source>
        <translation>pas une ligne de la forme CLÉ==valeur</translation>
    </message>
    <message>
        <source>unbekannter Schlüssel %1</source>
        <translation>clé inconnue %1</translation>
    </message>
    <message>
        <source>%1 steht zum zweiten Mal in der Datei</source>
        <translation>%1 figure une deuxième fois dans le fichier</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine ganze Zahl von %3 bis %4</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un nombre entier de %3 à %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 fehlt vor der Prüfsummenzeile</source>
        <translation>%1 manque avant la ligne de somme de contrôle</translation>
    </message>
    <message>
        <source>die Prüfsumme stimmt nicht (Datei beschädigt oder verändert)</source>
        <translation>la somme de contrôle ne correspond pas (fichier endommagé ou modifié)</translation>
    </message>
    <message>
        <source>die Prüfsummenzeile CECKSUMM fehlt</source>
        <translation>la ligne de somme de contrôle CECKSUMM manque</translation>
    </message>
    <message>
        <source>Text nach der Prüfsummenzeile</source>
        <translation>texte après la ligne de somme de contrôle</translation>
    </message>
    <message>
        <source>Es wurde nichts übernommen.</source>
        <translation>Rien n&apos;a été appliqué.</translation>
    </message>
    <message>
        <source>%1: bitte eine ganze Zahl von %2 bis %3 eingeben.</source>
        <translation>%1&#xa0;: veuillez saisir un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>%1: bitte eine Zahl eingeben (z. B. 12,5).</source>
        <translation>%1&#xa0;: veuillez saisir un nombre (p.&#xa0;ex. 12,5).</translation>
    </message>
    <message>
        <source>Adresse der Anzeige %1</source>
        <translation>Adresse de l&apos;affichage %1</translation>
    </message>
    <message>
        <source>Adresse %1 von virtuell %2</source>
        <translation>Adresse %1 de virtuel %2</translation>
    </message>
    <message>
        <source>Datenloggerintervall</source>
        <translation>Intervalle d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>serielles Intervall</source>
        <translation>intervalle série</translation>
    </message>
    <message>
        <source>DAC%1 untere Grenze</source>
        <translation>Limite inférieure DAC%1</translation>
    </message>
    <message>
        <source>DAC%1 obere Grenze</source>
        <translation>Limite supérieure DAC%1</translation>
    </message>
    <message>
        <source>Relais%1 Grenzwert</source>
        <translation>Seuil relais %1</translation>
    </message>
    <message>
        <source>Relais%1 Hysterese</source>
        <translation>Hystérésis relais %1</translation>
    </message>
    <message>
        <source>Relais0</source>
        <translation>Relais 0</translation>
    </message>
    <message>
        <source>Relais1</source>
        <translation>Relais 1</translation>
    </message>
    <message>
        <source>Konfiguration LCD Ausgänge</source>
        <translation>Configuration des sorties LCD</translation>
    </message>
    <message>
        <source>DAC0 Kanal</source>
        <translation>Canal DAC0</translation>
    </message>
    <message>
        <source>DAC1 Kanal</source>
        <translation>Canal DAC1</translation>
    </message>
    <message>
        <source>untere Grenze</source>
        <translation>limite inférieure</translation>
    </message>
    <message>
        <source>obere Grenze</source>
        <translation>limite supérieure</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Spannung</source>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>Stromtyp</source>
        <translation>Type de courant</translation>
    </message>
    <message>
        <source>Grenzwert</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>Hysterese</source>
        <translation>Hystérésis</translation>
    </message>
    <message>
        <source>Anzeige konfigurieren</source>
        <translation>Configurer l&apos;unité d&apos;affichage</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Uhr stellen</source>
        <translation>Régler l&apos;horloge</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Konfigurieren</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Ausgänge</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Datenlogger</source>
        <translation>Enregistreur de données</translation>
    </message>
    <message>
        <source>Datenlogger freigeben</source>
        <translation>Activer l&apos;enregistreur</translation>
    </message>
    <message>
        <source>serielle Ausgabe freigeben</source>
        <translation>Activer la sortie série</translation>
    </message>
    <message>
        <source>Datenloggerintervall
in Minuten (1...999)</source>
        <translation>Intervalle d&apos;enregistrement
en minutes (1...999)</translation>
    </message>
    <message>
        <source>serielles Intervall in
Sekunden (10...300)</source>
        <translation>Intervalle série en
secondes (10...300)</translation>
    </message>
    <message>
        <source>virtuell 1</source>
        <translation>virtuel 1</translation>
    </message>
    <message>
        <source>virtuell 2</source>
        <translation>virtuel 2</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Messwert Typ</source>
        <translation>Type de mesure</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraktion</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>freies Chlor</source>
        <translation>Chlore libre</translation>
    </message>
    <message>
        <source>abs. Differenz</source>
        <translation>Différence abs.</translation>
    </message>
    <message>
        <source>Messwert 1</source>
        <translation>Valeur mesurée 1</translation>
    </message>
    <message>
        <source>Messwert 2</source>
        <translation>Valeur mesurée 2</translation>
    </message>
    <message>
        <source>Messwert 3</source>
        <translation>Valeur mesurée 3</translation>
    </message>
    <message>
        <source>Messwert 4</source>
        <translation>Valeur mesurée 4</translation>
    </message>
    <message>
        <source>Messwert 5</source>
        <translation>Valeur mesurée 5</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>keine Anzeige</source>
        <translation>aucun affichage</translation>
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
        <translation>Certificat d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Modul %1: %2, Adresse %3, Geräteart %4, Firmware %5</source>
        <translation>Module %1&#xa0;: %2, adresse %3, catégorie d&apos;appareil %4, micrologiciel %5</translation>
    </message>
    <message>
        <source>Kalibrierung: %1 (%2)</source>
        <translation>Étalonnage&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>mit Assistent</source>
        <translation>avec assistant</translation>
    </message>
    <message>
        <source>klassisch</source>
        <translation>classique</translation>
    </message>
    <message>
        <source>Datum: %1   Techniker: %2</source>
        <translation>Date&#xa0;: %1   Technicien&#xa0;: %2</translation>
    </message>
    <message>
        <source>Programm: %1   Rechner: %2</source>
        <translation>Programme&#xa0;: %1   Ordinateur&#xa0;: %2</translation>
    </message>
    <message>
        <source>Verlaufseintrag %1, SHA-256 %2</source>
        <translation>Entrée d&apos;historique %1, SHA-256 %2</translation>
    </message>
    <message>
        <source>Messpunkte</source>
        <translation>Points de mesure</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>gemessen</source>
        <translation>mesuré</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>référence</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>dérive</translation>
    </message>
    <message>
        <source>Rauschen</source>
        <translation>bruit</translation>
    </message>
    <message>
        <source>stabil</source>
        <translation>stable</translation>
    </message>
    <message>
        <source>nach %1 s</source>
        <translation>après %1 s</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>valeur</translation>
    </message>
    <message>
        <source>vorher</source>
        <translation>avant</translation>
    </message>
    <message>
        <source>nachher</source>
        <translation>après</translation>
    </message>
    <message>
        <source>Grenzen</source>
        <translation>limites</translation>
    </message>
    <message>
        <source>eingehalten</source>
        <translation>respectées</translation>
    </message>
    <message>
        <source>verletzt</source>
        <translation>dépassées</translation>
    </message>
    <message>
        <source>Steilheit</source>
        <translation>pente</translation>
    </message>
    <message>
        <source>Steilheit %1 % der Nernst-Steilheit, Nullpunkt %2 mV</source>
        <translation>Pente %1&#xa0;% de la pente de Nernst, point zéro %2 mV</translation>
    </message>
    <message>
        <source>Urteil: %1, %2</source>
        <translation>Évaluation&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>plausibel</source>
        <translation>plausible</translation>
    </message>
    <message>
        <source>nicht plausibel</source>
        <translation>non plausible</translation>
    </message>
    <message>
        <source>ohne Ergebnis</source>
        <translation>sans résultat</translation>
    </message>
    <message>
        <source>im Modul gespeichert</source>
        <translation>enregistré dans le module</translation>
    </message>
    <message>
        <source>nicht gespeichert</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source>Techniker: %1</source>
        <translation>Technicien&#xa0;: %1</translation>
    </message>
    <message>
        <source>Datum, Unterschrift</source>
        <translation>Date, signature</translation>
    </message>
    <message>
        <source>Drift %1 %2, Rauschen %3 %4</source>
        <translation>dérive %1 %2, bruit %3 %4</translation>
    </message>
    <message>
        <source>stabil nach %1 s</source>
        <translation>stable après %1 s</translation>
    </message>
    <message>
        <source>nicht stabil (nach %1 s)</source>
        <translation>instable (après %1 s)</translation>
    </message>
    <message>
        <source>automatisch übernommen</source>
        <translation>validé automatiquement</translation>
    </message>
    <message>
        <source>von Hand übernommen</source>
        <translation>validé manuellement</translation>
    </message>
    <message>
        <source>Puffer %1 (%2)</source>
        <translation>tampon %1 (%2)</translation>
    </message>
    <message>
        <source>Puffersatz %1</source>
        <translation>jeu de tampons %1</translation>
    </message>
    <message>
        <source>Charge %1</source>
        <translation>lot %1</translation>
    </message>
    <message>
        <source>verwendbar bis %1</source>
        <translation>péremption %1</translation>
    </message>
    <message>
        <source>%1 erreicht die Grenze voraussichtlich am %2</source>
        <translation>%1 devrait atteindre la limite le %2</translation>
    </message>
    <message>
        <source>%1 Ereignisse, Kette intakt</source>
        <translation>%1 événements, chaîne intacte</translation>
    </message>
    <message>
        <source>%1 Ereignisse; die Kette bricht bei Ereignis %2 (%3, %4, %5): %6</source>
        <translation>%1 événements&#xa0;; la chaîne est rompue à l&apos;événement %2 (%3, %4, %5)&#xa0;: %6</translation>
    </message>
    <message>
        <source>sein Inhalt wurde geändert, der Hash passt nicht dazu</source>
        <translation>son contenu a été modifié, le hachage ne correspond plus</translation>
    </message>
    <message>
        <source>sein Vorgänger fehlt oder wurde geändert</source>
        <translation>son prédécesseur manque ou a été modifié</translation>
    </message>
    <message>
        <source>es steht nicht an seinem Platz (sein Vorgänger ist Ereignis %1)</source>
        <translation>il n&apos;est pas à sa place (son prédécesseur est l&apos;événement %1)</translation>
    </message>
    <message>
        <source>es gehört nicht in die Kette: sie geht an ihm vorbei zu Ereignis %1</source>
        <translation>il n&apos;a pas sa place dans la chaîne&#xa0;: elle le contourne pour aller à l&apos;événement %1</translation>
    </message>
    <message>
        <source>%1 Ereignisse; die Datei ist beschädigt (Prüfung von SQLite: %2)</source>
        <translation>%1 événements&#xa0;; le fichier est endommagé (vérification SQLite&#xa0;: %2)</translation>
    </message>
    <message>
        <source>Der Verlauf wurde zurückgesetzt oder neu geschrieben: </source>
        <translation>L&apos;historique a été ramené à un état antérieur ou réécrit&#xa0;: </translation>
    </message>
    <message>
        <source>Ereignis %1 (%2), das %3 am %4 sah (vermerkt in %5), ist nicht mehr darin</source>
        <translation>l&apos;événement %1 (%2), vu par %3 le %4 (noté dans %5), n&apos;y figure plus</translation>
    </message>
    <message>
        <source>sein Ereignis %1 hat den Hash %2, nicht %3, den %4 am %5 sah (vermerkt in %6)</source>
        <translation>son événement %1 a le hachage %2, et non %3 vu par %4 le %5 (noté dans %6)</translation>
    </message>
    <message>
        <source>Ereignis %1 (%2), angegeben mit %3, ist nicht darin</source>
        <translation>l&apos;événement %1 (%2), indiqué par %3, n&apos;y figure pas</translation>
    </message>
    <message>
        <source>sein Ereignis %1 hat den Hash %2, nicht %3 wie angegeben mit %4</source>
        <translation>son événement %1 a le hachage %2, et non %3 comme indiqué par %4</translation>
    </message>
    <message>
        <source>Nicht in die Historie aufgenommen: %1.</source>
        <translation>Non consigné dans l&apos;historique&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 (Modul %2, Adresse %3)</source>
        <translation>%1 (module %2, adresse %3)</translation>
    </message>
    <message>
        <source>Die Historie %1 ist von einem anderen Programm gesperrt.</source>
        <translation>L&apos;historique %1 est verrouillé par un autre programme.</translation>
    </message>
    <message>
        <source>%1 ist keine Historie oder ist beschädigt; sie bleibt, wie sie ist.</source>
        <translation>%1 n&apos;est pas un historique ou est endommagé&#xa0;; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 stammt von einer neueren Version des Programms; sie bleibt, wie sie ist.</source>
        <translation>%1 provient d&apos;une version plus récente du programme&#xa0;; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>Die Historie %1 kann nicht geöffnet werden: %2</source>
        <translation>L&apos;historique %1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>Die Historie %1 kann nicht geschrieben werden: %2</source>
        <translation>L&apos;historique %1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>Der nächste Vorgang versucht es wieder.</source>
        <translation>La prochaine opération réessaiera.</translation>
    </message>
    <message>
        <source>neues Modul: Typ %1 %2, Geräteart %3, Firmware %4</source>
        <translation>nouveau module&#xa0;: type %1 %2, catégorie d&apos;appareil %3, micrologiciel %4</translation>
    </message>
    <message>
        <source>Modul geändert: %1</source>
        <translation>module modifié&#xa0;: %1</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>type</translation>
    </message>
    <message>
        <source>Geräteart</source>
        <translation>catégorie</translation>
    </message>
    <message>
        <source>Kalibrierung %1: %2</source>
        <translation>étalonnage %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>gespeichert</source>
        <translation>enregistré</translation>
    </message>
    <message>
        <source>verworfen</source>
        <translation>écarté</translation>
    </message>
    <message>
        <source>abgelehnt</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>Verbindung verloren</source>
        <translation>connexion perdue</translation>
    </message>
    <message>
        <source>bestanden</source>
        <translation>réussi</translation>
    </message>
    <message>
        <source>Konfiguration gelesen (%1 Felder)</source>
        <translation>configuration lue (%1 champs)</translation>
    </message>
    <message>
        <source>Konfiguration geschrieben (%1): %2; %3</source>
        <translation>configuration écrite (%1)&#xa0;: %2&#xa0;; %3</translation>
    </message>
    <message>
        <source>Anzeigeeinheit gelesen (%1 Felder)</source>
        <translation>unité d&apos;affichage lue (%1 champs)</translation>
    </message>
    <message>
        <source>Anzeigeeinheit geschrieben (%1): %2; %3</source>
        <translation>unité d&apos;affichage écrite (%1)&#xa0;: %2&#xa0;; %3</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>dialogue</translation>
    </message>
    <message>
        <source>Datei %1</source>
        <translation>fichier %1</translation>
    </message>
    <message>
        <source>keine Änderung</source>
        <translation>aucune modification</translation>
    </message>
    <message>
        <source> und %1 weitere</source>
        <translation> et %1 autres</translation>
    </message>
    <message>
        <source>vollständig</source>
        <translation>complet</translation>
    </message>
    <message>
        <source>unvollständig, %1 ohne Antwort</source>
        <translation>incomplet, %1 sans réponse</translation>
    </message>
    <message>
        <source>Datenlogger ausgelesen: %1 von %2 Datensätzen in %3</source>
        <translation>enregistreur de données relevé&#xa0;: %1 enregistrements sur %2 dans %3</translation>
    </message>
    <message>
        <source> (%1 bis %2)</source>
        <translation> (%1 à %2)</translation>
    </message>
    <message>
        <source>Datenlogger gelöscht</source>
        <translation>enregistreur de données effacé</translation>
    </message>
    <message>
        <source>Datenlogger löschen ohne Antwort</source>
        <translation>effacement de l&apos;enregistreur de données sans réponse</translation>
    </message>
    <message>
        <source>Uhr gestellt auf %1</source>
        <translation>horloge réglée sur %1</translation>
    </message>
    <message>
        <source> (vorher %1)</source>
        <translation> (auparavant %1)</translation>
    </message>
    <message>
        <source> ohne Antwort</source>
        <translation> sans réponse</translation>
    </message>
    <message>
        <source>Parametrierung: %1 Abgleichwerte geschrieben</source>
        <translation>paramétrage&#xa0;: %1 valeurs d&apos;ajustage écrites</translation>
    </message>
    <message>
        <source> (Anzeigeeinheit)</source>
        <translation> (unité d&apos;affichage)</translation>
    </message>
    <message>
        <source>Messung: %1 Messzyklen</source>
        <translation>mesure&#xa0;: %1 cycles de mesure</translation>
    </message>
    <message>
        <source>Anzeigeeinheit: Kontrast auf %1 gestellt; %2</source>
        <translation>unité d&apos;affichage&#xa0;: contraste réglé sur %1&#xa0;; %2</translation>
    </message>
    <message>
        <source>Zweipunkt pH</source>
        <translation>pH deux points</translation>
    </message>
    <message>
        <source>Redox-Offset</source>
        <translation>décalage redox</translation>
    </message>
    <message>
        <source>Zellkonstante</source>
        <translation>constante de cellule</translation>
    </message>
    <message>
        <source>Zellkonstante (4 Elektroden)</source>
        <translation>constante de cellule (4 électrodes)</translation>
    </message>
    <message>
        <source>Sauerstoff-Steilheit</source>
        <translation>pente oxygène</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <translation>pression atmosphérique</translation>
    </message>
    <message>
        <source>Zweipunkt ISE</source>
        <translation>ISE deux points</translation>
    </message>
    <message>
        <source>Chlor linear</source>
        <translation>chlore linéaire</translation>
    </message>
    <message>
        <source>Chlor-Steilheit</source>
        <translation>pente chlore</translation>
    </message>
    <message>
        <source>pH-Kompensation</source>
        <translation>compensation pH</translation>
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
        <translation>potentiel redox</translation>
    </message>
    <message>
        <source>Leitfähigkeit (2 Elektroden)</source>
        <translation>conductivité (2 électrodes)</translation>
    </message>
    <message>
        <source>Leitfähigkeit (4 Elektroden)</source>
        <translation>conductivité (4 électrodes)</translation>
    </message>
    <message>
        <source>Leitfähigkeit (4 Elektroden, TDS)</source>
        <translation>conductivité (4 électrodes, TDS)</translation>
    </message>
    <message>
        <source>Leitfähigkeit 20 µS/cm</source>
        <translation>conductivité 20 µS/cm</translation>
    </message>
    <message>
        <source>Sauerstoff</source>
        <translation>oxygène dissous</translation>
    </message>
    <message>
        <source>Sauerstoff (OPX)</source>
        <translation>oxygène dissous (OPX)</translation>
    </message>
    <message>
        <source>Trübung</source>
        <translation>turbidité</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>linéaire</translation>
    </message>
    <message>
        <source>ISE</source>
        <translation>ISE</translation>
    </message>
    <message>
        <source>freies Chlor</source>
        <translation>chlore libre</translation>
    </message>
    <message>
        <source>freies Chlor mit pH</source>
        <translation>chlore libre avec pH</translation>
    </message>
    <message>
        <source>Modul</source>
        <translation>module</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <translation>étalonnage</translation>
    </message>
    <message>
        <source>Konfiguration gelesen</source>
        <translation>configuration lue</translation>
    </message>
    <message>
        <source>Konfiguration geschrieben</source>
        <translation>configuration écrite</translation>
    </message>
    <message>
        <source>Datenlogger ausgelesen</source>
        <translation>enregistreur de données relevé</translation>
    </message>
    <message>
        <source>Uhr gestellt</source>
        <translation>horloge réglée</translation>
    </message>
    <message>
        <source>Anzeigeeinheit gelesen</source>
        <translation>unité d&apos;affichage lue</translation>
    </message>
    <message>
        <source>Anzeigeeinheit geschrieben</source>
        <translation>unité d&apos;affichage écrite</translation>
    </message>
    <message>
        <source>Parametrierung</source>
        <translation>paramétrage</translation>
    </message>
    <message>
        <source>Messung</source>
        <translation>mesure</translation>
    </message>
    <message>
        <source>unbekannt: %1</source>
        <translation>inconnu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Punkt %1</source>
        <translation>point %1</translation>
    </message>
    <message>
        <source>gemessen %1, Referenz %2, %3 °C</source>
        <translation>mesuré %1, référence %2, %3 °C</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <comment>kResult</comment>
        <translation>résultat</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Servicebericht</source>
        <translation>Rapport de service</translation>
    </message>
    <message>
        <source>Anlage: %1</source>
        <translation>Site&#xa0;: %1</translation>
    </message>
    <message>
        <source>Erstellt von: %1</source>
        <translation>Établi par&#xa0;: %1</translation>
    </message>
    <message>
        <source>Erstellt: %1</source>
        <translation>Établi le&#xa0;: %1</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Période&#xa0;: du %1 au %2</translation>
    </message>
    <message>
        <source>Programm: %1</source>
        <translation>Programme&#xa0;: %1</translation>
    </message>
    <message>
        <source>Anzeigeeinheit</source>
        <translation>Unité d&apos;affichage</translation>
    </message>
    <message>
        <source>Kein Modul antwortete an Adresse %1</source>
        <translation>Aucun module n&apos;a répondu à l&apos;adresse %1</translation>
    </message>
    <message>
        <source>Wie vorgefunden und wie verlassen (* geändert)</source>
        <translation>Tel que trouvé et tel que laissé (* modifié)</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>champ</translation>
    </message>
    <message>
        <source>vorgefunden</source>
        <translation>tel que trouvé</translation>
    </message>
    <message>
        <source>verlassen</source>
        <translation>tel que laissé</translation>
    </message>
    <message>
        <source>Messwerte</source>
        <translation>Valeurs mesurées</translation>
    </message>
    <message>
        <source>Kalibrierung %1, %2 (%3): %4</source>
        <translation>Étalonnage %1, %2 (%3)&#xa0;: %4</translation>
    </message>
    <message>
        <source>Punkt %1: gemessen %2, Referenz %3, %4 °C</source>
        <translation>Point %1&#xa0;: mesuré %2, référence %3, %4 °C</translation>
    </message>
    <message>
        <source>Kalibrierwert %1</source>
        <translation>valeur d&apos;étalonnage %1</translation>
    </message>
    <message>
        <source>Konfiguration geschrieben</source>
        <comment>kWrites</comment>
        <translation>Configuration écrite</translation>
    </message>
    <message>
        <source>Datenlogger</source>
        <translation>Enregistreur de données</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Anzeigeeinheit</source>
        <comment>kDisplayChanges</comment>
        <translation>Unité d&apos;affichage</translation>
    </message>
    <message>
        <source>Weitere Vorgänge</source>
        <translation>Autres opérations</translation>
    </message>
    <message>
        <source>Keine Ereignisse im Zeitraum.</source>
        <translation>Aucun événement dans la période.</translation>
    </message>
    <message>
        <source>Verlauf unverändert</source>
        <translation>Historique intact</translation>
    </message>
    <message>
        <source> (Ereignisse %1 bis %2, Kopf %3:%4 [1])</source>
        <translation> (événements %1 à %2, tête %3:%4 [1])</translation>
    </message>
    <message>
        <source>[1] Kopf %1: %2</source>
        <translation>[1] tête %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Unterschrift Techniker</source>
        <translation>Signature du technicien</translation>
    </message>
    <message>
        <source>Unterschrift Kunde</source>
        <translation>Signature du client</translation>
    </message>
    <message>
        <source>Historie</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Kennung</source>
        <translation>identifiant</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>adresse</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>micrologiciel</translation>
    </message>
    <message>
        <source>zuletzt gesehen</source>
        <translation>vu en dernier</translation>
    </message>
    <message>
        <source>letzte Kalibrierung</source>
        <translation>dernier étalonnage</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>fällig</source>
        <translation>dû</translation>
    </message>
    <message>
        <source>Tendenz</source>
        <translation>tendance</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>date</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>type</translation>
    </message>
    <message>
        <source>Techniker</source>
        <translation>technicien</translation>
    </message>
    <message>
        <source>Zusammenfassung</source>
        <translation>résumé</translation>
    </message>
    <message>
        <source>fällig (%1 Tage)</source>
        <translation>dû (%1 jours)</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Art:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>alle</source>
        <translation>tous</translation>
    </message>
    <message>
        <source>Zeitraum:</source>
        <translation>Période&#xa0;:</translation>
    </message>
    <message>
        <source>alles</source>
        <translation>tout</translation>
    </message>
    <message>
        <source>heute</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>7 Tage</source>
        <translation>7 jours</translation>
    </message>
    <message>
        <source>30 Tage</source>
        <translation>30 jours</translation>
    </message>
    <message>
        <source>12 Monate</source>
        <translation>12 mois</translation>
    </message>
    <message>
        <source>Kalibrierintervall:</source>
        <translation>Intervalle d&apos;étalonnage&#xa0;:</translation>
    </message>
    <message>
        <source> Tage</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Anlage:</source>
        <translation>Site&#xa0;:</translation>
    </message>
    <message>
        <source>Techniker:</source>
        <translation>Technicien&#xa0;:</translation>
    </message>
    <message>
        <source>Exportieren…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Diagramm speichern…</source>
        <translation>Enregistrer le graphique…</translation>
    </message>
    <message>
        <source>Diagramm drucken…</source>
        <translation>Imprimer le graphique…</translation>
    </message>
    <message>
        <source>Die Historie kann nicht geöffnet werden: %1</source>
        <translation>L&apos;historique ne peut pas être ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>Es wird keine Historie geführt.</source>
        <translation>Aucun historique n&apos;est tenu.</translation>
    </message>
    <message>
        <source>%1 Ereignisse exportiert nach %2</source>
        <translation>%1 événements exportés vers %2</translation>
    </message>
    <message>
        <source>Servicebericht geschrieben: %1</source>
        <translation>Rapport de service enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Zertifikat…</source>
        <translation>Certificat…</translation>
    </message>
    <message>
        <source>Kalibrierzertifikat geschrieben: %1</source>
        <translation>Certificat d&apos;étalonnage enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nicht geschrieben: %1</source>
        <translation>Non enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>CSV (*.csv) | *.csv | JSON-Zeilen (*.jsonl) | *.jsonl ||</source>
        <translation>CSV (*.csv) | *.csv | Lignes JSON (*.jsonl) | *.jsonl ||</translation>
    </message>
    <message>
        <source>%1: plausibel</source>
        <translation>%1&#xa0;: plage plausible</translation>
    </message>
    <message>
        <source>%1: Trend</source>
        <translation>%1&#xa0;: tendance</translation>
    </message>
    <message>
        <source>Luftdruckfaktor</source>
        <translation>facteur de pression atmosphérique</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <comment>the start of a certificate&apos;s file name</comment>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Historie…</source>
        <translation>Historique…</translation>
    </message>
    <message>
        <source>%1 Ereignisse; %2</source>
        <translation>%1 événements&#xa0;; %2</translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>über Station %1</source>
        <translation>via la station %1</translation>
    </message>
    <message>
        <source>COM %1 kann nicht geöffnet werden.</source>
        <translation>Impossible d&apos;ouvrir COM %1.</translation>
    </message>
    <message>
        <source>%1 kann nicht geöffnet werden.</source>
        <translation>Impossible d&apos;ouvrir %1.</translation>
    </message>
    <message>
        <source>Modul antwortete mit %1 Baud; zurück auf 4800 gestellt.</source>
        <translation>Le module a répondu à %1 bauds&#xa0;; débit remis à 4800 bauds.</translation>
    </message>
    <message>
        <source>Modul antwortete mit 4800 Baud; die Schnittstelle läuft wieder mit 4800 Baud.</source>
        <translation>Le module a répondu à 4800 bauds&#xa0;; le port série fonctionne de nouveau à 4800 bauds.</translation>
    </message>
    <message>
        <source>Die Verbindung ging verloren, während das Modul auf %1 Baud lief: es ist womöglich noch auf dieser Rate. Der nächste Vorgang sucht es auf 4800, 19200 und 38400 Baud und stellt es auf 4800 Baud zurück.</source>
        <translation>La liaison a été perdue alors que le module fonctionnait à %1 bauds&#xa0;: il est peut-être encore à ce débit. La prochaine opération le recherchera à 4800, 19200 et 38400 bauds et le remettra à 4800 bauds.</translation>
    </message>
</context>
<context>
    <name>logger</name>
    <message>
        <source>Die Uhr des Geräts kann %1-%2-%3 %4:%5:%6 nicht annehmen (Jahre 2000 bis 2255).</source>
        <translation>L&apos;horloge de l&apos;appareil ne peut pas prendre la date %1-%2-%3 %4:%5:%6 (années 2000 à 2255).</translation>
    </message>
    <message>
        <source>%1 hinter der PC-Uhr</source>
        <translation>%1 de retard sur l&apos;horloge du PC</translation>
    </message>
    <message>
        <source>%1 vor der PC-Uhr</source>
        <translation>%1 d&apos;avance sur l&apos;horloge du PC</translation>
    </message>
    <message>
        <source>wie die PC-Uhr</source>
        <translation>identique à l&apos;horloge du PC</translation>
    </message>
    <message>
        <source>Aktuelle Uhrzeit:</source>
        <translation>Heure actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Nächste Speicherung:</source>
        <translation>Prochain enregistrement&#xa0;:</translation>
    </message>
    <message>
        <source>Datenlogger Intervall:</source>
        <extracomment>The program puts &quot;: &quot; and the value after it; German and English keep their own colon (they show &quot;::&quot;), another language may leave it out.</extracomment>
        <translation>Intervalle d&apos;enregistrement&#xa0;:</translation>
    </message>
    <message>
        <source>Vorhandene Datensätze:</source>
        <extracomment>The program puts &quot;: &quot; and the value after it; German and English keep their own colon (they show &quot;::&quot;), another language may leave it out.</extracomment>
        <translation>Enregistrements disponibles&#xa0;:</translation>
    </message>
    <message>
        <source>Datenlogger ist freigegeben.</source>
        <translation>L&apos;enregistreur de données est activé.</translation>
    </message>
    <message>
        <source>Datenlogger ist nicht freigegeben.</source>
        <translation>L&apos;enregistreur de données n&apos;est pas activé.</translation>
    </message>
    <message>
        <source>Bitte warten, Daten werden konvertiert!</source>
        <translation>Veuillez patienter, conversion des données en cours&#xa0;!</translation>
    </message>
    <message>
        <source>Unvollständig ausgelesen: %1 von %2 Datensätzen</source>
        <translation>Lecture incomplète&#xa0;: %1 enregistrements sur %2</translation>
    </message>
    <message>
        <source>Keine Datensätze</source>
        <translation>Aucun enregistrement</translation>
    </message>
    <message>
        <source>Datenlogger ist leer.</source>
        <translation>L&apos;enregistreur de données est vide.</translation>
    </message>
    <message>
        <source>Datenlogger wirklich löschen?</source>
        <extracomment>English keeps &quot;realy&quot; byte for byte: users and tests know the question so.</extracomment>
        <translation>Voulez-vous vraiment effacer l&apos;enregistreur de données&#xa0;?</translation>
    </message>
    <message>
        <source>Die Exportdatei kann nicht geschrieben werden:</source>
        <translation>Impossible d&apos;écrire le fichier d&apos;export&#xa0;:</translation>
    </message>
    <message>
        <source>Es kamen nur %1 von %2 Datensätzen an; die Datei enthält diese.</source>
        <translation>Seuls %1 enregistrements sur %2 sont arrivés&#xa0;; le fichier contient ceux-ci.</translation>
    </message>
    <message>
        <source>%1 Datensätze kamen außer Tritt an (erster Zeiger=%2).</source>
        <translation>%1 enregistrements sont arrivés désynchronisés (premier pointeur=%2).</translation>
    </message>
    <message>
        <source>Keine Antwort auf die Rückkehr zu 4800 Baud: das Modul ist womöglich noch auf %1 Baud.</source>
        <translation>Pas de réponse au retour à 4800 bauds&#xa0;: le module est peut-être encore à %1 bauds.</translation>
    </message>
    <message>
        <source>Gerät: %1.%2.%3 %4:%5:%6, %7</source>
        <translation>Appareil&#xa0;: %1/%2/%3 %4:%5:%6, %7</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Uhr stellen</source>
        <translation>Régler l&apos;horloge</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Data sets: %1</source>
        <extracomment>Shown in English in German too (as users know it); German keeps the English, other languages translate it.</extracomment>
        <translation>Enregistrements&#xa0;: %1</translation>
    </message>
    <message>
        <source>Temperatur (°C)</source>
        <translation>Température (°C)</translation>
    </message>
    <message>
        <source>Temperatur (°C), Modul %1</source>
        <translation>Température (°C), module %1</translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>The chart&apos;s time axis: English &quot;time&quot; in German too (as users know it); other languages translate it.</extracomment>
        <translation>temps</translation>
    </message>
</context>
<context>
    <name>measurement</name>
    <message>
        <source>Aufzeichnungsdatei</source>
        <translation>Fichier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Die Aufzeichnungsdatei kann nicht angelegt werden:</source>
        <translation>Impossible de créer le fichier d&apos;enregistrement&#xa0;:</translation>
    </message>
    <message>
        <source>Die Aufzeichnungsdatei kann nicht wieder geöffnet werden:</source>
        <translation>Impossible de rouvrir le fichier d&apos;enregistrement&#xa0;:</translation>
    </message>
    <message>
        <source>Keine Aufzeichnungsdatei offen - Werte werden nicht aufgezeichnet.</source>
        <translation>Aucun fichier d&apos;enregistrement ouvert - les valeurs ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>Aufzeichnung fehlgeschlagen - Werte werden nicht aufgezeichnet:</source>
        <translation>Échec de l&apos;enregistrement - les valeurs ne sont pas enregistrées&#xa0;:</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Vorgang nicht erlaubt</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>Datei oder Ordner nicht vorhanden</source>
        <translation>Fichier ou dossier inexistant</translation>
    </message>
    <message>
        <source>Kein Ordner</source>
        <translation>N&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Ist ein Ordner</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Kein Platz mehr auf dem Gerät</source>
        <translation>Plus d&apos;espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Speicherkontingent überschritten</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>Nur-Lese-Dateisystem</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>Gerät oder Ressource belegt</source>
        <translation>Périphérique ou ressource occupé</translation>
    </message>
    <message>
        <source>Gerät oder Adresse nicht vorhanden</source>
        <translation>Périphérique ou adresse inexistant</translation>
    </message>
    <message>
        <source>Gerät nicht vorhanden</source>
        <translation>Périphérique inexistant</translation>
    </message>
    <message>
        <source>Dateiname zu lang</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Zu viele Ebenen symbolischer Links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien im System</source>
        <translation>Trop de fichiers ouverts dans le système</translation>
    </message>
    <message>
        <source>Programmdatei in Benutzung</source>
        <translation>Fichier exécutable en cours d&apos;utilisation</translation>
    </message>
    <message>
        <source>Ungültiger Link über Gerätegrenzen</source>
        <translation>Lien invalide entre périphériques</translation>
    </message>
    <message>
        <source>Ungültiges Argument</source>
        <translation>Argument invalide</translation>
    </message>
    <message>
        <source>%1 existiert nicht.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 verweist auf ein Gerät, das nicht vorhanden ist (ist der Adapter eingesteckt?).</source>
        <translation>%1 renvoie à un périphérique absent (l&apos;adaptateur est-il branché&#xa0;?).</translation>
    </message>
    <message>
        <source>Keine Berechtigung, %1 zu öffnen.</source>
        <translation>Pas d&apos;autorisation pour ouvrir %1.</translation>
    </message>
    <message>
        <source> Es gehört der Gruppe &quot;%1&quot;: nehmen Sie Ihren Benutzer in diese Gruppe auf (sudo usermod -aG %1 $USER) und melden Sie sich neu an.</source>
        <translation> Il appartient au groupe «&#xa0;%1&#xa0;»&#xa0;: ajoutez votre utilisateur à ce groupe (sudo usermod -aG %1 $USER) et reconnectez-vous.</translation>
    </message>
    <message>
        <source>%1 ist keine serielle Schnittstelle (kein Terminal).</source>
        <translation>%1 n&apos;est pas un port série (pas un terminal).</translation>
    </message>
    <message>
        <source>%1 wird von einem anderen Programm benutzt.</source>
        <translation>%1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>Über %1 kam keine Antwort vom Modul.</source>
        <translation>Aucune réponse du module via %1.</translation>
    </message>
    <message>
        <source>%1 ist nicht mehr vorhanden.</source>
        <translation>%1 n&apos;est plus présent.</translation>
    </message>
    <message>
        <source>COM %1 hat auf diesem Rechner kein Gerät.</source>
        <translation>COM %1 n&apos;a aucun périphérique sur cet ordinateur.</translation>
    </message>
    <message>
        <source>%1 Baud ist keine Geschwindigkeit der Modulleitung (4800, 19200, 38400).</source>
        <translation>%1 bauds n&apos;est pas un débit de la ligne des modules (4800, 19200, 38400).</translation>
    </message>
    <message>
        <source>%1: die Portnummer fehlt (z. B. rfc2217://Rechner:4001).</source>
        <translation>%1&#xa0;: le numéro de port manque (p.&#xa0;ex. rfc2217://hôte:4001).</translation>
    </message>
    <message>
        <source>%1: die Portnummer muss zwischen 1 und 65535 liegen.</source>
        <translation>%1&#xa0;: le numéro de port doit être compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>%1: der Rechnername fehlt.</source>
        <translation>%1&#xa0;: le nom d&apos;hôte manque.</translation>
    </message>
    <message>
        <source>%1: die Verbindung wurde abgelehnt (wartet dort ein Server auf diesem Port?).</source>
        <translation>%1&#xa0;: la connexion a été refusée (un serveur écoute-t-il sur ce port&#xa0;?).</translation>
    </message>
    <message>
        <source>%1: der Rechnername ist nicht bekannt.</source>
        <translation>%1&#xa0;: le nom d&apos;hôte est inconnu.</translation>
    </message>
    <message>
        <source>%1: keine Verbindung innerhalb von 3 Sekunden (Rechner nicht erreichbar?).</source>
        <translation>%1&#xa0;: pas de connexion en 3 secondes (hôte injoignable&#xa0;?).</translation>
    </message>
    <message>
        <source>%1: Netzwerkfehler.</source>
        <translation>%1&#xa0;: erreur réseau.</translation>
    </message>
    <message>
        <source>%1 antwortet nicht auf die Telnet-Aushandlung (für eine reine TCP-Verbindung socket:// angeben).</source>
        <translation>%1 ne répond pas à la négociation Telnet (pour une connexion TCP brute, indiquez socket://).</translation>
    </message>
    <message>
        <source>%1 lehnt die Steuerung der Schnittstelle (RFC 2217) ab (für eine reine TCP-Verbindung socket:// angeben).</source>
        <translation>%1 refuse le contrôle du port série (RFC 2217) (pour une connexion TCP brute, indiquez socket://).</translation>
    </message>
    <message>
        <source>%1 hat die Übertragungsrate nicht bestätigt.</source>
        <translation>%1 n&apos;a pas confirmé le débit.</translation>
    </message>
    <message>
        <source>%1: statt %2 Baud hat der Server %3 Baud eingestellt.</source>
        <translation>%1&#xa0;: au lieu de %2 bauds, le serveur a réglé %3 bauds.</translation>
    </message>
    <message>
        <source>%1: die Station %2 stellt %3 Baud nur für einen Client ein, der allein an ihrem Service-Port ist: ein anderer ist verbunden (oder ihre Leitung ist weg); die Leitung bleibt bei %4 Baud.</source>
        <translation>%1&#xa0;: la station %2 ne règle %3 bauds que pour un client seul sur son port de service&#xa0;: un autre client est connecté (ou sa ligne est coupée)&#xa0;; la ligne reste à %4 bauds.</translation>
    </message>
    <message>
        <source>Die Verbindung zu %1 ist abgebrochen.</source>
        <translation>La connexion à %1 a été interrompue.</translation>
    </message>
    <message>
        <source>Über %1 lässt sich die Übertragungsrate nicht ändern: bei socket:// stellt der Server sie fest ein. Für diesen Vorgang die Leitung als rfc2217://Rechner:Port angeben.</source>
        <translation>Le débit ne peut pas être modifié via %1&#xa0;: avec socket://, le serveur le fixe. Pour cette opération, indiquez la ligne sous la forme rfc2217://hôte:port.</translation>
    </message>
    <message>
        <source>%1 verweist schon auf ein Gerät; diese Zuordnung bleibt.</source>
        <translation>%1 renvoie déjà à un périphérique&#xa0;; cette association est conservée.</translation>
    </message>
    <message>
        <source>Die Leitung von %1 lässt sich nicht einstellen: %2</source>
        <translation>Impossible de configurer la ligne de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: Ein- oder Ausgabe gestört: %2</source>
        <translation>%1&#xa0;: erreur d&apos;entrée ou de sortie&#xa0;: %2</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei (%1)</source>
        <translation>pas un fichier ordinaire (%1)</translation>
    </message>
    <message>
        <source>Ordner</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>FIFO</source>
        <translation>FIFO</translation>
    </message>
    <message>
        <source>zeichenorientiertes Gerät</source>
        <translation>périphérique caractère</translation>
    </message>
    <message>
        <source>blockorientiertes Gerät</source>
        <translation>périphérique bloc</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>socket</translation>
    </message>
    <message>
        <source>Spezialdatei</source>
        <translation>fichier spécial</translation>
    </message>
    <message>
        <source>symbolischer Link auf eine fehlende Datei</source>
        <translation>lien symbolique vers un fichier manquant</translation>
    </message>
    <message>
        <source>nichts geschrieben</source>
        <translation>rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>die Datei wurde gelöscht oder ersetzt</source>
        <translation>le fichier a été supprimé ou remplacé</translation>
    </message>
    <message>
        <source>kein freier Name für eine temporäre Datei</source>
        <translation>aucun nom libre pour un fichier temporaire</translation>
    </message>
    <message>
        <source>größer als 1 MiB</source>
        <translation>plus de 1 Mio</translation>
    </message>
    <message>
        <source>dieselbe Datei wie %1</source>
        <translation>le même fichier que %1</translation>
    </message>
    <message>
        <source>das PDF konnte nicht erstellt werden</source>
        <translation>le PDF n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>erreur système %1</translation>
    </message>
    <message>
        <source>In diese Datei kann nicht gedruckt werden.</source>
        <translation>Impossible d&apos;imprimer dans ce fichier.</translation>
    </message>
    <message>
        <source>Der Drucker kann nicht gestartet werden.</source>
        <translation>Impossible de démarrer l&apos;imprimante.</translation>
    </message>
</context>
<context>
    <name>scan</name>
    <message>
        <source>Suchen</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Module suchen</source>
        <translation>Rechercher des modules</translation>
    </message>
    <message>
        <source>Adressen 0 bis 31 werden abgefragt.</source>
        <translation>Interrogation des adresses 0 à 31.</translation>
    </message>
    <message>
        <source>Kein Modul hat geantwortet.</source>
        <translation>Aucun module n&apos;a répondu.</translation>
    </message>
    <message>
        <source>Suche abgebrochen.</source>
        <translation>Recherche annulée.</translation>
    </message>
    <message>
        <source>Doppelklick übernimmt die Adresse.</source>
        <translation>Double-cliquez pour reprendre l&apos;adresse.</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Messart</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Geräteart</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Kennung</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Bus…</source>
        <translation>Bus…</translation>
    </message>
    <message>
        <source>Historie…</source>
        <translation>Historique…</translation>
    </message>
</context>
<context>
    <name>station</name>
    <message>
        <source>in Wartung</source>
        <translation>en maintenance</translation>
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
        <translation>Enregistrer...</translation>
    </message>
    <message>
        <source>Leeren</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Das Protokoll konnte nicht gespeichert werden.</source>
        <translation>Le journal des échanges n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||</source>
        <translation>Texte (*.txt) | *.txt | Tous les fichiers (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>trend</name>
    <message>
        <source>Verlauf</source>
        <translation>Courbes</translation>
    </message>
    <message>
        <source>Links:</source>
        <translation>Gauche&#xa0;:</translation>
    </message>
    <message>
        <source>Rechts:</source>
        <translation>Droite&#xa0;:</translation>
    </message>
    <message>
        <source>Zeitraum:</source>
        <translation>Période&#xa0;:</translation>
    </message>
    <message>
        <source>(keiner)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Kanal %1</source>
        <translation>Canal %1</translation>
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
        <translation>Technique 4.01 / 7.00 / 10.01 (9.21)</translation>
    </message>
    <message>
        <source>DIN 19267 (technisch)</source>
        <translation>DIN 19267 (technique)</translation>
    </message>
    <message>
        <source>eigene Werte</source>
        <translation>valeurs personnalisées</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>LF Wert</source>
        <translation>Conductivité</translation>
    </message>
    <message>
        <source>Widerstand</source>
        <translation>Résistivité</translation>
    </message>
    <message>
        <source>Salinität</source>
        <translation>Salinité</translation>
    </message>
    <message>
        <source>TDS</source>
        <translation>TDS</translation>
    </message>
    <message>
        <source>Zellkonstante</source>
        <translation>Const. de cellule</translation>
    </message>
    <message>
        <source>Temperaturkoef.</source>
        <translation>Coef. temp.</translation>
    </message>
    <message>
        <source>Kabeloffset</source>
        <translation>Décalage câble</translation>
    </message>
    <message>
        <source>TDS Faktor</source>
        <translation>Facteur TDS</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>pH Wert</source>
        <translation>Valeur pH</translation>
    </message>
    <message>
        <source>Kettenspannung</source>
        <translation>Tension d&apos;électrode</translation>
    </message>
    <message>
        <source>Asymmetrie</source>
        <translation>Asymétrie</translation>
    </message>
    <message>
        <source>Steilheit</source>
        <translation>Pente</translation>
    </message>
    <message>
        <source>Redox</source>
        <translation>Potentiel redox</translation>
    </message>
    <message>
        <source>Redox Wert</source>
        <translation>Valeur redox</translation>
    </message>
    <message>
        <source>Redoxwert H</source>
        <translation>Valeur redox H</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Décalage</translation>
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
        <translation>Turbidité</translation>
    </message>
    <message>
        <source>Spannung</source>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Faktor</source>
        <translation>Facteur</translation>
    </message>
    <message>
        <source>Sauerstoff</source>
        <translation>Oxygène dissous</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Konzentration</source>
        <translation>Concentration</translation>
    </message>
    <message>
        <source>Sensorstrom</source>
        <translation>Courant capteur</translation>
    </message>
    <message>
        <source>Partialdruck</source>
        <translation>Pression partielle</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <extracomment>English keeps &quot;air pressur&quot; byte for byte: printouts and files carry it so.</extracomment>
        <translation>Pression atmosphérique</translation>
    </message>
    <message>
        <source>Anstieg</source>
        <translation>Pente</translation>
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
        <translation>linéaire</translation>
    </message>
    <message>
        <source>1V/4mA Wert</source>
        <translation>Valeur 1V/4mA</translation>
    </message>
    <message>
        <source>5V/20mA Wert</source>
        <translation>Valeur 5V/20mA</translation>
    </message>
    <message>
        <source>ISE</source>
        <translation>ISE</translation>
    </message>
    <message>
        <source>ISE Wert</source>
        <translation>Valeur ISE</translation>
    </message>
    <message>
        <source>Messpunkt 1</source>
        <translation>Point de mesure 1</translation>
    </message>
    <message>
        <source>Eingabewert 1</source>
        <translation>Valeur saisie 1</translation>
    </message>
    <message>
        <source>freies Chlor</source>
        <translation>Chlore libre</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>pH Kompensation</source>
        <translation>Compensation pH</translation>
    </message>
    <message>
        <source>Offset Co</source>
        <translation>Décalage Co</translation>
    </message>
    <message>
        <source>K Wert</source>
        <translation>Valeur K</translation>
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
        <translation>20µS/cm K=0.1</translation>
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
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>frei</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Chlor</source>
        <translation>Chlore</translation>
    </message>
    <message>
        <source>Anzeigemodul</source>
        <translation>Module d&apos;affichage</translation>
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
        <translation>Oxygène dissous OPX</translation>
    </message>
    <message>
        <source>20µS ZK=0.1</source>
        <translation>20µS K=0.1</translation>
    </message>
    <message>
        <source>pH, zwei Punkte</source>
        <translation>pH, deux points</translation>
    </message>
    <message>
        <source>Redox-Offset</source>
        <translation>Décalage redox</translation>
    </message>
    <message>
        <source>Zellkonstante</source>
        <comment>cell constant</comment>
        <translation>Constante de cellule</translation>
    </message>
    <message>
        <source>Zellkonstante (4 Elektroden)</source>
        <translation>Constante de cellule (4 électrodes)</translation>
    </message>
    <message>
        <source>Sauerstoff-Steilheit</source>
        <translation>Pente oxygène</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <comment>air pressure</comment>
        <translation>Pression atmosphérique</translation>
    </message>
    <message>
        <source>ISE, zwei Punkte</source>
        <translation>ISE, deux points</translation>
    </message>
    <message>
        <source>Chlor, linear</source>
        <translation>Chlore, linéaire</translation>
    </message>
    <message>
        <source>Chlor-Steilheit</source>
        <translation>Pente chlore</translation>
    </message>
    <message>
        <source>pH-Kompensation</source>
        <translation>Compensation pH</translation>
    </message>
    <message>
        <source>Sättigungsfaktor</source>
        <translation>Facteur de saturation</translation>
    </message>
</context>
</TS>
