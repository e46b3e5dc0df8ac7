<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Debrief</name>
    <message>
        <source>Power</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Schock</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>CPR</source>
        <translation>HLW</translation>
    </message>
    <message>
        <source>Stop CPR</source>
        <translation>HLW-Stopp</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>BP</source>
        <translation>RR</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>ABCs</source>
        <translation>ABC</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Bewusstsein</translation>
    </message>
    <message>
        <source>Airway</source>
        <translation>Atemwege</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Atmung</translation>
    </message>
    <message>
        <source>Ventilate</source>
        <translation>Beatmung</translation>
    </message>
    <message>
        <source>White pad</source>
        <translation>Weiße Elektrode</translation>
    </message>
    <message>
        <source>Red pad</source>
        <translation>Rote Elektrode</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Elektrode</translation>
    </message>
    <message>
        <source>Electrode</source>
        <translation>Elektrode</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Anamnese</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>%1.%2 s</source>
        <translation>%1,%2 s</translation>
    </message>
    <message>
        <source>Trainee</source>
        <translation>Teilnehmer</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Hands off the chest for %1 (%2 to %3)</source>
        <translation>Hände vom Brustkorb für %1 (%2 bis %3)</translation>
    </message>
    <message>
        <source>CPR %1 to %2</source>
        <translation>HLW %1 bis %2</translation>
    </message>
    <message>
        <source>Armed</source>
        <translation>Geladen</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>Lädt</translation>
    </message>
    <message>
        <source>fatal</source>
        <translation>tödlich</translation>
    </message>
    <message>
        <source>%1  Fatal shock: the patient was not cleared</source>
        <translation>%1  Tödlicher Schock: der Patient wurde berührt</translation>
    </message>
    <message>
        <source>%1  Shock %2</source>
        <translation>%1  Schock %2</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>Zeit abgelaufen</translation>
    </message>
    <message>
        <source>The rhythm converts: the patient has a pulse</source>
        <translation>Der Rhythmus konvertiert: der Patient hat einen Puls</translation>
    </message>
    <message>
        <source>%1  Paused</source>
        <translation>%1  Pausiert</translation>
    </message>
    <message>
        <source>From the start click, paused time left out.</source>
        <translation>Ab dem Startklick, ohne die Pausen.</translation>
    </message>
    <message>
        <source>Time to power on</source>
        <translation>Zeit bis zum Einschalten</translation>
    </message>
    <message>
        <source>Time to first analysis</source>
        <translation>Zeit bis zur ersten Analyse</translation>
    </message>
    <message>
        <source>Time to first shock</source>
        <translation>Zeit bis zum ersten Schock</translation>
    </message>
    <message>
        <source>within %1</source>
        <translation>innerhalb %1</translation>
    </message>
    <message>
        <source>From the start click, paused time left out. The protocol counts the Speed of First Shock from %1 and takes 200 points for one later than %2 after it, that is %3 here.</source>
        <translation>Ab dem Startklick, ohne die Pausen. Das Protokoll zählt die Zeit bis zum ersten Schock ab %1 und zieht 200 Punkte ab, wenn er später als %2 danach kommt, hier also nach %3.</translation>
    </message>
    <message>
        <source>CPR fraction</source>
        <translation>HLW-Anteil</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>at least 80 %</source>
        <translation>mindestens 80 %</translation>
    </message>
    <message>
        <source>The share of the time with the hands on the chest, from the start click until the pulse returns, the scenario times out or it ends.</source>
        <translation>Der Anteil der Zeit mit den Händen auf dem Brustkorb, vom Startklick bis der Puls zurückkehrt, die Zeit abläuft oder das Szenario endet.</translation>
    </message>
    <message>
        <source>Longest hands-off pause</source>
        <translation>Längste Pause ohne HLW</translation>
    </message>
    <message>
        <source>The longest time without the hands on the chest after the first CPR.</source>
        <translation>Die längste Zeit ohne die Hände auf dem Brustkorb nach der ersten HLW.</translation>
    </message>
    <message>
        <source>Pre-shock pause</source>
        <translation>Pause vor dem Schock</translation>
    </message>
    <message>
        <source>under 10 s</source>
        <translation>unter 10 s</translation>
    </message>
    <message>
        <source>From the hands leaving the chest to the first shock.</source>
        <translation>Von den Händen weg vom Brustkorb bis zum ersten Schock.</translation>
    </message>
    <message>
        <source>Post-shock pause</source>
        <translation>Pause nach dem Schock</translation>
    </message>
    <message>
        <source>From the first shock to the hands back on the chest.</source>
        <translation>Vom ersten Schock bis die Hände wieder auf dem Brustkorb sind.</translation>
    </message>
    <message>
        <source>Fatal shock</source>
        <translation>Tödlicher Schock</translation>
    </message>
    <message>
        <source>From the start click: the shock to a patient not cleared, which ended the scenario. Nobody may touch the patient at a shock.</source>
        <translation>Ab dem Startklick: der Schock, während der Patient berührt wurde; er beendete das Szenario. Beim Schock darf niemand den Patienten berühren.</translation>
    </message>
    <message>
        <source>✔ met</source>
        <translation>✔ erreicht</translation>
    </message>
    <message>
        <source>✘ not met</source>
        <translation>✘ nicht erreicht</translation>
    </message>
    <message>
        <source>✘ fatal</source>
        <translation>✘ tödlich</translation>
    </message>
    <message>
        <source>Speed of First Shock counts from %1 into the scenario, as the protocol scores it; the measures count from the start click.</source>
        <translation>Die Zeit bis zum ersten Schock zählt ab %1 im Szenario, wie das Protokoll sie bewertet; die Messwerte zählen ab dem Startklick.</translation>
    </message>
    <message>
        <source>Scenario Summary — %1</source>
        <translation>Szenario-Auswertung — %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ID Number</source>
        <translation>ID-Nummer</translation>
    </message>
    <message>
        <source>Speed of First Shock</source>
        <translation>Zeit bis zum ersten Schock</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Szenario</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Punktabzüge</translation>
    </message>
    <message>
        <source>Protocol Errors/Notes</source>
        <translation>Protokollfehler/Hinweise</translation>
    </message>
    <message>
        <source>the file cannot be written there</source>
        <translation>die Datei kann dort nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Defibrio debrief</source>
        <translation>Defibrio-Nachbesprechung</translation>
    </message>
    <message>
        <source>No penalties.</source>
        <translation>Keine Punktabzüge.</translation>
    </message>
    <message>
        <source>No protocol errors or notes.</source>
        <translation>Keine Protokollfehler oder Hinweise.</translation>
    </message>
    <message>
        <source>The instructor paused the scenario</source>
        <translation>Der Ausbilder hat das Szenario angehalten</translation>
    </message>
    <message>
        <source>The instructor resumed the scenario</source>
        <translation>Der Ausbilder hat das Szenario fortgesetzt</translation>
    </message>
    <message>
        <source>The instructor ended the scenario</source>
        <translation>Der Ausbilder hat das Szenario beendet</translation>
    </message>
    <message>
        <source>The instructor moved the scenario on to its next frame</source>
        <translation>Der Ausbilder hat das Szenario zum nächsten Abschnitt weitergeschaltet</translation>
    </message>
    <message>
        <source>The instructor loosened a pad</source>
        <translation>Der Ausbilder hat eine Elektrode gelöst</translation>
    </message>
    <message>
        <source>The instructor ran the battery low</source>
        <translation>Der Ausbilder hat die Batterie schwach werden lassen</translation>
    </message>
    <message>
        <source>The instructor brought motion into the analysis</source>
        <translation>Der Ausbilder hat Bewegung in die Analyse gebracht</translation>
    </message>
    <message>
        <source>The instructor set a loose pad for the next analysis</source>
        <translation>Der Ausbilder hat für die nächste Analyse eine gelöste Elektrode vorgesehen</translation>
    </message>
    <message>
        <source>The instructor set a low battery for the next analysis</source>
        <translation>Der Ausbilder hat für die nächste Analyse eine schwache Batterie vorgesehen</translation>
    </message>
    <message>
        <source>The instructor set motion for the next analysis</source>
        <translation>Der Ausbilder hat für die nächste Analyse Bewegung vorgesehen</translation>
    </message>
    <message>
        <source>The instructor&apos;s message: %1</source>
        <translation>Nachricht des Ausbilders: %1</translation>
    </message>
    <message>
        <source>The instructor: %1</source>
        <translation>Der Ausbilder: %1</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Report</source>
        <translation>Bericht öffnen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Defibrio Report</source>
        <translation>Defibrio-Bericht</translation>
    </message>
    <message>
        <source>Save Debrief</source>
        <translation>Nachbesprechung speichern</translation>
    </message>
