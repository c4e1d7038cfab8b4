<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>LabReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 or less (%2)</source>
        <translation>%1 ou menos (%2)</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 passos</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Melhor ajuste</translation>
    </message>
    <message>
        <source>Chance per step</source>
        <translation>Probabilidade por passo</translation>
    </message>
    <message>
        <source>Conclusion</source>
        <extracomment>Lab report: heading of the ruled lines where the student writes a conclusion</extracomment>
        <translation>Conclusão</translation>
    </message>
    <message>
        <source>Count (logarithmic)</source>
        <extracomment>Lab report graph: title of the count axis</extracomment>
        <translation>Contagem (logarítmica)</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Contagem</translation>
    </message>
    <message>
        <source>Data: counts at each time</source>
        <translation>Dados: contagens em cada instante</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Before the date on the lab report</extracomment>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Nuclides in the decay series: %1. Each decays into the next, the last into a stable product.</source>
        <extracomment>Lab report: how many nuclides the decay series has</extracomment>
        <translation>Nuclídeos da cadeia de decaimento: %1. Cada um decai no seguinte, o último num produto estável.</translation>
    </message>
    <message>
        <source>Differences of T½ in steps</source>
        <translation>Diferenças de T½ em passos</translation>
    </message>
    <message>
        <source>Expected count, in the band where 95 % of runs fall</source>
        <translation>Contagem esperada, na faixa onde caem 95% das rodadas</translation>
    </message>
    <message>
        <source>Graph data: the sums of saved runs (%1): %2.</source>
        <translation>Dados do gráfico: as somas das rodadas salvas (%1): %2.</translation>
    </message>
    <message>
        <source>Graph data: the sums of pooled saved runs.</source>
        <translation>Dados do gráfico: as somas das rodadas salvas.</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Half-life of nuclide 1</source>
        <translation>Meia-vida do nuclídeo 1</translation>
    </message>
    <message>
        <source>Half-life</source>
        <translation>Meia-vida</translation>
    </message>
    <message>
        <source>Half-lives in time steps; A is the count at time 0.</source>
        <translation>Meias-vidas em passos de tempo; A é a contagem no instante 0.</translation>
    </message>
    <message>
        <source>Initial number</source>
        <translation>Número inicial</translation>
    </message>
    <message>
        <source>Made with %1 %2</source>
        <extracomment>The program&apos;s name and version, at the top right of the lab report</extracomment>
        <translation>Feito com %1 %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>Before the student&apos;s name on the lab report</extracomment>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Nuclide %1</source>
        <translation>Nuclídeo %1</translation>
    </message>
    <message>
        <source>Nuclide</source>
        <translation>Nuclídeo</translation>
    </message>
    <message>
        <source>Predicted from the chance of %1</source>
        <translation>Prevista pela probabilidade de %1</translation>
    </message>
    <message>
        <source>Radioactive Decay: Lab Report</source>
        <extracomment>Title of the printed lab report</extracomment>
        <translation>Decaimento radioativo: relatório de laboratório</translation>
    </message>
    <message>
        <source>Settings of the run</source>
        <translation>Configurações da rodada</translation>
    </message>
    <message>
        <source>The report could not be drawn.</source>
        <translation>Não foi possível desenhar o relatório.</translation>
    </message>
    <message>
        <source>Time (steps)</source>
        <extracomment>Lab report graph: title of the time axis</extracomment>
        <translation>Tempo (passos)</translation>
    </message>
    <message>
        <source>Your model (scroll bars)</source>
        <extracomment>Lab report: the model curve the student set with the two scroll bars</extracomment>
        <translation>Seu modelo (barras de rolagem)</translation>
    </message>
    <message>
        <source>Your model</source>
        <translation>Seu modelo</translation>
    </message>
    <message>
        <source>best fit − predicted</source>
        <translation>melhor ajuste − prevista</translation>
    </message>
    <message>
        <source>no estimate, %1</source>
        <translation>sem estimativa, %1</translation>
    </message>
    <message>
        <source>your model − best fit</source>
        <translation>seu modelo − melhor ajuste</translation>
    </message>
    <message>
        <source>your model − predicted</source>
        <translation>seu modelo − prevista</translation>
    </message>
    <message numerus="yes">
        <source>Chances by a die of %n sides: a particle decays when the die shows its decay value or less.</source>
        <translation>
            <numerusform>Sorteio por um dado de %n face: uma partícula decai quando o dado mostra seu valor de decaimento ou menos.</numerusform>
            <numerusform>Sorteio por um dado de %n faces: uma partícula decai quando o dado mostra seu valor de decaimento ou menos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best fit from %n points</source>
        <translation>
            <numerusform>Melhor ajuste com %n ponto</numerusform>
            <numerusform>Melhor ajuste com %n pontos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No usable printer is available.</source>
        <translation>Não há nenhuma impressora utilizável.</translation>
    </message>
    <message>
        <source>The printer %1 refused the document.</source>
        <translation>A impressora %1 recusou o documento.</translation>
    </message>
    <message>
        <source>Printed by: </source>
        <extracomment>First line of a printed graph, before the student&apos;s name</extracomment>
        <translation>Impresso por: </translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>Não foi possível concluir o documento.</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>Não foi possível desenhar a imagem.</translation>
    </message>
    <message>
        <source>The graph could not be printed into %1: %2.</source>
        <translation>Não foi possível imprimir o gráfico em %1: %2.</translation>
    </message>
    <message>
        <source>the document could not be written in full</source>
        <translation>não foi possível gravar o documento por inteiro</translation>
    </message>
    <message>
        <source>This copy of Vestor cannot write SVG drawings.</source>
        <translation>Esta versão do Vestor não pode salvar desenhos SVG.</translation>
    </message>
    <message>
        <source>The report could not be printed into %1: %2.</source>
        <translation>Não foi possível imprimir o relatório em %1: %2.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>there is not enough room for it: the disk is full, or the file would be larger than this computer allows</source>
        <translation>não há espaço suficiente: o disco está cheio, ou o arquivo ficaria maior do que este computador permite</translation>
    </message>
    <message>
        <source>%1, and the file that was there could not be put back as it was</source>
        <translation>%1, e o arquivo que estava lá não pôde ser restaurado como era</translation>
    </message>
    <message>
        <source>the file there is too large to be replaced in this folder</source>
        <translation>o arquivo que está lá é grande demais para ser substituído nesta pasta</translation>
    </message>
