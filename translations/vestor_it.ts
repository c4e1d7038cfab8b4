<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>LabReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 or less (%2)</source>
        <translation>%1 o meno (%2)</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 passi</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Curva di regressione</translation>
    </message>
    <message>
        <source>Chance per step</source>
        <translation>Probabilità per passo</translation>
    </message>
    <message>
        <source>Conclusion</source>
        <extracomment>Lab report: heading of the ruled lines where the student writes a conclusion</extracomment>
        <translation>Conclusione</translation>
    </message>
    <message>
        <source>Count (logarithmic)</source>
        <extracomment>Lab report graph: title of the count axis</extracomment>
        <translation>Conteggio (logaritmico)</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Conteggio</translation>
    </message>
    <message>
        <source>Data: counts at each time</source>
        <translation>Dati: conteggi a ogni istante</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Before the date on the lab report</extracomment>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Nuclides in the decay series: %1. Each decays into the next, the last into a stable product.</source>
        <extracomment>Lab report: how many nuclides the decay series has</extracomment>
        <translation>Nuclidi della catena: %1. Ognuno decade nel successivo, l’ultimo in un prodotto stabile.</translation>
    </message>
    <message>
        <source>Differences of T½ in steps</source>
        <translation>Differenze di T½ in passi</translation>
    </message>
    <message>
        <source>Expected count, in the band where 95 % of runs fall</source>
        <translation>Conteggio atteso, nella fascia dove cade il 95% delle prove</translation>
    </message>
    <message>
        <source>Graph data: the sums of saved runs (%1): %2.</source>
        <translation>Dati del grafico: le somme delle prove salvate (%1): %2.</translation>
    </message>
    <message>
        <source>Graph data: the sums of pooled saved runs.</source>
        <translation>Dati del grafico: le somme delle prove salvate.</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>Half-life of nuclide 1</source>
        <translation>Tempo di dimezzamento del nuclide 1</translation>
    </message>
    <message>
        <source>Half-life</source>
        <translation>Tempo di dimezzamento</translation>
    </message>
    <message>
        <source>Half-lives in time steps; A is the count at time 0.</source>
        <translation>Tempi di dimezzamento in passi; A è il conteggio all’istante 0.</translation>
    </message>
    <message>
        <source>Initial number</source>
        <translation>Numero iniziale</translation>
    </message>
    <message>
        <source>Made with %1 %2</source>
        <extracomment>The program&apos;s name and version, at the top right of the lab report</extracomment>
        <translation>Realizzato con %1 %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>Before the student&apos;s name on the lab report</extracomment>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Nuclide %1</source>
        <translation>Nuclide %1</translation>
    </message>
    <message>
        <source>Nuclide</source>
        <translation>Nuclide</translation>
    </message>
    <message>
        <source>Predicted from the chance of %1</source>
        <translation>Previsto dalla probabilità del %1</translation>
    </message>
    <message>
        <source>Radioactive Decay: Lab Report</source>
        <extracomment>Title of the printed lab report</extracomment>
        <translation>Decadimento radioattivo: relazione di laboratorio</translation>
    </message>
    <message>
        <source>Settings of the run</source>
        <translation>Impostazioni della prova</translation>
    </message>
    <message>
        <source>The report could not be drawn.</source>
        <translation>Non è stato possibile disegnare la relazione.</translation>
    </message>
    <message>
        <source>Time (steps)</source>
        <extracomment>Lab report graph: title of the time axis</extracomment>
        <translation>Tempo (passi)</translation>
    </message>
    <message>
        <source>Your model (scroll bars)</source>
        <extracomment>Lab report: the model curve the student set with the two scroll bars</extracomment>
        <translation>Il tuo modello (barre di scorrimento)</translation>
    </message>
    <message>
        <source>Your model</source>
        <translation>Il tuo modello</translation>
    </message>
    <message>
        <source>best fit − predicted</source>
        <translation>regressione − previsto</translation>
    </message>
    <message>
        <source>no estimate, %1</source>
        <translation>nessuna stima, %1</translation>
    </message>
    <message>
        <source>your model − best fit</source>
        <translation>tuo modello − regressione</translation>
    </message>
    <message>
        <source>your model − predicted</source>
        <translation>tuo modello − previsto</translation>
    </message>
    <message numerus="yes">
        <source>Chances by a die of %n sides: a particle decays when the die shows its decay value or less.</source>
        <translation>
            <numerusform>Sorteggio con un dado a %n faccia: una particella decade quando il dado mostra il suo valore di decadimento o meno.</numerusform>
            <numerusform>Sorteggio con un dado a %n facce: una particella decade quando il dado mostra il suo valore di decadimento o meno.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best fit from %n points</source>
        <translation>
            <numerusform>Curva di regressione su %n punto</numerusform>
            <numerusform>Curva di regressione su %n punti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No usable printer is available.</source>
        <translation>Nessuna stampante utilizzabile disponibile.</translation>
    </message>
    <message>
        <source>The printer %1 refused the document.</source>
        <translation>La stampante %1 ha rifiutato il documento.</translation>
    </message>
    <message>
        <source>Printed by: </source>
        <extracomment>First line of a printed graph, before the student&apos;s name</extracomment>
        <translation>Stampato da: </translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>Non è stato possibile completare il documento.</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>Non è stato possibile disegnare l&apos;immagine.</translation>
    </message>
    <message>
        <source>The graph could not be printed into %1: %2.</source>
        <translation>Non è stato possibile stampare il grafico in %1: %2.</translation>
    </message>
    <message>
        <source>the document could not be written in full</source>
        <translation>non è stato possibile scrivere il documento per intero</translation>
    </message>
    <message>
        <source>This copy of Vestor cannot write SVG drawings.</source>
        <translation>Questa versione di Vestor non può salvare disegni SVG.</translation>
    </message>
    <message>
        <source>The report could not be printed into %1: %2.</source>
        <translation>Non è stato possibile stampare la relazione in %1: %2.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>there is not enough room for it: the disk is full, or the file would be larger than this computer allows</source>
        <translation>non c’è abbastanza spazio: il disco è pieno, oppure il file sarebbe più grande di quanto questo computer consenta</translation>
    </message>
    <message>
        <source>%1, and the file that was there could not be put back as it was</source>
        <translation>%1, e il file che c’era non è stato possibile ripristinarlo com’era</translation>
    </message>
    <message>
        <source>the file there is too large to be replaced in this folder</source>
        <translation>il file presente è troppo grande per essere sostituito in questa cartella</translation>
    </message>