</context>
<context>
    <name>SecondaryWindows</name>
    <message>
        <source>Counted from %1 into the scenario, as the protocol scores the first shock. The measures count from the start click.</source>
        <translation>Gezählt ab %1 im Szenario, wie das Protokoll den ersten Schock bewertet. Die Messwerte zählen ab dem Startklick.</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;ID Number:</source>
        <translation>&amp;ID-Nummer:</translation>
    </message>
    <message>
        <source>&amp;Scenario:</source>
        <translation>&amp;Szenario:</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>Ü&amp;bung</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Prüfung</translation>
    </message>
    <message>
        <source>Scenario Summary</source>
        <translation>Szenario-Auswertung</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ID Number</source>
        <translation>ID-Nummer</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Speed of First Shock</source>
        <translation>Zeit bis zum ersten Schock</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Szenario</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Protocol Errors/Notes</source>
        <translation>Protokollfehler/Hinweise</translation>
    </message>
    <message>
        <source>Timeline (point at a mark for what it was)</source>
        <translation>Zeitleiste (auf eine Marke zeigen, um zu sehen, was sie war)</translation>
    </message>
    <message>
        <source>Timeline of the scenario</source>
        <translation>Zeitleiste des Szenarios</translation>
    </message>
    <message>
        <source>Penalties, numbered as on the timeline</source>
        <translation>Punktabzüge, nummeriert wie auf der Zeitleiste</translation>
    </message>
    <message>
        <source>Score&amp;board</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>W&amp;iederholen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Main Menu</source>
        <translation>&amp;Hauptmenü</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Save Debrief...</source>
        <translation>Nachbesprechung &amp;speichern...</translation>
    </message>
    <message>
        <source>The only shock went to a patient not cleared: it was fatal and is not counted. </source>
        <translation>Der einzige Schock traf einen Patienten, der berührt wurde: er war tödlich und zählt nicht. </translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>The debrief could not be saved as %1: %2. Choose another folder or name.</source>
        <translation>Die Nachbesprechung konnte nicht als %1 gespeichert werden: %2. Wählen Sie einen anderen Ordner oder Namen.</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Next step:</source>
        <translation>Nächster Schritt:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>About Defibrio</source>
        <translation>Über Defibrio</translation>
    </message>
    <message>
        <source>A training simulator for the use of an AED trainer, with one-button and two-button models, scored against a configurable protocol.

Options, scoreboard and reports are kept in:
%1

For training only: not for use on patients.</source>
        <translation>Ein Trainingssimulator für den Umgang mit einem AED-Trainer, mit Modellen mit einer und zwei Tasten, bewertet nach einem einstellbaren Protokoll.

Optionen, Bestenliste und Berichte liegen in:
%1

Nur für die Ausbildung: nicht zur Anwendung am Patienten.</translation>
    </message>
</context>
<context>
    <name>defib::ui::BoardView</name>
    <message>
        <source>Columns: place, name, date, score</source>
        <translation>Spalten: Platz, Name, Datum, Punkte</translation>
    </message>
    <message>
        <source>  name            date          score</source>
        <extracomment>The columns over the board&apos;s lines, in a fixed-width font: each word starts where the English one does (name at 3, date at 19, score at 33).</extracomment>
        <translation>  Name            Datum         Punkte</translation>
    </message>
</context>
<context>
    <name>defib::ui::ConsoleClient</name>
    <message>
        <source>the station did not answer</source>
        <translation>die Station hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the station sent no certificate</source>
        <translation>die Station hat kein Zertifikat gesendet</translation>
    </message>
    <message>
        <source>the station&apos;s certificate has changed since the console first joined it (SHA-256 %1, pinned %2): if the station was set up again, remove its line from %3</source>
        <translation>das Zertifikat der Station hat sich geändert, seit die Konsole ihr zum ersten Mal beigetreten ist (SHA-256 %1, gespeichert %2): wurde die Station neu eingerichtet, entfernen Sie ihre Zeile aus %3</translation>
    </message>
    <message>
        <source>the connection was lost before the station answered</source>
        <translation>die Verbindung ging verloren, bevor die Station antwortete</translation>
    </message>
    <message>
        <source>the station&apos;s certificate could not be kept in %1: %2</source>
        <translation>das Zertifikat der Station konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the station is not joined</source>
        <translation>die Konsole ist der Station nicht beigetreten</translation>
    </message>
</context>
<context>
    <name>defib::ui::Discovery</name>
    <message>
        <source>Discovery is not available: type the station&apos;s address</source>
        <translation>Die Suche ist nicht verfügbar: Geben Sie die Adresse der Station ein</translation>
    </message>
