<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>LabReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 or less (%2)</source>
        <translation>%1 ou moins (%2)</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 pas</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Meilleur ajustement</translation>
    </message>
    <message>
        <source>Chance per step</source>
        <translation>Probabilité par pas</translation>
    </message>
    <message>
        <source>Conclusion</source>
        <extracomment>Lab report: heading of the ruled lines where the student writes a conclusion</extracomment>
        <translation>Conclusion</translation>
    </message>
    <message>
        <source>Count (logarithmic)</source>
        <extracomment>Lab report graph: title of the count axis</extracomment>
        <translation>Nombre (logarithmique)</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Data: counts at each time</source>
        <translation>Données : nombres à chaque instant</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Before the date on the lab report</extracomment>
        <translation>Date : %1</translation>
    </message>
    <message>
        <source>Nuclides in the decay series: %1. Each decays into the next, the last into a stable product.</source>
        <extracomment>Lab report: how many nuclides the decay series has</extracomment>
        <translation>Nucléides de la chaîne : %1. Chacun se désintègre en le suivant, le dernier en un produit stable.</translation>
    </message>
    <message>
        <source>Differences of T½ in steps</source>
        <translation>Écarts de T½ en pas</translation>
    </message>
    <message>
        <source>Expected count, in the band where 95 % of runs fall</source>
        <translation>Nombre attendu, dans la bande où tombent 95&#xa0;% des essais</translation>
    </message>
    <message>
        <source>Graph data: the sums of saved runs (%1): %2.</source>
        <translation>Données du graphique : les sommes d’essais enregistrés (%1) : %2.</translation>
    </message>
    <message>
        <source>Graph data: the sums of pooled saved runs.</source>
        <translation>Données du graphique : les sommes d’essais enregistrés cumulés.</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Half-life of nuclide 1</source>
        <translation>Demi-vie du nucléide 1</translation>
    </message>
    <message>
        <source>Half-life</source>
        <translation>Demi-vie</translation>
    </message>
    <message>
        <source>Half-lives in time steps; A is the count at time 0.</source>
        <translation>Demi-vies en pas de temps ; A est le nombre à l’instant 0.</translation>
    </message>
    <message>
        <source>Initial number</source>
        <translation>Nombre initial</translation>
    </message>
    <message>
        <source>Made with %1 %2</source>
        <extracomment>The program&apos;s name and version, at the top right of the lab report</extracomment>
        <translation>Réalisé avec %1 %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>Before the student&apos;s name on the lab report</extracomment>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Nuclide %1</source>
        <translation>Nucléide %1</translation>
    </message>
    <message>
        <source>Nuclide</source>
        <translation>Nucléide</translation>
    </message>
    <message>
        <source>Predicted from the chance of %1</source>
        <translation>Prévue d’après la probabilité de %1</translation>
    </message>
    <message>
        <source>Radioactive Decay: Lab Report</source>
        <extracomment>Title of the printed lab report</extracomment>
        <translation>Désintégration radioactive : compte rendu de TP</translation>
    </message>
    <message>
        <source>Settings of the run</source>
        <translation>Réglages de l’essai</translation>
    </message>
    <message>
        <source>The report could not be drawn.</source>
        <translation>Le compte rendu n’a pas pu être dessiné.</translation>
    </message>
    <message>
        <source>Time (steps)</source>
        <extracomment>Lab report graph: title of the time axis</extracomment>
        <translation>Temps (pas)</translation>
    </message>
    <message>
        <source>Your model (scroll bars)</source>
        <extracomment>Lab report: the model curve the student set with the two scroll bars</extracomment>
        <translation>Votre modèle (barres de défilement)</translation>
    </message>
    <message>
        <source>Your model</source>
        <translation>Votre modèle</translation>
    </message>
    <message>
        <source>best fit − predicted</source>
        <translation>meilleur ajustement − prévue</translation>
    </message>
    <message>
        <source>no estimate, %1</source>
        <translation>pas d’estimation, %1</translation>
    </message>
    <message>
        <source>your model − best fit</source>
        <translation>votre modèle − meilleur ajustement</translation>
    </message>
    <message>
        <source>your model − predicted</source>
        <translation>votre modèle − prévue</translation>
    </message>
    <message numerus="yes">
        <source>Chances by a die of %n sides: a particle decays when the die shows its decay value or less.</source>
        <translation>
            <numerusform>Tirage par un dé à %n face : une particule se désintègre quand le dé affiche sa valeur de désintégration ou moins.</numerusform>
            <numerusform>Tirage par un dé à %n faces : une particule se désintègre quand le dé affiche sa valeur de désintégration ou moins.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best fit from %n points</source>
        <translation>
            <numerusform>Meilleur ajustement sur %n point</numerusform>
            <numerusform>Meilleur ajustement sur %n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No usable printer is available.</source>
        <translation>Aucune imprimante utilisable n&apos;est disponible.</translation>
    </message>
    <message>
        <source>The printer %1 refused the document.</source>
        <translation>L&apos;imprimante %1 a refusé le document.</translation>
    </message>
    <message>
        <source>Printed by: </source>
        <extracomment>First line of a printed graph, before the student&apos;s name</extracomment>
        <translation>Imprimé par : </translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>Le document n&apos;a pas pu être terminé.</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>L&apos;image n&apos;a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>The graph could not be printed into %1: %2.</source>
        <translation>Le graphique n&apos;a pas pu être imprimé dans %1 : %2.</translation>
    </message>
    <message>
        <source>the document could not be written in full</source>
        <translation>le document n&apos;a pas pu être écrit en entier</translation>
    </message>
    <message>
        <source>This copy of Vestor cannot write SVG drawings.</source>
        <translation>Cette version de Vestor ne peut pas enregistrer de dessins SVG.</translation>
    </message>
    <message>
        <source>The report could not be printed into %1: %2.</source>
        <translation>Le compte rendu n’a pas pu être imprimé dans %1 : %2.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>there is not enough room for it: the disk is full, or the file would be larger than this computer allows</source>
        <translation>il n’y a pas assez de place : le disque est plein, ou le fichier serait plus grand que ce que cet ordinateur permet</translation>
    </message>
    <message>
        <source>%1, and the file that was there could not be put back as it was</source>
        <translation>%1, et le fichier qui s’y trouvait n’a pas pu être remis dans son état d’origine</translation>
    </message>
    <message>
        <source>the file there is too large to be replaced in this folder</source>
        <translation>le fichier qui s’y trouve est trop grand pour être remplacé dans ce dossier</translation>
    </message>
