<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Debrief</name>
    <message>
        <source>Power</source>
        <translation>Encendido</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Apártense</translation>
    </message>
    <message>
        <source>CPR</source>
        <translation>RCP</translation>
    </message>
    <message>
        <source>Stop CPR</source>
        <translation>Fin RCP</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pulso</translation>
    </message>
    <message>
        <source>BP</source>
        <translation>PA</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>ABCs</source>
        <translation>ABC</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Airway</source>
        <translation>Vía aérea</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiración</translation>
    </message>
    <message>
        <source>Ventilate</source>
        <translation>Ventilación</translation>
    </message>
    <message>
        <source>White pad</source>
        <translation>Electrodo blanco</translation>
    </message>
    <message>
        <source>Red pad</source>
        <translation>Electrodo rojo</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Electrodo</translation>
    </message>
    <message>
        <source>Electrode</source>
        <translation>Electrodo</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Antecedentes</translation>
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
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>DEA</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Hands off the chest for %1 (%2 to %3)</source>
        <translation>Manos fuera del tórax durante %1 (%2 a %3)</translation>
    </message>
    <message>
        <source>CPR %1 to %2</source>
        <translation>RCP de %1 a %2</translation>
    </message>
    <message>
        <source>Armed</source>
        <translation>Cargado</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>fatal</source>
        <translation>mortal</translation>
    </message>
    <message>
        <source>%1  Fatal shock: the patient was not cleared</source>
        <translation>%1  Descarga mortal: alguien tocaba al paciente</translation>
    </message>
    <message>
        <source>%1  Shock %2</source>
        <translation>%1  Descarga %2</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>pulso</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>tiempo agotado</translation>
    </message>
    <message>
        <source>The rhythm converts: the patient has a pulse</source>
        <translation>El ritmo revierte: el paciente tiene pulso</translation>
    </message>
    <message>
        <source>%1  Paused</source>
        <translation>%1  En pausa</translation>
    </message>
    <message>
        <source>From the start click, paused time left out.</source>
        <translation>Desde el clic de inicio, sin contar las pausas.</translation>
    </message>
    <message>
        <source>Time to power on</source>
        <translation>Tiempo hasta encender</translation>
    </message>
    <message>
        <source>Time to first analysis</source>
        <translation>Tiempo hasta el 1.er análisis</translation>
    </message>
    <message>
        <source>Time to first shock</source>
        <translation>Tiempo hasta la 1.ª descarga</translation>
    </message>
    <message>
        <source>within %1</source>
        <translation>antes de %1</translation>
    </message>
    <message>
        <source>From the start click, paused time left out. The protocol counts the Speed of First Shock from %1 and takes 200 points for one later than %2 after it, that is %3 here.</source>
        <translation>Desde el clic de inicio, sin contar las pausas. El protocolo cuenta la rapidez de la primera descarga desde %1 y resta 200 puntos si llega más de %2 después, es decir, aquí después de %3.</translation>
    </message>
    <message>
        <source>CPR fraction</source>
        <translation>Fracción de RCP</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>at least 80 %</source>
        <translation>al menos 80 %</translation>
    </message>
    <message>
        <source>The share of the time with the hands on the chest, from the start click until the pulse returns, the scenario times out or it ends.</source>
        <translation>La parte del tiempo con las manos sobre el tórax, desde el clic de inicio hasta que vuelve el pulso, se agota el tiempo o termina el escenario.</translation>
    </message>
    <message>
        <source>Longest hands-off pause</source>
        <translation>Pausa más larga sin RCP</translation>
    </message>
    <message>
        <source>The longest time without the hands on the chest after the first CPR.</source>
        <translation>El tiempo más largo sin las manos sobre el tórax después de la primera RCP.</translation>
    </message>
    <message>
        <source>Pre-shock pause</source>
        <translation>Pausa previa a la descarga</translation>
    </message>
    <message>
        <source>under 10 s</source>
        <translation>menos de 10 s</translation>
    </message>
    <message>
        <source>From the hands leaving the chest to the first shock.</source>
        <translation>Desde que las manos dejan el tórax hasta la primera descarga.</translation>
    </message>
    <message>
        <source>Post-shock pause</source>
        <translation>Pausa posterior a la descarga</translation>
    </message>
    <message>
        <source>From the first shock to the hands back on the chest.</source>
        <translation>Desde la primera descarga hasta que las manos vuelven al tórax.</translation>
    </message>
    <message>
        <source>Fatal shock</source>
        <translation>Descarga mortal</translation>
    </message>
    <message>
        <source>From the start click: the shock to a patient not cleared, which ended the scenario. Nobody may touch the patient at a shock.</source>
        <translation>Desde el clic de inicio: la descarga mientras alguien tocaba al paciente, que terminó el escenario. Nadie debe tocar al paciente durante una descarga.</translation>
    </message>
    <message>
        <source>✔ met</source>
        <translation>✔ cumplido</translation>
    </message>
    <message>
        <source>✘ not met</source>
        <translation>✘ no cumplido</translation>
    </message>
    <message>
        <source>✘ fatal</source>
        <translation>✘ mortal</translation>
    </message>
    <message>
        <source>Speed of First Shock counts from %1 into the scenario, as the protocol scores it; the measures count from the start click.</source>
        <translation>La rapidez de la primera descarga cuenta desde %1 del escenario, como la puntúa el protocolo; las medidas cuentan desde el clic de inicio.</translation>
    </message>
    <message>
        <source>Scenario Summary — %1</source>
        <translation>Resumen del escenario — %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>ID Number</source>
        <translation>Número de ID</translation>
    </message>
    <message>
        <source>Speed of First Shock</source>
        <translation>Rapidez de la 1.ª descarga</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Penalizaciones</translation>
    </message>
    <message>
        <source>Protocol Errors/Notes</source>
        <translation>Errores de protocolo/Notas</translation>
    </message>
    <message>
        <source>the file cannot be written there</source>
        <translation>el archivo no se puede escribir ahí</translation>
    </message>
    <message>
        <source>Defibrio debrief</source>
        <translation>Debriefing de Defibrio</translation>
    </message>
    <message>
        <source>No penalties.</source>
        <translation>Sin penalizaciones.</translation>
    </message>
    <message>
        <source>No protocol errors or notes.</source>
        <translation>Sin errores de protocolo ni notas.</translation>
    </message>
    <message>
        <source>The instructor paused the scenario</source>
        <translation>El instructor ha pausado el escenario</translation>
    </message>
    <message>
        <source>The instructor resumed the scenario</source>
        <translation>El instructor ha reanudado el escenario</translation>
    </message>
    <message>
        <source>The instructor ended the scenario</source>
        <translation>El instructor ha terminado el escenario</translation>
    </message>
    <message>
        <source>The instructor moved the scenario on to its next frame</source>
        <translation>El instructor ha pasado el escenario a la siguiente fase</translation>
    </message>
    <message>
        <source>The instructor loosened a pad</source>
        <translation>El instructor ha soltado un electrodo</translation>
    </message>
    <message>
        <source>The instructor ran the battery low</source>
        <translation>El instructor ha agotado la batería</translation>
    </message>
    <message>
        <source>The instructor brought motion into the analysis</source>
        <translation>El instructor ha provocado movimiento durante el análisis</translation>
    </message>
    <message>
        <source>The instructor set a loose pad for the next analysis</source>
        <translation>El instructor ha preparado un electrodo suelto para el próximo análisis</translation>
    </message>
    <message>
        <source>The instructor set a low battery for the next analysis</source>
        <translation>El instructor ha preparado una batería baja para el próximo análisis</translation>
    </message>
    <message>
        <source>The instructor set motion for the next analysis</source>
        <translation>El instructor ha preparado movimiento para el próximo análisis</translation>
    </message>
    <message>
        <source>The instructor&apos;s message: %1</source>
        <translation>Mensaje del instructor: %1</translation>
    </message>
    <message>
        <source>The instructor: %1</source>
        <translation>El instructor: %1</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Report</source>
        <translation>Abrir informe</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Defibrio Report</source>
        <translation>Informe de Defibrio</translation>
    </message>
    <message>
        <source>Save Debrief</source>
        <translation>Guardar el debriefing</translation>
    </message>
