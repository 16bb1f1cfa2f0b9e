<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>manifest</name>
    <message>
        <source>Clear the board of coloured boxes, group by group.</source>
        <translation>Räume das Spielfeld farbiger Kästchen Gruppe für Gruppe ab.</translation>
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
        <translation>Gruppen farbiger Kästchen abräumen, Punkte sammeln und aufsteigen</translation>
    </message>
    <message>
        <source>Pelmora is a single-player puzzle game in one window. The board holds seven rows of thirteen boxes in four colours.</source>
        <translation>Pelmora ist ein Denkspiel für eine Person in einem einzigen Fenster. Das Spielfeld hat sieben Reihen mit je dreizehn Kästchen in vier Farben.</translation>
    </message>
    <message>
        <source>Press a box that has a neighbour of the same colour to select its group and see what it is worth; press the group again to remove it. The bigger the group, the more points it brings. The boxes above fall into the gaps and empty columns close up.</source>
        <translation>Klicke auf ein Kästchen, das einen Nachbarn derselben Farbe hat, um seine Gruppe auszuwählen und ihren Wert zu sehen; klicke die Gruppe noch einmal an, um sie zu entfernen. Je größer die Gruppe, desto mehr Punkte bringt sie. Die Kästchen darüber fallen in die Lücken, und leere Spalten rücken zusammen.</translation>
    </message>
    <message>
        <source>Reach the level&apos;s threshold and press LEVEL UP to move on to a fresh board. When no moves remain, Reset deals the boxes out again, for a price in points that rises every time.</source>
        <translation>Erreiche die Punktzahl der Stufe und klicke auf AUFSTIEG, um mit einem neuen Spielfeld weiterzuspielen. Ist kein Zug mehr möglich, verteilt Neu mischen die Kästchen noch einmal, für einen Preis in Punkten, der jedes Mal steigt.</translation>
    </message>
    <message>
        <source>puzzle</source>
        <translation>Denkspiel</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>Kästchen</translation>
    </message>
    <message>
        <source>colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Seventeen green boxes selected, worth 144500</source>
        <translation>Siebzehn grüne Kästchen ausgewählt, Wert 144500</translation>
    </message>
    <message>
        <source>colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>Steine</translation>
    </message>
    <message>
        <source>First release, in one window:</source>
        <translation>Erste Veröffentlichung, in einem einzigen Fenster:</translation>
    </message>
    <message>
        <source>select a group of boxes and remove it for 500 points times the square of its size;</source>
        <translation>eine Gruppe von Kästchen auswählen und für 500 Punkte mal das Quadrat ihrer Größe entfernen;</translation>
    </message>
    <message>
        <source>ten levels, each with its own threshold, and a Reset that deals the boxes out again;</source>
        <translation>zehn Stufen mit je eigener Punktzahl und Neu mischen, das die Kästchen noch einmal verteilt;</translation>
    </message>
    <message>
        <source>the whole game by mouse or by keys, with a board that a screen reader reads as a table.</source>
        <translation>das ganze Spiel mit der Maus oder mit Tasten, mit einem Spielfeld, das ein Bildschirmleser als Tabelle liest.</translation>
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
        <translation>Denkspiel</translation>
    </message>
    <message>
        <source>Clear groups of coloured boxes to score points and level up</source>
        <translation>Gruppen farbiger Kästchen abräumen, Punkte sammeln und aufsteigen</translation>
    </message>
    <message>
        <source>puzzle;boxes;colours;colors;groups;tiles;</source>
        <translation>Puzzle;Denkspiel;Kästchen;Farben;Gruppen;Steine;</translation>
    </message>
