<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>LabReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 or less (%2)</source>
        <translation>%1 of minder (%2)</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 stappen</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Beste fit</translation>
    </message>
    <message>
        <source>Chance per step</source>
        <translation>Kans per stap</translation>
    </message>
    <message>
        <source>Conclusion</source>
        <extracomment>Lab report: heading of the ruled lines where the student writes a conclusion</extracomment>
        <translation>Conclusie</translation>
    </message>
    <message>
        <source>Count (logarithmic)</source>
        <extracomment>Lab report graph: title of the count axis</extracomment>
        <translation>Aantal (logaritmisch)</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Data: counts at each time</source>
        <translation>Gegevens: aantallen op elk tijdstip</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Before the date on the lab report</extracomment>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Nuclides in the decay series: %1. Each decays into the next, the last into a stable product.</source>
        <extracomment>Lab report: how many nuclides the decay series has</extracomment>
        <translation>Nucliden in de vervalreeks: %1. Elk vervalt in het volgende, het laatste in een stabiel product.</translation>
    </message>
    <message>
        <source>Differences of T½ in steps</source>
        <translation>Verschillen van T½ in stappen</translation>
    </message>
    <message>
        <source>Expected count, in the band where 95 % of runs fall</source>
        <translation>Verwacht aantal, in de band waarin 95% van de metingen valt</translation>
    </message>
    <message>
        <source>Graph data: the sums of saved runs (%1): %2.</source>
        <translation>Grafiekgegevens: de sommen van opgeslagen metingen (%1): %2.</translation>
    </message>
    <message>
        <source>Graph data: the sums of pooled saved runs.</source>
        <translation>Grafiekgegevens: de sommen van samengevoegde opgeslagen metingen.</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>Half-life of nuclide 1</source>
        <translation>Halveringstijd van nuclide 1</translation>
    </message>
    <message>
        <source>Half-life</source>
        <translation>Halveringstijd</translation>
    </message>
    <message>
        <source>Half-lives in time steps; A is the count at time 0.</source>
        <translation>Halveringstijden in tijdstappen; A is het aantal op tijdstip 0.</translation>
    </message>
    <message>
        <source>Initial number</source>
        <translation>Beginaantal</translation>
    </message>
    <message>
        <source>Made with %1 %2</source>
        <extracomment>The program&apos;s name and version, at the top right of the lab report</extracomment>
        <translation>Gemaakt met %1 %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>Before the student&apos;s name on the lab report</extracomment>
        <translation>Naam:</translation>
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
        <translation>Voorspeld uit de kans van %1</translation>
    </message>
    <message>
        <source>Radioactive Decay: Lab Report</source>
        <extracomment>Title of the printed lab report</extracomment>
        <translation>Radioactief verval: practicumverslag</translation>
    </message>
    <message>
        <source>Settings of the run</source>
        <translation>Instellingen van de meting</translation>
    </message>
    <message>
        <source>The report could not be drawn.</source>
        <translation>Het verslag kon niet worden getekend.</translation>
    </message>
    <message>
        <source>Time (steps)</source>
        <extracomment>Lab report graph: title of the time axis</extracomment>
        <translation>Tijd (stappen)</translation>
    </message>
    <message>
        <source>Your model (scroll bars)</source>
        <extracomment>Lab report: the model curve the student set with the two scroll bars</extracomment>
        <translation>Jouw model (schuifbalken)</translation>
    </message>
    <message>
        <source>Your model</source>
        <translation>Jouw model</translation>
    </message>
    <message>
        <source>best fit − predicted</source>
        <translation>beste fit − voorspeld</translation>
    </message>
    <message>
        <source>no estimate, %1</source>
        <translation>geen schatting, %1</translation>
    </message>
    <message>
        <source>your model − best fit</source>
        <translation>jouw model − beste fit</translation>
    </message>
    <message>
        <source>your model − predicted</source>
        <translation>jouw model − voorspeld</translation>
    </message>
    <message numerus="yes">
        <source>Chances by a die of %n sides: a particle decays when the die shows its decay value or less.</source>
        <translation>
            <numerusform>Kans via een dobbelsteen met %n zijde: een deeltje vervalt als de dobbelsteen zijn vervalwaarde of minder toont.</numerusform>
            <numerusform>Kans via een dobbelsteen met %n zijden: een deeltje vervalt als de dobbelsteen zijn vervalwaarde of minder toont.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best fit from %n points</source>
        <translation>
            <numerusform>Beste fit uit %n punt</numerusform>
            <numerusform>Beste fit uit %n punten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No usable printer is available.</source>
        <translation>Er is geen bruikbare printer.</translation>
    </message>
    <message>
        <source>The printer %1 refused the document.</source>
        <translation>De printer %1 heeft het document geweigerd.</translation>
    </message>
    <message>
        <source>Printed by: </source>
        <extracomment>First line of a printed graph, before the student&apos;s name</extracomment>
        <translation>Afgedrukt door: </translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>Het document kon niet worden afgemaakt.</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>De afbeelding kon niet worden getekend.</translation>
    </message>
    <message>
        <source>The graph could not be printed into %1: %2.</source>
        <translation>De grafiek kon niet worden afgedrukt naar %1: %2.</translation>
    </message>
    <message>
        <source>the document could not be written in full</source>
        <translation>het document kon niet volledig worden geschreven</translation>
    </message>
    <message>
        <source>This copy of Vestor cannot write SVG drawings.</source>
        <translation>Deze versie van Vestor kan geen SVG-tekeningen opslaan.</translation>
    </message>
    <message>
        <source>The report could not be printed into %1: %2.</source>
        <translation>Het verslag kon niet worden afgedrukt naar %1: %2.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>there is not enough room for it: the disk is full, or the file would be larger than this computer allows</source>
        <translation>er is niet genoeg ruimte voor: de schijf is vol, of het bestand zou groter worden dan deze computer toestaat</translation>
    </message>
    <message>
        <source>%1, and the file that was there could not be put back as it was</source>
        <translation>%1, en het bestand dat er stond kon niet worden teruggezet zoals het was</translation>
    </message>
    <message>
        <source>the file there is too large to be replaced in this folder</source>
        <translation>het bestand dat er staat is te groot om in deze map te vervangen</translation>
    </message>
