<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>LabReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 or less (%2)</source>
        <translation>%1 oder weniger (%2)</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 Schritte</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Ausgleichskurve</translation>
    </message>
    <message>
        <source>Chance per step</source>
        <translation>Wahrscheinlichkeit je Schritt</translation>
    </message>
    <message>
        <source>Conclusion</source>
        <extracomment>Lab report: heading of the ruled lines where the student writes a conclusion</extracomment>
        <translation>Schlussfolgerung</translation>
    </message>
    <message>
        <source>Count (logarithmic)</source>
        <extracomment>Lab report graph: title of the count axis</extracomment>
        <translation>Anzahl (logarithmisch)</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Data: counts at each time</source>
        <translation>Daten: Anzahlen zu jedem Zeitpunkt</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Before the date on the lab report</extracomment>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Nuclides in the decay series: %1. Each decays into the next, the last into a stable product.</source>
        <extracomment>Lab report: how many nuclides the decay series has</extracomment>
        <translation>Nuklide in der Zerfallsreihe: %1. Jedes zerfällt in das nächste, das letzte in ein stabiles Produkt.</translation>
    </message>
    <message>
        <source>Differences of T½ in steps</source>
        <translation>Abweichungen von T½ in Schritten</translation>
    </message>
    <message>
        <source>Expected count, in the band where 95 % of runs fall</source>
        <translation>Erwartete Anzahl, im Band, in das 95&#xa0;% der Durchläufe fallen</translation>
    </message>
    <message>
        <source>Graph data: the sums of saved runs (%1): %2.</source>
        <translation>Diagrammdaten: die Summen gespeicherter Durchläufe (%1): %2.</translation>
    </message>
    <message>
        <source>Graph data: the sums of pooled saved runs.</source>
        <translation>Diagrammdaten: die Summen zusammengefasster gespeicherter Durchläufe.</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Half-life of nuclide 1</source>
        <translation>Halbwertszeit von Nuklid 1</translation>
    </message>
    <message>
        <source>Half-life</source>
        <translation>Halbwertszeit</translation>
    </message>
    <message>
        <source>Half-lives in time steps; A is the count at time 0.</source>
        <translation>Halbwertszeiten in Zeitschritten; A ist die Anzahl zum Zeitpunkt 0.</translation>
    </message>
    <message>
        <source>Initial number</source>
        <translation>Anfangsanzahl</translation>
    </message>
    <message>
        <source>Made with %1 %2</source>
        <extracomment>The program&apos;s name and version, at the top right of the lab report</extracomment>
        <translation>Erstellt mit %1 %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>Before the student&apos;s name on the lab report</extracomment>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Nuclide %1</source>
        <translation>Nuklid %1</translation>
    </message>
    <message>
        <source>Nuclide</source>
        <translation>Nuklid</translation>
    </message>
    <message>
        <source>Predicted from the chance of %1</source>
        <translation>Vorhergesagt aus der Wahrscheinlichkeit %1</translation>
    </message>
    <message>
        <source>Radioactive Decay: Lab Report</source>
        <extracomment>Title of the printed lab report</extracomment>
        <translation>Radioaktiver Zerfall: Laborbericht</translation>
    </message>
    <message>
        <source>Settings of the run</source>
        <translation>Einstellungen des Durchlaufs</translation>
    </message>
    <message>
        <source>The report could not be drawn.</source>
        <translation>Der Laborbericht konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Time (steps)</source>
        <extracomment>Lab report graph: title of the time axis</extracomment>
        <translation>Zeit (Schritte)</translation>
    </message>
    <message>
        <source>Your model (scroll bars)</source>
        <extracomment>Lab report: the model curve the student set with the two scroll bars</extracomment>
        <translation>Dein Modell (Schieberegler)</translation>
    </message>
    <message>
        <source>Your model</source>
        <translation>Dein Modell</translation>
    </message>
    <message>
        <source>best fit − predicted</source>
        <translation>Ausgleichskurve − vorhergesagt</translation>
    </message>
    <message>
        <source>no estimate, %1</source>
        <translation>keine Schätzung, %1</translation>
    </message>
    <message>
        <source>your model − best fit</source>
        <translation>dein Modell − Ausgleichskurve</translation>
    </message>
    <message>
        <source>your model − predicted</source>
        <translation>dein Modell − vorhergesagt</translation>
    </message>
    <message numerus="yes">
        <source>Chances by a die of %n sides: a particle decays when the die shows its decay value or less.</source>
        <translation>
            <numerusform>Zufall per Würfel mit %n Seite: Ein Teilchen zerfällt, wenn der Würfel höchstens seinen Zerfallswert zeigt.</numerusform>
            <numerusform>Zufall per Würfel mit %n Seiten: Ein Teilchen zerfällt, wenn der Würfel höchstens seinen Zerfallswert zeigt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best fit from %n points</source>
        <translation>
            <numerusform>Ausgleichskurve aus %n Punkt</numerusform>
            <numerusform>Ausgleichskurve aus %n Punkten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No usable printer is available.</source>
        <translation>Kein nutzbarer Drucker vorhanden.</translation>
    </message>
    <message>
        <source>The printer %1 refused the document.</source>
        <translation>Der Drucker %1 hat das Dokument abgelehnt.</translation>
    </message>
    <message>
        <source>Printed by: </source>
        <extracomment>First line of a printed graph, before the student&apos;s name</extracomment>
        <translation>Gedruckt von: </translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>Das Dokument konnte nicht fertiggestellt werden.</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>Das Bild konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>The graph could not be printed into %1: %2.</source>
        <translation>Das Diagramm konnte nicht in %1 gedruckt werden: %2.</translation>
    </message>
    <message>
        <source>the document could not be written in full</source>
        <translation>das Dokument konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>This copy of Vestor cannot write SVG drawings.</source>
        <translation>Diese Ausgabe von Vestor kann keine SVG-Zeichnungen schreiben.</translation>
    </message>
    <message>
        <source>The report could not be printed into %1: %2.</source>
        <translation>Der Laborbericht konnte nicht in %1 gedruckt werden: %2.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>there is not enough room for it: the disk is full, or the file would be larger than this computer allows</source>
        <translation>es ist nicht genug Platz dafür: Der Datenträger ist voll, oder die Datei wäre größer, als dieser Computer erlaubt</translation>
    </message>
    <message>
        <source>%1, and the file that was there could not be put back as it was</source>
        <translation>%1, und die Datei, die dort war, konnte nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>the file there is too large to be replaced in this folder</source>
        <translation>die Datei dort ist zu groß, um in diesem Ordner ersetzt zu werden</translation>
    </message>