</context>
<context>
    <name>SavedRunPooler</name>
    <message>
        <source>Pool Saved Runs</source>
        <translation>Somma delle prove salvate</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Nothing was pooled; the graph data are as they were.

%1</source>
        <translation>Non è stato sommato nulla; i dati del grafico sono rimasti come prima.

%1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>Times past %1 were left out.</source>
        <translation>Gli istanti dopo %1 sono stati tralasciati.</translation>
    </message>
    <message>
        <source>A shorter run adds nothing after its last time.</source>
        <translation>Una prova più corta non aggiunge nulla dopo il suo ultimo istante.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>il file supera 1 MB</translation>
    </message>
    <message>
        <source>the first line is not the heading &quot;time&quot; and the columns &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>la prima riga non è l&apos;intestazione «time» con le colonne «P1» .. «P5»</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is not one of &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>l&apos;intestazione «%1» non è una di «P1» .. «P5»</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is there twice</source>
        <translation>l&apos;intestazione «%1» compare due volte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from 0 to 2147483647</source>
        <translation>«%1» non è un numero intero da 0 a 2147483647</translation>
    </message>
    <message>
        <source>time %1 stands where time %2 belongs; the times must run 0, 1, 2, ... in order</source>
        <translation>l&apos;istante %1 si trova al posto dell&apos;istante %2; gli istanti devono seguire 0, 1, 2, ... in ordine</translation>
    </message>
    <message>
        <source>the line has more values than there are headings</source>
        <translation>la riga ha più valori delle intestazioni</translation>
    </message>
    <message>
        <source>it has the headings but no counts</source>
        <translation>il file ha le intestazioni ma nessun conteggio</translation>
    </message>
    <message>
        <source>its count of nuclide %1 at time %2 makes the pooled sum larger than 2147483647</source>
        <translation>il suo conteggio del nuclide %1 all&apos;istante %2 porta la somma oltre 2147483647</translation>
    </message>
    <message>
        <source>%1, line %2: %3.</source>
        <translation>%1, riga %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 has no counts of nuclide %2; it adds nothing to them.</source>
        <translation>%1 non ha conteggi del nuclide %2; non aggiunge nulla.</translation>
    </message>
    <message>
        <source>it has the times but no column of counts &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>il file ha gli istanti ma nessuna colonna di conteggi &quot;P1&quot; .. &quot;P5&quot;</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <extracomment>The count of times in &quot;Pooled 2 files: 100 times, 0 to 99.&quot;</extracomment>
        <translation>
            <numerusform>%n istante</numerusform>
            <numerusform>%n istanti</numerusform>
        </translation>
    </message>
    <message>
        <source>Pooled 1 file: %1, 0 to %2.</source>
        <translation>Sommato 1 file: %1, da 0 a %2.</translation>
    </message>
    <message numerus="yes">
        <source>Pooled %n files: %1, 0 to %2.</source>
        <translation>
            <numerusform>Sommato %n file: %1, da 0 a %2.</numerusform>
            <numerusform>Sommati %n file: %1, da 0 a %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved runs (*.txt *.csv *.tsv)</source>
        <translation>Prove salvate (*.txt *.csv *.tsv)</translation>
    </message>
    <message numerus="yes">
        <source>%1 has empty cells (%n); they add nothing.</source>
        <translation>
            <numerusform>%1 ha %n cella vuota; non aggiunge nulla.</numerusform>
            <numerusform>%1 ha %n celle vuote; non aggiungono nulla.</numerusform>
        </translation>
    </message>
    <message>
        <source>the time is missing</source>
        <translation>manca l’istante</translation>
    </message>
</context>
<context>
    <name>vestor::AboutBox</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version 0.8</source>
        <translation>Versione 0.8</translation>
    </message>
    <message>
        <source>Vestor: For Lab or Demonstration.</source>
        <translation>Vestor: per il laboratorio o la dimostrazione.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vestor::Announcer</name>
    <message>
        <source>half-life</source>
        <extracomment>The half-life in words, read by a screen reader where the screen shows the symbol T½</extracomment>
        <translation>tempo di dimezzamento</translation>
    </message>
    <message>
        <source>Downloaded as %1.</source>
        <extracomment>Said and shown in a web browser after a file was handed to the browser; %1 is the file&apos;s name</extracomment>
        <translation>Scaricato come %1.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <extracomment>Said and shown after a lesson was opened; %1 is the file (with its folder, outside a web browser)</extracomment>
        <translation>Aperto: %1.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>Said and shown after a file was saved; %1 is the file with its folder</extracomment>
        <translation>Salvato in %1.</translation>
    </message>
</context>
<context>
    <name>vestor::BarField</name>
    <message>
        <source>Type a value and press Enter, or click elsewhere, to move the bar there</source>
        <translation>Scrivi un valore e premi Invio, o fai clic altrove, per spostare lì la barra</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1: «%2» non è un numero intero da %3 a %4. Il campo mostra di nuovo il valore della barra.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1: «%2» non è un numero da %3 a %4. Il campo mostra di nuovo il valore della barra.</translation>
    </message>