</context>
<context>
    <name>SavedRunPooler</name>
    <message>
        <source>Pool Saved Runs</source>
        <translation>Cumuler des essais enregistrés</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Nothing was pooled; the graph data are as they were.

%1</source>
        <translation>Rien n&apos;a été cumulé ; les données du graphique sont inchangées.

%1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <source>Times past %1 were left out.</source>
        <translation>Les instants après %1 ont été omis.</translation>
    </message>
    <message>
        <source>A shorter run adds nothing after its last time.</source>
        <translation>Un essai plus court n&apos;ajoute rien après son dernier instant.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>le fichier dépasse 1 Mo</translation>
    </message>
    <message>
        <source>the first line is not the heading &quot;time&quot; and the columns &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>la première ligne n&apos;est pas l&apos;en-tête « time » suivi des colonnes « P1 » .. « P5 »</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is not one of &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>l&apos;en-tête « %1 » n&apos;est pas l&apos;un de « P1 » .. « P5 »</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is there twice</source>
        <translation>l&apos;en-tête « %1 » apparaît deux fois</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from 0 to 2147483647</source>
        <translation>« %1 » n&apos;est pas un nombre entier de 0 à 2147483647</translation>
    </message>
    <message>
        <source>time %1 stands where time %2 belongs; the times must run 0, 1, 2, ... in order</source>
        <translation>l&apos;instant %1 se trouve à la place de l&apos;instant %2 ; les instants doivent suivre 0, 1, 2, ... dans l&apos;ordre</translation>
    </message>
    <message>
        <source>the line has more values than there are headings</source>
        <translation>la ligne a plus de valeurs que d&apos;en-têtes</translation>
    </message>
    <message>
        <source>it has the headings but no counts</source>
        <translation>le fichier a les en-têtes mais aucun nombre</translation>
    </message>
    <message>
        <source>its count of nuclide %1 at time %2 makes the pooled sum larger than 2147483647</source>
        <translation>son nombre du nucléide %1 à l&apos;instant %2 porte la somme au-delà de 2147483647</translation>
    </message>
    <message>
        <source>%1, line %2: %3.</source>
        <translation>%1, ligne %2 : %3.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>%1 has no counts of nuclide %2; it adds nothing to them.</source>
        <translation>%1 n&apos;a aucun nombre du nucléide %2 ; il n&apos;y ajoute rien.</translation>
    </message>
    <message>
        <source>it has the times but no column of counts &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>le fichier a les instants mais aucune colonne de nombres &quot;P1&quot; .. &quot;P5&quot;</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <extracomment>The count of times in &quot;Pooled 2 files: 100 times, 0 to 99.&quot;</extracomment>
        <translation>
            <numerusform>%n instant</numerusform>
            <numerusform>%n instants</numerusform>
        </translation>
    </message>
    <message>
        <source>Pooled 1 file: %1, 0 to %2.</source>
        <translation>1 fichier cumulé : %1, de 0 à %2.</translation>
    </message>
    <message numerus="yes">
        <source>Pooled %n files: %1, 0 to %2.</source>
        <translation>
            <numerusform>%n fichier cumulé : %1, de 0 à %2.</numerusform>
            <numerusform>%n fichiers cumulés : %1, de 0 à %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved runs (*.txt *.csv *.tsv)</source>
        <translation>Essais enregistrés (*.txt *.csv *.tsv)</translation>
    </message>
    <message numerus="yes">
        <source>%1 has empty cells (%n); they add nothing.</source>
        <translation>
            <numerusform>%1 a %n cellule vide ; elle n’ajoute rien.</numerusform>
            <numerusform>%1 a %n cellules vides ; elles n’ajoutent rien.</numerusform>
        </translation>
    </message>
    <message>
        <source>the time is missing</source>
        <translation>l’instant manque</translation>
    </message>
</context>
<context>
    <name>vestor::AboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Vestor : pour le TP ou la démonstration.</translation>
    </message>
</context>
<context>
    <name>vestor::Announcer</name>
    <message>
        <source>half-life</source>
        <extracomment>The half-life in words, read by a screen reader where the screen shows the symbol T½</extracomment>
        <translation>demi-vie</translation>
    </message>
    <message>
        <source>Downloaded as %1.</source>
        <extracomment>Said and shown in a web browser after a file was handed to the browser; %1 is the file&apos;s name</extracomment>
        <translation>Téléchargé sous le nom %1.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <extracomment>Said and shown after a lesson was opened; %1 is the file (with its folder, outside a web browser)</extracomment>
        <translation>Ouvert&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>Said and shown after a file was saved; %1 is the file with its folder</extracomment>
        <translation>Enregistré dans %1.</translation>
    </message>
</context>
<context>
    <name>vestor::BarField</name>
    <message>
        <source>Type a value and press Enter, or click elsewhere, to move the bar there</source>
        <translation>Tapez une valeur et appuyez sur Entrée, ou cliquez ailleurs, pour y placer la barre</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1 : « %2 » n&apos;est pas un nombre entier de %3 à %4. Le champ affiche de nouveau la valeur de la barre.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1 : « %2 » n&apos;est pas un nombre de %3 à %4. Le champ affiche de nouveau la valeur de la barre.</translation>
    </message>
