<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Debrief</name>
    <message>
        <source>Power</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Choc</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Écartez</translation>
    </message>
    <message>
        <source>CPR</source>
        <translation>RCP</translation>
    </message>
    <message>
        <source>Stop CPR</source>
        <translation>Arrêt RCP</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pouls</translation>
    </message>
    <message>
        <source>BP</source>
        <translation>TA</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>ABCs</source>
        <translation>ABC</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Conscience</translation>
    </message>
    <message>
        <source>Airway</source>
        <translation>Voies aériennes</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiration</translation>
    </message>
    <message>
        <source>Ventilate</source>
        <translation>Ventilation</translation>
    </message>
    <message>
        <source>White pad</source>
        <translation>Électrode blanche</translation>
    </message>
    <message>
        <source>Red pad</source>
        <translation>Électrode rouge</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Électrode</translation>
    </message>
    <message>
        <source>Electrode</source>
        <translation>Électrode</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Antécédents</translation>
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
        <translation>Stagiaire</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>DAE</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Hands off the chest for %1 (%2 to %3)</source>
        <translation>Mains hors du thorax pendant %1 (%2 à %3)</translation>
    </message>
    <message>
        <source>CPR %1 to %2</source>
        <translation>RCP de %1 à %2</translation>
    </message>
    <message>
        <source>Armed</source>
        <translation>Chargé</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>En charge</translation>
    </message>
    <message>
        <source>fatal</source>
        <translation>fatal</translation>
    </message>
    <message>
        <source>%1  Fatal shock: the patient was not cleared</source>
        <translation>%1  Choc fatal : quelqu&apos;un touchait le patient</translation>
    </message>
    <message>
        <source>%1  Shock %2</source>
        <translation>%1  Choc %2</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>pouls</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>temps écoulé</translation>
    </message>
    <message>
        <source>The rhythm converts: the patient has a pulse</source>
        <translation>Le rythme se convertit : le patient a un pouls</translation>
    </message>
    <message>
        <source>%1  Paused</source>
        <translation>%1  En pause</translation>
    </message>
    <message>
        <source>From the start click, paused time left out.</source>
        <translation>Depuis le clic de départ, pauses non comprises.</translation>
    </message>
    <message>
        <source>Time to power on</source>
        <translation>Délai de mise en marche</translation>
    </message>
    <message>
        <source>Time to first analysis</source>
        <translation>Délai de la 1re analyse</translation>
    </message>
    <message>
        <source>Time to first shock</source>
        <translation>Délai du 1er choc</translation>
    </message>
    <message>
        <source>within %1</source>
        <translation>avant %1</translation>
    </message>
    <message>
        <source>From the start click, paused time left out. The protocol counts the Speed of First Shock from %1 and takes 200 points for one later than %2 after it, that is %3 here.</source>
        <translation>Depuis le clic de départ, pauses non comprises. Le protocole compte le délai du premier choc à partir de %1 et retire 200 points s&apos;il vient plus de %2 après, soit ici après %3.</translation>
    </message>
    <message>
        <source>CPR fraction</source>
        <translation>Fraction de RCP</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>at least 80 %</source>
        <translation>au moins 80 %</translation>
    </message>
    <message>
        <source>The share of the time with the hands on the chest, from the start click until the pulse returns, the scenario times out or it ends.</source>
        <translation>La part du temps passée les mains sur le thorax, du clic de départ jusqu&apos;au retour du pouls, à la fin du temps ou à la fin du scénario.</translation>
    </message>
    <message>
        <source>Longest hands-off pause</source>
        <translation>Plus longue pause sans RCP</translation>
    </message>
    <message>
        <source>The longest time without the hands on the chest after the first CPR.</source>
        <translation>Le plus long temps sans les mains sur le thorax après la première RCP.</translation>
    </message>
    <message>
        <source>Pre-shock pause</source>
        <translation>Pause avant le choc</translation>
    </message>
    <message>
        <source>under 10 s</source>
        <translation>moins de 10 s</translation>
    </message>
    <message>
        <source>From the hands leaving the chest to the first shock.</source>
        <translation>Des mains quittant le thorax jusqu&apos;au premier choc.</translation>
    </message>
    <message>
        <source>Post-shock pause</source>
        <translation>Pause après le choc</translation>
    </message>
    <message>
        <source>From the first shock to the hands back on the chest.</source>
        <translation>Du premier choc au retour des mains sur le thorax.</translation>
    </message>
    <message>
        <source>Fatal shock</source>
        <translation>Choc fatal</translation>
    </message>
    <message>
        <source>From the start click: the shock to a patient not cleared, which ended the scenario. Nobody may touch the patient at a shock.</source>
        <translation>Depuis le clic de départ : le choc délivré alors que quelqu&apos;un touchait le patient, qui a mis fin au scénario. Personne ne doit toucher le patient pendant un choc.</translation>
    </message>
    <message>
        <source>✔ met</source>
        <translation>✔ atteint</translation>
    </message>
    <message>
        <source>✘ not met</source>
        <translation>✘ non atteint</translation>
    </message>
    <message>
        <source>✘ fatal</source>
        <translation>✘ fatal</translation>
    </message>
    <message>
        <source>Speed of First Shock counts from %1 into the scenario, as the protocol scores it; the measures count from the start click.</source>
        <translation>Le délai du premier choc compte à partir de %1 dans le scénario, comme le protocole le note ; les mesures comptent à partir du clic de départ.</translation>
    </message>
    <message>
        <source>Scenario Summary — %1</source>
        <translation>Bilan du scénario — %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>ID Number</source>
        <translation>Numéro d&apos;identifiant</translation>
    </message>
    <message>
        <source>Speed of First Shock</source>
        <translation>Délai du premier choc</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocole</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scénario</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Pénalités</translation>
    </message>
    <message>
        <source>Protocol Errors/Notes</source>
        <translation>Erreurs de protocole/Remarques</translation>
    </message>
    <message>
        <source>the file cannot be written there</source>
        <translation>le fichier ne peut pas être écrit à cet endroit</translation>
    </message>
    <message>
        <source>Defibrio debrief</source>
        <translation>Débriefing Defibrio</translation>
    </message>
    <message>
        <source>No penalties.</source>
        <translation>Aucune pénalité.</translation>
    </message>
    <message>
        <source>No protocol errors or notes.</source>
        <translation>Aucune erreur de protocole ni remarque.</translation>
    </message>
    <message>
        <source>The instructor paused the scenario</source>
        <translation>Le formateur a mis le scénario en pause</translation>
    </message>
    <message>
        <source>The instructor resumed the scenario</source>
        <translation>Le formateur a repris le scénario</translation>
    </message>
    <message>
        <source>The instructor ended the scenario</source>
        <translation>Le formateur a terminé le scénario</translation>
    </message>
    <message>
        <source>The instructor moved the scenario on to its next frame</source>
        <translation>Le formateur a fait passer le scénario à l&apos;étape suivante</translation>
    </message>
    <message>
        <source>The instructor loosened a pad</source>
        <translation>Le formateur a décollé une électrode</translation>
    </message>
    <message>
        <source>The instructor ran the battery low</source>
        <translation>Le formateur a déchargé la batterie</translation>
    </message>
    <message>
        <source>The instructor brought motion into the analysis</source>
        <translation>Le formateur a provoqué un mouvement pendant l&apos;analyse</translation>
    </message>
    <message>
        <source>The instructor set a loose pad for the next analysis</source>
        <translation>Le formateur a prévu une électrode décollée pour la prochaine analyse</translation>
    </message>
    <message>
        <source>The instructor set a low battery for the next analysis</source>
        <translation>Le formateur a prévu une batterie faible pour la prochaine analyse</translation>
    </message>
    <message>
        <source>The instructor set motion for the next analysis</source>
        <translation>Le formateur a prévu un mouvement pour la prochaine analyse</translation>
    </message>
    <message>
        <source>The instructor&apos;s message: %1</source>
        <translation>Message du formateur : %1</translation>
    </message>
    <message>
        <source>The instructor: %1</source>
        <translation>Le formateur : %1</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Report</source>
        <translation>Ouvrir un rapport</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Defibrio Report</source>
        <translation>Rapport Defibrio</translation>
    </message>
    <message>
        <source>Save Debrief</source>
        <translation>Enregistrer le débriefing</translation>
    </message>
