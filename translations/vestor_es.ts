<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>HelpWindow</name>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Decay Chamber</source>
        <translation>Cámara de desintegración</translation>
    </message>
    <message>
        <source>Collected Data Table</source>
        <translation>Tabla de datos</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>Edit Graph Data</source>
        <translation>Editar datos</translation>
    </message>
    <message>
        <source>Vestor: a student&apos;s guide</source>
        <translation>Vestor: guía del alumno</translation>
    </message>
    <message>
        <source>How a lesson goes</source>
        <translation>Cómo transcurre una clase</translation>
    </message>
    <message>
        <source>Saving, copying and printing</source>
        <translation>Guardar, copiar e imprimir</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>For the teacher</source>
        <translation>Para el profesor</translation>
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
</context>
<context>
    <name>SavedRunPooler</name>
    <message>
        <source>Pool Saved Runs</source>
        <translation>Acumular series guardadas</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texto (*.txt)</translation>
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
        <source>%1 cannot be read: it is not a file.</source>
        <translation>No se puede leer %1: no es un archivo.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>Pooled 1 file: %1 times, 0 to %2.</source>
        <translation>1 archivo acumulado: %1 instantes, de 0 a %2.</translation>
    </message>
    <message>
        <source>Pooled %1 files: %2 times, 0 to %3.</source>
        <translation>%1 archivos acumulados: %2 instantes, de 0 a %3.</translation>
    </message>
    <message>
        <source>Times past %1 were left out.</source>
        <translation>Se omitieron los instantes posteriores a %1.</translation>
    </message>
    <message>
        <source>A shorter run adds nothing after its last time.</source>
        <translation>Una serie más corta no añade nada después de su último instante.</translation>
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
        <source>the line has fewer values than there are headings</source>
        <translation>la línea tiene menos valores que encabezados</translation>
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
        <source>Vestor: For Lab or Demonstartion.</source>
        <translation>Vestor: para prácticas o demostración.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>en verde claro</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>en azul claro</translation>
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
        <translation>&amp;Arrancar</translation>
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
        <source>%1 decayed particles wait to be removed; %2 have been taken out.</source>
        <translation>%1 partículas desintegradas esperan a ser retiradas; %2 se han sacado.</translation>
    </message>
    <message>
        <source>nuclide %1, %2</source>
        <extracomment>What a screen reader says for one nuclide&apos;s count after a time step</extracomment>
        <translation>núclido %1, %2</translation>
    </message>
    <message>
        <source>Time %1: %2.</source>
        <extracomment>What a screen reader says after each time step: the time, then each nuclide&apos;s count</extracomment>
        <translation>Tiempo %1: %2.</translation>
    </message>
    <message>
        <source>%1 decayed particles removed.</source>
        <translation>%1 partículas desintegradas retiradas.</translation>
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
        <translation>La serie ha registrado sus 100 tiempos.</translation>
    </message>
