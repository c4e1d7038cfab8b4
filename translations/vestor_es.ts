<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>LabReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 or less (%2)</source>
        <translation>%1 o menos (%2)</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 pasos</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Mejor ajuste</translation>
    </message>
    <message>
        <source>Chance per step</source>
        <translation>Probabilidad por paso</translation>
    </message>
    <message>
        <source>Conclusion</source>
        <extracomment>Lab report: heading of the ruled lines where the student writes a conclusion</extracomment>
        <translation>Conclusión</translation>
    </message>
    <message>
        <source>Count (logarithmic)</source>
        <extracomment>Lab report graph: title of the count axis</extracomment>
        <translation>Número (logarítmico)</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Data: counts at each time</source>
        <translation>Datos: números en cada instante</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Before the date on the lab report</extracomment>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Nuclides in the decay series: %1. Each decays into the next, the last into a stable product.</source>
        <extracomment>Lab report: how many nuclides the decay series has</extracomment>
        <translation>Núclidos de la cadena: %1. Cada uno se desintegra en el siguiente, el último en un producto estable.</translation>
    </message>
    <message>
        <source>Differences of T½ in steps</source>
        <translation>Diferencias de T½ en pasos</translation>
    </message>
    <message>
        <source>Expected count, in the band where 95 % of runs fall</source>
        <translation>Número esperado, en la banda donde cae el 95&#xa0;% de los ensayos</translation>
    </message>
    <message>
        <source>Graph data: the sums of saved runs (%1): %2.</source>
        <translation>Datos de la gráfica: las sumas de ensayos guardados (%1): %2.</translation>
    </message>
    <message>
        <source>Graph data: the sums of pooled saved runs.</source>
        <translation>Datos de la gráfica: las sumas de ensayos guardados acumulados.</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>Half-life of nuclide 1</source>
        <translation>Semivida del núclido 1</translation>
    </message>
    <message>
        <source>Half-life</source>
        <translation>Semivida</translation>
    </message>
    <message>
        <source>Half-lives in time steps; A is the count at time 0.</source>
        <translation>Semividas en pasos de tiempo; A es el número en el instante 0.</translation>
    </message>
    <message>
        <source>Initial number</source>
        <translation>Número inicial</translation>
    </message>
    <message>
        <source>Made with %1 %2</source>
        <extracomment>The program&apos;s name and version, at the top right of the lab report</extracomment>
        <translation>Hecho con %1 %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>Before the student&apos;s name on the lab report</extracomment>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Nuclide %1</source>
        <translation>Núclido %1</translation>
    </message>
    <message>
        <source>Nuclide</source>
        <translation>Núclido</translation>
    </message>
    <message>
        <source>Predicted from the chance of %1</source>
        <translation>Predicha por la probabilidad de %1</translation>
    </message>
    <message>
        <source>Radioactive Decay: Lab Report</source>
        <extracomment>Title of the printed lab report</extracomment>
        <translation>Desintegración radiactiva: informe de laboratorio</translation>
    </message>
    <message>
        <source>Settings of the run</source>
        <translation>Ajustes del ensayo</translation>
    </message>
    <message>
        <source>The report could not be drawn.</source>
        <translation>No se pudo dibujar el informe.</translation>
    </message>
    <message>
        <source>Time (steps)</source>
        <extracomment>Lab report graph: title of the time axis</extracomment>
        <translation>Tiempo (pasos)</translation>
    </message>
    <message>
        <source>Your model (scroll bars)</source>
        <extracomment>Lab report: the model curve the student set with the two scroll bars</extracomment>
        <translation>Tu modelo (barras de desplazamiento)</translation>
    </message>
    <message>
        <source>Your model</source>
        <translation>Tu modelo</translation>
    </message>
    <message>
        <source>best fit − predicted</source>
        <translation>mejor ajuste − predicha</translation>
    </message>
    <message>
        <source>no estimate, %1</source>
        <translation>sin estimación, %1</translation>
    </message>
    <message>
        <source>your model − best fit</source>
        <translation>tu modelo − mejor ajuste</translation>
    </message>
    <message>
        <source>your model − predicted</source>
        <translation>tu modelo − predicha</translation>
    </message>
    <message numerus="yes">
        <source>Chances by a die of %n sides: a particle decays when the die shows its decay value or less.</source>
        <translation>
            <numerusform>Sorteo con un dado de %n cara: una partícula se desintegra cuando el dado muestra su valor de desintegración o menos.</numerusform>
            <numerusform>Sorteo con un dado de %n caras: una partícula se desintegra cuando el dado muestra su valor de desintegración o menos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best fit from %n points</source>
        <translation>
            <numerusform>Mejor ajuste con %n punto</numerusform>
            <numerusform>Mejor ajuste con %n puntos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No usable printer is available.</source>
        <translation>No hay ninguna impresora disponible.</translation>
    </message>
    <message>
        <source>The printer %1 refused the document.</source>
        <translation>La impresora %1 rechazó el documento.</translation>
    </message>
    <message>
        <source>Printed by: </source>
        <extracomment>First line of a printed graph, before the student&apos;s name</extracomment>
        <translation>Impreso por: </translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>No se pudo terminar el documento.</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>No se pudo dibujar la imagen.</translation>
    </message>
    <message>
        <source>The graph could not be printed into %1: %2.</source>
        <translation>No se pudo imprimir la gráfica en %1: %2.</translation>
    </message>
    <message>
        <source>the document could not be written in full</source>
        <translation>el documento no se pudo escribir completo</translation>
    </message>
    <message>
        <source>This copy of Vestor cannot write SVG drawings.</source>
        <translation>Esta versión de Vestor no puede guardar dibujos SVG.</translation>
    </message>
    <message>
        <source>The report could not be printed into %1: %2.</source>
        <translation>No se pudo imprimir el informe en %1: %2.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>there is not enough room for it: the disk is full, or the file would be larger than this computer allows</source>
        <translation>no hay espacio suficiente: el disco está lleno, o el archivo sería más grande de lo que este ordenador permite</translation>
    </message>
    <message>
        <source>%1, and the file that was there could not be put back as it was</source>
        <translation>%1, y el archivo que había no se pudo dejar como estaba</translation>
    </message>
    <message>
        <source>the file there is too large to be replaced in this folder</source>
        <translation>el archivo que hay ahí es demasiado grande para reemplazarlo en esta carpeta</translation>
    </message>