</context>
<context>
    <name>SecondaryWindows</name>
    <message>
        <source>Counted from %1 into the scenario, as the protocol scores the first shock. The measures count from the start click.</source>
        <translation>Compté à partir de %1 dans le scénario, comme le protocole note le premier choc. Les mesures comptent à partir du clic de départ.</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Inscription</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;ID Number:</source>
        <translation>&amp;Identifiant :</translation>
    </message>
    <message>
        <source>&amp;Scenario:</source>
        <translation>&amp;Scénario :</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>E&amp;xamen</translation>
    </message>
    <message>
        <source>Scenario Summary</source>
        <translation>Bilan du scénario</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>ID Number</source>
        <translation>Numéro d&apos;identifiant</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Speed of First Shock</source>
        <translation>Délai du premier choc</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocole</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scénario</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Protocol Errors/Notes</source>
        <translation>Erreurs de protocole/Remarques</translation>
    </message>
    <message>
        <source>Timeline (point at a mark for what it was)</source>
        <translation>Chronologie (pointez une marque pour voir ce qu&apos;elle était)</translation>
    </message>
    <message>
        <source>Timeline of the scenario</source>
        <translation>Chronologie du scénario</translation>
    </message>
    <message>
        <source>Penalties, numbered as on the timeline</source>
        <translation>Pénalités, numérotées comme sur la chronologie</translation>
    </message>
    <message>
        <source>Score&amp;board</source>
        <translation>&amp;Tableau des scores</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Main Menu</source>
        <translation>&amp;Menu principal</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Save Debrief...</source>
        <translation>&amp;Enregistrer le débriefing...</translation>
    </message>
    <message>
        <source>The only shock went to a patient not cleared: it was fatal and is not counted. </source>
        <translation>Le seul choc a été délivré alors que quelqu&apos;un touchait le patient : il a été fatal et ne compte pas. </translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>The debrief could not be saved as %1: %2. Choose another folder or name.</source>
        <translation>Le débriefing n&apos;a pas pu être enregistré sous %1 : %2. Choisissez un autre dossier ou un autre nom.</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Tableau des scores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Débogage</translation>
    </message>
    <message>
        <source>Next step:</source>
        <translation>Étape suivante :</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>About Defibrio</source>
        <translation>À propos de Defibrio</translation>
    </message>
    <message>
        <source>A training simulator for the use of an AED trainer, with one-button and two-button models, scored against a configurable protocol.

Options, scoreboard and reports are kept in:
%1

For training only: not for use on patients.</source>
        <translation>Un simulateur de formation à l&apos;utilisation d&apos;un DAE de formation, en modèles à un et à deux boutons, noté selon un protocole paramétrable.

Les options, le tableau des scores et les rapports sont conservés dans :
%1

Pour la formation uniquement : ne pas utiliser sur des patients.</translation>
    </message>
</context>
<context>
    <name>defib::ui::BoardView</name>
    <message>
        <source>Columns: place, name, date, score</source>
        <translation>Colonnes : rang, nom, date, score</translation>
    </message>
    <message>
        <source>  name            date          score</source>
        <extracomment>The columns over the board&apos;s lines, in a fixed-width font: each word starts where the English one does (name at 3, date at 19, score at 33).</extracomment>
        <translation>  nom             date          score</translation>
    </message>
</context>
<context>
    <name>defib::ui::ConsoleClient</name>
    <message>
        <source>the station did not answer</source>
        <translation>la station n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>the station sent no certificate</source>
        <translation>la station n&apos;a envoyé aucun certificat</translation>
    </message>
    <message>
        <source>the station&apos;s certificate has changed since the console first joined it (SHA-256 %1, pinned %2): if the station was set up again, remove its line from %3</source>
        <translation>le certificat de la station a changé depuis que la console l&apos;a rejointe pour la première fois (SHA-256 %1, enregistré %2) : si la station a été réinstallée, supprimez sa ligne de %3</translation>
    </message>
    <message>
        <source>the connection was lost before the station answered</source>
        <translation>la connexion a été perdue avant la réponse de la station</translation>
    </message>
    <message>
        <source>the station&apos;s certificate could not be kept in %1: %2</source>
        <translation>le certificat de la station n&apos;a pas pu être enregistré dans %1 : %2</translation>
    </message>
    <message>
        <source>the station is not joined</source>
        <translation>la console n&apos;a pas rejoint la station</translation>
    </message>
</context>
<context>
    <name>defib::ui::Discovery</name>
    <message>
        <source>Discovery is not available: type the station&apos;s address</source>
        <translation>La recherche n&apos;est pas disponible : saisissez l&apos;adresse du poste</translation>
    </message>
