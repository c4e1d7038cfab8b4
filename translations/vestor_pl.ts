<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>LabReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 or less (%2)</source>
        <translation>%1 lub mniej (%2)</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 kroku</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Dopasowanie</translation>
    </message>
    <message>
        <source>Chance per step</source>
        <translation>Szansa na krok</translation>
    </message>
    <message>
        <source>Conclusion</source>
        <extracomment>Lab report: heading of the ruled lines where the student writes a conclusion</extracomment>
        <translation>Wnioski</translation>
    </message>
    <message>
        <source>Count (logarithmic)</source>
        <extracomment>Lab report graph: title of the count axis</extracomment>
        <translation>Liczba (logarytmiczna)</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Liczba</translation>
    </message>
    <message>
        <source>Data: counts at each time</source>
        <translation>Dane: liczby w każdej chwili</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Before the date on the lab report</extracomment>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Nuclides in the decay series: %1. Each decays into the next, the last into a stable product.</source>
        <extracomment>Lab report: how many nuclides the decay series has</extracomment>
        <translation>Nuklidy w szeregu promieniotwórczym: %1. Każdy rozpada się na następny, ostatni na trwały produkt.</translation>
    </message>
    <message>
        <source>Differences of T½ in steps</source>
        <translation>Różnice T½ w krokach</translation>
    </message>
    <message>
        <source>Expected count, in the band where 95 % of runs fall</source>
        <translation>Oczekiwana liczba, w pasie, w który trafia 95% przebiegów</translation>
    </message>
    <message>
        <source>Graph data: the sums of saved runs (%1): %2.</source>
        <translation>Dane wykresu: sumy zapisanych przebiegów (%1): %2.</translation>
    </message>
    <message>
        <source>Graph data: the sums of pooled saved runs.</source>
        <translation>Dane wykresu: sumy zapisanych przebiegów.</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Half-life of nuclide 1</source>
        <translation>Czas połowicznego rozpadu nuklidu 1</translation>
    </message>
    <message>
        <source>Half-life</source>
        <translation>Czas połowicznego rozpadu</translation>
    </message>
    <message>
        <source>Half-lives in time steps; A is the count at time 0.</source>
        <translation>Czasy połowicznego rozpadu w krokach; A to liczba w chwili 0.</translation>
    </message>
    <message>
        <source>Initial number</source>
        <translation>Liczba początkowa</translation>
    </message>
    <message>
        <source>Made with %1 %2</source>
        <extracomment>The program&apos;s name and version, at the top right of the lab report</extracomment>
        <translation>Wykonano w programie %1 %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>Before the student&apos;s name on the lab report</extracomment>
        <translation>Imię i nazwisko:</translation>
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
        <translation>Przewidziany z szansy %1</translation>
    </message>
    <message>
        <source>Radioactive Decay: Lab Report</source>
        <extracomment>Title of the printed lab report</extracomment>
        <translation>Rozpad promieniotwórczy: sprawozdanie z ćwiczenia</translation>
    </message>
    <message>
        <source>Settings of the run</source>
        <translation>Ustawienia przebiegu</translation>
    </message>
    <message>
        <source>The report could not be drawn.</source>
        <translation>Nie udało się narysować sprawozdania.</translation>
    </message>
    <message>
        <source>Time (steps)</source>
        <extracomment>Lab report graph: title of the time axis</extracomment>
        <translation>Czas (kroki)</translation>
    </message>
    <message>
        <source>Your model (scroll bars)</source>
        <extracomment>Lab report: the model curve the student set with the two scroll bars</extracomment>
        <translation>Twój model (suwaki)</translation>
    </message>
    <message>
        <source>Your model</source>
        <translation>Twój model</translation>
    </message>
    <message>
        <source>best fit − predicted</source>
        <translation>dopasowanie − przewidziany</translation>
    </message>
    <message>
        <source>no estimate, %1</source>
        <translation>brak oszacowania, %1</translation>
    </message>
    <message>
        <source>your model − best fit</source>
        <translation>twój model − dopasowanie</translation>
    </message>
    <message>
        <source>your model − predicted</source>
        <translation>twój model − przewidziany</translation>
    </message>
    <message numerus="yes">
        <source>Chances by a die of %n sides: a particle decays when the die shows its decay value or less.</source>
        <translation>
            <numerusform>Losowanie kostką o %n ściance: cząstka rozpada się, gdy kostka pokaże jej wartość rozpadu lub mniej.</numerusform>
            <numerusform>Losowanie kostką o %n ściankach: cząstka rozpada się, gdy kostka pokaże jej wartość rozpadu lub mniej.</numerusform>
            <numerusform>Losowanie kostką o %n ściankach: cząstka rozpada się, gdy kostka pokaże jej wartość rozpadu lub mniej.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best fit from %n points</source>
        <translation>
            <numerusform>Dopasowanie z %n punktu</numerusform>
            <numerusform>Dopasowanie z %n punktów</numerusform>
            <numerusform>Dopasowanie z %n punktów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No usable printer is available.</source>
        <translation>Brak drukarki, której można użyć.</translation>
    </message>
    <message>
        <source>The printer %1 refused the document.</source>
        <translation>Drukarka %1 odrzuciła dokument.</translation>
    </message>
    <message>
        <source>Printed by: </source>
        <extracomment>First line of a printed graph, before the student&apos;s name</extracomment>
        <translation>Wydrukował(a): </translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>Nie udało się dokończyć dokumentu.</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>Nie udało się narysować obrazu.</translation>
    </message>
    <message>
        <source>The graph could not be printed into %1: %2.</source>
        <translation>Nie udało się wydrukować wykresu do %1: %2.</translation>
    </message>
    <message>
        <source>the document could not be written in full</source>
        <translation>nie udało się zapisać całego dokumentu</translation>
    </message>
    <message>
        <source>This copy of Vestor cannot write SVG drawings.</source>
        <translation>Ta wersja programu Vestor nie może zapisywać rysunków SVG.</translation>
    </message>
    <message>
        <source>The report could not be printed into %1: %2.</source>
        <translation>Nie udało się wydrukować sprawozdania do %1: %2.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>there is not enough room for it: the disk is full, or the file would be larger than this computer allows</source>
        <translation>brakuje na niego miejsca: dysk jest pełny albo plik byłby większy, niż pozwala ten komputer</translation>
    </message>
    <message>
        <source>%1, and the file that was there could not be put back as it was</source>
        <translation>%1, a pliku, który tam był, nie udało się przywrócić do poprzedniej postaci</translation>
    </message>
    <message>
        <source>the file there is too large to be replaced in this folder</source>
        <translation>plik, który tam jest, jest za duży, by go zastąpić w tym folderze</translation>
    </message>