</context>
<context>
    <name>vestor::ChamberPage</name>
    <message>
        <source>Active</source>
        <extracomment>Caption above the decay chamber, which holds the particles not yet decayed</extracomment>
        <translation>Attive</translation>
    </message>
    <message>
        <source>Decayed</source>
        <extracomment>Caption above the panel of decayed particles taken out of the chamber</extracomment>
        <translation>Decadute</translation>
    </message>
    <message>
        <source>Decay chamber</source>
        <translation>Camera di decadimento</translation>
    </message>
    <message>
        <source>Decayed particles</source>
        <translation>Particelle decadute</translation>
    </message>
    <message>
        <source>The decayed particles taken out of the chamber, stacked from the top</source>
        <translation>Le particelle decadute tolte dalla camera, impilate dall&apos;alto</translation>
    </message>
    <message>
        <source>black</source>
        <translation>in nero</translation>
    </message>
    <message>
        <source>red</source>
        <translation>in rosso</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>in verde brillante</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>in azzurro</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>in verde acqua</translation>
    </message>
    <message>
        <source>Colour of nuclide %1</source>
        <translation>Colore del nuclide %1</translation>
    </message>
    <message>
        <source>Particles of nuclide %1 are drawn %2 in the chamber</source>
        <translation>Le particelle del nuclide %1 sono disegnate %2 nella camera</translation>
    </message>
    <message>
        <source>Count of nuclide %1</source>
        <translation>Conteggio del nuclide %1</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>A&amp;zzera</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Button: take the decayed particles out of the chamber</extracomment>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Button: advance one time step</extracomment>
        <translation>T&amp;empo</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>A&amp;vvia</translation>
    </message>
    <message>
        <source>Automate</source>
        <extracomment>Check box: step time and remove decayed particles by itself once a second</extracomment>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>vermilion</source>
        <translation>in vermiglio</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>in blu</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>in viola</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>in grigio</translation>
    </message>
    <message>
        <source>nuclide %1, %2</source>
        <extracomment>What a screen reader says for one nuclide&apos;s count after a time step</extracomment>
        <translation>nuclide %1, %2</translation>
    </message>
    <message>
        <source>Time %1: %2.</source>
        <extracomment>What a screen reader says after each time step: the time, then each nuclide&apos;s count</extracomment>
        <translation>Istante %1: %2.</translation>
    </message>
    <message>
        <source>Remove the decayed particles first.</source>
        <translation>Togli prima le particelle decadute.</translation>
    </message>
    <message>
        <source>No active particles are left.</source>
        <translation>Non resta nessuna particella attiva.</translation>
    </message>
    <message>
        <source>The run has recorded its 100 times.</source>
        <translation>La prova ha registrato i suoi 100 istanti.</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs: Reset starts a new run.</source>
        <translation>I dati del grafico sono le prove sommate: Azzera avvia una nuova prova.</translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles wait to be removed; %1.</source>
        <translation>
            <numerusform>%n particella decaduta aspetta di essere tolta; %1.</numerusform>
            <numerusform>%n particelle decadute aspettano di essere tolte; %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n have been taken out</source>
        <translation>
            <numerusform>%n è stata tolta</numerusform>
            <numerusform>%n sono state tolte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles removed.</source>
        <translation>
            <numerusform>%n particella decaduta tolta.</numerusform>
            <numerusform>%n particelle decadute tolte.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vestor::ConfigPage</name>
    <message>
        <source>1st Decay Value </source>
        <extracomment>Die throw at or below which nuclide n decays; keep the trailing space</extracomment>
        <translation>1ª soglia del dado </translation>
    </message>
    <message>
        <source>2nd Decay Value </source>
        <translation>2ª soglia del dado </translation>
    </message>
    <message>
        <source>3rd Decay Value </source>
        <translation>3ª soglia del dado </translation>
    </message>
    <message>
        <source>4th Decay Value </source>
        <translation>4ª soglia del dado </translation>
    </message>
    <message>
        <source>5th Decay Value </source>
        <translation>5ª soglia del dado </translation>
    </message>
    <message>
        <source>Radioactive Decay Chamber Settings Configuration</source>
        <translation>Impostazioni della camera di decadimento radioattivo</translation>
    </message>
    <message>
        <source>Use the Scrollbars to Adjust Values</source>
        <translation>Regola i valori con le barre di scorrimento</translation>
    </message>
    <message>
        <source>Steps in Decay Series</source>
        <extracomment>Caption of the choice of how many nuclides the decay chain has (1 to 5)</extracomment>
        <translation>Nuclidi della catena</translation>
    </message>
    <message>
        <source>Type of Decay</source>
        <translation>Sorteggio con</translation>
    </message>
    <message>
        <source> &amp;Percentage</source>
        <extracomment>Decay type: the chance of decay per time step given as a percentage</extracomment>
        <translation> &amp;Percentuale</translation>
    </message>
    <message>
        <source> &amp;Dice</source>
        <extracomment>Decay type: the chance of decay given by a throw of a die</extracomment>
        <translation> &amp;Dado</translation>
    </message>
    <message>
        <source>Graph Equation</source>
        <translation>Equazione del grafico</translation>
    </message>
    <message>
        <source> &amp;Show Equation</source>
        <translation> Mo&amp;stra equazione</translation>
    </message>
    <message>
        <source>Use Base</source>
        <extracomment>Caption of the choice of base of the exponential in the graph equation: 0.5 or e</extracomment>
        <translation>Base</translation>
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
        <translation>Probabilità di decadimento</translation>
    </message>
    <message>
        <source>Nuclide %1</source>
        <translation>Nuclide %1</translation>
    </message>
    <message>
        <source>Chance of decay of nuclide %1, percent</source>
        <translation>Probabilità di decadimento del nuclide %1, in percentuale</translation>
    </message>
    <message>
        <source>Sets the chance in percent that a particle of nuclide %1 decays in one time step</source>
        <translation>Regola la probabilità in percentuale che una particella del nuclide %1 decada in un passo di tempo</translation>
    </message>
    <message>
        <source>Chance of Decay</source>
        <translation>Probabilità di decadimento</translation>
    </message>
    <message>
        <source># of Sides on Die</source>
        <extracomment>Number of sides of the die thrown for every particle</extracomment>
        <translation>Facce del dado</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Numero di facce del dado</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Regola quante facce ha il dado; nessuna soglia può essere più alta</translation>
    </message>
    <message>
        <source>Decay value of nuclide %1</source>
        <translation>Soglia del dado del nuclide %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which a particle of nuclide %1 decays</source>
        <translation>Regola il lancio del dado più alto con cui una particella del nuclide %1 decade</translation>
    </message>
    <message>
        <source>Initial Number</source>
        <extracomment>Group title: how many particles of each nuclide the chamber holds at the start</extracomment>
        <translation>Numero iniziale</translation>
    </message>
    <message>
        <source>Initial number of nuclide %1</source>
        <translation>Numero iniziale del nuclide %1</translation>
    </message>
    <message>
        <source>Sets how many particles of nuclide %1 the chamber holds at the start, 1000 in all at most</source>
        <translation>Regola quante particelle del nuclide %1 contiene la camera all&apos;inizio, al massimo 1000 in tutto</translation>
    </message>
    <message>
        <source>T½ = %1 steps</source>
        <translation>T½ = %1 passi</translation>
    </message>
    <message>
        <source>The teacher has locked these settings (Extras ▸ Lock Settings).</source>
        <translation>L&apos;insegnante ha bloccato queste impostazioni (Extra ▸ Blocca le impostazioni).</translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>After the number on a chance&apos;s read-out, &quot;50%&quot;: a language that writes &quot;50 %&quot; puts a no-break space before the sign</extracomment>
        <translation>%</translation>
    </message>