</context>
<context>
    <name>SavedRunPooler</name>
    <message>
        <source>Pool Saved Runs</source>
        <translation>Gespeicherte Durchläufe zusammenfassen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Nothing was pooled; the graph data are as they were.

%1</source>
        <translation>Es wurde nichts zusammengefasst; die Diagrammdaten sind unverändert.

%1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Times past %1 were left out.</source>
        <translation>Zeitpunkte nach %1 wurden weggelassen.</translation>
    </message>
    <message>
        <source>A shorter run adds nothing after its last time.</source>
        <translation>Ein kürzerer Durchlauf trägt nach seinem letzten Zeitpunkt nichts bei.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>die Datei ist größer als 1 MB</translation>
    </message>
    <message>
        <source>the first line is not the heading &quot;time&quot; and the columns &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>die erste Zeile ist nicht die Überschrift „time“ mit den Spalten „P1“ .. „P5“</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is not one of &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>die Überschrift „%1“ ist keine von „P1“ .. „P5“</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is there twice</source>
        <translation>die Überschrift „%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from 0 to 2147483647</source>
        <translation>„%1“ ist keine ganze Zahl von 0 bis 2147483647</translation>
    </message>
    <message>
        <source>time %1 stands where time %2 belongs; the times must run 0, 1, 2, ... in order</source>
        <translation>Zeitpunkt %1 steht, wo Zeitpunkt %2 hingehört; die Zeitpunkte müssen der Reihe nach 0, 1, 2, ... lauten</translation>
    </message>
    <message>
        <source>the line has more values than there are headings</source>
        <translation>die Zeile hat mehr Werte als Überschriften</translation>
    </message>
    <message>
        <source>it has the headings but no counts</source>
        <translation>die Datei hat die Überschriften, aber keine Anzahlen</translation>
    </message>
    <message>
        <source>its count of nuclide %1 at time %2 makes the pooled sum larger than 2147483647</source>
        <translation>ihre Anzahl von Nuklid %1 zum Zeitpunkt %2 macht die Summe größer als 2147483647</translation>
    </message>
    <message>
        <source>%1, line %2: %3.</source>
        <translation>%1, Zeile %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 has no counts of nuclide %2; it adds nothing to them.</source>
        <translation>%1 hat keine Anzahlen von Nuklid %2; die Datei trägt dazu nichts bei.</translation>
    </message>
    <message>
        <source>it has the times but no column of counts &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>die Datei hat die Zeitpunkte, aber keine Spalte mit Anzahlen &quot;P1&quot; .. &quot;P5&quot;</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <extracomment>The count of times in &quot;Pooled 2 files: 100 times, 0 to 99.&quot;</extracomment>
        <translation>
            <numerusform>%n Zeitpunkt</numerusform>
            <numerusform>%n Zeitpunkte</numerusform>
        </translation>
    </message>
    <message>
        <source>Pooled 1 file: %1, 0 to %2.</source>
        <translation>1 Datei zusammengefasst: %1, 0 bis %2.</translation>
    </message>
    <message numerus="yes">
        <source>Pooled %n files: %1, 0 to %2.</source>
        <translation>
            <numerusform>%n Datei zusammengefasst: %1, 0 bis %2.</numerusform>
            <numerusform>%n Dateien zusammengefasst: %1, 0 bis %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved runs (*.txt *.csv *.tsv)</source>
        <translation>Gespeicherte Durchläufe (*.txt *.csv *.tsv)</translation>
    </message>
    <message numerus="yes">
        <source>%1 has empty cells (%n); they add nothing.</source>
        <translation>
            <numerusform>%1 hat %n leere Zelle; sie zählt nichts dazu.</numerusform>
            <numerusform>%1 hat %n leere Zellen; sie zählen nichts dazu.</numerusform>
        </translation>
    </message>
    <message>
        <source>the time is missing</source>
        <translation>der Zeitpunkt fehlt</translation>
    </message>
</context>
<context>
    <name>vestor::AboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version 0.8</source>
        <translation>Version 0.8</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vestor: For Lab or Demonstration.</source>
        <translation>Vestor: für Praktikum oder Vorführung.</translation>
    </message>
</context>
<context>
    <name>vestor::Announcer</name>
    <message>
        <source>half-life</source>
        <extracomment>The half-life in words, read by a screen reader where the screen shows the symbol T½</extracomment>
        <translation>Halbwertszeit</translation>
    </message>
    <message>
        <source>Downloaded as %1.</source>
        <extracomment>Said and shown in a web browser after a file was handed to the browser; %1 is the file&apos;s name</extracomment>
        <translation>Heruntergeladen als %1.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <extracomment>Said and shown after a lesson was opened; %1 is the file (with its folder, outside a web browser)</extracomment>
        <translation>Geöffnet: %1.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>Said and shown after a file was saved; %1 is the file with its folder</extracomment>
        <translation>Gespeichert unter %1.</translation>
    </message>
</context>
<context>
    <name>vestor::BarField</name>
    <message>
        <source>Type a value and press Enter, or click elsewhere, to move the bar there</source>
        <translation>Einen Wert eingeben und Enter drücken oder woanders klicken, um den Schieberegler dorthin zu setzen</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1: „%2“ ist keine ganze Zahl von %3 bis %4. Das Feld zeigt wieder den Wert des Schiebereglers.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1: „%2“ ist keine Zahl von %3 bis %4. Das Feld zeigt wieder den Wert des Schiebereglers.</translation>
    </message>