</context>
<context>
    <name>SavedRunPooler</name>
    <message>
        <source>Pool Saved Runs</source>
        <translation>Zsumuj zapisane przebiegi</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Nothing was pooled; the graph data are as they were.

%1</source>
        <translation>Niczego nie zsumowano; dane wykresu pozostały bez zmian.

%1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Nie można odczytać %1: %2.</translation>
    </message>
    <message>
        <source>Times past %1 were left out.</source>
        <translation>Pominięto chwile po %1.</translation>
    </message>
    <message>
        <source>A shorter run adds nothing after its last time.</source>
        <translation>Krótszy przebieg nic nie dodaje po swojej ostatniej chwili.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>plik jest większy niż 1 MB</translation>
    </message>
    <message>
        <source>the first line is not the heading &quot;time&quot; and the columns &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>pierwszy wiersz nie jest nagłówkiem „time” z kolumnami „P1” .. „P5”</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is not one of &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>nagłówek „%1” nie jest żadnym z „P1” .. „P5”</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is there twice</source>
        <translation>nagłówek „%1” występuje dwa razy</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from 0 to 2147483647</source>
        <translation>„%1” nie jest liczbą całkowitą od 0 do 2147483647</translation>
    </message>
    <message>
        <source>time %1 stands where time %2 belongs; the times must run 0, 1, 2, ... in order</source>
        <translation>chwila %1 stoi w miejscu chwili %2; chwile muszą iść po kolei: 0, 1, 2, ...</translation>
    </message>
    <message>
        <source>the line has more values than there are headings</source>
        <translation>wiersz ma więcej wartości niż nagłówków</translation>
    </message>
    <message>
        <source>it has the headings but no counts</source>
        <translation>plik ma nagłówki, ale żadnych liczb</translation>
    </message>
    <message>
        <source>its count of nuclide %1 at time %2 makes the pooled sum larger than 2147483647</source>
        <translation>jego liczba nuklidu %1 w chwili %2 daje sumę większą niż 2147483647</translation>
    </message>
    <message>
        <source>%1, line %2: %3.</source>
        <translation>%1, wiersz %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 has no counts of nuclide %2; it adds nothing to them.</source>
        <translation>%1 nie ma liczb nuklidu %2; nic do nich nie dodaje.</translation>
    </message>
    <message>
        <source>it has the times but no column of counts &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>plik ma chwile, ale nie ma kolumny liczb &quot;P1&quot; .. &quot;P5&quot;</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <extracomment>The count of times in &quot;Pooled 2 files: 100 times, 0 to 99.&quot;</extracomment>
        <translation>
            <numerusform>%n chwila</numerusform>
            <numerusform>%n chwile</numerusform>
            <numerusform>%n chwil</numerusform>
        </translation>
    </message>
    <message>
        <source>Pooled 1 file: %1, 0 to %2.</source>
        <translation>Zsumowano 1 plik: %1, od 0 do %2.</translation>
    </message>
    <message numerus="yes">
        <source>Pooled %n files: %1, 0 to %2.</source>
        <translation>
            <numerusform>Zsumowano %n plik: %1, od 0 do %2.</numerusform>
            <numerusform>Zsumowano %n pliki: %1, od 0 do %2.</numerusform>
            <numerusform>Zsumowano %n plików: %1, od 0 do %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved runs (*.txt *.csv *.tsv)</source>
        <translation>Zapisane przebiegi (*.txt *.csv *.tsv)</translation>
    </message>
    <message numerus="yes">
        <source>%1 has empty cells (%n); they add nothing.</source>
        <translation>
            <numerusform>%1 ma %n pustą komórkę; nic ona nie dodaje.</numerusform>
            <numerusform>%1 ma %n puste komórki; nic one nie dodają.</numerusform>
            <numerusform>%1 ma %n pustych komórek; nic one nie dodają.</numerusform>
        </translation>
    </message>
    <message>
        <source>the time is missing</source>
        <translation>brakuje chwili</translation>
    </message>
</context>
<context>
    <name>vestor::AboutBox</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version 0.8</source>
        <translation>Wersja 0.8</translation>
    </message>
    <message>
        <source>Vestor: For Lab or Demonstration.</source>
        <translation>Vestor: na ćwiczenia lub do pokazu.</translation>
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
        <translation>czas połowicznego rozpadu</translation>
    </message>
    <message>
        <source>Downloaded as %1.</source>
        <extracomment>Said and shown in a web browser after a file was handed to the browser; %1 is the file&apos;s name</extracomment>
        <translation>Pobrano jako %1.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <extracomment>Said and shown after a lesson was opened; %1 is the file (with its folder, outside a web browser)</extracomment>
        <translation>Otwarto: %1.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>Said and shown after a file was saved; %1 is the file with its folder</extracomment>
        <translation>Zapisano w %1.</translation>
    </message>
</context>
<context>
    <name>vestor::BarField</name>
    <message>
        <source>Type a value and press Enter, or click elsewhere, to move the bar there</source>
        <translation>Wpisz wartość i naciśnij Enter albo kliknij gdzie indziej, aby przesunąć tam suwak</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1: „%2” nie jest liczbą całkowitą od %3 do %4. Pole znów pokazuje wartość suwaka.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1: „%2” nie jest liczbą od %3 do %4. Pole znów pokazuje wartość suwaka.</translation>
    </message>