</context>
<context>
    <name>SecondaryWindows</name>
    <message>
        <source>Counted from %1 into the scenario, as the protocol scores the first shock. The measures count from the start click.</source>
        <translation>Contado desde %1 del escenario, como el protocolo puntúa la primera descarga. Las medidas cuentan desde el clic de inicio.</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;ID Number:</source>
        <translation>Número de &amp;ID:</translation>
    </message>
    <message>
        <source>&amp;Scenario:</source>
        <translation>&amp;Escenario:</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Práctica</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>E&amp;xamen</translation>
    </message>
    <message>
        <source>Scenario Summary</source>
        <translation>Resumen del escenario</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>ID Number</source>
        <translation>Número de ID</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Speed of First Shock</source>
        <translation>Rapidez de la 1.ª descarga</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Protocol Errors/Notes</source>
        <translation>Errores de protocolo/Notas</translation>
    </message>
    <message>
        <source>Timeline (point at a mark for what it was)</source>
        <translation>Cronología (señale una marca para ver qué fue)</translation>
    </message>
    <message>
        <source>Timeline of the scenario</source>
        <translation>Cronología del escenario</translation>
    </message>
    <message>
        <source>Penalties, numbered as on the timeline</source>
        <translation>Penalizaciones, numeradas como en la cronología</translation>
    </message>
    <message>
        <source>Score&amp;board</source>
        <translation>&amp;Clasificación</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Si&amp;guiente</translation>
    </message>
    <message>
        <source>&amp;Main Menu</source>
        <translation>&amp;Menú principal</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Save Debrief...</source>
        <translation>Guardar el &amp;debriefing...</translation>
    </message>
    <message>
        <source>The only shock went to a patient not cleared: it was fatal and is not counted. </source>
        <translation>La única descarga se dio mientras alguien tocaba al paciente: fue mortal y no cuenta. </translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>The debrief could not be saved as %1: %2. Choose another folder or name.</source>
        <translation>No se pudo guardar el debriefing como %1: %2. Elija otra carpeta u otro nombre.</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Depuración</translation>
    </message>
    <message>
        <source>Next step:</source>
        <translation>Siguiente paso:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>About Defibrio</source>
        <translation>Acerca de Defibrio</translation>
    </message>
    <message>
        <source>A training simulator for the use of an AED trainer, with one-button and two-button models, scored against a configurable protocol.

Options, scoreboard and reports are kept in:
%1

For training only: not for use on patients.</source>
        <translation>Un simulador de formación para el uso de un DEA de entrenamiento, con modelos de uno y de dos botones, puntuado según un protocolo configurable.

Las opciones, la clasificación y los informes se guardan en:
%1

Solo para formación: no apto para uso en pacientes.</translation>
    </message>
</context>
<context>
    <name>defib::ui::BoardView</name>
    <message>
        <source>Columns: place, name, date, score</source>
        <translation>Columnas: puesto, nombre, fecha, puntuación</translation>
    </message>
    <message>
        <source>  name            date          score</source>
        <extracomment>The columns over the board&apos;s lines, in a fixed-width font: each word starts where the English one does (name at 3, date at 19, score at 33).</extracomment>
        <translation>  nombre          fecha         puntos</translation>
    </message>
</context>
<context>
    <name>defib::ui::ConsoleClient</name>
    <message>
        <source>the station did not answer</source>
        <translation>la estación no ha respondido</translation>
    </message>
    <message>
        <source>the station sent no certificate</source>
        <translation>la estación no ha enviado ningún certificado</translation>
    </message>
    <message>
        <source>the station&apos;s certificate has changed since the console first joined it (SHA-256 %1, pinned %2): if the station was set up again, remove its line from %3</source>
        <translation>el certificado de la estación ha cambiado desde que la consola se unió a ella por primera vez (SHA-256 %1, guardado %2): si la estación se ha vuelto a configurar, borre su línea de %3</translation>
    </message>
    <message>
        <source>the connection was lost before the station answered</source>
        <translation>la conexión se perdió antes de que la estación respondiera</translation>
    </message>
    <message>
        <source>the station&apos;s certificate could not be kept in %1: %2</source>
        <translation>el certificado de la estación no se pudo guardar en %1: %2</translation>
    </message>
    <message>
        <source>the station is not joined</source>
        <translation>la consola no está unida a la estación</translation>
    </message>
</context>
<context>
    <name>defib::ui::Discovery</name>
    <message>
        <source>Discovery is not available: type the station&apos;s address</source>
        <translation>La búsqueda no está disponible: escriba la dirección de la estación</translation>
    </message>