</context>
<context>
    <name>vestor::ChamberPage</name>
    <message>
        <source>Active</source>
        <extracomment>Caption above the decay chamber, which holds the particles not yet decayed</extracomment>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Decayed</source>
        <extracomment>Caption above the panel of decayed particles taken out of the chamber</extracomment>
        <translation>Zerfallen</translation>
    </message>
    <message>
        <source>Decay chamber</source>
        <translation>Zerfallskammer</translation>
    </message>
    <message>
        <source>Decayed particles</source>
        <translation>Zerfallene Teilchen</translation>
    </message>
    <message>
        <source>The decayed particles taken out of the chamber, stacked from the top</source>
        <translation>Die aus der Kammer entfernten zerfallenen Teilchen, von oben gestapelt</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>hellgrün</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>hellblau</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>blaugrün</translation>
    </message>
    <message>
        <source>Colour of nuclide %1</source>
        <translation>Farbe von Nuklid %1</translation>
    </message>
    <message>
        <source>Particles of nuclide %1 are drawn %2 in the chamber</source>
        <translation>Teilchen von Nuklid %1 werden in der Kammer %2 gezeichnet</translation>
    </message>
    <message>
        <source>Count of nuclide %1</source>
        <translation>Anzahl von Nuklid %1</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Neustart</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Button: take the decayed particles out of the chamber</extracomment>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Button: advance one time step</extracomment>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Automate</source>
        <extracomment>Check box: step time and remove decayed particles by itself once a second</extracomment>
        <translation>Automatik</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>vermilion</source>
        <translation>zinnoberrot</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grau</translation>
    </message>
    <message>
        <source>nuclide %1, %2</source>
        <extracomment>What a screen reader says for one nuclide&apos;s count after a time step</extracomment>
        <translation>Nuklid %1, %2</translation>
    </message>
    <message>
        <source>Time %1: %2.</source>
        <extracomment>What a screen reader says after each time step: the time, then each nuclide&apos;s count</extracomment>
        <translation>Zeitpunkt %1: %2.</translation>
    </message>
    <message>
        <source>Remove the decayed particles first.</source>
        <translation>Zuerst die zerfallenen Teilchen entfernen.</translation>
    </message>
    <message>
        <source>No active particles are left.</source>
        <translation>Es sind keine aktiven Teilchen mehr übrig.</translation>
    </message>
    <message>
        <source>The run has recorded its 100 times.</source>
        <translation>Der Durchlauf hat seine 100 Zeitpunkte aufgezeichnet.</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs: Reset starts a new run.</source>
        <translation>Die Diagrammdaten sind die zusammengefassten Durchläufe: Neustart beginnt einen neuen Durchlauf.</translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles wait to be removed; %1.</source>
        <translation>
            <numerusform>%n zerfallenes Teilchen wartet darauf, entfernt zu werden; %1.</numerusform>
            <numerusform>%n zerfallene Teilchen warten darauf, entfernt zu werden; %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n have been taken out</source>
        <translation>
            <numerusform>%n ist herausgenommen</numerusform>
            <numerusform>%n sind herausgenommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles removed.</source>
        <translation>
            <numerusform>%n zerfallenes Teilchen entfernt.</numerusform>
            <numerusform>%n zerfallene Teilchen entfernt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vestor::ConfigPage</name>
    <message>
        <source>1st Decay Value </source>
        <extracomment>Die throw at or below which nuclide n decays; keep the trailing space</extracomment>
        <translation>1. Zerfallswert </translation>
    </message>
    <message>
        <source>2nd Decay Value </source>
        <translation>2. Zerfallswert </translation>
    </message>
    <message>
        <source>3rd Decay Value </source>
        <translation>3. Zerfallswert </translation>
    </message>
    <message>
        <source>4th Decay Value </source>
        <translation>4. Zerfallswert </translation>
    </message>
    <message>
        <source>5th Decay Value </source>
        <translation>5. Zerfallswert </translation>
    </message>
    <message>
        <source>Radioactive Decay Chamber Settings Configuration</source>
        <translation>Einstellungen der Kammer für den radioaktiven Zerfall</translation>
    </message>
    <message>
        <source>Use the Scrollbars to Adjust Values</source>
        <translation>Werte mit den Schiebereglern einstellen</translation>
    </message>
    <message>
        <source>Steps in Decay Series</source>
        <extracomment>Caption of the choice of how many nuclides the decay chain has (1 to 5)</extracomment>
        <translation>Glieder der Zerfallsreihe</translation>
    </message>
    <message>
        <source>Type of Decay</source>
        <translation>Zufall per</translation>
    </message>
    <message>
        <source> &amp;Percentage</source>
        <extracomment>Decay type: the chance of decay per time step given as a percentage</extracomment>
        <translation> &amp;Prozent</translation>
    </message>
    <message>
        <source> &amp;Dice</source>
        <extracomment>Decay type: the chance of decay given by a throw of a die</extracomment>
        <translation> &amp;Würfel</translation>
    </message>
    <message>
        <source>Graph Equation</source>
        <translation>Gleichung im Diagramm</translation>
    </message>
    <message>
        <source> &amp;Show Equation</source>
        <translation> &amp;Gleichung zeigen</translation>
    </message>
    <message>
        <source>Use Base</source>
        <extracomment>Caption of the choice of base of the exponential in the graph equation: 0.5 or e</extracomment>
        <translation>Basis</translation>
    </message>
    <message>
        <source> 0.&amp;5</source>
        <translation> 0,&amp;5</translation>
    </message>
    <message>
        <source> &amp;e</source>
        <translation> &amp;e</translation>
    </message>
    <message>
        <source>Probability of Decay</source>
        <translation>Zerfallswahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Nuclide %1</source>
        <translation>Nuklid %1</translation>
    </message>
    <message>
        <source>Chance of decay of nuclide %1, percent</source>
        <translation>Zerfallswahrscheinlichkeit von Nuklid %1 in Prozent</translation>
    </message>
    <message>
        <source>Sets the chance in percent that a particle of nuclide %1 decays in one time step</source>
        <translation>Stellt ein, mit welcher Wahrscheinlichkeit in Prozent ein Teilchen von Nuklid %1 in einem Zeitschritt zerfällt</translation>
    </message>
    <message>
        <source>Chance of Decay</source>
        <translation>Zerfallswahrscheinlichkeit</translation>
    </message>
    <message>
        <source># of Sides on Die</source>
        <extracomment>Number of sides of the die thrown for every particle</extracomment>
        <translation>Seiten des Würfels</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Anzahl der Seiten des Würfels</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Stellt ein, wie viele Seiten der Würfel hat; kein Zerfallswert kann größer sein</translation>
    </message>
    <message>
        <source>Decay value of nuclide %1</source>
        <translation>Zerfallswert von Nuklid %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which a particle of nuclide %1 decays</source>
        <translation>Stellt die höchste Augenzahl ein, bei der ein Teilchen von Nuklid %1 zerfällt</translation>
    </message>
    <message>
        <source>Initial Number</source>
        <extracomment>Group title: how many particles of each nuclide the chamber holds at the start</extracomment>
        <translation>Anfangsanzahl</translation>
    </message>
    <message>
        <source>Initial number of nuclide %1</source>
        <translation>Anfangsanzahl von Nuklid %1</translation>
    </message>
    <message>
        <source>Sets how many particles of nuclide %1 the chamber holds at the start, 1000 in all at most</source>
        <translation>Stellt ein, wie viele Teilchen von Nuklid %1 die Kammer zu Beginn enthält, insgesamt höchstens 1000</translation>
    </message>
    <message>
        <source>T½ = %1 steps</source>
        <translation>T½ = %1 Schritte</translation>
    </message>
    <message>
        <source>The teacher has locked these settings (Extras ▸ Lock Settings).</source>
        <translation>Die Lehrkraft hat diese Einstellungen gesperrt (Extras ▸ Einstellungen sperren).</translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>After the number on a chance&apos;s read-out, &quot;50%&quot;: a language that writes &quot;50 %&quot; puts a no-break space before the sign</extracomment>
        <translation>&#xa0;%</translation>
    </message>