</context>
<context>
    <name>SavedRunPooler</name>
    <message>
        <source>Pool Saved Runs</source>
        <translation>Somar rodadas salvas</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Nothing was pooled; the graph data are as they were.

%1</source>
        <translation>Nada foi somado; os dados do gráfico continuam como estavam.

%1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Não é possível ler %1: %2.</translation>
    </message>
    <message>
        <source>Times past %1 were left out.</source>
        <translation>Os instantes depois de %1 foram deixados de fora.</translation>
    </message>
    <message>
        <source>A shorter run adds nothing after its last time.</source>
        <translation>Uma rodada mais curta não soma nada depois do seu último instante.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>o arquivo tem mais de 1 MB</translation>
    </message>
    <message>
        <source>the first line is not the heading &quot;time&quot; and the columns &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>a primeira linha não é o cabeçalho “time” com as colunas “P1” .. “P5”</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is not one of &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>o cabeçalho “%1” não é nenhum de “P1” .. “P5”</translation>
    </message>
    <message>
        <source>the heading &quot;%1&quot; is there twice</source>
        <translation>o cabeçalho “%1” aparece duas vezes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from 0 to 2147483647</source>
        <translation>“%1” não é um número inteiro de 0 a 2147483647</translation>
    </message>
    <message>
        <source>time %1 stands where time %2 belongs; the times must run 0, 1, 2, ... in order</source>
        <translation>o instante %1 está no lugar do instante %2; os instantes devem seguir 0, 1, 2, ... em ordem</translation>
    </message>
    <message>
        <source>the line has more values than there are headings</source>
        <translation>a linha tem mais valores do que cabeçalhos</translation>
    </message>
    <message>
        <source>it has the headings but no counts</source>
        <translation>o arquivo tem os cabeçalhos, mas nenhuma contagem</translation>
    </message>
    <message>
        <source>its count of nuclide %1 at time %2 makes the pooled sum larger than 2147483647</source>
        <translation>a contagem do nuclídeo %1 no instante %2 faz a soma passar de 2147483647</translation>
    </message>
    <message>
        <source>%1, line %2: %3.</source>
        <translation>%1, linha %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 has no counts of nuclide %2; it adds nothing to them.</source>
        <translation>%1 não tem contagens do nuclídeo %2; não acrescenta nada a elas.</translation>
    </message>
    <message>
        <source>it has the times but no column of counts &quot;P1&quot; .. &quot;P5&quot;</source>
        <translation>o arquivo tem os instantes, mas nenhuma coluna de contagens &quot;P1&quot; .. &quot;P5&quot;</translation>
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
        <translation>1 arquivo somado: %1, de 0 a %2.</translation>
    </message>
    <message numerus="yes">
        <source>Pooled %n files: %1, 0 to %2.</source>
        <translation>
            <numerusform>%n arquivo somado: %1, de 0 a %2.</numerusform>
            <numerusform>%n arquivos somados: %1, de 0 a %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved runs (*.txt *.csv *.tsv)</source>
        <translation>Rodadas salvas (*.txt *.csv *.tsv)</translation>
    </message>
    <message numerus="yes">
        <source>%1 has empty cells (%n); they add nothing.</source>
        <translation>
            <numerusform>%1 tem %n célula vazia; ela não soma nada.</numerusform>
            <numerusform>%1 tem %n células vazias; elas não somam nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>the time is missing</source>
        <translation>falta o instante</translation>
    </message>
</context>
<context>
    <name>vestor::AboutBox</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version 0.8</source>
        <translation>Versão 0.8</translation>
    </message>
    <message>
        <source>Vestor: For Lab or Demonstration.</source>
        <translation>Vestor: para laboratório ou demonstração.</translation>
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
        <translation>meia-vida</translation>
    </message>
    <message>
        <source>Downloaded as %1.</source>
        <extracomment>Said and shown in a web browser after a file was handed to the browser; %1 is the file&apos;s name</extracomment>
        <translation>Baixado como %1.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <extracomment>Said and shown after a lesson was opened; %1 is the file (with its folder, outside a web browser)</extracomment>
        <translation>Aberto: %1.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>Said and shown after a file was saved; %1 is the file with its folder</extracomment>
        <translation>Salvo em %1.</translation>
    </message>
</context>
<context>
    <name>vestor::BarField</name>
    <message>
        <source>Type a value and press Enter, or click elsewhere, to move the bar there</source>
        <translation>Digite um valor e pressione Enter, ou clique em outro lugar, para levar a barra até ele</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1: “%2” não é um número inteiro de %3 a %4. O campo volta a mostrar o valor da barra.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from %3 to %4. The field shows the bar&apos;s value again.</source>
        <translation>%1: “%2” não é um número de %3 a %4. O campo volta a mostrar o valor da barra.</translation>
    </message>