</context>
<context>
    <name>vestor::ChamberPage</name>
    <message>
        <source>Active</source>
        <extracomment>Caption above the decay chamber, which holds the particles not yet decayed</extracomment>
        <translation>Aktywne</translation>
    </message>
    <message>
        <source>Decayed</source>
        <extracomment>Caption above the panel of decayed particles taken out of the chamber</extracomment>
        <translation>Rozpadłe</translation>
    </message>
    <message>
        <source>Decay chamber</source>
        <translation>Komora rozpadu</translation>
    </message>
    <message>
        <source>Decayed particles</source>
        <translation>Rozpadłe cząstki</translation>
    </message>
    <message>
        <source>The decayed particles taken out of the chamber, stacked from the top</source>
        <translation>Rozpadłe cząstki wyjęte z komory, ułożone od góry</translation>
    </message>
    <message>
        <source>black</source>
        <translation>na czarno</translation>
    </message>
    <message>
        <source>red</source>
        <translation>na czerwono</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>na jaskrawozielono</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>na jasnoniebiesko</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>na morsko</translation>
    </message>
    <message>
        <source>Colour of nuclide %1</source>
        <translation>Kolor nuklidu %1</translation>
    </message>
    <message>
        <source>Particles of nuclide %1 are drawn %2 in the chamber</source>
        <translation>Cząstki nuklidu %1 są w komorze narysowane %2</translation>
    </message>
    <message>
        <source>Count of nuclide %1</source>
        <translation>Liczba nuklidu %1</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zeruj</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Button: take the decayed particles out of the chamber</extracomment>
        <translation>Wy&amp;jmij</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Button: advance one time step</extracomment>
        <translation>&amp;Czas</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Automate</source>
        <extracomment>Check box: step time and remove decayed particles by itself once a second</extracomment>
        <translation>Auto</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Zatrzy&amp;maj</translation>
    </message>
    <message>
        <source>vermilion</source>
        <translation>na cynobrowo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>na niebiesko</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>na fioletowo</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>na szaro</translation>
    </message>
    <message>
        <source>nuclide %1, %2</source>
        <extracomment>What a screen reader says for one nuclide&apos;s count after a time step</extracomment>
        <translation>nuklid %1, %2</translation>
    </message>
    <message>
        <source>Time %1: %2.</source>
        <extracomment>What a screen reader says after each time step: the time, then each nuclide&apos;s count</extracomment>
        <translation>Chwila %1: %2.</translation>
    </message>
    <message>
        <source>Remove the decayed particles first.</source>
        <translation>Najpierw usuń rozpadłe cząstki.</translation>
    </message>
    <message>
        <source>No active particles are left.</source>
        <translation>Nie zostały żadne aktywne cząstki.</translation>
    </message>
    <message>
        <source>The run has recorded its 100 times.</source>
        <translation>Przebieg zapisał już swoje 100 chwil.</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs: Reset starts a new run.</source>
        <translation>Dane wykresu to zsumowane przebiegi: Zeruj rozpoczyna nowy przebieg.</translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles wait to be removed; %1.</source>
        <translation>
            <numerusform>%n rozpadła cząstka czeka na usunięcie; %1.</numerusform>
            <numerusform>%n rozpadłe cząstki czekają na usunięcie; %1.</numerusform>
            <numerusform>%n rozpadłych cząstek czeka na usunięcie; %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n have been taken out</source>
        <translation>
            <numerusform>wyjęto już %n</numerusform>
            <numerusform>wyjęto już %n</numerusform>
            <numerusform>wyjęto już %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles removed.</source>
        <translation>
            <numerusform>Usunięto %n rozpadłą cząstkę.</numerusform>
            <numerusform>Usunięto %n rozpadłe cząstki.</numerusform>
            <numerusform>Usunięto %n rozpadłych cząstek.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vestor::ConfigPage</name>
    <message>
        <source>1st Decay Value </source>
        <extracomment>Die throw at or below which nuclide n decays; keep the trailing space</extracomment>
        <translation>1. próg kostki </translation>
    </message>
    <message>
        <source>2nd Decay Value </source>
        <translation>2. próg kostki </translation>
    </message>
    <message>
        <source>3rd Decay Value </source>
        <translation>3. próg kostki </translation>
    </message>
    <message>
        <source>4th Decay Value </source>
        <translation>4. próg kostki </translation>
    </message>
    <message>
        <source>5th Decay Value </source>
        <translation>5. próg kostki </translation>
    </message>
    <message>
        <source>Radioactive Decay Chamber Settings Configuration</source>
        <translation>Ustawienia komory rozpadu promieniotwórczego</translation>
    </message>
    <message>
        <source>Use the Scrollbars to Adjust Values</source>
        <translation>Ustaw wartości suwakami</translation>
    </message>
    <message>
        <source>Steps in Decay Series</source>
        <extracomment>Caption of the choice of how many nuclides the decay chain has (1 to 5)</extracomment>
        <translation>Nuklidy w szeregu</translation>
    </message>
    <message>
        <source>Type of Decay</source>
        <translation>Sposób losowania</translation>
    </message>
    <message>
        <source> &amp;Percentage</source>
        <extracomment>Decay type: the chance of decay per time step given as a percentage</extracomment>
        <translation> Pro&amp;cent</translation>
    </message>
    <message>
        <source> &amp;Dice</source>
        <extracomment>Decay type: the chance of decay given by a throw of a die</extracomment>
        <translation> Ko&amp;stka</translation>
    </message>
    <message>
        <source>Graph Equation</source>
        <translation>Równanie na wykresie</translation>
    </message>
    <message>
        <source> &amp;Show Equation</source>
        <translation> Pokaż &amp;równanie</translation>
    </message>
    <message>
        <source>Use Base</source>
        <extracomment>Caption of the choice of base of the exponential in the graph equation: 0.5 or e</extracomment>
        <translation>Podstawa</translation>
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
        <translation>Prawdopodobieństwo rozpadu</translation>
    </message>
    <message>
        <source>Nuclide %1</source>
        <translation>Nuklid %1</translation>
    </message>
    <message>
        <source>Chance of decay of nuclide %1, percent</source>
        <translation>Prawdopodobieństwo rozpadu nuklidu %1, w procentach</translation>
    </message>
    <message>
        <source>Sets the chance in percent that a particle of nuclide %1 decays in one time step</source>
        <translation>Ustawia prawdopodobieństwo w procentach, że cząstka nuklidu %1 rozpadnie się w jednym kroku czasu</translation>
    </message>
    <message>
        <source>Chance of Decay</source>
        <translation>Szansa rozpadu</translation>
    </message>
    <message>
        <source># of Sides on Die</source>
        <extracomment>Number of sides of the die thrown for every particle</extracomment>
        <translation>Ścianki kostki</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Liczba ścianek kostki</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Ustawia, ile ścianek ma kostka; żaden próg nie może być większy</translation>
    </message>
    <message>
        <source>Decay value of nuclide %1</source>
        <translation>Próg kostki nuklidu %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which a particle of nuclide %1 decays</source>
        <translation>Ustawia najwyższy wynik rzutu kostką, przy którym cząstka nuklidu %1 się rozpada</translation>
    </message>
    <message>
        <source>Initial Number</source>
        <extracomment>Group title: how many particles of each nuclide the chamber holds at the start</extracomment>
        <translation>Liczba początkowa</translation>
    </message>
    <message>
        <source>Initial number of nuclide %1</source>
        <translation>Początkowa liczba nuklidu %1</translation>
    </message>
    <message>
        <source>Sets how many particles of nuclide %1 the chamber holds at the start, 1000 in all at most</source>
        <translation>Ustawia, ile cząstek nuklidu %1 jest w komorze na początku, razem najwyżej 1000</translation>
    </message>
    <message>
        <source>T½ = %1 steps</source>
        <translation>T½ = %1 kroku</translation>
    </message>
    <message>
        <source>The teacher has locked these settings (Extras ▸ Lock Settings).</source>
        <translation>Nauczyciel zablokował te ustawienia (Dodatki ▸ Zablokuj ustawienia).</translation>
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
        <translation>Tabela zebranych danych</translation>
    </message>
    <message>
        <source>Select Data to be displayed</source>
        <translation>Wybierz pokazywane dane</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation> Nuklid %1</translation>
    </message>
    <message>
        <source>Collected data</source>
        <translation>Zebrane dane</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>C&amp;opy Highlighted</source>
        <extracomment>Button: copy the selected part of the table</extracomment>
        <translation>K&amp;opiuj zaznaczenie</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>Kopiuj wsz&amp;ystko</translation>
    </message>
    <message>
        <source>Save Data as Text</source>
        <translation>Zapisz dane jako tekst</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Tekst (*.txt)</translation>
    </message>
    <message>
        <source>The data could not be saved to %1:
%2</source>
        <translation>Nie udało się zapisać danych w %1:
%2</translation>
    </message>
</context>
<context>
    <name>vestor::GraphEditorPage</name>
    <message>
        <source>Use this page to modify the Graphing Data.  To Set the Decay Values, use the Configuration page.</source>
        <translation>Na tej stronie zmieniasz dane wykresu. Prawdopodobieństwa rozpadu ustawia się na stronie Ustawienia.</translation>
    </message>
    <message>
        <source>Number of Data Points:</source>
        <translation>Liczba punktów:</translation>
    </message>
    <message>
        <source>Number of data points</source>
        <translation>Liczba punktów pomiarowych</translation>
    </message>
    <message>
        <source>Sets how many recorded times the graph and the data table show</source>
        <translation>Ustawia, ile zapisanych chwil pokazują wykres i tabela</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Caption of the choice of nuclide whose counts are shown below</extracomment>
        <translation>Pokaż</translation>
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
        <translation>Dane: Nuklid 1</translation>
    </message>
    <message>
        <source>Initial Count</source>
        <extracomment>The count at time 0</extracomment>
        <translation>Na początku</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Pokazane chwile</translation>
    </message>
    <message>
        <source>Scrolls the fifteen count fields through the recorded times</source>
        <translation>Przesuwa piętnaście pól liczb po zapisanych chwilach</translation>
    </message>
    <message>
        <source>%1´s Data</source>
        <extracomment>Title of the group of count fields; %1 is the chosen &quot;Nuclide n&quot;</extracomment>
        <translation>Dane: %1</translation>
    </message>
    <message>
        <source>Enter an integer!!</source>
        <translation>Wpisz liczbę całkowitą, bez odstępu między tysiącami.</translation>
    </message>
    <message>
        <source>Count of nuclide %1 at time %2</source>
        <extracomment>What a screen reader calls a count field of the graph data editor</extracomment>
        <translation>Liczba nuklidu %1 w chwili %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no whole number; the field shows %3.</source>
        <extracomment>Said after &quot;Enter an integer!!&quot;: the field refused, what was typed and what it shows now</extracomment>
        <translation>%1: „%2” nie jest liczbą całkowitą; pole pokazuje %3.</translation>
    </message>