</context>
<context>
    <name>SavedRunPooler</name>
    <message>
        <source>Pool Saved Runs</source>
        <translation>Acumular ensayos guardados</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Nothing was pooled; the graph data are as they were.

%1</source>
        <translation>No se acumuló nada; los datos de la gráfica siguen como estaban.

%1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>Times past %1 were left out.</source>
        <translation>Se omitieron los instantes posteriores a %1.</translation>
    </message>
    <message>
        <source>A shorter run adds nothing after its last time.</source>
        <translation>Un ensayo más corto no añade nada después de su último instante.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>el archivo ocupa más de 1 MB</translation>
    </message>
    <message>
        <source>the first line is not the heading &quot;time&quot; and the columns &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>la primera línea no es el encabezado «time» con las columnas «P1» .. «P5»</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is not one of &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>el encabezado «%1» no es ninguno de «P1» .. «P5»</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is there twice</source>
        <translation>el encabezado «%1» aparece dos veces</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from 0 to 2147483647</source>
        <translation>«%1» no es un número entero de 0 a 2147483647</translation>
    </message>
    <message>
        <source>time %1 stands where time %2 belongs; the times must run 0, 1, 2, ... in order</source>
        <translation>el instante %1 está donde corresponde el instante %2; los instantes deben seguir 0, 1, 2, ... en orden</translation>
    </message>
    <message>
        <source>the line has more values than there are headings</source>
        <translation>la línea tiene más valores que encabezados</translation>
    </message>
    <message>
        <source>it has the headings but no counts</source>
        <translation>el archivo tiene los encabezados pero ningún número</translation>
    </message>
    <message>
        <source>its count of nuclide %1 at time %2 makes the pooled sum larger than 2147483647</source>
        <translation>su número del núclido %1 en el instante %2 hace que la suma supere 2147483647</translation>
    </message>
    <message>
        <source>%1, line %2: %3.</source>
        <translation>%1, línea %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 has no counts of nuclide %2; it adds nothing to them.</source>
        <translation>%1 no tiene números del núclido %2; no les suma nada.</translation>
    </message>
    <message>
        <source>it has the times but no column of counts &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>el archivo tiene los instantes pero ninguna columna de números &quot;P1&quot; .. &quot;P5&quot;</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <extracomment>The count of times in &quot;Pooled 2 files: 100 times, 0 to 99.&quot;</extracomment>
        <translation>
            <numerusform>%n instante</numerusform>
            <numerusform>%n instantes</numerusform>
        </translation>
    </message>
    <message>
        <source>Pooled 1 file: %1, 0 to %2.</source>
        <translation>1 archivo acumulado: %1, de 0 a %2.</translation>
    </message>
    <message numerus="yes">
        <source>Pooled %n files: %1, 0 to %2.</source>
        <translation>
            <numerusform>%n archivo acumulado: %1, de 0 a %2.</numerusform>
            <numerusform>%n archivos acumulados: %1, de 0 a %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved runs (*.txt *.csv *.tsv)</source>
        <translation>Ensayos guardados (*.txt *.csv *.tsv)</translation>
    </message>
    <message numerus="yes">
        <source>%1 has empty cells (%n); they add nothing.</source>
        <translation>
            <numerusform>%1 tiene %n celda vacía; no suma nada.</numerusform>
            <numerusform>%1 tiene %n celdas vacías; no suman nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>the time is missing</source>
        <translation>falta el instante</translation>
    </message>
</context>
<context>
    <name>vestor::AboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version 0.8</source>
        <translation>Versión 0.8</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Vestor: For Lab or Demonstration.</source>
        <translation>Vestor: para prácticas o demostración.</translation>
    </message>
</context>
<context>
    <name>vestor::Announcer</name>
    <message>
        <source>half-life</source>
        <extracomment>The half-life in words, read by a screen reader where the screen shows the symbol T½</extracomment>
        <translation>semivida</translation>
    </message>
    <message>
        <source>Downloaded as %1.</source>
        <extracomment>Said and shown in a web browser after a file was handed to the browser; %1 is the file&apos;s name</extracomment>
        <translation>Descargado como %1.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <extracomment>Said and shown after a lesson was opened; %1 is the file (with its folder, outside a web browser)</extracomment>
        <translation>Abierto: %1.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>Said and shown after a file was saved; %1 is the file with its folder</extracomment>
        <translation>Guardado en %1.</translation>
    </message>
</context>
<context>
    <name>vestor::BarField</name>
    <message>
        <source>Type a value and press Enter, or click elsewhere, to move the bar there</source>
        <translation>Escribe un valor y pulsa Intro, o haz clic en otro sitio, para llevar la barra allí</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1: «%2» no es un número entero de %3 a %4. El campo vuelve a mostrar el valor de la barra.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1: «%2» no es un número de %3 a %4. El campo vuelve a mostrar el valor de la barra.</translation>
    </message>