</context>
<context>
    <name>vestor::ChamberPage</name>
    <message>
        <source>Active</source>
        <extracomment>Caption above the decay chamber, which holds the particles not yet decayed</extracomment>
        <translation>Ativas</translation>
    </message>
    <message>
        <source>Decayed</source>
        <extracomment>Caption above the panel of decayed particles taken out of the chamber</extracomment>
        <translation>Decaídas</translation>
    </message>
    <message>
        <source>Decay chamber</source>
        <translation>Câmara de decaimento</translation>
    </message>
    <message>
        <source>Decayed particles</source>
        <translation>Partículas decaídas</translation>
    </message>
    <message>
        <source>The decayed particles taken out of the chamber, stacked from the top</source>
        <translation>As partículas decaídas retiradas da câmara, empilhadas de cima para baixo</translation>
    </message>
    <message>
        <source>black</source>
        <translation>em preto</translation>
    </message>
    <message>
        <source>red</source>
        <translation>em vermelho</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>em verde vivo</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>em azul-celeste</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>em verde-azulado</translation>
    </message>
    <message>
        <source>Colour of nuclide %1</source>
        <translation>Cor do nuclídeo %1</translation>
    </message>
    <message>
        <source>Particles of nuclide %1 are drawn %2 in the chamber</source>
        <translation>As partículas do nuclídeo %1 são desenhadas %2 na câmara</translation>
    </message>
    <message>
        <source>Count of nuclide %1</source>
        <translation>Contagem do nuclídeo %1</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Button: take the decayed particles out of the chamber</extracomment>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Button: advance one time step</extracomment>
        <translation>Tem&amp;po</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>Automate</source>
        <extracomment>Check box: step time and remove decayed particles by itself once a second</extracomment>
        <translation>Automático</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>P&amp;arar</translation>
    </message>
    <message>
        <source>vermilion</source>
        <translation>em vermelhão</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>em azul</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>em roxo</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>em cinza</translation>
    </message>
    <message>
        <source>nuclide %1, %2</source>
        <extracomment>What a screen reader says for one nuclide&apos;s count after a time step</extracomment>
        <translation>nuclídeo %1, %2</translation>
    </message>
    <message>
        <source>Time %1: %2.</source>
        <extracomment>What a screen reader says after each time step: the time, then each nuclide&apos;s count</extracomment>
        <translation>Instante %1: %2.</translation>
    </message>
    <message>
        <source>Remove the decayed particles first.</source>
        <translation>Retire primeiro as partículas decaídas.</translation>
    </message>
    <message>
        <source>No active particles are left.</source>
        <translation>Não resta nenhuma partícula ativa.</translation>
    </message>
    <message>
        <source>The run has recorded its 100 times.</source>
        <translation>A rodada registrou seus 100 instantes.</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs: Reset starts a new run.</source>
        <translation>Os dados do gráfico são as rodadas somadas: Zerar começa uma nova rodada.</translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles wait to be removed; %1.</source>
        <translation>
            <numerusform>%n partícula decaída espera para ser retirada; %1.</numerusform>
            <numerusform>%n partículas decaídas esperam para ser retiradas; %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n have been taken out</source>
        <translation>
            <numerusform>%n já foi retirada</numerusform>
            <numerusform>%n já foram retiradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n decayed particles removed.</source>
        <translation>
            <numerusform>%n partícula decaída retirada.</numerusform>
            <numerusform>%n partículas decaídas retiradas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vestor::ConfigPage</name>
    <message>
        <source>1st Decay Value </source>
        <extracomment>Die throw at or below which nuclide n decays; keep the trailing space</extracomment>
        <translation>1º limiar do dado </translation>
    </message>
    <message>
        <source>2nd Decay Value </source>
        <translation>2º limiar do dado </translation>
    </message>
    <message>
        <source>3rd Decay Value </source>
        <translation>3º limiar do dado </translation>
    </message>
    <message>
        <source>4th Decay Value </source>
        <translation>4º limiar do dado </translation>
    </message>
    <message>
        <source>5th Decay Value </source>
        <translation>5º limiar do dado </translation>
    </message>
    <message>
        <source>Radioactive Decay Chamber Settings Configuration</source>
        <translation>Configuração da câmara de decaimento radioativo</translation>
    </message>
    <message>
        <source>Use the Scrollbars to Adjust Values</source>
        <translation>Ajuste os valores com as barras de rolagem</translation>
    </message>
    <message>
        <source>Steps in Decay Series</source>
        <extracomment>Caption of the choice of how many nuclides the decay chain has (1 to 5)</extracomment>
        <translation>Nuclídeos da cadeia</translation>
    </message>
    <message>
        <source>Type of Decay</source>
        <translation>Sorteio por</translation>
    </message>
    <message>
        <source> &amp;Percentage</source>
        <extracomment>Decay type: the chance of decay per time step given as a percentage</extracomment>
        <translation> &amp;Porcentagem</translation>
    </message>
    <message>
        <source> &amp;Dice</source>
        <extracomment>Decay type: the chance of decay given by a throw of a die</extracomment>
        <translation> &amp;Dado</translation>
    </message>
    <message>
        <source>Graph Equation</source>
        <translation>Equação do gráfico</translation>
    </message>
    <message>
        <source> &amp;Show Equation</source>
        <translation> &amp;Mostrar equação</translation>
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
        <translation>Probabilidade de decaimento</translation>
    </message>
    <message>
        <source>Nuclide %1</source>
        <translation>Nuclídeo %1</translation>
    </message>
    <message>
        <source>Chance of decay of nuclide %1, percent</source>
        <translation>Probabilidade de decaimento do nuclídeo %1, em porcentagem</translation>
    </message>
    <message>
        <source>Sets the chance in percent that a particle of nuclide %1 decays in one time step</source>
        <translation>Ajusta a probabilidade, em porcentagem, de uma partícula do nuclídeo %1 decair em um passo de tempo</translation>
    </message>
    <message>
        <source>Chance of Decay</source>
        <translation>Chance de decaimento</translation>
    </message>
    <message>
        <source># of Sides on Die</source>
        <extracomment>Number of sides of the die thrown for every particle</extracomment>
        <translation>Faces do dado</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Número de faces do dado</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Ajusta quantas faces o dado tem; nenhum limiar pode ser maior</translation>
    </message>
    <message>
        <source>Decay value of nuclide %1</source>
        <translation>Limiar do dado do nuclídeo %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which a particle of nuclide %1 decays</source>
        <translation>Ajusta o maior resultado do dado com que uma partícula do nuclídeo %1 decai</translation>
    </message>
    <message>
        <source>Initial Number</source>
        <extracomment>Group title: how many particles of each nuclide the chamber holds at the start</extracomment>
        <translation>Número inicial</translation>
    </message>
    <message>
        <source>Initial number of nuclide %1</source>
        <translation>Número inicial do nuclídeo %1</translation>
    </message>
    <message>
        <source>Sets how many particles of nuclide %1 the chamber holds at the start, 1000 in all at most</source>
        <translation>Ajusta quantas partículas do nuclídeo %1 a câmara tem no início, no máximo 1000 ao todo</translation>
    </message>
    <message>
        <source>T½ = %1 steps</source>
        <translation>T½ = %1 passos</translation>
    </message>
    <message>
        <source>The teacher has locked these settings (Extras ▸ Lock Settings).</source>
        <translation>O professor bloqueou estas configurações (Extras ▸ Bloquear configurações).</translation>
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
        <translation>Tabela dos dados coletados</translation>
    </message>
    <message>
        <source>Select Data to be displayed</source>
        <translation>Escolha os dados exibidos</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation> Nuclídeo %1</translation>
    </message>
    <message>
        <source>Collected data</source>
        <translation>Dados coletados</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>C&amp;opy Highlighted</source>
        <extracomment>Button: copy the selected part of the table</extracomment>
        <translation>C&amp;opiar seleção</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>Copiar t&amp;udo</translation>
    </message>
    <message>
        <source>Save Data as Text</source>
        <translation>Salvar os dados como texto</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texto (*.txt)</translation>
    </message>
    <message>
        <source>The data could not be saved to %1:
%2</source>
        <translation>Não foi possível salvar os dados em %1:
%2</translation>
    </message>
</context>
<context>
    <name>vestor::GraphEditorPage</name>
    <message>
        <source>Use this page to modify the Graphing Data.  To Set the Decay Values, use the Configuration page.</source>
        <translation>Esta página altera os dados do gráfico. As probabilidades de decaimento se ajustam na página Configuração.</translation>
    </message>
    <message>
        <source>Number of Data Points:</source>
        <translation>Número de pontos:</translation>
    </message>
    <message>
        <source>Number of data points</source>
        <translation>Número de pontos</translation>
    </message>
    <message>
        <source>Sets how many recorded times the graph and the data table show</source>
        <translation>Ajusta quantos instantes registrados o gráfico e a tabela mostram</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Caption of the choice of nuclide whose counts are shown below</extracomment>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Nuclide 1</source>
        <translation>Nuclídeo 1</translation>
    </message>
    <message>
        <source>Nuclide 2</source>
        <translation>Nuclídeo 2</translation>
    </message>
    <message>
        <source>Nuclide 3</source>
        <translation>Nuclídeo 3</translation>
    </message>
    <message>
        <source>Nuclide 4</source>
        <translation>Nuclídeo 4</translation>
    </message>
    <message>
        <source>Nuclide 5</source>
        <translation>Nuclídeo 5</translation>
    </message>
    <message>
        <source>Nuclide 1&apos;s Data</source>
        <translation>Dados do nuclídeo 1</translation>
    </message>
    <message>
        <source>Initial Count</source>
        <extracomment>The count at time 0</extracomment>
        <translation>Inicial</translation>
    </message>
    <message>
        <source>Times shown</source>
        <translation>Instantes mostrados</translation>
    </message>
    <message>
        <source>Scrolls the fifteen count fields through the recorded times</source>
        <translation>Rola os quinze campos de contagem pelos instantes registrados</translation>
    </message>
    <message>
        <source>%1´s Data</source>
        <extracomment>Title of the group of count fields; %1 is the chosen &quot;Nuclide n&quot;</extracomment>
        <translation>Dados do %1</translation>
    </message>
    <message>
        <source>Enter an integer!!</source>
        <translation>Digite um número inteiro, sem ponto de milhar.</translation>
    </message>
    <message>
        <source>Count of nuclide %1 at time %2</source>
        <extracomment>What a screen reader calls a count field of the graph data editor</extracomment>
        <translation>Contagem do nuclídeo %1 no instante %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no whole number; the field shows %3.</source>
        <extracomment>Said after &quot;Enter an integer!!&quot;: the field refused, what was typed and what it shows now</extracomment>
        <translation>%1: “%2” não é um número inteiro; o campo mostra %3.</translation>
    </message>