</context>
<context>
    <name>defib::ui::OptionsPages</name>
    <message>
        <source>Program Options</source>
        <translation>Opciones del programa</translation>
    </message>
    <message>
        <source>Protocol Options</source>
        <translation>Opciones del protocolo</translation>
    </message>
    <message>
        <source>Report Options</source>
        <translation>Opciones de informes</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Incidencias</translation>
    </message>
    <message>
        <source>Percenta&amp;ge</source>
        <translation>Porcenta&amp;je</translation>
    </message>
    <message>
        <source>Chance of a trainer problem in a scenario, of these kinds:</source>
        <translation>Probabilidad de una incidencia del DEA en un escenario, de estos tipos:</translation>
    </message>
    <message>
        <source>Motion Detection</source>
        <translation>Detección de movimiento</translation>
    </message>
    <message>
        <source>Electrode Re-attach</source>
        <translation>Electrodo a recolocar</translation>
    </message>
    <message>
        <source>Battery Replace</source>
        <translation>Batería a sustituir</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>DEA de entrenamiento</translation>
    </message>
    <message>
        <source>Two Button AED</source>
        <translation>DEA de dos botones</translation>
    </message>
    <message>
        <source>Auto Analyze</source>
        <translation>Análisis automático</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source>Hypothermic Patient</source>
        <translation>Paciente hipotérmico</translation>
    </message>
    <message>
        <source>One Shock Scenario</source>
        <translation>Escenario de una descarga</translation>
    </message>
    <message>
        <source>Auto ABCs</source>
        <translation>ABC automático</translation>
    </message>
    <message>
        <source>Bag-Valve Mask</source>
        <translation>Bolsa-válvula-mascarilla</translation>
    </message>
    <message>
        <source>Prompt for CPR time</source>
        <translation>Preguntar la duración de la RCP</translation>
    </message>
    <message>
        <source>Registration and Exam</source>
        <translation>Registro y examen</translation>
    </message>
    <message>
        <source>Require ID Number</source>
        <translation>Exigir número de ID</translation>
    </message>
    <message>
        <source>Three Scenario Exam</source>
        <translation>Examen de tres escenarios</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>Contra&amp;seña</translation>
    </message>
    <message>
        <source>Click this button to show/hide the current password.</source>
        <translation>Muestra u oculta la contraseña actual.</translation>
    </message>
    <message>
        <source>Asked for before the options open. Leave it empty to let everyone in.</source>
        <translation>Se pide antes de abrir las opciones. Déjela vacía para que todos puedan entrar.</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Deletes every practice score on the scoreboard.</source>
        <translation>Borra todas las puntuaciones de práctica de la clasificación.</translation>
    </message>
    <message>
        <source>C&amp;lear Scorebrd</source>
        <translation>Borrar c&amp;lasificación</translation>
    </message>
    <message>
        <source>&amp;DEFAULT</source>
        <translation>&amp;PREDETERMINADO</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Lang&amp;uage:</source>
        <translation>Id&amp;ioma:</translation>
    </message>
    <message>
        <source>The language of the trainer&apos;s display, its voice and the windows, from the next start of the program</source>
        <translation>El idioma de la pantalla y la voz del DEA y de las ventanas, a partir del próximo inicio del programa</translation>
    </message>
    <message>
        <source>The language could not be saved in %1: %2. The other options are saved; choose the language again once the file can be written.</source>
        <translation>No se pudo guardar el idioma en %1: %2. Las demás opciones están guardadas; vuelva a elegir el idioma cuando se pueda escribir el archivo.</translation>
    </message>
    <message>
        <source>The trainer speaks %1 from the next start of Defibrio.</source>
        <translation>El DEA hablará %1 a partir del próximo inicio de Defibrio.</translation>
    </message>
    <message>
        <source>Shocks and Pediatric Patients</source>
        <translation>Descargas y pacientes pediátricos</translation>
    </message>
    <message>
        <source>Hypothermic &amp;Shock Limit</source>
        <translation>Límite de &amp;descargas en hipotermia</translation>
    </message>
    <message>
        <source>Pediatric &amp;Limit</source>
        <translation>&amp;Límite pediátrico</translation>
    </message>
    <message>
        <source>&amp;Age (years)</source>
        <translation>&amp;Edad (años)</translation>
    </message>
    <message>
        <source>&amp;Weight (lbs.)</source>
        <translation>&amp;Peso (lb)</translation>
    </message>
    <message>
        <source>Below the pediatric limit a patient counts as a child; the limit is in years or in pounds.</source>
        <translation>Por debajo del límite pediátrico el paciente cuenta como niño; el límite es en años o en libras.</translation>
    </message>
    <message>
        <source>CPR Periods</source>
        <translation>Periodos de RCP</translation>
    </message>
    <message>
        <source>CPR Period Prior to A&amp;nalyzing (seconds)</source>
        <translation>RCP antes del a&amp;nálisis (segundos)</translation>
    </message>
    <message>
        <source>CPR Period After &amp;1st No Shock Advised (seconds)</source>
        <translation>RCP tras la &amp;1.ª «descarga no recomendada» (segundos)</translation>
    </message>
    <message>
        <source>CPR Period After No Shock Ad&amp;vised (seconds)</source>
        <translation>RCP tras «descarga no recomen&amp;dada» (segundos)</translation>
    </message>
    <message>
        <source>CPR Period After &amp;3 Stacked Shocks (seconds)</source>
        <translation>RCP tras &amp;3 descargas seguidas (segundos)</translation>
    </message>
    <message>
        <source>CPR Period After &amp;Each Shock or No Shock Advised (seconds)</source>
        <translation>RCP tras &amp;cada descarga o «descarga no recomendada» (segundos)</translation>
    </message>
    <message>
        <source>Checks and Scoring</source>
        <translation>Comprobaciones y puntuación</translation>
    </message>
    <message>
        <source>Scoring for Voice Report</source>
        <translation>Puntuar el informe de voz</translation>
    </message>
    <message>
        <source>Pulse Check After 3rd Stacked Shock</source>
        <translation>Comprobar el pulso tras la 3.ª descarga seguida</translation>
    </message>
    <message>
        <source>BP Check After Pulse Returns</source>
        <translation>Presión arterial al volver el pulso</translation>
    </message>
    <message>
        <source>Monitor ECG of Underage/Weight Pediatric</source>
        <translation>Vigilar el ECG de un niño bajo el límite</translation>
    </message>
    <message>
        <source>Pulse Check After Stopping CPR</source>
        <translation>Comprobar el pulso tras detener la RCP</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Single Shock Protocol</source>
        <translation>Protocolo de descarga única</translation>
    </message>
    <message>
        <source>One shock, then a CPR period before the next analysis. Unchecked, up to three shocks are stacked.</source>
        <translation>Una descarga y luego un periodo de RCP antes del siguiente análisis. Sin marcar, se encadenan hasta tres descargas.</translation>
    </message>
    <message>
        <source>CPR Metronome</source>
        <translation>Metrónomo de RCP</translation>
    </message>
    <message>
        <source>A click 110 times a minute while the hands are on the chest, with audio on.</source>
        <translation>Un clic 110 veces por minuto mientras las manos están sobre el tórax, con el sonido activado.</translation>
    </message>
    <message>
        <source>Report files of practice and test scenarios</source>
        <translation>Archivos de informe de los escenarios de práctica y de examen</translation>
    </message>
    <message>
        <source>O&amp;pen</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Shows a report file</source>
        <translation>Muestra un archivo de informe</translation>
    </message>
    <message>
        <source>Fo&amp;nt</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>Changes the font of the report</source>
        <translation>Cambia la fuente del informe</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>Imp&amp;rimir</translation>
    </message>
    <message>
        <source>Prints the report shown</source>
        <translation>Imprime el informe mostrado</translation>
    </message>
    <message>
        <source>Test report</source>
        <translation>Informe de examen</translation>
    </message>
    <message>
        <source>Send Options</source>
        <translation>Opciones de envío</translation>
    </message>
    <message>
        <source>Where Send puts the test report: the instructor&apos;s server and the file names</source>
        <translation>Dónde deja Enviar el informe de examen: el servidor del instructor y los nombres de archivo</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Let the instructor join</source>
        <translation>Permitir que el instructor se conecte</translation>
    </message>
    <message>
        <source>The instructor&apos;s console may join this trainer over the network, from the OK on: the main menu then shows the station&apos;s name and join code</source>
        <translation>La consola del instructor puede conectarse a este entrenador por la red desde que pulse Aceptar: el menú principal muestra entonces el nombre y el código de acceso de la estación</translation>
    </message>
    <message>
        <source>The choice to let the instructor join could not be saved in %1: %2. Choose it again once the file can be written.</source>
        <translation>No se pudo guardar en %1 la opción de permitir que el instructor se conecte: %2. Vuelva a elegirla cuando se pueda escribir el archivo.</translation>
    </message>
