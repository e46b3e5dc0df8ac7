<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Debrief</name>
    <message>
        <source>Power</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Schok</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>CPR</source>
        <translation>Reanimatie</translation>
    </message>
    <message>
        <source>Stop CPR</source>
        <translation>Stop reanimatie</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pols</translation>
    </message>
    <message>
        <source>BP</source>
        <translation>RR</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Verslag</translation>
    </message>
    <message>
        <source>ABCs</source>
        <translation>ABC</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Bewustzijn</translation>
    </message>
    <message>
        <source>Airway</source>
        <translation>Luchtweg</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Ademhaling</translation>
    </message>
    <message>
        <source>Ventilate</source>
        <translation>Beademing</translation>
    </message>
    <message>
        <source>White pad</source>
        <translation>Witte elektrode</translation>
    </message>
    <message>
        <source>Red pad</source>
        <translation>Rode elektrode</translation>
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
        <translation>Batterij</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Beweging</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Advies</translation>
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
        <translation>Cursist</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>AED</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Hands off the chest for %1 (%2 to %3)</source>
        <translation>Handen van de borst gedurende %1 (%2 tot %3)</translation>
    </message>
    <message>
        <source>CPR %1 to %2</source>
        <translation>Reanimatie %1 tot %2</translation>
    </message>
    <message>
        <source>Armed</source>
        <translation>Geladen</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>fatal</source>
        <translation>fataal</translation>
    </message>
    <message>
        <source>%1  Fatal shock: the patient was not cleared</source>
        <translation>%1  Fatale schok: de patiënt werd aangeraakt</translation>
    </message>
    <message>
        <source>%1  Shock %2</source>
        <translation>%1  Schok %2</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>pols</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>tijd om</translation>
    </message>
    <message>
        <source>The rhythm converts: the patient has a pulse</source>
        <translation>Het ritme converteert: de patiënt heeft een pols</translation>
    </message>
    <message>
        <source>%1  Paused</source>
        <translation>%1  Gepauzeerd</translation>
    </message>
    <message>
        <source>From the start click, paused time left out.</source>
        <translation>Vanaf de startklik, pauzes niet meegeteld.</translation>
    </message>
    <message>
        <source>Time to power on</source>
        <translation>Tijd tot aanzetten</translation>
    </message>
    <message>
        <source>Time to first analysis</source>
        <translation>Tijd tot eerste analyse</translation>
    </message>
    <message>
        <source>Time to first shock</source>
        <translation>Tijd tot eerste schok</translation>
    </message>
    <message>
        <source>within %1</source>
        <translation>binnen %1</translation>
    </message>
    <message>
        <source>From the start click, paused time left out. The protocol counts the Speed of First Shock from %1 and takes 200 points for one later than %2 after it, that is %3 here.</source>
        <translation>Vanaf de startklik, pauzes niet meegeteld. Het protocol telt de snelheid van de eerste schok vanaf %1 en trekt 200 punten af als die later komt dan %2 daarna, hier dus na %3.</translation>
    </message>
    <message>
        <source>CPR fraction</source>
        <translation>Reanimatiefractie</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>at least 80 %</source>
        <translation>minstens 80 %</translation>
    </message>
    <message>
        <source>The share of the time with the hands on the chest, from the start click until the pulse returns, the scenario times out or it ends.</source>
        <translation>Het deel van de tijd met de handen op de borst, vanaf de startklik tot de pols terugkeert, de tijd om is of het scenario eindigt.</translation>
    </message>
    <message>
        <source>Longest hands-off pause</source>
        <translation>Langste pauze zonder reanimatie</translation>
    </message>
    <message>
        <source>The longest time without the hands on the chest after the first CPR.</source>
        <translation>De langste tijd zonder de handen op de borst na de eerste reanimatie.</translation>
    </message>
    <message>
        <source>Pre-shock pause</source>
        <translation>Pauze voor de schok</translation>
    </message>
    <message>
        <source>under 10 s</source>
        <translation>onder 10 s</translation>
    </message>
    <message>
        <source>From the hands leaving the chest to the first shock.</source>
        <translation>Van de handen van de borst tot de eerste schok.</translation>
    </message>
    <message>
        <source>Post-shock pause</source>
        <translation>Pauze na de schok</translation>
    </message>
    <message>
        <source>From the first shock to the hands back on the chest.</source>
        <translation>Van de eerste schok tot de handen weer op de borst.</translation>
    </message>
    <message>
        <source>Fatal shock</source>
        <translation>Fatale schok</translation>
    </message>
    <message>
        <source>From the start click: the shock to a patient not cleared, which ended the scenario. Nobody may touch the patient at a shock.</source>
        <translation>Vanaf de startklik: de schok terwijl de patiënt werd aangeraakt, die het scenario beëindigde. Niemand mag de patiënt aanraken bij een schok.</translation>
    </message>
    <message>
        <source>✔ met</source>
        <translation>✔ gehaald</translation>
    </message>
    <message>
        <source>✘ not met</source>
        <translation>✘ niet gehaald</translation>
    </message>
    <message>
        <source>✘ fatal</source>
        <translation>✘ fataal</translation>
    </message>
    <message>
        <source>Speed of First Shock counts from %1 into the scenario, as the protocol scores it; the measures count from the start click.</source>
        <translation>De snelheid van de eerste schok telt vanaf %1 in het scenario, zoals het protocol die scoort; de metingen tellen vanaf de startklik.</translation>
    </message>
    <message>
        <source>Scenario Summary — %1</source>
        <translation>Scenario-overzicht — %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>ID Number</source>
        <translation>ID-nummer</translation>
    </message>
    <message>
        <source>Speed of First Shock</source>
        <translation>Snelheid eerste schok</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Verstreken tijd</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Strafpunten</translation>
    </message>
    <message>
        <source>Protocol Errors/Notes</source>
        <translation>Protocolfouten/Opmerkingen</translation>
    </message>
    <message>
        <source>the file cannot be written there</source>
        <translation>het bestand kan daar niet worden geschreven</translation>
    </message>
    <message>
        <source>Defibrio debrief</source>
        <translation>Defibrio-nabespreking</translation>
    </message>
    <message>
        <source>No penalties.</source>
        <translation>Geen strafpunten.</translation>
    </message>
    <message>
        <source>No protocol errors or notes.</source>
        <translation>Geen protocolfouten of opmerkingen.</translation>
    </message>
    <message>
        <source>The instructor paused the scenario</source>
        <translation>De instructeur heeft het scenario gepauzeerd</translation>
    </message>
    <message>
        <source>The instructor resumed the scenario</source>
        <translation>De instructeur heeft het scenario hervat</translation>
    </message>
    <message>
        <source>The instructor ended the scenario</source>
        <translation>De instructeur heeft het scenario beëindigd</translation>
    </message>
    <message>
        <source>The instructor moved the scenario on to its next frame</source>
        <translation>De instructeur heeft het scenario naar de volgende fase gezet</translation>
    </message>
    <message>
        <source>The instructor loosened a pad</source>
        <translation>De instructeur heeft een elektrode losgemaakt</translation>
    </message>
    <message>
        <source>The instructor ran the battery low</source>
        <translation>De instructeur heeft de batterij bijna leeg gemaakt</translation>
    </message>
    <message>
        <source>The instructor brought motion into the analysis</source>
        <translation>De instructeur heeft beweging in de analyse gebracht</translation>
    </message>
    <message>
        <source>The instructor set a loose pad for the next analysis</source>
        <translation>De instructeur heeft een losse elektrode klaargezet voor de volgende analyse</translation>
    </message>
    <message>
        <source>The instructor set a low battery for the next analysis</source>
        <translation>De instructeur heeft een bijna lege batterij klaargezet voor de volgende analyse</translation>
    </message>
    <message>
        <source>The instructor set motion for the next analysis</source>
        <translation>De instructeur heeft beweging klaargezet voor de volgende analyse</translation>
    </message>
    <message>
        <source>The instructor&apos;s message: %1</source>
        <translation>Bericht van de instructeur: %1</translation>
    </message>
    <message>
        <source>The instructor: %1</source>
        <translation>De instructeur: %1</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Report</source>
        <translation>Verslag openen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <source>Defibrio Report</source>
        <translation>Defibrio-verslag</translation>
    </message>
    <message>
        <source>Save Debrief</source>
        <translation>Nabespreking opslaan</translation>
    </message>