</context>
<context>
    <name>defib::ui::OptionsPages</name>
    <message>
        <source>Program Options</source>
        <translation>Options du programme</translation>
    </message>
    <message>
        <source>Protocol Options</source>
        <translation>Options du protocole</translation>
    </message>
    <message>
        <source>Report Options</source>
        <translation>Options des rapports</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Dépannage</translation>
    </message>
    <message>
        <source>Percenta&amp;ge</source>
        <translation>Pourcenta&amp;ge</translation>
    </message>
    <message>
        <source>Chance of a trainer problem in a scenario, of these kinds:</source>
        <translation>Probabilité d&apos;une panne du DAE dans un scénario, parmi ces types :</translation>
    </message>
    <message>
        <source>Motion Detection</source>
        <translation>Détection de mouvement</translation>
    </message>
    <message>
        <source>Electrode Re-attach</source>
        <translation>Électrode à recoller</translation>
    </message>
    <message>
        <source>Battery Replace</source>
        <translation>Batterie à remplacer</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>DAE de formation</translation>
    </message>
    <message>
        <source>Two Button AED</source>
        <translation>DAE à deux boutons</translation>
    </message>
    <message>
        <source>Auto Analyze</source>
        <translation>Analyse automatique</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scénario</translation>
    </message>
    <message>
        <source>Hypothermic Patient</source>
        <translation>Patient en hypothermie</translation>
    </message>
    <message>
        <source>One Shock Scenario</source>
        <translation>Scénario à un choc</translation>
    </message>
    <message>
        <source>Auto ABCs</source>
        <translation>ABC automatique</translation>
    </message>
    <message>
        <source>Bag-Valve Mask</source>
        <translation>Insufflateur manuel (BAVU)</translation>
    </message>
    <message>
        <source>Prompt for CPR time</source>
        <translation>Demander la durée de RCP</translation>
    </message>
    <message>
        <source>Registration and Exam</source>
        <translation>Inscription et examen</translation>
    </message>
    <message>
        <source>Require ID Number</source>
        <translation>Exiger un identifiant</translation>
    </message>
    <message>
        <source>Three Scenario Exam</source>
        <translation>Examen en trois scénarios</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Mot de passe</translation>
    </message>
    <message>
        <source>Click this button to show/hide the current password.</source>
        <translation>Affiche ou masque le mot de passe actuel.</translation>
    </message>
    <message>
        <source>Asked for before the options open. Leave it empty to let everyone in.</source>
        <translation>Demandé avant l&apos;ouverture des options. Laissez-le vide pour laisser entrer tout le monde.</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Tableau des scores</translation>
    </message>
    <message>
        <source>Deletes every practice score on the scoreboard.</source>
        <translation>Efface tous les scores d&apos;entraînement du tableau des scores.</translation>
    </message>
    <message>
        <source>C&amp;lear Scorebrd</source>
        <translation>Effacer le &amp;tableau</translation>
    </message>
    <message>
        <source>&amp;DEFAULT</source>
        <translation>&amp;PAR DÉFAUT</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Lang&amp;uage:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>The language of the trainer&apos;s display, its voice and the windows, from the next start of the program</source>
        <translation>La langue de l&apos;écran et de la voix du DAE et des fenêtres, à partir du prochain démarrage du programme</translation>
    </message>
    <message>
        <source>The language could not be saved in %1: %2. The other options are saved; choose the language again once the file can be written.</source>
        <translation>La langue n&apos;a pas pu être enregistrée dans %1 : %2. Les autres options sont enregistrées ; choisissez de nouveau la langue dès que le fichier peut être écrit.</translation>
    </message>
    <message>
        <source>The trainer speaks %1 from the next start of Defibrio.</source>
        <translation>Le DAE parlera %1 à partir du prochain démarrage de Defibrio.</translation>
    </message>
    <message>
        <source>Shocks and Pediatric Patients</source>
        <translation>Chocs et patients pédiatriques</translation>
    </message>
    <message>
        <source>Hypothermic &amp;Shock Limit</source>
        <translation>Limite de &amp;chocs en hypothermie</translation>
    </message>
    <message>
        <source>Pediatric &amp;Limit</source>
        <translation>&amp;Limite pédiatrique</translation>
    </message>
    <message>
        <source>&amp;Age (years)</source>
        <translation>Â&amp;ge (ans)</translation>
    </message>
    <message>
        <source>&amp;Weight (lbs.)</source>
        <translation>&amp;Poids (lb)</translation>
    </message>
    <message>
        <source>Below the pediatric limit a patient counts as a child; the limit is in years or in pounds.</source>
        <translation>Sous la limite pédiatrique, un patient compte comme un enfant ; la limite est en années ou en livres.</translation>
    </message>
    <message>
        <source>CPR Periods</source>
        <translation>Périodes de RCP</translation>
    </message>
    <message>
        <source>CPR Period Prior to A&amp;nalyzing (seconds)</source>
        <translation>RCP avant l&apos;a&amp;nalyse (secondes)</translation>
    </message>
    <message>
        <source>CPR Period After &amp;1st No Shock Advised (seconds)</source>
        <translation>RCP après le &amp;1er « choc non conseillé » (secondes)</translation>
    </message>
    <message>
        <source>CPR Period After No Shock Ad&amp;vised (seconds)</source>
        <translation>RCP après « choc non conseill&amp;é » (secondes)</translation>
    </message>
    <message>
        <source>CPR Period After &amp;3 Stacked Shocks (seconds)</source>
        <translation>RCP après &amp;3 chocs successifs (secondes)</translation>
    </message>
    <message>
        <source>CPR Period After &amp;Each Shock or No Shock Advised (seconds)</source>
        <translation>RCP après &amp;chaque choc ou « choc non conseillé » (secondes)</translation>
    </message>
    <message>
        <source>Checks and Scoring</source>
        <translation>Contrôles et notation</translation>
    </message>
    <message>
        <source>Scoring for Voice Report</source>
        <translation>Noter le rapport vocal</translation>
    </message>
    <message>
        <source>Pulse Check After 3rd Stacked Shock</source>
        <translation>Vérifier le pouls après le 3e choc successif</translation>
    </message>
    <message>
        <source>BP Check After Pulse Returns</source>
        <translation>Tension artérielle au retour du pouls</translation>
    </message>
    <message>
        <source>Monitor ECG of Underage/Weight Pediatric</source>
        <translation>Surveiller l&apos;ECG d&apos;un enfant sous la limite</translation>
    </message>
    <message>
        <source>Pulse Check After Stopping CPR</source>
        <translation>Vérifier le pouls après l&apos;arrêt de la RCP</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocole</translation>
    </message>
    <message>
        <source>Single Shock Protocol</source>
        <translation>Protocole à choc unique</translation>
    </message>
    <message>
        <source>One shock, then a CPR period before the next analysis. Unchecked, up to three shocks are stacked.</source>
        <translation>Un choc, puis une période de RCP avant l&apos;analyse suivante. Décoché, jusqu&apos;à trois chocs s&apos;enchaînent.</translation>
    </message>
    <message>
        <source>CPR Metronome</source>
        <translation>Métronome de RCP</translation>
    </message>
    <message>
        <source>A click 110 times a minute while the hands are on the chest, with audio on.</source>
        <translation>Un clic 110 fois par minute tant que les mains sont sur le thorax, son activé.</translation>
    </message>
    <message>
        <source>Report files of practice and test scenarios</source>
        <translation>Fichiers de rapport des scénarios d&apos;entraînement et d&apos;examen</translation>
    </message>
    <message>
        <source>O&amp;pen</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Shows a report file</source>
        <translation>Affiche un fichier de rapport</translation>
    </message>
    <message>
        <source>Fo&amp;nt</source>
        <translation>Poli&amp;ce</translation>
    </message>
    <message>
        <source>Changes the font of the report</source>
        <translation>Change la police du rapport</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>Imp&amp;rimer</translation>
    </message>
    <message>
        <source>Prints the report shown</source>
        <translation>Imprime le rapport affiché</translation>
    </message>
    <message>
        <source>Test report</source>
        <translation>Rapport d&apos;examen</translation>
    </message>
    <message>
        <source>Send Options</source>
        <translation>Options d&apos;envoi</translation>
    </message>
    <message>
        <source>Where Send puts the test report: the instructor&apos;s server and the file names</source>
        <translation>Où Envoyer dépose le rapport d&apos;examen : le serveur du formateur et les noms des fichiers</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Let the instructor join</source>
        <translation>Laisser le formateur se connecter</translation>
    </message>
    <message>
        <source>The instructor&apos;s console may join this trainer over the network, from the OK on: the main menu then shows the station&apos;s name and join code</source>
        <translation>La console du formateur peut se connecter à ce défibrillateur de formation par le réseau dès le OK : le menu principal affiche alors le nom et le code d&apos;accès du poste</translation>
    </message>
    <message>
        <source>The choice to let the instructor join could not be saved in %1: %2. Choose it again once the file can be written.</source>
        <translation>Le choix de laisser le formateur se connecter n&apos;a pas pu être enregistré dans %1 : %2. Refaites ce choix dès que le fichier peut être écrit.</translation>
    </message>