</context>
<context>
    <name>vestor::DataTablePage</name>
    <message>
        <source>Collected Data Table</source>
        <translation>Tabella dei dati raccolti</translation>
    </message>
    <message>
        <source>Select Data to be displayed</source>
        <translation>Scegli i dati da mostrare</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation> Nuclide %1</translation>
    </message>
    <message>
        <source>Collected data</source>
        <translation>Dati raccolti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>C&amp;opy Highlighted</source>
        <extracomment>Button: copy the selected part of the table</extracomment>
        <translation>Copia s&amp;elezione</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>Copia t&amp;utto</translation>
    </message>
    <message>
        <source>Save Data as Text</source>
        <translation>Salva i dati come testo</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Testo (*.txt)</translation>
    </message>
    <message>
        <source>The data could not be saved to %1:
%2</source>
        <translation>Non è stato possibile salvare i dati in %1:
%2</translation>
    </message>
</context>
<context>
    <name>vestor::GraphEditorPage</name>
    <message>
        <source>Use this page to modify the Graphing Data.  To Set the Decay Values, use the Configuration page.</source>
        <translation>Questa pagina modifica i dati del grafico. Le probabilità di decadimento si regolano nella pagina Configurazione.</translation>
    </message>
    <message>
        <source>Number of Data Points:</source>
        <translation>Numero di punti:</translation>
    </message>
    <message>
        <source>Number of data points</source>
        <translation>Numero di punti</translation>
    </message>
    <message>
        <source>Sets how many recorded times the graph and the data table show</source>
        <translation>Regola quanti istanti registrati mostrano il grafico e la tabella</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Caption of the choice of nuclide whose counts are shown below</extracomment>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Nuclide 1</source>
        <translation>Nuclide 1</translation>
    </message>
    <message>
        <source>Nuclide 2</source>
        <translation>Nuclide 2</translation>
    </message>
    <message>
        <source>Nuclide 3</source>
        <translation>Nuclide 3</translation>
    </message>
    <message>
        <source>Nuclide 4</source>
        <translation>Nuclide 4</translation>
    </message>
    <message>
        <source>Nuclide 5</source>
        <translation>Nuclide 5</translation>
    </message>
    <message>
        <source>Nuclide 1&apos;s Data</source>
        <translation>Dati del nuclide 1</translation>
    </message>
    <message>
        <source>Initial Count</source>
        <extracomment>The count at time 0</extracomment>
        <translation>Iniziale</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Istanti mostrati</translation>
    </message>
    <message>
        <source>Scrolls the fifteen count fields through the recorded times</source>
        <translation>Fa scorrere i quindici campi dei conteggi lungo gli istanti registrati</translation>
    </message>
    <message>
        <source>%1´s Data</source>
        <extracomment>Title of the group of count fields; %1 is the chosen &quot;Nuclide n&quot;</extracomment>
        <translation>Dati del %1</translation>
    </message>
    <message>
        <source>Enter an integer!!</source>
        <translation>Inserisci un numero intero, senza punto delle migliaia.</translation>
    </message>
    <message>
        <source>Count of nuclide %1 at time %2</source>
        <extracomment>What a screen reader calls a count field of the graph data editor</extracomment>
        <translation>Conteggio del nuclide %1 all&apos;istante %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no whole number; the field shows %3.</source>
        <extracomment>Said after &quot;Enter an integer!!&quot;: the field refused, what was typed and what it shows now</extracomment>
        <translation>%1: «%2» non è un numero intero; il campo mostra %3.</translation>
    </message>