</context>
<context>
    <name>SecondaryWindows</name>
    <message>
        <source>Counted from %1 into the scenario, as the protocol scores the first shock. The measures count from the start click.</source>
        <translation>Geteld vanaf %1 in het scenario, zoals het protocol de eerste schok scoort. De metingen tellen vanaf de startklik.</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Aanmelding</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;ID Number:</source>
        <translation>&amp;ID-nummer:</translation>
    </message>
    <message>
        <source>&amp;Scenario:</source>
        <translation>&amp;Scenario:</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Oefenen</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>E&amp;xamen</translation>
    </message>
    <message>
        <source>Scenario Summary</source>
        <translation>Scenario-overzicht</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>ID Number</source>
        <translation>ID-nummer</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Speed of First Shock</source>
        <translation>Snelheid eerste schok</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Verstreken tijd</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Metingen</translation>
    </message>
    <message>
        <source>Protocol Errors/Notes</source>
        <translation>Protocolfouten/Opmerkingen</translation>
    </message>
    <message>
        <source>Timeline (point at a mark for what it was)</source>
        <translation>Tijdlijn (wijs een markering aan om te zien wat het was)</translation>
    </message>
    <message>
        <source>Timeline of the scenario</source>
        <translation>Tijdlijn van het scenario</translation>
    </message>
    <message>
        <source>Penalties, numbered as on the timeline</source>
        <translation>Strafpunten, genummerd als op de tijdlijn</translation>
    </message>
    <message>
        <source>Score&amp;board</source>
        <translation>S&amp;corebord</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Herhalen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Volgende</translation>
    </message>
    <message>
        <source>&amp;Main Menu</source>
        <translation>H&amp;oofdmenu</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Save Debrief...</source>
        <translation>Nabespreking op&amp;slaan...</translation>
    </message>
    <message>
        <source>The only shock went to a patient not cleared: it was fatal and is not counted. </source>
        <translation>De enige schok ging naar een patiënt die werd aangeraakt: die was fataal en telt niet. </translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-afbeelding</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-document</translation>
    </message>
    <message>
        <source>The debrief could not be saved as %1: %2. Choose another folder or name.</source>
        <translation>De nabespreking kon niet worden opgeslagen als %1: %2. Kies een andere map of naam.</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Scorebord</translation>
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
        <translation>Volgende stap:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>About Defibrio</source>
        <translation>Over Defibrio</translation>
    </message>
    <message>
        <source>A training simulator for the use of an AED trainer, with one-button and two-button models, scored against a configurable protocol.

Options, scoreboard and reports are kept in:
%1

For training only: not for use on patients.</source>
        <translation>Een trainingssimulator voor het gebruik van een AED-trainer, met modellen met één en met twee knoppen, gescoord volgens een instelbaar protocol.

Opties, scorebord en verslagen staan in:
%1

Alleen voor training: niet voor gebruik bij patiënten.</translation>
    </message>
</context>
<context>
    <name>defib::ui::BoardView</name>
    <message>
        <source>Columns: place, name, date, score</source>
        <translation>Kolommen: plaats, naam, datum, score</translation>
    </message>
    <message>
        <source>  name            date          score</source>
        <extracomment>The columns over the board&apos;s lines, in a fixed-width font: each word starts where the English one does (name at 3, date at 19, score at 33).</extracomment>
        <translation>  naam            datum         score</translation>
    </message>
</context>
<context>
    <name>defib::ui::ConsoleClient</name>
    <message>
        <source>the station did not answer</source>
        <translation>het station heeft niet geantwoord</translation>
    </message>
    <message>
        <source>the station sent no certificate</source>
        <translation>het station heeft geen certificaat gestuurd</translation>
    </message>
    <message>
        <source>the station&apos;s certificate has changed since the console first joined it (SHA-256 %1, pinned %2): if the station was set up again, remove its line from %3</source>
        <translation>het certificaat van het station is veranderd sinds de console er voor het eerst aan deelnam (SHA-256 %1, vastgelegd %2): is het station opnieuw ingericht, verwijder dan zijn regel uit %3</translation>
    </message>
    <message>
        <source>the connection was lost before the station answered</source>
        <translation>de verbinding ging verloren voordat het station antwoordde</translation>
    </message>
    <message>
        <source>the station&apos;s certificate could not be kept in %1: %2</source>
        <translation>het certificaat van het station kon niet in %1 worden bewaard: %2</translation>
    </message>
    <message>
        <source>the station is not joined</source>
        <translation>de console is niet met het station verbonden</translation>
    </message>
</context>
<context>
    <name>defib::ui::Discovery</name>
    <message>
        <source>Discovery is not available: type the station&apos;s address</source>
        <translation>Zoeken is niet beschikbaar: typ het adres van het station</translation>
    </message>