</context>
<context>
    <name>vestor::GraphPage</name>
    <message>
        <source>a count is not a number of particles</source>
        <translation>któraś liczba nie jest możliwą liczbą cząstek</translation>
    </message>
    <message>
        <source>fewer than three usable points</source>
        <translation>mniej niż trzy użyteczne punkty</translation>
    </message>
    <message>
        <source>the counts do not fall</source>
        <translation>liczby nie maleją</translation>
    </message>
    <message>
        <source>Change Initial Count</source>
        <extracomment>Caption of the scroll bar that sets the initial count A of the model curve</extracomment>
        <translation>Zmień liczbę początkową</translation>
    </message>
    <message>
        <source>Change Half-life</source>
        <extracomment>Caption of the scroll bar that sets the half-life T½ of the model curve</extracomment>
        <translation>Zmień T½</translation>
    </message>
    <message>
        <source>Half-life of the model curve</source>
        <translation>Czas połowicznego rozpadu krzywej modelu</translation>
    </message>
    <message>
        <source>Sets the half-life of the model curve drawn over nuclide 1&apos;s counts; the equation above the graph shows it</source>
        <translation>Ustawia czas połowicznego rozpadu krzywej modelu rysowanej na liczbach nuklidu 1; pokazuje go równanie nad wykresem</translation>
    </message>
    <message>
        <source>Decay graph</source>
        <translation>Wykres rozpadu</translation>
    </message>
    <message>
        <source>Initial count of the model curve</source>
        <translation>Liczba początkowa krzywej modelu</translation>
    </message>
    <message>
        <source>Moves the initial count of the model curve up or down; the equation above the graph shows it</source>
        <translation>Przesuwa liczbę początkową krzywej modelu w górę lub w dół; pokazuje ją równanie nad wykresem</translation>
    </message>
    <message>
        <source>Start of the model curve</source>
        <translation>Początek krzywej modelu</translation>
    </message>
    <message>
        <source>Marks where the model curve starts, at time 0</source>
        <translation>Zaznacza, gdzie zaczyna się krzywa modelu, w chwili 0</translation>
    </message>
    <message>
        <source>C o u n t </source>
        <extracomment>Title of the vertical axis, written downwards one letter a line in 8 pixels: a space after each letter, at most five narrow letters (an m or w is cut)</extracomment>
        <translation>L i c z.</translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>Title of the horizontal axis of the graph</extracomment>
        <translation>czas</translation>
    </message>
    <message>
        <source>Graph the Indicated Nuclides</source>
        <translation>Rysuj zaznaczone nuklidy</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation> Nuklid %1</translation>
    </message>
    <message>
        <source>Curve read-out</source>
        <translation>Odczyt z krzywej</translation>
    </message>
    <message>
        <source>The time and the model&apos;s count at the point pressed on the graph</source>
        <translation>Czas i liczba z modelu w klikniętym punkcie wykresu</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>Best fit</source>
        <extracomment>Check box: show the computed best fit of T½ and A to nuclide 1&apos;s counts</extracomment>
        <translation>Dopasowanie</translation>
    </message>
    <message>
        <source>Expected</source>
        <extracomment>Check box: draw the expected count of each nuclide</extracomment>
        <translation>Wartość oczekiwana</translation>
    </message>
    <message>
        <source>Fit the model to nuclide 1&apos;s counts and show the estimate with its standard error</source>
        <translation>Dopasuj model do liczb nuklidu 1 i pokaż oszacowanie z jego niepewnością standardową</translation>
    </message>
    <message>
        <source>&amp;Use fit</source>
        <extracomment>Button: move the two scroll bars to the best fit</extracomment>
        <translation>&amp;Zastosuj</translation>
    </message>
    <message>
        <source>Move the two scroll bars to the computed fit</source>
        <translation>Ustaw oba suwaki na obliczone dopasowanie</translation>
    </message>
    <message>
        <source>Best fit of nuclide 1: no estimate, %1.</source>
        <translation>Dopasowanie dla nuklidu 1: brak oszacowania, %1.</translation>
    </message>
    <message>
        <source> The count rises from time %1 to %2, which decay alone cannot do: the ± does not hold.</source>
        <translation> Liczba rośnie od chwili %1 do %2, czego sam rozpad nie może dać: ± nie obowiązuje.</translation>
    </message>
    <message>
        <source> The half-life lies beyond the scroll bar&apos;s range.</source>
        <translation> Czas połowicznego rozpadu leży poza zakresem suwaka.</translation>
    </message>
    <message>
        <source> The initial count lies beyond the scroll bar&apos;s reach.</source>
        <translation> Liczba początkowa leży poza zakresem suwaka.</translation>
    </message>
    <message>
        <source>Draw the expected count of each graphed nuclide, in a band where 95 % of runs fall</source>
        <translation>Rysuj oczekiwaną liczbę każdego nuklidu z wykresu, w pasie, w który trafia 95% przebiegów</translation>
    </message>
    <message>
        <source>&amp;Log scale</source>
        <extracomment>Check box: plot the counts on a logarithmic axis, where an exponential decay is a straight line</extracomment>
        <translation>&amp;Skala logarytmiczna</translation>
    </message>
    <message>
        <source>Plot the counts on a logarithmic axis: an exponential decay becomes a straight line</source>
        <translation>Pokaż liczby na osi logarytmicznej: rozpad wykładniczy staje się linią prostą</translation>
    </message>
    <message>
        <source>Model curve: T½ %1 steps, A %2.</source>
        <extracomment>The model curve as a screen reader says it, after the graph&apos;s points and as a scroll bar moves</extracomment>
        <translation>Krzywa modelu: T½ %1 kroku, A %2.</translation>
    </message>
    <message>
        <source>Half-life of the model curve, T½ %1 steps</source>
        <extracomment>What a screen reader says for the half-life scroll bar: what it sets and its value</extracomment>
        <translation>Czas połowicznego rozpadu krzywej modelu, T½ %1 kroku</translation>
    </message>
    <message>
        <source>Initial count of the model curve, A %1</source>
        <extracomment>What a screen reader says for the initial-count scroll bar: what it sets and its value</extracomment>
        <translation>Początkowa liczba krzywej modelu, A %1</translation>
    </message>
    <message>
        <source>Nuclide %1 at times 0 to %2: %3.</source>
        <extracomment>Graph as a screen reader reads it: one nuclide&apos;s counts, time by time</extracomment>
        <translation>Nuklid %1 w chwilach od 0 do %2: %3.</translation>
    </message>
    <message>
        <source>Best fit hidden.</source>
        <translation>Dopasowanie ukryte.</translation>
    </message>
    <message>
        <source>The expected count of each graphed nuclide is drawn as a line, in a band where 95 % of runs fall.</source>
        <translation>Oczekiwana liczba każdego nuklidu z wykresu jest narysowana jako linia, w pasie, w który trafia 95% przebiegów.</translation>
    </message>
    <message>
        <source>The expected counts are hidden.</source>
        <translation>Oczekiwane liczby są ukryte.</translation>
    </message>
    <message>
        <source>The counts are on a logarithmic axis, where an exponential decay is a straight line.</source>
        <translation>Liczby są na osi logarytmicznej, na której rozpad wykładniczy jest linią prostą.</translation>
    </message>
    <message>
        <source>The counts are on an even axis.</source>
        <translation>Liczby są na osi o równych podziałkach.</translation>
    </message>
    <message numerus="yes">
        <source>Best fit of nuclide 1 from %n points:  T½ = %1 ± %2,  A = %3 ± %4</source>
        <translation>
            <numerusform>Dopasowanie dla nuklidu 1 z %n punktu:  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
            <numerusform>Dopasowanie dla nuklidu 1 z %n punktów:  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
            <numerusform>Dopasowanie dla nuklidu 1 z %n punktów:  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
        </translation>
    </message>
    <message>
        <source> The half-life bar moves in steps of 0.025; its nearest position gives T½ = %1.</source>
        <extracomment>After Use fit: why the equation&apos;s half-life differs from the fit&apos;s; %1 is the equation&apos;s</extracomment>
        <translation> Suwak czasu połowicznego rozpadu przesuwa się co 0,025; jego najbliższe położenie daje T½ = %1.</translation>
    </message>