</context>
<context>
    <name>SavedRunPooler</name>
    <message>
        <source>Pool Saved Runs</source>
        <translation>Opgeslagen metingen samenvoegen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Nothing was pooled; the graph data are as they were.

%1</source>
        <translation>Er is niets samengevoegd; de grafiekgegevens zijn niet veranderd.

%1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>Times past %1 were left out.</source>
        <translation>Tijdstippen na %1 zijn weggelaten.</translation>
    </message>
    <message>
        <source>A shorter run adds nothing after its last time.</source>
        <translation>Een kortere meting telt na haar laatste tijdstip niets meer op.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>het bestand is groter dan 1 MB</translation>
    </message>
    <message>
        <source>the first line is not the heading &quot;time&quot; and the columns &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>de eerste regel is niet de kop „time” met de kolommen „P1” .. „P5”</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is not one of &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>de kop „%1” is niet een van „P1” .. „P5”</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is there twice</source>
        <translation>de kop „%1” staat er twee keer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from 0 to 2147483647</source>
        <translation>„%1” is geen geheel getal van 0 tot en met 2147483647</translation>
    </message>
    <message>
        <source>time %1 stands where time %2 belongs; the times must run 0, 1, 2, ... in order</source>
        <translation>tijdstip %1 staat waar tijdstip %2 hoort; de tijdstippen moeten op volgorde 0, 1, 2, ... lopen</translation>
    </message>
    <message>
        <source>the line has more values than there are headings</source>
        <translation>de regel heeft meer waarden dan koppen</translation>
    </message>
    <message>
        <source>it has the headings but no counts</source>
        <translation>het bestand heeft de koppen maar geen aantallen</translation>
    </message>
    <message>
        <source>its count of nuclide %1 at time %2 makes the pooled sum larger than 2147483647</source>
        <translation>het aantal van nuclide %1 op tijdstip %2 maakt de som groter dan 2147483647</translation>
    </message>
    <message>
        <source>%1, line %2: %3.</source>
        <translation>%1, regel %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 has no counts of nuclide %2; it adds nothing to them.</source>
        <translation>%1 heeft geen aantallen van nuclide %2; het voegt er niets aan toe.</translation>
    </message>
    <message>
        <source>it has the times but no column of counts &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>het bestand heeft de tijdstippen maar geen kolom met aantallen &quot;P1&quot; .. &quot;P5&quot;</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <extracomment>The count of times in &quot;Pooled 2 files: 100 times, 0 to 99.&quot;</extracomment>
        <translation>
            <numerusform>%n tijdstip</numerusform>
            <numerusform>%n tijdstippen</numerusform>
        </translation>
    </message>
    <message>
        <source>Pooled 1 file: %1, 0 to %2.</source>
        <translation>1 bestand samengevoegd: %1, 0 tot en met %2.</translation>
    </message>
    <message numerus="yes">
        <source>Pooled %n files: %1, 0 to %2.</source>
        <translation>
            <numerusform>%n bestand samengevoegd: %1, 0 tot en met %2.</numerusform>
            <numerusform>%n bestanden samengevoegd: %1, 0 tot en met %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved runs (*.txt *.csv *.tsv)</source>
        <translation>Opgeslagen metingen (*.txt *.csv *.tsv)</translation>
    </message>
    <message numerus="yes">
        <source>%1 has empty cells (%n); they add nothing.</source>
        <translation>
            <numerusform>%1 heeft %n lege cel; die telt niets bij.</numerusform>
            <numerusform>%1 heeft %n lege cellen; die tellen niets bij.</numerusform>
        </translation>
    </message>
    <message>
        <source>the time is missing</source>
        <translation>het tijdstip ontbreekt</translation>
    </message>
</context>
<context>
    <name>vestor::AboutBox</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Version 0.8</source>
        <translation>Versie 0.8</translation>
    </message>
    <message>
        <source>Vestor: For Lab or Demonstration.</source>
        <translation>Vestor: voor practicum of demonstratie.</translation>
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
        <translation>halveringstijd</translation>
    </message>
    <message>
        <source>Downloaded as %1.</source>
        <extracomment>Said and shown in a web browser after a file was handed to the browser; %1 is the file&apos;s name</extracomment>
        <translation>Gedownload als %1.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <extracomment>Said and shown after a lesson was opened; %1 is the file (with its folder, outside a web browser)</extracomment>
        <translation>Geopend: %1.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>Said and shown after a file was saved; %1 is the file with its folder</extracomment>
        <translation>Opgeslagen in %1.</translation>
    </message>
</context>
<context>
    <name>vestor::BarField</name>
    <message>
        <source>Type a value and press Enter, or click elsewhere, to move the bar there</source>
        <translation>Typ een waarde en druk op Enter, of klik ergens anders, om de schuifbalk daarheen te zetten</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1: ‘%2’ is geen geheel getal van %3 tot %4. Het veld toont weer de waarde van de schuifbalk.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1: ‘%2’ is geen getal van %3 tot %4. Het veld toont weer de waarde van de schuifbalk.</translation>
    </message>