</context>
<context>
    <name>vestor::ConfigPage</name>
    <message>
        <source>1st Decay Value </source>
        <extracomment>Die throw at or below which nuclide n decays; keep the trailing space</extracomment>
        <translation>1er valor del dado </translation>
    </message>
    <message>
        <source>2nd Decay Value </source>
        <translation>2º valor del dado </translation>
    </message>
    <message>
        <source>3rd Decay Value </source>
        <translation>3er valor del dado </translation>
    </message>
    <message>
        <source>4th Decay Value </source>
        <translation>4º valor del dado </translation>
    </message>
    <message>
        <source>5th Decay Value </source>
        <translation>5º valor del dado </translation>
    </message>
    <message>
        <source>Radioactive Decay Chamber Settings Configuration</source>
        <translation>Configuración de la cámara de desintegración radiactiva</translation>
    </message>
    <message>
        <source>Use the Scrollbars to Adjust Values</source>
        <translation>Ajuste los valores con las barras de desplazamiento</translation>
    </message>
    <message>
        <source>Steps in Decay Series</source>
        <extracomment>Caption of the choice of how many nuclides the decay chain has (1 to 5)</extracomment>
        <translation>Núclidos de la cadena</translation>
    </message>
    <message>
        <source>Type of Decay</source>
        <translation>Tipo de desintegración</translation>
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
        <translation> 0.&amp;5</translation>
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
        <translation>Ajusta cuántas caras tiene el dado; ningún valor de desintegración puede ser mayor</translation>
    </message>
    <message>
        <source>Decay value of nuclide %1</source>
        <translation>Valor de desintegración del núclido %1</translation>
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
</context>
<context>
    <name>vestor::DataTablePage</name>
    <message>
        <source>Collected Data Table</source>
        <translation>Tabla de datos recogidos</translation>
    </message>
    <message>
        <source>Select Data to be displayed</source>
        <translation>Elija los datos que se muestran</translation>
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
        <translation>Esta página modifica los datos de la gráfica. Los valores de desintegración se ajustan en la página Configuración.</translation>
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
        <translation>¡¡Introduzca un número entero!!</translation>
    </message>
    <message>
        <source>Count of nuclide %1 at time %2</source>
        <extracomment>What a screen reader calls a count field of the graph data editor</extracomment>
        <translation>Número del núclido %1 en el tiempo %2</translation>
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
        <translation>un número no es un número de partículas</translation>
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
        <source>Change Tovrin</source>
        <extracomment>Caption of the scroll bar that sets the half-life T½ of the model curve</extracomment>
        <translation>Cambiar semivida</translation>
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
        <translation>Marca dónde empieza la curva modelo, en el tiempo 0</translation>
    </message>
    <message>
        <source>C o u n t </source>
        <extracomment>Title of the vertical axis, written downwards one letter a line in 8 pixels: a space after each letter, at most five narrow letters (an m or w is cut)</extracomment>
        <translation>C a n t . </translation>
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
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Fit the model to nuclide 1&apos;s counts and show the estimate with its standard error</source>
        <translation>Ajustar el modelo a los números del núclido 1 y mostrar la estimación con su error estándar</translation>
    </message>
    <message>
        <source>Draw the expected count of each graphed nuclide</source>
        <translation>Dibujar el número esperado de cada núclido representado</translation>
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
        <source>Best fit of nuclide 1 from %1 points:  T½ = %2 ± %3,  A = %4 ± %5</source>
        <translation>Mejor ajuste del núclido 1 con %1 puntos:  T½ = %2 ± %3,  A = %4 ± %5</translation>
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
        <translation>Núclido %1 en los tiempos 0 a %2: %3.</translation>
    </message>
    <message>
        <source>The expected counts are drawn as lines.</source>
        <translation>Los números esperados se dibujan como líneas.</translation>
    </message>
    <message>
        <source>Best fit hidden.</source>
        <translation>Mejor ajuste oculto.</translation>
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
    <name>vestor::MainWindow</name>
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
        <translation>Nombre de &amp;usuario</translation>
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
        <translation>&amp;Acumular series guardadas…</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>vestor::TGetDataFR</name>
    <message>
        <source>First Decay Value </source>
        <translation>1er valor del dado </translation>
    </message>
    <message>
        <source>Second Decay Value </source>
        <translation>2º valor del dado </translation>
    </message>
    <message>
        <source>Third Decay Value </source>
        <translation>3er valor del dado </translation>
    </message>
    <message>
        <source>Fourth Decay Value </source>
        <translation>4º valor del dado </translation>
    </message>
    <message>
        <source>Fifth Decay Value </source>
        <translation>5º valor del dado </translation>
    </message>
    <message>
        <source>Set Data</source>
        <translation>Ajustar datos</translation>
    </message>
    <message>
        <source>Decay Rate</source>
        <translation>Tasa de desintegración</translation>
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
        <translation>Valor de desintegración de la partícula %1</translation>
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
        <translation>Ajusta cuántas caras tiene el dado; ningún valor de desintegración puede ser mayor</translation>
    </message>
    <message>
        <source>Length of Decay chain</source>
        <translation>Longitud de la cadena</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>Aparece en la impresión</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