</context>
<context>
    <name>vestor::HelpWindow</name>
    <message>
        <source>Vestor Help</source>
        <translation>Pomoc programu Vestor</translation>
    </message>
    <message>
        <source>Student&apos;s guide, %1</source>
        <extracomment>What a screen reader calls the guide&apos;s text; %1 is the section it opens at</extracomment>
        <translation>Przewodnik ucznia, %1</translation>
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
        <translation>brak albo nie jest grupą wartości</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>nie jest liczbą całkowitą od %1 do %2</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>nie jest liczbą</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>nie jest ani true, ani false</translation>
    </message>
    <message>
        <source>the series has not 1 to 5 nuclides, or the die not 2 to 40 sides</source>
        <translation>szereg nie ma od 1 do 5 nuklidów albo kostka nie ma od 2 do 40 ścianek</translation>
    </message>
    <message>
        <source>the chance of decay of nuclide %1 is out of range</source>
        <translation>szansa rozpadu nuklidu %1 jest poza dozwolonym zakresem</translation>
    </message>
    <message>
        <source>the initial numbers are not 1 to 1000 particles in all</source>
        <translation>liczby początkowe nie dają razem od 1 do 1000 cząstek</translation>
    </message>
    <message>
        <source>a time is not 0 to 99</source>
        <translation>któraś chwila nie leży między 0 a 99</translation>
    </message>
    <message>
        <source>a count is negative</source>
        <translation>któraś liczba jest ujemna</translation>
    </message>
    <message>
        <source>the chamber holds more than 1000 particles</source>
        <translation>komora zawiera więcej niż 1000 cząstek</translation>
    </message>
    <message>
        <source>the particle order is not the numbers 1 to 1000, each once</source>
        <translation>kolejność cząstek nie zawiera każdej z liczb od 1 do 1000 dokładnie raz</translation>
    </message>
    <message>
        <source>the size of the particles does not suit their number</source>
        <translation>wielkość cząstek nie pasuje do ich liczby</translation>
    </message>
    <message>
        <source>a particle belongs to no nuclide of the series</source>
        <translation>któraś cząstka nie należy do żadnego nuklidu szeregu</translation>
    </message>
    <message>
        <source>a particle lies outside the chamber</source>
        <translation>któraś cząstka leży poza komorą</translation>
    </message>
    <message>
        <source>the number of particles taken out does not match the particles</source>
        <translation>liczba wyjętych cząstek nie zgadza się z cząstkami</translation>
    </message>
    <message>
        <source>the count of nuclide %1 does not match its particles</source>
        <translation>liczba nuklidu %1 nie zgadza się z jego cząstkami</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>jest większy, niż może być lekcja</translation>
    </message>
    <message>
        <source>it is not a lesson file (no JSON object at character %1)</source>
        <translation>nie jest plikiem lekcji (brak obiektu JSON przy znaku %1)</translation>
    </message>
    <message>
        <source>it is not a lesson file</source>
        <translation>nie jest plikiem lekcji</translation>
    </message>
    <message>
        <source>it has no version number</source>
        <translation>nie ma numeru wersji</translation>
    </message>
    <message>
        <source>it was saved by a newer version of the program (lesson version %1); this one reads version %2</source>
        <translation>został zapisany przez nowszą wersję programu (wersja %1); ta odczytuje wersję %2</translation>
    </message>
    <message>
        <source>neither &quot;percent&quot; nor &quot;dice&quot;</source>
        <translation>ani „percent”, ani „dice”</translation>
    </message>
    <message>
        <source>neither &quot;e&quot; nor &quot;0.5&quot;</source>
        <translation>ani „e”, ani „0.5”</translation>
    </message>
    <message>
        <source>row %1 is not a list of 5 counts</source>
        <translation>wiersz %1 nie jest listą 5 liczb</translation>
    </message>
    <message>
        <source>particle %1 is not [nuclide, x, y]</source>
        <translation>cząstka %1 nie jest postaci [nuklid, x, y]</translation>
    </message>
    <message>
        <source>particle %1</source>
        <translation>cząstka %1</translation>
    </message>
    <message>
        <source>row %1 is not five of the letters - R T P</source>
        <translation>wiersz %1 nie składa się z pięciu liter spośród - R T P</translation>
    </message>
    <message numerus="yes">
        <source>not a list of at most %n items</source>
        <translation>
            <numerusform>nie jest listą najwyżej %n elementu</numerusform>
            <numerusform>nie jest listą najwyżej %n elementów</numerusform>
            <numerusform>nie jest listą najwyżej %n elementów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not a list of %n items</source>
        <translation>
            <numerusform>nie jest listą %n elementu</numerusform>
            <numerusform>nie jest listą %n elementów</numerusform>
            <numerusform>nie jest listą %n elementów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing, or not a name of at most %n characters</source>
        <translation>
            <numerusform>brak lub nie jest to nazwa o długości najwyżej %n znaku</numerusform>
            <numerusform>brak lub nie jest to nazwa o długości najwyżej %n znaków</numerusform>
            <numerusform>brak lub nie jest to nazwa o długości najwyżej %n znaków</numerusform>
        </translation>
    </message>
    <message>
        <source>nuclide %1 is past the end product of the series, yet its count is not the one the run started with</source>
        <translation>nuklid %1 leży za produktem końcowym szeregu, a jego liczba nie jest tą, od której zaczął się przebieg</translation>
    </message>
    <message>
        <source>the initial numbers of the run do not give its particles</source>
        <translation>liczby początkowe nie zgadzają się z cząstkami przebiegu</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is not 0, yet nobody recorded, typed or pooled it</source>
        <translation>liczba nuklidu %1 w chwili %2 nie jest 0, a nikt jej nie zapisał, nie wpisał ani nie zsumował</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is pooled, but the run&apos;s data are not pooled runs</source>
        <translation>liczba nuklidu %1 w chwili %2 jest zsumowana, a dane przebiegu nie są zsumowanymi przebiegami</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but pooled runs replaced the run&apos;s data</source>
        <translation>liczba nuklidu %1 w chwili %2 jest zapisana, a zsumowane przebiegi zastąpiły dane</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded after the run&apos;s last time</source>
        <translation>liczba nuklidu %1 w chwili %2 jest zapisana po ostatniej chwili przebiegu</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but the nuclide is not in the run&apos;s series</source>
        <translation>liczba nuklidu %1 w chwili %2 jest zapisana, a nuklid nie należy do szeregu przebiegu</translation>
    </message>
    <message>
        <source>the recorded count of nuclide %1 at time %2 is not one the run could record</source>
        <translation>zapisana liczba nuklidu %1 w chwili %2 nie jest liczbą, którą przebieg mógł zapisać</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is after the last time typed or pooled</source>
        <translation>liczba nuklidu %1 w chwili %2 przypada po ostatniej wpisanej lub zsumowanej chwili</translation>
    </message>
    <message>
        <source>the run&apos;s series is not the one the settings choose, and no change of them is waiting</source>
        <translation>szereg przebiegu nie jest szeregiem z ustawień i nie czeka żadna zmiana</translation>
    </message>
    <message>
        <source>not a state of the random generator that the program could have saved</source>
        <translation>nie jest stanem generatora losowego, który program mógłby zapisać</translation>
    </message>