</context>
<context>
    <name>vestor::ChamberPage</name>
    <message>
        <source>Active</source>
        <extracomment>Caption above the decay chamber, which holds the particles not yet decayed</extracomment>
        <translation>Actives</translation>
    </message>
    <message>
        <source>Decayed</source>
        <extracomment>Caption above the panel of decayed particles taken out of the chamber</extracomment>
        <translation>Désintégrées</translation>
    </message>
    <message>
        <source>Decay chamber</source>
        <translation>Chambre de désintégration</translation>
    </message>
    <message>
        <source>Decayed particles</source>
        <translation>Particules désintégrées</translation>
    </message>
    <message>
        <source>The decayed particles taken out of the chamber, stacked from the top</source>
        <translation>Les particules désintégrées retirées de la chambre, empilées depuis le haut</translation>
    </message>
    <message>
        <source>black</source>
        <translation>en noir</translation>
    </message>
    <message>
        <source>red</source>
        <translation>en rouge</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>en vert vif</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>en bleu clair</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>en bleu canard</translation>
    </message>
    <message>
        <source>Colour of nuclide %1</source>
        <translation>Couleur du nucléide %1</translation>
    </message>
    <message>
        <source>Particles of nuclide %1 are drawn %2 in the chamber</source>
        <translation>Les particules du nucléide %1 sont dessinées %2 dans la chambre</translation>
    </message>
    <message>
        <source>Count of nuclide %1</source>
        <translation>Nombre du nucléide %1</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Re&amp;mise à 0</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Button: take the decayed particles out of the chamber</extracomment>
        <translation>&amp;Enlever</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Button: advance one time step</extracomment>
        <translation>Tem&amp;ps</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>Automate</source>
        <extracomment>Check box: step time and remove decayed particles by itself once a second</extracomment>
        <translation>Mode auto</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>vermilion</source>
        <translation>en vermillon</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>en bleu</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>en violet</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>en gris</translation>
    </message>
    <message>
        <source>nuclide %1, %2</source>
        <extracomment>What a screen reader says for one nuclide&apos;s count after a time step</extracomment>
        <translation>nucléide %1, %2</translation>
    </message>
    <message>
        <source>Time %1: %2.</source>
        <extracomment>What a screen reader says after each time step: the time, then each nuclide&apos;s count</extracomment>
        <translation>Instant %1 : %2.</translation>
    </message>
    <message>
        <source>Remove the decayed particles first.</source>
        <translation>Retirez d&apos;abord les particules désintégrées.</translation>
    </message>
    <message>
        <source>No active particles are left.</source>
        <translation>Il ne reste aucune particule active.</translation>
    </message>
    <message>
        <source>The run has recorded its 100 times.</source>
        <translation>L&apos;essai a enregistré ses 100 instants.</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs: Reset starts a new run.</source>
        <translation>Les données du graphique sont les essais cumulés : Remise à 0 commence un nouvel essai.</translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles wait to be removed; %1.</source>
        <translation>
            <numerusform>%n particule désintégrée attend d&apos;être retirée ; %1.</numerusform>
            <numerusform>%n particules désintégrées attendent d&apos;être retirées ; %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n have been taken out</source>
        <translation>
            <numerusform>%n a été retirée</numerusform>
            <numerusform>%n ont été retirées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles removed.</source>
        <translation>
            <numerusform>%n particule désintégrée retirée.</numerusform>
            <numerusform>%n particules désintégrées retirées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vestor::ConfigPage</name>
    <message>
        <source>1st Decay Value </source>
        <extracomment>Die throw at or below which nuclide n decays; keep the trailing space</extracomment>
        <translation>1er seuil du dé </translation>
    </message>
    <message>
        <source>2nd Decay Value </source>
        <translation>2e seuil du dé </translation>
    </message>
    <message>
        <source>3rd Decay Value </source>
        <translation>3e seuil du dé </translation>
    </message>
    <message>
        <source>4th Decay Value </source>
        <translation>4e seuil du dé </translation>
    </message>
    <message>
        <source>5th Decay Value </source>
        <translation>5e seuil du dé </translation>
    </message>
    <message>
        <source>Radioactive Decay Chamber Settings Configuration</source>
        <translation>Réglages de la chambre de désintégration radioactive</translation>
    </message>
    <message>
        <source>Use the Scrollbars to Adjust Values</source>
        <translation>Réglez les valeurs avec les barres de défilement</translation>
    </message>
    <message>
        <source>Steps in Decay Series</source>
        <extracomment>Caption of the choice of how many nuclides the decay chain has (1 to 5)</extracomment>
        <translation>Nucléides de la chaîne</translation>
    </message>
    <message>
        <source>Type of Decay</source>
        <translation>Mode de tirage</translation>
    </message>
    <message>
        <source> &amp;Percentage</source>
        <extracomment>Decay type: the chance of decay per time step given as a percentage</extracomment>
        <translation> &amp;Pourcentage</translation>
    </message>
    <message>
        <source> &amp;Dice</source>
        <extracomment>Decay type: the chance of decay given by a throw of a die</extracomment>
        <translation> Dé&amp;s</translation>
    </message>
    <message>
        <source>Graph Equation</source>
        <translation>Équation du graphique</translation>
    </message>
    <message>
        <source> &amp;Show Equation</source>
        <translation> Afficher l&apos;é&amp;quation</translation>
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
        <translation>Probabilité de désintégration</translation>
    </message>
    <message>
        <source>Nuclide %1</source>
        <translation>Nucléide %1</translation>
    </message>
    <message>
        <source>Chance of decay of nuclide %1, percent</source>
        <translation>Probabilité de désintégration du nucléide %1, en pour cent</translation>
    </message>
    <message>
        <source>Sets the chance in percent that a particle of nuclide %1 decays in one time step</source>
        <translation>Règle la probabilité en pour cent qu&apos;une particule du nucléide %1 se désintègre en un pas de temps</translation>
    </message>
    <message>
        <source>Chance of Decay</source>
        <translation>Probabilité de désintégration</translation>
    </message>
    <message>
        <source># of Sides on Die</source>
        <extracomment>Number of sides of the die thrown for every particle</extracomment>
        <translation>Faces du dé</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Nombre de faces du dé</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Règle le nombre de faces du dé ; aucun seuil ne peut être plus grand</translation>
    </message>
    <message>
        <source>Decay value of nuclide %1</source>
        <translation>Seuil du dé du nucléide %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which a particle of nuclide %1 decays</source>
        <translation>Règle le plus grand résultat du dé pour lequel une particule du nucléide %1 se désintègre</translation>
    </message>
    <message>
        <source>Initial Number</source>
        <extracomment>Group title: how many particles of each nuclide the chamber holds at the start</extracomment>
        <translation>Nombre initial</translation>
    </message>
    <message>
        <source>Initial number of nuclide %1</source>
        <translation>Nombre initial du nucléide %1</translation>
    </message>
    <message>
        <source>Sets how many particles of nuclide %1 the chamber holds at the start, 1000 in all at most</source>
        <translation>Règle le nombre de particules du nucléide %1 dans la chambre au départ, 1000 au plus en tout</translation>
    </message>
    <message>
        <source>T½ = %1 steps</source>
        <translation>T½ = %1 pas</translation>
    </message>
    <message>
        <source>The teacher has locked these settings (Extras ▸ Lock Settings).</source>
        <translation>L&apos;enseignant a verrouillé ces réglages (Extras ▸ Verrouiller les réglages).</translation>
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
        <translation>Tableau des données recueillies</translation>
    </message>
    <message>
        <source>Select Data to be displayed</source>
        <translation>Choisissez les données à afficher</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation> Nucléide %1</translation>
    </message>
    <message>
        <source>Collected data</source>
        <translation>Données recueillies</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>C&amp;opy Highlighted</source>
        <extracomment>Button: copy the selected part of the table</extracomment>
        <translation>Co&amp;pier la sélection</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>Copier to&amp;ut</translation>
    </message>
    <message>
        <source>Save Data as Text</source>
        <translation>Enregistrer les données en texte</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texte (*.txt)</translation>
    </message>
    <message>
        <source>The data could not be saved to %1:
%2</source>
        <translation>Les données n&apos;ont pas pu être enregistrées dans %1 :
%2</translation>
    </message>
</context>
<context>
    <name>vestor::GraphEditorPage</name>
    <message>
        <source>Use this page to modify the Graphing Data.  To Set the Decay Values, use the Configuration page.</source>
        <translation>Cette page modifie les données du graphique. Les probabilités de désintégration se règlent dans la page Configuration.</translation>
    </message>
    <message>
        <source>Number of Data Points:</source>
        <translation>Nombre de points :</translation>
    </message>
    <message>
        <source>Number of data points</source>
        <translation>Nombre de points de mesure</translation>
    </message>
    <message>
        <source>Sets how many recorded times the graph and the data table show</source>
        <translation>Règle combien d&apos;instants enregistrés le graphique et le tableau affichent</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Caption of the choice of nuclide whose counts are shown below</extracomment>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Nuclide 1</source>
        <translation>Nucléide 1</translation>
    </message>
    <message>
        <source>Nuclide 2</source>
        <translation>Nucléide 2</translation>
    </message>
    <message>
        <source>Nuclide 3</source>
        <translation>Nucléide 3</translation>
    </message>
    <message>
        <source>Nuclide 4</source>
        <translation>Nucléide 4</translation>
    </message>
    <message>
        <source>Nuclide 5</source>
        <translation>Nucléide 5</translation>
    </message>
    <message>
        <source>Nuclide 1&apos;s Data</source>
        <translation>Données du nucléide 1</translation>
    </message>
    <message>
        <source>Initial Count</source>
        <extracomment>The count at time 0</extracomment>
        <translation>Nombre initial</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Instants affichés</translation>
    </message>
    <message>
        <source>Scrolls the fifteen count fields through the recorded times</source>
        <translation>Fait défiler les quinze champs de nombres sur les instants enregistrés</translation>
    </message>
    <message>
        <source>%1´s Data</source>
        <extracomment>Title of the group of count fields; %1 is the chosen &quot;Nuclide n&quot;</extracomment>
        <translation>Données du %1</translation>
    </message>
    <message>
        <source>Enter an integer!!</source>
        <translation>Entrez un nombre entier, sans espace entre les milliers.</translation>
    </message>
    <message>
        <source>Count of nuclide %1 at time %2</source>
        <extracomment>What a screen reader calls a count field of the graph data editor</extracomment>
        <translation>Nombre du nucléide %1 à l&apos;instant %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no whole number; the field shows %3.</source>
        <extracomment>Said after &quot;Enter an integer!!&quot;: the field refused, what was typed and what it shows now</extracomment>
        <translation>%1 : « %2 » n&apos;est pas un nombre entier ; le champ affiche %3.</translation>
    </message>
