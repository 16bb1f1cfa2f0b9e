<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>manifest</name>
    <message>
        <source>Clear the board of coloured boxes, group by group.</source>
        <translation>Libera il campo di gioco dai blocchi colorati, gruppo per gruppo.</translation>
    </message>
</context>
<context>
    <name>metainfo</name>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Clear groups of coloured boxes to score points and level up</source>
        <translation>Elimina gruppi di blocchi colorati per fare punti e avanzare di livello</translation>
    </message>
    <message>
        <source>Pelmora is a single-player puzzle game in one window. The board holds seven rows of thirteen boxes in four colours.</source>
        <translation>Pelmora è un rompicapo per un giocatore in una sola finestra. Il campo di gioco ha sette file di tredici blocchi in quattro colori.</translation>
    </message>
    <message>
        <source>Press a box that has a neighbour of the same colour to select its group and see what it is worth; press the group again to remove it. The bigger the group, the more points it brings. The boxes above fall into the gaps and empty columns close up.</source>
        <translation>Fai clic su un blocco che ha un vicino dello stesso colore per selezionarne il gruppo e vedere quanto vale; fai di nuovo clic sul gruppo per eliminarlo. Più grande è il gruppo, più punti porta. I blocchi sopra cadono nei vuoti e le colonne vuote si richiudono.</translation>
    </message>
    <message>
        <source>Reach the level&apos;s threshold and press LEVEL UP to move on to a fresh board. When no moves remain, Reset deals the boxes out again, for a price in points that rises every time.</source>
        <translation>Raggiungi la soglia del livello e premi AVANZA per passare a un nuovo campo di gioco. Quando non restano mosse, Rimescola ridistribuisce i blocchi, a un prezzo in punti che sale ogni volta.</translation>
    </message>
    <message>
        <source>puzzle</source>
        <translation>rompicapo</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>blocchi</translation>
    </message>
    <message>
        <source>colours</source>
        <translation>colori</translation>
    </message>
    <message>
        <source>Seventeen green boxes selected, worth 144500</source>
        <translation>Diciassette blocchi verdi selezionati, valore 144500</translation>
    </message>
    <message>
        <source>colors</source>
        <translation>colori</translation>
    </message>
    <message>
        <source>groups</source>
        <translation>gruppi</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>tessere</translation>
    </message>
    <message>
        <source>First release, in one window:</source>
        <translation>Prima versione, in un&apos;unica finestra:</translation>
    </message>
    <message>
        <source>select a group of boxes and remove it for 500 points times the square of its size;</source>
        <translation>seleziona un gruppo di blocchi e rimuovilo per 500 punti per il quadrato della sua grandezza;</translation>
    </message>
    <message>
        <source>ten levels, each with its own threshold, and a Reset that deals the boxes out again;</source>
        <translation>dieci livelli, ognuno con la sua soglia, e Rimescola, che ridistribuisce i blocchi;</translation>
    </message>
    <message>
        <source>the whole game by mouse or by keys, with a board that a screen reader reads as a table.</source>
        <translation>tutto il gioco con il mouse o con i tasti, con un campo di gioco che uno screen reader legge come una tabella.</translation>
    </message>
</context>
<context>
    <name>pelmora.desktop</name>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Puzzle Game</source>
        <translation>Rompicapo</translation>
    </message>
    <message>
        <source>Clear groups of coloured boxes to score points and level up</source>
        <translation>Elimina gruppi di blocchi colorati per fare punti e avanzare di livello</translation>
    </message>
    <message>
        <source>puzzle;boxes;colours;colors;groups;tiles;</source>
        <translation>rompicapo;puzzle;blocchi;colori;gruppi;tessere;</translation>
    </message>
</context>
<context>
    <name>pelmora::BoardCellAccessible</name>
    <message>
        <source>blue box</source>
        <translation>blocco blu</translation>
    </message>
    <message>
        <source>green box</source>
        <translation>blocco verde</translation>
    </message>
    <message>
        <source>red box</source>
        <translation>blocco rosso</translation>
    </message>
    <message>
        <source>yellow box</source>
        <translation>blocco giallo</translation>
    </message>
    <message>
        <source>blue box, selected</source>
        <translation>blocco blu, selezionato</translation>
    </message>
    <message>
        <source>green box, selected</source>
        <translation>blocco verde, selezionato</translation>
    </message>
    <message>
        <source>red box, selected</source>
        <translation>blocco rosso, selezionato</translation>
    </message>
    <message>
        <source>yellow box, selected</source>
        <translation>blocco giallo, selezionato</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no box in it.</extracomment>
        <translation>vuoto</translation>
    </message>