</context>
<context>
    <name>vestor::DataTablePage</name>
    <message>
        <source>Collected Data Table</source>
        <translation>Tabelle der Messwerte</translation>
    </message>
    <message>
        <source>Select Data to be displayed</source>
        <translation>Anzuzeigende Daten wählen</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation> Nuklid %1</translation>
    </message>
    <message>
        <source>Collected data</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>C&amp;opy Highlighted</source>
        <extracomment>Button: copy the selected part of the table</extracomment>
        <translation>Auswahl k&amp;opieren</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
    <message>
        <source>Save Data as Text</source>
        <translation>Daten als Text speichern</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>The data could not be saved to %1:
%2</source>
        <translation>Die Daten konnten nicht in %1 gespeichert werden:
%2</translation>
    </message>
</context>
<context>
    <name>vestor::GraphEditorPage</name>
    <message>
        <source>Use this page to modify the Graphing Data.  To Set the Decay Values, use the Configuration page.</source>
        <translation>Hier werden die Daten des Diagramms bearbeitet. Die Zerfallswahrscheinlichkeiten stellt man auf der Seite Einstellungen ein.</translation>
    </message>
    <message>
        <source>Number of Data Points:</source>
        <translation>Anzahl der Messpunkte:</translation>
    </message>
    <message>
        <source>Number of data points</source>
        <translation>Anzahl der Messpunkte</translation>
    </message>
    <message>
        <source>Sets how many recorded times the graph and the data table show</source>
        <translation>Stellt ein, wie viele aufgezeichnete Zeitpunkte das Diagramm und die Tabelle zeigen</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Caption of the choice of nuclide whose counts are shown below</extracomment>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Nuclide 1</source>
        <translation>Nuklid 1</translation>
    </message>
    <message>
        <source>Nuclide 2</source>
        <translation>Nuklid 2</translation>
    </message>
    <message>
        <source>Nuclide 3</source>
        <translation>Nuklid 3</translation>
    </message>
    <message>
        <source>Nuclide 4</source>
        <translation>Nuklid 4</translation>
    </message>
    <message>
        <source>Nuclide 5</source>
        <translation>Nuklid 5</translation>
    </message>
    <message>
        <source>Nuclide 1&apos;s Data</source>
        <translation>Daten von Nuklid 1</translation>
    </message>
    <message>
        <source>Initial Count</source>
        <extracomment>The count at time 0</extracomment>
        <translation>Anfangsanzahl</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Gezeigte Zeitpunkte</translation>
    </message>
    <message>
        <source>Scrolls the fifteen count fields through the recorded times</source>
        <translation>Verschiebt die fünfzehn Zahlenfelder über die aufgezeichneten Zeitpunkte</translation>
    </message>
    <message>
        <source>%1´s Data</source>
        <extracomment>Title of the group of count fields; %1 is the chosen &quot;Nuclide n&quot;</extracomment>
        <translation>Daten von %1</translation>
    </message>
    <message>
        <source>Enter an integer!!</source>
        <translation>Bitte eine ganze Zahl ohne Tausenderpunkt eingeben.</translation>
    </message>
    <message>
        <source>Count of nuclide %1 at time %2</source>
        <extracomment>What a screen reader calls a count field of the graph data editor</extracomment>
        <translation>Anzahl von Nuklid %1 zum Zeitpunkt %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no whole number; the field shows %3.</source>
        <extracomment>Said after &quot;Enter an integer!!&quot;: the field refused, what was typed and what it shows now</extracomment>
        <translation>%1: &quot;%2&quot; ist keine ganze Zahl; das Feld zeigt %3.</translation>
    </message>