</context>
<context>
    <name>vestor::GraphPage</name>
    <message>
        <source>a count is not a number of particles</source>
        <translation>une valeur relevée n&apos;est pas un nombre de particules possible</translation>
    </message>
    <message>
        <source>fewer than three usable points</source>
        <translation>moins de trois points utilisables</translation>
    </message>
    <message>
        <source>the counts do not fall</source>
        <translation>les nombres relevés ne diminuent pas</translation>
    </message>
    <message>
        <source>Change Initial Count</source>
        <extracomment>Caption of the scroll bar that sets the initial count A of the model curve</extracomment>
        <translation>Changer le nombre initial</translation>
    </message>
    <message>
        <source>Half-life of the model curve</source>
        <translation>Demi-vie de la courbe modèle</translation>
    </message>
    <message>
        <source>Sets the half-life of the model curve drawn over nuclide 1&apos;s counts; the equation above the graph shows it</source>
        <translation>Règle la demi-vie de la courbe modèle tracée sur les nombres du nucléide 1 ; l&apos;équation au-dessus du graphique l&apos;affiche</translation>
    </message>
    <message>
        <source>Decay graph</source>
        <translation>Graphique de désintégration</translation>
    </message>
    <message>
        <source>Initial count of the model curve</source>
        <translation>Nombre initial de la courbe modèle</translation>
    </message>
    <message>
        <source>Moves the initial count of the model curve up or down; the equation above the graph shows it</source>
        <translation>Déplace le nombre initial de la courbe modèle vers le haut ou le bas ; l&apos;équation au-dessus du graphique l&apos;affiche</translation>
    </message>
    <message>
        <source>Start of the model curve</source>
        <translation>Début de la courbe modèle</translation>
    </message>
    <message>
        <source>Marks where the model curve starts, at time 0</source>
        <translation>Marque le début de la courbe modèle, à l&apos;instant 0</translation>
    </message>
    <message>
        <source>C o u n t </source>
        <extracomment>Title of the vertical axis, written downwards one letter a line in 8 pixels: a space after each letter, at most five narrow letters (an m or w is cut)</extracomment>
        <translation>N b r e </translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>Title of the horizontal axis of the graph</extracomment>
        <translation>temps</translation>
    </message>
    <message>
        <source>Graph the Indicated Nuclides</source>
        <translation>Tracer les nucléides cochés</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation>Nucl. %1</translation>
    </message>
    <message>
        <source>Curve read-out</source>
        <translation>Lecture sur la courbe</translation>
    </message>
    <message>
        <source>The time and the model&apos;s count at the point pressed on the graph</source>
        <translation>Le temps et le nombre du modèle au point cliqué sur le graphique</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Best fit</source>
        <extracomment>Check box: show the computed best fit of T½ and A to nuclide 1&apos;s counts</extracomment>
        <translation>Meilleur ajustement</translation>
    </message>
    <message>
        <source>Expected</source>
        <extracomment>Check box: draw the expected count of each nuclide</extracomment>
        <translation>Attendu</translation>
    </message>
    <message>
        <source>Fit the model to nuclide 1&apos;s counts and show the estimate with its standard error</source>
        <translation>Ajuster le modèle aux nombres du nucléide 1 et afficher l&apos;estimation avec son incertitude-type</translation>
    </message>
    <message>
        <source>&amp;Use fit</source>
        <extracomment>Button: move the two scroll bars to the best fit</extracomment>
        <translation>&amp;Utiliser</translation>
    </message>
    <message>
        <source>Move the two scroll bars to the computed fit</source>
        <translation>Placer les deux barres de défilement sur l&apos;ajustement calculé</translation>
    </message>
    <message>
        <source>Best fit of nuclide 1: no estimate, %1.</source>
        <translation>Meilleur ajustement du nucléide 1 : pas d&apos;estimation, %1.</translation>
    </message>
    <message>
        <source> The half-life lies beyond the scroll bar&apos;s range.</source>
        <translation> La demi-vie dépasse la plage de la barre.</translation>
    </message>
    <message>
        <source> The initial count lies beyond the scroll bar&apos;s reach.</source>
        <translation> Le nombre initial dépasse la portée de la barre.</translation>
    </message>
    <message>
        <source> The count rises from time %1 to %2, which decay alone cannot do: the ± does not hold.</source>
        <translation> Le nombre croît de l&apos;instant %1 à %2, impossible par désintégration seule : le ± ne tient pas.</translation>
    </message>
    <message>
        <source>Change Half-life</source>
        <extracomment>Caption of the scroll bar that sets the half-life T½ of the model curve</extracomment>
        <translation>Régler la demi-vie</translation>
    </message>
    <message>
        <source>Draw the expected count of each graphed nuclide, in a band where 95 % of runs fall</source>
        <translation>Tracer le nombre attendu de chaque nucléide affiché, dans une bande où tombent 95&#xa0;% des essais</translation>
    </message>
    <message>
        <source>&amp;Log scale</source>
        <extracomment>Check box: plot the counts on a logarithmic axis, where an exponential decay is a straight line</extracomment>
        <translation>Échelle &amp;logarithmique</translation>
    </message>
    <message>
        <source>Plot the counts on a logarithmic axis: an exponential decay becomes a straight line</source>
        <translation>Porter les nombres sur un axe logarithmique : une décroissance exponentielle devient une droite</translation>
    </message>
    <message>
        <source>Model curve: T½ %1 steps, A %2.</source>
        <extracomment>The model curve as a screen reader says it, after the graph&apos;s points and as a scroll bar moves</extracomment>
        <translation>Courbe modèle : T½ %1 pas, A %2.</translation>
    </message>
    <message>
        <source>Half-life of the model curve, T½ %1 steps</source>
        <extracomment>What a screen reader says for the half-life scroll bar: what it sets and its value</extracomment>
        <translation>Demi-vie de la courbe modèle, T½ %1 pas</translation>
    </message>
    <message>
        <source>Initial count of the model curve, A %1</source>
        <extracomment>What a screen reader says for the initial-count scroll bar: what it sets and its value</extracomment>
        <translation>Nombre initial de la courbe modèle, A %1</translation>
    </message>
    <message>
        <source>Nuclide %1 at times 0 to %2: %3.</source>
        <extracomment>Graph as a screen reader reads it: one nuclide&apos;s counts, time by time</extracomment>
        <translation>Nucléide %1 aux instants 0 à %2 : %3.</translation>
    </message>
    <message>
        <source>Best fit hidden.</source>
        <translation>Meilleur ajustement masqué.</translation>
    </message>
    <message>
        <source>The expected count of each graphed nuclide is drawn as a line, in a band where 95 % of runs fall.</source>
        <translation>Le nombre attendu de chaque nucléide affiché est tracé en ligne, dans une bande où tombent 95&#xa0;% des essais.</translation>
    </message>
    <message>
        <source>The expected counts are hidden.</source>
        <translation>Les nombres attendus sont masqués.</translation>
    </message>
    <message>
        <source>The counts are on a logarithmic axis, where an exponential decay is a straight line.</source>
        <translation>Les nombres sont portés sur un axe logarithmique, où une décroissance exponentielle est une droite.</translation>
    </message>
    <message>
        <source>The counts are on an even axis.</source>
        <translation>Les nombres sont portés sur un axe à graduations régulières.</translation>
    </message>
    <message numerus="yes">
        <source>Best fit of nuclide 1 from %n points:  T½ = %1 ± %2,  A = %3 ± %4</source>
        <translation>
            <numerusform>Meilleur ajustement du nucléide 1 sur %n point :  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
            <numerusform>Meilleur ajustement du nucléide 1 sur %n points :  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
        </translation>
    </message>
    <message>
        <source> The half-life bar moves in steps of 0.025; its nearest position gives T½ = %1.</source>
        <extracomment>After Use fit: why the equation&apos;s half-life differs from the fit&apos;s; %1 is the equation&apos;s</extracomment>
        <translation> La barre de la demi-vie avance par pas de 0,025 ; sa position la plus proche donne T½ = %1.</translation>
    </message>
</context>
<context>
    <name>vestor::HelpWindow</name>
    <message>
        <source>Vestor Help</source>
        <translation>Aide de Vestor</translation>
    </message>
    <message>
        <source>Student&apos;s guide, %1</source>
        <extracomment>What a screen reader calls the guide&apos;s text; %1 is the section it opens at</extracomment>
        <translation>Guide de l&apos;élève, %1</translation>
    </message>