</context>
<context>
    <name>vestor::ChamberPage</name>
    <message>
        <source>Active</source>
        <extracomment>Caption above the decay chamber, which holds the particles not yet decayed</extracomment>
        <translation>Activas</translation>
    </message>
    <message>
        <source>Decayed</source>
        <extracomment>Caption above the panel of decayed particles taken out of the chamber</extracomment>
        <translation>Desintegradas</translation>
    </message>
    <message>
        <source>Decay chamber</source>
        <translation>Cámara de desintegración</translation>
    </message>
    <message>
        <source>Decayed particles</source>
        <translation>Partículas desintegradas</translation>
    </message>
    <message>
        <source>The decayed particles taken out of the chamber, stacked from the top</source>
        <translation>Las partículas desintegradas sacadas de la cámara, apiladas desde arriba</translation>
    </message>
    <message>
        <source>black</source>
        <translation>en negro</translation>
    </message>
    <message>
        <source>red</source>
        <translation>en rojo</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>en verde vivo</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>en celeste</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>en verde azulado</translation>
    </message>
    <message>
        <source>Colour of nuclide %1</source>
        <translation>Color del núclido %1</translation>
    </message>
    <message>
        <source>Particles of nuclide %1 are drawn %2 in the chamber</source>
        <translation>Las partículas del núclido %1 se dibujan %2 en la cámara</translation>
    </message>
    <message>
        <source>Count of nuclide %1</source>
        <translation>Número del núclido %1</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Re&amp;iniciar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Button: take the decayed particles out of the chamber</extracomment>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Button: advance one time step</extracomment>
        <translation>Tie&amp;mpo</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Comen&amp;zar</translation>
    </message>
    <message>
        <source>Automate</source>
        <extracomment>Check box: step time and remove decayed particles by itself once a second</extracomment>
        <translation>Automático</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>vermilion</source>
        <translation>en bermellón</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>en azul</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>en morado</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>en gris</translation>
    </message>
    <message>
        <source>nuclide %1, %2</source>
        <extracomment>What a screen reader says for one nuclide&apos;s count after a time step</extracomment>
        <translation>núclido %1, %2</translation>
    </message>
    <message>
        <source>Time %1: %2.</source>
        <extracomment>What a screen reader says after each time step: the time, then each nuclide&apos;s count</extracomment>
        <translation>Instante %1: %2.</translation>
    </message>
    <message>
        <source>Remove the decayed particles first.</source>
        <translation>Retire primero las partículas desintegradas.</translation>
    </message>
    <message>
        <source>No active particles are left.</source>
        <translation>No queda ninguna partícula activa.</translation>
    </message>
    <message>
        <source>The run has recorded its 100 times.</source>
        <translation>El ensayo ha registrado sus 100 instantes.</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs: Reset starts a new run.</source>
        <translation>Los datos de la gráfica son los ensayos acumulados: Reiniciar empieza un ensayo nuevo.</translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles wait to be removed; %1.</source>
        <translation>
            <numerusform>%n partícula desintegrada espera a ser retirada; %1.</numerusform>
            <numerusform>%n partículas desintegradas esperan a ser retiradas; %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n have been taken out</source>
        <translation>
            <numerusform>%n se ha sacado</numerusform>
            <numerusform>%n se han sacado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles removed.</source>
        <translation>
            <numerusform>%n partícula desintegrada retirada.</numerusform>
            <numerusform>%n partículas desintegradas retiradas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vestor::ConfigPage</name>
    <message>
        <source>1st Decay Value </source>
        <extracomment>Die throw at or below which nuclide n decays; keep the trailing space</extracomment>
        <translation>1.er umbral </translation>
    </message>
    <message>
        <source>2nd Decay Value </source>
        <translation>2.º umbral </translation>
    </message>
    <message>
        <source>3rd Decay Value </source>
        <translation>3.er umbral </translation>
    </message>
    <message>
        <source>4th Decay Value </source>
        <translation>4.º umbral </translation>
    </message>
    <message>
        <source>5th Decay Value </source>
        <translation>5.º umbral </translation>
    </message>
    <message>
        <source>Radioactive Decay Chamber Settings Configuration</source>
        <translation>Configuración de la cámara de desintegración radiactiva</translation>
    </message>
    <message>
        <source>Use the Scrollbars to Adjust Values</source>
        <translation>Ajusta los valores con las barras de desplazamiento</translation>
    </message>
    <message>
        <source>Steps in Decay Series</source>
        <extracomment>Caption of the choice of how many nuclides the decay chain has (1 to 5)</extracomment>
        <translation>Núclidos de la cadena</translation>
    </message>
    <message>
        <source>Type of Decay</source>
        <translation>Modo de sorteo</translation>
    </message>
    <message>
        <source> &amp;Percentage</source>
        <extracomment>Decay type: the chance of decay per time step given as a percentage</extracomment>
        <translation> &amp;Porcentaje</translation>
    </message>
    <message>
        <source> &amp;Dice</source>
        <extracomment>Decay type: the chance of decay given by a throw of a die</extracomment>
        <translation> D&amp;ado</translation>
    </message>
    <message>
        <source>Graph Equation</source>
        <translation>Ecuación de la gráfica</translation>
    </message>
    <message>
        <source> &amp;Show Equation</source>
        <translation> &amp;Mostrar ecuación</translation>
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
        <translation>Probabilidad de desintegración</translation>
    </message>
    <message>
        <source>Nuclide %1</source>
        <translation>Núclido %1</translation>
    </message>
    <message>
        <source>Chance of decay of nuclide %1, percent</source>
        <translation>Probabilidad de desintegración del núclido %1, en porcentaje</translation>
    </message>
    <message>
        <source>Sets the chance in percent that a particle of nuclide %1 decays in one time step</source>
        <translation>Ajusta la probabilidad en porcentaje de que una partícula del núclido %1 se desintegre en un paso de tiempo</translation>
    </message>
    <message>
        <source>Chance of Decay</source>
        <translation>Probabilidad de desintegración</translation>
    </message>
    <message>
        <source># of Sides on Die</source>
        <extracomment>Number of sides of the die thrown for every particle</extracomment>
        <translation>Caras del dado</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Número de caras del dado</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Ajusta cuántas caras tiene el dado; ningún umbral puede ser mayor</translation>
    </message>
    <message>
        <source>Decay value of nuclide %1</source>
        <translation>Umbral del dado del núclido %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which a particle of nuclide %1 decays</source>
        <translation>Ajusta la tirada más alta del dado con la que una partícula del núclido %1 se desintegra</translation>
    </message>
    <message>
        <source>Initial Number</source>
        <extracomment>Group title: how many particles of each nuclide the chamber holds at the start</extracomment>
        <translation>Número inicial</translation>
    </message>
    <message>
        <source>Initial number of nuclide %1</source>
        <translation>Número inicial del núclido %1</translation>
    </message>
    <message>
        <source>Sets how many particles of nuclide %1 the chamber holds at the start, 1000 in all at most</source>
        <translation>Ajusta cuántas partículas del núclido %1 hay en la cámara al principio, 1000 como máximo en total</translation>
    </message>
    <message>
        <source>T½ = %1 steps</source>
        <translation>T½ = %1 pasos</translation>
    </message>
    <message>
        <source>The teacher has locked these settings (Extras ▸ Lock Settings).</source>
        <translation>El profesor ha bloqueado estos ajustes (Extras ▸ Bloquear ajustes).</translation>
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
        <translation>Tabla de datos recogidos</translation>
    </message>
    <message>
        <source>Select Data to be displayed</source>
        <translation>Elige los datos que se muestran</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation> Núclido %1</translation>
    </message>
    <message>
        <source>Collected data</source>
        <translation>Datos recogidos</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>G&amp;uardar</translation>
    </message>
    <message>
        <source>C&amp;opy Highlighted</source>
        <extracomment>Button: copy the selected part of the table</extracomment>
        <translation>C&amp;opiar selección</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>Copi&amp;ar todo</translation>
    </message>
    <message>
        <source>Save Data as Text</source>
        <translation>Guardar los datos como texto</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texto (*.txt)</translation>
    </message>
    <message>
        <source>The data could not be saved to %1:
%2</source>
        <translation>No se pudieron guardar los datos en %1:
%2</translation>
    </message>
</context>
<context>
    <name>vestor::GraphEditorPage</name>
    <message>
        <source>Use this page to modify the Graphing Data.  To Set the Decay Values, use the Configuration page.</source>
        <translation>Esta página modifica los datos de la gráfica. Las probabilidades de desintegración se ajustan en la página Configuración.</translation>
    </message>
    <message>
        <source>Number of Data Points:</source>
        <translation>Número de puntos:</translation>
    </message>
    <message>
        <source>Number of data points</source>
        <translation>Número de puntos de datos</translation>
    </message>
    <message>
        <source>Sets how many recorded times the graph and the data table show</source>
        <translation>Ajusta cuántos instantes registrados muestran la gráfica y la tabla</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Caption of the choice of nuclide whose counts are shown below</extracomment>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Nuclide 1</source>
        <translation>Núclido 1</translation>
    </message>
    <message>
        <source>Nuclide 2</source>
        <translation>Núclido 2</translation>
    </message>
    <message>
        <source>Nuclide 3</source>
        <translation>Núclido 3</translation>
    </message>
    <message>
        <source>Nuclide 4</source>
        <translation>Núclido 4</translation>
    </message>
    <message>
        <source>Nuclide 5</source>
        <translation>Núclido 5</translation>
    </message>
    <message>
        <source>Nuclide 1&apos;s Data</source>
        <translation>Datos del núclido 1</translation>
    </message>
    <message>
        <source>Initial Count</source>
        <extracomment>The count at time 0</extracomment>
        <translation>Número inicial</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Instantes mostrados</translation>
    </message>
    <message>
        <source>Scrolls the fifteen count fields through the recorded times</source>
        <translation>Desplaza los quince campos de número por los instantes registrados</translation>
    </message>
    <message>
        <source>%1´s Data</source>
        <extracomment>Title of the group of count fields; %1 is the chosen &quot;Nuclide n&quot;</extracomment>
        <translation>Datos del %1</translation>
    </message>
    <message>
        <source>Enter an integer!!</source>
        <translation>Introduce un número entero, sin punto de millares.</translation>
    </message>
    <message>
        <source>Count of nuclide %1 at time %2</source>
        <extracomment>What a screen reader calls a count field of the graph data editor</extracomment>
        <translation>Número del núclido %1 en el instante %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no whole number; the field shows %3.</source>
        <extracomment>Said after &quot;Enter an integer!!&quot;: the field refused, what was typed and what it shows now</extracomment>
        <translation>%1: «%2» no es un número entero; el campo muestra %3.</translation>
    </message>