</context>
<context>
    <name>vestor::GraphPage</name>
    <message>
        <source>a count is not a number of particles</source>
        <translation>uma contagem não é um número possível de partículas</translation>
    </message>
    <message>
        <source>fewer than three usable points</source>
        <translation>menos de três pontos utilizáveis</translation>
    </message>
    <message>
        <source>the counts do not fall</source>
        <translation>as contagens não diminuem</translation>
    </message>
    <message>
        <source>Change Initial Count</source>
        <extracomment>Caption of the scroll bar that sets the initial count A of the model curve</extracomment>
        <translation>Mudar contagem inicial</translation>
    </message>
    <message>
        <source>Change Half-life</source>
        <extracomment>Caption of the scroll bar that sets the half-life T½ of the model curve</extracomment>
        <translation>Mudar meia-vida</translation>
    </message>
    <message>
        <source>Half-life of the model curve</source>
        <translation>Meia-vida da curva do modelo</translation>
    </message>
    <message>
        <source>Sets the half-life of the model curve drawn over nuclide 1&apos;s counts; the equation above the graph shows it</source>
        <translation>Ajusta a meia-vida da curva do modelo traçada sobre as contagens do nuclídeo 1; a equação acima do gráfico a mostra</translation>
    </message>
    <message>
        <source>Decay graph</source>
        <translation>Gráfico do decaimento</translation>
    </message>
    <message>
        <source>Initial count of the model curve</source>
        <translation>Contagem inicial da curva do modelo</translation>
    </message>
    <message>
        <source>Moves the initial count of the model curve up or down; the equation above the graph shows it</source>
        <translation>Sobe ou desce a contagem inicial da curva do modelo; a equação acima do gráfico a mostra</translation>
    </message>
    <message>
        <source>Start of the model curve</source>
        <translation>Início da curva do modelo</translation>
    </message>
    <message>
        <source>Marks where the model curve starts, at time 0</source>
        <translation>Marca onde a curva do modelo começa, no instante 0</translation>
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
        <translation>Traçar os nuclídeos marcados</translation>
    </message>
    <message>
        <source> Nuclide %1</source>
        <translation>Nucl. %1</translation>
    </message>
    <message>
        <source>Curve read-out</source>
        <translation>Leitura na curva</translation>
    </message>
    <message>
        <source>The time and the model&apos;s count at the point pressed on the graph</source>
        <translation>O tempo e a contagem do modelo no ponto clicado do gráfico</translation>
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
        <translation>Melhor ajuste</translation>
    </message>
    <message>
        <source>Expected</source>
        <extracomment>Check box: draw the expected count of each nuclide</extracomment>
        <translation>Valor esperado</translation>
    </message>
    <message>
        <source>Fit the model to nuclide 1&apos;s counts and show the estimate with its standard error</source>
        <translation>Ajustar o modelo às contagens do nuclídeo 1 e mostrar a estimativa com sua incerteza-padrão</translation>
    </message>
    <message>
        <source>&amp;Use fit</source>
        <extracomment>Button: move the two scroll bars to the best fit</extracomment>
        <translation>&amp;Usar ajuste</translation>
    </message>
    <message>
        <source>Move the two scroll bars to the computed fit</source>
        <translation>Levar as duas barras de rolagem ao ajuste calculado</translation>
    </message>
    <message>
        <source>Best fit of nuclide 1: no estimate, %1.</source>
        <translation>Melhor ajuste do nuclídeo 1: sem estimativa, %1.</translation>
    </message>
    <message>
        <source> The count rises from time %1 to %2, which decay alone cannot do: the ± does not hold.</source>
        <translation> A contagem sobe do instante %1 para o %2, o que o decaimento sozinho não faz: o ± não vale.</translation>
    </message>
    <message>
        <source> The half-life lies beyond the scroll bar&apos;s range.</source>
        <translation> A meia-vida está fora do alcance da barra.</translation>
    </message>
    <message>
        <source> The initial count lies beyond the scroll bar&apos;s reach.</source>
        <translation> A contagem inicial está fora do alcance da barra.</translation>
    </message>
    <message>
        <source>Draw the expected count of each graphed nuclide, in a band where 95 % of runs fall</source>
        <translation>Desenhar a contagem esperada de cada nuclídeo do gráfico, numa faixa onde caem 95% das rodadas</translation>
    </message>
    <message>
        <source>&amp;Log scale</source>
        <extracomment>Check box: plot the counts on a logarithmic axis, where an exponential decay is a straight line</extracomment>
        <translation>Escala &amp;logarítmica</translation>
    </message>
    <message>
        <source>Plot the counts on a logarithmic axis: an exponential decay becomes a straight line</source>
        <translation>Mostrar as contagens num eixo logarítmico: um decaimento exponencial vira uma reta</translation>
    </message>
    <message>
        <source>Model curve: T½ %1 steps, A %2.</source>
        <extracomment>The model curve as a screen reader says it, after the graph&apos;s points and as a scroll bar moves</extracomment>
        <translation>Curva do modelo: T½ %1 passos, A %2.</translation>
    </message>
    <message>
        <source>Half-life of the model curve, T½ %1 steps</source>
        <extracomment>What a screen reader says for the half-life scroll bar: what it sets and its value</extracomment>
        <translation>Meia-vida da curva do modelo, T½ %1 passos</translation>
    </message>
    <message>
        <source>Initial count of the model curve, A %1</source>
        <extracomment>What a screen reader says for the initial-count scroll bar: what it sets and its value</extracomment>
        <translation>Contagem inicial da curva do modelo, A %1</translation>
    </message>
    <message>
        <source>Nuclide %1 at times 0 to %2: %3.</source>
        <extracomment>Graph as a screen reader reads it: one nuclide&apos;s counts, time by time</extracomment>
        <translation>Nuclídeo %1 nos instantes de 0 a %2: %3.</translation>
    </message>
    <message>
        <source>Best fit hidden.</source>
        <translation>Melhor ajuste oculto.</translation>
    </message>
    <message>
        <source>The expected count of each graphed nuclide is drawn as a line, in a band where 95 % of runs fall.</source>
        <translation>A contagem esperada de cada nuclídeo do gráfico é desenhada como uma linha, numa faixa onde caem 95% das rodadas.</translation>
    </message>
    <message>
        <source>The expected counts are hidden.</source>
        <translation>As contagens esperadas estão ocultas.</translation>
    </message>
    <message>
        <source>The counts are on a logarithmic axis, where an exponential decay is a straight line.</source>
        <translation>As contagens estão num eixo logarítmico, onde um decaimento exponencial é uma reta.</translation>
    </message>
    <message>
        <source>The counts are on an even axis.</source>
        <translation>As contagens estão num eixo de divisões iguais.</translation>
    </message>
    <message numerus="yes">
        <source>Best fit of nuclide 1 from %n points:  T½ = %1 ± %2,  A = %3 ± %4</source>
        <translation>
            <numerusform>Melhor ajuste do nuclídeo 1 com %n ponto:  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
            <numerusform>Melhor ajuste do nuclídeo 1 com %n pontos:  T½ = %1 ± %2,  A = %3 ± %4</numerusform>
        </translation>
    </message>
    <message>
        <source> The half-life bar moves in steps of 0.025; its nearest position gives T½ = %1.</source>
        <extracomment>After Use fit: why the equation&apos;s half-life differs from the fit&apos;s; %1 is the equation&apos;s</extracomment>
        <translation> A barra da meia-vida anda em passos de 0,025; sua posição mais próxima dá T½ = %1.</translation>
    </message>