</context>
<context>
    <name>vestor::LessonText</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>missing, or not a group of values</source>
        <translation>absent, ou pas un groupe de valeurs</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>pas un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>ni true ni false</translation>
    </message>
    <message>
        <source>the series has not 1 to 5 nuclides, or the die not 2 to 40 sides</source>
        <translation>la chaîne n&apos;a pas de 1 à 5 nucléides, ou le dé pas de 2 à 40 faces</translation>
    </message>
    <message>
        <source>the chance of decay of nuclide %1 is out of range</source>
        <translation>la probabilité de désintégration du nucléide %1 est hors limites</translation>
    </message>
    <message>
        <source>the initial numbers are not 1 to 1000 particles in all</source>
        <translation>les nombres initiaux ne font pas de 1 à 1000 particules en tout</translation>
    </message>
    <message>
        <source>a time is not 0 to 99</source>
        <translation>un instant n&apos;est pas compris entre 0 et 99</translation>
    </message>
    <message>
        <source>a count is negative</source>
        <translation>un nombre est négatif</translation>
    </message>
    <message>
        <source>the chamber holds more than 1000 particles</source>
        <translation>la chambre contient plus de 1000 particules</translation>
    </message>
    <message>
        <source>the particle order is not the numbers 1 to 1000, each once</source>
        <translation>l&apos;ordre des particules ne contient pas chacun des nombres de 1 à 1000 une seule fois</translation>
    </message>
    <message>
        <source>the size of the particles does not suit their number</source>
        <translation>la taille des particules ne correspond pas à leur nombre</translation>
    </message>
    <message>
        <source>a particle belongs to no nuclide of the series</source>
        <translation>une particule n&apos;appartient à aucun nucléide de la chaîne</translation>
    </message>
    <message>
        <source>a particle lies outside the chamber</source>
        <translation>une particule se trouve hors de la chambre</translation>
    </message>
    <message>
        <source>the number of particles taken out does not match the particles</source>
        <translation>le nombre de particules enlevées ne correspond pas aux particules</translation>
    </message>
    <message>
        <source>the count of nuclide %1 does not match its particles</source>
        <translation>le nombre du nucléide %1 ne correspond pas à ses particules</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>il est plus grand qu&apos;une leçon ne peut l&apos;être</translation>
    </message>
    <message>
        <source>it is not a lesson file (no JSON object at character %1)</source>
        <translation>ce n&apos;est pas un fichier de leçon (pas d&apos;objet JSON au caractère %1)</translation>
    </message>
    <message>
        <source>it is not a lesson file</source>
        <translation>ce n&apos;est pas un fichier de leçon</translation>
    </message>
    <message>
        <source>it has no version number</source>
        <translation>il n&apos;a pas de numéro de version</translation>
    </message>
    <message>
        <source>it was saved by a newer version of the program (lesson version %1); this one reads version %2</source>
        <translation>il a été enregistré par une version plus récente du programme (version %1) ; celle-ci lit la version %2</translation>
    </message>
    <message>
        <source>neither &quot;percent&quot; nor &quot;dice&quot;</source>
        <translation>ni « percent » ni « dice »</translation>
    </message>
    <message>
        <source>neither &quot;e&quot; nor &quot;0.5&quot;</source>
        <translation>ni « e » ni « 0.5 »</translation>
    </message>
    <message>
        <source>row %1 is not a list of 5 counts</source>
        <translation>la ligne %1 n&apos;est pas une liste de 5 nombres</translation>
    </message>
    <message>
        <source>particle %1 is not [nuclide, x, y]</source>
        <translation>la particule %1 n&apos;est pas [nucléide, x, y]</translation>
    </message>
    <message>
        <source>particle %1</source>
        <translation>particule %1</translation>
    </message>
    <message>
        <source>row %1 is not five of the letters - R T P</source>
        <translation>la ligne %1 n&apos;est pas faite de cinq des lettres - R T P</translation>
    </message>
    <message numerus="yes">
        <source>not a list of at most %n items</source>
        <translation>
            <numerusform>pas une liste d&apos;au plus %n élément</numerusform>
            <numerusform>pas une liste d&apos;au plus %n éléments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not a list of %n items</source>
        <translation>
            <numerusform>pas une liste de %n élément</numerusform>
            <numerusform>pas une liste de %n éléments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing, or not a name of at most %n characters</source>
        <translation>
            <numerusform>absent, ou pas un nom d&apos;au plus %n caractère</numerusform>
            <numerusform>absent, ou pas un nom d&apos;au plus %n caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>nuclide %1 is past the end product of the series, yet its count is not the one the run started with</source>
        <translation>le nucléide %1 vient après le produit final de la chaîne, mais son nombre n&apos;est pas celui du début de l&apos;essai</translation>
    </message>
    <message>
        <source>the initial numbers of the run do not give its particles</source>
        <translation>les nombres initiaux ne correspondent pas aux particules de l&apos;essai</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is not 0, yet nobody recorded, typed or pooled it</source>
        <translation>le nombre du nucléide %1 à l&apos;instant %2 n&apos;est pas 0, mais personne ne l&apos;a enregistré, saisi ni cumulé</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is pooled, but the run&apos;s data are not pooled runs</source>
        <translation>le nombre du nucléide %1 à l&apos;instant %2 est cumulé, mais les données de l&apos;essai ne sont pas des essais cumulés</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but pooled runs replaced the run&apos;s data</source>
        <translation>le nombre du nucléide %1 à l&apos;instant %2 est enregistré, mais des essais cumulés ont remplacé les données</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded after the run&apos;s last time</source>
        <translation>le nombre du nucléide %1 à l&apos;instant %2 est enregistré après le dernier instant de l&apos;essai</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but the nuclide is not in the run&apos;s series</source>
        <translation>le nombre du nucléide %1 à l&apos;instant %2 est enregistré, mais le nucléide n&apos;est pas dans la chaîne de l&apos;essai</translation>
    </message>
    <message>
        <source>the recorded count of nuclide %1 at time %2 is not one the run could record</source>
        <translation>le nombre enregistré du nucléide %1 à l&apos;instant %2 n&apos;est pas un nombre que l&apos;essai pouvait enregistrer</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is after the last time typed or pooled</source>
        <translation>le nombre du nucléide %1 à l&apos;instant %2 vient après le dernier instant saisi ou cumulé</translation>
    </message>
    <message>
        <source>the run&apos;s series is not the one the settings choose, and no change of them is waiting</source>
        <translation>la chaîne de l&apos;essai n&apos;est pas celle des réglages, et aucune modification n&apos;est en attente</translation>
    </message>
    <message>
        <source>not a state of the random generator that the program could have saved</source>
        <translation>ce n&apos;est pas un état du générateur aléatoire que le programme aurait pu enregistrer</translation>
    </message>