</context>
<context>
    <name>vestor::GraphPage</name>
    <message>
        <source>a count is not a number of particles</source>
        <translation>un valor registrado no es un número posible de partículas</translation>
    </message>
    <message>
        <source>fewer than three usable points</source>
        <translation>menos de tres puntos utilizables</translation>
    </message>
    <message>
        <source>the counts do not fall</source>
        <translation>los números no disminuyen</translation>
    </message>
    <message>
        <source>Change Initial Count</source>
        <extracomment>Caption of the scroll bar that sets the initial count A of the model curve</extracomment>
        <translation>Cambiar número inicial</translation>
    </message>
    <message>
        <source>Half-life of the model curve</source>
        <translation>Semivida de la curva modelo</translation>
    </message>
    <message>
        <source>Sets the half-life of the model curve drawn over nuclide 1&apos;s counts; the equation above the graph shows it</source>
        <translation>Ajusta la semivida de la curva modelo trazada sobre los números del núclido 1; la ecuación sobre la gráfica la muestra</translation>
    </message>
    <message>
        <source>Decay graph</source>
        <translation>Gráfica de desintegración</translation>
    </message>
    <message>
        <source>Initial count of the model curve</source>
        <translation>Número inicial de la curva modelo</translation>
    </message>
    <message>
        <source>Moves the initial count of the model curve up or down; the equation above the graph shows it</source>
        <translation>Sube o baja el número inicial de la curva modelo; la ecuación sobre la gráfica lo muestra</translation>
    </message>
    <message>
        <source>Start of the model curve</source>
        <translation>Inicio de la curva modelo</translation>
    </message>
    <message>
        <source>Marks where the model curve starts, at time 0</source>
        <translation>Marca dónde empieza la curva modelo, en el instante 0</translation>
    </message>
    <message>
        <source>C o u n t </source>
        <extracomment>Title of the vertical axis, written downwards one letter a line in 8 pixels: a space after each letter, at most five narrow letters (an m or w is cut)</extracomment>
        <translation>C a n t.</translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>Title of the horizontal axis of the graph</extracomment>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>Graph the Indicated Nuclides</source>
        <translation>Representar los núclidos marcados</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation>Núclido %1</translation>
    </message>
    <message>
        <source>Curve read-out</source>
        <translation>Lectura de la curva</translation>
    </message>
    <message>
        <source>The time and the model&apos;s count at the point pressed on the graph</source>
        <translation>El tiempo y el número del modelo en el punto pulsado de la gráfica</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Best fit</source>
        <extracomment>Check box: show the computed best fit of T½ and A to nuclide 1&apos;s counts</extracomment>
        <translation>Mejor ajuste</translation>
    </message>
    <message>
        <source>Expected</source>
        <extracomment>Check box: draw the expected count of each nuclide</extracomment>
        <translation>Valor esperado</translation>
    </message>
    <message>
        <source>Fit the model to nuclide 1&apos;s counts and show the estimate with its standard error</source>
        <translation>Ajustar el modelo a los números del núclido 1 y mostrar la estimación con su error estándar</translation>
    </message>
    <message>
        <source>&amp;Use fit</source>
        <extracomment>Button: move the two scroll bars to the best fit</extracomment>
        <translation>&amp;Usar ajuste</translation>
    </message>
    <message>
        <source>Move the two scroll bars to the computed fit</source>
        <translation>Llevar las dos barras de desplazamiento al ajuste calculado</translation>
    </message>
    <message>
        <source>Best fit of nuclide 1: no estimate, %1.</source>
        <translation>Mejor ajuste del núclido 1: sin estimación, %1.</translation>
    </message>
    <message>
        <source> The half-life lies beyond the scroll bar&apos;s range.</source>
        <translation> La semivida queda fuera del rango de la barra.</translation>
    </message>
    <message>
        <source> The initial count lies beyond the scroll bar&apos;s reach.</source>
        <translation> El número inicial queda fuera del alcance de la barra.</translation>
    </message>
    <message>
        <source> The count rises from time %1 to %2, which decay alone cannot do: the ± does not hold.</source>
        <translation> El número sube del instante %1 al %2, algo imposible solo por desintegración: el ± no es válido.</translation>
    </message>
    <message>
        <source>Change Half-life</source>
        <extracomment>Caption of the scroll bar that sets the half-life T½ of the model curve</extracomment>
        <translation>Cambiar semivida</translation>
    </message>
    <message>
        <source>Draw the expected count of each graphed nuclide, in a band where 95 % of runs fall</source>
        <translation>Dibujar el número esperado de cada núclido representado, en una banda donde cae el 95&#xa0;% de los ensayos</translation>
    </message>
    <message>
        <source>&amp;Log scale</source>
        <extracomment>Check box: plot the counts on a logarithmic axis, where an exponential decay is a straight line</extracomment>
        <translation>Escala &amp;logarítmica</translation>
    </message>
    <message>
        <source>Plot the counts on a logarithmic axis: an exponential decay becomes a straight line</source>
        <translation>Representar los números en un eje logarítmico: una desintegración exponencial se vuelve una recta</translation>
    </message>
    <message>
        <source>Model curve: T½ %1 steps, A %2.</source>
        <extracomment>The model curve as a screen reader says it, after the graph&apos;s points and as a scroll bar moves</extracomment>
        <translation>Curva modelo: T½ %1 pasos, A %2.</translation>
    </message>
    <message>
        <source>Half-life of the model curve, T½ %1 steps</source>
        <extracomment>What a screen reader says for the half-life scroll bar: what it sets and its value</extracomment>
        <translation>Semivida de la curva modelo, T½ %1 pasos</translation>
    </message>
    <message>
        <source>Initial count of the model curve, A %1</source>
        <extracomment>What a screen reader says for the initial-count scroll bar: what it sets and its value</extracomment>
        <translation>Número inicial de la curva modelo, A %1</translation>
    </message>
    <message>
        <source>Nuclide %1 at times 0 to %2: %3.</source>
        <extracomment>Graph as a screen reader reads it: one nuclide&apos;s counts, time by time</extracomment>
        <translation>Núclido %1 en los instantes 0 a %2: %3.</translation>
    </message>
    <message>
        <source>Best fit hidden.</source>
        <translation>Mejor ajuste oculto.</translation>
    </message>
    <message>
        <source>The expected count of each graphed nuclide is drawn as a line, in a band where 95 % of runs fall.</source>
        <translation>El número esperado de cada núclido representado se dibuja como una línea, en una banda donde cae el 95&#xa0;% de los ensayos.</translation>
    </message>
    <message>
        <source>The expected counts are hidden.</source>
        <translation>Los números esperados están ocultos.</translation>
    </message>
    <message>
        <source>The counts are on a logarithmic axis, where an exponential decay is a straight line.</source>
        <translation>Los números están en un eje logarítmico, donde una desintegración exponencial es una recta.</translation>
    </message>
    <message>
        <source>The counts are on an even axis.</source>
        <translation>Los números están en un eje de divisiones iguales.</translation>
    </message>
    <message numerus="yes">
        <source>Best fit of nuclide 1 from %n points:  T½ = %1 ± %2,  A = %3 ± %4</source>
        <translation>
            <numerusform>Mejor ajuste del núclido 1 con %n punto:  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
            <numerusform>Mejor ajuste del núclido 1 con %n puntos:  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
        </translation>
    </message>
    <message>
        <source> The half-life bar moves in steps of 0.025; its nearest position gives T½ = %1.</source>
        <extracomment>After Use fit: why the equation&apos;s half-life differs from the fit&apos;s; %1 is the equation&apos;s</extracomment>
        <translation> La barra de la semivida avanza en pasos de 0,025; su posición más cercana da T½ = %1.</translation>
    </message>