</context>
<context>
    <name>vestor::HelpWindow</name>
    <message>
        <source>Vestor Help</source>
        <translation>Ajuda do Vestor</translation>
    </message>
    <message>
        <source>Student&apos;s guide, %1</source>
        <extracomment>What a screen reader calls the guide&apos;s text; %1 is the section it opens at</extracomment>
        <translation>Guia do aluno, %1</translation>
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
        <translation>está faltando, ou não é um grupo de valores</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>não é um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>não é um número</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>não é true nem false</translation>
    </message>
    <message>
        <source>the series has not 1 to 5 nuclides, or the die not 2 to 40 sides</source>
        <translation>a cadeia não tem de 1 a 5 nuclídeos, ou o dado não tem de 2 a 40 faces</translation>
    </message>
    <message>
        <source>the chance of decay of nuclide %1 is out of range</source>
        <translation>a chance de decaimento do nuclídeo %1 está fora do intervalo permitido</translation>
    </message>
    <message>
        <source>the initial numbers are not 1 to 1000 particles in all</source>
        <translation>os números iniciais não somam de 1 a 1000 partículas</translation>
    </message>
    <message>
        <source>a time is not 0 to 99</source>
        <translation>um instante não está entre 0 e 99</translation>
    </message>
    <message>
        <source>a count is negative</source>
        <translation>uma contagem é negativa</translation>
    </message>
    <message>
        <source>the chamber holds more than 1000 particles</source>
        <translation>a câmara contém mais de 1000 partículas</translation>
    </message>
    <message>
        <source>the particle order is not the numbers 1 to 1000, each once</source>
        <translation>a ordem das partículas não contém cada número de 1 a 1000 uma única vez</translation>
    </message>
    <message>
        <source>the size of the particles does not suit their number</source>
        <translation>o tamanho das partículas não corresponde ao seu número</translation>
    </message>
    <message>
        <source>a particle belongs to no nuclide of the series</source>
        <translation>uma partícula não pertence a nenhum nuclídeo da cadeia</translation>
    </message>
    <message>
        <source>a particle lies outside the chamber</source>
        <translation>uma partícula está fora da câmara</translation>
    </message>
    <message>
        <source>the number of particles taken out does not match the particles</source>
        <translation>o número de partículas removidas não corresponde às partículas</translation>
    </message>
    <message>
        <source>the count of nuclide %1 does not match its particles</source>
        <translation>a contagem do nuclídeo %1 não corresponde às suas partículas</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>é maior do que uma aula pode ser</translation>
    </message>
    <message>
        <source>it is not a lesson file (no JSON object at character %1)</source>
        <translation>não é um arquivo de aula (nenhum objeto JSON no caractere %1)</translation>
    </message>
    <message>
        <source>it is not a lesson file</source>
        <translation>não é um arquivo de aula</translation>
    </message>
    <message>
        <source>it has no version number</source>
        <translation>não tem número de versão</translation>
    </message>
    <message>
        <source>it was saved by a newer version of the program (lesson version %1); this one reads version %2</source>
        <translation>foi salvo por uma versão mais nova do programa (versão %1); esta lê a versão %2</translation>
    </message>
    <message>
        <source>neither &quot;percent&quot; nor &quot;dice&quot;</source>
        <translation>não é “percent” nem “dice”</translation>
    </message>
    <message>
        <source>neither &quot;e&quot; nor &quot;0.5&quot;</source>
        <translation>não é “e” nem “0.5”</translation>
    </message>
    <message>
        <source>row %1 is not a list of 5 counts</source>
        <translation>a linha %1 não é uma lista de 5 contagens</translation>
    </message>
    <message>
        <source>particle %1 is not [nuclide, x, y]</source>
        <translation>a partícula %1 não é [nuclídeo, x, y]</translation>
    </message>
    <message>
        <source>particle %1</source>
        <translation>partícula %1</translation>
    </message>
    <message>
        <source>row %1 is not five of the letters - R T P</source>
        <translation>a linha %1 não é formada por cinco das letras - R T P</translation>
    </message>
    <message numerus="yes">
        <source>not a list of at most %n items</source>
        <translation>
            <numerusform>não é uma lista de no máximo %n item</numerusform>
            <numerusform>não é uma lista de no máximo %n itens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not a list of %n items</source>
        <translation>
            <numerusform>não é uma lista de %n item</numerusform>
            <numerusform>não é uma lista de %n itens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing, or not a name of at most %n characters</source>
        <translation>
            <numerusform>ausente, ou não é um nome de no máximo %n caractere</numerusform>
            <numerusform>ausente, ou não é um nome de no máximo %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>nuclide %1 is past the end product of the series, yet its count is not the one the run started with</source>
        <translation>o nuclídeo %1 está depois do produto final da cadeia, mas sua contagem não é a do início da rodada</translation>
    </message>
    <message>
        <source>the initial numbers of the run do not give its particles</source>
        <translation>os números iniciais não correspondem às partículas da rodada</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is not 0, yet nobody recorded, typed or pooled it</source>
        <translation>a contagem do nuclídeo %1 no instante %2 não é 0, mas ninguém a registrou, digitou ou somou</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is pooled, but the run&apos;s data are not pooled runs</source>
        <translation>a contagem do nuclídeo %1 no instante %2 está somada, mas os dados da rodada não são rodadas somadas</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but pooled runs replaced the run&apos;s data</source>
        <translation>a contagem do nuclídeo %1 no instante %2 está registrada, mas rodadas somadas substituíram os dados</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded after the run&apos;s last time</source>
        <translation>a contagem do nuclídeo %1 no instante %2 está registrada depois do último instante da rodada</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is recorded, but the nuclide is not in the run&apos;s series</source>
        <translation>a contagem do nuclídeo %1 no instante %2 está registrada, mas o nuclídeo não está na cadeia da rodada</translation>
    </message>
    <message>
        <source>the recorded count of nuclide %1 at time %2 is not one the run could record</source>
        <translation>a contagem registrada do nuclídeo %1 no instante %2 não é uma que a rodada poderia registrar</translation>
    </message>
    <message>
        <source>the count of nuclide %1 at time %2 is after the last time typed or pooled</source>
        <translation>a contagem do nuclídeo %1 no instante %2 vem depois do último instante digitado ou somado</translation>
    </message>
    <message>
        <source>the run&apos;s series is not the one the settings choose, and no change of them is waiting</source>
        <translation>a cadeia da rodada não é a das configurações, e nenhuma mudança está pendente</translation>
    </message>
    <message>
        <source>not a state of the random generator that the program could have saved</source>
        <translation>não é um estado do gerador aleatório que o programa poderia ter salvado</translation>
    </message>