</context>
<context>
    <name>vestor::MainWindow</name>
    <message>
        <source>Print Re&amp;port…</source>
        <extracomment>Menu item: print the one-page lab report with the graph, the numbers and the data</extracomment>
        <translation>&amp;Drukuj sprawozdanie…</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <extracomment>Menu item: save the one-page lab report as a PDF file</extracomment>
        <translation>Zapisz sprawozdanie jako PD&amp;F…</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Zapisz sprawozdanie jako PDF</translation>
    </message>
    <message>
        <source>The report could not be saved to %1:
%2</source>
        <translation>Nie udało się zapisać sprawozdania do %1:
%2</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Decay Chamber</source>
        <translation>&amp;Komora rozpadu</translation>
    </message>
    <message>
        <source>Collected Data &amp;Table</source>
        <translation>&amp;Tabela danych</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Wykres</translation>
    </message>
    <message>
        <source>Edit G&amp;raph Data</source>
        <translation>Edycja &amp;danych</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Zamknij program</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Copy Graph</source>
        <translation>&amp;Kopiuj wykres</translation>
    </message>
    <message>
        <source>&amp;Print Graph</source>
        <translation>&amp;Drukuj wykres</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>&amp;Ustawienia wydruku</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Imię i nazwisko ucznia</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>Dod&amp;atki</translation>
    </message>
    <message>
        <source>Implied &amp;Half-lives</source>
        <translation>Wynikające czasy &amp;połowicznego rozpadu</translation>
    </message>
    <message>
        <source>&amp;Pool Saved Runs…</source>
        <translation>&amp;Zsumuj zapisane przebiegi…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>W&amp;idok</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Podstawa</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Dice practical: one nuclide, a six-sided die</source>
        <translation>&amp;Doświadczenie z kostkami: jeden nuklid, kostka o sześciu ściankach</translation>
    </message>
    <message>
        <source>500 dice; a die that shows 1 has decayed. Half-life about 3.8 throws.</source>
        <translation>500 kostek; kostka, która pokaże 1, uległa rozpadowi. Czas połowicznego rozpadu około 3,8 rzutu.</translation>
    </message>
    <message>
        <source>&amp;Half-life of one step: one nuclide at 50 %</source>
        <translation>&amp;Czas połowicznego rozpadu równy krokowi: jeden nuklid, 50%</translation>
    </message>
    <message>
        <source>800 particles with a chance of 50 % a step: the count halves at every step.</source>
        <translation>800 cząstek z szansą rozpadu 50% na krok: liczba maleje o połowę w każdym kroku.</translation>
    </message>
    <message>
        <source>&amp;Fast parent, slow daughter</source>
        <translation>Szybki nuklid &amp;macierzysty, wolny pochodny</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 30 % a step into nuclide 2, which decays at 5 %: the daughter builds up, then decays slowly.</source>
        <translation>Nuklid 1 rozpada się z szansą 30% na krok w nuklid 2, który rozpada się z szansą 5%: nuklidu pochodnego przybywa, a potem powoli się rozpada.</translation>
    </message>
    <message>
        <source>&amp;Slow parent, fast daughter</source>
        <translation>&amp;Wolny nuklid macierzysty, szybki pochodny</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 5 % a step into nuclide 2, which decays at 40 %: the daughter soon follows its parent&apos;s half-life.</source>
        <translation>Nuklid 1 rozpada się z szansą 5% na krok w nuklid 2, który rozpada się z szansą 40%: nuklid pochodny wkrótce maleje z czasem połowicznego rozpadu macierzystego.</translation>
    </message>
    <message>
        <source>Fi&amp;ve-member series by dice</source>
        <translation>Szereg &amp;pięciu nuklidów z kostką</translation>
    </message>
    <message>
        <source>A ten-sided die; nuclide 1 decays on 2 or less, the others on 3, 1, 4 and 2; 500 particles of nuclide 1.</source>
        <translation>Kostka o dziesięciu ściankach; nuklid 1 rozpada się przy 2 lub mniej, pozostałe przy 3, 1, 4 i 2; 500 cząstek nuklidu 1.</translation>
    </message>
    <message>
        <source>&amp;Lock Settings</source>
        <translation>Za&amp;blokuj ustawienia</translation>
    </message>
    <message>
        <source>Makes the Configuration page read-only until it is unlocked here</source>
        <translation>Ustawia stronę Ustawienia tylko do odczytu, dopóki nie zostanie tu odblokowana</translation>
    </message>
    <message>
        <source>Lessons (*.vestor)</source>
        <translation>Lekcje (*.vestor)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>P&amp;lik</translation>
    </message>
    <message>
        <source>&amp;Open Lesson…</source>
        <translation>&amp;Otwórz lekcję…</translation>
    </message>
    <message>
        <source>&amp;Save Lesson</source>
        <translation>&amp;Zapisz lekcję</translation>
    </message>
    <message>
        <source>Save Lesson &amp;As…</source>
        <translation>Zapisz lekcję &amp;jako…</translation>
    </message>
    <message>
        <source>&amp;Recent Lessons</source>
        <translation>Ostatnie &amp;lekcje</translation>
    </message>
    <message>
        <source>E&amp;xamples</source>
        <translation>&amp;Przykłady</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>W&amp;idok</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Rozmiar</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Działa od następnego uruchomienia</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>jest większy, niż może być lekcja</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Nie można otworzyć lekcji „%1”: %2.</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; was not saved: %2.</source>
        <translation>Lekcja „%1” nie została zapisana: %2.</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Otwórz lekcję</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Zapisz lekcję</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changed. Save the changes?</source>
        <translation>Lekcja „%1” została zmieniona. Zapisać zmiany?</translation>
    </message>
    <message>
        <source>Save Graph &amp;As…</source>
        <extracomment>Menu item: save the graph as a PNG, SVG or PDF file</extracomment>
        <translation>Zapisz wykres &amp;jako…</translation>
    </message>
    <message>
        <source>&amp;Colour-blind Safe Colours</source>
        <translation>&amp;Kolory dla daltonistów</translation>
    </message>
    <message>
        <source>Save Graph As</source>
        <translation>Zapisz wykres jako</translation>
    </message>
    <message>
        <source>PNG picture, twice the size (*.png)</source>
        <translation>Obraz PNG, podwójny rozmiar (*.png)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Rysunek SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Dokument PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