</context>
<context>
    <name>pelmora::BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Campo di gioco</translation>
    </message>
</context>
<context>
    <name>pelmora::GameWords</name>
    <message>
        <source>You need more points!</source>
        <translation>Ti servono più punti!</translation>
    </message>
    <message>
        <source>Nope</source>
        <translation>Niente da fare</translation>
    </message>
    <message>
        <source>NEXT LEVEL: %1</source>
        <extracomment>The label above the board; %1 is the points the next level needs.</extracomment>
        <translation>LIVELLO SUCCESSIVO: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::MainWindow</name>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Selection value</source>
        <translation>Valore della selezione</translation>
    </message>
    <message>
        <source>Current level</source>
        <translation>Livello attuale</translation>
    </message>
    <message>
        <source>Reset cost</source>
        <translation>Costo del rimescolamento</translation>
    </message>
    <message>
        <source>Red boxes left</source>
        <translation>Blocchi rossi rimasti</translation>
    </message>
    <message>
        <source>Blue boxes left</source>
        <translation>Blocchi blu rimasti</translation>
    </message>
    <message>
        <source>Green boxes left</source>
        <translation>Blocchi verdi rimasti</translation>
    </message>
    <message>
        <source>Yellow boxes left</source>
        <translation>Blocchi gialli rimasti</translation>
    </message>
    <message>
        <source>Boxes left</source>
        <translation>Blocchi rimasti</translation>
    </message>
    <message>
        <source>Selection Value: </source>
        <translation>Valore selezione: </translation>
    </message>
    <message>
        <source>Current Level: </source>
        <translation>Livello attuale: </translation>
    </message>
    <message>
        <source>Reset Cost:</source>
        <translation>Rimescola:</translation>
    </message>
    <message>
        <source>LEVEL UP</source>
        <translation>AVANZA</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Rimescola</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>How to Play / About Pelmora...</source>
        <translation>Come giocare / Informazioni su Pelmora...</translation>
    </message>
</context>
<context>
    <name>pelmora::Spoken</name>
    <message>
        <source>%1 boxes selected, worth %2</source>
        <extracomment>Said after a press selected a group: %1 boxes, worth %2 points.</extracomment>
        <translation>%1 blocchi selezionati, valore %2</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <extracomment>Said after a press on a box with no neighbour of its colour.</extracomment>
        <translation>nessuna selezione</translation>
    </message>
    <message>
        <source>removed %1 boxes for %2 points; %3 points</source>
        <extracomment>Said after a removal: %1 boxes removed, %2 points earned, %3 points in all.</extracomment>
        <translation>%1 blocchi tolti per %2 punti; %3 punti</translation>
    </message>
    <message>
        <source>reshuffled; %1 points; next Reset costs %2</source>
        <extracomment>Said after Reset: %1 points in all now, %2 the price of the next Reset.</extracomment>
        <translation>rimescolato; %1 punti; il prossimo rimescolamento costa %2</translation>
    </message>
    <message>
        <source>level %1; next level at %2</source>
        <extracomment>Said after a level-up: %1 the new level, %2 the points the next needs in all.</extracomment>
        <translation>livello %1; livello successivo a %2</translation>
    </message>
    <message>
        <source>level %1; the top level</source>
        <extracomment>Said on reaching the last level %1, and on LEVEL UP there.</extracomment>
        <translation>livello %1; il livello più alto</translation>
    </message>
    <message>
        <source>new game; level %1; %2 points</source>
        <extracomment>Said after a refused LEVEL UP started the game over: %1 the level, %2 the points.</extracomment>
        <translation>nuova partita; livello %1; %2 punti</translation>
    </message>
    <message>
        <source>%1 points; level %2; next level at %3</source>
        <extracomment>The status&apos;s first part: %1 points, level %2, %3 points needed for the next.</extracomment>
        <translation>%1 punti; livello %2; livello successivo a %3</translation>
    </message>
    <message>
        <source>%1 points; level %2; the top level</source>
        <extracomment>The status&apos;s first part on the last level: %1 points, level %2.</extracomment>
        <translation>%1 punti; livello %2; il livello più alto</translation>
    </message>
    <message>
        <source>%1 red, %2 blue, %3 green, %4 yellow boxes left</source>
        <extracomment>The status&apos;s count of the boxes of each colour still on the board.</extracomment>
        <translation>restano %1 blocchi rossi, %2 blu, %3 verdi, %4 gialli</translation>
    </message>
    <message>
        <source>next Reset costs %1</source>
        <extracomment>The status&apos;s last part: the price in points of the next Reset.</extracomment>
        <translation>il prossimo rimescolamento costa %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two of the sentences above said one after the other.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 rows, %2 columns</source>
        <extracomment>What the board is, said with its name.</extracomment>
        <translation>%1 righe, %2 colonne</translation>
    </message>
