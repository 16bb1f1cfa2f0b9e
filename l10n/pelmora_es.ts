<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>manifest</name>
    <message>
        <source>Clear the board of coloured boxes, group by group.</source>
        <translation>Despeja el tablero de bloques de colores, grupo a grupo.</translation>
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
        <translation>Elimina grupos de bloques de colores para sumar puntos y subir de nivel</translation>
    </message>
    <message>
        <source>Pelmora is a single-player puzzle game in one window. The board holds seven rows of thirteen boxes in four colours.</source>
        <translation>Pelmora es un juego de lógica para un jugador en una sola ventana. El tablero tiene siete filas de trece bloques de cuatro colores.</translation>
    </message>
    <message>
        <source>Press a box that has a neighbour of the same colour to select its group and see what it is worth; press the group again to remove it. The bigger the group, the more points it brings. The boxes above fall into the gaps and empty columns close up.</source>
        <translation>Haz clic en un bloque que tenga un vecino del mismo color para seleccionar su grupo y ver cuánto vale; vuelve a hacer clic en el grupo para eliminarlo. Cuanto mayor es el grupo, más puntos da. Los bloques de arriba caen a los huecos y las columnas vacías se cierran.</translation>
    </message>
    <message>
        <source>Reach the level&apos;s threshold and press LEVEL UP to move on to a fresh board. When no moves remain, Reset deals the boxes out again, for a price in points that rises every time.</source>
        <translation>Alcanza el umbral del nivel y pulsa SUBIR para pasar a un tablero nuevo. Cuando no quedan jugadas, Mezclar reparte de nuevo los bloques, a un precio en puntos que sube cada vez.</translation>
    </message>
    <message>
        <source>puzzle</source>
        <translation>rompecabezas</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>bloques</translation>
    </message>
    <message>
        <source>colours</source>
        <translation>colores</translation>
    </message>
    <message>
        <source>Seventeen green boxes selected, worth 144500</source>
        <translation>Diecisiete bloques verdes seleccionados, valen 144500</translation>
    </message>
    <message>
        <source>colors</source>
        <translation>colores</translation>
    </message>
    <message>
        <source>groups</source>
        <translation>grupos</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>fichas</translation>
    </message>
    <message>
        <source>First release, in one window:</source>
        <translation>Primera versión, en una sola ventana:</translation>
    </message>
    <message>
        <source>select a group of boxes and remove it for 500 points times the square of its size;</source>
        <translation>selecciona un grupo de bloques y quítalo por 500 puntos por el cuadrado de su tamaño;</translation>
    </message>
    <message>
        <source>ten levels, each with its own threshold, and a Reset that deals the boxes out again;</source>
        <translation>diez niveles, cada uno con su umbral, y Mezclar, que reparte de nuevo los bloques;</translation>
    </message>
    <message>
        <source>the whole game by mouse or by keys, with a board that a screen reader reads as a table.</source>
        <translation>todo el juego con el ratón o con el teclado, con un tablero que un lector de pantalla lee como una tabla.</translation>
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
        <translation>Juego de lógica</translation>
    </message>
    <message>
        <source>Clear groups of coloured boxes to score points and level up</source>
        <translation>Elimina grupos de bloques de colores para sumar puntos y subir de nivel</translation>
    </message>
    <message>
        <source>puzzle;boxes;colours;colors;groups;tiles;</source>
        <translation>rompecabezas;lógica;bloques;colores;grupos;fichas;</translation>
    </message>
</context>
<context>
    <name>pelmora::BoardCellAccessible</name>
    <message>
        <source>blue box</source>
        <translation>bloque azul</translation>
    </message>
    <message>
        <source>green box</source>
        <translation>bloque verde</translation>
    </message>
    <message>
        <source>red box</source>
        <translation>bloque rojo</translation>
    </message>
    <message>
        <source>yellow box</source>
        <translation>bloque amarillo</translation>
    </message>
    <message>
        <source>blue box, selected</source>
        <translation>bloque azul, seleccionado</translation>
    </message>
    <message>
        <source>green box, selected</source>
        <translation>bloque verde, seleccionado</translation>
    </message>
    <message>
        <source>red box, selected</source>
        <translation>bloque rojo, seleccionado</translation>
    </message>
    <message>
        <source>yellow box, selected</source>
        <translation>bloque amarillo, seleccionado</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no box in it.</extracomment>
        <translation>vacío</translation>
    </message>
</context>
<context>
    <name>pelmora::BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>pelmora::GameWords</name>
    <message>
        <source>You need more points!</source>
        <translation>¡Necesitas más puntos!</translation>
    </message>
    <message>
        <source>Nope</source>
        <translation>Nanay</translation>
    </message>
    <message>
        <source>NEXT LEVEL: %1</source>
        <extracomment>The label above the board; %1 is the points the next level needs.</extracomment>
        <translation>SIGUIENTE NIVEL: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::MainWindow</name>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Selection value</source>
        <translation>Valor de la selección</translation>
    </message>
    <message>
        <source>Current level</source>
        <translation>Nivel actual</translation>
    </message>
    <message>
        <source>Reset cost</source>
        <translation>Coste de mezclar</translation>
    </message>
    <message>
        <source>Red boxes left</source>
        <translation>Bloques rojos restantes</translation>
    </message>
    <message>
        <source>Blue boxes left</source>
        <translation>Bloques azules restantes</translation>
    </message>
    <message>
        <source>Green boxes left</source>
        <translation>Bloques verdes restantes</translation>
    </message>
    <message>
        <source>Yellow boxes left</source>
        <translation>Bloques amarillos restantes</translation>
    </message>
    <message>
        <source>Boxes left</source>
        <translation>Bloques restantes</translation>
    </message>
    <message>
        <source>Selection Value: </source>
        <translation>Valor selección: </translation>
    </message>
    <message>
        <source>Current Level: </source>
        <translation>Nivel actual: </translation>
    </message>
    <message>
        <source>Reset Cost:</source>
        <translation>Mezcla:</translation>
    </message>
    <message>
        <source>LEVEL UP</source>
        <translation>SUBIR</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>How to Play / About Pelmora...</source>
        <translation>Cómo jugar / Acerca de Pelmora...</translation>
    </message>