</context>
<context>
    <name>vestor::ChamberPage</name>
    <message>
        <source>Active</source>
        <extracomment>Caption above the decay chamber, which holds the particles not yet decayed</extracomment>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Decayed</source>
        <extracomment>Caption above the panel of decayed particles taken out of the chamber</extracomment>
        <translation>Vervallen</translation>
    </message>
    <message>
        <source>Decay chamber</source>
        <translation>Vervalkamer</translation>
    </message>
    <message>
        <source>Decayed particles</source>
        <translation>Vervallen deeltjes</translation>
    </message>
    <message>
        <source>The decayed particles taken out of the chamber, stacked from the top</source>
        <translation>De vervallen deeltjes die uit de kamer zijn gehaald, van boven af gestapeld</translation>
    </message>
    <message>
        <source>black</source>
        <translation>zwart</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>felgroen</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>lichtblauw</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>blauwgroen</translation>
    </message>
    <message>
        <source>Colour of nuclide %1</source>
        <translation>Kleur van nuclide %1</translation>
    </message>
    <message>
        <source>Particles of nuclide %1 are drawn %2 in the chamber</source>
        <translation>Deeltjes van nuclide %1 zijn in de kamer %2 getekend</translation>
    </message>
    <message>
        <source>Count of nuclide %1</source>
        <translation>Aantal van nuclide %1</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Button: take the decayed particles out of the chamber</extracomment>
        <translation>Ver&amp;wijderen</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Button: advance one time step</extracomment>
        <translation>Tij&amp;d</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Automate</source>
        <extracomment>Check box: step time and remove decayed particles by itself once a second</extracomment>
        <translation>Vanzelf</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Sto&amp;p</translation>
    </message>
    <message>
        <source>vermilion</source>
        <translation>vermiljoen</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>paars</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grijs</translation>
    </message>
    <message>
        <source>nuclide %1, %2</source>
        <extracomment>What a screen reader says for one nuclide&apos;s count after a time step</extracomment>
        <translation>nuclide %1, %2</translation>
    </message>
    <message>
        <source>Time %1: %2.</source>
        <extracomment>What a screen reader says after each time step: the time, then each nuclide&apos;s count</extracomment>
        <translation>Tijdstip %1: %2.</translation>
    </message>
    <message>
        <source>Remove the decayed particles first.</source>
        <translation>Haal eerst de vervallen deeltjes weg.</translation>
    </message>
    <message>
        <source>No active particles are left.</source>
        <translation>Er zijn geen actieve deeltjes meer over.</translation>
    </message>
    <message>
        <source>The run has recorded its 100 times.</source>
        <translation>De meting heeft haar 100 tijdstippen vastgelegd.</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs: Reset starts a new run.</source>
        <translation>De grafiekgegevens zijn de samengevoegde metingen: Opnieuw begint een nieuwe meting.</translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles wait to be removed; %1.</source>
        <translation>
            <numerusform>%n vervallen deeltje wacht om te worden weggehaald; %1.</numerusform>
            <numerusform>%n vervallen deeltjes wachten om te worden weggehaald; %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n have been taken out</source>
        <translation>
            <numerusform>%n is eruit gehaald</numerusform>
            <numerusform>%n zijn eruit gehaald</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles removed.</source>
        <translation>
            <numerusform>%n vervallen deeltje weggehaald.</numerusform>
            <numerusform>%n vervallen deeltjes weggehaald.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vestor::ConfigPage</name>
    <message>
        <source>1st Decay Value </source>
        <extracomment>Die throw at or below which nuclide n decays; keep the trailing space</extracomment>
        <translation>1e vervalgrens </translation>
    </message>
    <message>
        <source>2nd Decay Value </source>
        <translation>2e vervalgrens </translation>
    </message>
    <message>
        <source>3rd Decay Value </source>
        <translation>3e vervalgrens </translation>
    </message>
    <message>
        <source>4th Decay Value </source>
        <translation>4e vervalgrens </translation>
    </message>
    <message>
        <source>5th Decay Value </source>
        <translation>5e vervalgrens </translation>
    </message>
    <message>
        <source>Radioactive Decay Chamber Settings Configuration</source>
        <translation>Instellingen van de kamer voor radioactief verval</translation>
    </message>
    <message>
        <source>Use the Scrollbars to Adjust Values</source>
        <translation>Stel de waarden in met de schuifbalken</translation>
    </message>
    <message>
        <source>Steps in Decay Series</source>
        <extracomment>Caption of the choice of how many nuclides the decay chain has (1 to 5)</extracomment>
        <translation>Nucliden in de reeks</translation>
    </message>
    <message>
        <source>Type of Decay</source>
        <translation>Kans via</translation>
    </message>
    <message>
        <source> &amp;Percentage</source>
        <extracomment>Decay type: the chance of decay per time step given as a percentage</extracomment>
        <translation> &amp;Percentage</translation>
    </message>
    <message>
        <source> &amp;Dice</source>
        <extracomment>Decay type: the chance of decay given by a throw of a die</extracomment>
        <translation> &amp;Dobbelsteen</translation>
    </message>
    <message>
        <source>Graph Equation</source>
        <translation>Vergelijking in de grafiek</translation>
    </message>
    <message>
        <source> &amp;Show Equation</source>
        <translation> Vergelijking t&amp;onen</translation>
    </message>
    <message>
        <source>Use Base</source>
        <extracomment>Caption of the choice of base of the exponential in the graph equation: 0.5 or e</extracomment>
        <translation>Grondtal</translation>
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
        <translation>Vervalkans</translation>
    </message>
    <message>
        <source>Nuclide %1</source>
        <translation>Nuclide %1</translation>
    </message>
    <message>
        <source>Chance of decay of nuclide %1, percent</source>
        <translation>Vervalkans van nuclide %1, in procent</translation>
    </message>
    <message>
        <source>Sets the chance in percent that a particle of nuclide %1 decays in one time step</source>
        <translation>Stelt de kans in procent in dat een deeltje van nuclide %1 in één tijdstap vervalt</translation>
    </message>
    <message>
        <source>Chance of Decay</source>
        <translation>Vervalkans</translation>
    </message>
    <message>
        <source># of Sides on Die</source>
        <extracomment>Number of sides of the die thrown for every particle</extracomment>
        <translation>Aantal zijden</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Aantal zijden van de dobbelsteen</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Stelt in hoeveel zijden de dobbelsteen heeft; geen vervalgrens kan hoger zijn</translation>
    </message>
    <message>
        <source>Decay value of nuclide %1</source>
        <translation>Vervalgrens van nuclide %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which a particle of nuclide %1 decays</source>
        <translation>Stelt de hoogste worp in waarbij een deeltje van nuclide %1 vervalt</translation>
    </message>
    <message>
        <source>Initial Number</source>
        <extracomment>Group title: how many particles of each nuclide the chamber holds at the start</extracomment>
        <translation>Beginaantal</translation>
    </message>
    <message>
        <source>Initial number of nuclide %1</source>
        <translation>Beginaantal van nuclide %1</translation>
    </message>
    <message>
        <source>Sets how many particles of nuclide %1 the chamber holds at the start, 1000 in all at most</source>
        <translation>Stelt in hoeveel deeltjes van nuclide %1 de kamer aan het begin bevat, samen hoogstens 1000</translation>
    </message>
    <message>
        <source>T½ = %1 steps</source>
        <translation>T½ = %1 stappen</translation>
    </message>
    <message>
        <source>The teacher has locked these settings (Extras ▸ Lock Settings).</source>
        <translation>De docent heeft deze instellingen vergrendeld (Extra&apos;s ▸ Instellingen vergrendelen).</translation>
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
        <translation>Tabel met meetwaarden</translation>
    </message>
    <message>
        <source>Select Data to be displayed</source>
        <translation>Kies de getoonde gegevens</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation> Nuclide %1</translation>
    </message>
    <message>
        <source>Collected data</source>
        <translation>Meetwaarden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>C&amp;opy Highlighted</source>
        <extracomment>Button: copy the selected part of the table</extracomment>
        <translation>Selectie k&amp;opiëren</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Alles kopiëren</translation>
    </message>
    <message>
        <source>Save Data as Text</source>
        <translation>Gegevens opslaan als tekst</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Tekst (*.txt)</translation>
    </message>
    <message>
        <source>The data could not be saved to %1:
%2</source>
        <translation>De gegevens konden niet worden opgeslagen in %1:
%2</translation>
    </message>
</context>
<context>
    <name>vestor::GraphEditorPage</name>
    <message>
        <source>Use this page to modify the Graphing Data.  To Set the Decay Values, use the Configuration page.</source>
        <translation>Op deze pagina verander je de gegevens van de grafiek. De vervalkansen stel je in op de pagina Instellingen.</translation>
    </message>
    <message>
        <source>Number of Data Points:</source>
        <translation>Aantal meetpunten:</translation>
    </message>
    <message>
        <source>Number of data points</source>
        <translation>Aantal meetpunten</translation>
    </message>
    <message>
        <source>Sets how many recorded times the graph and the data table show</source>
        <translation>Stelt in hoeveel opgenomen tijdstippen de grafiek en de tabel tonen</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Caption of the choice of nuclide whose counts are shown below</extracomment>
        <translation>Toon</translation>
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
        <translation>Gegevens van nuclide 1</translation>
    </message>
    <message>
        <source>Initial Count</source>
        <extracomment>The count at time 0</extracomment>
        <translation>Beginaantal</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Getoonde tijdstippen</translation>
    </message>
    <message>
        <source>Scrolls the fifteen count fields through the recorded times</source>
        <translation>Schuift de vijftien getalvelden langs de opgenomen tijdstippen</translation>
    </message>
    <message>
        <source>%1´s Data</source>
        <extracomment>Title of the group of count fields; %1 is the chosen &quot;Nuclide n&quot;</extracomment>
        <translation>Gegevens van %1</translation>
    </message>
    <message>
        <source>Enter an integer!!</source>
        <translation>Typ een geheel getal, zonder punt voor de duizendtallen.</translation>
    </message>
    <message>
        <source>Count of nuclide %1 at time %2</source>
        <extracomment>What a screen reader calls a count field of the graph data editor</extracomment>
        <translation>Aantal van nuclide %1 op tijdstip %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no whole number; the field shows %3.</source>
        <extracomment>Said after &quot;Enter an integer!!&quot;: the field refused, what was typed and what it shows now</extracomment>
        <translation>%1: ‘%2’ is geen geheel getal; het veld toont %3.</translation>
    </message>