</context>
<context>
    <name>vestor::GraphPage</name>
    <message>
        <source>a count is not a number of particles</source>
        <translation>un conteggio non è un numero possibile di particelle</translation>
    </message>
    <message>
        <source>fewer than three usable points</source>
        <translation>meno di tre punti utilizzabili</translation>
    </message>
    <message>
        <source>the counts do not fall</source>
        <translation>i conteggi non diminuiscono</translation>
    </message>
    <message>
        <source>Change Initial Count</source>
        <extracomment>Caption of the scroll bar that sets the initial count A of the model curve</extracomment>
        <translation>Cambia conteggio iniziale</translation>
    </message>
    <message>
        <source>Change Half-life</source>
        <extracomment>Caption of the scroll bar that sets the half-life T½ of the model curve</extracomment>
        <translation>Cambia T½</translation>
    </message>
    <message>
        <source>Half-life of the model curve</source>
        <translation>Tempo di dimezzamento della curva modello</translation>
    </message>
    <message>
        <source>Sets the half-life of the model curve drawn over nuclide 1&apos;s counts; the equation above the graph shows it</source>
        <translation>Regola il tempo di dimezzamento della curva modello tracciata sui conteggi del nuclide 1; l&apos;equazione sopra il grafico lo mostra</translation>
    </message>
    <message>
        <source>Decay graph</source>
        <translation>Grafico del decadimento</translation>
    </message>
    <message>
        <source>Initial count of the model curve</source>
        <translation>Conteggio iniziale della curva modello</translation>
    </message>
    <message>
        <source>Moves the initial count of the model curve up or down; the equation above the graph shows it</source>
        <translation>Alza o abbassa il conteggio iniziale della curva modello; l&apos;equazione sopra il grafico lo mostra</translation>
    </message>
    <message>
        <source>Start of the model curve</source>
        <translation>Inizio della curva modello</translation>
    </message>
    <message>
        <source>Marks where the model curve starts, at time 0</source>
        <translation>Segna dove inizia la curva modello, all&apos;istante 0</translation>
    </message>
    <message>
        <source>C o u n t </source>
        <extracomment>Title of the vertical axis, written downwards one letter a line in 8 pixels: a space after each letter, at most five narrow letters (an m or w is cut)</extracomment>
        <translation>C o n t.</translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>Title of the horizontal axis of the graph</extracomment>
        <translation>tempo</translation>
    </message>
    <message>
        <source>Graph the Indicated Nuclides</source>
        <translation>Traccia i nuclidi indicati</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation> Nuclide %1</translation>
    </message>
    <message>
        <source>Curve read-out</source>
        <translation>Lettura sulla curva</translation>
    </message>
    <message>
        <source>The time and the model&apos;s count at the point pressed on the graph</source>
        <translation>Il tempo e il conteggio del modello nel punto premuto sul grafico</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>Best fit</source>
        <extracomment>Check box: show the computed best fit of T½ and A to nuclide 1&apos;s counts</extracomment>
        <translation>Curva di regressione</translation>
    </message>
    <message>
        <source>Expected</source>
        <extracomment>Check box: draw the expected count of each nuclide</extracomment>
        <translation>Valore atteso</translation>
    </message>
    <message>
        <source>Fit the model to nuclide 1&apos;s counts and show the estimate with its standard error</source>
        <translation>Adatta il modello ai conteggi del nuclide 1 e mostra la stima con il suo errore standard</translation>
    </message>
    <message>
        <source>&amp;Use fit</source>
        <extracomment>Button: move the two scroll bars to the best fit</extracomment>
        <translation>A&amp;pplica</translation>
    </message>
    <message>
        <source>Move the two scroll bars to the computed fit</source>
        <translation>Porta le due barre di scorrimento sulla curva calcolata</translation>
    </message>
    <message>
        <source>Best fit of nuclide 1: no estimate, %1.</source>
        <translation>Curva di regressione del nuclide 1: nessuna stima, %1.</translation>
    </message>
    <message>
        <source> The count rises from time %1 to %2, which decay alone cannot do: the ± does not hold.</source>
        <translation> Il conteggio sale dall&apos;istante %1 al %2, cosa impossibile per il solo decadimento: il ± non vale.</translation>
    </message>
    <message>
        <source> The half-life lies beyond the scroll bar&apos;s range.</source>
        <translation> Il tempo di dimezzamento è fuori dalla portata della barra.</translation>
    </message>
    <message>
        <source> The initial count lies beyond the scroll bar&apos;s reach.</source>
        <translation> Il conteggio iniziale è fuori dalla portata della barra.</translation>
    </message>
    <message>
        <source>Draw the expected count of each graphed nuclide, in a band where 95 % of runs fall</source>
        <translation>Disegna il conteggio atteso di ogni nuclide del grafico, in una fascia dove cade il 95% delle prove</translation>
    </message>
    <message>
        <source>&amp;Log scale</source>
        <extracomment>Check box: plot the counts on a logarithmic axis, where an exponential decay is a straight line</extracomment>
        <translation>&amp;Scala logaritmica</translation>
    </message>
    <message>
        <source>Plot the counts on a logarithmic axis: an exponential decay becomes a straight line</source>
        <translation>Mostra i conteggi su un asse logaritmico: un decadimento esponenziale diventa una retta</translation>
    </message>
    <message>
        <source>Model curve: T½ %1 steps, A %2.</source>
        <extracomment>The model curve as a screen reader says it, after the graph&apos;s points and as a scroll bar moves</extracomment>
        <translation>Curva modello: T½ %1 passi, A %2.</translation>
    </message>
    <message>
        <source>Half-life of the model curve, T½ %1 steps</source>
        <extracomment>What a screen reader says for the half-life scroll bar: what it sets and its value</extracomment>
        <translation>Tempo di dimezzamento della curva modello, T½ %1 passi</translation>
    </message>
    <message>
        <source>Initial count of the model curve, A %1</source>
        <extracomment>What a screen reader says for the initial-count scroll bar: what it sets and its value</extracomment>
        <translation>Conteggio iniziale della curva modello, A %1</translation>
    </message>
    <message>
        <source>Nuclide %1 at times 0 to %2: %3.</source>
        <extracomment>Graph as a screen reader reads it: one nuclide&apos;s counts, time by time</extracomment>
        <translation>Nuclide %1 agli istanti da 0 a %2: %3.</translation>
    </message>
    <message>
        <source>Best fit hidden.</source>
        <translation>Curva di regressione nascosta.</translation>
    </message>
    <message>
        <source>The expected count of each graphed nuclide is drawn as a line, in a band where 95 % of runs fall.</source>
        <translation>Il conteggio atteso di ogni nuclide del grafico è disegnato come una linea, in una fascia dove cade il 95% delle prove.</translation>
    </message>
    <message>
        <source>The expected counts are hidden.</source>
        <translation>I conteggi attesi sono nascosti.</translation>
    </message>
    <message>
        <source>The counts are on a logarithmic axis, where an exponential decay is a straight line.</source>
        <translation>I conteggi sono su un asse logaritmico, dove un decadimento esponenziale è una retta.</translation>
    </message>
    <message>
        <source>The counts are on an even axis.</source>
        <translation>I conteggi sono su un asse a divisioni uguali.</translation>
    </message>
    <message numerus="yes">
        <source>Best fit of nuclide 1 from %n points:  T½ = %1 ± %2,  A = %3 ± %4</source>
        <translation>
            <numerusform>Regressione del nuclide 1 su %n punto:  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
            <numerusform>Regressione del nuclide 1 su %n punti:  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
        </translation>
    </message>
    <message>
        <source> The half-life bar moves in steps of 0.025; its nearest position gives T½ = %1.</source>
        <extracomment>After Use fit: why the equation&apos;s half-life differs from the fit&apos;s; %1 is the equation&apos;s</extracomment>
        <translation> La barra del tempo di dimezzamento si muove a passi di 0,025; la sua posizione più vicina dà T½ = %1.</translation>
    </message>