</context>
<context>
    <name>pelmora::BoardCellAccessible</name>
    <message>
        <source>blue box</source>
        <translation>blaues Kästchen</translation>
    </message>
    <message>
        <source>green box</source>
        <translation>grünes Kästchen</translation>
    </message>
    <message>
        <source>red box</source>
        <translation>rotes Kästchen</translation>
    </message>
    <message>
        <source>yellow box</source>
        <translation>gelbes Kästchen</translation>
    </message>
    <message>
        <source>blue box, selected</source>
        <translation>blaues Kästchen, ausgewählt</translation>
    </message>
    <message>
        <source>green box, selected</source>
        <translation>grünes Kästchen, ausgewählt</translation>
    </message>
    <message>
        <source>red box, selected</source>
        <translation>rotes Kästchen, ausgewählt</translation>
    </message>
    <message>
        <source>yellow box, selected</source>
        <translation>gelbes Kästchen, ausgewählt</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no box in it.</extracomment>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>pelmora::BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
</context>
<context>
    <name>pelmora::GameWords</name>
    <message>
        <source>You need more points!</source>
        <translation>Du brauchst mehr Punkte!</translation>
    </message>
    <message>
        <source>Nope</source>
        <translation>Leider nein</translation>
    </message>
    <message>
        <source>NEXT LEVEL: %1</source>
        <extracomment>The label above the board; %1 is the points the next level needs.</extracomment>
        <translation>NÄCHSTE STUFE: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::MainWindow</name>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Selection value</source>
        <translation>Auswahlwert</translation>
    </message>
    <message>
        <source>Current level</source>
        <translation>Aktuelle Stufe</translation>
    </message>
    <message>
        <source>Reset cost</source>
        <translation>Mischkosten</translation>
    </message>
    <message>
        <source>Red boxes left</source>
        <translation>Rote Kästchen übrig</translation>
    </message>
    <message>
        <source>Blue boxes left</source>
        <translation>Blaue Kästchen übrig</translation>
    </message>
    <message>
        <source>Green boxes left</source>
        <translation>Grüne Kästchen übrig</translation>
    </message>
    <message>
        <source>Yellow boxes left</source>
        <translation>Gelbe Kästchen übrig</translation>
    </message>
    <message>
        <source>Boxes left</source>
        <translation>Kästchen übrig</translation>
    </message>
    <message>
        <source>Selection Value: </source>
        <translation>Auswahlwert: </translation>
    </message>
    <message>
        <source>Current Level: </source>
        <translation>Aktuelle Stufe: </translation>
    </message>
    <message>
        <source>Reset Cost:</source>
        <translation>Mischen:</translation>
    </message>
    <message>
        <source>LEVEL UP</source>
        <translation>AUFSTIEG</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Neu mischen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How to Play / About Pelmora...</source>
        <translation>Spielanleitung / Über Pelmora...</translation>
    </message>