</context>
<context>
    <name>vestor::GraphPage</name>
    <message>
        <source>a count is not a number of particles</source>
        <translation>een aantal is geen mogelijk aantal deeltjes</translation>
    </message>
    <message>
        <source>fewer than three usable points</source>
        <translation>minder dan drie bruikbare punten</translation>
    </message>
    <message>
        <source>the counts do not fall</source>
        <translation>de aantallen nemen niet af</translation>
    </message>
    <message>
        <source>Change Initial Count</source>
        <extracomment>Caption of the scroll bar that sets the initial count A of the model curve</extracomment>
        <translation>Beginaantal wijzigen</translation>
    </message>
    <message>
        <source>Change Half-life</source>
        <extracomment>Caption of the scroll bar that sets the half-life T½ of the model curve</extracomment>
        <translation>Halveringstijd</translation>
    </message>
    <message>
        <source>Half-life of the model curve</source>
        <translation>Halveringstijd van de modelkromme</translation>
    </message>
    <message>
        <source>Sets the half-life of the model curve drawn over nuclide 1&apos;s counts; the equation above the graph shows it</source>
        <translation>Stelt de halveringstijd in van de modelkromme over de aantallen van nuclide 1; de vergelijking boven de grafiek toont hem</translation>
    </message>
    <message>
        <source>Decay graph</source>
        <translation>Vervalgrafiek</translation>
    </message>
    <message>
        <source>Initial count of the model curve</source>
        <translation>Beginaantal van de modelkromme</translation>
    </message>
    <message>
        <source>Moves the initial count of the model curve up or down; the equation above the graph shows it</source>
        <translation>Schuift het beginaantal van de modelkromme omhoog of omlaag; de vergelijking boven de grafiek toont het</translation>
    </message>
    <message>
        <source>Start of the model curve</source>
        <translation>Begin van de modelkromme</translation>
    </message>
    <message>
        <source>Marks where the model curve starts, at time 0</source>
        <translation>Geeft aan waar de modelkromme begint, op tijdstip 0</translation>
    </message>
    <message>
        <source>C o u n t </source>
        <extracomment>Title of the vertical axis, written downwards one letter a line in 8 pixels: a space after each letter, at most five narrow letters (an m or w is cut)</extracomment>
        <translation>A a n t.</translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>Title of the horizontal axis of the graph</extracomment>
        <translation>tijd</translation>
    </message>
    <message>
        <source>Graph the Indicated Nuclides</source>
        <translation>Deze nucliden tekenen</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation> Nuclide %1</translation>
    </message>
    <message>
        <source>Curve read-out</source>
        <translation>Aflezing op de kromme</translation>
    </message>
    <message>
        <source>The time and the model&apos;s count at the point pressed on the graph</source>
        <translation>De tijd en het aantal van het model op het aangeklikte punt van de grafiek</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>Best fit</source>
        <extracomment>Check box: show the computed best fit of T½ and A to nuclide 1&apos;s counts</extracomment>
        <translation>Beste fit</translation>
    </message>
    <message>
        <source>Expected</source>
        <extracomment>Check box: draw the expected count of each nuclide</extracomment>
        <translation>Verwachting</translation>
    </message>
    <message>
        <source>Fit the model to nuclide 1&apos;s counts and show the estimate with its standard error</source>
        <translation>Het model aan de aantallen van nuclide 1 aanpassen en de schatting met haar standaardfout tonen</translation>
    </message>
    <message>
        <source>&amp;Use fit</source>
        <extracomment>Button: move the two scroll bars to the best fit</extracomment>
        <translation>&amp;Overnemen</translation>
    </message>
    <message>
        <source>Move the two scroll bars to the computed fit</source>
        <translation>De twee schuifbalken op de berekende fit zetten</translation>
    </message>
    <message>
        <source>Best fit of nuclide 1: no estimate, %1.</source>
        <translation>Beste fit van nuclide 1: geen schatting, %1.</translation>
    </message>
    <message>
        <source> The count rises from time %1 to %2, which decay alone cannot do: the ± does not hold.</source>
        <translation> Het aantal stijgt van tijdstip %1 naar %2, wat door verval alleen niet kan: de ± klopt niet.</translation>
    </message>
    <message>
        <source> The half-life lies beyond the scroll bar&apos;s range.</source>
        <translation> De halveringstijd valt buiten het bereik van de schuifbalk.</translation>
    </message>
    <message>
        <source> The initial count lies beyond the scroll bar&apos;s reach.</source>
        <translation> Het beginaantal valt buiten het bereik van de schuifbalk.</translation>
    </message>
    <message>
        <source>Draw the expected count of each graphed nuclide, in a band where 95 % of runs fall</source>
        <translation>Het verwachte aantal van elk getoond nuclide tekenen, in een band waarin 95% van de metingen valt</translation>
    </message>
    <message>
        <source>&amp;Log scale</source>
        <extracomment>Check box: plot the counts on a logarithmic axis, where an exponential decay is a straight line</extracomment>
        <translation>Logaritmische &amp;schaal</translation>
    </message>
    <message>
        <source>Plot the counts on a logarithmic axis: an exponential decay becomes a straight line</source>
        <translation>De aantallen op een logaritmische as zetten: een exponentieel verval wordt een rechte lijn</translation>
    </message>
    <message>
        <source>Model curve: T½ %1 steps, A %2.</source>
        <extracomment>The model curve as a screen reader says it, after the graph&apos;s points and as a scroll bar moves</extracomment>
        <translation>Modelkromme: T½ %1 stappen, A %2.</translation>
    </message>
    <message>
        <source>Half-life of the model curve, T½ %1 steps</source>
        <extracomment>What a screen reader says for the half-life scroll bar: what it sets and its value</extracomment>
        <translation>Halveringstijd van de modelkromme, T½ %1 stappen</translation>
    </message>
    <message>
        <source>Initial count of the model curve, A %1</source>
        <extracomment>What a screen reader says for the initial-count scroll bar: what it sets and its value</extracomment>
        <translation>Beginaantal van de modelkromme, A %1</translation>
    </message>
    <message>
        <source>Nuclide %1 at times 0 to %2: %3.</source>
        <extracomment>Graph as a screen reader reads it: one nuclide&apos;s counts, time by time</extracomment>
        <translation>Nuclide %1 op tijdstippen 0 tot en met %2: %3.</translation>
    </message>
    <message>
        <source>Best fit hidden.</source>
        <translation>Beste fit verborgen.</translation>
    </message>
    <message>
        <source>The expected count of each graphed nuclide is drawn as a line, in a band where 95 % of runs fall.</source>
        <translation>Het verwachte aantal van elk getoond nuclide is als lijn getekend, in een band waarin 95% van de metingen valt.</translation>
    </message>
    <message>
        <source>The expected counts are hidden.</source>
        <translation>De verwachte aantallen zijn verborgen.</translation>
    </message>
    <message>
        <source>The counts are on a logarithmic axis, where an exponential decay is a straight line.</source>
        <translation>De aantallen staan op een logaritmische as, waarop een exponentieel verval een rechte lijn is.</translation>
    </message>
    <message>
        <source>The counts are on an even axis.</source>
        <translation>De aantallen staan op een gelijkmatig verdeelde as.</translation>
    </message>
    <message numerus="yes">
        <source>Best fit of nuclide 1 from %n points:  T½ = %1 ± %2,  A = %3 ± %4</source>
        <translation>
            <numerusform>Beste fit van nuclide 1 uit %n punt:  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
            <numerusform>Beste fit van nuclide 1 uit %n punten:  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
        </translation>
    </message>
    <message>
        <source> The half-life bar moves in steps of 0.025; its nearest position gives T½ = %1.</source>
        <extracomment>After Use fit: why the equation&apos;s half-life differs from the fit&apos;s; %1 is the equation&apos;s</extracomment>
        <translation> De schuifbalk van de halveringstijd gaat in stappen van 0,025; zijn dichtstbijzijnde stand geeft T½ = %1.</translation>
    </message>