</context>
<context>
    <name>defib::ui::OptionsPages</name>
    <message>
        <source>Program Options</source>
        <translation>Programma-opties</translation>
    </message>
    <message>
        <source>Protocol Options</source>
        <translation>Protocolopties</translation>
    </message>
    <message>
        <source>Report Options</source>
        <translation>Verslagopties</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Storingen</translation>
    </message>
    <message>
        <source>Percenta&amp;ge</source>
        <translation>Percenta&amp;ge</translation>
    </message>
    <message>
        <source>Chance of a trainer problem in a scenario, of these kinds:</source>
        <translation>Kans op een storing van de AED in een scenario, van deze soorten:</translation>
    </message>
    <message>
        <source>Motion Detection</source>
        <translation>Bewegingsdetectie</translation>
    </message>
    <message>
        <source>Electrode Re-attach</source>
        <translation>Elektrode opnieuw aanbrengen</translation>
    </message>
    <message>
        <source>Battery Replace</source>
        <translation>Batterij vervangen</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>Trainer-AED</translation>
    </message>
    <message>
        <source>Two Button AED</source>
        <translation>AED met twee knoppen</translation>
    </message>
    <message>
        <source>Auto Analyze</source>
        <translation>Automatische analyse</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Hypothermic Patient</source>
        <translation>Onderkoelde patiënt</translation>
    </message>
    <message>
        <source>One Shock Scenario</source>
        <translation>Scenario met één schok</translation>
    </message>
    <message>
        <source>Auto ABCs</source>
        <translation>ABC automatisch</translation>
    </message>
    <message>
        <source>Bag-Valve Mask</source>
        <translation>Beademingsballon</translation>
    </message>
    <message>
        <source>Prompt for CPR time</source>
        <translation>Vragen naar de reanimatieduur</translation>
    </message>
    <message>
        <source>Registration and Exam</source>
        <translation>Aanmelding en examen</translation>
    </message>
    <message>
        <source>Require ID Number</source>
        <translation>ID-nummer verplicht</translation>
    </message>
    <message>
        <source>Three Scenario Exam</source>
        <translation>Examen met drie scenario&apos;s</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Wachtwoord</translation>
    </message>
    <message>
        <source>Click this button to show/hide the current password.</source>
        <translation>Toont of verbergt het huidige wachtwoord.</translation>
    </message>
    <message>
        <source>Asked for before the options open. Leave it empty to let everyone in.</source>
        <translation>Wordt gevraagd voordat de opties opengaan. Laat het leeg om iedereen toe te laten.</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Scorebord</translation>
    </message>
    <message>
        <source>Deletes every practice score on the scoreboard.</source>
        <translation>Wist alle oefenscores op het scorebord.</translation>
    </message>
    <message>
        <source>C&amp;lear Scorebrd</source>
        <translation>Scorebord &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;DEFAULT</source>
        <translation>&amp;STANDAARD</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Lang&amp;uage:</source>
        <translation>T&amp;aal:</translation>
    </message>
    <message>
        <source>The language of the trainer&apos;s display, its voice and the windows, from the next start of the program</source>
        <translation>De taal van het scherm en de stem van de AED en van de vensters, vanaf de volgende start van het programma</translation>
    </message>
    <message>
        <source>The language could not be saved in %1: %2. The other options are saved; choose the language again once the file can be written.</source>
        <translation>De taal kon niet worden opgeslagen in %1: %2. De andere opties zijn opgeslagen; kies de taal opnieuw zodra het bestand kan worden geschreven.</translation>
    </message>
    <message>
        <source>The trainer speaks %1 from the next start of Defibrio.</source>
        <translation>De AED spreekt %1 vanaf de volgende start van Defibrio.</translation>
    </message>
    <message>
        <source>Shocks and Pediatric Patients</source>
        <translation>Schokken en kinderen</translation>
    </message>
    <message>
        <source>Hypothermic &amp;Shock Limit</source>
        <translation>&amp;Schoklimiet bij onderkoeling</translation>
    </message>
    <message>
        <source>Pediatric &amp;Limit</source>
        <translation>&amp;Kindergrens</translation>
    </message>
    <message>
        <source>&amp;Age (years)</source>
        <translation>&amp;Leeftijd (jaar)</translation>
    </message>
    <message>
        <source>&amp;Weight (lbs.)</source>
        <translation>&amp;Gewicht (lb)</translation>
    </message>
    <message>
        <source>Below the pediatric limit a patient counts as a child; the limit is in years or in pounds.</source>
        <translation>Onder de kindergrens telt een patiënt als kind; de grens is in jaren of in ponden.</translation>
    </message>
    <message>
        <source>CPR Periods</source>
        <translation>Reanimatieperiodes</translation>
    </message>
    <message>
        <source>CPR Period Prior to A&amp;nalyzing (seconds)</source>
        <translation>Reanimatie vóór de a&amp;nalyse (seconden)</translation>
    </message>
    <message>
        <source>CPR Period After &amp;1st No Shock Advised (seconds)</source>
        <translation>Reanimatie na de &amp;1e ‘geen schok geadviseerd’ (seconden)</translation>
    </message>
    <message>
        <source>CPR Period After No Shock Ad&amp;vised (seconds)</source>
        <translation>Reanimatie na ‘geen schok ge&amp;adviseerd’ (seconden)</translation>
    </message>
    <message>
        <source>CPR Period After &amp;3 Stacked Shocks (seconds)</source>
        <translation>Reanimatie na &amp;3 schokken op rij (seconden)</translation>
    </message>
    <message>
        <source>CPR Period After &amp;Each Shock or No Shock Advised (seconds)</source>
        <translation>Reanimatie na &amp;elke schok of ‘geen schok geadviseerd’ (seconden)</translation>
    </message>
    <message>
        <source>Checks and Scoring</source>
        <translation>Controles en score</translation>
    </message>
    <message>
        <source>Scoring for Voice Report</source>
        <translation>Score voor het spraakverslag</translation>
    </message>
    <message>
        <source>Pulse Check After 3rd Stacked Shock</source>
        <translation>Pols controleren na de 3e schok op rij</translation>
    </message>
    <message>
        <source>BP Check After Pulse Returns</source>
        <translation>Bloeddruk controleren als de pols terugkeert</translation>
    </message>
    <message>
        <source>Monitor ECG of Underage/Weight Pediatric</source>
        <translation>ECG bewaken bij kinderen onder de grens</translation>
    </message>
    <message>
        <source>Pulse Check After Stopping CPR</source>
        <translation>Pols controleren na het stoppen met reanimeren</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Single Shock Protocol</source>
        <translation>Protocol met één schok</translation>
    </message>
    <message>
        <source>One shock, then a CPR period before the next analysis. Unchecked, up to three shocks are stacked.</source>
        <translation>Eén schok, dan een reanimatieperiode vóór de volgende analyse. Uitgevinkt volgen tot drie schokken op elkaar.</translation>
    </message>
    <message>
        <source>CPR Metronome</source>
        <translation>Reanimatiemetronoom</translation>
    </message>
    <message>
        <source>A click 110 times a minute while the hands are on the chest, with audio on.</source>
        <translation>Een klik 110 keer per minuut zolang de handen op de borst liggen en het geluid aan staat.</translation>
    </message>
    <message>
        <source>Report files of practice and test scenarios</source>
        <translation>Verslagbestanden van oefen- en examenscenario&apos;s</translation>
    </message>
    <message>
        <source>O&amp;pen</source>
        <translation>O&amp;penen</translation>
    </message>
    <message>
        <source>Shows a report file</source>
        <translation>Toont een verslagbestand</translation>
    </message>
    <message>
        <source>Fo&amp;nt</source>
        <translation>&amp;Lettertype</translation>
    </message>
    <message>
        <source>Changes the font of the report</source>
        <translation>Wijzigt het lettertype van het verslag</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>Prints the report shown</source>
        <translation>Drukt het getoonde verslag af</translation>
    </message>
    <message>
        <source>Test report</source>
        <translation>Examenverslag</translation>
    </message>
    <message>
        <source>Send Options</source>
        <translation>Verzendopties</translation>
    </message>
    <message>
        <source>Where Send puts the test report: the instructor&apos;s server and the file names</source>
        <translation>Waar Verzenden het examenverslag neerzet: de server van de instructeur en de bestandsnamen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Verzenden</translation>
    </message>
    <message>
        <source>Let the instructor join</source>
        <translation>De instructeur laten meekijken</translation>
    </message>
    <message>
        <source>The instructor&apos;s console may join this trainer over the network, from the OK on: the main menu then shows the station&apos;s name and join code</source>
        <translation>De console van de instructeur kan vanaf OK via het netwerk met deze trainer verbinden: het hoofdmenu toont dan de naam en de toegangscode van het station</translation>
    </message>
    <message>
        <source>The choice to let the instructor join could not be saved in %1: %2. Choose it again once the file can be written.</source>
        <translation>De keuze om de instructeur te laten meekijken kon niet in %1 worden opgeslagen: %2. Kies opnieuw zodra het bestand kan worden geschreven.</translation>
    </message>