</context>
<context>
    <name>vestor::MainWindow</name>
    <message>
        <source>Print Re&amp;port…</source>
        <extracomment>Menu item: print the one-page lab report with the graph, the numbers and the data</extracomment>
        <translation>&amp;Imprimer le compte rendu…</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <extracomment>Menu item: save the one-page lab report as a PDF file</extracomment>
        <translation>Enregistrer le compte rendu en &amp;PDF…</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Enregistrer le compte rendu en PDF</translation>
    </message>
    <message>
        <source>The report could not be saved to %1:
%2</source>
        <translation>Le compte rendu n’a pas pu être enregistré dans %1 :
%2</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Decay Chamber</source>
        <translation>C&amp;hambre de désintégration</translation>
    </message>
    <message>
        <source>Collected Data &amp;Table</source>
        <translation>&amp;Tableau des données</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>Edit G&amp;raph Data</source>
        <translation>Modifie&amp;r les données</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Fermer le programme</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy Graph</source>
        <translation>&amp;Copier le graphique</translation>
    </message>
    <message>
        <source>&amp;Print Graph</source>
        <translation>&amp;Imprimer le graphique</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Configurer l&apos;imp&amp;rimante</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Nom de l&apos;élève</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Implied &amp;Half-lives</source>
        <translation>&amp;Demi-vies correspondantes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Pool Saved Runs…</source>
        <translation>&amp;Cumuler des essais enregistrés…</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Dice practical: one nuclide, a six-sided die</source>
        <translation>&amp;TP des dés : un nucléide, un dé à six faces</translation>
    </message>
    <message>
        <source>500 dice; a die that shows 1 has decayed. Half-life about 3.8 throws.</source>
        <translation>500 dés ; un dé qui montre 1 s&apos;est désintégré. Demi-vie d&apos;environ 3,8 lancers.</translation>
    </message>
    <message>
        <source>&amp;Half-life of one step: one nuclide at 50 %</source>
        <translation>&amp;Demi-vie d&apos;un pas : un nucléide à 50&#xa0;%</translation>
    </message>
    <message>
        <source>800 particles with a chance of 50 % a step: the count halves at every step.</source>
        <translation>800 particules avec une probabilité de 50&#xa0;% par pas : le nombre est divisé par deux à chaque pas.</translation>
    </message>
    <message>
        <source>&amp;Fast parent, slow daughter</source>
        <translation>&amp;Père rapide, fils lent</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 30 % a step into nuclide 2, which decays at 5 %: the daughter builds up, then decays slowly.</source>
        <translation>Le nucléide 1 se désintègre à 30&#xa0;% par pas en nucléide 2, qui se désintègre à 5&#xa0;% : le fils s&apos;accumule, puis décroît lentement.</translation>
    </message>
    <message>
        <source>&amp;Slow parent, fast daughter</source>
        <translation>Père &amp;lent, fils rapide</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 5 % a step into nuclide 2, which decays at 40 %: the daughter soon follows its parent&apos;s half-life.</source>
        <translation>Le nucléide 1 se désintègre à 5&#xa0;% par pas en nucléide 2, qui se désintègre à 40&#xa0;% : le fils suit bientôt la demi-vie du père.</translation>
    </message>
    <message>
        <source>Fi&amp;ve-member series by dice</source>
        <translation>Chaîne de &amp;cinq nucléides aux dés</translation>
    </message>
    <message>
        <source>A ten-sided die; nuclide 1 decays on 2 or less, the others on 3, 1, 4 and 2; 500 particles of nuclide 1.</source>
        <translation>Un dé à dix faces ; le nucléide 1 se désintègre sur 2 ou moins, les autres sur 3, 1, 4 et 2 ; 500 particules du nucléide 1.</translation>
    </message>
    <message>
        <source>&amp;Lock Settings</source>
        <translation>&amp;Verrouiller les réglages</translation>
    </message>
    <message>
        <source>Makes the Configuration page read-only until it is unlocked here</source>
        <translation>Met la page Configuration en lecture seule jusqu&apos;à ce qu&apos;elle soit déverrouillée ici</translation>
    </message>
    <message>
        <source>Lessons (*.vestor)</source>
        <translation>Leçons (*.vestor)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Lesson…</source>
        <translation>&amp;Ouvrir une leçon…</translation>
    </message>
    <message>
        <source>&amp;Save Lesson</source>
        <translation>&amp;Enregistrer la leçon</translation>
    </message>
    <message>
        <source>Save Lesson &amp;As…</source>
        <translation>Enregistrer la leçon &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Recent Lessons</source>
        <translation>Leçons &amp;récentes</translation>
    </message>
    <message>
        <source>E&amp;xamples</source>
        <translation>E&amp;xemples</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vue</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Prend effet au prochain démarrage</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>il est plus grand qu&apos;une leçon ne peut l&apos;être</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; cannot be opened: %2.</source>
        <translation>La leçon « %1 » ne peut pas être ouverte : %2.</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; was not saved: %2.</source>
        <translation>La leçon « %1 » n&apos;a pas été enregistrée : %2.</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Enregistrer la leçon</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changed. Save the changes?</source>
        <translation>La leçon « %1 » a été modifiée. Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Save Graph &amp;As…</source>
        <extracomment>Menu item: save the graph as a PNG, SVG or PDF file</extracomment>
        <translation>Enregistrer le graphique &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Colour-blind Safe Colours</source>
        <translation>Couleurs pour dal&amp;toniens</translation>
    </message>
    <message>
        <source>Save Graph As</source>
        <translation>Enregistrer le graphique sous</translation>
    </message>
    <message>
        <source>PNG picture, twice the size (*.png)</source>
        <translation>Image PNG, taille double (*.png)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