</context>
<context>
    <name>pelmora::Spoken</name>
    <message>
        <source>%1 boxes selected, worth %2</source>
        <extracomment>Said after a press selected a group: %1 boxes, worth %2 points.</extracomment>
        <translation>%1 bloques seleccionados, valen %2</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <extracomment>Said after a press on a box with no neighbour of its colour.</extracomment>
        <translation>nada seleccionado</translation>
    </message>
    <message>
        <source>removed %1 boxes for %2 points; %3 points</source>
        <extracomment>Said after a removal: %1 boxes removed, %2 points earned, %3 points in all.</extracomment>
        <translation>%1 bloques quitados por %2 puntos; %3 puntos</translation>
    </message>
    <message>
        <source>reshuffled; %1 points; next Reset costs %2</source>
        <extracomment>Said after Reset: %1 points in all now, %2 the price of the next Reset.</extracomment>
        <translation>mezclado; %1 puntos; la próxima mezcla cuesta %2</translation>
    </message>
    <message>
        <source>level %1; next level at %2</source>
        <extracomment>Said after a level-up: %1 the new level, %2 the points the next needs in all.</extracomment>
        <translation>nivel %1; siguiente nivel con %2</translation>
    </message>
    <message>
        <source>level %1; the top level</source>
        <extracomment>Said on reaching the last level %1, and on LEVEL UP there.</extracomment>
        <translation>nivel %1; el nivel más alto</translation>
    </message>
    <message>
        <source>new game; level %1; %2 points</source>
        <extracomment>Said after a refused LEVEL UP started the game over: %1 the level, %2 the points.</extracomment>
        <translation>partida nueva; nivel %1; %2 puntos</translation>
    </message>
    <message>
        <source>%1 points; level %2; next level at %3</source>
        <extracomment>The status&apos;s first part: %1 points, level %2, %3 points needed for the next.</extracomment>
        <translation>%1 puntos; nivel %2; siguiente nivel con %3</translation>
    </message>
    <message>
        <source>%1 points; level %2; the top level</source>
        <extracomment>The status&apos;s first part on the last level: %1 points, level %2.</extracomment>
        <translation>%1 puntos; nivel %2; el nivel más alto</translation>
    </message>
    <message>
        <source>%1 red, %2 blue, %3 green, %4 yellow boxes left</source>
        <extracomment>The status&apos;s count of the boxes of each colour still on the board.</extracomment>
        <translation>quedan %1 bloques rojos, %2 azules, %3 verdes, %4 amarillos</translation>
    </message>
    <message>
        <source>next Reset costs %1</source>
        <extracomment>The status&apos;s last part: the price in points of the next Reset.</extracomment>
        <translation>la próxima mezcla cuesta %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two of the sentences above said one after the other.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 rows, %2 columns</source>
        <extracomment>What the board is, said with its name.</extracomment>
        <translation>%1 filas, %2 columnas</translation>
    </message>
</context>
<context>
    <name>pelmora::TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
</context>
<context>
    <name>pelmora::about::AboutWindow</name>
    <message>
        <source>About Pelmora</source>
        <translation>Acerca de Pelmora</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>Have questions?  Need technical support? </source>
        <translation>¿Preguntas?  ¿Necesitas ayuda técnica? </translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>Bienvenido a: Pelmora<byte value="xd"/>
--------------------------------------<byte value="xd"/>
<byte value="xd"/>
Instrucciones de uso:<byte value="xd"/>
-------------------------------<byte value="xd"/>
El objetivo del juego es hacer clic en<byte value="xd"/>
grupos de 2 o más bloques del mismo<byte value="xd"/>
color para despejar partes de la<byte value="xd"/>
pantalla de juego.<byte value="xd"/>
<byte value="xd"/>
Puedes avanzar de nivel haciendo clic en<byte value="xd"/>
«Subir», en la parte superior de la<byte value="xd"/>
ventana, si tus puntos igualan o superan<byte value="xd"/>
los fijados para el siguiente nivel de<byte value="xd"/>
dificultad.<byte value="xd"/>
<byte value="xd"/>
Si te quedas atascado, elige «Mezclar»<byte value="xd"/>
en el menú Archivo: los bloques de<byte value="xd"/>
colores se reparten en otro orden para<byte value="xd"/>
que haya más jugadas posibles.<byte value="xd"/>
<byte value="xd"/>
¡Buena suerte! ;-)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Pelmora, Version 1.0</source>
        <extracomment>The version line as a screen reader reads it: the program&apos;s name, then the version line&apos;s text.</extracomment>
        <translation>Pelmora, Versión 1.0</translation>
    </message>
</context>
<context>
    <name>pelmora::webexport::PageTexts</name>
    <message>
        <source>Close</source>
        <extracomment>The close box of a window drawn in the page, as a screen reader names it.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <extracomment>What the page shows once Quit has ended the game; %1 is the game&apos;s name.</extracomment>
        <translation>%1 ha terminado.</translation>
    </message>
</context>
</TS>