</context>
<context>
    <name>vestor::MainWindow</name>
    <message>
        <source>Print Re&amp;port…</source>
        <extracomment>Menu item: print the one-page lab report with the graph, the numbers and the data</extracomment>
        <translation>Im&amp;primir relatório…</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <extracomment>Menu item: save the one-page lab report as a PDF file</extracomment>
        <translation>Salvar relatório em P&amp;DF…</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Salvar relatório em PDF</translation>
    </message>
    <message>
        <source>The report could not be saved to %1:
%2</source>
        <translation>Não foi possível salvar o relatório em %1:
%2</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuração</translation>
    </message>
    <message>
        <source>&amp;Decay Chamber</source>
        <translation>Câmara de &amp;decaimento</translation>
    </message>
    <message>
        <source>Collected Data &amp;Table</source>
        <translation>&amp;Tabela de dados</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>Edit G&amp;raph Data</source>
        <translation>Edita&amp;r dados</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Fechar o programa</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy Graph</source>
        <translation>&amp;Copiar gráfico</translation>
    </message>
    <message>
        <source>&amp;Print Graph</source>
        <translation>&amp;Imprimir gráfico</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Configu&amp;rar impressora</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>Nome do &amp;aluno</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Implied &amp;Half-lives</source>
        <translation>&amp;Meias-vidas correspondentes</translation>
    </message>
    <message>
        <source>&amp;Pool Saved Runs…</source>
        <translation>&amp;Somar rodadas salvas…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Dice practical: one nuclide, a six-sided die</source>
        <translation>&amp;Prática com dados: um nuclídeo, um dado de seis faces</translation>
    </message>
    <message>
        <source>500 dice; a die that shows 1 has decayed. Half-life about 3.8 throws.</source>
        <translation>500 dados; um dado que mostra 1 decaiu. Meia-vida de cerca de 3,8 lançamentos.</translation>
    </message>
    <message>
        <source>&amp;Half-life of one step: one nuclide at 50 %</source>
        <translation>&amp;Meia-vida de um passo: um nuclídeo a 50%</translation>
    </message>
    <message>
        <source>800 particles with a chance of 50 % a step: the count halves at every step.</source>
        <translation>800 partículas com chance de 50% por passo: a contagem cai pela metade a cada passo.</translation>
    </message>
    <message>
        <source>&amp;Fast parent, slow daughter</source>
        <translation>Pai &amp;rápido, filho lento</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 30 % a step into nuclide 2, which decays at 5 %: the daughter builds up, then decays slowly.</source>
        <translation>O nuclídeo 1 decai a 30% por passo no nuclídeo 2, que decai a 5%: o filho se acumula e depois decai devagar.</translation>
    </message>
    <message>
        <source>&amp;Slow parent, fast daughter</source>
        <translation>Pai &amp;lento, filho rápido</translation>
    </message>
    <message>
        <source>Nuclide 1 decays at 5 % a step into nuclide 2, which decays at 40 %: the daughter soon follows its parent&apos;s half-life.</source>
        <translation>O nuclídeo 1 decai a 5% por passo no nuclídeo 2, que decai a 40%: o filho logo segue a meia-vida do pai.</translation>
    </message>
    <message>
        <source>Fi&amp;ve-member series by dice</source>
        <translation>Cadeia de &amp;cinco nuclídeos com dados</translation>
    </message>
    <message>
        <source>A ten-sided die; nuclide 1 decays on 2 or less, the others on 3, 1, 4 and 2; 500 particles of nuclide 1.</source>
        <translation>Um dado de dez faces; o nuclídeo 1 decai com 2 ou menos, os outros com 3, 1, 4 e 2; 500 partículas do nuclídeo 1.</translation>
    </message>
    <message>
        <source>&amp;Lock Settings</source>
        <translation>&amp;Bloquear configurações</translation>
    </message>
    <message>
        <source>Makes the Configuration page read-only until it is unlocked here</source>
        <translation>Deixa a página Configuração somente leitura até ser desbloqueada aqui</translation>
    </message>
    <message>
        <source>Lessons (*.vestor)</source>
        <translation>Aulas (*.vestor)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Arqui&amp;vo</translation>
    </message>
    <message>
        <source>&amp;Open Lesson…</source>
        <translation>&amp;Abrir aula…</translation>
    </message>
    <message>
        <source>&amp;Save Lesson</source>
        <translation>&amp;Salvar aula</translation>
    </message>
    <message>
        <source>Save Lesson &amp;As…</source>
        <translation>Salvar aula &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Recent Lessons</source>
        <translation>Aulas &amp;recentes</translation>
    </message>
    <message>
        <source>E&amp;xamples</source>
        <translation>&amp;Exemplos</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Exi&amp;bir</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Tamanho</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Vale a partir da próxima abertura</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>it is larger than a lesson can be</source>
        <translation>é maior do que uma aula pode ser</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Não é possível abrir a aula “%1”: %2.</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; was not saved: %2.</source>
        <translation>A aula “%1” não foi salva: %2.</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Abrir aula</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Salvar aula</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changed. Save the changes?</source>
        <translation>A aula “%1” foi alterada. Salvar as alterações?</translation>
    </message>
    <message>
        <source>Save Graph &amp;As…</source>
        <extracomment>Menu item: save the graph as a PNG, SVG or PDF file</extracomment>
        <translation>&amp;Salvar gráfico como…</translation>
    </message>
    <message>
        <source>&amp;Colour-blind Safe Colours</source>
        <translation>&amp;Cores para daltônicos</translation>
    </message>
    <message>
        <source>Save Graph As</source>
        <translation>Salvar gráfico como</translation>
    </message>
    <message>
        <source>PNG picture, twice the size (*.png)</source>
        <translation>Imagem PNG, tamanho dobrado (*.png)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