</context>
<context>
    <name>vestor::HelpWindow</name>
    <message>
        <source>Vestor Help</source>
        <translation>Ayuda de Vestor</translation>
    </message>
    <message>
        <source>Student&apos;s guide, %1</source>
        <extracomment>What a screen reader calls the guide&apos;s text; %1 is the section it opens at</extracomment>
        <translation>Guía del alumno, %1</translation>
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
        <translation>falta, o no es un grupo de valores</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>no es un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>no es true ni false</translation>
    </message>
    <message>
        <source>the series has not 1 to 5 nuclides, or the die not 2 to 40 sides</source>
        <translation>la cadena no tiene de 1 a 5 núclidos, o el dado no tiene de 2 a 40 caras</translation>
    </message>
    <message>
        <source>the chance of decay of nuclide %1 is out of range</source>
        <translation>la probabilidad de desintegración del núclido %1 está fuera de rango</translation>
    </message>
    <message>
        <source>the initial numbers are not 1 to 1000 particles in all</source>
        <translation>los números iniciales no suman de 1 a 1000 partículas</translation>
    </message>
    <message>
        <source>a time is not 0 to 99</source>
        <translation>un instante no está entre 0 y 99</translation>
    </message>
    <message>
        <source>a count is negative</source>
        <translation>un número es negativo</translation>
    </message>
    <message>
        <source>the chamber holds more than 1000 particles</source>
        <translation>la cámara contiene más de 1000 partículas</translation>
    </message>
    <message>
        <source>the particle order is not the numbers 1 to 1000, each once</source>
        <translation>el orden de las partículas no contiene cada número de 1 a 1000 una sola vez</translation>
    </message>
    <message>
        <source>the size of the particles does not suit their number</source>
        <translation>el tamaño de las partículas no corresponde a su número</translation>
    </message>
    <message>
        <source>a particle belongs to no nuclide of the series</source>
        <translation>una partícula no pertenece a ningún núclido de la cadena</translation>
    </message>
    <message>
        <source>a particle lies outside the chamber</source>
        <translation>una partícula está fuera de la cámara</translation>
    </message>
    <message>
        <source>the number of particles taken out does not match the particles</source>
        <translation>el número de partículas quitadas no corresponde a las partículas</translation>
    </message>
    <message>
        <source>the count of nuclide %1 does not match its particles</source>
        <translation>el número del núclido %1 no corresponde a sus partículas</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>es más grande de lo que puede ser una lección</translation>
    </message>
    <message>
        <source>it is not a lesson file (no JSON object at character %1)</source>
        <translation>no es un archivo de lección (no hay un objeto JSON en el carácter %1)</translation>
    </message>
    <message>
        <source>it is not a lesson file</source>
        <translation>no es un archivo de lección</translation>
    </message>
    <message>
        <source>it has no version number</source>
        <translation>no tiene número de versión</translation>
    </message>
    <message>
        <source>it was saved by a newer version of the program (lesson version %1); this one reads version %2</source>
        <translation>se guardó con una versión más reciente del programa (versión %1); esta lee la versión %2</translation>
    </message>
    <message>
        <source>neither &quot;percent&quot; nor &quot;dice&quot;</source>
        <translation>ni «percent» ni «dice»</translation>
    </message>
    <message>
        <source>neither &quot;e&quot; nor &quot;0.5&quot;</source>
        <translation>ni «e» ni «0.5»</translation>
    </message>
    <message>
        <source>row %1 is not a list of 5 counts</source>
        <translation>la fila %1 no es una lista de 5 números</translation>
    </message>
    <message>
        <source>particle %1 is not [nuclide, x, y]</source>
        <translation>la partícula %1 no es [núclido, x, y]</translation>
    </message>
    <message>
        <source>particle %1</source>
        <translation>partícula %1</translation>
    </message>
    <message>
        <source>row %1 is not five of the letters - R T P</source>
        <translation>la fila %1 no son cinco de las letras - R T P</translation>
    </message>
    <message numerus="yes">
        <source>not a list of at most %n items</source>
        <translation>
            <numerusform>no es una lista de %n elemento como máximo</numerusform>
            <numerusform>no es una lista de %n elementos como máximo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not a list of %n items</source>
        <translation>
            <numerusform>no es una lista de %n elemento</numerusform>
            <numerusform>no es una lista de %n elementos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing, or not a name of at most %n characters</source>
        <translation>
            <numerusform>falta, o no es un nombre de %n carácter como máximo</numerusform>
            <numerusform>falta, o no es un nombre de %n caracteres como máximo</numerusform>
        </translation>
    </message>
    <message>
        <source>nuclide %1 is past the end product of the series, yet its count is not the one the run started with</source>
        <translation>el núclido %1 está después del producto final de la cadena, pero su número no es el del comienzo del ensayo</translation>
    </message>
    <message>
        <source>the initial numbers of the run do not give its particles</source>
        <translation>los números iniciales no corresponden a las partículas del ensayo</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is not 0, yet nobody recorded, typed or pooled it</source>
        <translation>el número del núclido %1 en el instante %2 no es 0, pero nadie lo registró, escribió ni acumuló</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is pooled, but the run&apos;s data are not pooled runs</source>
        <translation>el número del núclido %1 en el instante %2 está acumulado, pero los datos del ensayo no son ensayos acumulados</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but pooled runs replaced the run&apos;s data</source>
        <translation>el número del núclido %1 en el instante %2 está registrado, pero unos ensayos acumulados sustituyeron los datos</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded after the run&apos;s last time</source>
        <translation>el número del núclido %1 en el instante %2 está registrado después del último instante del ensayo</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but the nuclide is not in the run&apos;s series</source>
        <translation>el número del núclido %1 en el instante %2 está registrado, pero el núclido no está en la cadena del ensayo</translation>
    </message>
    <message>
        <source>the recorded count of nuclide %1 at time %2 is not one the run could record</source>
        <translation>el número registrado del núclido %1 en el instante %2 no es uno que el ensayo pudiera registrar</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is after the last time typed or pooled</source>
        <translation>el número del núclido %1 en el instante %2 está después del último instante escrito o acumulado</translation>
    </message>
    <message>
        <source>the run&apos;s series is not the one the settings choose, and no change of them is waiting</source>
        <translation>la cadena del ensayo no es la de los ajustes, y no hay ningún cambio pendiente</translation>
    </message>
    <message>
        <source>not a state of the random generator that the program could have saved</source>
        <translation>no es un estado del generador aleatorio que el programa pudiera haber guardado</translation>
    </message>