</context>
<context>
    <name>defib::ui::OptionsPages</name>
    <message>
        <source>Program Options</source>
        <translation>Programmoptionen</translation>
    </message>
    <message>
        <source>Protocol Options</source>
        <translation>Protokolloptionen</translation>
    </message>
    <message>
        <source>Report Options</source>
        <translation>Berichtoptionen</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Störungen</translation>
    </message>
    <message>
        <source>Percenta&amp;ge</source>
        <translation>Wahrscheinlich&amp;keit (%)</translation>
    </message>
    <message>
        <source>Chance of a trainer problem in a scenario, of these kinds:</source>
        <translation>Wahrscheinlichkeit einer Störung des Trainers in einem Szenario, von diesen Arten:</translation>
    </message>
    <message>
        <source>Motion Detection</source>
        <translation>Bewegungserkennung</translation>
    </message>
    <message>
        <source>Electrode Re-attach</source>
        <translation>Elektrode neu anbringen</translation>
    </message>
    <message>
        <source>Battery Replace</source>
        <translation>Batterie ersetzen</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Two Button AED</source>
        <translation>AED mit zwei Tasten</translation>
    </message>
    <message>
        <source>Auto Analyze</source>
        <translation>Automatische Analyse</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Szenario</translation>
    </message>
    <message>
        <source>Hypothermic Patient</source>
        <translation>Unterkühlter Patient</translation>
    </message>
    <message>
        <source>One Shock Scenario</source>
        <translation>Szenario mit einem Schock</translation>
    </message>
    <message>
        <source>Auto ABCs</source>
        <translation>ABC automatisch</translation>
    </message>
    <message>
        <source>Bag-Valve Mask</source>
        <translation>Beatmungsbeutel</translation>
    </message>
    <message>
        <source>Prompt for CPR time</source>
        <translation>Nach der HLW-Dauer fragen</translation>
    </message>
    <message>
        <source>Registration and Exam</source>
        <translation>Anmeldung und Prüfung</translation>
    </message>
    <message>
        <source>Require ID Number</source>
        <translation>ID-Nummer verlangen</translation>
    </message>
    <message>
        <source>Three Scenario Exam</source>
        <translation>Prüfung mit drei Szenarien</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>Pass&amp;wort</translation>
    </message>
    <message>
        <source>Click this button to show/hide the current password.</source>
        <translation>Zeigt oder verbirgt das aktuelle Passwort.</translation>
    </message>
    <message>
        <source>Asked for before the options open. Leave it empty to let everyone in.</source>
        <translation>Wird vor dem Öffnen der Optionen abgefragt. Leer lassen, um allen den Zugang zu erlauben.</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Deletes every practice score on the scoreboard.</source>
        <translation>Löscht alle Übungsergebnisse der Bestenliste.</translation>
    </message>
    <message>
        <source>C&amp;lear Scorebrd</source>
        <translation>Bestenliste &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;DEFAULT</source>
        <translation>&amp;STANDARD</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Lang&amp;uage:</source>
        <translation>Spr&amp;ache:</translation>
    </message>
    <message>
        <source>The language of the trainer&apos;s display, its voice and the windows, from the next start of the program</source>
        <translation>Die Sprache der Anzeige und der Stimme des Trainers und der Fenster, ab dem nächsten Programmstart</translation>
    </message>
    <message>
        <source>The language could not be saved in %1: %2. The other options are saved; choose the language again once the file can be written.</source>
        <translation>Die Sprache konnte nicht in %1 gespeichert werden: %2. Die übrigen Optionen sind gespeichert; wählen Sie die Sprache erneut, sobald die Datei geschrieben werden kann.</translation>
    </message>
    <message>
        <source>The trainer speaks %1 from the next start of Defibrio.</source>
        <translation>Der Trainer spricht ab dem nächsten Start von Defibrio %1.</translation>
    </message>
    <message>
        <source>Shocks and Pediatric Patients</source>
        <translation>Schocks und Kinder</translation>
    </message>
    <message>
        <source>Hypothermic &amp;Shock Limit</source>
        <translation>Schockgrenze bei &amp;Unterkühlung</translation>
    </message>
    <message>
        <source>Pediatric &amp;Limit</source>
        <translation>&amp;Kindergrenze</translation>
    </message>
    <message>
        <source>&amp;Age (years)</source>
        <translation>&amp;Alter (Jahre)</translation>
    </message>
    <message>
        <source>&amp;Weight (lbs.)</source>
        <translation>&amp;Gewicht (lbs.)</translation>
    </message>
    <message>
        <source>Below the pediatric limit a patient counts as a child; the limit is in years or in pounds.</source>
        <translation>Unter der Kindergrenze gilt ein Patient als Kind; die Grenze gilt in Jahren oder in Pfund.</translation>
    </message>
    <message>
        <source>CPR Periods</source>
        <translation>HLW-Phasen</translation>
    </message>
    <message>
        <source>CPR Period Prior to A&amp;nalyzing (seconds)</source>
        <translation>HLW vor der A&amp;nalyse (Sekunden)</translation>
    </message>
    <message>
        <source>CPR Period After &amp;1st No Shock Advised (seconds)</source>
        <translation>HLW nach dem &amp;1. „Kein Schock empfohlen“ (Sekunden)</translation>
    </message>
    <message>
        <source>CPR Period After No Shock Ad&amp;vised (seconds)</source>
        <translation>HLW nach „Kein Schock empfohlen“ (Se&amp;kunden)</translation>
    </message>
    <message>
        <source>CPR Period After &amp;3 Stacked Shocks (seconds)</source>
        <translation>HLW nach &amp;3 Schocks in Folge (Sekunden)</translation>
    </message>
    <message>
        <source>CPR Period After &amp;Each Shock or No Shock Advised (seconds)</source>
        <translation>HLW nach &amp;jedem Schock oder „Kein Schock empfohlen“ (Sekunden)</translation>
    </message>
    <message>
        <source>Checks and Scoring</source>
        <translation>Kontrollen und Wertung</translation>
    </message>
    <message>
        <source>Scoring for Voice Report</source>
        <translation>Wertung des Sprachberichts</translation>
    </message>
    <message>
        <source>Pulse Check After 3rd Stacked Shock</source>
        <translation>Puls prüfen nach dem 3. Schock in Folge</translation>
    </message>
    <message>
        <source>BP Check After Pulse Returns</source>
        <translation>Blutdruck prüfen, wenn der Puls zurückkehrt</translation>
    </message>
    <message>
        <source>Monitor ECG of Underage/Weight Pediatric</source>
        <translation>EKG überwachen bei Kindern unter der Grenze</translation>
    </message>
    <message>
        <source>Pulse Check After Stopping CPR</source>
        <translation>Puls prüfen nach dem Unterbrechen der HLW</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Single Shock Protocol</source>
        <translation>Protokoll mit Einzelschock</translation>
    </message>
    <message>
        <source>One shock, then a CPR period before the next analysis. Unchecked, up to three shocks are stacked.</source>
        <translation>Ein Schock, dann eine HLW-Phase vor der nächsten Analyse. Ohne Haken folgen bis zu drei Schocks aufeinander.</translation>
    </message>
    <message>
        <source>CPR Metronome</source>
        <translation>HLW-Metronom</translation>
    </message>
    <message>
        <source>A click 110 times a minute while the hands are on the chest, with audio on.</source>
        <translation>Ein Klick 110-mal pro Minute, solange die Hände auf dem Brustkorb sind und der Ton an ist.</translation>
    </message>
    <message>
        <source>Report files of practice and test scenarios</source>
        <translation>Berichtdateien der Übungs- und Prüfungsszenarien</translation>
    </message>
    <message>
        <source>O&amp;pen</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Shows a report file</source>
        <translation>Zeigt eine Berichtdatei</translation>
    </message>
    <message>
        <source>Fo&amp;nt</source>
        <translation>Schrift&amp;art</translation>
    </message>
    <message>
        <source>Changes the font of the report</source>
        <translation>Ändert die Schrift des Berichts</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Prints the report shown</source>
        <translation>Druckt den angezeigten Bericht</translation>
    </message>
    <message>
        <source>Test report</source>
        <translation>Prüfungsbericht</translation>
    </message>
    <message>
        <source>Send Options</source>
        <translation>Sendeoptionen</translation>
    </message>
    <message>
        <source>Where Send puts the test report: the instructor&apos;s server and the file names</source>
        <translation>Wohin Senden den Prüfungsbericht legt: der Server des Ausbilders und die Dateinamen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Let the instructor join</source>
        <translation>Ausbilder zuschalten lassen</translation>
    </message>
    <message>
        <source>The instructor&apos;s console may join this trainer over the network, from the OK on: the main menu then shows the station&apos;s name and join code</source>
        <translation>Die Konsole des Ausbilders kann sich ab OK über das Netzwerk mit diesem Trainer verbinden: Das Hauptmenü zeigt dann den Namen und den Zugangscode der Station</translation>
    </message>
    <message>
        <source>The choice to let the instructor join could not be saved in %1: %2. Choose it again once the file can be written.</source>
        <translation>Die Wahl, den Ausbilder zuzuschalten, konnte nicht in %1 gespeichert werden: %2. Wählen Sie sie erneut, sobald die Datei geschrieben werden kann.</translation>
    </message>