the name must end in .png, .svg or .pdf.</source>
        <translation>Não foi possível salvar o gráfico em %1:
o nome deve terminar em .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>The graph could not be saved to %1:
%2</source>
        <translation>Não foi possível salvar o gráfico em %1:
%2</translation>
    </message>
    <message>
        <source>The graph data are the pooled runs. A new run replaces them.

Start a new run?</source>
        <translation>Os dados do gráfico são as rodadas somadas. Uma nova rodada os substitui.

Começar uma nova rodada?</translation>
    </message>
    <message>
        <source>%1 page</source>
        <extracomment>What a screen reader says when a page opens; %1 is the page&apos;s name</extracomment>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>What a screen reader says as a menu of the menu bar opens; %1 is the menu&apos;s name</extracomment>
        <translation>Menu %1</translation>
    </message>
    <message>
        <source>%1, changes not saved</source>
        <extracomment>What a screen reader reads as the window&apos;s title while the lesson has unsaved changes; %1 is the title</extracomment>
        <translation>%1, alterações não salvas</translation>
    </message>
    <message>
        <source>The counts of this run have not been saved. Save them as a lesson?</source>
        <translation>As contagens desta rodada não foram salvas. Salvá-las como aula?</translation>
    </message>
    <message>
        <source>The graph was printed into %1.</source>
        <extracomment>Said and shown after printing into a file; %1 is the file</extracomment>
        <translation>O gráfico foi impresso em %1.</translation>
    </message>
    <message>
        <source>The graph went to the printer %1.</source>
        <extracomment>Said and shown after printing; %1 is the printer&apos;s name</extracomment>
        <translation>O gráfico foi enviado à impressora %1.</translation>
    </message>
    <message>
        <source>Fits this screen: %1 %</source>
        <extracomment>View &gt; Size: the largest size that fits the screen; %1 is that size in percent</extracomment>
        <translation>Cabe nesta tela: %1%</translation>
    </message>
    <message>
        <source>Fits this screen: none</source>
        <translation>Cabe nesta tela: nenhum</translation>
    </message>
    <message>
        <source>Needs a screen of at least %1 × %2 pixels</source>
        <extracomment>Tooltip of a size that does not fit the screen; %1 × %2 is the screen it needs, in pixels</extracomment>
        <translation>Precisa de uma tela de pelo menos %1 × %2 pixels</translation>
    </message>
    <message>
        <source>In a web browser, Print Graph gives the page as a PDF download; the browser opens it and prints it on the printer chosen there.</source>
        <translation>Em um navegador, “Imprimir gráfico” gera a página como um PDF para baixar; o navegador o abre e o imprime na impressora escolhida nele.</translation>
    </message>
    <message>
        <source>Copy Lesson &amp;Link</source>
        <translation>Copiar &amp;link da aula</translation>
    </message>
    <message>
        <source>The link to this lesson is on the clipboard. Paste it into a class page or a message: opening it opens this lesson, at this step, in a browser.</source>
        <translation>O link para esta aula está na área de transferência. Cole-o em uma página da turma ou em uma mensagem: ao abri-lo, esta aula se abre, neste passo, em um navegador.</translation>
    </message>
</context>
<context>
    <name>vestor::MenuItem</name>
    <message>
        <source>not checked</source>
        <extracomment>What a screen reader adds to a menu item that can be ticked and is not</extracomment>
        <translation>não marcado</translation>
    </message>
</context>
<context>
    <name>vestor::Notifier</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
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
        <translation>não é um arquivo</translation>
    </message>
</context>
<context>
    <name>vestor::TGetDataFR</name>
    <message>
        <source>First Decay Value </source>
        <translation>Primeiro limiar </translation>
    </message>
    <message>
        <source>Second Decay Value </source>
        <translation>Segundo limiar </translation>
    </message>
    <message>
        <source>Third Decay Value </source>
        <translation>Terceiro limiar </translation>
    </message>
    <message>
        <source>Fourth Decay Value </source>
        <translation>Quarto limiar </translation>
    </message>
    <message>
        <source>Fifth Decay Value </source>
        <translation>Quinto limiar </translation>
    </message>
    <message>
        <source>Set Data</source>
        <translation>Ajustar dados</translation>
    </message>
    <message>
        <source>Decay Rate</source>
        <translation>Probabilidade por passo</translation>
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
        <translation>Faces do dado</translation>
    </message>
    <message>
        <source>Particle %1</source>
        <translation>Partícula %1</translation>
    </message>
    <message>
        <source>Chance of decay of particle %1, percent</source>
        <translation>Probabilidade de decaimento da partícula %1, em porcentagem</translation>
    </message>
    <message>
        <source>Sets the chance in percent that particle %1 decays in one step</source>
        <translation>Ajusta a probabilidade, em porcentagem, de a partícula %1 decair em um passo</translation>
    </message>
    <message>
        <source>Decay value of particle %1</source>
        <translation>Limiar do dado da partícula %1</translation>
    </message>
    <message>
        <source>Sets the highest throw of the die at which particle %1 decays</source>
        <translation>Ajusta o maior resultado do dado com que a partícula %1 decai</translation>
    </message>
    <message>
        <source>Number of particle %1</source>
        <translation>Número de partículas %1</translation>
    </message>
    <message>
        <source>Sets how many of particle %1 the chamber holds at the start</source>
        <translation>Ajusta quantas partículas %1 a câmara tem no início</translation>
    </message>
    <message>
        <source>Number of sides on the die</source>
        <translation>Número de faces do dado</translation>
    </message>
    <message>
        <source>Sets how many sides the die has; no decay value can be higher</source>
        <translation>Ajusta quantas faces o dado tem; nenhum limiar pode ser maior</translation>
    </message>
    <message>
        <source>Length of Decay chain</source>
        <translation>Comprimento da cadeia</translation>
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
        <translation>Eu sou ....</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Aparece na impressão</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