</context>
<context>
    <name>vestor::HelpWindow</name>
    <message>
        <source>Vestor Help</source>
        <translation>Vestor-hulp</translation>
    </message>
    <message>
        <source>Student&apos;s guide, %1</source>
        <extracomment>What a screen reader calls the guide&apos;s text; %1 is the section it opens at</extracomment>
        <translation>Handleiding voor leerlingen, %1</translation>
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
        <translation>ontbreekt of is geen groep waarden</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>geen geheel getal van %1 tot en met %2</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>geen getal</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>niet true of false</translation>
    </message>
    <message>
        <source>the series has not 1 to 5 nuclides, or the die not 2 to 40 sides</source>
        <translation>de reeks heeft niet 1 tot 5 nucliden, of de dobbelsteen niet 2 tot 40 zijden</translation>
    </message>
    <message>
        <source>the chance of decay of nuclide %1 is out of range</source>
        <translation>de vervalkans van nuclide %1 valt buiten het toegestane bereik</translation>
    </message>
    <message>
        <source>the initial numbers are not 1 to 1000 particles in all</source>
        <translation>de beginaantallen zijn samen niet 1 tot 1000 deeltjes</translation>
    </message>
    <message>
        <source>a time is not 0 to 99</source>
        <translation>een tijdstip ligt niet tussen 0 en 99</translation>
    </message>
    <message>
        <source>a count is negative</source>
        <translation>een aantal is negatief</translation>
    </message>
    <message>
        <source>the chamber holds more than 1000 particles</source>
        <translation>de kamer bevat meer dan 1000 deeltjes</translation>
    </message>
    <message>
        <source>the particle order is not the numbers 1 to 1000, each once</source>
        <translation>de volgorde van de deeltjes bevat niet elk getal van 1 tot 1000 precies één keer</translation>
    </message>
    <message>
        <source>the size of the particles does not suit their number</source>
        <translation>de grootte van de deeltjes past niet bij hun aantal</translation>
    </message>
    <message>
        <source>a particle belongs to no nuclide of the series</source>
        <translation>een deeltje hoort bij geen enkele nuclide van de reeks</translation>
    </message>
    <message>
        <source>a particle lies outside the chamber</source>
        <translation>een deeltje ligt buiten de kamer</translation>
    </message>
    <message>
        <source>the number of particles taken out does not match the particles</source>
        <translation>het aantal verwijderde deeltjes klopt niet met de deeltjes</translation>
    </message>
    <message>
        <source>the count of nuclide %1 does not match its particles</source>
        <translation>het aantal van nuclide %1 klopt niet met zijn deeltjes</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>het is groter dan een les kan zijn</translation>
    </message>
    <message>
        <source>it is not a lesson file (no JSON object at character %1)</source>
        <translation>het is geen lesbestand (geen JSON-object bij teken %1)</translation>
    </message>
    <message>
        <source>it is not a lesson file</source>
        <translation>het is geen lesbestand</translation>
    </message>
    <message>
        <source>it has no version number</source>
        <translation>het heeft geen versienummer</translation>
    </message>
    <message>
        <source>it was saved by a newer version of the program (lesson version %1); this one reads version %2</source>
        <translation>het is opgeslagen door een nieuwere versie van het programma (versie %1); deze leest versie %2</translation>
    </message>
    <message>
        <source>neither &quot;percent&quot; nor &quot;dice&quot;</source>
        <translation>niet „percent” en niet „dice”</translation>
    </message>
    <message>
        <source>neither &quot;e&quot; nor &quot;0.5&quot;</source>
        <translation>niet „e” en niet „0.5”</translation>
    </message>
    <message>
        <source>row %1 is not a list of 5 counts</source>
        <translation>rij %1 is geen lijst van 5 aantallen</translation>
    </message>
    <message>
        <source>particle %1 is not [nuclide, x, y]</source>
        <translation>deeltje %1 is niet [nuclide, x, y]</translation>
    </message>
    <message>
        <source>particle %1</source>
        <translation>deeltje %1</translation>
    </message>
    <message>
        <source>row %1 is not five of the letters - R T P</source>
        <translation>rij %1 bestaat niet uit vijf van de letters - R T P</translation>
    </message>
    <message numerus="yes">
        <source>not a list of at most %n items</source>
        <translation>
            <numerusform>geen lijst van hoogstens %n element</numerusform>
            <numerusform>geen lijst van hoogstens %n elementen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not a list of %n items</source>
        <translation>
            <numerusform>geen lijst van %n element</numerusform>
            <numerusform>geen lijst van %n elementen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing, or not a name of at most %n characters</source>
        <translation>
            <numerusform>ontbreekt, of is geen naam van hoogstens %n teken</numerusform>
            <numerusform>ontbreekt, of is geen naam van hoogstens %n tekens</numerusform>
        </translation>
    </message>
    <message>
        <source>nuclide %1 is past the end product of the series, yet its count is not the one the run started with</source>
        <translation>nuclide %1 ligt na het eindproduct van de reeks, maar zijn aantal is niet het aantal waarmee de meting begon</translation>
    </message>
    <message>
        <source>the initial numbers of the run do not give its particles</source>
        <translation>de beginaantallen passen niet bij de deeltjes van de meting</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is not 0, yet nobody recorded, typed or pooled it</source>
        <translation>het aantal van nuclide %1 op tijdstip %2 is niet 0, maar niemand heeft het vastgelegd, getypt of samengevoegd</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is pooled, but the run&apos;s data are not pooled runs</source>
        <translation>het aantal van nuclide %1 op tijdstip %2 is samengevoegd, maar de gegevens zijn geen samengevoegde metingen</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but pooled runs replaced the run&apos;s data</source>
        <translation>het aantal van nuclide %1 op tijdstip %2 is vastgelegd, maar samengevoegde metingen hebben de gegevens vervangen</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded after the run&apos;s last time</source>
        <translation>het aantal van nuclide %1 op tijdstip %2 is vastgelegd na het laatste tijdstip van de meting</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but the nuclide is not in the run&apos;s series</source>
        <translation>het aantal van nuclide %1 op tijdstip %2 is vastgelegd, maar de nuclide hoort niet bij de reeks van de meting</translation>
    </message>
    <message>
        <source>the recorded count of nuclide %1 at time %2 is not one the run could record</source>
        <translation>het vastgelegde aantal van nuclide %1 op tijdstip %2 kan de meting niet hebben vastgelegd</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is after the last time typed or pooled</source>
        <translation>het aantal van nuclide %1 op tijdstip %2 ligt na het laatste getypte of samengevoegde tijdstip</translation>
    </message>
    <message>
        <source>the run&apos;s series is not the one the settings choose, and no change of them is waiting</source>
        <translation>de reeks van de meting is niet die van de instellingen, en er wacht geen wijziging</translation>
    </message>
    <message>
        <source>not a state of the random generator that the program could have saved</source>
        <translation>geen toestand van de toevalsgenerator die het programma had kunnen opslaan</translation>
    </message>