</context>
<context>
    <name>vestor::MainWindow</name>
    <message>
        <source>Print Re&amp;port…</source>
        <extracomment>Menu item: print the one-page lab report with the graph, the numbers and the data</extracomment>
        <translation>&amp;Imprimir informe…</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <extracomment>Menu item: save the one-page lab report as a PDF file</extracomment>
        <translation>Guardar informe en &amp;PDF…</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Guardar informe en PDF</translation>
    </message>
    <message>
        <source>The report could not be saved to %1:
%2</source>
        <translation>No se pudo guardar el informe en %1:
%2</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Decay Chamber</source>
        <translation>Cámara de &amp;desintegración</translation>
    </message>
    <message>
        <source>Collected Data &amp;Table</source>
        <translation>&amp;Tabla de datos</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Gráfica</translation>
    </message>
    <message>
        <source>Edit G&amp;raph Data</source>
        <translation>Edita&amp;r datos</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Cerrar el programa</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Copy Graph</source>
        <translation>&amp;Copiar gráfica</translation>
    </message>
    <message>
        <source>&amp;Print Graph</source>
        <translation>&amp;Imprimir gráfica</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Configu&amp;rar impresora</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>Nombre del &amp;alumno</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Implied &amp;Half-lives</source>
        <translation>&amp;Semividas correspondientes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Pool Saved Runs…</source>
        <translation>&amp;Acumular ensayos guardados…</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Dice practical: one nuclide, a six-sided die</source>
        <translation>&amp;Práctica con dados: un núclido, un dado de seis caras</translation>
    </message>
    <message>
        <source>500 dice; a die that shows 1 has decayed. Half-life about 3.8 throws.</source>
        <translation>500 dados; un dado que muestra 1 se ha desintegrado. Semivida de unas 3,8 tiradas.</translation>
    </message>
    <message>
        <source>&amp;Half-life of one step: one nuclide at 50 %</source>
        <translation>&amp;Semivida de un paso: un núclido al 50&#xa0;%</translation>
    </message>
    <message>
        <source>800 particles with a chance of 50 % a step: the count halves at every step.</source>
        <translation>800 partículas con una probabilidad del 50&#xa0;% por paso: el número se reduce a la mitad en cada paso.</translation>
    </message>
    <message>
        <source>&amp;Fast parent, slow daughter</source>
        <translation>Padre &amp;rápido, hijo lento</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 30 % a step into nuclide 2, which decays at 5 %: the daughter builds up, then decays slowly.</source>
        <translation>El núclido 1 se desintegra al 30&#xa0;% por paso en el núclido 2, que se desintegra al 5&#xa0;%: el hijo se acumula y luego se desintegra despacio.</translation>
    </message>
    <message>
        <source>&amp;Slow parent, fast daughter</source>
        <translation>Padre &amp;lento, hijo rápido</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 5 % a step into nuclide 2, which decays at 40 %: the daughter soon follows its parent&apos;s half-life.</source>
        <translation>El núclido 1 se desintegra al 5&#xa0;% por paso en el núclido 2, que se desintegra al 40&#xa0;%: el hijo pronto sigue la semivida del padre.</translation>
    </message>
    <message>
        <source>Fi&amp;ve-member series by dice</source>
        <translation>Cadena de &amp;cinco núclidos con dados</translation>
    </message>
    <message>
        <source>A ten-sided die; nuclide 1 decays on 2 or less, the others on 3, 1, 4 and 2; 500 particles of nuclide 1.</source>
        <translation>Un dado de diez caras; el núclido 1 se desintegra con 2 o menos, los demás con 3, 1, 4 y 2; 500 partículas del núclido 1.</translation>
    </message>
    <message>
        <source>&amp;Lock Settings</source>
        <translation>&amp;Bloquear ajustes</translation>
    </message>
    <message>
        <source>Makes the Configuration page read-only until it is unlocked here</source>
        <translation>Deja la página Configuración en solo lectura hasta que se desbloquee aquí</translation>
    </message>
    <message>
        <source>Lessons (*.vestor)</source>
        <translation>Lecciones (*.vestor)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Arc&amp;hivo</translation>
    </message>
    <message>
        <source>&amp;Open Lesson…</source>
        <translation>&amp;Abrir lección…</translation>
    </message>
    <message>
        <source>&amp;Save Lesson</source>
        <translation>&amp;Guardar lección</translation>
    </message>
    <message>
        <source>Save Lesson &amp;As…</source>
        <translation>Guardar lección &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Recent Lessons</source>
        <translation>Lecciones &amp;recientes</translation>
    </message>
    <message>
        <source>E&amp;xamples</source>
        <translation>E&amp;jemplos</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Se aplica en el próximo inicio</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>es más grande de lo que puede ser una lección</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; cannot be opened: %2.</source>
        <translation>La lección «%1» no se puede abrir: %2.</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; was not saved: %2.</source>
        <translation>La lección «%1» no se ha guardado: %2.</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Abrir lección</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Guardar lección</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changed. Save the changes?</source>
        <translation>La lección «%1» ha cambiado. ¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Save Graph &amp;As…</source>
        <extracomment>Menu item: save the graph as a PNG, SVG or PDF file</extracomment>
        <translation>&amp;Guardar gráfica como…</translation>
    </message>
    <message>
        <source>&amp;Colour-blind Safe Colours</source>
        <translation>Colores para &amp;daltónicos</translation>
    </message>
    <message>
        <source>Save Graph As</source>
        <translation>Guardar gráfica como</translation>
    </message>
    <message>
        <source>PNG picture, twice the size (*.png)</source>
        <translation>Imagen PNG, el doble de tamaño (*.png)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