</context>
<context>
    <name>defib::ui::PadMark</name>
    <message>
        <source>Electrode in a wrong place</source>
        <translation>Elektrode an falscher Stelle</translation>
    </message>
</context>
<context>
    <name>defib::ui::Program</name>
    <message>
        <source>%1 %2. The language follows the desktop&apos;s until Options saves it again.</source>
        <translation>%1 %2. Die Sprache folgt der des Desktops, bis die Optionen sie wieder speichern.</translation>
    </message>
</context>
<context>
    <name>defib::ui::ProgramStation</name>
    <message>
        <source>%1 %2. The station uses its defaults for what the file could not give.</source>
        <translation>%1 %2. Die Station verwendet ihre Standardwerte für das, was die Datei nicht liefern konnte.</translation>
    </message>
    <message>
        <source>The choice to let the instructor join could not be saved in %1: %2. Choose it again once the file can be written.</source>
        <translation>Die Wahl, den Ausbilder zuzuschalten, konnte nicht in %1 gespeichert werden: %2. Wählen Sie sie erneut, sobald die Datei geschrieben werden kann.</translation>
    </message>
    <message>
        <source>The instructor can join now: station %1, code %2.</source>
        <translation>Der Ausbilder kann sich jetzt zuschalten: Station %1, Code %2.</translation>
    </message>
    <message>
        <source>The instructor can no longer join: the station has closed.</source>
        <translation>Der Ausbilder kann sich nicht mehr zuschalten: Die Station ist geschlossen.</translation>
    </message>
    <message>
        <source>The instructor cannot join: the station cannot listen on port %1 (%2). Defibrio runs on without it; choose another Port= in %3.</source>
        <translation>Der Ausbilder kann sich nicht zuschalten: Die Station kann nicht auf Port %1 warten (%2). Defibrio läuft ohne sie weiter; wählen Sie einen anderen Port= in %3.</translation>
    </message>
    <message>
        <source>Station %1 · code %2 · console joined</source>
        <translation>Station %1 · Code %2 · Konsole verbunden</translation>
    </message>
    <message>
        <source>Station %1 · code %2</source>
        <translation>Station %1 · Code %2</translation>
    </message>
</context>
<context>
    <name>defib::ui::StationGrid</name>
    <message>
        <source>Pad fault</source>
        <translation>Elektrodenfehler</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterie schwach</translation>
    </message>
    <message>
        <source>no patient</source>
        <translation>kein Patient</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>bereit</translation>
    </message>
    <message>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>pausiert</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>beendet</translation>
    </message>
    <message>
        <source>%1  %2 (%3)</source>
        <translation>%1  %2 (%3)</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>verbindet</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgewiesen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>joined</source>
        <translation>beigetreten</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>%1 (frame %2 of %3)</source>
        <translation>%1 (Abschnitt %2 von %3)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1; %2 at next analysis</source>
        <translation>%1; %2 bei der nächsten Analyse</translation>
    </message>
    <message>
        <source>%1 at next analysis</source>
        <translation>%1 bei der nächsten Analyse</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Trainee</source>
        <translation>Teilnehmer</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Szenario</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>CPR</source>
        <translation>HLW</translation>
    </message>
    <message>
        <source>Hands off</source>
        <translation>Hände weg</translation>
    </message>
    <message>
        <source>Shocks</source>
        <translation>Schocks</translation>
    </message>
    <message>
        <source>Trouble</source>
        <translation>Störung</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Punktabzüge</translation>
    </message>
    <message>
        <source>Check pulse</source>
        <translation>Puls prüfen</translation>
    </message>
    <message>
        <source>Responsiveness</source>
        <translation>Bewusstsein prüfen</translation>
    </message>
    <message>
        <source>Airway</source>
        <translation>Atemwege</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>Atmung</translation>
    </message>
    <message>
        <source>Breathing rate</source>
        <translation>Atemfrequenz</translation>
    </message>
    <message>
        <source>Ventilation</source>
        <translation>Beatmung</translation>
    </message>
    <message>
        <source>Circulation</source>
        <translation>Kreislauf</translation>
    </message>
    <message>
        <source>Blood pressure</source>
        <translation>Blutdruck</translation>
    </message>
    <message>
        <source>Top electrode</source>
        <translation>Obere Elektrode</translation>
    </message>
    <message>
        <source>Bottom electrode</source>
        <translation>Untere Elektrode</translation>
    </message>
    <message>
        <source>Re-attach electrode</source>
        <translation>Elektrode neu aufkleben</translation>
    </message>
    <message>
        <source>Replace battery</source>
        <translation>Batterie ersetzen</translation>
    </message>
    <message>
        <source>Stop motion</source>
        <translation>Bewegung stoppen</translation>
    </message>
    <message>
        <source>Voice report</source>
        <translation>Sprachbericht</translation>
    </message>
    <message>
        <source>Clear before analysis</source>
        <translation>Zurücktreten vor der Analyse</translation>
    </message>
    <message>
        <source>Clear before shock</source>
        <translation>Zurücktreten vor dem Schock</translation>
    </message>
    <message>
        <source>Power on</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analysieren</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Schock</translation>
    </message>
    <message>
        <source>End scenario</source>
        <translation>Szenario beenden</translation>
    </message>
    <message>
        <source>Keep up CPR</source>
        <translation>HLW fortsetzen</translation>
    </message>
    <message>
        <source>%1, message open</source>
        <translation>%1, Meldung offen</translation>
    </message>