</context>
<context>
    <name>defib::ui::PadMark</name>
    <message>
        <source>Electrode in a wrong place</source>
        <translation>Elektrode op een verkeerde plek</translation>
    </message>
</context>
<context>
    <name>defib::ui::Program</name>
    <message>
        <source>%1 %2. The language follows the desktop&apos;s until Options saves it again.</source>
        <translation>%1 %2. De taal volgt die van het bureaublad tot de opties haar weer opslaan.</translation>
    </message>
</context>
<context>
    <name>defib::ui::ProgramStation</name>
    <message>
        <source>%1 %2. The station uses its defaults for what the file could not give.</source>
        <translation>%1 %2. Het station gebruikt zijn standaardwaarden voor wat het bestand niet kon geven.</translation>
    </message>
    <message>
        <source>The choice to let the instructor join could not be saved in %1: %2. Choose it again once the file can be written.</source>
        <translation>De keuze om de instructeur te laten meekijken kon niet in %1 worden opgeslagen: %2. Kies opnieuw zodra het bestand kan worden geschreven.</translation>
    </message>
    <message>
        <source>The instructor can join now: station %1, code %2.</source>
        <translation>De instructeur kan nu meekijken: station %1, code %2.</translation>
    </message>
    <message>
        <source>The instructor can no longer join: the station has closed.</source>
        <translation>De instructeur kan niet meer meekijken: het station is gesloten.</translation>
    </message>
    <message>
        <source>The instructor cannot join: the station cannot listen on port %1 (%2). Defibrio runs on without it; choose another Port= in %3.</source>
        <translation>De instructeur kan niet meekijken: het station kan niet luisteren op poort %1 (%2). Defibrio werkt zonder verder; kies een andere Port= in %3.</translation>
    </message>
    <message>
        <source>Station %1 · code %2 · console joined</source>
        <translation>Station %1 · code %2 · console verbonden</translation>
    </message>
    <message>
        <source>Station %1 · code %2</source>
        <translation>Station %1 · code %2</translation>
    </message>
</context>
<context>
    <name>defib::ui::StationGrid</name>
    <message>
        <source>Pad fault</source>
        <translation>Elektrodefout</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Beweging</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterij bijna leeg</translation>
    </message>
    <message>
        <source>no patient</source>
        <translation>geen patiënt</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>gereed</translation>
    </message>
    <message>
        <source>running</source>
        <translation>bezig</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>gepauzeerd</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>beëindigd</translation>
    </message>
    <message>
        <source>%1  %2 (%3)</source>
        <translation>%1  %2 (%3)</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>verbinden</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>geweigerd</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>joined</source>
        <translation>verbonden</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Oefening</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Toets</translation>
    </message>
    <message>
        <source>%1 (frame %2 of %3)</source>
        <translation>%1 (fase %2 van %3)</translation>
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
        <translation>%1; %2 bij de volgende analyse</translation>
    </message>
    <message>
        <source>%1 at next analysis</source>
        <translation>%1 bij de volgende analyse</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Toestand</translation>
    </message>
    <message>
        <source>Trainee</source>
        <translation>Cursist</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Volgende stap</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>CPR</source>
        <translation>Reanimatie</translation>
    </message>
    <message>
        <source>Hands off</source>
        <translation>Handen los</translation>
    </message>
    <message>
        <source>Shocks</source>
        <translation>Schokken</translation>
    </message>
    <message>
        <source>Trouble</source>
        <translation>Storing</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Strafpunten</translation>
    </message>
    <message>
        <source>Check pulse</source>
        <translation>Pols controleren</translation>
    </message>
    <message>
        <source>Responsiveness</source>
        <translation>Bewustzijn controleren</translation>
    </message>
    <message>
        <source>Airway</source>
        <translation>Luchtweg</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>Ademhaling</translation>
    </message>
    <message>
        <source>Breathing rate</source>
        <translation>Ademfrequentie</translation>
    </message>
    <message>
        <source>Ventilation</source>
        <translation>Beademing</translation>
    </message>
    <message>
        <source>Circulation</source>
        <translation>Circulatie</translation>
    </message>
    <message>
        <source>Blood pressure</source>
        <translation>Bloeddruk</translation>
    </message>
    <message>
        <source>Top electrode</source>
        <translation>Bovenste elektrode</translation>
    </message>
    <message>
        <source>Bottom electrode</source>
        <translation>Onderste elektrode</translation>
    </message>
    <message>
        <source>Re-attach electrode</source>
        <translation>Elektrode opnieuw aanbrengen</translation>
    </message>
    <message>
        <source>Replace battery</source>
        <translation>Batterij vervangen</translation>
    </message>
    <message>
        <source>Stop motion</source>
        <translation>Beweging stoppen</translation>
    </message>
    <message>
        <source>Voice report</source>
        <translation>Spraakverslag</translation>
    </message>
    <message>
        <source>Clear before analysis</source>
        <translation>Afstand houden voor de analyse</translation>
    </message>
    <message>
        <source>Clear before shock</source>
        <translation>Afstand houden voor de schok</translation>
    </message>
    <message>
        <source>Power on</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analyseren</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Schok</translation>
    </message>
    <message>
        <source>End scenario</source>
        <translation>Scenario beëindigen</translation>
    </message>
    <message>
        <source>Keep up CPR</source>
        <translation>Reanimatie voortzetten</translation>
    </message>
    <message>
        <source>%1, message open</source>
        <translation>%1, melding open</translation>
    </message>