the name must end in .png, .svg or .pdf.</source>
        <translation>Le graphique n&apos;a pas pu être enregistré dans %1 :
le nom doit se terminer par .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
%2</source>
        <translation>Le graphique n&apos;a pas pu être enregistré dans %1 :
%2</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs. A new run replaces them.

Start a new run?</source>
        <translation>Les données du graphique sont les essais cumulés. Un nouvel essai les remplace.

Commencer un nouvel essai ?</translation>
    </message>
    <message>
        <source>%1 page</source>
        <extracomment>What a screen reader says when a page opens; %1 is the page&apos;s name</extracomment>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>What a screen reader says as a menu of the menu bar opens; %1 is the menu&apos;s name</extracomment>
        <translation>Menu %1</translation>
    </message>
    <message>
        <source>%1, changes not saved</source>
        <extracomment>What a screen reader reads as the window&apos;s title while the lesson has unsaved changes; %1 is the title</extracomment>
        <translation>%1, modifications non enregistrées</translation>
    </message>
    <message>
        <source>The counts of this run have not been saved. Save them as a lesson?</source>
        <translation>Les nombres de cet essai n’ont pas été enregistrés. Les enregistrer comme leçon ?</translation>
    </message>
    <message>
        <source>The graph was printed into %1.</source>
        <extracomment>Said and shown after printing into a file; %1 is the file</extracomment>
        <translation>Le graphique a été imprimé dans %1.</translation>
    </message>
    <message>
        <source>The graph went to the printer %1.</source>
        <extracomment>Said and shown after printing; %1 is the printer&apos;s name</extracomment>
        <translation>Le graphique a été envoyé à l&apos;imprimante %1.</translation>
    </message>
    <message>
        <source>Fits this screen: %1 %</source>
        <extracomment>View &gt; Size: the largest size that fits the screen; %1 is that size in percent</extracomment>
        <translation>Adaptée à cet écran : %1&#xa0;%</translation>
    </message>
    <message>
        <source>Fits this screen: none</source>
        <translation>Adaptée à cet écran : aucune</translation>
    </message>
    <message>
        <source>Needs a screen of at least %1 × %2 pixels</source>
        <extracomment>Tooltip of a size that does not fit the screen; %1 × %2 is the screen it needs, in pixels</extracomment>
        <translation>Nécessite un écran d&apos;au moins %1 × %2 pixels</translation>
    </message>
    <message>
        <source>In a web browser, Print Graph gives the page as a PDF download; the browser opens it and prints it on the printer chosen there.</source>
        <translation>Dans un navigateur web, « Imprimer le graphique » donne la page en PDF à télécharger ; le navigateur l’ouvre et l’imprime sur l’imprimante choisie dans le navigateur.</translation>
    </message>
    <message>
        <source>Copy Lesson &amp;Link</source>
        <translation>Copier le &amp;lien de la leçon</translation>
    </message>
    <message>
        <source>The link to this lesson is on the clipboard. Paste it into a class page or a message: opening it opens this lesson, at this step, in a browser.</source>
        <translation>Le lien vers cette leçon est dans le presse-papiers. Il se colle dans une page de classe ou un message : l’ouvrir ouvre cette leçon, à cette étape, dans un navigateur.</translation>
    </message>
</context>
<context>
    <name>vestor::MenuItem</name>
    <message>
        <source>not checked</source>
        <extracomment>What a screen reader adds to a menu item that can be ticked and is not</extracomment>
        <translation>non coché</translation>
    </message>
</context>
<context>
    <name>vestor::Notifier</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>Ne &amp;pas enregistrer</translation>
    </message>
</context>
<context>
    <name>vestor::ReadFileText</name>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
</context>
<context>
    <name>vestor::TGetDataFR</name>
    <message>
        <source>First Decay Value </source>
        <translation>1er seuil du dé </translation>
    </message>
    <message>
        <source>Second Decay Value </source>
        <translation>2e seuil du dé </translation>
    </message>
    <message>
        <source>Third Decay Value </source>
        <translation>3e seuil du dé </translation>
    </message>
    <message>
        <source>Fourth Decay Value </source>
        <translation>4e seuil du dé </translation>
    </message>
    <message>
        <source>Fifth Decay Value </source>
        <translation>5e seuil du dé </translation>
    </message>
    <message>
        <source>Set Data</source>
        <translation>Régler les données</translation>
    </message>
    <message>
        <source>Decay Rate</source>
        <translation>Probabilité par pas</translation>
    </message>
    <message>
        <source>Dice Box</source>
        <translation>Dé</translation>
    </message>
    <message>
        <source>Number Particles</source>
        <translation>Nombre de particules</translation>
    </message>
    <message>
        <source>Number of Sides on Dice</source>
        <translation>Faces du dé</translation>
    </message>
    <message>
        <source>Particle %1</source>
        <translation>Particule %1</translation>
    </message>
    <message>
        <source>Chance of decay of particle %1, percent</source>
        <translation>Probabilité de désintégration de la particule %1, en pour cent</translation>
    </message>
    <message>
        <source>Sets the chance in percent that particle %1 decays in one step</source>
        <translation>Règle la probabilité en pour cent que la particule %1 se désintègre en un pas</translation>
    </message>
    <message>
        <source>Decay value of particle %1</source>
        <translation>Seuil du dé de la particule %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which particle %1 decays</source>
        <translation>Règle le plus grand résultat du dé pour lequel la particule %1 se désintègre</translation>
    </message>
    <message>
        <source>Number of particle %1</source>
        <translation>Nombre de particules %1</translation>
    </message>
    <message>
        <source>Sets how many of particle %1 the chamber holds at the start</source>
        <translation>Règle combien de particules %1 la chambre contient au départ</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Nombre de faces du dé</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Règle le nombre de faces du dé ; aucun seuil ne peut être plus grand</translation>
    </message>
    <message>
        <source>Length of Decay chain</source>
        <translation>Longueur de la chaîne</translation>
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
        <translation>Je suis ....</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Figure sur l&apos;impression</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