</context>
<context>
    <name>defib::ui::PadMark</name>
    <message>
        <source>Electrode in a wrong place</source>
        <translation>Électrode mal placée</translation>
    </message>
</context>
<context>
    <name>defib::ui::Program</name>
    <message>
        <source>%1 %2. The language follows the desktop&apos;s until Options saves it again.</source>
        <translation>%1 %2. La langue suit celle du bureau jusqu&apos;à ce que les options l&apos;enregistrent de nouveau.</translation>
    </message>
</context>
<context>
    <name>defib::ui::ProgramStation</name>
    <message>
        <source>%1 %2. The station uses its defaults for what the file could not give.</source>
        <translation>%1 %2. Le poste utilise ses valeurs par défaut pour ce que le fichier n&apos;a pas pu donner.</translation>
    </message>
    <message>
        <source>The choice to let the instructor join could not be saved in %1: %2. Choose it again once the file can be written.</source>
        <translation>Le choix de laisser le formateur se connecter n&apos;a pas pu être enregistré dans %1 : %2. Refaites ce choix dès que le fichier peut être écrit.</translation>
    </message>
    <message>
        <source>The instructor can join now: station %1, code %2.</source>
        <translation>Le formateur peut maintenant se connecter : poste %1, code %2.</translation>
    </message>
    <message>
        <source>The instructor can no longer join: the station has closed.</source>
        <translation>Le formateur ne peut plus se connecter : le poste est fermé.</translation>
    </message>
    <message>
        <source>The instructor cannot join: the station cannot listen on port %1 (%2). Defibrio runs on without it; choose another Port= in %3.</source>
        <translation>Le formateur ne peut pas se connecter : le poste ne peut pas écouter sur le port %1 (%2). Defibrio continue sans lui ; choisissez un autre Port= dans %3.</translation>
    </message>
    <message>
        <source>Station %1 · code %2 · console joined</source>
        <translation>Poste %1 · code %2 · console connectée</translation>
    </message>
    <message>
        <source>Station %1 · code %2</source>
        <translation>Poste %1 · code %2</translation>
    </message>
</context>
<context>
    <name>defib::ui::StationGrid</name>
    <message>
        <source>Pad fault</source>
        <translation>Défaut d&apos;électrode</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterie faible</translation>
    </message>
    <message>
        <source>no patient</source>
        <translation>pas de patient</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>prêt</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pause</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>%1  %2 (%3)</source>
        <translation>%1  %2 (%3)</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>connexion</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdu</translation>
    </message>
    <message>
        <source>joined</source>
        <translation>rejoint</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Examen</translation>
    </message>
    <message>
        <source>%1 (frame %2 of %3)</source>
        <translation>%1 (séquence %2 sur %3)</translation>
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
        <translation>%1 ; %2 à la prochaine analyse</translation>
    </message>
    <message>
        <source>%1 at next analysis</source>
        <translation>%1 à la prochaine analyse</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Trainee</source>
        <translation>Stagiaire</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scénario</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Étape suivante</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>CPR</source>
        <translation>RCP</translation>
    </message>
    <message>
        <source>Hands off</source>
        <translation>Mains levées</translation>
    </message>
    <message>
        <source>Shocks</source>
        <translation>Chocs</translation>
    </message>
    <message>
        <source>Trouble</source>
        <translation>Incident</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Pénalités</translation>
    </message>
    <message>
        <source>Check pulse</source>
        <translation>Vérifier le pouls</translation>
    </message>
    <message>
        <source>Responsiveness</source>
        <translation>Vérifier la conscience</translation>
    </message>
    <message>
        <source>Airway</source>
        <translation>Voies aériennes</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>Respiration</translation>
    </message>
    <message>
        <source>Breathing rate</source>
        <translation>Fréquence respiratoire</translation>
    </message>
    <message>
        <source>Ventilation</source>
        <translation>Ventilation</translation>
    </message>
    <message>
        <source>Circulation</source>
        <translation>Circulation</translation>
    </message>
    <message>
        <source>Blood pressure</source>
        <translation>Tension artérielle</translation>
    </message>
    <message>
        <source>Top electrode</source>
        <translation>Électrode du haut</translation>
    </message>
    <message>
        <source>Bottom electrode</source>
        <translation>Électrode du bas</translation>
    </message>
    <message>
        <source>Re-attach electrode</source>
        <translation>Recoller l&apos;électrode</translation>
    </message>
    <message>
        <source>Replace battery</source>
        <translation>Remplacer la batterie</translation>
    </message>
    <message>
        <source>Stop motion</source>
        <translation>Arrêter le mouvement</translation>
    </message>
    <message>
        <source>Voice report</source>
        <translation>Rapport vocal</translation>
    </message>
    <message>
        <source>Clear before analysis</source>
        <translation>S&apos;écarter avant l&apos;analyse</translation>
    </message>
    <message>
        <source>Clear before shock</source>
        <translation>S&apos;écarter avant le choc</translation>
    </message>
    <message>
        <source>Power on</source>
        <translation>Mise en marche</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Choc</translation>
    </message>
    <message>
        <source>End scenario</source>
        <translation>Terminer le scénario</translation>
    </message>
    <message>
        <source>Keep up CPR</source>
        <translation>Poursuivre la RCP</translation>
    </message>
    <message>
        <source>%1, message open</source>
        <translation>%1, message ouvert</translation>
    </message>