</context>
<context>
    <name>vestor::MainWindow</name>
    <message>
        <source>Print Re&amp;port…</source>
        <extracomment>Menu item: print the one-page lab report with the graph, the numbers and the data</extracomment>
        <translation>Verslag af&amp;drukken…</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <extracomment>Menu item: save the one-page lab report as a PDF file</extracomment>
        <translation>Verslag opslaan als &amp;PDF…</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Verslag opslaan als PDF</translation>
    </message>
    <message>
        <source>The report could not be saved to %1:
%2</source>
        <translation>Het verslag kon niet worden opgeslagen in %1:
%2</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>&amp;Decay Chamber</source>
        <translation>&amp;Vervalkamer</translation>
    </message>
    <message>
        <source>Collected Data &amp;Table</source>
        <translation>Meetwaarden&amp;tabel</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Grafiek</translation>
    </message>
    <message>
        <source>Edit G&amp;raph Data</source>
        <translation>G&amp;rafiekgegevens</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Het programma sluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bewerken</translation>
    </message>
    <message>
        <source>&amp;Copy Graph</source>
        <translation>Grafiek &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Print Graph</source>
        <translation>Grafiek af&amp;drukken</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>P&amp;rinterinstellingen</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>Naam van de &amp;leerling</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>E&amp;xtra&apos;s</translation>
    </message>
    <message>
        <source>Implied &amp;Half-lives</source>
        <translation>Bijbehorende &amp;halveringstijden</translation>
    </message>
    <message>
        <source>&amp;Pool Saved Runs…</source>
        <translation>Opgeslagen metingen &amp;samenvoegen…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>Be&amp;eld</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Grondtal</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Dice practical: one nuclide, a six-sided die</source>
        <translation>&amp;Dobbelsteenproef: één nuclide, een dobbelsteen met zes zijden</translation>
    </message>
    <message>
        <source>500 dice; a die that shows 1 has decayed. Half-life about 3.8 throws.</source>
        <translation>500 dobbelstenen; een dobbelsteen die 1 gooit, is vervallen. Halveringstijd ongeveer 3,8 worpen.</translation>
    </message>
    <message>
        <source>&amp;Half-life of one step: one nuclide at 50 %</source>
        <translation>&amp;Halveringstijd van één stap: één nuclide met 50%</translation>
    </message>
    <message>
        <source>800 particles with a chance of 50 % a step: the count halves at every step.</source>
        <translation>800 deeltjes met een kans van 50% per stap: het aantal halveert bij elke stap.</translation>
    </message>
    <message>
        <source>&amp;Fast parent, slow daughter</source>
        <translation>Snelle &amp;moeder, trage dochter</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 30 % a step into nuclide 2, which decays at 5 %: the daughter builds up, then decays slowly.</source>
        <translation>Nuclide 1 vervalt met 30% per stap tot nuclide 2, die met 5% vervalt: de dochter hoopt zich op en vervalt dan langzaam.</translation>
    </message>
    <message>
        <source>&amp;Slow parent, fast daughter</source>
        <translation>&amp;Trage moeder, snelle dochter</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 5 % a step into nuclide 2, which decays at 40 %: the daughter soon follows its parent&apos;s half-life.</source>
        <translation>Nuclide 1 vervalt met 5% per stap tot nuclide 2, die met 40% vervalt: de dochter volgt al snel de halveringstijd van de moeder.</translation>
    </message>
    <message>
        <source>Fi&amp;ve-member series by dice</source>
        <translation>Reeks van &amp;vijf nucliden met dobbelsteen</translation>
    </message>
    <message>
        <source>A ten-sided die; nuclide 1 decays on 2 or less, the others on 3, 1, 4 and 2; 500 particles of nuclide 1.</source>
        <translation>Een dobbelsteen met tien zijden; nuclide 1 vervalt bij 2 of minder, de andere bij 3, 1, 4 en 2; 500 deeltjes van nuclide 1.</translation>
    </message>
    <message>
        <source>&amp;Lock Settings</source>
        <translation>Instellingen &amp;vergrendelen</translation>
    </message>
    <message>
        <source>Makes the Configuration page read-only until it is unlocked here</source>
        <translation>Maakt de pagina Instellingen alleen-lezen tot ze hier wordt ontgrendeld</translation>
    </message>
    <message>
        <source>Lessons (*.vestor)</source>
        <translation>Lessen (*.vestor)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Besta&amp;nd</translation>
    </message>
    <message>
        <source>&amp;Open Lesson…</source>
        <translation>Les &amp;openen…</translation>
    </message>
    <message>
        <source>&amp;Save Lesson</source>
        <translation>Les op&amp;slaan</translation>
    </message>
    <message>
        <source>Save Lesson &amp;As…</source>
        <translation>Les opslaan &amp;als…</translation>
    </message>
    <message>
        <source>&amp;Recent Lessons</source>
        <translation>&amp;Recente lessen</translation>
    </message>
    <message>
        <source>E&amp;xamples</source>
        <translation>&amp;Voorbeelden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Afsl&amp;uiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Bee&amp;ld</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Grootte</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Geldt vanaf de volgende start</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>het is groter dan een les kan zijn</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; cannot be opened: %2.</source>
        <translation>De les „%1” kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; was not saved: %2.</source>
        <translation>De les „%1” is niet opgeslagen: %2.</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Les openen</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Les opslaan</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changed. Save the changes?</source>
        <translation>De les „%1” is gewijzigd. Wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Save Graph &amp;As…</source>
        <extracomment>Menu item: save the graph as a PNG, SVG or PDF file</extracomment>
        <translation>Grafiek opslaan &amp;als…</translation>
    </message>
    <message>
        <source>&amp;Colour-blind Safe Colours</source>
        <translation>&amp;Kleuren voor kleurenblinden</translation>
    </message>
    <message>
        <source>Save Graph As</source>
        <translation>Grafiek opslaan als</translation>
    </message>
    <message>
        <source>PNG picture, twice the size (*.png)</source>
        <translation>PNG-afbeelding, dubbele grootte (*.png)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-tekening (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-document (*.pdf)</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
the name must end in .png, .svg or .pdf.</source>
        <translation>De grafiek kon niet worden opgeslagen in %1:
de naam moet eindigen op .png, .svg of .pdf.</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
%2</source>
        <translation>De grafiek kon niet worden opgeslagen in %1:
%2</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs. A new run replaces them.

Start a new run?</source>
        <translation>De grafiekgegevens zijn de samengevoegde metingen. Een nieuwe meting vervangt ze.

Een nieuwe meting starten?</translation>
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
        <translation>%1, wijzigingen niet opgeslagen</translation>
    </message>
    <message>
        <source>The counts of this run have not been saved. Save them as a lesson?</source>
        <translation>De aantallen van deze meting zijn niet opgeslagen. Als les opslaan?</translation>
    </message>
    <message>
        <source>The graph was printed into %1.</source>
        <extracomment>Said and shown after printing into a file; %1 is the file</extracomment>
        <translation>De grafiek is afgedrukt naar %1.</translation>
    </message>
    <message>
        <source>The graph went to the printer %1.</source>
        <extracomment>Said and shown after printing; %1 is the printer&apos;s name</extracomment>
        <translation>De grafiek is naar printer %1 gestuurd.</translation>
    </message>
    <message>
        <source>Fits this screen: %1 %</source>
        <extracomment>View &gt; Size: the largest size that fits the screen; %1 is that size in percent</extracomment>
        <translation>Past op dit scherm: %1%</translation>
    </message>
    <message>
        <source>Fits this screen: none</source>
        <translation>Past op dit scherm: geen</translation>
    </message>
    <message>
        <source>Needs a screen of at least %1 × %2 pixels</source>
        <extracomment>Tooltip of a size that does not fit the screen; %1 × %2 is the screen it needs, in pixels</extracomment>
        <translation>Vereist een scherm van minstens %1 × %2 pixels</translation>
    </message>
    <message>
        <source>In a web browser, Print Graph gives the page as a PDF download; the browser opens it and prints it on the printer chosen there.</source>
        <translation>In een webbrowser levert ‘Grafiek afdrukken’ de pagina als pdf-download; de browser opent die en drukt hem af op de printer die daar gekozen is.</translation>
    </message>
    <message>
        <source>Copy Lesson &amp;Link</source>
        <translation>Link naar les &amp;kopiëren</translation>
    </message>
    <message>
        <source>The link to this lesson is on the clipboard. Paste it into a class page or a message: opening it opens this lesson, at this step, in a browser.</source>
        <translation>De link naar deze les staat op het klembord. Plak hem in een klassenpagina of een bericht: wie hem opent, krijgt deze les bij deze stap in een browser.</translation>
    </message>
</context>
<context>
    <name>vestor::MenuItem</name>
    <message>
        <source>not checked</source>
        <extracomment>What a screen reader adds to a menu item that can be ticked and is not</extracomment>
        <translation>niet aangevinkt</translation>
    </message>
</context>
<context>
    <name>vestor::Notifier</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Niet opslaan</translation>
    </message>
</context>
<context>
    <name>vestor::ReadFileText</name>
    <message>
        <source>it is not a file</source>
        <translation>het is geen bestand</translation>
    </message>
</context>
<context>
    <name>vestor::TGetDataFR</name>
    <message>
        <source>First Decay Value </source>
        <translation>Eerste vervalgrens </translation>
    </message>
    <message>
        <source>Second Decay Value </source>
        <translation>Tweede vervalgrens </translation>
    </message>
    <message>
        <source>Third Decay Value </source>
        <translation>Derde vervalgrens </translation>
    </message>
    <message>
        <source>Fourth Decay Value </source>
        <translation>Vierde vervalgrens </translation>
    </message>
    <message>
        <source>Fifth Decay Value </source>
        <translation>Vijfde vervalgrens </translation>
    </message>
    <message>
        <source>Set Data</source>
        <translation>Gegevens instellen</translation>
    </message>
    <message>
        <source>Decay Rate</source>
        <translation>Kans per stap</translation>
    </message>
    <message>
        <source>Dice Box</source>
        <translation>Dobbelsteen</translation>
    </message>
    <message>
        <source>Number Particles</source>
        <translation>Aantal deeltjes</translation>
    </message>
    <message>
        <source>Number of Sides on Dice</source>
        <translation>Zijden van de dobbelsteen</translation>
    </message>
    <message>
        <source>Particle %1</source>
        <translation>Deeltje %1</translation>
    </message>
    <message>
        <source>Chance of decay of particle %1, percent</source>
        <translation>Vervalkans van deeltje %1, in procent</translation>
    </message>
    <message>
        <source>Sets the chance in percent that particle %1 decays in one step</source>
        <translation>Stelt de kans in procent in dat deeltje %1 in één stap vervalt</translation>
    </message>
    <message>
        <source>Decay value of particle %1</source>
        <translation>Vervalgrens van deeltje %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which particle %1 decays</source>
        <translation>Stelt de hoogste worp in waarbij deeltje %1 vervalt</translation>
    </message>
    <message>
        <source>Number of particle %1</source>
        <translation>Aantal van deeltje %1</translation>
    </message>
    <message>
        <source>Sets how many of particle %1 the chamber holds at the start</source>
        <translation>Stelt in hoeveel van deeltje %1 de kamer aan het begin bevat</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Aantal zijden van de dobbelsteen</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Stelt in hoeveel zijden de dobbelsteen heeft; geen vervalgrens kan hoger zijn</translation>
    </message>
    <message>
        <source>Length of Decay chain</source>
        <translation>Lengte van de vervalreeks</translation>
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
        <translation>Ik ben ....</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Komt op de afdruk</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