the name must end in .png, .svg or .pdf.</source>
        <translation>Nie udało się zapisać wykresu w %1:
nazwa musi kończyć się na .png, .svg lub .pdf.</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
%2</source>
        <translation>Nie udało się zapisać wykresu w %1:
%2</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs. A new run replaces them.

Start a new run?</source>
        <translation>Dane wykresu to zsumowane przebiegi. Nowy przebieg je zastąpi.

Rozpocząć nowy przebieg?</translation>
    </message>
    <message>
        <source>%1 page</source>
        <extracomment>What a screen reader says when a page opens; %1 is the page&apos;s name</extracomment>
        <translation>Strona %1</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>What a screen reader says as a menu of the menu bar opens; %1 is the menu&apos;s name</extracomment>
        <translation>Menu %1</translation>
    </message>
    <message>
        <source>%1, changes not saved</source>
        <extracomment>What a screen reader reads as the window&apos;s title while the lesson has unsaved changes; %1 is the title</extracomment>
        <translation>%1, zmiany niezapisane</translation>
    </message>
    <message>
        <source>The counts of this run have not been saved. Save them as a lesson?</source>
        <translation>Liczby z tego przebiegu nie zostały zapisane. Zapisać je jako lekcję?</translation>
    </message>
    <message>
        <source>The graph was printed into %1.</source>
        <extracomment>Said and shown after printing into a file; %1 is the file</extracomment>
        <translation>Wykres wydrukowano do pliku %1.</translation>
    </message>
    <message>
        <source>The graph went to the printer %1.</source>
        <extracomment>Said and shown after printing; %1 is the printer&apos;s name</extracomment>
        <translation>Wykres wysłano do drukarki %1.</translation>
    </message>
    <message>
        <source>Fits this screen: %1 %</source>
        <extracomment>View &gt; Size: the largest size that fits the screen; %1 is that size in percent</extracomment>
        <translation>Dopasowany do tego ekranu: %1%</translation>
    </message>
    <message>
        <source>Fits this screen: none</source>
        <translation>Dopasowany do tego ekranu: brak</translation>
    </message>
    <message>
        <source>Needs a screen of at least %1 × %2 pixels</source>
        <extracomment>Tooltip of a size that does not fit the screen; %1 × %2 is the screen it needs, in pixels</extracomment>
        <translation>Wymaga ekranu o rozmiarze co najmniej %1 × %2 pikseli</translation>
    </message>
    <message>
        <source>In a web browser, Print Graph gives the page as a PDF download; the browser opens it and prints it on the printer chosen there.</source>
        <translation>W przeglądarce internetowej „Drukuj wykres” daje stronę jako plik PDF do pobrania; przeglądarka otwiera go i drukuje na wybranej w niej drukarce.</translation>
    </message>
    <message>
        <source>Copy Lesson &amp;Link</source>
        <translation>Kopiuj li&amp;nk do lekcji</translation>
    </message>
    <message>
        <source>The link to this lesson is on the clipboard. Paste it into a class page or a message: opening it opens this lesson, at this step, in a browser.</source>
        <translation>Odnośnik do tej lekcji jest w schowku. Można go wkleić na stronę klasy lub do wiadomości: otwarcie go otwiera tę lekcję, w tym kroku, w przeglądarce.</translation>
    </message>
</context>
<context>
    <name>vestor::MenuItem</name>
    <message>
        <source>not checked</source>
        <extracomment>What a screen reader adds to a menu item that can be ticked and is not</extracomment>
        <translation>nie zaznaczone</translation>
    </message>
</context>
<context>
    <name>vestor::Notifier</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Odrzuć</translation>
    </message>
</context>
<context>
    <name>vestor::ReadFileText</name>
    <message>
        <source>it is not a file</source>
        <translation>to nie jest plik</translation>
    </message>
</context>
<context>
    <name>vestor::TGetDataFR</name>
    <message>
        <source>First Decay Value </source>
        <translation>Pierwszy próg </translation>
    </message>
    <message>
        <source>Second Decay Value </source>
        <translation>Drugi próg </translation>
    </message>
    <message>
        <source>Third Decay Value </source>
        <translation>Trzeci próg </translation>
    </message>
    <message>
        <source>Fourth Decay Value </source>
        <translation>Czwarty próg </translation>
    </message>
    <message>
        <source>Fifth Decay Value </source>
        <translation>Piąty próg </translation>
    </message>
    <message>
        <source>Set Data</source>
        <translation>Ustaw dane</translation>
    </message>
    <message>
        <source>Decay Rate</source>
        <translation>Szansa na krok</translation>
    </message>
    <message>
        <source>Dice Box</source>
        <translation>Kostka</translation>
    </message>
    <message>
        <source>Number Particles</source>
        <translation>Liczba cząstek</translation>
    </message>
    <message>
        <source>Number of Sides on Dice</source>
        <translation>Ścianki kostki</translation>
    </message>
    <message>
        <source>Particle %1</source>
        <translation>Cząstka %1</translation>
    </message>
    <message>
        <source>Chance of decay of particle %1, percent</source>
        <translation>Prawdopodobieństwo rozpadu cząstki %1, w procentach</translation>
    </message>
    <message>
        <source>Sets the chance in percent that particle %1 decays in one step</source>
        <translation>Ustawia prawdopodobieństwo w procentach, że cząstka %1 rozpadnie się w jednym kroku</translation>
    </message>
    <message>
        <source>Decay value of particle %1</source>
        <translation>Próg kostki cząstki %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which particle %1 decays</source>
        <translation>Ustawia najwyższy wynik rzutu kostką, przy którym cząstka %1 się rozpada</translation>
    </message>
    <message>
        <source>Number of particle %1</source>
        <translation>Liczba cząstek %1</translation>
    </message>
    <message>
        <source>Sets how many of particle %1 the chamber holds at the start</source>
        <translation>Ustawia, ile cząstek %1 jest w komorze na początku</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Liczba ścianek kostki</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Ustawia, ile ścianek ma kostka; żaden próg nie może być większy</translation>
    </message>
    <message>
        <source>Length of Decay chain</source>
        <translation>Długość szeregu</translation>
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
        <translation>Nazywam się ....</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Pojawi się na wydruku</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