</context>
<context>
    <name>pelmora::TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Riduci a icona</translation>
    </message>
</context>
<context>
    <name>pelmora::about::AboutWindow</name>
    <message>
        <source>About Pelmora</source>
        <translation>Informazioni su Pelmora</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versione 1.0</translation>
    </message>
    <message>
        <source>Have questions?  Need technical support? </source>
        <translation>Domande?  Serve assistenza tecnica? </translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contattaci</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Copyright © 2026 Pelmora Games</source>
        <translation>Copyright © 2026 Pelmora Games</translation>
    </message>
    <message>
        <source>Welcome to: Pelmora<byte value="xd"/>
--------------------------------------<byte value="xd"/>
<byte value="xd"/>
Usage Instructions:<byte value="xd"/>
-------------------------------<byte value="xd"/>
The object of the game is to click on<byte value="xd"/>
sets of the same color in numbers of 2<byte value="xd"/>
or more to clear sections of the game<byte value="xd"/>
screen.<byte value="xd"/>
<byte value="xd"/>
You can advance levels by clicking on<byte value="xd"/>
&quot;Level Up&quot; at the top of the window if<byte value="xd"/>
your points match or exceed those<byte value="xd"/>
pre-determined to qualify for the next<byte value="xd"/>
difficulty level.<byte value="xd"/>
<byte value="xd"/>
If you get stuck you can select &quot;Reset&quot;<byte value="xd"/>
from the file menu which will scatter the<byte value="xd"/>
colored boxes in another order so as to<byte value="xd"/>
make more moves possible.<byte value="xd"/>
<byte value="xd"/>
Good Luck! ;-)<byte value="xd"/>
</source>
        <extracomment>The how-to-play text: every line must fit the text box&apos;s width, which holds about 50 characters; end each line with a line break.</extracomment>
        <translation>Benvenuto in: Pelmora<byte value="xd"/>
--------------------------------------<byte value="xd"/>
<byte value="xd"/>
Istruzioni per l’uso:<byte value="xd"/>
-------------------------------<byte value="xd"/>
Lo scopo del gioco è fare clic su gruppi<byte value="xd"/>
di 2 o più blocchi dello stesso colore<byte value="xd"/>
per liberare parti dello schermo di<byte value="xd"/>
gioco.<byte value="xd"/>
<byte value="xd"/>
Puoi avanzare di livello facendo clic su<byte value="xd"/>
«Avanza» in alto nella finestra, se i<byte value="xd"/>
tuoi punti eguagliano o superano quelli<byte value="xd"/>
stabiliti per il livello di difficoltà<byte value="xd"/>
successivo.<byte value="xd"/>
<byte value="xd"/>
Se sei bloccato, scegli «Rimescola» dal<byte value="xd"/>
menu File: i blocchi colorati vengono<byte value="xd"/>
disposti in un altro ordine, così da<byte value="xd"/>
rendere possibili altre mosse.<byte value="xd"/>
<byte value="xd"/>
Buona fortuna! ;-)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Pelmora, Version 1.0</source>
        <extracomment>The version line as a screen reader reads it: the program&apos;s name, then the version line&apos;s text.</extracomment>
        <translation>Pelmora, Versione 1.0</translation>
    </message>
</context>
<context>
    <name>pelmora::webexport::PageTexts</name>
    <message>
        <source>Close</source>
        <extracomment>The close box of a window drawn in the page, as a screen reader names it.</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <extracomment>What the page shows once Quit has ended the game; %1 is the game&apos;s name.</extracomment>
        <translation>%1 è terminato.</translation>
    </message>
</context>
</TS>