</context>
<context>
    <name>vestor::GraphPage</name>
    <message>
        <source>a count is not a number of particles</source>
        <translation>eine Anzahl ist keine mögliche Teilchenzahl</translation>
    </message>
    <message>
        <source>fewer than three usable points</source>
        <translation>weniger als drei brauchbare Punkte</translation>
    </message>
    <message>
        <source>the counts do not fall</source>
        <translation>die Anzahlen nehmen nicht ab</translation>
    </message>
    <message>
        <source>Change Initial Count</source>
        <extracomment>Caption of the scroll bar that sets the initial count A of the model curve</extracomment>
        <translation>Anfangsanzahl ändern</translation>
    </message>
    <message>
        <source>Half-life of the model curve</source>
        <translation>Halbwertszeit der Modellkurve</translation>
    </message>
    <message>
        <source>Sets the half-life of the model curve drawn over nuclide 1&apos;s counts; the equation above the graph shows it</source>
        <translation>Stellt die Halbwertszeit der Modellkurve über den Anzahlen von Nuklid 1 ein; die Gleichung über dem Diagramm zeigt sie</translation>
    </message>
    <message>
        <source>Decay graph</source>
        <translation>Zerfallsdiagramm</translation>
    </message>
    <message>
        <source>Initial count of the model curve</source>
        <translation>Anfangsanzahl der Modellkurve</translation>
    </message>
    <message>
        <source>Moves the initial count of the model curve up or down; the equation above the graph shows it</source>
        <translation>Verschiebt die Anfangsanzahl der Modellkurve nach oben oder unten; die Gleichung über dem Diagramm zeigt sie</translation>
    </message>
    <message>
        <source>Start of the model curve</source>
        <translation>Anfang der Modellkurve</translation>
    </message>
    <message>
        <source>Marks where the model curve starts, at time 0</source>
        <translation>Markiert, wo die Modellkurve beginnt, zum Zeitpunkt 0</translation>
    </message>
    <message>
        <source>C o u n t </source>
        <extracomment>Title of the vertical axis, written downwards one letter a line in 8 pixels: a space after each letter, at most five narrow letters (an m or w is cut)</extracomment>
        <translation>A n z.</translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>Title of the horizontal axis of the graph</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Graph the Indicated Nuclides</source>
        <translation>Diese Nuklide zeichnen</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation> Nuklid %1</translation>
    </message>
    <message>
        <source>Curve read-out</source>
        <translation>Ablesung an der Kurve</translation>
    </message>
    <message>
        <source>The time and the model&apos;s count at the point pressed on the graph</source>
        <translation>Zeit und Anzahl des Modells an der angeklickten Stelle des Diagramms</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Best fit</source>
        <extracomment>Check box: show the computed best fit of T½ and A to nuclide 1&apos;s counts</extracomment>
        <translation>Ausgleichskurve</translation>
    </message>
    <message>
        <source>Expected</source>
        <extracomment>Check box: draw the expected count of each nuclide</extracomment>
        <translation>Erwartungswert</translation>
    </message>
    <message>
        <source>Fit the model to nuclide 1&apos;s counts and show the estimate with its standard error</source>
        <translation>Die Ausgleichskurve an die Anzahlen von Nuklid 1 anpassen und die Schätzung mit ihrem Standardfehler zeigen</translation>
    </message>
    <message>
        <source>&amp;Use fit</source>
        <extracomment>Button: move the two scroll bars to the best fit</extracomment>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>Move the two scroll bars to the computed fit</source>
        <translation>Die beiden Schieberegler auf die berechnete Ausgleichskurve stellen</translation>
    </message>
    <message>
        <source>Best fit of nuclide 1: no estimate, %1.</source>
        <translation>Ausgleichskurve für Nuklid 1: keine Schätzung, %1.</translation>
    </message>
    <message>
        <source> The half-life lies beyond the scroll bar&apos;s range.</source>
        <translation> Die Halbwertszeit liegt außerhalb des Schiebereglers.</translation>
    </message>
    <message>
        <source> The initial count lies beyond the scroll bar&apos;s reach.</source>
        <translation> Die Anfangsanzahl liegt außerhalb des Schiebereglers.</translation>
    </message>
    <message>
        <source> The count rises from time %1 to %2, which decay alone cannot do: the ± does not hold.</source>
        <translation> Die Anzahl steigt von Zeitpunkt %1 bis %2, was Zerfall allein nicht kann: Das ± gilt nicht.</translation>
    </message>
    <message>
        <source>Change Half-life</source>
        <extracomment>Caption of the scroll bar that sets the half-life T½ of the model curve</extracomment>
        <translation>Halbwertszeit</translation>
    </message>
    <message>
        <source>Draw the expected count of each graphed nuclide, in a band where 95 % of runs fall</source>
        <translation>Die erwartete Anzahl jedes gezeigten Nuklids zeichnen, in einem Band, in das 95&#xa0;% der Durchläufe fallen</translation>
    </message>
    <message>
        <source>&amp;Log scale</source>
        <extracomment>Check box: plot the counts on a logarithmic axis, where an exponential decay is a straight line</extracomment>
        <translation>&amp;Logarithmische Skala</translation>
    </message>
    <message>
        <source>Plot the counts on a logarithmic axis: an exponential decay becomes a straight line</source>
        <translation>Die Anzahlen auf einer logarithmischen Achse zeigen: Ein exponentieller Zerfall wird zur Geraden</translation>
    </message>
    <message>
        <source>Model curve: T½ %1 steps, A %2.</source>
        <extracomment>The model curve as a screen reader says it, after the graph&apos;s points and as a scroll bar moves</extracomment>
        <translation>Modellkurve: T½ %1 Schritte, A %2.</translation>
    </message>
    <message>
        <source>Half-life of the model curve, T½ %1 steps</source>
        <extracomment>What a screen reader says for the half-life scroll bar: what it sets and its value</extracomment>
        <translation>Halbwertszeit der Modellkurve, T½ %1 Schritte</translation>
    </message>
    <message>
        <source>Initial count of the model curve, A %1</source>
        <extracomment>What a screen reader says for the initial-count scroll bar: what it sets and its value</extracomment>
        <translation>Anfangsanzahl der Modellkurve, A %1</translation>
    </message>
    <message>
        <source>Nuclide %1 at times 0 to %2: %3.</source>
        <extracomment>Graph as a screen reader reads it: one nuclide&apos;s counts, time by time</extracomment>
        <translation>Nuklid %1 zu den Zeitpunkten 0 bis %2: %3.</translation>
    </message>
    <message>
        <source>Best fit hidden.</source>
        <translation>Beste Anpassung ausgeblendet.</translation>
    </message>
    <message>
        <source>The expected count of each graphed nuclide is drawn as a line, in a band where 95 % of runs fall.</source>
        <translation>Die erwartete Anzahl jedes gezeigten Nuklids ist als Linie gezeichnet, in einem Band, in das 95&#xa0;% der Durchläufe fallen.</translation>
    </message>
    <message>
        <source>The expected counts are hidden.</source>
        <translation>Die erwarteten Anzahlen sind ausgeblendet.</translation>
    </message>
    <message>
        <source>The counts are on a logarithmic axis, where an exponential decay is a straight line.</source>
        <translation>Die Anzahlen stehen auf einer logarithmischen Achse, auf der ein exponentieller Zerfall eine Gerade ist.</translation>
    </message>
    <message>
        <source>The counts are on an even axis.</source>
        <translation>Die Anzahlen stehen auf einer gleichmäßig geteilten Achse.</translation>
    </message>
    <message numerus="yes">
        <source>Best fit of nuclide 1 from %n points:  T½ = %1 ± %2,  A = %3 ± %4</source>
        <translation>
            <numerusform>Ausgleichskurve für Nuklid 1 aus %n Punkt:  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
            <numerusform>Ausgleichskurve für Nuklid 1 aus %n Punkten:  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
        </translation>
    </message>
    <message>
        <source> The half-life bar moves in steps of 0.025; its nearest position gives T½ = %1.</source>
        <extracomment>After Use fit: why the equation&apos;s half-life differs from the fit&apos;s; %1 is the equation&apos;s</extracomment>
        <translation> Der Schieberegler der Halbwertszeit bewegt sich in Schritten von 0,025; die nächstgelegene Stellung ergibt T½ = %1.</translation>
    </message>
</context>
<context>
    <name>vestor::HelpWindow</name>
    <message>
        <source>Vestor Help</source>
        <translation>Vestor-Hilfe</translation>
    </message>
    <message>
        <source>Student&apos;s guide, %1</source>
        <extracomment>What a screen reader calls the guide&apos;s text; %1 is the section it opens at</extracomment>
        <translation>Anleitung für Schüler, %1</translation>
    </message>