</context>
<context>
    <name>vestor::HelpWindow</name>
    <message>
        <source>Vestor Help</source>
        <translation>Guida di Vestor</translation>
    </message>
    <message>
        <source>Student&apos;s guide, %1</source>
        <extracomment>What a screen reader calls the guide&apos;s text; %1 is the section it opens at</extracomment>
        <translation>Guida per l&apos;alunno, %1</translation>
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
        <translation>manca, o non è un gruppo di valori</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>non è un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>non è un numero</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>non è né true né false</translation>
    </message>
    <message>
        <source>the series has not 1 to 5 nuclides, or the die not 2 to 40 sides</source>
        <translation>la catena non ha da 1 a 5 nuclidi, o il dado non ha da 2 a 40 facce</translation>
    </message>
    <message>
        <source>the chance of decay of nuclide %1 is out of range</source>
        <translation>la probabilità di decadimento del nuclide %1 è fuori dall&apos;intervallo ammesso</translation>
    </message>
    <message>
        <source>the initial numbers are not 1 to 1000 particles in all</source>
        <translation>i numeri iniziali non danno in tutto da 1 a 1000 particelle</translation>
    </message>
    <message>
        <source>a time is not 0 to 99</source>
        <translation>un istante non è compreso tra 0 e 99</translation>
    </message>
    <message>
        <source>a count is negative</source>
        <translation>un conteggio è negativo</translation>
    </message>
    <message>
        <source>the chamber holds more than 1000 particles</source>
        <translation>la camera contiene più di 1000 particelle</translation>
    </message>
    <message>
        <source>the particle order is not the numbers 1 to 1000, each once</source>
        <translation>l&apos;ordine delle particelle non contiene ciascuno dei numeri da 1 a 1000 una sola volta</translation>
    </message>
    <message>
        <source>the size of the particles does not suit their number</source>
        <translation>la dimensione delle particelle non corrisponde al loro numero</translation>
    </message>
    <message>
        <source>a particle belongs to no nuclide of the series</source>
        <translation>una particella non appartiene a nessun nuclide della catena</translation>
    </message>
    <message>
        <source>a particle lies outside the chamber</source>
        <translation>una particella si trova fuori dalla camera</translation>
    </message>
    <message>
        <source>the number of particles taken out does not match the particles</source>
        <translation>il numero delle particelle rimosse non corrisponde alle particelle</translation>
    </message>
    <message>
        <source>the count of nuclide %1 does not match its particles</source>
        <translation>il conteggio del nuclide %1 non corrisponde alle sue particelle</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>è più grande di quanto possa essere una lezione</translation>
    </message>
    <message>
        <source>it is not a lesson file (no JSON object at character %1)</source>
        <translation>non è un file di lezione (nessun oggetto JSON al carattere %1)</translation>
    </message>
    <message>
        <source>it is not a lesson file</source>
        <translation>non è un file di lezione</translation>
    </message>
    <message>
        <source>it has no version number</source>
        <translation>non ha un numero di versione</translation>
    </message>
    <message>
        <source>it was saved by a newer version of the program (lesson version %1); this one reads version %2</source>
        <translation>è stato salvato da una versione più recente del programma (versione %1); questa legge la versione %2</translation>
    </message>
    <message>
        <source>neither &quot;percent&quot; nor &quot;dice&quot;</source>
        <translation>né «percent» né «dice»</translation>
    </message>
    <message>
        <source>neither &quot;e&quot; nor &quot;0.5&quot;</source>
        <translation>né «e» né «0.5»</translation>
    </message>
    <message>
        <source>row %1 is not a list of 5 counts</source>
        <translation>la riga %1 non è un elenco di 5 conteggi</translation>
    </message>
    <message>
        <source>particle %1 is not [nuclide, x, y]</source>
        <translation>la particella %1 non è [nuclide, x, y]</translation>
    </message>
    <message>
        <source>particle %1</source>
        <translation>particella %1</translation>
    </message>
    <message>
        <source>row %1 is not five of the letters - R T P</source>
        <translation>la riga %1 non è fatta di cinque delle lettere - R T P</translation>
    </message>
    <message numerus="yes">
        <source>not a list of at most %n items</source>
        <translation>
            <numerusform>non è un elenco di al massimo %n elemento</numerusform>
            <numerusform>non è un elenco di al massimo %n elementi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not a list of %n items</source>
        <translation>
            <numerusform>non è un elenco di %n elemento</numerusform>
            <numerusform>non è un elenco di %n elementi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing, or not a name of at most %n characters</source>
        <translation>
            <numerusform>manca, o non è un nome di al massimo %n carattere</numerusform>
            <numerusform>manca, o non è un nome di al massimo %n caratteri</numerusform>
        </translation>
    </message>
    <message>
        <source>nuclide %1 is past the end product of the series, yet its count is not the one the run started with</source>
        <translation>il nuclide %1 viene dopo il prodotto finale della catena, ma il suo conteggio non è quello con cui la prova è iniziata</translation>
    </message>
    <message>
        <source>the initial numbers of the run do not give its particles</source>
        <translation>i numeri iniziali non corrispondono alle particelle della prova</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is not 0, yet nobody recorded, typed or pooled it</source>
        <translation>il conteggio del nuclide %1 all&apos;istante %2 non è 0, ma nessuno lo ha registrato, digitato o sommato</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is pooled, but the run&apos;s data are not pooled runs</source>
        <translation>il conteggio del nuclide %1 all&apos;istante %2 è sommato, ma i dati non sono prove sommate</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but pooled runs replaced the run&apos;s data</source>
        <translation>il conteggio del nuclide %1 all&apos;istante %2 è registrato, ma prove sommate hanno sostituito i dati</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded after the run&apos;s last time</source>
        <translation>il conteggio del nuclide %1 all&apos;istante %2 è registrato dopo l&apos;ultimo istante della prova</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but the nuclide is not in the run&apos;s series</source>
        <translation>il conteggio del nuclide %1 all&apos;istante %2 è registrato, ma il nuclide non è nella catena della prova</translation>
    </message>
    <message>
        <source>the recorded count of nuclide %1 at time %2 is not one the run could record</source>
        <translation>il conteggio registrato del nuclide %1 all&apos;istante %2 non è uno che la prova potesse registrare</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is after the last time typed or pooled</source>
        <translation>il conteggio del nuclide %1 all&apos;istante %2 viene dopo l&apos;ultimo istante digitato o sommato</translation>
    </message>
    <message>
        <source>the run&apos;s series is not the one the settings choose, and no change of them is waiting</source>
        <translation>la catena della prova non è quella delle impostazioni, e nessuna modifica è in attesa</translation>
    </message>
    <message>
        <source>not a state of the random generator that the program could have saved</source>
        <translation>non è uno stato del generatore casuale che il programma avrebbe potuto salvare</translation>
    </message>