the name must end in .png, .svg or .pdf.</source>
        <translation>No se pudo guardar la gráfica en %1:
el nombre debe terminar en .png, .svg o .pdf.</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
%2</source>
        <translation>No se pudo guardar la gráfica en %1:
%2</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs. A new run replaces them.

Start a new run?</source>
        <translation>Los datos de la gráfica son los ensayos acumulados. Un ensayo nuevo los sustituye.

¿Empezar un ensayo nuevo?</translation>
    </message>
    <message>
        <source>%1 page</source>
        <extracomment>What a screen reader says when a page opens; %1 is the page&apos;s name</extracomment>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>What a screen reader says as a menu of the menu bar opens; %1 is the menu&apos;s name</extracomment>
        <translation>Menú %1</translation>
    </message>
    <message>
        <source>%1, changes not saved</source>
        <extracomment>What a screen reader reads as the window&apos;s title while the lesson has unsaved changes; %1 is the title</extracomment>
        <translation>%1, cambios sin guardar</translation>
    </message>
    <message>
        <source>The counts of this run have not been saved. Save them as a lesson?</source>
        <translation>Los números de este ensayo no se han guardado. ¿Guardarlos como lección?</translation>
    </message>
    <message>
        <source>The graph was printed into %1.</source>
        <extracomment>Said and shown after printing into a file; %1 is the file</extracomment>
        <translation>La gráfica se imprimió en %1.</translation>
    </message>
    <message>
        <source>The graph went to the printer %1.</source>
        <extracomment>Said and shown after printing; %1 is the printer&apos;s name</extracomment>
        <translation>La gráfica se envió a la impresora %1.</translation>
    </message>
    <message>
        <source>Fits this screen: %1 %</source>
        <extracomment>View &gt; Size: the largest size that fits the screen; %1 is that size in percent</extracomment>
        <translation>Ajustado a esta pantalla: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Fits this screen: none</source>
        <translation>Ajustado a esta pantalla: ninguno</translation>
    </message>
    <message>
        <source>Needs a screen of at least %1 × %2 pixels</source>
        <extracomment>Tooltip of a size that does not fit the screen; %1 × %2 is the screen it needs, in pixels</extracomment>
        <translation>Necesita una pantalla de al menos %1 × %2 píxeles</translation>
    </message>
    <message>
        <source>In a web browser, Print Graph gives the page as a PDF download; the browser opens it and prints it on the printer chosen there.</source>
        <translation>En un navegador web, «Imprimir gráfica» entrega la página como un PDF descargado; el navegador lo abre y lo imprime en la impresora elegida allí.</translation>
    </message>
    <message>
        <source>Copy Lesson &amp;Link</source>
        <translation>Copiar &amp;enlace de la lección</translation>
    </message>
    <message>
        <source>The link to this lesson is on the clipboard. Paste it into a class page or a message: opening it opens this lesson, at this step, in a browser.</source>
        <translation>El enlace a esta lección está en el portapapeles. Se puede pegar en una página de la clase o en un mensaje: al abrirlo se abre esta lección, en este paso, en un navegador.</translation>
    </message>
</context>
<context>
    <name>vestor::MenuItem</name>
    <message>
        <source>not checked</source>
        <extracomment>What a screen reader adds to a menu item that can be ticked and is not</extracomment>
        <translation>no marcado</translation>
    </message>
</context>
<context>
    <name>vestor::Notifier</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
</context>
<context>
    <name>vestor::ReadFileText</name>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
</context>
<context>
    <name>vestor::TGetDataFR</name>
    <message>
        <source>First Decay Value </source>
        <translation>Primer umbral </translation>
    </message>
    <message>
        <source>Second Decay Value </source>
        <translation>Segundo umbral </translation>
    </message>
    <message>
        <source>Third Decay Value </source>
        <translation>Tercer umbral </translation>
    </message>
    <message>
        <source>Fourth Decay Value </source>
        <translation>Cuarto umbral </translation>
    </message>
    <message>
        <source>Fifth Decay Value </source>
        <translation>Quinto umbral </translation>
    </message>
    <message>
        <source>Set Data</source>
        <translation>Ajustar datos</translation>
    </message>
    <message>
        <source>Decay Rate</source>
        <translation>Probabilidad por paso</translation>
    </message>
    <message>
        <source>Dice Box</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Number Particles</source>
        <translation>Número de partículas</translation>
    </message>
    <message>
        <source>Number of Sides on Dice</source>
        <translation>Caras del dado</translation>
    </message>
    <message>
        <source>Particle %1</source>
        <translation>Partícula %1</translation>
    </message>
    <message>
        <source>Chance of decay of particle %1, percent</source>
        <translation>Probabilidad de desintegración de la partícula %1, en porcentaje</translation>
    </message>
    <message>
        <source>Sets the chance in percent that particle %1 decays in one step</source>
        <translation>Ajusta la probabilidad en porcentaje de que la partícula %1 se desintegre en un paso</translation>
    </message>
    <message>
        <source>Decay value of particle %1</source>
        <translation>Umbral del dado de la partícula %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which particle %1 decays</source>
        <translation>Ajusta la tirada más alta del dado con la que la partícula %1 se desintegra</translation>
    </message>
    <message>
        <source>Number of particle %1</source>
        <translation>Número de partículas %1</translation>
    </message>
    <message>
        <source>Sets how many of particle %1 the chamber holds at the start</source>
        <translation>Ajusta cuántas partículas %1 hay en la cámara al principio</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Número de caras del dado</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Ajusta cuántas caras tiene el dado; ningún umbral puede ser mayor</translation>
    </message>
    <message>
        <source>Length of Decay chain</source>
        <translation>Longitud de la cadena</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>Yo soy ....</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Aparece en la hoja impresa</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