</context>
<context>
    <name>vestor::LessonText</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>missing, or not a group of values</source>
        <translation>fehlt oder ist keine Gruppe von Werten</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>keine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>weder true noch false</translation>
    </message>
    <message>
        <source>the series has not 1 to 5 nuclides, or the die not 2 to 40 sides</source>
        <translation>die Zerfallsreihe hat nicht 1 bis 5 Nuklide oder der Würfel nicht 2 bis 40 Seiten</translation>
    </message>
    <message>
        <source>the chance of decay of nuclide %1 is out of range</source>
        <translation>die Zerfallswahrscheinlichkeit von Nuklid %1 liegt außerhalb des erlaubten Bereichs</translation>
    </message>
    <message>
        <source>the initial numbers are not 1 to 1000 particles in all</source>
        <translation>die Anfangsanzahlen ergeben nicht insgesamt 1 bis 1000 Teilchen</translation>
    </message>
    <message>
        <source>a time is not 0 to 99</source>
        <translation>ein Zeitpunkt liegt nicht zwischen 0 und 99</translation>
    </message>
    <message>
        <source>a count is negative</source>
        <translation>eine Anzahl ist negativ</translation>
    </message>
    <message>
        <source>the chamber holds more than 1000 particles</source>
        <translation>die Kammer enthält mehr als 1000 Teilchen</translation>
    </message>
    <message>
        <source>the particle order is not the numbers 1 to 1000, each once</source>
        <translation>die Reihenfolge der Teilchen enthält nicht jede der Zahlen 1 bis 1000 genau einmal</translation>
    </message>
    <message>
        <source>the size of the particles does not suit their number</source>
        <translation>die Größe der Teilchen passt nicht zu ihrer Anzahl</translation>
    </message>
    <message>
        <source>a particle belongs to no nuclide of the series</source>
        <translation>ein Teilchen gehört zu keinem Nuklid der Reihe</translation>
    </message>
    <message>
        <source>a particle lies outside the chamber</source>
        <translation>ein Teilchen liegt außerhalb der Kammer</translation>
    </message>
    <message>
        <source>the number of particles taken out does not match the particles</source>
        <translation>die Zahl der entfernten Teilchen passt nicht zu den Teilchen</translation>
    </message>
    <message>
        <source>the count of nuclide %1 does not match its particles</source>
        <translation>die Anzahl von Nuklid %1 passt nicht zu seinen Teilchen</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>sie ist größer, als eine Unterrichtsstunde sein kann</translation>
    </message>
    <message>
        <source>it is not a lesson file (no JSON object at character %1)</source>
        <translation>sie ist keine Unterrichtsdatei (kein JSON-Objekt bei Zeichen %1)</translation>
    </message>
    <message>
        <source>it is not a lesson file</source>
        <translation>sie ist keine Unterrichtsdatei</translation>
    </message>
    <message>
        <source>it has no version number</source>
        <translation>sie hat keine Versionsnummer</translation>
    </message>
    <message>
        <source>it was saved by a newer version of the program (lesson version %1); this one reads version %2</source>
        <translation>sie wurde von einer neueren Version des Programms gespeichert (Version %1); diese liest Version %2</translation>
    </message>
    <message>
        <source>neither &quot;percent&quot; nor &quot;dice&quot;</source>
        <translation>weder &quot;percent&quot; noch &quot;dice&quot;</translation>
    </message>
    <message>
        <source>neither &quot;e&quot; nor &quot;0.5&quot;</source>
        <translation>weder &quot;e&quot; noch &quot;0.5&quot;</translation>
    </message>
    <message>
        <source>row %1 is not a list of 5 counts</source>
        <translation>Zeile %1 ist keine Liste von 5 Anzahlen</translation>
    </message>
    <message>
        <source>particle %1 is not [nuclide, x, y]</source>
        <translation>Teilchen %1 ist nicht [Nuklid, x, y]</translation>
    </message>
    <message>
        <source>particle %1</source>
        <translation>Teilchen %1</translation>
    </message>
    <message>
        <source>row %1 is not five of the letters - R T P</source>
        <translation>Zeile %1 besteht nicht aus fünf der Buchstaben - R T P</translation>
    </message>
    <message numerus="yes">
        <source>not a list of at most %n items</source>
        <translation>
            <numerusform>keine Liste mit höchstens %n Eintrag</numerusform>
            <numerusform>keine Liste mit höchstens %n Einträgen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not a list of %n items</source>
        <translation>
            <numerusform>keine Liste mit %n Eintrag</numerusform>
            <numerusform>keine Liste mit %n Einträgen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing, or not a name of at most %n characters</source>
        <translation>
            <numerusform>fehlt oder ist kein Name mit höchstens %n Zeichen</numerusform>
            <numerusform>fehlt oder ist kein Name mit höchstens %n Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>nuclide %1 is past the end product of the series, yet its count is not the one the run started with</source>
        <translation>Nuklid %1 liegt hinter dem Endprodukt der Zerfallsreihe, doch seine Anzahl ist nicht die, mit der der Durchlauf begann</translation>
    </message>
    <message>
        <source>the initial numbers of the run do not give its particles</source>
        <translation>die Anfangsanzahlen passen nicht zu den Teilchen des Durchlaufs</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is not 0, yet nobody recorded, typed or pooled it</source>
        <translation>die Anzahl von Nuklid %1 zum Zeitpunkt %2 ist nicht 0, doch niemand hat sie aufgezeichnet, eingetippt oder zusammengefasst</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is pooled, but the run&apos;s data are not pooled runs</source>
        <translation>die Anzahl von Nuklid %1 zum Zeitpunkt %2 ist zusammengefasst, doch die Daten des Durchlaufs sind keine zusammengefassten Durchläufe</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but pooled runs replaced the run&apos;s data</source>
        <translation>die Anzahl von Nuklid %1 zum Zeitpunkt %2 ist aufgezeichnet, doch zusammengefasste Durchläufe haben die Daten ersetzt</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded after the run&apos;s last time</source>
        <translation>die Anzahl von Nuklid %1 zum Zeitpunkt %2 ist nach dem letzten Zeitpunkt des Durchlaufs aufgezeichnet</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but the nuclide is not in the run&apos;s series</source>
        <translation>die Anzahl von Nuklid %1 zum Zeitpunkt %2 ist aufgezeichnet, doch das Nuklid gehört nicht zur Zerfallsreihe des Durchlaufs</translation>
    </message>
    <message>
        <source>the recorded count of nuclide %1 at time %2 is not one the run could record</source>
        <translation>die aufgezeichnete Anzahl von Nuklid %1 zum Zeitpunkt %2 kann der Durchlauf nicht aufgezeichnet haben</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is after the last time typed or pooled</source>
        <translation>die Anzahl von Nuklid %1 zum Zeitpunkt %2 liegt nach dem letzten eingetippten oder zusammengefassten Zeitpunkt</translation>
    </message>
    <message>
        <source>the run&apos;s series is not the one the settings choose, and no change of them is waiting</source>
        <translation>die Zerfallsreihe des Durchlaufs ist nicht die der Einstellungen, und keine Änderung steht aus</translation>
    </message>
    <message>
        <source>not a state of the random generator that the program could have saved</source>
        <translation>kein Zustand des Zufallsgenerators, den das Programm gespeichert haben könnte</translation>
    </message>