</context>
<context>
    <name>defib::ui::TConsole</name>
    <message>
        <source>Start Scenario File</source>
        <translation>Scenariobestand starten</translation>
    </message>
    <message>
        <source>Scenario files (*.json)</source>
        <translation>Scenariobestanden (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Message to the Trainee</source>
        <translation>Bericht aan de cursist</translation>
    </message>
    <message>
        <source>The trainee reads &quot;Instructor: &quot; and your text:</source>
        <translation>De cursist leest ‘Instructeur: ’ en uw tekst:</translation>
    </message>
    <message>
        <source>Instructor Console</source>
        <translation>Instructeursconsole</translation>
    </message>
    <message>
        <source>Add station</source>
        <translation>Station toevoegen</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <source>host:port</source>
        <translation>host:poort</translation>
    </message>
    <message>
        <source>Join &amp;code:</source>
        <translation>Toegangs&amp;code:</translation>
    </message>
    <message>
        <source>6 digits</source>
        <translation>6 cijfers</translation>
    </message>
    <message>
        <source>&amp;Secure connection (TLS)</source>
        <translation>&amp;Beveiligde verbinding (TLS)</translation>
    </message>
    <message>
        <source>A&amp;dd station</source>
        <translation>Station toevoe&amp;gen</translation>
    </message>
    <message>
        <source>Stations found nearby (click one, then type its join code):</source>
        <translation>Stations in de buurt (klik er een aan en typ dan de toegangscode):</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Hervatten</translation>
    </message>
    <message>
        <source>&amp;End scenario</source>
        <translation>Scenario b&amp;eëindigen</translation>
    </message>
    <message>
        <source>Start scenario &amp;file...</source>
        <translation>Scenario&amp;bestand starten...</translation>
    </message>
    <message>
        <source>Ne&amp;xt frame</source>
        <translation>Volgende &amp;fase</translation>
    </message>
    <message>
        <source>&amp;Message...</source>
        <translation>Be&amp;richt...</translation>
    </message>
    <message>
        <source>Pad fault</source>
        <translation>Elektrodefout</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Beweging</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterij bijna leeg</translation>
    </message>
    <message>
        <source>now</source>
        <translation>nu</translation>
    </message>
    <message>
        <source>at next analysis</source>
        <translation>bij de volgende analyse</translation>
    </message>
    <message>
        <source>&amp;Trouble</source>
        <translation>S&amp;toring</translation>
    </message>
    <message>
        <source>Remo&amp;ve station</source>
        <translation>Station &amp;verwijderen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no station address: type host:port, as the station shows it.</source>
        <translation>‘%1’ is geen stationsadres: typ host:poort, zoals het station het toont.</translation>
    </message>
    <message>
        <source>The join code has six digits, as the station shows it.</source>
        <translation>De toegangscode heeft zes cijfers, zoals het station hem toont.</translation>
    </message>
    <message>
        <source>%1 refused the console: %2</source>
        <translation>%1 heeft de console geweigerd: %2</translation>
    </message>
    <message>
        <source>%1 is lost; the console tries again every few seconds.</source>
        <translation>%1 is verloren; de console probeert het om de paar seconden opnieuw.</translation>
    </message>
    <message>
        <source>%1 joined.</source>
        <translation>%1 verbonden.</translation>
    </message>
    <message>
        <source>%1 joined; %2</source>
        <translation>%1 verbonden; %2</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 verwijderd.</translation>
    </message>
    <message>
        <source>Add a station to watch its trainee.</source>
        <translation>Voeg een station toe om de cursist te volgen.</translation>
    </message>
    <message>
        <source>Select a station to see its timeline.</source>
        <translation>Kies een station om de tijdlijn te zien.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>End scenario</source>
        <translation>Scenario beëindigen</translation>
    </message>
    <message>
        <source>Start scenario</source>
        <translation>Scenario starten</translation>
    </message>
    <message>
        <source>Trouble</source>
        <translation>Storing</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Volgende fase</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>%1: %2 sent.</source>
        <translation>%1: %2 verzonden.</translation>
    </message>
    <message>
        <source>%1: %2 done.</source>
        <translation>%1: %2 uitgevoerd.</translation>
    </message>
    <message>
        <source>%1: %2 refused: %3</source>
        <translation>%1: %2 geweigerd: %3</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1 is too large to send: a station takes scenario files up to about 60 KB.</source>
        <translation>%1 is te groot om te verzenden: een station neemt scenariobestanden tot ongeveer 60 KB aan.</translation>
    </message>
    <message>
        <source>A message has at most %1 characters; this one has %2.</source>
        <translation>Een bericht heeft hoogstens %1 tekens; dit heeft er %2.</translation>
    </message>
</context>
<context>
    <name>defib::ui::TFTPform</name>
    <message>
        <source>Send Options</source>
        <translation>Verzendopties</translation>
    </message>
    <message>
        <source>Where &quot;Send&quot; puts the test report (AEDTEST.TXT): the instructor&apos;s server.</source>
        <translation>Waar ‘Verzenden’ het examenverslag (AEDTEST.TXT) neerzet: de server van de instructeur.</translation>
    </message>
    <message>
        <source>FTP: the password travels unprotected</source>
        <translation>FTP: het wachtwoord gaat onbeschermd over het net</translation>
    </message>
    <message>
        <source>FTP with TLS (explicit)</source>
        <translation>FTP met TLS (expliciet)</translation>
    </message>
    <message>
        <source>SFTP over SSH</source>
        <translation>SFTP via SSH</translation>
    </message>
    <message>
        <source>Pro&amp;tocol:</source>
        <translation>Pro&amp;tocol:</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>the protocol&apos;s own (21, SFTP 22)</source>
        <translation>die van het protocol (21, SFTP 22)</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Poort:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Gebruiker:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>Wachtwoord ont&amp;houden</translation>
    </message>
    <message>
        <source>the login folder</source>
        <translation>de inlogmap</translation>
    </message>
    <message>
        <source>Remote p&amp;ath:</source>
        <translation>Externe m&amp;ap:</translation>
    </message>
    <message>
        <source>Remote &amp;file:</source>
        <translation>Extern &amp;bestand:</translation>
    </message>
    <message>
        <source>{name} and {id}: the trainee of the newest result
{date} and {time}: the day and time of the send
A name the server has gets _2, _3, ...: nothing is replaced.</source>
        <translation>{name} en {id}: de cursist van het nieuwste resultaat
{date} en {time}: de dag en het tijdstip van verzenden
Een naam die de server al heeft krijgt _2, _3, ...: niets wordt vervangen.</translation>
    </message>
    <message>
        <source>Send the &amp;detailed report (AEDTEST2.TXT) with it</source>
        <translation>Het uitgebreide &amp;verslag (AEDTEST2.TXT) meesturen</translation>
    </message>
    <message>
        <source>Transfer &amp;mode:</source>
        <translation>Over&amp;drachtmodus:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binair</translation>
    </message>
    <message>
        <source>Pa&amp;ssive mode</source>
        <translation>Pass&amp;ieve modus</translation>
    </message>
    <message>
        <source>Trust this server&apos;s &amp;certificate</source>
        <translation>Het &amp;certificaat van deze server vertrouwen</translation>
    </message>
    <message>
        <source>Fingerprint: </source>
        <translation>Vingerafdruk: </translation>
    </message>
</context>
<context>
    <name>defib::ui::TForm1</name>
    <message>
        <source>&amp;Start CPR</source>
        <translation>&amp;Start met reanimeren</translation>
    </message>
    <message>
        <source>S&amp;top CPR</source>
        <translation>S&amp;top met reanimeren</translation>
    </message>
    <message>
        <source>&amp;CPR</source>
        <translation>&amp;Reanimatie</translation>
    </message>
    <message>
        <source>Starts or stops CPR</source>
        <translation>Start of stopt het reanimeren</translation>
    </message>
    <message>
        <source>&amp;Pulse</source>
        <translation>&amp;Pols</translation>
    </message>
    <message>
        <source>Checks patient&apos;s pulse</source>
        <translation>Controleert de pols van de patiënt</translation>
    </message>
    <message>
        <source>&amp;All ABCs</source>
        <translation>&amp;Alle ABC</translation>
    </message>
    <message>
        <source>&amp;Responsiveness</source>
        <translation>&amp;Bewustzijn controleren</translation>
    </message>
    <message>
        <source>A&amp;irway</source>
        <translation>&amp;Luchtweg openen</translation>
    </message>
    <message>
        <source>&amp;Breathing</source>
        <translation>A&amp;demhaling controleren</translation>
    </message>
    <message>
        <source>&amp;Ventilation</source>
        <translation>B&amp;eademen</translation>
    </message>
    <message>
        <source>&amp;Circulation</source>
        <translation>&amp;Circulatie</translation>
    </message>
    <message>
        <source>&amp;ABCs</source>
        <translation>AB&amp;C</translation>
    </message>
    <message>
        <source>Airway, breathing and circulation checks</source>
        <translation>Controle van luchtweg, ademhaling en circulatie</translation>
    </message>
    <message>
        <source>&amp;BP</source>
        <translation>B&amp;loeddruk</translation>
    </message>
    <message>
        <source>Checks patient&apos;s blood pressure</source>
        <translation>Meet de bloeddruk van de patiënt</translation>
    </message>
    <message>
        <source>Re-&amp;attach Electrode</source>
        <translation>&amp;Elektrode opnieuw aanbrengen</translation>
    </message>
    <message>
        <source>Replace &amp;Battery</source>
        <translation>&amp;Batterij vervangen</translation>
    </message>
    <message>
        <source>Stop &amp;Motion</source>
        <translation>Beweging &amp;stoppen</translation>
    </message>
    <message>
        <source>&amp;Troubleshoot</source>
        <translation>&amp;Storingen</translation>
    </message>
    <message>
        <source>Electrode, battery and motion problems of the trainer</source>
        <translation>Problemen met elektrode, batterij en beweging van de AED</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation>Spraak&amp;verslag</translation>
    </message>
    <message>
        <source>Records a voice report</source>
        <translation>Neemt een spraakverslag op</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Afs&amp;tand</translation>
    </message>
    <message>
        <source>Everybody stands clear of the patient</source>
        <translation>Iedereen houdt afstand van de patiënt</translation>
    </message>
    <message>
        <source>&amp;End Scenario</source>
        <translation>Scenario b&amp;eëindigen</translation>
    </message>
    <message>
        <source>Ends the scenario and shows the summary</source>
        <translation>Beëindigt het scenario en toont het overzicht</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Start Scenario</source>
        <translation>Scenario &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <source>Patient &amp;History</source>
        <translation>&amp;Anamnese</translation>
    </message>
    <message>
        <source>&amp;Advice (-50)</source>
        <translation>A&amp;dvies (-50)</translation>
    </message>
    <message>
        <source>&amp;Debug Window</source>
        <translation>De&amp;bugvenster</translation>
    </message>
    <message>
        <source>Send &amp;Test Report...</source>
        <translation>Examenverslag &amp;verzenden...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>Tra&amp;iner</source>
        <translation>AE&amp;D</translation>
    </message>
    <message>
        <source>&amp;Power On</source>
        <translation>&amp;Aanzetten</translation>
    </message>
    <message>
        <source>Power On &amp;Again</source>
        <translation>Opnieuw aa&amp;nzetten</translation>
    </message>
    <message>
        <source>&amp;Analyze</source>
        <translation>Ana&amp;lyseren</translation>
    </message>
    <message>
        <source>&amp;Shock</source>
        <translation>&amp;Schok</translation>
    </message>
    <message>
        <source>Place &amp;White Electrode</source>
        <translation>&amp;Witte elektrode plaatsen</translation>
    </message>
    <message>
        <source>Place &amp;Red Electrode</source>
        <translation>&amp;Rode elektrode plaatsen</translation>
    </message>
    <message>
        <source>&amp;Upper Right Chest</source>
        <translation>Rechts &amp;boven op de borst</translation>
    </message>
    <message>
        <source>&amp;Left Side</source>
        <translation>&amp;Linkerzijde</translation>
    </message>
    <message>
        <source>Optio&amp;ns</source>
        <translation>Opt&amp;ies</translation>
    </message>
    <message>
        <source>&amp;Scenarios...</source>
        <translation>&amp;Scenario&apos;s...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Defibrio</source>
        <translation>&amp;Over Defibrio</translation>
    </message>
    <message>
        <source>What the trainer says</source>
        <translation>Wat de AED zegt</translation>
    </message>
    <message>
        <source>“%1”</source>
        <comment>the trainer&apos;s words, quoted</comment>
        <translation>‘%1’</translation>
    </message>
    <message>
        <source>Final Errors</source>
        <translation>Laatste fouten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>AED trainer simulator</source>
        <translation>Simulator voor AED-trainers</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Starts a scenario</source>
        <translation>Start een scenario</translation>
    </message>
    <message>
        <source>Score&amp;board</source>
        <translation>S&amp;corebord</translation>
    </message>
    <message>
        <source>Shows top 10 practice scores</source>
        <translation>Toont de 10 beste oefenscores</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Program, protocol and report options</source>
        <translation>Opties voor programma, protocol en verslagen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Sluit het programma af</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patiënt</translation>
    </message>
    <message>
        <source>Electrodes</source>
        <translation>Elektroden</translation>
    </message>
    <message>
        <source>Drag the white electrode to the upper right chest</source>
        <translation>Sleep de witte elektrode rechts boven op de borst</translation>
    </message>
    <message>
        <source>Drag the red electrode to the patient&apos;s left side</source>
        <translation>Sleep de rode elektrode naar de linkerzijde van de patiënt</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Score </source>
        <translation>Score </translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Berichten</translation>
    </message>
    <message>
        <source>Score log</source>
        <translation>Scoreverloop</translation>
    </message>
    <message>
        <source>Every change of the score, newest first</source>
        <translation>Elke wijziging van de score, nieuwste eerst</translation>
    </message>
    <message>
        <source>Last action</source>
        <translation>Laatste handeling</translation>
    </message>
    <message>
        <source>Last action:</source>
        <translation>Laatste handeling:</translation>
    </message>
    <message>
        <source>Actions taken</source>
        <translation>Uitgevoerde handelingen</translation>
    </message>
    <message>
        <source>AED trainer, closed</source>
        <translation>AED-trainer, gesloten</translation>
    </message>
    <message>
        <source>AED trainer</source>
        <translation>AED-trainer</translation>
    </message>
    <message>
        <source>Turns the trainer on</source>
        <translation>Zet de AED aan</translation>
    </message>
    <message>
        <source>Turns the trainer on again after the battery was replaced</source>
        <translation>Zet de AED weer aan nadat de batterij is vervangen</translation>
    </message>
    <message>
        <source>Analyzes the heart rhythm</source>
        <translation>Analyseert het hartritme</translation>
    </message>
    <message>
        <source>Delivers the shock</source>
        <translation>Dient de schok toe</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>brandt</translation>
    </message>
    <message>
        <source>Power light</source>
        <translation>Aan-lampje</translation>
    </message>
    <message>
        <source>Analyze light</source>
        <translation>Analyselampje</translation>
    </message>
    <message>
        <source>Shock light</source>
        <translation>Schoklampje</translation>
    </message>
    <message>
        <source>Trainer display: </source>
        <translation>Scherm van de AED: </translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterij bijna leeg</translation>
    </message>
    <message>
        <source>Instructor &amp;Console...</source>
        <translation>Instructeurs&amp;console...</translation>
    </message>
</context>
<context>
    <name>defib::ui::TPasswordDlg</name>
    <message>
        <source>Password </source>
        <translation>Wachtwoord </translation>
    </message>
    <message>
        <source>&amp;Enter password:</source>
        <translation>Wachtwoord &amp;invoeren:</translation>
    </message>
</context>
<context>
    <name>defib::ui::TScenarioEditor</name>
    <message>
        <source>, %1 trouble</source>
        <translation>, storing %1</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Scenario&apos;s</translation>
    </message>
    <message>
        <source>Save Scenario As</source>
        <translation>Scenario opslaan als</translation>
    </message>
    <message>
        <source>&amp;Scenarios</source>
        <translation>&amp;Scenario&apos;s</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Starts a new scenario</source>
        <translation>Begint een nieuw scenario</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Dupliceren</translation>
    </message>
    <message>
        <source>Saves a copy of this scenario in your own folder</source>
        <translation>Slaat een kopie van dit scenario op in uw eigen map</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <source>Prints a one-page summary of the scenario</source>
        <translation>Drukt een samenvatting van het scenario op één pagina af</translation>
    </message>
    <message>
        <source>&amp;Try It</source>
        <translation>&amp;Uitproberen</translation>
    </message>
    <message>
        <source>Closes the editor and starts this scenario as the next patient</source>
        <translation>Sluit de editor en start dit scenario als de volgende patiënt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>Terug naar het hoofdmenu</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>De titel</translation>
    </message>
    <message>
        <source>The one-line teaching goal</source>
        <translation>Het leerdoel in één regel</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Leerdoel:</translation>
    </message>
    <message>
        <source>The goal</source>
        <translation>Het leerdoel</translation>
    </message>
    <message>
        <source>The guideline followed</source>
        <translation>De gevolgde richtlijn</translation>
    </message>
    <message>
        <source>G&amp;uideline:</source>
        <translation>R&amp;ichtlijn:</translation>
    </message>
    <message>
        <source>The guideline</source>
        <translation>De richtlijn</translation>
    </message>
    <message>
        <source>As the options choose</source>
        <translation>Zoals in de opties</translation>
    </message>
    <message>
        <source>Stacked shocks</source>
        <translation>Schokken op rij</translation>
    </message>
    <message>
        <source>Single shock</source>
        <translation>Eén schok</translation>
    </message>
    <message>
        <source>P&amp;rotocol:</source>
        <translation>P&amp;rotocol:</translation>
    </message>
    <message>
        <source>The protocol</source>
        <translation>Het protocol</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patiënt</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>Volwassene</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Child under the limit</source>
        <translation>Kind onder de grens</translation>
    </message>
    <message>
        <source>Hypothermic</source>
        <translation>Onderkoeld</translation>
    </message>
    <message>
        <source>The rules that apply: a child under the trainer&apos;s limit must not be treated with it; a hypothermic patient takes a limited number of shocks</source>
        <translation>De regels die gelden: een kind onder de grens van de AED mag er niet mee worden behandeld; een onderkoelde patiënt krijgt een beperkt aantal schokken</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Soort:</translation>
    </message>
    <message>
        <source>The kind</source>
        <translation>De soort</translation>
    </message>
    <message>
        <source> years</source>
        <translation> jaar</translation>
    </message>
    <message>
        <source>A&amp;ge:</source>
        <translation>Lee&amp;ftijd:</translation>
    </message>
    <message>
        <source>The age</source>
        <translation>De leeftijd</translation>
    </message>
    <message>
        <source> kg</source>
        <translation> kg</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>niet opgegeven</translation>
    </message>
    <message>
        <source>&amp;Weight:</source>
        <translation>&amp;Gewicht:</translation>
    </message>
    <message>
        <source>The weight</source>
        <translation>Het gewicht</translation>
    </message>
    <message>
        <source>0: adult</source>
        <translation>0: volwassene</translation>
    </message>
    <message>
        <source>1: adult</source>
        <translation>1: volwassene</translation>
    </message>
    <message>
        <source>2: woman</source>
        <translation>2: vrouw</translation>
    </message>
    <message>
        <source>3: child</source>
        <translation>3: kind</translation>
    </message>
    <message>
        <source>Pict&amp;ure:</source>
        <translation>&amp;Afbeelding:</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>De afbeelding</translation>
    </message>
    <message>
        <source>As the picture</source>
        <translation>Zoals de afbeelding</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Vrouw</translation>
    </message>
    <message>
        <source>Male or female; &quot;As the picture&quot; says what the picture shows</source>
        <translation>Man of vrouw; ‘Zoals de afbeelding’ neemt wat de afbeelding toont</translation>
    </message>
    <message>
        <source>Se&amp;x:</source>
        <translation>Ges&amp;lacht:</translation>
    </message>
    <message>
        <source>The sex</source>
        <translation>Het geslacht</translation>
    </message>
    <message>
        <source>found collapsed in a gym.</source>
        <translation>bewusteloos gevonden in een sportzaal.</translation>
    </message>
    <message>
        <source>Follows &quot;Your patient is a 58 y.o. male&quot;</source>
        <translation>Volgt op ‘Uw patiënt is een man van 58’</translation>
    </message>
    <message>
        <source>&amp;History:</source>
        <translation>&amp;Voorgeschiedenis:</translation>
    </message>
    <message>
        <source>The history</source>
        <translation>De voorgeschiedenis</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Fasen</translation>
    </message>
    <message>
        <source>Add &amp;Frame</source>
        <translation>Fase &amp;toevoegen</translation>
    </message>
    <message>
        <source>Adds a frame after the one selected</source>
        <translation>Voegt een fase toe na de gekozen fase</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Verwij&amp;deren</translation>
    </message>
    <message>
        <source>Removes the frame selected</source>
        <translation>Verwijdert de gekozen fase</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Om&amp;hoog</translation>
    </message>
    <message>
        <source>Moves the frame earlier</source>
        <translation>Zet de fase eerder</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>Om&amp;laag</translation>
    </message>
    <message>
        <source>Moves the frame later</source>
        <translation>Zet de fase later</translation>
    </message>
    <message>
        <source>Shockable</source>
        <translation>Schokbaar</translation>
    </message>
    <message>
        <source>Non-shockable (no pulse)</source>
        <translation>Niet-schokbaar (geen pols)</translation>
    </message>
    <message>
        <source>Pulse (restored)</source>
        <translation>Pols (hersteld)</translation>
    </message>
    <message>
        <source>R&amp;hythm:</source>
        <translation>Rit&amp;me:</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Ritme</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Electrode loose</source>
        <translation>Elektrode los</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Beweging</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterij bijna leeg</translation>
    </message>
    <message>
        <source>Comes at the first analysis in the frame that finds both pads on</source>
        <translation>Komt bij de eerste analyse in de fase die beide elektroden op hun plaats vindt</translation>
    </message>
    <message>
        <source>Tro&amp;uble:</source>
        <translation>St&amp;oring:</translation>
    </message>
    <message>
        <source>Trouble</source>
        <translation>Storing</translation>
    </message>
    <message>
        <source>For the instructor</source>
        <translation>Voor de instructeur</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>&amp;Notitie:</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>After shoc&amp;ks</source>
        <translation>Na sc&amp;hokken</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>After s&amp;econds</source>
        <translation>Na s&amp;econden</translation>
    </message>
    <message>
        <source>After ana&amp;lyses</source>
        <translation>Na ana&amp;lyses</translation>
    </message>
    <message>
        <source>Instructor moves on</source>
        <translation>Instructeur gaat verder</translation>
    </message>
    <message>
        <source>Left when the instructor moves the scenario on</source>
        <translation>Eindigt wanneer de instructeur het scenario verder zet</translation>
    </message>
    <message>
        <source>Exits:</source>
        <translation>Einde:</translation>
    </message>
    <message>
        <source>Exits</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Scenario pack (read-only)</source>
        <translation>Scenariopakket (alleen-lezen)</translation>
    </message>
    <message>
        <source>My scenarios</source>
        <translation>Mijn scenario&apos;s</translation>
    </message>
    <message>
        <source>  [read-only]</source>
        <translation>  [alleen-lezen]</translation>
    </message>
    <message>
        <source>Cannot be read: </source>
        <translation>Niet leesbaar: </translation>
    </message>
    <message>
        <source>  (none found)</source>
        <translation>  (geen gevonden)</translation>
    </message>
    <message>
        <source>  (none yet: New or Duplicate makes one)</source>
        <translation>  (nog geen: Nieuw of Dupliceren maakt er een)</translation>
    </message>
    <message>
        <source>No frame</source>
        <translation>Geen fase</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Fase %1 van %2</translation>
    </message>
    <message>
        <source>The frame</source>
        <translation>De fase</translation>
    </message>
    <message>
        <source>Frame %1: %2</source>
        <translation>Fase %1: %2</translation>
    </message>
    <message>
        <source>The scenario</source>
        <translation>Het scenario</translation>
    </message>
    <message>
        <source>Cannot be saved while a problem stands: %1%2</source>
        <translation>Kan niet worden opgeslagen zolang er een probleem is: %1%2</translation>
    </message>
    <message>
        <source> (and %1 more)</source>
        <translation> (en nog %1)</translation>
    </message>
    <message>
        <source>Saves the scenario in your own folder</source>
        <translation>Slaat het scenario op in uw eigen map</translation>
    </message>
    <message>
        <source>Saves the scenario in its file</source>
        <translation>Slaat het scenario op in zijn bestand</translation>
    </message>
    <message>
        <source>Saves the scenario in a file you choose</source>
        <translation>Slaat het scenario op in een bestand naar keuze</translation>
    </message>
    <message>
        <source>Cannot be played while a problem stands</source>
        <translation>Kan niet worden gespeeld zolang er een probleem is</translation>
    </message>
    <message>
        <source>New scenario, not saved yet: Save puts it in your own folder.</source>
        <translation>Nieuw scenario, nog niet opgeslagen: Opslaan zet het in uw eigen map.</translation>
    </message>
    <message>
        <source>Read-only: this scenario comes with the program. Save writes your copy into your own folder.</source>
        <translation>Alleen-lezen: dit scenario hoort bij het programma. Opslaan schrijft uw kopie in uw eigen map.</translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Bestand: </translation>
    </message>
    <message>
        <source> (unsaved changes)</source>
        <translation> (niet-opgeslagen wijzigingen)</translation>
    </message>
    <message>
        <source>Scenarios - </source>
        <translation>Scenario&apos;s - </translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved. Leave them unsaved?</source>
        <translation>De wijzigingen in ‘%1’ zijn niet opgeslagen. Zonder opslaan verlaten?</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made. Nothing is lost: the scenario stays open here; Save As can write it elsewhere.</source>
        <translation>De map %1 kan niet worden gemaakt. Er gaat niets verloren: het scenario blijft hier open; Opslaan als kan het elders schrijven.</translation>
    </message>
    <message>
        <source>The scenario cannot be saved as %1: %2. Nothing is lost: the scenario stays open here; Save As can write it elsewhere.</source>
        <translation>Het scenario kan niet worden opgeslagen als %1: %2. Er gaat niets verloren: het scenario blijft hier open; Opslaan als kan het elders schrijven.</translation>
    </message>
    <message>
        <source>Scenario file</source>
        <translation>Scenariobestand</translation>
    </message>
    <message>
        <source>The scenario pack is not changed: save into your own folder (%1).</source>
        <translation>Het scenariopakket wordt niet gewijzigd: sla op in uw eigen map (%1).</translation>
    </message>
    <message>
        <source>Defibrio Scenario</source>
        <translation>Defibrio-scenario</translation>
    </message>
    <message>
        <source>The scenario could not be printed: the printer did not start.</source>
        <translation>Het scenario kon niet worden afgedrukt: de printer startte niet.</translation>
    </message>
</context>
<context>
    <name>defib::ui::ThreadUploader</name>
    <message>
        <source>Sending AEDTEST.TXT</source>
        <translation>AEDTEST.TXT wordt verzonden</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbinden met %1...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annuleren...</translation>
    </message>
    <message>
        <source>Sending %1 to %2
%3 of %4 bytes sent</source>
        <translation>%1 wordt naar %2 verzonden
%3 van %4 bytes verzonden</translation>
    </message>
</context>
</TS>