</context>
<context>
    <name>defib::ui::PadMark</name>
    <message>
        <source>Electrode in a wrong place</source>
        <translation>Electrodo mal colocado</translation>
    </message>
</context>
<context>
    <name>defib::ui::Program</name>
    <message>
        <source>%1 %2. The language follows the desktop&apos;s until Options saves it again.</source>
        <translation>%1 %2. El idioma sigue al del escritorio hasta que las opciones lo vuelvan a guardar.</translation>
    </message>
</context>
<context>
    <name>defib::ui::ProgramStation</name>
    <message>
        <source>%1 %2. The station uses its defaults for what the file could not give.</source>
        <translation>%1 %2. La estación usa sus valores predeterminados para lo que el archivo no pudo dar.</translation>
    </message>
    <message>
        <source>The choice to let the instructor join could not be saved in %1: %2. Choose it again once the file can be written.</source>
        <translation>No se pudo guardar en %1 la opción de permitir que el instructor se conecte: %2. Vuelva a elegirla cuando se pueda escribir el archivo.</translation>
    </message>
    <message>
        <source>The instructor can join now: station %1, code %2.</source>
        <translation>El instructor ya puede conectarse: estación %1, código %2.</translation>
    </message>
    <message>
        <source>The instructor can no longer join: the station has closed.</source>
        <translation>El instructor ya no puede conectarse: la estación se ha cerrado.</translation>
    </message>
    <message>
        <source>The instructor cannot join: the station cannot listen on port %1 (%2). Defibrio runs on without it; choose another Port= in %3.</source>
        <translation>El instructor no puede conectarse: la estación no puede escuchar en el puerto %1 (%2). Defibrio sigue sin ella; elija otro Port= en %3.</translation>
    </message>
    <message>
        <source>Station %1 · code %2 · console joined</source>
        <translation>Estación %1 · código %2 · consola conectada</translation>
    </message>
    <message>
        <source>Station %1 · code %2</source>
        <translation>Estación %1 · código %2</translation>
    </message>
</context>
<context>
    <name>defib::ui::StationGrid</name>
    <message>
        <source>Pad fault</source>
        <translation>Fallo de electrodo</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batería baja</translation>
    </message>
    <message>
        <source>no patient</source>
        <translation>sin paciente</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>preparado</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en curso</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pausa</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>terminado</translation>
    </message>
    <message>
        <source>%1  %2 (%3)</source>
        <translation>%1  %2 (%3)</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>conectando</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdido</translation>
    </message>
    <message>
        <source>joined</source>
        <translation>unido</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Examen</translation>
    </message>
    <message>
        <source>%1 (frame %2 of %3)</source>
        <translation>%1 (fase %2 de %3)</translation>
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
        <translation>%1; %2 en el próximo análisis</translation>
    </message>
    <message>
        <source>%1 at next analysis</source>
        <translation>%1 en el próximo análisis</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Trainee</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Siguiente paso</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>CPR</source>
        <translation>RCP</translation>
    </message>
    <message>
        <source>Hands off</source>
        <translation>Manos fuera</translation>
    </message>
    <message>
        <source>Shocks</source>
        <translation>Descargas</translation>
    </message>
    <message>
        <source>Trouble</source>
        <translation>Incidencia</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Penalizaciones</translation>
    </message>
    <message>
        <source>Check pulse</source>
        <translation>Comprobar el pulso</translation>
    </message>
    <message>
        <source>Responsiveness</source>
        <translation>Comprobar la respuesta</translation>
    </message>
    <message>
        <source>Airway</source>
        <translation>Vía aérea</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>Respiración</translation>
    </message>
    <message>
        <source>Breathing rate</source>
        <translation>Frecuencia respiratoria</translation>
    </message>
    <message>
        <source>Ventilation</source>
        <translation>Ventilación</translation>
    </message>
    <message>
        <source>Circulation</source>
        <translation>Circulación</translation>
    </message>
    <message>
        <source>Blood pressure</source>
        <translation>Presión arterial</translation>
    </message>
    <message>
        <source>Top electrode</source>
        <translation>Electrodo superior</translation>
    </message>
    <message>
        <source>Bottom electrode</source>
        <translation>Electrodo inferior</translation>
    </message>
    <message>
        <source>Re-attach electrode</source>
        <translation>Volver a colocar el electrodo</translation>
    </message>
    <message>
        <source>Replace battery</source>
        <translation>Sustituir la batería</translation>
    </message>
    <message>
        <source>Stop motion</source>
        <translation>Detener el movimiento</translation>
    </message>
    <message>
        <source>Voice report</source>
        <translation>Informe de voz</translation>
    </message>
    <message>
        <source>Clear before analysis</source>
        <translation>Apartarse antes del análisis</translation>
    </message>
    <message>
        <source>Clear before shock</source>
        <translation>Apartarse antes de la descarga</translation>
    </message>
    <message>
        <source>Power on</source>
        <translation>Encender</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analizar</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>End scenario</source>
        <translation>Terminar el escenario</translation>
    </message>
    <message>
        <source>Keep up CPR</source>
        <translation>Continuar la RCP</translation>
    </message>
    <message>
        <source>%1, message open</source>
        <translation>%1, mensaje abierto</translation>
    </message>