</context>
<context>
    <name>vestor::MainWindow</name>
    <message>
        <source>Print Re&amp;port…</source>
        <extracomment>Menu item: print the one-page lab report with the graph, the numbers and the data</extracomment>
        <translation>Laborbericht &amp;drucken…</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <extracomment>Menu item: save the one-page lab report as a PDF file</extracomment>
        <translation>Laborbericht als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Laborbericht als PDF speichern</translation>
    </message>
    <message>
        <source>The report could not be saved to %1:
%2</source>
        <translation>Der Laborbericht konnte nicht in %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>Einstell&amp;ungen</translation>
    </message>
    <message>
        <source>&amp;Decay Chamber</source>
        <translation>Zerfalls&amp;kammer</translation>
    </message>
    <message>
        <source>Collected Data &amp;Table</source>
        <translation>Messwert&amp;tabelle</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Diagramm</translation>
    </message>
    <message>
        <source>Edit G&amp;raph Data</source>
        <translation>Diagrammdaten bea&amp;rbeiten</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy Graph</source>
        <translation>Diagramm &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Print Graph</source>
        <translation>Diagramm &amp;drucken</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Benutzername</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Implied &amp;Half-lives</source>
        <translation>Zugehörige &amp;Halbwertszeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Anzeige</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Pool Saved Runs…</source>
        <translation>Durchläufe &amp;zusammenfassen…</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Dice practical: one nuclide, a six-sided die</source>
        <translation>&amp;Würfelversuch: ein Nuklid, ein sechsseitiger Würfel</translation>
    </message>
    <message>
        <source>500 dice; a die that shows 1 has decayed. Half-life about 3.8 throws.</source>
        <translation>500 Würfel; ein Würfel, der 1 zeigt, ist zerfallen. Halbwertszeit etwa 3,8 Würfe.</translation>
    </message>
    <message>
        <source>&amp;Half-life of one step: one nuclide at 50 %</source>
        <translation>&amp;Halbwertszeit von einem Schritt: ein Nuklid mit 50&#xa0;%</translation>
    </message>
    <message>
        <source>800 particles with a chance of 50 % a step: the count halves at every step.</source>
        <translation>800 Teilchen mit 50&#xa0;% Wahrscheinlichkeit je Schritt: die Anzahl halbiert sich bei jedem Schritt.</translation>
    </message>
    <message>
        <source>&amp;Fast parent, slow daughter</source>
        <translation>&amp;Schnelle Mutter, langsame Tochter</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 30 % a step into nuclide 2, which decays at 5 %: the daughter builds up, then decays slowly.</source>
        <translation>Nuklid 1 zerfällt mit 30&#xa0;% je Schritt in Nuklid 2, das mit 5&#xa0;% zerfällt: die Tochter baut sich auf und zerfällt dann langsam.</translation>
    </message>
    <message>
        <source>&amp;Slow parent, fast daughter</source>
        <translation>&amp;Langsame Mutter, schnelle Tochter</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 5 % a step into nuclide 2, which decays at 40 %: the daughter soon follows its parent&apos;s half-life.</source>
        <translation>Nuklid 1 zerfällt mit 5&#xa0;% je Schritt in Nuklid 2, das mit 40&#xa0;% zerfällt: die Tochter folgt bald der Halbwertszeit der Mutter.</translation>
    </message>
    <message>
        <source>Fi&amp;ve-member series by dice</source>
        <translation>&amp;Fünfgliedrige Reihe mit Würfel</translation>
    </message>
    <message>
        <source>A ten-sided die; nuclide 1 decays on 2 or less, the others on 3, 1, 4 and 2; 500 particles of nuclide 1.</source>
        <translation>Ein zehnseitiger Würfel; Nuklid 1 zerfällt bei 2 oder weniger, die anderen bei 3, 1, 4 und 2; 500 Teilchen von Nuklid 1.</translation>
    </message>
    <message>
        <source>&amp;Lock Settings</source>
        <translation>Einstellungen &amp;sperren</translation>
    </message>
    <message>
        <source>Makes the Configuration page read-only until it is unlocked here</source>
        <translation>Macht die Seite Einstellungen schreibgeschützt, bis sie hier entsperrt wird</translation>
    </message>
    <message>
        <source>Lessons (*.vestor)</source>
        <translation>Unterrichtsstunden (*.vestor)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Date&amp;i</translation>
    </message>
    <message>
        <source>&amp;Open Lesson…</source>
        <translation>Stunde ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save Lesson</source>
        <translation>Stunde &amp;speichern</translation>
    </message>
    <message>
        <source>Save Lesson &amp;As…</source>
        <translation>Stunde speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Recent Lessons</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>E&amp;xamples</source>
        <translation>&amp;Beispiele</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Ansi&amp;cht</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Gilt ab dem nächsten Start</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>sie ist größer, als eine Unterrichtsstunde sein kann</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Die Unterrichtsstunde „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; was not saved: %2.</source>
        <translation>Die Unterrichtsstunde „%1“ wurde nicht gespeichert: %2.</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Unterrichtsstunde öffnen</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Unterrichtsstunde speichern</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changed. Save the changes?</source>
        <translation>Die Unterrichtsstunde „%1“ wurde geändert. Änderungen speichern?</translation>
    </message>
    <message>
        <source>Save Graph &amp;As…</source>
        <extracomment>Menu item: save the graph as a PNG, SVG or PDF file</extracomment>
        <translation>Diagramm speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Colour-blind Safe Colours</source>
        <translation>Farben für &amp;Farbenblinde</translation>
    </message>
    <message>
        <source>Save Graph As</source>
        <translation>Diagramm speichern unter</translation>
    </message>
    <message>
        <source>PNG picture, twice the size (*.png)</source>
        <translation>PNG-Bild, doppelte Größe (*.png)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