</context>
<context>
    <name>defib::ui::TConsole</name>
    <message>
        <source>Start Scenario File</source>
        <translation>Szenariodatei starten</translation>
    </message>
    <message>
        <source>Scenario files (*.json)</source>
        <translation>Szenariodateien (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Message to the Trainee</source>
        <translation>Nachricht an den Teilnehmer</translation>
    </message>
    <message>
        <source>The trainee reads &quot;Instructor: &quot; and your text:</source>
        <translation>Der Teilnehmer liest „Ausbilder: “ und Ihren Text:</translation>
    </message>
    <message>
        <source>Instructor Console</source>
        <translation>Ausbilderkonsole</translation>
    </message>
    <message>
        <source>Add station</source>
        <translation>Station hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>host:port</source>
        <translation>Rechner:Port</translation>
    </message>
    <message>
        <source>Join &amp;code:</source>
        <translation>Beitritts&amp;code:</translation>
    </message>
    <message>
        <source>6 digits</source>
        <translation>6 Ziffern</translation>
    </message>
    <message>
        <source>&amp;Secure connection (TLS)</source>
        <translation>&amp;Sichere Verbindung (TLS)</translation>
    </message>
    <message>
        <source>A&amp;dd station</source>
        <translation>Station &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Stations found nearby (click one, then type its join code):</source>
        <translation>Gefundene Stationen in der Nähe (eine anklicken, dann ihren Beitrittscode eingeben):</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;End scenario</source>
        <translation>Szenario b&amp;eenden</translation>
    </message>
    <message>
        <source>Start scenario &amp;file...</source>
        <translation>Szenario&amp;datei starten...</translation>
    </message>
    <message>
        <source>Ne&amp;xt frame</source>
        <translation>Nä&amp;chster Abschnitt</translation>
    </message>
    <message>
        <source>&amp;Message...</source>
        <translation>&amp;Nachricht...</translation>
    </message>
    <message>
        <source>Pad fault</source>
        <translation>Elektrodenfehler</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterie schwach</translation>
    </message>
    <message>
        <source>now</source>
        <translation>sofort</translation>
    </message>
    <message>
        <source>at next analysis</source>
        <translation>bei der nächsten Analyse</translation>
    </message>
    <message>
        <source>&amp;Trouble</source>
        <translation>S&amp;törung</translation>
    </message>
    <message>
        <source>Remo&amp;ve station</source>
        <translation>Station ent&amp;fernen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no station address: type host:port, as the station shows it.</source>
        <translation>„%1“ ist keine Stationsadresse: Geben Sie Rechner:Port ein, wie die Station es anzeigt.</translation>
    </message>
    <message>
        <source>The join code has six digits, as the station shows it.</source>
        <translation>Der Beitrittscode hat sechs Ziffern, wie die Station ihn anzeigt.</translation>
    </message>
    <message>
        <source>%1 refused the console: %2</source>
        <translation>%1 hat die Konsole abgewiesen: %2</translation>
    </message>
    <message>
        <source>%1 is lost; the console tries again every few seconds.</source>
        <translation>%1 ist verloren; die Konsole versucht es alle paar Sekunden erneut.</translation>
    </message>
    <message>
        <source>%1 joined.</source>
        <translation>%1 beigetreten.</translation>
    </message>
    <message>
        <source>%1 joined; %2</source>
        <translation>%1 beigetreten; %2</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>Add a station to watch its trainee.</source>
        <translation>Fügen Sie eine Station hinzu, um ihren Teilnehmer zu beobachten.</translation>
    </message>
    <message>
        <source>Select a station to see its timeline.</source>
        <translation>Wählen Sie eine Station, um ihren Zeitverlauf zu sehen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>End scenario</source>
        <translation>Szenario beenden</translation>
    </message>
    <message>
        <source>Start scenario</source>
        <translation>Szenario starten</translation>
    </message>
    <message>
        <source>Trouble</source>
        <translation>Störung</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Nächster Abschnitt</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>%1: %2 sent.</source>
        <translation>%1: %2 gesendet.</translation>
    </message>
    <message>
        <source>%1: %2 done.</source>
        <translation>%1: %2 ausgeführt.</translation>
    </message>
    <message>
        <source>%1: %2 refused: %3</source>
        <translation>%1: %2 abgewiesen: %3</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large to send: a station takes scenario files up to about 60 KB.</source>
        <translation>%1 ist zu groß zum Senden: Eine Station nimmt Szenariodateien bis etwa 60 KB an.</translation>
    </message>
    <message>
        <source>A message has at most %1 characters; this one has %2.</source>
        <translation>Eine Nachricht hat höchstens %1 Zeichen; diese hat %2.</translation>
    </message>
</context>
<context>
    <name>defib::ui::TFTPform</name>
    <message>
        <source>Send Options</source>
        <translation>Sendeoptionen</translation>
    </message>
    <message>
        <source>Where &quot;Send&quot; puts the test report (AEDTEST.TXT): the instructor&apos;s server.</source>
        <translation>Wohin „Senden“ den Prüfungsbericht (AEDTEST.TXT) legt: der Server des Ausbilders.</translation>
    </message>
    <message>
        <source>FTP: the password travels unprotected</source>
        <translation>FTP: das Passwort wird ungeschützt übertragen</translation>
    </message>
    <message>
        <source>FTP with TLS (explicit)</source>
        <translation>FTP mit TLS (explizit)</translation>
    </message>
    <message>
        <source>SFTP over SSH</source>
        <translation>SFTP über SSH</translation>
    </message>
    <message>
        <source>Pro&amp;tocol:</source>
        <translation>Pro&amp;tokoll:</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>the protocol&apos;s own (21, SFTP 22)</source>
        <translation>der des Protokolls (21, SFTP 22)</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>Passwort mer&amp;ken</translation>
    </message>
    <message>
        <source>the login folder</source>
        <translation>der Anmeldeordner</translation>
    </message>
    <message>
        <source>Remote p&amp;ath:</source>
        <translation>Entfernter Ordn&amp;er:</translation>
    </message>
    <message>
        <source>Remote &amp;file:</source>
        <translation>Entfernte &amp;Datei:</translation>
    </message>
    <message>
        <source>{name} and {id}: the trainee of the newest result
{date} and {time}: the day and time of the send
A name the server has gets _2, _3, ...: nothing is replaced.</source>
        <translation>{name} und {id}: der Teilnehmer des neuesten Ergebnisses
{date} und {time}: Tag und Uhrzeit des Sendens
Ein Name, den der Server schon hat, erhält _2, _3, ...: nichts wird ersetzt.</translation>
    </message>
    <message>
        <source>Send the &amp;detailed report (AEDTEST2.TXT) with it</source>
        <translation>Den &amp;ausführlichen Bericht (AEDTEST2.TXT) mitsenden</translation>
    </message>
    <message>
        <source>Transfer &amp;mode:</source>
        <translation>Übertragungs&amp;modus:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binär</translation>
    </message>
    <message>
        <source>Pa&amp;ssive mode</source>
        <translation>Pass&amp;iver Modus</translation>
    </message>
    <message>
        <source>Trust this server&apos;s &amp;certificate</source>
        <translation>Dem &amp;Zertifikat dieses Servers vertrauen</translation>
    </message>
    <message>
        <source>Fingerprint: </source>
        <translation>Fingerabdruck: </translation>
    </message>
</context>
<context>
    <name>defib::ui::TForm1</name>
    <message>
        <source>&amp;Start CPR</source>
        <translation>HLW &amp;beginnen</translation>
    </message>
    <message>
        <source>S&amp;top CPR</source>
        <translation>HLW &amp;unterbrechen</translation>
    </message>
    <message>
        <source>&amp;CPR</source>
        <translation>HL&amp;W</translation>
    </message>
    <message>
        <source>Starts or stops CPR</source>
        <translation>Beginnt oder unterbricht die HLW</translation>
    </message>
    <message>
        <source>&amp;Pulse</source>
        <translation>&amp;Puls</translation>
    </message>
    <message>
        <source>Checks patient&apos;s pulse</source>
        <translation>Prüft den Puls des Patienten</translation>
    </message>
    <message>
        <source>&amp;All ABCs</source>
        <translation>&amp;Alle ABC</translation>
    </message>
    <message>
        <source>&amp;Responsiveness</source>
        <translation>&amp;Bewusstsein prüfen</translation>
    </message>
    <message>
        <source>A&amp;irway</source>
        <translation>A&amp;temwege freimachen</translation>
    </message>
    <message>
        <source>&amp;Breathing</source>
        <translation>Atmung &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Ventilation</source>
        <translation>Beat&amp;men</translation>
    </message>
    <message>
        <source>&amp;Circulation</source>
        <translation>&amp;Kreislauf</translation>
    </message>
    <message>
        <source>&amp;ABCs</source>
        <translation>&amp;ABC</translation>
    </message>
    <message>
        <source>Airway, breathing and circulation checks</source>
        <translation>Atemwege, Atmung und Kreislauf prüfen</translation>
    </message>
    <message>
        <source>&amp;BP</source>
        <translation>&amp;Blutdruck</translation>
    </message>
    <message>
        <source>Checks patient&apos;s blood pressure</source>
        <translation>Misst den Blutdruck des Patienten</translation>
    </message>
    <message>
        <source>Re-&amp;attach Electrode</source>
        <translation>&amp;Elektrode neu anbringen</translation>
    </message>
    <message>
        <source>Replace &amp;Battery</source>
        <translation>&amp;Batterie ersetzen</translation>
    </message>
    <message>
        <source>Stop &amp;Motion</source>
        <translation>Bewegung &amp;stoppen</translation>
    </message>
    <message>
        <source>&amp;Troubleshoot</source>
        <translation>&amp;Störungen</translation>
    </message>
    <message>
        <source>Electrode, battery and motion problems of the trainer</source>
        <translation>Elektroden-, Batterie- und Bewegungsstörungen des Trainers</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation>Spra&amp;chbericht</translation>
    </message>
    <message>
        <source>Records a voice report</source>
        <translation>Nimmt einen Sprachbericht auf</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Abs&amp;tand</translation>
    </message>
    <message>
        <source>Everybody stands clear of the patient</source>
        <translation>Alle treten vom Patienten zurück</translation>
    </message>
    <message>
        <source>&amp;End Scenario</source>
        <translation>Szenario b&amp;eenden</translation>
    </message>
    <message>
        <source>Ends the scenario and shows the summary</source>
        <translation>Beendet das Szenario und zeigt die Auswertung</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Start Scenario</source>
        <translation>&amp;Szenario starten</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Patient &amp;History</source>
        <translation>&amp;Anamnese</translation>
    </message>
    <message>
        <source>&amp;Advice (-50)</source>
        <translation>&amp;Hinweis (-50)</translation>
    </message>
    <message>
        <source>&amp;Debug Window</source>
        <translation>&amp;Debugfenster</translation>
    </message>
    <message>
        <source>Send &amp;Test Report...</source>
        <translation>Prüfungsberich&amp;t senden...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Tra&amp;iner</source>
        <translation>T&amp;rainer</translation>
    </message>
    <message>
        <source>&amp;Power On</source>
        <translation>&amp;Einschalten</translation>
    </message>
    <message>
        <source>Power On &amp;Again</source>
        <translation>Er&amp;neut einschalten</translation>
    </message>
    <message>
        <source>&amp;Analyze</source>
        <translation>&amp;Analysieren</translation>
    </message>
    <message>
        <source>&amp;Shock</source>
        <translation>&amp;Schock</translation>
    </message>
    <message>
        <source>Place &amp;White Electrode</source>
        <translation>&amp;Weiße Elektrode anlegen</translation>
    </message>
    <message>
        <source>Place &amp;Red Electrode</source>
        <translation>&amp;Rote Elektrode anlegen</translation>
    </message>
    <message>
        <source>&amp;Upper Right Chest</source>
        <translation>Rechts &amp;oben am Brustkorb</translation>
    </message>
    <message>
        <source>&amp;Left Side</source>
        <translation>&amp;Linke Seite</translation>
    </message>
    <message>
        <source>Optio&amp;ns</source>
        <translation>Optio&amp;nen</translation>
    </message>
    <message>
        <source>&amp;Scenarios...</source>
        <translation>&amp;Szenarien...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Defibrio</source>
        <translation>Über &amp;Defibrio</translation>
    </message>
    <message>
        <source>What the trainer says</source>
        <translation>Was der Trainer sagt</translation>
    </message>
    <message>
        <source>“%1”</source>
        <comment>the trainer&apos;s words, quoted</comment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Final Errors</source>
        <translation>Letzte Fehler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>AED trainer simulator</source>
        <translation>Simulator für AED-Trainer</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Starts a scenario</source>
        <translation>Startet ein Szenario</translation>
    </message>
    <message>
        <source>Score&amp;board</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>Shows top 10 practice scores</source>
        <translation>Zeigt die 10 besten Übungsergebnisse</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Program, protocol and report options</source>
        <translation>Programm-, Protokoll- und Berichtoptionen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Electrodes</source>
        <translation>Elektroden</translation>
    </message>
    <message>
        <source>Drag the white electrode to the upper right chest</source>
        <translation>Die weiße Elektrode rechts oben auf den Brustkorb ziehen</translation>
    </message>
    <message>
        <source>Drag the red electrode to the patient&apos;s left side</source>
        <translation>Die rote Elektrode an die linke Seite des Patienten ziehen</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Score </source>
        <translation>Punkte </translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Score log</source>
        <translation>Punkteverlauf</translation>
    </message>
    <message>
        <source>Every change of the score, newest first</source>
        <translation>Jede Änderung der Punkte, die neueste zuerst</translation>
    </message>
    <message>
        <source>Last action</source>
        <translation>Letzte Handlung</translation>
    </message>
    <message>
        <source>Last action:</source>
        <translation>Letzte Handlung:</translation>
    </message>
    <message>
        <source>Actions taken</source>
        <translation>Durchgeführte Handlungen</translation>
    </message>
    <message>
        <source>AED trainer, closed</source>
        <translation>AED-Trainer, geschlossen</translation>
    </message>
    <message>
        <source>AED trainer</source>
        <translation>AED-Trainer</translation>
    </message>
    <message>
        <source>Turns the trainer on</source>
        <translation>Schaltet den Trainer ein</translation>
    </message>
    <message>
        <source>Turns the trainer on again after the battery was replaced</source>
        <translation>Schaltet den Trainer nach dem Batteriewechsel wieder ein</translation>
    </message>
    <message>
        <source>Analyzes the heart rhythm</source>
        <translation>Analysiert den Herzrhythmus</translation>
    </message>
    <message>
        <source>Delivers the shock</source>
        <translation>Gibt den Schock ab</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>leuchtet</translation>
    </message>
    <message>
        <source>Power light</source>
        <translation>Betriebsanzeige</translation>
    </message>
    <message>
        <source>Analyze light</source>
        <translation>Analyseanzeige</translation>
    </message>
    <message>
        <source>Shock light</source>
        <translation>Schockanzeige</translation>
    </message>
    <message>
        <source>Trainer display: </source>
        <translation>Anzeige des Trainers: </translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterie schwach</translation>
    </message>
    <message>
        <source>Instructor &amp;Console...</source>
        <translation>Ausbilder&amp;konsole...</translation>
    </message>
</context>
<context>
    <name>defib::ui::TPasswordDlg</name>
    <message>
        <source>Password </source>
        <translation>Passwort </translation>
    </message>
    <message>
        <source>&amp;Enter password:</source>
        <translation>Passwort &amp;eingeben:</translation>
    </message>
</context>
<context>
    <name>defib::ui::TScenarioEditor</name>
    <message>
        <source>, %1 trouble</source>
        <translation>, Störung %1</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Szenarien</translation>
    </message>
    <message>
        <source>Save Scenario As</source>
        <translation>Szenario speichern unter</translation>
    </message>
    <message>
        <source>&amp;Scenarios</source>
        <translation>&amp;Szenarien</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Starts a new scenario</source>
        <translation>Beginnt ein neues Szenario</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Saves a copy of this scenario in your own folder</source>
        <translation>Speichert eine Kopie dieses Szenarios in Ihrem eigenen Ordner</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Prints a one-page summary of the scenario</source>
        <translation>Druckt eine einseitige Zusammenfassung des Szenarios</translation>
    </message>
    <message>
        <source>&amp;Try It</source>
        <translation>&amp;Ausprobieren</translation>
    </message>
    <message>
        <source>Closes the editor and starts this scenario as the next patient</source>
        <translation>Schließt den Editor und startet dieses Szenario als nächsten Patienten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>Zurück zum Hauptmenü</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Szenario</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>Der Titel</translation>
    </message>
    <message>
        <source>The one-line teaching goal</source>
        <translation>Das Lernziel in einer Zeile</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Lernziel:</translation>
    </message>
    <message>
        <source>The goal</source>
        <translation>Das Lernziel</translation>
    </message>
    <message>
        <source>The guideline followed</source>
        <translation>Die befolgte Leitlinie</translation>
    </message>
    <message>
        <source>G&amp;uideline:</source>
        <translation>Leitl&amp;inie:</translation>
    </message>
    <message>
        <source>The guideline</source>
        <translation>Die Leitlinie</translation>
    </message>
    <message>
        <source>As the options choose</source>
        <translation>Wie in den Optionen</translation>
    </message>
    <message>
        <source>Stacked shocks</source>
        <translation>Schocks in Folge</translation>
    </message>
    <message>
        <source>Single shock</source>
        <translation>Einzelschock</translation>
    </message>
    <message>
        <source>P&amp;rotocol:</source>
        <translation>P&amp;rotokoll:</translation>
    </message>
    <message>
        <source>The protocol</source>
        <translation>Das Protokoll</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>Erwachsener</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Child under the limit</source>
        <translation>Kind unter der Grenze</translation>
    </message>
    <message>
        <source>Hypothermic</source>
        <translation>Unterkühlt</translation>
    </message>
    <message>
        <source>The rules that apply: a child under the trainer&apos;s limit must not be treated with it; a hypothermic patient takes a limited number of shocks</source>
        <translation>Die geltenden Regeln: ein Kind unter der Grenze des Trainers darf nicht mit ihm behandelt werden; ein unterkühlter Patient erhält nur eine begrenzte Zahl von Schocks</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>The kind</source>
        <translation>Die Art</translation>
    </message>
    <message>
        <source> years</source>
        <translation> Jahre</translation>
    </message>
    <message>
        <source>A&amp;ge:</source>
        <translation>Al&amp;ter:</translation>
    </message>
    <message>
        <source>The age</source>
        <translation>Das Alter</translation>
    </message>
    <message>
        <source> kg</source>
        <translation> kg</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>&amp;Weight:</source>
        <translation>&amp;Gewicht:</translation>
    </message>
    <message>
        <source>The weight</source>
        <translation>Das Gewicht</translation>
    </message>
    <message>
        <source>0: adult</source>
        <translation>0: Erwachsener</translation>
    </message>
    <message>
        <source>1: adult</source>
        <translation>1: Erwachsener</translation>
    </message>
    <message>
        <source>2: woman</source>
        <translation>2: Frau</translation>
    </message>
    <message>
        <source>3: child</source>
        <translation>3: Kind</translation>
    </message>
    <message>
        <source>Pict&amp;ure:</source>
        <translation>&amp;Bild:</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>Das Bild</translation>
    </message>
    <message>
        <source>As the picture</source>
        <translation>Wie im Bild</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>Male or female; &quot;As the picture&quot; says what the picture shows</source>
        <translation>Männlich oder weiblich; „Wie im Bild“ nimmt, was das Bild zeigt</translation>
    </message>
    <message>
        <source>Se&amp;x:</source>
        <translation>Gesc&amp;hlecht:</translation>
    </message>
    <message>
        <source>The sex</source>
        <translation>Das Geschlecht</translation>
    </message>
    <message>
        <source>found collapsed in a gym.</source>
        <translation>in einer Turnhalle zusammengebrochen aufgefunden.</translation>
    </message>
    <message>
        <source>Follows &quot;Your patient is a 58 y.o. male&quot;</source>
        <translation>Folgt auf „Ihr Patient ist ein 58-jähriger Mann“</translation>
    </message>
    <message>
        <source>&amp;History:</source>
        <translation>&amp;Vorgeschichte:</translation>
    </message>
    <message>
        <source>The history</source>
        <translation>Die Vorgeschichte</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Abschnitte</translation>
    </message>
    <message>
        <source>Add &amp;Frame</source>
        <translation>Abschnitt &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Adds a frame after the one selected</source>
        <translation>Fügt nach dem gewählten einen Abschnitt ein</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Removes the frame selected</source>
        <translation>Entfernt den gewählten Abschnitt</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Moves the frame earlier</source>
        <translation>Schiebt den Abschnitt nach vorn</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>Nach u&amp;nten</translation>
    </message>
    <message>
        <source>Moves the frame later</source>
        <translation>Schiebt den Abschnitt nach hinten</translation>
    </message>
    <message>
        <source>Shockable</source>
        <translation>Schockbar</translation>
    </message>
    <message>
        <source>Non-shockable (no pulse)</source>
        <translation>Nicht schockbar (kein Puls)</translation>
    </message>
    <message>
        <source>Pulse (restored)</source>
        <translation>Puls (wiederhergestellt)</translation>
    </message>
    <message>
        <source>R&amp;hythm:</source>
        <translation>R&amp;hythmus:</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Rhythmus</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Electrode loose</source>
        <translation>Elektrode lose</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterie schwach</translation>
    </message>
    <message>
        <source>Comes at the first analysis in the frame that finds both pads on</source>
        <translation>Kommt bei der ersten Analyse des Abschnitts, bei der beide Elektroden kleben</translation>
    </message>
    <message>
        <source>Tro&amp;uble:</source>
        <translation>Stör&amp;ung:</translation>
    </message>
    <message>
        <source>Trouble</source>
        <translation>Störung</translation>
    </message>
    <message>
        <source>For the instructor</source>
        <translation>Für den Ausbilder</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>After shoc&amp;ks</source>
        <translation>Nach Schoc&amp;ks</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>After s&amp;econds</source>
        <translation>Nach S&amp;ekunden</translation>
    </message>
    <message>
        <source>After ana&amp;lyses</source>
        <translation>Nach Ana&amp;lysen</translation>
    </message>
    <message>
        <source>Instructor moves on</source>
        <translation>Ausbilder geht weiter</translation>
    </message>
    <message>
        <source>Left when the instructor moves the scenario on</source>
        <translation>Endet, wenn der Ausbilder das Szenario weiterschaltet</translation>
    </message>
    <message>
        <source>Exits:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Exits</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Scenario pack (read-only)</source>
        <translation>Szenarienpaket (schreibgeschützt)</translation>
    </message>
    <message>
        <source>My scenarios</source>
        <translation>Meine Szenarien</translation>
    </message>
    <message>
        <source>  [read-only]</source>
        <translation>  [schreibgeschützt]</translation>
    </message>
    <message>
        <source>Cannot be read: </source>
        <translation>Nicht lesbar: </translation>
    </message>
    <message>
        <source>  (none found)</source>
        <translation>  (keine gefunden)</translation>
    </message>
    <message>
        <source>  (none yet: New or Duplicate makes one)</source>
        <translation>  (noch keine: Neu oder Duplizieren legt eines an)</translation>
    </message>
    <message>
        <source>No frame</source>
        <translation>Kein Abschnitt</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Abschnitt %1 von %2</translation>
    </message>
    <message>
        <source>The frame</source>
        <translation>Der Abschnitt</translation>
    </message>
    <message>
        <source>Frame %1: %2</source>
        <translation>Abschnitt %1: %2</translation>
    </message>
    <message>
        <source>The scenario</source>
        <translation>Das Szenario</translation>
    </message>
    <message>
        <source>Cannot be saved while a problem stands: %1%2</source>
        <translation>Kann nicht gespeichert werden, solange ein Problem besteht: %1%2</translation>
    </message>
    <message>
        <source> (and %1 more)</source>
        <translation> (und %1 weitere)</translation>
    </message>
    <message>
        <source>Saves the scenario in your own folder</source>
        <translation>Speichert das Szenario in Ihrem eigenen Ordner</translation>
    </message>
    <message>
        <source>Saves the scenario in its file</source>
        <translation>Speichert das Szenario in seiner Datei</translation>
    </message>
    <message>
        <source>Saves the scenario in a file you choose</source>
        <translation>Speichert das Szenario in einer Datei Ihrer Wahl</translation>
    </message>
    <message>
        <source>Cannot be played while a problem stands</source>
        <translation>Kann nicht gespielt werden, solange ein Problem besteht</translation>
    </message>
    <message>
        <source>New scenario, not saved yet: Save puts it in your own folder.</source>
        <translation>Neues Szenario, noch nicht gespeichert: Speichern legt es in Ihrem eigenen Ordner ab.</translation>
    </message>
    <message>
        <source>Read-only: this scenario comes with the program. Save writes your copy into your own folder.</source>
        <translation>Schreibgeschützt: dieses Szenario gehört zum Programm. Speichern schreibt Ihre Kopie in Ihren eigenen Ordner.</translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Datei: </translation>
    </message>
    <message>
        <source> (unsaved changes)</source>
        <translation> (ungespeicherte Änderungen)</translation>
    </message>
    <message>
        <source>Scenarios - </source>
        <translation>Szenarien - </translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved. Leave them unsaved?</source>
        <translation>Die Änderungen an „%1“ sind nicht gespeichert. Ohne Speichern verlassen?</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made. Nothing is lost: the scenario stays open here; Save As can write it elsewhere.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden. Nichts geht verloren: das Szenario bleibt hier offen; Speichern unter kann es anderswo ablegen.</translation>
    </message>
    <message>
        <source>The scenario cannot be saved as %1: %2. Nothing is lost: the scenario stays open here; Save As can write it elsewhere.</source>
        <translation>Das Szenario kann nicht als %1 gespeichert werden: %2. Nichts geht verloren: das Szenario bleibt hier offen; Speichern unter kann es anderswo ablegen.</translation>
    </message>
    <message>
        <source>Scenario file</source>
        <translation>Szenariodatei</translation>
    </message>
    <message>
        <source>The scenario pack is not changed: save into your own folder (%1).</source>
        <translation>Das Szenarienpaket wird nicht verändert: speichern Sie in Ihren eigenen Ordner (%1).</translation>
    </message>
    <message>
        <source>Defibrio Scenario</source>
        <translation>Defibrio-Szenario</translation>
    </message>
    <message>
        <source>The scenario could not be printed: the printer did not start.</source>
        <translation>Das Szenario konnte nicht gedruckt werden: der Drucker startete nicht.</translation>
    </message>
</context>
<context>
    <name>defib::ui::ThreadUploader</name>
    <message>
        <source>Sending AEDTEST.TXT</source>
        <translation>AEDTEST.TXT wird gesendet</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbindung zu %1...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Sending %1 to %2
%3 of %4 bytes sent</source>
        <translation>%1 wird an %2 gesendet
%3 von %4 Bytes gesendet</translation>
    </message>
</context>
</TS>