</context>
<context>
    <name>defib::ui::TConsole</name>
    <message>
        <source>Start Scenario File</source>
        <translation>Iniciar archivo de escenario</translation>
    </message>
    <message>
        <source>Scenario files (*.json)</source>
        <translation>Archivos de escenario (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Message to the Trainee</source>
        <translation>Mensaje al alumno</translation>
    </message>
    <message>
        <source>The trainee reads &quot;Instructor: &quot; and your text:</source>
        <translation>El alumno lee «Instructor: » y su texto:</translation>
    </message>
    <message>
        <source>Instructor Console</source>
        <translation>Consola del instructor</translation>
    </message>
    <message>
        <source>Add station</source>
        <translation>Añadir estación</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>host:port</source>
        <translation>equipo:puerto</translation>
    </message>
    <message>
        <source>Join &amp;code:</source>
        <translation>&amp;Código de acceso:</translation>
    </message>
    <message>
        <source>6 digits</source>
        <translation>6 dígitos</translation>
    </message>
    <message>
        <source>&amp;Secure connection (TLS)</source>
        <translation>Conexión &amp;segura (TLS)</translation>
    </message>
    <message>
        <source>A&amp;dd station</source>
        <translation>Aña&amp;dir estación</translation>
    </message>
    <message>
        <source>Stations found nearby (click one, then type its join code):</source>
        <translation>Estaciones encontradas cerca (haga clic en una y escriba su código de acceso):</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>&amp;End scenario</source>
        <translation>T&amp;erminar escenario</translation>
    </message>
    <message>
        <source>Start scenario &amp;file...</source>
        <translation>Iniciar archivo de escenari&amp;o...</translation>
    </message>
    <message>
        <source>Ne&amp;xt frame</source>
        <translation>Siguiente &amp;fase</translation>
    </message>
    <message>
        <source>&amp;Message...</source>
        <translation>&amp;Mensaje...</translation>
    </message>
    <message>
        <source>Pad fault</source>
        <translation>Fallo de electrodo</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batería baja</translation>
    </message>
    <message>
        <source>now</source>
        <translation>ahora</translation>
    </message>
    <message>
        <source>at next analysis</source>
        <translation>en el próximo análisis</translation>
    </message>
    <message>
        <source>&amp;Trouble</source>
        <translation>&amp;Incidencia</translation>
    </message>
    <message>
        <source>Remo&amp;ve station</source>
        <translation>&amp;Quitar estación</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no station address: type host:port, as the station shows it.</source>
        <translation>«%1» no es una dirección de estación: escriba equipo:puerto, tal como lo muestra la estación.</translation>
    </message>
    <message>
        <source>The join code has six digits, as the station shows it.</source>
        <translation>El código de acceso tiene seis dígitos, tal como lo muestra la estación.</translation>
    </message>
    <message>
        <source>%1 refused the console: %2</source>
        <translation>%1 ha rechazado la consola: %2</translation>
    </message>
    <message>
        <source>%1 is lost; the console tries again every few seconds.</source>
        <translation>%1 se ha perdido; la consola lo intenta de nuevo cada pocos segundos.</translation>
    </message>
    <message>
        <source>%1 joined.</source>
        <translation>%1 unida.</translation>
    </message>
    <message>
        <source>%1 joined; %2</source>
        <translation>%1 unida; %2</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 quitada.</translation>
    </message>
    <message>
        <source>Add a station to watch its trainee.</source>
        <translation>Añada una estación para seguir a su alumno.</translation>
    </message>
    <message>
        <source>Select a station to see its timeline.</source>
        <translation>Seleccione una estación para ver su cronología.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>End scenario</source>
        <translation>Terminar escenario</translation>
    </message>
    <message>
        <source>Start scenario</source>
        <translation>Iniciar escenario</translation>
    </message>
    <message>
        <source>Trouble</source>
        <translation>Incidencia</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Siguiente fase</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>%1: %2 sent.</source>
        <translation>%1: %2 enviado.</translation>
    </message>
    <message>
        <source>%1: %2 done.</source>
        <translation>%1: %2 hecho.</translation>
    </message>
    <message>
        <source>%1: %2 refused: %3</source>
        <translation>%1: %2 rechazado: %3</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>%1 is too large to send: a station takes scenario files up to about 60 KB.</source>
        <translation>%1 es demasiado grande para enviarlo: una estación acepta archivos de escenario de hasta unos 60 KB.</translation>
    </message>
    <message>
        <source>A message has at most %1 characters; this one has %2.</source>
        <translation>Un mensaje tiene como máximo %1 caracteres; este tiene %2.</translation>
    </message>
</context>
<context>
    <name>defib::ui::TFTPform</name>
    <message>
        <source>Send Options</source>
        <translation>Opciones de envío</translation>
    </message>
    <message>
        <source>Where &quot;Send&quot; puts the test report (AEDTEST.TXT): the instructor&apos;s server.</source>
        <translation>Dónde deja «Enviar» el informe de examen (AEDTEST.TXT): el servidor del instructor.</translation>
    </message>
    <message>
        <source>FTP: the password travels unprotected</source>
        <translation>FTP: la contraseña viaja sin protección</translation>
    </message>
    <message>
        <source>FTP with TLS (explicit)</source>
        <translation>FTP con TLS (explícito)</translation>
    </message>
    <message>
        <source>SFTP over SSH</source>
        <translation>SFTP sobre SSH</translation>
    </message>
    <message>
        <source>Pro&amp;tocol:</source>
        <translation>Pro&amp;tocolo:</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>the protocol&apos;s own (21, SFTP 22)</source>
        <translation>el del protocolo (21, SFTP 22)</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>C&amp;ontraseña:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>&amp;Recordar contraseña</translation>
    </message>
    <message>
        <source>the login folder</source>
        <translation>la carpeta de inicio de sesión</translation>
    </message>
    <message>
        <source>Remote p&amp;ath:</source>
        <translation>Ruta re&amp;mota:</translation>
    </message>
    <message>
        <source>Remote &amp;file:</source>
        <translation>&amp;Archivo remoto:</translation>
    </message>
    <message>
        <source>{name} and {id}: the trainee of the newest result
{date} and {time}: the day and time of the send
A name the server has gets _2, _3, ...: nothing is replaced.</source>
        <translation>{name} e {id}: el alumno del resultado más reciente
{date} y {time}: el día y la hora del envío
Un nombre que el servidor ya tiene recibe _2, _3, ...: no se reemplaza nada.</translation>
    </message>
    <message>
        <source>Send the &amp;detailed report (AEDTEST2.TXT) with it</source>
        <translation>Enviar también el informe &amp;detallado (AEDTEST2.TXT)</translation>
    </message>
    <message>
        <source>Transfer &amp;mode:</source>
        <translation>Modo de tra&amp;nsferencia:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binario</translation>
    </message>
    <message>
        <source>Pa&amp;ssive mode</source>
        <translation>Modo pas&amp;ivo</translation>
    </message>
    <message>
        <source>Trust this server&apos;s &amp;certificate</source>
        <translation>Confiar en el &amp;certificado de este servidor</translation>
    </message>
    <message>
        <source>Fingerprint: </source>
        <translation>Huella: </translation>
    </message>
</context>
<context>
    <name>defib::ui::TForm1</name>
    <message>
        <source>&amp;Start CPR</source>
        <translation>&amp;Iniciar la RCP</translation>
    </message>
    <message>
        <source>S&amp;top CPR</source>
        <translation>&amp;Detener la RCP</translation>
    </message>
    <message>
        <source>&amp;CPR</source>
        <translation>&amp;RCP</translation>
    </message>
    <message>
        <source>Starts or stops CPR</source>
        <translation>Inicia o detiene la RCP</translation>
    </message>
    <message>
        <source>&amp;Pulse</source>
        <translation>&amp;Pulso</translation>
    </message>
    <message>
        <source>Checks patient&apos;s pulse</source>
        <translation>Comprueba el pulso del paciente</translation>
    </message>
    <message>
        <source>&amp;All ABCs</source>
        <translation>&amp;Todo el ABC</translation>
    </message>
    <message>
        <source>&amp;Responsiveness</source>
        <translation>Comprobar la &amp;respuesta</translation>
    </message>
    <message>
        <source>A&amp;irway</source>
        <translation>Abrir la &amp;vía aérea</translation>
    </message>
    <message>
        <source>&amp;Breathing</source>
        <translation>Comprobar la r&amp;espiración</translation>
    </message>
    <message>
        <source>&amp;Ventilation</source>
        <translation>Ve&amp;ntilar</translation>
    </message>
    <message>
        <source>&amp;Circulation</source>
        <translation>&amp;Circulación</translation>
    </message>
    <message>
        <source>&amp;ABCs</source>
        <translation>A&amp;BC</translation>
    </message>
    <message>
        <source>Airway, breathing and circulation checks</source>
        <translation>Comprobación de vía aérea, respiración y circulación</translation>
    </message>
    <message>
        <source>&amp;BP</source>
        <translation>Pre&amp;sión</translation>
    </message>
    <message>
        <source>Checks patient&apos;s blood pressure</source>
        <translation>Mide la presión arterial del paciente</translation>
    </message>
    <message>
        <source>Re-&amp;attach Electrode</source>
        <translation>&amp;Recolocar el electrodo</translation>
    </message>
    <message>
        <source>Replace &amp;Battery</source>
        <translation>Sustituir la &amp;batería</translation>
    </message>
    <message>
        <source>Stop &amp;Motion</source>
        <translation>Detener el &amp;movimiento</translation>
    </message>
    <message>
        <source>&amp;Troubleshoot</source>
        <translation>&amp;Incidencias</translation>
    </message>
    <message>
        <source>Electrode, battery and motion problems of the trainer</source>
        <translation>Problemas de electrodo, batería y movimiento del DEA</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation>Informe de &amp;voz</translation>
    </message>
    <message>
        <source>Records a voice report</source>
        <translation>Graba un informe de voz</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Apár&amp;tense</translation>
    </message>
    <message>
        <source>Everybody stands clear of the patient</source>
        <translation>Todos se apartan del paciente</translation>
    </message>
    <message>
        <source>&amp;End Scenario</source>
        <translation>T&amp;erminar escenario</translation>
    </message>
    <message>
        <source>Ends the scenario and shows the summary</source>
        <translation>Termina el escenario y muestra el resumen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Start Scenario</source>
        <translation>&amp;Iniciar escenario</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Patient &amp;History</source>
        <translation>Antecedentes del paci&amp;ente</translation>
    </message>
    <message>
        <source>&amp;Advice (-50)</source>
        <translation>&amp;Consejo (-50)</translation>
    </message>
    <message>
        <source>&amp;Debug Window</source>
        <translation>&amp;Ventana de depuración</translation>
    </message>
    <message>
        <source>Send &amp;Test Report...</source>
        <translation>Enviar el informe de e&amp;xamen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Tra&amp;iner</source>
        <translation>&amp;DEA</translation>
    </message>
    <message>
        <source>&amp;Power On</source>
        <translation>&amp;Encender</translation>
    </message>
    <message>
        <source>Power On &amp;Again</source>
        <translation>Encender de &amp;nuevo</translation>
    </message>
    <message>
        <source>&amp;Analyze</source>
        <translation>&amp;Analizar</translation>
    </message>
    <message>
        <source>&amp;Shock</source>
        <translation>&amp;Descarga</translation>
    </message>
    <message>
        <source>Place &amp;White Electrode</source>
        <translation>Colocar el electrodo &amp;blanco</translation>
    </message>
    <message>
        <source>Place &amp;Red Electrode</source>
        <translation>Colocar el electrodo &amp;rojo</translation>
    </message>
    <message>
        <source>&amp;Upper Right Chest</source>
        <translation>&amp;Parte superior derecha del tórax</translation>
    </message>
    <message>
        <source>&amp;Left Side</source>
        <translation>Costado &amp;izquierdo</translation>
    </message>
    <message>
        <source>Optio&amp;ns</source>
        <translation>Opcio&amp;nes</translation>
    </message>
    <message>
        <source>&amp;Scenarios...</source>
        <translation>&amp;Escenarios...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Defibrio</source>
        <translation>&amp;Acerca de Defibrio</translation>
    </message>
    <message>
        <source>What the trainer says</source>
        <translation>Lo que dice el DEA</translation>
    </message>
    <message>
        <source>“%1”</source>
        <comment>the trainer&apos;s words, quoted</comment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Final Errors</source>
        <translation>Errores finales</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>AED trainer simulator</source>
        <translation>Simulador de DEA de entrenamiento</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>Starts a scenario</source>
        <translation>Inicia un escenario</translation>
    </message>
    <message>
        <source>Score&amp;board</source>
        <translation>&amp;Clasificación</translation>
    </message>
    <message>
        <source>Shows top 10 practice scores</source>
        <translation>Muestra las 10 mejores puntuaciones de práctica</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Program, protocol and report options</source>
        <translation>Opciones del programa, del protocolo y de los informes</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Paciente</translation>
    </message>
    <message>
        <source>Electrodes</source>
        <translation>Electrodos</translation>
    </message>
    <message>
        <source>Drag the white electrode to the upper right chest</source>
        <translation>Arrastre el electrodo blanco a la parte superior derecha del tórax</translation>
    </message>
    <message>
        <source>Drag the red electrode to the patient&apos;s left side</source>
        <translation>Arrastre el electrodo rojo al costado izquierdo del paciente</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Score </source>
        <translation>Puntuación </translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Score log</source>
        <translation>Historial de puntuación</translation>
    </message>
    <message>
        <source>Every change of the score, newest first</source>
        <translation>Cada cambio de la puntuación, el más reciente primero</translation>
    </message>
    <message>
        <source>Last action</source>
        <translation>Última acción</translation>
    </message>
    <message>
        <source>Last action:</source>
        <translation>Última acción:</translation>
    </message>
    <message>
        <source>Actions taken</source>
        <translation>Acciones realizadas</translation>
    </message>
    <message>
        <source>AED trainer, closed</source>
        <translation>DEA de entrenamiento, cerrado</translation>
    </message>
    <message>
        <source>AED trainer</source>
        <translation>DEA de entrenamiento</translation>
    </message>
    <message>
        <source>Turns the trainer on</source>
        <translation>Enciende el DEA</translation>
    </message>
    <message>
        <source>Turns the trainer on again after the battery was replaced</source>
        <translation>Vuelve a encender el DEA tras sustituir la batería</translation>
    </message>
    <message>
        <source>Analyzes the heart rhythm</source>
        <translation>Analiza el ritmo cardíaco</translation>
    </message>
    <message>
        <source>Delivers the shock</source>
        <translation>Administra la descarga</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>encendido</translation>
    </message>
    <message>
        <source>Power light</source>
        <translation>Piloto de encendido</translation>
    </message>
    <message>
        <source>Analyze light</source>
        <translation>Piloto de análisis</translation>
    </message>
    <message>
        <source>Shock light</source>
        <translation>Piloto de descarga</translation>
    </message>
    <message>
        <source>Trainer display: </source>
        <translation>Pantalla del DEA: </translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batería baja</translation>
    </message>
    <message>
        <source>Instructor &amp;Console...</source>
        <translation>&amp;Consola del instructor...</translation>
    </message>
</context>
<context>
    <name>defib::ui::TPasswordDlg</name>
    <message>
        <source>Password </source>
        <translation>Contraseña </translation>
    </message>
    <message>
        <source>&amp;Enter password:</source>
        <translation>&amp;Escriba la contraseña:</translation>
    </message>
</context>
<context>
    <name>defib::ui::TScenarioEditor</name>
    <message>
        <source>, %1 trouble</source>
        <translation>, incidencia %1</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Escenarios</translation>
    </message>
    <message>
        <source>Save Scenario As</source>
        <translation>Guardar el escenario como</translation>
    </message>
    <message>
        <source>&amp;Scenarios</source>
        <translation>&amp;Escenarios</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Starts a new scenario</source>
        <translation>Empieza un escenario nuevo</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplicar</translation>
    </message>
    <message>
        <source>Saves a copy of this scenario in your own folder</source>
        <translation>Guarda una copia de este escenario en su propia carpeta</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Prints a one-page summary of the scenario</source>
        <translation>Imprime un resumen del escenario en una página</translation>
    </message>
    <message>
        <source>&amp;Try It</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <source>Closes the editor and starts this scenario as the next patient</source>
        <translation>Cierra el editor e inicia este escenario como el próximo paciente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>Volver al menú principal</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>El título</translation>
    </message>
    <message>
        <source>The one-line teaching goal</source>
        <translation>El objetivo docente en una línea</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Objetivo:</translation>
    </message>
    <message>
        <source>The goal</source>
        <translation>El objetivo</translation>
    </message>
    <message>
        <source>The guideline followed</source>
        <translation>La guía seguida</translation>
    </message>
    <message>
        <source>G&amp;uideline:</source>
        <translation>G&amp;uía:</translation>
    </message>
    <message>
        <source>The guideline</source>
        <translation>La guía</translation>
    </message>
    <message>
        <source>As the options choose</source>
        <translation>Según las opciones</translation>
    </message>
    <message>
        <source>Stacked shocks</source>
        <translation>Descargas seguidas</translation>
    </message>
    <message>
        <source>Single shock</source>
        <translation>Descarga única</translation>
    </message>
    <message>
        <source>P&amp;rotocol:</source>
        <translation>P&amp;rotocolo:</translation>
    </message>
    <message>
        <source>The protocol</source>
        <translation>El protocolo</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Paciente</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>Adulto</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Child under the limit</source>
        <translation>Niño bajo el límite</translation>
    </message>
    <message>
        <source>Hypothermic</source>
        <translation>Hipotérmico</translation>
    </message>
    <message>
        <source>The rules that apply: a child under the trainer&apos;s limit must not be treated with it; a hypothermic patient takes a limited number of shocks</source>
        <translation>Las reglas que se aplican: un niño bajo el límite del DEA no debe tratarse con él; un paciente hipotérmico recibe un número limitado de descargas</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>The kind</source>
        <translation>El tipo</translation>
    </message>
    <message>
        <source> years</source>
        <translation> años</translation>
    </message>
    <message>
        <source>A&amp;ge:</source>
        <translation>E&amp;dad:</translation>
    </message>
    <message>
        <source>The age</source>
        <translation>La edad</translation>
    </message>
    <message>
        <source> kg</source>
        <translation> kg</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>no indicado</translation>
    </message>
    <message>
        <source>&amp;Weight:</source>
        <translation>P&amp;eso:</translation>
    </message>
    <message>
        <source>The weight</source>
        <translation>El peso</translation>
    </message>
    <message>
        <source>0: adult</source>
        <translation>0: adulto</translation>
    </message>
    <message>
        <source>1: adult</source>
        <translation>1: adulto</translation>
    </message>
    <message>
        <source>2: woman</source>
        <translation>2: mujer</translation>
    </message>
    <message>
        <source>3: child</source>
        <translation>3: niño</translation>
    </message>
    <message>
        <source>Pict&amp;ure:</source>
        <translation>&amp;Imagen:</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>La imagen</translation>
    </message>
    <message>
        <source>As the picture</source>
        <translation>Según la imagen</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Hombre</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Mujer</translation>
    </message>
    <message>
        <source>Male or female; &quot;As the picture&quot; says what the picture shows</source>
        <translation>Hombre o mujer; «Según la imagen» toma lo que muestra la imagen</translation>
    </message>
    <message>
        <source>Se&amp;x:</source>
        <translation>Se&amp;xo:</translation>
    </message>
    <message>
        <source>The sex</source>
        <translation>El sexo</translation>
    </message>
    <message>
        <source>found collapsed in a gym.</source>
        <translation>encontrado desplomado en un gimnasio.</translation>
    </message>
    <message>
        <source>Follows &quot;Your patient is a 58 y.o. male&quot;</source>
        <translation>Sigue a «Su paciente es un hombre de 58 años»</translation>
    </message>
    <message>
        <source>&amp;History:</source>
        <translation>&amp;Antecedentes:</translation>
    </message>
    <message>
        <source>The history</source>
        <translation>Los antecedentes</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Fases</translation>
    </message>
    <message>
        <source>Add &amp;Frame</source>
        <translation>Añadir &amp;fase</translation>
    </message>
    <message>
        <source>Adds a frame after the one selected</source>
        <translation>Añade una fase tras la seleccionada</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Removes the frame selected</source>
        <translation>Quita la fase seleccionada</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Moves the frame earlier</source>
        <translation>Adelanta la fase</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Moves the frame later</source>
        <translation>Retrasa la fase</translation>
    </message>
    <message>
        <source>Shockable</source>
        <translation>Desfibrilable</translation>
    </message>
    <message>
        <source>Non-shockable (no pulse)</source>
        <translation>No desfibrilable (sin pulso)</translation>
    </message>
    <message>
        <source>Pulse (restored)</source>
        <translation>Pulso (recuperado)</translation>
    </message>
    <message>
        <source>R&amp;hythm:</source>
        <translation>Rit&amp;mo:</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Electrode loose</source>
        <translation>Electrodo despegado</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Batería baja</translation>
    </message>
    <message>
        <source>Comes at the first analysis in the frame that finds both pads on</source>
        <translation>Aparece en el primer análisis de la fase que encuentra ambos electrodos colocados</translation>
    </message>
    <message>
        <source>Tro&amp;uble:</source>
        <translation>Inci&amp;dencia:</translation>
    </message>
    <message>
        <source>Trouble</source>
        <translation>Incidencia</translation>
    </message>
    <message>
        <source>For the instructor</source>
        <translation>Para el instructor</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>After shoc&amp;ks</source>
        <translation>Tras des&amp;cargas</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>After s&amp;econds</source>
        <translation>Tras s&amp;egundos</translation>
    </message>
    <message>
        <source>After ana&amp;lyses</source>
        <translation>Tras aná&amp;lisis</translation>
    </message>
    <message>
        <source>Instructor moves on</source>
        <translation>El instructor avanza</translation>
    </message>
    <message>
        <source>Left when the instructor moves the scenario on</source>
        <translation>Termina cuando el instructor hace avanzar el escenario</translation>
    </message>
    <message>
        <source>Exits:</source>
        <translation>Salidas:</translation>
    </message>
    <message>
        <source>Exits</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Scenario pack (read-only)</source>
        <translation>Paquete de escenarios (solo lectura)</translation>
    </message>
    <message>
        <source>My scenarios</source>
        <translation>Mis escenarios</translation>
    </message>
    <message>
        <source>  [read-only]</source>
        <translation>  [solo lectura]</translation>
    </message>
    <message>
        <source>Cannot be read: </source>
        <translation>No se puede leer: </translation>
    </message>
    <message>
        <source>  (none found)</source>
        <translation>  (no se encontró ninguno)</translation>
    </message>
    <message>
        <source>  (none yet: New or Duplicate makes one)</source>
        <translation>  (ninguno aún: Nuevo o Duplicar crea uno)</translation>
    </message>
    <message>
        <source>No frame</source>
        <translation>Ninguna fase</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Fase %1 de %2</translation>
    </message>
    <message>
        <source>The frame</source>
        <translation>La fase</translation>
    </message>
    <message>
        <source>Frame %1: %2</source>
        <translation>Fase %1: %2</translation>
    </message>
    <message>
        <source>The scenario</source>
        <translation>El escenario</translation>
    </message>
    <message>
        <source>Cannot be saved while a problem stands: %1%2</source>
        <translation>No se puede guardar mientras haya un problema: %1%2</translation>
    </message>
    <message>
        <source> (and %1 more)</source>
        <translation> (y %1 más)</translation>
    </message>
    <message>
        <source>Saves the scenario in your own folder</source>
        <translation>Guarda el escenario en su propia carpeta</translation>
    </message>
    <message>
        <source>Saves the scenario in its file</source>
        <translation>Guarda el escenario en su archivo</translation>
    </message>
    <message>
        <source>Saves the scenario in a file you choose</source>
        <translation>Guarda el escenario en el archivo que elija</translation>
    </message>
    <message>
        <source>Cannot be played while a problem stands</source>
        <translation>No se puede jugar mientras haya un problema</translation>
    </message>
    <message>
        <source>New scenario, not saved yet: Save puts it in your own folder.</source>
        <translation>Escenario nuevo, aún sin guardar: Guardar lo pone en su propia carpeta.</translation>
    </message>
    <message>
        <source>Read-only: this scenario comes with the program. Save writes your copy into your own folder.</source>
        <translation>Solo lectura: este escenario viene con el programa. Guardar escribe su copia en su propia carpeta.</translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Archivo: </translation>
    </message>
    <message>
        <source> (unsaved changes)</source>
        <translation> (cambios sin guardar)</translation>
    </message>
    <message>
        <source>Scenarios - </source>
        <translation>Escenarios - </translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved. Leave them unsaved?</source>
        <translation>Los cambios en «%1» no están guardados. ¿Dejarlos sin guardar?</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made. Nothing is lost: the scenario stays open here; Save As can write it elsewhere.</source>
        <translation>No se puede crear la carpeta %1. No se pierde nada: el escenario sigue abierto aquí; Guardar como puede escribirlo en otro sitio.</translation>
    </message>
    <message>
        <source>The scenario cannot be saved as %1: %2. Nothing is lost: the scenario stays open here; Save As can write it elsewhere.</source>
        <translation>No se puede guardar el escenario como %1: %2. No se pierde nada: el escenario sigue abierto aquí; Guardar como puede escribirlo en otro sitio.</translation>
    </message>
    <message>
        <source>Scenario file</source>
        <translation>Archivo de escenario</translation>
    </message>
    <message>
        <source>The scenario pack is not changed: save into your own folder (%1).</source>
        <translation>El paquete de escenarios no se modifica: guarde en su propia carpeta (%1).</translation>
    </message>
    <message>
        <source>Defibrio Scenario</source>
        <translation>Escenario de Defibrio</translation>
    </message>
    <message>
        <source>The scenario could not be printed: the printer did not start.</source>
        <translation>No se pudo imprimir el escenario: la impresora no arrancó.</translation>
    </message>
</context>
<context>
    <name>defib::ui::ThreadUploader</name>
    <message>
        <source>Sending AEDTEST.TXT</source>
        <translation>Enviando AEDTEST.TXT</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Conectando con %1...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Sending %1 to %2
%3 of %4 bytes sent</source>
        <translation>Enviando %1 a %2
%3 de %4 bytes enviados</translation>
    </message>
</context>
</TS>