the name must end in .png, .svg or .pdf.</source>
        <translation>Das Diagramm konnte nicht in %1 gespeichert werden:
Der Name muss auf .png, .svg oder .pdf enden.</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
%2</source>
        <translation>Das Diagramm konnte nicht in %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs. A new run replaces them.

Start a new run?</source>
        <translation>Die Diagrammdaten sind die zusammengefassten Durchläufe. Ein neuer Durchlauf ersetzt sie.

Einen neuen Durchlauf starten?</translation>
    </message>
    <message>
        <source>%1 page</source>
        <extracomment>What a screen reader says when a page opens; %1 is the page&apos;s name</extracomment>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>What a screen reader says as a menu of the menu bar opens; %1 is the menu&apos;s name</extracomment>
        <translation>Menü %1</translation>
    </message>
    <message>
        <source>%1, changes not saved</source>
        <extracomment>What a screen reader reads as the window&apos;s title while the lesson has unsaved changes; %1 is the title</extracomment>
        <translation>%1, Änderungen nicht gespeichert</translation>
    </message>
    <message>
        <source>The counts of this run have not been saved. Save them as a lesson?</source>
        <translation>Die Anzahlen dieses Durchlaufs sind nicht gespeichert. Als Unterrichtsstunde speichern?</translation>
    </message>
    <message>
        <source>The graph was printed into %1.</source>
        <extracomment>Said and shown after printing into a file; %1 is the file</extracomment>
        <translation>Das Diagramm wurde in %1 gedruckt.</translation>
    </message>
    <message>
        <source>The graph went to the printer %1.</source>
        <extracomment>Said and shown after printing; %1 is the printer&apos;s name</extracomment>
        <translation>Das Diagramm wurde an den Drucker %1 gesendet.</translation>
    </message>
    <message>
        <source>Fits this screen: %1 %</source>
        <extracomment>View &gt; Size: the largest size that fits the screen; %1 is that size in percent</extracomment>
        <translation>Passend für diesen Bildschirm: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Fits this screen: none</source>
        <translation>Passend für diesen Bildschirm: keine</translation>
    </message>
    <message>
        <source>Needs a screen of at least %1 × %2 pixels</source>
        <extracomment>Tooltip of a size that does not fit the screen; %1 × %2 is the screen it needs, in pixels</extracomment>
        <translation>Braucht einen Bildschirm von mindestens %1 × %2 Pixeln</translation>
    </message>
    <message>
        <source>In a web browser, Print Graph gives the page as a PDF download; the browser opens it and prints it on the printer chosen there.</source>
        <translation>Im Webbrowser gibt „Diagramm drucken“ die Seite als PDF zum Herunterladen aus; der Browser öffnet sie und druckt sie auf dem dort gewählten Drucker.</translation>
    </message>
    <message>
        <source>Copy Lesson &amp;Link</source>
        <translation>Link zur Stunde &amp;kopieren</translation>
    </message>
    <message>
        <source>The link to this lesson is on the clipboard. Paste it into a class page or a message: opening it opens this lesson, at this step, in a browser.</source>
        <translation>Der Link zu dieser Stunde liegt in der Zwischenablage. Er lässt sich in eine Klassenseite oder eine Nachricht einfügen: Wer ihn öffnet, erhält diese Stunde bei diesem Schritt im Browser.</translation>
    </message>
</context>
<context>
    <name>vestor::MenuItem</name>
    <message>
        <source>not checked</source>
        <extracomment>What a screen reader adds to a menu item that can be ticked and is not</extracomment>
        <translation>nicht markiert</translation>
    </message>
</context>
<context>
    <name>vestor::Notifier</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>vestor::ReadFileText</name>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
</context>
<context>
    <name>vestor::TGetDataFR</name>
    <message>
        <source>First Decay Value </source>
        <translation>Erster Zerfallswert </translation>
    </message>
    <message>
        <source>Second Decay Value </source>
        <translation>Zweiter Zerfallswert </translation>
    </message>
    <message>
        <source>Third Decay Value </source>
        <translation>Dritter Zerfallswert </translation>
    </message>
    <message>
        <source>Fourth Decay Value </source>
        <translation>Vierter Zerfallswert </translation>
    </message>
    <message>
        <source>Fifth Decay Value </source>
        <translation>Fünfter Zerfallswert </translation>
    </message>
    <message>
        <source>Set Data</source>
        <translation>Daten einstellen</translation>
    </message>
    <message>
        <source>Decay Rate</source>
        <translation>Wahrscheinlichkeit je Schritt</translation>
    </message>
    <message>
        <source>Dice Box</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Number Particles</source>
        <translation>Teilchenzahl</translation>
    </message>
    <message>
        <source>Number of Sides on Dice</source>
        <translation>Seiten des Würfels</translation>
    </message>
    <message>
        <source>Particle %1</source>
        <translation>Teilchen %1</translation>
    </message>
    <message>
        <source>Chance of decay of particle %1, percent</source>
        <translation>Zerfallswahrscheinlichkeit von Teilchen %1 in Prozent</translation>
    </message>
    <message>
        <source>Sets the chance in percent that particle %1 decays in one step</source>
        <translation>Stellt ein, mit welcher Wahrscheinlichkeit in Prozent Teilchen %1 in einem Schritt zerfällt</translation>
    </message>
    <message>
        <source>Decay value of particle %1</source>
        <translation>Zerfallswert von Teilchen %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which particle %1 decays</source>
        <translation>Stellt die höchste Augenzahl ein, bei der Teilchen %1 zerfällt</translation>
    </message>
    <message>
        <source>Number of particle %1</source>
        <translation>Anzahl von Teilchen %1</translation>
    </message>
    <message>
        <source>Sets how many of particle %1 the chamber holds at the start</source>
        <translation>Stellt ein, wie viele von Teilchen %1 die Kammer zu Beginn enthält</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Anzahl der Seiten des Würfels</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Stellt ein, wie viele Seiten der Würfel hat; kein Zerfallswert kann größer sein</translation>
    </message>
    <message>
        <source>Length of Decay chain</source>
        <translation>Länge der Zerfallsreihe</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>After the number on a chance&apos;s read-out, &quot;50%&quot;: a language that writes &quot;50 %&quot; puts a no-break space before the sign</extracomment>
        <translation>&#xa0;%</translation>
    </message>
</context>
<context>
    <name>vestor::TWhoami</name>
    <message>
        <source>I am ....</source>
        <translation>Ich bin ....</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Steht auf jedem Ausdruck</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