</context>
<context>
    <name>vestor::MainWindow</name>
    <message>
        <source>Print Re&amp;port…</source>
        <extracomment>Menu item: print the one-page lab report with the graph, the numbers and the data</extracomment>
        <translation>S&amp;tampa relazione…</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <extracomment>Menu item: save the one-page lab report as a PDF file</extracomment>
        <translation>Salva relazione come &amp;PDF…</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Salva relazione come PDF</translation>
    </message>
    <message>
        <source>The report could not be saved to %1:
%2</source>
        <translation>Non è stato possibile salvare la relazione in %1:
%2</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configurazione</translation>
    </message>
    <message>
        <source>&amp;Decay Chamber</source>
        <translation>Camera di &amp;decadimento</translation>
    </message>
    <message>
        <source>Collected Data &amp;Table</source>
        <translation>&amp;Tabella dei dati</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Grafico</translation>
    </message>
    <message>
        <source>Edit G&amp;raph Data</source>
        <translation>&amp;Modifica dati</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Chiudi il programma</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>M&amp;odifica</translation>
    </message>
    <message>
        <source>&amp;Copy Graph</source>
        <translation>&amp;Copia grafico</translation>
    </message>
    <message>
        <source>&amp;Print Graph</source>
        <translation>&amp;Stampa grafico</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>&amp;Imposta stampante</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>Nome dell&apos;&amp;alunno</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <source>Implied &amp;Half-lives</source>
        <translation>Tempi di &amp;dimezzamento corrispondenti</translation>
    </message>
    <message>
        <source>&amp;Pool Saved Runs…</source>
        <translation>Somma le prove &amp;salvate…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Dice practical: one nuclide, a six-sided die</source>
        <translation>&amp;Esperimento con i dadi: un nuclide, un dado a sei facce</translation>
    </message>
    <message>
        <source>500 dice; a die that shows 1 has decayed. Half-life about 3.8 throws.</source>
        <translation>500 dadi; un dado che mostra 1 è decaduto. Tempo di dimezzamento di circa 3,8 lanci.</translation>
    </message>
    <message>
        <source>&amp;Half-life of one step: one nuclide at 50 %</source>
        <translation>&amp;Tempo di dimezzamento di un passo: un nuclide al 50%</translation>
    </message>
    <message>
        <source>800 particles with a chance of 50 % a step: the count halves at every step.</source>
        <translation>800 particelle con una probabilità del 50% per passo: il conteggio si dimezza a ogni passo.</translation>
    </message>
    <message>
        <source>&amp;Fast parent, slow daughter</source>
        <translation>&amp;Padre veloce, figlio lento</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 30 % a step into nuclide 2, which decays at 5 %: the daughter builds up, then decays slowly.</source>
        <translation>Il nuclide 1 decade al 30% per passo nel nuclide 2, che decade al 5%: il figlio si accumula, poi decade lentamente.</translation>
    </message>
    <message>
        <source>&amp;Slow parent, fast daughter</source>
        <translation>Padre &amp;lento, figlio veloce</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 5 % a step into nuclide 2, which decays at 40 %: the daughter soon follows its parent&apos;s half-life.</source>
        <translation>Il nuclide 1 decade al 5% per passo nel nuclide 2, che decade al 40%: il figlio segue presto il tempo di dimezzamento del padre.</translation>
    </message>
    <message>
        <source>Fi&amp;ve-member series by dice</source>
        <translation>Catena di &amp;cinque nuclidi con i dadi</translation>
    </message>
    <message>
        <source>A ten-sided die; nuclide 1 decays on 2 or less, the others on 3, 1, 4 and 2; 500 particles of nuclide 1.</source>
        <translation>Un dado a dieci facce; il nuclide 1 decade con 2 o meno, gli altri con 3, 1, 4 e 2; 500 particelle del nuclide 1.</translation>
    </message>
    <message>
        <source>&amp;Lock Settings</source>
        <translation>&amp;Blocca le impostazioni</translation>
    </message>
    <message>
        <source>Makes the Configuration page read-only until it is unlocked here</source>
        <translation>Rende la pagina Configurazione di sola lettura finché non viene sbloccata qui</translation>
    </message>
    <message>
        <source>Lessons (*.vestor)</source>
        <translation>Lezioni (*.vestor)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Fi&amp;le</translation>
    </message>
    <message>
        <source>&amp;Open Lesson…</source>
        <translation>&amp;Apri lezione…</translation>
    </message>
    <message>
        <source>&amp;Save Lesson</source>
        <translation>&amp;Salva lezione</translation>
    </message>
    <message>
        <source>Save Lesson &amp;As…</source>
        <translation>Salva lezione &amp;con nome…</translation>
    </message>
    <message>
        <source>&amp;Recent Lessons</source>
        <translation>Lezioni &amp;recenti</translation>
    </message>
    <message>
        <source>E&amp;xamples</source>
        <translation>Ese&amp;mpi</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>V&amp;isualizza</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Dimensione</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Vale dal prossimo avvio</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>è più grande di quanto possa essere una lezione</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Impossibile aprire la lezione «%1»: %2.</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; was not saved: %2.</source>
        <translation>La lezione «%1» non è stata salvata: %2.</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Apri lezione</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Salva lezione</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changed. Save the changes?</source>
        <translation>La lezione «%1» è stata modificata. Salvare le modifiche?</translation>
    </message>
    <message>
        <source>Save Graph &amp;As…</source>
        <extracomment>Menu item: save the graph as a PNG, SVG or PDF file</extracomment>
        <translation>Sal&amp;va grafico con nome…</translation>
    </message>
    <message>
        <source>&amp;Colour-blind Safe Colours</source>
        <translation>&amp;Colori per daltonici</translation>
    </message>
    <message>
        <source>Save Graph As</source>
        <translation>Salva grafico con nome</translation>
    </message>
    <message>
        <source>PNG picture, twice the size (*.png)</source>
        <translation>Immagine PNG, grandezza doppia (*.png)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Disegno SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