</context>
<context>
    <name>pelmora::Spoken</name>
    <message>
        <source>%1 boxes selected, worth %2</source>
        <extracomment>Said after a press selected a group: %1 boxes, worth %2 points.</extracomment>
        <translation>%1 Kästchen ausgewählt, Wert %2</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <extracomment>Said after a press on a box with no neighbour of its colour.</extracomment>
        <translation>nichts ausgewählt</translation>
    </message>
    <message>
        <source>removed %1 boxes for %2 points; %3 points</source>
        <extracomment>Said after a removal: %1 boxes removed, %2 points earned, %3 points in all.</extracomment>
        <translation>%1 Kästchen für %2 Punkte entfernt; %3 Punkte</translation>
    </message>
    <message>
        <source>reshuffled; %1 points; next Reset costs %2</source>
        <extracomment>Said after Reset: %1 points in all now, %2 the price of the next Reset.</extracomment>
        <translation>neu gemischt; %1 Punkte; nächstes Mischen kostet %2</translation>
    </message>
    <message>
        <source>level %1; next level at %2</source>
        <extracomment>Said after a level-up: %1 the new level, %2 the points the next needs in all.</extracomment>
        <translation>Stufe %1; nächste Stufe bei %2</translation>
    </message>
    <message>
        <source>level %1; the top level</source>
        <extracomment>Said on reaching the last level %1, and on LEVEL UP there.</extracomment>
        <translation>Stufe %1; die höchste Stufe</translation>
    </message>
    <message>
        <source>new game; level %1; %2 points</source>
        <extracomment>Said after a refused LEVEL UP started the game over: %1 the level, %2 the points.</extracomment>
        <translation>neues Spiel; Stufe %1; %2 Punkte</translation>
    </message>
    <message>
        <source>%1 points; level %2; next level at %3</source>
        <extracomment>The status&apos;s first part: %1 points, level %2, %3 points needed for the next.</extracomment>
        <translation>%1 Punkte; Stufe %2; nächste Stufe bei %3</translation>
    </message>
    <message>
        <source>%1 points; level %2; the top level</source>
        <extracomment>The status&apos;s first part on the last level: %1 points, level %2.</extracomment>
        <translation>%1 Punkte; Stufe %2; die höchste Stufe</translation>
    </message>
    <message>
        <source>%1 red, %2 blue, %3 green, %4 yellow boxes left</source>
        <extracomment>The status&apos;s count of the boxes of each colour still on the board.</extracomment>
        <translation>übrig: %1 rote, %2 blaue, %3 grüne, %4 gelbe Kästchen</translation>
    </message>
    <message>
        <source>next Reset costs %1</source>
        <extracomment>The status&apos;s last part: the price in points of the next Reset.</extracomment>
        <translation>nächstes Mischen kostet %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two of the sentences above said one after the other.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 rows, %2 columns</source>
        <extracomment>What the board is, said with its name.</extracomment>
        <translation>%1 Reihen, %2 Spalten</translation>
    </message>
</context>
<context>
    <name>pelmora::TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
</context>
<context>
    <name>pelmora::about::AboutWindow</name>
    <message>
        <source>About Pelmora</source>
        <translation>Über Pelmora</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Have questions?  Need technical support? </source>
        <translation>Fragen?  Technische Hilfe nötig? </translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Kontakt</translation>
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
        <translation>Willkommen bei: Pelmora<byte value="xd"/>
--------------------------------------<byte value="xd"/>
<byte value="xd"/>
Spielanleitung:<byte value="xd"/>
-------------------------------<byte value="xd"/>
Ziel des Spiels ist es, Gruppen von 2<byte value="xd"/>
oder mehr gleichfarbigen Kästchen<byte value="xd"/>
anzuklicken und so Teile des Spielfelds<byte value="xd"/>
freizuräumen.<byte value="xd"/>
<byte value="xd"/>
Mit einem Klick auf „Aufstieg“ oben im<byte value="xd"/>
Fenster erreichst du die nächste Stufe,<byte value="xd"/>
wenn deine Punkte die dafür festgelegte<byte value="xd"/>
Punktzahl erreichen oder übertreffen.<byte value="xd"/>
<byte value="xd"/>
Kommst du nicht weiter, wähle im Menü<byte value="xd"/>
„Datei“ den Befehl „Neu mischen“: Er<byte value="xd"/>
verteilt die farbigen Kästchen neu, damit<byte value="xd"/>
wieder mehr Züge möglich sind.<byte value="xd"/>
<byte value="xd"/>
Viel Glück! ;-)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Pelmora, Version 1.0</source>
        <extracomment>The version line as a screen reader reads it: the program&apos;s name, then the version line&apos;s text.</extracomment>
        <translation>Pelmora, Version 1.0</translation>
    </message>
</context>
<context>
    <name>pelmora::webexport::PageTexts</name>
    <message>
        <source>Close</source>
        <extracomment>The close box of a window drawn in the page, as a screen reader names it.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <extracomment>What the page shows once Quit has ended the game; %1 is the game&apos;s name.</extracomment>
        <translation>%1 wurde beendet.</translation>
    </message>
</context>
</TS>