</context>
<context>
    <name>defib::ui::TConsole</name>
    <message>
        <source>Start Scenario File</source>
        <translation>Lancer un fichier de scénario</translation>
    </message>
    <message>
        <source>Scenario files (*.json)</source>
        <translation>Fichiers de scénario (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Message to the Trainee</source>
        <translation>Message au stagiaire</translation>
    </message>
    <message>
        <source>The trainee reads &quot;Instructor: &quot; and your text:</source>
        <translation>Le stagiaire lit « Formateur : » suivi de votre texte :</translation>
    </message>
    <message>
        <source>Instructor Console</source>
        <translation>Console du formateur</translation>
    </message>
    <message>
        <source>Add station</source>
        <translation>Ajouter une station</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>host:port</source>
        <translation>hôte:port</translation>
    </message>
    <message>
        <source>Join &amp;code:</source>
        <translation>&amp;Code d&apos;accès :</translation>
    </message>
    <message>
        <source>6 digits</source>
        <translation>6 chiffres</translation>
    </message>
    <message>
        <source>&amp;Secure connection (TLS)</source>
        <translation>Connexion &amp;sécurisée (TLS)</translation>
    </message>
    <message>
        <source>A&amp;dd station</source>
        <translation>A&amp;jouter la station</translation>
    </message>
    <message>
        <source>Stations found nearby (click one, then type its join code):</source>
        <translation>Stations trouvées à proximité (cliquez sur l&apos;une, puis saisissez son code d&apos;accès) :</translation>
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
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>&amp;End scenario</source>
        <translation>T&amp;erminer le scénario</translation>
    </message>
    <message>
        <source>Start scenario &amp;file...</source>
        <translation>Lancer un &amp;fichier de scénario...</translation>
    </message>
    <message>
        <source>Ne&amp;xt frame</source>
        <translation>Séquence sui&amp;vante</translation>
    </message>
    <message>
        <source>&amp;Message...</source>
        <translation>&amp;Message...</translation>
    </message>
    <message>
        <source>Pad fault</source>
        <translation>Défaut d&apos;électrode</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterie faible</translation>
    </message>
    <message>
        <source>now</source>
        <translation>maintenant</translation>
    </message>
    <message>
        <source>at next analysis</source>
        <translation>à la prochaine analyse</translation>
    </message>
    <message>
        <source>&amp;Trouble</source>
        <translation>&amp;Incident</translation>
    </message>
    <message>
        <source>Remo&amp;ve station</source>
        <translation>Retirer la stati&amp;on</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no station address: type host:port, as the station shows it.</source>
        <translation>« %1 » n&apos;est pas une adresse de station : saisissez hôte:port, tel que la station l&apos;affiche.</translation>
    </message>
    <message>
        <source>The join code has six digits, as the station shows it.</source>
        <translation>Le code d&apos;accès comporte six chiffres, tel que la station l&apos;affiche.</translation>
    </message>
    <message>
        <source>%1 refused the console: %2</source>
        <translation>%1 a refusé la console : %2</translation>
    </message>
    <message>
        <source>%1 is lost; the console tries again every few seconds.</source>
        <translation>%1 est perdue ; la console réessaie toutes les quelques secondes.</translation>
    </message>
    <message>
        <source>%1 joined.</source>
        <translation>%1 rejointe.</translation>
    </message>
    <message>
        <source>%1 joined; %2</source>
        <translation>%1 rejointe ; %2</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 retirée.</translation>
    </message>
    <message>
        <source>Add a station to watch its trainee.</source>
        <translation>Ajoutez une station pour suivre son stagiaire.</translation>
    </message>
    <message>
        <source>Select a station to see its timeline.</source>
        <translation>Sélectionnez une station pour voir sa chronologie.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>End scenario</source>
        <translation>Terminer le scénario</translation>
    </message>
    <message>
        <source>Start scenario</source>
        <translation>Lancer le scénario</translation>
    </message>
    <message>
        <source>Trouble</source>
        <translation>Incident</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Séquence suivante</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>%1: %2 sent.</source>
        <translation>%1 : %2 envoyé.</translation>
    </message>
    <message>
        <source>%1: %2 done.</source>
        <translation>%1 : %2 effectué.</translation>
    </message>
    <message>
        <source>%1: %2 refused: %3</source>
        <translation>%1 : %2 refusé : %3</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is too large to send: a station takes scenario files up to about 60 KB.</source>
        <translation>%1 est trop volumineux pour être envoyé : une station accepte les fichiers de scénario jusqu&apos;à environ 60 Ko.</translation>
    </message>
    <message>
        <source>A message has at most %1 characters; this one has %2.</source>
        <translation>Un message comporte au plus %1 caractères ; celui-ci en a %2.</translation>
    </message>
</context>
<context>
    <name>defib::ui::TFTPform</name>
    <message>
        <source>Send Options</source>
        <translation>Options d&apos;envoi</translation>
    </message>
    <message>
        <source>Where &quot;Send&quot; puts the test report (AEDTEST.TXT): the instructor&apos;s server.</source>
        <translation>Où « Envoyer » dépose le rapport d&apos;examen (AEDTEST.TXT) : le serveur du formateur.</translation>
    </message>
    <message>
        <source>FTP: the password travels unprotected</source>
        <translation>FTP : le mot de passe circule sans protection</translation>
    </message>
    <message>
        <source>FTP with TLS (explicit)</source>
        <translation>FTP avec TLS (explicite)</translation>
    </message>
    <message>
        <source>SFTP over SSH</source>
        <translation>SFTP sur SSH</translation>
    </message>
    <message>
        <source>Pro&amp;tocol:</source>
        <translation>Pro&amp;tocole :</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Serveur :</translation>
    </message>
    <message>
        <source>the protocol&apos;s own (21, SFTP 22)</source>
        <translation>celui du protocole (21, SFTP 22)</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Utilisateur :</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>Mémo&amp;riser le mot de passe</translation>
    </message>
    <message>
        <source>the login folder</source>
        <translation>le dossier de connexion</translation>
    </message>
    <message>
        <source>Remote p&amp;ath:</source>
        <translation>Dossier dist&amp;ant :</translation>
    </message>
    <message>
        <source>Remote &amp;file:</source>
        <translation>&amp;Fichier distant :</translation>
    </message>
    <message>
        <source>{name} and {id}: the trainee of the newest result
{date} and {time}: the day and time of the send
A name the server has gets _2, _3, ...: nothing is replaced.</source>
        <translation>{name} et {id} : le stagiaire du résultat le plus récent
{date} et {time} : le jour et l&apos;heure de l&apos;envoi
Un nom que le serveur a déjà reçoit _2, _3, ... : rien n&apos;est remplacé.</translation>
    </message>
    <message>
        <source>Send the &amp;detailed report (AEDTEST2.TXT) with it</source>
        <translation>Envoyer aussi le rapport &amp;détaillé (AEDTEST2.TXT)</translation>
    </message>
    <message>
        <source>Transfer &amp;mode:</source>
        <translation>Mode de tra&amp;nsfert :</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binaire</translation>
    </message>
    <message>
        <source>Pa&amp;ssive mode</source>
        <translation>Mode pass&amp;if</translation>
    </message>
    <message>
        <source>Trust this server&apos;s &amp;certificate</source>
        <translation>Faire confiance au &amp;certificat de ce serveur</translation>
    </message>
    <message>
        <source>Fingerprint: </source>
        <translation>Empreinte : </translation>
    </message>
</context>
<context>
    <name>defib::ui::TForm1</name>
    <message>
        <source>&amp;Start CPR</source>
        <translation>&amp;Commencer la RCP</translation>
    </message>
    <message>
        <source>S&amp;top CPR</source>
        <translation>&amp;Arrêter la RCP</translation>
    </message>
    <message>
        <source>&amp;CPR</source>
        <translation>&amp;RCP</translation>
    </message>
    <message>
        <source>Starts or stops CPR</source>
        <translation>Commence ou arrête la RCP</translation>
    </message>
    <message>
        <source>&amp;Pulse</source>
        <translation>&amp;Pouls</translation>
    </message>
    <message>
        <source>Checks patient&apos;s pulse</source>
        <translation>Vérifie le pouls du patient</translation>
    </message>
    <message>
        <source>&amp;All ABCs</source>
        <translation>&amp;Tout l&apos;ABC</translation>
    </message>
    <message>
        <source>&amp;Responsiveness</source>
        <translation>Vérifier la &amp;conscience</translation>
    </message>
    <message>
        <source>A&amp;irway</source>
        <translation>&amp;Libérer les voies aériennes</translation>
    </message>
    <message>
        <source>&amp;Breathing</source>
        <translation>Vérifier la &amp;respiration</translation>
    </message>
    <message>
        <source>&amp;Ventilation</source>
        <translation>&amp;Ventiler</translation>
    </message>
    <message>
        <source>&amp;Circulation</source>
        <translation>C&amp;irculation</translation>
    </message>
    <message>
        <source>&amp;ABCs</source>
        <translation>A&amp;BC</translation>
    </message>
    <message>
        <source>Airway, breathing and circulation checks</source>
        <translation>Contrôle des voies aériennes, de la respiration et de la circulation</translation>
    </message>
    <message>
        <source>&amp;BP</source>
        <translation>&amp;Tension</translation>
    </message>
    <message>
        <source>Checks patient&apos;s blood pressure</source>
        <translation>Mesure la tension artérielle du patient</translation>
    </message>
    <message>
        <source>Re-&amp;attach Electrode</source>
        <translation>&amp;Recoller l&apos;électrode</translation>
    </message>
    <message>
        <source>Replace &amp;Battery</source>
        <translation>Remplacer la &amp;batterie</translation>
    </message>
    <message>
        <source>Stop &amp;Motion</source>
        <translation>Arrêter le &amp;mouvement</translation>
    </message>
    <message>
        <source>&amp;Troubleshoot</source>
        <translation>Dépanna&amp;ge</translation>
    </message>
    <message>
        <source>Electrode, battery and motion problems of the trainer</source>
        <translation>Problèmes d&apos;électrode, de batterie et de mouvement du DAE</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation>Rapport &amp;vocal</translation>
    </message>
    <message>
        <source>Records a voice report</source>
        <translation>Enregistre un rapport vocal</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>É&amp;cartez-vous</translation>
    </message>
    <message>
        <source>Everybody stands clear of the patient</source>
        <translation>Tout le monde s&apos;écarte du patient</translation>
    </message>
    <message>
        <source>&amp;End Scenario</source>
        <translation>Terminer le &amp;scénario</translation>
    </message>
    <message>
        <source>Ends the scenario and shows the summary</source>
        <translation>Termine le scénario et affiche le bilan</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Start Scenario</source>
        <translation>&amp;Démarrer le scénario</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Patient &amp;History</source>
        <translation>&amp;Antécédents du patient</translation>
    </message>
    <message>
        <source>&amp;Advice (-50)</source>
        <translation>&amp;Conseil (-50)</translation>
    </message>
    <message>
        <source>&amp;Debug Window</source>
        <translation>Fenêtre de dé&amp;bogage</translation>
    </message>
    <message>
        <source>Send &amp;Test Report...</source>
        <translation>Envoyer le rapport d&apos;e&amp;xamen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Tra&amp;iner</source>
        <translation>&amp;DAE</translation>
    </message>
    <message>
        <source>&amp;Power On</source>
        <translation>&amp;Mettre en marche</translation>
    </message>
    <message>
        <source>Power On &amp;Again</source>
        <translation>Remettre e&amp;n marche</translation>
    </message>
    <message>
        <source>&amp;Analyze</source>
        <translation>&amp;Analyser</translation>
    </message>
    <message>
        <source>&amp;Shock</source>
        <translation>&amp;Choc</translation>
    </message>
    <message>
        <source>Place &amp;White Electrode</source>
        <translation>Placer l&apos;électrode &amp;blanche</translation>
    </message>
    <message>
        <source>Place &amp;Red Electrode</source>
        <translation>Placer l&apos;électrode &amp;rouge</translation>
    </message>
    <message>
        <source>&amp;Upper Right Chest</source>
        <translation>&amp;Haut du thorax, à droite</translation>
    </message>
    <message>
        <source>&amp;Left Side</source>
        <translation>Côté &amp;gauche</translation>
    </message>
    <message>
        <source>Optio&amp;ns</source>
        <translation>Optio&amp;ns</translation>
    </message>
    <message>
        <source>&amp;Scenarios...</source>
        <translation>&amp;Scénarios...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Defibrio</source>
        <translation>À &amp;propos de Defibrio</translation>
    </message>
    <message>
        <source>What the trainer says</source>
        <translation>Ce que dit le DAE</translation>
    </message>
    <message>
        <source>“%1”</source>
        <comment>the trainer&apos;s words, quoted</comment>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>Final Errors</source>
        <translation>Erreurs finales</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>AED trainer simulator</source>
        <translation>Simulateur de DAE de formation</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Déma&amp;rrer</translation>
    </message>
    <message>
        <source>Starts a scenario</source>
        <translation>Démarre un scénario</translation>
    </message>
    <message>
        <source>Score&amp;board</source>
        <translation>&amp;Tableau des scores</translation>
    </message>
    <message>
        <source>Shows top 10 practice scores</source>
        <translation>Affiche les 10 meilleurs scores d&apos;entraînement</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Program, protocol and report options</source>
        <translation>Options du programme, du protocole et des rapports</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Ferme le programme</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Electrodes</source>
        <translation>Électrodes</translation>
    </message>
    <message>
        <source>Drag the white electrode to the upper right chest</source>
        <translation>Faites glisser l&apos;électrode blanche en haut à droite du thorax</translation>
    </message>
    <message>
        <source>Drag the red electrode to the patient&apos;s left side</source>
        <translation>Faites glisser l&apos;électrode rouge sur le côté gauche du patient</translation>
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
        <translation>Messages</translation>
    </message>
    <message>
        <source>Score log</source>
        <translation>Historique du score</translation>
    </message>
    <message>
        <source>Every change of the score, newest first</source>
        <translation>Chaque changement du score, le plus récent d&apos;abord</translation>
    </message>
    <message>
        <source>Last action</source>
        <translation>Dernière action</translation>
    </message>
    <message>
        <source>Last action:</source>
        <translation>Dernière action :</translation>
    </message>
    <message>
        <source>Actions taken</source>
        <translation>Actions effectuées</translation>
    </message>
    <message>
        <source>AED trainer, closed</source>
        <translation>DAE de formation, fermé</translation>
    </message>
    <message>
        <source>AED trainer</source>
        <translation>DAE de formation</translation>
    </message>
    <message>
        <source>Turns the trainer on</source>
        <translation>Met le DAE en marche</translation>
    </message>
    <message>
        <source>Turns the trainer on again after the battery was replaced</source>
        <translation>Remet le DAE en marche après le remplacement de la batterie</translation>
    </message>
    <message>
        <source>Analyzes the heart rhythm</source>
        <translation>Analyse le rythme cardiaque</translation>
    </message>
    <message>
        <source>Delivers the shock</source>
        <translation>Délivre le choc</translation>
    </message>
    <message>
        <source>off</source>
        <translation>éteint</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>allumé</translation>
    </message>
    <message>
        <source>Power light</source>
        <translation>Voyant de marche</translation>
    </message>
    <message>
        <source>Analyze light</source>
        <translation>Voyant d&apos;analyse</translation>
    </message>
    <message>
        <source>Shock light</source>
        <translation>Voyant de choc</translation>
    </message>
    <message>
        <source>Trainer display: </source>
        <translation>Écran du DAE : </translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterie faible</translation>
    </message>
    <message>
        <source>Instructor &amp;Console...</source>
        <translation>&amp;Console du formateur...</translation>
    </message>
</context>
<context>
    <name>defib::ui::TPasswordDlg</name>
    <message>
        <source>Password </source>
        <translation>Mot de passe </translation>
    </message>
    <message>
        <source>&amp;Enter password:</source>
        <translation>&amp;Saisissez le mot de passe :</translation>
    </message>
</context>
<context>
    <name>defib::ui::TScenarioEditor</name>
    <message>
        <source>, %1 trouble</source>
        <translation>, panne %1</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Scénarios</translation>
    </message>
    <message>
        <source>Save Scenario As</source>
        <translation>Enregistrer le scénario sous</translation>
    </message>
    <message>
        <source>&amp;Scenarios</source>
        <translation>&amp;Scénarios</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Starts a new scenario</source>
        <translation>Commence un nouveau scénario</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <source>Saves a copy of this scenario in your own folder</source>
        <translation>Enregistre une copie de ce scénario dans votre propre dossier</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>En&amp;registrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer s&amp;ous...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Prints a one-page summary of the scenario</source>
        <translation>Imprime un résumé du scénario sur une page</translation>
    </message>
    <message>
        <source>&amp;Try It</source>
        <translation>&amp;Essayer</translation>
    </message>
    <message>
        <source>Closes the editor and starts this scenario as the next patient</source>
        <translation>Ferme l&apos;éditeur et lance ce scénario comme prochain patient</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scénario</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>Le titre</translation>
    </message>
    <message>
        <source>The one-line teaching goal</source>
        <translation>L&apos;objectif pédagogique en une ligne</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Objectif :</translation>
    </message>
    <message>
        <source>The goal</source>
        <translation>L&apos;objectif</translation>
    </message>
    <message>
        <source>The guideline followed</source>
        <translation>La recommandation suivie</translation>
    </message>
    <message>
        <source>G&amp;uideline:</source>
        <translation>Re&amp;commandation :</translation>
    </message>
    <message>
        <source>The guideline</source>
        <translation>La recommandation</translation>
    </message>
    <message>
        <source>As the options choose</source>
        <translation>Selon les options</translation>
    </message>
    <message>
        <source>Stacked shocks</source>
        <translation>Chocs successifs</translation>
    </message>
    <message>
        <source>Single shock</source>
        <translation>Choc unique</translation>
    </message>
    <message>
        <source>P&amp;rotocol:</source>
        <translation>P&amp;rotocole :</translation>
    </message>
    <message>
        <source>The protocol</source>
        <translation>Le protocole</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>Adulte</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Child under the limit</source>
        <translation>Enfant sous la limite</translation>
    </message>
    <message>
        <source>Hypothermic</source>
        <translation>En hypothermie</translation>
    </message>
    <message>
        <source>The rules that apply: a child under the trainer&apos;s limit must not be treated with it; a hypothermic patient takes a limited number of shocks</source>
        <translation>Les règles qui s&apos;appliquent : un enfant sous la limite du DAE ne doit pas être traité avec lui ; un patient en hypothermie ne reçoit qu&apos;un nombre limité de chocs</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>The kind</source>
        <translation>Le type</translation>
    </message>
    <message>
        <source> years</source>
        <translation> ans</translation>
    </message>
    <message>
        <source>A&amp;ge:</source>
        <translation>Â&amp;ge :</translation>
    </message>
    <message>
        <source>The age</source>
        <translation>L&apos;âge</translation>
    </message>
    <message>
        <source> kg</source>
        <translation> kg</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non indiqué</translation>
    </message>
    <message>
        <source>&amp;Weight:</source>
        <translation>&amp;Poids :</translation>
    </message>
    <message>
        <source>The weight</source>
        <translation>Le poids</translation>
    </message>
    <message>
        <source>0: adult</source>
        <translation>0 : adulte</translation>
    </message>
    <message>
        <source>1: adult</source>
        <translation>1 : adulte</translation>
    </message>
    <message>
        <source>2: woman</source>
        <translation>2 : femme</translation>
    </message>
    <message>
        <source>3: child</source>
        <translation>3 : enfant</translation>
    </message>
    <message>
        <source>Pict&amp;ure:</source>
        <translation>&amp;Image :</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>L&apos;image</translation>
    </message>
    <message>
        <source>As the picture</source>
        <translation>Selon l&apos;image</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
    <message>
        <source>Male or female; &quot;As the picture&quot; says what the picture shows</source>
        <translation>Homme ou femme ; « Selon l&apos;image » reprend ce que montre l&apos;image</translation>
    </message>
    <message>
        <source>Se&amp;x:</source>
        <translation>Se&amp;xe :</translation>
    </message>
    <message>
        <source>The sex</source>
        <translation>Le sexe</translation>
    </message>
    <message>
        <source>found collapsed in a gym.</source>
        <translation>trouvé inconscient dans une salle de sport.</translation>
    </message>
    <message>
        <source>Follows &quot;Your patient is a 58 y.o. male&quot;</source>
        <translation>Suit « Votre patient est un homme de 58 ans »</translation>
    </message>
    <message>
        <source>&amp;History:</source>
        <translation>&amp;Antécédents :</translation>
    </message>
    <message>
        <source>The history</source>
        <translation>Les antécédents</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Add &amp;Frame</source>
        <translation>Ajouter une é&amp;tape</translation>
    </message>
    <message>
        <source>Adds a frame after the one selected</source>
        <translation>Ajoute une étape après celle sélectionnée</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Supp&amp;rimer</translation>
    </message>
    <message>
        <source>Removes the frame selected</source>
        <translation>Supprime l&apos;étape sélectionnée</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Moves the frame earlier</source>
        <translation>Place l&apos;étape plus tôt</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>Descen&amp;dre</translation>
    </message>
    <message>
        <source>Moves the frame later</source>
        <translation>Place l&apos;étape plus tard</translation>
    </message>
    <message>
        <source>Shockable</source>
        <translation>Choquable</translation>
    </message>
    <message>
        <source>Non-shockable (no pulse)</source>
        <translation>Non choquable (sans pouls)</translation>
    </message>
    <message>
        <source>Pulse (restored)</source>
        <translation>Pouls (récupéré)</translation>
    </message>
    <message>
        <source>R&amp;hythm:</source>
        <translation>R&amp;ythme :</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Rythme</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Electrode loose</source>
        <translation>Électrode décollée</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batterie faible</translation>
    </message>
    <message>
        <source>Comes at the first analysis in the frame that finds both pads on</source>
        <translation>Survient à la première analyse de l&apos;étape qui trouve les deux électrodes en place</translation>
    </message>
    <message>
        <source>Tro&amp;uble:</source>
        <translation>Pa&amp;nne :</translation>
    </message>
    <message>
        <source>Trouble</source>
        <translation>Panne</translation>
    </message>
    <message>
        <source>For the instructor</source>
        <translation>Pour le formateur</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>&amp;Note :</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>After shoc&amp;ks</source>
        <translation>Après des c&amp;hocs</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>After s&amp;econds</source>
        <translation>Après des s&amp;econdes</translation>
    </message>
    <message>
        <source>After ana&amp;lyses</source>
        <translation>Après des ana&amp;lyses</translation>
    </message>
    <message>
        <source>Instructor moves on</source>
        <translation>Le formateur passe à la suite</translation>
    </message>
    <message>
        <source>Left when the instructor moves the scenario on</source>
        <translation>Se termine quand le formateur fait avancer le scénario</translation>
    </message>
    <message>
        <source>Exits:</source>
        <translation>Sorties :</translation>
    </message>
    <message>
        <source>Exits</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Scenario pack (read-only)</source>
        <translation>Scénarios fournis (lecture seule)</translation>
    </message>
    <message>
        <source>My scenarios</source>
        <translation>Mes scénarios</translation>
    </message>
    <message>
        <source>  [read-only]</source>
        <translation>  [lecture seule]</translation>
    </message>
    <message>
        <source>Cannot be read: </source>
        <translation>Illisible : </translation>
    </message>
    <message>
        <source>  (none found)</source>
        <translation>  (aucun trouvé)</translation>
    </message>
    <message>
        <source>  (none yet: New or Duplicate makes one)</source>
        <translation>  (aucun pour l&apos;instant : Nouveau ou Dupliquer en crée un)</translation>
    </message>
    <message>
        <source>No frame</source>
        <translation>Aucune étape</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>The frame</source>
        <translation>L&apos;étape</translation>
    </message>
    <message>
        <source>Frame %1: %2</source>
        <translation>Étape %1 : %2</translation>
    </message>
    <message>
        <source>The scenario</source>
        <translation>Le scénario</translation>
    </message>
    <message>
        <source>Cannot be saved while a problem stands: %1%2</source>
        <translation>Impossible d&apos;enregistrer tant qu&apos;un problème subsiste : %1%2</translation>
    </message>
    <message>
        <source> (and %1 more)</source>
        <translation> (et %1 de plus)</translation>
    </message>
    <message>
        <source>Saves the scenario in your own folder</source>
        <translation>Enregistre le scénario dans votre propre dossier</translation>
    </message>
    <message>
        <source>Saves the scenario in its file</source>
        <translation>Enregistre le scénario dans son fichier</translation>
    </message>
    <message>
        <source>Saves the scenario in a file you choose</source>
        <translation>Enregistre le scénario dans le fichier de votre choix</translation>
    </message>
    <message>
        <source>Cannot be played while a problem stands</source>
        <translation>Impossible de jouer tant qu&apos;un problème subsiste</translation>
    </message>
    <message>
        <source>New scenario, not saved yet: Save puts it in your own folder.</source>
        <translation>Nouveau scénario, pas encore enregistré : Enregistrer le place dans votre propre dossier.</translation>
    </message>
    <message>
        <source>Read-only: this scenario comes with the program. Save writes your copy into your own folder.</source>
        <translation>Lecture seule : ce scénario est fourni avec le programme. Enregistrer écrit votre copie dans votre propre dossier.</translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Fichier : </translation>
    </message>
    <message>
        <source> (unsaved changes)</source>
        <translation> (modifications non enregistrées)</translation>
    </message>
    <message>
        <source>Scenarios - </source>
        <translation>Scénarios - </translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved. Leave them unsaved?</source>
        <translation>Les modifications de « %1 » ne sont pas enregistrées. Les abandonner ?</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made. Nothing is lost: the scenario stays open here; Save As can write it elsewhere.</source>
        <translation>Le dossier %1 ne peut pas être créé. Rien n&apos;est perdu : le scénario reste ouvert ici ; Enregistrer sous peut l&apos;écrire ailleurs.</translation>
    </message>
    <message>
        <source>The scenario cannot be saved as %1: %2. Nothing is lost: the scenario stays open here; Save As can write it elsewhere.</source>
        <translation>Le scénario ne peut pas être enregistré sous %1 : %2. Rien n&apos;est perdu : le scénario reste ouvert ici ; Enregistrer sous peut l&apos;écrire ailleurs.</translation>
    </message>
    <message>
        <source>Scenario file</source>
        <translation>Fichier de scénario</translation>
    </message>
    <message>
        <source>The scenario pack is not changed: save into your own folder (%1).</source>
        <translation>Les scénarios fournis ne sont pas modifiés : enregistrez dans votre propre dossier (%1).</translation>
    </message>
    <message>
        <source>Defibrio Scenario</source>
        <translation>Scénario Defibrio</translation>
    </message>
    <message>
        <source>The scenario could not be printed: the printer did not start.</source>
        <translation>Le scénario n&apos;a pas pu être imprimé : l&apos;imprimante n&apos;a pas démarré.</translation>
    </message>
</context>
<context>
    <name>defib::ui::ThreadUploader</name>
    <message>
        <source>Sending AEDTEST.TXT</source>
        <translation>Envoi de AEDTEST.TXT</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connexion à %1...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Sending %1 to %2
%3 of %4 bytes sent</source>
        <translation>Envoi de %1 à %2
%3 octets sur %4 envoyés</translation>
    </message>
</context>
</TS>