the name must end in .png, .svg or .pdf.</source>
        <translation>Non è stato possibile salvare il grafico in %1:
il nome deve finire con .png, .svg o .pdf.</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
%2</source>
        <translation>Non è stato possibile salvare il grafico in %1:
%2</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs. A new run replaces them.

Start a new run?</source>
        <translation>I dati del grafico sono le prove sommate. Una nuova prova li sostituisce.

Iniziare una nuova prova?</translation>
    </message>
    <message>
        <source>%1 page</source>
        <extracomment>What a screen reader says when a page opens; %1 is the page&apos;s name</extracomment>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>What a screen reader says as a menu of the menu bar opens; %1 is the menu&apos;s name</extracomment>
        <translation>Menu %1</translation>
    </message>
    <message>
        <source>%1, changes not saved</source>
        <extracomment>What a screen reader reads as the window&apos;s title while the lesson has unsaved changes; %1 is the title</extracomment>
        <translation>%1, modifiche non salvate</translation>
    </message>
    <message>
        <source>The counts of this run have not been saved. Save them as a lesson?</source>
        <translation>I conteggi di questa prova non sono stati salvati. Salvarli come lezione?</translation>
    </message>
    <message>
        <source>The graph was printed into %1.</source>
        <extracomment>Said and shown after printing into a file; %1 is the file</extracomment>
        <translation>Il grafico è stato stampato in %1.</translation>
    </message>
    <message>
        <source>The graph went to the printer %1.</source>
        <extracomment>Said and shown after printing; %1 is the printer&apos;s name</extracomment>
        <translation>Il grafico è stato inviato alla stampante %1.</translation>
    </message>
    <message>
        <source>Fits this screen: %1 %</source>
        <extracomment>View &gt; Size: the largest size that fits the screen; %1 is that size in percent</extracomment>
        <translation>Adatta a questo schermo: %1%</translation>
    </message>
    <message>
        <source>Fits this screen: none</source>
        <translation>Adatta a questo schermo: nessuna</translation>
    </message>
    <message>
        <source>Needs a screen of at least %1 × %2 pixels</source>
        <extracomment>Tooltip of a size that does not fit the screen; %1 × %2 is the screen it needs, in pixels</extracomment>
        <translation>Richiede uno schermo di almeno %1 × %2 pixel</translation>
    </message>
    <message>
        <source>In a web browser, Print Graph gives the page as a PDF download; the browser opens it and prints it on the printer chosen there.</source>
        <translation>In un browser web, «Stampa grafico» fornisce la pagina come PDF da scaricare; il browser lo apre e lo stampa sulla stampante scelta lì.</translation>
    </message>
    <message>
        <source>Copy Lesson &amp;Link</source>
        <translation>Copia &amp;link della lezione</translation>
    </message>
    <message>
        <source>The link to this lesson is on the clipboard. Paste it into a class page or a message: opening it opens this lesson, at this step, in a browser.</source>
        <translation>Il link a questa lezione è negli appunti. Si può incollare in una pagina della classe o in un messaggio: aprendolo si apre questa lezione, a questo passo, in un browser.</translation>
    </message>
</context>
<context>
    <name>vestor::MenuItem</name>
    <message>
        <source>not checked</source>
        <extracomment>What a screen reader adds to a menu item that can be ticked and is not</extracomment>
        <translation>non selezionato</translation>
    </message>
</context>
<context>
    <name>vestor::Notifier</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Non salvare</translation>
    </message>
</context>
<context>
    <name>vestor::ReadFileText</name>
    <message>
        <source>it is not a file</source>
        <translation>non è un file</translation>
    </message>
</context>
<context>
    <name>vestor::TGetDataFR</name>
    <message>
        <source>First Decay Value </source>
        <translation>Prima soglia </translation>
    </message>
    <message>
        <source>Second Decay Value </source>
        <translation>Seconda soglia </translation>
    </message>
    <message>
        <source>Third Decay Value </source>
        <translation>Terza soglia </translation>
    </message>
    <message>
        <source>Fourth Decay Value </source>
        <translation>Quarta soglia </translation>
    </message>
    <message>
        <source>Fifth Decay Value </source>
        <translation>Quinta soglia </translation>
    </message>
    <message>
        <source>Set Data</source>
        <translation>Imposta i dati</translation>
    </message>
    <message>
        <source>Decay Rate</source>
        <translation>Probabilità per passo</translation>
    </message>
    <message>
        <source>Dice Box</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Number Particles</source>
        <translation>Numero di particelle</translation>
    </message>
    <message>
        <source>Number of Sides on Dice</source>
        <translation>Facce del dado</translation>
    </message>
    <message>
        <source>Particle %1</source>
        <translation>Particella %1</translation>
    </message>
    <message>
        <source>Chance of decay of particle %1, percent</source>
        <translation>Probabilità di decadimento della particella %1, in percentuale</translation>
    </message>
    <message>
        <source>Sets the chance in percent that particle %1 decays in one step</source>
        <translation>Regola la probabilità in percentuale che la particella %1 decada in un passo</translation>
    </message>
    <message>
        <source>Decay value of particle %1</source>
        <translation>Soglia del dado della particella %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which particle %1 decays</source>
        <translation>Regola il lancio del dado più alto con cui la particella %1 decade</translation>
    </message>
    <message>
        <source>Number of particle %1</source>
        <translation>Numero di particelle %1</translation>
    </message>
    <message>
        <source>Sets how many of particle %1 the chamber holds at the start</source>
        <translation>Regola quante particelle %1 contiene la camera all&apos;inizio</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Numero di facce del dado</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Regola quante facce ha il dado; nessuna soglia può essere più alta</translation>
    </message>
    <message>
        <source>Length of Decay chain</source>
        <translation>Lunghezza della catena</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%</source>
        <extracomment>After the number on a chance&apos;s read-out, &quot;50%&quot;: a language that writes &quot;50 %&quot; puts a no-break space before the sign</extracomment>
        <translation>%</translation>
    </message>
</context>
<context>
    <name>vestor::TWhoami</name>
    <message>
        <source>I am ....</source>
        <translation>Io sono ....</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Compare sulla stampa</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
